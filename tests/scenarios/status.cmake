# Runs vks-host with ARGS: it must exit with STATUS and say MESSAGE on
# standard error (a listing: on standard output). With COPY_TO, a copy of
# vks-host made in that folder runs instead: it finds the simulator and the
# module by absolute paths, never beside itself.
if(DEFINED COPY_TO)
  file(REMOVE_RECURSE ${COPY_TO})
  file(COPY ${HOST} DESTINATION ${COPY_TO})
  get_filename_component(name ${HOST} NAME)
  set(HOST ${COPY_TO}/${name})
endif()
execute_process(COMMAND ${HOST} ${ARGS} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${errors}")
endif()
string(FIND "${errors}${output}" "${MESSAGE}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "vks-host does not say \"${MESSAGE}\":\n${errors}${output}")
endif()
