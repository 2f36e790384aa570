// Balls.cfg: defaults, round trip and every kind of damaged file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CheckedFile.h"
#include "KillAtRandomMoments.h"
#include "SettingsFile.h"
#include "TestFolder.h"

namespace {

const TBytes DefaultBytes = {0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x09};
// Preview off, jokers and bombs on, Impossible, sounds off, mixed effects, song 4.
const TBytes PlayerBytes = {0x00, 0x01, 0x01, 0x02, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x04};

TBytes SettingsBytes() {
  TBytes bytes;
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) bytes.push_back(GameSettings.Byte(k));
  return bytes;
}

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override { GameSettings = {}; }
  TTestFolder Folder;
  std::string Path = Folder / "Balls.cfg";
};

}  // namespace

TEST_F(SettingsFile, MissingFileGivesTheDefaultsAndWritesThem) {
  LoadSettings(Folder.Path());
  EXPECT_EQ(GameSettings, DefaultSettings);
  EXPECT_EQ(ReadBytes(Path), DefaultBytes);
}

TEST_F(SettingsFile, SetDefaultSettingsGivesTheDefaultBytes) {
  SetDefaultSettings();
  EXPECT_EQ(SettingsBytes(), DefaultBytes);
}

TEST_F(SettingsFile, StoredSettingsAreLoadedAndTheFileIsLeftAlone) {
  WriteBytes(Path, PlayerBytes);
  LoadSettings(Folder.Path());
  EXPECT_EQ(SettingsBytes(), PlayerBytes);
  EXPECT_EQ(GameSettings.Level, 2);
  EXPECT_EQ(GameSettings.Music, 4);
  EXPECT_EQ(ReadBytes(Path), PlayerBytes);
}

TEST_F(SettingsFile, SaveWritesExactlyElevenBytesAndLoadsBack) {
  WriteBytes(Path, TBytes(40, 0));  // a longer file is cut back to the record
  LoadSettings(Folder.Path());
  GameSettings.Level = 1;
  GameSettings.Music = 0;
  SaveSettings(Folder.Path());
  const TBytes saved = ReadBytes(Path);
  ASSERT_EQ(saved.size(), 11u);
  GameSettings = {};
  LoadSettings(Folder.Path());
  EXPECT_EQ(SettingsBytes(), saved);
  EXPECT_EQ(GameSettings.Level, 1);
}

TEST_F(SettingsFile, LongerFileUsesItsFirstElevenBytes) {
  TBytes longer = PlayerBytes;
  longer.insert(longer.end(), {0x07, 0x07, 0x07});
  WriteBytes(Path, longer);
  LoadSettings(Folder.Path());
  EXPECT_EQ(SettingsBytes(), PlayerBytes);
  EXPECT_EQ(ReadBytes(Path), longer);  // rewritten only by the next save
}

TEST_F(SettingsFile, ShortOrEmptyFileFallsBackToTheDefaultsAndIsRewritten) {
  for (std::size_t length : {0u, 1u, 10u}) {
    WriteBytes(Path, TBytes(PlayerBytes.begin(), PlayerBytes.begin() + static_cast<long>(length)));
    GameSettings = {};
    LoadSettings(Folder.Path());
    EXPECT_EQ(GameSettings, DefaultSettings) << length;
    EXPECT_EQ(ReadBytes(Path), DefaultBytes) << length;
  }
}

TEST_F(SettingsFile, AnyValueOutOfRangeRejectsTheWholeRecord) {
  // Each field one past its highest value; every other field a valid non-default value.
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) {
    TBytes bytes = PlayerBytes;
    bytes[k] = k == 3 ? 3 : k == 10 ? 10 : 2;
    WriteBytes(Path, bytes);
    GameSettings = {};
    LoadSettings(Folder.Path());
    EXPECT_EQ(GameSettings, DefaultSettings) << "field " << k;
    EXPECT_EQ(ReadBytes(Path), DefaultBytes) << "field " << k;
  }
}

TEST_F(SettingsFile, HighestValuesAreInRange) {
  TGameSettings highest{1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 9};
  EXPECT_TRUE(SettingsInRange(highest));
  EXPECT_TRUE(SettingsInRange(TGameSettings{}));
  highest.Byte(0) = 0xFF;
  EXPECT_FALSE(SettingsInRange(highest));
}

TEST_F(SettingsFile, FolderInThePlaceOfTheFileIsSetAsideWithDefaultsInMemory) {
  ASSERT_EQ(::mkdir(Path.c_str(), 0700), 0);
  WriteBytes(Path + "/inside", {1});
  LoadSettings(Folder.Path());
  EXPECT_EQ(GameSettings, DefaultSettings);
  EXPECT_EQ(ReadBytes(Path), DefaultBytes);
  EXPECT_EQ(ReadBytes(Path + ".bad/inside"), TBytes{1});
}

TEST_F(SettingsFile, PipeInThePlaceOfTheFileIsSetAsideWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path.c_str(), 0600), 0);
  LoadSettings(Folder.Path());
  EXPECT_EQ(GameSettings, DefaultSettings);
  struct stat status {};
  ASSERT_EQ(::lstat((Path + ".bad").c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// Whatever the player had in an unusable file stays on the disk, and the player is told once.
TEST_F(SettingsFile, UnusableFileIsSetAsideKeepingEarlierOnesAndThePlayerIsTold) {
  const TBytes outOfRange = {0x01, 0x00, 0x00, 0x07, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x09};
  const TBytes cases[] = {{0x01, 0x01, 0x00}, outOfRange};
  const std::string expected[] = {
      Path + " was set aside as Balls.cfg.bad: it is 3 bytes long instead of 11, so the default settings are in force.",
      Path + " was set aside as Balls.cfg.bad.1: it holds a value out of range, so the default settings are in force."};
  for (int n = 0; n < 2; ++n) {
    WriteBytes(Path, cases[n]);
    std::vector<std::string> told;
    LoadSettings(Folder.Path(), [&](const std::string& message) { told.push_back(message); });
    EXPECT_EQ(told, std::vector<std::string>{expected[n]});
    EXPECT_EQ(ReadBytes(Path), DefaultBytes);
  }
  EXPECT_EQ(ReadBytes(Path + ".bad"), cases[0]) << "the first backup stays";
  EXPECT_EQ(ReadBytes(Path + ".bad.1"), cases[1]);

  std::vector<std::string> told;
  LoadSettings(Folder.Path(), [&](const std::string& message) { told.push_back(message); });
  EXPECT_TRUE(told.empty()) << "a good file is not mentioned";
}

TEST_F(SettingsFile, UnreadableFileIsSetAside) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads through any mode bits";
  WriteBytes(Path, PlayerBytes);
  ASSERT_EQ(::chmod(Path.c_str(), 0), 0);
  LoadSettings(Folder.Path());
  EXPECT_EQ(GameSettings, DefaultSettings);
  EXPECT_TRUE(Exists(Path + ".bad"));
  EXPECT_EQ(ReadBytes(Path), DefaultBytes);
}

// A link someone left in the file's place: neither the start nor a save may change its target.
TEST_F(SettingsFile, ALinkInThePlaceOfTheFileNeverHasItsTargetWritten) {
  const TBytes junk = CountingBytes(300, 40);
  WriteBytes(Folder / "victim", junk);
  ASSERT_EQ(::symlink((Folder / "victim").c_str(), Path.c_str()), 0);
  LoadSettings(Folder.Path());
  EXPECT_EQ(ReadBytes(Folder / "victim"), junk);
  EXPECT_EQ(ReadBytes(Path), DefaultBytes);

  WriteBytes(Folder / "victim", PlayerBytes);
  ASSERT_EQ(::unlink(Path.c_str()), 0);
  ASSERT_EQ(::symlink((Folder / "victim").c_str(), Path.c_str()), 0);
  LoadSettings(Folder.Path());
  EXPECT_EQ(SettingsBytes(), PlayerBytes) << "read through the link";
  GameSettings.Level = 0;
  SaveSettings(Folder.Path());
  EXPECT_EQ(ReadBytes(Folder / "victim"), PlayerBytes);
  struct stat status {};
  ASSERT_EQ(::lstat(Path.c_str(), &status), 0);
  EXPECT_TRUE(S_ISREG(status.st_mode));
}

// After every kill of a child that keeps saving one record and then the other, Balls.cfg holds
// the 11 bytes of one of the two.
TEST_F(SettingsFile, KilledSaveLeavesTheOldOrTheNewSettings) {
  WriteBytes(Path, PlayerBytes);
  const auto seen = KillAtRandomMoments(
      200,
      [&] {
        const TBytes& next = ReadBytes(Path) == PlayerBytes ? DefaultBytes : PlayerBytes;
        for (std::size_t k = 0; k < TGameSettings::Size; ++k) GameSettings.Byte(k) = next[k];
        SaveSettings(Folder.Path());
      },
      [&] {
        const TBytes onDisk = ReadBytes(Path);
        return onDisk == PlayerBytes ? 0 : onDisk == DefaultBytes ? 1 : -1;
      });
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
}

TEST_F(SettingsFile, UnwritableFolderIsAClearError) {
  // Root writes through any mode bits, so the folder is made unusable another way: it is a file.
  WriteBytes(Folder / "plain", {0});
  SetDefaultSettings();
  try {
    SaveSettings(Folder / "plain");
    FAIL() << "saved below a regular file";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path, WorkFilePath(Folder / "plain/Balls.cfg"));
  }
  GameSettings = {};
  EXPECT_THROW(LoadSettings(Folder / "plain"), EInOutError);
  EXPECT_EQ(GameSettings, DefaultSettings);
}
