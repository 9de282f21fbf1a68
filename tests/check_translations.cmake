# Fails when a translation file is not complete: an entry without a finished translation, or a
# source text of the program that the file lacks or no longer uses. lupdate brings a copy of the
# file up to date with APP_DIR; the copy must have nothing unfinished, vanished or obsolete.
# Arguments: LUPDATE, APP_DIR, TS, WORK (a scratch folder), LUPDATE_TARGET (the build target that
# updates the file); optionally OPTIONS, more lupdate options separated by spaces.
get_filename_component(name ${TS} NAME)
file(MAKE_DIRECTORY ${WORK})
configure_file(${TS} ${WORK}/${name} COPYONLY)
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} -silent -locations none ${options} ${APP_DIR} -ts ${WORK}/${name}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${out}")
endif()
file(READ ${WORK}/${name} text)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"(unfinished|vanished|obsolete)\"" bad "${text}")
list(LENGTH bad count)
if(count GREATER 0)
  string(REPLACE ";" "\n" bad "${bad}")
  message(FATAL_ERROR "${name}: ${count} entries unfinished or no longer in the program "
                      "(run the ${LUPDATE_TARGET} target, then translate):\n${bad}")
endif()
message(STATUS "${name}: every entry translated")
