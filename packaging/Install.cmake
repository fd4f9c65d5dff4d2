# What `cmake --install` lays out under the prefix:
#   lib/zavolin/    the program folder: the program, zavolin-sheet, the plug-in helpers, the
#                   component library, the shipped picture sets and the guide README.HTM
#   bin/            links to the two programs; each finds its folder through its real path
#   share/          the desktop entry, icons, AppStream metainfo, manual pages, bash completion
set(ZAVOLIN_PROGRAM_DIR lib/zavolin)

install(TARGETS zavolin zavolin-sheet zavolin-regsvr zavolin-host
    RUNTIME DESTINATION ${ZAVOLIN_PROGRAM_DIR})
install(TARGETS zavolin-component
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR} NAMELINK_SKIP)
install(TARGETS ZavolinClassic ZavolinKids
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.HTM DESTINATION ${ZAVOLIN_PROGRAM_DIR})

# Relative links, so that a prefix can be moved or packaged as it is.
foreach(program zavolin zavolin-sheet)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(MAKE_DIRECTORY \"\${bin}\")
        file(CREATE_LINK ../${ZAVOLIN_PROGRAM_DIR}/${program} \"\${bin}/${program}\" SYMBOLIC)
        message(STATUS \"Installing: \${bin}/${program} -> ../${ZAVOLIN_PROGRAM_DIR}/${program}\")")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.zavolin.Zavolin.desktop
    DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.zavolin.Zavolin.metainfo.xml
    DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zavolin.1 ${PROJECT_SOURCE_DIR}/packaging/zavolin-sheet.1
    DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zavolin-sheet.bash-completion
    DESTINATION share/bash-completion/completions RENAME zavolin-sheet)
foreach(size 32 64)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/images/zavolin-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zavolin.png)
endforeach()
