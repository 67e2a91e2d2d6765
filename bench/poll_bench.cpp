// One poll tick on a 1 MB monitored file, unchanged and changed, timed in-process.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "overlay/display_text.h"
#include "overlay/form1.h"
#include "platform/application.h"
#include "settings/form2.h"

namespace {

std::string QuotesOfSize(std::size_t size, char variant) {
  std::string line = "EUR/USD 1.0925";
  line += variant;
  line += " 1.09270\r\n";
  std::string text;
  while (text.size() + line.size() <= size) text += line;
  return text;
}

void Write(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                        static_cast<std::streamsize>(bytes.size()));
}

template <typename Step>
double MillisecondsPerTick(int ticks, Step&& step) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < ticks; ++i) step(i);
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / ticks;
}

}  // namespace

int main() {
  App.Initialize(GetModuleHandleW(nullptr), L"bench");
  TForm1 form1;
  Form1 = &form1;
  TForm2 form2;
  Form2 = &form2;

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"poll_bench_quotes.txt";
  const std::string a = QuotesOfSize(1 << 20, '0');
  const std::string b = QuotesOfSize(1 << 20, '1');
  Write(path, a);
  form2.Edit1.SetText(path);
  form1.Timer1Timer();  // the first load

  constexpr int kTicks = 20;
  SendMessageW(form1.Memo1.Handle(), EM_SETMODIFY, TRUE, 0);
  const double unchanged = MillisecondsPerTick(kTicks, [&](int) { form1.Timer1Timer(); });
  const bool resetWhenUnchanged = SendMessageW(form1.Memo1.Handle(), EM_GETMODIFY, 0, 0) == 0;

  const double changed = MillisecondsPerTick(kTicks, [&](int i) {
    Write(path, i % 2 ? a : b);
    form1.Timer1Timer();
  });
  const double writeOnly = MillisecondsPerTick(kTicks, [&](int i) { Write(path, i % 2 ? a : b); });
  const std::wstring textA = DisplayTextOf(a);
  const std::wstring textB = DisplayTextOf(b);
  const double setTextOnly = MillisecondsPerTick(kTicks, [&](int i) {
    SetWindowTextW(form1.Memo1.Handle(), (i % 2 ? textA : textB).c_str());
  });

  std::printf("poll tick, 1 MB file, %d ticks each\n", kTicks);
  std::printf("  unchanged file: %8.2f ms per tick (display text set again: %s)\n", unchanged,
              resetWhenUnchanged ? "YES" : "no");
  std::printf("  changed file:   %8.2f ms per tick (of which rewriting the file: %.2f ms)\n", changed, writeOnly);
  std::printf("  for comparison, the system's edit control taking a new 1 MB text: %.2f ms\n", setTextOnly);
  DeleteFileW(path.c_str());
  return resetWhenUnchanged ? 1 : 0;
}
