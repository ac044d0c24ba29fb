#include "Desktop.h"

#include <mutex>

namespace desktop {

namespace {
std::mutex hookMutex;
std::function<bool()> shiftSource;
std::function<void(unsigned, unsigned)> beepSink;
}  // namespace

void SetShiftStateSource(std::function<bool()> source) {
  std::lock_guard lock(hookMutex);
  shiftSource = std::move(source);
}

bool IsShiftDown() {
  std::function<bool()> s;
  {
    std::lock_guard lock(hookMutex);
    s = shiftSource;
  }
  return s ? s() : false;
}

void SetBeepSink(std::function<void(unsigned, unsigned)> sink) {
  std::lock_guard lock(hookMutex);
  beepSink = std::move(sink);
}

void Beep(unsigned frequencyHz, unsigned durationMs) {
  std::function<void(unsigned, unsigned)> s;
  {
    std::lock_guard lock(hookMutex);
    s = beepSink;
  }
  if (s) s(frequencyHz, durationMs);
}

}  // namespace desktop
