// Fuzzes Score.dat: loading the table from any file, and unscrambling and scrambling any bytes,
// in memory and through the work file, which must agree and undo each other.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "CheckedFile.h"
#include "Crypt.h"
#include "FuzzSupport.h"
#include "InOutError.h"
#include "TopLista.h"

namespace {

constexpr std::uint32_t DefaultTableSeed = 1234;

bool Same(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// A file of the right size is taken as it is; any other is moved aside whole and replaced by the
// default table.
void CheckLoading(std::span<const std::uint8_t> input) {
  const std::string folder = EmptySubfolder("table");
  const std::string path = folder + "/" + ScoreFileName;
  WriteWholeFile(path, input);
  TRandom random;
  random.Seed(DefaultTableSeed);
  LoadScores(folder, random);

  if (input.size() == ScoreFileSize) {
    const std::vector<std::uint8_t> plain = UnscrambleBytes(input);
    Require(ScoreTable == TScoreTable::Decode(std::span(plain).first<PlainScoreFileSize>()), "the table is the file's");
    Require(Same(ScoreTable.Encode(), plain), "the table encodes back to the file's bytes");
    Require(Same(ReadWholeFile(path), input), "a readable file is left alone");
    Require(!FileExists(folder + "/" + BadScoreFileName), "a readable file is not moved aside");
    return;
  }
  TRandom expected;
  expected.Seed(DefaultTableSeed);
  Require(ScoreTable == TScoreTable::Default(expected), "a file of the wrong size gives the default table");
  Require(Same(ReadWholeFile(folder + "/" + BadScoreFileName), input), "the damaged file is kept whole");
  Require(Same(ReadWholeFile(path), ScrambleBytes(ScoreTable.Encode())), "the default table is written");
}

// The file transforms give what the in-memory ones give, and scrambling undoes unscrambling.
void CheckScrambling(std::span<const std::uint8_t> input) {
  const std::string folder = EmptySubfolder("scramble");
  const std::string path = folder + "/" + ScoreFileName;
  WriteWholeFile(path, input);
  if (input.size() < 2) {
    bool refused = false;
    try {
      UnscrambleFile(path);
    } catch (const EInOutError&) {
      refused = true;
    }
    Require(refused, "a file without its key bytes cannot be unscrambled");
    return;
  }
  const std::vector<std::uint8_t> plain = UnscrambleBytes(input);
  Require(plain.size() + 2 == input.size(), "unscrambling drops the two key bytes");
  UnscrambleFile(path);
  Require(Same(ReadWholeFile(path), plain), "the file and memory unscramble alike");

  const std::vector<std::uint8_t> again = ScrambleBytes(plain);
  const TKeySums sums = KeySums();
  Require(again[0] == sums.SumA && again[1] == sums.SumB, "scrambled bytes start with the key sums");
  Require(Same(std::span(again).subspan(2), input.subspan(2)), "scrambling undoes unscrambling");
  ScrambleFile(path);
  Require(Same(ReadWholeFile(path), again), "the file and memory scramble alike");
  Require(!FileExists(WorkFilePath(path)), "no work file is left behind");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  CheckLoading(input);
  CheckScrambling(input);
  return 0;
}
