// The two volumes reach the mixer as its own scale, each on its own, and come back to full.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include "AudioDevice.h"
#include "SoundVolume.h"

namespace {

TEST(Volumes, ReachTheMixerOnTheirOwnChannelAndSongScale) {
  ASSERT_TRUE(AudioReady()) << "the dummy driver opens a device";
  SetEffectVolume(50);
  SetMusicVolume(25);
  EXPECT_EQ(Mix_Volume(0, -1), 64);
  EXPECT_EQ(Mix_VolumeMusic(-1), 32);
  SetMusicVolume(0);
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
  EXPECT_EQ(Mix_Volume(0, -1), 64) << "the music's volume leaves the effects' alone";
  SetEffectVolume(FullVolume);
  SetMusicVolume(FullVolume);
  EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
}

}  // namespace
