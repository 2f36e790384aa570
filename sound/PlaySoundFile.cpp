// The wave player over the mixer: one channel, a cache of decoded sounds and a synthesised beep.
#include "PlaySoundFile.h"

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <unordered_map>

#include "AudioDevice.h"
#include "MixerLibrary.h"
#include "ToneWave.h"

namespace {

constexpr std::size_t MaxSoundPath = 260;
constexpr int EffectChannel = 0;

struct TChunkCache {
  std::unordered_map<std::string, Mix_Chunk*> Chunks;
  Mix_Chunk* Beep = nullptr;
};

// Never destroyed: a sound may still be mixing while the process ends.
TChunkCache& Cache() {
  static auto* cache = new TChunkCache;
  return *cache;
}

// Set by the mixer's thread when the effect channel stops (at its end or when halted).
std::mutex FinishedLock;
std::condition_variable FinishedSignal;
bool EffectFinished = true;

void ChannelFinished(int channel) {
  if (channel != EffectChannel) return;
  {
    std::lock_guard lock(FinishedLock);
    EffectFinished = true;
  }
  FinishedSignal.notify_all();
}

Mix_Chunk* DefaultBeep() {
  TChunkCache& cache = Cache();
  if (cache.Beep == nullptr) {
    const auto wave = MakeToneWave(880, 150);
    const TMixer* mixer = Mixer();
    cache.Beep = mixer->LoadWAV_RW(mixer->Sdl.RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
  }
  return cache.Beep;
}

Mix_Chunk* LoadChunk(const std::string& path) {
  if (path.size() > MaxSoundPath) return DefaultBeep();
  TChunkCache& cache = Cache();
  if (const auto found = cache.Chunks.find(path); found != cache.Chunks.end()) return found->second;
  // A file that is missing now may be there later, so only decoded sounds are kept.
  Mix_Chunk* chunk = DecodeWaveFile(path);
  if (chunk == nullptr) return DefaultBeep();
  cache.Chunks.emplace(path, chunk);
  return chunk;
}

void WaitUntilFinished() {
  using namespace std::chrono_literals;
  for (;;) {
    {
      std::unique_lock lock(FinishedLock);
      if (FinishedSignal.wait_for(lock, 100ms, [] { return EffectFinished; })) return;
    }
    // Asked outside FinishedLock: the mixer holds its own lock while it signals the end.
    if (Mixer()->Playing(EffectChannel) == 0) return;
  }
}

}  // namespace

Mix_Chunk* DecodeWaveFile(const std::string& path) {
  const TMixer* mixer = Mixer();
  if (mixer == nullptr) return nullptr;
  // The mixer's loader does not close the file on every failure (one shorter than a wave header
  // is left open), so the file is opened and closed here.
  SDL_RWops* file = mixer->Sdl.RWFromFile(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  Mix_Chunk* chunk = mixer->LoadWAV_RW(file, 0);
  mixer->Sdl.RWclose(file);
  return chunk;
}

void PlaySoundFile(const std::string& path, int flags) {
  if (!AudioReady()) return;
  [[maybe_unused]] static const bool hooked = (Mixer()->ChannelFinished(ChannelFinished), true);
  Mix_Chunk* chunk = LoadChunk(path);
  if (chunk == nullptr) return;
  // Halting first lets the old sound's end be signalled before the new one is watched.
  Mixer()->HaltChannel(EffectChannel);
  {
    std::lock_guard lock(FinishedLock);
    EffectFinished = false;
  }
  if (Mixer()->PlayChannel(EffectChannel, chunk, 0) < 0) return;
  if ((flags & SoundAsync) == 0) WaitUntilFinished();
}

// Asking opens no device: a closed one plays nothing.
bool SoundFilePlaying() {
  const TMixer* mixer = Mixer();
  return mixer != nullptr && mixer->QuerySpec(nullptr, nullptr, nullptr) != 0 && mixer->Playing(EffectChannel) != 0;
}
