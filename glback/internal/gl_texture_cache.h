// The 2D texture binding the GL 2D driver believes GL has: which texture is
// bound and whether texturing is on. Every bind and every switch of 2D
// texturing goes through here, so the cache stays true and drawing many quads
// from one texture binds it once. A change draws the gathered vertices first
// (gl_batch.h): they belong to the texture and texturing they were gathered
// under.
#pragma once

#include <cstdint>

namespace tazmix {

// Binds `name` to the 2D target unless it is bound already.
void BindTexture(uint32_t name);
// BindTexture(name), then turns 2D texturing on unless it is on.
void EnableTexture(uint32_t name);
// Turns 2D texturing off unless it is off.
void DisableTexture();

// A texture is about to be deleted: GL binds 0 in its place, and a name that
// GL hands out again must not count as bound already.
void ForgetTexture(uint32_t name);

// A new context knows nothing of the old one: nothing bound, texturing off
// (the caller switches GL's texturing off to match).
void ResetTextureCache();

// What the cache holds (for the driver's own checks and tests).
uint32_t BoundTexture();
bool TexturingOn();

}  // namespace tazmix
