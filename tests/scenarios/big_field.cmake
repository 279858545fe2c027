# A host code of 100 MB in field 1102, which the module copies into field
# 10147 before it finds no transaction enabled and returns: the result then
# carries the text four times over, and building it takes vks-host a while.
# That time is the host's own, so the run ends with its status and its
# --out file, never as a module that stopped answering (3).
string(REPEAT "7" 104857600 code)
file(WRITE ${WORK}/big-field.json
  "{ \"fields\": { \"1105\": \"0\", \"1102\": \"${code}\" }, \"expect\": { \"returned\": true } }")
set(code "")
file(REMOVE ${WORK}/big-field.result.json)
execute_process(COMMAND ${HOST} run ${WORK}/big-field.json --offscreen --quiet --timeout 0
                        --out ${WORK}/big-field.result.json
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
file(REMOVE ${WORK}/big-field.json)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, expected 0\n${errors}")
endif()
file(SIZE ${WORK}/big-field.result.json size)
file(REMOVE ${WORK}/big-field.result.json)
if(size LESS 419430400)
  message(FATAL_ERROR "the result holds ${size} bytes, not the field four times over")
endif()
