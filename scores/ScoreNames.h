// Player names as the score file keeps them: ISO 8859-1 bytes behind one leading space.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t MaxNameLength = 30;
// Stored for a player who types no name, unless the player's language has its own.
inline constexpr const char* ChickenName = " Chicken!";

// Each character that ISO 8859-1 holds becomes its byte; any other, and each malformed UTF-8
// sequence, becomes "?".
std::string Latin1FromUtf8(std::string_view utf8);
std::string Utf8FromLatin1(std::string_view latin1);

// The stored form of a name typed in the name dialog: `blankName` (UTF-8, with its leading space)
// when the text holds nothing but blanks and control characters, else a space and the text as
// typed; either cut to MaxNameLength bytes.
std::string StoredName(std::string_view typedUtf8, std::string_view blankName = ChickenName);
