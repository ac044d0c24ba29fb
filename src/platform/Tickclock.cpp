#include "Tickclock.h"

#include <atomic>
#include <chrono>

namespace tickclock {

namespace {
std::atomic<TickSource> tickSource{nullptr};
}

uint32_t GetTickCount() {
  if (TickSource source = tickSource.load()) return source();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<uint32_t>(ms.count());
}

void SetTickSource(TickSource source) { tickSource.store(source); }

}  // namespace tickclock
