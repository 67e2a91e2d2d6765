#include "platform/timer.h"

#include "platform/application.h"

Timer::Timer(UINT interval, std::function<void()> onTimer)
    : interval_(interval), onTimer_(std::move(onTimer)), id_(App.AddTimer(this)) {}

Timer::~Timer() {
  SetEnabled(false);
  App.RemoveTimer(id_);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled) {
    SetTimer(App.Handle(), id_, interval_, nullptr);
  } else if (enabled_) {
    KillTimer(App.Handle(), id_);
  }
  enabled_ = enabled;
}

void Timer::SetInterval(UINT interval) {
  interval_ = interval;
  if (enabled_) SetEnabled(true);
}

void Timer::Fire() {
  if (enabled_) App.Guard(onTimer_);
}
