// RIFF WAVE files of 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

#include "ByteWriter.h"

// A mono 16-bit PCM WAVE file: RIFF header, a 16-byte fmt chunk, one data chunk.
TBytes EncodeWav16(const std::vector<std::int16_t>& samples, int sampleRate);
