#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "settings/transparency.h"
#include "shaping/move_paint.h"
#include "shaping/shaping_state.h"

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
  std::unique_ptr<MovePaint> Shaper;
  std::array<std::uint8_t, 256> KeyState{};
  // What the worker reads: the bounds, the Shift bit, the hole radius, only digits and
  // TextRegion, the background pixels of the display.
  ShapingState Shaping;

  // The form's own colour: the default of the stored background colour.
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  // AlphaBlend and AlphaBlendValue: a layered window of constant opacity, or none.
  void SetTransparency(Transparency transparency);
  Transparency CurrentTransparency() const { return transparency_; }

  void SaveWindowPlacement();
  void BuildTextRegion();
  // At exit: waits for the worker to end, serving its calls meanwhile.
  void WaitForShaper();

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
