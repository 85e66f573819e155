# Shared by the command-line tests: a fresh home folder, and run() which
# checks the exit code and keeps the error output in last_err.
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
endfunction()
