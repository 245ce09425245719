# Writes the build's version and date into OUT from IN; the file is only touched when the
# text changes, so a new day rebuilds one small file. SOURCE_DATE_EPOCH, when set, gives
# the date (reproducible package builds).
string(TIMESTAMP TENPO_BUILD_DATE "%Y-%m-%d" UTC)
set(TENPO_VERSION ${VERSION})
configure_file(${IN} ${OUT}.new @ONLY)
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
