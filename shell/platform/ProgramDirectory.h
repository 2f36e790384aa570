// The folder that holds the program's executable, where its data files live.
#pragma once

#include <string>

// The folder part of a program path: the path trimmed of characters 32 and below at both ends,
// cut before its last '/', trimmed again. A program at "/x" yields "", so "" + "/Sound.dat" still
// names the file in the root; a path without any '/' yields "" as well.
std::string ProgramDirectoryOf(const std::string& programPath);

// The real path of the running executable; raises EInOutError when it cannot be found.
std::string ExecutablePath();

// ProgramDirectoryOf the executable's real path; raises EInOutError when it cannot be found.
std::string ProgramDirectory();
