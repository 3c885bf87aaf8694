// The sample rate a FLAC or Ogg Vorbis file declares, and restating it.
//
// The mixer's FLAC and Vorbis decoders convert the rate while they decode,
// through SDL's converter, which holds back up to 512 frames of the source
// for its filter and does not give them out at the end when the decoder's
// last block was larger than that: a 44.1 kHz FLAC file loses its last
// 12 ms. A file restated at the output's rate decodes unconverted and whole,
// and the decoded sound is then converted in one piece as WAV files are.
// Decoding does not depend on the declared rate.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tazmix {

// The rate a native FLAC file or a single-stream Ogg Vorbis file declares;
// 0 for any other file.
int32_t DeclaredRate(const uint8_t* data, size_t size);
// Rewrites that declaration as `rate` (and the checksum of the Ogg page
// holding it); false when DeclaredRate finds none.
bool RestateRate(uint8_t* data, size_t size, int32_t rate);

}  // namespace tazmix
