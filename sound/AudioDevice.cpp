// Opens the audio device once: the mixer for wave effects and, through the soundfont, MIDI songs.
#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <cstdio>

namespace {

constexpr const char* SoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void IgnoreSdlMessage(void*, int, SDL_LogPriority, const char*) {}

// The sound libraries report, on the terminal, every device they try and cannot open (on a machine
// without a card: a page of them) and every quirk of a song; the player can act on none of it. The
// game says itself, once, when it runs silent.
void QuietSoundLibraries() {
  snd_lib_error_set_handler(IgnoreAlsaMessage);
  SDL_LogSetOutputFunction(IgnoreSdlMessage, nullptr);
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) fluid_set_log_function(level, nullptr, nullptr);
}

bool OpenAudio() {
  QuietSoundLibraries();
  // The game's own windowing layer handles signals; SDL must not replace its handlers.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MID);
  Mix_SetSoundFonts(SoundFontPath);
  // Without a usable device (headless machine, busy card) the game plays nothing rather than wait.
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  // Effects share one channel: a new effect ends the one still sounding.
  Mix_AllocateChannels(1);
  return true;
}

}  // namespace

bool AudioReady() {
  static const bool ready = [] {
    const bool opened = OpenAudio();
    if (!opened) std::fputs("brindlow: no sound device was found, so the game runs silent\n", stderr);
    return opened;
  }();
  return ready;
}
