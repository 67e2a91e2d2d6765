#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The text of a profile (INI) file, read and edited with the lexical rules of the
// system's profile functions (GetPrivateProfileStringA / WritePrivateProfileStringA),
// so that files either side writes read back the same on the other. Bytes are code
// page 1251 and stand as they are.
//
// - A line is a section header when, after blanks, it starts with "[" and has a "]";
//   the name is what lies between them, blanks around it ignored.
// - Any other non-blank line is a key line: the name before the first "=", the value
//   after it, blanks around both ignored. A line without "=" is a key without a value.
// - Section and key names compare without regard to case. Only the first section of a
//   name is searched, and the first of duplicate keys in it wins.
// - A value in matching quotes (" or ') is read without them; a value is read as at
//   most its first 2047 characters.

inline constexpr std::size_t kIniValueMaxLength = 2047;

// The value of the key, or nothing when the file, the section, the key or its "=" is
// missing. A key with an empty value reads as the empty string.
std::optional<std::string> IniReadValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// The text with the key set to the value: the key's line is rewritten in place, a new
// key goes after the last line of its section, a new section at the end of the file.
// Every other line is kept byte for byte; lines written here end in CR LF.
std::string IniWriteValue(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);
