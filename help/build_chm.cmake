# Runs chmcmd on the help project and copies the result to OUTPUT.
# chmcmd reports broken links and undefined anchors but still exits with 0,
# so its report is read here and any warning or error fails the build.
# Usage: cmake -DCHMCMD=... -DPROJECT=....hhp -DWORK_DIR=... -DOUTPUT=... -P build_chm.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${PROJECT} compiled_line REGEX "^Compiled file=")
string(REGEX REPLACE "^Compiled file=" "" compiled_name "${compiled_line}")
if(compiled_name STREQUAL "")
  message(FATAL_ERROR "${PROJECT} names no 'Compiled file'")
endif()

file(MAKE_DIRECTORY ${WORK_DIR})
file(REMOVE ${WORK_DIR}/${compiled_name})
# chmcmd writes the compiled file into its working directory and reads the
# topics relative to the project file, so the source tree stays clean.
execute_process(
  COMMAND ${CHMCMD} ${PROJECT}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report MATCHES "(Error|Warning):" OR NOT EXISTS ${WORK_DIR}/${compiled_name})
  message(FATAL_ERROR "chmcmd could not compile ${PROJECT} cleanly:\n${report}")
endif()
file(COPY_FILE ${WORK_DIR}/${compiled_name} ${OUTPUT})
