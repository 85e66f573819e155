# Screens as pictures from the command line, on a fresh home folder.
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

run(0 --debug-show-go 2 --out ${WORK}/dump.txt)
file(STRINGS ${WORK}/dump.txt first LIMIT_COUNT 1)
string(REGEX MATCH "^[0-9]+" entries "${first}")

run(0 --export-screens 2 --size 640x360 --out ${WORK}/shots)
file(GLOB shots ${WORK}/shots/*.png)
list(LENGTH shots count)
if(NOT count EQUAL entries)
  message(FATAL_ERROR "${count} pictures for ${entries} show entries")
endif()
if(NOT EXISTS ${WORK}/shots/001.png)
  message(FATAL_ERROR "no 001.png")
endif()

run(2 --export-screens 2 --size 640 --out ${WORK}/x)
run(2 --export-screens 2 --out ${WORK}/x)
run(2 --export-screens --size 640x360 --out ${WORK}/x)
file(WRITE ${WORK}/a-file "")
run(1 --export-screens 2 --size 640x360 --out ${WORK}/a-file/sub)
