// The claim of one running copy on the game kept in a data folder, so that two copies never share it.
#pragma once

#include <string>

inline constexpr const char* GameLockFileName = "Game.lock";

// Held from construction until destruction by the first copy that asks: a copy started while another
// holds it never reads, writes or removes that folder's Game.sav. The kernel lets go of it when the
// process ends, however it ends, so a killed copy never leaves the folder claimed. A lock file that
// cannot be made or locked (a read-only folder, a file system without locks) leaves it unheld.
class TGameLock {
public:
  explicit TGameLock(const std::string& directory);
  TGameLock(const TGameLock&) = delete;
  TGameLock& operator=(const TGameLock&) = delete;
  ~TGameLock();

  bool Held() const { return Descriptor >= 0; }

private:
  int Descriptor = -1;
};
