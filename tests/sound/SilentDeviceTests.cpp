// The sound layer on a machine without a sound device: silence, never a wait or an error.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "AudioDevice.h"
#include "MusicPlayer.h"
#include "PlaySoundFile.h"
#include "SoundTestFiles.h"
#include "ToneWave.h"

namespace {

using TClock = std::chrono::steady_clock;

class TNoDeviceTest : public testing::Test {
protected:
  // No driver of this name exists, so opening the device fails as on a headless machine.
  void SetUp() override { setenv("SDL_AUDIODRIVER", "no-such-device", 1); }
  TTempFolder Folder;
};

TEST_F(TNoDeviceTest, ASynchronousEffectReturnsAtOnce) {
  const std::string path = Folder.File("long.wav");
  WriteBytes(path, MakeToneWave(440, 2000));
  const auto start = TClock::now();
  PlaySoundFile(path, SoundSync);
  PlaySoundFile(Folder.File("missing.wav"), SoundSync);
  EXPECT_LT(TClock::now() - start, std::chrono::milliseconds(200));
  EXPECT_FALSE(SoundFilePlaying());
}

TEST_F(TNoDeviceTest, TheSongPlayerStaysQuietWithoutErrors) {
  TMusicPlayer player;
  player.FileName = Folder.File("missing.mid");
  EXPECT_NO_THROW(player.Open());
  EXPECT_NO_THROW(player.Play());
  EXPECT_FALSE(player.Playing());
  EXPECT_NO_THROW(player.Rewind());
  player.Close();
  EXPECT_THROW(player.Play(), EMCIDeviceError) << "the device-open rule still holds";
}

// The sound libraries report each device they try and fail on; here ALSA is asked for a device that
// no machine has. The player hears of it once, from the game, and from nothing else.
TEST(NoDeviceMessage, TheGameSaysOnceThatItRunsSilentAndTheLibrariesSayNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "alsa", 1);
        setenv("AUDIODEV", "no-such-pcm", 1);
        const bool ready = AudioReady();
        PlaySoundFile("missing.wav", SoundAsync);
        std::exit(ready ? 1 : 0);
      },
      testing::ExitedWithCode(0),
      testing::StrEq("brindlow: no sound device was found, so the game runs silent\n"));
}

}  // namespace
