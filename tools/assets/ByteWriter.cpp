// Byte appenders and the one place where generators write their files.
#include "ByteWriter.h"

#include <fstream>
#include <stdexcept>

void PutLE16(TBytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutLE32(TBytes& out, std::uint32_t value) {
  PutLE16(out, value & 0xFFFF);
  PutLE16(out, value >> 16);
}

void PutBE16(TBytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

void PutBE32(TBytes& out, std::uint32_t value) {
  PutBE16(out, value >> 16);
  PutBE16(out, value & 0xFFFF);
}

void PutText(TBytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

void WriteFileBytes(const std::string& path, const TBytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}
