// Encoding and decoding of the sound bank's header.
#include "BankHeader.h"

#include <algorithm>

namespace {

void PutInt32(std::uint8_t* at, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* at) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

}  // namespace

std::array<std::uint8_t, BankHeaderSize> EncodeBankHeader(const TBankHeader& header) {
  std::array<std::uint8_t, BankHeaderSize> bytes{};
  bytes[0] = header.Count;
  for (int k = 1; k <= BankSlots; ++k) {
    std::uint8_t* slot = &bytes[BankNamesOffset + (k - 1) * (BankNameLength + 1)];
    const std::string& name = header.Names[k];
    slot[0] = static_cast<std::uint8_t>(std::min<std::size_t>(name.size(), 255));
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), BankNameLength), slot + 1);
    PutInt32(&bytes[BankSizesOffset + (k - 1) * 4], header.Sizes[k]);
  }
  PutInt32(&bytes[BankStartOffset], header.Start);
  return bytes;
}

TBankHeader DecodeBankHeader(const std::array<std::uint8_t, BankHeaderSize>& bytes) {
  TBankHeader header;
  header.Count = bytes[0];
  for (int k = 1; k <= BankSlots; ++k) {
    const std::uint8_t* slot = &bytes[BankNamesOffset + (k - 1) * (BankNameLength + 1)];
    // A length byte above 12 is kept as stored and the name as far as the slot reaches.
    header.NameLengths[k] = slot[0];
    const auto length = std::min<std::size_t>(slot[0], BankNameLength);
    header.Names[k].assign(reinterpret_cast<const char*>(slot + 1), length);
    header.Sizes[k] = GetInt32(&bytes[BankSizesOffset + (k - 1) * 4]);
  }
  header.Start = GetInt32(&bytes[BankStartOffset]);
  return header;
}
