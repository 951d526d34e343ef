# Installing the program as a desktop application, and its Debian package.
include(GNUInstallDirs)

set(ZELTO_APP_ID org.zelto.Zelto)

install(TARGETS zelto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZELTO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZELTO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zelto.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZELTO_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelto)
set(CPACK_PACKAGE_VENDOR "The Zelto developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Drill program for Hungarian auxiliaries and word order")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Zelto developers <zelto@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Learners pick an auxiliary and a grammatical person, read a short passage\n\
and rewrite it clause by clause; every answer is checked exactly. The\n\
interface speaks Hungarian, English and Spanish; the Hungarian can be read\n\
aloud through speech-dispatcher.")
set(CPACK_STRIP_FILES ON)
# Libraries, libqt6texttospeech6 among them, come from dpkg-shlibdeps; the window-system
# plugin and the fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Options > Speak Hungarian speaks through speech-dispatcher with espeak-ng's Hungarian voice;
# without them the program says what to install.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
include(CPack)
