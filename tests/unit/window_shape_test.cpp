#include "shaping/window_shape.h"
#include "region_printer.h"

#include <gtest/gtest.h>

TEST(WindowShape, HoleModeIsTheInsetRectangleLessTheCircleAndTheText) {
  const Region inset = Region::Rect(1, 1, 573, 238);
  EXPECT_EQ(HoleModeRegion(574, 239, 100, 100, 0, nullptr), inset);    // radius 0: no hole
  EXPECT_EQ(HoleModeRegion(574, 239, 100, 100, -20, nullptr), inset);  // negative: no hole
  EXPECT_EQ(HoleModeRegion(574, 239, 100, 100, 20, nullptr),
            inset.Difference(Region::Ellipse(80, 80, 120, 120)));
  // A hole centred outside still cuts what of it lies inside.
  EXPECT_EQ(HoleModeRegion(574, 239, -10, 50, 20, nullptr),
            inset.Difference(Region::Ellipse(-30, 30, 10, 70)));
  EXPECT_FALSE(HoleModeRegion(574, 239, -10, 50, 20, nullptr).Contains(2, 50));

  const Region text = Region::Rect(10, 10, 50, 20);
  const Region shaped = HoleModeRegion(574, 239, 300, 100, 20, &text);
  EXPECT_FALSE(shaped.Contains(10, 10));
  EXPECT_TRUE(shaped.Contains(9, 10));
  for (int x : {0, 573}) EXPECT_FALSE(shaped.Contains(x, 100)) << "the frame column " << x;
  for (int y : {0, 238}) EXPECT_FALSE(shaped.Contains(300, y)) << "the frame row " << y;
}

TEST(WindowShape, MoveModeKeepsFirstRowAndColumnButNotTheLast) {
  const Region region = MoveModeRegion(574, 239);
  EXPECT_TRUE(region.Contains(0, 0));
  EXPECT_TRUE(region.Contains(572, 237));
  EXPECT_FALSE(region.Contains(573, 100));
  EXPECT_FALSE(region.Contains(100, 238));
  EXPECT_EQ(region.Area(), 573 * 238);
}
