// Balls.cfg: defaults, round trip and every kind of damaged file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "CheckedFile.h"
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

TEST_F(SettingsFile, FolderInThePlaceOfTheFileIsAClearErrorWithDefaultsInMemory) {
  ASSERT_EQ(::mkdir(Path.c_str(), 0700), 0);
  EXPECT_THROW(LoadSettings(Folder.Path()), EInOutError);
  EXPECT_EQ(GameSettings, DefaultSettings);
  EXPECT_THROW(SaveSettings(Folder.Path()), EInOutError);
}

TEST_F(SettingsFile, PipeInThePlaceOfTheFileIsAClearErrorWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path.c_str(), 0600), 0);
  EXPECT_THROW(LoadSettings(Folder.Path()), EInOutError);
  EXPECT_EQ(GameSettings, DefaultSettings);
}

TEST_F(SettingsFile, UnwritableFolderIsAClearError) {
  // Root writes through any mode bits, so the folder is made unusable another way: it is a file.
  WriteBytes(Folder / "plain", {0});
  SetDefaultSettings();
  try {
    SaveSettings(Folder / "plain");
    FAIL() << "saved below a regular file";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path, Folder / "plain/Balls.cfg");
  }
  GameSettings = {};
  EXPECT_THROW(LoadSettings(Folder / "plain"), EInOutError);
  EXPECT_EQ(GameSettings, DefaultSettings);
}
