#include "settings/dialog_placement.h"

#include <gtest/gtest.h>

TEST(DialogPlacement, CentredOnTheOverlayAndPulledBackFromTheEdges) {
  // The dialog is 504 x 174 outside; the screen 1024 x 768.
  const struct {
    const char* what;
    int left, top, width, height, taskbar;
    DialogPosition at;
  } cases[] = {
      {"centred", 300, 200, 574, 239, 0, {335, 232}},
      {"narrower overlay: -305 halves to -152", 400, 300, 199, 100, 0, {248, 263}},
      {"odd difference rounds to even", 0, 0, 505, 175, 0, {0, 0}},      // 0.5 -> 0
      {"odd difference rounds up to even", 0, 0, 507, 177, 0, {2, 2}},  // 1.5 -> 2
      {"past the right edge", 800, 100, 200, 100, 0, {520, 63}},
      {"past the left edge stays", -400, 100, 200, 100, 0, {-552, 63}},
      {"below the screen: bottom on the overlay's bottom", 300, 650, 200, 100, 0, {148, 576}},
      {"taller overlay moves the dialog down", 300, 550, 574, 300, 0, {335, 676}},
      {"the taskbar counts", 300, 600, 200, 100, 40, {148, 526}},
      {"without the taskbar it fits", 300, 600, 200, 100, 0, {148, 563}},
      {"a taskbar docked at the side: its full height", 300, 100, 200, 100, 768, {148, 26}},
  };
  for (const auto& c : cases) {
    const DialogPlacement p{c.left, c.top, c.width, c.height, 504, 174, 1024, 768, c.taskbar};
    EXPECT_EQ(PlaceDialog(p), c.at) << c.what;
  }
}
