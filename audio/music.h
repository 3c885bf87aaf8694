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
// decoders know. Only its start is read here. Null, with the reason
// recorded, when the URL cannot be opened or no decoder knows the data.
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
