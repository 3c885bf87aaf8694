#include "audio/music.h"

#include "audio/audio_module.h"
#include "audio/internal/audio_levels.h"
#include "audio/internal/audio_platform.h"
#include "stream/internal/url_subject.h"
#include "runtime/error_report.h"
#include "stream/stream_factory.h"

namespace tazmix {

namespace {

// The piece playing, kept alive while the mixer reads it. Never destroyed:
// the output closes at exit while this may still hold a piece.
Ref<TMusic>& Playing() {
  static auto* music = new Ref<TMusic>();
  return *music;
}

// Lets go of a piece that has ended.
void DropEnded() {
  if (Playing() && !PlatformMusicBusy()) Playing() = nullptr;
}

}  // namespace

Ref<TMusic> OpenMusic(const Ref<Object>& url) {
  InitAudio();
  DropEnded();
  FailureScope scope("OpenMusic", UrlSubject(url));
  Ref<TStream> stream = ReadStream(url);
  if (!stream) {
    scope.Fail("can't open it");
    return nullptr;
  }
  return scope.Check(OpenPlatformMusic(stream), "it can't be decoded");
}

Ref<TMusic> OpenMusic(const String& url) { return OpenMusic(Ref<Object>(url.AsObject())); }

bool PlayMusic(const Ref<TMusic>& music, int32_t loops, int32_t fade_in_ms) {
  InitAudio();
  if (!music) return false;
  // The piece before stops inside the mixer's call, so it is released after.
  const bool started = PlatformPlayMusic(*music, loops, fade_in_ms);
  Playing() = started ? music : nullptr;
  return started;
}

void StopMusic(int32_t fade_out_ms) {
  InitAudio();
  PlatformStopMusic(fade_out_ms);
  DropEnded();
}

void PauseMusic() {
  InitAudio();
  PlatformPauseMusic();
}

void ResumeMusic() {
  InitAudio();
  PlatformResumeMusic();
}

void SetMusicVolume(float volume) {
  InitAudio();
  PlatformSetMusicVolume(MixerVolume(volume));
}

bool MusicPlaying() {
  InitAudio();
  DropEnded();
  return PlatformMusicBusy();
}

}  // namespace tazmix
