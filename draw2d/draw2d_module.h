// Initialisation of the 2D drawing layer.
#pragma once

namespace tazmix {

// Runs once: initialises polled input, the graphics core, images and image
// fonts, then registers the layer's classes.
void InitDraw2D();

}  // namespace tazmix
