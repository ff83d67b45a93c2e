# Runs the program on one typed session and compares its standard output with the expected
# transcript byte for byte, line ends included; checks the exit status, and standard error where
# an expected one is given.
# Takes -DPROGRAM, -DINPUT, -DEXPECTED, -DACTUAL, -DEXPECTED_STATUS, and optionally
# -DEXPECTED_ERROR (a file), -DADDRESS_LIMIT (kibibytes of address space to run under),
# -DEMULATOR (what runs the program) and -DWINDOWS_TEXT (read the output's CR LF as line ends).
get_filename_component(actual_dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${actual_dir})
set(command ${EMULATOR} ${PROGRAM})
if(ADDRESS_LIMIT)
  set(command sh -c "ulimit -v ${ADDRESS_LIMIT} && exec \"$0\"" ${PROGRAM})
endif()
execute_process(
  COMMAND ${command}
  INPUT_FILE ${INPUT}
  OUTPUT_FILE ${ACTUAL}
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status STREQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; standard error: ${errors}")
endif()
if(WINDOWS_TEXT)
  file(READ ${ACTUAL} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  file(WRITE ${ACTUAL} "${text}")
  string(REPLACE "\r\n" "\n" errors "${errors}")
endif()
if(EXPECTED_ERROR)
  file(READ ${EXPECTED_ERROR} expected_errors)
  if(NOT errors STREQUAL expected_errors)
    message(FATAL_ERROR "standard error was '${errors}', expected '${expected_errors}'")
  endif()
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
  RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u --text ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "standard output differs from ${EXPECTED} (actual output: ${ACTUAL})")
endif()
