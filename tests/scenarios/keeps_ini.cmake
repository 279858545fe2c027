# A VKS.INI a person put beside vks-host survives a run whose scenario
# writes its own.
get_filename_component(folder ${HOST} DIRECTORY)
set(ini ${folder}/VKS.INI)
file(WRITE ${ini} "[OPERACAO]\nTrataOcorrencia=KEPT\n")
execute_process(COMMAND ${HOST} run ${SCENARIO} --offscreen --quiet RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
file(READ ${ini} after)
file(REMOVE ${ini})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the run failed with status ${status}")
endif()
if(NOT after STREQUAL "[OPERACAO]\nTrataOcorrencia=KEPT\n")
  message(FATAL_ERROR "VKS.INI was not put back: \"${after}\"")
endif()
