# Runs vks-host on one bad scenario: it must exit with 2 and name the place.
execute_process(COMMAND ${HOST} run ${SCENARIO} --offscreen
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "exit status ${status}, expected 2\n${errors}${output}")
endif()
string(FIND "${errors}" "${MESSAGE}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the message does not name \"${MESSAGE}\":\n${errors}")
endif()
