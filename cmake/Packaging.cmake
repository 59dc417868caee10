# A Debian package of the installation: `cpack -G DEB` in the build folder makes
# tallowmere_<version>_<arch>.deb, installed under /usr.
set(CPACK_PACKAGE_NAME tallowmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Tallowmere authors")
set(CPACK_PACKAGE_CONTACT "the Tallowmere authors" CACHE STRING "Maintainer of the Debian package (Name <address>)")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small-business planning: records, reports and documents")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallowmere keeps the plans of small businesses (address, mission statement, type,
perspective, goals and employees), prints a business report, fills documents such
as articles of incorporation from stored templates, and keeps, writes, uploads and
announces the RSS feed of the company web site. The data lives in SQLite files in
each user's data folder or in a shared PostgreSQL database.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executables and plug-ins link (Qt, the web engine, libcurl, SQLite)
# come from dpkg-shlibdeps; what is only loaded at run time is named here: libpq for a
# shared database, the certificate authorities for encrypted transfers, and a font for
# the windows and printed documents, which a minimal system may lack.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libpq5, ca-certificates, fonts-dejavu-core")

include(CPack)
