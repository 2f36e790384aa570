// The animation timers' intervals at each pace.
#include "AnimationPace.h"

#include <cassert>

int AnimationInterval(TAnimationTimer timer, int classic, TAnimationPace pace) {
  switch (pace) {
    case TAnimationPace::Classic: return classic;
    case TAnimationPace::Fast: return (classic + 1) / 2;
    case TAnimationPace::Reduced:
      // A walk and a growth tick through their frames at once; the jump keeps its pace, which carries its
      // sound, and the breaking keeps its frames.
      return timer == TAnimationTimer::Move || timer == TAnimationTimer::Make ? 0 : classic;
  }
  assert(false && "unknown pace");
  return classic;
}
