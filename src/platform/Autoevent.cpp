#include "Autoevent.h"

#include <chrono>

void AutoResetEvent::Set() {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    signalled_ = true;
  }
  cv_.notify_one();
}

void AutoResetEvent::Reset() {
  std::lock_guard<std::mutex> guard(mutex_);
  signalled_ = false;
}

bool AutoResetEvent::WaitFor(uint32_t ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!cv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return signalled_; })) return false;
  signalled_ = false;
  return true;
}
