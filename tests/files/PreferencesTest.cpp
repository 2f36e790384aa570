// The preferences file: where it lives, its round trip, a value that is no choice, and a folder
// that cannot be made.
#include <gtest/gtest.h>

#include <QDir>

#include "InOutError.h"
#include "Preferences.h"
#include "TestFolder.h"

namespace {

class Preferences : public ::testing::Test {
protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", Folder.Path().c_str(), 1); }
  TTestFolder Folder;
  std::string Path = Folder / "brindlow/brindlow.conf";
};

}  // namespace

TEST_F(Preferences, LiveInTheConfigFolderAndComeBackAtTheNextStart) {
  EXPECT_EQ(PreferencesFilePath().toStdString(), Path);
  EXPECT_FALSE(TPreferences().Get(KeepGameOnExit));
  EXPECT_FALSE(Exists(Path)) << "reading alone creates nothing";
  TPreferences().Set(KeepGameOnExit, true);
  const TBytes bytes = ReadBytes(Path);
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("[Game]\nKeepOnExit=true"), std::string::npos);
  EXPECT_TRUE(TPreferences().Get(KeepGameOnExit));
  // A relative folder is no folder: the home's .config stands in, as for the data folder.
  setenv("XDG_CONFIG_HOME", "relative", 1);
  EXPECT_EQ(PreferencesFilePath(), QDir::homePath() + QStringLiteral("/.config/brindlow/brindlow.conf"));
}

TEST_F(Preferences, AValueThatIsNoChoiceReadsAsTheDefault) {
  for (const std::string value : {"yes", "1", "", "TRUE"}) {
    const std::string text = "[Game]\nKeepOnExit=" + value + "\n";
    WriteBytes(Folder / "other.conf", TBytes(text.begin(), text.end()));
    EXPECT_FALSE(TPreferences(QString::fromStdString(Folder / "other.conf")).Get(KeepGameOnExit)) << value;
  }
}

TEST_F(Preferences, ANumberOutsideItsRangeOrNoNumberReadsAsTheDefault) {
  TPreferences().Set(MusicVolume, 60);
  EXPECT_EQ(TPreferences().Get(MusicVolume, 0, 100), 60);
  for (const std::string value : {"101", "-1", "ten", "", "50%"}) {
    const std::string text = "[Sound]\nMusicVolume=" + value + "\n";
    WriteBytes(Folder / "other.conf", TBytes(text.begin(), text.end()));
    EXPECT_EQ(TPreferences(QString::fromStdString(Folder / "other.conf")).Get(MusicVolume, 0, 100), MusicVolume.Default)
        << value;
  }
}

TEST_F(Preferences, AFolderThatCannotBeMadeRaisesTheInputOutputError) {
  // A file where the folder should be stops even root.
  WriteBytes(Folder / "brindlow", {1});
  EXPECT_THROW(TPreferences().Set(KeepGameOnExit, true), EInOutError);
  EXPECT_EQ(ReadBytes(Folder / "brindlow"), TBytes{1});
}
