#pragma once
// Little-endian fields of binary files, independent of the host's order.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lebytes {

inline std::uint16_t Get16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t Get32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t Get64(const unsigned char* p) {
  return Get32(p) | (static_cast<std::uint64_t>(Get32(p + 4)) << 32);
}
inline double GetDouble(const unsigned char* p) { return std::bit_cast<double>(Get64(p)); }

inline void Put16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}
inline void Put64(std::string& s, std::uint64_t v) {
  Put32(s, static_cast<std::uint32_t>(v));
  Put32(s, static_cast<std::uint32_t>(v >> 32));
}
inline void PutDouble(std::string& s, double v) { Put64(s, std::bit_cast<std::uint64_t>(v)); }

// The checksum of the device's binary files: the two's complement of the
// byte sum, 16 bits.
inline std::uint16_t NegatedByteSum(const unsigned char* bytes, std::size_t count) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum = static_cast<std::uint16_t>(sum + bytes[i]);
  return static_cast<std::uint16_t>(-sum);
}

}  // namespace lebytes
