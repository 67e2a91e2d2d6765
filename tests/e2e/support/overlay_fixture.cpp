#include "support/overlay_fixture.h"

#include <thread>

#include "platform/cp1251.h"
#include "platform/unique_handle.h"
#include "platform/win_region.h"

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

void OverlayTest::Launch() {
  program = std::make_unique<Program>(folder.Path());
  overlay = program->WaitForWindow(L"TForm1");
  ASSERT_NE(overlay, nullptr) << "no overlay window";
  ASSERT_TRUE(WaitUntil([&] { return (memo = FindWindowExW(overlay, nullptr, L"Edit", nullptr)) != nullptr; }))
      << "no display in the overlay";
}

void OverlayTest::WaitUntilOverlayShown() {
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(overlay) != FALSE; })) << "the overlay was never shown";
}

void OverlayTest::Start() {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(WaitUntilOverlayShown());
}

HWND OverlayTest::WaitForMessageBox(const std::wstring& caption) const {
  HWND box = nullptr;
  WaitUntil([&] {
    box = program->FindWindowOfClass(L"#32770");
    wchar_t text[128] = {};
    if (box) GetWindowTextW(box, text, 128);
    return box && IsWindowVisible(box) && caption == text;
  });
  return box;
}

HWND OverlayTest::WaitForDialog() const {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = program->FindWindowOfClass(L"TForm2");
    return dialog && IsWindowVisible(dialog);
  });
  return dialog;
}

namespace {

// The program's top-level windows, for a report of what kept it from ending.
std::string WindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::string found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId) return TRUE;
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        s->found += WideToUtf8(className) + " \"" + WideToUtf8(TextOf(window)) + "\"" +
                    (IsWindowVisible(window) ? " visible" : "") + (IsWindowEnabled(window) ? "" : " disabled") + "; ";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

void OverlayTest::CloseAndWait() {
  PostMessageW(overlay, WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program->WaitForExit(std::chrono::seconds(10), &exitCode))
      << "the program did not end; its windows: " << WindowsOf(program->ProcessId());
  EXPECT_EQ(exitCode, 0u);
}

std::wstring OverlayTest::DisplayText() const { return TextOf(memo); }

std::wstring TextOf(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
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

std::optional<Region> WindowRegionOf(HWND window) {
  UniqueHrgn region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) return std::nullopt;
  return FromHrgn(region.get());
}

::testing::AssertionResult WaitForRegion(HWND window, const Region& expected, std::chrono::milliseconds timeout) {
  std::optional<Region> seen;
  if (WaitUntil([&] { return (seen = WindowRegionOf(window)) == expected; }, timeout)) {
    return ::testing::AssertionSuccess();
  }
  if (!seen) return ::testing::AssertionFailure() << "the window has no region";
  return ::testing::AssertionFailure() << "the region has " << seen->Area() << " pixels in " << seen->RectCount()
                                       << " rectangles, not the " << expected.Area() << " expected; "
                                       << seen->Difference(expected).Area() << " too many, "
                                       << expected.Difference(*seen).Area() << " missing";
}

void PressShift(bool down) {
  // Wine starts programs of the host system too.
  std::wstring command = down ? L"Z:\\usr\\bin\\xdotool keydown shift" : L"Z:\\usr\\bin\\xdotool keyup shift";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
      << "xdotool cannot be started";
  WaitForSingleObject(info.hProcess, 10000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

void MovePointer(int x, int y) { SetCursorPos(x, y); }

std::vector<std::uint32_t> ScreenPixels(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  UniqueHbitmap image(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueHdc dc(CreateCompatibleDC(screen));
  {
    ScopedSelect selected(dc.get(), image.get());
    BitBlt(dc.get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
  }
  ReleaseDC(nullptr, screen);
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * height);
  for (auto& p : pixels) p &= 0x00FFFFFF;
  return pixels;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring longest;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (_wcsicmp(className, L"Static") != 0) continue;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
    if (text.size() > longest.size()) longest = text;
  }
  return longest;
}

HWND ControlAt(HWND parent, const wchar_t* className, int left, int top) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    RECT rect = WindowRect(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    if (_wcsicmp(name, className) == 0 && rect.left == left && rect.top == top) return child;
  }
  return nullptr;
}
