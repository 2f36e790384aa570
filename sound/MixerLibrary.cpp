// The mixer's entry points, looked up in the library by name.
#include "MixerLibrary.h"

#include <dlfcn.h>

#include <optional>
#include <type_traits>

namespace {

// The binary interface the mixer's header describes.
constexpr const char* MixerLibraryName = "libSDL2_mixer-2.0.so.0";

// Kept loaded for the rest of the run: the mixer's threads and callbacks outlive any one caller.
std::optional<TMixer> LoadMixer() {
  void* library = dlopen(MixerLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return std::nullopt;
  TMixer mixer;
  bool complete = true;
  // A handle's lookup also searches the libraries loaded with it, SDL among them.
#define BRINDLOW_BIND(prefix, pointer, name)                                           \
  pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(library, prefix #name)); \
  complete = complete && pointer != nullptr;
#define BRINDLOW_MIXER_BIND(name) BRINDLOW_BIND("Mix_", mixer.name, name)
#define BRINDLOW_SDL_BIND(name) BRINDLOW_BIND("SDL_", mixer.Sdl.name, name)
  BRINDLOW_MIXER_FUNCTIONS(BRINDLOW_MIXER_BIND)
  BRINDLOW_SDL_FUNCTIONS(BRINDLOW_SDL_BIND)
#undef BRINDLOW_SDL_BIND
#undef BRINDLOW_MIXER_BIND
#undef BRINDLOW_BIND
  if (!complete) return std::nullopt;
  return mixer;
}

}  // namespace

const TMixer* Mixer() {
  static const std::optional<TMixer> mixer = LoadMixer();
  return mixer ? &*mixer : nullptr;
}

void* SoundLibraryFunction(const char* library, const char* name) {
  void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  return handle == nullptr ? nullptr : dlsym(handle, name);
}
