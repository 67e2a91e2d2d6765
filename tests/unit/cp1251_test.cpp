#include "platform/cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, DecodesEveryByteAndEncodesItBack) {
  EXPECT_EQ(DecodeCp1251("\xC2\xE8\xF1\xF2\xE0\xF0\xEE"), L"Вистаро");
  EXPECT_EQ(DecodeCp1251("\xA8\xB8\xB9\x88"), L"Ёё№€");
  EXPECT_EQ(DecodeCp1251("1.0925"), L"1.0925");
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(EncodeCp1251(DecodeCp1251(byte)), byte) << b;
  }
  EXPECT_EQ(EncodeCp1251(L"Только цифры"), "\xD2\xEE\xEB\xFC\xEA\xEE \xF6\xE8\xF4\xF0\xFB");
  EXPECT_EQ(EncodeCp1251(L"a\u4E2Db"), "a?b");  // not in 1251
}

TEST(Cp1251, CaseFoldsLatinAndCyrillic) {
  EXPECT_TRUE(Cp1251EqualsIgnoreCase("fMain", "FMAIN"));
  EXPECT_TRUE(Cp1251EqualsIgnoreCase(EncodeCp1251(L"ШРИФТ Ё"), EncodeCp1251(L"шрифт ё")));
  EXPECT_FALSE(Cp1251EqualsIgnoreCase("Hole", "Hole "));
  EXPECT_FALSE(Cp1251EqualsIgnoreCase("[", "{"));  // not letters: no folding
  EXPECT_EQ(Cp1251ToLower('@'), '@');
}

TEST(Utf8, RoundTripsAndReplacesWhatIsMalformed) {
  EXPECT_EQ(Utf8ToWide("Вистаро forex"), L"Вистаро forex");
  EXPECT_EQ(WideToUtf8(L"Вистаро forex"), "Вистаро forex");
  EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98\x80"), std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)}));
  EXPECT_EQ(WideToUtf8(std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)})), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("a\xD0"), L"a\uFFFD");       // cut short at the end
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), L"\uFFFD");      // overlong
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), L"\uFFFD");  // a surrogate
  EXPECT_EQ(WideToUtf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}
