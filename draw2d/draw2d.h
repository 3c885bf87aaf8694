// The whole 2D drawing layer for programs that draw.
#pragma once

#include "draw2d/collision.h"
#include "draw2d/draw2d_module.h"
#include "draw2d/draw_image.h"
#include "draw2d/draw_primitives.h"
#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "draw2d/image.h"
#include "draw2d/image_api.h"
#include "draw2d/image_font.h"
#include "draw2d/vex2d_driver.h"
#include "draw2d/vex2d_graphics.h"
#include "draw2d/virtual_resolution.h"
