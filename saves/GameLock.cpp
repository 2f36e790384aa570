// The lock file beside Game.sav, under an exclusive flock for the life of the copy that holds it.
#include "GameLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

TGameLock::TGameLock(const std::string& directory) {
  // The lock file is left in place when the copy ends: removing it would let a third copy lock a
  // new file of the same name while a second still holds the old one.
  const std::string path = directory + "/" + GameLockFileName;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0) return;
  int status;
  while ((status = ::flock(descriptor, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (status != 0) {
    ::close(descriptor);
    return;
  }
  Descriptor = descriptor;
}

TGameLock::~TGameLock() {
  if (Descriptor >= 0) ::close(Descriptor);
}
