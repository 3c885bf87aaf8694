# Installing the library for other programs, all as install component "dev":
#
#   cmake --install build --prefix P [--component dev]
#
# gives P/lib/libtazmix.a (or .so with -DBUILD_SHARED_LIBS=ON), the public
# headers under P/include/tazmix/, the CMake package
# (find_package(Tazmix 1.0 CONFIG REQUIRED) -> Tazmix::tazmix) and
# P/lib/pkgconfig/tazmix.pc, and nothing else: the game's install rules
# (cmake/package.cmake) belong to the component "game" and run only when it is
# named (cmake --install build --component game), as the Debian package does.
# Every path in the installed files is relative to P, so P can be moved.

option(TAZMIX_INSTALL "Install rules for the library" ${PROJECT_IS_TOP_LEVEL})
if(NOT TAZMIX_INSTALL)
  return()
endif()

include(CMakePackageConfigHelpers)
set(TAZMIX_CMAKE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tazmix)
set(TAZMIX_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS tazmix EXPORT TazmixTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev NAMELINK_COMPONENT dev
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT dev)

foreach(header ${TAZMIX_PUBLIC_HEADERS})
  get_filename_component(header_dir ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tazmix/${header_dir} COMPONENT dev)
endforeach()

install(EXPORT TazmixTargets NAMESPACE Tazmix:: DESTINATION ${TAZMIX_CMAKE_PACKAGE_DIR} COMPONENT dev)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TazmixConfig.cmake.in
  ${PROJECT_BINARY_DIR}/package/TazmixConfig.cmake
  INSTALL_DESTINATION ${TAZMIX_CMAKE_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/TazmixConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/TazmixConfig.cmake ${PROJECT_BINARY_DIR}/package/TazmixConfigVersion.cmake
  DESTINATION ${TAZMIX_CMAKE_PACKAGE_DIR} COMPONENT dev)
# The package finds the dependencies the way the library's build did.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/dependencies.cmake
  DESTINATION ${TAZMIX_CMAKE_PACKAGE_DIR} RENAME TazmixDependencies.cmake COMPONENT dev)

# pkg-config: the prefix is found from the file's own place, so the tree can
# be installed anywhere. A static library needs its libraries on every link
# line; a shared one only its own.
string(REGEX REPLACE "[^/]+" ".." TAZMIX_PC_PREFIX_FROM_PCFILEDIR ${TAZMIX_PKGCONFIG_DIR})
# SDL2_mixer goes in by name, not as a required package: pkg-config would
# otherwise hand its private dependencies' compile flags to every program.
set(system_libs -lSDL2_mixer -pthread)
foreach(lib ${CMAKE_DL_LIBS})
  list(APPEND system_libs -l${lib})
endforeach()
list(JOIN system_libs " " system_libs)
if(BUILD_SHARED_LIBS)
  set(TAZMIX_PC_REQUIRES "Requires.private")
  set(TAZMIX_PC_LIBS "")
  set(TAZMIX_PC_LIBS_PRIVATE "${system_libs}")
else()
  set(TAZMIX_PC_REQUIRES "Requires")
  set(TAZMIX_PC_LIBS "${system_libs}")
  set(TAZMIX_PC_LIBS_PRIVATE "")
endif()
list(JOIN TAZMIX_SANITIZER_LINK_FLAGS " " TAZMIX_PC_SANITIZER_FLAGS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tazmix.pc.in ${PROJECT_BINARY_DIR}/package/tazmix.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/tazmix.pc DESTINATION ${TAZMIX_PKGCONFIG_DIR} COMPONENT dev)
