#include "settings/ini_values.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  std::string value(text);
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
    value.replace(0, 2, "$");
  }
  std::size_t i = value.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;

  bool negative = false;
  if (value[i] == '+' || value[i] == '-') negative = value[i++] == '-';

  bool hex = false;
  if (i < value.size() && (value[i] == '$' || value[i] == 'x' || value[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == value.size()) return std::nullopt;

  // The magnitude, bounded as it grows: 32 bits for hexadecimal, 2^31 for decimal.
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  const unsigned base = hex ? 16 : 10;
  std::uint64_t magnitude = 0;
  for (; i < value.size(); ++i) {
    const int digit = hex ? HexDigit(value[i]) : (value[i] >= '0' && value[i] <= '9' ? value[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + static_cast<unsigned>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(magnitude);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

std::string FormatIniInteger(std::int32_t value) { return std::to_string(value); }

std::string FormatIniBool(bool value) { return value ? "1" : "0"; }
