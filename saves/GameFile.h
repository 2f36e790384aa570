// Game.sav in the folder of Score.dat: the running game kept across a crash, a kill or a power cut.
#pragma once

#include <optional>
#include <string>

#include "GameFormat.h"

inline constexpr const char* GameFileName = "Game.sav";
// Where a damaged Game.sav is kept, so that nothing the player had is destroyed.
inline constexpr const char* BadGameFileName = "Game.sav.bad";

// Writes the record to `directory`/Game.sav in one step: a crash at any moment leaves the old file
// or the new one, never a mixture. Raises EInOutError when the disk refuses.
void SaveGame(const std::string& directory, const TSavedGame& record);

// The game kept in `directory`/Game.sav, or nothing when there is none. A file that cannot be taken
// back into play (another kind or version, cut short, damaged, unreadable) is moved to Game.sav.bad
// and EDamagedGame raised with the reason; EInOutError when the folder itself fails.
std::optional<TSavedGame> LoadGame(const std::string& directory);

// Removes Game.sav (a game that ended normally); a missing file is no error.
void RemoveGame(const std::string& directory);
