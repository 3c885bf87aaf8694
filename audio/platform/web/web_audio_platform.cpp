// The audio module's platform in a browser page: Web Audio. Sounds and music
// are decoded whole by the browser (every format it knows: WAV, Ogg Vorbis,
// Opus, FLAC, MP3; no tracker modules), channels and music play on the graph
// of web_audio_graph.h.
#include <climits>

#include "audio/internal/audio_platform.h"
#include "audio/platform/web/web_audio_graph.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/load_save.h"

namespace tazmix {

namespace {

constexpr int32_t kFirstChannels = 32;
// Web Audio renders in quanta of 128 frames.
constexpr int32_t kRenderQuantum = 128;

// A decoded sound, held by number on the graph's side.
class TWebSound final : public TSound {
 public:
  TWebSound(int32_t id, int32_t milliseconds) : id_(id), milliseconds_(milliseconds) {}
  ~TWebSound() override { ForgetWebSound(id_); }
  int32_t Milliseconds() override { return milliseconds_; }
  int32_t Id() const { return id_; }

 private:
  int32_t id_;
  int32_t milliseconds_;
};

// Music is a sound too here: the browser decodes no stream while it plays.
class TWebMusic final : public TMusic {
 public:
  explicit TWebMusic(Ref<TWebSound> sound) : sound_(std::move(sound)) {}
  int32_t Id() const { return sound_->Id(); }

 private:
  Ref<TWebSound> sound_;
};

Ref<TWebSound> Decode(const uint8_t* data, size_t size) {
  if (!OpenPlatformOutput().open) {
    NoteFailure("there is no audio output to decode for");
    return nullptr;
  }
  if (size > INT_MAX) {
    NoteFailure("the file is too large");
    return nullptr;
  }
  int32_t milliseconds = 0;
  const int32_t id = DecodeWebSound(data, static_cast<int32_t>(size), &milliseconds);
  if (id <= 0) {
    NoteFailure("the browser's decoder refused it");
    return nullptr;
  }
  return New<TWebSound>(id, milliseconds);
}

struct OutputState {
  AudioOutputInfo info;
  bool tried = false;
};

double Level(int32_t step) { return static_cast<double>(step) / kMixerMaxVolume; }

}  // namespace

AudioOutputInfo OpenPlatformOutput() {
  static OutputState state;
  AudioOutputInfo& out = state.info;
  if (state.tried) return out;
  state.tried = true;
  int32_t rate = 0;
  if (!StartWebAudio(&rate)) {
    NoteFailure("InitAudio: no audio output (this page has no Web Audio); sounds cannot be loaded");
    return out;
  }
  SetWebChannelCount(kFirstChannels);
  out.rate = rate;
  out.channels = 2;
  out.buffer_frames = kRenderQuantum;
  out.silent = false;
  out.open = true;
  return out;
}

Ref<TSound> DecodePlatformSound(const uint8_t* data, size_t size) { return Decode(data, size); }

Ref<TMusic> OpenPlatformMusic(const Ref<TStream>& stream) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadAllBytes(*stream);
    stream->Close();
  } catch (const Thrown&) {
    NoteFailure("reading it failed");
    return nullptr;
  }
  Ref<TWebSound> sound = Decode(bytes.data(), bytes.size());
  return sound ? New<TWebMusic>(sound) : nullptr;
}

int32_t PlatformChannelCount() { return OpenPlatformOutput().open ? WebChannelCount() : 0; }
int32_t SetPlatformChannelCount(int32_t count) { return SetWebChannelCount(count); }
bool PlatformChannelBusy(int32_t index) { return WebChannelBusy(index); }

bool PlatformPlay(int32_t index, TSound& sound, int32_t loops, int32_t volume, SideGains gains, float pitch) {
  auto* web_sound = dynamic_cast<TWebSound*>(&sound);
  if (!web_sound || index >= kMostMixerChannels) return false;
  WebChannelPlay(index, web_sound->Id(), loops, Level(volume), gains.left / 255.0, gains.right / 255.0, pitch);
  return true;
}

void PlatformStop(int32_t index) { WebChannelStop(index); }
void PlatformPause(int32_t index) { WebChannelPause(index); }
void PlatformResume(int32_t index) { WebChannelResume(index); }
void PlatformSetVolume(int32_t index, int32_t volume) { WebChannelVolume(index, Level(volume)); }
void PlatformSetGains(int32_t index, SideGains gains) {
  WebChannelGains(index, gains.left / 255.0, gains.right / 255.0);
}
void PlatformSetPitch(int32_t index, float pitch) { WebChannelPitch(index, pitch); }

bool PlatformPlayMusic(TMusic& music, int32_t loops, int32_t fade_in_ms) {
  auto* piece = dynamic_cast<TWebMusic*>(&music);
  if (!piece) return false;
  WebMusicPlay(piece->Id(), loops, fade_in_ms);
  return true;
}

void PlatformStopMusic(int32_t fade_out_ms) { WebMusicStop(fade_out_ms); }
void PlatformPauseMusic() { WebMusicPause(); }
void PlatformResumeMusic() { WebMusicResume(); }
void PlatformSetMusicVolume(int32_t volume) { WebMusicVolume(Level(volume)); }
bool PlatformMusicBusy() { return OpenPlatformOutput().open && WebMusicBusy(); }

}  // namespace tazmix
