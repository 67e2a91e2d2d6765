#include "settings/ini_values.h"

#include <gtest/gtest.h>

#include <climits>

TEST(IniInteger, ParsesByTheReadersRules) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      // the hexadecimal forms
      {"0x1E", 30}, {"0X1e", 30}, {"$1E", 30}, {"x1E", 30}, {"X1E", 30}, {"-$1E", -30},
      {"-0x1E", -30}, {"+x1E", 30}, {" $1E", 30}, {"0x", std::nullopt}, {"$", std::nullopt},
      {"x", std::nullopt}, {"$1G", std::nullopt}, {"0x-1", std::nullopt},
      // the full 32 bits, wrapped to a signed value; more do not parse
      {"$FFFFFFFF", -1}, {"0xFFFFFFFF", -1}, {"$80000000", INT_MIN}, {"$7FFFFFFF", INT_MAX},
      {"-$FFFFFFFF", 1}, {"$100000000", std::nullopt}, {"$000000001", 1},
      // decimal and its range
      {"30", 30}, {"-3", -3}, {"+7", 7}, {"0", 0}, {"-0", 0}, {"007", 7}, {"010", 10},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
      // blanks before, nothing after
      {" 30", 30}, {"   -3", -3}, {"30 ", std::nullopt}, {"\t30", std::nullopt},
      {"30px", std::nullopt}, {"3 0", std::nullopt}, {"- 3", std::nullopt},
      {"", std::nullopt}, {" ", std::nullopt}, {"-", std::nullopt}, {"+", std::nullopt},
      {"yes", std::nullopt}, {"1.5", std::nullopt}, {"--3", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(IniInteger, WrittenAsPlainSignedDecimal) {
  EXPECT_EQ(FormatIniInteger(0), "0");
  EXPECT_EQ(FormatIniInteger(255), "255");
  EXPECT_EQ(FormatIniInteger(-16777211), "-16777211");
  EXPECT_EQ(FormatIniInteger(INT_MIN), "-2147483648");
  EXPECT_EQ(FormatIniBool(true), "1");
  EXPECT_EQ(FormatIniBool(false), "0");
}

TEST(IniInteger, WrittenValuesParseBack) {
  for (std::int32_t v : {0, 1, -1, 20, -3, 255, -16777211, INT_MAX, INT_MIN}) {
    EXPECT_EQ(ParseIniInteger(FormatIniInteger(v)), v);
  }
}
