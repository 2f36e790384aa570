// Builds the folders, songs and banks that the sound tests play with.
#include "SoundTestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "ToneWave.h"

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brindlow-sound-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  Folder = pattern;
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

void WriteBytes(const std::string& path, const TBytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

TBytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return TBytes(std::istreambuf_iterator<char>(in), {});
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

namespace {

void PutBig(TBytes& bytes, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A MIDI variable-length quantity.
void PutDelta(TBytes& bytes, std::uint32_t value) {
  TBytes groups{static_cast<std::uint8_t>(value & 0x7f)};
  while ((value >>= 7) != 0) groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7f)));
  bytes.insert(bytes.end(), groups.begin(), groups.end());
}

}  // namespace

TBytes MakeMidiSong(int milliseconds, int note) {
  constexpr int TicksPerQuarter = 480;  // at the default 500000 us per quarter: 480 ticks = 500 ms
  TBytes track;
  PutDelta(track, 0);
  track.insert(track.end(), {0xc0, 0x00});  // piano
  PutDelta(track, 0);
  track.insert(track.end(), {0x90, static_cast<std::uint8_t>(note), 100});
  PutDelta(track, static_cast<std::uint32_t>(milliseconds * TicksPerQuarter / 500));
  track.insert(track.end(), {0x80, static_cast<std::uint8_t>(note), 0});
  PutDelta(track, 0);
  track.insert(track.end(), {0xff, 0x2f, 0x00});

  TBytes song{'M', 'T', 'h', 'd'};
  PutBig(song, 6, 4);
  PutBig(song, 0, 2);  // format 0
  PutBig(song, 1, 2);  // one track
  PutBig(song, TicksPerQuarter, 2);
  song.insert(song.end(), {'M', 'T', 'r', 'k'});
  PutBig(song, static_cast<std::uint32_t>(track.size()), 4);
  song.insert(song.end(), track.begin(), track.end());
  return song;
}

std::vector<TBankEntry> StandardEntries() {
  std::vector<TBankEntry> entries;
  for (int k = 1; k <= 11; ++k)
    entries.push_back({"E" + std::to_string(k) + ".WAV", MakeToneWave(300 + 40 * k, 60)});
  for (int n = 1; n <= 8; ++n)
    entries.push_back({"SONG" + std::to_string(n) + ".MID", MakeMidiSong(200, 60 + n)});
  return entries;
}

void WriteBank(const std::string& path, const std::vector<TBankEntry>& entries,
               const std::function<void(TBankHeader&)>& edit) {
  TBankHeader header;
  header.Count = static_cast<std::uint8_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    header.Names[i + 1] = entries[i].Name;
    header.Sizes[i + 1] = static_cast<std::int32_t>(entries[i].Data.size());
  }
  if (edit) edit(header);
  const auto head = EncodeBankHeader(header);
  TBytes bytes(head.begin(), head.end());
  for (const TBankEntry& entry : entries) bytes.insert(bytes.end(), entry.Data.begin(), entry.Data.end());
  WriteBytes(path, bytes);
}
