#pragma once

#include <string>
#include <string_view>

// Code page 1251, decoded and encoded by the program itself so that Cyrillic reads
// the same whatever the system's ANSI code page. Wide strings hold UTF-16 code units.

// The Unicode character of one 1251 byte (0x98, unassigned in 1251, maps to U+0098).
wchar_t Cp1251ToWide(unsigned char byte);
std::wstring DecodeCp1251(std::string_view bytes);

// Characters that 1251 cannot hold become '?'.
std::string EncodeCp1251(std::wstring_view text);

// Lower case of a 1251 byte: Latin and Cyrillic letters, other bytes unchanged.
unsigned char Cp1251ToLower(unsigned char byte);
bool Cp1251EqualsIgnoreCase(std::string_view a, std::string_view b);

// UTF-8 <-> UTF-16, for the program's own strings and messages. Bad input gives U+FFFD.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
