# Shared by the command-line tests: a fresh home folder, run() which checks
# the exit code and keeps the outputs in last_out and last_err, and reading
# files byte for byte.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{HOME} ${WORK})
set(ENV{XDG_DATA_HOME} ${WORK}/share)
set(ENV{ODBCINI} ${WORK}/odbc.ini)

function(run expected_rc)
  execute_process(COMMAND ${EXE} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL ${expected_rc})
    message(FATAL_ERROR "versilux ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}${err}")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

# file(READ) drops carriage returns, so files are compared as hex.
function(read_hex path var)
  file(READ ${path} hex HEX)
  set(${var} "${hex}" PARENT_SCOPE)
endfunction()
function(find_text haystack_hex text var)
  string(HEX "${text}" needle)
  string(FIND "${haystack_hex}" "${needle}" at)
  if(at GREATER_EQUAL 0)
    math(EXPR at "${at} / 2")
  endif()
  set(${var} ${at} PARENT_SCOPE)
endfunction()
