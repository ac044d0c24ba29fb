#include "Gpslogwriter.h"

namespace testenv {

namespace {
void put16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}
}  // namespace

void GpsLogWriter::record(std::string rec, Sum sum) {
  std::size_t remaining = 4096 - data_.size() % 4096;
  if (remaining < 20) data_.append(remaining, tailFill_);
  std::uint16_t total = 0;
  for (unsigned char c : rec) total = static_cast<std::uint16_t>(total + c);
  std::uint16_t check = static_cast<std::uint16_t>(-total);
  if (sum == Sum::Off) check = static_cast<std::uint16_t>(check + 1);
  if (sum == Sum::Zero) check = 0;
  put16(rec, check);
  data_ += rec;
}

void GpsLogWriter::full(std::uint32_t time30, std::int32_t x, std::int32_t y, std::int32_t z,
                        std::uint16_t status, Sum sum) {
  std::string r;
  put32(r, time30 & 0x3FFFFFFFu);
  put32(r, static_cast<std::uint32_t>(x));
  put32(r, static_cast<std::uint32_t>(y));
  put32(r, static_cast<std::uint32_t>(z));
  put16(r, status);
  record(r, sum);
}

void GpsLogWriter::delta(std::uint16_t step, std::int16_t dx, std::int16_t dy, std::int16_t dz,
                         std::uint16_t status, Sum sum) {
  std::string r;
  put16(r, static_cast<std::uint16_t>(dx));
  put16(r, (step & 0x3FFFu) | 0x4000u);
  put16(r, static_cast<std::uint16_t>(dy));
  put16(r, static_cast<std::uint16_t>(dz));
  put16(r, status);
  record(r, sum);
}

void GpsLogWriter::smallDelta(std::uint8_t step, std::int8_t dx, std::int8_t dy, std::int8_t dz,
                              std::uint16_t status, Sum sum) {
  std::string r;
  r += static_cast<char>(dz);
  r += static_cast<char>(dy);
  r += static_cast<char>(dx);
  r += static_cast<char>((step & 0x3F) | 0x80);
  put16(r, status);
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
