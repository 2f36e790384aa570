// The dummy audio device for the sound targets, and counting the mixer's passes.
#include "AudioFuzzSupport.h"

#include <SDL_mixer.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include "AudioDevice.h"
#include "FuzzSupport.h"

namespace {

std::mutex PassLock;
std::condition_variable PassSignal;
std::uint64_t Passes = 0;

void CountPass(void*, Uint8*, int) {
  {
    std::lock_guard lock(PassLock);
    ++Passes;
  }
  PassSignal.notify_all();
}

}  // namespace

void OpenFuzzAudio() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  Require(AudioReady(), "the audio device opens");
  Mix_SetPostMix(CountPass, nullptr);
}

void WaitForMixPasses(int passes) {
  using namespace std::chrono_literals;
  std::unique_lock lock(PassLock);
  const std::uint64_t until = Passes + static_cast<std::uint64_t>(passes);
  Require(PassSignal.wait_for(lock, 5s, [&] { return Passes >= until; }), "the mixer keeps mixing");
}
