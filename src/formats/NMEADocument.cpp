#include "NMEADocument.h"

#include "Textfile.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <charconv>
#include <cmath>

namespace {

// The day-count range that the date-time decoder accepts.
constexpr double kMaxDateTime = 3.0e6;
// NMEA 0183: at most 82 characters from "$" to the line end.
constexpr std::size_t kMaxSentence = 82 - 2;

void appendTwoDigits(std::string& out, int v) {
  out += static_cast<char>('0' + v / 10 % 10);
  out += static_cast<char>('0' + v % 10);
}

// Degrees and minutes, "dddmm.mmm,H,": the degrees are not padded, and
// minutes that round to 60 carry into the degrees.
void appendDegreesMinutes(std::string& out, double value, char positive, char negative) {
  const char hemisphere = value >= 0 ? positive : negative;
  const double a = std::fabs(value);
  const double d = std::trunc(a);
  std::string text = textfmt::FormatFixed(d * 100 + (a - d) * 60, 3);
  long long whole = 0;
  std::from_chars(text.data(), text.data() + text.size(), whole);
  if (whole - static_cast<long long>(d) * 100 >= 60) text = textfmt::FormatFixed((d + 1) * 100, 3);
  out += text;
  out += ',';
  out += hemisphere;
  out += ',';
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
  if (!std::isfinite(fix.Time) || std::fabs(fix.Time) > kMaxDateTime || !std::isfinite(fix.Latitude) ||
      !std::isfinite(fix.Longitude) || !std::isfinite(fix.Altitude) || !std::isfinite(fix.Hdop) ||
      !std::isfinite(fix.GeoidSeparation) || std::fabs(fix.Latitude) > 90 || std::fabs(fix.Longitude) > 180)
    return {};
  std::string s;
  s.reserve(96);
  s += "$GPGGA,";
  const textfmt::DateTimeParts t = textfmt::DecodeDateTime(fix.Time);
  appendTwoDigits(s, t.hour);
  appendTwoDigits(s, t.minute);
  appendTwoDigits(s, t.second);
  s += ',';
  appendDegreesMinutes(s, fix.Latitude, 'N', 'S');
  appendDegreesMinutes(s, fix.Longitude, 'E', 'W');
  s += textfmt::IntToStr(fix.FixQuality);
  s += ',';
  if (fix.Satellites < 10) s += '0';
  s += textfmt::IntToStr(fix.Satellites);
  s += ',';
  s += textfmt::FormatFixed(fix.Hdop, 1);
  s += ',';
  s += textfmt::FormatFixed(fix.Altitude, 1);
  s += ",M,";
  s += textfmt::FormatFixed(fix.GeoidSeparation, 1);
  s += ",M,,";
  unsigned char sum = 0;
  for (std::size_t i = 1; i < s.size(); ++i) sum ^= static_cast<unsigned char>(s[i]);
  static const char hex[] = "0123456789ABCDEF";
  s += '*';
  s += hex[sum >> 4];
  s += hex[sum & 0xF];
  if (s.size() > kMaxSentence) return {};
  return s;
}

void WriteGgaSentences(const NMEAType& data, TextFile& file) {
  for (const GGAType& g : data.Gga) {
    std::string s = GgaSentence(g);
    if (!s.empty()) file.Line(s);
  }
}

bool TNMEADocument::SaveToFile(const QString& path) const {
  TextFile file(path);
  if (!file.Open()) return false;
  WriteGgaSentences(NmeaData, file);
  return file.Commit();
}

int ExportNmea(TTrackStorage& store, const QString& path) {
  TNMEADocument doc;
  doc.FromTracks(store);
  if (!doc.SaveToFile(path)) return kNmeaExportFailed;
  return static_cast<int>(store.Count());
}
