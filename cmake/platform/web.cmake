# The library in a browser page (Emscripten). The web/ folder beside each
# SDL platform folder stands in for it, and the browser's own picture, font
# and sound decoders stand in for libpng, FreeType and SDL_mixer: the files
# that use those libraries are left out, and their web versions keep the
# library's names (InitPNGLoader, InitFreeTypeFont), so a program builds
# unchanged.
list(FILTER TAZMIX_SOURCES EXCLUDE REGEX "/platform/[^/]+\\.cpp$")
list(FILTER TAZMIX_SOURCES EXCLUDE REGEX
  "/(pixmap/png_loader|font/freetype_font|font/freetype_glyph|font/internal/freetype_library)\\.cpp$")

# The library throws and catches (failures end as Null, not as an abort).
add_compile_options(-fexceptions)

# What every program on the library links with:
#  - exceptions caught as on Linux;
#  - the fixed-function GL 1.1 of the GL back end, emulated over WebGL 1;
#  - Asyncify: a game's loop is written as a loop, and every Flip and wait
#    gives the browser its turn by unwinding the stack and coming back; the
#    browser's image, font and sound decoders are awaited the same way;
#  - memory that grows with the program's pictures and sounds.
set(TAZMIX_WEB_LINK_OPTIONS
  -fexceptions
  -sLEGACY_GL_EMULATION=1
  # A back buffer of the context's own (glback/platform/web/gl_native_web.cpp).
  -sOFFSCREEN_FRAMEBUFFER=1
  # Pixel transfers go through glback/platform/web/gl_texture_web.cpp.
  -Wl,--wrap=glTexImage2D -Wl,--wrap=glTexSubImage2D -Wl,--wrap=glPixelStorei -Wl,--wrap=glReadPixels
  # Asyncify; a program of this repository that never waits (a test run
  # under node) goes without it: target property TAZMIX_WEB_NO_ASYNCIFY.
  $<$<NOT:$<BOOL:$<TARGET_PROPERTY:TAZMIX_WEB_NO_ASYNCIFY>>>:-sASYNCIFY=1>
  # Room for the stack of locals unwound at a wait: the deepest loop of a
  # program (a screen inside a screen inside a round) stays far below it.
  $<$<NOT:$<BOOL:$<TARGET_PROPERTY:TAZMIX_WEB_NO_ASYNCIFY>>>:-sASYNCIFY_STACK_SIZE=262144>
  -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=33554432)
list(APPEND TAZMIX_DEPENDENCIES tazmix_web_platform)
add_library(tazmix_web_platform INTERFACE)
target_link_options(tazmix_web_platform INTERFACE ${TAZMIX_WEB_LINK_OPTIONS})

# No install rules: a program for the web adds this folder with
# add_subdirectory (see docs/library.md).
set(TAZMIX_INSTALL OFF)
