# What a program that uses the library sees of it: the public headers, under
# one include tree, and nothing else of this repository.
#
# Every header directly in a module folder is public; headers in a module's
# internal/ and platform/ folders are the library's own. Programs include
# <tazmix/tazmix.h> (everything) or one module header as
# <tazmix/draw2d/draw2d.h>. Only the folder above tazmix/ is an include
# directory: with tazmix/ itself on the path, a program's own "audio/sound.h"
# could find the library's header, or the other way round.

# The module folders in floor order.
set(TAZMIX_MODULES runtime stream system pixmap graphics font audio draw2d glback)

set(TAZMIX_PUBLIC_HEADERS tazmix.h)
foreach(module ${TAZMIX_MODULES})
  file(GLOB module_headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${module}/*.h)
  list(APPEND TAZMIX_PUBLIC_HEADERS ${module_headers})
endforeach()

# The staged tree in the build folder: links to the public headers only, so
# a program added beside the library with add_subdirectory cannot reach the
# game, the tests or a header that includes SDL's.
set(TAZMIX_STAGED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
file(REMOVE_RECURSE ${TAZMIX_STAGED_INCLUDE_DIR}/tazmix)
foreach(header ${TAZMIX_PUBLIC_HEADERS})
  set(link ${TAZMIX_STAGED_INCLUDE_DIR}/tazmix/${header})
  get_filename_component(link_dir ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_dir})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${link} SYMBOLIC)
endforeach()

include(GNUInstallDirs)
target_include_directories(tazmix
  PRIVATE ${PROJECT_SOURCE_DIR}
  INTERFACE
    $<BUILD_INTERFACE:${TAZMIX_STAGED_INCLUDE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(tazmix PUBLIC cxx_std_20)
set_target_properties(tazmix PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  EXPORT_NAME tazmix)
# The name an installed package gives, also when the library is added with
# add_subdirectory, so a program's CMakeLists works either way.
add_library(Tazmix::tazmix ALIAS tazmix)

# A program linking a sanitizer build of the library needs the sanitizers'
# run-time libraries too.
if(TAZMIX_SANITIZE)
  set(TAZMIX_SANITIZER_LINK_FLAGS -fsanitize=address,undefined)
  target_link_options(tazmix INTERFACE ${TAZMIX_SANITIZER_LINK_FLAGS})
endif()

# The game, its tests, tools and benchmarks are part of this repository and
# may reach inside: the repository root as include directory and the Debian
# libraries the library is built on.
add_library(tazmix_source_tree INTERFACE)
target_include_directories(tazmix_source_tree INTERFACE ${PROJECT_SOURCE_DIR})
target_link_libraries(tazmix_source_tree INTERFACE ${TAZMIX_DEPENDENCIES})
