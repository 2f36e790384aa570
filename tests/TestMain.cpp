// The entry of every GoogleTest binary: no display and no sound card, whoever starts it.
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Kept when already set, so a developer can still run a test against a real display or device.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // The texts compared are the English ones, whatever language the developer reads.
  setenv("LANGUAGE", "en", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
