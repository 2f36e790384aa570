// The program's private folder for temporary files.
#include "TempDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "CheckedFile.h"

std::string TempDirectoryIn(const std::string& base) {
  const std::string folder = base + "/brindlow-" + std::to_string(::geteuid());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseInOutError("create folder", folder, errno);

  // Examine what was opened, not the name, so that nothing can be swapped in between.
  int error = 0;
  std::optional<TFile> opened = TFile::TryOpen(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW, error);
  if (!opened) {
    // A link to a folder gives ENOTDIR, not ELOOP, when O_DIRECTORY meets it.
    struct stat link {};
    if (error == ELOOP || (error == ENOTDIR && ::lstat(folder.c_str(), &link) == 0 && S_ISLNK(link.st_mode)))
      throw EInOutError("open", folder, "is a symbolic link");
    RaiseInOutError("open", folder, error);
  }
  const struct stat status = opened->Status();
  if (status.st_uid != ::geteuid()) throw EInOutError("open", folder, "owned by another user");
  if ((status.st_mode & 077) != 0) opened->SetMode(0700);
  opened->Close();
  return folder + "/";
}

std::string TempDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return TempDirectoryIn(runtime);
  std::error_code error;
  std::filesystem::path system = std::filesystem::temp_directory_path(error);
  return TempDirectoryIn(error ? std::string("/tmp") : system.string());
}
