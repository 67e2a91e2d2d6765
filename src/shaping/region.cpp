#include "shaping/region.h"

#include <algorithm>
#include <cmath>

namespace {

using Span = Region::Span;
using Spans = std::vector<Span>;

// Combines two rows of spans; keep(inA, inB) says whether a column belongs to the result.
template <typename Keep>
Spans CombineSpans(const Spans& a, const Spans& b, Keep keep) {
  std::vector<int> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const Span& s : a) edges.insert(edges.end(), {s.left, s.right});
  for (const Span& s : b) edges.insert(edges.end(), {s.left, s.right});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  Spans result;
  std::size_t ia = 0;
  std::size_t ib = 0;
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const int from = edges[e];
    const int to = edges[e + 1];
    while (ia < a.size() && a[ia].right <= from) ++ia;
    while (ib < b.size() && b[ib].right <= from) ++ib;
    const bool inA = ia < a.size() && a[ia].left <= from;
    const bool inB = ib < b.size() && b[ib].left <= from;
    if (!keep(inA, inB)) continue;
    if (!result.empty() && result.back().right == from) {
      result.back().right = to;
    } else {
      result.push_back({from, to});
    }
  }
  return result;
}

const Spans kNoSpans;

// The spans of the region's band that covers row y, or none.
class BandCursor {
 public:
  explicit BandCursor(const std::vector<Region::Band>& bands) : bands_(bands) {}
  const Spans& At(int y) {
    while (index_ < bands_.size() && bands_[index_].bottom <= y) ++index_;
    if (index_ < bands_.size() && bands_[index_].top <= y) return bands_[index_].spans;
    return kNoSpans;
  }

 private:
  const std::vector<Region::Band>& bands_;
  std::size_t index_ = 0;
};

template <typename Keep>
Region Combine(const Region& a, const Region& b, Keep keep) {
  std::vector<int> rows;
  for (const Region* r : {&a, &b}) {
    for (const auto& band : r->Bands()) rows.insert(rows.end(), {band.top, band.bottom});
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

  Region::Builder builder;
  BandCursor inA(a.Bands());
  BandCursor inB(b.Bands());
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    builder.AddBand(rows[i], rows[i + 1], CombineSpans(inA.At(rows[i]), inB.At(rows[i]), keep));
  }
  return builder.Build();
}

}  // namespace

void Region::Builder::AddBand(int top, int bottom, const std::vector<Span>& spans) {
  if (spans.empty() || bottom <= top) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
    bands_.back().bottom = bottom;
  } else {
    bands_.push_back({top, bottom, spans});
  }
}

Region Region::Rect(int left, int top, int right, int bottom) {
  Builder builder;
  if (right > left) builder.AddBand(top, bottom, {{left, right}});
  return builder.Build();
}

Region Region::Ellipse(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return Region();
  // The system leaves out the bounding rectangle's right column and bottom row.
  const int width = right - left - 1;
  const int height = bottom - top - 1;
  if (width < 2 || height < 2) return Rect(left, top, left + width, top + height);

  const double a = width / 2.0;
  const double b = height / 2.0;
  Builder builder;
  for (int row = 0; row < height; ++row) {
    const double dy = (row + 0.5 - b) / b;
    const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    const int inset = static_cast<int>(std::lround(a - half));
    if (2 * inset < width) builder.AddRow(top + row, {{left + inset, left + width - inset}});
  }
  return builder.Build();
}

Region Region::Union(const Region& other) const {
  return Combine(*this, other, [](bool a, bool b) { return a || b; });
}

Region Region::Difference(const Region& other) const {
  return Combine(*this, other, [](bool a, bool b) { return a && !b; });
}

bool Region::Contains(int x, int y) const {
  for (const Band& band : bands_) {
    if (y < band.top || y >= band.bottom) continue;
    for (const Span& span : band.spans) {
      if (x >= span.left && x < span.right) return true;
    }
  }
  return false;
}

std::int64_t Region::Area() const {
  std::int64_t area = 0;
  for (const Band& band : bands_) {
    for (const Span& span : band.spans) {
      area += static_cast<std::int64_t>(span.right - span.left) * (band.bottom - band.top);
    }
  }
  return area;
}

std::size_t Region::RectCount() const {
  std::size_t count = 0;
  for (const Band& band : bands_) count += band.spans.size();
  return count;
}
