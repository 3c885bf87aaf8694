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

}  // namespace

bool StartWebAudio(int32_t* rate) {
  if (!InstallWebAudio()) return false;
  *rate = WebAudioRate();
  return true;
}

}  // namespace tazmix
