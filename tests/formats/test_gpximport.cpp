#include "Gpximport.h"
#include "Poistorage.h"
#include "Fixedzone.h"
#include "Folders.h"
#include "Markingtranslator.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Utility.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <cerrno>
#include <cmath>
#include <numbers>

#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"t\">\n";
const std::string kTail = "</gpx>\n";

class GpxImportTest : public ::testing::Test {
 protected:
  void SetUp() override { pois.IconCount = 21; }

  QString write(const std::string& body, const std::string& head = kHead, const std::string& tail = kTail) {
    auto path = testenv::scratchDir("gpximport") / ("f" + std::to_string(files++) + ".gpx");
    testenv::writeFile(path, head + body + tail);
    return QString::fromStdString(path.string());
  }
  bool import(const std::string& body) { return ImportGpx(write(body), tracks, pois, nullptr); }

  std::vector<std::string> trackNames() {
    std::vector<std::string> names;
    for (TTrackList* t = tracks.First(); t; t = tracks.Next()) names.push_back(t->Name().toStdString());
    return names;
  }
  std::vector<std::string> poiNames() {
    std::vector<std::string> names;
    for (sUserPOI* p = pois.FindFirst(pois.IconCount, 0, 0, 0); p; p = pois.FindNext()) names.push_back(p->Name);
    return names;
  }

  TTrackStorage tracks;
  TPoiStorage pois;
  int files = 0;
};

double utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, 0});
}

}  // namespace

TEST_F(GpxImportTest, OnlyWaypointsReturnFalseKeepTheTracksAndCountTheWaypointsAdded) {
  auto old = std::make_unique<TTrackList>();
  old->SetName("old");
  old->AddPoint({1, 2, 3, 4}, false);
  tracks.AddTrack(std::move(old));
  int added = -1;
  // The second waypoint has an icon the store does not have: read, not added.
  EXPECT_FALSE(ImportGpx(write("<wpt lat=\"48.5\" lon=\"11.25\"><time>2014-05-03T08:04:05Z</time></wpt>\n"
                               "<wpt lat=\"1\" lon=\"1\"><sym>POI99</sym></wpt>\n"),
                         tracks, pois, nullptr, &added));
  ASSERT_EQ(trackNames(), std::vector<std::string>{"old"});
  ASSERT_EQ(tracks.At(0)->Count(), 1u);
  EXPECT_EQ(tracks.At(0)->Points()[0].Time, 4);
  EXPECT_EQ(added, 1);
  ASSERT_EQ(pois.GetCount(), 1);
  sUserPOI* p = pois.FindByName("2014/05/03 08:04:05");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Year, 2014);
  EXPECT_EQ(p->Month, 5);
  EXPECT_EQ(p->Day, 3);
  EXPECT_EQ(p->Hour, 8);  // the file's time as it stands, no zone shift
  EXPECT_EQ(p->Second, 5);
  EXPECT_EQ(p->Icon, 3);
  EXPECT_DOUBLE_EQ(p->Latitude, 48.5);
  EXPECT_DOUBLE_EQ(p->Longitude, 11.25);
}

TEST_F(GpxImportTest, ElementNamesInAnyCaseButNoPrefixesAndExactAttributes) {
  EXPECT_TRUE(import(
      "<WPT lat=\"1\" lon=\"2\"><TIME>2014-05-03T08:04:05Z</TIME><Sym>POI7</Sym></WPT>\n"
      "<gpx:wpt lat=\"5\" lon=\"6\"><time>2015-01-01T00:00:00Z</time></gpx:wpt>\n"
      "<Trk><NAME>Upper</NAME><TrkSeg><TrkPt LAT=\"48\" lon=\"11\"><ELE>12.5</ELE></TrkPt></TrkSeg></Trk>\n"
      "<gpx:trk><name>Prefixed</name></gpx:trk>\n"
      "<RTE><rtePT lat=\"3\" lon=\"4\"><Time>2014-05-03T08:04:05Z</Time></rtePT></RTE>\n"));
  EXPECT_EQ(trackNames(), (std::vector<std::string>{"Upper", "RouteImport (1)"}));
  const auto& trk = tracks.At(0)->Points();
  ASSERT_EQ(trk.size(), 1u);
  EXPECT_EQ(trk[0].Latitude, 0);  // LAT is not lat
  EXPECT_EQ(trk[0].Longitude, 11);
  EXPECT_EQ(trk[0].Altitude, 12.5);
  const auto& rte = tracks.At(1)->Points();
  ASSERT_EQ(rte.size(), 1u);
  EXPECT_EQ(rte[0].Time, utc(2014, 5, 3, 8, 4, 5));
  EXPECT_EQ(poiNames(), (std::vector<std::string>{"2014/05/03 08:04:05"}));
  EXPECT_EQ(pois.FindByName("2014/05/03 08:04:05")->Icon, 7);
}

TEST_F(GpxImportTest, SymbolGivesTheIcon) {
  struct Case { const char* sym; int icon; };  // -1: the waypoint is dropped
  const Case cases[] = {{"POI12", 12}, {"POI0", 0}, {"poi12", 3}, {"POI", 3}, {"POIx", 3}, {"POI 5", 5},
                        {"Flag, Blue", 3}, {"POI21", -1}, {"POI300", -1}, {"POI-1", -1}};
  int second = 0;
  for (const Case& c : cases) {
    std::string time = "2014-05-03T08:04:" + std::string(second < 10 ? "0" : "") + std::to_string(second);
    ++second;
    import("<wpt lat=\"1\" lon=\"1\"><time>" + time + "Z</time><sym>" + c.sym + "</sym></wpt>");
    std::string name = "2014/05/03 08:04:" + time.substr(17, 2);
    sUserPOI* p = pois.FindByName(name);
    if (c.icon < 0) {
      EXPECT_EQ(p, nullptr) << c.sym;
    } else {
      ASSERT_NE(p, nullptr) << c.sym;
      EXPECT_EQ(p->Icon, c.icon) << c.sym;
    }
  }
}

TEST_F(GpxImportTest, WaypointTimes) {
  testenv::FixedZone zone("UTC0");
  const QDateTime before = QDateTime::currentDateTime();
  import("<wpt lat=\"1\" lon=\"1\"><time>2014-05-03T08:04:05Z</time></wpt>\n"
         "<wpt lat=\"2\" lon=\"1\"><time> 2014-05-03T08:04:05.250+02:00 </time></wpt>\n"
         "<wpt lat=\"3\" lon=\"1\"><time>2014-05-03T08:04:05Z</time></wpt>\n"
         "<wpt lat=\"4\" lon=\"1\"><time>2014-12-31T23:59:59Z</time></wpt>\n"
         "<wpt lat=\"5\" lon=\"1\"><time>2014-12-31T23:59:59Z</time></wpt>\n"
         "<wpt lat=\"6\" lon=\"1\"></wpt>\n"
         "<wpt lat=\"7\" lon=\"1\"><time>2014-05-03</time></wpt>\n"
         "<wpt lat=\"8\" lon=\"1\"><time>2014-02-30T10:00:00Z</time></wpt>\n"
         "<wpt lat=\"9\" lon=\"1\"><time>2014-05-03T<b/>08:04:05Z</time></wpt>\n");
  const QDateTime after = QDateTime::currentDateTime().addSecs(10);
  std::vector<std::string> names = poiNames();
  ASSERT_EQ(names.size(), 9u);
  // Taken names move on by a second, across the day and year; a time with
  // an offset is that moment.
  EXPECT_EQ(names[0], "2014/05/03 08:04:05");
  EXPECT_EQ(names[1], "2014/05/03 06:04:05");
  EXPECT_EQ(names[2], "2014/05/03 08:04:06");
  EXPECT_EQ(names[3], "2014/12/31 23:59:59");
  EXPECT_EQ(names[4], "2015/01/01 00:00:00");
  sUserPOI* stepped = pois.FindByName(names[4]);
  EXPECT_EQ(stepped->Year, 2015);
  EXPECT_EQ(stepped->Hour, 0);
  // No time, a date alone, an impossible date and a time that is not plain
  // text: the current local time.
  const QString lo = before.toString("yyyy/MM/dd HH:mm:ss");
  const QString hi = after.toString("yyyy/MM/dd HH:mm:ss");
  for (int i = 5; i < 9; ++i) {
    QString n = QString::fromStdString(names[static_cast<size_t>(i)]);
    EXPECT_TRUE(n >= lo && n <= hi) << names[static_cast<size_t>(i)];
  }
}

// A waypoint's time is the moment its zone says (UTC without one), in the
// store's local time with the offset in force on that date.
TEST_F(GpxImportTest, WaypointTimesBecomeLocalTime) {
  testenv::FixedZone zone(testenv::kCentralEurope);
  import("<wpt lat=\"1\" lon=\"1\"><time>2014-01-15T01:42:00Z</time></wpt>\n"
         "<wpt lat=\"2\" lon=\"1\"><time>2014-07-03T08:00:00Z</time></wpt>\n"
         "<wpt lat=\"3\" lon=\"1\"><time>2014-07-03T09:30:00+02:00</time></wpt>\n"
         "<wpt lat=\"4\" lon=\"1\"><time>2014-07-03T04:00:00-0500</time></wpt>\n"
         "<wpt lat=\"5\" lon=\"1\"><time>2014-12-31T23:30:00Z</time></wpt>\n"
         "<wpt lat=\"6\" lon=\"1\"><time>2014-03-30T00:59:59Z</time></wpt>\n"
         "<wpt lat=\"7\" lon=\"1\"><time>2014-03-30T01:00:00Z</time></wpt>\n"
         "<wpt lat=\"8\" lon=\"1\"><time>2014-07-03T07:00:00</time></wpt>\n");
  EXPECT_EQ(poiNames(), (std::vector<std::string>{"2014/01/15 02:42:00", "2014/07/03 10:00:00", "2014/07/03 09:30:00",
                                                  "2014/07/03 11:00:00", "2015/01/01 00:30:00", "2014/03/30 01:59:59",
                                                  "2014/03/30 03:00:00", "2014/07/03 09:00:00"}));
  const sUserPOI* p = pois.FindByName("2015/01/01 00:30:00");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(std::vector<int>({p->Year, p->Month, p->Day, p->Hour, p->Minute, p->Second}),
            std::vector<int>({2015, 1, 1, 0, 30, 0}));
}

TEST_F(GpxImportTest, TakenNamesInTheStoreAreSteppedPast) {
  auto p = std::make_unique<sUserPOI>();
  p->SetName("2014/05/03 08:04:05");
  ASSERT_TRUE(pois.Add(p.get()));
  p.release();
  import("<wpt lat=\"1\" lon=\"1\"><time>2014-05-03T08:04:05Z</time></wpt>");
  EXPECT_EQ(poiNames(), (std::vector<std::string>{"2014/05/03 08:04:05", "2014/05/03 08:04:06"}));
  EXPECT_EQ(pois.FindByName("2014/05/03 08:04:06")->Second, 6);
}


// A waypoint the store refuses takes no name: the next one of the same time
// keeps its own.
TEST_F(GpxImportTest, RefusedWaypointLeavesItsNameFree) {
  import("<wpt lat=\"1\" lon=\"1\"><time>2014-05-03T08:04:05Z</time><sym>POI21</sym></wpt>\n"
         "<wpt lat=\"2\" lon=\"1\"><time>2014-05-03T08:04:05Z</time><sym>POI4</sym></wpt>\n"
         "<wpt lat=\"3\" lon=\"1\"><time>2014-05-03T08:04:05Z</time><sym>POI5</sym></wpt>\n");
  EXPECT_EQ(poiNames(), (std::vector<std::string>{"2014/05/03 08:04:05", "2014/05/03 08:04:06"}));
  sUserPOI* p = pois.FindByName("2014/05/03 08:04:05");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Icon, 4);
  EXPECT_EQ(p->Second, 5);
}
TEST_F(GpxImportTest, TrackNamesAndOrder) {
  const std::string name25 = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  EXPECT_TRUE(import("<rte></rte>\n<trk><trkseg/></trk>\n<rte><name>  Named  </name></rte>\n"
                     "<rte/>\n<trk><name>" + name25 + "</name></trk>\n"
                     "<trk><name>1234567890123456789\xF0\x9F\x98\x80</name></trk>\n"
                     "<trk><name><b>bold</b></name><name>later wins</name></trk>\n"
                     "<trk><name>first</name><name></name></trk>\n"));
  EXPECT_EQ(trackNames(),
            (std::vector<std::string>{"RouteImport (1)", "TrackImport (1)", "Named", "RouteImport (3)",
                                      name25.substr(0, 20), "1234567890123456789", "later wins",
                                      "TrackImport (5)"}));
}

TEST_F(GpxImportTest, SegmentsMergeAndDistancesCountEveryStep) {
  EXPECT_TRUE(import(
      "<trk><trkseg>\n"
      "<trkpt lat=\"48.0\" lon=\"11.0\"><ele>500</ele><time>2014-05-03T08:04:05Z</time></trkpt>\n"
      "<trkpt lat=\"48.01\" lon=\"11.0\"><ele>abc</ele><time>2014-05-03</time></trkpt>\n"
      "</trkseg><extensions><trkpt lat=\"1\" lon=\"1\"/></extensions><trkseg>\n"
      "<trkpt lat=\"0\" lon=\"11.0\"><ele>1e999</ele><time>junk</time></trkpt>\n"
      "<trkpt lat=\"48.02\" lon=\"11.0\"><ele><x/>7</ele><time>2014-05-03T25:00:00Z</time></trkpt>\n"
      "<trkpt lat=\"48.03\" lon=\"11.01\"><ele> 1.5 </ele><time>\n 2014-05-03T10:20:30Z \n</time></trkpt>\n"
      "<trkpt lat=\"x\" lon=\"NaN\"/>\n"
      "</trkseg></trk>"));
  ASSERT_EQ(tracks.Count(), 1u);
  const auto& pts = tracks.At(0)->Points();
  ASSERT_EQ(pts.size(), 6u);
  struct Want { double lat, lon, ele, time; };
  const Want want[] = {
      {48.0, 11.0, 500, utc(2014, 5, 3, 8, 4, 5)},
      {48.01, 11.0, 0, utc(2014, 5, 3)},  // a date alone
      {0, 11.0, 0, 0},
      {48.02, 11.0, 0, 0},  // an impossible hour
      {48.03, 11.01, 1.5, utc(2014, 5, 3, 10, 20, 30)},
      {0, 0, 0, 0},
  };
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(pts[i].Latitude, want[i].lat) << i;
    EXPECT_EQ(pts[i].Longitude, want[i].lon) << i;
    EXPECT_EQ(pts[i].Altitude, want[i].ele) << i;
    EXPECT_EQ(pts[i].Time, want[i].time) << i;
  }
  // Every step counts, also the one that starts at latitude 0 (3->4); only
  // the first point starts from nothing.
  double km = ComputeHaversineDistance(11.0, 48.01, 11.0, 48.0) + ComputeHaversineDistance(11.0, 0, 11.0, 48.01) +
              ComputeHaversineDistance(11.0, 48.02, 11.0, 0) + ComputeHaversineDistance(11.01, 48.03, 11.0, 48.02) +
              ComputeHaversineDistance(0, 0, 11.01, 48.03);
  EXPECT_DOUBLE_EQ(tracks.At(0)->Distance, km * 1000);
}

// Latitude 0 is the equator and longitude 0 the meridian of Greenwich: points
// there are places like any other. The lengths are those of arcs along a
// meridian, the equator and a parallel on the program's sphere, worked out
// here without the program's distance.
TEST_F(GpxImportTest, DistancesAlongTheEquatorAndThePrimeMeridian) {
  const double r = 6378137.0, deg = std::numbers::pi / 180;
  // Two legs of 0.1 degree of longitude along latitude 51.5.
  const double parallelLeg = 2 * r * std::asin(std::cos(51.5 * deg) * std::sin(0.05 * deg));
  struct Case {
    const char* what;
    const char* element;  // trk or rte
    std::vector<std::pair<double, double>> points;  // latitude, longitude
    double metres;
  } const cases[] = {
      {"along longitude 0", "trk", {{51.40, 0}, {51.45, 0}, {51.50, 0}}, r * 0.1 * deg},
      {"along the equator", "trk", {{0, -0.1}, {0, 0}, {0, 0.1}}, r * 0.2 * deg},
      {"across the meridian", "trk", {{51.5, -0.1}, {51.5, 0}, {51.5, 0.1}}, 2 * parallelLeg},
      {"a route through 0, 0", "rte", {{-0.1, 0}, {0, 0}, {0, 0.1}}, r * 0.2 * deg},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string element = c.element, point = element == "trk" ? "trkpt" : "rtept";
    std::string body = "<" + element + ">" + (element == "trk" ? "<trkseg>" : "");
    for (const auto& [lat, lon] : c.points)
      body += "<" + point + " lat=\"" + textfmt::FloatToStr(lat) + "\" lon=\"" + textfmt::FloatToStr(lon) + "\"/>";
    body += std::string(element == "trk" ? "</trkseg>" : "") + "</" + element + ">";
    ASSERT_TRUE(import(body));
    ASSERT_EQ(tracks.Count(), 1u);
    ASSERT_EQ(tracks.At(0)->Count(), c.points.size());
    EXPECT_NEAR(tracks.At(0)->Distance, c.metres, 1e-6);
  }
}

// Points of one day share the date; times before 1899-12-30 count their
// fraction away from zero; separators are not looked at.
TEST_F(GpxImportTest, PointTimesAcrossDaysAndBeforeTheDayCountsStart) {
  const char* times[] = {"1850-01-02T06:00:00Z", "1850-01-02T18:30:15Z", "1850-01-03T00:00:01Z",
                         "2014-05-03T23:59:59Z", "2014-05-03T00:00:00Z", "2014-05-04T12:00:00Z",
                         "2014/05/04T12:00:01Z", "2014-05-04T12:00:0xZ"};
  std::string body = "<trk><trkseg>";
  for (const char* t : times) body += std::string("<trkpt lat=\"1\" lon=\"1\"><time>") + t + "</time></trkpt>";
  EXPECT_TRUE(import(body + "</trkseg></trk>"));
  const auto& pts = tracks.At(0)->Points();
  ASSERT_EQ(pts.size(), std::size(times));
  const double want[] = {utc(1850, 1, 2, 6),        utc(1850, 1, 2, 18, 30, 15), utc(1850, 1, 3, 0, 0, 1),
                         utc(2014, 5, 3, 23, 59, 59), utc(2014, 5, 3),             utc(2014, 5, 4, 12),
                         utc(2014, 5, 4, 12, 0, 1),   utc(2014, 5, 4)};  // an unreadable time of day: the date
  for (size_t i = 0; i < std::size(times); ++i) EXPECT_EQ(pts[i].Time, want[i]) << times[i];
}

// A zone offset gives the moment in UTC, across days, months, years and
// leap days; a time without a zone is UTC as before. A zone that cannot be
// read leaves the point without a time, as any unreadable time does. Each
// time comes twice after a point of another day: once read whole, once with
// the date kept from the point before.
TEST_F(GpxImportTest, PointTimeZonesGiveUtc) {
  const struct { const char* text; double want; } cases[] = {
      {"2014-05-03T15:43:13.994+01:00", utc(2014, 5, 3, 14, 43, 13)},
      {"2014-05-03T15:43:13+01:00", utc(2014, 5, 3, 14, 43, 13)},
      {"2014-05-03T15:43:13+0100", utc(2014, 5, 3, 14, 43, 13)},
      {"2014-05-03T15:43:13-0130", utc(2014, 5, 3, 17, 13, 13)},
      {"2014-05-03T15:43:13-00:00", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-03T15:43:13Z", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-03T15:43:13z", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-03T15:43:13.5", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-03T15:43:13,5Z", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-03T15:43:13", utc(2014, 5, 3, 15, 43, 13)},
      {"2014-05-04T00:30:00+01:00", utc(2014, 5, 3, 23, 30)},
      {"2014-05-03T23:30:00-01:00", utc(2014, 5, 4, 0, 30)},
      {"2014-06-01T00:30:00+02:00", utc(2014, 5, 31, 22, 30)},
      {"2014-12-31T23:30:00-01:00", utc(2015, 1, 1, 0, 30)},
      {"2015-01-01T00:59:59+01:00", utc(2014, 12, 31, 23, 59, 59)},
      {"2016-03-01T00:30:00+01:00", utc(2016, 2, 29, 23, 30)},
      {"2016-02-28T23:30:00-01:00", utc(2016, 2, 29, 0, 30)},
      {"2015-03-01T00:30:00+01:00", utc(2015, 2, 28, 23, 30)},
      {"2014-05-03T10:00:00+14:00", utc(2014, 5, 2, 20)},
      {"2014-05-03T15:00:00-12:00", utc(2014, 5, 4, 3)},
      {"1899-12-30T00:30:00+01:00", utc(1899, 12, 29, 23, 30)},  // the day count's zero
      {"1850-01-02T12:00:00-05:00", utc(1850, 1, 2, 17)},
      {"0001-01-01T00:30:00+01:00", 0},  // before the first year a date-time holds
      {"9999-12-31T23:30:00-01:00", 0},
      {"2014-05-03T15:43:13+1:00", 0},
      {"2014-05-03T15:43:13+25:00", 0},
      {"2014-05-03T15:43:13+14:01", 0},
      {"2014-05-03T15:43:13+01:60", 0},
      {"2014-05-03T15:43:13+01", 0},
      {"2014-05-03T15:43:13+01:00junk", 0},
      {"2014-05-03T15:43:13Zjunk", 0},
      {"2014-05-03T15:43:13 UTC", 0},
      {"2014-05-03T15:43:13.Z", 0},
      {"2014-05-03T25:00:00+01:00", 0},
      {"2014-05-03T1x:00:00+01:00", utc(2014, 5, 3)},  // an unreadable time of day: the date, as before
  };
  std::string body = "<trk><trkseg>";
  auto point = [](const char* t) { return std::string("<trkpt lat=\"1\" lon=\"1\"><time>") + t + "</time></trkpt>"; };
  for (const auto& c : cases) body += point("2000-01-01T00:00:00Z") + point(c.text) + point(c.text);
  EXPECT_TRUE(import(body + "</trkseg></trk>"));
  const auto& pts = tracks.At(0)->Points();
  ASSERT_EQ(pts.size(), 3 * std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(pts[3 * i + 1].Time, cases[i].want) << cases[i].text;
    EXPECT_EQ(pts[3 * i + 2].Time, cases[i].want) << cases[i].text << " (date kept)";
  }
}

TEST_F(GpxImportTest, GpxTenNamespaceAndOtherRootsAreRead) {
  EXPECT_TRUE(import("<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>"));
  EXPECT_TRUE(ImportGpx(write("<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>",
                              "<?xml version=\"1.0\"?>\n<gpx version=\"1.0\" "
                              "xmlns=\"http://www.topografix.com/GPX/1/0\">",
                              "</gpx>"),
                        tracks, pois, nullptr));
  EXPECT_TRUE(ImportGpx(write("<trk/>", "<anything>", "</anything>"), tracks, pois, nullptr));
  EXPECT_EQ(tracks.Count(), 1u);
}

TEST_F(GpxImportTest, EightBitEncodingsAreDecoded) {
  std::string body = "<trk><name>Caf\xE9 \x80</name></trk>";
  EXPECT_TRUE(ImportGpx(write(body, "<?xml version=\"1.0\" encoding=\"windows-1252\"?><gpx>"), tracks, pois, nullptr));
  EXPECT_EQ(tracks.At(0)->Name(), QString::fromUtf8("Caf\u00e9 \u20ac"));
  EXPECT_TRUE(ImportGpx(write(body, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx>"), tracks, pois, nullptr));
  EXPECT_EQ(tracks.At(0)->Name(), QString::fromUtf8("Caf\u00e9 \u0080"));
  // A multi-byte code page, with a character split across the 1 MiB pieces
  // in which the file is read.
  const std::string sjisHead = "<?xml version='1.0' encoding = 'Shift_JIS' ?><gpx>";
  std::string sjis = "<trk><name>\x93\x8C\x8B\x9E</name><trkseg>";
  sjis += std::string((1u << 20) - 1 - sjisHead.size() - sjis.size(), ' ') + "\x89\x77";
  sjis += "<trkpt lat=\"1\" lon=\"2\"><ele>3</ele></trkpt></trkseg></trk><trk><name>\x89\x77</name></trk>";
  EXPECT_TRUE(ImportGpx(write(sjis, sjisHead), tracks, pois, nullptr));
  ASSERT_EQ(tracks.Count(), 2u);
  EXPECT_EQ(tracks.At(0)->Name(), QString::fromUtf8("\u6771\u4eac"));
  EXPECT_EQ(tracks.At(0)->Count(), 1u);
  EXPECT_EQ(tracks.At(1)->Name(), QString::fromUtf8("\u99c5"));
}

// Whatever goes wrong, the stores stay as they were.
TEST_F(GpxImportTest, BadFilesThrowAndChangeNothing) {
  auto keep = std::make_unique<TTrackList>();
  keep->SetName("keep");
  tracks.AddTrack(std::move(keep));
  auto p = std::make_unique<sUserPOI>();
  p->SetName("kept");
  pois.Add(p.release());

  const std::string good = "<wpt lat=\"1\" lon=\"1\"/><trk><trkseg><trkpt lat=\"1\" lon=\"1\"/></trkseg></trk>";
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<x>";
  std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
  char prev = 'a';
  for (char e = 'b'; e <= 'k'; ++e, ++prev) {
    bomb += std::string("<!ENTITY ") + e + " \"";
    for (int i = 0; i < 10; ++i) bomb += std::string("&") + prev + ";";
    bomb += "\">";
  }
  bomb += "]><gpx>";
  struct Case { const char* what; QString path; };
  const Case cases[] = {
      {"missing file", QString::fromStdString((testenv::scratchDir("gpximport") / "nope.gpx").string())},
      {"a folder", QString::fromStdString(testenv::scratchDir("gpximport").string())},
      {"empty file", write("", "", "")},
      {"cut short", write(good + "<trk><trkseg><trkpt lat=\"1\"", kHead, "")},
      {"not XML", write("", "just text\n", "")},
      {"mismatched tags", write(good + "<trk></wpt>")},
      {"bad UTF-8", write(good + "<trk><name>\xC3\x28</name></trk>")},
      {"unknown encoding", write(good, "<?xml version=\"1.0\" encoding=\"x-no-such\"?><gpx>")},
      {"bytes invalid in the encoding", write(good + "<trk><name>\x81\x20</name></trk>",
                                              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><gpx>")},
      {"deep nesting never closed", write(good + deep)},
      {"entity expansion", write(good + "<trk><name>&k;</name></trk>", bomb)},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(ImportGpx(c.path, tracks, pois, nullptr), GpxImportError) << c.what;
    EXPECT_EQ(trackNames(), (std::vector<std::string>{"keep"})) << c.what;
    EXPECT_EQ(poiNames(), (std::vector<std::string>{"kept"})) << c.what;
  }
}

TEST_F(GpxImportTest, HugeAttributesAndDeepNestingAreRead) {
  std::string deep, undeep;
  for (int i = 0; i < 50000; ++i) deep += "<x>", undeep += "</x>";
  std::string huge(8 << 20, '7');
  EXPECT_TRUE(import("<extensions>" + deep + "<trk/>" + undeep + "</extensions>\n"
                     "<trk><trkseg><trkpt lat=\"1." + huge + "\" lon=\"2\" junk=\"" + huge + "\"/></trkseg></trk>"));
  ASSERT_EQ(tracks.Count(), 1u);
  ASSERT_EQ(tracks.At(0)->Count(), 1u);
  EXPECT_EQ(tracks.At(0)->Points()[0].Longitude, 2);
}

namespace {

// Records what the import shows, and what the track store holds meanwhile.
class RecordingProgress : public GpxImportProgress {
 public:
  explicit RecordingProgress(TTrackStorage& t) : tracks(t) {}
  void Show() override { calls.push_back("show"); }
  void Update(int w, int t, int r, std::int64_t done, std::int64_t total) override {
    calls.push_back("update");
    wpt = w, trk = t, rte = r;
    EXPECT_LE(done, total);
    lastDone = done;
    lastTotal = total;
  }
  void ProcessEvents() override {
    ++events;
    // The list rows still point at the old tracks while events run.
    EXPECT_EQ(tracks.Count(), 1u);
    EXPECT_NE(tracks.At(0), nullptr);
  }
  void Hide() override { calls.push_back("hide"); }

  TTrackStorage& tracks;
  std::vector<std::string> calls;
  int wpt = 0, trk = 0, rte = 0, events = 0;
  std::int64_t lastDone = -1, lastTotal = -1;
};

}  // namespace

TEST_F(GpxImportTest, ProgressWindowShowsCountersAndSeesOldTracks) {
  auto keep = std::make_unique<TTrackList>();
  tracks.AddTrack(std::move(keep));
  std::string body;
  for (int i = 0; i < 3; ++i) body += "<wpt lat=\"1\" lon=\"1\"><sym>POI99</sym></wpt>\n";  // dropped, counted
  body += "<trk><trkseg>";
  for (int i = 0; i < 30000; ++i) body += "<trkpt lat=\"48.1\" lon=\"11.2\"><ele>1</ele></trkpt>\n";
  body += "</trkseg></trk><rte/><rte/>";
  QString path = write(body);
  RecordingProgress progress(tracks);
  EXPECT_TRUE(ImportGpx(path, tracks, pois, &progress));
  ASSERT_GE(progress.calls.size(), 3u);
  EXPECT_EQ(progress.calls.front(), "show");
  EXPECT_EQ(progress.calls.back(), "hide");
  EXPECT_EQ(progress.wpt, 3);
  EXPECT_EQ(progress.trk, 1);
  EXPECT_EQ(progress.rte, 2);
  EXPECT_EQ(progress.lastDone, progress.lastTotal);
  EXPECT_GE(progress.events, 3);
  EXPECT_EQ(tracks.Count(), 3u);
  EXPECT_EQ(pois.GetCount(), 0);

  // A failing import hides the window too.
  RecordingProgress failing(tracks);
  tracks.Clear();
  tracks.AddTrack(std::make_unique<TTrackList>());
  EXPECT_THROW(ImportGpx(write("<trk>", kHead, ""), tracks, pois, &failing), GpxImportError);
  EXPECT_EQ(failing.calls.back(), "hide");
}

// A file that cannot be read says why in a whole sentence of the user's
// language, with the place where the XML reader stopped; the caller names
// the file.
TEST_F(GpxImportTest, FailuresSayWhyInTheUsersLanguage) {
  const std::string good = "<wpt lat=\"1\" lon=\"2\"/>\n";
  struct Case {
    const char* what;
    QString path;
    QString why;
  };
  const Case cases[] = {
      {"missing file", QString::fromStdString((testenv::scratchDir("gpximport") / "nope.gpx").string()),
       folders::SystemReason(ENOENT)},
      {"a folder", QString::fromStdString(testenv::scratchDir("gpximport").string()), folders::SystemReason(EISDIR)},
      {"empty file", write("", "", ""), "Line 1, column 0: the file is cut short."},
      {"cut short", write(good + "<trk><trkseg><trkpt lat=\"1\"", kHead, ""), "Line 4, column 13: unclosed token."},
      {"not XML", write("", "just text\n", ""), "Line 1, column 0: the file is not well-formed XML."},
      {"mismatched tags", write(good + "<trk></wpt>"), "Line 4, column 7: the file is not well-formed XML."},
      {"unknown encoding", write(good, "<?xml version=\"1.0\" encoding=\"x-no-such\"?><gpx>"),
       "The file's encoding x-no-such is unknown."},
      {"bytes invalid in the encoding",
       write(good + "<trk><name>\x81\x20</name></trk>", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><gpx>"),
       "Line 1, column 0: invalid character."},
  };
  for (const Case& c : cases) {
    try {
      ParseGpxFile(c.path, nullptr);
      ADD_FAILURE() << c.what;
    } catch (const GpxImportError& e) {
      EXPECT_EQ(QString::fromUtf8(e.what()), c.why) << c.what;
    }
  }
  testenv::MarkingTranslator german("GpxImport");
  try {
    ParseGpxFile(cases[3].path, nullptr);
    ADD_FAILURE();
  } catch (const GpxImportError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), testenv::MarkingTranslator::Marked(cases[3].why));
  }
}
