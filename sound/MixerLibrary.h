// The mixer's entry points and SDL's beneath it, bound when the first sound is wanted rather than when
// the program starts.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// The mixer brings its MIDI synthesiser and a score of codec libraries with it. Linked into the
// program they would all be loaded and bound before its first frame; opened here, they are loaded
// after it, when the start-up sound asks for the device.
#define BRINDLOW_MIXER_FUNCTIONS(X)                                                                      \
  X(AllocateChannels) X(ChannelFinished) X(CloseAudio) X(FreeMusic) X(HaltChannel) X(HaltMusic) X(Init) \
  X(LoadMUS) X(LoadWAV_RW) X(OpenAudio) X(PlayChannel) X(PlayMusic) X(Playing) X(PlayingMusic)          \
  X(QuerySpec) X(Quit) X(SetSoundFonts) X(Volume) X(VolumeMusic)

// SDL itself, with its own train of audio, display and codec libraries, is one of those the mixer
// brings, so its functions come from the mixer's handle and not from a link of the program's own.
#define BRINDLOW_SDL_FUNCTIONS(X) \
  X(GetError) X(InitSubSystem) X(LogSetOutputFunction) X(QuitSubSystem) X(RWFromConstMem) X(RWFromFile) X(RWclose) X(SetHint)

struct TSdl {
#define BRINDLOW_SDL_POINTER(name) decltype(&SDL_##name) name = nullptr;
  BRINDLOW_SDL_FUNCTIONS(BRINDLOW_SDL_POINTER)
#undef BRINDLOW_SDL_POINTER
};

struct TMixer {
#define BRINDLOW_MIXER_POINTER(name) decltype(&Mix_##name) name = nullptr;
  BRINDLOW_MIXER_FUNCTIONS(BRINDLOW_MIXER_POINTER)
#undef BRINDLOW_MIXER_POINTER
  TSdl Sdl;
};

// The mixer, loaded by the first call; null when the library or one of its functions is missing,
// and the game then runs silent as it does without a device.
const TMixer* Mixer();

// One function of a library that the sound stack loads beside the mixer, or null.
void* SoundLibraryFunction(const char* library, const char* name);
