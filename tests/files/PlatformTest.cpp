// The program's folders and the checked file operations beneath every data file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "CheckedFile.h"
#include "ProgramDirectory.h"
#include "SetAside.h"
#include "TempDirectory.h"
#include "TestFolder.h"

TEST(ProgramDirectoryOf, CutsBeforeTheLastSlash) {
  EXPECT_EQ(ProgramDirectoryOf("/opt/games/brindlow/brindlow"), "/opt/games/brindlow");
  EXPECT_EQ(ProgramDirectoryOf("/usr/bin/brindlow"), "/usr/bin");
}

TEST(ProgramDirectoryOf, ProgramInTheRootGivesEmptySoTheFileNameStillNamesTheRoot) {
  EXPECT_EQ(ProgramDirectoryOf("/brindlow"), "");
  EXPECT_EQ(ProgramDirectoryOf("/brindlow") + "/Sound.dat", "/Sound.dat");
}

TEST(ProgramDirectoryOf, BlanksAndControlCharactersAroundThePathAreIgnored) {
  const std::string plain = ProgramDirectoryOf("/home/ann/games/brindlow");
  EXPECT_EQ(ProgramDirectoryOf("  /home/ann/games/brindlow \t\r\n"), plain);
  EXPECT_EQ(ProgramDirectoryOf(std::string("\x01/home/ann/games/brindlow\x1f\x00", 27)), plain);
  // The cut leaves the blanks that stood before the last slash; they go as well.
  EXPECT_EQ(ProgramDirectoryOf("/home/ann/games  /brindlow"), "/home/ann/games");
}

TEST(ProgramDirectoryOf, BlanksInsideTheFolderStay) {
  EXPECT_EQ(ProgramDirectoryOf("/home/ann/my games/brindlow"), "/home/ann/my games");
}

TEST(ProgramDirectoryOf, PathWithoutSlashOrOnlyBlanksGivesEmpty) {
  EXPECT_EQ(ProgramDirectoryOf("brindlow"), "");
  EXPECT_EQ(ProgramDirectoryOf(" \t "), "");
  EXPECT_EQ(ProgramDirectoryOf(""), "");
}

TEST(ProgramDirectory, IsTheFolderOfThisExecutable) {
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
  EXPECT_EQ(ProgramDirectory(), self.parent_path().string());
}

TEST(TempDirectory, IsCreatedPrivateWithItsTrailingSlash) {
  TTestFolder base;
  const std::string folder = TempDirectoryIn(base.Path());
  EXPECT_EQ(folder, base.Path() + "/brindlow-" + std::to_string(::geteuid()) + "/");
  struct stat status {};
  ASSERT_EQ(::lstat(folder.c_str(), &status), 0);
  EXPECT_TRUE(S_ISDIR(status.st_mode));
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  // A second call finds the same folder.
  EXPECT_EQ(TempDirectoryIn(base.Path()), folder);
}

TEST(TempDirectory, OpenFolderOfOursIsClosedAgain) {
  TTestFolder base;
  const std::string folder = base / ("brindlow-" + std::to_string(::geteuid()));
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  TempDirectoryIn(base.Path());
  struct stat status {};
  ASSERT_EQ(::stat(folder.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST(TempDirectory, SymbolicLinkIsRefused) {
  TTestFolder base;
  const std::string target = base / "elsewhere";
  ASSERT_EQ(::mkdir(target.c_str(), 0700), 0);
  const std::string folder = base / ("brindlow-" + std::to_string(::geteuid()));
  ASSERT_EQ(::symlink(target.c_str(), folder.c_str()), 0);
  EXPECT_THROW(TempDirectoryIn(base.Path()), EInOutError);
}

TEST(TempDirectory, LinkToAFolderIsReportedAsTheLinkItIs) {
  TTestFolder base;
  const std::string target = base / "elsewhere";
  ASSERT_EQ(::mkdir(target.c_str(), 0700), 0);
  ASSERT_EQ(::symlink(target.c_str(), (base / ("brindlow-" + std::to_string(::geteuid()))).c_str()), 0);
  try {
    TempDirectoryIn(base.Path());
    FAIL() << "a link was taken for the folder";
  } catch (const EInOutError& error) {
    EXPECT_NE(std::string(error.what()).find("is a symbolic link"), std::string::npos) << error.what();
  }
}

TEST(TempDirectory, FileInThePlaceOfTheFolderIsRefused) {
  TTestFolder base;
  WriteBytes(base / ("brindlow-" + std::to_string(::geteuid())), {1});
  EXPECT_THROW(TempDirectoryIn(base.Path()), EInOutError);
}

TEST(TempDirectory, FolderOfAnotherUserIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
  TTestFolder base;
  const std::string folder = base / "brindlow-0";
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::chown(folder.c_str(), 4242, 4242), 0);
  try {
    TempDirectoryIn(base.Path());
    FAIL() << "a folder of another user was accepted";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path, folder);
  }
}

TEST(ReplaceFile, FailureLeavesTheOldFileAndNoWorkFile) {
  TTestFolder folder;
  WriteBytes(folder / "data", {1, 2, 3});
  EXPECT_THROW(ReplaceFile(folder / "data", folder / "work",
                           [](TFile& work) {
                             work.Write(TBytes{9, 9});
                             throw EInOutError("write", work.Path(), "disk full");
                           }),
               EInOutError);
  EXPECT_EQ(ReadBytes(folder / "data"), (TBytes{1, 2, 3}));
  EXPECT_FALSE(Exists(folder / "work"));
}

TEST(ReplaceFile, FolderInThePlaceOfTheFileIsAClearError) {
  TTestFolder folder;
  ASSERT_EQ(::mkdir((folder / "data").c_str(), 0700), 0);
  try {
    ReplaceFile(folder / "data", folder / "work", [](TFile& work) { work.Write(TBytes{1}); });
    FAIL() << "a folder was replaced by a file";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Operation, "rename");
  }
  EXPECT_FALSE(Exists(folder / "work"));
}

TEST(SetAside, KeepsEarlierBackupsAndGivesWayOnlyAtTheBound) {
  TTestFolder folder;
  const std::string path = folder / "data";
  const std::string expectedNames[] = {"data.bad", "data.bad.1", "data.bad.2"};
  for (int n = 0; n < 3; ++n) {
    WriteBytes(path, TBytes{static_cast<std::uint8_t>(n)});
    EXPECT_EQ(SetAside(path, "it is odd"), path + " was set aside as " + expectedNames[n] + ": it is odd");
    EXPECT_FALSE(Exists(path));
  }
  for (int n = 0; n < 3; ++n) EXPECT_EQ(ReadBytes(folder / expectedNames[n]), TBytes{static_cast<std::uint8_t>(n)});

  for (int n = 3; n < SetAsideKept + 2; ++n) {
    WriteBytes(path, TBytes{static_cast<std::uint8_t>(n)});
    SetAside(path, "it is odd");
  }
  EXPECT_EQ(ReadBytes(folder / "data.bad"), TBytes{0}) << "the first backup is the one kept longest";
  EXPECT_EQ(ReadBytes(folder / ("data.bad." + std::to_string(SetAsideKept - 1))), TBytes{SetAsideKept + 1});
  EXPECT_FALSE(Exists(folder / ("data.bad." + std::to_string(SetAsideKept))));
}

TEST(CheckedFile, FailedOpenNamesOperationAndPath) {
  TTestFolder folder;
  try {
    TFile::Open(folder / "missing", O_RDONLY);
    FAIL();
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Operation, "open");
    EXPECT_EQ(error.Path, folder / "missing");
    EXPECT_NE(std::string(error.what()).find(folder / "missing"), std::string::npos);
  }
}

TEST(CheckedFile, ReadStopsAtTheEndOfTheFile) {
  TTestFolder folder;
  WriteBytes(folder / "data", {1, 2, 3});
  TFile file = TFile::Open(folder / "data", O_RDONLY);
  TBytes buffer(8, 0);
  EXPECT_EQ(file.Read(buffer), 3u);
  EXPECT_EQ(buffer, (TBytes{1, 2, 3, 0, 0, 0, 0, 0}));
}

// Reads and writes share their loop; each failure still names its own operation.
TEST(CheckedFile, FailedReadAndWriteNameTheirOperation) {
  TTestFolder folder;
  WriteBytes(folder / "data", {1});
  TBytes buffer(1, 0);
  try {
    TFile::Open(folder / "data", O_WRONLY).Read(buffer);
    FAIL();
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Operation, "read");
  }
  try {
    TFile::Open(folder / "data", O_RDONLY).Write(buffer);
    FAIL();
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Operation, "write");
    EXPECT_EQ(error.Path, folder / "data");
  }
}

TEST(FolderOf, KeepsTheRootAndGivesEmptyForABareName) {
  EXPECT_EQ(FolderOf("/a/b/Score.dat"), "/a/b");
  EXPECT_EQ(FolderOf("/Score.dat"), "/");
  EXPECT_EQ(FolderOf("Score.dat"), "");
}
