#include "Gpslog.h"

#include "Lebytes.h"
#include "Textfmt.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <numbers>
#include <unistd.h>

GpsUtcParameters gpsUtcParameters;

namespace {

constexpr std::size_t kFullSize = 20;
constexpr std::size_t kDeltaSize = 12;
constexpr std::size_t kSmallDeltaSize = 8;
constexpr std::uint32_t kTimeMask = 0x3FFFFFFFu;

// 30-bit times below this belong to the next 2^30-second period, so the log
// covers 2005-01-05 to 2039-01-14.
constexpr std::uint32_t kEarliestTime = 788940000u;

constexpr std::int64_t kGpsEpochUnix = 315964800;  // 1980-01-06 00:00:00 UTC
constexpr std::int64_t kNano = 1000000000;
constexpr std::int64_t kWeeks1024 = 619315200;

constexpr double kSemiMajor = 6378137.0;
constexpr double kFlattening = 0.0033528106647474805;  // 1 / 298.257223563
constexpr double kSemiMinor = kSemiMajor - kSemiMajor * kFlattening;
constexpr double kPole = 1.570796326795;

struct DecoderState {
  std::uint64_t counter = 0;
  std::uint32_t time = kGpsLogInvalidState;  // bits 0-29, or the invalid state
  std::int32_t x = 0, y = 0, z = 0;
  std::uint16_t status = 0;
  // Read-ahead, so a record costs no system call of its own.
  std::array<unsigned char, 1 << 16> buffer{};
  std::size_t pos = 0, len = 0;
  bool atEnd = false;
};
DecoderState state;

using lebytes::Get16;
using lebytes::Get32;

// Adds a signed step to a 32-bit coordinate, wrapping instead of overflowing.
std::int32_t addWrapped(std::int32_t v, std::int32_t d) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) + static_cast<std::uint32_t>(d));
}

bool good(const unsigned char* rec, std::size_t sumBytes) {
  std::uint16_t stored = Get16(rec + sumBytes);
  return stored != 0 && stored == ComputeGpsLogChecksum(rec, sumBytes);
}

// Copies n bytes of the log into out; false when the log ends first.
bool take(GpsLogHandle fd, unsigned char* out, std::size_t n) {
  while (n > 0) {
    if (state.pos == state.len) {
      if (state.atEnd) return false;
      ssize_t got;
      do {
        got = ::read(fd, state.buffer.data(), state.buffer.size());
      } while (got < 0 && errno == EINTR);
      if (got <= 0) {
        state.atEnd = true;
        return false;
      }
      state.pos = 0;
      state.len = static_cast<std::size_t>(got);
    }
    std::size_t chunk = std::min(n, state.len - state.pos);
    if (out) {
      std::memcpy(out, state.buffer.data() + state.pos, chunk);
      out += chunk;
    }
    state.pos += chunk;
    state.counter += chunk;
    n -= chunk;
  }
  return true;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// UTC as nanoseconds since 1970, or the plain GPS time when no parameters.
std::int64_t gpsToUtcNanos(std::uint32_t gpsSeconds, std::int32_t nanoseconds, bool& applied) {
  std::int64_t ns = static_cast<std::int64_t>(gpsSeconds) * kNano + nanoseconds;
  applied = gpsUtcParameters.ReferenceTime != -1;
  if (applied) {
    ns -= static_cast<std::int64_t>(GpsLeapSeconds(gpsSeconds)) * kNano;
    // The drift term counts within the 1024-week period of the reference time.
    double s = static_cast<double>(static_cast<std::int64_t>(gpsSeconds) % kWeeks1024);
    double k = (gpsUtcParameters.A0 + gpsUtcParameters.A1 * (s - gpsUtcParameters.ReferenceTime)) * 1e9;
    if (std::isfinite(k) && std::fabs(k) < 1e15) ns -= static_cast<std::int64_t>(k);
  }
  return ns + kGpsEpochUnix * kNano;
}

void splitUnix(std::int64_t unixSeconds, int& year, int& month, int& day, int& hour, int& minute,
               int& second) {
  std::int64_t days = floorDiv(unixSeconds, 86400);
  std::int64_t rest = unixSeconds - days * 86400;
  textfmt::CivilFromDays(days, year, month, day);
  hour = static_cast<int>(rest / 3600);
  minute = static_cast<int>(rest % 3600 / 60);
  second = static_cast<int>(rest % 60);
}

// Fills the fix from the current state; false when the position gives no
// usable coordinates.
bool makeFix(GpsLogFix& fix) {
  double lat, lon;
  ConvertEcefToGeodetic(state.x, state.y, state.z, lat, lon);
  if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > kPole + 1e-9 ||
      std::fabs(lon) > std::numbers::pi + 1e-9)
    return false;

  std::uint32_t t = state.time & kTimeMask;
  std::uint32_t gps = t >= kEarliestTime ? t : t + (1u << 30);
  bool applied;
  std::int64_t ns = gpsToUtcNanos(gps, 0, applied);
  // The device logs whole seconds: round the clock correction away.
  std::int64_t unixSeconds = floorDiv(ns + kNano / 2, kNano);
  int year, month, day, hour, minute, second;
  splitUnix(unixSeconds, year, month, day, hour, minute, second);

  fix.Latitude = lat;
  fix.Longitude = lon;
  fix.Altitude = 0;
  fix.X = state.x;
  fix.Y = state.y;
  fix.Z = state.z;
  fix.Year = year;
  fix.Month = month;
  fix.Day = day;
  fix.Hour = hour;
  fix.Minute = minute;
  fix.Second = second;
  fix.SegmentFlag = (state.status >> 11) & 7;
  return true;
}

struct LeapStep {
  int year, month, day;  // UTC date from which the offset holds
  int offset;            // GPS - UTC in seconds
};
constexpr LeapStep kLeapSteps[] = {
    {1981, 7, 1, 1},  {1982, 7, 1, 2},  {1983, 7, 1, 3},  {1985, 7, 1, 4},  {1988, 1, 1, 5},
    {1990, 1, 1, 6},  {1991, 1, 1, 7},  {1992, 7, 1, 8},  {1993, 7, 1, 9},  {1994, 7, 1, 10},
    {1996, 1, 1, 11}, {1997, 7, 1, 12}, {1999, 1, 1, 13}, {2006, 1, 1, 14}, {2009, 1, 1, 15},
    {2012, 7, 1, 16}, {2015, 7, 1, 17}, {2017, 1, 1, 18},
};

}  // namespace

int GpsLeapSeconds(std::int64_t gpsSeconds) {
  // GPS second from which each offset holds: the inserted second 23:59:60
  // reads as a repeated 23:59:59.
  static const auto starts = [] {
    std::array<std::int64_t, std::size(kLeapSteps)> s{};
    const std::int64_t epochDays = textfmt::DaysFromCivil(1980, 1, 6);
    for (std::size_t i = 0; i < s.size(); ++i) {
      const LeapStep& l = kLeapSteps[i];
      const int before = i > 0 ? kLeapSteps[i - 1].offset : 0;
      s[i] = (textfmt::DaysFromCivil(l.year, l.month, l.day) - epochDays) * 86400 + before;
    }
    return s;
  }();
  int offset = 0;
  for (std::size_t i = 0; i < starts.size() && gpsSeconds >= starts[i]; ++i) offset = kLeapSteps[i].offset;
  return offset;
}

void LoadGpsLogDefaults() {
  gpsUtcParameters.ReferenceTime = 251581824;  // week 415, second 589824
  gpsUtcParameters.A0 = -9.3132e-10;
  gpsUtcParameters.A1 = -1.5987e-14;
}

int ResetGpsLog(GpsLogHandle handle) {
  if (handle == kInvalidGpsLogHandle) return 0;
  state.counter = 0;
  state.time = kGpsLogInvalidState;
  state.x = state.y = state.z = 0;
  state.status = 0;
  state.pos = state.len = 0;
  state.atEnd = false;
  LoadGpsLogDefaults();
  return 1;
}

std::uint16_t ComputeGpsLogChecksum(const unsigned char* bytes, std::size_t count) {
  return lebytes::NegatedByteSum(bytes, count);
}

std::uint64_t ReadGpsLogFix(GpsLogHandle handle, GpsLogFix& fix) {
  if (handle == kInvalidGpsLogHandle) return 0;
  unsigned char rec[kFullSize];
  for (;;) {
    std::size_t remaining = kGpsLogBlockSize - state.counter % kGpsLogBlockSize;
    if (remaining < kFullSize && !take(handle, nullptr, remaining)) return 0;
    if (!take(handle, rec, 4)) return 0;
    const bool valid = state.time != kGpsLogInvalidState;
    switch (rec[3] >> 6) {
      case 0:
        if (!take(handle, rec + 4, kFullSize - 4)) return 0;
        if (!good(rec, kFullSize - 2)) {
          state.time = kGpsLogInvalidState;
          continue;
        }
        state.time = Get32(rec) & kTimeMask;
        state.x = static_cast<std::int32_t>(Get32(rec + 4));
        state.y = static_cast<std::int32_t>(Get32(rec + 8));
        state.z = static_cast<std::int32_t>(Get32(rec + 12));
        state.status = Get16(rec + 16);
        break;
      case 1:
        if (!take(handle, rec + 4, kDeltaSize - 4)) return 0;
        if (!valid) continue;
        if (!good(rec, kDeltaSize - 2)) {
          state.time = kGpsLogInvalidState;
          continue;
        }
        state.time = (state.time + (Get16(rec + 2) & 0x3FFFu)) & kTimeMask;
        state.x = addWrapped(state.x, static_cast<std::int16_t>(Get16(rec)));
        state.y = addWrapped(state.y, static_cast<std::int16_t>(Get16(rec + 4)));
        state.z = addWrapped(state.z, static_cast<std::int16_t>(Get16(rec + 6)));
        state.status = Get16(rec + 8);
        break;
      case 2:
        if (!take(handle, rec + 4, kSmallDeltaSize - 4)) return 0;
        if (!valid) continue;
        if (!good(rec, kSmallDeltaSize - 2)) {
          state.time = kGpsLogInvalidState;
          continue;
        }
        state.time = (state.time + (rec[3] & 0x3Fu)) & kTimeMask;
        state.z = addWrapped(state.z, static_cast<std::int8_t>(rec[0]));
        state.y = addWrapped(state.y, static_cast<std::int8_t>(rec[1]));
        state.x = addWrapped(state.x, static_cast<std::int8_t>(rec[2]));
        state.status = Get16(rec + 4);
        break;
      default:
        state.time = kGpsLogInvalidState;
        return 0;
    }
    if (makeFix(fix)) return state.counter;
  }
}

bool ConvertGpsTimeToUtc(std::uint32_t gpsSeconds, std::int32_t nanoseconds, GpsUtcTime& out) {
  bool applied;
  std::int64_t ns = gpsToUtcNanos(gpsSeconds, nanoseconds, applied);
  std::int64_t unixSeconds = floorDiv(ns, kNano);
  int year, month, day, hour, minute, second;
  splitUnix(unixSeconds, year, month, day, hour, minute, second);
  out.Year = static_cast<std::uint8_t>((year - 1900) & 0xFF);
  out.Month = static_cast<std::uint8_t>(month);
  out.Day = static_cast<std::uint8_t>(day);
  out.Hour = static_cast<std::uint8_t>(hour);
  out.Minute = static_cast<std::uint8_t>(minute);
  out.Second = static_cast<std::uint8_t>(second);
  out.Nanoseconds = static_cast<std::int32_t>(ns - unixSeconds * kNano);
  return applied;
}

void ConvertEcefToGeodetic(double x, double y, double z, double& latitude, double& longitude) {
  const double a = kSemiMajor, b = kSemiMinor;
  double p = std::sqrt(x * x + y * y);
  double r = std::sqrt(p * p + z * z);
  if (p <= 1.0 || r <= 6300000.0) {
    latitude = z < 0 ? -kPole : kPole;
    longitude = 0;
    return;
  }
  longitude = std::atan2(y, x);
  double c = z > 0 ? b : (z < 0 ? -b : 0.0);
  double e = ((z + c) * c / a - a) / p;
  double f = ((z - c) * c / a + a) / p;
  double pp = 4 * (e * f + 1) / 3;
  double q = 2 * (e * e - f * f);
  double d = pp * pp * pp + q * q;
  double s = std::sqrt(d) + q;
  double u = s > 0 ? std::exp(std::log(s) / 3) : (s < 0 ? -std::exp(std::log(-s) / 3) : 0.0);
  double v = 0;
  if (u != 0 && pp != 0) {
    double w = pp / u - u;
    v = -(2 * q + w * w * w) / (3 * pp);
  }
  double g = (std::sqrt(e * e + v) + e) / 2;
  double t = std::sqrt(g * g + (f - v * g) / (2 * g - e)) - g;
  latitude = c == 0 ? 0.0 : std::atan((1 - t * t) * a / (2 * c * t));
}
