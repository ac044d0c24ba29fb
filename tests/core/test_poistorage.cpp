#include "Poistorage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Fixedzone.h"
#include "Pipefeed.h"
#include "Testenv.h"

namespace fs = std::filesystem;
using testenv::FixedZone;
using testenv::kCentralEurope;

namespace {

struct Rec {
  int year, month, day, hour, minute, second, icon;
  std::int32_t lat, lon;
};

std::string Record(const Rec& r) {
  std::string s(16, '\0');
  const int fields[] = {r.year - 1900, r.month, r.day, r.hour, r.minute, r.second, r.icon};
  for (int i = 0; i < 7; ++i) s[i] = static_cast<char>(fields[i]);
  for (int i = 0; i < 4; ++i) {
    s[8 + i] = static_cast<char>(static_cast<std::uint32_t>(r.lat) >> (8 * i));
    s[12 + i] = static_cast<char>(static_cast<std::uint32_t>(r.lon) >> (8 * i));
  }
  return s;
}

std::unique_ptr<sUserPOI> Poi(const char* name, int y, int mo, int d, int h, int mi, int s, int icon = 0,
                              double lat = 0, double lon = 0) {
  auto p = std::make_unique<sUserPOI>();
  p->SetName(name);
  p->Year = static_cast<std::uint16_t>(y);
  p->Month = static_cast<std::uint8_t>(mo);
  p->Day = static_cast<std::uint8_t>(d);
  p->Hour = static_cast<std::uint8_t>(h);
  p->Minute = static_cast<std::uint8_t>(mi);
  p->Second = static_cast<std::uint8_t>(s);
  p->Icon = static_cast<std::uint8_t>(icon);
  p->Latitude = lat;
  p->Longitude = lon;
  return p;
}

bool Add(TPoiStorage& store, std::unique_ptr<sUserPOI> p) {
  if (!store.Add(p.get())) return false;
  p.release();
  return true;
}

std::vector<std::string> Names(TPoiStorage& store, int icon, int y = 0, int m = 0, int d = 0) {
  std::vector<std::string> names;
  for (sUserPOI* p = store.FindFirst(icon, y, m, d); p; p = store.FindNext()) names.push_back(p->Name);
  return names;
}

std::string Path(const fs::path& p) { return p.string(); }

}  // namespace

TEST(PoiStorage, DeviceFileRoundTripAcrossSummerTime) {
  FixedZone zone(kCentralEurope);
  const fs::path dir = testenv::scratchDir("poi");
  TPoiStorage store;
  store.IconCount = 21;
  ASSERT_TRUE(Add(store, Poi("2024/01/15 13:00:00", 2024, 1, 15, 13, 0, 0, 3, -33.123456, 151.2)));
  ASSERT_TRUE(Add(store, Poi("2024/03/31 01:59:59", 2024, 3, 31, 1, 59, 59, 0, 47.5, 8.25)));
  ASSERT_TRUE(Add(store, Poi("2024/03/31 03:00:00", 2024, 3, 31, 3, 0, 0, 20, 0.000019, -0.000019)));
  ASSERT_TRUE(Add(store, Poi("2024/07/01 00:30:00", 2024, 7, 1, 0, 30, 0, 1, 89.99999, -179.99999)));
  ASSERT_TRUE(store.SaveDeviceFile(Path(dir / "poi.bin").c_str()));

  // Truncated toward zero, as the device expects: 151.2 * 100000 is just below
  // 15120000 in binary.
  const std::string expected = Record({2024, 1, 15, 12, 0, 0, 3, -3312345, 15119999}) +
                               Record({2024, 3, 31, 0, 59, 59, 0, 4750000, 825000}) +
                               Record({2024, 3, 31, 1, 0, 0, 20, 1, -1}) +
                               Record({2024, 6, 30, 22, 30, 0, 1, 8999999, -17999999});
  EXPECT_EQ(testenv::readFile(dir / "poi.bin"), expected);

  TPoiStorage back;
  back.IconCount = 21;
  ASSERT_TRUE(back.LoadDeviceFile(Path(dir / "poi.bin").c_str()));
  EXPECT_EQ(Names(back, 21), (std::vector<std::string>{"2024/01/15 13:00:00", "2024/03/31 01:59:59",
                                                       "2024/03/31 03:00:00", "2024/07/01 00:30:00"}));
  const sUserPOI* p = back.FindByName("2024/01/15 13:00:00");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Icon, 3);
  EXPECT_EQ(p->Hour, 13);
  EXPECT_DOUBLE_EQ(p->Latitude, -33.12345);
  EXPECT_DOUBLE_EQ(p->Longitude, 151.19999);
  p = back.FindByName("2024/07/01 00:30:00");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Month, 7);
  EXPECT_EQ(p->Day, 1);

  // Read in another zone, the names move by that zone's offset at each moment.
  FixedZone eastern("EST5EDT,M3.2.0,M11.1.0");
  ASSERT_TRUE(back.LoadDeviceFile(Path(dir / "poi.bin").c_str()));
  EXPECT_EQ(Names(back, 21), (std::vector<std::string>{"2024/01/15 07:00:00", "2024/03/30 20:59:59",
                                                       "2024/03/30 21:00:00", "2024/06/30 18:30:00"}));
}

// The whole, sound records are kept, whatever else the file holds; the
// report counts what was left out and why. A file of which nothing can be
// kept leaves the store as it was.
TEST(PoiStorage, EndOfRecordsAndRejectedRecords) {
  FixedZone zone("UTC0");
  const std::string a = Record({2024, 5, 1, 10, 0, 0, 1, 100, 200});
  const std::string b = Record({2024, 5, 1, 10, 0, 1, 2, 300, 400});
  const std::string end = std::string(16, '\xFF');
  std::string endDay = end;
  endDay[2] = 7;  // only bytes 0, 1, 3 and 4 count
  const std::string pad(16 * 62, '\x1A');  // a transfer block's padding
  const std::vector<std::string> ab = {"2024/05/01 10:00:00", "2024/05/01 10:00:01"};
  const std::vector<std::string> old = {"old"};
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> names;
    PoiFileReport report;  // Kept, CutShort, Unreadable, SameTime
    bool ok = true;
  };
  const Case cases[] = {
      {"empty file", "", {}, {0, 0, 0, 0}},
      {"clean file", a + b, ab, {2, 0, 0, 0}},
      {"records then erased memory", a + b + end + std::string(1000, '\xFF'), ab, {2, 0, 0, 0}},
      {"whatever follows the end record", a + end + Record({2024, 13, 1, 0, 0, 0, 0, 0, 0}) + "\x01\x02",
       {"2024/05/01 10:00:00"}, {1, 0, 0, 0}},
      {"end record with another day byte", a + endDay + b, {"2024/05/01 10:00:00"}, {1, 0, 0, 0}},
      {"records then transfer padding", a + b + pad, ab, {2, 0, 0, 0}},
      {"trailing partial record", a + b + a.substr(0, 7), ab, {2, 7, 0, 0}},
      {"one bad record in the middle", a + Record({2024, 13, 1, 0, 0, 0, 0, 0, 0}) + b, ab, {2, 0, 1, 0}},
      {"same second twice", a + Record({2024, 5, 1, 10, 0, 0, 3, 9, 9}), {"2024/05/01 10:00:00"}, {1, 0, 0, 1}},
      {"icon not below the icon count", Record({2024, 5, 1, 9, 0, 0, 5, 0, 0}) + a, {"2024/05/01 10:00:00"},
       {1, 0, 1, 0}},
      {"invalid dates and times are skipped",
       Record({2024, 0, 1, 0, 0, 0, 0, 0, 0}) + Record({2024, 13, 1, 0, 0, 0, 0, 0, 0}) +
           Record({2023, 2, 29, 0, 0, 0, 0, 0, 0}) + Record({2024, 5, 0, 0, 0, 0, 0, 0, 0}) +
           Record({2024, 5, 1, 24, 0, 0, 0, 0, 0}) + Record({2024, 5, 1, 0, 60, 0, 0, 0, 0}) +
           Record({2024, 5, 1, 0, 0, 60, 0, 0, 0}) + b,
       {"2024/05/01 10:00:01"}, {1, 0, 7, 0}},
      {"positions off the earth",
       Record({2024, 5, 1, 9, 0, 0, 0, 9000001, 0}) + Record({2024, 5, 1, 9, 0, 1, 0, -9000001, 0}) +
           Record({2024, 5, 1, 9, 0, 2, 0, 0, 18000001}) + Record({2024, 5, 1, 9, 0, 3, 0, 0, -18000001}) +
           Record({2024, 5, 1, 9, 0, 4, 0, 9000000, -18000000}) + Record({2024, 5, 1, 9, 0, 5, 0, -9000000, 18000000}),
       {"2024/05/01 09:00:04", "2024/05/01 09:00:05"}, {2, 0, 4, 0}},
      {"year 2155 is the last one", Record({2155, 12, 31, 23, 59, 59, 0, 0, 0}), {"2155/12/31 23:59:59"}, {1, 0, 0, 0}},
      // Nothing that can be kept: refused, the waypoints held stay.
      {"only a cut-short record", a.substr(0, 15), old, {0, 15, 0, 0}, false},
      {"only bad records", Record({2024, 13, 1, 0, 0, 0, 0, 0, 0}) + Record({2024, 5, 1, 9, 0, 0, 0, 0, 18000001}) +
                               a.substr(0, 3),
       old, {0, 3, 2, 0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = testenv::scratchDir("poi") / "in.bin";
    testenv::writeFile(file, c.bytes);
    TPoiStorage store;
    store.IconCount = 5;
    ASSERT_TRUE(Add(store, Poi("old", 2020, 1, 1, 0, 0, 0)));
    PoiFileReport report{9, 9, 9, 9};
    EXPECT_EQ(store.LoadDeviceFile(Path(file).c_str(), &report), c.ok);
    EXPECT_EQ(Names(store, 5), c.names);
    EXPECT_EQ(report.Kept, c.report.Kept);
    EXPECT_EQ(report.CutShort, c.report.CutShort);
    EXPECT_EQ(report.Unreadable, c.report.Unreadable);
    EXPECT_EQ(report.SameTime, c.report.SameTime);
    // Without a report the same file reads the same way.
    TPoiStorage plain;
    plain.IconCount = 5;
    ASSERT_TRUE(Add(plain, Poi("old", 2020, 1, 1, 0, 0, 0)));
    EXPECT_EQ(plain.LoadDeviceFile(Path(file).c_str()), c.ok);
    EXPECT_EQ(Names(plain, 5), c.names);
  }
}

TEST(PoiStorage, FailedLoadOrSaveKeepsWhatWasThere) {
  const fs::path dir = testenv::scratchDir("poi");
  TPoiStorage store;
  store.IconCount = 2;
  ASSERT_TRUE(Add(store, Poi("keep", 2020, 1, 1, 0, 0, 0)));
  EXPECT_FALSE(store.LoadDeviceFile(Path(dir / "missing.bin").c_str()));
  PoiFileReport report{9, 9, 9, 9};
  EXPECT_FALSE(store.LoadDeviceFile(Path(dir).c_str(), &report));  // a folder opens but cannot be read
  EXPECT_EQ(report.Kept + report.LeftOut(), 0);  // nothing was read, so nothing was left out
  EXPECT_TRUE(store.LoadDeviceFile(nullptr));
  EXPECT_EQ(store.GetCount(), 1);
  EXPECT_NE(store.FindByName("keep"), nullptr);

  EXPECT_FALSE(store.SaveDeviceFile(Path(dir / "no-such-folder" / "poi.bin").c_str()));
  fs::create_directory(dir / "taken");
  testenv::writeFile(dir / "taken" / "inside", "x");
  EXPECT_FALSE(store.SaveDeviceFile(Path(dir / "taken").c_str()));
  EXPECT_EQ(testenv::readFile(dir / "taken" / "inside"), "x");
  EXPECT_TRUE(store.SaveDeviceFile(nullptr));
}

TEST(PoiStorage, SaveLeavesOutWhatARecordCannotHold) {
  FixedZone zone("UTC0");
  const fs::path file = testenv::scratchDir("poi") / "out.bin";
  TPoiStorage store;
  store.IconCount = 2;
  ASSERT_TRUE(Add(store, Poi("no date", 0, 0, 0, 0, 0, 0)));
  ASSERT_TRUE(Add(store, Poi("1899", 1899, 12, 31, 23, 0, 0)));
  ASSERT_TRUE(Add(store, Poi("2156", 2156, 1, 1, 0, 0, 0)));
  ASSERT_TRUE(Add(store, Poi("far", 2024, 1, 1, 0, 0, 0, 0, 1e300, 0)));
  ASSERT_TRUE(Add(store, Poi("good", 2024, 1, 1, 0, 0, 1, 1, 1.5, -2.5)));
  int leftOut = -1;
  ASSERT_TRUE(store.SaveDeviceFile(Path(file).c_str(), &leftOut));
  EXPECT_EQ(testenv::readFile(file), Record({2024, 1, 1, 0, 0, 1, 1, 150000, -250000}));
  EXPECT_EQ(leftOut, 4);
  EXPECT_EQ(store.At(4), store.FindByName("good"));
  EXPECT_EQ(store.At(5), nullptr);
  EXPECT_EQ(store.At(-1), nullptr);
}

TEST(PoiStorage, AddDeleteAndFindByName) {
  TPoiStorage store;
  store.IconCount = 3;
  ASSERT_TRUE(Add(store, Poi("Ärger Hütte", 2024, 1, 1, 0, 0, 0)));
  ASSERT_TRUE(Add(store, Poi("ärger hütte", 2024, 1, 1, 0, 0, 0)));  // names are case-sensitive keys
  ASSERT_TRUE(Add(store, Poi("Cafe", 2024, 1, 1, 0, 0, 0, 2)));

  auto dup = Poi("Cafe", 2025, 1, 1, 0, 0, 0);
  EXPECT_FALSE(store.Add(dup.get()));  // the caller keeps a refused waypoint
  auto badIcon = Poi("new", 2025, 1, 1, 0, 0, 0, 3);
  EXPECT_FALSE(store.Add(badIcon.get()));
  EXPECT_FALSE(store.Add(nullptr));
  EXPECT_EQ(store.GetCount(), 3);

  ASSERT_NE(store.FindByName("cAFE"), nullptr);
  EXPECT_EQ(store.FindByName("cAFE")->Icon, 2);
  EXPECT_STREQ(store.FindByName("ÄRGER HÜTTE")->Name, "Ärger Hütte");  // the first of the two
  EXPECT_EQ(store.FindByName("Caf"), nullptr);

  EXPECT_EQ(store.DeleteByName("cafe"), -1);  // exact match only
  EXPECT_EQ(store.DeleteByName("Ärger Hütte"), 0);
  EXPECT_STREQ(store.FindByName("ÄRGER HÜTTE")->Name, "ärger hütte");
  EXPECT_EQ(store.DeleteByName("Cafe"), 1);
  EXPECT_EQ(store.DeleteByName("Cafe"), -1);
  EXPECT_EQ(store.FindByName("cafe"), nullptr);
  EXPECT_EQ(store.GetCount(), 1);
  ASSERT_TRUE(Add(store, Poi("Cafe", 2024, 1, 1, 0, 0, 0)));  // the name is free again
  store.Clear();
  EXPECT_EQ(store.GetCount(), 0);
  EXPECT_EQ(store.FindFirst(3, 0, 0, 0), nullptr);
}

TEST(PoiStorage, NamesAreCutAtACharacterBoundary) {
  const struct { std::string in, out; } cases[] = {
      {"short", "short"},
      {std::string(25, 'a'), std::string(25, 'a')},
      {std::string(30, 'a'), std::string(25, 'a')},
      {std::string(24, 'a') + "é", std::string(24, 'a')},        // 'é' would need bytes 25 and 26
      {std::string(23, 'a') + "é", std::string(23, 'a') + "é"},  // fits exactly
      {std::string(22, 'a') + "€x", std::string(22, 'a') + "€"},
      {std::string(23, 'a') + "€", std::string(23, 'a')},
  };
  for (const auto& c : cases) {
    sUserPOI p;
    std::memset(p.Name, 'Z', sizeof p.Name);
    p.SetName(c.in);
    EXPECT_EQ(std::string(p.Name), c.out) << c.in;
  }
}

TEST(PoiStorage, FilterWalk) {
  TPoiStorage store;
  store.IconCount = 4;
  ASSERT_TRUE(Add(store, Poi("a", 2024, 5, 1, 8, 0, 0, 1)));
  ASSERT_TRUE(Add(store, Poi("b", 2024, 5, 2, 8, 0, 0, 1)));
  ASSERT_TRUE(Add(store, Poi("c", 2024, 5, 1, 9, 0, 0, 2)));
  ASSERT_TRUE(Add(store, Poi("d", 2023, 5, 1, 9, 0, 0, 1)));
  ASSERT_TRUE(Add(store, Poi("e", 2024, 5, 1, 23, 59, 59, 0)));
  const struct { int icon, y, m, d; std::vector<std::string> names; } cases[] = {
      {4, 0, 0, 0, {"a", "b", "c", "d", "e"}},
      {1, 0, 0, 0, {"a", "b", "d"}},
      {4, 2024, 5, 1, {"a", "c", "e"}},
      {1, 2024, 5, 1, {"a"}},
      {3, 0, 0, 0, {}},
      {4, 2024, 5, 3, {}},
      {4, 2024, 0, 0, {}},  // a partial day matches no waypoint
      {-1, 0, 0, 0, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Names(store, c.icon, c.y, c.m, c.d), c.names) << c.icon << " " << c.y << "-" << c.m << "-" << c.d;

  // Lookups, additions and saves during a walk leave its place alone.
  ASSERT_STREQ(store.FindFirst(1, 0, 0, 0)->Name, "a");
  EXPECT_NE(store.FindByName("E"), nullptr);
  ASSERT_TRUE(Add(store, Poi("f", 2024, 6, 1, 0, 0, 0, 1)));
  EXPECT_TRUE(store.SaveDeviceFile((testenv::scratchDir("poi") / "walk.bin").string().c_str()));
  EXPECT_STREQ(store.FindNext()->Name, "b");
  EXPECT_STREQ(store.FindNext()->Name, "d");
  EXPECT_STREQ(store.FindNext()->Name, "f");
  EXPECT_EQ(store.FindNext(), nullptr);
  EXPECT_EQ(store.FindNext(), nullptr);
}

TEST(PoiStorage, APipeIsNotOpened) {
  const fs::path dir = testenv::scratchDir("poi-pipe");
  testenv::PipeFeed pipe(dir / "pipe.wpt", Record({2024, 1, 15, 12, 0, 0, 3, 100, 200}));
  ASSERT_TRUE(pipe.Made());
  TPoiStorage store;
  store.IconCount = 21;
  EXPECT_FALSE(store.LoadDeviceFile(Path(dir / "pipe.wpt").c_str()));
  EXPECT_FALSE(pipe.Opened());
  EXPECT_EQ(store.GetCount(), 0);
}
