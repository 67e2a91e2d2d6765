#pragma once

#include <cstdint>

// A colour as the settings file stores it: 0 or more is an explicit 0x00BBGGRR colour
// (pure red is 255); a negative value is a system colour, 0xFF000000 plus its index.
using TColor = std::int32_t;

inline constexpr TColor clWindow = static_cast<TColor>(0xFF000005u);
inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008u);
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);
inline constexpr TColor clBlack = 0;

inline bool IsSystemColor(TColor color) { return color < 0; }
// The system-colour index held in the low byte.
inline int SystemColorIndex(TColor color) { return color & 0xFF; }
