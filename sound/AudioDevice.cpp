// Opens the audio device on first use: the mixer for wave effects and, through the soundfont, MIDI
// songs. While nothing plays it may be closed, and the next sound opens it again as it was.
#include "AudioDevice.h"

#include <SDL.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <cstdio>

#include "MixerLibrary.h"

namespace {

constexpr const char* SoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

enum class TDeviceState { Untried, Open, Released, Missing };

TDeviceState State = TDeviceState::Untried;
// The format the device first gave, asked for again on reopening, so that decoded sounds still fit.
int Frequency = MIX_DEFAULT_FREQUENCY;
Uint16 Format = MIX_DEFAULT_FORMAT;
int Channels = 2;

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void IgnoreSdlMessage(void*, int, SDL_LogPriority, const char*) {}

// The sound libraries report, on the terminal, every device they try and cannot open (on a machine
// without a card: a page of them) and every quirk of a song; the player can act on none of it. The
// game says itself, once, when it runs silent.
void QuietSoundLibraries(const TSdl& sdl) {
  // Neither is linked into the program: opened here by name, each is the one instance that SDL and
  // the mixer go on to use, since a process loads a library once.
  if (const auto setHandler = reinterpret_cast<decltype(&snd_lib_error_set_handler)>(
          SoundLibraryFunction("libasound.so.2", "snd_lib_error_set_handler")))
    setHandler(IgnoreAlsaMessage);
  sdl.LogSetOutputFunction(IgnoreSdlMessage, nullptr);
  if (const auto setLog = reinterpret_cast<decltype(&fluid_set_log_function)>(
          SoundLibraryFunction("libfluidsynth.so.3", "fluid_set_log_function")))
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) setLog(level, nullptr, nullptr);
}

bool OpenDevice() {
  if (Mixer()->OpenAudio(Frequency, Format, Channels, 1024) != 0) return false;
  // Effects share one channel: a new effect ends the one still sounding.
  Mixer()->AllocateChannels(1);
  return true;
}

bool OpenAudio() {
  const TMixer* mixer = Mixer();
  if (mixer == nullptr) return false;
  const TSdl& sdl = mixer->Sdl;
  QuietSoundLibraries(sdl);
  // The game's own windowing layer handles signals; SDL must not replace its handlers.
  sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  mixer->Init(MIX_INIT_MID);
  mixer->SetSoundFonts(SoundFontPath);
  // Without a usable device (headless machine, busy card) the game plays nothing rather than wait.
  if (!OpenDevice()) {
    mixer->Quit();
    sdl.QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mixer->QuerySpec(&Frequency, &Format, &Channels);
  return true;
}

}  // namespace

bool AudioReady() {
  switch (State) {
    case TDeviceState::Open: return true;
    case TDeviceState::Missing: return false;
    case TDeviceState::Untried: State = OpenAudio() ? TDeviceState::Open : TDeviceState::Missing; break;
    // A device that was there a moment ago and now refuses is taken as gone for the rest of the run.
    case TDeviceState::Released: State = OpenDevice() ? TDeviceState::Open : TDeviceState::Missing; break;
  }
  if (State == TDeviceState::Missing) std::fputs("brindlow: no sound device was found, so the game runs silent\n", stderr);
  return State == TDeviceState::Open;
}

bool ReleaseSilentAudio() {
  if (State != TDeviceState::Open) return true;
  if (Mixer()->Playing(-1) != 0 || Mixer()->PlayingMusic() != 0) return false;
  Mixer()->CloseAudio();
  State = TDeviceState::Released;
  return true;
}
