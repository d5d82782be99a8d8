# Makes template trees the way the build does and checks them: the German one is
# named by its tag and complete; in the pseudo-language every caption and report name
# went through the translation while the field names in brackets stayed as they are.
# Arguments: CLI, MAKE_TREE (translations/make_template_tree.cmake), ENGLISH
# (data/Template/ENU), GERMAN and PSEUDO (.qm files), OUT (scratch folder).
file(REMOVE_RECURSE "${OUT}")
foreach(qm german pseudo)
  if(qm STREQUAL german)
    set(file "${GERMAN}")
  else()
    set(file "${PSEUDO}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DCLI=${CLI} -DQM=${file} -DENGLISH=${ENGLISH} -DOUT=${OUT}/${qm}
                          -DSTAMP=${OUT}/${qm}.stamp -P ${MAKE_TREE}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "making the ${qm} tree failed: ${status}")
  endif()
endforeach()

foreach(entry Settings/settings.xml Local Templates Reports Settings)
  if(NOT EXISTS "${OUT}/german/DEU/${entry}")
    message(FATAL_ERROR "the German tree lacks DEU/${entry}")
  endif()
endforeach()

file(GLOB_RECURSE reports "${OUT}/pseudo/*.epr")
list(LENGTH reports count)
if(NOT count EQUAL 4)
  message(FATAL_ERROR "expected the four shipped report files, found: ${reports}")
endif()
foreach(report IN LISTS reports)
  get_filename_component(name "${report}" NAME)
  if(NOT name MATCHES "^⟦")
    message(FATAL_ERROR "the report name ${name} bypassed the translation")
  endif()
  file(READ "${report}" text)
  foreach(wanted "⟦Page [PageNumber]" "[BatchID]" "⟦Batch:")
    string(FIND "${text}" "${wanted}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${name} lacks ${wanted}")
    endif()
  endforeach()
  if(text MATCHES "⟦\\[")
    message(FATAL_ERROR "${name} has a field name that went through the translation")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
