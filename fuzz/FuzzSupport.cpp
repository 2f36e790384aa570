// The scratch folder, file helpers and checks of the fuzz targets.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string ScratchParent() {
  if (const char* folder = std::getenv("TMPDIR"); folder != nullptr && *folder != '\0') return folder;
  std::error_code ignored;
  if (std::filesystem::is_directory("/dev/shm", ignored)) return "/dev/shm";
  return "/tmp";
}

std::string MakeScratchFolder() {
  std::string pattern = ScratchParent() + "/brindlow-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  return pattern;
}

}  // namespace

const std::string& ScratchFolder() {
  static const std::string folder = MakeScratchFolder();
  static const bool removedAtExit = (std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }), true);
  (void)removedAtExit;
  return folder;
}

std::string EmptySubfolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(ScratchFolder()) / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  return folder.string();
}

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

TBytes ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return TBytes(std::istreambuf_iterator<char>(in), {});
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}
