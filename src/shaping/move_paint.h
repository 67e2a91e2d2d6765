#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "shaping/region.h"
#include "shaping/shaping_state.h"

class TForm1;

// The shaping worker: every 10 ms it looks at the pointer and, when it has moved, gives
// the overlay a new window region: the hole around the pointer (less the text in
// only-digits mode), or with Shift the whole window and the move or resize cursor of the
// zone under the pointer. What it changes of the overlay, it changes on the main thread.
class MovePaint {
 public:
  // Created suspended: nothing runs until Resume.
  MovePaint(TForm1& overlay, const ShapingState& state);
  ~MovePaint();
  MovePaint(const MovePaint&) = delete;
  MovePaint& operator=(const MovePaint&) = delete;

  void Resume();
  // Asks the worker to stop after its current pass, without waiting.
  void Terminate();
  // The worker's thread, for waiting on it; null before Resume.
  HANDLE Thread() const { return thread_.get(); }

 private:
  static DWORD WINAPI ThreadProc(void* self);
  void Execute();
  void Pass();
  POINT CursorPos() const;
  void ApplyRegion();
  void ShowError();
  // Sleeps, waking early when asked to stop.
  void Pause(DWORD milliseconds);

  TForm1& overlay_;
  const ShapingState& state_;
  UniqueFile stop_;
  UniqueFile thread_;

  Region WindowRegion;
  int CursorX = 0;
  int CursorY = 0;
  int HoleRadius = 0;
  int LastCursorX = 0;
  int LastCursorY = 0;
  std::wstring ErrorText;
};
