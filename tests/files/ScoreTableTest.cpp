// The score lists in memory: the default table, insertion, the once-per-game offer and names.
#include <gtest/gtest.h>

#include <stdexcept>

#include "GameSettings.h"
#include "TopLista.h"

namespace {

const std::uint16_t DefaultScores[] = {100, 50, 33, 25, 20, 16, 14, 12, 11, 10};

TRandom SeededRandom(std::uint32_t seed) {
  TRandom random;
  random.Seed(seed);
  return random;
}

class ScoreLists : public ::testing::Test {
protected:
  void SetUp() override {
    TRandom random = SeededRandom(1);
    ScoreTable = TScoreTable::Default(random);
    GameSettings = DefaultSettings;
  }
  TGameVariables Game;
};

class TFakeDialogs : public IScoreDialogs {
public:
  void ShowNameDialog() override {
    Calls += "name ";
    StoreName(Game->LastRank, TypedName);
  }
  void ShowTopTen() override { Calls += "top "; }
  TGameVariables* Game = nullptr;
  std::string TypedName = "Ann";
  std::string Calls;
};

}  // namespace

TEST_F(ScoreLists, DefaultTableHasPlayerNamesAndFallingScoresInEveryList) {
  for (int level = 0; level < LevelCount; ++level) {
    for (int place = 1; place <= PlacesPerList; ++place) {
      const TScoreEntry& entry = ScoreTable.Entry(level, place);
      EXPECT_EQ(entry.Name(), " Player " + std::to_string(place));
      EXPECT_EQ(entry.Score, DefaultScores[place - 1]);
      EXPECT_LE(entry.Jokers, 1);
      EXPECT_LE(entry.Bombs, 1);
      EXPECT_EQ(entry.Alignment, 0);
    }
  }
}

TEST_F(ScoreLists, DefaultFlagsAreDrawnJokersFirstInFileOrder) {
  TRandom random = SeededRandom(77);
  const TScoreTable table = TScoreTable::Default(random);
  TRandom replay = SeededRandom(77);
  int marks = 0;
  for (int level = 0; level < LevelCount; ++level) {
    for (int place = 1; place <= PlacesPerList; ++place) {
      EXPECT_EQ(table.Entry(level, place).Jokers, replay.Random(2));
      EXPECT_EQ(table.Entry(level, place).Bombs, replay.Random(2));
      marks += table.Entry(level, place).Jokers + table.Entry(level, place).Bombs;
    }
  }
  EXPECT_GT(marks, 0);
  EXPECT_LT(marks, 60);
}

TEST_F(ScoreLists, EntryHasTheByteLayoutOfTheFile) {
  TScoreEntry entry;
  entry.SetName(" Zo\xEB");
  entry.Alignment = 0x5A;
  entry.Score = 0x1234;
  entry.Jokers = 1;
  std::array<std::uint8_t, ScoreEntrySize> bytes{};
  entry.Encode(bytes);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[1], ' ');
  EXPECT_EQ(bytes[4], 0xEB);
  EXPECT_EQ(bytes[31], 0x5A);
  EXPECT_EQ(bytes[32], 0x34);
  EXPECT_EQ(bytes[33], 0x12);
  EXPECT_EQ(bytes[34], 1);
  EXPECT_EQ(bytes[35], 0);
  EXPECT_EQ(TScoreEntry::Decode(bytes), entry);
}

TEST_F(ScoreLists, TableEncodesListsInLevelOrderAndDecodesBack) {
  ScoreTable.Entry(1, 1).Score = 0xBEEF;
  ScoreTable.Entry(2, 10).Bombs = 7;
  const std::vector<std::uint8_t> plain = ScoreTable.Encode();
  ASSERT_EQ(plain.size(), 1080u);
  EXPECT_EQ(plain[360 + 32], 0xEF);
  EXPECT_EQ(plain[360 + 33], 0xBE);
  EXPECT_EQ(plain[1079], 7);
  EXPECT_EQ(TScoreTable::Decode(std::span(plain).first<PlainScoreFileSize>()), ScoreTable);
}

TEST_F(ScoreLists, OverlongStoredNameLengthIsReadAsThirty) {
  ScoreTable.Entry(0, 1).NameLength = 200;
  EXPECT_EQ(ScoreTable.Entry(0, 1).Name().size(), MaxNameLength);
}

TEST_F(ScoreLists, ScoreEqualToPlaceTenDoesNotEnter) {
  const TScoreTable before = ScoreTable;
  Game.LastRank = 4;
  EXPECT_FALSE(InsertScore(Game, 10, 1, 1));
  EXPECT_EQ(ScoreTable, before);
  EXPECT_EQ(Game.LastRank, 4);
  EXPECT_FALSE(InsertScore(Game, 0, 0, 0));
  EXPECT_EQ(ScoreTable, before);
}

TEST_F(ScoreLists, OnePointMoreEntersAtPlaceTenAndNothingElseMoves) {
  const TScoreTable before = ScoreTable;
  EXPECT_TRUE(InsertScore(Game, 11, 1, 0));
  EXPECT_EQ(Game.LastRank, 10);
  for (int place = 1; place <= 9; ++place) EXPECT_EQ(ScoreTable.Entry(0, place), before.Entry(0, place));
  const TScoreEntry& tenth = ScoreTable.Entry(0, 10);
  EXPECT_EQ(tenth.Score, 11);
  EXPECT_EQ(tenth.Jokers, 1);
  EXPECT_EQ(tenth.Bombs, 0);
  EXPECT_EQ(tenth.Name(), " Player 10");  // until the name dialog stores the new one
}

TEST_F(ScoreLists, ScoreEqualToPlaceOneEntersBelowIt) {
  const TScoreTable before = ScoreTable;
  EXPECT_TRUE(InsertScore(Game, 100, 0, 1));
  EXPECT_EQ(Game.LastRank, 2);
  EXPECT_EQ(ScoreTable.Entry(0, 1), before.Entry(0, 1));
  EXPECT_EQ(ScoreTable.Entry(0, 2).Score, 100);
  EXPECT_EQ(ScoreTable.Entry(0, 2).Name(), " Player 2");
  EXPECT_EQ(ScoreTable.Entry(0, 3), before.Entry(0, 2));
  EXPECT_EQ(ScoreTable.Entry(0, 10), before.Entry(0, 9));
}

TEST_F(ScoreLists, HighestScoreEntersFirstAndPushesEveryoneDown) {
  const TScoreTable before = ScoreTable;
  EXPECT_TRUE(InsertScore(Game, 65535, 1, 1));
  EXPECT_EQ(Game.LastRank, 1);
  EXPECT_EQ(ScoreTable.Entry(0, 1).Score, 65535);
  EXPECT_EQ(ScoreTable.Entry(0, 1).Name(), " Player 1");
  for (int place = 2; place <= 10; ++place) EXPECT_EQ(ScoreTable.Entry(0, place), before.Entry(0, place - 1));
}

TEST_F(ScoreLists, TiesInTheMiddleEnterBelowTheOlderEqualScores) {
  ASSERT_TRUE(InsertScore(Game, 25, 0, 0));
  EXPECT_EQ(Game.LastRank, 5);
  ASSERT_TRUE(InsertScore(Game, 25, 1, 1));
  EXPECT_EQ(Game.LastRank, 6);
  EXPECT_EQ(ScoreTable.Entry(0, 4).Score, 25);
  EXPECT_EQ(ScoreTable.Entry(0, 6).Jokers, 1);
  EXPECT_EQ(ScoreTable.Entry(0, 7).Score, 20);
  EXPECT_EQ(ScoreTable.Entry(0, 10).Score, 12);
}

TEST_F(ScoreLists, OnlyTheListOfTheCurrentLevelChanges) {
  for (std::uint8_t level = 0; level < LevelCount; ++level) {
    const TScoreTable before = ScoreTable;
    GameSettings.Level = level;
    ASSERT_TRUE(InsertScore(Game, 60, 0, 0));
    EXPECT_EQ(ScoreTable.Entry(level, 2).Score, 60);
    for (int other = 0; other < LevelCount; ++other) {
      if (other != level) {
        EXPECT_EQ(ScoreTable.Lists[other], before.Lists[other]) << int(level);
      }
    }
  }
}

TEST_F(ScoreLists, MovedEntriesLeaveTheAlignmentBytesWithTheirPlaces) {
  for (int place = 1; place <= 10; ++place) ScoreTable.Entry(0, place).Alignment = static_cast<std::uint8_t>(place);
  ASSERT_TRUE(InsertScore(Game, 200, 0, 0));
  for (int place = 1; place <= 10; ++place) EXPECT_EQ(ScoreTable.Entry(0, place).Alignment, place);
}

TEST_F(ScoreLists, SubmitScoreOffersARecordOnceWithBothDialogs) {
  TFakeDialogs dialogs;
  dialogs.Game = &Game;
  Game.Score = 40;
  Game.GameJokers = 1;
  Game.GameBombs = 0;
  GameSettings.Level = 1;
  GameSettings.Jokers = 0;  // the game's own options count, not the settings of today
  SubmitScore(Game, dialogs);
  EXPECT_EQ(dialogs.Calls, "name top ");
  EXPECT_EQ(Game.ScoreSubmitted, 1);
  EXPECT_EQ(Game.LastRank, 3);
  EXPECT_EQ(ScoreTable.Entry(1, 3).Name(), " Ann");
  EXPECT_EQ(ScoreTable.Entry(1, 3).Jokers, 1);

  const TScoreTable after = ScoreTable;
  SubmitScore(Game, dialogs);
  EXPECT_EQ(dialogs.Calls, "name top ");
  EXPECT_EQ(ScoreTable, after);
}

TEST_F(ScoreLists, ScoreThatDoesNotEnterShowsNoDialogAndStaysOffered) {
  TFakeDialogs dialogs;
  dialogs.Game = &Game;
  Game.Score = 10;
  SubmitScore(Game, dialogs);
  EXPECT_EQ(dialogs.Calls, "");
  EXPECT_EQ(Game.ScoreSubmitted, 0);
  EXPECT_EQ(Game.LastRank, 0);
}

TEST_F(ScoreLists, AGameWithAMoveTakenBackIsNeverEntered) {
  // The window's close and the settings dialog offer the score themselves, past the engine.
  TFakeDialogs dialogs;
  dialogs.Game = &Game;
  Game.Score = 900;
  Game.UndoUsed = 1;
  const TScoreTable before = ScoreTable;
  SubmitScore(Game, dialogs);
  EXPECT_EQ(dialogs.Calls, "");
  EXPECT_EQ(ScoreTable, before);
}

TEST_F(ScoreLists, RecordIsNotEnteredTwiceWhenADialogFails) {
  class TFailingDialogs : public IScoreDialogs {
  public:
    void ShowNameDialog() override { throw std::runtime_error("no display"); }
    void ShowTopTen() override {}
  } failing;
  Game.Score = 500;
  EXPECT_THROW(SubmitScore(Game, failing), std::runtime_error);
  const TScoreTable after = ScoreTable;
  SubmitScore(Game, failing);
  EXPECT_EQ(ScoreTable, after);
  EXPECT_EQ(ScoreTable.Entry(0, 2).Score, 100);
}

TEST_F(ScoreLists, StoreNameWritesThePlaceOfTheCurrentLevel) {
  GameSettings.Level = 2;
  StoreName(7, "  Bob  ");
  EXPECT_EQ(ScoreTable.Entry(2, 7).Name(), "   Bob  ");
  EXPECT_EQ(ScoreTable.Entry(0, 7).Name(), " Player 7");
  StoreName(7, " \t ");
  EXPECT_EQ(ScoreTable.Entry(2, 7).Name(), " Chicken!");
  EXPECT_EQ(BestScore(2), 100);
}

TEST(ScoreNames, EmptyOrBlankNameIsChicken) {
  EXPECT_EQ(StoredName(""), " Chicken!");
  EXPECT_EQ(StoredName("    "), " Chicken!");
  EXPECT_EQ(StoredName("\t\r\n "), " Chicken!");
}

TEST(ScoreNames, TypedNameKeepsItsSpacesBehindOneMore) {
  EXPECT_EQ(StoredName("  Ann Lee "), "   Ann Lee ");
}

TEST(ScoreNames, LongNameIsCutToThirtyBytesInAll) {
  const std::string typed(40, 'x');
  const std::string stored = StoredName(typed);
  EXPECT_EQ(stored, " " + std::string(29, 'x'));
  EXPECT_EQ(StoredName(std::string(26, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"),
            " " + std::string(26, 'a') + "\xE9\xE9\xE9");
}

TEST(ScoreNames, Latin1CharactersBecomeSingleBytesOthersAQuestionMark) {
  EXPECT_EQ(Latin1FromUtf8("J\xC3\xBCrgen \xC3\x98"), "J\xFCrgen \xD8");
  EXPECT_EQ(Latin1FromUtf8("\xE2\x82\xAC 5"), "? 5");             // the euro sign
  EXPECT_EQ(Latin1FromUtf8("\xF0\x9F\x98\x80!"), "?!");          // an emoji: one character, one "?"
  EXPECT_EQ(Latin1FromUtf8("a\xFF" "b\xC3"), "a?b?");            // malformed bytes
  EXPECT_EQ(Latin1FromUtf8("\xC0\x80"), "?");                    // an overlong form of 0
}

TEST(ScoreNames, Latin1ConvertsBackToUtf8) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(every)), every);
  EXPECT_EQ(Utf8FromLatin1(" Zo\xEB"), " Zo\xC3\xAB");
}
