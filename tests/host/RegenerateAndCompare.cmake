execute_process(COMMAND ${GENERATOR} ${UNICODE_DIR}/UnicodeData.txt ${UNICODE_DIR}/DerivedAge.txt ${OUTPUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "generator failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${EXPECTED} differs from a fresh generation (${OUTPUT})")
endif()
