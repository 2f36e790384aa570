// Where the game keeps its files: beside the program in a build folder, in the data folders once installed.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "GameFolders.h"
#include "InOutError.h"
#include "ProgramDirectory.h"

namespace {

// An invented machine: the folders the player may write, the files that exist, the environment.
struct TMachine {
  std::set<std::string> WritableFolders;
  std::set<std::string> Files;
  std::map<std::string, std::string> Environment;
  std::string AccountHome = "/home/account";

  TFolderProbe Probe() const {
    TFolderProbe probe;
    probe.Writable = [this](const std::string& folder) { return WritableFolders.count(folder) > 0; };
    probe.FileExists = [this](const std::string& path) { return Files.count(path) > 0; };
    probe.Environment = [this](const std::string& name) -> std::optional<std::string> {
      const auto found = Environment.find(name);
      if (found == Environment.end()) return std::nullopt;
      return found->second;
    };
    probe.AccountHome = [this] { return AccountHome; };
    return probe;
  }
};

TMachine Player() {
  TMachine machine;
  machine.Environment["HOME"] = "/home/ann";
  machine.WritableFolders = {"/home/ann", "/home/ann/src/brindlow/build/bin", "/tmp"};
  return machine;
}

TMachine InstalledUnder(const std::string& prefix) {
  TMachine machine = Player();
  machine.Files.insert(prefix + "/share/brindlow/Sound.dat");
  return machine;
}

void ExpectFolders(const TGameFolders& folders, const std::string& bank, const std::string& data) {
  EXPECT_EQ(folders.BankDirectory, bank);
  EXPECT_EQ(folders.DataDirectory, data);
}

class TScratchFolder {
public:
  TScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brindlow-folders-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
  }
  ~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(Path, ignored);
  }
  std::string Path;
};

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

}  // namespace

TEST(GameFoldersFor, BuildFolderKeepsEveryFileBesideTheProgram) {
  TMachine machine = Player();
  machine.Files.insert("/home/ann/src/brindlow/build/bin/Sound.dat");
  // A player's own data folder does not draw a build away from its folder.
  machine.Environment["XDG_DATA_HOME"] = "/home/ann/.data";
  ExpectFolders(GameFoldersFor("/home/ann/src/brindlow/build/bin/brindlow", machine.Probe()),
                "/home/ann/src/brindlow/build/bin", "/home/ann/src/brindlow/build/bin");
}

TEST(GameFoldersFor, BuildFolderWithoutItsBankStillKeepsFilesBesideTheProgram) {
  // The missing bank is reported where the player expects it: beside the program.
  ExpectFolders(GameFoldersFor("/home/ann/src/brindlow/build/bin/brindlow", Player().Probe()),
                "/home/ann/src/brindlow/build/bin", "/home/ann/src/brindlow/build/bin");
}

TEST(GameFoldersFor, InstalledCopyReadsItsBankFromTheDataFolderAndWritesToTheUsersFolder) {
  TMachine machine = InstalledUnder("/usr");
  machine.Environment["XDG_DATA_HOME"] = "/home/ann/.data";
  ExpectFolders(GameFoldersFor("/usr/bin/brindlow", machine.Probe()), "/usr/share/brindlow",
                "/home/ann/.data/brindlow");
  // Any prefix, found from the executable's own folder.
  machine.Files = {"/usr/local/share/brindlow/Sound.dat"};
  ExpectFolders(GameFoldersFor("/usr/local/bin/brindlow", machine.Probe()), "/usr/local/share/brindlow",
                "/home/ann/.data/brindlow");
}

TEST(GameFoldersFor, InstalledCopyStaysInstalledForAPlayerWhoMayWriteItsFolder) {
  // root may write /usr/bin, and a player may own a prefix in the home folder.
  TMachine machine = InstalledUnder("/usr");
  machine.WritableFolders.insert("/usr/bin");
  ExpectFolders(GameFoldersFor("/usr/bin/brindlow", machine.Probe()), "/usr/share/brindlow",
                "/home/ann/.local/share/brindlow");
  machine = InstalledUnder("/home/ann/.local");
  machine.WritableFolders.insert("/home/ann/.local/bin");
  ExpectFolders(GameFoldersFor("/home/ann/.local/bin/brindlow", machine.Probe()),
                "/home/ann/.local/share/brindlow", "/home/ann/.local/share/brindlow");
}

TEST(GameFoldersFor, ReadOnlyFolderWithTheBankBesideTheProgramReadsItThere) {
  TMachine machine = Player();
  machine.Files.insert("/opt/brindlow/Sound.dat");
  ExpectFolders(GameFoldersFor("/opt/brindlow/brindlow", machine.Probe()), "/opt/brindlow",
                "/home/ann/.local/share/brindlow");
}

TEST(GameFoldersFor, DataHomeFallsBackToTheHomeFolderWhenUnsetEmptyOrRelative) {
  TMachine machine = InstalledUnder("/usr");
  for (const char* dataHome : {"", "relative/data", "./data"}) {
    machine.Environment["XDG_DATA_HOME"] = dataHome;
    EXPECT_EQ(GameFoldersFor("/usr/bin/brindlow", machine.Probe()).DataDirectory,
              "/home/ann/.local/share/brindlow")
        << "XDG_DATA_HOME=" << dataHome;
  }
  machine.Environment["XDG_DATA_HOME"] = "/home/ann/data//";
  EXPECT_EQ(GameFoldersFor("/usr/bin/brindlow", machine.Probe()).DataDirectory, "/home/ann/data/brindlow");
}

TEST(GameFoldersFor, HomeComesFromTheAccountWhenTheEnvironmentHasNone) {
  TMachine machine = InstalledUnder("/usr");
  machine.Environment.clear();
  EXPECT_EQ(GameFoldersFor("/usr/bin/brindlow", machine.Probe()).DataDirectory,
            "/home/account/.local/share/brindlow");
  machine.Environment["HOME"] = "relative";
  EXPECT_EQ(GameFoldersFor("/usr/bin/brindlow", machine.Probe()).DataDirectory,
            "/home/account/.local/share/brindlow");
  // A home in the root gives no doubled slash.
  machine.Environment["HOME"] = "/";
  EXPECT_EQ(GameFoldersFor("/usr/bin/brindlow", machine.Probe()).DataDirectory, "/.local/share/brindlow");
  machine.Environment.clear();
  machine.AccountHome.clear();
  EXPECT_THROW(GameFoldersFor("/usr/bin/brindlow", machine.Probe()), EInOutError);
}

TEST(GameFoldersFor, BuildFolderNeedsNoHome) {
  TMachine machine = Player();
  machine.Environment.clear();
  machine.AccountHome.clear();
  EXPECT_NO_THROW(GameFoldersFor("/home/ann/src/brindlow/build/bin/brindlow", machine.Probe()));
}

TEST(GameFoldersFor, ProgramInTheRootFindsItsDataBesideTheRoot) {
  TMachine machine = Player();
  machine.Files.insert("/share/brindlow/Sound.dat");
  ExpectFolders(GameFoldersFor("/brindlow", machine.Probe()), "/share/brindlow", "/home/ann/.local/share/brindlow");
  // Writable root without an installed bank: everything in the root, named as ProgramDirectory names it.
  machine.Files.clear();
  machine.WritableFolders.insert("/");
  ExpectFolders(GameFoldersFor("/brindlow", machine.Probe()), "", "");
}

TEST(SystemFolderProbe, SeesAnInstalledTreeOnDisk) {
  TScratchFolder prefix;
  std::filesystem::create_directories(prefix.Path + "/bin");
  std::filesystem::create_directories(prefix.Path + "/share/brindlow");
  const TFolderProbe probe = SystemFolderProbe();
  const std::string executable = prefix.Path + "/bin/brindlow";
  EXPECT_EQ(GameFoldersFor(executable, probe).DataDirectory, prefix.Path + "/bin");

  std::ofstream(prefix.Path + "/share/brindlow/Sound.dat") << "bank";
  EXPECT_EQ(GameFoldersFor(executable, probe).BankDirectory, prefix.Path + "/share/brindlow");
  // A folder of that name is no bank.
  std::filesystem::remove(prefix.Path + "/share/brindlow/Sound.dat");
  std::filesystem::create_directory(prefix.Path + "/share/brindlow/Sound.dat");
  EXPECT_EQ(GameFoldersFor(executable, probe).BankDirectory, prefix.Path + "/bin");
}

TEST(SystemFolderProbe, FolderThePlayerCannotWriteCountsAsInstalled) {
  TScratchFolder prefix;
  ::chmod(prefix.Path.c_str(), 0755);
  const std::string folder = prefix.Path + "/bin";
  std::filesystem::create_directories(folder);
  ::chmod(folder.c_str(), 0555);
  auto readOnlyCopyIsInstalled = [&] {
    const TGameFolders folders = GameFoldersFor(folder + "/brindlow", SystemFolderProbe());
    return folders.BankDirectory == folder && folders.DataDirectory != folder;
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(readOnlyCopyIsInstalled());
    return;
  }
  // root may write every folder, so the question goes to an ordinary user in a child process.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(dropped && readOnlyCopyIsInstalled() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(MakePrivateFolder, CreatesEveryMissingPartForThePlayerAlone) {
  TScratchFolder base;
  ::chmod(base.Path.c_str(), 0755);
  const std::string folder = base.Path + "/home/.local/share/brindlow";
  MakePrivateFolder(folder);
  for (const std::string& part : {base.Path + "/home", base.Path + "/home/.local", folder})
    EXPECT_EQ(ModeOf(part), 0700u) << part;
  // Folders that were there keep their mode, and a second call changes nothing.
  EXPECT_EQ(ModeOf(base.Path), 0755u);
  EXPECT_NO_THROW(MakePrivateFolder(folder));
  EXPECT_NO_THROW(MakePrivateFolder(folder + "/"));
}

TEST(MakePrivateFolder, FileInTheWayIsAnInputOutputError) {
  TScratchFolder base;
  std::ofstream(base.Path + "/share") << "not a folder";
  try {
    MakePrivateFolder(base.Path + "/share/brindlow");
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path, base.Path + "/share");
  }
}

TEST(GameFolders, TestProgramInItsBuildFolderKeepsFilesBesideItself) {
  const TGameFolders folders = GameFolders();
  EXPECT_EQ(folders.BankDirectory, ProgramDirectory());
  EXPECT_EQ(folders.DataDirectory, ProgramDirectory());
}
