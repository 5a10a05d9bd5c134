# The Debian package, built with "cpack -G DEB" (or the "package" target) in the build folder:
# quorvex_2.5_<architecture>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorvex-Team)
set(CPACK_PACKAGE_CONTACT "Quorvex-Team <info@quorvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compares folders and synchronises them")
# CPack puts the summary in front as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvex makes one folder tree (the target) agree with another (the source).\n\
It keeps a list of jobs, compares every file by existence, time, size,\n\
attributes and optionally a QSM, CRC32 or MD5 fingerprint, deletes surplus\n\
target entries in mirror mode, copies what is new or changed and writes a\n\
detailed run log. It runs as a German desktop window, unattended from the\n\
command line (cron, systemd timers) or repeatedly every N minutes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvex-Team <info@quorvex.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorvex.invalid)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at the first download, so the scan of the linked libraries does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libcurl4)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debug information; the package does not.
set(CPACK_STRIP_FILES ON)
include(CPack)
