// Checks that a sound file is whole before it is decoded.
//
// The decoders play what they can of a cut or damaged file, so a sound
// loaded from one would quietly come out short or broken; a loader that
// answers Null instead tells the program. Every check walks the file's own
// structure within its real size and allocates nothing from what it claims.
// Each answers nullptr for a whole file, else the reason.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tazmix {

// Picks the check by the file's first bytes; formats without one (tracker
// modules, AIFF, ...) pass unchecked.
const char* AudioFileFault(const uint8_t* data, size_t size);

// RIFF WAVE: a format chunk, then a data chunk, each inside the file of
// `size` bytes, of which `data` holds the first `held`: chunks found past
// those pass unchecked. Only their headers are read, so the start of a long
// file is enough.
const char* WaveFileFault(const uint8_t* data, size_t held, size_t size);
// Ogg (Vorbis, Opus, FLAC in Ogg): pages back to back up to the end of the
// file, each with a matching checksum, the last one marked as the end.
const char* OggFileFault(const uint8_t* data, size_t size);
// The length of the Ogg page at `page`, header and body, or 0 when the `left`
// bytes there do not hold it all.
size_t OggPageLength(const uint8_t* page, size_t left);
// The checksum of the Ogg page of `length` bytes at `page` (its own
// checksum field counts as zeros).
uint32_t OggPageCrc(const uint8_t* page, size_t length);
// Native FLAC: metadata inside the file, then frames, the last of which ends
// with the file and matches its checksum.
const char* FlacFileFault(const uint8_t* data, size_t size);
// MPEG audio: the tag inside the file and no frame cut off at its end.
const char* Mp3FileFault(const uint8_t* data, size_t size);

// The length of an ID3v2 tag at `data` (header and footer included), 0 when
// none starts there.
size_t Id3v2Length(const uint8_t* data, size_t size);

}  // namespace tazmix
