// The instance count in "Semaphore.qzr" and the release of the shared unpacked files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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
  TSoundFilesShare first = AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 1);
  TSoundFilesShare second = AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 2);
  EXPECT_FALSE(DetachSoundFiles(Temp.Path(), std::move(first)));
  EXPECT_EQ(Count(), 1);

  WriteBytes(Temp.File(SemaphoreName), {255});
  TSoundFilesShare third = AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 0);
  EXPECT_FALSE(DetachSoundFiles(Temp.Path(), std::move(third)));
  EXPECT_EQ(Count(), 255);
  EXPECT_TRUE(DetachSoundFiles(Temp.Path(), std::move(second))) << "the only one left";
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, AMissingCountFileAtShutDownCountsAsTheLastInstance) {
  EXPECT_TRUE(DetachSoundFiles(Temp.Path(), TSoundFilesShare()));
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, InstancesCountingAtOnceLoseNoCount) {
  std::vector<std::vector<TSoundFilesShare>> shares(4);
  std::vector<std::thread> instances;
  for (int i = 0; i < 4; ++i)
    instances.emplace_back([&, i] {
      for (int n = 0; n < 50; ++n) shares[i].push_back(AttachSoundFiles(Temp.Path()));
    });
  for (std::thread& instance : instances) instance.join();
  EXPECT_EQ(Count(), 200);

  instances.clear();
  for (int i = 0; i < 4; ++i)
    instances.emplace_back([&, i] {
      for (TSoundFilesShare& share : shares[i]) DetachSoundFiles(Temp.Path(), std::move(share));
    });
  for (std::thread& instance : instances) instance.join();
  EXPECT_EQ(Count(), 0);
}

// A killed instance never counts out; the count it leaves must not keep the files forever.
TEST_F(TCountTest, ACountLeftByKilledInstancesIsForgottenByTheNextOneAlone) {
  WriteBytes(Temp.File(SemaphoreName), {0x82});
  TSoundFilesShare only = AttachSoundFiles(Temp.Path());
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(DetachSoundFiles(Temp.Path(), std::move(only)));
}

TEST_F(TCountTest, AnInstanceKilledWhileAnotherRunsLeavesTheOtherTheLast) {
  TSoundFilesShare survivor = AttachSoundFiles(Temp.Path());
  {
    TSoundFilesShare killed = AttachSoundFiles(Temp.Path());
    EXPECT_EQ(Count(), 2);
    // The system drops a killed instance's share with its open files; the count stays.
  }
  EXPECT_EQ(Count(), 2);
  EXPECT_TRUE(DetachSoundFiles(Temp.Path(), std::move(survivor)));
  EXPECT_EQ(Count(), 0);
}

TEST_F(TCountTest, AnInstanceStartedBetweenTheLastCountOutAndTheDeletionKeepsItsFiles) {
  TBankHeader header;
  header.Count = 1;
  header.Names[1] = "E1.WAV";
  WriteBytes(Temp.File("E1.WAV"), {1, 2, 3});
  ASSERT_TRUE(DetachSoundFiles(Temp.Path(), AttachSoundFiles(Temp.Path())));
  TSoundFilesShare later = AttachSoundFiles(Temp.Path());

  DeleteSoundFiles(header, Temp.Path());
  EXPECT_TRUE(FileExists(Temp.File("E1.WAV")));
  EXPECT_EQ(Count(), 1);

  ASSERT_TRUE(DetachSoundFiles(Temp.Path(), std::move(later)));
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

TEST_F(TTwoInstancesTest, TheFirstToStartMayAlsoCloseLast) {
  GameSettings.Music = 0;
  TInstance first(*this);
  TInstance second(*this);
  second.Sound.ShutDown();
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(Unpacked());
  first.Sound.ShutDown();
  EXPECT_TRUE(std::filesystem::is_empty(Temp.Path())) << "entries and count file deleted";
}

TEST_F(TTwoInstancesTest, AnInstanceAfterAKilledOneStillCleansUp) {
  GameSettings.Music = 0;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A copy that counts itself in, unpacks and dies without its shut-down.
    TSoundBank bank;
    const TSoundFilesShare share = AttachSoundFiles(Temp.Path());
    if (ReadSoundBank(Program.File("Sound.dat"), bank).empty()) ExtractSounds(bank, Temp.Path());
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  ASSERT_EQ(Count(), 1) << "the killed copy counted itself in";
  ASSERT_TRUE(Unpacked());

  TInstance next(*this);
  EXPECT_EQ(Count(), 1);
  next.Sound.ShutDown();
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
