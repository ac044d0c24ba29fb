// Track store: walks, names, lookups, the track file and the import of a
// downloaded GPS log.
#include "Filesizelimit.h"
#include "Fixedzone.h"
#include "Gpslogwriter.h"
#include "Lebytes.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>
#include <vector>

using testenv::GpsLogWriter;

namespace {

double utc(int y, int mo, int d, int h, int mi, int s) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, 0});
}

std::unique_ptr<TTrackList> makeTrack(const QString& name, int points, double base = 0) {
  auto t = std::make_unique<TTrackList>();
  t->SetName(name);
  for (int i = 0; i < points; ++i)
    t->AddPoint({base + i * 0.001, -base - i * 0.002, 100.5 + i, 41000.25 + i / 86400.0}, false);
  t->Distance = 1234.5 + base;
  return t;
}

std::string path(const std::string& dir, const char* file) {
  return (testenv::scratchDir(dir) / file).string();
}

// Whole-metre earth-centred position of a WGS-84 latitude and longitude.
void ecef(double latDeg, double lonDeg, std::int32_t& x, std::int32_t& y, std::int32_t& z) {
  const double a = 6378137.0, f = 1 / 298.257223563, e2 = f * (2 - f);
  double lat = latDeg * std::numbers::pi / 180, lon = lonDeg * std::numbers::pi / 180;
  double n = a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
  x = static_cast<std::int32_t>(std::lround(n * std::cos(lat) * std::cos(lon)));
  y = static_cast<std::int32_t>(std::lround(n * std::cos(lat) * std::sin(lon)));
  z = static_cast<std::int32_t>(std::lround(n * (1 - e2) * std::sin(lat)));
}

std::string logFile(const GpsLogWriter& w) {
  std::string p = path("tracklog", "TVQ_1.tmp");
  testenv::writeFile(p, w.bytes());
  return p;
}

// A log of segments: each entry is the number of fixes of one segment; a
// negative count is a run of fixes before any segment start. Fixes step 10 m
// in X from a point in Bavaria, one per second.
GpsLogWriter segments(std::initializer_list<int> counts) {
  GpsLogWriter w;
  std::int32_t x, y, z;
  ecef(48.1, 11.5, x, y, z);
  for (int c : counts) {
    for (int i = 0; i < std::abs(c); ++i) {
      std::uint16_t status = (i == 0 && c > 0) ? GpsLogWriter::segment(1) : 0;
      if (i % 3 == 0)
        w.full(10000000, x, y, z, status);
      else
        w.smallDelta(1, 10, 0, 0, status);
      x += 10;
    }
  }
  return w;
}

}  // namespace

TEST(TrackList, PointWalk) {
  TTrackList t;
  EXPECT_EQ(t.First(), nullptr);
  EXPECT_EQ(t.Last(), nullptr);
  for (int i = 0; i < 3; ++i) t.AddPoint({double(i), 0, 0, 0}, false);
  std::vector<double> seen;
  for (auto* p = t.First(); p; p = t.Next()) seen.push_back(p->Latitude);
  EXPECT_EQ(seen, (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(t.Next(), nullptr);
  EXPECT_EQ(t.Last()->Latitude, 2);
  EXPECT_EQ(t.Next(), nullptr);
  t.Clear();
  EXPECT_EQ(t.First(), nullptr);
  EXPECT_EQ(t.Color, 0x00FF00u);
}

TEST(TrackList, NamesAreCutToTwentyAtACharacterBoundary) {
  const QString clef = QString::fromUtf16(u"\U0001D11E");  // a surrogate pair
  struct Case {
    QString in, out;
  } cases[] = {
      {QString(25, u'a'), QString(20, u'a')},
      {QString(20, u'b'), QString(20, u'b')},
      {QString(19, u'c') + clef, QString(19, u'c')},
      {QString(18, u'd') + clef + QChar(u'e'), QString(18, u'd') + clef},
      {QStringLiteral("Zürich"), QStringLiteral("Zürich")},
  };
  for (const auto& c : cases) {
    TTrackList t;
    t.SetName(c.in);
    EXPECT_EQ(t.Name(), c.out) << c.in.toStdString();
  }
}

TEST(TrackList, FirstPointNamesTheTrackInLocalTime) {
  testenv::FixedZone tz(testenv::kCentralEurope);
  struct Case {
    double time;
    const char* name;
  } cases[] = {
      {utc(2014, 1, 14, 13, 36, 48), "2014/01/14 14:36:48"},
      {utc(2014, 7, 1, 23, 5, 9), "2014/07/02 01:05:09"},  // summer time on that day
  };
  for (const auto& c : cases) {
    TTrackList t;
    t.AddPoint({0, 0, 0, c.time}, true);
    EXPECT_EQ(t.Name().toStdString(), c.name);
    t.AddPoint({0, 0, 0, utc(2020, 1, 1, 0, 0, 0)}, true);  // later points do not rename
    EXPECT_EQ(t.Name().toStdString(), c.name);
  }
  TTrackList unnamed;
  unnamed.AddPoint({0, 0, 0, utc(2014, 1, 14, 13, 36, 48)}, false);
  EXPECT_TRUE(unnamed.Name().isEmpty());
}

TEST(TrackStorage, LookupsTakeTheFirstTrackOfAName) {
  TTrackStorage s;
  s.AddTrack(makeTrack("a", 1, 1));
  s.AddTrack(makeTrack("b", 1, 2));
  s.AddTrack(makeTrack("a", 1, 3));
  s.AddTrack(makeTrack("c", 1, 4));
  TTrackList* found = s.FindTrack("a");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found, s.At(0));
  EXPECT_EQ(s.FindTrack("A"), nullptr);  // exact, case-sensitive
  ASSERT_EQ(s.FindTrack("b"), s.At(1));
  EXPECT_EQ(s.Next(), s.At(2));  // the cursor stays on the track found

  EXPECT_TRUE(s.DeleteTrack("a"));
  ASSERT_EQ(s.Count(), 3u);
  EXPECT_EQ(s.At(0)->Name(), "b");
  EXPECT_EQ(s.At(1)->Distance, 1234.5 + 3);  // the later "a" stays
  EXPECT_FALSE(s.DeleteTrack("x"));
  EXPECT_TRUE(s.DeleteTrackAt(2));
  EXPECT_FALSE(s.DeleteTrackAt(2));
  std::vector<QString> names;
  for (auto* t = s.First(); t; t = s.Next()) names.push_back(t->Name());
  EXPECT_EQ(names, (std::vector<QString>{"b", "a"}));
  s.Clear();
  EXPECT_EQ(s.First(), nullptr);
}

TEST(TrackFile, LayoutOfOneTrack) {
  TTrackStorage s;
  auto t = std::make_unique<TTrackList>();
  t->SetName(QString::fromUtf16(u"Ab\u00e9"));
  t->Distance = 2.5;
  t->Color = 0x00112233;
  t->AddPoint({48.5, -11.25, 520, 41000.5}, false);
  s.AddTrack(std::move(t));
  std::string p = path("trackfile-layout", "one.trk");
  ASSERT_EQ(s.SaveToFile(QString::fromStdString(p)), 1);

  std::string want;
  lebytes::Put16(want, 1);
  for (char16_t c : std::u16string(u"Ab\u00e9")) lebytes::Put16(want, c);
  want.append(34 + 2, '\0');  // the name's padding, then the reserved word
  lebytes::PutDouble(want, 2.5);
  lebytes::Put32(want, 1);
  lebytes::Put32(want, 0x00112233);
  for (double v : {48.5, -11.25, 520.0, 41000.5}) lebytes::PutDouble(want, v);
  EXPECT_EQ(testenv::readFile(p), want);
}

TEST(TrackFile, RoundTripOfTheCheckedTracks) {
  TTrackStorage s;
  s.AddTrack(makeTrack(QString(20, u'x'), 3, 1));  // no terminator in the file
  s.AddTrack(makeTrack("skipped", 2, 2));
  s.AddTrack(makeTrack(QString::fromUtf16(u"Weg \U0001F6B2 nach Süd"), 0, 3));
  s.AddTrack(makeTrack("last", 1000, 4));
  s.At(3)->Color = 0x00ABCDEF;
  s.SetRowCheckedQuery([](std::size_t row) { return row != 1; });
  std::string p = path("trackfile-roundtrip", "t.trk");
  EXPECT_EQ(s.SaveToFile(QString::fromStdString(p)), 4);  // all tracks, saved or not

  TTrackStorage back;
  back.AddTrack(makeTrack("old", 1));
  ASSERT_TRUE(back.LoadFromFile(QString::fromStdString(p)));
  ASSERT_EQ(back.Count(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const TTrackList* want = s.At(i == 0 ? 0 : i + 1);
    const TTrackList* got = back.At(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(got->Name(), want->Name());
    EXPECT_EQ(got->Distance, want->Distance);
    EXPECT_EQ(got->Color, want->Color);
    ASSERT_EQ(got->Count(), want->Count());
    for (std::size_t k = 0; k < got->Count(); ++k) {
      const auto &a = got->Points()[k], &b = want->Points()[k];
      ASSERT_EQ(a.Latitude, b.Latitude);
      ASSERT_EQ(a.Longitude, b.Longitude);
      ASSERT_EQ(a.Altitude, b.Altitude);
      ASSERT_EQ(a.Time, b.Time);
    }
  }
  EXPECT_EQ(back.At(0)->Name().size(), 20);

  s.SetRowCheckedQuery([](std::size_t) { return false; });
  EXPECT_EQ(s.SaveToFile(QString::fromStdString(p)), 4);
  EXPECT_EQ(testenv::readFile(p), "");
}

TEST(TrackFile, SaveFailures) {
  TTrackStorage s;
  s.AddTrack(makeTrack("t", 5));
  EXPECT_EQ(s.SaveToFile(QString::fromStdString(path("trackfile-nodir", "x") + "/no/such/dir/t.trk")), 0);

  // A write that fails (file size limit), for a file smaller and one larger
  // than any write buffer, is reported and the old file stays as it was.
  for (int points : {10, 5000}) {
    SCOPED_TRACE(points);
    TTrackStorage big;
    big.AddTrack(makeTrack("t", points));
    std::string p = path("trackfile-full", "t.trk");
    testenv::writeFile(p, "old contents");
    int result;
    {
      testenv::FileSizeLimit limit(200);
      ASSERT_TRUE(limit.active());
      result = big.SaveToFile(QString::fromStdString(p));
    }
    EXPECT_EQ(result, TTrackStorage::kSaveFailed);
    EXPECT_EQ(testenv::readFile(p), "old contents");
  }
}

TEST(TrackFile, DamagedFiles) {
  TTrackStorage src;
  src.AddTrack(makeTrack("one", 3));
  src.AddTrack(makeTrack("two", 4));
  std::string p = path("trackfile-damaged", "t.trk");
  ASSERT_EQ(src.SaveToFile(QString::fromStdString(p)), 2);
  const std::string whole = testenv::readFile(p);
  ASSERT_EQ(whole.size(), 2 * 60 + 7 * 32u);
  std::string hugeCount = whole.substr(0, 60 + 3 * 32) + whole.substr(60 + 3 * 32, 60);
  hugeCount[60 + 3 * 32 + 52] = hugeCount[60 + 3 * 32 + 53] = hugeCount[60 + 3 * 32 + 54] =
      hugeCount[60 + 3 * 32 + 55] = '\xFF';

  struct Case {
    const char* what;
    std::string bytes;
    bool result;
    std::vector<QString> names;  // the store afterwards
  } cases[] = {
      {"last point cut short", whole.substr(0, whole.size() - 1), false, {"one"}},
      {"second header cut short", whole.substr(0, 60 + 3 * 32 + 59), false, {"one"}},
      {"point count beyond the file", hugeCount, false, {"one"}},
      {"first track cut short: nothing read", whole.substr(0, 100), false, {"old"}},
      {"empty file", "", false, {"old"}},
      {"whole", whole, true, {"one", "two"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testenv::writeFile(p, c.bytes);
    TTrackStorage s;
    s.AddTrack(makeTrack("old", 1));
    EXPECT_EQ(s.LoadFromFile(QString::fromStdString(p)), c.result);
    std::vector<QString> names;
    for (auto* t = s.First(); t; t = s.Next()) names.push_back(t->Name());
    EXPECT_EQ(names, c.names);
  }
  TTrackStorage s;
  s.AddTrack(makeTrack("old", 1));
  EXPECT_FALSE(s.LoadFromFile(QString::fromStdString(p + ".missing")));
  EXPECT_EQ(s.Count(), 1u);
}

TEST(TrackImport, SegmentsMakeTracksOfAtLeastTwoPoints) {
  testenv::FixedZone tz("UTC0");
  struct Case {
    const char* what;
    GpsLogWriter log;
    std::vector<std::size_t> points;  // per track; empty: import fails
  } cases[] = {
      {"segments of 1, 5 and 1 fixes", segments({1, 5, 1}), {5}},
      {"no segment start at all", segments({-6}), {}},
      {"fixes before the first start are dropped", segments({-4, 3, 2}), {3, 2}},
      {"a single fix", segments({1}), {}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTrackStorage s;
    s.AddTrack(makeTrack("old", 1));
    bool ok = s.LoadDeviceFile(QString::fromStdString(logFile(c.log)));
    EXPECT_EQ(ok, !c.points.empty());
    std::vector<std::size_t> points;
    for (auto* t = s.First(); t; t = s.Next()) points.push_back(t->Count());
    if (c.points.empty()) {
      EXPECT_EQ(points, std::vector<std::size_t>{1});  // left as it was
    } else {
      EXPECT_EQ(points, c.points);
      for (auto* t = s.First(); t; t = s.Next()) {
        // 10 m steps, counted from each track's own first point.
        EXPECT_NEAR(t->Distance, 10.0 * (t->Count() - 1), 1e-9);
        EXPECT_EQ(t->Color, 0x00FF00u);
        EXPECT_EQ(t->Name().toStdString(), "2014/05/10 07:23:28");
      }
    }
  }
}

TEST(TrackImport, PointsTimesAndDistances) {
  testenv::FixedZone tz("XXX-1");  // one hour east of UTC, no summer time
  // Two positions recorded with cs2cs (tests/fixtures/gpslog): 48.099998953488 N
  // 11.500006267853 E and 33.400002205683 S 70.599995981902 W.
  const std::int32_t pos[2][3] = {{4182118, 850862, 4724696}, {1770638, -5027998, -3491394}};
  GpsLogWriter w;
  std::int32_t x = pos[0][0], y = pos[0][1], z = pos[0][2];
  w.full(0, x, y, z, GpsLogWriter::segment(2));  // stored time 0: 2014-01-14
  x = pos[1][0], y = pos[1][1], z = pos[1][2];
  w.full(5, x, y, z);
  // On the prime meridian's plane Y is 0: a position like any other.
  w.full(6, 6378137, 0, 0);
  w.delta(1, -100, 0, 0);
  TTrackStorage s;
  ASSERT_TRUE(s.LoadDeviceFile(QString::fromStdString(logFile(w))));
  ASSERT_EQ(s.Count(), 1u);
  TTrackList* t = s.At(0);
  EXPECT_EQ(t->Name().toStdString(), "2014/01/14 14:36:48");
  ASSERT_EQ(t->Count(), 4u);
  const auto& p = t->Points();
  // Cut toward zero to 0.00001 degree.
  EXPECT_DOUBLE_EQ(p[0].Latitude, 48.09999);
  EXPECT_DOUBLE_EQ(p[0].Longitude, 11.5);
  EXPECT_DOUBLE_EQ(p[1].Latitude, -33.4);
  EXPECT_DOUBLE_EQ(p[1].Longitude, -70.59999);
  EXPECT_EQ(p[0].Altitude, 0.0);
  EXPECT_EQ(p[0].Time, utc(2014, 1, 14, 13, 36, 48));
  EXPECT_EQ(p[1].Time, utc(2014, 1, 14, 13, 36, 53));
  const double x0 = pos[0][0], y0 = pos[0][1], z0 = pos[0][2];
  const double x1 = pos[1][0], y1 = pos[1][1], z1 = pos[1][2];
  double chord01 = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0) + (z1 - z0) * (z1 - z0));
  double chord12 = std::sqrt((6378137 - x1) * (6378137 - x1) + y1 * y1 + z1 * z1);
  EXPECT_NEAR(t->Distance, chord01 + chord12 + 100, 1e-6);
}

namespace {

// WGS-84 lengths worked out apart from the import: the meridian arc between
// two latitudes (Simpson's rule over the meridian's radius of curvature) and
// the arc of a parallel, in metres.
constexpr double kA = 6378137.0, kE2 = (2 - 1 / 298.257223563) / 298.257223563;
constexpr double kDeg = std::numbers::pi / 180;

double meridianArc(double lat1, double lat2) {
  const int n = 1000;
  const double h = (lat2 - lat1) * kDeg / n;
  auto m = [](double phi) { return kA * (1 - kE2) / std::pow(1 - kE2 * std::sin(phi) * std::sin(phi), 1.5); };
  double sum = m(lat1 * kDeg) + m(lat2 * kDeg);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * m(lat1 * kDeg + i * h);
  return sum * h / 3;
}

double parallelArc(double lat, double lon1, double lon2) {
  const double phi = lat * kDeg;
  return kA / std::sqrt(1 - kE2 * std::sin(phi) * std::sin(phi)) * std::cos(phi) * (lon2 - lon1) * kDeg;
}

}  // namespace

// X is 0 all along longitude 90 and Y all along longitude 0: such fixes are
// positions, and every step of a track counts from its first point on.
TEST(TrackImport, DistancesAlongMeridiansWhereXOrYIsZero) {
  struct Case {
    const char* what;
    std::vector<std::pair<double, double>> fixes;  // latitude, longitude
    double metres;
  } const cases[] = {
      {"along longitude 0", {{51.40, 0}, {51.45, 0}, {51.50, 0}}, meridianArc(51.40, 51.50)},
      {"along longitude 90", {{10.0, 90}, {10.05, 90}, {10.10, 90}}, meridianArc(10.0, 10.10)},
      {"across the meridian", {{51.5, -0.05}, {51.5, 0}, {51.5, 0.05}}, parallelArc(51.5, -0.05, 0.05)},
  };
  GpsLogWriter w;
  std::uint32_t time = 10000000;
  for (const Case& c : cases) {
    bool first = true;
    for (const auto& [lat, lon] : c.fixes) {
      std::int32_t x, y, z;
      ecef(lat, lon, x, y, z);
      w.full(time++, x, y, z, first ? GpsLogWriter::segment(1) : 0);
      first = false;
    }
  }
  TTrackStorage s;
  ASSERT_TRUE(s.LoadDeviceFile(QString::fromStdString(logFile(w))));
  ASSERT_EQ(s.Count(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].what);
    ASSERT_EQ(s.At(i)->Count(), cases[i].fixes.size());
    // The log holds whole metres: the sum is within a metre of the arc.
    EXPECT_NEAR(s.At(i)->Distance, cases[i].metres, 1.0);
  }
}

TEST(TrackImport, UnreadableOrBadLogLeavesTheTracks) {
  std::string garbage(9000, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 131 % 251);
  std::string p = path("tracklog-bad", "g.bin");
  testenv::writeFile(p, garbage);
  for (const std::string& file : {p, p + ".missing"}) {
    TTrackStorage s;
    s.AddTrack(makeTrack("old", 2));
    EXPECT_FALSE(s.LoadDeviceFile(QString::fromStdString(file)));
    ASSERT_EQ(s.Count(), 1u);
    EXPECT_EQ(s.At(0)->Name(), "old");
  }
}
