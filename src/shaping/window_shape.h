#pragma once

#include "shaping/region.h"

// The overlay's window region, as the worker builds it on every move of the pointer.

// Hole mode: the window less a one-pixel frame, less the circle of the radius around the
// pointer (none when the radius is 0 or less), less the text region when given.
Region HoleModeRegion(int width, int height, int cursorX, int cursorY, int radius,
                      const Region* textRegion);

// Move-and-resize mode: the whole window less its last column and last row.
Region MoveModeRegion(int width, int height);
