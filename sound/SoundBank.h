// The sound bank in memory: its header, where its entries lie, and the paths of their unpacked files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "BankHeader.h"

inline constexpr const char* SoundBankName = "Sound.dat";
inline constexpr const char* SoundBankMissingMessage = "Sound file is missing!";
inline constexpr int CopyBufferSize = 30720;
inline constexpr int EffectCount = 11;
inline constexpr int SongCount = 8;

struct TSoundBank {
  std::string BankPath;
  TBankHeader Header;  // kept for the whole run: the names are needed again at shut-down
  std::array<std::int64_t, BankSlots + 1> EntryOffsets{};  // file offset of entry k's first byte
  std::array<std::string, BankSlots + 1> SoundPaths;       // unpacked file of entry k; "" beyond Count
};

// Whether an entry's name marks a song: it ends in ".MID", compared exactly.
bool IsSongName(const std::string& name);

// Offsets of entries 1..Count: the first at Start, each next one after its predecessor's bytes.
std::array<std::int64_t, BankSlots + 1> ComputeEntryOffsets(const TBankHeader& header);

// Why a bank with this header and file size cannot be used, or "" when it can: the message names
// the problem for the player.
std::string CheckBankHeader(const TBankHeader& header, std::int64_t fileSize);

// Reads Sound.dat at bankPath (read-only) into bank and checks it. Returns "" when the bank can be
// used, otherwise the message that tells the player why not (missing, unreadable or damaged).
std::string ReadSoundBank(const std::string& bankPath, TSoundBank& bank);

// Unpacks every entry into tempDirectory under its own name, replacing any file of that name.
// Raises EInOutError when the bank cannot be read or a file cannot be written.
void ExtractSounds(TSoundBank& bank, const std::string& tempDirectory);

// SoundPaths[k] = the unpacked file of entry k in tempDirectory, for k = 1..Count.
void BuildSoundPaths(TSoundBank& bank, const std::string& tempDirectory);
