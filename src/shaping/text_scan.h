#pragma once

#include <cstdint>

#include "shaping/region.h"

// The background pixels of a painted display: every run of pixels in a row whose colour
// is the background colour, whole. Pixels are 32-bit, row after row, top row first; only
// their low 24 bits count, compared with the background in the same layout.
Region BackgroundRegion(const std::uint32_t* pixels, int width, int height, std::uint32_t background);
