# A Debian package of the installation: `cpack -G DEB` in the build folder makes
# tallowmere_<version>_<arch>.deb, installed under /usr.
set(CPACK_PACKAGE_NAME tallowmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Tallowmere authors")
# Debian names a maintainer by name and address. A build folder configured before the
# address was given keeps the old address-less value in its cache; that one is replaced.
set(tallowmere_maintainer "Tallowmere authors <maintainers@tallowmere.org>")
set(CPACK_PACKAGE_CONTACT "${tallowmere_maintainer}" CACHE STRING "Maintainer of the Debian package (Name <address>)")
if(CPACK_PACKAGE_CONTACT STREQUAL "the Tallowmere authors")
    set(CPACK_PACKAGE_CONTACT "${tallowmere_maintainer}" CACHE STRING "Maintainer of the Debian package (Name <address>)" FORCE)
elseif(NOT CPACK_PACKAGE_CONTACT MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
    message(FATAL_ERROR "CPACK_PACKAGE_CONTACT is \"${CPACK_PACKAGE_CONTACT}\": the package's maintainer is "
                        "written \"Name <address>\"")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small-business planning: records, reports and documents")
# Debian shows each line of the description with a space before it, in at most 80
# columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Tallowmere keeps the plans of small businesses (address, mission statement,
type, perspective, goals and employees), prints a business report, fills
documents such as articles of incorporation from stored templates, and keeps,
writes, uploads and announces the RSS feed of the company web site. The data
lives in SQLite files in each user's data folder or in a shared PostgreSQL
database.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# The programs and plug-ins ship stripped; their symbols go into a package of their
# own beside it (tallowmere-dbgsym_<version>_<arch>.ddeb), found by build ID, for
# reading a crash report. (CPack strips them itself while it does so.)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executables and plug-ins link (Qt, the web engine, libcurl, SQLite)
# come from dpkg-shlibdeps; what is only loaded at run time is named here: libpq for a
# shared database, the certificate authorities for encrypted transfers, and a font for
# the windows and printed documents, which a minimal system may lack.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libpq5, ca-certificates, fonts-dejavu-core")
# Qt's own translations, so that standard buttons and dialogs speak the user's language
# too; the program runs without them, in English there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# The package's history, in Debian's format, as every package carries it. Its newest
# entry must name this version: a release that forgot it is stopped here.
file(STRINGS ${CMAKE_SOURCE_DIR}/docs/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tallowmere \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "docs/changelog begins \"${changelog_head}\": its newest entry is not version ${PROJECT_VERSION}")
endif()
set(changelog_compressed ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog_compressed}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/changelog > ${changelog_compressed}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/changelog)
add_custom_target(package_changelog ALL DEPENDS ${changelog_compressed})
install(FILES ${changelog_compressed} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallowmere)

# The plug-ins are private to the program, in its own folder, which the dynamic linker
# never searches; CPack still writes maintainer scripts that run ldconfig for anything
# below /usr/lib, and offers no switch against it. The package is made again without
# them once CPack has made it.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/debian/DropLdconfigScripts.cmake)

include(CPack)
