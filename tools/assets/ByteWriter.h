// Little- and big-endian byte appenders shared by the file encoders, and writing a finished file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

void PutLE16(TBytes& out, std::uint32_t value);
void PutLE32(TBytes& out, std::uint32_t value);
void PutBE16(TBytes& out, std::uint32_t value);
void PutBE32(TBytes& out, std::uint32_t value);
void PutText(TBytes& out, const std::string& text);

// Writes the bytes to path, replacing the file; throws std::runtime_error on failure.
void WriteFileBytes(const std::string& path, const TBytes& bytes);
