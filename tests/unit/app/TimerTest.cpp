// TTimer on a real wx event loop. wxBase's console loop is used, so no display
// is needed. The tests assert the order of events, never durations: timers
// are compared with plain one-shot wxTimer probes started at a known moment,
// and blocking sleeps make a countdown certainly run out.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/timer.h>

#include "app/toolkit/Timer.h"

namespace {

using Events = std::vector<std::string>;

class TimerTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { wx_ = new wxInitializer; }
  static void TearDownTestSuite() {
    delete wx_;
    wx_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(wx_->IsOk()); }

  // Runs the event loop until `count` events are recorded; false when it had
  // to be ended by the safety timeout instead.
  bool RunUntil(size_t count) {
    if (events_.size() >= count) return true;
    wxConsoleEventLoop loop;
    loop_ = &loop;
    quitAt_ = count;
    bool timedOut = false;
    wxTimer safety;
    safety.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      timedOut = true;
      loop.Exit();
    });
    safety.StartOnce(10000);
    loop.Run();
    loop_ = nullptr;
    return !timedOut;
  }

  void Record(const std::string& event) {
    events_.push_back(event);
    if (loop_ && events_.size() == quitAt_) loop_->Exit();
  }

  // A one-shot wxTimer that records `event`, independent of TTimer.
  void Probe(int ms, const std::string& event) {
    probes_.push_back(std::make_unique<wxTimer>());
    probes_.back()->Bind(wxEVT_TIMER, [this, event](wxTimerEvent&) { Record(event); });
    probes_.back()->StartOnce(ms);
  }

  static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  Events events_;

private:
  static wxInitializer* wx_;
  wxEventLoopBase* loop_ = nullptr;
  size_t quitAt_ = 0;
  std::vector<std::unique_ptr<wxTimer>> probes_;
};

wxInitializer* TimerTest::wx_ = nullptr;

TEST_F(TimerTest, NewTimerIsDisabledAndNeverFires) {
  TTimer fallback;
  EXPECT_FALSE(fallback.Enabled());
  EXPECT_EQ(fallback.Interval(), 1000);

  TTimer timer(10);
  timer.OnTimer = [&] { Record("timer"); };
  Probe(100, "probe");
  ASSERT_TRUE(RunUntil(1));
  EXPECT_EQ(events_, Events{"probe"});
}

TEST_F(TimerTest, FiresRepeatedlyWhileEnabled) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] { Record("tick " + std::to_string(++ticks)); };
  timer.SetEnabled(true);
  ASSERT_TRUE(RunUntil(5));
  EXPECT_EQ(events_, (Events{"tick 1", "tick 2", "tick 3", "tick 4", "tick 5"}));
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsCountdown) {
  TTimer timer(100);
  timer.OnTimer = [&] { Record("timer"); };
  timer.SetEnabled(true);
  Sleep(150);  // the countdown has run out
  timer.SetEnabled(true);
  Probe(50, "probe");
  // The overdue tick comes first; a restarted countdown would put it 100 ms
  // out, after the probe. (Its next tick, due at 200 ms, may come either side
  // of the probe.)
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_.front(), "timer");
}

TEST_F(TimerTest, DisablingAndEnablingStartsAFullCountdown) {
  TTimer timer(100);
  timer.OnTimer = [&] { Record("timer"); };
  timer.SetEnabled(true);
  Sleep(150);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  Probe(50, "probe");
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_, (Events{"probe", "timer"}));
}

TEST_F(TimerTest, SettingTheSameIntervalRestartsAnEnabledTimer) {
  TTimer timer(100);
  timer.OnTimer = [&] { Record("timer"); };
  timer.SetEnabled(true);
  Sleep(150);
  timer.SetInterval(100);
  Probe(50, "probe");
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_, (Events{"probe", "timer"}));
}

TEST_F(TimerTest, ANewIntervalTakesEffectAtOnce) {
  TTimer slower(100);
  slower.OnTimer = [&] { Record("slower"); };
  slower.SetEnabled(true);
  Sleep(150);
  slower.SetInterval(200);
  EXPECT_EQ(slower.Interval(), 200);

  TTimer faster(5000);
  faster.OnTimer = [&] {
    Record("faster");
    faster.SetEnabled(false);
  };
  faster.SetEnabled(true);
  faster.SetInterval(20);

  Probe(100, "probe");
  ASSERT_TRUE(RunUntil(3));
  EXPECT_EQ(events_, (Events{"faster", "probe", "slower"}));
}

TEST_F(TimerTest, IntervalSetWhileDisabledIsUsedWhenEnabled) {
  TTimer timer(5000);
  timer.OnTimer = [&] { Record("timer"); };
  timer.SetInterval(20);
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  Probe(1000, "probe");
  ASSERT_TRUE(RunUntil(1));
  EXPECT_EQ(events_, Events{"timer"});
}

TEST_F(TimerTest, IntervalZeroNeverFiresButStaysEnabled) {
  TTimer zero(0), negative(-5), stopped(10);
  zero.OnTimer = [&] { Record("zero"); };
  negative.OnTimer = [&] { Record("negative"); };
  stopped.OnTimer = [&] { Record("stopped"); };
  zero.SetEnabled(true);
  negative.SetEnabled(true);
  stopped.SetEnabled(true);
  Sleep(30);  // `stopped` is due, but loses its interval before the loop runs
  stopped.SetInterval(0);
  EXPECT_TRUE(zero.Enabled());
  EXPECT_TRUE(negative.Enabled());
  EXPECT_TRUE(stopped.Enabled());

  Probe(150, "probe");
  ASSERT_TRUE(RunUntil(1));
  EXPECT_EQ(events_, Events{"probe"});

  // Still enabled, so a usable interval makes it run again.
  stopped.SetInterval(10);
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_, (Events{"probe", "stopped"}));
}

TEST_F(TimerTest, DisablingInsideOnTimerStopsIt) {
  TTimer frame(10);
  frame.OnTimer = [&] {
    Record("frame");
    frame.SetEnabled(false);
  };
  frame.SetEnabled(true);
  Probe(200, "probe");
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_, (Events{"frame", "probe"}));
  EXPECT_FALSE(frame.Enabled());

  frame.SetEnabled(true);  // and it can be started again afterwards
  ASSERT_TRUE(RunUntil(3));
  EXPECT_EQ(events_.back(), "frame");
}

TEST_F(TimerTest, RestartingInsideOnTimerGivesAFullInterval) {
  TTimer timer(30);
  timer.OnTimer = [&] {
    Record("timer");
    timer.SetInterval(150);
    Probe(75, "probe");
  };
  timer.SetEnabled(true);
  ASSERT_TRUE(RunUntil(3));
  EXPECT_EQ(events_, (Events{"timer", "probe", "timer"}));
}

// Both timers are due when the loop gets control; the first one to run stops
// or restarts the other, whose pending tick must then not be delivered.
TEST_F(TimerTest, TickOfATimerStoppedByAnEarlierTickIsDropped) {
  TTimer victim(30), killer(20);
  victim.OnTimer = [&] { Record("victim"); };
  killer.OnTimer = [&] {
    Record("killer");
    killer.SetEnabled(false);
    victim.SetEnabled(false);
  };
  victim.SetEnabled(true);
  killer.SetEnabled(true);
  Sleep(60);
  Probe(100, "probe");
  ASSERT_TRUE(RunUntil(2));
  EXPECT_EQ(events_, (Events{"killer", "probe"}));
}

TEST_F(TimerTest, TickOfATimerRestartedByAnEarlierTickIsDropped) {
  TTimer victim(30), restarter(20);
  victim.OnTimer = [&] {
    Record("victim");
    victim.SetEnabled(false);
  };
  restarter.OnTimer = [&] {
    Record("restarter");
    restarter.SetEnabled(false);
    victim.SetEnabled(false);
    victim.SetEnabled(true);
    Probe(10, "probe");
  };
  victim.SetEnabled(true);
  restarter.SetEnabled(true);
  Sleep(60);
  ASSERT_TRUE(RunUntil(3));
  EXPECT_EQ(events_, (Events{"restarter", "probe", "victim"}));
}

}  // namespace

// Ticks handled late (a loaded machine) keep falling due on the steady clock's
// grid, so a clock showing whole seconds since its start steps by one each tick.
TEST(TickScheduleTest, LateTicksDoNotDriftAndTheSecondsNeverSkip) {
  using std::chrono::milliseconds;
  const TickSchedule::TimePoint start{std::chrono::seconds(100)};
  TickSchedule schedule;
  schedule.Start(start, 1000);
  TickSchedule::TimePoint now = schedule.Due();
  int shown = 0;
  for (int tick = 1; tick <= 120; ++tick) {
    // Each tick runs 40 ms after it fell due and takes 25 ms.
    now = schedule.Due() + milliseconds(40);
    const int seconds = static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(now - start).count());
    EXPECT_EQ(seconds, shown + 1) << "tick " << tick;
    shown = seconds;
    now += milliseconds(25);
    const int delay = schedule.NextDelay(now, 1000);
    EXPECT_EQ(delay, 1000 - 65) << "tick " << tick;
    EXPECT_EQ(schedule.Due(), start + milliseconds(1000 * (tick + 1)));
  }
}

TEST(TickScheduleTest, MissedTicksAreDroppedAndTheDelayIsNeverZero) {
  using std::chrono::milliseconds;
  const TickSchedule::TimePoint start{std::chrono::seconds(5)};
  TickSchedule schedule;
  schedule.Start(start, 10);
  // Held up for 3.5 intervals (an animation): the next tick is the next one
  // on the grid, not a burst of the missed ones.
  EXPECT_EQ(schedule.NextDelay(start + milliseconds(45), 10), 5);
  EXPECT_EQ(schedule.Due(), start + milliseconds(50));
  // Handled exactly on the next due time: a full interval, never 0.
  EXPECT_EQ(schedule.NextDelay(start + milliseconds(60), 10), 10);
  // A sub-millisecond remainder is rounded up, so the timer never fires early.
  EXPECT_EQ(schedule.NextDelay(start + milliseconds(80) - std::chrono::microseconds(300), 10), 1);
}
