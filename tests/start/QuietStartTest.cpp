// A start outside a desktop session: the toolkit gets the runtime folder it expects and says nothing.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QGuiApplication>
#include <QStandardPaths>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "RuntimeFolder.h"

namespace {

// In a child process: the start-up's first steps and the toolkit's, which asks for the runtime folder.
[[noreturn]] void StartOutsideASession(const std::string& temporary) {
  ::unsetenv("XDG_RUNTIME_DIR");
  ::setenv("TMPDIR", temporary.c_str(), 1);
  NameRuntimeFolder();
  int argc = 1;
  char name[] = "brindlow";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  std::exit(0);
}

TEST(QuietStart, WithoutARuntimeFolderTheToolkitStartsWithoutAWord) {
  // Forked, not started afresh: the child must use this very folder.
  GTEST_FLAG_SET(death_test_style, "fast");
  char pattern[] = "/tmp/brindlow-quiet-XXXXXX";
  const std::string temporary = ::mkdtemp(pattern);
  EXPECT_EXIT(StartOutsideASession(temporary), testing::ExitedWithCode(0), testing::IsEmpty());
  // The named folder is there for the sound files, private to the player.
  const std::string folder = temporary + "/runtime-" + ::getpwuid(::geteuid())->pw_name;
  struct stat status {};
  EXPECT_EQ(::stat(folder.c_str(), &status), 0) << folder;
  EXPECT_EQ(status.st_mode & 07777, 0700u) << folder;
  ::rmdir(folder.c_str());
  ::rmdir(temporary.c_str());
}

TEST(QuietStart, TheSessionsRuntimeFolderIsKept) {
  ::setenv("XDG_RUNTIME_DIR", "/run/user/4321", 1);
  NameRuntimeFolder();
  EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/4321");
  // A relative path is no runtime folder; the toolkit would refuse it.
  ::setenv("XDG_RUNTIME_DIR", "run/user", 1);
  NameRuntimeFolder();
  EXPECT_EQ(std::string(std::getenv("XDG_RUNTIME_DIR")).front(), '/');
}

}  // namespace
