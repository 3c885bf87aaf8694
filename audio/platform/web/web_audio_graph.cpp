#include "audio/platform/web/web_audio_graph.h"

#include <emscripten.h>

namespace tazmix {

namespace {

// The graph's JavaScript, installed on first use. A play is an
// AudioBufferSourceNode (Web Audio's sources play once): pausing keeps the
// place and ends the source, resuming starts a new one there. Each channel
// runs source -> volume -> two sides (split, a gain each, merged) -> output,
// so panning lowers one side and keeps the other whole, as on every
// platform; a mono sound reaches both sides.
EM_JS(int, InstallWebAudio, (), {
  if (Module.tazmixAudio !== undefined) return Module.tazmixAudio ? 1 : 0;
  var Context = typeof AudioContext !== 'undefined' ? AudioContext :
                typeof webkitAudioContext !== 'undefined' ? webkitAudioContext : null;
  if (!Context) { Module.tazmixAudio = null; return 0; }
  var context = new Context({latencyHint: 'interactive'});
  var wake = function() { if (context.state === 'suspended') context.resume(); };
  ['pointerdown', 'keydown', 'touchstart'].forEach(function(kind) {
    window.addEventListener(kind, wake, {capture: true});
  });

  function Path(volumeValue) {
    this.volume = context.createGain();
    this.volume.gain.value = volumeValue;
    this.volume.channelCount = 2;
    this.volume.channelCountMode = 'explicit';
    this.volume.channelInterpretation = 'speakers';
    this.split = context.createChannelSplitter(2);
    this.left = context.createGain();
    this.right = context.createGain();
    this.merge = context.createChannelMerger(2);
    this.volume.connect(this.split);
    this.split.connect(this.left, 0);
    this.split.connect(this.right, 1);
    this.left.connect(this.merge, 0, 0);
    this.right.connect(this.merge, 0, 1);
    this.merge.connect(context.destination);
    this.source = null;
    this.buffer = null;
    this.forever = false;
    this.rate = 1;        // the pitch: a factor of the playback speed
    this.startedAt = 0;   // context time the play would have started at this rate, pauses taken out
    this.endAt = 0;       // context time the play ends (Infinity: never)
    this.pausedAt = -1;   // context time of the pause, -1 when not paused
  }
  Path.prototype.start = function(buffer, loops, rate, input) {
    this.stop();
    this.buffer = buffer;
    this.forever = loops < 0;
    this.rate = rate;
    var now = context.currentTime;
    this.startedAt = now;
    this.endAt = this.forever ? Infinity : now + buffer.duration * (loops + 1) / rate;
    this.begin(0, input);
  };
  // The place in the sound (seconds of it) at context time `time`.
  Path.prototype.place = function(time) {
    return ((time - this.startedAt) * this.rate) % this.buffer.duration;
  };
  Path.prototype.setRate = function(rate) {
    var now = this.pausedAt >= 0 ? this.pausedAt : context.currentTime;
    if (this.buffer) {
      var played = (now - this.startedAt) * this.rate;
      this.startedAt = now - played / rate;
      if (!this.forever) this.endAt = now + (this.endAt - now) * this.rate / rate;
    }
    this.rate = rate;
    if (this.source && this.pausedAt < 0) {
      this.source.playbackRate.value = rate;
      if (!this.forever) { try { this.source.stop(this.endAt); } catch (e) {} }
    }
  };
  Path.prototype.begin = function(offset, input) {
    var source = context.createBufferSource();
    source.buffer = this.buffer;
    source.playbackRate.value = this.rate;
    source.loop = this.forever || (this.endAt - context.currentTime) * this.rate > this.buffer.duration - offset + 1e-6;
    source.connect(input || this.volume);
    source.start(0, offset);
    if (!this.forever) source.stop(this.endAt);
    this.source = source;
    this.pausedAt = -1;
  };
  Path.prototype.stop = function() {
    if (this.source) { try { this.source.stop(); } catch (e) {} this.source.disconnect(); }
    this.source = null;
    this.endAt = 0;
    this.pausedAt = -1;
  };
  Path.prototype.busy = function() {
    return this.pausedAt >= 0 || (this.source !== null && context.currentTime < this.endAt);
  };
  Path.prototype.pause = function() {
    if (!this.source || this.pausedAt >= 0 || !this.busy()) return;
    this.pausedAt = context.currentTime;
    try { this.source.stop(); } catch (e) {}
    this.source.disconnect();
  };
  Path.prototype.resume = function(input) {
    if (this.pausedAt < 0) return;
    var now = context.currentTime, held = now - this.pausedAt;
    this.startedAt += held;
    if (!this.forever) this.endAt += held;
    this.begin(this.place(now), input);
  };

  var music = new Path(1);
  music.fade = context.createGain();
  music.fade.connect(music.volume);
  Module.tazmixAudio = {context: context, Path: Path, sounds: new Map(), next: 1, channels: [], music: music};
  return 1;
});

EM_JS(int, WebAudioRate, (), { return Module.tazmixAudio.context.sampleRate | 0; });

// The heap may grow while the browser decodes: the length is written after.
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

}  // namespace

bool StartWebAudio(int32_t* rate) {
  if (!InstallWebAudio()) return false;
  *rate = WebAudioRate();
  return true;
}

int32_t DecodeWebSound(const uint8_t* data, int32_t size, int32_t* milliseconds) {
  if (!emscripten_has_asyncify()) return 0;
  return DecodeSoundInBrowser(data, size, milliseconds);
}

void ForgetWebSound(int32_t sound) { ForgetInBrowser(sound); }

int32_t WebChannelCount() { return ChannelCount(); }
int32_t SetWebChannelCount(int32_t count) { return SetChannelCount(count); }
bool WebChannelBusy(int32_t channel) { return ChannelBusy(channel) != 0; }
void WebChannelPlay(int32_t channel, int32_t sound, int32_t loops, double volume, double left, double right,
                    double pitch) {
  ChannelPlay(channel, sound, loops, volume, left, right, pitch);
}
void WebChannelPitch(int32_t channel, double pitch) { ChannelPitch(channel, pitch); }
void WebChannelStop(int32_t channel) { ChannelStop(channel); }
void WebChannelPause(int32_t channel) { ChannelPause(channel); }
void WebChannelResume(int32_t channel) { ChannelResume(channel); }
void WebChannelVolume(int32_t channel, double volume) { ChannelVolume(channel, volume); }
void WebChannelGains(int32_t channel, double left, double right) { ChannelGains(channel, left, right); }

void WebMusicPlay(int32_t sound, int32_t loops, int32_t fade_in_ms) { MusicPlay(sound, loops, fade_in_ms); }
void WebMusicStop(int32_t fade_out_ms) { MusicStop(fade_out_ms); }
void WebMusicPause() { MusicPause(); }
void WebMusicResume() { MusicResume(); }
void WebMusicVolume(double volume) { MusicVolume(volume); }
bool WebMusicBusy() { return MusicBusy() != 0; }

}  // namespace tazmix
