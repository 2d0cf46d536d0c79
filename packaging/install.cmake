# What an installed copy holds, and its Debian package (scripts/package).
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS moxten RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS moxten-video LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/moxten)
install(FILES ${MOXTEN_CURSORS} DESTINATION ${CMAKE_INSTALL_DATADIR}/moxten)
install(FILES ${MOXTEN_FORMATIONS} DESTINATION ${CMAKE_INSTALL_DATADIR}/moxten/formations)
install(FILES ${packaging}/${MOXTEN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${MOXTEN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/${MOXTEN_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${MOXTEN_APP_ID}.xml)
install(FILES ${packaging}/icons/${MOXTEN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${packaging}/icons/${MOXTEN_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MOXTEN_APP_ID}.png)
endforeach()

# Packaging builds only what it installs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moxten)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design American-football plays and watch them run")
set(CPACK_PACKAGE_DESCRIPTION "Moxten places numbered players on a football field, draws their paths, \
animates the play and exports it as pictures, animated GIFs and printed playbooks.")
set(CPACK_PACKAGE_CONTACT "The Moxten developers <developers@moxten.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://moxten.org/)
set(CPACK_STRIP_FILES ON)
include(CPack)
