// The once-a-second poll of the monitored file.
#include "overlay/form1.h"

#include "overlay/display_text.h"
#include "platform/app_error.h"
#include "platform/file_system.h"
#include "settings/form2.h"

namespace {

constexpr UINT kPollInterval = 1000;
constexpr wchar_t kPollErrorSeparator = L'\r';

}  // namespace

void TForm1::Timer1Timer() {
  Timer1.SetEnabled(false);
  Timer1.SetInterval(kPollInterval);
  try {
    const std::wstring path = Form2->Edit1.Text();
    bool changed = false;
    if (FileExists(path)) {
      changed = Memo1.SetText(DisplayTextOf(LoadFileBytes(path)));
      // Every load repaints the display, changed or not: what a window region newly
      // uncovers is drawn within the second.
      Memo1.Redraw();
    }
    if (changed && Form2->CheckBox2.Checked()) BuildTextRegion();
    // The tray icon is refreshed here.
    if (Form2->CheckBox1.Checked()) {
      SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
  } catch (const std::exception& error) {
    const auto* appError = dynamic_cast<const AppError*>(&error);
    const std::string className = appError ? appError->ClassName() : "Exception";
    try {
      Memo1.SetText(ErrorText(className, error.what(), kPollErrorSeparator, Memo1.Text()));
    } catch (...) {
      // The poll goes on whatever happens to its report.
    }
  }
  Timer1.SetEnabled(true);
}
