#include "platform/file_system.h"

#include <windows.h>

#include "overlay/display_text.h"
#include "platform/app_error.h"
#include "platform/cp1251.h"
#include "platform/unique_handle.h"

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SystemErrorMessage(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring message = length ? TrimSystemMessage(std::wstring_view(buffer, length))
                                : L"System error " + std::to_wstring(code);
  LocalFree(buffer);
  return message;
}

namespace {

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr) + 1, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::string LoadFileBytes(const std::wstring& path) {
  UniqueFile file = AdoptFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    throw AppError("EFOpenError", "Cannot open file \"" + WideToUtf8(FullPath(path)) + "\". " +
                                      WideToUtf8(SystemErrorMessage(error)));
  }
  std::string bytes;
  if (!ReadToEnd(file.get(), &bytes)) {
    throw AppError("EReadError", WideToUtf8(SystemErrorMessage(GetLastError())));
  }
  return bytes;
}

bool ReadToEnd(HANDLE file, std::string* bytes) {
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size)) bytes->reserve(bytes->size() + static_cast<std::size_t>(size.QuadPart));
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) return false;
    if (read == 0) return true;  // the end, wherever the file ends now
    bytes->append(buffer, read);
  }
}
