#include "settings/ini_text.h"

#include <gtest/gtest.h>

TEST(IniRead, LexicalRulesOfTheProfileFunctions) {
  const struct {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"[fMain]\r\nHole=30\r\n", "fMain", "Hole", "30"},
      {"[fMain]\nHole=30\n", "fMain", "Hole", "30"},               // LF alone
      {"[fMain]\rHole=30", "fMain", "Hole", "30"},                 // CR alone, no last break
      {"[FMAIN]\r\nhOLE=30\r\n", "fMain", "Hole", "30"},           // names ignore case
      {"  [ fMain ]  \r\n  Hole  =   30  \r\n", "fMain", "Hole", "30"},  // blanks around
      {"[fMain]\r\n\tHole\t=\t30\t\r\n", " fMain ", " Hole ", "30"},
      {"[fMain]\r\nHole=\r\n", "fMain", "Hole", ""},               // present but empty
      {"[fMain]\r\nHole=   \r\n", "fMain", "Hole", ""},
      {"[fMain]\r\nHole\r\n", "fMain", "Hole", std::nullopt},      // no "=": no value
      {"[fMain]\r\nHole=1\r\nHole=2\r\n", "fMain", "Hole", "1"},   // first of duplicates
      {"[fMain]\r\nA=1\r\n[fMain]\r\nHole=2\r\n", "fMain", "Hole", std::nullopt},  // first section only
      {"Hole=1\r\n[fMain]\r\n", "fMain", "Hole", std::nullopt},    // before any section
      {"[Font]\r\nHole=1\r\n", "fMain", "Hole", std::nullopt},
      {"", "fMain", "Hole", std::nullopt},
      {"[fMain]\r\nPath=\"c:\\a b.txt\"\r\n", "fMain", "Path", "c:\\a b.txt"},   // quotes stripped
      {"[fMain]\r\nPath='x'\r\n", "fMain", "Path", "x"},
      {"[fMain]\r\nPath=\" x \"\r\n", "fMain", "Path", " x "},      // blanks kept inside quotes
      {"[fMain]\r\nPath=\"x'\r\n", "fMain", "Path", "\"x'"},        // not a matching pair
      {"[fMain]\r\nPath=\"\r\n", "fMain", "Path", "\""},
      {"[fMain]\r\nPath=\"\"\r\n", "fMain", "Path", ""},
      {"[fMain]\r\nPath=a=b\r\n", "fMain", "Path", "a=b"},         // first "=" splits
      {"[fMain]\r\n;Path=x\r\nPath=y\r\n", "fMain", "Path", "y"},
      {"[fMain\r\nHole=1\r\n", "fMain", "Hole", std::nullopt},     // no "]": not a header
      {"[fMain]x\r\nHole=1\r\n", "fMain", "Hole", "1"},            // text after "]" ignored
      {"[fMain]\r\nName=\xC2\xE8\xF1\xF2\xE0\xF0\xEE\r\n", "fMain", "Name",
       "\xC2\xE8\xF1\xF2\xE0\xF0\xEE"},                               // 1251 bytes as they stand
      {"[\xD8\xF0\xE8\xF4\xF2]\r\nA=1\r\n", "\xF8\xF0\xE8\xF4\xF2", "a", "1"},  // Cyrillic case
      {"[fMain]\r\nHole=30\x1A", "fMain", "Hole", "30"},            // end-of-file mark
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniReadValue(c.text, c.section, c.key), c.value) << testing::PrintToString(c.text);
  }
}

TEST(IniRead, ValuesAreCutAt2047Characters) {
  const std::string longValue(5000, 'v');
  EXPECT_EQ(IniReadValue("[s]\r\nk=" + longValue + "\r\n", "s", "k"), std::string(2047, 'v'));
  EXPECT_EQ(IniReadValue("[s]\r\nk=" + std::string(2047, 'v') + "\r\n", "s", "k"),
            std::string(2047, 'v'));
  EXPECT_EQ(IniReadValue("[s]\r\nk=\"" + std::string(2047, 'v') + "\"\r\n", "s", "k"),
            std::string(2047, 'v'));
}

TEST(IniWrite, EditsInPlaceAndAppendsWhatIsNew) {
  const struct {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  } cases[] = {
      {"", "fMain", "Hole", "30", "[fMain]\r\nHole=30\r\n"},
      {"[fMain]\r\nHole=1\r\nTop=2\r\n", "fMain", "Hole", "30", "[fMain]\r\nHole=30\r\nTop=2\r\n"},
      {"[fMain]\r\nhole = 1\r\n", "FMAIN", "HOLE", "30", "[fMain]\r\nhole=30\r\n"},  // its spelling kept
      {"[fMain]\r\nHole=1\r\nHole=2\r\n", "fMain", "Hole", "3", "[fMain]\r\nHole=3\r\nHole=2\r\n"},
      {"[fMain]\nHole\nTop=2\n", "fMain", "Hole", "5", "[fMain]\nHole=5\r\nTop=2\n"},
      // a new key after the section's last line, before its blank lines
      {"[fMain]\r\nA=1\r\n\r\n[Font]\r\nB=2\r\n", "fMain", "C", "3",
       "[fMain]\r\nA=1\r\nC=3\r\n\r\n[Font]\r\nB=2\r\n"},
      {"[fMain]\r\nA=1", "fMain", "C", "3", "[fMain]\r\nA=1\r\nC=3\r\n"},
      {"; settings\r\n[fMain]\r\n", "fMain", "C", "3", "; settings\r\n[fMain]\r\nC=3\r\n"},
      // a new section at the end, after one blank line
      {"[fMain]\r\nA=1\r\n", "Font", "Name", "Tahoma", "[fMain]\r\nA=1\r\n\r\n[Font]\r\nName=Tahoma\r\n"},
      {"[fMain]\r\nA=1", "Font", "Size", "10", "[fMain]\r\nA=1\r\n\r\n[Font]\r\nSize=10\r\n"},
      {"[fMain]\r\nA=1\r\n\r\n", "Font", "Size", "10", "[fMain]\r\nA=1\r\n\r\n[Font]\r\nSize=10\r\n"},
      // a value is one line: a line break or a NUL in it ends it
      {"", "fMain", "Path", "a\r\n[x]", "[fMain]\r\nPath=a\r\n"},
      {"", "fMain", "Path", "", "[fMain]\r\nPath=\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniWriteValue(c.before, c.section, c.key, c.value), c.after)
        << testing::PrintToString(c.before) << " " << c.key;
  }
  EXPECT_EQ(IniWriteValue("", "s", "k", std::string("a\0b", 3)), "[s]\r\nk=a\r\n");
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
  std::string text = "junk line\r\n[Font]\r\nName=Arial\r\n";
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } writes[] = {{"fMain", "Path", "c:\\1.txt"}, {"Font", "Name", "Tahoma"},
                {"fMain", "Hole", "-3"},       {"Font", "Size", "10"},
                {"fMain", "Path", "d:\\2.txt"}, {"fMain", "Empty", ""}};
  for (const auto& w : writes) text = IniWriteValue(text, w.section, w.key, w.value);
  EXPECT_EQ(IniReadValue(text, "fMain", "Path"), "d:\\2.txt");
  EXPECT_EQ(IniReadValue(text, "Font", "Name"), "Tahoma");
  EXPECT_EQ(IniReadValue(text, "fMain", "Hole"), "-3");
  EXPECT_EQ(IniReadValue(text, "Font", "Size"), "10");
  EXPECT_EQ(IniReadValue(text, "fMain", "Empty"), "");
  EXPECT_EQ(text.rfind("junk line\r\n", 0), 0u);
}
