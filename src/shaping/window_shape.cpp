#include "shaping/window_shape.h"

Region HoleModeRegion(int width, int height, int cursorX, int cursorY, int radius,
                      const Region* textRegion) {
  Region region = Region::Rect(1, 1, width - 1, height - 1)
                      .Difference(Region::Ellipse(cursorX - radius, cursorY - radius, cursorX + radius,
                                                  cursorY + radius));
  if (textRegion) region = region.Difference(*textRegion);
  return region;
}

Region MoveModeRegion(int width, int height) { return Region::Rect(0, 0, width - 1, height - 1); }
