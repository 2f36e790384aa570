// The scrambler: its fixed bytes, its block rule, round trips and its work file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CheckedFile.h"
#include "Crypt.h"
#include "KillAtRandomMoments.h"
#include "TestFolder.h"

namespace {

// The scrambled body written out from the rule itself rather than block by block: with both
// running values started from the key sums, byte j (from 0) uses step d = j mod 2048 + 1 and
// the running values after j + 1 steps.
TBytes ScrambledByFormula(const TBytes& plain) {
  TBytes scrambled = {0x27, 0xA7};
  unsigned x = 0x27;
  unsigned y = 0xA7;
  for (std::size_t j = 0; j < plain.size(); ++j) {
    const unsigned d = static_cast<unsigned>(j % 2048 + 1);
    x = (x - d) & 0xFF;
    y = (y + d) & 0xFF;
    scrambled.push_back(static_cast<std::uint8_t>(d % 2 == 1 ? plain[j] - x : plain[j] + y));
  }
  return scrambled;
}

class Scrambler : public ::testing::Test {
protected:
  TTestFolder Folder;
  std::string Path = Folder / "Score.dat";
  std::string WorkPath = Folder / "$$$$$.$$";
};

}  // namespace

TEST(KeySums, AreTheTwoBytesOfTheKey) {
  const TKeySums sums = KeySums();
  EXPECT_EQ(sums.SumA, 0x27);
  EXPECT_EQ(sums.SumB, 0xA7);
}

TEST_F(Scrambler, EmptyFileScramblesToTheTwoKeyBytesAndBack) {
  WriteBytes(Path, {});
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path), (TBytes{0x27, 0xA7}));
  UnscrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path), TBytes{});
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(Scrambler, FirstBytesMatchTheWorkedExample) {
  // X runs 38, 36, 33 and Y 168, 170, 173: 0 - 38, 0 + 170, 0 - 33.
  EXPECT_EQ(ScrambleBytes(TBytes{0, 0, 0}), (TBytes{0x27, 0xA7, 0xDA, 0xAA, 0xDF}));
  EXPECT_EQ(ScrambleBytes(TBytes{0x10, 0xFF}), (TBytes{0x27, 0xA7, 0xEA, 0xA9}));
}

TEST_F(Scrambler, LongFilesFollowTheStepRuleAcrossBlocks) {
  for (std::size_t length : {2047u, 2048u, 2049u, 5000u}) {
    const TBytes plain = CountingBytes(length, 7);
    WriteBytes(Path, plain);
    ScrambleFile(Path);
    EXPECT_EQ(ReadBytes(Path), ScrambledByFormula(plain)) << length;
    EXPECT_EQ(ScrambleBytes(plain), ScrambledByFormula(plain)) << length;
  }
}

TEST_F(Scrambler, RoundTripsGiveBackTheSameBytes) {
  for (std::size_t length : {0u, 1u, 2047u, 2048u, 2049u, 5000u}) {
    const TBytes plain = CountingBytes(length, static_cast<std::uint8_t>(length));
    WriteBytes(Path, plain);
    ScrambleFile(Path);
    const TBytes scrambled = ReadBytes(Path);
    ASSERT_EQ(scrambled.size(), length + 2);
    EXPECT_EQ(UnscrambleBytes(scrambled), plain) << length;
    UnscrambleFile(Path);
    EXPECT_EQ(ReadBytes(Path), plain) << length;
    EXPECT_FALSE(Exists(WorkPath)) << length;
  }
}

TEST_F(Scrambler, DifferentFilesBeginWithTheSameTwoBytes) {
  const TBytes first = ScrambleBytes(CountingBytes(30, 1));
  const TBytes second = ScrambleBytes(CountingBytes(500, 99));
  EXPECT_EQ(TBytes(first.begin(), first.begin() + 2), TBytes(second.begin(), second.begin() + 2));
}

TEST_F(Scrambler, TwiceScrambledNeedsTwoUnscrambles) {
  const TBytes plain = CountingBytes(3000, 5);
  WriteBytes(Path, plain);
  ScrambleFile(Path);
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path).size(), plain.size() + 4);
  UnscrambleFile(Path);
  UnscrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path), plain);
}

TEST_F(Scrambler, ReplacedContentIsOverwrittenWithZeros) {
  // A second name for the old file shows what became of its bytes after the replacement.
  const TBytes plain = CountingBytes(3000, 1);
  WriteBytes(Path, plain);
  const std::string oldName = Folder / "old";
  ASSERT_EQ(::link(Path.c_str(), oldName.c_str()), 0);
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(oldName), TBytes(plain.size(), 0));
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula(plain));
}

TEST_F(Scrambler, ALinkIsReplacedAndItsTargetNeverWiped) {
  const TBytes plain = CountingBytes(100, 2);
  WriteBytes(Folder / "target", plain);
  ASSERT_EQ(::symlink((Folder / "target").c_str(), Path.c_str()), 0);
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(Folder / "target"), plain);
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula(plain));
}

TEST_F(Scrambler, MissingFileIsAClearErrorAndLeavesNoWorkFile) {
  try {
    ScrambleFile(Path);
    FAIL();
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Operation, "open");
    EXPECT_EQ(error.Path, Path);
  }
  EXPECT_THROW(UnscrambleFile(Path), EInOutError);
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(Scrambler, FileShorterThanTheKeyBytesCannotBeUnscrambled) {
  WriteBytes(Path, {0x27});
  EXPECT_THROW(UnscrambleFile(Path), EInOutError);
  EXPECT_EQ(ReadBytes(Path), TBytes{0x27});
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(Scrambler, ExistingWorkFileIsOverwritten) {
  WriteBytes(WorkPath, CountingBytes(9000));
  WriteBytes(Path, {1, 2, 3});
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula({1, 2, 3}));
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(Scrambler, WorkFileLiesBesideTheFile) {
  EXPECT_EQ(WorkFilePath("/games/b/Score.dat"), "/games/b/$$$$$.$$");
  EXPECT_EQ(WorkFilePath("/Score.dat"), "/$$$$$.$$");
  EXPECT_EQ(WorkFilePath("Score.dat"), "$$$$$.$$");
}

TEST_F(Scrambler, ReadOnlyFileIsStillTransformed) {
  WriteBytes(Path, {4, 5, 6});
  ASSERT_EQ(::chmod(Path.c_str(), 0444), 0);
  ScrambleFile(Path);
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula({4, 5, 6}));
}

TEST_F(Scrambler, WriteScrambledFileCreatesOrReplaces) {
  WriteScrambledFile(Path, CountingBytes(10));
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula(CountingBytes(10)));
  WriteScrambledFile(Path, CountingBytes(4, 3));
  EXPECT_EQ(ReadBytes(Path), ScrambledByFormula(CountingBytes(4, 3)));
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(Scrambler, KilledChangeLeavesTheOldOrTheNewForm) {
  const TBytes plain = CountingBytes(5000, 3);
  const TBytes scrambled = ScrambleBytes(plain);
  WriteBytes(Path, plain);
  const auto seen = KillAtRandomMoments(
      60, [&] { ReadBytes(Path) == plain ? ScrambleFile(Path) : UnscrambleFile(Path); },
      [&] {
        const TBytes onDisk = ReadBytes(Path);
        return onDisk == plain ? 0 : onDisk == scrambled ? 1 : -1;
      });
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
}
