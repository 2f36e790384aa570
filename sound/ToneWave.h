// A short sine tone as the bytes of a mono 16-bit wave file, built in memory.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int ToneSampleRate = 22050;

// A tone of the given pitch and length, faded in and out so that it starts and ends without a click.
std::vector<std::uint8_t> MakeToneWave(double frequency, int milliseconds);
