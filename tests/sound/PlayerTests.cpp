// The wave player and the song player on a real (dummy) audio device, which plays in real time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "AudioDevice.h"
#include "GameSettings.h"
#include "GameSound.h"
#include "MusicPlayer.h"
#include "PlaySoundFile.h"
#include "SoundTestFiles.h"
#include "ToneWave.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// The timings below hold for a device that plays in real time: the dummy driver, whatever the
// machine running the tests has.
class TDummyAudio : public testing::Environment {
public:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};
testing::Environment* const DummyAudio = testing::AddGlobalTestEnvironment(new TDummyAudio);

long MillisecondsSince(TClock::time_point start) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start).count());
}

// Waits up to `limit` for a condition, in small sleeps.
template <class TCondition>
bool WaitFor(TCondition condition, std::chrono::milliseconds limit) {
  const auto end = TClock::now() + limit;
  while (!condition()) {
    if (TClock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

class TWavePlayerTest : public testing::Test {
protected:
  std::string Tone(const std::string& name, int milliseconds) {
    const std::string path = Folder.File(name);
    WriteBytes(path, MakeToneWave(440, milliseconds));
    return path;
  }
  TTempFolder Folder;
};

TEST_F(TWavePlayerTest, ASynchronousSoundReturnsWhenItHasEnded) {
  const std::string path = Tone("long.wav", 400);
  const auto start = TClock::now();
  PlaySoundFile(path, SoundSync);
  const long took = MillisecondsSince(start);
  EXPECT_GE(took, 380);
  EXPECT_LT(took, 1500);
  EXPECT_FALSE(SoundFilePlaying());
}

TEST_F(TWavePlayerTest, AnAsynchronousSoundReturnsAtOnceAndIsCutByTheNext) {
  const std::string longTone = Tone("long.wav", 3000);
  const std::string shortTone = Tone("short.wav", 200);
  auto start = TClock::now();
  PlaySoundFile(longTone, SoundAsync);
  EXPECT_LT(MillisecondsSince(start), 150);
  EXPECT_TRUE(SoundFilePlaying());

  start = TClock::now();
  PlaySoundFile(shortTone, SoundSync);
  const long took = MillisecondsSince(start);
  EXPECT_GE(took, 180);
  EXPECT_LT(took, 1500) << "waited for the short sound only";
  EXPECT_FALSE(SoundFilePlaying()) << "the long sound was ended by the short one";
}

TEST_F(TWavePlayerTest, AMissingFilePlaysTheShortDefaultBeep) {
  const auto start = TClock::now();
  PlaySoundFile(Folder.File("nowhere.wav"), SoundSync);
  const long took = MillisecondsSince(start);
  EXPECT_GE(took, 100);
  EXPECT_LT(took, 1000);

  PlaySoundFile(Folder.File("nowhere.wav"), SoundAsync);
  EXPECT_TRUE(SoundFilePlaying());
}

// Files too short for a wave header: the sanitizer build's leak check fails this test should the
// player leave any of them open.
TEST_F(TWavePlayerTest, DamagedFilesPlayTheBeepAndLeaveNothingOpen) {
  for (const char* bytes : {"RIFRIFF", "RIFF", "", "RIFFxxxxWAVE"}) {
    const std::string path = Folder.File("damaged.wav");
    WriteBytes(path, TBytes(bytes, bytes + std::strlen(bytes)));
    PlaySoundFile(path, SoundAsync);
    EXPECT_TRUE(SoundFilePlaying()) << "the beep for " << bytes;
    EXPECT_EQ(DecodeWaveFile(path), nullptr) << bytes;
  }
}

TEST_F(TWavePlayerTest, ADecodedSoundIsKeptByItsPath) {
  const std::string path = Tone("kept.wav", 400);
  PlaySoundFile(path, SoundSync);
  std::filesystem::remove(path);
  const auto start = TClock::now();
  PlaySoundFile(path, SoundSync);
  EXPECT_GE(MillisecondsSince(start), 380) << "the kept sound, not the beep";
}

TEST_F(TWavePlayerTest, TheDeviceIsReleasedOnlyInSilenceAndOpensAgainWithTheSoundsItKept) {
  const std::string path = Tone("kept.wav", 300);
  PlaySoundFile(path, SoundAsync);
  EXPECT_FALSE(ReleaseSilentAudio()) << "a sound is playing";
  EXPECT_TRUE(SoundFilePlaying());
  ASSERT_TRUE(WaitFor([] { return !SoundFilePlaying(); }, 1500ms));
  EXPECT_TRUE(ReleaseSilentAudio());
  EXPECT_TRUE(ReleaseSilentAudio()) << "a released device stays released";
  EXPECT_FALSE(SoundFilePlaying());
  // The sound decoded for the first device still fits the second: the file is gone, so the beep
  // would mean the kept sound was dropped or refused.
  std::filesystem::remove(path);
  const auto start = TClock::now();
  PlaySoundFile(path, SoundSync);
  const long took = MillisecondsSince(start);
  EXPECT_GE(took, 220) << "the kept sound (300 ms), not the beep (150 ms)";
  EXPECT_LT(took, 1500);
}

class TSongPlayerTest : public testing::Test {
protected:
  TTempFolder Folder;
  TMusicPlayer Player;
};

TEST_F(TSongPlayerTest, PlayAndRewindNeedAnOpenDevice) {
  for (auto operation : {&TMusicPlayer::Play, &TMusicPlayer::Rewind}) {
    try {
      (Player.*operation)();
      ADD_FAILURE() << "no error without an open device";
    } catch (const EMCIDeviceError& error) {
      EXPECT_STREQ(error.what(), "No MCI device open");
    }
  }
  Player.FileName = Folder.File("song.mid");
  WriteBytes(Player.FileName, MakeMidiSong(200));
  Player.Open();
  Player.Close();
  EXPECT_THROW(Player.Play(), EMCIDeviceError);
  Player.Close();  // closing twice does nothing
}

TEST_F(TSongPlayerTest, AMissingSongIsRefusedByOpen) {
  Player.FileName = Folder.File("absent.mid");
  EXPECT_THROW(Player.Open(), EMCIDeviceError);
  EXPECT_THROW(Player.Play(), EMCIDeviceError) << "a refused song leaves no device open";
}

TEST_F(TSongPlayerTest, ASongPlaysStopsAtItsEndAndPlaysAgainFromTheStart) {
  Player.FileName = Folder.File("song.mid");
  WriteBytes(Player.FileName, MakeMidiSong(200));
  Player.Open();
  EXPECT_FALSE(Player.Playing()) << "opened, not played";
  Player.Play();
  EXPECT_TRUE(Player.Playing());
  // The synthesiser lets the last note ring out for a few seconds.
  ASSERT_TRUE(WaitFor([&] { return !Player.Playing(); }, 10s));
  Player.Play();
  EXPECT_TRUE(Player.Playing());
  Player.Rewind();
  EXPECT_FALSE(Player.Playing());
  Player.Play();
  EXPECT_TRUE(Player.Playing());
  // Opening another song ends the first.
  Player.FileName = Folder.File("other.mid");
  WriteBytes(Player.FileName, MakeMidiSong(300, 72));
  Player.Open();
  EXPECT_FALSE(Player.Playing());
}

TEST(GameMusic, SongThreeIsPlayingBeforeTheWindowShows) {
  TTempFolder program, temp;
  WriteBank(program.File("Sound.dat"), StandardEntries());
  GameSettings = DefaultSettings;
  GameSettings.Music = 3;
  TMusicPlayer player;
  TGameSound sound([](const std::string&, int) {}, player, ProgramRandom());
  ASSERT_EQ(sound.CheckSoundBank(program.Path()), "");
  ASSERT_EQ(sound.StartSound(temp.Path()), "");
  EXPECT_EQ(player.FileName, temp.File("SONG3.MID"));
  sound.StartPlay();
  EXPECT_TRUE(player.Playing());
  sound.ShutDown();
  EXPECT_FALSE(player.Playing());
  EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

}  // namespace
