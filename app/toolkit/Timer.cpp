#include "app/toolkit/Timer.h"

#include <wx/timer.h>

#include <algorithm>

// The wxTimer runs one-shot and is re-armed on each tick. That way a tick
// whose wxTimer was restarted or stopped after wx had already picked it for
// dispatch (wx's Unix scheduler collects every expired timer before it
// notifies any) is recognisable: the wxTimer is running again, or the
// TTimer is no longer enabled.
class TTimer::Clock : public wxTimer {
public:
  explicit Clock(TTimer& owner) : owner_(owner) {}

  void Notify() override {
    if (IsRunning() || !owner_.enabled_ || owner_.interval_ <= 0) return;
    StartOnce(owner_.schedule_.NextDelay(std::chrono::steady_clock::now(), owner_.interval_));
    // A copy, so that OnTimer may replace itself while it runs.
    const std::function<void()> handler = owner_.OnTimer;
    if (handler) handler();
  }

private:
  TTimer& owner_;
};

TTimer::TTimer(int intervalMs) : interval_(intervalMs) {}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) Restart();
}

void TTimer::Restart() {
  if (clock_) clock_->Stop();
  if (!enabled_ || interval_ <= 0) return;
  if (!clock_) clock_ = std::make_unique<Clock>(*this);
  schedule_.Start(std::chrono::steady_clock::now(), interval_);
  clock_->StartOnce(interval_);
}

void TickSchedule::Start(TimePoint now, int intervalMs) {
  due_ = now + std::chrono::milliseconds(intervalMs);
}

int TickSchedule::NextDelay(TimePoint now, int intervalMs) {
  const std::chrono::milliseconds interval(intervalMs > 0 ? intervalMs : 1);
  due_ += interval;
  if (due_ <= now) due_ += ((now - due_) / interval + 1) * interval;
  // Rounded up: a timer that fires early would show the previous second again.
  const auto delay = std::chrono::ceil<std::chrono::milliseconds>(due_ - now).count();
  return static_cast<int>(std::max<decltype(delay)>(delay, 1));
}
