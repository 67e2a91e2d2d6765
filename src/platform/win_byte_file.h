#pragma once

#include <string>

#include "settings/byte_file.h"

// A file on disk as a ByteFile. Replacing it writes a temporary file beside it and
// renames that over it, so the file is never left half-written.
class WinByteFile final : public ByteFile {
 public:
  explicit WinByteFile(std::wstring path) : path_(std::move(path)) {}

  std::optional<std::string> ReadAll() const override;
  void ReplaceAll(std::string_view bytes) override;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};
