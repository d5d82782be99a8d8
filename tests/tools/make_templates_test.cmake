# Runs bramblex-cli make-templates into a scratch folder and requires every report
# template it writes to equal, byte for byte, the one shipped in the template tree.
# Arguments: CLI (the tool), SHIPPED (data/Template/ENU), OUT (scratch folder).
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CLI}" make-templates "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-templates failed: ${status}")
endif()
file(GLOB_RECURSE written RELATIVE "${OUT}" "${OUT}/*.epr")
if(NOT written)
  message(FATAL_ERROR "make-templates wrote no report template")
endif()
foreach(template IN LISTS written)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${template}" "${SHIPPED}/${template}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${SHIPPED}/${template} is not what make-templates writes; run "
                        "bramblex-cli make-templates data/Template/ENU and commit the result")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
