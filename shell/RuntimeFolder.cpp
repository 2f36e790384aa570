// The runtime folder for a session that names none.
#include "RuntimeFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

void NameRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return;
  const char* temporary = std::getenv("TMPDIR");
  std::string base = temporary != nullptr && temporary[0] == '/' ? temporary : "/tmp";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  const struct passwd* account = ::getpwuid(::geteuid());
  const std::string user = account != nullptr ? account->pw_name : std::to_string(::geteuid());
  const std::string folder = base + "/runtime-" + user;
  // Made here, not left to the toolkit, since the sound files are unpacked into it; a folder that is
  // in the way stays as it is, and the toolkit and the unpacking judge it as they would the session's.
  ::mkdir(folder.c_str(), 0700);
  ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}
