// Player names as the score file keeps them.
#include "ScoreNames.h"

#include <algorithm>
#include <cstdint>

namespace {

struct TSequenceStart {
  std::size_t Length;
  char32_t Bits;
  char32_t Lowest;  // anything below is an overlong form
};

// What a UTF-8 lead byte announces; Length 0 for a byte that cannot start a sequence.
TSequenceStart SequenceStart(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return {2, lead & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
  if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07u, 0x10000};
  return {0, 0, 0};
}

}  // namespace

std::string Latin1FromUtf8(std::string_view utf8) {
  std::string latin1;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      latin1 += static_cast<char>(lead);
      ++i;
      continue;
    }
    const TSequenceStart start = SequenceStart(lead);
    char32_t code = start.Bits;
    std::size_t k = 1;
    while (k < start.Length && i + k < utf8.size() && (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
      ++k;
    }
    const bool wellFormed = start.Length != 0 && k == start.Length && code >= start.Lowest;
    latin1 += wellFormed && code <= 0xFF ? static_cast<char>(code) : '?';
    i += k;
  }
  return latin1;
}

std::string Utf8FromLatin1(std::string_view latin1) {
  std::string utf8;
  for (const char c : latin1) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (b >> 6));
      utf8 += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return utf8;
}

std::string StoredName(std::string_view typedUtf8, std::string_view blankName) {
  const std::string typed = Latin1FromUtf8(typedUtf8);
  const bool blank = std::all_of(typed.begin(), typed.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
  if (blank) return Latin1FromUtf8(blankName).substr(0, MaxNameLength);
  return (" " + typed).substr(0, MaxNameLength);
}
