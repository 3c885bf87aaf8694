// Sounds: audio files decoded whole into memory, ready to play on any number
// of channels at once (see channel.h).
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TSound : public Object {
 public:
  // The length of one play in milliseconds. Abstract: the base raises the
  // abstract-method exception.
  virtual int32_t Milliseconds();
};

// The sound a URL holds (a file, "incbin::name", a bank, a stream, any URL a
// stream factory opens), in any format the decoders know: WAV, Ogg Vorbis,
// Opus, FLAC, MP3, tracker modules. The file is read through the library's
// streams. Null, with the reason recorded (runtime/error_report.h), when the
// URL cannot be opened or the file is empty, cut off, damaged or of an
// unknown kind; never raises for that.
//
// A sound at another rate than the output's is converted to it whole, to
// its last frame, except MP3: its decoder converts while it decodes, through
// SDL's converter, which keeps back up to 512 frames of the source for its
// filter and loses them at the end (12 ms at 44.1 kHz). The FLAC and Vorbis
// decoders would too; they are handed the file restated at the output's rate
// and the sound is converted afterwards. An MP3 file's rate sits in every
// frame and sets the frame's length, so it cannot be restated (and its
// length carries the encoder's padding anyway).
Ref<TSound> LoadSound(const Ref<Object>& url);
Ref<TSound> LoadSound(const String& url);

// The length in milliseconds; 0 for Null.
inline int32_t SoundLength(const Ref<TSound>& sound) { return sound ? sound->Milliseconds() : 0; }

}  // namespace tazmix
