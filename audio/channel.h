/// \file
/// Channels: where sounds play. At least 32 play mixed at once (up to 256).
///
/// PlaySound starts a sound on a free channel and returns it; the channel
/// keeps the sound alive until it ends, so a program may drop both. A program
/// that wants a channel of its own (one voice that always cuts off its last
/// sound, or volume and pan set before the sound starts) holds one from
/// AllocChannel and plays on it; releasing the last reference stops it and
/// frees it.
///
/// A channel answers for the one play it was returned for: once that sound
/// has ended or been stopped, its functions do nothing, even when the mixer
/// reuses the place for another sound. Functions given Null do nothing.
/// Volume is 0..1 and pan -1 (left) .. 1 (right); values beyond are held to
/// the range, and not a number counts as 0.
///
/// Pitch is a factor of the playback speed: 2 plays a sound twice as fast, so
/// in half the time and an octave higher; 0.5 twice as long, an octave lower;
/// 1 (the start) as it is. Factors from MIN_PITCH to MAX_PITCH are taken;
/// beyond them they are held to the range, and 0, a negative factor or not a
/// number is refused (the pitch stays); both record a line saying so, e.g.
/// `PlaySound: pitch 40 is beyond 0.0625 .. 16; held to 16`.
///
/// \code{.cpp}
/// tazmix::PlaySound(shot);                                      // fire and forget
/// tazmix::PlaySound(shot, {.volume = 0.5f, .pitch = 1.2f});     // higher and softer
/// tazmix::Ref<tazmix::TChannel> engine = tazmix::AllocChannel();  // a voice of our own
/// tazmix::SetChannelVolume(engine, 0.3f);
/// tazmix::PlaySound(hum, engine, tazmix::LOOP_FOREVER);
/// tazmix::SetChannelPitch(engine, 1 + speed / 100);             // while it plays
/// \endcode
/// \ingroup audio
/// \since 1.0
#pragma once

#include <cstdint>

#include "sound.h"
#include "../runtime/object.h"

namespace tazmix {

/// As `loops`: the sound repeats until stopped (so does any negative count). \since 1.0
inline constexpr int32_t LOOP_FOREVER = -1;

/// The lowest pitch factor taken (1/16: four octaves down). \since 1.1
inline constexpr float MIN_PITCH = 1.0f / 16;
/// The highest pitch factor taken (16: four octaves up). \since 1.1
inline constexpr float MAX_PITCH = 16;

/// How a sound starts on a free channel, from its first frame:
/// \code{.cpp}
/// PlaySound(shot, {.volume = 0.5f, .pitch = 1.2f});
/// \endcode
/// \since 1.1
struct PlayOptions {
  /// Repeats after the first play; LOOP_FOREVER: until stopped. \since 1.1
  int32_t loops = 0;
  /// 0..1. \since 1.1
  float volume = 1;
  /// -1 (left) .. 1 (right). \since 1.1
  float pan = 0;
  /// The speed factor, MIN_PITCH .. MAX_PITCH. \since 1.1
  float pitch = 1;
};

/// One place where a sound plays; see the file overview for what a handle
/// answers for.
/// \since 1.0
class TChannel final : public Object {
 public:
  /// Made by AllocChannel and PlaySound; programs do not construct channels.
  /// \param index the mixer channel, -1 for none.
  /// \param generation the play it answers for.
  /// \param held true for a channel the program holds.
  /// \since 1.0
  TChannel(int32_t index, uint32_t generation, bool held);
  /// A held channel stops its sound and becomes free again. \since 1.0
  ~TChannel() override;

  /// Stops the sound. \since 1.0
  void Stop();
  /// Pauses; a paused channel keeps its place in the sound and still counts as
  /// playing. \since 1.0
  void Pause();
  /// Resumes a paused sound. \since 1.0
  void Resume();
  /// Sets the volume, at once, also while the sound plays; a held channel keeps
  /// it for its next sounds.
  /// \param volume 0..1, held to the range; not a number counts as 0.
  /// \since 1.0
  void SetVolume(float volume);
  /// Sets the pan, at once; a held channel keeps it for its next sounds.
  /// \param pan -1 (left) .. 1 (right), held to the range; not a number counts as 0.
  /// \since 1.0
  void SetPan(float pan);
  /// Sets the pitch, at once; a held channel keeps it for its next sounds.
  /// \param pitch the speed factor; beyond MIN_PITCH .. MAX_PITCH it is held to
  ///   the range, and 0, a negative factor or not a number is refused (the
  ///   pitch stays), each with a line such as
  ///   `SetChannelPitch: pitch 0 is not a positive factor; refused`.
  /// \since 1.1
  void SetPitch(float pitch);
  /// \return true from the start until the sound has played all its loops or
  ///   was stopped (paused counts as playing). \since 1.0
  bool Playing();

  /// \return the volume, 0..1. \since 1.0
  float Volume() const { return volume_; }
  /// \return the pan, -1..1. \since 1.0
  float Pan() const { return pan_; }
  /// \return the pitch factor. \since 1.1
  float Pitch() const { return pitch_; }
  /// \return true for a channel from AllocChannel. \since 1.0
  bool Held() const { return held_; }

 private:
  /// \cond
  friend Ref<TChannel> PlaySound(const Ref<TSound>&, const PlayOptions&);
  friend Ref<TChannel> PlaySound(const Ref<TSound>&, const Ref<TChannel>&, int32_t);
  /// \endcond
  // Whether the mixer's channel still carries this channel's play.
  bool Current() const;
  // Starts a new play of `sound` here; false when the mixer refused it.
  bool Play(const Ref<TSound>& sound, int32_t loops);

  int32_t index_;
  uint32_t generation_;
  bool held_;
  float volume_ = 1;
  float pan_ = 0;
  float pitch_ = 1;
};

/// A channel held for the program: it plays only what the program plays on it
/// and keeps its volume, pan and pitch between sounds.
/// \return the channel; Null only when the mixer has no place left, with the
///   line `AllocChannel: every channel is held or busy`. Without an audio
///   output it is a channel that does nothing.
/// \since 1.0
Ref<TChannel> AllocChannel();

/// Plays a sound on a free channel, started with the given options.
/// \param sound the sound.
/// \param options loops, volume, pan and pitch.
/// \return that channel; Null for a Null sound, a refused pitch (with its
///   line), or when every channel is busy, with the line
///   `PlaySound: every channel is held or busy`.
/// \since 1.1
Ref<TChannel> PlaySound(const Ref<TSound>& sound, const PlayOptions& options);
/// Plays a sound on a free channel at full volume, centred and at pitch 1.
/// \param sound the sound.
/// \param loops repeats after the first play; LOOP_FOREVER: until stopped.
/// \return that channel; Null for a Null sound or when every channel is busy
///   (with its line).
/// \since 1.0
Ref<TChannel> PlaySound(const Ref<TSound>& sound, int32_t loops = 0);
/// Plays a sound on a given channel: a held channel (or one whose sound has
/// not ended) stops what it plays and starts `sound` with its own volume, pan
/// and pitch; any other channel (Null, or one whose sound has ended or was
/// stopped) is replaced by a free one, which is returned; the old handle stays
/// silent.
/// \param sound the sound.
/// \param channel the channel, or Null.
/// \param loops repeats after the first play; LOOP_FOREVER: until stopped.
/// \return the channel that plays; Null for a Null sound or when no channel
///   can play it.
/// \since 1.0
Ref<TChannel> PlaySound(const Ref<TSound>& sound, const Ref<TChannel>& channel, int32_t loops = 0);

/// TChannel::Stop. \param c the channel, or Null. \since 1.0
inline void StopChannel(const Ref<TChannel>& c) { if (c) c->Stop(); }
/// TChannel::Pause. \param c the channel, or Null. \since 1.0
inline void PauseChannel(const Ref<TChannel>& c) { if (c) c->Pause(); }
/// TChannel::Resume. \param c the channel, or Null. \since 1.0
inline void ResumeChannel(const Ref<TChannel>& c) { if (c) c->Resume(); }
/// TChannel::SetVolume. \param c the channel, or Null. \param volume 0..1. \since 1.0
inline void SetChannelVolume(const Ref<TChannel>& c, float volume) { if (c) c->SetVolume(volume); }
/// TChannel::SetPan. \param c the channel, or Null. \param pan -1..1. \since 1.0
inline void SetChannelPan(const Ref<TChannel>& c, float pan) { if (c) c->SetPan(pan); }
/// TChannel::SetPitch. \param c the channel, or Null. \param pitch the speed factor. \since 1.1
inline void SetChannelPitch(const Ref<TChannel>& c, float pitch) { if (c) c->SetPitch(pitch); }
/// TChannel::Playing. \param c the channel, or Null.
/// \return true while its sound plays; false for Null. \since 1.0
inline bool ChannelPlaying(const Ref<TChannel>& c) { return c && c->Playing(); }

}  // namespace tazmix
