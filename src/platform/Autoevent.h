#pragma once
// An auto-reset event: Set wakes one wait (or the next one), which resets it.
#include <condition_variable>
#include <cstdint>
#include <mutex>

class AutoResetEvent {
 public:
  void Set();
  void Reset();
  // true when the event was set within ms milliseconds.
  bool WaitFor(uint32_t ms);

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool signalled_ = false;
};
