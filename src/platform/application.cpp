#include "platform/application.h"

#include <commctrl.h>

#include "platform/error_report.h"
#include "platform/timer.h"
#include "platform/unique_handle.h"

#include <stdexcept>

Application App;

namespace {

constexpr const wchar_t* kClassName = L"TApplication";
constexpr UINT kSynchronizeMessage = WM_APP + 1;

// How often a worker waiting for the main thread asks again.
constexpr DWORD kSynchronizeRetry = 50;

}  // namespace

struct Application::PendingCall {
  const std::function<void()>* call;
  std::exception_ptr error;
  HANDLE done;
};

void Application::Initialize(HINSTANCE instance, std::wstring title) {
  instance_ = instance;
  title_ = std::move(title);

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  // Never shown: the forms it owns have no taskbar button of their own.
  handle_ = CreateWindowExW(0, kClassName, title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            instance, nullptr);
}

std::wstring Application::ExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

int Application::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::ShowException(const std::exception& error) {
  ShowMessageBox(ReportText(error.what()), title_, MB_OK | MB_ICONERROR);
}

int Application::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  return MessageBoxW(handle_, text.c_str(), caption.c_str(), flags);
}

void Application::Synchronize(const std::function<void()>& call) {
  UniqueFile done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!done) throw std::runtime_error("Synchronize: no event for the call");
  PendingCall pending{&call, nullptr, done.get()};
  {
    std::lock_guard lock(pendingMutex_);
    pending_.push_back(&pending);
  }
  // The message only wakes the main thread; the call waits in the queue. A modal loop
  // that is ending drops the message it has just taken, so the worker asks again until
  // its call has run.
  do {
    PostMessageW(handle_, kSynchronizeMessage, 0, 0);
  } while (WaitForSingleObject(done.get(), kSynchronizeRetry) == WAIT_TIMEOUT);
  if (pending.error) std::rethrow_exception(pending.error);
}

void Application::ServePendingCalls() {
  for (;;) {
    PendingCall* pending = nullptr;
    {
      std::lock_guard lock(pendingMutex_);
      if (pending_.empty()) return;
      pending = pending_.front();
      pending_.pop_front();
    }
    try {
      (*pending->call)();
    } catch (...) {
      pending->error = std::current_exception();
    }
    SetEvent(pending->done);  // from here on the call belongs to the worker again
  }
}

void Application::WaitServing(HANDLE thread) {
  // MWMO_INPUTAVAILABLE: a call the worker posted before the wait began counts too.
  while (MsgWaitForMultipleObjectsEx(1, &thread, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

UINT_PTR Application::AddTimer(Timer* timer) {
  const UINT_PTR id = nextTimerId_++;
  timers_[id] = timer;
  return id;
}

void Application::RemoveTimer(UINT_PTR id) { timers_.erase(id); }

LRESULT CALLBACK Application::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSynchronizeMessage) {
    App.ServePendingCalls();
    return 0;
  }
  if (message == WM_TIMER) {
    // A tick already queued when its timer went away finds no timer here.
    const auto found = App.timers_.find(wParam);
    if (found != App.timers_.end()) found->second->Fire();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
