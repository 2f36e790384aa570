// The run that never plays a sound.
#include <filesystem>

#include "SilentSound.h"

std::string TSilentSound::CheckSoundBank(const std::string& bankDirectory) {
  return std::filesystem::is_regular_file(bankDirectory + "/Sound.dat") ? std::string()
                                                                          : "Sound file is missing!";
}
