#include "platform/rounding.h"

#include <cmath>

std::int64_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto result = static_cast<std::int64_t>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}
