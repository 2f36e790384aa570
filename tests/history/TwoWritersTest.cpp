// Two copies of the game ending games into one history at the same moments: each waits its turn
// through the file's own locking, and every game of both is there afterwards.
#include "TwoWriters.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "History.h"
#include "HistoryTestSupport.h"
#include "TestFolder.h"

extern char** environ;

int RunWriter(const char* task) {
  const std::string text = task;
  const std::size_t first = text.rfind(':', text.rfind(':') - 1);
  const std::string folder = text.substr(0, first);
  int start = 0;
  int games = 0;
  if (std::sscanf(text.c_str() + first, ":%d:%d", &start, &games) != 2) return 2;
  // Both copies start writing at the same moment: when the test creates the file "go".
  while (!std::filesystem::exists(folder + "/go")) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  THistory history(folder);
  for (int n = start; n < start + games; ++n) history.Record(SampleGame(n));
  // What a busy moment left kept goes with the next end; here the next end is a flush.
  for (int attempt = 0; attempt < 100 && !history.Flush(); ++attempt) std::this_thread::yield();
  return history.KeptCount() == 0 ? 0 : 1;
}

namespace {

pid_t StartWriter(const std::string& folder, int first, int games) {
  const std::string option = WriterOption + folder + ":" + std::to_string(first) + ":" + std::to_string(games);
  char self[] = "/proc/self/exe";
  char* arguments[] = {self, const_cast<char*>(option.c_str()), nullptr};
  pid_t child = 0;
  EXPECT_EQ(posix_spawn(&child, self, nullptr, nullptr, arguments, environ), 0);
  return child;
}

int ExitCode(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(HistoryTwoCopies, BothCopiesRecordEveryGame) {
  TTestFolder folder;
  constexpr int Games = 150;
  const pid_t one = StartWriter(folder.Path(), 0, Games);
  const pid_t two = StartWriter(folder.Path(), 1000, Games);
  WriteBytes(folder / "go", {});
  EXPECT_EQ(ExitCode(one), 0);
  EXPECT_EQ(ExitCode(two), 0);

  THistory history(folder.Path());
  std::vector<TGameRecord> recorded = history.Games();
  std::vector<TGameRecord> expected;
  for (int n = 0; n < Games; ++n) {
    expected.push_back(SampleGame(n));
    expected.push_back(SampleGame(1000 + n));
  }
  const auto byScore = [](const TGameRecord& a, const TGameRecord& b) { return a.Score < b.Score; };
  std::sort(recorded.begin(), recorded.end(), byScore);
  std::sort(expected.begin(), expected.end(), byScore);
  EXPECT_EQ(recorded, expected);
}
