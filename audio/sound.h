/// \file
/// Sounds: audio files decoded whole into memory, ready to play on any number
/// of channels at once (see channel.h).
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TSound> click = tazmix::LoadSound("click.wav");
/// if (!click) return;  // LoadSound("click.wav"): can't open the file: No such file or directory
/// tazmix::PlaySound(click);
/// int32_t ms = tazmix::SoundLength(click);
/// \endcode
/// \ingroup audio
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// A sound decoded whole, at the output's rate.
/// \since 1.0
class TSound : public Object {
 public:
  /// The length of one play in milliseconds. Abstract: the base raises the
  /// abstract-method exception.
  /// \return the length.
  /// \since 1.0
  virtual int32_t Milliseconds();
};

/// Loads a sound in any format the decoders know: WAV, Ogg Vorbis, Opus,
/// FLAC, MP3, tracker modules. The file is read through the library's
/// streams and checked before it is decoded; never raises for a bad file.
///
/// A sound at another rate than the output's is converted to it whole, to
/// its last frame, except MP3: its decoder converts while it decodes, through
/// SDL's converter, which keeps back up to 512 frames of the source for its
/// filter and loses them at the end (12 ms at 44.1 kHz). The FLAC and Vorbis
/// decoders would too; they are handed the file restated at the output's rate
/// and the sound is converted afterwards. An MP3 file's rate sits in every
/// frame and sets the frame's length, so it cannot be restated (and its
/// length carries the encoder's padding anyway).
/// \param url the sound: a file, a bank, a stream, any URL a stream factory opens.
/// \return the sound, or Null when the URL cannot be opened or the file is
///   empty, cut off, damaged or of an unknown kind, with a line such as
///   `LoadSound("a.wav"): can't open the file: No such file or directory`,
///   `LoadSound("a.wav"): the file is empty`,
///   `LoadSound("a.wav"): the data chunk runs past the end of the file`,
///   `LoadSound("a.ogg"): an Ogg page is damaged (its checksum does not match)` or
///   `LoadSound("a.xyz"): the decoder refused it: ...` (SDL_mixer's words).
/// \since 1.0
Ref<TSound> LoadSound(const Ref<Object>& url);
/// LoadSound for a URL given as text.
/// \param url a file path or "protocol::path".
/// \return the sound, or Null with a line as above.
/// \since 1.0
Ref<TSound> LoadSound(const String& url);

/// The length of a sound.
/// \param sound the sound, or Null.
/// \return the length of one play in milliseconds; 0 for Null.
/// \since 1.0
inline int32_t SoundLength(const Ref<TSound>& sound) { return sound ? sound->Milliseconds() : 0; }

}  // namespace tazmix
