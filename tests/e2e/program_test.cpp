#include <gtest/gtest.h>

#include "support/program.h"
#include "support/temp_folder.h"

TEST(Program, StartsShowsItsWindowAndEndsWhenClosed) {
  TempFolder folder;
  WriteBytes(folder.File(L"vistaro.ini"), "[fMain]\r\nFirst=0\r\n");
  Program program(folder.Path());
  HWND window = program.WaitForWindow(L"TForm1");
  ASSERT_NE(window, nullptr);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, L"Вистаро");

  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(std::chrono::seconds(10), &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
