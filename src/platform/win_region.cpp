#include "platform/win_region.h"

#include <vector>

namespace {

using Bands = std::vector<Region::Band>;

UniqueHrgn CreateFromRects(Bands::const_iterator first, Bands::const_iterator last) {
  std::size_t count = 0;
  for (auto band = first; band != last; ++band) count += band->spans.size();
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  std::size_t i = 0;
  for (auto band = first; band != last; ++band) {
    for (const auto& span : band->spans) {
      rects[i] = RECT{span.left, band->top, span.right, band->bottom};
      if (i == 0) {
        bounds = rects[0];
      } else {
        UnionRect(&bounds, &bounds, &rects[i]);
      }
      ++i;
    }
  }
  data->rdh.rcBound = bounds;
  return UniqueHrgn(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

// Some systems (Wine) unite the rectangles of ExtCreateRegion one at a time, which takes
// time growing with the square of their number: many rectangles are made in halves,
// united as a tree.
constexpr std::size_t kRectsInOneCall = 16;

UniqueHrgn CreateFromBands(Bands::const_iterator first, Bands::const_iterator last, std::size_t rects) {
  if (rects <= kRectsInOneCall || last - first < 2) return CreateFromRects(first, last);
  const auto middle = first + (last - first) / 2;
  std::size_t firstRects = 0;
  for (auto band = first; band != middle; ++band) firstRects += band->spans.size();
  UniqueHrgn upper = CreateFromBands(first, middle, firstRects);
  UniqueHrgn lower = CreateFromBands(middle, last, rects - firstRects);
  if (!upper || !lower) return UniqueHrgn();
  CombineRgn(upper.get(), upper.get(), lower.get(), RGN_OR);
  return upper;
}

}  // namespace

UniqueHrgn ToHrgn(const Region& region) {
  return CreateFromBands(region.Bands().begin(), region.Bands().end(), region.RectCount());
}

Region FromHrgn(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(size);
  if (size == 0 || !GetRegionData(region, size, reinterpret_cast<RGNDATA*>(buffer.data()))) return Region();
  const auto* data = reinterpret_cast<const RGNDATA*>(buffer.data());
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  // The system keeps its regions y-x banded too: rectangles of one band share top and bottom.
  Region::Builder builder;
  std::vector<Region::Span> spans;
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    spans.push_back({rects[i].left, rects[i].right});
    const bool bandEnds = i + 1 == data->rdh.nCount || rects[i + 1].top != rects[i].top;
    if (bandEnds) {
      builder.AddBand(rects[i].top, rects[i].bottom, spans);
      spans.clear();
    }
  }
  return builder.Build();
}
