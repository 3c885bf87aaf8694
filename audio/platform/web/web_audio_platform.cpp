// The audio module's platform in a browser page: Web Audio. Sounds and music
// are decoded whole by the browser (every format it knows: WAV, Ogg Vorbis,
// Opus, FLAC, MP3; no tracker modules), channels and music play on the graph
// of web_audio_graph.h, which the functions here drive.
#include <emscripten.h>

#include <climits>

#include "audio/internal/audio_platform.h"
#include "audio/platform/web/web_audio_graph.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/load_save.h"

namespace tazmix {

namespace {

// The graph's JavaScript stays as written: formatted as C++ it would break.
// clang-format off

// Decodes a whole file with the browser's decoders (decodeAudioData): the
// sound's number (> 0) and its length in milliseconds, or 0 when the browser
// refused the file. The heap may grow while the browser decodes: the length
// is written after.
EM_ASYNC_JS(int, DecodeSoundInBrowser, (const uint8_t* data, int size, int* milliseconds), {
  var audio = Module.tazmixAudio;
  var buffer;
  try {
    buffer = await audio.context.decodeAudioData(HEAPU8.slice(data, data + size).buffer);
  } catch (e) {
    return 0;
  }
  if (!buffer || buffer.length === 0) return 0;
  var id = audio.next++;
  audio.sounds.set(id, buffer);
  HEAP32[milliseconds >> 2] = Math.floor(buffer.length * 1000 / buffer.sampleRate);
  return id;
});

EM_JS(void, ForgetInBrowser, (int sound), { Module.tazmixAudio.sounds.delete(sound); });

EM_JS(int, ChannelCount, (), { return Module.tazmixAudio.channels.length; });
EM_JS(int, SetChannelCount, (int count), {
  var audio = Module.tazmixAudio;
  while (audio.channels.length > count) audio.channels.pop().stop();
  while (audio.channels.length < count) audio.channels.push(new audio.Path(1));
  return audio.channels.length;
});
EM_JS(int, ChannelBusy, (int channel), {
  var path = Module.tazmixAudio.channels[channel];
  return path && path.busy() ? 1 : 0;
});
// Plays `sound` 1 + loops times (negative: until stopped), at `volume`
// (0..1) with the sides' gains (0..1) and `pitch` (a factor of the speed).
EM_JS(void, ChannelPlay, (int channel, int sound, int loops, double volume, double left, double right, double pitch), {
  var audio = Module.tazmixAudio, path = audio.channels[channel], buffer = audio.sounds.get(sound);
  if (!path || !buffer) return;
  path.volume.gain.value = volume;
  path.left.gain.value = left;
  path.right.gain.value = right;
  path.start(buffer, loops, pitch);
});
EM_JS(void, ChannelPitch, (int channel, double pitch), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) path.setRate(pitch);
});
EM_JS(void, ChannelStop, (int channel), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) path.stop();
});
EM_JS(void, ChannelPause, (int channel), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) path.pause();
});
EM_JS(void, ChannelResume, (int channel), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) path.resume();
});
EM_JS(void, ChannelVolume, (int channel, double volume), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) path.volume.gain.value = volume;
});
EM_JS(void, ChannelGains, (int channel, double left, double right), {
  var path = Module.tazmixAudio.channels[channel];
  if (path) { path.left.gain.value = left; path.right.gain.value = right; }
});

// Music: one sound at a time on a path of its own, with fades.
EM_JS(void, MusicPlay, (int sound, int loops, int fade_in_ms), {
  var audio = Module.tazmixAudio, music = audio.music, buffer = audio.sounds.get(sound);
  if (!buffer) return;
  var gain = music.fade.gain, now = audio.context.currentTime;
  gain.cancelScheduledValues(now);
  gain.setValueAtTime(fade_in_ms > 0 ? 0 : 1, now);
  if (fade_in_ms > 0) gain.linearRampToValueAtTime(1, now + fade_in_ms / 1000);
  music.start(buffer, loops, 1, music.fade);
});
EM_JS(void, MusicStop, (int fade_out_ms), {
  var audio = Module.tazmixAudio, music = audio.music;
  if (fade_out_ms <= 0 || !music.busy() || music.pausedAt >= 0) { music.stop(); return; }
  var gain = music.fade.gain, now = audio.context.currentTime, end = now + fade_out_ms / 1000;
  if (end >= music.endAt) return;  // it ends before the fade would
  gain.cancelScheduledValues(now);
  gain.setValueAtTime(gain.value, now);
  gain.linearRampToValueAtTime(0, end);
  music.endAt = end;
  music.forever = false;
  music.source.stop(end);
});
EM_JS(void, MusicPause, (), { Module.tazmixAudio.music.pause(); });
EM_JS(void, MusicResume, (), {
  var music = Module.tazmixAudio.music;
  music.resume(music.fade);
});
EM_JS(void, MusicVolume, (double volume), { Module.tazmixAudio.music.volume.gain.value = volume; });
EM_JS(int, MusicBusy, (), { return Module.tazmixAudio.music.busy() ? 1 : 0; });

// clang-format on

constexpr int32_t kFirstChannels = 32;
// Web Audio renders in quanta of 128 frames.
constexpr int32_t kRenderQuantum = 128;

// A decoded sound, held by number on the graph's side.
class TWebSound final : public TSound {
 public:
  TWebSound(int32_t id, int32_t milliseconds) : id_(id), milliseconds_(milliseconds) {}
  ~TWebSound() override { ForgetInBrowser(id_); }
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
  // A program without Asyncify (a test under node) cannot wait for the
  // browser's decoder.
  const int32_t id = emscripten_has_asyncify() ? DecodeSoundInBrowser(data, static_cast<int32_t>(size), &milliseconds)
                                               : 0;
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
  SetChannelCount(kFirstChannels);
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

int32_t PlatformChannelCount() { return OpenPlatformOutput().open ? ChannelCount() : 0; }
int32_t SetPlatformChannelCount(int32_t count) { return SetChannelCount(count); }
bool PlatformChannelBusy(int32_t index) { return ChannelBusy(index) != 0; }

bool PlatformPlay(int32_t index, TSound& sound, int32_t loops, int32_t volume, SideGains gains, float pitch) {
  auto* web_sound = dynamic_cast<TWebSound*>(&sound);
  if (!web_sound || index >= kMostMixerChannels) return false;
  ChannelPlay(index, web_sound->Id(), loops, Level(volume), gains.left / 255.0, gains.right / 255.0, pitch);
  return true;
}

void PlatformStop(int32_t index) { ChannelStop(index); }
void PlatformPause(int32_t index) { ChannelPause(index); }
void PlatformResume(int32_t index) { ChannelResume(index); }
void PlatformSetVolume(int32_t index, int32_t volume) { ChannelVolume(index, Level(volume)); }
void PlatformSetGains(int32_t index, SideGains gains) { ChannelGains(index, gains.left / 255.0, gains.right / 255.0); }
void PlatformSetPitch(int32_t index, float pitch) { ChannelPitch(index, pitch); }

bool PlatformPlayMusic(TMusic& music, int32_t loops, int32_t fade_in_ms) {
  auto* piece = dynamic_cast<TWebMusic*>(&music);
  if (!piece) return false;
  MusicPlay(piece->Id(), loops, fade_in_ms);
  return true;
}

// Without an output there is no graph to reach: the music calls do nothing,
// as they would with no music playing.
void PlatformStopMusic(int32_t fade_out_ms) {
  if (OpenPlatformOutput().open) MusicStop(fade_out_ms);
}
void PlatformPauseMusic() {
  if (OpenPlatformOutput().open) MusicPause();
}
void PlatformResumeMusic() {
  if (OpenPlatformOutput().open) MusicResume();
}
void PlatformSetMusicVolume(int32_t volume) {
  if (OpenPlatformOutput().open) MusicVolume(Level(volume));
}
bool PlatformMusicBusy() { return OpenPlatformOutput().open && MusicBusy() != 0; }

}  // namespace tazmix
