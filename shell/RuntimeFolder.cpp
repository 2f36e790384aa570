// The runtime folder for a session that names none.
#include "RuntimeFolder.h"

#include <pwd.h>
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
  ::setenv("XDG_RUNTIME_DIR", (base + "/runtime-" + user).c_str(), 1);
}
