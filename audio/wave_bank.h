// Sound made in code: samples written as a WAV file into a bank, which
// LoadSound and OpenMusic read like any file (and SaveBank can store).
#pragma once

#include <cstdint>
#include <vector>

#include "../stream/bank.h"

namespace tazmix {

// A 16-bit PCM WAV file of `samples` (interleaved when `channels` > 1) at
// `rate` frames per second. Null for 1 to 8 channels not given, a rate
// outside 1..384000, a count of samples not a whole number of frames, or a
// file that would pass 2 GiB.
Ref<TBank> CreateWaveBank(const std::vector<int16_t>& samples, int32_t channels, int32_t rate);

}  // namespace tazmix
