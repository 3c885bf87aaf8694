/// \file
/// Tazmix: a small 2D game library on SDL2, OpenGL 1.x, libpng, FreeType and
/// SDL2_mixer. This header brings the whole public API, module by module from
/// the lowest floor up. Each module header can also be included on its own
/// (<tazmix/draw2d/draw2d.h>). Everything lives in namespace tazmix.
/// Failures are told as lines; see the \ref failures page.
///
/// \code{.cpp}
/// #include <tazmix/tazmix.h>
///
/// int GameMain() {
///   tazmix::InitTazmix();
///   if (!tazmix::OpenGraphics(800, 600, 0, 60, 0)) return 1;
///   while (!tazmix::AppTerminate()) {
///     tazmix::Cls();
///     tazmix::DrawText("Hello", 10, 10);
///     tazmix::Flip(-1);
///   }
///   return 0;
/// }
/// int main(int argc, char** argv) { return tazmix::RunApplication(argc, argv, GameMain); }
/// \endcode
/// \since 1.0
#pragma once

// runtime: start-up, objects, strings, lists, errors
#include "runtime/application.h"
#include "runtime/array3.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "runtime/list.h"
#include "runtime/object.h"
#include "runtime/random.h"
#include "runtime/string.h"

// stream: streams, banks, files and paths
#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/cstream.h"
#include "stream/dir_listing.h"
#include "stream/filesystem.h"
#include "stream/io.h"
#include "stream/load_save.h"
#include "stream/path.h"
#include "stream/path_case.h"
#include "stream/stream.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"
#include "stream/stream_module.h"
#include "stream/stream_wrapper.h"

// system: events, hooks, input, keys, timers
#include "system/clipboard.h"
#include "system/close_signal.h"
#include "system/event.h"
#include "system/file_request.h"
#include "system/gamepad.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "system/keys.h"
#include "system/local_time.h"
#include "system/main_thread_call.h"
#include "system/polled_input.h"
#include "system/system_driver.h"
#include "system/timer.h"
#include "system/user_data.h"

// pixmap: pixel buffers, loaders, PNG
#include "pixmap/pixel_convert.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap.h"
#include "pixmap/pixmap_flip.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/pixmap_mask.h"
#include "pixmap/pixmap_module.h"
#include "pixmap/pixmap_resize.h"
#include "pixmap/png_loader.h"

// graphics: graphics contexts, drivers, Flip
#include "graphics/graphics.h"
#include "graphics/graphics_driver.h"
#include "graphics/graphics_flags.h"
#include "graphics/graphics_icon.h"
#include "graphics/graphics_mode.h"

// font: fonts, font loaders, FreeType
#include "font/font.h"
#include "font/font_loader.h"
#include "font/font_module.h"
#include "font/freetype_font.h"

// audio: sounds, channels, music
#include "audio/audio_module.h"
#include "audio/channel.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "audio/wave_bank.h"

// draw2d: drawing state and API, images, image fonts, collision
#include "draw2d/collision.h"
#include "draw2d/collision_layers.h"
#include "draw2d/collision_quad.h"
#include "draw2d/draw2d.h"
#include "draw2d/draw2d_module.h"
#include "draw2d/draw_image.h"
#include "draw2d/draw_primitives.h"
#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "draw2d/frame_stats.h"
#include "draw2d/image.h"
#include "draw2d/image_api.h"
#include "draw2d/image_flags.h"
#include "draw2d/image_font.h"
#include "draw2d/image_frame.h"
#include "draw2d/image_glyph.h"
#include "draw2d/render_image.h"
#include "draw2d/vex2d_driver.h"
#include "draw2d/vex2d_graphics.h"
#include "draw2d/virtual_resolution.h"

// glback: the OpenGL back end and InitTazmix
#include "glback/gl_graphics.h"
#include "glback/gl_raw_2d.h"
#include "glback/gl_raw_draw.h"
#include "glback/gl_raw_text.h"
#include "glback/gl_texture_from_pixmap.h"
#include "glback/gl_vex2d_driver.h"
#include "glback/tazmix_module.h"
