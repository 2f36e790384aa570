// The sound layer on a machine without a sound device: silence, never a wait or an error.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

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

}  // namespace
