// Picks, for one of the four animation timers or sprite sets, the thing that belongs to it.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "GameHost.h"

// The one of four things that stands for `kind`, in the order its enumeration declares: Move, Jump,
// Make, Destroy for a timer; Normal, Make, Jump, Destroy for a sprite set.
template <typename Kind, typename T>
T& OneOfFour(Kind kind, T& first, T& second, T& third, T& fourth) {
  const std::array<T*, 4> things{&first, &second, &third, &fourth};
  const auto index = static_cast<std::size_t>(kind);
  assert(index < things.size() && "unknown timer or sprite set");
  return *things[index];
}
