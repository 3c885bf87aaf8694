# Checks the line between the public headers and the library's own:
#   cmake -DSOURCE_DIR=<repository> -DMODULES=<a;b;...> -P check_public_headers.cmake
#
# - a public header (directly in a module folder, or tazmix.h) includes only
#   standard headers and other public headers: nothing from internal/ or
#   platform/, nothing of SDL, OpenGL, libpng or FreeType, nothing outside
#   the modules;
# - it names another public header by its path from its own folder
#   ("sound.h", "../runtime/object.h"), which the compiler looks up beside
#   the including file first: no folder of a program's can shadow it;
# - tazmix.h includes every public header.
# Prints every offence and fails when there is one.

cmake_minimum_required(VERSION 3.25)

set(public tazmix.h)
foreach(module ${MODULES})
  file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${module}/*.h)
  list(APPEND public ${headers})
endforeach()

set(offences "")
foreach(header ${public})
  file(STRINGS ${SOURCE_DIR}/${header} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      get_filename_component(header_dir ${header} DIRECTORY)
      if(header_dir)
        cmake_path(SET resolved NORMALIZE "${header_dir}/${included}")
      else()
        set(resolved ${included})
      endif()
      if(NOT resolved IN_LIST public)
        string(APPEND offences "  ${header} includes \"${included}\", which is no public header beside it (name public headers by their path from the including header's folder)\n")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(included ${CMAKE_MATCH_1})
      if(included MATCHES "^(SDL|GL/|png|zlib|ft2build|freetype)" OR included MATCHES "\\.h$")
        string(APPEND offences "  ${header} includes <${included}>, which is no C++ standard header\n")
      endif()
    else()
      string(APPEND offences "  ${header}: ${line} names no file\n")
    endif()
  endforeach()
endforeach()

file(STRINGS ${SOURCE_DIR}/tazmix.h umbrella REGEX "^#include \"")
foreach(header ${public})
  if(NOT header STREQUAL "tazmix.h" AND NOT "#include \"${header}\"" IN_LIST umbrella)
    string(APPEND offences "  tazmix.h does not include ${header} (include it there, or move the header into ${header}'s module's internal/ folder)\n")
  endif()
endforeach()

if(offences)
  message(FATAL_ERROR "Public headers:\n${offences}")
endif()
list(LENGTH public count)
message(STATUS "${count} public headers, all reached from tazmix.h, none reaching inside")
