// The mixer found by the name the program asks for, with every function it and SDL are called by: this
// test program, like the game, links neither.
#include <gtest/gtest.h>

#include "MixerLibrary.h"

TEST(MixerLibrary, IsOpenedByNameWithEveryFunctionBound) {
  const TMixer* mixer = Mixer();
  ASSERT_NE(mixer, nullptr);
  // SDL comes in with the mixer, and is the one the mixer itself calls.
  EXPECT_EQ(mixer->Sdl.InitSubSystem(SDL_INIT_AUDIO), 0);
  mixer->Sdl.QuitSubSystem(SDL_INIT_AUDIO);
  // The same library a second time, not a second copy with its own state.
  EXPECT_EQ(Mixer(), mixer);
  EXPECT_NE(SoundLibraryFunction("libfluidsynth.so.3", "fluid_set_log_function"), nullptr);
  EXPECT_NE(SoundLibraryFunction("libasound.so.2", "snd_lib_error_set_handler"), nullptr);
}
