// What the settings dialog does: opening, saving, the choosers, the first-launch greeting.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "overlay/form1.h"
#include "platform/app_error.h"
#include "platform/application.h"
#include "platform/cp1251.h"
#include "settings/dialog_placement.h"
#include "settings/form2.h"
#include "settings/settings_file.h"

namespace {

int TaskbarHeight() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT bounds;
  if (!taskbar || !GetWindowRect(taskbar, &bounds)) return 0;
  return bounds.bottom - bounds.top;
}

}  // namespace

void TForm2::OpenSettingsDialog() {
  if (Visible()) {
    // Already up (opened again from the tray): nothing the user typed is thrown away.
    SetForegroundWindow(Handle());
    return;
  }
  const DialogPosition at = PlaceDialog({Form1->Left(), Form1->Top(), Form1->Width(), Form1->Height(), Width(),
                                         Height(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                         TaskbarHeight()});
  SetWindowPos(Handle(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  LoadSettings();
  ShowModal();
}

void TForm2::FirstLaunchCheck() {
  if (!FirstRun) return;
  App.ShowMessageBox(Utf8ToWide("Приветствую тебя, о повелитель !\r\rЯ чуствую, что мой запуск на этом "
                                "компьютере производиться в первый раз.\rПрошу великодушно заполнить "
                                "параметры, чтоб я знал какие данные ты хочешь видеть на экране."),
                     Utf8ToWide("Первый запуск"), MB_OK | MB_ICONINFORMATION);
  OpenSettingsDialog();
}

void TForm2::Button1Click() {
  Form1->Memo1.SetFontSpec(FontDialog1.Font);
  Form1->SetColor(ColorDialog1.Color);
  Form1->Memo1.SetColor(ColorDialog1.Color);
  try {
    SaveSettings();
  } catch (const std::exception& error) {
    // Not saved: the user is told, and the dialog stays open with what was entered.
    App.ShowMessageBox(Utf8ToWide(error.what()), App.Title(), MB_OK | MB_ICONERROR);
    return;
  }
  Close();
}

void TForm2::SpeedButton1Click() {
  OpenDialog1.FileName = Edit1.Text();
  if (OpenDialog1.Execute(Handle())) Edit1.SetText(OpenDialog1.FileName);
}

void TForm2::Button2Click() {
  FontDialog1.Font = Form1->Memo1.Font();
  FontDialog1.Execute(Handle());
}

void TForm2::Button3Click() {
  ColorDialog1.Color = Form1->Memo1.Color();
  ColorDialog1.Execute(Handle());
}

void TForm2::FormClose() {
  SettingsFile settings;
  Edit1.SetText(DecodeCp1251(settings.Ini().ReadString(key::Path)));
}

bool OpenDialog::Execute(HWND owner) {
  std::wstring buffer = FileName;
  buffer.resize(std::max<std::size_t>(buffer.size() + 1, 32768), L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;  // the file need not exist
  if (!GetOpenFileNameW(&dialog)) return false;
  FileName = buffer.c_str();
  return true;
}

bool FontDialog::Execute(HWND owner) {
  LOGFONTW logFont = LogFontFor(Font);
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &logFont;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = ColorToRgb(Font.color);
  if (!ChooseFontW(&dialog)) return false;
  Font.SetName(logFont.lfFaceName);
  Font.charset = logFont.lfCharSet;
  Font.size = dialog.iPointSize / 10;
  Font.color = static_cast<TColor>(dialog.rgbColors);
  Font.bold = logFont.lfWeight >= FW_BOLD;
  Font.italic = logFont.lfItalic != 0;
  Font.underline = logFont.lfUnderline != 0;
  Font.strikeOut = logFont.lfStrikeOut != 0;
  return true;
}

bool ColorDialog::Execute(HWND owner) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = ColorToRgb(Color);  // a system colour starts as what it shows
  dialog.lpCustColors = customColors.data();
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return false;
  Color = static_cast<TColor>(dialog.rgbResult);
  return true;
}
