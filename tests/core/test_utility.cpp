#include "Utility.h"

#include <gtest/gtest.h>

#include <QString>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Fixedzone.h"
#include "Fontbank.h"
#include "Fonttable.h"
#include "Testenv.h"
#include "Textfmt.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

std::vector<std::string> PeerLines(const std::string& kind) {
  std::istringstream in(testenv::readFile(testenv::fixturesDir() / "geo_peers.txt"));
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);)
    if (line.rfind(kind + " ", 0) == 0) out.push_back(line);
  return out;
}

using testenv::FixedZone;
using testenv::kCentralEurope;

SystemTime Sys(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
  SystemTime t;
  t.Year = static_cast<std::uint16_t>(y);
  t.Month = static_cast<std::uint16_t>(mo);
  t.Day = static_cast<std::uint16_t>(d);
  t.Hour = static_cast<std::uint16_t>(h);
  t.Minute = static_cast<std::uint16_t>(mi);
  t.Second = static_cast<std::uint16_t>(s);
  t.Milliseconds = static_cast<std::uint16_t>(ms);
  return t;
}

std::string Show(const SystemTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                t.Second, t.Milliseconds);
  return buf;
}

double Dt(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, ms});
}

}  // namespace

// --- distance and course against geod ----------------------------------------------------

TEST(Geodesic, DistanceAndCourseMatchGeod) {
  const auto lines = PeerLines("course");
  ASSERT_GE(lines.size(), 10u);
  for (const auto& line : lines) {
    SCOPED_TRACE(line);
    const auto w = Words(line);
    ASSERT_EQ(w.size(), 7u);
    const double lat1 = textfmt::StrToFloat(w[1]), lon1 = textfmt::StrToFloat(w[2]);
    const double lat2 = textfmt::StrToFloat(w[3]), lon2 = textfmt::StrToFloat(w[4]);
    const double km = textfmt::StrToFloat(w[6]);
    const double d = ComputeHaversineDistance(lon1, lat1, lon2, lat2);
    EXPECT_NEAR(d, km, 1e-6);
    EXPECT_NEAR(ComputeHaversineDistance(lon2, lat2, lon1, lat1), km, 1e-6);
    const double course = ComputeInitialBearing(-1.0, lon2, lat2, lon1, lat1);
    if (w[5] == "-") continue;
    const double expected = textfmt::StrToFloat(w[5]);
    EXPECT_GE(course, 0.0);
    EXPECT_LT(course, 360.0);
    EXPECT_NEAR(std::remainder(course - expected, 360.0), 0.0, 1e-7);
  }
}

TEST(Geodesic, OnlyIdenticalPointsGiveTheFallback) {
  EXPECT_EQ(ComputeInitialBearing(123.5, 8.0, 47.0, 8.0, 47.0), 123.5);
  EXPECT_EQ(ComputeInitialBearing(-7.0, 0.0, 0.0, 0.0, 0.0), -7.0);
  EXPECT_EQ(ComputeHaversineDistance(8.0, 47.0, 8.0, 47.0), 0.0);
  // Exact values where the formula has a zero component.
  EXPECT_EQ(ComputeInitialBearing(-1, 0, 1, 0, 0), 0.0);
  EXPECT_FALSE(std::signbit(ComputeInitialBearing(-1, 0, 1, 0, 0)));
  EXPECT_EQ(ComputeInitialBearing(-1, 0, -1, 0, 0), 180.0);
  EXPECT_EQ(ComputeInitialBearing(-1, 5, 0, 0, 0), 90.0);
  EXPECT_EQ(ComputeInitialBearing(-1, -5, 0, 0, 0), 270.0);
}

TEST(Geodesic, AntipodalDistanceIsHalfTheCircumference) {
  // Rounding puts the haversine term a hair above 1 for some antipodal pairs.
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> lat(-89.0, 89.0), lon(-180.0, 180.0);
  for (int i = 0; i < 2000; ++i) {
    const double a = lat(rng), b = lon(rng);
    const double d = ComputeHaversineDistance(b, a, b > 0 ? b - 180 : b + 180, -a);
    ASSERT_FALSE(std::isnan(d)) << a << " " << b;
    ASSERT_NEAR(d, 20037.508342789, 1e-3);  // asin near 1 keeps ~0.2 m
  }
}

// --- Douglas-Peucker ---------------------------------------------------------------------------

TEST(Simplify, MatchesShapely) {
  const auto lines = PeerLines("simplify");
  ASSERT_GE(lines.size(), 6u);
  for (const auto& line : lines) {
    const auto w = Words(line);
    const std::string name = w[1] + " tol " + w[2];
    SCOPED_TRACE(name);
    const double tol = textfmt::StrToFloat(w[2]);
    const int n = textfmt::StrToInt(w[3]);
    std::vector<double> x, y;
    std::size_t k = 4;
    for (int i = 0; i < n; ++i, k += 2) {
      x.push_back(textfmt::StrToFloat(w[k]));
      y.push_back(textfmt::StrToFloat(w[k + 1]));
    }
    ASSERT_EQ(w[k++], "|");
    std::vector<int> expected;
    for (; k < w.size(); ++k) expected.push_back(textfmt::StrToInt(w[k]));
    std::vector<std::int32_t> keep(static_cast<std::size_t>(n), 0);
    EXPECT_EQ(SimplifyPolyline(x.data(), y.data(), n, tol, keep.data()), static_cast<int>(expected.size()));
    std::vector<int> kept;
    for (int i = 0; i < n; ++i)
      if (keep[i]) kept.push_back(i);
    EXPECT_EQ(kept, expected);
  }
}

TEST(Simplify, SmallAndDegenerateInputs) {
  struct Case {
    const char* name;
    std::vector<double> x, y;
    double tol;
    std::vector<std::int32_t> keep;
  };
  const Case cases[] = {
      {"one point", {1}, {2}, 0.1, {1}},
      {"two points", {0, 5}, {0, 5}, 100, {1, 1}},
      {"collinear", {0, 1, 2}, {0, 1, 2}, 0.01, {1, 0, 1}},
      {"tolerance equal to the distance", {0, 1, 2}, {0, 1, 0}, 1.0, {1, 0, 1}},
      {"tie keeps the earlier point", {0, 1, 2, 3}, {0, 1, 1, 0}, 0.5, {1, 1, 0, 1}},
      {"before the first point", {0, -1, 2}, {0, 0, 0}, 0.5, {1, 1, 1}},
      {"closed loop", {0, 1, 1, 0}, {0, 0, 1, 0}, 0.8, {1, 0, 1, 1}},
      {"closed loop kept", {0, 1, 1, 0}, {0, 0, 1, 0}, 0.7, {1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int n = static_cast<int>(c.x.size());
    std::vector<std::int32_t> keep(c.x.size(), 0);
    int expected = 0;
    for (auto v : c.keep) expected += v;
    EXPECT_EQ(SimplifyPolyline(c.x.data(), c.y.data(), n, c.tol, keep.data()), expected);
    EXPECT_EQ(keep, c.keep);
  }
}

TEST(Simplify, RefusesToleranceThatCannotEnd) {
  const double x[] = {0, 1, 2}, y[] = {0, 1, 0};
  for (double tol : {-0.5, -std::numeric_limits<double>::min(), std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
    std::int32_t keep[3] = {0, 0, 0};
    EXPECT_EQ(SimplifyPolyline(x, y, 3, tol, keep), -1) << tol;
    EXPECT_EQ(keep[0] + keep[1] + keep[2], 0);
  }
  EXPECT_EQ(SimplifyPolyline(x, y, 0, 1.0, nullptr), 0);
}

TEST(Simplify, MillionPointTrackStaysWithinTolerance) {
  const int n = 1000000;
  std::vector<double> x(n), y(n);
  std::mt19937 rng(42);
  std::normal_distribution<double> step(0.0, 0.0001);
  x[0] = 47.0;
  y[0] = 8.0;
  for (int i = 1; i < n; ++i) {
    x[i] = x[i - 1] + step(rng) + 0.00002;
    y[i] = y[i - 1] + step(rng);
  }
  const double tol = 0.0003;
  std::vector<std::int32_t> keep(n, 0);
  const int kept = SimplifyPolyline(x.data(), y.data(), n, tol, keep.data());
  ASSERT_EQ(keep.front(), 1);
  ASSERT_EQ(keep.back(), 1);
  int count = 0, a = 0;
  for (int i = 1; i < n; ++i) {
    if (!keep[i]) continue;
    ++count;
    // Every dropped point lies within the tolerance of its kept segment.
    const double dx = x[i] - x[a], dy = y[i] - y[a], len2 = dx * dx + dy * dy;
    for (int j = a + 1; j < i; ++j) {
      double t = len2 > 0 ? ((x[j] - x[a]) * dx + (y[j] - y[a]) * dy) / len2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double d = std::hypot(x[j] - x[a] - t * dx, y[j] - y[a] - t * dy);
      ASSERT_LE(d, tol + 1e-12) << j;
    }
    a = i;
  }
  EXPECT_EQ(kept, count + 1);
  EXPECT_GT(kept, 1000);
  EXPECT_LT(kept, n / 4);
}

// --- time ---------------------------------------------------------------------------------------

TEST(LocalTime, OffsetOfTheConvertedMoment) {
  FixedZone zone(kCentralEurope);
  struct Case {
    SystemTime utc, local;
  };
  const Case cases[] = {
      {Sys(2024, 1, 15, 12, 0, 0, 250), Sys(2024, 1, 15, 13, 0, 0, 250)},   // winter
      {Sys(2024, 7, 15, 12, 0, 0), Sys(2024, 7, 15, 14, 0, 0)},             // summer
      {Sys(2024, 3, 31, 0, 59, 59), Sys(2024, 3, 31, 1, 59, 59)},           // last second of winter time
      {Sys(2024, 3, 31, 1, 0, 0), Sys(2024, 3, 31, 3, 0, 0)},               // first of summer time
      {Sys(2024, 10, 26, 23, 30, 0), Sys(2024, 10, 27, 1, 30, 0)},          // across midnight
      {Sys(2023, 12, 31, 23, 0, 0), Sys(2024, 1, 1, 0, 0, 0)},              // across the year
      {Sys(2024, 2, 28, 23, 30, 0), Sys(2024, 2, 29, 0, 30, 0)},            // leap day
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Show(c.utc));
    SystemTime local, utc;
    ASSERT_TRUE(ConvertUtcToLocal(c.utc, local));
    EXPECT_EQ(Show(local), Show(c.local));
    ASSERT_TRUE(ConvertLocalToUtc(c.local, utc));
    EXPECT_EQ(Show(utc), Show(c.utc));
  }
  SystemTime out = Sys(2000, 1, 1, 0, 0, 0);
  EXPECT_EQ(out.DayOfWeek, 0);
  ASSERT_TRUE(ConvertUtcToLocal(Sys(2024, 7, 15, 12, 0, 0), out));
  EXPECT_EQ(out.DayOfWeek, 1);  // a Monday
}

TEST(LocalTime, InvalidFieldsLeaveTheResultAlone) {
  FixedZone zone(kCentralEurope);
  const SystemTime bad[] = {Sys(2024, 2, 30, 0, 0, 0), Sys(2024, 13, 1, 0, 0, 0), Sys(2024, 1, 1, 24, 0, 0),
                            Sys(2024, 1, 1, 0, 60, 0), Sys(0, 0, 0, 0, 0, 0)};
  for (const auto& t : bad) {
    SystemTime out = Sys(1999, 9, 9, 9, 9, 9);
    EXPECT_FALSE(ConvertUtcToLocal(t, out)) << Show(t);
    EXPECT_FALSE(ConvertLocalToUtc(t, out)) << Show(t);
    EXPECT_EQ(Show(out), "1999-09-09 09:09:09.000");
  }
}

TEST(LocalTime, DateTimeToLocalDropsMilliseconds) {
  FixedZone zone(kCentralEurope);
  EXPECT_EQ(ConvertUtcDateTimeToLocal(Dt(2024, 1, 15, 12, 0, 0, 900)), Dt(2024, 1, 15, 13, 0, 0));
  EXPECT_EQ(ConvertUtcDateTimeToLocal(Dt(2024, 7, 15, 23, 30, 5)), Dt(2024, 7, 16, 1, 30, 5));
  const struct { double dt; int seconds; } days[] = {
      {Dt(2024, 7, 15, 0, 0, 0), 0}, {Dt(2024, 7, 15, 10, 20, 30, 999), 37230}, {Dt(2024, 7, 15, 23, 59, 59), 86399}};
  for (const auto& d : days) EXPECT_EQ(GetSecondsOfDay(d.dt), d.seconds);
}

TEST(IsoDateTime, ParsesTheLeadingNineteenCharacters) {
  const struct { const char* text; double dt; } cases[] = {
      {"2014-05-03T10:20:30Z", Dt(2014, 5, 3, 10, 20, 30)},
      {"2014-05-03", Dt(2014, 5, 3, 0, 0, 0)},
      {"  2014-05-03T10:20:30.750+02:00\t", Dt(2014, 5, 3, 10, 20, 30)},
      {"2014-05-03T1x:20:30", Dt(2014, 5, 3, 0, 0, 0)},
      {"1899-12-30T06:00:00", 0.25},
      {"", 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIsoDateTime(QString::fromUtf8(c.text)), c.dt) << c.text;
  for (const char* bad : {"abc", "   ", "2014-5-3", "2014-02-30", "2014-05-03T25:00:00", "2014-05-03T10:60:00", "+014-05-03"})
    EXPECT_THROW(ParseIsoDateTime(QString::fromUtf8(bad)), textfmt::ConvertError) << bad;
}

// --- elevation reply ---------------------------------------------------------------------------

TEST(ElevationReply, Table) {
  const struct { std::vector<const char*> lines; int metres; } cases[] = {
      {{"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<ElevationResponse>", " <status>OK</status>", " <result>",
        "  <location><lat>39.7391536</lat><lng>-104.9847034</lng></location>", "  <elevation>1608.6379395</elevation>",
        "  <resolution>4.7719760</resolution>", " </result>", "</ElevationResponse>"},
       1608},
      {{"<ELEVATION>12.9</ELEVATION>"}, 12},
      {{"<elevation>-3.7</elevation>"}, -3},
      {{"<elevation> 0.4 </elevation>"}, 0},
      {{"<elevation>abc</elevation>", "<elevation>5</elevation>"}, ELEVATION_ERROR},
      {{"<elevation>1e10</elevation>"}, ELEVATION_ERROR},
      {{"<elevation>-2147483649</elevation>"}, ELEVATION_ERROR},
      {{"<elevation>nan</elevation>"}, ELEVATION_ERROR},
      {{"<elevation>inf</elevation>"}, ELEVATION_ERROR},
      {{"<status>OK</status><elevation>7</elevation>"}, ELEVATION_ERROR},
      {{"<status>INVALID_REQUEST</status>", "<elevation>8</elevation>"}, 8},
      {{"<elevation>9"}, 9},
      {{"<status>OK</status>", "<result/>"}, ELEVATION_ERROR},
      {{}, ELEVATION_ERROR},
  };
  for (const auto& c : cases) {
    QStringList lines;
    for (const char* l : c.lines) lines << QString::fromUtf8(l);
    EXPECT_EQ(ParseElevationReply(lines), c.metres) << lines.join(QLatin1Char('|')).toStdString();
  }
}

TEST(ElevationReply, QueryLimitWaitsAndGivesNoElevation) {
  for (const char* status : {"<status>OVER_QUERY_LIMIT</status>", "   <Status>over_query_limit</Status>"}) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ParseElevationReply({QString::fromUtf8(status), QStringLiteral("<elevation>5</elevation>")}),
              ELEVATION_ERROR);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(350));
  }
}

// Lone CRs end lines too; the query limit waits through the given wait.
TEST(ElevationReply, BodyWithAnyLineEnd) {
  std::vector<int> waited;
  const auto wait = [&](int ms) { waited.push_back(ms); };
  EXPECT_EQ(ParseElevationBody("<status>OK</status>\r<elevation>12.9</elevation>\r", wait), 12);
  EXPECT_EQ(ParseElevationBody("<status>OVER_QUERY_LIMIT</status>\r<elevation>5</elevation>", wait), ELEVATION_ERROR);
  EXPECT_EQ(waited, std::vector<int>{350});
  // The status and the elevation on one line (no line end) is no answer.
  EXPECT_EQ(ParseElevationBody("<status>OK</status><elevation>7</elevation>", wait), ELEVATION_ERROR);
}

TEST(TextLines, EveryLineEnd) {
  const struct { const char* text; QStringList lines; } cases[] = {
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\n", {"a", ""}},
      {"", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextLines(QString::fromUtf8(c.text)), c.lines) << c.text;
}

// What the version check's window tests do not show.
TEST(VersionReply, Fields) {
  const struct { const char* body; int build; const char* name; const char* problem; } cases[] = {
      {"V1.60\r2.0.1.60\r", 60, "2.0.1.60", ""},
      {"V1. 61 \n  2.0.1.61  \nmore", 61, "2.0.1.61", ""},
      {"V1.$40\nhex", 64, "hex", ""},
      {"V1.64", 64, "", ""},
      {"V1.-1\nx", -1, "x", ""},
      {"V1.62x\n2.0.1.62", 0, "", "no build number"},
      {"63\nshort", 0, "", "no build number"},  // the first three characters are skipped
      {"V1.\nx", 0, "", "no build number"},
      {"V1.65\n2.0\x01", 0, "", "not text"},
      {"V1.\xff\xfe" "6\nx", 0, "", "not text"},
      {"\n\n", 0, "", "empty"},
  };
  for (const auto& c : cases) {
    const VersionReply r = ParseVersionReply(QByteArray(c.body));
    EXPECT_EQ(r.Build, c.build) << c.body;
    EXPECT_EQ(r.Name, QString::fromUtf8(c.name)) << c.body;
    if (*c.problem)
      EXPECT_TRUE(r.Problem.contains(QLatin1String(c.problem))) << c.body << ": " << r.Problem.toStdString();
    else
      EXPECT_EQ(r.Problem, QString()) << c.body;
  }
  // The build compares on 16 bits; a name is not needed, a readable file is.
  EXPECT_TRUE((VersionReply{65536 + 60, QStringLiteral("x"), {}}).NewerThan(59));
  EXPECT_FALSE((VersionReply{65536 + 60, QStringLiteral("x"), {}}).NewerThan(60));
  EXPECT_TRUE((VersionReply{60, QString(), {}}).NewerThan(1));
  EXPECT_FALSE((VersionReply{60, QStringLiteral("x"), QStringLiteral("bad")}).NewerThan(1));
  EXPECT_TRUE(ParseVersionReply("V1.-1\nx").NewerThan(65534));  // -1 is 65535
}

// --- small helpers -----------------------------------------------------------------------------

TEST(TextHelpers, TurnLetters) {
  const char* expected[] = {"C", "TSLL", "C", "TSLR", "TL", "U", "TR", "TSHL", "TSHR", "C"};
  for (unsigned t = 0; t < 10; ++t) EXPECT_STREQ(TurnTypeToCode(t), expected[t]) << t;
  EXPECT_STREQ(TurnTypeToCode(0xFFFFFFFFu), "C");
}

TEST(TextHelpers, DelimitedField) {
  const struct { const char* text; const char* delim; int n; const char* field; } cases[] = {
      {"a;b;c", ";", 1, "a"}, {"a;b;c", ";", 2, "b"}, {"a;b;c", ";", 3, "c"}, {"a;b;c", ";", 4, ""},
      {"a;b;c", ";", 0, ""},  {"a;b;c", ";", -1, ""}, {"a;;c", ";", 2, ""},   {"a;;c", ";", 3, "c"},
      {"abc", ";", 1, "abc"}, {"abc", ";", 2, ""},    {"", ";", 1, ""},       {"a;b", "", 1, ""},
      {"Home;47.5;8.25", ";", 3, "8.25"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetDelimitedField(QString::fromUtf8(c.text), QString::fromUtf8(c.delim), c.n), QString::fromUtf8(c.field))
        << c.text << " " << c.n;
}

TEST(TextHelpers, TruncateString) {
  const struct { std::u16string in; int n; std::u16string out; } cases[] = {
      {u"abcdef", 0, u"abcdef"}, {u"abcdef", 3, u"abc"},  {u"abcdef", 6, u"abcdef"},
      {u"abcdef", 9, u"abcdef"}, {u"abcdef", -2, u"abcdef"}, {u"ab\U0001F600c", 3, u"ab"},
      {u"ab\U0001F600c", 4, u"ab\U0001F600"},
  };
  for (const auto& c : cases) {
    std::u16string s = c.in;
    TruncateString(s, c.n);
    EXPECT_EQ(s, c.out) << c.n;
    QString q = QString::fromStdU16String(c.in);
    TruncateString(q, c.n);
    EXPECT_EQ(q, QString::fromStdU16String(c.out)) << c.n;
  }
}

TEST(TextHelpers, OpaqueColour) {
  EXPECT_EQ(MakeOpaqueColor(0x00123456u), 0xFF123456u);
  EXPECT_EQ(MakeOpaqueColor(0x7F123456u), 0xFF123456u);
  EXPECT_EQ(MakeOpaqueColor(0u), 0xFF000000u);
}

TEST(TextHelpers, FileLength) {
  const auto dir = testenv::scratchDir("filelength");
  testenv::writeFile(dir / "five", "12345");
  testenv::writeFile(dir / "empty", "");
  EXPECT_EQ(GetFileLength((dir / "five").string()), 5);
  EXPECT_EQ(GetFileLength((dir / "empty").string()), 0);
  EXPECT_EQ(GetFileLength((dir / "missing").string()), 0);
  EXPECT_EQ(GetFileLength(dir.string()), 0);
}

TEST(DeviceCodes, RoundTripThroughATable) {
  TFontBank bank;
  TFontTable table(bank);
  const std::u16string text = u"Grüße, 日本! Grüße";
  std::u16string name = text + std::u16string(4, u'\0');  // a padded name field
  std::vector<std::uint16_t> codes(name.size(), 0xFFFF);
  ConvertToDeviceCodes(codes.data(), name.data(), static_cast<int>(name.size()), table);
  EXPECT_EQ(codes[0], 1);
  EXPECT_EQ(codes[2], 3);                      // 'ü'
  EXPECT_EQ(codes[11], 1);                     // 'G' again
  EXPECT_EQ(codes.back(), 0);                  // padding keeps code 0
  EXPECT_EQ(table.GetCount(), 1 + 10);         // G r ü ß e , blank 日 本 ! and entry 0
  std::u16string back(name.size() + 1, u'#');
  ConvertFromDeviceCodes(back.data(), codes.data(), static_cast<int>(codes.size()), table);
  EXPECT_EQ(back, name + u"#");                // exactly count units, no terminator
  const std::uint16_t foreign[] = {1, 200, 0xFFFF, 2};
  char16_t chars[4];
  ConvertFromDeviceCodes(chars, foreign, 4, table);
  EXPECT_EQ(std::u16string(chars, 4), (std::u16string{u'G', 0, 0, u'r'}));
}
