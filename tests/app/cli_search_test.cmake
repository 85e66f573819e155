# Phrase search and statistics from the command line, on a fresh home folder
# with the demo library.
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

function(expect_file path text)
  read_hex(${path} got)
  string(HEX "${text}" want)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${path}: unexpected contents ${got}")
  endif()
endfunction()
function(expect_in path text)
  read_hex(${path} got)
  find_text("${got}" "${text}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${path} lacks \"${text}\"")
  endif()
endfunction()

# Chord charts come from the search table, which is empty until rebuilt.
run(0 --search "How sweet the sound" --out ${WORK}/before.txt)
expect_file(${WORK}/before.txt "No results")
run(0 --search "How sweet the sound" --rebuild --out ${WORK}/charts.txt)
expect_in(${WORK}/charts.txt "Amazing Grace (G)\tIntro:   Amazing grace! How sweet the sound  That")
# The rebuilt table stays; standard output gets the same bytes as the file.
execute_process(COMMAND ${EXE} --search "How sweet the sound" --this-vpd
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_FILE ${WORK}/stdout.txt)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "search to standard output: exit ${rc}")
endif()
read_hex(${WORK}/stdout.txt from_stdout)
read_hex(${WORK}/charts.txt from_file)
if(NOT from_stdout STREQUAL from_file)
  message(FATAL_ERROR "standard output differs from the file: ${from_stdout}")
endif()
# Songs are searched directly; the chart is not among them.
run(0 --search "how SWEET the sound" --songs --out ${WORK}/songs.txt)
expect_in(${WORK}/songs.txt "Amazing Grace\tAmazing grace! How sweet the sound")
expect_in(${WORK}/songs.txt "\r\n")
# Quotes and wildcards are only characters.
run(0 --search "it's 100% [x]_" --songs)
if(NOT last_out STREQUAL "No results")
  message(FATAL_ERROR "a phrase of quotes and wildcards found: ${last_out}")
endif()

run(0 --stats most-used --out ${WORK}/stats.txt)
expect_in(${WORK}/stats.txt " : ")
expect_in(${WORK}/stats.txt " : \n\r\n\r")
run(0 --stats least-recent)
if(NOT last_out MATCHES " : 0 : [A-Za-z]")
  message(FATAL_ERROR "least recently used without schedule names: ${last_out}")
endif()
run(0 --stats most-recent)
run(0 --stats least-used)

# Bad arguments: usage and exit 2.
run(2 --search)
# An empty argument does not survive a function's argument list: run it here.
execute_process(COMMAND ${EXE} --search "" WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "Please enter something to search for")
  message(FATAL_ERROR "empty phrase: exit ${rc}: ${err}")
endif()
run(2 --search grace --bogus)
run(2 --search grace --out)
run(2 --stats)
run(2 --stats most)
if(NOT last_err MATCHES "usage: versilux --stats")
  message(FATAL_ERROR "no usage text: ${last_err}")
endif()
run(2 --stats most-used extra)

# Failures: a clear message and exit 1.
run(1 --search grace --out ${WORK}/no/such/folder/search.txt)
if(NOT last_err MATCHES "no/such/folder")
  message(FATAL_ERROR "unclear failure: ${last_err}")
endif()
file(WRITE ${WORK}/odbc.ini "[Versilux]\nDriver=NoSuchDriver\nDatabase=/nowhere/x.db\n")
run(1 --search grace)
if(NOT last_err MATCHES "\"Versilux\"")
  message(FATAL_ERROR "failure does not name the data source: ${last_err}")
endif()
run(1 --stats most-used)
