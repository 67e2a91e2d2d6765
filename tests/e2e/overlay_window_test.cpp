// The overlay as other windows see it: placement, styles, opacity, and what closing writes.
#include <gtest/gtest.h>

#include "platform/cp1251.h"
#include "settings/ini_text.h"
#include "support/overlay_fixture.h"

namespace {

std::optional<std::string> StoredMain(const std::wstring& settingsPath, const char* key) {
  return IniReadValue(ReadBytes(settingsPath), "fMain", key);
}

bool ScreenIs1024x768() {
  return GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768;
}

}  // namespace

// Without a settings file: 200 x 100, centred, on top, no taskbar button, showing c:\1.txt.
TEST_F(OverlayTest, WithoutSettingsFileComesUpCentredOnTopShowingTheDefaultFile) {
  ASSERT_TRUE(ScreenIs1024x768()) << "the suite runs on a 1024 x 768 display";
  const std::wstring defaultFile = L"C:\\1.txt";
  WriteFileShared(defaultFile, "EUR/USD 1.0925\n");
  Launch();
  // A first start: the greeting and the dialog come first.
  HWND greeting = WaitForMessageBox(L"Первый запуск");
  ASSERT_NE(greeting, nullptr);
  SendMessageW(greeting, WM_COMMAND, IDOK, 0);
  HWND dialog = WaitForDialog();
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  WaitUntilOverlayShown();
  const RECT rect = WindowRect(overlay);
  EXPECT_EQ(rect.left, 412);
  EXPECT_EQ(rect.top, 334);
  EXPECT_EQ(rect.right - rect.left, 200);
  EXPECT_EQ(rect.bottom - rect.top, 100);

  const LONG_PTR style = GetWindowLongPtrW(overlay, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << "the overlay has a frame";
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  HWND owner = GetWindow(overlay, GW_OWNER);
  EXPECT_TRUE(owner != nullptr && !IsWindowVisible(owner)) << "an unowned window gets a taskbar button";
  EXPECT_FALSE(exStyle & WS_EX_LAYERED) << "opaque by default";

  // The display fills the client area: multi-line, no border, no scroll bars, no wrap.
  const LONG_PTR memoStyle = GetWindowLongPtrW(memo, GWL_STYLE);
  EXPECT_TRUE(memoStyle & ES_MULTILINE);
  EXPECT_TRUE(memoStyle & ES_AUTOHSCROLL) << "without it the display wraps words";
  EXPECT_FALSE(memoStyle & (WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_READONLY));
  EXPECT_FALSE(GetWindowLongPtrW(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  const RECT memoRect = WindowRect(memo);
  EXPECT_TRUE(EqualRect(&memoRect, &rect));

  EXPECT_TRUE(WaitForDisplay(L"EUR/USD 1.0925\r\n"));
  CloseAndWait();
  DeleteFileW(defaultFile.c_str());
}

TEST_F(OverlayTest, DefaultPlacementRoundsAnOddDifferenceToEven) {
  ASSERT_TRUE(ScreenIs1024x768());
  const struct {
    int width, height, left, top;
  } cases[] = {
      {201, 101, 412, 334},  // 411.5 and 333.5 go up to the even neighbour
      {203, 103, 410, 332},  // 410.5 and 332.5 go down
      {1100, 900, -38, -66},
  };
  for (const auto& c : cases) {
    WriteSettings("Width=" + std::to_string(c.width) + "\r\nHeigth=" + std::to_string(c.height) + "\r\n");
    Start();
    const RECT rect = WindowRect(overlay);
    EXPECT_EQ(rect.left, c.left) << c.width;
    EXPECT_EQ(rect.top, c.top) << c.height;
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
    CloseAndWait();
  }
}

TEST_F(OverlayTest, StoredPlacementIsAppliedUnchangedEvenOffScreen) {
  const struct {
    int left, top, width, height;
  } cases[] = {{10, 20, 300, 150}, {-50, 700, 120, 80}, {5000, -300, 640, 200}};
  for (const auto& c : cases) {
    WriteSettings("Left=" + std::to_string(c.left) + "\r\nTop=" + std::to_string(c.top) + "\r\nWidth=" +
                  std::to_string(c.width) + "\r\nHeigth=" + std::to_string(c.height) + "\r\n");
    Start();
    const RECT rect = WindowRect(overlay);
    EXPECT_EQ(rect.left, c.left);
    EXPECT_EQ(rect.top, c.top);
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
    CloseAndWait();
  }
}

TEST_F(OverlayTest, OnlyWindowStateOneMaximizes) {
  const struct {
    const char* value;
    bool maximized;
  } cases[] = {{"1", true}, {"0", false}, {"2", false}, {"-1", false}, {"max", false}, {"0x1", true}};
  for (const auto& c : cases) {
    WriteSettings(std::string("WindowState=") + c.value + "\r\n");
    Start();
    EXPECT_EQ(IsZoomed(overlay) != FALSE, c.maximized) << c.value;
    CloseAndWait();
  }
}

TEST_F(OverlayTest, StoredOpacityMakesALayeredWindow) {
  const struct {
    const char* transparent;
    bool layered;
    BYTE alpha;
  } cases[] = {{"30", true, 76}, {"70", true, 178}, {"0", true, 0}, {"100", false, 255},
               {"150", false, 255}, {"-5", true, 0}};
  for (const auto& c : cases) {
    WriteSettings(std::string("Transparent=") + c.transparent + "\r\n");
    Start();
    const bool layered = GetWindowLongPtrW(overlay, GWL_EXSTYLE) & WS_EX_LAYERED;
    EXPECT_EQ(layered, c.layered) << c.transparent;
    if (layered) {
      BYTE alpha = 0;
      DWORD flags = 0;
      ASSERT_TRUE(GetLayeredWindowAttributes(overlay, nullptr, &alpha, &flags));
      EXPECT_TRUE(flags & LWA_ALPHA);
      EXPECT_EQ(alpha, c.alpha) << c.transparent;
    }
    CloseAndWait();
  }
}

TEST_F(OverlayTest, ClosingWritesThePlacement) {
  WriteSettings("Left=10\r\nTop=20\r\nWidth=300\r\nHeigth=150\r\n");
  Start();
  SetWindowPos(overlay, nullptr, 33, 44, 250, 120, SWP_NOZORDER | SWP_NOACTIVATE);
  CloseAndWait();
  const std::wstring settings = SettingsPath();
  EXPECT_EQ(StoredMain(settings, "Left"), "33");
  EXPECT_EQ(StoredMain(settings, "Top"), "44");
  EXPECT_EQ(StoredMain(settings, "Width"), "250");
  EXPECT_EQ(StoredMain(settings, "Heigth"), "120");
  EXPECT_EQ(StoredMain(settings, "WindowState"), "0");
  EXPECT_EQ(StoredMain(settings, "Height"), std::nullopt);
}

TEST_F(OverlayTest, ClosingWhileMaximizedWritesOnlyTheWindowState) {
  WriteSettings("Left=10\r\nTop=20\r\nWidth=300\r\nHeigth=150\r\nWindowState=1\r\n");
  Start();
  ASSERT_TRUE(IsZoomed(overlay));
  CloseAndWait();
  const std::wstring settings = SettingsPath();
  EXPECT_EQ(StoredMain(settings, "WindowState"), "1");
  EXPECT_EQ(StoredMain(settings, "Left"), "10");
  EXPECT_EQ(StoredMain(settings, "Top"), "20");
  EXPECT_EQ(StoredMain(settings, "Width"), "300");
  EXPECT_EQ(StoredMain(settings, "Heigth"), "150");
}

// A settings file that cannot be written does not keep the program from ending.
TEST_F(OverlayTest, ClosingEndsTheProgramWhenThePlacementCannotBeWritten) {
  WriteSettings("Left=10\r\n");
  const std::string before = ReadBytes(SettingsPath());
  ASSERT_TRUE(SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
  Start();
  SetWindowPos(overlay, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  CloseAndWait();
  EXPECT_EQ(ReadBytes(SettingsPath()), before);
}
