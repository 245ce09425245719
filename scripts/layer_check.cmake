# Run by ctest (label "layers"): with one library's include flags (FLAGS, a compiler
# response file), the headers in SEES must be found and no header of the source folders in
# BLIND may be found: an include that runs upward or sideways does not build.
# SEES and BLIND are comma-separated.
#   cmake -DCOMPILER=... -DFLAGS=... -DSEES=... -DBLIND=... -DSOURCE_DIR=... -DWORK=... -P
string(REPLACE "," ";" SEES "${SEES}")
string(REPLACE "," ";" BLIND "${BLIND}")
file(MAKE_DIRECTORY "${WORK}")
set(probe "${WORK}/probe.cpp")

function(write_probe)
  set(text "")
  foreach(header IN LISTS ARGN)
    get_filename_component(name "${header}" NAME)
    string(APPEND text "#include \"${name}\"\n")
  endforeach()
  file(WRITE "${probe}" "${text}")
endfunction()

# The flags must be the real ones, or every header would look out of reach: the
# library's own headers and all they include are found.
write_probe(${SEES})
execute_process(COMMAND "${COMPILER}" "@${FLAGS}" -std=c++20 -M "${probe}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${SEES} are not all found with ${FLAGS}:\n${err}")
endif()

set(headers "")
foreach(folder IN LISTS BLIND)
  file(GLOB found "${SOURCE_DIR}/src/${folder}/*.h")
  if(NOT found)
    message(FATAL_ERROR "no headers in src/${folder}")
  endif()
  list(APPEND headers ${found})
endforeach()

# The dependencies name every header found by its path; -MG lets the missing ones pass.
# A system header of the same name (curses' form.h) has another path.
write_probe(${headers})
execute_process(COMMAND "${COMPILER}" "@${FLAGS}" -std=c++20 -M -MG "${probe}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE deps ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "no dependencies from ${FLAGS}:\n${err}")
endif()
string(REPLACE "\\\n" " " deps " ${deps} ")
string(REGEX REPLACE "[ \n]+" " " deps "${deps}")
set(seen "")
foreach(path IN LISTS headers)
  string(FIND "${deps}" " ${path} " at)
  if(at GREATER_EQUAL 0)
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${path}")
    list(APPEND seen "${name}")
  endif()
endforeach()
if(seen)
  list(JOIN seen "\n  " seen)
  message(FATAL_ERROR "within reach of ${FLAGS}, though above or beside it:\n  ${seen}")
endif()
