/// \file
/// Virtual resolution: drawing coordinates that span the whole context
/// whatever its pixel size, and the mouse seen in those coordinates.
///
/// A program that sets one keeps drawing in its own coordinates when the
/// window changes size (GRAPHICS_RESIZABLE, the full-screen switch):
/// stretched over the whole window, or letterboxed into the largest centred
/// rectangle of its own shape, the bars showing the clear colour. Without one,
/// drawing coordinates stay window pixels and follow the window's new size.
///
/// Without open graphics each function raises TNullObjectException naming
/// itself.
///
/// \code{.cpp}
/// tazmix::OpenGraphics(1280, 720, 0, 60, tazmix::GRAPHICS_BACK_BUFFER | tazmix::GRAPHICS_RESIZABLE);
/// tazmix::SetVirtualResolution(320, 180);  // pixel art, scaled up
/// tazmix::SetVirtualResolutionFit(tazmix::VIRTUAL_LETTERBOX);
/// tazmix::DrawRect(tazmix::VirtualMouseX(), tazmix::VirtualMouseY(), 4, 4);  // a cursor
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

// How a virtual resolution meets a window of another shape.
/// The virtual area spans the whole window (at start). \since 1.0
constexpr int32_t VIRTUAL_STRETCH = 0;
/// The virtual area keeps its shape, centred; the bars show the clear colour. \since 1.0
constexpr int32_t VIRTUAL_LETTERBOX = 1;

/// Sets the drawing coordinates: 0..width and 0..height span the context (or,
/// with VIRTUAL_LETTERBOX, its centred part); the mouse factors become width
/// and height over that area's pixels. From now on they no longer follow the
/// window's size.
/// \param width, height the virtual size.
/// \throws Thrown (TNullObjectException naming SetVirtualResolution) without open graphics.
/// \since 1.0
void SetVirtualResolution(float width, float height);
/// \return the virtual width (the context's width unless set).
/// \throws Thrown (TNullObjectException naming VirtualResolutionWidth) without open graphics.
/// \since 1.0
float VirtualResolutionWidth();
/// \return the virtual height (the context's height unless set).
/// \throws Thrown (TNullObjectException naming VirtualResolutionHeight) without open graphics.
/// \since 1.0
float VirtualResolutionHeight();
/// Sets how the virtual area meets the window, applied at once.
/// \param fit VIRTUAL_STRETCH or VIRTUAL_LETTERBOX; other values are taken as
///   VIRTUAL_STRETCH.
/// \throws Thrown (TNullObjectException naming SetVirtualResolutionFit) without open graphics.
/// \since 1.0
void SetVirtualResolutionFit(int32_t fit);
/// \return VIRTUAL_STRETCH or VIRTUAL_LETTERBOX.
/// \throws Thrown (TNullObjectException naming VirtualResolutionFit) without open graphics.
/// \since 1.0
int32_t VirtualResolutionFit();

/// \return the polled mouse x in virtual units (outside 0..width over a letterbox bar).
/// \throws Thrown (TNullObjectException naming VirtualMouseX) without open graphics.
/// \since 1.0
float VirtualMouseX();
/// \return the polled mouse y in virtual units.
/// \throws Thrown (TNullObjectException naming VirtualMouseY) without open graphics.
/// \since 1.0
float VirtualMouseY();
/// \return the mouse's x speed in virtual units.
/// \throws Thrown (TNullObjectException naming VirtualMouseXSpeed) without open graphics.
/// \since 1.0
float VirtualMouseXSpeed();
/// \return the mouse's y speed in virtual units.
/// \throws Thrown (TNullObjectException naming VirtualMouseYSpeed) without open graphics.
/// \since 1.0
float VirtualMouseYSpeed();
/// Moves the pointer to a position given in virtual units.
/// \param x, y the position.
/// \throws Thrown (TNullObjectException naming MoveVirtualMouse) without open graphics.
/// \since 1.0
void MoveVirtualMouse(float x, float y);

}  // namespace tazmix
