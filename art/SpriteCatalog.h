// The 80 sprite slots by name (prefix, frame, code) and the picture each one carries, at any scale.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "BallArt.h"

enum class TSpriteKind { Empty, Placeholder, Ball };

struct TSpriteSlot {
  std::string Name;  // e.g. "jump19"
  TSpriteKind Kind;
  TSpritePose Pose;  // meaningful for balls only
  int Code;
};

inline constexpr int SpriteSlotCount = 80;

// normal10 … normal29, make10 … make29, jump10 … jump29, destroy10 … destroy29, in that order: slot
// 20 × set + 10 × (frame − 1) + code, the sets in the order normal, make, jump, destroy.
std::vector<TSpriteSlot> SpriteSlots();

// The position in SpriteSlots of a set (0 normal, 1 make, 2 jump, 3 destroy), frame (1, 2) and code (0..9).
int SpriteSlotIndex(int set, int frame, int code);

// The slot's picture at the scale (IsArtScale): ScaledLength(36, scale) pixels a side with the scale as its
// pixel ratio, or a null image for an empty slot. Placeholders are grey whatever the marking.
QImage RenderSpriteSlot(const TSpriteSlot& slot, double scale, TBallMarking marking);

// Every slot's picture, in SpriteSlots order: what the window needs to show the game at one size. At 3 it
// takes tens of milliseconds (brindlow-bench-art), so it runs only when a size is chosen.
std::vector<QImage> RenderSpriteSheet(double scale, TBallMarking marking);
