#pragma once

#include "platform/color.h"
#include "platform/control.h"
#include "platform/form.h"
#include "settings/font_spec.h"

// The choosers the dialog owns, with the values they hold between showings.
struct FontDialog {
  FontSpec Font;
};
struct ColorDialog {
  TColor Color = clBlack;
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
  void SaveSettings();
  void ApplyTransparency();

  // Handlers.
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
