/// \file
/// The whole 2D drawing layer (Vex2D) in one include, for programs that draw:
/// images, shapes, text, collision, render images, the drawing state and the
/// virtual resolution. tazmix.h includes it with everything else.
///
/// \code{.cpp}
/// #include <tazmix/draw2d/draw2d.h>
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include "collision.h"
#include "draw2d_module.h"
#include "draw_image.h"
#include "draw_primitives.h"
#include "draw_state.h"
#include "draw_text.h"
#include "frame_stats.h"
#include "image.h"
#include "image_api.h"
#include "image_font.h"
#include "render_image.h"
#include "vex2d_driver.h"
#include "vex2d_graphics.h"
#include "virtual_resolution.h"
