#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>
#include <string>

#include "shaping/region.h"
#include "support/program.h"
#include "support/temp_folder.h"

// A test of the running program: a fresh folder with the program, its settings file and
// a monitored file, and what a UI-automation client sees of the overlay.
class OverlayTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::unique_ptr<Program> program;
  HWND overlay = nullptr;
  HWND memo = nullptr;

  std::wstring SettingsPath() const { return folder.File(L"vistaro.ini"); }
  std::wstring QuotesPath() const { return folder.File(L"quotes.txt"); }

  // A settings file that points at the quotes file and has been saved once, plus the
  // given lines of section fMain.
  void WriteSettings(const std::string& moreMainLines = "");
  // Rewrites the monitored file, waiting while the program holds it open for reading.
  static void WriteFileShared(const std::wstring& path, const std::string& bytes);
  void WriteQuotes(const std::string& bytes) { WriteFileShared(QuotesPath(), bytes); }

  // Starts the program and waits for the overlay to exist (not yet on screen: a first
  // start greets the user and opens the dialog before the overlay shows).
  void Launch();
  // Starts the program and waits for the overlay to be on screen.
  void Start();
  void WaitUntilOverlayShown();

  // The program's message box with this caption, once it is up.
  HWND WaitForMessageBox(const std::wstring& caption) const;
  // The settings dialog, once it is on screen.
  HWND WaitForDialog() const;
  // Closes the overlay as any close request does and waits for the program to end.
  void CloseAndWait();

  std::wstring DisplayText() const;
  // Waits for the display to show exactly this text (about two ticks, and then some).
  ::testing::AssertionResult WaitForDisplay(const std::wstring& expected,
                                            std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
};

RECT WindowRect(HWND window);

// A window's text as WM_GETTEXT gives it (GetWindowText does not ask other processes).
std::wstring TextOf(HWND window);
// The text of a message box: its longest static text.
std::wstring MessageBoxText(HWND box);
// A child control of the class at the position, in its parent's client coordinates.
HWND ControlAt(HWND parent, const wchar_t* className, int left, int top);

// The window's region as the system holds it; nothing when it has none.
std::optional<Region> WindowRegionOf(HWND window);
// Waits for the window's region to become this one.
::testing::AssertionResult WaitForRegion(HWND window, const Region& expected,
                                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

// The keyboard and the pointer, as a user would move them. Shift is pressed on the X
// display itself (with xdotool): Wine takes the modifier keys' state from the display's
// events and would undo a Shift sent with SendInput at the next move of the pointer.
void PressShift(bool down);
void MovePointer(int x, int y);

// Pixels of the screen in a rectangle, as 0x00RRGGBB, row after row.
std::vector<std::uint32_t> ScreenPixels(const RECT& rect);
