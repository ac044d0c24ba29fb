#include "GPXDocument.h"
#include "Gpximport.h"
#include "NMEADocument.h"
#include "Poistorage.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>

namespace fs = std::filesystem;

namespace {

double utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, ms});
}

GGAType fix(double time, double lat, double lon, double alt) {
  GGAType g;
  g.Time = time;
  g.Latitude = lat;
  g.Longitude = lon;
  g.Altitude = alt;
  return g;
}

// The fields between "$GPGGA," and "*": time, latitude, N/S, longitude, E/W,
// and the altitude.
struct Fields {
  std::string time, lat, ns, lon, ew, alt;
};

Fields fieldsOf(const std::string& s) {
  std::vector<std::string> f;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i)
    if (i == s.size() || s[i] == ',') {
      f.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  if (f.size() < 10) return {};
  return {f[1], f[2], f[3], f[4], f[5], f[9]};
}

std::unique_ptr<TTrackList> makeTrack(std::vector<sFile_TrkEntry> pts) {
  auto t = std::make_unique<TTrackList>();
  for (const auto& p : pts) t->AddPoint(p, false);
  return t;
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

// Degrees as a reader that takes them by position reads them: the first 2
// (latitude) or 3 (longitude) characters are the degrees, the rest minutes.
double byPosition(const std::string& field, const std::string& hemisphere, std::size_t degreeDigits) {
  if (field.size() < degreeDigits + 2) return std::nan("");
  const double v = std::stod(field.substr(0, degreeDigits)) + std::stod(field.substr(degreeDigits)) / 60;
  return hemisphere == "S" || hemisphere == "W" ? -v : v;
}

}  // namespace

TEST(GgaSentence, TheExampleFix) {
  const std::string s = GgaSentence(fix(utc(2014, 5, 3, 12, 5, 9), 48.5, 11.25, 512.3));
  EXPECT_EQ(s, "$GPGGA,120509,4830.000,N,01115.000,E,1,00,0.0,512.3,M,0.0,M,,*73");
  EXPECT_EQ(s.size() + 2, 66u);
}

TEST(GgaSentence, ValueTable) {
  struct Case {
    double time, lat, lon, alt;
    Fields want;
  };
  const double noon = utc(2014, 5, 3, 12, 5, 9);
  const Case cases[] = {
      // hemispheres; the degrees padded to 2 (latitude) and 3 (longitude) digits
      {noon, -33.8688, 151.2093, 0, {"120509", "3352.128", "S", "15112.558", "E", "0.0"}},
      {noon, 8.5, -0.5, 0, {"120509", "0830.000", "N", "00030.000", "W", "0.0"}},
      {noon, 0, 0, 0, {"120509", "0000.000", "N", "00000.000", "E", "0.0"}},
      {noon, -0.0, -0.0, 0, {"120509", "0000.000", "N", "00000.000", "E", "0.0"}},
      {noon, 90, -180, 0, {"120509", "9000.000", "N", "18000.000", "W", "0.0"}},
      {noon, 4.4530833, 4.4530833, 0, {"120509", "0427.185", "N", "00427.185", "E", "0.0"}},
      // minutes that round to 60 carry into the degrees
      {noon, 48.99999999, -11.9999999, 0, {"120509", "4900.000", "N", "01200.000", "W", "0.0"}},
      {noon, -0.9999999, 179.99999999, 0, {"120509", "0100.000", "S", "18000.000", "E", "0.0"}},
      {noon, 48.9999915, 0, 0, {"120509", "4859.999", "N", "00000.000", "E", "0.0"}},
      // the time is rounded to the millisecond first, then cut to seconds
      {utc(2014, 5, 3, 12, 5, 9, 400), 1, 1, 0, {"120509", "0100.000", "N", "00100.000", "E", "0.0"}},
      {utc(2014, 5, 3, 12, 5, 9) + 0.9996 / 86400, 1, 1, 0, {"120510", "0100.000", "N", "00100.000", "E", "0.0"}},
      {utc(2014, 5, 3, 23, 59, 59) + 0.9996 / 86400, 1, 1, 0, {"000000", "0100.000", "N", "00100.000", "E", "0.0"}},
      {utc(1850, 1, 1, 6, 30, 0), 1, 1, 0, {"063000", "0100.000", "N", "00100.000", "E", "0.0"}},
      // altitudes: one decimal, rounded as printf rounds the double
      {noon, 1, 1, 512.25, {"120509", "0100.000", "N", "00100.000", "E", "512.2"}},
      {noon, 1, 1, 512.35, {"120509", "0100.000", "N", "00100.000", "E", "512.4"}},
      {noon, 1, 1, -12.96, {"120509", "0100.000", "N", "00100.000", "E", "-13.0"}},
  };
  for (const Case& c : cases) {
    const std::string s = GgaSentence(fix(c.time, c.lat, c.lon, c.alt));
    const Fields f = fieldsOf(s);
    const std::string where = s + " for " + std::to_string(c.lat) + "," + std::to_string(c.lon);
    EXPECT_EQ(f.time, c.want.time) << where;
    EXPECT_EQ(f.lat, c.want.lat) << where;
    EXPECT_EQ(f.ns, c.want.ns) << where;
    EXPECT_EQ(f.lon, c.want.lon) << where;
    EXPECT_EQ(f.ew, c.want.ew) << where;
    EXPECT_EQ(f.alt, c.want.alt) << where;
  }
}

// The checksum is the XOR of everything between "$" and "*", commas
// included, as two upper-case hexadecimal digits.
TEST(GgaSentence, ChecksumCoversEverythingBetweenDollarAndStar) {
  const double noon = utc(2014, 5, 3, 12, 5, 9);
  int upperSeen = 0;
  for (double lat = -80; lat <= 80; lat += 7.31) {
    const std::string s = GgaSentence(fix(noon, lat, lat * 2.1, lat * 100));
    ASSERT_GT(s.size(), 4u);
    ASSERT_EQ(s[0], '$');
    const std::size_t star = s.find('*');
    ASSERT_EQ(star, s.size() - 3);
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(s[i]);
    char want[3];
    std::snprintf(want, sizeof want, "%02X", sum);
    EXPECT_EQ(s.substr(star + 1), want) << s;
    if ((sum >> 4) >= 10 || (sum & 15) >= 10) ++upperSeen;
  }
  EXPECT_GT(upperSeen, 0);  // the table did reach digits A-F
}

TEST(GgaSentence, FixesThatCannotBeWrittenAreRefused) {
  const double noon = utc(2014, 5, 3, 12, 5, 9);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const GGAType refused[] = {
      fix(nan, 1, 1, 1),   fix(inf, 1, 1, 1),   fix(1e300, 1, 1, 1), fix(noon, nan, 1, 1),
      fix(noon, 1, -inf, 1), fix(noon, 1, 1, nan), fix(noon, 90.5, 1, 1), fix(noon, 1, -180.01, 1),
      // an altitude that would make the sentence longer than NMEA allows
      fix(noon, -33.8688, -151.2093, 1e30),
  };
  for (const GGAType& g : refused) EXPECT_EQ(GgaSentence(g), "") << g.Latitude << " " << g.Altitude;
  // The longest ordinary sentences stay within the 82 characters.
  const std::string longest = GgaSentence(fix(noon, -89.99, -179.99, -99999.9));
  EXPECT_FALSE(longest.empty());
  EXPECT_LE(longest.size() + 2, 82u);
}

// All tracks, checked or not, in store order; skipped fixes leave no gap.
TEST(NmeaExport, WritesEveryTrackAndCountsThem) {
  TTrackStorage store;
  const double t0 = utc(2014, 5, 3, 10, 0, 0);
  store.AddTrack(makeTrack({{1, 1, 1, t0}, {2, 2, 2, t0}, {std::nan(""), 3, 3, t0}, {4, 4, 4, t0}}));
  store.AddTrack(makeTrack({{5, 5, 5, t0}, {6, 6, 6, t0}}));
  store.SetRowCheckedQuery([](std::size_t) { return false; });
  auto path = testenv::scratchDir("nmea-export") / "out.nmea";
  EXPECT_EQ(ExportNmea(store, q(path)), 2);
  const std::string text = testenv::readFile(path);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(text.size(), [&] {
    std::size_t n = 0;
    for (auto& l : lines) n += l.size() + 2;
    return n;
  }());
  const char* lats[] = {"0100.000", "0200.000", "0400.000", "0500.000", "0600.000"};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(fieldsOf(lines[i]).lat, lats[i]) << lines[i];

  TTrackStorage empty;
  EXPECT_EQ(ExportNmea(empty, q(path)), 0);
  EXPECT_EQ(testenv::readFile(path), "");
}

TEST(NmeaExport, UnwritablePathFailsAndKeepsTheOldFile) {
  TTrackStorage store;
  store.AddTrack(makeTrack({{1, 1, 1, utc(2014, 5, 3)}}));
  auto dir = testenv::scratchDir("nmea-fail");
  EXPECT_EQ(ExportNmea(store, q(dir / "missing" / "x.nmea")), kNmeaExportFailed);
  fs::create_directory(dir / "taken.nmea");
  EXPECT_EQ(ExportNmea(store, q(dir / "taken.nmea")), kNmeaExportFailed);
  EXPECT_TRUE(fs::is_directory(dir / "taken.nmea"));
}

// gpsbabel reads the GGA sentences (with the date it cannot find in them)
// and gives back our points to the precision of the format.
TEST(NmeaPeers, GpsbabelReadsTheSamePoints) {
  TTrackStorage store;
  std::vector<sFile_TrkEntry> pts;
  for (int i = 0; i < 60; ++i)
    pts.push_back({-33.8688 + i * 0.0123457, 151.2093 - i * 0.0345678, 12.5 + i * 3.3,
                   utc(2014, 5, 3, 8, 0, 0) + i * (5.0 / 86400)});
  pts.push_back({48.9999999, -0.5, 0, utc(2014, 5, 3, 8, 10, 0)});  // carried minutes
  pts.push_back({4.4530833, 4.4530833, 0, utc(2014, 5, 3, 8, 10, 5)});  // one-digit degrees
  pts.push_back({-0.0123, 99.5, 0, utc(2014, 5, 3, 8, 10, 10)});
  store.AddTrack(makeTrack(pts));
  auto dir = testenv::scratchDir("nmea-gpsbabel");
  ASSERT_EQ(ExportNmea(store, q(dir / "ours.nmea")), 1);
  {
    // Every line reads the same when the degrees are taken by position.
    const std::string text = testenv::readFile(dir / "ours.nmea");
    std::size_t i = 0;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2, ++i) {
      ASSERT_LT(i, pts.size());
      const Fields f = fieldsOf(text.substr(at, end - at));
      EXPECT_NEAR(byPosition(f.lat, f.ns, 2), pts[i].Latitude, 1.0 / 60000) << f.lat;
      EXPECT_NEAR(byPosition(f.lon, f.ew, 3), pts[i].Longitude, 1.0 / 60000) << f.lon;
    }
    EXPECT_EQ(i, pts.size());
  }
  ASSERT_EQ(run("gpsbabel -t -i nmea,date=20140503 -f '" + (dir / "ours.nmea").string() + "' -o gpx -F '" +
                (dir / "theirs.gpx").string() + "'"),
            0);
  TTrackStorage back;
  TPoiStorage unused;
  ASSERT_TRUE(ImportGpx(q(dir / "theirs.gpx"), back, unused, nullptr));
  std::vector<sFile_TrkEntry> got;
  for (TTrackList* t = back.First(); t; t = back.Next())
    got.insert(got.end(), t->Points().begin(), t->Points().end());
  ASSERT_EQ(got.size(), pts.size());
  for (std::size_t i = 0; i < pts.size(); ++i) {
    // 0.001 minute is 1/60000 degree.
    EXPECT_NEAR(got[i].Latitude, pts[i].Latitude, 1.0 / 60000) << i;
    EXPECT_NEAR(got[i].Longitude, pts[i].Longitude, 1.0 / 60000) << i;
    EXPECT_NEAR(got[i].Altitude, pts[i].Altitude, 0.05 + 1e-9) << i;
    EXPECT_EQ(GpxTimeText(got[i].Time), GpxTimeText(pts[i].Time)) << i;
  }
}
