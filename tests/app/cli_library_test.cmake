# Choosing the data source for a run, making a new library and copying one,
# on SQLite data sources registered in the test's own odbc.ini.
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

# The first run makes the default demo library (data source Versilux).
run(0 --debug-show-go 1 --out ${WORK}/default.txt)
run(0 --search grace --songs)
set(default_search "${last_out}")

foreach(name Team Other Bare)
  file(APPEND $ENV{ODBCINI} "[${name}]\nDriver=SQLite3\nDatabase=${WORK}/${name}.db\n")
endforeach()

# Bad arguments: usage and exit 2.
run(2 --data-source)
if(NOT last_err MATCHES "usage: versilux --data-source DSN")
  message(FATAL_ERROR "no usage text: ${last_err}")
endif()
run(2 --search grace --data-source)
run(2 --data-source --search grace)
run(2 --create-library)
run(2 --create-library Team --bogus)
if(NOT last_err MATCHES "usage: versilux --create-library DSN")
  message(FATAL_ERROR "no usage text: ${last_err}")
endif()
run(2 --copy-library Versilux)
run(2 --copy-library Versilux Team extra)
run(2 --copy-library Versilux versilux)
if(NOT last_err MATCHES "usage: versilux --copy-library FROM_DSN TO_DSN")
  message(FATAL_ERROR "no usage text: ${last_err}")
endif()
run(2 --data-source Team --create-library Other)
run(0 --help)
foreach(usage "--data-source DSN [FILE | COMMAND...]" "--create-library DSN" "--copy-library FROM_DSN")
  string(FIND "${last_out}" "${usage}" at)
  if(at LESS 0)
    message(FATAL_ERROR "--help lacks ${usage}:\n${last_out}")
  endif()
endforeach()

# Data sources that are not there: named, exit 1.
run(1 --data-source Nowhere --search grace)
if(NOT last_err MATCHES "\"Nowhere\"" OR NOT last_err MATCHES "registered")
  message(FATAL_ERROR "unclear failure: ${last_err}")
endif()
run(1 --create-library Nowhere)
run(1 --copy-library Versilux Nowhere)
if(NOT last_err MATCHES "\"Nowhere\" is registered")
  message(FATAL_ERROR "unclear failure: ${last_err}")
endif()
file(APPEND $ENV{ODBCINI} "[Broken]\nDriver=SQLite3\nDatabase=${WORK}/no/such/folder/x.db\n")
run(1 --create-library Broken)
if(NOT last_err MATCHES "\"Broken\"")
  message(FATAL_ERROR "unclear failure: ${last_err}")
endif()

# A new library: the starter rows only, and once.
run(0 --create-library Team)
if(NOT last_out MATCHES "Created a library in Team: 7 tables, 16 colours, 1 VPD, 0 items")
  message(FATAL_ERROR "what was made: ${last_out}")
endif()
run(1 --create-library Team)
if(NOT last_err MATCHES "already holds a library" OR NOT last_err MATCHES "nothing was changed")
  message(FATAL_ERROR "second creation: ${last_err}")
endif()
run(0 --stats most-used --data-source Team)

# The demo library copied over the new one shows and searches as the original.
run(0 --copy-library Versilux Team)
if(NOT last_err MATCHES "items: [0-9]+ rows" OR NOT last_err MATCHES "schedule items: [0-9]+ rows"
   OR NOT last_out MATCHES "Copied the library of Versilux to Team: 7 tables, 16 colours")
  message(FATAL_ERROR "copy report:\n${last_out}${last_err}")
endif()
run(0 --data-source Team --debug-show-go 1 --out ${WORK}/team.txt)
read_hex(${WORK}/default.txt default_dump)
read_hex(${WORK}/team.txt team_dump)
if(NOT default_dump STREQUAL team_dump)
  message(FATAL_ERROR "the copied library shows schedule 1 differently")
endif()
run(0 --search grace --songs --data-source Team)
if(NOT last_out STREQUAL default_search OR last_out STREQUAL "")
  message(FATAL_ERROR "search differs:\n${last_out}\n---\n${default_search}")
endif()

# A library that holds items is never overwritten.
run(1 --copy-library Versilux Team)
if(NOT last_err MATCHES "already holds a library with [0-9]+ items"
   OR NOT last_err MATCHES "nothing was changed")
  message(FATAL_ERROR "second copy: ${last_err}")
endif()

# Into an empty database; a song added there gets an ID of its own and
# stays out of the library it was copied from.
run(0 --copy-library Team Other)
file(WRITE ${WORK}/new.cho "{title: Only In Other}\n[G]Zebulon sings\n")
run(0 --import ${WORK}/new.cho --data-source Other)
run(0 --data-source Other --search Zebulon --rebuild)
if(NOT last_out MATCHES "Only In Other")
  message(FATAL_ERROR "not found in Other: ${last_out}")
endif()
run(0 --search Zebulon --rebuild)
if(last_out MATCHES "Only In Other")
  message(FATAL_ERROR "written to the default library: ${last_out}")
endif()

# A source that is no library.
run(1 --copy-library Bare Versilux)
if(NOT last_err MATCHES "not a Versilux library")
  message(FATAL_ERROR "bare source: ${last_err}")
endif()

# A drawing command that starts itself again under a virtual display keeps
# the data source it was given.
run(1 --data-source Nowhere --print-item 11 --pdf ${WORK}/x.pdf)
if(NOT last_err MATCHES "\"Nowhere\"" OR EXISTS ${WORK}/x.pdf)
  message(FATAL_ERROR "the data source was lost: ${last_err}")
endif()
