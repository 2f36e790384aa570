// Balls.cfg: the eleven bytes of GameSettings.
#include "SettingsFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "CheckedFile.h"
#include "SetAside.h"

namespace {

std::string SettingsPath(const std::string& directory) { return directory + "/" + SettingsFileName; }

// The record in the file, or why the file cannot give one ("" when it is missing).
std::optional<TGameSettings> ReadSettingsFile(const std::string& path, std::string& why) {
  std::optional<TFile> file = OpenDataFile(path, why);
  if (!file) return std::nullopt;
  TGameSettings stored{};
  std::size_t length = 0;
  try {
    length = file->Read(std::span(&stored.Byte(0), TGameSettings::Size));
  } catch (const EInOutError& failure) {
    why = std::string("it cannot be read (") + failure.what() + ")";
    return std::nullopt;
  }
  file->Close();
  if (length < TGameSettings::Size)
    why = "it is " + std::to_string(length) + " bytes long instead of " + std::to_string(TGameSettings::Size);
  else if (!SettingsInRange(stored))
    why = "it holds a value out of range";
  else
    return stored;
  return std::nullopt;
}

}  // namespace

void SetDefaultSettings() { GameSettings = DefaultSettings; }

bool SettingsInRange(const TGameSettings& settings) {
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) {
    const std::uint8_t highest = k == offsetof(TGameSettings, Level)   ? 2
                                 : k == offsetof(TGameSettings, Music) ? 9
                                                                       : 1;
    if (settings.Byte(k) > highest) return false;
  }
  return true;
}

void LoadSettings(const std::string& directory, const TSetAsideReport& report) {
  // Defaults first, so that a failure below leaves a usable record behind.
  SetDefaultSettings();
  const std::string path = SettingsPath(directory);
  std::string why;
  if (const std::optional<TGameSettings> stored = ReadSettingsFile(path, why)) {
    GameSettings = *stored;
    return;
  }
  if (!why.empty()) {
    const std::string message = SetAside(path, why + ", so the default settings are in force.");
    if (report) report(message);
  }
  SaveSettings(directory);
}

void SaveSettings(const std::string& directory) {
  const std::string path = SettingsPath(directory);
  std::array<std::uint8_t, TGameSettings::Size> bytes{};
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) bytes[k] = GameSettings.Byte(k);
  ReplaceFile(path, WorkFilePath(path), [&](TFile& work) { work.Write(bytes); });
}
