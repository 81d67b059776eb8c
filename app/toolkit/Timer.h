#pragma once

#include <chrono>
#include <functional>
#include <memory>

// When the ticks of a repeating timer fall due: at start + k * interval on the
// steady clock, so a tick handled late does not push the later ones back (a
// timer re-armed for a full interval after each tick drifts, and a clock
// showing whole seconds then skips one now and then). Ticks missed entirely
// are dropped, not made up.
class TickSchedule {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  // The first tick falls due one interval after `now`.
  void Start(TimePoint now, int intervalMs);
  // Called when the tick that fell due is handled at `now`; the delay in
  // milliseconds (at least 1) until the next one.
  int NextDelay(TimePoint now, int intervalMs);
  TimePoint Due() const { return due_; }

 private:
  TimePoint due_{};
};

// A repeating timer that keeps its own Enabled and Interval state:
// - enabling an enabled timer changes nothing (the countdown goes on);
// - disabling and enabling again starts a full new countdown;
// - setting the interval of an enabled timer restarts it, even with the same value;
// - an interval of 0 or less never fires, though Enabled() still reports true.
// OnTimer runs from the event loop of the UI thread; it may disable the timer,
// change its interval or replace OnTimer, but must not destroy the timer (wx
// still uses it after the call). A new timer is disabled.
class TTimer {
public:
  explicit TTimer(int intervalMs = 1000);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetInterval(int ms);
  int Interval() const { return interval_; }

  std::function<void()> OnTimer;

private:
  class Clock;  // the wxTimer behind it, created on the first start

  void Restart();

  bool enabled_ = false;
  int interval_;
  TickSchedule schedule_;
  std::unique_ptr<Clock> clock_;
};
