// Route store: the 100-point limit, unique names, edits, and the device's
// route file (golden bytes, round trips, refusals).
#include "Filesizelimit.h"
#include "Fontbank.h"
#include "Lebytes.h"
#include "Routestorage.h"
#include "Pipefeed.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A bank of 128 glyphs of 8 bytes; every byte of glyph k is k.
TFontBank testBank() {
  TFontBank b;
  b.GlyphSize = 8;
  b.GlyphBytes = 8;
  for (int k = 0; k < 128; ++k) b.Glyphs.insert(b.Glyphs.end(), 8, static_cast<std::uint8_t>(k));
  b.FileSize = 32 + static_cast<int>(b.Glyphs.size());
  return b;
}

std::vector<QString> names(RouteStorage& r) {
  std::vector<QString> out;
  if (r.First())
    while (RouteWpt* p = r.Next()) out.push_back(p->Name);
  return out;
}

QString file(const char* dir, const char* name = "route.rte") {
  return QString::fromStdString((testenv::scratchDir(dir) / name).string());
}

std::string bytesOf(const QString& p) { return testenv::readFile(p.toStdString()); }
void put(const QString& p, const std::string& b) { testenv::writeFile(p.toStdString(), b); }

std::string fromHex(const char* hex) {
  std::string out;
  for (const char* c = hex; *c;) {
    if (*c == ' ') {
      ++c;
      continue;
    }
    out += static_cast<char>(std::stoi(std::string(c, 2), nullptr, 16));
    c += 2;
  }
  return out;
}

std::uint32_t field32(const std::string& b, int offset) {
  return lebytes::Get32(reinterpret_cast<const unsigned char*>(b.data()) + offset);
}

// Sets a 2- or 4-byte header field and puts a valid checksum on the header.
std::string withField(std::string b, int offset, std::uint32_t value, int width) {
  std::string v;
  if (width == 2)
    lebytes::Put16(v, value);
  else
    lebytes::Put32(v, value);
  b.replace(offset, width, v);
  std::string sum;
  lebytes::Put16(sum, lebytes::NegatedByteSum(reinterpret_cast<const unsigned char*>(b.data()), 18));
  return b.replace(18, 2, sum);
}

void fillSmallRoute(RouteStorage& r) {
  ASSERT_EQ(r.AddPoint("1", 48.5, -11.25, ttLeft), raAdded);
  ASSERT_EQ(r.AddPoint("2", 1.234567, -1.234567, ttNone), raAdded);  // cut toward zero
  ASSERT_EQ(r.AddPoint("Ab", -0.5, 0.25, ttSharpRight), raAdded);
  r.SetElevation(0, 520);
  r.SetElevation(2, -3);
}

// The points of the small route after their header, as the device stores them.
std::string smallRoutePoints(bool elevation) {
  std::string out;
  struct P {
    std::vector<std::uint16_t> codes;
    std::int32_t turn, lat, lon, ele;
  } pts[] = {{{1}, 4, 4850000, -1125000, 520}, {{2}, 0, 123456, -123456, 0}, {{3, 4}, 8, -50000, 25000, -3}};
  for (const auto& p : pts) {
    for (std::size_t i = 0; i < 32; ++i) lebytes::Put16(out, i < p.codes.size() ? p.codes[i] : 0);
    lebytes::Put32(out, static_cast<std::uint32_t>(p.turn));
    lebytes::Put32(out, static_cast<std::uint32_t>(p.lat));
    lebytes::Put32(out, static_cast<std::uint32_t>(p.lon));
    if (elevation) lebytes::Put32(out, static_cast<std::uint32_t>(p.ele));
  }
  for (char16_t c : {u'\0', u'1', u'2', u'A', u'b'}) lebytes::Put16(out, c);
  for (char c : {'\0', '1', '2', 'A', 'b'}) out.append(8, c);
  return out;
}

}  // namespace

TEST(RouteStore, AddingStopsAtOneHundredPoints) {
  RouteStorage r;
  for (int i = 0; i < 99; ++i) ASSERT_EQ(r.AddPoint(QString::number(i), i, i, ttNone), raAdded);
  EXPECT_EQ(r.AddPoint("5", 0, 0, ttNone), raDuplicateName);
  EXPECT_EQ(r.AddPoint("99", 0, 0, ttNone), raAdded);
  EXPECT_EQ(r.AddPoint("100", 0, 0, ttNone), raFull);
  EXPECT_EQ(r.AddPoint("5", 0, 0, ttNone), raFull);  // the limit is tested first
  EXPECT_EQ(r.Count(), 100u);
}

TEST(RouteStore, InsertionPositions) {
  struct Case {
    int at;
    std::vector<QString> order;
  } cases[] = {
      {-1, {"a", "b", "c", "new"}}, {0, {"new", "a", "b", "c"}}, {2, {"a", "b", "new", "c"}},
      {3, {"a", "b", "c", "new"}},  // one past the last point appends
      {7, {"a", "b", "c", "new"}},
  };
  for (const auto& c : cases) {
    RouteStorage r;
    for (const char* n : {"a", "b", "c"}) r.AddPoint(n, 0, 0, ttNone);
    EXPECT_EQ(r.AddPoint("new", 1, 2, ttRight, c.at), raAdded);
    EXPECT_EQ(names(r), c.order) << c.at;
  }
}

TEST(RouteStore, NamesAreCutBeforeTheUniquenessTest) {
  const QString clef = QString::fromUtf16(u"\U0001D11E");
  RouteStorage r;
  EXPECT_EQ(r.AddPoint(QString(40, u'x'), 0, 0, ttNone), raAdded);
  EXPECT_EQ(r.At(0)->Name, QString(32, u'x'));
  EXPECT_EQ(r.AddPoint(QString(32, u'x') + "y", 0, 0, ttNone), raDuplicateName);
  EXPECT_EQ(r.AddPoint(QString(31, u'a') + clef, 0, 0, ttNone), raAdded);
  EXPECT_EQ(r.At(1)->Name, QString(31, u'a'));  // no half surrogate pair
  EXPECT_EQ(r.AddPoint("other", 0, 0, ttNone), raAdded);
  EXPECT_FALSE(r.ModifyPoint("other", QString(33, u'x'), 0, 0, ttNone));
  EXPECT_EQ(r.At(2)->Name, "other");
}

TEST(RouteStore, EditsByPositionAndName) {
  RouteStorage r;
  r.AddPoint("a", 1, 2, ttLeft);
  r.AddPoint("b", 3, 4, ttRight);
  for (int bad : {-1, 2, 1000}) {
    EXPECT_FALSE(r.SetElevation(bad, 5));
    EXPECT_FALSE(r.SetTurn(bad, 1));
    EXPECT_FALSE(r.SetPosition(bad, 0, 0, 1));
  }
  EXPECT_TRUE(r.SetElevation(1, 812));
  EXPECT_TRUE(r.SetPosition(1, 5, 6, -1));
  EXPECT_EQ(r.At(1)->Turn, ttRight);
  EXPECT_TRUE(r.SetPosition(1, 7, 8, ttSlightRight));
  EXPECT_EQ(r.At(1)->Turn, ttSlightRight);
  EXPECT_EQ(r.At(1)->Latitude, 7);

  EXPECT_TRUE(r.ModifyPoint("b", "b", 9, 10, ttUTurn));  // same name: position and turn
  EXPECT_EQ(r.At(1)->Name, "b");
  EXPECT_EQ(r.At(1)->Longitude, 10);
  EXPECT_EQ(r.At(1)->Turn, ttUTurn);
  EXPECT_EQ(r.At(1)->Elevation, 812);  // the elevation stays
  EXPECT_FALSE(r.ModifyPoint("b", "a", 0, 0, ttNone));  // taken by another point
  EXPECT_EQ(r.At(1)->Latitude, 9);
  EXPECT_FALSE(r.ModifyPoint("zz", "c", 0, 0, ttNone));
  EXPECT_TRUE(r.ModifyPoint("b", "c", 1, 1, ttNone));
  EXPECT_EQ(r.FindPoint("c"), r.At(1));
  EXPECT_EQ(r.FindPoint("b"), nullptr);
  EXPECT_EQ(r.FindPoint("C"), nullptr);

  EXPECT_EQ(r.DeletePoint("c"), 1);
  EXPECT_EQ(r.DeletePoint("c"), -1);
  EXPECT_EQ(names(r), std::vector<QString>{"a"});
  r.Clear();
  EXPECT_FALSE(r.First());
  EXPECT_EQ(r.Next(), nullptr);
}

TEST(RouteStore, UnknownTurnsMeanNotSet) {
  struct Case {
    std::int32_t stored;
    TurnType turn;
  } cases[] = {{0, ttNone}, {3, ttSlightRight}, {8, ttSharpRight}, {9, ttNone}, {-1, ttNone}, {1 << 30, ttNone}};
  for (const auto& c : cases) EXPECT_EQ(TurnOrNone(c.stored), c.turn) << c.stored;
}

TEST(RouteFile, GoldenBytesOfASmallRoute) {
  TFontBank bank = testBank();
  struct Case {
    bool elevation;
    const char* header;
  } cases[] = {
      // version, count, table at 248, glyphs at 258, end 298, reserved, checksum
      {false, "0100 0300 f8000000 02010000 2a010000 0000 d6fe"},
      {true, "0200 0300 04010000 0e010000 36010000 0000 b0ff"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elevation);
    RouteStorage r(bank);
    fillSmallRoute(r);
    QString p = file("route-golden");
    ASSERT_EQ(r.SaveDeviceFile(p, c.elevation), 1);
    EXPECT_EQ(bytesOf(p), fromHex(c.header) + smallRoutePoints(c.elevation));
  }
}

TEST(RouteFile, RoundTrip) {
  TFontBank bank = testBank();
  for (bool elevation : {true, false}) {
    SCOPED_TRACE(elevation);
    RouteStorage r(bank);
    fillSmallRoute(r);
    r.AddPoint(QString::fromUtf16(u"Stra\u00dfe \U0001D11E"), 52.123456, 13.987654, ttNone);
    r.AddPoint(QString(32, u'z'), -89.99999, -179.99999, 12);  // unknown turn, kept as stored
    QString p = file("route-roundtrip");
    ASSERT_EQ(r.SaveDeviceFile(p, elevation), 1);
    RouteStorage back(bank);
    back.AddPoint("old", 0, 0, ttNone);
    ASSERT_EQ(back.LoadDeviceFile(p), 1);
    ASSERT_EQ(back.Count(), r.Count());
    for (std::size_t i = 0; i < r.Count(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(back.At(i)->Name, r.At(i)->Name);
      EXPECT_EQ(back.At(i)->Turn, r.At(i)->Turn);
      EXPECT_NEAR(back.At(i)->Latitude, r.At(i)->Latitude, 1e-5);
      EXPECT_NEAR(back.At(i)->Longitude, r.At(i)->Longitude, 1e-5);
      EXPECT_EQ(back.At(i)->Elevation, elevation ? r.At(i)->Elevation : 0);
    }
  }
  // Without a loaded bank the glyph section is empty; the names still come back.
  TFontBank empty;
  RouteStorage r(empty);
  fillSmallRoute(r);
  QString p = file("route-nobank");
  ASSERT_EQ(r.SaveDeviceFile(p, true), 1);
  std::string b = bytesOf(p);
  EXPECT_EQ(field32(b, 8), b.size());
  RouteStorage back(empty);
  ASSERT_EQ(back.LoadDeviceFile(p), 1);
  EXPECT_EQ(names(back), (std::vector<QString>{"1", "2", "Ab"}));
}

TEST(RouteFile, LoadedFilesAreNotLimited) {
  RouteStorage big;
  for (int i = 0; i < 100; ++i) big.AddPoint(QString::number(i), 0, 0, ttNone);
  QString p = file("route-big");
  ASSERT_EQ(big.SaveDeviceFile(p, false), 1);
  // Append a duplicate by hand: the loader takes what the file holds.
  std::string b = bytesOf(p);
  b.insert(field32(b, 4), b.substr(20, 76));
  b = withField(b, 2, 101, 2);
  for (int offset : {4, 8, 12}) b = withField(b, offset, field32(b, offset) + 76, 4);
  put(p, b);
  RouteStorage r;
  ASSERT_EQ(r.LoadDeviceFile(p), 1);
  EXPECT_EQ(r.Count(), 101u);
  EXPECT_EQ(r.At(100)->Name, "0");
  EXPECT_EQ(r.AddPoint("x", 0, 0, ttNone), raFull);
}

TEST(RouteFile, DamagedFilesAreRefusedAndTheRouteKept) {
  TFontBank bank = testBank();
  RouteStorage src(bank);
  fillSmallRoute(src);
  QString p = file("route-damaged");
  ASSERT_EQ(src.SaveDeviceFile(p, true), 1);
  const std::string good = bytesOf(p);

  auto patched = [&](int offset, std::uint32_t value, int width) { return withField(good, offset, value, width); };
  std::string sumOff = good;
  sumOff[18] = static_cast<char>(sumOff[18] + 1);
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"checksum off by one", sumOff},
      {"version 3", patched(0, 3, 2)},
      {"version 0", patched(0, 0, 2)},
      {"short header", good.substr(0, 19)},
      {"empty file", ""},
      {"table ends before it starts", patched(8, 260 - 2, 4)},
      {"odd table size", patched(8, 260 + 9, 4)},
      {"table outside the file", patched(8, static_cast<std::uint32_t>(good.size()) + 2, 4)},
      {"table offset far outside", patched(4, 0xFFFFFFF0u, 4)},
      {"more points than the file holds", patched(2, 400, 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    put(p, c.bytes);
    RouteStorage r(bank);
    r.AddPoint("kept", 1, 1, ttNone);
    EXPECT_EQ(r.LoadDeviceFile(p), 0);
    EXPECT_EQ(names(r), std::vector<QString>{"kept"});
  }
  RouteStorage r(bank);
  r.AddPoint("kept", 1, 1, ttNone);
  EXPECT_EQ(r.LoadDeviceFile(p + ".missing"), 0);
  EXPECT_EQ(r.Count(), 1u);
}

TEST(RouteFile, CodesOutsideTheTableEndTheName) {
  TFontBank bank = testBank();
  RouteStorage src(bank);
  fillSmallRoute(src);
  QString p = file("route-codes");
  ASSERT_EQ(src.SaveDeviceFile(p, false), 1);
  std::string b = bytesOf(p);
  // "Ab" is codes 3 4: make the second code 5, one past the 5-entry table.
  b[20 + 2 * 76 + 2] = 5;
  put(p, b);
  RouteStorage r(bank);
  ASSERT_EQ(r.LoadDeviceFile(p), 1);
  EXPECT_EQ(r.At(2)->Name, "A");

  // An empty table (glyphs right at the table): every name is empty.
  put(p, withField(b, 8, field32(b, 4), 4));
  ASSERT_EQ(r.LoadDeviceFile(p), 1);
  EXPECT_EQ(names(r), (std::vector<QString>{"", "", ""}));
}

TEST(RouteFile, SaveFailures) {
  TFontBank bank = testBank();
  RouteStorage r(bank);
  fillSmallRoute(r);
  EXPECT_EQ(r.SaveDeviceFile(file("route-nodir") + "/no/such/dir/r.rte", true), 0);

  QString p = file("route-full");
  put(p, "old");
  int result;
  {
    testenv::FileSizeLimit limit(100);
    ASSERT_TRUE(limit.active());
    result = r.SaveDeviceFile(p, true);
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(bytesOf(p), "old");

  r.SetPosition(1, std::nan(""), 0, -1);
  EXPECT_EQ(r.SaveDeviceFile(p, true), 0);
  EXPECT_EQ(bytesOf(p), "old");
}

TEST(RouteFile, APipeIsNotOpened) {
  TFontBank bank = testBank();
  RouteStorage r(bank);
  fillSmallRoute(r);
  const QString good = file("route-pipe", "good.rte");
  ASSERT_EQ(r.SaveDeviceFile(good, false), 1);
  const auto pipePath = testenv::scratchDir("route-pipe") / "pipe.rte";
  testenv::PipeFeed pipe(pipePath, bytesOf(good));
  ASSERT_TRUE(pipe.Made());
  RouteStorage back(bank);
  back.AddPoint("kept", 1, 2, ttNone);
  EXPECT_EQ(back.LoadDeviceFile(QString::fromStdString(pipePath.string())), 0);
  EXPECT_FALSE(pipe.Opened());
  EXPECT_EQ(names(back), std::vector<QString>{QStringLiteral("kept")});
}
