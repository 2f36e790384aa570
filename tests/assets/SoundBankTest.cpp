// The built Sound.dat: its header and offsets, the effects' WAVE files and the songs' MIDI files inside it.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "AssetBytes.h"
#include "BankHeader.h"
#include "BuiltSoundBank.h"

namespace {

struct TBuiltBank {
  QByteArray Bytes;
  TBankHeader Header;
  QByteArray Entry(int k) const {
    qsizetype at = Header.Start;
    for (int i = 1; i < k; ++i) at += Header.Sizes[i];
    return Bytes.mid(at, Header.Sizes[k]);
  }
};

const TBuiltBank& Bank() {
  static const TBuiltBank bank = [] {
    TBuiltBank built;
    built.Bytes = ReadWholeFile(BuiltSoundBankPath);
    std::array<std::uint8_t, BankHeaderSize> head{};
    if (built.Bytes.size() >= BankHeaderSize) std::copy_n(built.Bytes.constData(), BankHeaderSize, head.begin());
    built.Header = DecodeBankHeader(head);
    return built;
  }();
  return bank;
}

bool EndsWithMid(const std::string& name) { return name.size() >= 4 && name.substr(name.size() - 4) == ".MID"; }

// The longest each effect may last: jumps repeat every 180 or 240 ms, Stuck and Close hold the game up.
struct TEffectLimit {
  const char* Effect;
  double MaxSeconds;
};
constexpr std::array<TEffectLimit, 11> Limits = {{{"StartUp", 1.5}, {"Break", 0.5}, {"Create", 0.3},
                                                  {"CreateJoker", 0.4}, {"CreateBomb", 0.4}, {"Jump", 0.16},
                                                  {"JumpJoker", 0.12}, {"JumpBomb", 0.16}, {"Move", 0.3},
                                                  {"Stuck", 0.5}, {"Close", 0.5}}};

}  // namespace

TEST(SoundBank, HeaderCountsElevenEffectsAndEightSongsBackToBack) {
  const TBuiltBank& bank = Bank();
  ASSERT_GT(bank.Bytes.size(), BankHeaderSize);
  EXPECT_EQ(bank.Header.Count, 19);
  EXPECT_EQ(bank.Header.Start, BankHeaderSize);
  qsizetype total = bank.Header.Start;
  std::set<std::string> names;
  for (int k = 1; k <= bank.Header.Count; ++k) {
    EXPECT_GT(bank.Header.Sizes[k], 0) << k;
    EXPECT_LT(bank.Header.Sizes[k], 256 * 30720) << k;  // the unpacker counts full chunks in a byte
    total += bank.Header.Sizes[k];
    const std::string& name = bank.Header.Names[k];
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 12u);
    EXPECT_EQ(static_cast<std::uint8_t>(bank.Bytes.at(1 + (k - 1) * 13)), name.size());
    EXPECT_TRUE(names.insert(name).second) << "two entries named " << name;
  }
  EXPECT_EQ(total, bank.Bytes.size());
  for (int k = bank.Header.Count + 1; k <= BankSlots; ++k) EXPECT_EQ(bank.Header.Sizes[k], 0);
}

TEST(SoundBank, TheSongSearchFromPositionTwoFindsEightSongsAfterTheEffects) {
  const TBuiltBank& bank = Bank();
  int first = 0;
  for (int k = 2; k <= bank.Header.Count && first == 0; ++k)
    if (EndsWithMid(bank.Header.Names[k])) first = k;
  EXPECT_EQ(first, 12);
  for (int k = 1; k <= 11; ++k) EXPECT_FALSE(EndsWithMid(bank.Header.Names[k])) << bank.Header.Names[k];
  for (int k = 12; k <= 19; ++k) EXPECT_TRUE(EndsWithMid(bank.Header.Names[k])) << k;
}

TEST(SoundBank, EffectsArePcmWavesShortAndUnclipped) {
  const TBuiltBank& bank = Bank();
  for (int k = 1; k <= 11; ++k) {
    const TEffectLimit& limit = Limits[static_cast<std::size_t>(k - 1)];
    SCOPED_TRACE(limit.Effect);
    const QByteArray wave = bank.Entry(k);
    ASSERT_GE(wave.size(), 44);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(LE32(wave, 4), static_cast<std::uint32_t>(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(LE32(wave, 16), 16u);
    EXPECT_EQ(LE16(wave, 20), 1u);  // PCM
    const std::uint32_t channels = LE16(wave, 22);
    const std::uint32_t rate = LE32(wave, 24);
    EXPECT_EQ(LE16(wave, 34), 16u);
    EXPECT_EQ(LE32(wave, 28), rate * channels * 2);
    EXPECT_EQ(LE16(wave, 32), channels * 2);
    EXPECT_EQ(wave.mid(36, 4), "data");
    const std::uint32_t dataBytes = LE32(wave, 40);
    ASSERT_EQ(dataBytes + 44, static_cast<std::uint32_t>(wave.size()));

    const double seconds = static_cast<double>(dataBytes) / (rate * channels * 2);
    EXPECT_GT(seconds, 0.05);
    EXPECT_LE(seconds, limit.MaxSeconds);
    int peak = 0;
    for (std::uint32_t i = 0; i < dataBytes / 2; ++i)
      peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(LE16(wave, 44 + 2 * static_cast<int>(i))))));
    EXPECT_LT(peak, 32767 * 9 / 10) << "too close to clipping";
    EXPECT_GT(peak, 32767 / 5) << "too quiet";
    const auto last = static_cast<std::int16_t>(LE16(wave, wave.size() - 2));
    EXPECT_LT(std::abs(last), 200) << "ends with a click";
  }
}

TEST(SoundBank, SongsAreWellFormedMidiOfOneToThreeMinutes) {
  const TBuiltBank& bank = Bank();
  for (int k = 12; k <= 19; ++k) {
    SCOPED_TRACE(bank.Header.Names[k]);
    const TMidiSummary song = SummariseMidi(bank.Entry(k));
    ASSERT_EQ(song.Error, "");
    EXPECT_EQ(song.Format, 1);
    EXPECT_EQ(song.Tracks, song.DeclaredTracks);
    EXPECT_GE(song.Tracks, 5);
    EXPECT_EQ(song.UnmatchedNotes, 0);
    EXPECT_GE(song.Seconds, 60.0);
    EXPECT_LE(song.Seconds, 180.0);
    EXPECT_GT(song.NotesPerChannel[0], 50) << "the lead plays a tune";
    EXPECT_GT(song.NotesPerChannel[3], 30) << "the bass plays";
    EXPECT_GE(song.LowestKey, 28);
    EXPECT_LE(song.HighestKey, 100);
  }
}

TEST(SoundBank, SongsDifferInKeyTempoAndInstruments) {
  const TBuiltBank& bank = Bank();
  std::set<std::pair<int, bool>> keys;
  std::set<int> tempos, leads;
  int withDrums = 0;
  for (int k = 12; k <= 19; ++k) {
    const TMidiSummary song = SummariseMidi(bank.Entry(k));
    keys.insert({song.KeySharps, song.KeyMinor});
    tempos.insert(song.FirstTempo);
    leads.insert(song.Programs[0]);
    if (song.NotesPerChannel[9] > 0) ++withDrums;
  }
  EXPECT_EQ(keys.size(), 8u);
  EXPECT_EQ(tempos.size(), 8u);
  EXPECT_EQ(leads.size(), 8u);
  EXPECT_GE(withDrums, 6);
}
