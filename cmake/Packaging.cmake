# Installing the console as a desktop program, and its Debian package:
#   cmake --install build --prefix /usr        (or: cd build && cpack -G DEB)
# The program finds its time-zone table in <prefix>/share/vantrelsystemmanager.

set(VSM_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/vantrelsystemmanager")

if(TARGET VantrelSystemManager)
    install(TARGETS VantrelSystemManager RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()
install(FILES "${CMAKE_SOURCE_DIR}/data/date_time_zonespec_minimal.csv" DESTINATION "${VSM_SHARE_DIR}")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/vantrelsystemmanager.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/src/app/icons/program.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" RENAME vantrelsystemmanager.svg)
install(FILES "${CMAKE_SOURCE_DIR}/packaging/vantrelsystemmanager-mime.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages" RENAME vantrelsystemmanager.xml)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vantrelsystemmanager")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Operator console of the trading platform")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows every server and client application of the trading platform live, highlighted by expected status and heartbeat; stops and removes applications, manages weekly schedule schemes, and shows the platform's log filtered by application, host, levels and a regular expression.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Operator console team <console@vantrel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "x11")
# Library packages are found from what the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, so shlibdeps cannot see them: the platform
# plugins and the SVG icon engine that draws the toolbar icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_STRIP_FILES ON)
include(CPack)
