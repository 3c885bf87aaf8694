// The web GL layer's state, kept in the back end's one object
// (GLNative()), for its three files: the page's one WebGL context and the
// contexts made on it (gl_native_web.cpp), the raster position of the pixel
// drawing WebGL lacks (gl_raster_web.cpp), and the pixel transfer settings
// made on this side (gl_texture_web.cpp).
#pragma once

#include <EGL/egl.h>
#include <GL/gl.h>

#include <cstdint>
#include <map>
#include <vector>

#include "glback/internal/gl_state.h"
#include "glback/platform/gl_native.h"

namespace tazmix {

struct WebNativeContext {
  int32_t kind = GL_CONTEXT_WINDOWED;
  GLNativeSettings settings;
};

struct WebRasterState {
  float x = 0;  // window coordinates, y up
  float y = 0;
  float zoom_x = 1;
  float zoom_y = 1;
  GLuint texture = 0;
};

struct WebPixelTransferState {
  GLint proxy_width = 0;
  GLint proxy_height = 0;
  GLint unpack_row_length = 0;
  GLint unpack_skip_pixels = 0;
  GLint unpack_skip_rows = 0;
  GLint unpack_alignment = 4;
  GLint pack_row_length = 0;
  GLint pack_alignment = 4;
  std::vector<unsigned char> copy;
};

struct GLNativeState {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLSurface surface = EGL_NO_SURFACE;
  EGLContext context = EGL_NO_CONTEXT;
  std::map<int32_t, WebNativeContext> contexts;
  int32_t next_handle = 1;
  int32_t current = 0;
  bool listening = false;
  // Counts the canvas's changes of size: it no longer shows the last frame.
  int32_t window_epoch = 0;
  WebRasterState raster;
  WebPixelTransferState transfer;
};

}  // namespace tazmix
