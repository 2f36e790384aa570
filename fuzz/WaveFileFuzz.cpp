// Fuzzes the wave files that the effect player is handed: each is decoded from its file by the
// player's own decoder, started on the effect channel and stopped again. The player keeps what it
// decoded by path, so its decoder is called here rather than PlaySoundFile itself.
#include <SDL_mixer.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "AudioFuzzSupport.h"
#include "FuzzSupport.h"
#include "PlaySoundFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  OpenFuzzAudio();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = ScratchFolder() + "/EFFECT.WAV";
  WriteWholeFile(path, std::span(data, size));
  Mix_Chunk* chunk = DecodeWaveFile(path);
  if (chunk == nullptr) return 0;
  Mix_PlayChannel(0, chunk, 0);
  Mix_HaltChannel(0);
  Mix_FreeChunk(chunk);
  return 0;
}
