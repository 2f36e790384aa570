// The instance count's read, change and rewrite under a lock, and the shares of the running instances.
#include "SoundCount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "InOutError.h"

namespace {

// Two one-byte locks on the count file, both tied to the open file rather than to the process, so
// that they work between threads too and die with the descriptor: byte 0 is shared by every
// instance that uses the files, byte 1 is taken exclusively while the count is changed. One file
// cannot carry both as whole-file locks, since the running instances' shares would shut out
// every change of the count.
constexpr off_t ShareByte = 0;
constexpr off_t ChangeByte = 1;

std::string SemaphorePath(const std::string& tempDirectory) {
  return (std::filesystem::path(tempDirectory) / SemaphoreName).string();
}

// Sets, changes or removes the lock on one byte; false with errno set when that fails, EAGAIN or
// EACCES when `wait` is off and another open file holds a conflicting lock.
bool LockByte(int descriptor, short type, off_t byte, bool wait) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = byte;
  lock.l_len = 1;
  while (::fcntl(descriptor, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock) != 0)
    if (errno != EINTR) return false;
  return true;
}

// The count file opened with its change lock held. The last instance deletes the file while it
// holds the lock, so a waiter that wakes up on a deleted file opens the new one and locks again.
class TLockedCount {
public:
  explicit TLockedCount(std::string path) : Path(std::move(path)) {
    for (;;) {
      Handle = ::open(Path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
      if (Handle < 0) throw EInOutError("open", Path, std::strerror(errno));
      if (!LockByte(Handle, F_WRLCK, ChangeByte, true)) Fail("lock");
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
  ~TLockedCount() {
    if (Handle >= 0) ::close(Handle);  // closing releases the locks
  }

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

  // Whether another instance holds a share. Asked under the change lock, so no instance comes or
  // goes meanwhile.
  bool OthersShare() {
    if (!LockByte(Handle, F_WRLCK, ShareByte, false)) {
      if (errno != EAGAIN && errno != EACCES) Fail("lock");
      return true;
    }
    if (!LockByte(Handle, F_UNLCK, ShareByte, false)) Fail("unlock");
    return false;
  }

  // Turns this open file into the instance's share and gives up the change lock.
  TSoundFilesShare Share() {
    if (!LockByte(Handle, F_RDLCK, ShareByte, true) || !LockByte(Handle, F_UNLCK, ChangeByte, false)) Fail("lock");
    return TSoundFilesShare(std::exchange(Handle, -1));
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

TSoundFilesShare::TSoundFilesShare(TSoundFilesShare&& other) noexcept
    : Descriptor(std::exchange(other.Descriptor, -1)) {}

TSoundFilesShare& TSoundFilesShare::operator=(TSoundFilesShare&& other) noexcept {
  if (this != &other) {
    Release();
    Descriptor = std::exchange(other.Descriptor, -1);
  }
  return *this;
}

void TSoundFilesShare::Release() {
  if (Descriptor >= 0) ::close(std::exchange(Descriptor, -1));
}

TSoundFilesShare AttachSoundFiles(const std::string& tempDirectory) {
  TLockedCount count(SemaphorePath(tempDirectory));
  const auto stored = count.OthersShare() ? count.Read() : std::nullopt;
  count.Write(stored ? static_cast<std::uint8_t>(*stored + 1) : 1);
  return count.Share();
}

bool DetachSoundFiles(const std::string& tempDirectory, TSoundFilesShare share) {
  TLockedCount count(SemaphorePath(tempDirectory));
  share.Release();
  const auto left = count.OthersShare() ? static_cast<std::uint8_t>(count.Read().value_or(1) - 1) : std::uint8_t{0};
  count.Write(left);
  return left == 0;
}

void DeleteSoundFiles(const TBankHeader& header, const std::string& tempDirectory) {
  TLockedCount count(SemaphorePath(tempDirectory));
  if (count.Read().value_or(0) != 0 || count.OthersShare()) return;
  for (int k = 1; k <= header.Count; ++k) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(tempDirectory) / header.Names[k], ignored);
  }
  count.Delete();
}
