// GPS log decoder: record kinds, checksums, block tails, end of log, times
// and positions (the latter against values recorded with proj's cs2cs).
#include "Gpslog.h"
#include "Gpslogwriter.h"
#include "Testenv.h"
#include "Textfmt.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <vector>

using testenv::GpsLogWriter;
using Sum = GpsLogWriter::Sum;

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;

struct Decoded {
  std::vector<GpsLogFix> fixes;
  std::vector<std::uint64_t> counters;
};

Decoded decode(const std::string& bytes) {
  auto path = testenv::scratchDir("gpslog") / "log.bin";
  testenv::writeFile(path, bytes);
  int fd = ::open(path.c_str(), O_RDONLY);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(ResetGpsLog(fd), 1);
  Decoded d;
  GpsLogFix fix;
  while (std::uint64_t n = ReadGpsLogFix(fd, fix)) {
    d.fixes.push_back(fix);
    d.counters.push_back(n);
    if (d.fixes.size() > bytes.size()) break;  // would be a hang
  }
  ::close(fd);
  return d;
}

// A position on the equator at longitude 0, and a time in 2014.
constexpr std::int32_t kX = 6378137, kY = 0, kZ = 0;
constexpr std::uint32_t kT = 1000;

}  // namespace

TEST(GpsLogChecksum, TwosComplementOfTheByteSum) {
  struct Case {
    std::vector<unsigned char> bytes;
    std::uint16_t sum;
  } cases[] = {
      {{}, 0},
      {{1}, 0xFFFF},
      {{0xFF, 0x01}, 0xFF00},
      {std::vector<unsigned char>(257, 0xFF), static_cast<std::uint16_t>(-(257 * 255))},
  };
  for (const auto& c : cases) EXPECT_EQ(ComputeGpsLogChecksum(c.bytes.data(), c.bytes.size()), c.sum);
}

TEST(GpsLog, FullDeltaAndSmallDeltaRecordsBuildOnEachOther) {
  GpsLogWriter w;
  w.full(kT, kX, kY, kZ, GpsLogWriter::segment(1));
  w.delta(5, -3, 7, -32768, 0);
  w.smallDelta(63, -128, 127, 1, GpsLogWriter::segment(7));
  w.delta(0x3FFF, 1, 1, 1, 0xC7FF);  // bits outside 11-13 are not the flag
  Decoded d = decode(w.bytes());
  ASSERT_EQ(d.fixes.size(), 4u);
  struct Expect {
    double x, y, z;
    int second, flag;
    std::uint64_t counter;
  } want[] = {
      {kX, kY, kZ, 0, 1, 20},
      {kX - 3, kY + 7, kZ - 32768, 5, 0, 32},
      {kX - 3 - 128, kY + 7 + 127, kZ - 32767, 5 + 63, 7, 40},
      {kX - 130, kY + 135, kZ - 32766, 5 + 63 + 0x3FFF, 0, 52},
  };
  int base = d.fixes[0].Hour * 3600 + d.fixes[0].Minute * 60 + d.fixes[0].Second;
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(d.fixes[i].X, want[i].x);
    EXPECT_EQ(d.fixes[i].Y, want[i].y);
    EXPECT_EQ(d.fixes[i].Z, want[i].z);
    int secs = d.fixes[i].Hour * 3600 + d.fixes[i].Minute * 60 + d.fixes[i].Second;
    EXPECT_EQ((secs - base + 86400) % 86400, want[i].second % 86400);
    EXPECT_EQ(d.fixes[i].SegmentFlag, want[i].flag);
    EXPECT_EQ(d.counters[i], want[i].counter);
    EXPECT_EQ(d.fixes[i].Altitude, 0.0);
  }
}

TEST(GpsLog, DamagedRecordsCostTheFixesUpToTheNextGoodFullRecord) {
  struct Case {
    const char* what;
    void (*build)(GpsLogWriter&);
    std::vector<double> xs;  // X of the fixes, in order
  } cases[] = {
      {"deltas before any full record",
       [](GpsLogWriter& w) {
         w.delta(1, 1, 0, 0);
         w.smallDelta(1, 1, 0, 0);
         w.full(kT, kX, kY, kZ);
       },
       {kX}},
      {"bad full record, its deltas skipped",
       [](GpsLogWriter& w) {
         w.full(kT, kX, kY, kZ, 0, Sum::Off);
         w.delta(1, 1, 0, 0);
         w.smallDelta(1, 1, 0, 0);
         w.full(kT, kX + 100, kY, kZ);
         w.smallDelta(1, 1, 0, 0);
       },
       {kX + 100, kX + 101}},
      {"bad delta invalidates what follows",
       [](GpsLogWriter& w) {
         w.full(kT, kX, kY, kZ);
         w.delta(1, 1, 0, 0, 0, Sum::Off);
         w.delta(1, 2, 0, 0);
         w.full(kT, kX + 50, kY, kZ);
       },
       {kX, kX + 50}},
      {"bad small delta invalidates what follows",
       [](GpsLogWriter& w) {
         w.full(kT, kX, kY, kZ);
         w.smallDelta(1, 1, 0, 0, 0, Sum::Zero);
         w.smallDelta(1, 2, 0, 0);
       },
       {kX}},
      {"stored checksum 0 on zeroed memory",
       [](GpsLogWriter& w) {
         w.raw(std::string(40, '\0'));  // two all-zero full records: sum 0, stored 0
         w.delta(1, 1, 0, 0);
         w.full(kT, kX, kY, kZ);
       },
       {kX}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GpsLogWriter w;
    c.build(w);
    Decoded d = decode(w.bytes());
    std::vector<double> xs;
    for (const auto& f : d.fixes) xs.push_back(f.X);
    EXPECT_EQ(xs, c.xs);
  }
}

TEST(GpsLog, ShortBlockTailsAreSkippedAndTwentyBytesAreRead) {
  GpsLogWriter small;
  small.smallDelta(1, 100, 0, 0);
  for (int tail : {16, 20}) {
    SCOPED_TRACE(tail);
    GpsLogWriter w;
    w.full(kT, kX, kY, kZ);
    int smalls = tail == 20 ? 507 : 506;
    if (tail == 16) w.delta(1, 0, 0, 0);
    for (int i = 0; i < smalls; ++i) w.smallDelta(1, 0, 0, 0);
    ASSERT_EQ(4096 - w.size(), static_cast<std::size_t>(tail));
    // The tail holds well-formed small deltas. A 16-byte tail is skipped
    // whole; in a 20-byte tail the first is read, and the 12 bytes left
    // after it are skipped.
    w.raw(small.bytes() + small.bytes() + std::string(tail - 16, '\0'));
    w.delta(1, 1, 0, 0);  // first record of the next block
    Decoded d = decode(w.bytes());
    std::size_t fixesBefore = 1 + (tail == 16 ? 1 : 0) + smalls;
    ASSERT_EQ(d.fixes.size(), fixesBefore + (tail == 20 ? 1 : 0) + 1);
    EXPECT_EQ(d.fixes.back().X, kX + 1 + (tail == 20 ? 100 : 0));
    EXPECT_EQ(d.counters.back(), 4096u + 12);
  }
}

TEST(GpsLog, EndOfLog) {
  struct Case {
    const char* what;
    std::string bytes;
    std::size_t fixes;
  };
  GpsLogWriter two;
  two.full(kT, kX, kY, kZ);
  two.delta(1, 1, 1, 1);
  GpsLogWriter padded = two;
  padded.padBlock('\xFF');
  padded.full(kT, kX, kY, kZ);  // after the padding: never reached
  GpsLogWriter erased;
  erased.raw(std::string(8192, '\xFF'));
  const std::string& b = two.bytes();
  Case cases[] = {
      {"empty file", "", 0},
      {"0xFF padding", padded.bytes(), 2},
      {"erased memory", erased.bytes(), 0},
      {"cut inside the kind word", b.substr(0, 22), 1},
      {"cut inside a delta", b.substr(0, 31), 1},
      {"cut inside the first record", b.substr(0, 19), 0},
      {"whole", b, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(decode(c.bytes).fixes.size(), c.fixes);
  }
}

TEST(GpsLog, InvalidHandleAndFixLeftAloneAtTheEnd) {
  EXPECT_EQ(ResetGpsLog(kInvalidGpsLogHandle), 0);
  GpsLogFix fix;
  fix.X = 42;
  EXPECT_EQ(ReadGpsLogFix(kInvalidGpsLogHandle, fix), 0u);
  auto path = testenv::scratchDir("gpslog-end") / "empty.bin";
  testenv::writeFile(path, "");
  int fd = ::open(path.c_str(), O_RDONLY);
  ASSERT_EQ(ResetGpsLog(fd), 1);
  EXPECT_EQ(ReadGpsLogFix(fd, fix), 0u);
  EXPECT_EQ(fix.X, 42);
  ::close(fd);
}

TEST(GpsLog, DeltasWrapInsteadOfOverflowing) {
  GpsLogWriter w;
  w.full(0x3FFFFFFF, 2147483600, 2147483647, -2147483647 - 1);
  w.delta(2, 100, 1, -1);
  w.smallDelta(1, 127, 127, -128);
  Decoded d = decode(w.bytes());
  // Such positions are far outside the earth; whatever comes out must be a
  // usable coordinate, and the arithmetic wraps.
  for (const auto& f : d.fixes) {
    EXPECT_TRUE(std::isfinite(f.Latitude) && std::fabs(f.Latitude) <= std::numbers::pi / 2);
    EXPECT_TRUE(std::isfinite(f.Longitude) && std::fabs(f.Longitude) <= std::numbers::pi);
  }
  ASSERT_EQ(d.fixes.size(), 3u);
  EXPECT_EQ(d.fixes[1].X, -2147483596.0);
  EXPECT_EQ(d.fixes[1].Y, -2147483648.0);
  EXPECT_EQ(d.fixes[1].Z, 2147483647.0);
  // The 30-bit time wraps too: 0x3FFFFFFF + 2 is stored time 1.
  EXPECT_EQ(d.fixes[1].Year, 2014);
}

TEST(GpsLog, GarbageNeverCrashesOrHangs) {
  std::mt19937 rng(11);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(1 + rng() % 20000, '\0');
    for (auto& c : bytes) c = static_cast<char>(rng());
    // Keep the log from ending at the first kind-3 word now and then.
    if (round % 2) {
      for (std::size_t i = 3; i < bytes.size(); i += 4) bytes[i] = static_cast<char>(bytes[i] & 0xBF);
    }
    Decoded d = decode(bytes);
    for (const auto& f : d.fixes) {
      EXPECT_TRUE(std::isfinite(f.Latitude) && std::isfinite(f.Longitude));
      EXPECT_GE(f.SegmentFlag, 0);
      EXPECT_LE(f.SegmentFlag, 7);
    }
  }
}

// Stored 30-bit times against UTC, GPS - UTC from the leap-second table.
TEST(GpsLog, StoredTimesConvertToUtc) {
  struct Case {
    std::uint32_t stored;
    int y, mo, d, h, mi, s;
  } cases[] = {
      {0, 2014, 1, 14, 13, 36, 48},           // GPS second 2^30; GPS - UTC 16 s
      {10000000, 2014, 5, 10, 7, 23, 28},     // 16 s
      {788940000, 2005, 1, 5, 5, 59, 47},     // earliest time: 13 s
      {788940000 - 1, 2039, 1, 14, 19, 36, 45},  // latest time: 18 s
      {820108813, 2005, 12, 31, 23, 59, 59},  // the inserted second repeats :59
      {820108814, 2006, 1, 1, 0, 0, 0},       // first second with 14 s
      {870776232, 2007, 8, 10, 10, 16, 58},   // 14 s, no second lost to the clock term
      {870776233, 2007, 8, 10, 10, 16, 59},
      {914803213, 2008, 12, 31, 23, 59, 59},  // the last second with 14 s
      {914803214, 2008, 12, 31, 23, 59, 59},  // the inserted second repeats :59
      {914803215, 2009, 1, 1, 0, 0, 0},       // 15 s from here
      {1167264018, 2017, 1, 1, 0, 0, 0},      // 18 s
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    GpsLogWriter w;
    w.full(c.stored, kX, kY, kZ);
    Decoded d = decode(w.bytes());
    ASSERT_EQ(d.fixes.size(), 1u);
    const GpsLogFix& f = d.fixes[0];
    EXPECT_EQ(f.Year, c.y);
    EXPECT_EQ(f.Month, c.mo);
    EXPECT_EQ(f.Day, c.d);
    EXPECT_EQ(f.Hour, c.h);
    EXPECT_EQ(f.Minute, c.mi);
    EXPECT_EQ(f.Second, c.s);
  }
}

TEST(GpsLeapSeconds, Table) {
  auto gps = [](int y, int m, int d) {
    return (textfmt::DaysFromCivil(y, m, d) - textfmt::DaysFromCivil(1980, 1, 6)) * 86400;
  };
  struct Case {
    std::int64_t gps;
    int leap;
  } cases[] = {
      {0, 0},
      {gps(1981, 7, 1) - 1, 0},
      {gps(1981, 7, 1) + 1, 1},
      {gps(2005, 6, 1), 13},
      {gps(2006, 1, 1) + 13, 14},
      {gps(2006, 1, 1) + 12, 13},
      {gps(2008, 12, 31), 14},
      {gps(2009, 1, 1) + 14, 15},
      {gps(2012, 7, 1) + 15, 16},
      {gps(2015, 7, 1) + 16, 17},
      {gps(2017, 1, 1) + 17, 18},
      {gps(2039, 1, 1), 18},
  };
  for (const auto& c : cases) EXPECT_EQ(GpsLeapSeconds(c.gps), c.leap) << c.gps;
}

TEST(GpsTimeToUtc, KeepsNanosecondsAndReportsMissingParameters) {
  LoadGpsLogDefaults();
  GpsUtcTime t;
  // 2014-01-14: the clock term is a few hundred nanoseconds.
  ASSERT_TRUE(ConvertGpsTimeToUtc(1073741824u, 0, t));
  EXPECT_EQ(t.Year, 114);
  EXPECT_EQ(t.Month, 1);
  EXPECT_EQ(t.Day, 14);
  int secs = t.Hour * 3600 + t.Minute * 60 + t.Second;
  std::int64_t ns = secs * 1000000000LL + t.Nanoseconds;
  std::int64_t exact = (13 * 3600 + 36 * 60 + 48) * 1000000000LL;
  EXPECT_LT(std::llabs(ns - exact), 10000);
  EXPECT_GE(t.Nanoseconds, 0);
  EXPECT_LT(t.Nanoseconds, 1000000000);

  gpsUtcParameters.ReferenceTime = -1;
  EXPECT_FALSE(ConvertGpsTimeToUtc(1073741824u, 250, t));
  EXPECT_EQ(t.Hour, 13);
  EXPECT_EQ(t.Minute, 37);
  EXPECT_EQ(t.Second, 4);
  EXPECT_EQ(t.Nanoseconds, 250);
  ASSERT_FALSE(ConvertGpsTimeToUtc(0, -1, t));  // one nanosecond before the epoch
  EXPECT_EQ(t.Year, 80);
  EXPECT_EQ(t.Month, 1);
  EXPECT_EQ(t.Day, 5);
  EXPECT_EQ(t.Second, 59);
  EXPECT_EQ(t.Nanoseconds, 999999999);
  LoadGpsLogDefaults();
}

TEST(EcefToGeodetic, AxisCentreAndEquator) {
  struct Case {
    double x, y, z, lat, lon;
  } cases[] = {
      {0.5, 0.5, 6.3e6, 1.570796326795, 0},
      {0, 0, -6.4e6, -1.570796326795, 0},
      {1e6, 2e6, 0, 1.570796326795, 0},   // inside 6300 km, Z = 0 counts as north
      {3e6, -4e6, -2e6, -1.570796326795, 0},
      {6378137, 0, 0, 0, 0},
      {0, -6378137, 0, 0, -std::numbers::pi / 2},
  };
  for (const auto& c : cases) {
    double lat, lon;
    ConvertEcefToGeodetic(c.x, c.y, c.z, lat, lon);
    EXPECT_EQ(lat, c.lat) << c.x << " " << c.y << " " << c.z;
    EXPECT_DOUBLE_EQ(lon, c.lon);
  }
}

TEST(GpsLog, PositionsMatchCs2cs) {
  std::ifstream in(testenv::fixturesDir() / "gpslog" / "ecef_wgs84.txt");
  ASSERT_TRUE(in);
  struct Row {
    std::int32_t x, y, z;
    double lon, lat;
  };
  std::vector<Row> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream s(line);
    Row r;
    double h;
    s >> r.x >> r.y >> r.z >> r.lon >> r.lat >> h;
    ASSERT_TRUE(s) << line;
    rows.push_back(r);
  }
  ASSERT_GE(rows.size(), 40u);
  GpsLogWriter w;
  for (const auto& r : rows) w.full(kT, r.x, r.y, r.z);
  Decoded d = decode(w.bytes());
  ASSERT_EQ(d.fixes.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(d.fixes[i].Latitude * kDeg, rows[i].lat, 1e-9);
    EXPECT_NEAR(d.fixes[i].Longitude * kDeg, rows[i].lon, 1e-9);
  }
}
