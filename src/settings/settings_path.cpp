#include "settings/settings_path.h"

std::wstring SettingsPathFor(std::wstring_view exePath) {
  const std::size_t last = exePath.find_last_of(L".\\:");
  const bool hasExtension = last != std::wstring_view::npos && exePath[last] == L'.';
  std::wstring path(hasExtension ? exePath.substr(0, last) : exePath);
  path += L".ini";
  return path;
}
