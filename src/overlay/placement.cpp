#include "overlay/placement.h"

#include "platform/rounding.h"

namespace {

std::int32_t Centred(int screen, int size) {
  return static_cast<std::int32_t>(RoundHalfEven((static_cast<double>(screen) - size) / 2));
}

}  // namespace

std::int32_t DefaultLeft(int screenWidth, int width) { return Centred(screenWidth, width); }
std::int32_t DefaultTop(int screenHeight, int height) { return Centred(screenHeight, height); }
