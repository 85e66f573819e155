# The library on a PostgreSQL server: a fresh database made a library and
# filled from the default demo library must show and search as the original.
# Needs VERSILUX_TEST_PG (scripts/with-postgresql sets it).
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

if("$ENV{VERSILUX_TEST_PG}" STREQUAL "")
  if("$ENV{VERSILUX_TEST_PG_REQUIRED}" STREQUAL "1")
    message(FATAL_ERROR "VERSILUX_TEST_PG is not set: run the test under scripts/with-postgresql")
  endif()
  message(STATUS "skipped: VERSILUX_TEST_PG is not set (no PostgreSQL server to test on)")
  return()
endif()
if(NOT "$ENV{VERSILUX_TEST_PG}" MATCHES "Port=([0-9]+)")
  message(FATAL_ERROR "no Port= in VERSILUX_TEST_PG: $ENV{VERSILUX_TEST_PG}")
endif()
set(port ${CMAKE_MATCH_1})
set(server 127.0.0.1)
if("$ENV{VERSILUX_TEST_PG}" MATCHES "Servername=([^;]+)")
  set(server ${CMAKE_MATCH_1})
endif()
string(RANDOM LENGTH 10 ALPHABET abcdefghijklmnopqrstuvwxyz0123456789 suffix)
set(database cli_library_${suffix})

function(pg_sql statement)
  file(WRITE ${WORK}/statement.sql "${statement}\n")
  execute_process(COMMAND isql -b -k "$ENV{VERSILUX_TEST_PG}" INPUT_FILE ${WORK}/statement.sql
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "isql: ${statement}: ${out}${err}")
  endif()
endfunction()

# Like run(), but drops the database before failing.
function(pg_run expected_rc)
  execute_process(COMMAND ${EXE} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL ${expected_rc})
    fail("versilux ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}${err}")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
  set(last_out "${out}" PARENT_SCOPE)
endfunction()
function(fail message)
  pg_sql("DROP DATABASE IF EXISTS ${database}")
  message(FATAL_ERROR "${message}")
endfunction()

# The demo library on SQLite, as the reference.
run(0 --debug-show-go 1 --out ${WORK}/sqlite.txt)
run(0 --search grace --songs)
set(sqlite_songs "${last_out}")
run(0 --search Lord --rebuild)
set(sqlite_charts "${last_out}")

pg_sql("CREATE DATABASE ${database}")
file(APPEND $ENV{ODBCINI} "[Team]\nDriver=PostgreSQL ANSI\nServername=${server}\nPort=${port}\n"
     "Username=versilux\nDatabase=${database}\n")

pg_run(0 --create-library Team)
if(NOT last_out MATCHES "Created a library in Team: 7 tables, 16 colours, 1 VPD, 0 items")
  fail("what was made: ${last_out}")
endif()
pg_run(1 --create-library Team --demo)
pg_run(0 --copy-library Versilux Team)
if(NOT last_err MATCHES "items: [0-9]+ rows")
  fail("no progress: ${last_err}")
endif()

pg_run(0 --data-source Team --debug-show-go 1 --out ${WORK}/pg.txt)
read_hex(${WORK}/sqlite.txt sqlite_dump)
read_hex(${WORK}/pg.txt pg_dump)
if(NOT sqlite_dump STREQUAL pg_dump)
  fail("schedule 1 shows differently on PostgreSQL")
endif()
pg_run(0 --data-source Team --search grace --songs)
if(NOT last_out STREQUAL sqlite_songs)
  fail("song search differs:\n${last_out}\n---\n${sqlite_songs}")
endif()
pg_run(0 --data-source Team --search Lord --rebuild)
if(NOT last_out STREQUAL sqlite_charts)
  fail("chart search differs:\n${last_out}\n---\n${sqlite_charts}")
endif()

# New rows after the copy get IDs of their own.
file(WRITE ${WORK}/new.cho "{title: Zebulon}\n[G]Zebulon sings\n")
pg_run(0 --data-source Team --import ${WORK}/new.cho)
pg_run(0 --data-source Team --search Zebulon --rebuild)
if(NOT last_out MATCHES "Zebulon")
  fail("the imported song is not found: ${last_out}")
endif()

pg_run(1 --copy-library Versilux Team)
if(NOT last_err MATCHES "already holds a library with [0-9]+ items")
  fail("second copy: ${last_err}")
endif()

pg_sql("DROP DATABASE IF EXISTS ${database}")
