#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>

#include "audio/internal/audio_platform.h"
#include "audio/platform/stream_rwops.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"

namespace tazmix {

namespace {

// A piece the mixer decodes from the library stream it keeps open.
class TMixerMusic final : public TMusic {
 public:
  TMixerMusic(Ref<TStream> stream, SDL_RWops* rw, Mix_Music* music)
      : stream_(std::move(stream)), rw_(rw), music_(music) {}
  ~TMixerMusic() override {
    // Freeing stops the piece if it plays; only then may its source go.
    Mix_FreeMusic(music_);
    SDL_FreeRW(rw_);
    try {
      stream_->Close();
    } catch (const Thrown&) {
      // A failing close must not escape a destructor.
    }
  }
  Mix_Music* Music() const { return music_; }

 private:
  Ref<TStream> stream_;
  SDL_RWops* rw_;
  Mix_Music* music_;
};

}  // namespace

Ref<TMusic> OpenPlatformMusic(const Ref<TStream>& stream) {
  if (!OpenPlatformOutput().open) {
    NoteFailure("there is no audio output to play on");
    return nullptr;
  }
  SDL_RWops* rw = StreamRWops(*stream);
  if (!rw) {
    NoteFailure("out of memory");
    return nullptr;
  }
  Mix_Music* music = Mix_LoadMUS_RW(rw, 0);
  if (!music) {
    NoteFailure(String("the decoder refused it: ") + String::FromUTF8String(Mix_GetError()));
    SDL_FreeRW(rw);
    return nullptr;
  }
  return New<TMixerMusic>(stream, rw, music);
}

bool PlatformPlayMusic(TMusic& music, int32_t loops, int32_t fade_in_ms) {
  auto* piece = dynamic_cast<TMixerMusic*>(&music);
  if (!piece) return false;
  // The mixer counts plays for music (0 and 1: once), not repeats.
  const int plays = loops < 0 ? -1 : loops >= INT_MAX - 1 ? INT_MAX : loops + 1;
  return Mix_FadeInMusic(piece->Music(), plays, fade_in_ms > 0 ? fade_in_ms : 0) == 0;
}

void PlatformStopMusic(int32_t fade_out_ms) {
  if (fade_out_ms > 0 && (Mix_FadeOutMusic(fade_out_ms) || Mix_FadingMusic() == MIX_FADING_OUT)) return;
  Mix_HaltMusic();
}

void PlatformPauseMusic() { Mix_PauseMusic(); }
void PlatformResumeMusic() { Mix_ResumeMusic(); }
void PlatformSetMusicVolume(int32_t volume) { Mix_VolumeMusic(volume); }
bool PlatformMusicBusy() { return Mix_PlayingMusic() != 0; }

}  // namespace tazmix
