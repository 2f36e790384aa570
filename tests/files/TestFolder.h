// A fresh folder per test, removed afterwards, and whole-file helpers for the file tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

class TTestFolder {
public:
  TTestFolder();
  ~TTestFolder();
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  const std::string& Path() const { return Folder; }
  // The path of a file in the folder.
  std::string operator/(const std::string& name) const { return Folder + "/" + name; }

private:
  std::string Folder;
};

TBytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const TBytes& bytes);
bool Exists(const std::string& path);
// Bytes 0, 1, 2, ... wrapping at 256, shifted by `seed` so that two fixtures differ.
TBytes CountingBytes(std::size_t length, std::uint8_t seed = 0);
