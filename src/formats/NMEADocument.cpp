#include "NMEADocument.h"

#include "Textfile.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The day-count range that the date-time decoder accepts.
constexpr double kMaxDateTime = 3.0e6;
// NMEA 0183: at most 82 characters from "$" to the line end.
constexpr std::size_t kMaxSentence = 82 - 2;

char* twoDigits(char* out, int v) {
  *out++ = static_cast<char>('0' + v / 10 % 10);
  *out++ = static_cast<char>('0' + v % 10);
  return out;
}

// Degrees and minutes, "ddmm.mmm,H," (latitude, 2 degree digits) or
// "dddmm.mmm,H," (longitude, 3): NMEA 0183 pads the degrees with zeros, since
// readers take them by position. Minutes that round to 60 carry into the
// degrees.
char* degreesMinutes(char* out, double value, int degreeDigits, char positive, char negative) {
  const char hemisphere = value >= 0 ? positive : negative;
  const double a = std::fabs(value);
  const double d = std::trunc(a);
  char* end = textfmt::FormatFixedChars(out, d * 100 + (a - d) * 60, 3);
  long long whole = 0;
  std::from_chars(out, end, whole);
  if (whole - static_cast<long long>(d) * 100 >= 60) end = textfmt::FormatFixedChars(out, (d + 1) * 100, 3);
  const std::ptrdiff_t digits = std::find(out, end, '.') - out;
  if (const std::ptrdiff_t pad = degreeDigits + 2 - digits; pad > 0) {
    std::copy_backward(out, end, end + pad);
    std::fill_n(out, pad, '0');
    end += pad;
  }
  *end++ = ',';
  *end++ = hemisphere;
  *end++ = ',';
  return end;
}

// The sentence into a buffer of kSentenceRoom bytes (room for the longest
// numbers); its length, or 0 for a fix that cannot be written.
constexpr std::size_t kSentenceRoom = 4 * textfmt::kNumberCharsMax;

std::size_t writeGga(const GGAType& fix, char* s) {
  if (!std::isfinite(fix.Time) || std::fabs(fix.Time) > kMaxDateTime || !std::isfinite(fix.Latitude) ||
      !std::isfinite(fix.Longitude) || !std::isfinite(fix.Altitude) || !std::isfinite(fix.Hdop) ||
      !std::isfinite(fix.GeoidSeparation) || std::fabs(fix.Latitude) > 90 || std::fabs(fix.Longitude) > 180)
    return 0;
  char* p = s;
  p = std::copy_n("$GPGGA,", 7, p);
  const textfmt::DateTimeParts t = textfmt::DecodeDateTime(fix.Time);
  p = twoDigits(p, t.hour);
  p = twoDigits(p, t.minute);
  p = twoDigits(p, t.second);
  *p++ = ',';
  p = degreesMinutes(p, fix.Latitude, 2, 'N', 'S');
  p = degreesMinutes(p, fix.Longitude, 3, 'E', 'W');
  p = std::to_chars(p, p + 4, fix.FixQuality).ptr;
  *p++ = ',';
  if (fix.Satellites < 10) *p++ = '0';
  p = std::to_chars(p, p + 4, fix.Satellites).ptr;
  *p++ = ',';
  p = textfmt::FormatFixedChars(p, fix.Hdop, 1);
  *p++ = ',';
  p = textfmt::FormatFixedChars(p, fix.Altitude, 1);
  p = std::copy_n(",M,", 3, p);
  p = textfmt::FormatFixedChars(p, fix.GeoidSeparation, 1);
  p = std::copy_n(",M,,", 4, p);
  unsigned char sum = 0;
  for (const char* c = s + 1; c < p; ++c) sum ^= static_cast<unsigned char>(*c);
  static const char hex[] = "0123456789ABCDEF";
  *p++ = '*';
  *p++ = hex[sum >> 4];
  *p++ = hex[sum & 0xF];
  const std::size_t n = static_cast<std::size_t>(p - s);
  return n > kMaxSentence ? 0 : n;
}

}  // namespace

void FillGgaFromTracks(TTrackStorage& store, NMEAType& data) {
  std::size_t total = data.Gga.size();
  for (TTrackList* t = store.First(); t; t = store.Next()) total += t->Count();
  data.Gga.reserve(total);
  for (TTrackList* t = store.First(); t; t = store.Next()) {
    for (const sFile_TrkEntry& p : t->Points()) {
      GGAType& g = data.Gga.emplace_back();
      g.Time = p.Time;
      g.Latitude = p.Latitude;
      g.Longitude = p.Longitude;
      g.Altitude = p.Altitude;
    }
  }
}

std::string GgaSentence(const GGAType& fix) {
  char buf[kSentenceRoom];
  return std::string(buf, writeGga(fix, buf));
}

void WriteGgaSentences(const NMEAType& data, TextFile& file) {
  char buf[kSentenceRoom];
  for (const GGAType& g : data.Gga)
    if (const std::size_t n = writeGga(g, buf)) file.Line(std::string_view(buf, n));
}

bool TNMEADocument::SaveToFile(const QString& path) const {
  TextFile file(path);
  if (!file.Open()) return false;
  WriteGgaSentences(NmeaData, file);
  return file.Commit();
}

// Straight from the store, without a fix record per point held in memory.
int ExportNmea(TTrackStorage& store, const QString& path) {
  TextFile file(path);
  if (!file.Open()) return kNmeaExportFailed;
  char buf[kSentenceRoom];
  for (TTrackList* t = store.First(); t; t = store.Next()) {
    for (const sFile_TrkEntry& p : t->Points()) {
      GGAType g;
      g.Time = p.Time;
      g.Latitude = p.Latitude;
      g.Longitude = p.Longitude;
      g.Altitude = p.Altitude;
      if (const std::size_t n = writeGga(g, buf)) file.Line(std::string_view(buf, n));
    }
  }
  if (!file.Commit()) return kNmeaExportFailed;
  return static_cast<int>(store.Count());
}
