#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/ini_file.h"
#include "memory_file.h"

TEST(SettingKeys, TwentyKeysEachOnceInItsSection) {
  std::set<std::string> seen;
  for (const SettingKey& k : kSettingKeys) {
    EXPECT_TRUE(k.section == "fMain" || k.section == "Font") << k.name;
    EXPECT_TRUE(seen.insert(std::string(k.section) + "/" + std::string(k.name)).second) << k.name;
  }
  EXPECT_EQ(seen.size(), 20u);
  EXPECT_TRUE(seen.count("fMain/Heigth"));  // spelled as every stored file has it
  EXPECT_FALSE(seen.count("fMain/Height"));
}

// An empty settings file reads as every key's default.
TEST(SettingKeys, MissingFileReadsTheDefaults) {
  MemoryFile file;
  const IniFile ini(file);
  EXPECT_TRUE(ini.ReadBool(key::First));
  EXPECT_EQ(ini.ReadString(key::Path), "c:\\1.txt");
  EXPECT_EQ(ini.ReadInteger(key::Color, clWindow), -16777211);
  EXPECT_EQ(ini.ReadInteger(key::Transparent), 100);
  EXPECT_EQ(ini.ReadInteger(key::Hole), 20);
  EXPECT_FALSE(ini.ReadBool(key::AllTop));
  EXPECT_FALSE(ini.ReadBool(key::Onlytext));
  EXPECT_EQ(ini.ReadInteger(key::Heigth), 100);
  EXPECT_EQ(ini.ReadInteger(key::Width), 200);
  EXPECT_EQ(ini.ReadInteger(key::Left, 412), 412);
  EXPECT_EQ(ini.ReadInteger(key::Top, 334), 334);
  EXPECT_EQ(ini.ReadInteger(key::WindowState), 0);
  EXPECT_EQ(ini.ReadString(key::FontName), "Tahoma");
  EXPECT_EQ(ini.ReadInteger(key::FontCharset), 1);
  EXPECT_EQ(ini.ReadInteger(key::FontSize), 10);
  EXPECT_EQ(ini.ReadInteger(key::FontColor), 0);
  for (const SettingKey* style :
       {&key::StyleBold, &key::StyleItalic, &key::StyleUnderline, &key::StyleStrikeOut}) {
    EXPECT_FALSE(ini.ReadBool(*style)) << style->name;
  }
  EXPECT_EQ(file.writes, 0);
}

TEST(SettingKeys, WrittenValuesReadBackInTheirEncodings) {
  MemoryFile file;
  IniFile ini(file);
  ini.WriteBool(key::First, false);
  ini.WriteString(key::Path, "d:\\quotes\\eurusd.txt");
  ini.WriteInteger(key::Color, 255);  // pure red
  ini.WriteInteger(key::Hole, -3);
  ini.WriteInteger(key::Heigth, 239);
  ini.WriteBool(key::StyleBold, true);
  EXPECT_EQ(*file.bytes,
            "[fMain]\r\nFirst=0\r\nPath=d:\\quotes\\eurusd.txt\r\nColor=255\r\nHole=-3\r\n"
            "Heigth=239\r\n\r\n[Font]\r\nStyle_Bold=1\r\n");
  EXPECT_FALSE(ini.ReadBool(key::First));
  EXPECT_EQ(ini.ReadInteger(key::Color, clWindow), 255);
  EXPECT_EQ(ini.ReadInteger(key::Hole), -3);
  EXPECT_TRUE(ini.ReadBool(key::StyleBold));
}
