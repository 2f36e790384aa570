// The scrambled form of the score file: two key bytes, then every byte shifted by a running key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr const char* ScrambleKey = "Tw4_LoPe9#";
inline constexpr std::size_t ScrambleBlockSize = 2048;

struct TKeySums {
  std::uint8_t SumA;
  std::uint8_t SumB;
};
TKeySums KeySums();

// The running key of one pass over a file body. The step number restarts with every block of
// ScrambleBlockSize bytes while the two running values go on from block to block.
class TScrambler {
public:
  enum class TDirection { Scramble, Unscramble };

  explicit TScrambler(TDirection direction);
  // Transforms the next block of the body in place; only the body's last block may be shorter.
  void TransformBlock(std::span<std::uint8_t> block);
  // Transforms a whole body held in memory, block by block.
  void TransformBody(std::span<std::uint8_t> body);

private:
  TDirection Direction;
  std::uint8_t X;
  std::uint8_t Y;
};

// The scrambled form of plain bytes (two bytes longer).
std::vector<std::uint8_t> ScrambleBytes(std::span<const std::uint8_t> plain);
// The plain form of scrambled bytes; `scrambled` holds at least the two key bytes.
std::vector<std::uint8_t> UnscrambleBytes(std::span<const std::uint8_t> scrambled);

// Turn the file at `path` into its scrambled or plain form. The new form is written to the work
// file beside it, flushed and renamed over it, so a crash leaves either form, never a mix; the
// replaced bytes are then overwritten with zeros. Memory use stays at one block whatever the size.
void ScrambleFile(const std::string& path);
void UnscrambleFile(const std::string& path);

// Writes the scrambled form of `plain` to `path` through the work file, replacing the old file
// atomically and creating it when missing.
void WriteScrambledFile(const std::string& path, std::span<const std::uint8_t> plain);
