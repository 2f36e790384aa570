// The bytes of Game.sav: a running game with its undo history, versioned and checksummed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "GameKeeper.h"

// Game.sav, every number little-endian:
//
//   offset       size   field
//        0          8   magic "BrdlGame"
//        8          2   format version, GameFormatVersion
//       10          2   size of one state, GameStateSize
//       12          4   n, the number of states in the undo history (at most MaxSavedHistory)
//       16        135   the running game
//      151    135 * n   the undo history, oldest first; the last is the game before its last move
//   151+135n        4   CRC-32 (the polynomial of zip and PNG) of every byte before it
//
// One state:
//
//        0         81   the board, cells 1 to 81: 0 empty, 1-7 a colour, 8 joker, 9 bomb
//       81          5   the next balls, places 1 to 5; the places beyond the level's balls per turn 0
//       86          1   level: 0 Normal, 1 Hard, 2 Impossible
//       87          1   jokers in play, 0 or 1
//       88          1   bombs in play, 0 or 1
//       89          2   score
//       91          1   score offered to the top ten, 0 or 1
//       92          1   a move of the game was taken back, 0 or 1
//       93          1   selected cell, 0 for none
//       94          4   the generator's seed
//       98          8   values drawn from the generator since that seed
//      106          4   moves made
//      110         20   scoring lines of 5, 6, 7, 8 and 9 balls, 4 bytes each
//      130          4   balls cleared
//      134          1   balls in the longest scoring line, 0 for none
inline constexpr char GameMagic[8] = {'B', 'r', 'd', 'l', 'G', 'a', 'm', 'e'};
inline constexpr std::uint16_t GameFormatVersion = 1;
inline constexpr std::size_t GameStateSize = 135;
inline constexpr std::size_t GameHeaderSize = 16;
inline constexpr std::size_t GameChecksumSize = 4;
// Far more moves than any game has; it bounds what a reader takes in (about 140 MB).
inline constexpr std::uint32_t MaxSavedHistory = 1u << 20;

// A saved game that cannot be taken back into play; what() says why, in the player's words.
class EDamagedGame : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// CRC-32 as zip and PNG compute it.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// The file's bytes for a record whose history holds at most MaxSavedHistory states.
std::vector<std::uint8_t> EncodeGame(const TSavedGame& record);
// The record from a file's bytes; raises EDamagedGame for a file of another kind or version, a cut or
// damaged file, or one that holds a state no game can be in.
TSavedGame DecodeGame(std::span<const std::uint8_t> bytes);
