#pragma once

#include <ostream>

#include "shaping/region.h"

// Regions in test failures: their bands, "[top,bottom) x [left,right) ...".
inline void PrintTo(const Region& region, std::ostream* out) {
  *out << "{";
  for (const auto& band : region.Bands()) {
    *out << " [" << band.top << "," << band.bottom << ") x";
    for (const auto& span : band.spans) *out << " [" << span.left << "," << span.right << ")";
    *out << ";";
  }
  *out << " }";
}
