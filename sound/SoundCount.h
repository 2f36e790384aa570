// The count of running instances that share the unpacked sound files, kept in "Semaphore.qzr".
#pragma once

#include <string>

#include "BankHeader.h"

inline constexpr const char* SemaphoreName = "Semaphore.qzr";

// Counts this instance in: the count file's byte plus 1 (modulo 256), or 1 when there is none.
void AttachSoundFiles(const std::string& tempDirectory);

// Counts this instance out: the byte (1 when the file is missing) minus 1 (modulo 256).
// True when no instance is left.
bool DetachSoundFiles(const std::string& tempDirectory);

// Deletes the unpacked entries and the count file, ignoring failures. An instance that has counted
// itself in since the last one counted out keeps the files: they are then left in place.
void DeleteSoundFiles(const TBankHeader& header, const std::string& tempDirectory);
