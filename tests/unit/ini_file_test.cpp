#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include "memory_file.h"
#include "platform/app_error.h"

namespace {

struct IniFileTest : ::testing::Test {
  MemoryFile file;
  IniFile ini{file};

  void Holds(const std::string& bytes) { file.bytes = bytes; }
};

}  // namespace

TEST_F(IniFileTest, BooleansAreIntegersTrueWhenNotZero) {
  const struct {
    const char* value;
    bool withDefaultFalse;
    bool withDefaultTrue;
  } cases[] = {
      {"1", true, true},    {"0", false, false},  {"2", true, true},   {"-1", true, true},
      {"yes", false, true}, {"abc", false, true}, {"", false, true},   {"0x0", false, false},
      {"$10", true, true},  {" 0", false, false}, {"1 ", true, true},  // trailing blank trimmed
  };
  for (const auto& c : cases) {
    Holds(std::string("[fMain]\r\nAllTop=") + c.value + "\r\n");
    EXPECT_EQ(ini.ReadBool("fMain", "AllTop", false), c.withDefaultFalse) << c.value;
    EXPECT_EQ(ini.ReadBool("fMain", "AllTop", true), c.withDefaultTrue) << c.value;
  }
}

TEST_F(IniFileTest, IntegerValuesThatDoNotParseGiveTheDefault) {
  const struct {
    const char* line;
    std::int32_t hole;
  } cases[] = {
      {"Hole=0x1E", 30}, {"Hole=$1E", 30}, {"Hole=x1E", 30}, {"Hole= 30", 30}, {"Hole=30px", 20},
      {"Hole=-3", -3},   {"Hole=", 20},    {"Hole=-", 20},   {"Hole=\" 30\"", 30},
      {"Hole=\"30 \"", 20},  // kept by its quotes, the blank then spoils it
      {"Hole", 20},
  };
  for (const auto& c : cases) {
    Holds(std::string("[fMain]\r\n") + c.line + "\r\n");
    EXPECT_EQ(ini.ReadInteger(key::Hole), c.hole) << c.line;
  }
}

TEST_F(IniFileTest, StringsArePresentEvenWhenEmptyAndCutAt2047) {
  Holds("[Font]\r\nName=\r\n[fMain]\r\nPath=" + std::string(2048, 'p') + "\r\n");
  EXPECT_EQ(ini.ReadString(key::FontName), "");
  EXPECT_EQ(ini.ReadString(key::Path), std::string(2047, 'p'));
}

TEST_F(IniFileTest, EachWriteReplacesTheFileWhole) {
  ini.WriteInteger(key::Transparent, 30);
  ini.WriteInteger(key::Transparent, 70);
  EXPECT_EQ(file.writes, 2);
  EXPECT_EQ(*file.bytes, "[fMain]\r\nTransparent=70\r\n");
}

TEST_F(IniFileTest, RefusedWriteRaisesAndKeepsTheFile) {
  Holds("[fMain]\r\nFirst=0\r\nPath=c:\\q.txt\r\n");
  file.refuseWrites = true;
  try {
    ini.WriteString(key::Path, "d:\\new.txt");
    FAIL() << "the write should have been refused";
  } catch (const AppError& e) {
    EXPECT_EQ(e.ClassName(), "EIniFileException");
    EXPECT_STREQ(e.what(), "Unable to write to C:\\app\\vistaro.ini");
  }
  EXPECT_EQ(*file.bytes, "[fMain]\r\nFirst=0\r\nPath=c:\\q.txt\r\n");
  EXPECT_EQ(ini.ReadString(key::Path), "c:\\q.txt");
}

// Whatever bytes lie in the file, reading gives values or defaults and never fails.
TEST_F(IniFileTest, AnyBytesReadAsValuesOrDefaults) {
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  const char alphabet[] = "[]=\"' \t\r\n\x1A\0xX$-+0123456789fMainHoleFontName\xC0\xFF";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const std::size_t length = next() % 200;
    for (std::size_t i = 0; i < length; ++i) {
      bytes.push_back(next() % 4 == 0 ? static_cast<char>(next() & 0xFF)
                                      : alphabet[next() % (sizeof alphabet - 1)]);
    }
    Holds(bytes);
    const std::int32_t hole = ini.ReadInteger(key::Hole);
    (void)hole;
    EXPECT_LE(ini.ReadString(key::FontName).size(), 2047u);
    ini.WriteInteger(key::Hole, 5);  // and a write into it keeps the key readable
    EXPECT_EQ(ini.ReadInteger(key::Hole), 5) << testing::PrintToString(bytes);
  }
}
