# Installs into a fresh prefix and checks that every file is where the desktop's
# conventions look for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    bin/tenpo
    bin/tenpo-cli
    share/applications/tenpo.desktop
    share/mime/packages/tenpo-ledger.xml
    share/icons/hicolor/scalable/apps/tenpo.svg
    share/icons/hicolor/48x48/apps/tenpo.png
    share/icons/hicolor/256x256/apps/tenpo.png
    share/man/man1/tenpo.1
    share/man/man1/tenpo-cli.1
    share/bash-completion/completions/tenpo-cli)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/tenpo.desktop entry)
foreach(line "Exec=tenpo %f" "MimeType=application/x-tenpo-ledger;" "Icon=tenpo")
  string(FIND "${entry}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
