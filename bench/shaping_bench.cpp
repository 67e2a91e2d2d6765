// The text-only region's scan and build against a reference that reads pixels one at a
// time with GetPixel and unites a rectangle per run with CombineRgn; and one hole-mode
// rebuild at the design size. Prints figures; judges nothing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/unique_handle.h"
#include "platform/win_region.h"
#include "shaping/text_scan.h"
#include "shaping/window_shape.h"

namespace {

constexpr COLORREF kBackground = RGB(0xFF, 0xFF, 0x80);
constexpr std::uint32_t kBackgroundPixel = 0xFFFF80;  // as a 32-bit DIB holds it

struct Image {
  UniqueHdc dc;
  UniqueHbitmap bitmap;
  HGDIOBJ old = nullptr;
  std::uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;
  ~Image() {
    if (dc) SelectObject(dc.get(), old);
  }
};

// A display full of quotes, as the overlay paints it.
void PaintQuotes(Image& image, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  image.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  image.dc.reset(CreateCompatibleDC(nullptr));
  image.old = SelectObject(image.dc.get(), image.bitmap.get());
  image.bits = static_cast<std::uint32_t*>(bits);
  image.width = width;
  image.height = height;

  UniqueHbrush brush(CreateSolidBrush(kBackground));
  RECT all{0, 0, width, height};
  FillRect(image.dc.get(), &all, brush.get());
  UniqueHfont font(CreateFontW(-19, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  HGDIOBJ oldFont = SelectObject(image.dc.get(), font.get());
  SetBkColor(image.dc.get(), kBackground);
  SetTextColor(image.dc.get(), RGB(255, 0, 0));
  const std::wstring line = L"EUR/USD 1.0925 1.0927   GBP/USD 1.2710 1.2712   USD/JPY 151.32 151.35   ";
  for (int y = 0; y < height; y += 22) {
    for (int x = 0; x < width; x += 700) TextOutW(image.dc.get(), x, y, line.c_str(), static_cast<int>(line.size()));
  }
  SelectObject(image.dc.get(), oldFont);
  GdiFlush();
}

// The reference: the region built as first designed, a pixel at a time, over the first
// rows of the image.
UniqueHrgn ReferenceBuild(const Image& image, int rows) {
  HDC dc = image.dc.get();
  const int w = image.width;
  auto pixel = [&](int x, int y) { return x < 0 || x >= w ? CLR_INVALID : GetPixel(dc, x, y); };
  UniqueHrgn acc(CreateRectRgn(0, 0, 1, 1));
  for (int y = 0; y < rows; ++y) {
    int a = 0;
    for (int x = 0; x <= w; ++x) {
      if (pixel(x, y) == kBackground && pixel(x - 1, y) != kBackground) a = x + 1;
      if (pixel(x, y) != kBackground && pixel(x - 1, y) == kBackground) {
        UniqueHrgn run(CreateRectRgn(a - 1, y, x - 1, y + 1));
        CombineRgn(acc.get(), acc.get(), run.get(), RGN_OR);
      }
    }
    if (a <= w) {
      UniqueHrgn rest(CreateRectRgn(a, y, w + 2, y + 1));
      CombineRgn(acc.get(), acc.get(), rest.get(), RGN_OR);
    }
  }
  return acc;
}

template <typename Work>
double Milliseconds(int repeats, Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) work();
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / repeats;
}

}  // namespace

int main() {
  std::printf("text-only region: scan of a painted display, and its region made for the window\n");
  std::printf("(scan: the pixels to our banded region; build: that and the window system's region\n"
              " made from it; reference: GetPixel and CombineRgn a run at a time, scaled from its first\n"
              " 240 rows on large images, which underestimates it: its cost grows faster than the rows)\n");
  std::printf("%12s %9s %10s %14s %12s %12s\n", "size", "scan ms", "build ms", "reference ms", "ref / scan",
              "ref / build");
  for (const SIZE size : {SIZE{574, 239}, SIZE{1920, 1080}, SIZE{3840, 2160}}) {
    Image image;
    PaintQuotes(image, size.cx, size.cy);
    std::size_t rects = 0;
    const double scan = Milliseconds(20, [&] {
      rects = BackgroundRegion(image.bits, image.width, image.height, kBackgroundPixel).RectCount();
    });
    const double build = Milliseconds(20, [&] {
      UniqueHrgn region = ToHrgn(BackgroundRegion(image.bits, image.width, image.height, kBackgroundPixel));
    });
    // The reference takes minutes on large images: it runs over at most 240 rows, and its
    // time is scaled to the whole image.
    const int rows = std::min<int>(size.cy, 240);
    const double reference =
        Milliseconds(1, [&] { UniqueHrgn region = ReferenceBuild(image, rows); }) * size.cy / rows;
    std::printf("%5ldx%-6ld %9.2f %10.2f %14.1f %11.0fx %11.0fx  (%zu rectangles)\n", size.cx, size.cy, scan,
                build, reference, reference / scan, reference / build, rects);
  }

  int x = 0;
  const double hole = Milliseconds(1000, [&] {
    x = (x + 7) % 574;
    UniqueHrgn region = ToHrgn(HoleModeRegion(574, 239, x, 120, 20, nullptr));
  });
  std::printf("hole-mode rebuild at 574x239, radius 20, as a window region: %.3f ms\n", hole);
  return 0;
}
