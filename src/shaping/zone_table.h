#pragma once

#include <vector>

#include "platform/cursor_shape.h"

// The move and resize zones of a window of the given size: the cursor of every zone that
// holds the position (window coordinates), in the table's order; the last one stays.
// The top and left bands are six pixels deep (0 to 5), the bottom and right five.
std::vector<CursorShape> ZoneCursors(int x, int y, int width, int height);
