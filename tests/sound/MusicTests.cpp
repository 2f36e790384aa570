// The song choice, the start of the music, the reaction to a changed choice and the minute's restart.
#include <gtest/gtest.h>

#include <set>

#include "GameSettings.h"
#include "GameSound.h"
#include "RecordingPlayer.h"
#include "SoundTestFiles.h"

namespace {

using TCalls = std::vector<std::string>;

class TMusicTest : public testing::Test {
protected:
  void SetUp() override {
    WriteBank(Program.File("Sound.dat"), StandardEntries());
    GameSettings = DefaultSettings;
    Random.Seed(1234);
    Sound.SetProblemReport([this](const std::string& message) { Reports.push_back(message); });
  }
  void TearDown() override { Sound.ShutDown(); }

  // The window's start-up: the bank checked, the settings loaded, the sound started, then play.
  void Start(std::uint8_t music) {
    ASSERT_EQ(Sound.CheckSoundBank(Program.Path()), "");
    GameSettings.Music = music;
    ASSERT_EQ(Sound.StartSound(Temp.Path()), "");
    Sound.StartPlay();
  }
  std::string Song(int n) const { return Temp.File("SONG" + std::to_string(n) + ".MID"); }
  TCalls TakeCalls() { return std::exchange(Player.Calls, {}); }

  TTempFolder Program;
  TTempFolder Temp;
  TRecordingPlayer Player;
  TRandom Random;
  TGameSound Sound{[](const std::string&, int) {}, Player, Random};
  std::vector<std::string> Reports;
};

// The synthesiser behind a song takes a while to load; the start-up sound must not wait for it.
TEST_F(TMusicTest, TheStartUpSoundIsStartedBeforeTheSongIsOpened) {
  TGameSound sound{[this](const std::string&, int) { Player.Calls.push_back("Effect"); }, Player, Random};
  ASSERT_EQ(sound.CheckSoundBank(Program.Path()), "");
  GameSettings.Music = 3;
  ASSERT_EQ(sound.StartSound(Temp.Path()), "");
  EXPECT_EQ(TakeCalls(), (TCalls{"Effect", "Open " + Song(3)}));
  sound.ShutDown();
}

TEST_F(TMusicTest, TheChosenSongIsOpenedAtStartAndThenPlayed) {
  ASSERT_EQ(Sound.CheckSoundBank(Program.Path()), "");
  GameSettings.Music = 3;
  ASSERT_EQ(Sound.StartSound(Temp.Path()), "");
  EXPECT_EQ(TakeCalls(), (TCalls{"Open " + Song(3)})) << "opened, not yet played";
  Sound.StartPlay();
  EXPECT_EQ(TakeCalls(), TCalls{"Play"});
  EXPECT_TRUE(Player.Playing());
}

TEST_F(TMusicTest, MusicOffAtStartOpensNothingAndTheTimerStaysIdle) {
  Start(0);
  Sound.MusicTimerTimer();
  EXPECT_TRUE(Player.Calls.empty());
}

TEST_F(TMusicTest, AFixedSongIsLeftAloneWhilePlayingAndRewoundAndReplayedOnceEnded) {
  Start(5);
  TakeCalls();
  Sound.MusicTimerTimer();
  EXPECT_TRUE(Player.Calls.empty()) << "the playing song goes on undisturbed";

  Player.IsPlaying = false;  // the song has ended
  Sound.MusicTimerTimer();
  EXPECT_EQ(TakeCalls(), (TCalls{"Rewind", "Play"}));
  EXPECT_EQ(Player.FileName, Song(5));
  EXPECT_TRUE(Player.Playing());
}

TEST_F(TMusicTest, RandomModeDrawsANewSongAtEveryRestart) {
  TRandom twin;
  twin.Seed(1234);
  Start(9);
  TCalls expected{"Open " + Song(twin.Random(8) + 1), "Play"};
  EXPECT_EQ(TakeCalls(), expected);

  std::set<std::string> drawn;
  for (int tick = 0; tick < 20; ++tick) {
    Player.IsPlaying = false;
    Sound.MusicTimerTimer();
    const std::string song = Song(twin.Random(8) + 1);
    EXPECT_EQ(TakeCalls(), (TCalls{"Close", "Open " + song, "Play"}));
    drawn.insert(song);
  }
  EXPECT_GT(drawn.size(), 1u);
}

TEST_F(TMusicTest, MusicOffClosesAtOnceAndASongAfterwardsStartsAtOnce) {
  Start(2);
  TakeCalls();
  GameSettings.Music = 0;
  Sound.ApplyMusicChange();
  EXPECT_EQ(TakeCalls(), TCalls{"Close"});
  EXPECT_FALSE(Player.Playing());
  Sound.MusicTimerTimer();
  EXPECT_TRUE(Player.Calls.empty());

  GameSettings.Music = 7;
  Sound.ApplyMusicChange();
  EXPECT_EQ(TakeCalls(), (TCalls{"Open " + Song(7), "Play"}));
}

TEST_F(TMusicTest, AChangedSongReplacesThePlayingOne) {
  Start(2);
  TakeCalls();
  GameSettings.Music = 4;
  Sound.ApplyMusicChange();
  EXPECT_EQ(TakeCalls(), (TCalls{"Close", "Open " + Song(4), "Play"}));
}

TEST_F(TMusicTest, ARefusedSongIsReportedOnceAndTheGameGoesOn) {
  Player.Refuse = true;
  Start(6);
  for (int tick = 0; tick < 5; ++tick) Sound.MusicTimerTimer();
  GameSettings.Music = 9;
  Sound.ApplyMusicChange();
  Sound.MusicTimerTimer();
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_EQ(Reports[0], "The song \"" + Song(6) + "\" cannot be played");
}

}  // namespace
