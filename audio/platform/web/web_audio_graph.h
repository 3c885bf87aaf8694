// The page's Web Audio graph, kept on the JavaScript side: one AudioContext,
// the decoded sounds by number, the channels and the music. The functions
// here are the C++ side's only door to it.
#pragma once

#include <cstdint>

namespace tazmix {

// Makes the AudioContext once; false when the page has none (under node).
// A context the browser holds back until the user acts (its autoplay rule)
// starts at the page's first key or click.
bool StartWebAudio(int32_t* rate);

// Decodes a whole file with the browser's decoders (decodeAudioData): the
// sound's number (> 0) and its length in milliseconds, or 0 when the browser
// refused the file.
int32_t DecodeWebSound(const uint8_t* data, int32_t size, int32_t* milliseconds);
void ForgetWebSound(int32_t sound);

int32_t WebChannelCount();
int32_t SetWebChannelCount(int32_t count);
bool WebChannelBusy(int32_t channel);
// Plays `sound` 1 + loops times (negative: until stopped), at `volume`
// (0..1) with the sides' gains (0..1) and `pitch` (a factor of the speed).
void WebChannelPlay(int32_t channel, int32_t sound, int32_t loops, double volume, double left, double right,
                    double pitch);
void WebChannelPitch(int32_t channel, double pitch);
void WebChannelStop(int32_t channel);
void WebChannelPause(int32_t channel);
void WebChannelResume(int32_t channel);
void WebChannelVolume(int32_t channel, double volume);
void WebChannelGains(int32_t channel, double left, double right);

// Music: one sound at a time on a path of its own, with fades.
void WebMusicPlay(int32_t sound, int32_t loops, int32_t fade_in_ms);
void WebMusicStop(int32_t fade_out_ms);
void WebMusicPause();
void WebMusicResume();
void WebMusicVolume(double volume);
bool WebMusicBusy();

}  // namespace tazmix
