#include "platform/error_report.h"

#include <gtest/gtest.h>

TEST(ErrorReport, FullStopAddedOnlyAfterCharactersThatSortAfterIt) {
  const struct {
    const char* message;
    const wchar_t* shown;
  } cases[] = {
      {"Unable to write to C:\\app\\vistaro.ini", L"Unable to write to C:\\app\\vistaro.ini."},
      {"Done.", L"Done."},
      {"Failed!", L"Failed!"},           // "!" sorts before "."
      {"Cannot open (file)", L"Cannot open (file)"},
      {"Ошибка", L"Ошибка."},
      {"line 5", L"line 5."},
      {"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReportText(c.message), c.shown) << c.message;
}
