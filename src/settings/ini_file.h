#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/byte_file.h"
#include "settings/settings_keys.h"

// Typed reads and writes of one settings file, a key at a time. Nothing is cached: each
// read sees the file as it is, and each write replaces it whole at once, so a write that
// fails leaves the keys written before it in place and the file intact.
class IniFile {
 public:
  explicit IniFile(ByteFile& file) : file_(file) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Text that does not parse as an integer reads as the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // These throw AppError("EIniFileException", "Unable to write to <path>").
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // The keys of the settings table, with the table's defaults.
  std::string ReadString(const SettingKey& key) const;
  std::int32_t ReadInteger(const SettingKey& key) const;
  // For the keys whose default the overlay gives ("Left", "Top", the background colour).
  std::int32_t ReadInteger(const SettingKey& key, std::int32_t fallback) const;
  bool ReadBool(const SettingKey& key) const;
  void WriteString(const SettingKey& key, std::string_view value);
  void WriteInteger(const SettingKey& key, std::int32_t value);
  void WriteBool(const SettingKey& key, bool value);

 private:
  ByteFile& file_;
};
