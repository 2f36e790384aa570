// Whether the run is silent because the sound bank could not be used at start.
#pragma once

#include <cstdint>

// 1 when Sound.dat was missing or refused at start; settled once during start-up, then fixed.
// The settings dialog greys out its Sounds and Music groups while it is 1.
inline std::uint8_t SoundUnavailable = 0;
