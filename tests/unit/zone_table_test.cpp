#include "shaping/zone_table.h"

#include <gtest/gtest.h>

using enum CursorShape;

TEST(ZoneTable, PositionsInTheDesignSizeWindow) {
  const struct {
    int x, y;
    CursorShape cursor;
  } cases[] = {
      {0, 0, SizeNWSE},    {5, 5, SizeNWSE},   {6, 0, SizeNS},    {568, 5, SizeNS},
      {569, 3, SizeNESW},  {2, 100, SizeWE},   {571, 100, SizeWE}, {300, 100, SizeAll},
      {300, 236, SizeNS},  {0, 238, SizeNESW}, {573, 238, SizeNWSE}, {6, 6, SizeAll},
      {568, 233, SizeAll}, {569, 234, SizeNWSE}, {300, 234, SizeNS}, {5, 234, SizeNESW},
  };
  for (const auto& c : cases) {
    const auto cursors = ZoneCursors(c.x, c.y, 574, 239);
    ASSERT_EQ(cursors.size(), 1u) << c.x << "," << c.y << ": the zones do not overlap here";
    EXPECT_EQ(cursors.back(), c.cursor) << c.x << "," << c.y;
  }
}

TEST(ZoneTable, EveryPixelOfAnyWindowHasACursor) {
  for (int height : {1, 8, 10, 11, 12, 239}) {
    for (int width : {1, 8, 11, 12, 574}) {
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          ASSERT_FALSE(ZoneCursors(x, y, width, height).empty()) << width << "x" << height << " at " << x << "," << y;
        }
      }
    }
  }
}

// In a window 10 pixels or less high the bands overlap: every matching zone sets its
// cursor in turn, and the last one stays.
TEST(ZoneTable, OverlappingZonesInLowWindows) {
  EXPECT_EQ(ZoneCursors(2, 4, 574, 8), (std::vector<CursorShape>{SizeNWSE, SizeNESW}));
  EXPECT_EQ(ZoneCursors(300, 4, 574, 8), (std::vector<CursorShape>{SizeNS, SizeNS}));
  EXPECT_EQ(ZoneCursors(300, 6, 574, 8), (std::vector<CursorShape>{SizeNS}));
  EXPECT_EQ(ZoneCursors(572, 3, 574, 8), (std::vector<CursorShape>{SizeNESW, SizeNWSE}));
  // 11 pixels high: no row lies between the bands, so nothing is inside.
  for (int y = 0; y < 11; ++y) {
    for (const auto cursor : ZoneCursors(300, y, 574, 11)) EXPECT_NE(cursor, SizeAll) << y;
  }
  EXPECT_EQ(ZoneCursors(300, 5, 574, 12), (std::vector<CursorShape>{SizeNS}));
  EXPECT_EQ(ZoneCursors(300, 6, 574, 12), (std::vector<CursorShape>{SizeAll}));
}
