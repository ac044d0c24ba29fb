#pragma once
// The millisecond tick counter that time-outs are measured with. Like the
// classic system tick count it is 32 bits wide and wraps after about 49.7
// days; tests put a source of their own in place to try the wrap.
#include <cstdint>

namespace tickclock {

uint32_t GetTickCount();

// nullptr puts the steady clock back.
using TickSource = uint32_t (*)();
void SetTickSource(TickSource source);

}  // namespace tickclock
