// Keeping a damaged file under another name, so that nothing the player had is destroyed.
#pragma once

#include <string>

// Renames `path` to `badPath`, replacing whatever an earlier damaged file left there; raises
// EInOutError when the rename fails.
void SetFileAside(const std::string& path, const std::string& badPath);
