// Score.dat on disk: first start, reload, damaged files, a vanished file and crashes mid-save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CheckedFile.h"
#include "Crypt.h"
#include "GameSettings.h"
#include "KillAtRandomMoments.h"
#include "TestFolder.h"
#include "TopLista.h"

namespace {

class ScoreFile : public ::testing::Test {
protected:
  void SetUp() override {
    Random.Seed(3);
    ScoreTable = {};
    GameSettings = DefaultSettings;
  }

  // The table that Score.dat unscrambles to, read straight from the disk.
  TScoreTable TableOnDisk() {
    const TBytes scrambled = ReadBytes(Path);
    EXPECT_EQ(scrambled.size(), ScoreFileSize);
    if (scrambled.size() != ScoreFileSize) return {};
    const TBytes plain = UnscrambleBytes(scrambled);
    return TScoreTable::Decode(std::span(plain).first<PlainScoreFileSize>());
  }

  // A default table as LoadScores makes it, with flags from the same seed.
  TScoreTable ExpectedDefault(std::uint32_t seed) {
    TRandom random;
    random.Seed(seed);
    return TScoreTable::Default(random);
  }

  TTestFolder Folder;
  std::string Path = Folder / "Score.dat";
  std::string BadPath = Folder / "Score.dat.bad";
  std::string WorkPath = Folder / "$$$$$.$$";
  TRandom Random;
};

}  // namespace

TEST_F(ScoreFile, FirstStartCreatesTheScrambledDefaultTable) {
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(ScoreTable, ExpectedDefault(3));
  const TBytes scrambled = ReadBytes(Path);
  ASSERT_EQ(scrambled.size(), 1082u);
  EXPECT_EQ(scrambled[0], 0x27);
  EXPECT_EQ(scrambled[1], 0xA7);
  EXPECT_EQ(scrambled, ScrambleBytes(ExpectedDefault(3).Encode()));
  EXPECT_FALSE(Exists(WorkPath));
  EXPECT_FALSE(Exists(BadPath));
}

TEST_F(ScoreFile, SavedTableLoadsBackByteForByte) {
  LoadScores(Folder.Path(), Random);
  TGameVariables game;
  ASSERT_TRUE(InsertScore(game, 77, 1, 1));
  StoreName(game.LastRank, "R\xC3\xA9ka");
  ScoreTable.Entry(2, 4).Alignment = 0xC3;  // whatever a foreign writer left there survives
  SaveScores(Folder.Path());
  const TScoreTable saved = ScoreTable;
  const TBytes bytes = ReadBytes(Path);

  ScoreTable = {};
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(ScoreTable, saved);
  EXPECT_EQ(ScoreTable.Entry(0, 2).Name(), " R\xE9ka");
  EXPECT_EQ(ReadBytes(Path), bytes);  // loading leaves the file untouched
  EXPECT_FALSE(Exists(WorkPath));
}

TEST_F(ScoreFile, ReadOnlyFileCanBeLoaded) {
  LoadScores(Folder.Path(), Random);
  const TScoreTable saved = ScoreTable;
  ASSERT_EQ(::chmod(Path.c_str(), 0444), 0);
  ScoreTable = {};
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(ScoreTable, saved);
}

TEST_F(ScoreFile, FileOfTheWrongSizeIsMovedAsideAndReplacedByTheDefaults) {
  const TBytes good = ScrambleBytes(ExpectedDefault(99).Encode());
  const TBytes oversized = [&] { TBytes b = good; b.push_back(0); return b; }();
  const TBytes cases[] = {{}, {0x27}, TBytes(good.begin(), good.begin() + 1081), oversized, CountingBytes(5000)};
  int number = 0;
  for (const TBytes& damaged : cases) {
    WriteBytes(Path, damaged);
    Random.Seed(3);
    LoadScores(Folder.Path(), Random);
    EXPECT_EQ(ScoreTable, ExpectedDefault(3)) << damaged.size();
    EXPECT_EQ(TableOnDisk(), ExpectedDefault(3)) << damaged.size();
    const std::string backup = number == 0 ? BadPath : BadPath + "." + std::to_string(number);
    EXPECT_EQ(ReadBytes(backup), damaged) << "each damaged file kept, size " << damaged.size();
    EXPECT_FALSE(Exists(WorkPath));
    ++number;
  }
  EXPECT_EQ(ReadBytes(BadPath), cases[0]) << "the first backup is not replaced by a later one";
}

// The player is told once which file went where and why; the earlier backup stays.
TEST_F(ScoreFile, SettingAsideIsToldToThePlayerAndKeepsTheEarlierBackup) {
  WriteBytes(BadPath, {9});
  WriteBytes(Path, CountingBytes(500));
  std::vector<std::string> told;
  LoadScores(Folder.Path(), Random, [&](const std::string& message) { told.push_back(message); });
  EXPECT_EQ(told, std::vector<std::string>{Path + " was set aside as Score.dat.bad.1: it is 500 bytes long instead "
                                                  "of 1082, so the top-ten lists start afresh."});
  EXPECT_EQ(ReadBytes(BadPath), TBytes{9});
  EXPECT_EQ(ReadBytes(BadPath + ".1"), CountingBytes(500));

  told.clear();
  LoadScores(Folder.Path(), Random, [&](const std::string& message) { told.push_back(message); });
  EXPECT_TRUE(told.empty()) << "a good file is not mentioned";
}

TEST_F(ScoreFile, AWorkFileLeftByAKillIsRemovedAtTheNextStart) {
  LoadScores(Folder.Path(), Random);
  WriteBytes(WorkPath, CountingBytes(700));
  LoadScores(Folder.Path(), Random);
  EXPECT_FALSE(Exists(WorkPath));
  EXPECT_EQ(TableOnDisk(), ExpectedDefault(3));
}

// A link planted at the work file must not lead the save to the link's target.
TEST_F(ScoreFile, SaveNeverWritesThroughALinkAtTheWorkFile) {
  LoadScores(Folder.Path(), Random);
  const TBytes victim = CountingBytes(64, 3);
  WriteBytes(Folder / "victim", victim);
  ASSERT_EQ(::symlink((Folder / "victim").c_str(), WorkPath.c_str()), 0);
  ScoreTable.Entry(0, 1).Score = 4321;
  SaveScores(Folder.Path());
  EXPECT_EQ(ReadBytes(Folder / "victim"), victim);
  struct stat status {};
  ASSERT_EQ(::lstat(Path.c_str(), &status), 0);
  EXPECT_TRUE(S_ISREG(status.st_mode)) << "Score.dat is a file, not a link";
  EXPECT_EQ(TableOnDisk(), ScoreTable);
}

TEST_F(ScoreFile, GarbageOfTheRightSizeIsReadAsItComes) {
  const TBytes garbage = CountingBytes(ScoreFileSize, 0x55);
  WriteBytes(Path, garbage);
  LoadScores(Folder.Path(), Random);
  const TBytes plain = UnscrambleBytes(garbage);
  EXPECT_EQ(ScoreTable, TScoreTable::Decode(std::span(plain).first<PlainScoreFileSize>()));
  EXPECT_LE(ScoreTable.Entry(0, 1).Name().size(), MaxNameLength);
  EXPECT_EQ(ReadBytes(Path), garbage);
  EXPECT_FALSE(Exists(BadPath));
}

TEST_F(ScoreFile, FolderInThePlaceOfTheFileIsMovedAside) {
  ASSERT_EQ(::mkdir(Path.c_str(), 0700), 0);
  WriteBytes(Path + "/inside", {1, 2});
  WriteBytes(BadPath, {9});
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(TableOnDisk(), ExpectedDefault(3));
  EXPECT_EQ(ReadBytes(BadPath), TBytes{9});
  EXPECT_EQ(ReadBytes(BadPath + ".1/inside"), (TBytes{1, 2}));
}

TEST_F(ScoreFile, PipeInThePlaceOfTheFileIsMovedAsideWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path.c_str(), 0600), 0);
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(TableOnDisk(), ExpectedDefault(3));
  struct stat status {};
  ASSERT_EQ(::lstat(BadPath.c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(ScoreFile, UnreadableFileIsMovedAside) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads through any mode bits";
  WriteBytes(Path, ScrambleBytes(ExpectedDefault(8).Encode()));
  ASSERT_EQ(::chmod(Path.c_str(), 0), 0);
  LoadScores(Folder.Path(), Random);
  EXPECT_EQ(TableOnDisk(), ExpectedDefault(3));
  EXPECT_TRUE(Exists(BadPath));
}

TEST_F(ScoreFile, VanishedFileIsWrittenAnewBySave) {
  LoadScores(Folder.Path(), Random);
  ASSERT_EQ(::unlink(Path.c_str()), 0);
  ScoreTable.Entry(1, 1).Score = 999;
  SaveScores(Folder.Path());
  EXPECT_EQ(TableOnDisk(), ScoreTable);
}

TEST_F(ScoreFile, UnusableFolderIsAClearErrorWithATableInMemory) {
  // Root writes through any mode bits, so the folder is made unusable another way: it is a file.
  WriteBytes(Folder / "plain", {0});
  try {
    LoadScores(Folder / "plain", Random);
    FAIL() << "loaded below a regular file";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path, Folder / "plain/Score.dat");
  }
  EXPECT_EQ(ScoreTable, ExpectedDefault(3));  // ready for the game even so
  EXPECT_THROW(SaveScores(Folder / "plain"), EInOutError);
  EXPECT_THROW(SaveScores(Folder / "missing"), EInOutError);
}

TEST_F(ScoreFile, SaveOverAFolderFailsClearlyAndLeavesNoWorkFile) {
  LoadScores(Folder.Path(), Random);
  ASSERT_EQ(::unlink(Path.c_str()), 0);
  ASSERT_EQ(::mkdir(Path.c_str(), 0700), 0);
  WriteBytes(Path + "/keep", {1});
  EXPECT_THROW(SaveScores(Folder.Path()), EInOutError);
  EXPECT_FALSE(Exists(WorkPath));
  EXPECT_TRUE(Exists(Path + "/keep"));
}

// After every kill of a child that keeps replacing one table by the other, Score.dat unscrambles to
// one of the two.
TEST_F(ScoreFile, KilledSaveLeavesTheOldOrTheNewTable) {
  const TScoreTable first = ExpectedDefault(11);
  TScoreTable second = first;
  for (int level = 0; level < LevelCount; ++level) {
    for (int place = 1; place <= PlacesPerList; ++place) {
      second.Entry(level, place).SetName(" Second " + std::to_string(place));
      second.Entry(level, place).Score = static_cast<std::uint16_t>(5000 - place);
    }
  }
  ScoreTable = first;
  SaveScores(Folder.Path());

  const auto seen = KillAtRandomMoments(
      200,
      [&] {
        ScoreTable = TableOnDisk() == first ? second : first;
        SaveScores(Folder.Path());
      },
      [&] {
        const TScoreTable onDisk = TableOnDisk();
        return onDisk == first ? 0 : onDisk == second ? 1 : -1;
      });
  // Both tables were on the disk at some kill, so the kills did land among the saves.
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
  ScoreTable = {};
  LoadScores(Folder.Path(), Random);
  EXPECT_TRUE(ScoreTable == first || ScoreTable == second);
}
