// The start-up benchmark's baselines: an empty window of the game's size and nothing else, and, built
// with BRINDLOW_OPEN_AUDIO, the same window with an audio device opened before it shows and kept open.
#include <QApplication>
#include <QWidget>

#ifdef BRINDLOW_OPEN_AUDIO
#include <SDL.h>

#include <cstring>

namespace {

// Plays silence, as a device with nothing to mix does.
void FillSilence(void*, Uint8* stream, int length) { std::memset(stream, 0, static_cast<std::size_t>(length)); }

bool OpenAudioDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = FillSilence;
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device == 0) return false;
  SDL_PauseAudioDevice(device, 0);
  return true;
}

}  // namespace
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
#ifdef BRINDLOW_OPEN_AUDIO
  // A baseline without its device would measure nothing: the benchmark is told by the exit status.
  if (!OpenAudioDevice()) return 2;
#endif
  QWidget window;
  window.setFixedSize(460, 446);
  window.show();
  return application.exec();
}
