#pragma once

#include <windows.h>

#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

class Timer;

// The application object: its title, a hidden window that owns the forms (so that no
// form gets a taskbar button) and hosts the timers, the message loop, and the default
// report of an error that leaves a handler.
class Application {
 public:
  void Initialize(HINSTANCE instance, std::wstring title);
  HINSTANCE Instance() const { return instance_; }
  HWND Handle() const { return handle_; }
  const std::wstring& Title() const { return title_; }

  // The full path of the running executable.
  std::wstring ExeName() const;

  // Runs the message loop until Terminate; returns the exit code.
  int Run();
  void Terminate();

  // The default error report: a modal box with the message (a "." added when its last
  // character sorts after "."), the title as caption, the error icon and OK.
  void ShowException(const std::exception& error);
  int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

  // From another thread: runs the call on the main thread and waits for it; what it throws
  // is thrown again here. Every loop of the main thread serves these calls: the plain
  // loop, modal dialogs, message boxes, menus, the system's move and size loops.
  void Synchronize(const std::function<void()>& call);

  // Waits for the thread to end while still serving its calls to the main thread.
  void WaitServing(HANDLE thread);

  // Calls the action, sending whatever it throws to the default error report.
  template <typename Action>
  void Guard(Action&& action) {
    try {
      action();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }

 private:
  friend class Timer;
  struct PendingCall;
  void ServePendingCalls();
  UINT_PTR AddTimer(Timer* timer);
  void RemoveTimer(UINT_PTR id);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_ = nullptr;
  HWND handle_ = nullptr;
  std::wstring title_;
  std::unordered_map<UINT_PTR, Timer*> timers_;
  std::mutex pendingMutex_;
  std::deque<PendingCall*> pending_;
  UINT_PTR nextTimerId_ = 1;
};

extern Application App;
