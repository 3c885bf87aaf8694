# The game's pictures and font in build/bin/: tools/make_assets draws the
# pictures (again whenever the tool changes) in Liberation Sans, and
# arial.ttf is a copy of Liberation Sans Regular, which has Arial's metrics
# and an open licence. Both come from Debian's fonts-liberation2.
set(VINDRA_FONT_DIR /usr/share/fonts/truetype/liberation2)
foreach(face LiberationSans-Regular.ttf LiberationSans-Bold.ttf)
  if(NOT EXISTS ${VINDRA_FONT_DIR}/${face})
    message(FATAL_ERROR "The game's font ${VINDRA_FONT_DIR}/${face} is missing: "
      "install the Debian package fonts-liberation2 (scripts/install-deps.sh does).")
  endif()
endforeach()

set(VINDRA_PICTURES Title.png Dif0.png Dif1.png Dif2.png Clipboard.png Clock.png Row.png)
list(TRANSFORM VINDRA_PICTURES PREPEND ${TAZMIX_BIN_DIR}/ OUTPUT_VARIABLE VINDRA_PICTURE_FILES)
add_custom_command(
  OUTPUT ${VINDRA_PICTURE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAZMIX_BIN_DIR}
  COMMAND make_assets ${TAZMIX_BIN_DIR} ${VINDRA_FONT_DIR}
  DEPENDS make_assets ${VINDRA_FONT_DIR}/LiberationSans-Regular.ttf ${VINDRA_FONT_DIR}/LiberationSans-Bold.ttf
  COMMENT "Drawing the game's pictures"
  VERBATIM)

set(VINDRA_FONT_FILE ${TAZMIX_BIN_DIR}/arial.ttf)
add_custom_command(
  OUTPUT ${VINDRA_FONT_FILE}
  COMMAND ${CMAKE_COMMAND} -E copy ${VINDRA_FONT_DIR}/LiberationSans-Regular.ttf ${VINDRA_FONT_FILE}
  DEPENDS ${VINDRA_FONT_DIR}/LiberationSans-Regular.ttf
  COMMENT "Copying Liberation Sans to arial.ttf"
  VERBATIM)

add_custom_target(assets ALL DEPENDS ${VINDRA_PICTURE_FILES} ${VINDRA_FONT_FILE})
add_dependencies(vindra assets)
