#include "shaping/zone_table.h"

namespace {

enum class Band { Start, Middle, End };

// Whether a coordinate lies in the band, along a side of the given length.
bool In(Band band, int v, int length) {
  switch (band) {
    case Band::Start: return v <= 5;
    case Band::End: return v >= length - 5;
    case Band::Middle: return v > 5 && v < length - 5;
  }
  return false;
}

struct Zone {
  Band rows;
  Band columns;
  CursorShape cursor;
};

constexpr Zone kZones[] = {
    {Band::Start, Band::Middle, CursorShape::SizeNS},   // top edge
    {Band::End, Band::Middle, CursorShape::SizeNS},     // bottom edge
    {Band::Middle, Band::Start, CursorShape::SizeWE},   // left edge
    {Band::Middle, Band::End, CursorShape::SizeWE},     // right edge
    {Band::Middle, Band::Middle, CursorShape::SizeAll}, // inside
    {Band::Start, Band::Start, CursorShape::SizeNWSE},  // top-left corner
    {Band::End, Band::Start, CursorShape::SizeNESW},    // bottom-left corner
    {Band::Start, Band::End, CursorShape::SizeNESW},    // top-right corner
    {Band::End, Band::End, CursorShape::SizeNWSE},      // bottom-right corner
};

}  // namespace

std::vector<CursorShape> ZoneCursors(int x, int y, int width, int height) {
  std::vector<CursorShape> cursors;
  for (const Zone& zone : kZones) {
    if (In(zone.rows, y, height) && In(zone.columns, x, width)) cursors.push_back(zone.cursor);
  }
  return cursors;
}
