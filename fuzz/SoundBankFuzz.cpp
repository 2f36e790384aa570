// Fuzzes Sound.dat: the header check, and for every bank the check lets through, the unpacking,
// which must then succeed and give each entry exactly its own bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>

#include "FuzzSupport.h"
#include "InOutError.h"
#include "SoundBank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  static const std::string bankPath = ScratchFolder() + "/" + SoundBankName;
  WriteWholeFile(bankPath, input);

  TSoundBank bank;
  const std::string problem = ReadSoundBank(bankPath, bank);
  if (size < static_cast<std::size_t>(BankHeaderSize)) Require(!problem.empty(), "a bank without a whole header is refused");
  if (!problem.empty()) return 0;

  const TBankHeader& header = bank.Header;
  const auto offsets = ComputeEntryOffsets(header);
  // The last entry of a name is the one whose file stays after unpacking.
  std::map<std::string, int> lastOfName;
  for (int k = 1; k <= header.Count; ++k) {
    Require(offsets[k] >= 0 && header.Sizes[k] >= 0, "a usable bank has no negative offset or size");
    Require(offsets[k] + header.Sizes[k] <= static_cast<std::int64_t>(size), "a usable bank's entries lie inside it");
    lastOfName[header.Names[k]] = k;
  }

  const std::string unpacked = EmptySubfolder("unpacked");
  try {
    ExtractSounds(bank, unpacked);
  } catch (const EInOutError&) {
    Require(false, "a bank that passed the check unpacks");
  }
  BuildSoundPaths(bank, unpacked);
  for (const auto& [name, k] : lastOfName) {
    const TBytes file = ReadWholeFile(bank.SoundPaths[k]);
    const auto entry = input.subspan(static_cast<std::size_t>(offsets[k]), static_cast<std::size_t>(header.Sizes[k]));
    Require(std::equal(file.begin(), file.end(), entry.begin(), entry.end()), "an unpacked file holds its entry's bytes");
  }
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(unpacked)) ++files;
  Require(files == lastOfName.size(), "unpacking leaves one file per name and no work files");
  return 0;
}
