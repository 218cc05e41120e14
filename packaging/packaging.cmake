# Debian package of the program: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME "schemist")
set(CPACK_PACKAGE_VENDOR "Schemist")
set(CPACK_PACKAGE_CONTACT "Schemist maintainers <schemist@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Access table definitions to Visual Basic source and a definition workbook")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Schemist for Access reads the table definitions of Access databases (.mdb, .accdb) and writes\n"
    "Visual Basic data-access source (.bas/.cls, Shift-JIS, CR LF) and a table-definition workbook (.xls).\n"
    "It has a Japanese desktop program (schemist) and a command line (schemist-cli).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries found by dpkg-shlibdeps, plus what is loaded at run time:
# the Qt platform plugins and the Japanese font of the windows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, qt6-qpa-plugins, libmdb3, libsqlite3-0, libtomlplusplus3, fonts-ipafont-gothic, xdg-utils")
# The type of .accdb files and "Open with" take effect through the triggers
# of these two packages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
