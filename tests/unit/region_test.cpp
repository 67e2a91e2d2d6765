#include "shaping/region.h"
#include "region_printer.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels RectPixels(int l, int t, int r, int b) {
  Pixels pixels;
  for (int y = t; y < b; ++y) {
    for (int x = l; x < r; ++x) pixels.insert({x, y});
  }
  return pixels;
}

Pixels PixelsOf(const Region& region) {
  Pixels pixels;
  for (const auto& band : region.Bands()) {
    for (int y = band.top; y < band.bottom; ++y) {
      for (const auto& span : band.spans) {
        for (int x = span.left; x < span.right; ++x) pixels.insert({x, y});
      }
    }
  }
  return pixels;
}

// The canonical form: bands in order and apart or different, spans in order, apart.
void ExpectCanonical(const Region& region) {
  const auto& bands = region.Bands();
  for (std::size_t i = 0; i < bands.size(); ++i) {
    ASSERT_LT(bands[i].top, bands[i].bottom);
    ASSERT_FALSE(bands[i].spans.empty());
    for (std::size_t s = 0; s < bands[i].spans.size(); ++s) {
      ASSERT_LT(bands[i].spans[s].left, bands[i].spans[s].right);
      if (s > 0) {
        ASSERT_LT(bands[i].spans[s - 1].right, bands[i].spans[s].left);
      }
    }
    if (i > 0) {
      ASSERT_LE(bands[i - 1].bottom, bands[i].top);
      ASSERT_FALSE(bands[i - 1].bottom == bands[i].top && bands[i - 1].spans == bands[i].spans);
    }
  }
}

}  // namespace

TEST(Region, RectanglesExcludeRightAndBottomAndMayBeEmpty) {
  const struct {
    int l, t, r, b;
  } cases[] = {{0, 0, 3, 2}, {-5, -5, -2, 0}, {1, 1, 1, 5}, {4, 1, 2, 5}, {1, 3, 5, 3}, {0, 0, 1, 1}};
  for (const auto& c : cases) {
    const Region region = Region::Rect(c.l, c.t, c.r, c.b);
    EXPECT_EQ(PixelsOf(region), RectPixels(c.l, c.t, c.r, c.b));
    EXPECT_EQ(region.IsEmpty(), c.r <= c.l || c.b <= c.t);
  }
}

TEST(Region, UnionsAndDifferencesOfHandMadeSets) {
  const Region a = Region::Rect(0, 0, 4, 4);
  const Region b = Region::Rect(2, 2, 6, 6);
  Pixels both = RectPixels(0, 0, 4, 4);
  for (auto p : RectPixels(2, 2, 6, 6)) both.insert(p);
  EXPECT_EQ(PixelsOf(a.Union(b)), both);

  Pixels aLessB = RectPixels(0, 0, 4, 4);
  for (auto p : RectPixels(2, 2, 6, 6)) aLessB.erase(p);
  EXPECT_EQ(PixelsOf(a.Difference(b)), aLessB);
  EXPECT_EQ(a.Difference(b).Area(), 12);

  // A hole in the middle leaves a frame of three bands.
  const Region frame = Region::Rect(0, 0, 5, 5).Difference(Region::Rect(1, 1, 4, 4));
  EXPECT_EQ(frame.Bands().size(), 3u);
  EXPECT_EQ(frame.Area(), 16);
  EXPECT_TRUE(frame.Contains(0, 2));
  EXPECT_FALSE(frame.Contains(2, 2));

  EXPECT_TRUE(a.Difference(a).IsEmpty());
  EXPECT_EQ(a.Union(Region()), a);
  EXPECT_EQ(a.Difference(Region()), a);
  EXPECT_TRUE(Region().Difference(a).IsEmpty());
  EXPECT_EQ(a.Difference(Region::Rect(10, 10, 20, 20)), a);  // apart: nothing taken
}

TEST(Region, EqualSetsCompareEqualWhateverTheirMaking) {
  const Region whole = Region::Rect(0, 0, 6, 4);
  EXPECT_EQ(Region::Rect(0, 0, 3, 4).Union(Region::Rect(3, 0, 6, 4)), whole);   // side by side
  EXPECT_EQ(Region::Rect(0, 0, 6, 1).Union(Region::Rect(0, 1, 6, 4)), whole);   // one above the other
  EXPECT_EQ(whole.Difference(Region::Rect(2, 1, 4, 3)).Union(Region::Rect(2, 1, 4, 3)), whole);
  EXPECT_NE(whole, Region::Rect(0, 0, 6, 5));
}

// Random rectangles, united and subtracted, against a plain set of pixels.
TEST(Region, RandomOperationsAgreeWithPixelSets) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> coordinate(-4, 24);
  for (int round = 0; round < 300; ++round) {
    Region region;
    Pixels pixels;
    for (int step = 0; step < 6; ++step) {
      const int l = coordinate(random), t = coordinate(random), r = coordinate(random), b = coordinate(random);
      const Pixels rect = RectPixels(l, t, r, b);
      if (random() % 3 == 0) {
        region = region.Difference(Region::Rect(l, t, r, b));
        for (auto p : rect) pixels.erase(p);
      } else {
        region = region.Union(Region::Rect(l, t, r, b));
        pixels.insert(rect.begin(), rect.end());
      }
      ASSERT_NO_FATAL_FAILURE(ExpectCanonical(region));
      ASSERT_EQ(PixelsOf(region), pixels) << "round " << round << " step " << step;
    }
  }
}

TEST(Region, EllipseIsSymmetricInsideItsBoxAndRound) {
  const Region circle = Region::Ellipse(0, 0, 41, 41);  // a circle of diameter 40 pixels
  for (int y = 0; y < 42; ++y) {
    for (int x = 0; x < 42; ++x) {
      const bool in = circle.Contains(x, y);
      EXPECT_EQ(in, circle.Contains(39 - x, y)) << x << "," << y;  // mirror images
      EXPECT_EQ(in, circle.Contains(x, 39 - y)) << x << "," << y;
      EXPECT_EQ(in, circle.Contains(y, x)) << x << "," << y;
      const double dx = x + 0.5 - 20, dy = y + 0.5 - 20;
      const double distance = dx * dx + dy * dy;
      EXPECT_FALSE(in && (x >= 40 || y >= 40)) << "right column and bottom row are left out";
      EXPECT_FALSE(!in && distance < 19 * 19) << x << "," << y << " well inside";
      EXPECT_FALSE(in && distance > 21 * 21) << x << "," << y << " well outside";
    }
  }
  EXPECT_NEAR(static_cast<double>(circle.Area()), 3.14159 * 20 * 20, 40);
}

TEST(Region, DegenerateEllipses) {
  EXPECT_TRUE(Region::Ellipse(5, 5, 5, 5).IsEmpty());    // radius 0
  EXPECT_TRUE(Region::Ellipse(5, 5, 3, 3).IsEmpty());    // negative radius
  EXPECT_TRUE(Region::Ellipse(5, 5, 6, 6).IsEmpty());    // nothing left without the last column
  EXPECT_EQ(Region::Ellipse(4, 4, 6, 6), Region::Rect(4, 4, 5, 5));  // radius 1: one pixel
  EXPECT_EQ(Region::Ellipse(0, 0, 2, 10), Region::Rect(0, 0, 1, 9));  // too thin to round
}
