# What `cmake --install` lays out under the prefix:
#   lib/zavolin/    the program folder: the program, zavolin-sheet, the plug-in helpers, the
#                   component library, the shipped picture sets and the guide README.HTM
#   bin/            links to the two programs; each finds its folder through its real path
#   share/          the desktop entry, icons, AppStream metainfo, manual pages, bash completion
#   include/, lib/cmake/ZavolinSDK/, lib/pkgconfig/, share/doc/zavolin/sdk/
#                   the plug-in SDK: its header, the CMake package ZavolinSDK, zavolin-sdk.pc,
#                   the guide and the example project
set(ZAVOLIN_PROGRAM_DIR lib/zavolin)

install(TARGETS zavolin zavolin-sheet zavolin-regsvr zavolin-host
    RUNTIME DESTINATION ${ZAVOLIN_PROGRAM_DIR})
install(TARGETS zavolin-component EXPORT ZavolinSDKTargets
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR} NAMELINK_SKIP
    INCLUDES DESTINATION include)
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

# The plug-in SDK, for building plug-ins against the installed program. A plug-in links the
# component library in the program folder, the one the program loads, through a link without
# the version there.
install(TARGETS zavolin-component
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR} NAMELINK_ONLY)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sdk/include/zavolin
    DESTINATION include
    FILES_MATCHING PATTERN "*.h")

include(CMakePackageConfigHelpers)
set(ZAVOLIN_SDK_CMAKE_DIR lib/cmake/ZavolinSDK)
install(EXPORT ZavolinSDKTargets
    NAMESPACE Zavolin::
    DESTINATION ${ZAVOLIN_SDK_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/sdk/cmake/ZavolinSDKConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/ZavolinSDKConfig.cmake
    INSTALL_DESTINATION ${ZAVOLIN_SDK_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZavolinSDKConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/ZavolinSDKConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/ZavolinSDKConfigVersion.cmake
    ${PROJECT_SOURCE_DIR}/sdk/cmake/ZavolinPlugin.cmake
    DESTINATION ${ZAVOLIN_SDK_CMAKE_DIR})

configure_file(${PROJECT_SOURCE_DIR}/sdk/cmake/zavolin-sdk.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/zavolin-sdk.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zavolin-sdk.pc DESTINATION lib/pkgconfig)

install(FILES ${PROJECT_SOURCE_DIR}/sdk/README.md DESTINATION share/doc/zavolin/sdk)
install(FILES
    ${PROJECT_SOURCE_DIR}/sdk/example/CMakeLists.txt
    ${PROJECT_SOURCE_DIR}/sdk/example/ZavolinExample.c
    DESTINATION share/doc/zavolin/sdk/example)
