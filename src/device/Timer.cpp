#include "Timer.h"

#include "Tickclock.h"

void Timer::Begin(uint32_t timeout) {
  Start = tickclock::GetTickCount();
  Timeout = timeout;
}

bool Timer::Expired() const { return ExpiredAt(tickclock::GetTickCount()); }

bool Timer::ExpiredAt(uint32_t now) const {
  uint32_t elapsed = now >= Start ? now - Start : (0xFFFFFFFFu - Start) + now;
  return elapsed > Timeout;
}
