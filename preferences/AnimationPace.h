// How fast the board's animations run; the turn's rules and its order of events are the same at every pace.
#pragma once

#include "GameHost.h"

enum class TAnimationPace {
  Classic,  // the timers as they have always been
  Fast,     // every animation in half the time, with the same frames
  Reduced,  // no bounce while selected; moves and growth shown in one step
};

// The interval of an animation timer at a pace, in milliseconds, from its classic interval.
int AnimationInterval(TAnimationTimer timer, int classicInterval, TAnimationPace pace);
