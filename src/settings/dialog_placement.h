#pragma once

// Where the settings dialog goes: centred on the overlay (halves rounded to even), pulled
// back from the screen's right edge, and, when it would reach below the screen less the
// taskbar, with its bottom edge on the overlay's bottom edge. Outer sizes in pixels.
struct DialogPlacement {
  int overlayLeft, overlayTop, overlayWidth, overlayHeight;
  int dialogWidth, dialogHeight;
  int screenWidth, screenHeight;
  int taskbarHeight;  // 0 without a taskbar; its full height wherever it is docked
};

struct DialogPosition {
  int left;
  int top;
  bool operator==(const DialogPosition&) const = default;
};

DialogPosition PlaceDialog(const DialogPlacement& p);
