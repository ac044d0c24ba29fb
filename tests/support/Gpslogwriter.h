#pragma once
// Builds raw GPS logs as the device's logger writes them: full, delta and
// small delta records with their checksums, packed into 4096-byte blocks
// (a block tail too short for a full record is filled and skipped).
#include <cstdint>
#include <string>

namespace testenv {

class GpsLogWriter {
 public:
  enum class Sum { Good, Off, Zero };  // checksum as computed, off by one, or 0

  // time30: GPS seconds modulo 2^30; status: bits 11-13 segment flag.
  void full(std::uint32_t time30, std::int32_t x, std::int32_t y, std::int32_t z,
            std::uint16_t status = 0, Sum sum = Sum::Good);
  void delta(std::uint16_t step, std::int16_t dx, std::int16_t dy, std::int16_t dz,
             std::uint16_t status = 0, Sum sum = Sum::Good);
  void smallDelta(std::uint8_t step, std::int8_t dx, std::int8_t dy, std::int8_t dz,
                  std::uint16_t status = 0, Sum sum = Sum::Good);

  // Raw bytes at the current position, no block handling.
  void raw(const std::string& bytes) { data_ += bytes; }
  // Fills the rest of the current block with the given byte.
  void padBlock(char fill = '\xFF');
  // Byte used for block tails shorter than a full record.
  void setTailFill(char fill) { tailFill_ = fill; }

  static std::uint16_t segment(int flag) { return static_cast<std::uint16_t>((flag & 7) << 11); }
  // The 30-bit time of a UTC instant (seconds since 1970), leap seconds
  // given by the caller.
  static std::uint32_t time30FromUnix(std::int64_t unixSeconds, int leapSeconds);

  const std::string& bytes() const { return data_; }
  std::size_t size() const { return data_.size(); }

 private:
  void record(std::string rec, Sum sum);
  std::string data_;
  char tailFill_ = '\0';
};

}  // namespace testenv
