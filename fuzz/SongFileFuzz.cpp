// Fuzzes the song files that the music player is handed: open, play until the mixer has rendered
// some of it (the synthesiser reads the song on the mixer's thread), close. A song the player
// refuses must come back as its device error, nothing worse.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "AudioFuzzSupport.h"
#include "FuzzSupport.h"
#include "MusicPlayer.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  OpenFuzzAudio();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = ScratchFolder() + "/SONG.MID";
  static TMusicPlayer player;
  WriteWholeFile(path, std::span(data, size));
  player.FileName = path;
  try {
    player.Open();
    player.Play();
    WaitForMixPasses(2);
    player.Rewind();
  } catch (const EMCIDeviceError&) {
  }
  player.Close();
  Require(!player.Playing(), "a closed player plays nothing");
  return 0;
}
