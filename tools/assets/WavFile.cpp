// The canonical 44-byte WAVE header in front of little-endian samples.
#include "WavFile.h"

TBytes EncodeWav16(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  TBytes out;
  PutText(out, "RIFF");
  PutLE32(out, 36 + dataBytes);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  PutLE32(out, 16);
  PutLE16(out, 1);  // PCM
  PutLE16(out, 1);  // mono
  PutLE32(out, rate);
  PutLE32(out, rate * 2);  // bytes per second
  PutLE16(out, 2);         // bytes per sample frame
  PutLE16(out, 16);
  PutText(out, "data");
  PutLE32(out, dataBytes);
  for (std::int16_t sample : samples) PutLE16(out, static_cast<std::uint16_t>(sample));
  return out;
}
