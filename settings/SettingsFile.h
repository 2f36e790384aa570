// Balls.cfg: the eleven bytes of GameSettings, in their own order, beside the program.
#pragma once

#include <string>

#include "GameSettings.h"
#include "SetAside.h"

inline constexpr const char* SettingsFileName = "Balls.cfg";

void SetDefaultSettings();

// Whether every field holds one of its values (switches 0 or 1, Level 0 to 2, Music 0 to 9).
bool SettingsInRange(const TGameSettings& settings);

// Fills GameSettings from `directory`/Balls.cfg. A missing file gives the defaults, written to a
// new file. One that cannot be read, is not a file, is shorter than 11 bytes or holds a value out of
// range is first set aside (Balls.cfg.bad, keeping older backups) and `report` tells the player
// so; then the defaults are written as for a missing file. A longer file gives its first 11 bytes.
// GameSettings holds valid values on return and also when this raises EInOutError (the file could
// not be written), so start-up can go on after the report. Tools without a player pass no report.
void LoadSettings(const std::string& directory, const TSetAsideReport& report = {});

// Writes GameSettings to `directory`/Balls.cfg, exactly 11 bytes, replacing the old file in one
// step through the work file, so that a crash leaves the old settings or the new ones.
void SaveSettings(const std::string& directory);
