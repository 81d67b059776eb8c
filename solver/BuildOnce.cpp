#include "solver/BuildOnce.h"

#include <vector>

namespace solver::tables {
namespace {

// Made at first use and never destroyed, like the tables they know of.
std::mutex& RegistryMutex() {
  static std::mutex& m = *new std::mutex;
  return m;
}
std::vector<OnceBase*>& Registry() {
  static std::vector<OnceBase*>& all = *new std::vector<OnceBase*>;
  return all;
}
std::function<void(long, const std::atomic<bool>&)>& TheWatch() {
  static auto& watch = *new std::function<void(long, const std::atomic<bool>&)>;
  return watch;
}

}  // namespace

void Abandon::Look() {
  next_ = steps_ + kStride;
  ++looks_;
  if (const auto& watch = TheWatch()) watch(looks_, cancel_);
  if (cancel_) throw Abandoned{};
}

OnceBase::OnceBase() {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  Registry().push_back(this);
}

void WatchBuilds(std::function<void(long Looks, const std::atomic<bool>& Cancel)> Watch) {
  TheWatch() = std::move(Watch);
}

void ForgetAll() {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  for (OnceBase* once : Registry()) once->Forget();
}

}  // namespace solver::tables
