# Runs the program on one typed session and compares its standard output with the expected
# transcript byte for byte, line ends included; checks the exit status too.
# Takes -DPROGRAM, -DINPUT, -DEXPECTED, -DACTUAL and -DEXPECTED_STATUS.
get_filename_component(actual_dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${actual_dir})
execute_process(
  COMMAND ${PROGRAM}
  INPUT_FILE ${INPUT}
  OUTPUT_FILE ${ACTUAL}
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status STREQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; standard error: ${errors}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
  RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u --text ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "standard output differs from ${EXPECTED} (actual output: ${ACTUAL})")
endif()
