// Music: one piece at a time, decoded while it plays from a stream that stays
// open, so a long piece never sits in memory whole.
//
// The piece's stream is read on the audio thread while it plays; a program
// that opens music from a stream of its own leaves that stream alone until
// the piece is released. The playing piece is kept alive until it ends or
// is stopped.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TMusic : public Object {};

// The piece a URL holds (any URL the stream layer opens) in any format the
// decoders know. Null, with the reason recorded, when the URL cannot be
// opened, no decoder knows the data, or the file is found cut off or
// damaged: a piece of up to 32 MiB is read through once here and checked as
// LoadSound checks sounds (sound.h), without being kept; of a longer one
// only the start is read, which tells a WAV file cut off. Other long pieces,
// and streams that cannot tell their size, meet only their decoder's checks.
//
// A piece whose stream fails while it plays (a long piece damaged further
// on, a file changed or cut on disk, a stream that raises) never crashes or
// hangs the program: PlayMusic answers false when the decoder cannot start
// it, and a playing piece ends early at the fault (MusicPlaying turns false)
// or skips the damaged part; changed WAV samples, which carry no checksum,
// play as they are. A piece at another rate than the output's may end up to
// 512 frames of its own early (12 ms at 44.1 kHz): its decoder converts as
// it streams, through SDL's converter, which loses them (see sound.h).
Ref<TMusic> OpenMusic(const Ref<Object>& url);
Ref<TMusic> OpenMusic(const String& url);

// Plays `music` 1 + `loops` times (negative: until stopped), rising from
// silence to the music volume over `fade_in_ms` (0 or less: at once). The
// piece playing before stops. False for Null or when the decoder fails.
bool PlayMusic(const Ref<TMusic>& music, int32_t loops = 0, int32_t fade_in_ms = 0);
// Stops the music, at once or fading to silence over `fade_out_ms`.
void StopMusic(int32_t fade_out_ms = 0);
void PauseMusic();
void ResumeMusic();
// 0..1 (held to the range, not a number counts as 0); starts at 1.
void SetMusicVolume(float volume);
// True while a piece plays, fades or is paused.
bool MusicPlaying();

}  // namespace tazmix
