// What the platform folder does for the audio module: the output, decoding,
// and the mixer's channels and music, all on the main thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "audio/audio_module.h"
#include "audio/internal/audio_levels.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "runtime/object.h"
#include "stream/stream.h"

namespace tazmix {

// Opens the output once (the system's device, else a silent one, recording
// one line then) and closes it when the process ends.
AudioOutputInfo OpenPlatformOutput();

// Decodes a whole file; Null with the reason noted when the decoder refuses.
Ref<TSound> DecodePlatformSound(const uint8_t* data, size_t size);
// Opens a piece read from `stream` while it plays; Null with the reason noted.
Ref<TMusic> OpenPlatformMusic(const Ref<TStream>& stream);

// The most channels the mixer is given.
inline constexpr int32_t kMostMixerChannels = 256;

// The mixer's channels, indices 0 .. count - 1.
int32_t PlatformChannelCount();
// Asks for `count` channels; answers the count in force.
int32_t SetPlatformChannelCount(int32_t count);
// Playing or paused (a channel whose sound has played out is halted here).
bool PlatformChannelBusy(int32_t index);
// Stops the channel, sets its volume (0..kMixerMaxVolume), gains and pitch
// (a factor in range), then plays `sound` 1 + loops times (negative: forever).
bool PlatformPlay(int32_t index, TSound& sound, int32_t loops, int32_t volume, SideGains gains, float pitch);
void PlatformStop(int32_t index);
void PlatformPause(int32_t index);
void PlatformResume(int32_t index);
void PlatformSetVolume(int32_t index, int32_t volume);
void PlatformSetGains(int32_t index, SideGains gains);
void PlatformSetPitch(int32_t index, float pitch);

bool PlatformPlayMusic(TMusic& music, int32_t loops, int32_t fade_in_ms);
void PlatformStopMusic(int32_t fade_out_ms);
void PlatformPauseMusic();
void PlatformResumeMusic();
void PlatformSetMusicVolume(int32_t volume);
bool PlatformMusicBusy();

}  // namespace tazmix
