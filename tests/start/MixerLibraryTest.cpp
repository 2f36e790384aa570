// The mixer found by the name the program asks for, with every function it calls: this test program,
// like the game, does not link it.
#include <gtest/gtest.h>

#include "MixerLibrary.h"

TEST(MixerLibrary, IsOpenedByNameWithEveryFunctionBound) {
  const TMixer* mixer = Mixer();
  ASSERT_NE(mixer, nullptr);
  // The same library a second time, not a second copy with its own state.
  EXPECT_EQ(Mixer(), mixer);
  EXPECT_NE(SoundLibraryFunction("libfluidsynth.so.3", "fluid_set_log_function"), nullptr);
  EXPECT_NE(SoundLibraryFunction("libasound.so.2", "snd_lib_error_set_handler"), nullptr);
}
