#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/unique_handle.h"

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The program under test, copied into a folder of the test's own (its settings file
// lies beside it there) and started from it. A program still running when the object
// ends is killed.
class Program {
 public:
  static constexpr const wchar_t* kExeName = L"vistaro.exe";

  explicit Program(const std::wstring& folder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The first top-level window of the process with this class, or nullptr.
  HWND FindWindowOfClass(const wchar_t* className) const;
  HWND WaitForWindow(const wchar_t* className,
                     std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

  // True when the process ended in time; its exit code then goes to *exitCode.
  bool WaitForExit(std::chrono::milliseconds timeout, DWORD* exitCode = nullptr) const;

  DWORD ProcessId() const { return processId_; }

 private:
  UniqueFile process_;
  DWORD processId_ = 0;
};
