// The settings dialog and the first-launch greeting, driven from outside through the
// dialog's controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "platform/cp1251.h"
#include "settings/dialog_placement.h"
#include "settings/ini_text.h"
#include "support/overlay_fixture.h"

namespace {

const std::wstring kGreetingCaption = L"Первый запуск";
const std::wstring kGreeting =
    L"Приветствую тебя, о повелитель !\r\rЯ чуствую, что мой запуск на этом компьютере производиться в первый "
    L"раз.\rПрошу великодушно заполнить параметры, чтоб я знал какие данные ты хочешь видеть на экране.";

class SettingsDialogTest : public OverlayTest {
 protected:
  // A settings file that has never been saved from the dialog ("First" missing).
  void WriteUnsavedSettings(const std::string& moreMainLines = "") {
    WriteBytes(SettingsPath(), "[fMain]\r\nPath=" + EncodeCp1251(QuotesPath()) +
                                   "\r\nLeft=300\r\nTop=200\r\nWidth=574\r\nHeigth=239\r\n" + moreMainLines);
  }

  // Launches the program, takes the greeting and returns the dialog it opens.
  HWND LaunchToDialog() {
    Launch();
    HWND greeting = WaitForMessageBox(kGreetingCaption);
    EXPECT_NE(greeting, nullptr) << "no greeting";
    if (!greeting) return nullptr;
    EXPECT_FALSE(IsWindowVisible(overlay)) << "the overlay shows only after the dialog";
    SendMessageW(greeting, WM_COMMAND, IDOK, 0);
    return WaitForDialog();
  }

  std::optional<std::string> Stored(const char* section, const char* key) const {
    return IniReadValue(ReadBytes(SettingsPath()), section, key);
  }

  static void Click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }
  static void Type(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // Moves the slider as the user does: the position, then its notification.
  static void Slide(HWND dialog, HWND slider, int position) {
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
  }
};

int TaskbarHeight() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  return taskbar ? WindowRect(taskbar).bottom - WindowRect(taskbar).top : 0;
}

}  // namespace

TEST_F(SettingsDialogTest, FirstStartGreetsAndOpensTheDialogUntilSavedOnce) {
  WriteUnsavedSettings();
  Launch();
  HWND greeting = WaitForMessageBox(kGreetingCaption);
  ASSERT_NE(greeting, nullptr);
  EXPECT_EQ(MessageBoxText(greeting), kGreeting);
  SendMessageW(greeting, WM_COMMAND, IDOK, 0);

  HWND dialog = WaitForDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog after the greeting";
  wchar_t caption[32] = {};
  GetWindowTextW(dialog, caption, 32);
  EXPECT_STREQ(caption, L"Настройки");
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 498);
  EXPECT_EQ(client.bottom, 152);
  const RECT rect = WindowRect(dialog);
  const DialogPosition expected = PlaceDialog({300, 200, 574, 239, rect.right - rect.left, rect.bottom - rect.top,
                                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                               TaskbarHeight()});
  EXPECT_EQ(rect.left, expected.left);
  EXPECT_EQ(rect.top, expected.top);
  EXPECT_FALSE(IsWindowVisible(overlay));

  PostMessageW(dialog, WM_CLOSE, 0, 0);  // closed without saving
  WaitUntilOverlayShown();
  CloseAndWait();

  dialog = LaunchToDialog();  // greeted again
  ASSERT_NE(dialog, nullptr);
  Click(ControlAt(dialog, L"Button", 416, 123));  // "Сохранить"
  WaitUntilOverlayShown();
  CloseAndWait();
  EXPECT_EQ(Stored("fMain", "First"), "0");

  Start();  // never greeted again
  EXPECT_EQ(program->FindWindowOfClass(L"#32770"), nullptr);
  HWND hidden = program->FindWindowOfClass(L"TForm2");
  EXPECT_FALSE(hidden && IsWindowVisible(hidden));
  CloseAndWait();
}

TEST_F(SettingsDialogTest, SaveWritesEveryKeyAndTheNextStartAppliesThem) {
  WriteUnsavedSettings();
  HWND dialog = LaunchToDialog();
  ASSERT_NE(dialog, nullptr);
  const std::wstring otherFile = folder.File(L"other.txt");
  Type(ControlAt(dialog, L"Edit", 70, 1), otherFile);
  Slide(dialog, ControlAt(dialog, TRACKBAR_CLASSW, 8, 70), 30);
  Type(ControlAt(dialog, L"Edit", 104, 104), L"35");
  Click(ControlAt(dialog, L"Button", 200, 101));  // "Сверху игр и видео"
  Click(ControlAt(dialog, L"Button", 200, 116));  // "Только цифры"
  Click(ControlAt(dialog, L"Button", 416, 123));  // "Сохранить"
  WaitUntilOverlayShown();
  CloseAndWait();

  const struct {
    const char* section;
    const char* key;
    std::string value;
  } stored[] = {
      {"fMain", "First", "0"},         {"fMain", "Path", EncodeCp1251(otherFile)},
      {"fMain", "Color", "-16777211"}, {"fMain", "Transparent", "30"},
      {"fMain", "Hole", "35"},         {"fMain", "AllTop", "1"},
      {"fMain", "Onlytext", "1"},      {"Font", "Name", "Tahoma"},
      {"Font", "Charset", "1"},        {"Font", "Size", "10"},
      {"Font", "Color", "0"},          {"Font", "Style_Bold", "0"},
      {"Font", "Style_Italic", "0"},   {"Font", "Style_Underline", "0"},
      {"Font", "Style_StrikeOut", "0"},
  };
  for (const auto& s : stored) EXPECT_EQ(Stored(s.section, s.key), s.value) << s.section << "/" << s.key;

  Start();  // applied at the next start, without a greeting
  BYTE alpha = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(overlay, nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 76);
  CloseAndWait();
}

TEST_F(SettingsDialogTest, PathOpacityAndOnlyDigitsActBeforeSaving) {
  WriteQuotes("1.0925\n");
  const std::wstring otherFile = folder.File(L"other.txt");
  WriteFileShared(otherFile, "2.0000\n");
  WriteUnsavedSettings("Color=8454143\r\nHole=0\r\n");
  HWND dialog = LaunchToDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(WaitForDisplay(L"1.0925\r\n")) << "the poll goes on behind the dialog";

  HWND path = ControlAt(dialog, L"Edit", 70, 1);
  Type(path, otherFile);
  EXPECT_TRUE(WaitForDisplay(L"2.0000\r\n")) << "a typed path is followed at the next tick";

  Slide(dialog, ControlAt(dialog, TRACKBAR_CLASSW, 8, 70), 70);
  BYTE alpha = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(overlay, nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 178) << "the slider acts at once";

  MovePointer(300 + 500, 200 + 200);
  ASSERT_TRUE(WaitForRegion(overlay, Region::Rect(1, 1, 573, 238)));
  Click(ControlAt(dialog, L"Button", 200, 116));  // "Только цифры"
  int step = 0;
  EXPECT_TRUE(WaitUntil([&] {
    MovePointer(300 + 500 + (++step % 2), 200 + 200);  // the pointer moving on, as a hand does
    const auto region = WindowRegionOf(overlay);
    return region && region->Area() < Region::Rect(1, 1, 573, 238).Area() / 2;
  })) << "only digits reshapes the window at the worker's next pass";

  PostMessageW(dialog, WM_CLOSE, 0, 0);  // the close box puts the stored path back
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
  EXPECT_EQ(TextOf(path), QuotesPath());
  EXPECT_TRUE(WaitForDisplay(L"1.0925\r\n"));
  CloseAndWait();
}

// A settings file that cannot be written (marked read-only, or held open by another
// program): Save says so and the dialog stays open with what the user entered; nothing
// stored is lost.
TEST_F(SettingsDialogTest, RefusedSaveIsReportedAndTheDialogStaysOpen) {
  for (const bool locked : {false, true}) {
    SCOPED_TRACE(locked ? "held open by another program" : "marked read-only");
    WriteUnsavedSettings("Hole=7\r\n");
    const std::string before = ReadBytes(SettingsPath());
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (locked) {
      holder = CreateFileW(SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    } else {
      ASSERT_TRUE(SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    }
    HWND dialog = LaunchToDialog();
    ASSERT_NE(dialog, nullptr);
    HWND path = ControlAt(dialog, L"Edit", 70, 1);
    Type(path, L"d:\\typed.txt");
    PostMessageW(ControlAt(dialog, L"Button", 416, 123), BM_CLICK, 0, 0);

    HWND report = WaitForMessageBox(L"Вистаро");
    ASSERT_NE(report, nullptr) << "the failed save was not reported";
    EXPECT_EQ(MessageBoxText(report), L"Unable to write to " + SettingsPath());
    SendMessageW(report, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(report) || !IsWindowVisible(report); }));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed as if it had saved";
    EXPECT_EQ(TextOf(path), L"d:\\typed.txt");
    EXPECT_EQ(ReadBytes(SettingsPath()), before);

    PostMessageW(dialog, WM_CLOSE, 0, 0);
    WaitUntilOverlayShown();
    CloseAndWait();
    if (locked) CloseHandle(holder);
    SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(SettingsDialogTest, SpinBoxTakesOnlyNumberCharactersAndStepsWithoutLimit) {
  WriteUnsavedSettings("Hole=-1\r\n");
  HWND dialog = LaunchToDialog();
  ASSERT_NE(dialog, nullptr);
  HWND spin = ControlAt(dialog, L"Edit", 104, 104);
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(TextOf(spin), L"-1");
  SendMessageW(spin, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(spin, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(TextOf(spin), L"-3") << "no lower limit";
  Type(spin, L"");
  for (const wchar_t c : std::wstring(L"1a2 x\r-+")) SendMessageW(spin, WM_CHAR, c, 0);
  EXPECT_EQ(TextOf(spin), L"12-+") << "letters, blanks and Enter are refused";
  Click(ControlAt(dialog, L"Button", 416, 123));  // a text that is not an integer saves as 0
  WaitUntilOverlayShown();
  CloseAndWait();
  EXPECT_EQ(Stored("fMain", "Hole"), "0");
}
