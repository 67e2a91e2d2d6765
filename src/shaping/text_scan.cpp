#include "shaping/text_scan.h"

#include <vector>

Region BackgroundRegion(const std::uint32_t* pixels, int width, int height, std::uint32_t background) {
  constexpr std::uint32_t kColourBits = 0x00FFFFFF;
  background &= kColourBits;
  Region::Builder builder;
  std::vector<Region::Span> spans;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
    spans.clear();
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & kColourBits) != background) ++x;
      const int start = x;
      while (x < width && (row[x] & kColourBits) == background) ++x;
      if (x > start) spans.push_back({start, x});
    }
    builder.AddRow(y, spans);
  }
  return builder.Build();
}
