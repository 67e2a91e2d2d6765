#include "shaping/text_scan.h"
#include "region_printer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kBackground = 0x00FFFF80;
constexpr std::uint32_t kText = 0x00000000;

// Rows drawn with B for background and T for text; one string a row.
Region Scan(const std::vector<std::string>& rows) {
  std::vector<std::uint32_t> pixels;
  for (const auto& row : rows) {
    for (char c : row) pixels.push_back(c == 'B' ? kBackground : kText);
  }
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  return BackgroundRegion(pixels.data(), width, static_cast<int>(rows.size()), kBackground);
}

Region Row(int y, std::vector<Region::Span> spans) {
  Region::Builder builder;
  builder.AddRow(y, spans);
  return builder.Build();
}

}  // namespace

TEST(TextScan, EveryBackgroundRunOfARowWhole) {
  const struct {
    const char* row;
    std::vector<Region::Span> background;
  } cases[] = {
      {"BBTTBBBTBB", {{0, 2}, {4, 7}, {8, 10}}},  // runs at the start, middle and end
      {"BBTT", {{0, 2}}},
      {"TBTBB", {{1, 2}, {3, 5}}},
      {"TTTT", {}},
      {"BBBB", {{0, 4}}},
      {"B", {{0, 1}}},
      {"T", {}},
      {"TB", {{1, 2}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Scan({c.row}), Row(0, c.background)) << c.row;
}

TEST(TextScan, RowsBuildBandsAndEmptyImagesGiveNothing) {
  const Region region = Scan({"BBB", "BTB", "BTB", "BBB"});
  EXPECT_EQ(region, Region::Rect(0, 0, 3, 4).Difference(Region::Rect(1, 1, 2, 3)));
  EXPECT_EQ(region.Bands().size(), 3u);
  EXPECT_TRUE(Scan({}).IsEmpty());                                  // height 0
  EXPECT_TRUE(BackgroundRegion(nullptr, 0, 5, kBackground).IsEmpty());  // width 0
}

TEST(TextScan, OnlyTheColourBitsCount) {
  const std::uint32_t pixels[] = {kBackground | 0xFF000000u, kText, kBackground};
  EXPECT_EQ(BackgroundRegion(pixels, 3, 1, kBackground), Row(0, {{0, 1}, {2, 3}}));
  EXPECT_EQ(BackgroundRegion(pixels, 3, 1, kBackground | 0xFF000000u), Row(0, {{0, 1}, {2, 3}}));
}
