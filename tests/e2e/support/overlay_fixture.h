#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

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

  // Starts the program and waits for the overlay to be on screen.
  void Start();
  // Closes the overlay as any close request does and waits for the program to end.
  void CloseAndWait();

  std::wstring DisplayText() const;
  // Waits for the display to show exactly this text (about two ticks, and then some).
  ::testing::AssertionResult WaitForDisplay(const std::wstring& expected,
                                            std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
};

RECT WindowRect(HWND window);
