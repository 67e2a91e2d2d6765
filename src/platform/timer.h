#pragma once

#include <windows.h>

#include <functional>

// A timer whose ticks arrive on the main thread, in every message loop. Switching it
// off cancels the pending tick; switching it on starts a full interval from that moment.
class Timer {
 public:
  Timer(UINT interval, std::function<void()> onTimer);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // While the timer is off, only recorded.
  void SetInterval(UINT interval);

  // One tick: the handler, with its errors sent to the application's report.
  void Fire();

 private:
  UINT interval_;
  std::function<void()> onTimer_;
  bool enabled_ = false;
  UINT_PTR id_;
};
