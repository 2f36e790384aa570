// The folder that holds the program's executable.
#include "ProgramDirectory.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "CheckedFile.h"

namespace {

std::string Trimmed(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

std::string ProgramDirectoryOf(const std::string& programPath) {
  const std::string path = Trimmed(programPath);
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return Trimmed(path.substr(0, slash));
}

std::string ExecutablePath() {
  static const char* const SelfLink = "/proc/self/exe";
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    const ssize_t length = ::readlink(SelfLink, buffer.data(), buffer.size());
    if (length < 0) RaiseInOutError("read link", SelfLink, errno);
    if (static_cast<std::size_t>(length) < buffer.size())
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string ProgramDirectory() { return ProgramDirectoryOf(ExecutablePath()); }
