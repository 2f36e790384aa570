// Crash simulation: a child repeats a file change until it is killed at a random moment.
#include "KillAtRandomMoments.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

std::array<int, 2> KillAtRandomMoments(int kills, const std::function<void()>& step,
                                       const std::function<int()>& state) {
  std::mt19937 pick(12345);
  std::uniform_int_distribution<int> pause(0, 3000);  // microseconds
  // One kill in four waits longer, so that a slow step (an instrumented build, a busy machine) is
  // also caught after it has finished, not only in its middle.
  std::uniform_int_distribution<int> longPause(3000, 40000);
  std::array<int, 2> seen{};
  for (int kill = 0; kill < kills; ++kill) {
    const pid_t child = ::fork();
    if (child < 0) {
      ADD_FAILURE() << "fork failed";
      return seen;
    }
    if (child == 0) {
      // The child must never return into the test runner, not even after an error.
      try {
        for (;;) step();
      } catch (...) {
      }
      ::_exit(1);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(kill % 4 == 3 ? longPause(pick) : pause(pick)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
      ADD_FAILURE() << "the child stopped by itself";
      return seen;
    }
    const int found = state();
    if (found != 0 && found != 1) {
      ADD_FAILURE() << "broken file after kill " << kill;
      return seen;
    }
    ++seen[found];
  }
  return seen;
}
