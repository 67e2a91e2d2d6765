#pragma once

#include <optional>
#include <string>

#include "platform/app_error.h"
#include "settings/byte_file.h"

// A settings file in memory; it can be told to refuse writes, as a read-only folder does.
class MemoryFile final : public ByteFile {
 public:
  std::optional<std::string> bytes;
  bool refuseWrites = false;
  int writes = 0;

  std::optional<std::string> ReadAll() const override { return bytes; }

  void ReplaceAll(std::string_view newBytes) override {
    if (refuseWrites) throw AppError("EIniFileException", "Unable to write to C:\\app\\vistaro.ini");
    bytes = std::string(newBytes);
    ++writes;
  }
};
