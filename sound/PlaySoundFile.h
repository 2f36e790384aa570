// Plays a wave file: one wave sound at a time, synchronously or asynchronously.
#pragma once

#include <string>

inline constexpr int SoundSync = 0;   // returns when the sound has ended
inline constexpr int SoundAsync = 1;  // starts the sound and returns at once

// Starts the wave file at path, ending any wave sound still playing. A file that cannot be found or
// decoded (or a path longer than 260 characters) plays a short default beep instead. Without a
// sound device nothing plays and the call returns at once. Decoded sounds are kept by path.
void PlaySoundFile(const std::string& path, int flags);

// Whether a wave sound started by PlaySoundFile is sounding now.
bool SoundFilePlaying();
