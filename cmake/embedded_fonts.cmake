# The built-in bitmap fonts: each data/<name>.bin becomes a generated .cpp
# holding its bytes, compiled into the tazmix library behind the accessors of
# data/builtin_fonts.h.
#
# This file has two roles. Included by the top-level CMakeLists.txt it sets up
# the rules; run as a script (cmake -P, with INPUT, OUTPUT and NAME) it writes
# one generated source, so the build needs no tool beyond CMake itself.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR byte_count "${hex_length} / 2")
  if(byte_count EQUAL 0)
    message(FATAL_ERROR "embedded_fonts: ${INPUT} is empty")
  endif()
  # Sixteen bytes to a line.
  set(bytes "")
  foreach(offset RANGE 0 ${hex_length} 32)
    string(SUBSTRING "${hex}" ${offset} 32 chunk)
    if(chunk STREQUAL "")
      break()
    endif()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " line "${chunk}")
    string(STRIP "${line}" line)
    string(APPEND bytes "    ${line}\n")
  endforeach()
  get_filename_component(input_name "${INPUT}" NAME)
  file(WRITE "${OUTPUT}.tmp"
"// Generated from data/${input_name} by cmake/embedded_fonts.cmake; do not edit.
#include \"data/builtin_fonts.h\"

namespace tazmix {

namespace {
const uint8_t kBytes[${byte_count}] = {
${bytes}};
}  // namespace

const uint8_t* ${NAME}Data() { return kBytes; }
int32_t ${NAME}Length() { return static_cast<int32_t>(sizeof kBytes); }

}  // namespace tazmix
")
  # Leave an unchanged file alone so nothing recompiles.
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

set(EMBEDDED_FONTS
  tazmofont TazmoFont
  gldrawtextfont GLDrawTextFont)
set(EMBEDDED_FONT_DIR ${PROJECT_BINARY_DIR}/generated/data)
file(MAKE_DIRECTORY ${EMBEDDED_FONT_DIR})
while(EMBEDDED_FONTS)
  list(POP_FRONT EMBEDDED_FONTS file_name accessor)
  set(input ${PROJECT_SOURCE_DIR}/data/${file_name}.bin)
  set(output ${EMBEDDED_FONT_DIR}/${file_name}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DNAME=${accessor}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${input} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Embedding data/${file_name}.bin"
    VERBATIM)
  target_sources(tazmix PRIVATE ${output})
endwhile()
