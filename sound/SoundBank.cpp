// Reading, checking and unpacking the sound bank.
#include "SoundBank.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "InOutError.h"

namespace {

// All entries pass through this one buffer: the bank is never held in memory as a whole.
std::array<std::uint8_t, CopyBufferSize> CopyBuffer;

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

std::string Damaged(const std::string& problem) { return "Sound file is damaged: " + problem + "."; }

std::string EntryText(int k) { return "entry " + std::to_string(k); }

// Why entry k's name cannot name a file of its own in the temporary directory, or "".
std::string NameProblem(const TBankHeader& header, int k) {
  const std::string& name = header.Names[k];
  if (header.NameLengths[k] > BankNameLength)
    return "the name of " + EntryText(k) + " is longer than 12 characters";
  if (name.empty()) return EntryText(k) + " has an empty name";
  if (name == "." || name == "..") return "the name of " + EntryText(k) + " is \"" + name + "\"";
  for (const char c : name) {
    if (c == '/' || c == '\\') return "the name of " + EntryText(k) + " holds a path separator";
    if (static_cast<unsigned char>(c) < 32 || c == 127)
      return "the name of " + EntryText(k) + " holds a control character";
  }
  return {};
}

// Opens the bank for reading, never waiting: a FIFO in its place would block an ordinary open until
// something writes to it. Returns "" or why the bank cannot be read, for the player; a bank that
// is not a regular file is refused like a damaged one.
std::string OpenForReading(const std::string& path, TFile& file, struct stat& status) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return std::strerror(errno);
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return "it is not a file";
  }
  file.reset(::fdopen(descriptor, "rb"));
  if (!file) {
    const int error = errno;
    ::close(descriptor);
    return std::strerror(error);
  }
  return {};
}

void CopyEntry(std::FILE* bank, const TSoundBank& sound, int k, const std::string& target) {
  const std::string part = target + ".part" + std::to_string(getpid());
  TFile out(std::fopen(part.c_str(), "wb"));
  if (!out) throw EInOutError("create", part, std::strerror(errno));
  if (fseeko(bank, sound.EntryOffsets[k], SEEK_SET) != 0)
    throw EInOutError("seek", sound.BankPath, std::strerror(errno));
  std::int64_t remaining = sound.Header.Sizes[k];
  while (remaining > 0) {
    const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(remaining, CopyBufferSize));
    if (std::fread(CopyBuffer.data(), 1, chunk, bank) != chunk)
      throw EInOutError("read", sound.BankPath, "the bank ends inside " + EntryText(k));
    if (std::fwrite(CopyBuffer.data(), 1, chunk, out.get()) != chunk)
      throw EInOutError("write", part, std::strerror(errno));
    remaining -= static_cast<std::int64_t>(chunk);
  }
  if (std::fclose(out.release()) != 0) throw EInOutError("write", part, std::strerror(errno));
  // Renamed into place whole, so another running instance never meets a half-written sound.
  if (std::rename(part.c_str(), target.c_str()) != 0) {
    const int error = errno;
    std::remove(part.c_str());
    throw EInOutError("rename", target, std::strerror(error));
  }
}

}  // namespace

bool IsSongName(const std::string& name) { return name.ends_with(".MID"); }

std::array<std::int64_t, BankSlots + 1> ComputeEntryOffsets(const TBankHeader& header) {
  std::array<std::int64_t, BankSlots + 1> offsets{};
  std::int64_t offset = header.Start;
  for (int k = 1; k <= header.Count; ++k) {
    offsets[k] = offset;
    offset += header.Sizes[k];
  }
  return offsets;
}

std::string CheckBankHeader(const TBankHeader& header, std::int64_t fileSize) {
  const int count = header.Count;
  for (int k = 1; k <= count; ++k) {
    if (const std::string problem = NameProblem(header, k); !problem.empty()) return Damaged(problem);
    if (header.Sizes[k] < 0)
      return Damaged("the size of " + EntryText(k) + " is negative (" +
                     std::to_string(header.Sizes[k]) + ")");
  }
  if (header.Start < 0 || header.Start > fileSize)
    return Damaged("its entries start at offset " + std::to_string(header.Start) +
                   ", outside the file of " + std::to_string(fileSize) + " bytes");
  const auto offsets = ComputeEntryOffsets(header);
  for (int k = 1; k <= count; ++k) {
    const std::int64_t end = offsets[k] + header.Sizes[k];
    if (end > fileSize)
      return Damaged(EntryText(k) + " runs past the end of the file (to byte " +
                     std::to_string(end) + " of " + std::to_string(fileSize) + ")");
  }
  int firstSong = 0;
  for (int p = 2; p <= count && firstSong == 0; ++p)
    if (IsSongName(header.Names[p])) firstSong = p;
  if (firstSong == 0) return Damaged("it holds no song (no entry from the second on ends in \".MID\")");
  if (firstSong - 1 < EffectCount)
    return Damaged("it holds " + std::to_string(firstSong - 1) +
                   " effects before its first song, where 11 are needed");
  if (count - firstSong + 1 < SongCount)
    return Damaged("it holds " + std::to_string(count - firstSong + 1) +
                   " entries from its first song on, where 8 songs are needed");
  return {};
}

std::string ReadSoundBank(const std::string& bankPath, TSoundBank& bank) {
  std::error_code ignored;
  if (!std::filesystem::exists(bankPath, ignored)) return SoundBankMissingMessage;
  struct stat status {};
  TFile file;
  if (const std::string problem = OpenForReading(bankPath, file, status); !problem.empty())
    return "Sound file cannot be read: " + problem + ".";
  std::array<std::uint8_t, BankHeaderSize> bytes;
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return Damaged("it is shorter than its 4340-byte header");
  bank.BankPath = bankPath;
  bank.Header = DecodeBankHeader(bytes);
  return CheckBankHeader(bank.Header, status.st_size);
}

void ExtractSounds(TSoundBank& bank, const std::string& tempDirectory) {
  bank.EntryOffsets = ComputeEntryOffsets(bank.Header);
  TFile file;
  struct stat status {};
  if (const std::string problem = OpenForReading(bank.BankPath, file, status); !problem.empty())
    throw EInOutError("open", bank.BankPath, problem);
  for (int k = 1; k <= bank.Header.Count; ++k)
    CopyEntry(file.get(), bank, k,
              (std::filesystem::path(tempDirectory) / bank.Header.Names[k]).string());
}

void BuildSoundPaths(TSoundBank& bank, const std::string& tempDirectory) {
  for (int k = 1; k <= BankSlots; ++k)
    bank.SoundPaths[k] = k <= bank.Header.Count
                             ? (std::filesystem::path(tempDirectory) / bank.Header.Names[k]).string()
                             : std::string();
}
