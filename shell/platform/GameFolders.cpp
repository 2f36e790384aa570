// Where the game's files live.
#include "GameFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "CheckedFile.h"
#include "ProgramDirectory.h"

namespace {

constexpr const char* BankFileName = "Sound.dat";
constexpr const char* FolderName = "brindlow";

// The desktop's base-folder rules ignore relative paths, since they would depend on where the game was started.
std::string AbsoluteOrEmpty(const std::string& path) { return path.starts_with('/') ? path : std::string(); }

std::string DataHome(const TFolderProbe& probe) {
  const std::string dataHome = AbsoluteOrEmpty(probe.Environment("XDG_DATA_HOME").value_or(""));
  if (!dataHome.empty()) return dataHome;
  std::string home = AbsoluteOrEmpty(probe.Environment("HOME").value_or(""));
  if (home.empty()) home = AbsoluteOrEmpty(probe.AccountHome());
  if (home.empty()) throw EInOutError("find", "$HOME", "no home folder is set for this user");
  return (home == "/" ? "" : home) + "/.local/share";
}

}  // namespace

TGameFolders GameFoldersFor(const std::string& executablePath, const TFolderProbe& probe) {
  const std::string programDirectory = ProgramDirectoryOf(executablePath);
  // programDirectory is "" for a program in the root, whose folder is "/": the cut is the same.
  const std::string sharedBank = ProgramDirectoryOf(programDirectory) + "/share/" + FolderName;
  const bool bankInstalled = probe.FileExists(sharedBank + "/" + BankFileName);
  const std::string folder = programDirectory.empty() ? "/" : programDirectory;
  if (!bankInstalled && probe.Writable(folder)) return {programDirectory, programDirectory};
  std::string dataHome = DataHome(probe);
  while (dataHome.size() > 1 && dataHome.back() == '/') dataHome.pop_back();
  return {bankInstalled ? sharedBank : programDirectory, dataHome + "/" + FolderName};
}

TFolderProbe SystemFolderProbe() {
  TFolderProbe probe;
  probe.Writable = [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; };
  probe.FileExists = [](const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
  };
  probe.Environment = [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
  probe.AccountHome = [] {
    const struct passwd* account = ::getpwuid(::geteuid());
    return account != nullptr && account->pw_dir != nullptr ? std::string(account->pw_dir) : std::string();
  };
  return probe;
}

void MakePrivateFolder(const std::string& folder) {
  std::size_t end = 0;
  do {
    end = folder.find('/', end + 1);
    const std::string part = folder.substr(0, end);
    if (::mkdir(part.c_str(), 0700) == 0) continue;
    const int error = errno;
    struct stat status {};
    if (::stat(part.c_str(), &status) != 0) RaiseInOutError("create folder", part, error);
    if (!S_ISDIR(status.st_mode)) throw EInOutError("create folder", part, "a file of that name is in the way");
  } while (end != std::string::npos);
}

TGameFolders GameFolders() {
  const std::string executable = ExecutablePath();
  const TGameFolders folders = GameFoldersFor(executable, SystemFolderProbe());
  if (folders.DataDirectory != ProgramDirectoryOf(executable)) MakePrivateFolder(folders.DataDirectory);
  return folders;
}
