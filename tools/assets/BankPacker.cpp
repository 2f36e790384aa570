// Builds the bank in memory through the shared header encoder, so the packer and the game read one layout.
#include "BankPacker.h"

#include <stdexcept>

#include "BankHeader.h"
#include "Effects.h"
#include "SongStyles.h"

TBytes PackBank(const std::vector<TBankEntry>& entries) {
  if (entries.size() > static_cast<std::size_t>(BankSlots)) throw std::invalid_argument("too many bank entries");
  TBankHeader header;
  header.Count = static_cast<std::uint8_t>(entries.size());
  header.Start = BankHeaderSize;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].Name.size() > static_cast<std::size_t>(BankNameLength))
      throw std::invalid_argument("bank name longer than 12 characters: " + entries[k].Name);
    header.Names[k + 1] = entries[k].Name;
    header.Sizes[k + 1] = static_cast<std::int32_t>(entries[k].Data.size());
  }
  const auto head = EncodeBankHeader(header);
  TBytes bank(head.begin(), head.end());
  for (const TBankEntry& entry : entries) bank.insert(bank.end(), entry.Data.begin(), entry.Data.end());
  return bank;
}

std::vector<std::string> SoundBankNames() {
  std::vector<std::string> names;
  for (const TEffect& effect : Effects()) names.push_back(effect.BankName);
  for (const TSongStyle& song : SongStyles()) names.push_back(song.BankName);
  return names;
}
