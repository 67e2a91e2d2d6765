// Soak: the overlay with its shaping worker, in this process, while the pointer keeps
// moving over it for minutes (300 s unless the first argument says otherwise). Prints the
// memory, the system's GDI count and the program's own count of live handles at start and
// end; fails when the handles grew.
#include <windows.h>
#include <psapi.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "overlay/form1.h"
#include "platform/application.h"
#include "platform/timer.h"
#include "settings/form2.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "platform/win_byte_file.h"

namespace {

struct Figures {
  long handles;
  DWORD gdi;
  SIZE_T memory;
};

Figures Measure() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return {liveHandleCount.load(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), memory.WorkingSetSize};
}

void Print(const char* when, const Figures& f) {
  std::printf("%-6s live handles %ld, GDI objects (system) %lu, working set %zu KB\n", when, f.handles,
              static_cast<unsigned long>(f.gdi), f.memory / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 300;
  App.Initialize(GetModuleHandleW(nullptr), L"soak");
  {
    // The overlay at a known place, in only-digits mode, with a text to cut out.
    WinByteFile file(SettingsPathFor(App.ExeName()));
    IniFile ini(file);
    for (const auto& [key, value] : {std::pair{&key::First, 0}, {&key::Left, 100}, {&key::Top, 100},
                                     {&key::Width, 574}, {&key::Heigth, 239}, {&key::Onlytext, 1},
                                     {&key::Color, 0x80FFFF}}) {
      ini.WriteInteger(*key, value);
    }
  }
  TForm1 form1;
  Form1 = &form1;
  TForm2 form2;
  Form2 = &form2;
  form1.Show();
  form1.Memo1.SetText(L"EUR/USD 1.0925\nGBP/USD 1.2710\n");
  form1.BuildTextRegion();

  const Figures start = Measure();
  Print("start", start);
  const DWORD begin = GetTickCount();
  int step = 0;
  Timer mover(5, [&] {
    const double t = ++step * 0.05;
    SetCursorPos(100 + 287 + static_cast<int>(260 * std::cos(t)), 100 + 120 + static_cast<int>(110 * std::sin(1.3 * t)));
    if (GetTickCount() - begin > static_cast<DWORD>(seconds) * 1000) form1.Close();
  });
  mover.SetEnabled(true);
  App.Run();
  mover.SetEnabled(false);
  form1.WaitForShaper();
  const Figures end = Measure();
  Print("end", end);
  std::printf("%d pointer moves in %d s\n", step, seconds);
  // A handful of handles may come and go with the last pass; a leak grows with the moves.
  return end.handles - start.handles > 8 ? 1 : 0;
}
