// brindlow-bench-startup: time from exec to the first frame on screen, seen from outside through the X
// damage extension, and peak memory, of the game against two baselines started side by side in one run.
// Needs an X display (Xvfb will do); the audio device is SDL's dummy one unless SDL_AUDIODRIVER says.
// Beside it, the delay an effect meets on a device that was closed at rest.
#include <benchmark/benchmark.h>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AudioDevice.h"
#include "GameSettings.h"
#include "PlaySoundFile.h"
#include "SettingsFile.h"
#include "ToneWave.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "brindlow-bench-startup: %s\n", message.c_str());
  std::exit(1);
}

// One damage object on the root window: every drawing anywhere on the screen reports to it, the
// background the server paints when a window goes as much as the first frame of a new one.
class TScreenWatch {
public:
  TScreenWatch() {
    int screenNumber = 0;
    Connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(Connection) != 0) Fail("no X display (run it under Xvfb)");
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(Connection, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) Fail("the X server has no damage extension");
    DamageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(Connection, xcb_damage_query_version(Connection, 1, 1), nullptr));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(Connection));
    for (int skip = 0; skip < screenNumber; ++skip) xcb_screen_next(&screens);
    Damage = xcb_generate_id(Connection);
    xcb_damage_create(Connection, Damage, screens.data->root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    xcb_flush(Connection);
  }
  ~TScreenWatch() { xcb_disconnect(Connection); }

  // Forgets what has been drawn so far, after the screen has had time to settle.
  void Reset() {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    while (xcb_generic_event_t* event = xcb_poll_for_event(Connection)) free(event);
    xcb_damage_subtract(Connection, Damage, XCB_NONE, XCB_NONE);
    Sync();
  }

  // The moment the next drawing reaches the screen, or nothing after ten seconds.
  bool WaitForDrawing(Clock::time_point& when) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    pollfd watched{xcb_get_file_descriptor(Connection), POLLIN, 0};
    while (Clock::now() < deadline) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(Connection)) {
        const bool drawn = (event->response_type & 0x7f) == DamageEvent;
        free(event);
        if (drawn) {
          when = Clock::now();
          return true;
        }
      }
      poll(&watched, 1, 100);
    }
    return false;
  }

private:
  void Sync() { free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr)); }

  xcb_connection_t* Connection = nullptr;
  xcb_damage_damage_t Damage = 0;
  std::uint8_t DamageEvent = 0;
};

struct TProgramRun {
  double FirstFrameMs = 0;
  double PeakMb = 0;
  // The peak the moment the program starts reading its first song, which cannot play before; 0 when
  // it read none during the run.
  double PeakBeforeMusicMb = 0;
  // From the first frame to the audio device's opening for the start-up sound; 0 when none opened.
  double SoundAfterFrameMs = 0;
};

double PeakMbOf(pid_t process) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// True once the program reads a song: its file or the soundfont held open for reading. The unpacked
// songs are also held open for a moment while they are written, for writing.
bool ReadsMusic(pid_t process) {
  const std::string folder = "/proc/" + std::to_string(process);
  std::error_code error;
  for (const fs::directory_entry& link : fs::directory_iterator(folder + "/fd", error)) {
    const fs::path target = fs::read_symlink(link.path(), error);
    if (target.extension() != ".MID" && target.filename() != "TimGM6mb.sf2") continue;
    std::ifstream info(folder + "/fdinfo/" + link.path().filename().string());
    for (std::string line; std::getline(info, line);)
      if (line.rfind("flags:", 0) == 0 && (std::stoi(line.substr(6), nullptr, 8) & O_ACCMODE) == O_RDONLY) return true;
  }
  return false;
}

bool PlaysSound(pid_t process) {
  std::error_code error;
  for (const fs::directory_entry& task : fs::directory_iterator("/proc/" + std::to_string(process) + "/task", error)) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    // SDL's thread of an open playback device: the start-up sound is queued on it as it opens.
    if (name.rfind("SDLAudioP", 0) == 0) return true;
  }
  return false;
}

struct TStartWatch {
  double PeakBeforeMusicMb = 0;
  double SoundAfterFrameMs = 0;
};

// Watches the program for settle, every millisecond, for the moment its audio device opens and the
// moment it starts reading a song.
TStartWatch WatchStart(pid_t process, Clock::time_point drawn, std::chrono::milliseconds settle) {
  const Clock::time_point end = Clock::now() + settle;
  TStartWatch watch;
  double peak = PeakMbOf(process);
  while (Clock::now() < end && (watch.PeakBeforeMusicMb == 0 || watch.SoundAfterFrameMs == 0)) {
    if (watch.SoundAfterFrameMs == 0 && PlaysSound(process))
      watch.SoundAfterFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - drawn).count();
    if (watch.PeakBeforeMusicMb == 0 && ReadsMusic(process)) watch.PeakBeforeMusicMb = peak;
    peak = PeakMbOf(process);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return watch;
}

// Starts the program, notes its first frame, lets it go on for settle (its later start-up work, a
// song that starts playing), then ends it and reads its peak memory from the kernel's account.
TProgramRun RunOnce(TScreenWatch& screen, const fs::path& program, std::chrono::milliseconds settle,
                    const fs::path& configHome) {
  screen.Reset();
  // The player's preferences (the zoom among them) are read from here, and the start pictures
  // painted at the first run are kept here for the later ones, as a player's are.
  setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
  setenv("XDG_CACHE_HOME", configHome.c_str(), 1);
  const std::string path = program.string();
  char* arguments[] = {const_cast<char*>(path.c_str()), nullptr};
  const Clock::time_point started = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments, environ) != 0) Fail("cannot start " + path);
  Clock::time_point drawn;
  const bool seen = screen.WaitForDrawing(drawn);
  const Clock::time_point watchEnd = Clock::now() + settle;
  const TStartWatch watch = WatchStart(child, drawn, settle);
  std::this_thread::sleep_until(watchEnd);
  const bool stillRunning = waitpid(child, nullptr, WNOHANG) == 0;
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!seen || !stillRunning) Fail(path + " showed no frame or ended by itself");
  return {std::chrono::duration<double, std::milli>(drawn - started).count(), usage.ru_maxrss / 1024.0, watch.PeakBeforeMusicMb,
          watch.SoundAfterFrameMs};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A copy of the game in a folder of its own, where its settings and scores land; music switches
// its songs on (the first start's default) or off.
fs::path GameCopy(const fs::path& root, const fs::path& builtFolder, const std::string& name, bool music) {
  const fs::path folder = root / name;
  fs::create_directories(folder);
  for (const char* file : {"brindlow", "Sound.dat"})
    fs::copy_file(builtFolder / file, folder / file, fs::copy_options::overwrite_existing);
  SetDefaultSettings();
  if (!music) GameSettings.Music = 0;
  SaveSettings(folder.string());
  return folder / "brindlow";
}

// A preferences folder that keeps the game at zoomPercent, or none (a first start) at 0.
fs::path ConfigHome(const fs::path& root, int zoomPercent) {
  const fs::path folder = root / ("config" + std::to_string(zoomPercent));
  fs::create_directories(folder / "brindlow");
  if (zoomPercent != 0) std::ofstream(folder / "brindlow" / "brindlow.conf") << "[View]\nZoom=" << zoomPercent << "\n";
  return folder;
}

struct TContender {
  const char* Name;
  fs::path Program;
  std::chrono::milliseconds Settle;
  fs::path Config;
  std::vector<double> Ms;
  std::vector<double> PeakMb;
  std::vector<double> PeakBeforeMusicMb;
  std::vector<double> SoundAfterFrameMs;
};

void BM_FirstFrame(benchmark::State& state) {
  const fs::path built = fs::read_symlink("/proc/self/exe").parent_path();
  char pattern[] = "/tmp/brindlow-bench-startup.XXXXXX";
  if (mkdtemp(pattern) == nullptr) Fail("cannot make a folder");
  const fs::path root = pattern;
  // The unpacked sounds go to a runtime folder of the run's own.
  fs::create_directories(root / "runtime");
  fs::permissions(root / "runtime", fs::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // Long enough for the game's songs to be loaded and playing, or its start to have ended without them.
  const std::chrono::milliseconds gameSettle(1500);
  const std::chrono::milliseconds baselineSettle(300);
  const fs::path classic = ConfigHome(root, 0);
  // The game kept at three times the classic size: only the art of the chosen size is made.
  const fs::path triple = ConfigHome(root, 300);
  std::vector<TContender> contenders = {
      {"game", GameCopy(root, built, "music", true), gameSettle, classic, {}, {}, {}, {}},
      {"minimal", built / "brindlow-bench-minimal-window", baselineSettle, classic, {}, {}, {}, {}},
      {"game_quiet", GameCopy(root, built, "quiet", false), gameSettle, classic, {}, {}, {}, {}},
      {"audio", built / "brindlow-bench-minimal-audio", baselineSettle, classic, {}, {}, {}, {}},
      {"game_triple", GameCopy(root, built, "triple", true), gameSettle, triple, {}, {}, {}, {}},
  };
  TScreenWatch screen;
  // A first start of each, which writes the game's score table and warms the file cache, is not counted.
  for (TContender& contender : contenders) RunOnce(screen, contender.Program, contender.Settle, contender.Config);
  for (auto _ : state) {
    for (TContender& contender : contenders) {
      const TProgramRun run = RunOnce(screen, contender.Program, contender.Settle, contender.Config);
      contender.Ms.push_back(run.FirstFrameMs);
      contender.PeakMb.push_back(run.PeakMb);
      contender.PeakBeforeMusicMb.push_back(run.PeakBeforeMusicMb);
      contender.SoundAfterFrameMs.push_back(run.SoundAfterFrameMs);
    }
    state.SetIterationTime(contenders[0].Ms.back() / 1000);
  }
  std::map<std::string, double> ms;
  std::map<std::string, double> peak;
  for (const TContender& contender : contenders) {
    ms[contender.Name] = Median(contender.Ms);
    peak[contender.Name] = Median(contender.PeakMb);
    state.counters[std::string(contender.Name) + "_ms"] = ms[contender.Name];
    state.counters[std::string(contender.Name) + "_peak_MB"] = peak[contender.Name];
  }
  state.counters["ratio_minimal"] = ms["game"] / ms["minimal"];
  state.counters["ratio_audio"] = ms["game"] / ms["audio"];
  state.counters["ratio_triple_to_classic"] = ms["game_triple"] / ms["game"];
  // The peak before the first song plays, against the window with its device; and the music-off
  // game's whole peak, which also holds what the start does after the song (fonts, sprites, icons).
  state.counters["before_music_over_audio_MB"] = Median(contenders[0].PeakBeforeMusicMb) - peak["audio"];
  state.counters["quiet_over_audio_MB"] = peak["game_quiet"] - peak["audio"];
  state.counters["startup_sound_after_frame_ms"] = Median(contenders[0].SoundAfterFrameMs);
  fs::remove_all(root);
}
BENCHMARK(BM_FirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);

// A short effect, decoded and kept by the wave player as the game's effects are; its file is gone after.
std::string KeptEffect() {
  const fs::path file = fs::temp_directory_path() / ("brindlow-bench-effect-" + std::to_string(getpid()) + ".wav");
  const std::vector<std::uint8_t> wave = MakeToneWave(880, 20);
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(wave.data()), std::streamsize(wave.size()));
  PlaySoundFile(file.string(), SoundSync);
  fs::remove(file);
  return file.string();
}

// From the call to the effect's start: on a device closed at rest (opened again first), against one
// kept open. The effect's first samples go out with the device's next buffer in both cases.
void EffectStart(benchmark::State& state, bool released) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::string effect = KeptEffect();
  for (auto _ : state) {
    state.PauseTiming();
    while (SoundFilePlaying()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (released) ReleaseSilentAudio();
    state.ResumeTiming();
    PlaySoundFile(effect, SoundAsync);
  }
}
void BM_EffectOnReleasedDevice(benchmark::State& state) { EffectStart(state, true); }
void BM_EffectOnOpenDevice(benchmark::State& state) { EffectStart(state, false); }
BENCHMARK(BM_EffectOnReleasedDevice)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_EffectOnOpenDevice)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

BENCHMARK_MAIN();
