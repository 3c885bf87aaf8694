# The Debian libraries the library is built on, found on the machine at hand
# as imported targets. The library's own build reads this file, and so does
# the installed CMake package (TazmixConfig.cmake, through the copy
# TazmixDependencies.cmake beside it). The exported library names only these
# targets, never a file of the machine it was built on, so an installed tree
# works wherever it is moved and with the paths of the machine that uses it.
#
# Sets TAZMIX_DEPENDENCIES, the targets to link, and TAZMIX_MISSING_DEPENDENCY,
# the Debian package to install when something is missing ("" when all is there).

set(TAZMIX_DEPENDENCIES "")
set(TAZMIX_MISSING_DEPENDENCY "")

macro(tazmix_require target debian_package)
  if(TARGET ${target})
    list(APPEND TAZMIX_DEPENDENCIES ${target})
  elseif(NOT TAZMIX_MISSING_DEPENDENCY)
    set(TAZMIX_MISSING_DEPENDENCY ${debian_package})
  endif()
endmacro()

find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  # Names of their own, so a program's own pkg_check_modules(SDL2 ...) keeps
  # its variables and targets.
  if(NOT TARGET PkgConfig::TAZMIX_SDL2)
    pkg_check_modules(TAZMIX_SDL2 QUIET IMPORTED_TARGET sdl2)
  endif()
  if(NOT TARGET PkgConfig::TAZMIX_SDL2_MIXER)
    pkg_check_modules(TAZMIX_SDL2_MIXER QUIET IMPORTED_TARGET SDL2_mixer)
    # Sound mixing and decoding: only its libraries. Its header sits in
    # SDL2's include folder, and the compile flags its private dependencies
    # list (-D_XOPEN_SOURCE=600 and others) must reach no source.
    if(TARGET PkgConfig::TAZMIX_SDL2_MIXER)
      set_target_properties(PkgConfig::TAZMIX_SDL2_MIXER PROPERTIES
        INTERFACE_COMPILE_OPTIONS "" INTERFACE_INCLUDE_DIRECTORIES "")
    endif()
  endif()
endif()
tazmix_require(PkgConfig::TAZMIX_SDL2 libsdl2-dev)
tazmix_require(PkgConfig::TAZMIX_SDL2_MIXER libsdl2-mixer-dev)

find_package(PNG QUIET)
tazmix_require(PNG::PNG libpng-dev)
find_package(Freetype QUIET)
tazmix_require(Freetype::Freetype libfreetype-dev)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL QUIET)
tazmix_require(OpenGL::GL libgl-dev)
find_package(Threads QUIET)
tazmix_require(Threads::Threads libc6-dev)
list(APPEND TAZMIX_DEPENDENCIES ${CMAKE_DL_LIBS})
if(NOT PKG_CONFIG_FOUND)
  set(TAZMIX_MISSING_DEPENDENCY pkg-config)
endif()
