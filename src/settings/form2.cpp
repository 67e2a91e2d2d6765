#include "settings/form2.h"

#include "overlay/form1.h"
#include "platform/cp1251.h"

TForm2* Form2 = nullptr;

namespace {

constexpr int kClientWidth = 498;
constexpr int kClientHeight = 152;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

RECT DesignBounds() {
  RECT bounds{441, 263, 441 + kClientWidth, 263 + kClientHeight};
  AdjustWindowRectEx(&bounds, kStyle, FALSE, kExStyle);
  return bounds;
}

FontSpec DialogFont() { return FontSpec{}; }

FontSpec CreditFont() {
  FontSpec font;
  font.name = L"Tahoma";
  return font;
}

std::wstring W(const char* utf8) { return Utf8ToWide(utf8); }

}  // namespace

TForm2::TForm2() {
  CreateHandle({L"TForm2", W("Настройки"), kStyle, kExStyle, DesignBounds()});
  HWND self = Handle();
  // Created in tab order: Edit1, Button1, Button2, Button3, TrackBar1, SpinEdit1, CheckBox1, CheckBox2.
  Label1.Create(self, W("Путь к файлу"), 0, 5, 67, 13);
  Edit1.Create(self, 70, 1, 396, 21);
  Edit1.SetText(L"Edit1");
  Button1.Create(self, W("Сохранить"), 416, 123, 75, 25);
  Button2.Create(self, W("Выбрать шрифт"), 3, 26, 240, 25);
  Button3.Create(self, W("Цвет фона"), 256, 26, 240, 25);
  Label3.Create(self, W("Прозрачность, %"), 8, 56, 86, 13);
  TrackBar1.Create(self, 8, 70, 489, 30, 0, 100, 100);
  TrackBar1.onChange = [this] { TrackBar1Change(); };
  Label4.Create(self, W("Размер \"сверла\""), 8, 112, 88, 13);
  SpinEdit1.Create(self, 104, 104, 57, 22, 20);
  SpinEdit1.onChange = [this] { SpinEdit1Change(); };
  SpinEdit1Change();
  CheckBox1.Create(self, W("Сверху игр и видео"), 200, 101, 129, 17);
  CheckBox2.Create(self, W("Только цифры"), 200, 116, 97, 17);
  CheckBox2.onClick = [this] { CheckBox2Click(); };
  SpeedButton1.Create(self, L"...", 475, 1, 23, 22, BS_FLAT);  // not a tab stop
  Button1.onClick = [this] { Button1Click(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Label2.Create(self, W("© 2026"), 0, 130, 67, 13);

  font_ = CreateFontFor(DialogFont());
  creditFont_ = CreateFontFor(CreditFont());
  for (Control* control : std::initializer_list<Control*>{&Label1, &Edit1, &Button1, &Button2, &Button3,
                                                         &Label3, &TrackBar1, &Label4, &SpinEdit1,
                                                         &CheckBox1, &CheckBox2, &SpeedButton1}) {
    control->SetFont(font_.get());
  }
  Label2.SetFont(creditFont_.get());
}

TForm2::~TForm2() { DestroyHandle(); }

void TForm2::TrackBar1Change() { ApplyTransparency(); }

void TForm2::CheckBox2Click() {
  Form1->Shaping.onlyDigits = CheckBox2.Checked();
  Form1->BuildTextRegion();
}

// The worker reads the radius from its own thread: it gets a copy of every change.
void TForm2::SpinEdit1Change() { Form1->Shaping.holeRadius = SpinEdit1.Value(); }

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    FormClose();
    Hide();
    return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}
