# Runs lupdate over the sources into copies of the translation files and
# fails when a copy comes out different from the file it was taken from, or
# when a file leaves a text untranslated.
file(REMOVE_RECURSE ${WORK})
set(copies)
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK}/${name} COPYONLY)
    list(APPEND copies ${WORK}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} ${SOURCES} -extensions cpp,h ${OPTIONS} -ts ${copies}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${WORK}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${name} is not up to date: run `cmake --build build "
                            "--target update_translations` and translate what it adds")
    endif()
    file(STRINGS ${ts} unfinished REGEX "type=\"unfinished\"")
    if(unfinished)
        message(FATAL_ERROR "${name} leaves texts untranslated")
    endif()
endforeach()
