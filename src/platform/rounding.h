#pragma once

#include <cstdint>

// Round to nearest with ties to even (2.5 gives 2, 3.5 gives 4): the rounding
// of every computation that halves or scales (placement, centring, opacity).
std::int64_t RoundHalfEven(double value);
