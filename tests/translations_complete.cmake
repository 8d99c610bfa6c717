# Fails when a marked text has no finished English translation, or the
# translation file holds one that no text is marked with any more: lupdate
# run over the sources into a copy of the file must leave it as it was, with
# nothing unfinished and no translation empty.
#
#   cmake -DLUPDATE=<lupdate> -DOPTIONS=<its options> -DFOLDERS=<marked folders>
#         -DTS=<brivel_en.ts> -DWORK=<a folder of the build> -P translations_complete.cmake

file(MAKE_DIRECTORY "${WORK}")
set(copy "${WORK}/brivel_en.ts")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${FOLDERS} -ts "${copy}" RESULT_VARIABLE status OUTPUT_QUIET
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()

file(READ "${TS}" kept)
file(READ "${copy}" updated)
set(faults "")
if(NOT kept STREQUAL updated)
  string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"(unfinished|vanished|obsolete)\"" changed "${updated}")
  list(APPEND faults "lupdate changes the translation file; new or no longer marked:\n${changed}")
endif()
foreach(fault "type=\"unfinished\"" "<translation></translation>" "<translation/>")
  string(FIND "${updated}" "${fault}" at)
  if(NOT at EQUAL -1)
    list(APPEND faults "the translation file holds ${fault}")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}\nRun: cmake --build <build> --target update_translations, then translate.")
endif()
