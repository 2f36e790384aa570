// The 80 sprite slots by name (prefix, frame, code) and the picture each one carries.
#pragma once

#include <string>
#include <vector>

#include "BallArt.h"
#include "ByteWriter.h"

enum class TSpriteKind { Empty, Placeholder, Ball };

struct TSpriteSlot {
  std::string Name;  // e.g. "jump19"
  TSpriteKind Kind;
  TSpritePose Pose;  // meaningful for balls only
  int Code;
};

// normal10 … normal29, make10 … make29, jump10 … jump29, destroy10 … destroy29, in that order.
std::vector<TSpriteSlot> SpriteSlots();

// The slot's file: a 24-bit BMP for a ball, an 8-bit BMP for a placeholder, no bytes for an empty slot;
// scale 2 gives the 72 × 72 pictures for screens of twice the density.
TBytes EncodeSpriteSlot(const TSpriteSlot& slot, int scale = 1);
