# The Debian package: `cpack -G DEB` in the build folder packs what the install rules lay out
# (packaging/Install.cmake) under /usr into zavolin_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zavolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zavolin developers")
set(CPACK_PACKAGE_CONTACT "${ZAVOLIN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print sheets of play money at true size")
# Debian shows the description as it is, so it is wrapped here; an empty line parts paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Zavolin lays out and prints sheets of play money for games and maths lessons:"
    "banknotes of ten values and a sheet of coin strips, each at its true printed"
    "size, with faint grey cut lines. Fronts and backs line up when printed on both"
    "sides of the paper, and a whole set goes to the printer in one go."
    ""
    "The pictures come from picture plug-ins, three sets of which are included (one"
    "of them line art to colour in), or from the user's own drawings. The command"
    "zavolin-sheet makes the same pages as PDF or PNG files without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(ZAVOLIN_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZAVOLIN_HOMEPAGE})
endif()
# The libraries come from dpkg-shlibdeps. It finds the component library, which belongs to this
# package and has no shlibs entry, only when told where the build keeps it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
# Pages are set in the DejaVu fonts, which the program takes from the system; scanned drawing
# pages may come as TIFF, which Qt reads through a plug-in no library depends on; libcups is
# loaded when the program first prints, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-image-formats-plugins, libcups2")

# What lintian reports on purpose, each with the reason. Only lintian reads it, but it is laid
# out with the rest, so that the package holds exactly what the install rules lay out.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
    DESTINATION share/lintian/overrides RENAME zavolin)

include(CPack)
