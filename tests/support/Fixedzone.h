#pragma once
// Sets TZ for the test process while in scope; the C library's local-time
// conversions read it through tzset().
#include <cstdlib>
#include <ctime>
#include <string>

namespace testenv {

class FixedZone {
 public:
  explicit FixedZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) {
      old_ = old;
      had_ = true;
    }
    setenv("TZ", tz, 1);
    tzset();
  }
  ~FixedZone() {
    if (had_)
      setenv("TZ", old_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  FixedZone(const FixedZone&) = delete;
  FixedZone& operator=(const FixedZone&) = delete;

 private:
  std::string old_;
  bool had_ = false;
};

// Central European time with its summer time rule, independent of tzdata.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

}  // namespace testenv
