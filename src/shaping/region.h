#pragma once

#include <cstdint>
#include <vector>

// A set of pixels in window coordinates, kept as y-x banded rectangles: bands of rows
// from top to bottom, each with its spans of columns from left to right. The form is
// canonical (spans merged, equal neighbouring bands joined), so equal sets compare equal.
class Region {
 public:
  struct Span {
    int left;   // first column
    int right;  // one past the last
    bool operator==(const Span&) const = default;
  };
  struct Band {
    int top;     // first row
    int bottom;  // one past the last
    std::vector<Span> spans;
    bool operator==(const Band&) const = default;
  };

  Region() = default;  // empty

  // The pixels l <= x < r, t <= y < b; empty when r <= l or b <= t.
  static Region Rect(int left, int top, int right, int bottom);
  // The ellipse inscribed in the rectangle, less its right column and bottom row as the
  // system's elliptic regions have it; empty when r <= l or b <= t.
  static Region Ellipse(int left, int top, int right, int bottom);

  Region Union(const Region& other) const;
  Region Difference(const Region& other) const;

  bool IsEmpty() const { return bands_.empty(); }
  bool Contains(int x, int y) const;
  std::int64_t Area() const;
  const std::vector<Band>& Bands() const { return bands_; }
  std::size_t RectCount() const;

  bool operator==(const Region&) const = default;

  // Builds a region from rows given in increasing order, each with its spans sorted,
  // disjoint and not touching.
  class Builder {
   public:
    void AddRow(int y, const std::vector<Span>& spans) { AddBand(y, y + 1, spans); }
    void AddBand(int top, int bottom, const std::vector<Span>& spans);
    Region Build() { return Region(std::move(bands_)); }

   private:
    std::vector<Band> bands_;
  };

 private:
  explicit Region(std::vector<Band> bands) : bands_(std::move(bands)) {}

  std::vector<Band> bands_;
};
