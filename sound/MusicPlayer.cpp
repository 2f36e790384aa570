// The song player over the mixer's music stream (MIDI through the soundfont synthesiser).
#include "MusicPlayer.h"

#include "AudioDevice.h"
#include "MixerLibrary.h"

namespace {

Mix_Music* AsMusic(void* song) { return static_cast<Mix_Music*>(song); }

}  // namespace

TMusicPlayer::~TMusicPlayer() { Close(); }

void TMusicPlayer::Open() {
  Close();
  if (AudioReady()) {
    Mix_Music* song = Mixer()->LoadMUS(FileName.c_str());
    if (song == nullptr)
      throw EMCIDeviceError("The song \"" + FileName + "\" cannot be played: " + Mixer()->Sdl.GetError());
    Song = song;
  }
  DeviceOpen = true;
}

void TMusicPlayer::Play() {
  RequireOpen();
  // The mixer always starts a song from its beginning: from the start after Open or Rewind, and
  // again from the start once the song has ended. A playing song goes on.
  if (Song != nullptr && Mixer()->PlayingMusic() == 0 && Mixer()->PlayMusic(AsMusic(Song), 1) != 0)
    throw EMCIDeviceError("The song \"" + FileName + "\" cannot be played: " + Mixer()->Sdl.GetError());
}

void TMusicPlayer::Close() {
  if (!DeviceOpen) return;
  if (Song != nullptr) {
    Mixer()->HaltMusic();
    Mixer()->FreeMusic(AsMusic(Song));
    Song = nullptr;
  }
  DeviceOpen = false;
}

void TMusicPlayer::Rewind() {
  RequireOpen();
  if (Song != nullptr) Mixer()->HaltMusic();
}

bool TMusicPlayer::Playing() const { return Song != nullptr && Mixer()->PlayingMusic() != 0; }

void TMusicPlayer::RequireOpen() const {
  if (!DeviceOpen) throw EMCIDeviceError(NoDeviceOpenMessage);
}
