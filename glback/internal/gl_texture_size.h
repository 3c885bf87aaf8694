// Texture sizes: power-of-two sizing, the size probe with shrinking, and the
// chain of mipmap level sizes. Reserving levels and uploading them both walk
// the chain through NextMipLevel, so they always agree on every level's size.
#pragma once

#include <cstdint>

namespace tazmix {

// The smallest power of two that is at least n, starting from 1 (so any n of
// 1 or less gives 1); sizes beyond 2^30 give 2^30, which no GL accepts
// anyway and the probe then shrinks.
int32_t Pow2Size(int32_t n);

// Whether GL can hold an RGBA texture of width x height.
using TextureSizeProbe = bool (*)(int32_t width, int32_t height);

// Asks GL through a proxy texture (needs a current context).
bool ProxyTextureFits(int32_t width, int32_t height);

// Rounds both sizes up to powers of two, then halves both (each only while
// above 1) until the probe accepts them. Raises "Unable to calculate tex
// size" when not even 1 x 1 is accepted.
void AdjustTexSize(int32_t& width, int32_t& height, TextureSizeProbe fits = ProxyTextureFits);

// Moves (width, height) to the next mipmap level's size: every dimension
// above 1 is halved. False, and nothing changed, once the level is 1 x 1.
bool NextMipLevel(int32_t& width, int32_t& height);

}  // namespace tazmix
