# Fails when a translation is not finished: a message of
# resources/translations/*.ts still unfinished, vanished or obsolete, or a
# text of the code that refreshing the file would add or drop (a tr()
# without its translation, a translation of a text gone). The refresh goes
# into copies in WORK_DIR, through the script developers run.
# Run as: cmake -DSOURCE_DIR=<project root> -DWORK_DIR=<scratch folder> -P CheckTranslations.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND bash ${SOURCE_DIR}/scripts/update-translations.sh ${WORK_DIR}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scripts/update-translations.sh failed: ${errors}")
endif()

set(faults "")
file(GLOB ts_files ${SOURCE_DIR}/resources/translations/*.ts)
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} committed)
  file(READ ${WORK_DIR}/${name} refreshed)
  # A text new in the code comes into the refreshed copy unfinished.
  foreach(state unfinished vanished obsolete)
    string(REGEX MATCHALL "type=\"${state}\"" marks "${committed}${refreshed}")
    if(marks)
      list(APPEND faults "${name}: messages marked ${state} (run scripts/update-translations.sh, translate)")
    endif()
  endforeach()
  string(REGEX MATCHALL "<message" before "${committed}")
  string(REGEX MATCHALL "<message" after "${refreshed}")
  list(LENGTH before before)
  list(LENGTH after after)
  if(NOT before EQUAL after)
    list(APPEND faults "${name}: ${before} messages, the code has ${after} (run scripts/update-translations.sh)")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Translations not finished:\n  ${text}")
endif()
