#pragma once

#include <cstdint>

// The display's cursor shapes, by their design values.
enum class CursorShape : std::int16_t {
  SizeNESW = -6,
  SizeNS = -7,
  SizeNWSE = -8,
  SizeWE = -9,
  SizeAll = -22,
};
