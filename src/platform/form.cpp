#include "platform/form.h"

#include <commctrl.h>

#include "platform/application.h"
#include "platform/app_error.h"
#include "platform/control.h"

#include <vector>

Form::~Form() { DestroyHandle(); }

void Form::CreateHandle(const Layout& layout) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(App.Instance(), layout.className, &windowClass)) {
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = App.Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = layout.className;
    windowClass.hIcon = LoadIconW(App.Instance(), MAKEINTRESOURCEW(1));
    RegisterClassExW(&windowClass);
  }
  const RECT& b = layout.bounds;
  CreateWindowExW(layout.exStyle, layout.className, layout.caption.c_str(), layout.style, b.left,
                  b.top, b.right - b.left, b.bottom - b.top, App.Handle(), nullptr, App.Instance(),
                  this);
}

void Form::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
}

RECT Form::Bounds() const {
  RECT bounds{};
  GetWindowRect(handle_, &bounds);
  return bounds;
}

int Form::Width() const {
  const RECT b = Bounds();
  return b.right - b.left;
}

int Form::Height() const {
  const RECT b = Bounds();
  return b.bottom - b.top;
}

void Form::SetLeft(int left) {
  SetWindowPos(handle_, nullptr, left, Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetTop(int top) {
  SetWindowPos(handle_, nullptr, Left(), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetWidth(int width) {
  SetWindowPos(handle_, nullptr, 0, 0, width, Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetHeight(int height) {
  SetWindowPos(handle_, nullptr, 0, 0, Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Maximize() {
  if (Visible()) {
    ShowWindow(handle_, SW_MAXIMIZE);
  } else {
    maximizeOnShow_ = true;
  }
}

void Form::Show() {
  OnShow();
  ShowWindow(handle_, maximizeOnShow_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  maximizeOnShow_ = false;
}

void Form::Hide() { ShowWindow(handle_, SW_HIDE); }

void Form::Close() { SendMessageW(handle_, WM_CLOSE, 0, 0); }

void Form::ShowModal() {
  if (Visible()) throw AppError("EInvalidOperation", "Cannot make a visible window modal");
  // The program's other windows are disabled while the form is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM param) -> BOOL {
    auto* list = reinterpret_cast<std::vector<HWND>*>(param);
    if (IsWindowVisible(window) && IsWindowEnabled(window)) list->push_back(window);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);

  Show();
  SetForegroundWindow(handle_);
  MSG message;
  bool quit = false;
  while (Visible()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;
      break;
    }
    if (!IsDialogMessageW(handle_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

bool Form::RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = Control::From(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
        *result = 0;
        return true;
      }
      return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Control* control = Control::From(reinterpret_cast<HWND>(lParam))) {
        control->OnScroll();
        *result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Control* control = Control::From(header->hwndFrom);
      return control && control->OnNotify(header, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (Control* control = Control::From(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wParam))) {
          *result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  try {
    if (form->RouteToControl(message, wParam, lParam, &result)) return result;
    return form->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    App.ShowException(error);
    return 0;
  }
}
