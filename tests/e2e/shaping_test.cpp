// The window region the worker gives the overlay as the pointer moves.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "platform/cursor_shape.h"
#include "shaping/window_shape.h"
#include "support/overlay_fixture.h"

namespace {

constexpr int kLeft = 100, kTop = 100, kWidth = 300, kHeight = 150;

class ShapingTest : public OverlayTest {
 protected:
  // Starts the overlay and parks the pointer away from it: the worker's first passes may
  // come before the settings are loaded, and only a move of the pointer rebuilds.
  void StartAt(const std::string& moreMainLines) {
    WriteSettings("Left=" + std::to_string(kLeft) + "\r\nTop=" + std::to_string(kTop) + "\r\nWidth=" +
                  std::to_string(kWidth) + "\r\nHeigth=" + std::to_string(kHeight) + "\r\n" + moreMainLines);
    Start();
    MovePointer(0, 0);
  }
  // Moves the pointer to a place of the overlay, in its window coordinates.
  static void PointAt(int x, int y) { MovePointer(kLeft + x, kTop + y); }

  // Keeps the pointer moving by a pixel at the place, as a hand does, until the window has
  // the region: for changes the worker takes up at its next move (the Shift key).
  ::testing::AssertionResult MoveUntilRegion(int x, int y, const Region& expected) {
    int step = 0;
    if (WaitUntil([&] {
          PointAt(x + (++step % 2), y);
          return WindowRegionOf(overlay) == expected;
        })) {
      return ::testing::AssertionSuccess();
    }
    return WaitForRegion(overlay, expected, std::chrono::milliseconds(0));
  }
};

// The cursor the overlay's thread has set, read through its input state shared with ours.
HCURSOR OverlayCursor(HWND overlay) {
  const DWORD thread = GetWindowThreadProcessId(overlay, nullptr);
  AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
  const HCURSOR cursor = GetCursor();
  AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  return cursor;
}

}  // namespace

TEST_F(ShapingTest, HoleFollowsThePointer) {
  WriteQuotes("1.0925\n");
  StartAt("Hole=20\r\n");
  for (const POINT at : {POINT{100, 50}, POINT{150, 75}, POINT{0, 0}, POINT{299, 149}, POINT{-15, 60}}) {
    PointAt(at.x, at.y);
    EXPECT_TRUE(WaitForRegion(overlay, HoleModeRegion(kWidth, kHeight, at.x, at.y, 20, nullptr)))
        << "pointer at " << at.x << "," << at.y;
  }
  CloseAndWait();
}

TEST_F(ShapingTest, RadiusZeroOrNegativeCutsNoHole) {
  for (const char* radius : {"0", "-20", "0x0"}) {
    StartAt(std::string("Hole=") + radius + "\r\n");
    PointAt(120, 60);
    EXPECT_TRUE(WaitForRegion(overlay, Region::Rect(1, 1, kWidth - 1, kHeight - 1))) << radius;
    CloseAndWait();
  }
}

// A pointer that stays still gets no new region: one set from outside stays.
TEST_F(ShapingTest, StillPointerCausesNoFurtherRegion) {
  StartAt("Hole=20\r\n");
  PointAt(100, 50);
  ASSERT_TRUE(WaitForRegion(overlay, HoleModeRegion(kWidth, kHeight, 100, 50, 20, nullptr)));
  HRGN marker = CreateRectRgn(0, 0, 10, 10);
  ASSERT_TRUE(SetWindowRgn(overlay, marker, FALSE)) << "the region cannot be set from outside";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // thirty passes of the worker
  EXPECT_EQ(WindowRegionOf(overlay), Region::Rect(0, 0, 10, 10));
  PointAt(101, 50);
  EXPECT_TRUE(WaitForRegion(overlay, HoleModeRegion(kWidth, kHeight, 101, 50, 20, nullptr)));
  CloseAndWait();
}

// Shift is pressed with the pointer over the overlay, where the display delivers the key
// to it: under Wine the keyboard's state is what Wine's own windows are told. So no hole.
TEST_F(ShapingTest, ShiftGivesTheWholeWindowAndTheZonesCursor) {
  StartAt("Hole=0\r\n");
  const Region inset = Region::Rect(1, 1, kWidth - 1, kHeight - 1);
  PointAt(150, 75);
  ASSERT_TRUE(WaitForRegion(overlay, inset));
  PressShift(true);
  // Under Wine another process's cursors have handles of their own, and their pictures
  // cannot be read: each shape must come with one handle of its own, the same wherever
  // the shape is due. In each zone the pointer moves on, as a hand does, until the
  // cursor has settled (the cursor follows the moves after the one that changed the zone).
  const struct {
    int x, y;
    CursorShape shape;
  } zones[] = {
      {150, 76, CursorShape::SizeAll}, {150, 2, CursorShape::SizeNS},    {150, 147, CursorShape::SizeNS},
      {2, 75, CursorShape::SizeWE},    {297, 75, CursorShape::SizeWE},   {2, 2, CursorShape::SizeNWSE},
      {297, 147, CursorShape::SizeNWSE}, {2, 147, CursorShape::SizeNESW}, {297, 2, CursorShape::SizeNESW},
      {150, 75, CursorShape::SizeAll},
  };
  std::map<CursorShape, HCURSOR> handles;
  for (const auto& zone : zones) {
    EXPECT_TRUE(MoveUntilRegion(zone.x, zone.y, Region::Rect(0, 0, kWidth - 1, kHeight - 1)))
        << zone.x << "," << zone.y;
    HCURSOR seen = nullptr;
    int steady = 0;
    for (int step = 0; step < 60 && steady < 4; ++step) {
      PointAt(zone.x + (step % 2 ? (zone.x > 150 ? -1 : 1) : 0), zone.y);
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      const HCURSOR now = OverlayCursor(overlay);
      steady = now && now == seen ? steady + 1 : 0;
      seen = now;
    }
    ASSERT_EQ(steady, 4) << "the cursor at " << zone.x << "," << zone.y << " does not settle";
    const auto known = handles.find(zone.shape);
    if (known != handles.end()) {
      EXPECT_EQ(seen, known->second) << "cursor at " << zone.x << "," << zone.y;
      continue;
    }
    for (const auto& [shape, handle] : handles) {
      EXPECT_NE(seen, handle) << "cursor at " << zone.x << "," << zone.y << " is that of another shape";
    }
    handles[zone.shape] = seen;
  }
  EXPECT_EQ(handles.size(), 5u);
  PressShift(false);
  EXPECT_TRUE(MoveUntilRegion(150, 76, inset));
  CloseAndWait();
}

// With only digits on and an RGB background, the window keeps exactly the pixels of the
// text as the same overlay shows it without the mode.
TEST_F(ShapingTest, OnlyDigitsKeepsTheGlyphPixelsAndNoBackground) {
  const std::string look = "Color=8454143\r\nHole=0\r\n[Font]\r\nColor=255\r\nSize=14\r\nStyle_Bold=1\r\n";
  WriteQuotes("EUR/USD 1.0925\nGBP/USD 1.2710\n");

  StartAt(look);
  ASSERT_TRUE(WaitForDisplay(L"EUR/USD 1.0925\r\nGBP/USD 1.2710\r\n"));
  PointAt(250, 120);
  ASSERT_TRUE(WaitForRegion(overlay, Region::Rect(1, 1, kWidth - 1, kHeight - 1)));
  std::this_thread::sleep_for(std::chrono::milliseconds(1200));  // a tick repaints the display
  const std::vector<std::uint32_t> shown = ScreenPixels(RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight});
  CloseAndWait();

  constexpr std::uint32_t kBackground = 0xFFFF80;  // colour 8454143 (0x00BBGGRR) as the screen's 0x00RRGGBB
  Region::Builder glyphs;
  for (int y = 1; y < kHeight - 1; ++y) {
    std::vector<Region::Span> spans;
    for (int x = 1; x < kWidth - 1; ++x) {
      const std::uint32_t rgb = shown[static_cast<std::size_t>(y) * kWidth + x];
      if (rgb == kBackground) continue;
      if (!spans.empty() && spans.back().right == x) {
        spans.back().right = x + 1;
      } else {
        spans.push_back({x, x + 1});
      }
    }
    glyphs.AddRow(y, spans);
  }
  const Region text = glyphs.Build();
  ASSERT_GT(text.Area(), 500) << "the screenshot shows no text";

  StartAt(look.substr(0, look.find("[Font]")) + "Onlytext=1\r\n" + look.substr(look.find("[Font]")));
  ASSERT_TRUE(WaitForDisplay(L"EUR/USD 1.0925\r\nGBP/USD 1.2710\r\n"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  PointAt(251, 120);
  EXPECT_TRUE(WaitForRegion(overlay, text));
  CloseAndWait();
}
