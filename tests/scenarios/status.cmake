# Runs vks-host with ARGS: it must exit with STATUS and say MESSAGE on
# standard error.
execute_process(COMMAND ${HOST} ${ARGS} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${errors}")
endif()
string(FIND "${errors}" "${MESSAGE}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "standard error does not say \"${MESSAGE}\":\n${errors}")
endif()
