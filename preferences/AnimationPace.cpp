// The animation timers' intervals at each pace.
#include "AnimationPace.h"

#include <cassert>

namespace {

int ClassicInterval(TAnimationTimer timer) {
  switch (timer) {
    case TAnimationTimer::Move: return 55;
    case TAnimationTimer::Jump: return 60;
    case TAnimationTimer::Make: return 50;
    case TAnimationTimer::Destroy: return 60;
  }
  assert(false && "unknown timer");
  return 60;
}

}  // namespace

int AnimationInterval(TAnimationTimer timer, TAnimationPace pace) {
  const int classic = ClassicInterval(timer);
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
