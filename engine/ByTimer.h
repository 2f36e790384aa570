// Picks, for one of the four animation timers, the thing that belongs to it.
#pragma once

#include <cassert>

#include "GameHost.h"

// The one of four things that stands for `timer`, in the order Move, Jump, Make, Destroy.
template <typename T>
T& ByTimer(TAnimationTimer timer, T& move, T& jump, T& make, T& destroy) {
  switch (timer) {
    case TAnimationTimer::Move: return move;
    case TAnimationTimer::Jump: return jump;
    case TAnimationTimer::Make: return make;
    case TAnimationTimer::Destroy: return destroy;
  }
  assert(false && "unknown timer");
  return move;
}
