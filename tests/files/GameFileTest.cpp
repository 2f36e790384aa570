// Game.sav: a played game with its undo history comes back whole, a file that cannot be trusted is
// set aside with its reason, a game keeps its own level and options, a kill never tears the file, and
// only one running copy at a time holds a folder's game.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "CheckedFile.h"
#include "GameFile.h"
#include "GameLock.h"
#include "GameSettings.h"
#include "HeadlessHost.h"
#include "KillAtRandomMoments.h"
#include "RandomPlayer.h"
#include "TestFolder.h"

namespace {

// A game on the headless host, started from the settings of its level and options.
struct TPlayedGame {
  THeadlessHost Host;
  TRandom Random;
  TGameVariables Variables;
  TGameKeeper Keeper{Host, Host, Host, Host, Random, Variables};

  TPlayedGame() {
    Random.SetSeedSource([] { return 515u; });
    Host.Attach(Keeper.Game());
  }
  // Starts a game and plays `moves` moves of the random player, taking the third one back.
  void Play(int level, bool jokers, bool bombs, int moves) {
    GameSettings = DefaultSettings;
    GameSettings.Level = static_cast<std::uint8_t>(level);
    GameSettings.Jokers = jokers ? 1 : 0;
    GameSettings.Bombs = bombs ? 1 : 0;
    Keeper.Game().NewGame();
    TRandomPlayer player(9);
    for (int move = 1; move <= moves && CountEmptyCells(Keeper.Game().Fields().Board) > 0; ++move) {
      MakeMove(player.ChooseMove(Keeper.Game().Fields().Board));
      if (move == 3) Keeper.Undo();
    }
  }
  void MakeMove(const TPlayerMove& move) {
    Keeper.PanelClick(move.From);
    Keeper.PanelClick(move.To);
    Host.RunUntilIdle();
  }
};

std::size_t FileSize(std::size_t history) { return GameHeaderSize + GameStateSize * (history + 1) + GameChecksumSize; }

// The bytes with their checksum made right again, so that only the change itself is judged.
TBytes Resealed(TBytes bytes) {
  const std::size_t body = bytes.size() - GameChecksumSize;
  const std::uint32_t crc = Crc32(std::span(bytes).first(body));
  for (std::size_t k = 0; k < GameChecksumSize; ++k) bytes[body + k] = static_cast<std::uint8_t>(crc >> (8 * k));
  return bytes;
}

class GameFile : public ::testing::Test {
protected:
  void SetUp() override { GameSettings = DefaultSettings; }
  void TearDown() override { GameSettings = DefaultSettings; }

  // Plants `bytes` as Game.sav and expects it refused for `reason` and kept as Game.sav.bad.
  void ExpectSetAside(const TBytes& bytes, const std::string& reason) {
    WriteBytes(Folder / GameFileName, bytes);
    try {
      LoadGame(Folder.Path());
      ADD_FAILURE() << "taken: " << reason;
    } catch (const EDamagedGame& damage) {
      EXPECT_NE(std::string(damage.what()).find(reason), std::string::npos) << damage.what();
    }
    EXPECT_FALSE(Exists(Folder / GameFileName)) << reason;
    EXPECT_EQ(ReadBytes(Folder / BadGameFileName), bytes) << reason;
    // Earlier backups are kept, so the next case's file would land beside this one.
    std::filesystem::remove(Folder / BadGameFileName);
  }

  TTestFolder Folder;
};

}  // namespace

TEST_F(GameFile, APlayedGameComesBackWholeInTheDocumentedLayout) {
  TPlayedGame game;
  game.Play(1, true, true, 40);
  const TSavedGame record = game.Keeper.Saved();
  ASSERT_GT(record.History.size(), 20u);
  EXPECT_EQ(record.Current.UndoUsed, 1);
  SaveGame(Folder.Path(), record);

  const TBytes bytes = ReadBytes(Folder / GameFileName);
  ASSERT_EQ(bytes.size(), FileSize(record.History.size()));
  EXPECT_TRUE(std::equal(std::begin(GameMagic), std::end(GameMagic), bytes.begin()));
  EXPECT_EQ(bytes[8] | bytes[9] << 8, GameFormatVersion);
  EXPECT_EQ(bytes[GameHeaderSize + 86], 1) << "the level of the running game";
  EXPECT_EQ(bytes[GameHeaderSize + 89] | bytes[GameHeaderSize + 90] << 8, record.Current.Score) << "little-endian";
  EXPECT_FALSE(Exists(Folder / WorkFileName));

  EXPECT_EQ(LoadGame(Folder.Path()), record);
  // A second save replaces the first.
  game.Play(0, false, false, 5);
  SaveGame(Folder.Path(), game.Keeper.Saved());
  EXPECT_EQ(LoadGame(Folder.Path()), game.Keeper.Saved());
}

TEST_F(GameFile, NoFileIsNoGameAndRemovingIsQuiet) {
  EXPECT_EQ(LoadGame(Folder.Path()), std::nullopt);
  TPlayedGame game;
  game.Play(0, false, false, 2);
  SaveGame(Folder.Path(), game.Keeper.Saved());
  RemoveGame(Folder.Path());
  EXPECT_FALSE(Exists(Folder / GameFileName));
  RemoveGame(Folder.Path());
  EXPECT_EQ(LoadGame(Folder.Path()), std::nullopt);
}

TEST_F(GameFile, DamagedCutForeignAndImpossibleFilesAreSetAsideWithTheirReason) {
  TPlayedGame game;
  game.Play(2, true, false, 12);
  const TBytes good = EncodeGame(game.Keeper.Saved());

  TBytes flipped = good;
  flipped[GameHeaderSize + 40] ^= 0x04;
  ExpectSetAside(flipped, "checksum");

  for (const std::size_t length : {std::size_t{0}, std::size_t{5}, GameHeaderSize - 1, GameHeaderSize + 100, good.size() - 1})
    ExpectSetAside(TBytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)),
                   length < sizeof GameMagic ? "no saved game" : "cut short");
  TBytes longer = good;
  longer.push_back(0);
  ExpectSetAside(longer, "after its end");

  TBytes foreign = good;
  foreign[0] = 'X';
  ExpectSetAside(foreign, "no saved game");
  TBytes newer = good;
  newer[8] = 2;
  ExpectSetAside(Resealed(newer), "format 2");

  TBytes badCell = good;
  badCell[GameHeaderSize + 3] = 10;
  ExpectSetAside(Resealed(badCell), "cannot be played");
  TBytes hugeHistory = good;
  hugeHistory[15] = 0x7F;
  ExpectSetAside(Resealed(hugeHistory), "header");
}

TEST_F(GameFile, AGameGoesOnWithItsOwnLevelAndOptionsWhateverTheSettingsSay) {
  TPlayedGame original;
  original.Play(2, true, true, 15);
  SaveGame(Folder.Path(), original.Keeper.Saved());

  GameSettings = DefaultSettings;  // Normal, no jokers, no bombs
  TPlayedGame resumed;
  resumed.Host.Best[2] = 321;
  const std::optional<TSavedGame> record = LoadGame(Folder.Path());
  ASSERT_TRUE(record);
  resumed.Keeper.Resume(*record);
  const TGame& game = resumed.Keeper.Game();
  EXPECT_EQ(game.Fields().BallsPerTurn, 5);
  EXPECT_EQ(game.Fields().ScoreFactor, 1.7);
  EXPECT_EQ(game.Variables.GameJokers, 1);
  EXPECT_EQ(game.Variables.GameBombs, 1);
  EXPECT_EQ(resumed.Host.PreviewLevel, 2);
  EXPECT_EQ(resumed.Host.ShownBest, 321) << "the best score of the game's own level";
  EXPECT_EQ(game.State(), original.Keeper.Game().State());

  // Both go on alike: the generator was restored exactly.
  TRandomPlayer player(31);
  for (int move = 0; move < 10 && CountEmptyCells(game.Fields().Board) > 0; ++move) {
    const TPlayerMove next = player.ChooseMove(game.Fields().Board);
    original.MakeMove(next);
    resumed.MakeMove(next);
    ASSERT_EQ(game.State(), original.Keeper.Game().State()) << "move " << move;
  }
  ASSERT_TRUE(resumed.Keeper.Undo()) << "the saved history can be undone";
}

TEST_F(GameFile, AKillDuringASaveLeavesTheOldGameOrTheNewOneNeverATornFile) {
  TPlayedGame game;
  game.Play(0, true, true, 20);
  const TSavedGame small = game.Keeper.Saved();
  TSavedGame large = small;
  // A long history makes a save long enough for kills to land inside its writing.
  while (large.History.size() < 600) large.History.push_back(small.Current);
  SaveGame(Folder.Path(), small);

  const auto onDisk = [&]() -> int {
    try {
      const TSavedGame record = DecodeGame(ReadBytes(Folder / GameFileName));
      return record == small ? 0 : record == large ? 1 : -1;
    } catch (const EDamagedGame&) {
      return -1;
    }
  };
  const auto seen = KillAtRandomMoments(
      220, [&] { SaveGame(Folder.Path(), onDisk() == 0 ? large : small); }, onDisk);
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
  const std::optional<TSavedGame> last = LoadGame(Folder.Path());
  ASSERT_TRUE(last);
  EXPECT_TRUE(*last == small || *last == large);
}

TEST(GameLock, OneCopyAtATimeHoldsAFolderAndAKilledHolderLetsGo) {
  TTestFolder folder;
  {
    const TGameLock first(folder.Path());
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(TGameLock(folder.Path()).Held()) << "a second claim in the same process";
  }
  EXPECT_TRUE(TGameLock(folder.Path()).Held()) << "released with its holder";

  // Another process holds it until it is killed without any chance to let go.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    const TGameLock lock(folder.Path());
    const char held = lock.Held() ? '1' : '0';
    (void)!::write(ready[1], &held, 1);
    ::pause();
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, '1');
  EXPECT_FALSE(TGameLock(folder.Path()).Held()) << "while another process holds it";
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_TRUE(TGameLock(folder.Path()).Held()) << "after its holder was killed";
}

TEST(GameLock, AMissingFolderOrALinkInTheLockFilesPlaceHoldsNothing) {
  TTestFolder folder;
  EXPECT_FALSE(TGameLock(folder / "missing").Held());
  std::filesystem::create_symlink(folder / "elsewhere", folder / GameLockFileName);
  EXPECT_FALSE(TGameLock(folder.Path()).Held());
  EXPECT_FALSE(Exists(folder / "elsewhere"));
}
