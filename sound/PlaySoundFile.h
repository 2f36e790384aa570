// Plays a wave file: one wave sound at a time, synchronously or asynchronously.
#pragma once

#include <string>

inline constexpr int SoundSync = 0;   // returns when the sound has ended
inline constexpr int SoundAsync = 1;  // starts the sound and returns at once

// Starts the wave file at path, ending any wave sound still playing. A file that cannot be found or
// decoded (or a path longer than 260 characters) plays a short default beep instead. Without a
// sound device nothing plays and the call returns at once. Decoded sounds are kept by path.
void PlaySoundFile(const std::string& path, int flags);

struct Mix_Chunk;
// Decodes the wave file at path with the mixer, as PlaySoundFile does; nullptr when it cannot.
// The caller frees the chunk. Needs AudioReady().
Mix_Chunk* DecodeWaveFile(const std::string& path);

// Whether a wave sound started by PlaySoundFile is sounding now.
bool SoundFilePlaying();
