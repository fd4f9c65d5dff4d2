# What `cmake --install` lays out under the prefix:
#   lib/zavolin/    the program folder: the program, zavolin-sheet, the plug-in helpers, the
#                   component library, the shipped picture sets and the guide README.HTM
#   bin/            links to the two programs; each finds its folder through its real path
#   share/          the desktop entry, icons, AppStream metainfo, manual pages, bash completion,
#                   and in share/doc/zavolin the copyright and changelog a Debian package needs
#   include/, lib/cmake/ZavolinSDK/, lib/<architecture>/pkgconfig/, share/doc/zavolin/sdk/
#                   the plug-in SDK: its header, the CMake package ZavolinSDK, zavolin-sdk.pc,
#                   the guide and the example project
set(ZAVOLIN_PROGRAM_DIR lib/zavolin)

# Shared libraries are loaded, never run: they are installed without the executable bits, as
# Debian wants them.
set(zavolin_library_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(TARGETS zavolin zavolin-sheet zavolin-host
    RUNTIME DESTINATION ${ZAVOLIN_PROGRAM_DIR})
install(TARGETS zavolin-component EXPORT ZavolinSDKTargets
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR} NAMELINK_SKIP
    PERMISSIONS ${zavolin_library_permissions}
    INCLUDES DESTINATION include)
install(TARGETS ZavolinClassic ZavolinKids ZavolinLineArt zavolin-pdfpages zavolin-pdfwriter
    LIBRARY DESTINATION ${ZAVOLIN_PROGRAM_DIR}
    PERMISSIONS ${zavolin_library_permissions})
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

set(zavolin_packaging_out ${PROJECT_BINARY_DIR}/packaging)

# Who answers for the package, in the changelog and the Debian package. Debian wants an
# address; without the maker's support address it is one in the reserved domain .invalid, which
# says plainly that there is none to write to.
set(ZAVOLIN_PACKAGE_MAINTAINER "" CACHE STRING
    "The package maintainer, \"Name <address>\" (empty: from ZAVOLIN_SUPPORT_EMAIL)")
if(NOT ZAVOLIN_PACKAGE_MAINTAINER)
    if(ZAVOLIN_SUPPORT_EMAIL)
        set(ZAVOLIN_PACKAGE_MAINTAINER "Zavolin developers <${ZAVOLIN_SUPPORT_EMAIL}>")
    else()
        set(ZAVOLIN_PACKAGE_MAINTAINER "Zavolin developers <no-address@zavolin.invalid>")
    endif()
endif()
# The copyright file names a contact and the sources' home only when the maker has them.
set(zavolin_upstream_fields "")
if(ZAVOLIN_SUPPORT_EMAIL)
    string(APPEND zavolin_upstream_fields
        "Upstream-Contact: Zavolin developers <${ZAVOLIN_SUPPORT_EMAIL}>\n")
endif()
if(ZAVOLIN_HOMEPAGE)
    string(APPEND zavolin_upstream_fields "Source: ${ZAVOLIN_HOMEPAGE}\n")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/copyright.in
    ${zavolin_packaging_out}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in
    ${zavolin_packaging_out}/changelog @ONLY)

# Manual pages and the changelog are installed compressed, as Debian keeps them. gzip -n leaves
# out the file's name and time, so the same sources always give the same bytes.
set(zavolin_compressed)
foreach(source
        ${PROJECT_SOURCE_DIR}/packaging/zavolin.1
        ${PROJECT_SOURCE_DIR}/packaging/zavolin-sheet.1
        ${zavolin_packaging_out}/changelog)
    cmake_path(GET source FILENAME name)
    set(copy ${zavolin_packaging_out}/gz/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND gzip -n -9 -f ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
    list(APPEND zavolin_compressed ${copy}.gz)
endforeach()
add_custom_target(zavolin-compressed-docs ALL DEPENDS ${zavolin_compressed})

install(FILES ${zavolin_packaging_out}/gz/zavolin.1.gz ${zavolin_packaging_out}/gz/zavolin-sheet.1.gz
    DESTINATION share/man/man1)
# The version has no Debian revision, so in Debian's terms the package is native and its
# changelog is changelog.gz.
install(FILES ${zavolin_packaging_out}/copyright ${zavolin_packaging_out}/gz/changelog.gz
    DESTINATION share/doc/zavolin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zavolin-sheet.bash-completion
    DESTINATION share/bash-completion/completions RENAME zavolin-sheet)
# The icon in every size tools/window-images draws, committed with the window's pictures.
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/images/zavolin-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zavolin.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/zavolin.svg
    DESTINATION share/icons/hicolor/scalable/apps)

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

# In the architecture's own pkg-config folder where the system has one: the file names an
# architecture's library, and a cross build looks for it only there.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(ZAVOLIN_PKGCONFIG_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig)
else()
    set(ZAVOLIN_PKGCONFIG_DIR lib/pkgconfig)
endif()
file(RELATIVE_PATH ZAVOLIN_PKGCONFIG_TO_PREFIX /prefix/${ZAVOLIN_PKGCONFIG_DIR} /prefix)
configure_file(${PROJECT_SOURCE_DIR}/sdk/cmake/zavolin-sdk.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/zavolin-sdk.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zavolin-sdk.pc DESTINATION ${ZAVOLIN_PKGCONFIG_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/sdk/README.md DESTINATION share/doc/zavolin/sdk)
install(FILES
    ${PROJECT_SOURCE_DIR}/sdk/example/CMakeLists.txt
    ${PROJECT_SOURCE_DIR}/sdk/example/ZavolinExample.c
    DESTINATION share/doc/zavolin/sdk/example)
