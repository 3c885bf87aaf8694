// Channels: where sounds play. At least 32 play mixed at once (up to 256).
//
// PlaySound starts a sound on a free channel and returns it; the channel
// keeps the sound alive until it ends, so a program may drop both. A program
// that wants a channel of its own (one voice that always cuts off its last
// sound, or volume and pan set before the sound starts) holds one from
// AllocChannel and plays on it; releasing the last reference stops it and
// frees it.
//
// A channel answers for the one play it was returned for: once that sound
// has ended or been stopped, its functions do nothing, even when the mixer
// reuses the place for another sound. Functions given Null do nothing.
// Volume is 0..1 and pan -1 (left) .. 1 (right); values beyond are held to
// the range, and not a number counts as 0.
//
// Pitch is a factor of the playback speed: 2 plays a sound twice as fast, so
// in half the time and an octave higher; 0.5 twice as long, an octave lower;
// 1 (the start) as it is. Factors from MIN_PITCH to MAX_PITCH are taken;
// beyond them they are held to the range, and 0, a negative factor or not a
// number is refused (the pitch stays); both record a line saying so.
#pragma once

#include <cstdint>

#include "sound.h"
#include "../runtime/object.h"

namespace tazmix {

// As `loops`: the sound repeats until stopped (so does any negative count).
inline constexpr int32_t LOOP_FOREVER = -1;

inline constexpr float MIN_PITCH = 1.0f / 16;
inline constexpr float MAX_PITCH = 16;

// How a sound starts on a free channel, from its first frame:
//   PlaySound(shot, {.volume = 0.5f, .pitch = 1.2f});
struct PlayOptions {
  int32_t loops = 0;  // repeats after the first play; LOOP_FOREVER: until stopped
  float volume = 1;
  float pan = 0;
  float pitch = 1;
};

class TChannel final : public Object {
 public:
  TChannel(int32_t index, uint32_t generation, bool held);
  ~TChannel() override;

  void Stop();
  // A paused channel keeps its place in the sound and still counts as playing.
  void Pause();
  void Resume();
  // Change at once, also while the sound plays; a held channel keeps them for
  // its next sounds.
  void SetVolume(float volume);
  void SetPan(float pan);
  void SetPitch(float pitch);
  // True from the start until the sound has played all its loops or was
  // stopped (paused counts as playing).
  bool Playing();

  float Volume() const { return _volume; }
  float Pan() const { return _pan; }
  float Pitch() const { return _pitch; }
  bool Held() const { return _held; }

 private:
  friend Ref<TChannel> PlaySound(const Ref<TSound>&, const PlayOptions&);
  friend Ref<TChannel> PlaySound(const Ref<TSound>&, const Ref<TChannel>&, int32_t);
  // Whether the mixer's channel still carries this channel's play.
  bool Current() const;
  // Starts a new play of `sound` here; false when the mixer refused it.
  bool Play(const Ref<TSound>& sound, int32_t loops);

  int32_t _index;
  uint32_t _generation;
  bool _held;
  float _volume = 1;
  float _pan = 0;
  float _pitch = 1;
};

// A channel held for the program; Null only when the mixer has no place left.
Ref<TChannel> AllocChannel();

// Plays `sound` on a free channel and returns that channel; Null for a Null
// sound, a refused pitch, or when every channel is busy.
Ref<TChannel> PlaySound(const Ref<TSound>& sound, const PlayOptions& options);
// The same 1 + `loops` times, at full volume, centred and at pitch 1.
Ref<TChannel> PlaySound(const Ref<TSound>& sound, int32_t loops = 0);
// The same on `channel`: a held channel (or one whose sound has not ended)
// stops what it plays and starts `sound` with its own volume, pan and pitch;
// any other channel (Null, or one whose sound has ended or was stopped) is
// replaced by a free one, which is returned; the old handle stays silent.
Ref<TChannel> PlaySound(const Ref<TSound>& sound, const Ref<TChannel>& channel, int32_t loops = 0);

inline void StopChannel(const Ref<TChannel>& c) { if (c) c->Stop(); }
inline void PauseChannel(const Ref<TChannel>& c) { if (c) c->Pause(); }
inline void ResumeChannel(const Ref<TChannel>& c) { if (c) c->Resume(); }
inline void SetChannelVolume(const Ref<TChannel>& c, float volume) { if (c) c->SetVolume(volume); }
inline void SetChannelPan(const Ref<TChannel>& c, float pan) { if (c) c->SetPan(pan); }
inline void SetChannelPitch(const Ref<TChannel>& c, float pitch) { if (c) c->SetPitch(pitch); }
inline bool ChannelPlaying(const Ref<TChannel>& c) { return c && c->Playing(); }

}  // namespace tazmix
