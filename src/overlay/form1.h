#pragma once

#include <array>
#include <cstdint>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "settings/transparency.h"

// The overlay: a borderless, top-most window whose whole client area is the text
// display Memo1, showing the monitored file.
class TForm1 : public Form {
 public:
  TForm1();
  ~TForm1() override;

  // Components.
  Timer Timer1{50, [this] { Timer1Timer(); }};
  Memo Memo1;
  Timer Timer2{20, [this] { Timer2Timer(); }};

  // Fields.
  bool FirstShow = false;
  std::array<std::uint8_t, 256> KeyState{};

  // The form's own colour: the default of the stored background colour.
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  // AlphaBlend and AlphaBlendValue: a layered window of constant opacity, or none.
  void SetTransparency(Transparency transparency);
  Transparency CurrentTransparency() const { return transparency_; }

  void SaveWindowPlacement();

  // Handlers.
  void FormCreate();
  void OnShow() override { FormShow(); }
  void FormShow();
  void FormClose();
  void FormDeactivate();
  void FormDestroy();
  void Timer1Timer();
  void Timer2Timer();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TColor color_ = clWindow;
  Transparency transparency_;
};

extern TForm1* Form1;
