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

# The page the browser test drives: the game with a probe that tells the
# test's script what each frame shows (tests/web/vindra_probe.cpp).
add_executable(vindra_probe ${PROJECT_SOURCE_DIR}/tests/web/vindra_probe.cpp)
target_link_libraries(vindra_probe PRIVATE vindra_game)
tazmix_web_page(vindra_probe ${CMAKE_BINARY_DIR}/web-tests vindra_probe FILES ${VINDRA_WEB_FILES})

# Example pages: the sound example (the browser test opens it), and the
# sound check it plays (tests/web/sound_probe.cpp).
add_executable(example_sound_page ${PROJECT_SOURCE_DIR}/examples/sound.cpp)
target_link_libraries(example_sound_page PRIVATE tazmix)
tazmix_web_page(example_sound_page ${TAZMIX_WEB_DIR}/examples sound)
add_executable(sound_probe ${PROJECT_SOURCE_DIR}/tests/web/sound_probe.cpp)
target_link_libraries(sound_probe PRIVATE tazmix)
tazmix_web_page(sound_probe ${CMAKE_BINARY_DIR}/web-tests sound_probe)

# The library's tests that need no window, built for node: the real file
# system under node (NODERAWFS), the exit code as the test's result. Tests
# that start programs or change a user's rights have no place here (a page
# runs no processes and has one user) and are filtered out by name.
set(GTEST_SOURCE_DIR /usr/src/googletest/googletest)
add_library(web_gtest STATIC ${GTEST_SOURCE_DIR}/src/gtest-all.cc ${GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_include_directories(web_gtest SYSTEM PUBLIC ${GTEST_SOURCE_DIR}/include PRIVATE ${GTEST_SOURCE_DIR})
target_compile_options(web_gtest PRIVATE -w)

enable_testing()
set(TAZMIX_NODE_TEST_SETS
  "runtime|tests/runtime/*_test.cpp|application_test"
  "stream|tests/stream/*_test.cpp|unreadable_test"
  "pixmap|tests/pixmap/*_test.cpp|png_loader_test|png_save_test"
  "word_file|tests/game/word_list_test.cpp"
  "web_platform|tests/web/*_test.cpp")
# Node's file layer also takes file names as text: names that are not UTF-8
# do not survive it.
set(TAZMIX_NODE_TEST_FILTER "-WordListProgram.*:*MayNotBeRead*:*NotReadable*:*Unprivileged*:*NotUtf8*")
foreach(set ${TAZMIX_NODE_TEST_SETS})
  string(REPLACE "|" ";" parts "${set}")
  list(POP_FRONT parts name pattern)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${pattern})
  foreach(left_out ${parts})
    list(FILTER sources EXCLUDE REGEX "/${left_out}\\.cpp$")
  endforeach()
  file(GLOB support CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
  add_executable(node_test_${name} ${sources} ${support})
  target_link_libraries(node_test_${name} PRIVATE vindra_game web_gtest)
  target_compile_definitions(node_test_${name} PRIVATE
    TAZMIX_TEST_HELPER_DIR="${CMAKE_BINARY_DIR}/no-helpers"
    TAZMIX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    TAZMIX_BIN_DIR="${TAZMIX_WEB_DATA_DIR}"
    TAZMIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(node_test_${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/node-tests SUFFIX .js TAZMIX_WEB_NO_ASYNCIFY ON)
  target_link_options(node_test_${name} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1)
  add_test(NAME Node.${name}
    COMMAND node --no-experimental-fetch ${CMAKE_BINARY_DIR}/node-tests/node_test_${name}.js
            --gtest_filter=${TAZMIX_NODE_TEST_FILTER})
  set_tests_properties(Node.${name} PROPERTIES TIMEOUT 300)
endforeach()

# The pages in headless Chromium (tests/web/page_test.mjs, puppeteer-core from
# tests/web/node_modules: scripts/install-web-deps.sh).
add_test(NAME WebPage.GameAndSound
  COMMAND node ${PROJECT_SOURCE_DIR}/tests/web/page_test.mjs ${CMAKE_BINARY_DIR})
# Alone: its waits are bounded for a machine that runs only the browser.
set_tests_properties(WebPage.GameAndSound PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
