#pragma once

#include <windows.h>

#include <string>

// A top-level window of the program, owned by the application's hidden window. The object
// is bound to its window at WM_NCCREATE; messages go to HandleMessage, and notifications
// of child controls to the controls themselves (see Control).
class Form {
 public:
  Form() = default;
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND Handle() const { return handle_; }

  // Outer bounds in screen pixels.
  RECT Bounds() const;
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Maximized() const { return IsZoomed(handle_) != FALSE; }
  // Maximizes now when shown, else when next shown.
  void Maximize();

  bool Visible() const { return IsWindowVisible(handle_) != FALSE; }
  // Runs OnShow, then puts the window on screen.
  void Show();
  void Hide();
  // Asks the window to close, as its close box does.
  void Close();

  // Shows the form with the program's other windows disabled and returns when it has
  // closed (its close handler hid it). Refused with EInvalidOperation when it is already
  // on screen. Everything else of the main thread goes on inside.
  void ShowModal();

 protected:
  struct Layout {
    const wchar_t* className;
    std::wstring caption;
    DWORD style;
    DWORD exStyle;
    RECT bounds;  // outer bounds
  };
  void CreateHandle(const Layout& layout);
  // Destroys the window while the derived object, and so its controls, still exist.
  void DestroyHandle();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnShow() {}

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HWND handle_ = nullptr;
  bool maximizeOnShow_ = false;
};
