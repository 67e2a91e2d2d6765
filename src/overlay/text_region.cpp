// The text-only region: the background pixels of the display, cut out of the window in
// only-digits mode.
#include "overlay/form1.h"

#include "platform/app_error.h"
#include "settings/form2.h"
#include "shaping/text_scan.h"

namespace {

// A COLORREF (0x00BBGGRR) as a 32-bit DIB pixel holds it (0x00RRGGBB).
std::uint32_t DibPixelOf(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

}  // namespace

void TForm1::BuildTextRegion() {
  Shaping.SetTextRegion(std::make_shared<const Region>(Region::Rect(0, 0, 1, 1)));
  if (!Form2->CheckBox2.Checked()) return;

  const int width = Width();
  const int height = Height();
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueHbitmap image(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueHdc dc(CreateCompatibleDC(nullptr));
  if (!image || !dc) throw AppError("EOutOfResources", "Out of system resources");
  {
    ScopedSelect selected(dc.get(), image.get());
    Memo1.PaintTo(dc.get());
    GdiFlush();
  }
  // A system colour is compared as the colour it is drawn with.
  const std::uint32_t background = DibPixelOf(ColorToRgb(Memo1.Color()));
  Shaping.SetTextRegion(std::make_shared<const Region>(
      BackgroundRegion(static_cast<const std::uint32_t*>(bits), width, height, background)));
}
