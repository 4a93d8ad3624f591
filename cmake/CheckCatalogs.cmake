# Whether the translation catalogs are complete, as CTest runs it:
#   cmake -DLUPDATE=... -DLRELEASE=... -DTS_FILES=a.ts;b.ts -DSOURCES=...
#         -DOPTIONS=... -DWORK=folder -P CheckCatalogs.cmake
# lupdate over the sources, into a copy of each catalog, must find no text
# the catalog lacks and none it holds in vain; lrelease must find every
# entry translated and finished.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK}/${name}
        OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE failed)
    if(failed OR NOT updated MATCHES "\\(0 new and" OR updated MATCHES "obsolete")
        message(SEND_ERROR "${name} is not up to date with the sources (run the update_translations target,"
            " then translate the new texts):\n${updated}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK}/${name}.qm
        OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE failed)
    if(failed OR NOT released MATCHES " 0 unfinished\\)" OR released MATCHES "Ignored")
        message(SEND_ERROR "${name} has texts without a finished translation:\n${released}")
    endif()
    message(STATUS "${name}: ${released}")
endforeach()
