# The web build's programs: the game's page, example pages, and the library's
# tests that need no window, run under node.
#
# The game's files (word file, pictures, font) are made by the native build's
# tools; TAZMIX_WEB_DATA_DIR names the folder they are in (scripts/build-web.sh
# builds them first into build/bin).
set(TAZMIX_WEB_DATA_DIR "${PROJECT_SOURCE_DIR}/build/bin" CACHE PATH
  "Folder holding the game's files made by the native build (Language.txt, the pictures, arial.ttf)")
set(TAZMIX_WEB_DIR ${CMAKE_BINARY_DIR}/web)
set(TAZMIX_WEB_SHELL ${PROJECT_SOURCE_DIR}/cmake/platform/web_shell.html)

# Makes `target` a page: OUTPUT.html with OUTPUT.js, .wasm and .data beside it
# in `folder`, the listed files preloaded into the page's file system at "/",
# the program's folder.
function(tazmix_web_page target folder output)
  cmake_parse_arguments(PAGE "" "" "FILES" ${ARGN})
  set(options -sENVIRONMENT=web -sMINIFY_HTML=0 "SHELL:--shell-file ${TAZMIX_WEB_SHELL}")
  foreach(file ${PAGE_FILES})
    get_filename_component(name ${file} NAME)
    # One option each: CMake would fold repeated words of a list into one.
    list(APPEND options "SHELL:--preload-file ${file}@/${name}")
  endforeach()
  target_link_options(${target} PRIVATE ${options})
  set_target_properties(${target} PROPERTIES
    SUFFIX .html OUTPUT_NAME ${output} RUNTIME_OUTPUT_DIRECTORY ${folder}
    LINK_DEPENDS "${TAZMIX_WEB_SHELL};${PAGE_FILES}")
endfunction()

set(VINDRA_WEB_FILES Language.txt arial.ttf Title.png Dif0.png Dif1.png Dif2.png Clipboard.png Clock.png Row.png)
list(TRANSFORM VINDRA_WEB_FILES PREPEND ${TAZMIX_WEB_DATA_DIR}/)
tazmix_web_page(vindra ${TAZMIX_WEB_DIR} index FILES ${VINDRA_WEB_FILES})

include(${PROJECT_SOURCE_DIR}/cmake/embedded_fonts.cmake)
