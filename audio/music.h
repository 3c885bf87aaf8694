/// \file
/// Music: one piece at a time, decoded while it plays from a stream that stays
/// open, so a long piece never sits in memory whole.
///
/// The piece's stream is read on the audio thread while it plays; a program
/// that opens music from a stream of its own leaves that stream alone until
/// the piece is released. The playing piece is kept alive until it ends or
/// is stopped.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TMusic> theme = tazmix::OpenMusic("theme.ogg");
/// tazmix::PlayMusic(theme, tazmix::LOOP_FOREVER, 2000);  // fades in over 2 s
/// tazmix::SetMusicVolume(0.6f);
/// ...
/// tazmix::StopMusic(1000);  // fades out over 1 s
/// \endcode
/// \ingroup audio
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// An opened piece of music. \since 1.0
class TMusic : public Object {};

/// Opens a piece in any format the decoders know. A piece of up to 32 MiB is
/// read through once here and checked as LoadSound checks sounds (sound.h),
/// without being kept; of a longer one only the start is read, which tells a
/// WAV file cut off. Other long pieces, and streams that cannot tell their
/// size, meet only their decoder's checks.
///
/// A piece whose stream fails while it plays (a long piece damaged further
/// on, a file changed or cut on disk, a stream that raises) never crashes or
/// hangs the program: PlayMusic answers false when the decoder cannot start
/// it, and a playing piece ends early at the fault (MusicPlaying turns false)
/// or skips the damaged part; changed WAV samples, which carry no checksum,
/// play as they are. A piece at another rate than the output's may end up to
/// 512 frames of its own early (12 ms at 44.1 kHz): its decoder converts as
/// it streams, through SDL's converter, which loses them (see sound.h).
/// \param url any URL the stream layer opens; the stream stays open while the
///   piece lives.
/// \return the piece, or Null when the URL cannot be opened, no decoder knows
///   the data, or the file is found cut off or damaged, with a line such as
///   `OpenMusic("a.ogg"): can't open the file: No such file or directory`,
///   `OpenMusic("a.ogg"): the Ogg stream stops before its last page` or
///   `OpenMusic("a.xyz"): the decoder refused it: ...` (SDL_mixer's words).
/// \since 1.0
Ref<TMusic> OpenMusic(const Ref<Object>& url);
/// OpenMusic for a URL given as text.
/// \param url a file path or "protocol::path".
/// \return the piece, or Null with a line as above.
/// \since 1.0
Ref<TMusic> OpenMusic(const String& url);

/// Plays a piece; the piece playing before stops.
/// \param music the piece.
/// \param loops repeats after the first play; negative: until stopped.
/// \param fade_in_ms rises from silence to the music volume over this many
///   milliseconds; 0 or less: at once.
/// \return true when it started; false for Null or when the decoder fails.
/// \since 1.0
bool PlayMusic(const Ref<TMusic>& music, int32_t loops = 0, int32_t fade_in_ms = 0);
/// Stops the music.
/// \param fade_out_ms fades to silence over this many milliseconds; 0 or
///   less: at once.
/// \since 1.0
void StopMusic(int32_t fade_out_ms = 0);
/// Pauses the music where it is. \since 1.0
void PauseMusic();
/// Resumes paused music. \since 1.0
void ResumeMusic();
/// Sets the music volume; it starts at 1.
/// \param volume 0..1, held to the range; not a number counts as 0.
/// \since 1.0
void SetMusicVolume(float volume);
/// \return true while a piece plays, fades or is paused. \since 1.0
bool MusicPlaying();

}  // namespace tazmix
