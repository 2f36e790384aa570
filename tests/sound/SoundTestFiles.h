// Test material for the sound layer: private folders, synthetic songs and sound banks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "BankHeader.h"

using TBytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TTempFolder {
public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return Folder; }
  std::string File(const std::string& name) const { return Folder + "/" + name; }

private:
  std::string Folder;
};

void WriteBytes(const std::string& path, const TBytes& bytes);
TBytes ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// A one-track MIDI file holding one note of the given length.
TBytes MakeMidiSong(int milliseconds, int note = 60);

struct TBankEntry {
  std::string Name;
  TBytes Data;
};

// Eleven short wave effects E1.WAV..E11.WAV, then eight songs SONG1.MID..SONG8.MID.
std::vector<TBankEntry> StandardEntries();

// Writes a bank of the entries; `edit` may change the header (names, sizes, start) before it is
// written, so that damaged banks can be made.
void WriteBank(const std::string& path, const std::vector<TBankEntry>& entries,
               const std::function<void(TBankHeader&)>& edit = {});
