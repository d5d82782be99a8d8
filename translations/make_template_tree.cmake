# Makes one language's template tree: the report templates from make-templates with the
# language's translation, settings.xml and the empty folders as the English tree has.
# Arguments: CLI, QM (the translation), ENGLISH (data/Template/ENU), OUT (the folder of
# the language folders), STAMP.
execute_process(COMMAND "${CLI}" make-templates --translation "${QM}" --tree "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE written)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-templates --translation ${QM} failed: ${status}")
endif()
# The language folder is the one the reports were written to (OUT/<tag>/Reports/...).
string(REGEX MATCH "[^\n]*/Reports/" first "${written}")
string(REGEX REPLACE "/Reports/$" "" tree "${first}")
if(NOT IS_DIRECTORY "${tree}")
  message(FATAL_ERROR "make-templates wrote no reports into ${OUT}: ${written}")
endif()
file(COPY "${ENGLISH}/Settings/settings.xml" DESTINATION "${tree}/Settings")
file(MAKE_DIRECTORY "${tree}/Local" "${tree}/Templates")
file(WRITE "${STAMP}" "${tree}\n")
