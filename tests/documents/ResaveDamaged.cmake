# cmake -DCLI=... -DIN=... -DOUT_DIR=... -P ResaveDamaged.cmake
# A batch cut in half: resave warns on standard error, says how far it got, fails,
# and never writes over the damaged file itself.
file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
file(SIZE ${IN} size)
math(EXPR half "${size} / 2")
execute_process(COMMAND head -c ${half} ${IN} OUTPUT_FILE ${OUT_DIR}/cut.epb)

execute_process(COMMAND ${CLI} resave ${OUT_DIR}/cut.epb ${OUT_DIR}/out.epb
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "resave of a cut batch reported success")
endif()
if(NOT err MATCHES "warning: The file .*cut.epb\" is damaged" OR NOT err MATCHES "[0-9]+ reading\\(s\\)")
  message(FATAL_ERROR "no warning on standard error: ${err}")
endif()
if(NOT EXISTS ${OUT_DIR}/out.epb)
  message(FATAL_ERROR "the readable part was not written to OUT")
endif()

file(COPY_FILE ${OUT_DIR}/cut.epb ${OUT_DIR}/same.epb)
execute_process(COMMAND ${CLI} resave ${OUT_DIR}/same.epb ${OUT_DIR}/same.epb
                RESULT_VARIABLE rc ERROR_VARIABLE err)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT_DIR}/cut.epb ${OUT_DIR}/same.epb
                RESULT_VARIABLE same)
if(rc EQUAL 0 OR NOT same EQUAL 0)
  message(FATAL_ERROR "resave wrote a damaged batch over itself (${rc}): ${err}")
endif()
