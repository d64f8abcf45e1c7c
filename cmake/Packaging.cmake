# What `cmake --install` puts where a Linux desktop finds it (menu entry,
# icon theme, AppStream metadata, manual pages, licence), and the Debian
# package CPack makes of it: `cpack -G DEB` in a build folder.
#
# The browser itself is installed as a plain file (ui/CMakeLists.txt), which
# neither the install nor the package strips or gives a new RPATH: the
# library container at its end has to survive byte for byte. `cmake --install`
# puts the programs in bin/; the package, in section games, in /usr/games.

if(NOT JOSEKI_BUILD_UI OR NOT UNIX OR APPLE)
  return()
endif()

include(GNUInstallDirs)

set(JOSEKI_APP_ID org.josekibrowser.JosekiBrowser)
set(JOSEKI_PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(JOSEKI_PACKAGING_BINARY ${CMAKE_BINARY_DIR}/packaging)
set(JOSEKI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/joseki-browser)
# What the program needs at run time beyond the libraries it links: Arial's
# stand-in, a CJK font, and Qt's Chinese translations of its own dialogs.
set(JOSEKI_PACKAGE_RUNTIME_DEPENDS "fonts-liberation2, fonts-noto-cjk | fonts-wqy-zenhei, qt6-translations-l10n")

configure_file(${JOSEKI_PACKAGING_SOURCE}/${JOSEKI_APP_ID}.metainfo.xml.in
  ${JOSEKI_PACKAGING_BINARY}/${JOSEKI_APP_ID}.metainfo.xml @ONLY)
configure_file(${JOSEKI_PACKAGING_SOURCE}/debian/changelog.in ${JOSEKI_PACKAGING_BINARY}/changelog @ONLY)

# Debian keeps manual pages and the changelog compressed at the highest level,
# without the file's name and time in the header (-n), so every build gives
# the same bytes.
find_program(JOSEKI_GZIP gzip REQUIRED)
set(JOSEKI_GZIPPED "")
foreach(source
    ${CMAKE_SOURCE_DIR}/docs/joseki-pack.1
    ${CMAKE_SOURCE_DIR}/docs/joseki-browser.6
    ${JOSEKI_PACKAGING_BINARY}/changelog)
  get_filename_component(name ${source} NAME)
  set(output ${JOSEKI_PACKAGING_BINARY}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${JOSEKI_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND JOSEKI_GZIPPED ${output})
endforeach()
add_custom_target(joseki-packaging-files ALL DEPENDS ${JOSEKI_GZIPPED})

install(FILES ${JOSEKI_PACKAGING_SOURCE}/${JOSEKI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${JOSEKI_PACKAGING_BINARY}/${JOSEKI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${JOSEKI_PACKAGING_BINARY}/joseki-pack.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${JOSEKI_PACKAGING_BINARY}/joseki-browser.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${JOSEKI_PACKAGING_SOURCE}/debian/copyright ${JOSEKI_PACKAGING_BINARY}/changelog.gz
  DESTINATION ${JOSEKI_DOC_DIR})
install(FILES ${JOSEKI_PACKAGING_SOURCE}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME joseki-browser)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME joseki-browser)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The same address as in packaging/debian/copyright and changelog.in.
set(CPACK_PACKAGE_CONTACT "the joseki browser authors <maintainers@josekibrowser.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# joseki-pack is installed as a target and so stripped; the browser, a plain
# file, is not (no debug-info package either: that would strip it too).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE OFF)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${JOSEKI_PACKAGE_RUNTIME_DEPENDS})
# First line the synopsis, then the long description in English and Chinese.
file(READ ${JOSEKI_PACKAGING_SOURCE}/debian/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)

# The programs of a games package live in /usr/games.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageGamesDir.cmake)
include(CPack)
