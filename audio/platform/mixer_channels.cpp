#include <array>
#include <vector>

#include "audio/internal/audio_platform.h"
#include "audio/internal/voice.h"
#include "audio/platform/mixer_sound.h"

namespace tazmix {

namespace {

// Every channel plays the same looping buffer of silence, and an effect of
// ours writes over it what the channel's voice reads from the sound at the
// channel's pitch: the mixer has no pitch of its own. The mixer still does
// the rest (volume, pan, pause, mixing). The voice tells when the sound has
// played out; the channel is halted on the main thread when asked about it.
struct MixerChannels {
  std::array<Voice, kMostMixerChannels> voices;
  std::vector<uint8_t> silence = std::vector<uint8_t>(4096);
  Mix_Chunk* carrier = nullptr;
};

MixerChannels& State() {
  // Never destroyed: the audio thread may run until the output closes at exit.
  static auto* state = new MixerChannels();
  return *state;
}

Voice& VoiceOf(int32_t index) { return State().voices[static_cast<size_t>(index)]; }

void SDLCALL RenderVoice(int, void* stream, int len, void* voice) {
  // The output is 16-bit stereo, as it was opened.
  static_cast<Voice*>(voice)->Render(static_cast<int16_t*>(stream), len / 4);
}

}  // namespace

void PlatformSetVolume(int32_t index, int32_t volume) { Mix_Volume(index, volume); }

void PlatformSetGains(int32_t index, SideGains gains) { Mix_SetPanning(index, gains.left, gains.right); }

void PlatformSetPitch(int32_t index, float pitch) { VoiceOf(index).SetPitch(pitch); }

bool PlatformPlay(int32_t index, TSound& sound, int32_t loops, int32_t volume, SideGains gains, float pitch) {
  auto* mixer_sound = dynamic_cast<TMixerSound*>(&sound);
  if (!mixer_sound || index >= kMostMixerChannels) return false;
  MixerChannels& state = State();
  if (!state.carrier) {
    state.carrier = Mix_QuickLoad_RAW(state.silence.data(), static_cast<Uint32>(state.silence.size()));
    if (!state.carrier) return false;
  }
  // The channel is stopped and its effects set afresh (a pan set while it
  // was idle may be there already): the voice first, then the pan, which
  // works on what the voice wrote. The sound then starts panned from its
  // first frame.
  Mix_HaltChannel(index);
  Mix_UnregisterAllEffects(index);
  const Mix_Chunk* chunk = mixer_sound->Chunk();
  Voice& voice = VoiceOf(index);
  voice.Start(reinterpret_cast<const int16_t*>(chunk->abuf), chunk->alen / 4, loops, pitch);
  PlatformSetVolume(index, volume);
  if (!Mix_RegisterEffect(index, RenderVoice, nullptr, &voice)) return false;
  PlatformSetGains(index, gains);
  return Mix_PlayChannel(index, state.carrier, -1) == index;
}

void StopVoicesReading(const Mix_Chunk* chunk) {
  if (!OpenPlatformOutput().open) return;
  const auto* frames = reinterpret_cast<const int16_t*>(chunk->abuf);
  const int32_t count = PlatformChannelCount();
  for (int32_t i = 0; i < count && i < kMostMixerChannels; ++i) {
    if (VoiceOf(i).Source() == frames && Mix_Playing(i)) Mix_HaltChannel(i);
  }
}

int32_t PlatformChannelCount() { return Mix_AllocateChannels(-1); }
int32_t SetPlatformChannelCount(int32_t count) { return Mix_AllocateChannels(count); }

bool PlatformChannelBusy(int32_t index) {
  if (!Mix_Playing(index)) return false;
  if (!VoiceOf(index).Ended()) return true;
  Mix_HaltChannel(index);
  return false;
}

void PlatformStop(int32_t index) { Mix_HaltChannel(index); }
void PlatformPause(int32_t index) { Mix_Pause(index); }
void PlatformResume(int32_t index) { Mix_Resume(index); }

}  // namespace tazmix
