#include "platform/control.h"

#include <commctrl.h>

#include <algorithm>

#include "overlay/display_text.h"
#include "settings/ini_values.h"
#include "platform/cp1251.h"

Control::~Control() {
  if (handle_ && IsWindow(handle_)) Bind(handle_, nullptr);
}

void Control::CreateHandle(const Layout& layout) {
  handle_ = CreateWindowExW(layout.exStyle, layout.className, layout.text.c_str(),
                            WS_CHILD | WS_VISIBLE | layout.style, layout.left, layout.top,
                            layout.width, layout.height, layout.parent, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(layout.parent, GWLP_HINSTANCE)),
                            nullptr);
  Bind(handle_, this);
}

void Control::Bind(HWND window, Control* control) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
}

Control* Control::From(HWND window) {
  if (!window) return nullptr;
  return reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::wstring Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

void Control::SetFont(HFONT font) { SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

COLORREF ColorToRgb(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}

LOGFONTW LogFontFor(const FontSpec& font) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW logFont{};
  logFont.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
  logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.italic;
  logFont.lfUnderline = font.underline;
  logFont.lfStrikeOut = font.strikeOut;
  logFont.lfCharSet = font.charset;
  logFont.lfQuality = DEFAULT_QUALITY;
  font.name.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  return logFont;
}

UniqueHfont CreateFontFor(const FontSpec& font) {
  const LOGFONTW logFont = LogFontFor(font);
  return UniqueHfont(CreateFontIndirectW(&logFont));
}

void Label::Create(HWND parent, const std::wstring& caption, int left, int top, int width, int height) {
  CreateHandle({parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX, 0, left, top, width, height});
}

void PushButton::Create(HWND parent, const std::wstring& caption, int left, int top, int width,
                        int height, DWORD extraStyle) {
  CreateHandle({parent, L"BUTTON", caption, BS_PUSHBUTTON | extraStyle, 0, left, top, width, height});
}

void PushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

void CheckBox::Create(HWND parent, const std::wstring& caption, int left, int top, int width, int height) {
  CreateHandle({parent, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, left, top, width, height});
}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (onClick) onClick();
}

void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

void EditBox::Create(HWND parent, int left, int top, int width, int height) {
  CreateHandle({parent, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, left, top, width, height});
}

void TrackBar::Create(HWND parent, int left, int top, int width, int height, int min, int max,
                      int position) {
  CreateHandle({parent, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_BOTH | TBS_AUTOTICKS | TBS_FIXEDLENGTH | WS_TABSTOP,
                0, left, top, width, height});
  min_ = min;
  max_ = max;
  position_ = std::clamp(position, min, max);
  SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min);
  SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max);
  SendMessageW(Handle(), TBM_SETTICFREQ, 1, 0);
  SendMessageW(Handle(), TBM_SETLINESIZE, 0, 1);
  SendMessageW(Handle(), TBM_SETPAGESIZE, 0, 2);
  SendMessageW(Handle(), TBM_SETTHUMBLENGTH, 15, 0);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
  if (position == position_) return;
  position_ = position;
  if (onChange) onChange();
}

void TrackBar::OnScroll() {
  SetPosition(static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
}

namespace {
constexpr int kUpDownWidth = 16;
}

void SpinEdit::Create(HWND parent, int left, int top, int width, int height, int value) {
  CreateHandle({parent, L"EDIT", std::to_wstring(value), ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                left, top, width - kUpDownWidth, height});
  upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, left + width - kUpDownWidth,
                            top, kUpDownWidth, height, parent, nullptr, nullptr, nullptr);
  SendMessageW(upDown_, UDM_SETRANGE32, 0, 100);  // min below max: the up arrow adds
  Bind(upDown_, this);
  SetWindowSubclass(Handle(), EditProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK SpinEdit::EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR spin) {
  auto* self = reinterpret_cast<SpinEdit*>(spin);
  switch (message) {
    case WM_CHAR: {
      wchar_t separator[4] = L".";
      GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
      const auto c = static_cast<wchar_t>(wParam);
      const bool taken = (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == separator[0] ||
                         (c < L' ' && c != L'\r');
      if (!taken) {
        MessageBeep(MB_OK);
        return 0;
      }
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        self->SetValue(self->Value() + (wParam == VK_UP ? 1 : -1));
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, EditProcedure, 0);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

int SpinEdit::Value() const { return ParseIniInteger(EncodeCp1251(Text())).value_or(0); }

void SpinEdit::SetValue(int value) { Control::SetText(std::to_wstring(value)); }

void SpinEdit::OnCommand(WORD code) {
  if (code == EN_CHANGE && onChange) onChange();
}

bool SpinEdit::OnNotify(const NMHDR* header, LRESULT* result) {
  if (header->hwndFrom != upDown_ || header->code != UDN_DELTAPOS) return false;
  const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
  SetValue(Value() + (change->iDelta > 0 ? 1 : -1));
  *result = 1;  // the value has no limits: the up-down's own range plays no part
  return true;
}

void Memo::Create(HWND parent) {
  RECT client;
  GetClientRect(parent, &client);
  CreateHandle({parent, L"EDIT", L"", ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 0, 0, 0,
                client.right, client.bottom});
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  SetColor(color_);
  SetWindowSubclass(Handle(), DisplayProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

namespace {

const wchar_t* SystemCursorOf(CursorShape shape) {
  switch (shape) {
    case CursorShape::SizeNESW: return IDC_SIZENESW;
    case CursorShape::SizeNS: return IDC_SIZENS;
    case CursorShape::SizeNWSE: return IDC_SIZENWSE;
    case CursorShape::SizeWE: return IDC_SIZEWE;
    case CursorShape::SizeAll: return IDC_SIZEALL;
  }
  return IDC_ARROW;
}

}  // namespace

void Memo::SetCursor(CursorShape cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  // Shown at once when the pointer is over the display, not only at its next move.
  POINT pointer;
  RECT bounds;
  if (GetCursorPos(&pointer) && GetWindowRect(Handle(), &bounds) && PtInRect(&bounds, pointer)) {
    ::SetCursor(LoadCursorW(nullptr, SystemCursorOf(cursor_)));
  }
}

void Memo::Redraw() { RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void Memo::PaintTo(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, brush_.get());
  DefSubclassProc(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

// The display's own handling of messages: painting double-buffered, and its cursor.
LRESULT CALLBACK Memo::DisplayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR memo) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint below fills the background itself
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC screen = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      UniqueHdc buffer(CreateCompatibleDC(screen));
      UniqueHbitmap image(CreateCompatibleBitmap(screen, client.right, client.bottom));
      {
        ScopedSelect selected(buffer.get(), image.get());
        reinterpret_cast<Memo*>(memo)->PaintTo(buffer.get());
        BitBlt(screen, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, SystemCursorOf(reinterpret_cast<Memo*>(memo)->cursor_)));
        return TRUE;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, DisplayProcedure, 0);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool Memo::SetText(std::wstring_view text) {
  std::wstring adjusted = AdjustLineBreaks(text);
  if (adjusted == Text()) return false;
  Control::SetText(adjusted);
  return true;
}

void Memo::SetFontSpec(const FontSpec& font) {
  font_ = font;
  UniqueHfont next = CreateFontFor(font_);
  SetFont(next.get());
  hfont_ = std::move(next);  // the old font is released once the display no longer uses it
}

void Memo::SetColor(TColor color) {
  color_ = color;
  brush_ = UniqueHbrush(CreateSolidBrush(ColorToRgb(color_)));
  InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH Memo::OnColor(HDC dc) {
  SetTextColor(dc, ColorToRgb(font_.color));
  SetBkColor(dc, ColorToRgb(color_));
  return brush_.get();
}
