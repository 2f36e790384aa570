// Where the game's files live: beside the program in a build folder, in the data folders once installed.
#pragma once

#include <functional>
#include <optional>
#include <string>

// BankDirectory holds Sound.dat, read only; DataDirectory holds Balls.cfg and Score.dat (and the
// scrambler's work file), read and written. Both come without a trailing '/', like ProgramDirectory.
struct TGameFolders {
  std::string BankDirectory;
  std::string DataDirectory;
};

// What the decision needs to know about the machine, so that it can be made on invented ones.
struct TFolderProbe {
  // Whether the player may create files in the folder.
  std::function<bool(const std::string& folder)> Writable;
  // Whether the path names an existing regular file.
  std::function<bool(const std::string& path)> FileExists;
  // The value of an environment variable, or nothing when it is unset.
  std::function<std::optional<std::string>(const std::string& name)> Environment;
  // The player's home folder from the user database, for when HOME is unset.
  std::function<std::string()> AccountHome;
};

// The folders for the program whose executable has the real path `executablePath`. A copy counts as
// installed when ../share/brindlow/Sound.dat lies beside its folder (so even a player who may write
// there, such as root, keeps the installed layout) or when the player cannot write its folder. An
// installed copy reads Sound.dat from ../share/brindlow when it is there, else from its own folder,
// and keeps its files in $XDG_DATA_HOME/brindlow ($HOME/.local/share/brindlow when XDG_DATA_HOME is
// unset, empty or relative; the account's home when HOME is unset too). Any other copy, such as one
// run from its build folder, keeps every file beside the executable. Creates nothing; raises
// EInOutError when an installed copy finds no home folder at all.
TGameFolders GameFoldersFor(const std::string& executablePath, const TFolderProbe& probe);

// The probe of this machine and this player.
TFolderProbe SystemFolderProbe();

// Creates `folder` and any missing parent with mode 0700. An existing folder is left as it is;
// raises EInOutError when a part cannot be created or is not a folder.
void MakePrivateFolder(const std::string& folder);

// GameFoldersFor this executable on this machine, with the data folder (and its missing parents)
// created private to the player when it is not the program's folder; raises EInOutError when that fails.
TGameFolders GameFolders();
