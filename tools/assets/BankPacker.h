// Packing the sound bank: the header of names, sizes and start offset, then the entries back to back.
#pragma once

#include <string>
#include <vector>

#include "ByteWriter.h"

struct TBankEntry {
  std::string Name;
  TBytes Data;
};

// The whole bank file; throws std::invalid_argument for more than 255 entries or a name over 12 characters.
TBytes PackBank(const std::vector<TBankEntry>& entries);

// The bank's names in order: the eleven effects, then the eight songs.
std::vector<std::string> SoundBankNames();
