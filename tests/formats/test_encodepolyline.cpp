// Encoded polyline: number groups, rounding down, backslash doubling, and
// random lines against encodings recorded with @mapbox/polyline.
#include "Encodepolyline.h"
#include "Testenv.h"
#include "Textfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

namespace {

std::string undoubleBackslashes(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] == '\\') {
      EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == '\\') << "single backslash at " << i;
      ++i;
    }
  }
  return out;
}

}  // namespace

TEST(EncodePolyline, NumberGroups) {
  struct Case {
    std::uint64_t value;
    std::string text;
  } cases[] = {
      {0, "?"},
      {31, "^"},
      {32, "_@"},
      {29, "\\\\"},  // the only character written twice
      {49, "p@"},
      {61, "|@"},    // a continuation group of 29 is 29 | 32: never a backslash
      {1023, "~^"},
      {0xFFFFFFFFull, "~~~~~~B"},
      {std::numeric_limits<std::uint64_t>::max(), "~~~~~~~~~~~~N"},
  };
  for (const auto& c : cases) {
    std::string s = "x";
    EncodePolyline::EncodeNumber(s, c.value);
    EXPECT_EQ(s, "x" + c.text) << c.value;
  }
}

TEST(EncodePolyline, PublishedWorkedExample) {
  EncodePolyline e;
  e.AddPoint(38.5, -120.2, 3);
  e.AddPoint(40.7, -120.95, 3);
  e.AddPoint(43.252, -126.453, 3);
  EXPECT_EQ(e.Points, "_p~iF~ps|U_ulLnnqC_mqNvxq`@");
  EXPECT_EQ(e.Levels, "BBB");
  EXPECT_EQ(e.PrevLatE5, 4325200);
  EXPECT_EQ(e.PrevLonE5, -12645300);
}

TEST(EncodePolyline, ScalesByRoundingDown) {
  struct Case {
    double degrees;
    std::int32_t e5;
  } cases[] = {
      {0.000004, 0}, {-0.000004, -1}, {0.000126, 12}, {-0.000126, -13},
      {0.00013, 12},  // 0.00013 * 1e5 lies just below 13
      {90, 9000000}, {-180, -18000000}, {0, 0},
  };
  for (const auto& c : cases) {
    EncodePolyline e;
    e.AddPoint(c.degrees, -c.degrees, 3);
    EXPECT_EQ(e.PrevLatE5, c.e5) << c.degrees;
    EXPECT_EQ(e.PrevLonE5, static_cast<std::int32_t>(std::floor(-c.degrees * 1e5))) << c.degrees;
  }
}

TEST(EncodePolyline, DifferencesToThePreviousPoint) {
  EncodePolyline e;
  e.AddPoint(0.000126, 0, 3);  // 12 against 0: zig-zag 24
  EXPECT_EQ(e.Points, "W?");
  e.AddPoint(-0.000126, 0, 3);  // -13 - 12 = -25: zig-zag 49
  EXPECT_EQ(e.Points, "W?p@?");
  e.AddPoint(-0.000126, 0, 3);  // the same point again
  EXPECT_EQ(e.Points, "W?p@???");
  EXPECT_EQ(e.Levels, "BBB");
}

TEST(EncodePolyline, SkipsPointsItCannotEncode) {
  const double inf = std::numeric_limits<double>::infinity();
  const double bad[][2] = {{std::nan(""), 1}, {1, inf}, {-inf, 0}, {1e300, 0}, {0, -3e4}};
  EncodePolyline e;
  e.AddPoint(1, 2, 3);
  const std::string points = e.Points;
  for (const auto& p : bad) e.AddPoint(p[0], p[1], 3);
  EXPECT_EQ(e.Points, points);
  EXPECT_EQ(e.Levels, "B");
  EXPECT_EQ(e.PrevLatE5, 100000);
  e.AddPoint(1, 2, 3);  // still measured against the last good point
  EXPECT_EQ(e.Points, points + "??");
  // Extreme but encodable values take the unsigned road.
  e.AddPoint(-21474.8, 21474.8, -1);
  EXPECT_EQ(e.PrevLatE5, -2147480000);
  EXPECT_EQ(e.Levels, "BB~~~~~~B");
  for (char c : e.Points + e.Levels) {
    EXPECT_GE(c, '?');
    EXPECT_LE(c, '~');
  }
}

TEST(EncodePolyline, MatchesMapboxPolylineOnRecordedLines) {
  std::ifstream in(testenv::fixturesDir() / "polyline" / "mapbox_random.txt");
  ASSERT_TRUE(in);
  std::string line;
  int lines = 0, backslashes = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos);
    std::istringstream pts(line.substr(0, tab));
    const std::string expected = line.substr(tab + 1);
    EncodePolyline e;
    std::string pair;
    std::size_t count = 0;
    while (pts >> pair) {
      auto comma = pair.find(',');
      ASSERT_NE(comma, std::string::npos);
      double lat, lon;
      ASSERT_TRUE(textfmt::TryStrToFloat(pair.substr(0, comma), lat));
      ASSERT_TRUE(textfmt::TryStrToFloat(pair.substr(comma + 1), lon));
      e.AddPoint(lat, lon, 3);
      ++count;
    }
    EXPECT_EQ(undoubleBackslashes(e.Points), expected) << line;
    EXPECT_EQ(e.Levels, std::string(count, 'B'));
    for (char c : e.Points) {
      EXPECT_GE(c, '?');
      EXPECT_LE(c, '~');
    }
    backslashes += expected.find('\\') != std::string::npos;
    ++lines;
  }
  EXPECT_GE(lines, 40);
  EXPECT_GT(backslashes, 0);  // the set exercises the doubling
}
