#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <string>

#include "audio/internal/audio_platform.h"
#include "runtime/application.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

constexpr int kRate = 48000;
constexpr int kChannels = 2;
// 1024 frames at 48 kHz are 21.3 ms: under 25 ms of latency.
constexpr int kBufferFrames = 1024;
constexpr int kFirstMixerChannels = 32;

struct OutputState {
  AudioOutputInfo info;
  bool tried = false;
};

OutputState& State() {
  static OutputState state;
  return state;
}

// Opens the mixer on the audio driver SDL picks (SDL_AUDIODRIVER or the
// first that works); the reason in `why` when it fails.
bool OpenMixer(std::string* why) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    *why = SDL_GetError();
    return false;
  }
  // No format changes allowed: SDL converts, so the mixer always works in
  // the format the buffer size was chosen for.
  if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
    *why = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

void CloseAtExit() {
  AudioOutputInfo& out = State().info;
  if (!out.open) return;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  out.open = false;
}

}  // namespace

AudioOutputInfo OpenPlatformOutput() {
  if (State().tried) return State().info;
  State().tried = true;
  AudioOutputInfo& out = State().info;

  std::string why;
  bool open = OpenMixer(&why);
  if (!open) {
    // No device: SDL's silent driver keeps every function working.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    std::string silent_why;
    open = OpenMixer(&silent_why);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    NoteFailure(String::FromUTF8String(
        open ? "InitAudio: no audio device (" + why + "); sound plays silently"
             : "InitAudio: no audio output (" + why + "; " + silent_why + "); sounds cannot be loaded"));
  }
  if (!open) return out;

  Mix_Init(MIX_INIT_FLAC | MIX_INIT_MOD | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_OPUS);
  Mix_AllocateChannels(kFirstMixerChannels);
  int rate = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&rate, &format, &channels);
  const char* driver = SDL_GetCurrentAudioDriver();
  out.rate = rate;
  out.channels = channels;
  out.buffer_frames = kBufferFrames;
  out.silent = !driver || std::strcmp(driver, "dummy") == 0;
  out.open = true;
  RegisterExitHandler(CloseAtExit);
  return out;
}

}  // namespace tazmix
