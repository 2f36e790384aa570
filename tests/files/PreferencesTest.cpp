// The preferences file: where it lives, its round trip, what a damaged value reads as, and a
// folder that cannot be written.
#include <gtest/gtest.h>

#include <QFile>

#include "InOutError.h"
#include "Preferences.h"
#include "TestFolder.h"

namespace {

class Preferences : public ::testing::Test {
protected:
  void SetUp() override {
    const char* old = getenv("XDG_CONFIG_HOME");
    if (old != nullptr) Saved = old;
    HadOld = old != nullptr;
    setenv("XDG_CONFIG_HOME", Folder.Path().c_str(), 1);
  }
  void TearDown() override {
    if (HadOld) setenv("XDG_CONFIG_HOME", Saved.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
  }
  TTestFolder Folder;
  std::string Saved;
  bool HadOld = false;
};

}  // namespace

TEST_F(Preferences, LiveInTheConfigFolderAndComeBackAfterARestart) {
  const QString path = PreferencesFilePath();
  EXPECT_EQ(path.toStdString(), Folder / "brindlow/brindlow.conf");
  {
    TPreferences preferences;
    EXPECT_FALSE(preferences.Get(KeepGameOnExit));
    EXPECT_FALSE(Exists(path.toStdString())) << "reading alone creates nothing";
    preferences.Set(KeepGameOnExit, true);
  }
  const TBytes bytes = ReadBytes(path.toStdString());
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("[Game]\nKeepOnExit=true"), std::string::npos);
  EXPECT_TRUE(TPreferences().Get(KeepGameOnExit));
  TPreferences().Set(KeepGameOnExit, false);
  EXPECT_FALSE(TPreferences().Get(KeepGameOnExit));
}

TEST_F(Preferences, ARelativeOrEmptyConfigHomeMeansTheHomeFolder) {
  const std::string home = getenv("HOME") != nullptr ? getenv("HOME") : "";
  for (const char* value : {"", "relative/config"}) {
    setenv("XDG_CONFIG_HOME", value, 1);
    EXPECT_EQ(PreferencesFilePath().toStdString(), home + "/.config/brindlow/brindlow.conf") << value;
  }
}

TEST_F(Preferences, AValueThatIsNoChoiceReadsAsTheDefault) {
  for (const char* value : {"yes", "1", "", "TRUE"}) {
    const std::string text = std::string("[Game]\nKeepOnExit=") + value + "\n";
    WriteBytes(Folder / "prefs.conf", TBytes(text.begin(), text.end()));
    EXPECT_FALSE(TPreferences(QString::fromStdString(Folder / "prefs.conf")).Get(KeepGameOnExit)) << value;
  }
}

TEST_F(Preferences, AFolderThatCannotBeMadeRaisesTheInputOutputError) {
  // A file where the folder should be stops even root.
  WriteBytes(Folder / "brindlow", {1});
  TPreferences preferences;
  EXPECT_THROW(preferences.Set(KeepGameOnExit, true), EInOutError);
  EXPECT_EQ(ReadBytes(Folder / "brindlow"), TBytes{1});
}
