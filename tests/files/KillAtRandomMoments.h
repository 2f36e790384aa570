// Crash simulation: a child repeats a file change until it is killed at a random moment.
#pragma once

#include <array>
#include <functional>

// Forks a child that calls `step` without end, and kills it with SIGKILL after a random pause,
// `kills` times over. Each step turns the disk from one of two states into the other. After each
// kill `state` tells what the disk holds: 0 or 1 for the two states, anything else for a broken
// one, which fails the test. Returns how often each state was found.
std::array<int, 2> KillAtRandomMoments(int kills, const std::function<void()>& step,
                                       const std::function<int()>& state);
