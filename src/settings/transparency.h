#pragma once

#include <cstdint>

// The overlay's opacity as the window system takes it: 100 percent is drawn without
// blending; any other percent blends with Round(p * 255 / 100), ties to even.
struct Transparency {
  bool alphaBlend = false;
  std::uint8_t alphaBlendValue = 255;

  bool operator==(const Transparency&) const = default;
};

// The percent is the slider's position, 0 to 100; anything outside is clamped.
Transparency TransparencyFor(int percent);
