// brindlow-bench-startup: time from program start to the first painted frame, and peak memory,
// of the game's windows against a minimal Qt window, each started as a fresh process.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "Application.h"
#include "BankSound.h"
#include "Program.h"

extern char** environ;

namespace {

constexpr const char* ChildOption = "--startup-child=";

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Notes the moment the watched window's first paint has been handed to the screen, then reports
// that moment and the peak memory so far on stdout and ends the event loop.
class TFirstFrameWatcher : public QObject {
public:
  explicit TFirstFrameWatcher(QWidget& window) { window.installEventFilter(this); }

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !Seen) {
      Seen = true;
      // Queued behind the paint, so it runs once the frame has been flushed.
      QTimer::singleShot(0, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%lld %ld\n", static_cast<long long>(MonotonicNs()), usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

private:
  bool Seen = false;
};

// zoomPercent 0 leaves the preferences file out: a first start, at the step that fits the screen.
int RunGame(int argc, char** argv, int zoomPercent) {
  TBrindlowApplication application(argc, argv);
  // Balls.cfg, Score.dat and the preferences are written on a first start; they go to a folder of their own.
  QTemporaryDir directory;
  qputenv("XDG_CONFIG_HOME", directory.path().toLocal8Bit());
  if (zoomPercent != 0) {
    QDir().mkpath(directory.filePath(QStringLiteral("brindlow")));
    QFile preferences(directory.filePath(QStringLiteral("brindlow/brindlow.conf")));
    if (!preferences.open(QIODevice::WriteOnly)) std::abort();
    preferences.write(QStringLiteral("[View]\nZoom=%1\n").arg(zoomPercent).toUtf8());
  }
  const QString bank = QCoreApplication::applicationDirPath() + QStringLiteral("/Sound.dat");
  if (!QFile::copy(bank, directory.filePath(QStringLiteral("Sound.dat"))))
    QFile(directory.filePath(QStringLiteral("Sound.dat"))).open(QIODevice::WriteOnly);
  const std::string folder = directory.path().toStdString();
  TBankSound sound;
  TProgram program(TGameFolders{folder, folder}, sound);
  TFirstFrameWatcher watcher(program.Lines());
  program.Show();
  return application.exec();
}

int RunMinimal(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(460, 446);
  TFirstFrameWatcher watcher(window);
  window.show();
  return application.exec();
}

struct TStartup {
  double Ms = 0;
  double PeakMb = 0;
};

// Starts this program again in child mode and reads its report.
TStartup Measure(const char* kind) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::abort();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  const std::string option = std::string(ChildOption) + kind;
  char self[] = "/proc/self/exe";
  char* arguments[] = {self, const_cast<char*>(option.c_str()), nullptr};
  const std::int64_t started = MonotonicNs();
  pid_t child = 0;
  if (posix_spawn(&child, self, &actions, nullptr, arguments, environ) != 0) std::abort();
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  char report[128] = {};
  const ssize_t length = read(pipeEnds[0], report, sizeof report - 1);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  long long painted = 0;
  long peakKb = 0;
  if (length <= 0 || std::sscanf(report, "%lld %ld", &painted, &peakKb) != 2 || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the %s start-up did not report its first frame\n", kind);
    std::abort();
  }
  return {(painted - started) / 1e6, peakKb / 1024.0};
}

void BM_StartupToFirstFrame(benchmark::State& state) {
  TStartup game;
  TStartup minimal;
  for (auto _ : state) {
    const TStartup gameRun = Measure("game");
    const TStartup minimalRun = Measure("minimal");
    state.SetIterationTime(gameRun.Ms / 1000);
    game.Ms += gameRun.Ms;
    game.PeakMb += gameRun.PeakMb;
    minimal.Ms += minimalRun.Ms;
    minimal.PeakMb += minimalRun.PeakMb;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["game_ms"] = game.Ms / runs;
  state.counters["minimal_ms"] = minimal.Ms / runs;
  state.counters["time_ratio"] = game.Ms / minimal.Ms;
  state.counters["game_peak_MB"] = game.PeakMb / runs;
  state.counters["minimal_peak_MB"] = minimal.PeakMb / runs;
  state.counters["memory_ratio"] = game.PeakMb / minimal.PeakMb;
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The game kept at three times the classic size against a first start at the classic size: only the art
// of the chosen size is made.
void BM_StartupAtTripleSize(benchmark::State& state) {
  double triple = 0;
  double classic = 0;
  for (auto _ : state) {
    const TStartup tripleRun = Measure("game300");
    const TStartup classicRun = Measure("game");
    state.SetIterationTime(tripleRun.Ms / 1000);
    triple += tripleRun.Ms;
    classic += classicRun.Ms;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["triple_ms"] = triple / runs;
  state.counters["classic_ms"] = classic / runs;
  state.counters["time_ratio"] = triple / classic;
}
BENCHMARK(BM_StartupAtTripleSize)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], ChildOption, std::strlen(ChildOption)) == 0) {
    const std::string kind = argv[1] + std::strlen(ChildOption);
    int childArgc = 1;
    // Without a display the windows are drawn offscreen, as in the tests.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (kind == "minimal") return RunMinimal(childArgc, argv);
    return RunGame(childArgc, argv, kind == "game300" ? 300 : 0);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
