#include "support/overlay_fixture.h"

#include <thread>

#include "platform/cp1251.h"

void OverlayTest::WriteSettings(const std::string& moreMainLines) {
  WriteBytes(SettingsPath(), "[fMain]\r\nFirst=0\r\nPath=" + EncodeCp1251(QuotesPath()) + "\r\n" + moreMainLines);
}

void OverlayTest::WriteFileShared(const std::wstring& path, const std::string& bytes) {
  HANDLE file = INVALID_HANDLE_VALUE;
  ASSERT_TRUE(WaitUntil([&] {
    file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    return file != INVALID_HANDLE_VALUE;
  })) << "the program kept the file open";
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

void OverlayTest::Start() {
  program = std::make_unique<Program>(folder.Path());
  overlay = program->WaitForWindow(L"TForm1");
  ASSERT_NE(overlay, nullptr) << "no overlay window";
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(overlay) != FALSE; })) << "the overlay was never shown";
  memo = FindWindowExW(overlay, nullptr, L"Edit", nullptr);
  ASSERT_NE(memo, nullptr) << "no display in the overlay";
}

void OverlayTest::CloseAndWait() {
  PostMessageW(overlay, WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program->WaitForExit(std::chrono::seconds(10), &exitCode)) << "the program did not end";
  EXPECT_EQ(exitCode, 0u);
}

std::wstring OverlayTest::DisplayText() const {
  const auto length = SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(memo, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

::testing::AssertionResult OverlayTest::WaitForDisplay(const std::wstring& expected,
                                                       std::chrono::milliseconds timeout) const {
  std::wstring seen;
  if (WaitUntil([&] { return (seen = DisplayText()) == expected; }, timeout)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the display shows\n" << WideToUtf8(seen) << "\ninstead of\n"
                                       << WideToUtf8(expected);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}
