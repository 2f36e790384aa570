// Balls.cfg: the eleven bytes of GameSettings, in their own order, beside the program.
#pragma once

#include <string>

#include "GameSettings.h"

inline constexpr const char* SettingsFileName = "Balls.cfg";

void SetDefaultSettings();

// Whether every field holds one of its values (switches 0 or 1, Level 0 to 2, Music 0 to 9).
bool SettingsInRange(const TGameSettings& settings);

// Fills GameSettings from `directory`/Balls.cfg. A missing file, one shorter than 11 bytes or one
// with a value out of range gives the defaults, written back to the file; a longer file gives its
// first 11 bytes. GameSettings holds valid values on return and also when this raises
// EInOutError (the file could not be read or written), so start-up can go on after the report.
void LoadSettings(const std::string& directory);

// Writes GameSettings to `directory`/Balls.cfg, exactly 11 bytes.
void SaveSettings(const std::string& directory);
