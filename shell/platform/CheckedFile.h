// Checked file operations over POSIX descriptors: every failure raises EInOutError.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "InOutError.h"

// Raises EInOutError for `operation` on `path`, with the text of the system error `error`.
[[noreturn]] void RaiseInOutError(const std::string& operation, const std::string& path, int error);

// One open file. The destructor closes quietly: it only runs without Close() when an error is
// already on its way, and a second error would hide the first.
class TFile {
public:
  // open(2) with the given flags (O_CLOEXEC is added); raises "open" on failure.
  static TFile Open(const std::string& path, int flags, mode_t mode = 0666);
  // The same, but a failure comes back as its errno in `error` instead of raising.
  static std::optional<TFile> TryOpen(const std::string& path, int flags, int& error);

  TFile(TFile&& other) noexcept;
  TFile& operator=(TFile&&) = delete;
  TFile(const TFile&) = delete;
  ~TFile();

  // Reads until `buffer` is full or the file ends; returns the number of bytes read.
  std::size_t Read(std::span<std::uint8_t> buffer);
  void Write(std::span<const std::uint8_t> bytes);
  void SeekToStart();
  struct stat Status();
  void SetMode(mode_t mode);
  // Flushes the file's data and size to the disk.
  void Sync();
  void Close();

  const std::string& Path() const { return FilePath; }

private:
  TFile(std::string path, int descriptor);

  std::string FilePath;
  int Descriptor;
};

// Opens a data file for reading. Nothing when it is missing (`why` stays empty) or when it cannot
// serve as one (`why` tells the player why: it is unreadable, or not a regular file); a FIFO in its
// place does not make this wait. Raises EInOutError for any other failure, such as a missing folder.
std::optional<TFile> OpenDataFile(const std::string& path, std::string& why);

// The folder part of a path ("" for a bare name), as used to place a work file beside it.
std::string FolderOf(const std::string& path);

// The work file through which the game's data files are replaced, one per folder.
inline constexpr const char* WorkFileName = "$$$$$.$$";
// The work file in the folder of `path`, where it can be renamed over it.
std::string WorkFilePath(const std::string& path);

// Replaces the file at `path` as one atomic step: `fill` writes the new content into the work
// file `workPath` (same folder), which is then flushed to disk and renamed over `path`. A crash at
// any moment leaves `path` with either its old or its new content; a failure removes the work file.
// The work file is made afresh, never opened through a link someone left in its place, and a link
// at `path` is replaced, not written through. Replacements in one folder wait for one another, so
// two running copies never share a work file.
void ReplaceFile(const std::string& path, const std::string& workPath,
                 const std::function<void(TFile& work)>& fill);

// Removes a work file that a killed replacement left in `folder`; a replacement running meanwhile
// in another copy of the game is waited for, not disturbed.
void RemoveStaleWorkFile(const std::string& folder);

// Deleting files ignores failure throughout the program.
void DeleteFileQuietly(const std::string& path);
