#include "audio/wave_bank.h"

#include <cstring>
#include <limits>

namespace tazmix {

Ref<TBank> CreateWaveBank(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
  constexpr int32_t kHeader = 44;
  if (channels < 1 || channels > 8 || rate < 1 || rate > 384000) return nullptr;
  if (samples.size() % static_cast<size_t>(channels) != 0) return nullptr;
  if (samples.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() - kHeader) / 2) return nullptr;
  const int32_t data = static_cast<int32_t>(samples.size() * 2);
  Ref<TBank> bank = CreateBank(kHeader + data);
  std::memcpy(bank->Buf(), "RIFF\0\0\0\0WAVEfmt ", 16);
  std::memcpy(bank->Buf() + 36, "data", 4);
  bank->PokeInt(4, kHeader - 8 + data);
  bank->PokeInt(16, 16);  // the format chunk's length
  bank->PokeShort(20, 1);  // integer samples
  bank->PokeShort(22, channels);
  bank->PokeInt(24, rate);
  bank->PokeInt(28, rate * channels * 2);  // bytes per second
  bank->PokeShort(32, channels * 2);       // bytes per frame
  bank->PokeShort(34, 16);                 // bits per sample
  bank->PokeInt(40, data);
  // Banks hold values least significant byte first, as WAV files do.
  for (size_t i = 0; i < samples.size(); ++i) bank->PokeShort(kHeader + static_cast<int32_t>(i) * 2, samples[i] & 0xFFFF);
  return bank;
}

}  // namespace tazmix
