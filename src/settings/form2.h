#pragma once

#include "platform/color.h"
#include "platform/control.h"
#include "platform/form.h"
#include "settings/font_spec.h"

#include <array>
#include <string>

// The choosers the dialog owns, with the values they hold between showings. Execute shows
// the system's chooser; true and the choice on OK, false and nothing changed on cancel.
struct FontDialog {
  FontSpec Font;
  bool Execute(HWND owner);
};
struct ColorDialog {
  TColor Color = clBlack;
  std::array<COLORREF, 16> customColors{};
  bool Execute(HWND owner);
};
struct OpenDialog {
  std::wstring FileName;
  bool Execute(HWND owner);
};

// The settings dialog. Its controls are the settings store: what a control shows is the
// setting in force, saved or not.
class TForm2 : public Form {
 public:
  TForm2();
  ~TForm2() override;

  // Components.
  EditBox Edit1;
  PushButton SpeedButton1;
  Label Label1;
  PushButton Button1;
  FontDialog FontDialog1;
  PushButton Button2;
  Label Label2;
  OpenDialog OpenDialog1;
  PushButton Button3;
  ColorDialog ColorDialog1;
  Label Label3;
  TrackBar TrackBar1;
  Label Label4;
  SpinEdit SpinEdit1;
  CheckBox CheckBox1;
  CheckBox CheckBox2;

  // Fields.
  bool FirstRun = false;

  void LoadSettings();
  // Throws the first refused write ("Unable to write to <path>"); the keys written
  // before it stay written.
  void SaveSettings();
  void ApplyTransparency();

  // Places the dialog over the overlay, loads the stored settings and shows it modally.
  // While the dialog is already up, only brings it to the front.
  void OpenSettingsDialog();
  // The greeting and the dialog, until the settings have been saved once.
  void FirstLaunchCheck();

  // Handlers.
  void Button1Click();
  void SpeedButton1Click();
  void Button2Click();
  void Button3Click();
  void FormClose();
  void TrackBar1Change();
  void CheckBox2Click();
  void SpinEdit1Change();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UniqueHfont font_;
  UniqueHfont creditFont_;
};

extern TForm2* Form2;
