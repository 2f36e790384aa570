// Checked file operations over POSIX descriptors.
#include "CheckedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

void RaiseInOutError(const std::string& operation, const std::string& path, int error) {
  throw EInOutError(operation, path, std::strerror(error));
}

namespace {

// open(2) made again for as long as a signal interrupts it; -1 with errno set on failure.
int OpenRetrying(const std::string& path, int flags, mode_t mode) {
  int descriptor;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

// What a read(2) or write(2) that moves no byte means: the end of the file for a read; a write
// is made again, since it has to put out every byte.
enum class TAtNothingMoved { Stop, GoOn };

// Moves `size` bytes with `call(done)`, a read(2) or write(2) from byte `done` on, call after call,
// as one may move fewer bytes than asked. A call a signal interrupted is made again; any other
// failure raises `operation` on `path`. Returns the number of bytes moved.
template <typename TCall>
std::size_t TransferAll(const std::string& path, const char* operation, std::size_t size, TAtNothingMoved atNothing,
                        TCall call) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t count = call(done);
    if (count < 0) {
      if (errno == EINTR) continue;
      RaiseInOutError(operation, path, errno);
    }
    if (count == 0 && atNothing == TAtNothingMoved::Stop) break;
    done += static_cast<std::size_t>(count);
  }
  return done;
}

}  // namespace

TFile::TFile(std::string path, int descriptor) : FilePath(std::move(path)), Descriptor(descriptor) {}

TFile::TFile(TFile&& other) noexcept
    : FilePath(std::move(other.FilePath)), Descriptor(std::exchange(other.Descriptor, -1)) {}

TFile::~TFile() {
  if (Descriptor >= 0) ::close(Descriptor);
}

std::optional<TFile> TFile::TryOpen(const std::string& path, int flags, int& error) {
  const int descriptor = OpenRetrying(path, flags, 0666);
  if (descriptor < 0) {
    error = errno;
    return std::nullopt;
  }
  error = 0;
  return TFile(path, descriptor);
}

TFile TFile::Open(const std::string& path, int flags, mode_t mode) {
  const int descriptor = OpenRetrying(path, flags, mode);
  if (descriptor < 0) RaiseInOutError("open", path, errno);
  return TFile(path, descriptor);
}

std::size_t TFile::Read(std::span<std::uint8_t> buffer) {
  return TransferAll(FilePath, "read", buffer.size(), TAtNothingMoved::Stop, [&](std::size_t done) {
    return ::read(Descriptor, buffer.data() + done, buffer.size() - done);
  });
}

void TFile::Write(std::span<const std::uint8_t> bytes) {
  TransferAll(FilePath, "write", bytes.size(), TAtNothingMoved::GoOn, [&](std::size_t done) {
    return ::write(Descriptor, bytes.data() + done, bytes.size() - done);
  });
}

void TFile::SeekToStart() {
  if (::lseek(Descriptor, 0, SEEK_SET) < 0) RaiseInOutError("seek", FilePath, errno);
}

struct stat TFile::Status() {
  struct stat status {};
  if (::fstat(Descriptor, &status) != 0) RaiseInOutError("examine", FilePath, errno);
  return status;
}

void TFile::SetMode(mode_t mode) {
  if (::fchmod(Descriptor, mode) != 0) RaiseInOutError("change mode", FilePath, errno);
}

void TFile::Sync() {
  if (::fsync(Descriptor) != 0) RaiseInOutError("flush", FilePath, errno);
}

void TFile::Close() {
  // close(2) must not be retried: the descriptor is gone even when it reports an error.
  const int result = ::close(std::exchange(Descriptor, -1));
  if (result != 0 && errno != EINTR) RaiseInOutError("close", FilePath, errno);
}

std::optional<TFile> OpenDataFile(const std::string& path, std::string& why) {
  int error = 0;
  // O_NONBLOCK lets a FIFO open at once; it has no effect on a regular file.
  std::optional<TFile> file = TFile::TryOpen(path, O_RDONLY | O_NONBLOCK, error);
  if (!file) {
    if (error == ENOENT) return std::nullopt;
    if (error != EACCES && error != EPERM && error != ELOOP && error != ENXIO && error != EIO)
      RaiseInOutError("open", path, error);
    why = std::string("it cannot be read (") + std::strerror(error) + ")";
    return std::nullopt;
  }
  if (!S_ISREG(file->Status().st_mode)) {
    why = "it is not a file";
    return std::nullopt;
  }
  return file;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string WorkFilePath(const std::string& path) {
  const std::string folder = FolderOf(path);
  if (folder.empty()) return WorkFileName;
  return (folder == "/" ? folder : folder + "/") + WorkFileName;
}

namespace {

// The folder of the files being replaced, locked against the other running copies for as long
// as it is held. A folder that cannot be locked (some network file systems refuse) costs only the
// protection against a save at the very same moment, so it is not reported.
class TFolderLock {
public:
  explicit TFolderLock(const std::string& folder)
      : Descriptor(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (Descriptor < 0) return;
    while (::flock(Descriptor, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  TFolderLock(const TFolderLock&) = delete;
  TFolderLock& operator=(const TFolderLock&) = delete;
  ~TFolderLock() {
    if (Descriptor >= 0) ::close(Descriptor);
  }

  // Makes a finished rename durable. The rename itself is already atomic, so a folder that refuses
  // to be flushed (some file systems do) costs durability only and is not reported.
  void SyncQuietly() {
    if (Descriptor >= 0) ::fsync(Descriptor);
  }

private:
  int Descriptor;
};

}  // namespace

void ReplaceFile(const std::string& path, const std::string& workPath,
                 const std::function<void(TFile& work)>& fill) {
  TFolderLock folder(FolderOf(workPath));
  try {
    // Whatever holds the name now (a killed save's leftover, a planted link) is not ours to write.
    DeleteFileQuietly(workPath);
    TFile work = TFile::Open(workPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
    fill(work);
    work.Sync();
    work.Close();
    // Named after the file it was to replace, which is what the player knows and can mend.
    if (::rename(workPath.c_str(), path.c_str()) != 0) RaiseInOutError("rename", path, errno);
  } catch (...) {
    DeleteFileQuietly(workPath);
    throw;
  }
  folder.SyncQuietly();
}

void RemoveStaleWorkFile(const std::string& folder) {
  TFolderLock lock(folder);
  DeleteFileQuietly(folder + "/" + WorkFileName);
}

void DeleteFileQuietly(const std::string& path) { ::unlink(path.c_str()); }
