// Fuzzes Game.sav: whatever the file holds, it is either taken as a game whose every state is valid
// and that is written back byte for byte, or set aside as Game.sav.bad, whole, with a reason.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "FuzzSupport.h"
#include "GameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const std::string folder = EmptySubfolder("game");
  WriteWholeFile(folder + "/" + GameFileName, input);
  try {
    const std::optional<TSavedGame> record = LoadGame(folder);
    Require(record.has_value(), "a planted file is never taken as missing");
    Require(record->Current.Valid(), "the running game is valid");
    for (const TGameState& state : record->History) Require(state.Valid(), "every state to undo is valid");
    const TBytes again = EncodeGame(*record);
    Require(std::equal(again.begin(), again.end(), input.begin(), input.end()), "a taken file encodes back to itself");
  } catch (const EDamagedGame&) {
    Require(!FileExists(folder + "/" + GameFileName), "a refused file does not stay in place");
    const TBytes kept = ReadWholeFile(folder + "/" + BadGameFileName);
    Require(std::equal(kept.begin(), kept.end(), input.begin(), input.end()), "a refused file is kept whole");
  }
  return 0;
}
