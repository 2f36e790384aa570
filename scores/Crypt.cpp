// The scrambled form of the score file.
#include "Crypt.h"

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <optional>

#include "CheckedFile.h"

TKeySums KeySums() {
  const std::size_t length = std::strlen(ScrambleKey);
  TKeySums sums{0, 0};
  for (std::size_t i = 1; i <= length; ++i) {
    const auto k = static_cast<std::uint8_t>(ScrambleKey[i - 1]);
    sums.SumA = static_cast<std::uint8_t>(sums.SumA + i * k);
    sums.SumB = static_cast<std::uint8_t>(sums.SumB + (length + 1 - i) * k);
  }
  return sums;
}

TScrambler::TScrambler(TDirection direction) : Direction(direction) {
  const TKeySums sums = KeySums();
  X = sums.SumA;
  Y = sums.SumB;
}

void TScrambler::TransformBlock(std::span<std::uint8_t> block) {
  assert(block.size() <= ScrambleBlockSize);
  const bool scrambling = Direction == TDirection::Scramble;
  for (std::size_t d = 1; d <= block.size(); ++d) {
    X = static_cast<std::uint8_t>(X - d);
    Y = static_cast<std::uint8_t>(Y + d);
    std::uint8_t& b = block[d - 1];
    if (d % 2 == 1)
      b = static_cast<std::uint8_t>(scrambling ? b - X : b + X);
    else
      b = static_cast<std::uint8_t>(scrambling ? b + Y : b - Y);
  }
}

void TScrambler::TransformBody(std::span<std::uint8_t> body) {
  for (std::size_t start = 0; start < body.size(); start += ScrambleBlockSize)
    TransformBlock(body.subspan(start, std::min(ScrambleBlockSize, body.size() - start)));
}

std::vector<std::uint8_t> ScrambleBytes(std::span<const std::uint8_t> plain) {
  const TKeySums sums = KeySums();
  std::vector<std::uint8_t> scrambled(plain.size() + 2);
  scrambled[0] = sums.SumA;
  scrambled[1] = sums.SumB;
  std::copy(plain.begin(), plain.end(), scrambled.begin() + 2);
  TScrambler(TScrambler::TDirection::Scramble).TransformBody(std::span(scrambled).subspan(2));
  return scrambled;
}

std::vector<std::uint8_t> UnscrambleBytes(std::span<const std::uint8_t> scrambled) {
  assert(scrambled.size() >= 2);
  std::vector<std::uint8_t> plain(scrambled.begin() + 2, scrambled.end());
  TScrambler(TScrambler::TDirection::Unscramble).TransformBody(plain);
  return plain;
}

namespace {

// Overwrites a file that has just been replaced with zeros, in place, so that no copy of the old
// form stays on the disk. The replacement is complete at this point, so a file that refuses the
// wipe (opened read-only, full disk) is left as it is rather than reported.
void WipeReplaced(TFile& replaced, bool writable) {
  if (!writable) return;
  try {
    const std::array<std::uint8_t, ScrambleBlockSize> zeros{};
    const auto length = static_cast<std::size_t>(replaced.Status().st_size);
    replaced.SeekToStart();
    for (std::size_t done = 0; done < length; done += zeros.size())
      replaced.Write(std::span(zeros).first(std::min(zeros.size(), length - done)));
    replaced.Sync();
  } catch (const EInOutError&) {
  }
}

void TransformFile(const std::string& path, TScrambler::TDirection direction) {
  // Read-write only for the wipe; a read-only file is still transformed, just not wiped, and so is
  // a link, whose target is not ours to overwrite.
  int error = 0;
  std::optional<TFile> source = TFile::TryOpen(path, O_RDWR | O_NOFOLLOW, error);
  const bool writable = source.has_value();
  if (!writable) {
    if (error != EACCES && error != EPERM && error != EROFS && error != ELOOP) RaiseInOutError("open", path, error);
    source.emplace(TFile::Open(path, O_RDONLY));
  }

  const TKeySums sums = KeySums();
  std::array<std::uint8_t, ScrambleBlockSize> block{};
  if (direction == TScrambler::TDirection::Unscramble) {
    // The key bytes are the same in every file, so they are skipped without a look.
    if (source->Read(std::span(block).first(2)) < 2) throw EInOutError("read", path, "shorter than the key bytes");
  }

  ReplaceFile(path, WorkFilePath(path), [&](TFile& work) {
    if (direction == TScrambler::TDirection::Scramble) work.Write(std::array{sums.SumA, sums.SumB});
    TScrambler scrambler(direction);
    for (;;) {
      const std::size_t read = source->Read(block);
      if (read == 0) break;
      scrambler.TransformBlock(std::span(block).first(read));
      work.Write(std::span(block).first(read));
    }
  });
  WipeReplaced(*source, writable);
  source->Close();
}

}  // namespace

void ScrambleFile(const std::string& path) { TransformFile(path, TScrambler::TDirection::Scramble); }

void UnscrambleFile(const std::string& path) { TransformFile(path, TScrambler::TDirection::Unscramble); }

void WriteScrambledFile(const std::string& path, std::span<const std::uint8_t> plain) {
  const std::vector<std::uint8_t> scrambled = ScrambleBytes(plain);
  ReplaceFile(path, WorkFilePath(path), [&](TFile& work) { work.Write(scrambled); });
}
