// Our region algebra against the system's own region functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <random>

#include "platform/unique_handle.h"
#include "platform/win_region.h"
#include "shaping/region.h"

namespace {

UniqueHrgn SystemRect(int l, int t, int r, int b) { return UniqueHrgn(CreateRectRgn(l, t, r, b)); }

void SystemCombine(HRGN into, HRGN other, int mode) { CombineRgn(into, into, other, mode); }

}  // namespace

TEST(RegionPeer, RectanglesUnionsAndDifferencesAreTheSystemsPixelSets) {
  std::mt19937 random(1211);
  std::uniform_int_distribution<int> coordinate(-50, 650);
  for (int round = 0; round < 200; ++round) {
    Region ours;
    UniqueHrgn system = SystemRect(0, 0, 0, 0);
    for (int step = 0; step < 8; ++step) {
      const int l = coordinate(random), t = coordinate(random), r = coordinate(random), b = coordinate(random);
      UniqueHrgn rect = SystemRect(l, t, r, b);
      // The system orders a rectangle's corners; ours is empty then.
      const Region ourRect = Region::Rect(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b));
      const bool subtract = random() % 3 == 0;
      ours = subtract ? ours.Difference(ourRect) : ours.Union(ourRect);
      SystemCombine(system.get(), rect.get(), subtract ? RGN_DIFF : RGN_OR);
      ASSERT_EQ(ours, FromHrgn(system.get())) << "round " << round << " step " << step;
    }
    // And our region made into a system one in one call is the same set.
    UniqueHrgn made = ToHrgn(ours);
    ASSERT_TRUE(made);
    EXPECT_TRUE(EqualRgn(made.get(), system.get())) << "round " << round;
  }
}

// The system's elliptic regions are its own rasterisation: the edge pixels may differ,
// never by more than the circle's outline. Prints how many differ.
TEST(RegionPeer, CirclesDifferFromTheSystemsAtMostOnTheirOutline) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> radiusOf(0, 200);
  std::uniform_int_distribution<int> centreOf(-100, 700);
  std::int64_t differing = 0;
  std::int64_t total = 0;
  int worst = 0;
  for (int round = 0; round < 150; ++round) {
    const int r = radiusOf(random), x = centreOf(random), y = centreOf(random);
    const Region ours = Region::Ellipse(x - r, y - r, x + r, y + r);
    UniqueHrgn system(CreateEllipticRgn(x - r, y - r, x + r, y + r));
    const Region theirs = r > 0 ? FromHrgn(system.get()) : Region();  // radius 0: no hole at all
    const std::int64_t off = ours.Difference(theirs).Area() + theirs.Difference(ours).Area();
    const std::int64_t outline = 8 * static_cast<std::int64_t>(r) + 4;
    EXPECT_LE(off, outline) << "radius " << r << " at " << x << "," << y;
    differing += off;
    total += theirs.Area();
    worst = std::max(worst, static_cast<int>(off));

    // Within a window, as the worker uses it: the inset rectangle less the circle.
    const Region window = Region::Rect(1, 1, 573, 238);
    UniqueHrgn systemWindow = SystemRect(1, 1, 573, 238);
    if (r > 0) SystemCombine(systemWindow.get(), system.get(), RGN_DIFF);
    const Region shaped = window.Difference(ours);
    const Region systemShaped = FromHrgn(systemWindow.get());
    EXPECT_LE(shaped.Difference(systemShaped).Area() + systemShaped.Difference(shaped).Area(), outline);
  }
  std::printf("circles: %lld of %lld pixels differ from the system's (worst circle: %d)\n",
              static_cast<long long>(differing), static_cast<long long>(total), worst);
}
