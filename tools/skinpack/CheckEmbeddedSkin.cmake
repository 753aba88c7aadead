# Checks the skin embedded in a form description against the folder it was
# packed from: "skinpack extract" takes it out, then CheckPackedSkin.cmake
# compares every file.
#   cmake -DSKINPACK=... -DFORM=MainForm.form -DSOURCE=skins/default -DWORK=dir -P CheckEmbeddedSkin.cmake
file(MAKE_DIRECTORY ${WORK})
set(extracted ${WORK}/embedded.skn)
execute_process(COMMAND ${SKINPACK} extract ${FORM} ${extracted} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "skinpack extract ${FORM} failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DSKINPACK=${SKINPACK} -DSKIN=${extracted}
                        -DSOURCE=${SOURCE} -DWORK=${WORK}/files
                        -P ${CMAKE_CURRENT_LIST_DIR}/../skingen/CheckPackedSkin.cmake
                RESULT_VARIABLE rc)
file(REMOVE_RECURSE ${WORK})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the skin embedded in ${FORM} differs from ${SOURCE}")
endif()
