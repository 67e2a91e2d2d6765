#include "platform/rounding.h"

#include <gtest/gtest.h>

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  const struct {
    double value;
    std::int64_t rounded;
  } cases[] = {
      {2.5, 2},   {3.5, 4},   {0.5, 0},   {1.5, 2},   {-0.5, 0},  {-1.5, -2},
      {-2.5, -2}, {412.0, 412}, {334.5, 334}, {335.5, 336}, {76.5, 76}, {178.5, 178},
      {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {0.0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}
