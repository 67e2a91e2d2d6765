#include "settings/transparency.h"

#include <gtest/gtest.h>

TEST(Transparency, PercentMapsToBlendAndValue) {
  const struct {
    int percent;
    Transparency expected;
  } cases[] = {
      {100, {false, 255}}, {0, {true, 0}},    {1, {true, 3}},    {10, {true, 26}},
      {30, {true, 76}},    {50, {true, 128}}, {70, {true, 178}}, {90, {true, 230}},
      {99, {true, 252}},
  };
  for (const auto& c : cases) EXPECT_EQ(TransparencyFor(c.percent), c.expected) << c.percent;
}

TEST(Transparency, PositionsOutsideTheSliderAreClamped) {
  EXPECT_EQ(TransparencyFor(150), (Transparency{false, 255}));
  EXPECT_EQ(TransparencyFor(-5), (Transparency{true, 0}));
}
