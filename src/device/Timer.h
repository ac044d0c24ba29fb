#pragma once
// A time-out test on the 32-bit millisecond tick count. Plain data: the user
// fills Start and Timeout in place.
#include <cstdint>

struct Timer {
  uint32_t Start;    // tick count when the wait began
  uint32_t Timeout;  // allowed milliseconds

  // Starts a wait of timeout milliseconds now.
  void Begin(uint32_t timeout);
  // More than Timeout milliseconds have passed since Start, also across the
  // tick counter's wrap.
  bool Expired() const;
  bool ExpiredAt(uint32_t now) const;
};
