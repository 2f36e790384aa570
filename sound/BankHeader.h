// The layout of the sound bank Sound.dat: a 4340-byte header, then the entries back to back.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int BankSlots = 255;
inline constexpr int BankNameLength = 12;
inline constexpr int BankHeaderSize = 4340;
inline constexpr int BankNamesOffset = 1;     // 255 slots of a length byte and 12 characters
inline constexpr int BankSizesOffset = 3316;  // 255 signed 32-bit little-endian sizes
inline constexpr int BankStartOffset = 4336;  // signed 32-bit offset of entry 1's first byte

// The header as read from the file; slots beyond Count carry no meaning.
struct TBankHeader {
  std::uint8_t Count = 0;
  std::array<std::string, BankSlots + 1> Names;  // positions 1..255, at most 12 characters each
  // The length bytes as stored: a byte above 12 cannot be a name, so the reader refuses the bank.
  std::array<std::uint8_t, BankSlots + 1> NameLengths{};
  std::array<std::int32_t, BankSlots + 1> Sizes{};  // positions 1..255
  std::int32_t Start = BankHeaderSize;
};

// The 4340 bytes of a header. A name longer than 12 characters keeps its true length byte (up to
// 255) with its first 12 characters, so such a header is refused when it is read back.
std::array<std::uint8_t, BankHeaderSize> EncodeBankHeader(const TBankHeader& header);
// A header from its 4340 bytes, decoded as stored (no check of what the fields say).
TBankHeader DecodeBankHeader(const std::array<std::uint8_t, BankHeaderSize>& bytes);
