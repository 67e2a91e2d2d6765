#include "settings/ini_file.h"

#include "settings/ini_text.h"
#include "settings/ini_values.h"

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const auto text = file_.ReadAll();
  if (text) {
    if (auto value = IniReadValue(*text, section, key)) return *value;
  }
  return std::string(fallback.substr(0, kIniValueMaxLength));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string text = file_.ReadAll().value_or(std::string());
  file_.ReplaceAll(IniWriteValue(text, section, key, value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, FormatIniInteger(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, FormatIniBool(value));
}

std::string IniFile::ReadString(const SettingKey& key) const {
  return ReadString(key.section, key.name, key.text);
}

std::int32_t IniFile::ReadInteger(const SettingKey& key) const {
  return ReadInteger(key.section, key.name, key.number);
}

std::int32_t IniFile::ReadInteger(const SettingKey& key, std::int32_t fallback) const {
  return ReadInteger(key.section, key.name, fallback);
}

bool IniFile::ReadBool(const SettingKey& key) const {
  return ReadBool(key.section, key.name, key.number != 0);
}

void IniFile::WriteString(const SettingKey& key, std::string_view value) {
  WriteString(key.section, key.name, value);
}

void IniFile::WriteInteger(const SettingKey& key, std::int32_t value) {
  WriteInteger(key.section, key.name, value);
}

void IniFile::WriteBool(const SettingKey& key, bool value) {
  WriteBool(key.section, key.name, value);
}
