// Which effects sound under the player's switches, and how they are handed to the wave player.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "GameSettings.h"
#include "GameSound.h"
#include "PlaySoundFile.h"
#include "RecordingPlayer.h"
#include "SoundEffects.h"
#include "SoundTestFiles.h"

namespace {

struct TSwitchedEffect {
  TSoundEffect Effect;
  std::uint8_t TGameSettings::*Switch;  // nullptr: no switch
};

const TSwitchedEffect AllEffects[] = {
    {TSoundEffect::StartUp, nullptr},
    {TSoundEffect::Break, &TGameSettings::SoundBreak},
    {TSoundEffect::Create, &TGameSettings::SoundCreate},
    {TSoundEffect::CreateJoker, &TGameSettings::SoundCreate},
    {TSoundEffect::CreateBomb, &TGameSettings::SoundCreate},
    {TSoundEffect::Jump, &TGameSettings::SoundJump},
    {TSoundEffect::JumpJoker, &TGameSettings::SoundJump},
    {TSoundEffect::JumpBomb, &TGameSettings::SoundJump},
    {TSoundEffect::Move, &TGameSettings::SoundMove},
    {TSoundEffect::Stuck, &TGameSettings::SoundStuck},
    {TSoundEffect::Close, nullptr},
};

struct TPlayed {
  std::string Path;
  int Flags;
  friend bool operator==(const TPlayed&, const TPlayed&) = default;
};

class TEffectTest : public testing::Test {
protected:
  void SetUp() override {
    WriteBank(Program.File("Sound.dat"), StandardEntries());
    GameSettings = DefaultSettings;
    GameSettings.Music = 0;
    ASSERT_EQ(Sound.CheckSoundBank(Program.Path()), "");
    ASSERT_EQ(Sound.StartSound(Temp.Path()), "");
    Played.clear();  // StartUp
  }
  void TearDown() override { Sound.ShutDown(); }

  TTempFolder Program;
  TTempFolder Temp;
  std::vector<TPlayed> Played;
  TRecordingPlayer Player;
  TGameSound Sound{[this](const std::string& path, int flags) { Played.push_back({path, flags}); },
                   Player, ProgramRandom()};
};

TEST_F(TEffectTest, EachEffectFollowsItsOwnSwitchAndTheMasterSwitch) {
  for (const TSwitchedEffect& effect : AllEffects) {
    const int position = static_cast<int>(effect.Effect);
    SCOPED_TRACE("effect at position " + std::to_string(position));
    const std::string path = Temp.File("E" + std::to_string(position) + ".WAV");
    const int flags = position == 10 || position == 11 ? SoundSync : SoundAsync;
    for (const std::uint8_t soundsOff : {0, 1}) {
      for (const std::uint8_t own : {0, 1}) {
        GameSettings = DefaultSettings;
        GameSettings.SoundsOff = soundsOff;
        // Every other switch stays on, so that a wrong switch being read shows.
        if (effect.Switch != nullptr) GameSettings.*effect.Switch = own;
        Played.clear();
        Sound.Effects().PlayEffect(effect.Effect);
        const bool heard = effect.Switch == nullptr || (own == 1 && soundsOff == 0);
        const std::vector<TPlayed> expected =
            heard ? std::vector<TPlayed>{{path, flags}} : std::vector<TPlayed>{};
        EXPECT_EQ(Played, expected)
            << "SoundsOff " << int(soundsOff) << ", own switch " << int(own);
      }
    }
  }
}

TEST_F(TEffectTest, StartUpSoundsAtStartEvenWithEverySwitchOff) {
  TTempFolder otherTemp;
  GameSettings = DefaultSettings;
  GameSettings.SoundsOff = 1;
  GameSettings.Music = 0;
  std::vector<std::string> heard;
  TRecordingPlayer player;
  TGameSound sound([&](const std::string& path, int flags) {
    heard.push_back(path);
    EXPECT_EQ(flags, SoundAsync);
  }, player, ProgramRandom());
  ASSERT_EQ(sound.CheckSoundBank(Program.Path()), "");
  ASSERT_EQ(sound.StartSound(otherTemp.Path()), "");
  EXPECT_EQ(heard, std::vector<std::string>{otherTemp.File("E1.WAV")});
}

TEST(SilentRun, AMissingBankWarnsOnceAndSilencesEffectsAndMusic) {
  TTempFolder program, temp;
  GameSettings = DefaultSettings;
  int heard = 0;
  TRecordingPlayer player;
  TGameSound sound([&](const std::string&, int) { ++heard; }, player, ProgramRandom());
  EXPECT_EQ(sound.CheckSoundBank(program.Path()), "Sound file is missing!");
  EXPECT_EQ(sound.StartSound(temp.Path()), "");
  EXPECT_EQ(GameSettings.SoundsOff, 1);
  EXPECT_EQ(GameSettings.Music, 0);

  GameSettings.Music = 3;  // as if the dialog could change it: still nothing may start
  sound.StartPlay();
  sound.ApplyMusicChange();
  sound.MusicTimerTimer();
  for (const TSwitchedEffect& effect : AllEffects) sound.Effects().PlayEffect(effect.Effect);
  sound.ShutDown();
  EXPECT_EQ(heard, 0);
  EXPECT_TRUE(player.Calls.empty());
  EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

}  // namespace
