#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How integers, Booleans and colours stand in the settings file.

// An integer as the settings file's readers parse it: "0x1E", "$1E", "x1E" and " 30"
// read 30; hexadecimal takes the full 32 bits ("FFFFFFFF" is -1); decimal must fit in
// 32 bits; nothing may follow the digits. Nothing when the text does not parse.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// Signed decimal: an optional "-", digits, no leading zeros, no "+".
std::string FormatIniInteger(std::int32_t value);

// Booleans are written "1" and "0" and read as integers: true when not 0.
std::string FormatIniBool(bool value);
