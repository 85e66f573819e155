# The headless dump run as a user would, on a fresh home folder: the first
# run creates the default data source, later runs use it unaltered.
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

run(0 --debug-show-go 1)
read_hex(${WORK}/DebugShowGo.txt dump)
find_text("${dump}" " items\r\n\r\n============================\r\nItem 0\r\nnType 1\r\n" at)
if(at LESS 1 OR at GREATER 3)
  message(FATAL_ERROR "unexpected dump start")
endif()
find_text("${dump}" "sH1 **end - Press Q to quit or advance for menu**\r\n" at)
if(at LESS 0)
  message(FATAL_ERROR "the dump has no end notice")
endif()
file(READ ${WORK}/odbc.ini ini_after_first)
file(TIMESTAMP ${WORK}/share/versilux/versilux.db db_time)

# An unknown schedule: only the end notice and the menu.
run(0 --debug-show-go 4242 --out ${WORK}/unknown.txt)
read_hex(${WORK}/unknown.txt unknown)
find_text("${unknown}" "2 items\r\n\r\n" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "unknown schedule: not an empty list")
endif()
find_text("${unknown}" "\n0 scheduleitemnames\r\n" at)
if(at LESS 0)
  message(FATAL_ERROR "unknown schedule lists titles")
endif()

file(READ ${WORK}/odbc.ini ini_after_second)
file(TIMESTAMP ${WORK}/share/versilux/versilux.db db_time_after)
if(NOT ini_after_first STREQUAL ini_after_second OR NOT db_time STREQUAL db_time_after)
  message(FATAL_ERROR "an existing data source was altered")
endif()

# Bad arguments: usage and exit 2.
run(2 --debug-show-go)
run(2 --debug-show-go twelve)
run(2 --debug-show-go 1 --out)
run(2 --debug-show-go 1 --bogus x)
if(NOT last_err MATCHES "usage: versilux")
  message(FATAL_ERROR "no usage text: ${last_err}")
endif()

# An unwritable output: a clear message and exit 1.
run(1 --debug-show-go 1 --out ${WORK}/no/such/folder/dump.txt)
if(NOT last_err MATCHES "no/such/folder")
  message(FATAL_ERROR "unclear failure: ${last_err}")
endif()

# A data source that cannot be reached: the message names it and the reason.
file(WRITE ${WORK}/odbc.ini "[Versilux]\nDriver=NoSuchDriver\nDatabase=/nowhere/x.db\n")
run(1 --debug-show-go 1)
if(NOT last_err MATCHES "\"Versilux\"")
  message(FATAL_ERROR "failure does not name the data source: ${last_err}")
endif()

# The program's own arguments: anything but a file name is answered with
# the usage, and windows without a display are refused before the toolkit
# is reached (it would end the process in a trap).
file(WRITE ${WORK}/odbc.ini "${ini_after_first}")
run(2 --nonsense)
if(NOT last_err MATCHES "usage: versilux \\[FILE\\]")
  message(FATAL_ERROR "unknown option without usage: ${last_err}")
endif()
run(2 -x)
run(2 a.vls b.vls)
set(saved_display "$ENV{DISPLAY}")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
run(0 --help)
run(1)
if(NOT last_err MATCHES "DISPLAY")
  message(FATAL_ERROR "no display: the message does not name DISPLAY: ${last_err}")
endif()
run(1 some.vls)
set(ENV{DISPLAY} ":7391")
run(1)
if(NOT last_err MATCHES ":7391")
  message(FATAL_ERROR "unreachable display not named: ${last_err}")
endif()
set(ENV{DISPLAY} "${saved_display}")
