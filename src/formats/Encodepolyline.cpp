#include "Encodepolyline.h"

#include <cmath>
#include <limits>

namespace {

bool scale(double degrees, std::int32_t& out) {
  if (!std::isfinite(degrees)) return false;
  double v = std::floor(degrees * static_cast<double>(100000.0f));
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

std::uint64_t zigzag(std::int64_t d) {
  std::uint64_t z = static_cast<std::uint64_t>(d) << 1;
  return d < 0 ? ~z : z;
}

}  // namespace

void EncodePolyline::EncodeNumber(std::string& out, std::uint64_t value) {
  while (value >= 32) {
    out += static_cast<char>(((value & 31) | 32) + 63);
    value >>= 5;
  }
  out += static_cast<char>(value + 63);
  if (value + 63 == '\\') out += '\\';
}

void EncodePolyline::AddPoint(double latitude, double longitude, std::int32_t level) {
  std::int32_t latE5, lonE5;
  if (!scale(latitude, latE5) || !scale(longitude, lonE5)) return;
  std::int64_t dLat = static_cast<std::int64_t>(latE5) - PrevLatE5;
  std::int64_t dLon = static_cast<std::int64_t>(lonE5) - PrevLonE5;
  PrevLatE5 = latE5;
  PrevLonE5 = lonE5;
  EncodeNumber(Points, zigzag(dLat));
  EncodeNumber(Points, zigzag(dLon));
  EncodeNumber(Levels, static_cast<std::uint32_t>(level));
}
