#pragma once
// Encoded polyline strings for the map page's track lines.
//
// The published polyline format with two differences: coordinates are
// scaled by 1e5 and rounded down (not to nearest), and every backslash is
// written twice, since the map page puts both strings unchanged into
// single-quoted script literals. Every character lies in '?'..'~'.
#include <cstdint>
#include <string>

struct EncodePolyline {
  std::string Points;  // latitude and longitude differences, per point
  std::string Levels;  // one encoded level per point
  std::int32_t PrevLatE5 = 0;  // previous point, 0.00001 degree units
  std::int32_t PrevLonE5 = 0;

  // Appends a point in decimal degrees. A point that is not finite or does
  // not fit the 32-bit scaled range is skipped.
  void AddPoint(double latitude, double longitude, std::int32_t level);

  // Appends one non-negative number, five bits per character, least
  // significant group first.
  static void EncodeNumber(std::string& out, std::uint64_t value);
};
