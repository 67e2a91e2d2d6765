#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/color.h"
#include "platform/cursor_shape.h"
#include "platform/unique_handle.h"
#include "settings/font_spec.h"

// Child controls of a form. Each object is bound to its window (GWLP_USERDATA), so the
// form hands it the notifications its window sends.
class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return handle_; }
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void SetFont(HFONT font);

  static Control* From(HWND window);

  virtual void OnCommand(WORD) {}
  virtual void OnScroll() {}
  virtual bool OnNotify(const NMHDR*, LRESULT*) { return false; }
  virtual HBRUSH OnColor(HDC) { return nullptr; }

 protected:
  Control() = default;
  struct Layout {
    HWND parent;
    const wchar_t* className;
    std::wstring text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
  };
  void CreateHandle(const Layout& layout);
  static void Bind(HWND window, Control* control);

 private:
  HWND handle_ = nullptr;
};

// The colour a TColor is drawn with: a system colour resolved to its current RGB value.
COLORREF ColorToRgb(TColor color);
// The system's description of the font, its height in pixels of the screen.
LOGFONTW LogFontFor(const FontSpec& font);
UniqueHfont CreateFontFor(const FontSpec& font);

class Label : public Control {
 public:
  void Create(HWND parent, const std::wstring& caption, int left, int top, int width, int height);
};

class PushButton : public Control {
 public:
  std::function<void()> onClick;
  void Create(HWND parent, const std::wstring& caption, int left, int top, int width, int height,
              DWORD extraStyle = WS_TABSTOP);
  void OnCommand(WORD code) override;
};

class CheckBox : public Control {
 public:
  std::function<void()> onClick;
  void Create(HWND parent, const std::wstring& caption, int left, int top, int width, int height);
  bool Checked() const;
  // Runs onClick when the state changes, as a click would.
  void SetChecked(bool checked);
  void OnCommand(WORD code) override;
};

class EditBox : public Control {
 public:
  void Create(HWND parent, int left, int top, int width, int height);
};

// A horizontal slider whose position setter clamps into its range and runs onChange
// whenever the position changes, by the user or by the program.
class TrackBar : public Control {
 public:
  std::function<void()> onChange;
  void Create(HWND parent, int left, int top, int width, int height, int min, int max, int position);
  int Position() const { return position_; }
  void SetPosition(int position);
  void OnScroll() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

// An integer spin box without limits: an edit field and an up-down pair of buttons (the Up
// and Down keys do the same). Its value is its text read as an integer, or 0 when the text
// is not one. Typing takes digits, "+", "-", the decimal separator and control characters
// other than Enter; anything else is refused with a beep.
class SpinEdit : public Control {
 public:
  std::function<void()> onChange;
  void Create(HWND parent, int left, int top, int width, int height, int value);
  int Value() const;
  void SetValue(int value);
  bool OnNotify(const NMHDR* header, LRESULT* result) override;
  void OnCommand(WORD code) override;

 private:
  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR spin);
  HWND upDown_ = nullptr;
};

// The overlay's text display: a multi-line edit without border, word wrap or scroll bars,
// in the display's own font and colours.
class Memo : public Control {
 public:
  void Create(HWND parent);
  // Replaces the text, its line breaks made CR LF, unless that is what it already holds;
  // true when it replaced it.
  bool SetText(std::wstring_view text);
  const FontSpec& Font() const { return font_; }
  void SetFontSpec(const FontSpec& font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  HBRUSH OnColor(HDC dc) override;

  // Paints the display again, now.
  void Redraw();
  // Paints the display, background and text, into the DC as it appears on screen.
  void PaintTo(HDC dc);

  // The pointer's shape over the display; setting the shape it has does nothing.
  CursorShape Cursor() const { return cursor_; }
  void SetCursor(CursorShape cursor);

 private:
  // Paints through an off-screen image, so that a changed text never flickers, and shows
  // the display's cursor.
  static LRESULT CALLBACK DisplayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR memo);

  FontSpec font_;
  UniqueHfont hfont_;
  TColor color_ = clBtnFace;
  UniqueHbrush brush_;
  CursorShape cursor_ = CursorShape::SizeAll;
};
