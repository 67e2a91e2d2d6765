#pragma once

#include <optional>
#include <string>
#include <string_view>

// The settings file as the portable code sees it: its bytes, read whole, and replaced
// whole. The window layer gives the real file; tests give one in memory.
class ByteFile {
 public:
  virtual ~ByteFile() = default;

  // The file's bytes, or nothing when there is no file to read.
  virtual std::optional<std::string> ReadAll() const = 0;

  // Replaces the file's bytes all at once: afterwards the file holds either the old
  // bytes or the new ones, never a mix. Throws AppError("EIniFileException",
  // "Unable to write to <path>") when it cannot.
  virtual void ReplaceAll(std::string_view bytes) = 0;
};
