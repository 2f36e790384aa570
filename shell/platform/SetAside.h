// Damaged data files moved out of the way under a name of their own, and the word to the player.
#pragma once

#include <functional>
#include <string>

// How a load tells the player that a file was set aside: one message per file, at that moment.
using TSetAsideReport = std::function<void(const std::string& message)>;

// The most backups of one file that are kept beside it: "<name>.bad", then "<name>.bad.1" on.
inline constexpr int SetAsideKept = 10;

// Renames the file at `path` to the first free one of "<path>.bad", "<path>.bad.1", ...,
// "<path>.bad.9", so that earlier backups stay; when all are taken the last one gives way. A
// symbolic link is moved itself, its target left alone. Raises EInOutError when the rename fails.
// Returns the message for the player: which file went where, and `why` (", so ..." follows it).
std::string SetAside(const std::string& path, const std::string& why);
