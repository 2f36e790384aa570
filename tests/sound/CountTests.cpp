// The instance count in "Semaphore.qzr" and the release of the shared unpacked files.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <vector>

#include "GameSettings.h"
#include "GameSound.h"
#include "SoundCount.h"
#include "SoundTestFiles.h"

namespace {

class TCountTest : public testing::Test {
protected:
  int Count() const {
    const TBytes bytes = ReadBytes(Temp.File(SemaphoreName));
    EXPECT_EQ(bytes.size(), 1u);
    return bytes.empty() ? -1 : bytes[0];
  }

  TTempFolder Temp;
};

TEST_F(TCountTest, CountsInAndOutWrappingAsAByte) {
  AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 1);
  AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 2);
  EXPECT_FALSE(DetachSoundFiles(Temp.Path()));
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(DetachSoundFiles(Temp.Path()));
  EXPECT_EQ(Count(), 0);

  WriteBytes(Temp.File(SemaphoreName), {255});
  AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, AMissingCountFileAtShutDownCountsAsTheLastInstance) {
  EXPECT_TRUE(DetachSoundFiles(Temp.Path()));
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, InstancesCountingAtOnceLoseNoCount) {
  std::vector<std::thread> instances;
  for (int i = 0; i < 4; ++i)
    instances.emplace_back([&] {
      for (int n = 0; n < 50; ++n) AttachSoundFiles(Temp.Path());
    });
  for (std::thread& instance : instances) instance.join();
  EXPECT_EQ(Count(), 200);

  instances.clear();
  for (int i = 0; i < 4; ++i)
    instances.emplace_back([&] {
      for (int n = 0; n < 50; ++n) DetachSoundFiles(Temp.Path());
    });
  for (std::thread& instance : instances) instance.join();
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, AnInstanceStartedBetweenTheLastCountOutAndTheDeletionKeepsItsFiles) {
  TBankHeader header;
  header.Count = 1;
  header.Names[1] = "E1.WAV";
  WriteBytes(Temp.File("E1.WAV"), {1, 2, 3});
  AttachSoundFiles(Temp.Path());
  ASSERT_TRUE(DetachSoundFiles(Temp.Path()));
  AttachSoundFiles(Temp.Path());

  DeleteSoundFiles(header, Temp.Path());
  EXPECT_TRUE(FileExists(Temp.File("E1.WAV")));
  EXPECT_EQ(Count(), 1);

  ASSERT_TRUE(DetachSoundFiles(Temp.Path()));
  DeleteSoundFiles(header, Temp.Path());
  EXPECT_TRUE(std::filesystem::is_empty(Temp.Path()));
}

class TTwoInstancesTest : public TCountTest {
protected:
  void SetUp() override {
    WriteBank(Program.File("Sound.dat"), StandardEntries());
    GameSettings = DefaultSettings;
  }

  // One running copy of the game as far as its sound goes.
  struct TInstance {
    explicit TInstance(TTwoInstancesTest& test)
        : Sound([this](const std::string& path, int) { Heard.push_back(path); }, Player, ProgramRandom()) {
      EXPECT_EQ(Sound.CheckSoundBank(test.Program.Path()), "");
      EXPECT_EQ(Sound.StartSound(test.Temp.Path()), "");
    }
    TMusicPlayer Player;
    std::vector<std::string> Heard;
    TGameSound Sound;
  };

  bool Unpacked() const {
    for (const TBankEntry& entry : StandardEntries())
      if (!FileExists(Temp.File(entry.Name))) return false;
    return true;
  }

  TTempFolder Program;
};

TEST_F(TTwoInstancesTest, OnlyTheLastToCloseDeletesTheFiles) {
  GameSettings.Music = 0;
  TInstance first(*this);
  EXPECT_EQ(Count(), 1);
  TInstance second(*this);
  EXPECT_EQ(Count(), 2);
  EXPECT_TRUE(Unpacked());

  first.Sound.ShutDown();
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(Unpacked());
  EXPECT_EQ(first.Heard.back(), Temp.File("E11.WAV")) << "Close sounds at shut-down";

  second.Sound.ShutDown();
  EXPECT_TRUE(std::filesystem::is_empty(Temp.Path())) << "entries and count file deleted";
}

TEST_F(TTwoInstancesTest, ALostCountFileStillLetsTheLastInstanceCleanUp) {
  GameSettings.Music = 0;
  TInstance only(*this);
  std::filesystem::remove(Temp.File(SemaphoreName));
  only.Sound.ShutDown();
  EXPECT_TRUE(std::filesystem::is_empty(Temp.Path()));
}

}  // namespace
