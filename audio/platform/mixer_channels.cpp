#include "audio/internal/audio_platform.h"
#include "audio/platform/mixer_sound.h"

namespace tazmix {

void PlatformSetVolume(int32_t index, int32_t volume) { Mix_Volume(index, volume); }

void PlatformSetGains(int32_t index, SideGains gains) { Mix_SetPanning(index, gains.left, gains.right); }

bool PlatformPlay(int32_t index, TSound& sound, int32_t loops, int32_t volume, SideGains gains) {
  auto* mixer_sound = dynamic_cast<TMixerSound*>(&sound);
  if (!mixer_sound) return false;
  // The mixer drops a channel's effects (the pan) when its sound ends or is
  // replaced, so the channel is stopped first and the pan set on the idle
  // channel: the sound then starts panned from its first frame.
  Mix_HaltChannel(index);
  PlatformSetVolume(index, volume);
  PlatformSetGains(index, gains);
  return Mix_PlayChannel(index, mixer_sound->Chunk(), loops < 0 ? -1 : loops) == index;
}

int32_t PlatformChannelCount() { return Mix_AllocateChannels(-1); }
int32_t SetPlatformChannelCount(int32_t count) { return Mix_AllocateChannels(count); }
bool PlatformChannelBusy(int32_t index) { return Mix_Playing(index) != 0; }
void PlatformStop(int32_t index) { Mix_HaltChannel(index); }
void PlatformPause(int32_t index) { Mix_Pause(index); }
void PlatformResume(int32_t index) { Mix_Resume(index); }

}  // namespace tazmix
