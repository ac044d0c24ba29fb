#include "Gpslogwriter.h"

#include "Lebytes.h"

namespace testenv {

using lebytes::Put16;
using lebytes::Put32;

void GpsLogWriter::record(std::string rec, Sum sum) {
  std::size_t remaining = 4096 - data_.size() % 4096;
  if (remaining < 20) data_.append(remaining, tailFill_);
  std::uint16_t total = 0;
  for (unsigned char c : rec) total = static_cast<std::uint16_t>(total + c);
  std::uint16_t check = static_cast<std::uint16_t>(-total);
  if (sum == Sum::Off) check = static_cast<std::uint16_t>(check + 1);
  if (sum == Sum::Zero) check = 0;
  Put16(rec, check);
  data_ += rec;
}

void GpsLogWriter::full(std::uint32_t time30, std::int32_t x, std::int32_t y, std::int32_t z,
                        std::uint16_t status, Sum sum) {
  std::string r;
  Put32(r, time30 & 0x3FFFFFFFu);
  Put32(r, static_cast<std::uint32_t>(x));
  Put32(r, static_cast<std::uint32_t>(y));
  Put32(r, static_cast<std::uint32_t>(z));
  Put16(r, status);
  record(r, sum);
}

void GpsLogWriter::delta(std::uint16_t step, std::int16_t dx, std::int16_t dy, std::int16_t dz,
                         std::uint16_t status, Sum sum) {
  std::string r;
  Put16(r, static_cast<std::uint16_t>(dx));
  Put16(r, (step & 0x3FFFu) | 0x4000u);
  Put16(r, static_cast<std::uint16_t>(dy));
  Put16(r, static_cast<std::uint16_t>(dz));
  Put16(r, status);
  record(r, sum);
}

void GpsLogWriter::smallDelta(std::uint8_t step, std::int8_t dx, std::int8_t dy, std::int8_t dz,
                              std::uint16_t status, Sum sum) {
  std::string r;
  r += static_cast<char>(dz);
  r += static_cast<char>(dy);
  r += static_cast<char>(dx);
  r += static_cast<char>((step & 0x3F) | 0x80);
  Put16(r, status);
  record(r, sum);
}

void GpsLogWriter::padBlock(char fill) {
  std::size_t used = data_.size() % 4096;
  if (used) data_.append(4096 - used, fill);
}

std::uint32_t GpsLogWriter::time30FromUnix(std::int64_t unixSeconds, int leapSeconds) {
  std::int64_t gps = unixSeconds - 315964800 + leapSeconds;
  return static_cast<std::uint32_t>(gps) & 0x3FFFFFFFu;
}

}  // namespace testenv
