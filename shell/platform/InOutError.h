// The program's input/output error: raised after every failed file operation, shown by the
// general error box at the event loop.
#pragma once

#include <stdexcept>
#include <string>

class EInOutError : public std::runtime_error {
public:
  // operation: what was being done ("open", "read", "rename", ...); path: the file it was done to.
  EInOutError(std::string operation, std::string path, std::string reason)
      : std::runtime_error(operation + " \"" + path + "\": " + reason),
        Operation(std::move(operation)),
        Path(std::move(path)) {}

  const std::string Operation;
  const std::string Path;
};
