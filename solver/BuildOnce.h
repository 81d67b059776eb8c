// Tables a solver builds at its first use, once for the whole run, on the
// thread of the search that first needs them. A build looks at that
// search's cancel flag as it goes and is abandoned once it is set: nothing
// half-built is kept, and the next search that needs the table builds it
// whole again. A search that finds another one building waits for it, yet
// still minds its own flag, and takes the build over if the other gives up.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace solver::tables {

// Thrown out of a build that saw its cancel flag set; Once::Get catches it.
struct Abandoned {};

// Counts a build's steps and looks at the cancel flag every few thousand,
// which keeps the look out of the way of the work yet stops a build within
// a few milliseconds.
class Abandon {
 public:
  explicit Abandon(const std::atomic<bool>& Cancel) : cancel_(Cancel) {}
  // One step (Weight for a heavy one); throws Abandoned once the flag is seen set.
  void operator()(long Weight = 1) {
    if ((steps_ += Weight) >= next_) Look();
  }
  // Looks now.
  void Look();

 private:
  static constexpr long kStride = 4096;
  const std::atomic<bool>& cancel_;
  long steps_ = 0, next_ = 0, looks_ = 0;
};

class OnceBase {
 public:
  OnceBase(const OnceBase&) = delete;
  OnceBase& operator=(const OnceBase&) = delete;
  // Drops what was built; only while no search runs.
  virtual void Forget() = 0;

 protected:
  OnceBase();  // known to ForgetAll from then on
  ~OnceBase() = default;
};

// One table, built once. Objects of this kind are made with new and never
// deleted, so that no table goes away at exit under a search still reading it.
template <class T>
class Once final : public OnceBase {
 public:
  Once() = default;
  // The table, built by Build(Abandon&) if nobody has yet; null when Cancel
  // was set before it was whole.
  template <class Build>
  const T* Get(const std::atomic<bool>& Cancel, Build&& build) {
    if (const T* ready = ready_.load(std::memory_order_acquire)) return ready;
    std::unique_lock<std::mutex> lock(mutex_);
    while (building_ && !Cancel) changed_.wait_for(lock, kWaitLook);
    if (value_) return value_.get();
    if (Cancel) return nullptr;
    building_ = true;
    lock.unlock();
    std::unique_ptr<const T> built;
    try {
      Abandon stop(Cancel);
      built = build(stop);
    } catch (const Abandoned&) {
    } catch (...) {
      Finish(nullptr);
      throw;
    }
    return Finish(std::move(built));
  }

  void Forget() override {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !building_; });
    ready_.store(nullptr, std::memory_order_release);
    value_.reset();
  }

 private:
  // How often a waiting search looks at its own cancel flag, which nothing
  // can wake it for.
  static constexpr std::chrono::milliseconds kWaitLook{10};
  // The build has ended, whole or not; a waiting search may take it over.
  const T* Finish(std::unique_ptr<const T> built) {
    std::lock_guard<std::mutex> lock(mutex_);
    building_ = false;
    if (built) {
      value_ = std::move(built);
      ready_.store(value_.get(), std::memory_order_release);
    }
    changed_.notify_all();
    return value_.get();
  }
  std::mutex mutex_;
  std::condition_variable changed_;
  bool building_ = false;
  std::unique_ptr<const T> value_;
  std::atomic<const T*> ready_{nullptr};
};

// For tests. Watch is called on the building thread at every look at the
// cancel flag, with the number of looks so far in this build (1 at its
// start) and the flag; set it only while no table is being built.
void WatchBuilds(std::function<void(long Looks, const std::atomic<bool>& Cancel)> Watch);
// Every table built so far is dropped; only while no search runs.
void ForgetAll();

}  // namespace solver::tables
