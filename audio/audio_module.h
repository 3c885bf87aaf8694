/// \file
/// The audio module's start-up and the output it opened.
///
/// InitAudio opens the system's audio output once: 48000 Hz, 16-bit stereo,
/// mixed in buffers of 1024 frames (21.3 ms), so a sound starts within about
/// one buffer of the call. Without an audio device (a server, CI, a
/// container) it opens a silent output instead and records one line saying
/// so (runtime/error_report.h): everything works and plays nothing. Every
/// function of the module starts the module itself, so calling InitAudio is
/// only needed to open the output early. SDL_AUDIODRIVER=dummy or disk (with
/// SDL_DISKAUDIOFILE) choose SDL's silent or file-writing drivers.
///
/// \code{.cpp}
/// tazmix::InitAudio();
/// if (tazmix::AudioOutput().silent) tazmix::Notify("No sound device: the game plays silently.");
/// \endcode
/// \ingroup audio
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// Opens the audio output once (see the file overview). \since 1.0
void InitAudio();

/// How the audio output opened.
/// \since 1.0
struct AudioOutputInfo {
  /// Frames per second. \since 1.0
  int32_t rate = 0;
  /// 2: left and right. \since 1.0
  int32_t channels = 0;
  /// Frames mixed at a time. \since 1.0
  int32_t buffer_frames = 0;
  /// No device: nothing is heard. \since 1.0
  bool silent = true;
  /// False only when not even the silent output opened. \since 1.0
  bool open = false;
};

/// How the output was opened; starts the module first.
/// \return the output's figures.
/// \since 1.0
AudioOutputInfo AudioOutput();

}  // namespace tazmix
