# Installs the program with its desktop integration and builds the Debian package
# with CPack (`make package`).
include(GNUInstallDirs)

set(RARUVID_APP_ID org.raruvid.Raruvid)
set(RARUVID_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR}/../res/desktop)

if(TARGET raruvid)
    install(TARGETS raruvid RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${RARUVID_DESKTOP_DIR}/${RARUVID_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RARUVID_DESKTOP_DIR}/${RARUVID_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${RARUVID_DESKTOP_DIR}/${RARUVID_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${RARUVID_DESKTOP_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME raruvid)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Raruvid Udodidevud team")
set(CPACK_PACKAGE_CONTACT "Raruvid Udodidevud team <team@raruvid.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with a keypad and a formula line")
set(CPACK_PACKAGE_DESCRIPTION
    "Raruvid Udodidevud is a small scientific calculator in one compact window that
paints its own blue skin. Its keypad has the four arithmetic operators, powers,
trigonometry in degrees or radians, logarithms and factorial; its formula line
evaluates an expression over two variables.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://raruvid.org/)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries (libc, libstdc++, Qt) come from dpkg-shlibdeps; these are loaded
# at run time without being linked: the X11 and Wayland platform plugins, and a
# font for the window's text, since Qt ships none.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-dejavu-core")

include(CPack)
