// The once-a-second poll: what the display shows of the monitored file.
#include <gtest/gtest.h>

#include <thread>

#include "platform/cp1251.h"
#include "support/overlay_fixture.h"

namespace {

// Longer than two ticks: a change the poll were to make would have shown by then.
constexpr auto kTwoTicks = std::chrono::milliseconds(2500);

}  // namespace

TEST_F(OverlayTest, DisplayShowsTheFileInCp1251WithCrLfAndFollowsRewrites) {
  WriteSettings();
  WriteQuotes("EUR/USD 1.0925\n\xC2\xE8\xF1\xF2\xE0\xF0\xEE \xB8\rGBP\r\n");
  Start();
  EXPECT_TRUE(WaitForDisplay(L"EUR/USD 1.0925\r\nВистаро ё\r\nGBP\r\n"));

  WriteQuotes("EUR/USD 1.0931\n");
  EXPECT_TRUE(WaitForDisplay(L"EUR/USD 1.0931\r\n", std::chrono::milliseconds(2500)))
      << "a rewrite shows within about a second";
  CloseAndWait();
}

// The display's text is not set again when the file has not changed: the edit control's
// modified flag, which setting the text clears, survives the ticks.
TEST_F(OverlayTest, UnchangedTextAndLineBreakStyleAreNoChange) {
  WriteSettings();
  WriteQuotes("a\nb\n");
  Start();
  ASSERT_TRUE(WaitForDisplay(L"a\r\nb\r\n"));
  SendMessageW(memo, EM_SETMODIFY, TRUE, 0);
  WriteQuotes("a\r\nb\r\n");
  std::this_thread::sleep_for(kTwoTicks);
  EXPECT_TRUE(SendMessageW(memo, EM_GETMODIFY, 0, 0)) << "the display's text was set again";

  WriteQuotes("a\r\nc\r\n");  // and the poll is still running
  EXPECT_TRUE(WaitForDisplay(L"a\r\nc\r\n"));
  EXPECT_FALSE(SendMessageW(memo, EM_GETMODIFY, 0, 0));
  CloseAndWait();
}

TEST_F(OverlayTest, DeletedFileLeavesItsLastContentAndNulEndsTheText) {
  WriteSettings();
  WriteQuotes("1.0925");
  Start();
  ASSERT_TRUE(WaitForDisplay(L"1.0925"));
  ASSERT_TRUE(DeleteFileW(QuotesPath().c_str()));
  std::this_thread::sleep_for(kTwoTicks);
  EXPECT_EQ(DisplayText(), L"1.0925");

  WriteQuotes(std::string("A\0B\nC", 5));
  EXPECT_TRUE(WaitForDisplay(L"A"));
  WriteQuotes("");
  EXPECT_TRUE(WaitForDisplay(L""));
  CloseAndWait();
}

TEST_F(OverlayTest, FileHeldOpenForWritingGivesOneErrorLinePerTick) {
  WriteSettings();
  WriteQuotes("1.0925\n");
  Start();
  ASSERT_TRUE(WaitForDisplay(L"1.0925\r\n"));

  HANDLE writer = CreateFileW(QuotesPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const std::wstring prefix = L"Возникла ошибка (класс EFOpenError):Cannot open file \"" + QuotesPath() + L"\". ";
  std::wstring text;
  const bool piled = WaitUntil([&] {
    text = DisplayText();
    return text.size() > 2 * prefix.size() && text.rfind(prefix, 0) == 0 &&
           text.find(L"\r\n" + prefix) != std::wstring::npos;
  }, std::chrono::seconds(5));
  CloseHandle(writer);
  ASSERT_TRUE(piled) << WideToUtf8(text);

  // Every line but the last is the same error line; the content stays below them.
  const std::wstring firstLine = text.substr(0, text.find(L"\r\n"));
  EXPECT_GT(firstLine.size(), prefix.size()) << "the system's reason is missing";
  std::size_t lines = 0;
  std::size_t at = 0;
  while (text.compare(at, firstLine.size() + 2, firstLine + L"\r\n") == 0) {
    at += firstLine.size() + 2;
    ++lines;
  }
  EXPECT_GE(lines, 2u);
  EXPECT_EQ(text.substr(at), L"1.0925\r\n");

  EXPECT_TRUE(WaitForDisplay(L"1.0925\r\n")) << "released, the file's content replaces the error lines";
  CloseAndWait();
}
