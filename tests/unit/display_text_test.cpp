#include "overlay/display_text.h"

#include <gtest/gtest.h>

#include "overlay/placement.h"

TEST(DisplayText, LineBreaksBecomeCrLf) {
  const struct {
    const wchar_t* text;
    const wchar_t* adjusted;
  } cases[] = {
      {L"a\nb", L"a\r\nb"},     {L"a\rb", L"a\r\nb"},         {L"a\r\nb", L"a\r\nb"},
      {L"a\n\rb", L"a\r\n\r\nb"}, {L"a\r\r\nb", L"a\r\n\r\nb"}, {L"\n", L"\r\n"},
      {L"", L""},               {L"x\r", L"x\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(AdjustLineBreaks(c.text), c.adjusted);
}

TEST(DisplayText, FileBytesAreCp1251UpToTheFirstNul) {
  EXPECT_EQ(DisplayTextOf("EUR/USD 1.0925\n\xC2\xE8\xF1\xF2\xE0\xF0\xEE"), L"EUR/USD 1.0925\r\nВистаро");
  EXPECT_EQ(DisplayTextOf(std::string("A\0B", 3)), L"A");
  EXPECT_EQ(DisplayTextOf(std::string("\0AB", 3)), L"");
  EXPECT_EQ(DisplayTextOf(""), L"");
}

TEST(DisplayText, ErrorLineGoesInFrontOfThePreviousText) {
  EXPECT_EQ(ErrorText("EFOpenError", "Cannot open file \"C:\\1.txt\". Sharing violation", L'\r', L"1.0925\r\n"),
            L"Возникла ошибка (класс EFOpenError):Cannot open file \"C:\\1.txt\". Sharing violation\r1.0925\r\n");
  EXPECT_EQ(ErrorText("EOSError", "x", L'\n', L""), L"Возникла ошибка (класс EOSError):x\n");
}

TEST(DisplayText, SystemMessagesLoseTheirTrailingBreakAndStop) {
  EXPECT_EQ(TrimSystemMessage(L"The process cannot access the file.\r\n"), L"The process cannot access the file");
  EXPECT_EQ(TrimSystemMessage(L"Sharing violation"), L"Sharing violation");
  EXPECT_EQ(TrimSystemMessage(L" . \r\n"), L"");
}

TEST(Placement, DefaultIsCentredWithTiesToEven) {
  const struct {
    int screen, size, edge;
  } cases[] = {
      {1024, 200, 412}, {768, 100, 334}, {1366, 200, 583}, {1366, 201, 582},
      {1280, 101, 590}, {1024, 101, 462}, {1024, 203, 410}, {800, 1000, -100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultLeft(c.screen, c.size), c.edge) << c.screen << " " << c.size;
    EXPECT_EQ(DefaultTop(c.screen, c.size), c.edge) << c.screen << " " << c.size;
  }
}
