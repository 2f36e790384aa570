// Fuzzes Balls.cfg: whatever the file holds, the settings come out in range, taken from the file
// when its first eleven bytes are a valid record and otherwise the defaults, written back after the
// file was set aside whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzSupport.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const std::string folder = EmptySubfolder("settings");
  const std::string path = folder + "/" + SettingsFileName;
  WriteWholeFile(path, input);

  TGameSettings stored{};
  const bool whole = size >= TGameSettings::Size;
  if (whole) std::copy_n(data, TGameSettings::Size, &stored.Byte(0));
  const bool valid = whole && SettingsInRange(stored);

  GameSettings = {};
  LoadSettings(folder);
  Require(SettingsInRange(GameSettings), "loaded settings are in range");
  const TBytes after = ReadWholeFile(path);
  if (valid) {
    Require(GameSettings == stored, "a valid record is taken as it is");
    Require(std::equal(after.begin(), after.end(), input.begin(), input.end()), "a valid file is left alone");
  } else {
    Require(GameSettings == DefaultSettings, "an unusable file gives the defaults");
    const TBytes kept = ReadWholeFile(path + ".bad");
    Require(std::equal(kept.begin(), kept.end(), input.begin(), input.end()), "the unusable file is kept whole");
    Require(after.size() == TGameSettings::Size, "the defaults are written back, eleven bytes");
    for (std::size_t k = 0; k < TGameSettings::Size; ++k)
      Require(after[k] == DefaultSettings.Byte(k), "the file holds the defaults");
  }
  return 0;
}
