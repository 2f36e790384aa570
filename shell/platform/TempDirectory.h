// The program's private folder for temporary files, shared by all its running copies of one user.
#pragma once

#include <string>

// "<base>/brindlow-<uid>/" with its trailing '/'. Created with mode 0700 when missing; refused with
// EInOutError when it is a symbolic link, not a folder, or owned by another user, since another
// user could then swap the sound files that the program plays. A folder of ours that others can
// enter is closed to them again.
std::string TempDirectoryIn(const std::string& base);

// TempDirectoryIn($XDG_RUNTIME_DIR), or in the system's temporary folder when that is not set.
std::string TempDirectory();
