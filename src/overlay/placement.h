#pragma once

#include <cstdint>

// Where the overlay goes when the settings file does not say: centred on the primary
// display, the halving rounded half to even (582.5 gives 582).
std::int32_t DefaultLeft(int screenWidth, int width);
std::int32_t DefaultTop(int screenHeight, int height);
