// Keeping a damaged file under another name.
#include "SetAside.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "CheckedFile.h"

void SetFileAside(const std::string& path, const std::string& badPath) {
  std::error_code ignored;
  std::filesystem::remove_all(badPath, ignored);
  if (std::rename(path.c_str(), badPath.c_str()) != 0) RaiseInOutError("rename", path, errno);
}
