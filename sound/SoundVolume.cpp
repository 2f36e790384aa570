// The two volumes through the mixer: its channel volume for the effects, its music volume for the songs.
#include "SoundVolume.h"

#include <cassert>

#include "AudioDevice.h"
#include "MixerLibrary.h"

namespace {

int MixerVolume(int percent) {
  assert(percent >= 0 && percent <= FullVolume);
  return (percent * MIX_MAX_VOLUME + FullVolume / 2) / FullVolume;
}

}  // namespace

void SetEffectVolume(int percent) {
  // Every channel: the effects share the one that is allocated.
  if (AudioReady()) Mixer()->Volume(-1, MixerVolume(percent));
}

void SetMusicVolume(int percent) {
  if (AudioReady()) Mixer()->VolumeMusic(MixerVolume(percent));
}
