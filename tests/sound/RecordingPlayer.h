// A music player for tests: records what the music code asks of it and plays when told to.
#pragma once

#include <string>
#include <vector>

#include "MusicPlayer.h"

class TRecordingPlayer : public IMusicPlayer {
public:
  void Open() override {
    Calls.push_back("Open " + FileName);
    if (Refuse) throw EMCIDeviceError("The song \"" + FileName + "\" cannot be played");
    DeviceOpen = true;
    IsPlaying = false;
  }
  void Play() override {
    Calls.push_back("Play");
    if (!DeviceOpen) throw EMCIDeviceError(NoDeviceOpenMessage);
    IsPlaying = true;
  }
  void Close() override {
    Calls.push_back("Close");
    DeviceOpen = IsPlaying = false;
  }
  void Rewind() override {
    Calls.push_back("Rewind");
    if (!DeviceOpen) throw EMCIDeviceError(NoDeviceOpenMessage);
    IsPlaying = false;
  }
  bool Playing() const override { return IsPlaying; }

  std::vector<std::string> Calls;
  bool Refuse = false;      // every Open fails as on a machine without a MIDI device
  bool IsPlaying = false;   // a test ends the song by setting it to false
  bool DeviceOpen = false;
};
