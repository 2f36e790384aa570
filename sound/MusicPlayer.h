// The player of the background songs: a file name, a device that is open or not, play and rewind.
#pragma once

#include <stdexcept>
#include <string>

// The player's device error: a song the device refuses, or Play or Rewind without an open device.
class EMCIDeviceError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* NoDeviceOpenMessage = "No MCI device open";

// What the music code relies on; the real player and the tests' recording player both provide it.
class IMusicPlayer {
public:
  virtual ~IMusicPlayer() = default;
  // Closes the device first if it is open, then opens it for FileName; raises EMCIDeviceError.
  virtual void Open() = 0;
  // Starts playing from the current position and returns at once; at the end of the medium it starts
  // again from the beginning. Raises EMCIDeviceError without an open device.
  virtual void Play() = 0;
  // Stops and releases the device; does nothing when none is open.
  virtual void Close() = 0;
  // Back to the start of the medium (stopping it). Raises EMCIDeviceError without an open device.
  virtual void Rewind() = 0;
  virtual bool Playing() const = 0;

  // The file the next Open takes.
  std::string FileName;
};

// Plays one MIDI (or other music) file at a time through the mixer. Without a sound device every
// operation succeeds silently and the player never reports that it plays.
class TMusicPlayer : public IMusicPlayer {
public:
  TMusicPlayer() = default;
  TMusicPlayer(const TMusicPlayer&) = delete;
  TMusicPlayer& operator=(const TMusicPlayer&) = delete;
  ~TMusicPlayer() override;

  void Open() override;
  void Play() override;
  void Close() override;
  void Rewind() override;
  bool Playing() const override;

private:
  void RequireOpen() const;

  bool DeviceOpen = false;
  void* Song = nullptr;  // the mixer's Mix_Music, kept out of this header
};
