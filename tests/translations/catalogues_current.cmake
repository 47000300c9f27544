# Runs lupdate over the window programs' sources into copies of the committed
# catalogues and fails on any difference: a text added, changed or gone in the
# sources, or a context moved, without the catalogues following.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${WORK}/project.json -P ${GENERATOR}
                RESULT_VARIABLE generated)
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "the lupdate project could not be written")
endif()
file(GLOB catalogues ${CATALOGUES}/aurovane_*.ts)
set(stale "")
foreach(ts ${catalogues})
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK})
  execute_process(COMMAND ${LUPDATE} -silent -project ${WORK}/project.json -no-obsolete -locations none
                          -ts ${WORK}/${name}
                  RESULT_VARIABLE extracted OUTPUT_QUIET ERROR_QUIET)
  if(NOT extracted EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(READ ${ts} committed)
  file(READ ${WORK}/${name} current)
  if(NOT committed STREQUAL current)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "stale catalogues (run `cmake --build build --target update_translations`): ${stale}")
endif()
list(LENGTH catalogues count)
message(STATUS "${count} catalogues match their sources")
