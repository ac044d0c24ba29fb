#include <gtest/gtest.h>

#include <atomic>

#include "Tickclock.h"
#include "Timer.h"

namespace {

std::atomic<uint32_t> fakeTick{0};
uint32_t FakeTick() { return fakeTick.load(); }

TEST(Timer, ExpiresOnlyAfterTheTimeoutAlsoAcrossTheWrap) {
  struct Case {
    uint32_t start, timeout, now;
    bool expired;
  };
  const Case cases[] = {
      {0, 1000, 1000, false},
      {0, 1000, 1001, true},
      {0xFFFFFF00u, 1000, 0xFFFFFFFFu, false},
      {0xFFFFFF00u, 1000, 0x00000200u, false},
      {0xFFFFFF00u, 1000, 0x00000300u, true},
  };
  for (const Case& c : cases) {
    Timer t{c.start, c.timeout};
    EXPECT_EQ(t.ExpiredAt(c.now), c.expired) << std::hex << c.start << " " << c.timeout << " " << c.now;
  }
}

TEST(Timer, ReadsTheTickCounter) {
  tickclock::SetTickSource(FakeTick);
  fakeTick = 0xFFFFFF00u;
  Timer t;
  t.Begin(1000);
  EXPECT_EQ(t.Start, 0xFFFFFF00u);
  fakeTick = 0x200;
  EXPECT_FALSE(t.Expired());
  fakeTick = 0x300;
  EXPECT_TRUE(t.Expired());
  tickclock::SetTickSource(nullptr);
}

}  // namespace
