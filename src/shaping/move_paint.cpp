#include "shaping/move_paint.h"

#include "overlay/display_text.h"
#include "overlay/form1.h"
#include "platform/app_error.h"
#include "platform/application.h"
#include "platform/cp1251.h"
#include "platform/file_system.h"
#include "platform/win_region.h"
#include "shaping/window_shape.h"
#include "shaping/zone_table.h"

namespace {

constexpr DWORD kPassInterval = 10;
constexpr DWORD kPauseAfterError = 5000;
constexpr wchar_t kErrorSeparator = L'\n';

std::wstring ErrorLineOf(const std::exception& error) {
  const auto* appError = dynamic_cast<const AppError*>(&error);
  return ErrorText(appError ? appError->ClassName() : "Exception", error.what(), kErrorSeparator, L"");
}

}  // namespace

MovePaint::MovePaint(TForm1& overlay, const ShapingState& state)
    : overlay_(overlay), state_(state), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

MovePaint::~MovePaint() {
  Terminate();
  if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
}

void MovePaint::Resume() {
  if (!thread_) thread_.reset(CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr));
}

void MovePaint::Terminate() { SetEvent(stop_.get()); }

DWORD WINAPI MovePaint::ThreadProc(void* self) {
  static_cast<MovePaint*>(self)->Execute();
  return 0;
}

void MovePaint::Pause(DWORD milliseconds) { WaitForSingleObject(stop_.get(), milliseconds); }

void MovePaint::Execute() {
  while (WaitForSingleObject(stop_.get(), 0) != WAIT_OBJECT_0) {
    try {
      Pass();
    } catch (const std::exception& error) {
      ErrorText = ErrorLineOf(error);
      try {
        App.Synchronize([this] { ShowError(); });
      } catch (...) {
        // Nothing more can be shown of it; the worker goes on.
      }
      Pause(kPauseAfterError);
    }
    Pause(kPassInterval);
  }
}

POINT MovePaint::CursorPos() const {
  POINT pointer;
  if (!GetCursorPos(&pointer)) throw AppError("EOSError", WideToUtf8(SystemErrorMessage(GetLastError())));
  return pointer;
}

void MovePaint::Pass() {
  ShapingState::Bounds bounds = state_.GetBounds();
  CursorX = CursorPos().x - bounds.left;
  CursorY = CursorPos().y - bounds.top;
  if (CursorX == LastCursorX && CursorY == LastCursorY) return;
  LastCursorX = CursorX;
  LastCursorY = CursorY;

  if (!state_.shiftDown) {
    CursorX = CursorPos().x - bounds.left;
    CursorY = CursorPos().y - bounds.top;
    HoleRadius = state_.holeRadius;
    const auto text = state_.onlyDigits ? state_.TextRegion() : nullptr;
    WindowRegion = HoleModeRegion(bounds.width, bounds.height, CursorX, CursorY, HoleRadius, text.get());
  } else {
    WindowRegion = MoveModeRegion(bounds.width, bounds.height);
    for (const CursorShape cursor : ZoneCursors(CursorX, CursorY, bounds.width, bounds.height)) {
      App.Synchronize([this, cursor] { overlay_.Memo1.SetCursor(cursor); });
    }
  }
  App.Synchronize([this] { ApplyRegion(); });
}

void MovePaint::ApplyRegion() {
  try {
    UniqueHrgn region = ToHrgn(WindowRegion);
    // Once the window has it, the region is the window system's.
    if (region && SetWindowRgn(overlay_.Handle(), region.get(), FALSE)) region.release();
  } catch (const std::exception& error) {
    ErrorText = ErrorLineOf(error);
    ShowError();
  }
}

void MovePaint::ShowError() { overlay_.Memo1.SetText(ErrorText + overlay_.Memo1.Text()); }
