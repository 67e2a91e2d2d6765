#include "platform/win_region.h"

#include <vector>

UniqueHrgn ToHrgn(const Region& region) {
  const std::size_t count = region.RectCount();
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  std::size_t i = 0;
  for (const auto& band : region.Bands()) {
    for (const auto& span : band.spans) {
      rects[i++] = RECT{span.left, band.top, span.right, band.bottom};
      if (i == 1) {
        bounds = rects[0];
      } else {
        UnionRect(&bounds, &bounds, &rects[i - 1]);
      }
    }
  }
  data->rdh.rcBound = bounds;
  return UniqueHrgn(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
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
