// Balls.cfg: the eleven bytes of GameSettings.
#include "SettingsFile.h"

#include <fcntl.h>

#include <array>
#include <cstddef>
#include <cerrno>
#include <cstdint>
#include <optional>

#include "CheckedFile.h"

namespace {

std::string SettingsPath(const std::string& directory) { return directory + "/" + SettingsFileName; }

// The record in the file, when the file holds a complete one in range. A FIFO in the file's place
// must not hang the start, hence O_NONBLOCK here and in SaveSettings (no effect on a regular file).
std::optional<TGameSettings> ReadSettingsFile(const std::string& path) {
  int error = 0;
  std::optional<TFile> file = TFile::TryOpen(path, O_RDONLY | O_NONBLOCK, error);
  if (!file) {
    if (error == ENOENT) return std::nullopt;
    RaiseInOutError("open", path, error);
  }
  TGameSettings stored{};
  const std::size_t length = file->Read(std::span(&stored.Byte(0), TGameSettings::Size));
  file->Close();
  if (length < TGameSettings::Size || !SettingsInRange(stored)) return std::nullopt;
  return stored;
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

void LoadSettings(const std::string& directory) {
  // Defaults first, so that a failure below leaves a usable record behind.
  SetDefaultSettings();
  if (const std::optional<TGameSettings> stored = ReadSettingsFile(SettingsPath(directory))) {
    GameSettings = *stored;
    return;
  }
  SaveSettings(directory);
}

void SaveSettings(const std::string& directory) {
  const std::string path = SettingsPath(directory);
  std::array<std::uint8_t, TGameSettings::Size> bytes{};
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) bytes[k] = GameSettings.Byte(k);
  TFile file = TFile::Open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK);
  file.Write(bytes);
  file.Sync();
  file.Close();
}
