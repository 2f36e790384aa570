// The count of running instances that share the unpacked sound files, kept in "Semaphore.qzr".
#pragma once

#include <string>

#include "BankHeader.h"

inline constexpr const char* SemaphoreName = "Semaphore.qzr";

// This instance's share in the unpacked files: a shared lock on the count file, held from
// AttachSoundFiles to DetachSoundFiles. The system takes it back when the process ends, however it
// ends, so an instance that finds no other share knows that it runs alone, whatever the count says.
class TSoundFilesShare {
public:
  TSoundFilesShare() = default;
  explicit TSoundFilesShare(int descriptor) : Descriptor(descriptor) {}
  TSoundFilesShare(TSoundFilesShare&& other) noexcept;
  TSoundFilesShare& operator=(TSoundFilesShare&& other) noexcept;
  TSoundFilesShare(const TSoundFilesShare&) = delete;
  TSoundFilesShare& operator=(const TSoundFilesShare&) = delete;
  ~TSoundFilesShare() { Release(); }

  void Release();

private:
  int Descriptor = -1;
};

// Counts this instance in: the count file's byte plus 1 (modulo 256), or 1 when there is none or
// when no other instance holds a share (the count a killed instance left is then forgotten).
TSoundFilesShare AttachSoundFiles(const std::string& tempDirectory);

// Counts this instance out and gives up its share: the byte (1 when the file is missing) minus 1
// (modulo 256), or 0 when no other instance holds a share. True when no instance is left.
bool DetachSoundFiles(const std::string& tempDirectory, TSoundFilesShare share);

// Deletes the unpacked entries and the count file, ignoring failures. An instance that has counted
// itself in since the last one counted out keeps the files, and so does one that still holds a
// share: they are then left in place.
void DeleteSoundFiles(const TBankHeader& header, const std::string& tempDirectory);
