// Reading, refusing and unpacking sound banks.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include <filesystem>

#include "GameSettings.h"
#include "GameSound.h"
#include "SoundBank.h"
#include "SoundCount.h"
#include "SoundTestFiles.h"
#include "SoundUnavailable.h"

namespace {

TBytes Pattern(std::size_t size, int salt) {
  TBytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>((i * 7 + salt) % 251);
  return bytes;
}

class TBankTest : public testing::Test {
protected:
  std::string BankPath() const { return Program.File(SoundBankName); }

  TTempFolder Program;
  TTempFolder Temp;
  TSoundBank Bank;
};

TEST_F(TBankTest, EntriesAreUnpackedWholeWhateverTheirSize) {
  auto entries = StandardEntries();
  // Effects 2..5 take sizes around the copy buffer's and one far beyond 256 buffers.
  const std::size_t sizes[] = {0, CopyBufferSize, CopyBufferSize + 1, 8 * 1024 * 1024 + 7};
  for (int i = 0; i < 4; ++i) entries[1 + i].Data = Pattern(sizes[i], i);
  WriteBank(BankPath(), entries);
  // A stale file of the same name is replaced, not overwritten in part.
  WriteBytes(Temp.File("E2.WAV"), Pattern(1000, 9));

  ASSERT_EQ(ReadSoundBank(BankPath(), Bank), "");
  ExtractSounds(Bank, Temp.Path());

  for (const TBankEntry& entry : entries) EXPECT_EQ(ReadBytes(Temp.File(entry.Name)), entry.Data) << entry.Name;
  EXPECT_EQ(Bank.EntryOffsets[1], BankHeaderSize);
  EXPECT_EQ(Bank.EntryOffsets[6], Bank.EntryOffsets[5] + static_cast<std::int64_t>(sizes[3]));
  // Nothing but the entries is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Temp.Path()), {}), 19);
}

TEST_F(TBankTest, AWriteProtectedBankIsReadAndUnpacked) {
  WriteBank(BankPath(), StandardEntries());
  chmod(BankPath().c_str(), 0444);
  ASSERT_EQ(ReadSoundBank(BankPath(), Bank), "");
  ExtractSounds(Bank, Temp.Path());
  EXPECT_TRUE(FileExists(Temp.File("SONG8.MID")));
}

TEST_F(TBankTest, PathsNameTheUnpackedFilesAndOnlyUpperCaseMidMarksASong) {
  auto entries = StandardEntries();
  // Position 1 is never examined; a lower-case ".mid" after the effects is a twelfth effect.
  entries[0].Name = "INTRO.MID";
  entries.insert(entries.begin() + 11, TBankEntry{"EXTRA.mid", Pattern(10, 1)});
  WriteBank(BankPath(), entries);
  ASSERT_EQ(ReadSoundBank(BankPath(), Bank), "");
  BuildSoundPaths(Bank, Temp.Path() + "/");

  EXPECT_EQ(Bank.SoundPaths[1], Temp.File("INTRO.MID"));
  EXPECT_EQ(Bank.SoundPaths[20], Temp.File("SONG8.MID"));
  EXPECT_EQ(Bank.SoundPaths[21], "");
  TRandom random;
  TMusicPlayer unused;
  TMusic music(unused, Bank, random);
  EXPECT_EQ(music.FirstSongPosition(), 13);
  EXPECT_EQ(music.ChooseSong(1), Temp.File("SONG1.MID"));
  EXPECT_EQ(music.ChooseSong(8), Temp.File("SONG8.MID"));
}

struct THostileBank {
  const char* Case;
  std::function<void(TBankHeader&)> Edit;
  const char* Message;
};

TEST_F(TBankTest, EveryHostileBankIsRefusedWithItsProblemAndTheRunIsSilent) {
  const std::int64_t dataSize = [] {
    std::int64_t sum = 0;
    for (const TBankEntry& entry : StandardEntries()) sum += static_cast<std::int64_t>(entry.Data.size());
    return sum;
  }();
  const std::vector<THostileBank> banks = {
      {"empty name", [](TBankHeader& h) { h.Names[3] = ""; }, "entry 3 has an empty name"},
      {"long name", [](TBankHeader& h) { h.Names[4] = "ABCDEFGHI.WAV"; },
       "the name of entry 4 is longer than 12 characters"},
      {"slash", [](TBankHeader& h) { h.Names[5] = "../E5.WAV"; },
       "the name of entry 5 holds a path separator"},
      {"backslash", [](TBankHeader& h) { h.Names[5] = "A\\E5.WAV"; },
       "the name of entry 5 holds a path separator"},
      {"control", [](TBankHeader& h) { h.Names[6] = "E6\n.WAV"; },
       "the name of entry 6 holds a control character"},
      {"delete", [](TBankHeader& h) { h.Names[6] = "E6\x7f.WAV"; },
       "the name of entry 6 holds a control character"},
      {"dot", [](TBankHeader& h) { h.Names[2] = "."; }, "the name of entry 2 is \".\""},
      {"dot dot", [](TBankHeader& h) { h.Names[2] = ".."; }, "the name of entry 2 is \"..\""},
      {"negative size", [](TBankHeader& h) { h.Sizes[7] = -5; }, "the size of entry 7 is negative (-5)"},
      {"past the end", [](TBankHeader& h) { h.Sizes[19] += 1; },
       "entry 19 runs past the end of the file"},
      {"huge size", [](TBankHeader& h) { h.Sizes[1] = 0x7fffffff; },
       "entry 1 runs past the end of the file"},
      {"start before the file", [](TBankHeader& h) { h.Start = -1; },
       "its entries start at offset -1, outside the file"},
      {"start after the file", [dataSize](TBankHeader& h) { h.Start = static_cast<std::int32_t>(BankHeaderSize + dataSize + 1); },
       "outside the file"},
      {"no song", [](TBankHeader& h) { for (int k = 12; k <= 19; ++k) h.Names[k] = "S" + std::to_string(k) + ".mid"; },
       "it holds no song"},
      {"song among the effects", [](TBankHeader& h) { h.Names[5] = "E5.MID"; },
       "it holds 4 effects before its first song, where 11 are needed"},
      {"seven songs", [](TBankHeader& h) { h.Count = 18; },
       "it holds 7 entries from its first song on, where 8 songs are needed"},
      {"no entries", [](TBankHeader& h) { h.Count = 0; }, "it holds no song"},
  };
  for (const THostileBank& hostile : banks) {
    SCOPED_TRACE(hostile.Case);
    WriteBank(BankPath(), StandardEntries(), hostile.Edit);
    GameSettings = DefaultSettings;
    int heard = 0;
    TMusicPlayer player;
    TGameSound sound([&](const std::string&, int) { ++heard; }, player, ProgramRandom());

    const std::string message = sound.CheckSoundBank(Program.Path());
    EXPECT_TRUE(message.starts_with("Sound file is damaged: ")) << message;
    EXPECT_NE(message.find(hostile.Message), std::string::npos) << message;
    EXPECT_EQ(SoundUnavailable, 1);
    EXPECT_EQ(sound.StartSound(Temp.Path()), "");
    sound.Effects().PlayEffect(TSoundEffect::StartUp);
    sound.ShutDown();
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(GameSettings.SoundsOff, 1);
    EXPECT_EQ(GameSettings.Music, 0);
    EXPECT_TRUE(std::filesystem::is_empty(Temp.Path())) << "nothing unpacked, nothing counted";
  }
}

TEST_F(TBankTest, AMissingShortOrUnreadableBankIsNamedForThePlayer) {
  EXPECT_EQ(ReadSoundBank(BankPath(), Bank), "Sound file is missing!");
  WriteBytes(BankPath(), TBytes(BankHeaderSize - 1));
  EXPECT_EQ(ReadSoundBank(BankPath(), Bank),
            "Sound file is damaged: it is shorter than its 4340-byte header.");
  std::filesystem::remove(BankPath());
  std::filesystem::create_directory(BankPath());
  EXPECT_EQ(ReadSoundBank(BankPath(), Bank), "Sound file cannot be read: it is not a file.");
}

TEST_F(TBankTest, APipeInThePlaceOfTheBankIsRefusedWithoutWaitingAndTheRunIsSilent) {
  ASSERT_EQ(::mkfifo(BankPath().c_str(), 0600), 0);
  GameSettings = DefaultSettings;
  TMusicPlayer player;
  TGameSound sound([](const std::string&, int) {}, player, ProgramRandom());
  auto checked = std::async(std::launch::async, [&] { return sound.CheckSoundBank(Program.Path()); });
  if (checked.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
    // Whatever waits on the pipe is set free, so that the failure is reported and not a hang.
    const int writer = ::open(BankPath().c_str(), O_WRONLY);
    ::close(writer);
    checked.wait();
    FAIL() << "the bank's reader waited on the pipe";
  }
  EXPECT_EQ(checked.get(), "Sound file cannot be read: it is not a file.");
  EXPECT_EQ(SoundUnavailable, 1);
  EXPECT_EQ(sound.StartSound(Temp.Path()), "");
  EXPECT_EQ(GameSettings.SoundsOff, 1);
  EXPECT_EQ(GameSettings.Music, 0);
  EXPECT_TRUE(std::filesystem::is_empty(Temp.Path())) << "nothing unpacked, nothing counted";
}

TEST_F(TBankTest, AnUnwritableTempFolderLeavesTheRunSilentAndUncounted) {
  WriteBank(BankPath(), StandardEntries());
  GameSettings = DefaultSettings;
  int heard = 0;
  TMusicPlayer player;
  TGameSound sound([&](const std::string&, int) { ++heard; }, player, ProgramRandom());
  ASSERT_EQ(sound.CheckSoundBank(Program.Path()), "");
  // An entry's file cannot be created where a folder of its name stands.
  std::filesystem::create_directory(Temp.File("E4.WAV"));

  const std::string message = sound.StartSound(Temp.Path());
  EXPECT_TRUE(message.starts_with("The sounds cannot be unpacked, so the game is silent: ")) << message;
  EXPECT_NE(message.find("E4.WAV"), std::string::npos) << message;
  EXPECT_EQ(SoundUnavailable, 1);
  EXPECT_EQ(GameSettings.Music, 0);
  EXPECT_FALSE(FileExists(Temp.File(SemaphoreName))) << "the count taken back";
  EXPECT_FALSE(FileExists(Temp.File("E1.WAV")));
  sound.Effects().PlayEffect(TSoundEffect::Close);
  EXPECT_EQ(heard, 0);
}

}  // namespace
