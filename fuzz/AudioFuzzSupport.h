// The sound targets' common ground: the process's audio device on SDL's dummy driver, and a wait
// for the mixer's thread to mix what was started.
#pragma once

// Opens the device as the game does, on the dummy driver unless SDL_AUDIODRIVER names another;
// a fuzz run without a device would test nothing, so it stops.
void OpenFuzzAudio();

// Returns once the mixer has finished `passes` further mixing passes (one per device buffer).
void WaitForMixPasses(int passes);
