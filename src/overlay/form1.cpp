#include "overlay/form1.h"

#include "overlay/placement.h"
#include "platform/application.h"
#include "platform/cp1251.h"
#include "settings/form2.h"
#include "settings/settings_file.h"

TForm1* Form1 = nullptr;

namespace {

// Where the form was laid out; the first show replaces it with the stored placement.
constexpr RECT kDesignBounds{286, 190, 286 + 574, 190 + 239};

// The display's font until the stored one is applied.
FontSpec DesignFont() { return FontSpec{}; }

}  // namespace

TForm1::TForm1() {
  CreateHandle({L"TForm1", Utf8ToWide("Вистаро"), WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST, kDesignBounds});
  Memo1.Create(Handle());  // painted double-buffered
  Memo1.SetFontSpec(DesignFont());
  FormCreate();
}

TForm1::~TForm1() { DestroyHandle(); }

void TForm1::FormCreate() {
  FirstShow = true;
  // The tray icon is added here.
}

void TForm1::FormShow() {
  if (!FirstShow) return;

  SettingsFile settings;
  IniFile& ini = settings.Ini();
  SetHeight(ini.ReadInteger(key::Heigth));
  SetWidth(ini.ReadInteger(key::Width));
  SetLeft(ini.ReadInteger(key::Left, DefaultLeft(GetSystemMetrics(SM_CXSCREEN), Width())));
  SetTop(ini.ReadInteger(key::Top, DefaultTop(GetSystemMetrics(SM_CYSCREEN), Height())));
  if (ini.ReadInteger(key::WindowState) == kWindowStateMaximized) Maximize();

  FirstShow = false;
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
  Shaper = std::make_unique<MovePaint>(*this, Shaping);
  Shaper->Resume();
  Form2->LoadSettings();
  Form2->FirstLaunchCheck();
}

void TForm1::SaveWindowPlacement() {
  SettingsFile settings;
  IniFile& ini = settings.Ini();
  if (Maximized()) {
    ini.WriteInteger(key::WindowState, kWindowStateMaximized);
    return;
  }
  const RECT bounds = Bounds();
  ini.WriteInteger(key::Heigth, bounds.bottom - bounds.top);
  ini.WriteInteger(key::Width, bounds.right - bounds.left);
  ini.WriteInteger(key::Left, bounds.left);
  ini.WriteInteger(key::Top, bounds.top);
  ini.WriteInteger(key::WindowState, 0);
}

void TForm1::FormClose() {
  if (Shaper) Shaper->Terminate();
  try {
    SaveWindowPlacement();
  } catch (const std::exception&) {
    // The program ends all the same; the placement of the last good save stays.
  }
}

void TForm1::FormDeactivate() { SaveWindowPlacement(); }

void TForm1::WaitForShaper() {
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  if (Shaper && Shaper->Thread()) App.WaitServing(Shaper->Thread());
  Shaper.reset();
}

void TForm1::FormDestroy() {
  // The tray icon is deleted here.
}

void TForm1::Timer2Timer() {
  try {
    GetKeyboardState(KeyState.data());
    // The thread's own copy of the keyboard follows only the keys it receives; the
    // overlay rarely has the focus, so Shift is taken from the keyboard itself.
    constexpr std::uint8_t kDown = 0x80;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) {
      KeyState[VK_SHIFT] |= kDown;
    } else {
      KeyState[VK_SHIFT] &= ~kDown;
    }
    Shaping.shiftDown = (KeyState[VK_SHIFT] & kDown) != 0;
  } catch (...) {
  }
}

void TForm1::SetTransparency(Transparency transparency) {
  transparency_ = transparency;
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (transparency.alphaBlend) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, transparency.alphaBlendValue, LWA_ALPHA);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      MoveWindow(Memo1.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_ACTIVATE:
      // Only the focus passing to another form of the program counts.
      if (LOWORD(wParam) == WA_INACTIVE && Form2 && reinterpret_cast<HWND>(lParam) == Form2->Handle()) {
        FormDeactivate();
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const RECT b = Bounds();
      Shaping.SetBounds({b.left, b.top, b.right - b.left, b.bottom - b.top});
      break;  // on to WM_SIZE
    }
    case WM_CLOSE:
      // The main form: closing it ends the program. The window itself goes once the
      // worker has ended (WaitForShaper).
      FormClose();
      App.Terminate();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}
