// The loudness of the effects and of the music, each as a percentage of full.
#pragma once

inline constexpr int FullVolume = 100;

// Applied at once to the effect that is sounding and the song that is playing, and kept for later ones.
// Opens the audio device when it is not open yet; without a device nothing sounds anyway.
void SetEffectVolume(int percent);
void SetMusicVolume(int percent);
