#include "settings/transparency.h"

#include <algorithm>

#include "platform/rounding.h"

Transparency TransparencyFor(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == 100) return {false, 255};
  return {true, static_cast<std::uint8_t>(RoundHalfEven(percent * 255 / 100.0))};
}
