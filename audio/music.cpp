#include "audio/music.h"

#include <cstring>
#include <vector>

#include "audio/audio_module.h"
#include "audio/internal/audio_file_check.h"
#include "audio/internal/audio_levels.h"
#include "audio/internal/audio_platform.h"
#include "stream/internal/url_subject.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/stream_exception.h"
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

// Pieces up to this size are read whole at open and checked as sounds are;
// longer ones only as far as their start tells (a WAV file's chunks), so a
// long piece is not read twice before it plays.
constexpr int32_t kMostCheckedBytes = 32 << 20;
// The start of a longer piece that is read for its check.
constexpr int32_t kCheckedStart = 64 << 10;

// Up to `count` bytes from `stream`, fewer when it ends first.
std::vector<uint8_t> ReadUpTo(TStream& stream, int32_t count) {
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  int32_t got = 0;
  while (got < count) {
    const int32_t n = stream.Read(bytes.data() + got, count - got);
    if (n <= 0) break;
    got += n;
  }
  bytes.resize(static_cast<size_t>(got));
  return bytes;
}

// Why the piece `stream` holds from its position on is cut off or damaged,
// as far as can be told before it plays; nullptr when it looks whole or
// cannot be told (a stream without a size). The stream is left where it was.
const char* PieceFault(TStream& stream) {
  const int32_t start = stream.Pos();
  const int32_t size = stream.Size();
  if (start < 0 || size < start) return nullptr;
  const int32_t length = size - start;
  const bool whole = length <= kMostCheckedBytes;
  const int32_t wanted = whole ? length : kCheckedStart;
  const std::vector<uint8_t> bytes = ReadUpTo(stream, wanted);
  if (stream.Seek(start) != start) return "it can't be read again from its start";
  if (bytes.size() < static_cast<size_t>(wanted)) return "reading it failed";
  if (whole) return AudioFileFault(bytes.data(), bytes.size());
  if (std::memcmp(bytes.data(), "RIFF", 4) != 0) return nullptr;
  return WaveFileFault(bytes.data(), bytes.size(), static_cast<size_t>(length));
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
  try {
    if (const char* fault = PieceFault(*stream)) {
      scope.Fail(fault);
      return nullptr;
    }
  } catch (const Thrown& thrown) {
    if (!thrown.As<TStreamException>()) throw;
    scope.Fail("reading it failed");
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
