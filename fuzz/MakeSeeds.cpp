// brindlow-fuzz-seeds <corpus folder>: writes the seed inputs of every fuzz target, one subfolder
// per target, all made by our own encoders so that the corpora can be rebuilt at any time.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BankPacker.h"
#include "Composer.h"
#include "Crypt.h"
#include "Effects.h"
#include "GameSettings.h"
#include "JpegFile.h"
#include "MidiFile.h"
#include "Random.h"
#include "ScoreNames.h"
#include "SongStyles.h"
#include "StartPicture.h"
#include "TopLista.h"
#include "WavFile.h"

namespace {

class TSeedFolder {
public:
  TSeedFolder(const std::string& corpus, const std::string& target) : Folder(corpus + "/" + target) {
    std::filesystem::create_directories(Folder);
  }
  void Write(const std::string& name, const TBytes& bytes) const { WriteFileBytes(Folder + "/" + name, bytes); }

private:
  std::string Folder;
};

TBytes Tone(int samples, double cyclesPerSample, int sampleRate) {
  std::vector<std::int16_t> wave(static_cast<std::size_t>(samples));
  for (int i = 0; i < samples; ++i) wave[i] = static_cast<std::int16_t>(8000 * std::sin(6.2832 * cyclesPerSample * i));
  return EncodeWav16(wave, sampleRate);
}

TBytes ShortSong(int key) {
  TMidiTrack conductor;
  conductor.Tempo(0, 120);
  conductor.TimeSignature(0, 4, 4);
  TMidiTrack lead;
  lead.Program(0, 0, 0);
  lead.Note(0, 240, 0, key, 100);
  lead.Note(240, 240, 0, key + 4, 90);
  return EncodeMidiFile({conductor, lead});
}

TBytes Bytes(std::initializer_list<int> values) {
  TBytes bytes;
  for (const int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

void WriteBankSeeds(const TSeedFolder& seeds) {
  std::vector<TBankEntry> entries;
  int k = 0;
  for (const std::string& name : SoundBankNames()) {
    ++k;
    entries.push_back({name, name.ends_with(".MID") ? ShortSong(60 + k) : Tone(12, 0.05 * k, 11025)});
  }
  seeds.Write("small-bank", PackBank(entries));
  seeds.Write("no-entries", PackBank({}));
}

void WriteSettingsSeeds(const TSeedFolder& seeds) {
  TBytes defaults;
  for (std::size_t k = 0; k < TGameSettings::Size; ++k) defaults.push_back(DefaultSettings.Byte(k));
  seeds.Write("defaults", defaults);
  seeds.Write("hard-jokers-song3", Bytes({0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 3}));
  seeds.Write("level-out-of-range", Bytes({1, 0, 0, 3, 0, 1, 1, 1, 1, 1, 9}));
  seeds.Write("short", Bytes({1, 0, 0, 2, 1}));
  seeds.Write("longer", Bytes({1, 1, 1, 2, 1, 0, 0, 0, 0, 0, 0, 7, 7}));
}

void WriteScoreSeeds(const TSeedFolder& seeds) {
  TRandom random;
  random.Seed(7);
  TScoreTable table = TScoreTable::Default(random);
  seeds.Write("default-table", ScrambleBytes(table.Encode()));
  table.Entry(1, 1).SetName(StoredName("Zoë Æsir"));
  table.Entry(1, 1).Score = 65535;
  table.Entry(2, 10).SetName(std::string(MaxNameLength, 'W'));
  seeds.Write("played-table", ScrambleBytes(table.Encode()));
  // Longer than one scrambling block, so that the running key crosses a block boundary.
  TBytes twoBlocks = table.Encode();
  twoBlocks.insert(twoBlocks.end(), twoBlocks.begin(), twoBlocks.end());
  seeds.Write("two-blocks", ScrambleBytes(twoBlocks));
  seeds.Write("key-only", ScrambleBytes({}));
}

void WritePictureSeeds(const TSeedFolder& seeds) {
  seeds.Write("start-small", EncodeBaselineJpeg(RenderStartPicture().scaled(23, 22), 50));
  QImage square(8, 8, QImage::Format_RGB32);
  square.fill(Qt::darkGreen);
  QPainter(&square).fillRect(2, 2, 4, 4, Qt::yellow);
  seeds.Write("square", EncodeBaselineJpeg(square, 75));
}

void WriteWaveSeeds(const TSeedFolder& seeds) {
  seeds.Write("tone", Tone(64, 0.1, 22050));
  seeds.Write("silence", EncodeWav16({}, 8000));
  for (const TEffect& effect : Effects())
    if (effect.BankName == "JMPJOKER.WAV") seeds.Write("jump-joker", effect.Render());
}

void WriteSongSeeds(const TSeedFolder& seeds) {
  seeds.Write("two-notes", ShortSong(64));
  for (const TSongStyle& style : SongStyles())
    if (style.BankName == "SNOWFALL.MID") seeds.Write("snowfall", ComposeSong(style));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: brindlow-fuzz-seeds <corpus folder>\n";
    return 2;
  }
  const std::string corpus = argv[1];
  WriteBankSeeds(TSeedFolder(corpus, "fuzz_sound_bank"));
  WriteSettingsSeeds(TSeedFolder(corpus, "fuzz_settings_file"));
  WriteScoreSeeds(TSeedFolder(corpus, "fuzz_score_file"));
  WritePictureSeeds(TSeedFolder(corpus, "fuzz_start_picture"));
  WriteWaveSeeds(TSeedFolder(corpus, "fuzz_wave_file"));
  WriteSongSeeds(TSeedFolder(corpus, "fuzz_song_file"));
  return 0;
}
