# cmake -DLUPDATE=... -DTS=... -DLIST=... -DINCLUDE=... -DOPTIONS=... -DWORK=... -P
# Runs lupdate into a copy of the translation file and fails on every source
# text that has no finished translation and on every entry the sources lost.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/callsetup_en.ts)
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} -I ${INCLUDE} @${LIST} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "lupdate failed or warned (${status}):\n${warnings}")
endif()
file(READ ${copy} text)
set(source "<source>([^<]|<byte value=\"x[0-9a-f]+\"/>)*</source>[ \n]*")
string(REGEX MATCHALL "${source}<translation type=\"[a-z]+\"" stale "${text}")
string(REGEX MATCHALL "${source}<translation></translation>" empty "${text}")
if(stale OR empty)
  list(JOIN stale "\n" stale)
  list(JOIN empty "\n" empty)
  message(FATAL_ERROR "${TS} is not complete and current; run the target "
          "update_translations and translate:\n${stale}\n${empty}")
endif()
