// The eleven sound effects, in the order of their positions in the sound bank.
#pragma once

#include <string>
#include <vector>

#include "ByteWriter.h"

struct TEffect {
  std::string BankName;  // the entry's file name in the bank
  TBytes (*Render)();    // the WAVE file
};

// StartUp, Break, Create, CreateJoker, CreateBomb, Jump, JumpJoker, JumpBomb, Move, Stuck, Close.
const std::vector<TEffect>& Effects();
