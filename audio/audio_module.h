// The audio module's start-up and the output it opened.
//
// InitAudio opens the system's audio output once: 48000 Hz, 16-bit stereo,
// mixed in buffers of 1024 frames (21.3 ms), so a sound starts within about
// one buffer of the call. Without an audio device (a server, CI, a
// container) it opens a silent output instead and records one line saying
// so (runtime/error_report.h): everything works and plays nothing. Every
// function of the module starts the module itself, so calling InitAudio is
// only needed to open the output early. SDL_AUDIODRIVER=dummy or disk (with
// SDL_DISKAUDIOFILE) choose SDL's silent or file-writing drivers.
#pragma once

#include <cstdint>

namespace tazmix {

void InitAudio();

struct AudioOutputInfo {
  int32_t rate = 0;           // frames per second
  int32_t channels = 0;       // 2: left and right
  int32_t buffer_frames = 0;  // frames mixed at a time
  bool silent = true;         // no device: nothing is heard
  bool open = false;          // false only when not even the silent output opened
};

// How the output was opened (starts the module first).
AudioOutputInfo AudioOutput();

}  // namespace tazmix
