// What every fuzz target shares: a private scratch folder, whole-file reads and writes, and checks
// that turn a broken promise into a crash that libFuzzer keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A folder of this process's own, made on first use under $TMPDIR (or /dev/shm, where files cost
// no disk writes, or /tmp) and removed at a normal exit.
const std::string& ScratchFolder();

// A subfolder of the scratch folder, made on first use and empty on return.
std::string EmptySubfolder(const std::string& name);

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
TBytes ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);

// Ends the run with a report when `holds` is false: a wrong result is a finding like a crash.
void Require(bool holds, const char* what);
