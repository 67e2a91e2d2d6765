#include "platform/win_byte_file.h"

#include <algorithm>

#include "platform/app_error.h"
#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "platform/unique_handle.h"

namespace {

bool WriteWhole(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool WriteNewFile(const std::wstring& path, std::string_view bytes) {
  UniqueFile file = AdoptFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteWhole(file.get(), bytes) && FlushFileBuffers(file.get());
}

// Renaming over a read-only file succeeds on some systems (Wine run as root); the user
// who marked the file so meant it to stay as it is.
bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

std::optional<std::string> WinByteFile::ReadAll() const {
  UniqueFile file = AdoptFile(CreateFileW(path_.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  ReadToEnd(file.get(), &bytes);  // a read that fails midway gives what came before it
  return bytes;
}

void WinByteFile::ReplaceAll(std::string_view bytes) {
  const std::wstring temporary = path_ + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  if (IsReadOnly(path_) || !WriteNewFile(temporary, bytes) ||
      !MoveFileExW(temporary.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    throw AppError("EIniFileException", "Unable to write to " + WideToUtf8(path_));
  }
}
