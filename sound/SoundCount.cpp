// The instance count's read, change and rewrite, each under an exclusive lock on the count file.
#include "SoundCount.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>

#include "InOutError.h"

namespace {

std::string SemaphorePath(const std::string& tempDirectory) {
  return (std::filesystem::path(tempDirectory) / SemaphoreName).string();
}

// The count file opened and locked exclusively. The last instance deletes the file while it holds
// the lock, so a waiter that wakes up on a deleted file opens the new one and locks again.
class TLockedCount {
public:
  explicit TLockedCount(std::string path) : Path(std::move(path)) {
    for (;;) {
      Handle = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
      if (Handle < 0) throw EInOutError("open", Path, std::strerror(errno));
      while (flock(Handle, LOCK_EX) != 0) {
        if (errno != EINTR) Fail("lock");
      }
      struct stat opened {}, named {};
      if (fstat(Handle, &opened) != 0) Fail("stat");
      if (::stat(Path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
          named.st_dev == opened.st_dev)
        return;
      ::close(Handle);
    }
  }
  TLockedCount(const TLockedCount&) = delete;
  TLockedCount& operator=(const TLockedCount&) = delete;
  ~TLockedCount() { ::close(Handle); }  // closing releases the lock

  // The stored count, or nothing when the file was absent (it is created empty by the lock).
  std::optional<std::uint8_t> Read() {
    std::uint8_t count = 0;
    const ssize_t got = ::pread(Handle, &count, 1, 0);
    if (got < 0) Fail("read");
    if (got == 0) return std::nullopt;
    return count;
  }

  void Write(std::uint8_t count) {
    if (::pwrite(Handle, &count, 1, 0) != 1 || ::ftruncate(Handle, 1) != 0) Fail("write");
  }

  void Delete() { ::unlink(Path.c_str()); }

private:
  [[noreturn]] void Fail(const char* operation) {
    const int error = errno;
    ::close(Handle);
    Handle = -1;
    throw EInOutError(operation, Path, std::strerror(error));
  }

  std::string Path;
  int Handle = -1;
};

}  // namespace

void AttachSoundFiles(const std::string& tempDirectory) {
  TLockedCount count(SemaphorePath(tempDirectory));
  const auto stored = count.Read();
  count.Write(stored ? static_cast<std::uint8_t>(*stored + 1) : 1);
}

bool DetachSoundFiles(const std::string& tempDirectory) {
  TLockedCount count(SemaphorePath(tempDirectory));
  const auto left = static_cast<std::uint8_t>(count.Read().value_or(1) - 1);
  count.Write(left);
  return left == 0;
}

void DeleteSoundFiles(const TBankHeader& header, const std::string& tempDirectory) {
  TLockedCount count(SemaphorePath(tempDirectory));
  if (count.Read().value_or(0) != 0) return;
  for (int k = 1; k <= header.Count; ++k) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(tempDirectory) / header.Names[k], ignored);
  }
  count.Delete();
}
