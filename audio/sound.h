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
Ref<TSound> LoadSound(const Ref<Object>& url);
Ref<TSound> LoadSound(const String& url);

// The length in milliseconds; 0 for Null.
inline int32_t SoundLength(const Ref<TSound>& sound) { return sound ? sound->Milliseconds() : 0; }

}  // namespace tazmix
