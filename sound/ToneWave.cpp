// Builds the wave-file bytes of a sine tone.
#include "ToneWave.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace {

void PutText(std::vector<std::uint8_t>& bytes, std::string_view text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
}

void PutLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> MakeToneWave(double frequency, int milliseconds) {
  const int samples = ToneSampleRate * milliseconds / 1000;
  const int fade = std::min(samples / 4, ToneSampleRate / 200);  // 5 ms at most
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples) * 2;

  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + dataSize);
  PutText(bytes, "RIFF");
  PutLittle(bytes, 36 + dataSize, 4);
  PutText(bytes, "WAVEfmt ");
  PutLittle(bytes, 16, 4);               // size of the format block
  PutLittle(bytes, 1, 2);                // PCM
  PutLittle(bytes, 1, 2);                // mono
  PutLittle(bytes, ToneSampleRate, 4);
  PutLittle(bytes, ToneSampleRate * 2, 4);  // bytes per second
  PutLittle(bytes, 2, 2);                // bytes per frame
  PutLittle(bytes, 16, 2);               // bits per sample
  PutText(bytes, "data");
  PutLittle(bytes, dataSize, 4);
  for (int i = 0; i < samples; ++i) {
    double envelope = 1.0;
    if (fade > 0) envelope = std::min({1.0, double(i) / fade, double(samples - 1 - i) / fade});
    const double value =
        0.4 * envelope * std::sin(2 * std::numbers::pi * frequency * i / ToneSampleRate);
    PutLittle(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767)), 2);
  }
  return bytes;
}
