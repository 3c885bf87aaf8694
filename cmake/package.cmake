# The game's Debian package, made by CPack's DEB generator:
#   cmake --build build --target deb    ->  build/vindra_<version>-1_<arch>.deb
#
# Everything the game reads lies in one folder, /usr/lib/games/vindra; the
# command /usr/games/vindra is a link to the program there (the runtime finds
# the program's real folder through /proc/self/exe). arial.ttf is a link to
# Liberation Sans of Debian's fonts-liberation2, not a copy. Only the install
# rules of the component "game" go into the package; the library's own rules
# belong to other components and stay out. The game's rules are left out of a
# plain `cmake --install`, which installs the library alone.

# The version is the one in the window title, so the two never differ.
file(STRINGS ${PROJECT_SOURCE_DIR}/game/game_app.h VINDRA_TITLE_LINE REGEX "GAME_TITLE = ")
if(NOT VINDRA_TITLE_LINE MATCHES " - v([0-9][0-9.]*)\"")
  message(FATAL_ERROR "No version (\" - v<number>\") in the GAME_TITLE of game/game_app.h")
endif()
set(VINDRA_VERSION ${CMAKE_MATCH_1})
set(VINDRA_DEBIAN_REVISION 1)
set(VINDRA_RELEASE_DATE 2026-12-09)
set(VINDRA_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 12:00:00 +0000")
set(VINDRA_MAINTAINER "Vindra! developers <vindra@example.org>")
set(VINDRA_HOMEPAGE "https://vindra.example.org")
set(VINDRA_APP_ID org.tazmix.Vindra)

# Paths below /usr, the package's prefix; the links are relative within it.
set(VINDRA_PREFIX /usr)
set(VINDRA_GAME_DIR lib/games/vindra)
set(VINDRA_PACKAGE_FILES ${CMAKE_BINARY_DIR}/packaging)
set(VINDRA_ICON_SIZES 48 64 128 256)

# Text files with the version, date and contacts filled in.
file(READ ${PROJECT_SOURCE_DIR}/data/FONT-LICENSE.txt VINDRA_FONT_LICENSE_TEXT)
string(FIND "${VINDRA_FONT_LICENSE_TEXT}" "SIL OPEN FONT LICENSE" licence_start)
string(SUBSTRING "${VINDRA_FONT_LICENSE_TEXT}" ${licence_start} -1 VINDRA_FONT_LICENSE_TEXT)
# As a copyright-file paragraph: every line indented, blank lines as " .".
string(REGEX REPLACE "[ \t]+\n" "\n" VINDRA_FONT_LICENSE_TEXT "${VINDRA_FONT_LICENSE_TEXT}")
string(STRIP "${VINDRA_FONT_LICENSE_TEXT}" VINDRA_FONT_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" VINDRA_FONT_LICENSE_TEXT "${VINDRA_FONT_LICENSE_TEXT}")
string(REPLACE "\n" "\n " VINDRA_FONT_LICENSE_TEXT " ${VINDRA_FONT_LICENSE_TEXT}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${VINDRA_PACKAGE_FILES}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${VINDRA_PACKAGE_FILES}/changelog.Debian @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vindra.6.in ${VINDRA_PACKAGE_FILES}/vindra.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${VINDRA_APP_ID}.metainfo.xml.in
  ${VINDRA_PACKAGE_FILES}/${VINDRA_APP_ID}.metainfo.xml @ONLY)

# Debian wants the changelog and the manual page compressed without a name or
# time stamp in the gzip header.
find_program(VINDRA_GZIP gzip REQUIRED)
set(VINDRA_GZIPPED)
foreach(name changelog.Debian vindra.6)
  set(plain ${VINDRA_PACKAGE_FILES}/${name})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${VINDRA_GZIP} -9nkf ${plain}
    DEPENDS ${plain}
    VERBATIM)
  list(APPEND VINDRA_GZIPPED ${plain}.gz)
endforeach()

# The menu icon, drawn by the picture tool.
set(VINDRA_ICON_FILES)
foreach(size ${VINDRA_ICON_SIZES})
  list(APPEND VINDRA_ICON_FILES ${VINDRA_PACKAGE_FILES}/icons/vindra-${size}.png)
endforeach()
add_custom_command(OUTPUT ${VINDRA_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VINDRA_PACKAGE_FILES}/icons
  COMMAND make_assets --icons ${VINDRA_PACKAGE_FILES}/icons ${VINDRA_FONT_DIR}
  DEPENDS make_assets
  COMMENT "Drawing the menu icon"
  VERBATIM)

# The two links, made once; install() keeps links as links.
file(MAKE_DIRECTORY ${VINDRA_PACKAGE_FILES}/links)
file(RELATIVE_PATH font_target ${VINDRA_PREFIX}/${VINDRA_GAME_DIR} ${VINDRA_FONT_DIR}/LiberationSans-Regular.ttf)
file(RELATIVE_PATH program_target ${VINDRA_PREFIX}/games ${VINDRA_PREFIX}/${VINDRA_GAME_DIR}/vindra)
file(CREATE_LINK ${font_target} ${VINDRA_PACKAGE_FILES}/links/arial.ttf SYMBOLIC)
file(CREATE_LINK ${program_target} ${VINDRA_PACKAGE_FILES}/links/vindra SYMBOLIC)

add_custom_target(vindra_package_files DEPENDS ${VINDRA_GZIPPED} ${VINDRA_ICON_FILES})
# The program's own build brings its pictures and word file (cmake/assets.cmake,
# cmake/wordlist.cmake).
add_dependencies(vindra_package_files vindra)

install(TARGETS vindra RUNTIME DESTINATION ${VINDRA_GAME_DIR} COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${VINDRA_PICTURE_FILES} ${TAZMIX_BIN_DIR}/Language.txt ${VINDRA_PACKAGE_FILES}/links/arial.ttf
  DESTINATION ${VINDRA_GAME_DIR} COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${VINDRA_PACKAGE_FILES}/links/vindra DESTINATION games COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VINDRA_APP_ID}.desktop DESTINATION share/applications COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${VINDRA_PACKAGE_FILES}/${VINDRA_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT game EXCLUDE_FROM_ALL)
foreach(size ${VINDRA_ICON_SIZES})
  install(FILES ${VINDRA_PACKAGE_FILES}/icons/vindra-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${VINDRA_APP_ID}.png COMPONENT game EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${VINDRA_PACKAGE_FILES}/copyright ${VINDRA_PACKAGE_FILES}/changelog.Debian.gz
  DESTINATION share/doc/vindra COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${VINDRA_PACKAGE_FILES}/vindra.6.gz DESTINATION share/man/man6 COMPONENT game EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides DESTINATION share/lintian/overrides
  RENAME vindra COMPONENT game EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vindra)
set(CPACK_PACKAGE_VERSION ${VINDRA_VERSION})
set(CPACK_PACKAGE_CONTACT ${VINDRA_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${VINDRA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German word-search game")
# Lines of at most 80 characters, as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Vindra! hides each word of a round once in a square grid of letters."
  "Pick a difficulty, then find 10, 12 or 15 German words before the"
  "60-second clock runs out: a click on the word earns its points, a click"
  "on any other letter costs 100, a right click skips the word. Finding"
  "every word without a skip earns a time bonus.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${VINDRA_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VINDRA_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps finds the libraries the program is linked with. SDL opens
# libGL.so.1 itself when the window opens, and libGL hands drawing to Mesa's
# driver: both are named here, else a machine without them gets no window
# (DebPackage.EveryLibraryItLoadsComesFromItsDepends checks the list).
# Under Wayland, or with SDL_VIDEO_X11_FORCE_EGL, SDL opens libEGL instead.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libgl1, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libegl1, libegl-mesa0")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

add_custom_target(deb
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing the game into a Debian package"
  USES_TERMINAL
  VERBATIM)
add_dependencies(deb vindra_package_files)

# The package's test packs its own copy, from the same configuration.
if(TARGET test_package)
  add_dependencies(test_package vindra_package_files)
  target_compile_definitions(test_package PRIVATE
    VINDRA_CPACK="${CMAKE_CPACK_COMMAND}" VINDRA_CPACK_CONFIG="${CMAKE_BINARY_DIR}/CPackConfig.cmake"
    VINDRA_DEB_NAME="vindra_${VINDRA_VERSION}-${VINDRA_DEBIAN_REVISION}")
endif()
