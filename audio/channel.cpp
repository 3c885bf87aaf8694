#include "audio/channel.h"

#include <optional>
#include <utility>
#include <vector>

#include "audio/audio_module.h"
#include "audio/internal/audio_levels.h"
#include "audio/internal/audio_platform.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

// What the library knows of each mixer channel: whether the program holds
// it, which play it carries, and the sound of that play, kept alive while it
// sounds. Never destroyed: held channels may be released during exit.
struct Slot {
  bool held = false;
  uint32_t generation = 0;
  Ref<TSound> sound;
};

std::vector<Slot>& Slots() {
  static auto* slots = new std::vector<Slot>();
  return *slots;
}

// Lets go of the sounds that have ended. Runs on the main thread, since the
// mixer's own end-of-sound callback runs on the audio thread, where
// references must not be touched.
void DropEnded() {
  std::vector<Slot>& slots = Slots();
  slots.resize(static_cast<size_t>(PlatformChannelCount()));
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].sound && !PlatformChannelBusy(static_cast<int32_t>(i))) slots[i].sound = nullptr;
  }
}

// A channel neither held nor busy, adding channels when all are; -1 when
// kMostMixerChannels are in use.
int32_t FreeIndex() {
  DropEnded();
  std::vector<Slot>& slots = Slots();
  for (size_t i = 0; i < slots.size(); ++i) {
    if (!slots[i].held && !PlatformChannelBusy(static_cast<int32_t>(i))) return static_cast<int32_t>(i);
  }
  const int32_t count = static_cast<int32_t>(slots.size());
  if (count == 0 || count >= kMostMixerChannels) return -1;
  const int32_t wanted = count * 2 < kMostMixerChannels ? count * 2 : kMostMixerChannels;
  slots.resize(static_cast<size_t>(SetPlatformChannelCount(wanted)));
  return static_cast<int32_t>(slots.size()) > count ? count : -1;
}

}  // namespace

TChannel::TChannel(int32_t index, uint32_t generation, bool held)
    : index_(index), generation_(generation), held_(held) {}

TChannel::~TChannel() {
  // Past the end of the slots once the output has closed at exit.
  if (!held_ || index_ < 0 || static_cast<size_t>(index_) >= Slots().size()) return;
  PlatformStop(index_);
  Slot& slot = Slots()[static_cast<size_t>(index_)];
  slot.held = false;
  slot.sound = nullptr;
  ++slot.generation;
}

bool TChannel::Current() const {
  if (index_ < 0 || static_cast<size_t>(index_) >= Slots().size()) return false;
  return held_ || Slots()[static_cast<size_t>(index_)].generation == generation_;
}

void TChannel::Stop() {
  if (!Current()) return;
  PlatformStop(index_);
  Slots()[static_cast<size_t>(index_)].sound = nullptr;
}

void TChannel::Pause() {
  if (Current()) PlatformPause(index_);
}

void TChannel::Resume() {
  if (Current()) PlatformResume(index_);
}

void TChannel::SetVolume(float volume) {
  volume_ = ClampLevel(volume, 0, 1);
  if (Current()) PlatformSetVolume(index_, MixerVolume(volume_));
}

void TChannel::SetPan(float pan) {
  pan_ = ClampLevel(pan, -1, 1);
  if (Current()) PlatformSetGains(index_, PanGains(pan_));
}

void TChannel::SetPitch(float pitch) {
  const std::optional<float> taken = CheckedPitch(pitch, "SetChannelPitch");
  if (!taken) return;
  pitch_ = *taken;
  if (Current()) PlatformSetPitch(index_, pitch_);
}

bool TChannel::Playing() { return Current() && PlatformChannelBusy(index_); }

Ref<TChannel> AllocChannel() {
  InitAudio();
  const int32_t index = FreeIndex();
  if (index < 0) {
    if (PlatformChannelCount() > 0) NoteFailure("AllocChannel: every channel is held or busy");
    // Without an output the channel has no place and does nothing.
    return PlatformChannelCount() > 0 ? nullptr : New<TChannel>(-1, 0, true);
  }
  Slots()[static_cast<size_t>(index)].held = true;
  return New<TChannel>(index, 0, true);
}

bool TChannel::Play(const Ref<TSound>& sound, int32_t loops) {
  Slot& slot = Slots()[static_cast<size_t>(index_)];
  // A new play: handles of the channel's earlier plays stop answering.
  generation_ = ++slot.generation;
  // The sound before is let go only after the mixer has stopped reading it.
  const Ref<TSound> before = std::exchange(slot.sound, sound);
  if (PlatformPlay(index_, *sound, loops, MixerVolume(volume_), PanGains(pan_), pitch_)) return true;
  slot.sound = nullptr;
  return false;
}

Ref<TChannel> PlaySound(const Ref<TSound>& sound, const PlayOptions& options) {
  InitAudio();
  if (!sound) return nullptr;
  const std::optional<float> pitch = CheckedPitch(options.pitch, "PlaySound");
  if (!pitch) return nullptr;
  const int32_t index = FreeIndex();
  if (index < 0) {
    NoteFailure("PlaySound: every channel is held or busy");
    return nullptr;
  }
  Ref<TChannel> channel = New<TChannel>(index, 0, false);
  channel->volume_ = ClampLevel(options.volume, 0, 1);
  channel->pan_ = ClampLevel(options.pan, -1, 1);
  channel->pitch_ = *pitch;
  return channel->Play(sound, options.loops) ? channel : nullptr;
}

Ref<TChannel> PlaySound(const Ref<TSound>& sound, int32_t loops) {
  return PlaySound(sound, PlayOptions{.loops = loops});
}

Ref<TChannel> PlaySound(const Ref<TSound>& sound, const Ref<TChannel>& channel, int32_t loops) {
  InitAudio();
  if (!sound) return nullptr;
  // A free channel's handle whose sound has ended only tells of that play:
  // playing on it would make it answer for a sound it was not returned for.
  const bool own = channel && channel->Current() && (channel->held_ || PlatformChannelBusy(channel->index_));
  if (!own) return PlaySound(sound, loops);
  return channel->Play(sound, loops) ? channel : nullptr;
}

}  // namespace tazmix
