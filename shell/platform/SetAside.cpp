// Damaged data files moved out of the way, never deleted while there is room.
#include "SetAside.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "CheckedFile.h"

namespace {

std::string BackupPath(const std::string& path, int number) {
  return path + ".bad" + (number == 0 ? std::string() : "." + std::to_string(number));
}

bool Taken(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

}  // namespace

std::string SetAside(const std::string& path, const std::string& why) {
  int number = 0;
  while (number < SetAsideKept - 1 && Taken(BackupPath(path, number))) ++number;
  const std::string backup = BackupPath(path, number);
  if (number == SetAsideKept - 1) {
    std::error_code ignored;
    std::filesystem::remove_all(backup, ignored);
  }
  if (std::rename(path.c_str(), backup.c_str()) != 0) RaiseInOutError("rename", path, errno);
  return path + " was set aside as " + std::filesystem::path(backup).filename().string() + ": " + why;
}
