#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/color.h"

// A display font as the settings hold it: face name, character set, size in points,
// colour and style.
struct FontSpec {
  static constexpr std::size_t kMaxNameLength = 31;

  std::wstring name = L"MS Sans Serif";
  std::uint8_t charset = 1;  // DEFAULT_CHARSET
  int size = 8;
  TColor color = clWindowText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  // An empty name leaves the name as it was; a longer one keeps its first 31 characters.
  void SetName(std::wstring_view newName) {
    if (!newName.empty()) name = newName.substr(0, kMaxNameLength);
  }

  bool operator==(const FontSpec&) const = default;
};
