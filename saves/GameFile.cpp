// Game.sav on the disk.
#include "GameFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "CheckedFile.h"
#include "SetAside.h"

namespace {

std::string GamePath(const std::string& directory) { return directory + "/" + GameFileName; }

// The whole file, or nothing when it is missing; EDamagedGame when it cannot be read as a file.
std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path) {
  int error = 0;
  // O_NONBLOCK: a FIFO in the file's place must not hang the start.
  std::optional<TFile> file = TFile::TryOpen(path, O_RDONLY | O_NONBLOCK, error);
  if (!file) {
    if (error == ENOENT) return std::nullopt;
    if (error == EACCES || error == EPERM || error == ELOOP || error == ENXIO || error == EIO)
      throw EDamagedGame("it cannot be opened");
    RaiseInOutError("open", path, error);
  }
  const struct stat status = file->Status();
  const std::size_t largest = GameHeaderSize + GameStateSize * (std::size_t{MaxSavedHistory} + 1) + GameChecksumSize;
  if (!S_ISREG(status.st_mode)) throw EDamagedGame("it is no regular file");
  if (static_cast<std::size_t>(status.st_size) > largest) throw EDamagedGame("it is too large");
  // One byte more than the size found, so that a file that grew meanwhile is not taken as whole.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size) + 1);
  try {
    bytes.resize(file->Read(bytes));
  } catch (const EInOutError&) {
    throw EDamagedGame("it cannot be read");
  }
  file->Close();
  return bytes;
}

}  // namespace

void SaveGame(const std::string& directory, const TSavedGame& record) {
  const std::vector<std::uint8_t> bytes = EncodeGame(record);
  const std::string path = GamePath(directory);
  ReplaceFile(path, WorkFilePath(path), [&](TFile& work) { work.Write(bytes); });
}

std::optional<TSavedGame> LoadGame(const std::string& directory) {
  const std::string path = GamePath(directory);
  try {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadGameFile(path);
    if (!bytes) return std::nullopt;
    return DecodeGame(*bytes);
  } catch (const EDamagedGame& damage) {
    throw EDamagedGame(SetAside(path, std::string(damage.what()) + ", so a new game starts."));
  }
}

void RemoveGame(const std::string& directory) { DeleteFileQuietly(GamePath(directory)); }
