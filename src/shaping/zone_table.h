#pragma once

#include <cstdint>
#include <vector>

// The display's cursor shapes, by their design values.
enum class CursorShape : std::int16_t {
  SizeNESW = -6,
  SizeNS = -7,
  SizeNWSE = -8,
  SizeWE = -9,
  SizeAll = -22,
};

// The move and resize zones of a window of the given size: the cursor of every zone that
// holds the position (window coordinates), in the table's order; the last one stays.
// The top and left bands are six pixels deep (0 to 5), the bottom and right five.
std::vector<CursorShape> ZoneCursors(int x, int y, int width, int height);
