/// \file
/// Sound made in code: samples written as a WAV file into a bank, which
/// LoadSound and OpenMusic read like any file (and SaveBank can store).
///
/// \code{.cpp}
/// std::vector<int16_t> beep(4800);  // 0.1 s of 440 Hz at 48000 Hz, mono
/// for (size_t i = 0; i < beep.size(); ++i) beep[i] = int16_t(8000 * std::sin(i * 2 * M_PI * 440 / 48000));
/// tazmix::Ref<tazmix::TSound> sound = tazmix::LoadSound(tazmix::CreateWaveBank(beep, 1, 48000));
/// \endcode
/// \ingroup audio
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../stream/bank.h"

namespace tazmix {

/// A 16-bit PCM WAV file in a bank.
/// \param samples the samples, interleaved when `channels` > 1.
/// \param channels 1 to 8.
/// \param rate frames per second, 1..384000.
/// \return the bank; Null (no line) for a channel count or rate outside those
///   ranges, a count of samples not a whole number of frames, or a file that
///   would pass 2 GiB.
/// \since 1.0
Ref<TBank> CreateWaveBank(const std::vector<int16_t>& samples, int32_t channels, int32_t rate);

}  // namespace tazmix
