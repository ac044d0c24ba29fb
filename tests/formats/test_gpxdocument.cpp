#include "GPXDocument.h"
#include "Gpximport.h"
#include "Poistorage.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, ms});
}

WptType trackPoint(double lat, double lon, double ele, double time) {
  WptType p;
  p.Lat = lat;
  p.Lon = lon;
  p.Ele = ele;
  p.HasEle = true;
  p.Time = time;
  p.HasTime = true;
  return p;
}

std::string saveAndRead(const TGPXDocument& doc, const std::string& name) {
  auto path = testenv::scratchDir("gpxdoc") / name;
  EXPECT_TRUE(doc.SaveToFile(QString::fromStdString(path.string())));
  return testenv::readFile(path);
}

}  // namespace

TEST(GpxNumberText, PlainDecimalsWithFifteenDigits) {
  struct Case { double v; const char* text; };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {250.0, "250"},
      {48.12345678, "48.12345678"},
      {-121.5, "-121.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {0.0001, "0.0001"},
      {0.00005, "0.00005"},
      {-0.000012345, "-0.000012345"},
      {1e15, "1000000000000000"},
      {1.5e20, "150000000000000000000"},
      {999999999999999.9, "1000000000000000"},
      {123456789012345678.0, "123456789012346000"},
      {std::numeric_limits<double>::quiet_NaN(), "0"},
      {-std::numeric_limits<double>::infinity(), "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(GpxNumberText(c.v).toStdString(), c.text) << c.text;
}

TEST(GpxTimeText, FixedWidthUtcText) {
  struct Case { double dt; const char* text; };
  const Case cases[] = {
      {utc(2014, 5, 3, 8, 4, 5), "2014-05-03T08:04:05Z"},
      {utc(1999, 12, 31, 23, 59, 59), "1999-12-31T23:59:59Z"},
      {utc(2014, 5, 3, 8, 4, 5, 999), "2014-05-03T08:04:05Z"},  // milliseconds are dropped
      {utc(1, 1, 1, 0, 0, 0), "0001-01-01T00:00:00Z"},
      {utc(9999, 12, 31, 23, 59, 59), "9999-12-31T23:59:59Z"},
      {utc(1850, 6, 1, 12, 0, 0), "1850-06-01T12:00:00Z"},  // before the day count's origin
      {0.0, "1899-12-30T00:00:00Z"},
      {1e300, ""},
      {-1e9, ""},
      {std::numeric_limits<double>::quiet_NaN(), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GpxTimeText(c.dt).toStdString(), c.text) << c.text;
}

TEST(TGPXDocument, NewDocumentHasVersionAndCreator) {
  TGPXDocument doc;
  EXPECT_EQ(doc.Gpx.Version, "1.1");
  EXPECT_EQ(doc.Gpx.Creator, "Kartovex");
  EXPECT_TRUE(doc.Gpx.Trk.empty() && doc.Gpx.Wpt.empty() && doc.Gpx.Rte.empty());
}

// Every part of the model, byte for byte.
TEST(TGPXDocument, WritesEveryPartInSchemaOrder) {
  TGPXDocument doc;
  MetadataType& m = doc.Gpx.Metadata;
  m.Name = "ignored";
  m.Desc = "Tour <1> & \"more\"";
  m.HasAuthor = true;
  m.Author.Name = "Anna";
  m.Author.HasEmail = true;
  m.Author.Email = {"anna", "example.org"};
  m.Author.HasLink = true;
  m.Author.Link = {"http://example.org/a", "", "text/html"};
  m.HasCopyright = true;
  m.Copyright = {"", "2014", "http://example.org/l"};
  m.Link.push_back({"http://example.org", "home", ""});
  m.HasTime = true;
  m.Time = utc(2014, 5, 3, 8, 4, 5);
  m.Keywords = "bike";
  m.HasBounds = true;
  m.MinLat = -1.5;
  m.MinLon = 0.00005;
  m.MaxLat = 48;
  m.MaxLon = 11.25;

  WptType w;
  w.Lat = 48.1;
  w.Lon = 11.5;
  w.HasEle = true;
  w.Ele = 0;
  w.HasTime = true;
  w.Time = utc(2020, 1, 2, 3, 4, 5);
  w.HasMagVar = true;
  w.MagVar = 2.5;
  w.GeoidHeight = 47.25;  // written because it is not 0, whatever the flag says
  w.Name = "Hut";
  w.Cmt = "c";
  w.Desc = "d";
  w.Src = "s";
  w.Link.push_back({"http://h", "t", "y"});
  w.Sym = "POI3";
  w.Type = "hut";
  w.HasFix = true;
  w.Fix = 3;  // never written
  w.Sat = "7";
  w.HasHdop = true;
  w.Hdop = 1.5;
  w.HasVdop = true;
  w.Vdop = 2;
  w.HasPdop = true;
  w.Pdop = 2.5;
  w.HasAgeOfDgpsData = true;
  w.AgeOfDgpsData = 3;
  w.DgpsId = "12";
  doc.Gpx.Wpt.push_back(w);

  RteType r;
  r.Name = "R";
  r.Number = "1";
  r.RtePt.push_back(trackPoint(1, 2, 3, 0));
  r.RtePt.back().HasEle = false;
  r.RtePt.back().HasTime = false;
  doc.Gpx.Rte.push_back(r);

  TrkType t;
  t.Name = "T";
  t.Type = "bike";
  t.TrkSeg.resize(2);
  t.TrkSeg[0].TrkPt.push_back(trackPoint(48.12345678, -0.00005, 250, utc(2014, 5, 3, 8, 4, 5)));
  t.TrkSeg[0].TrkPt.push_back(trackPoint(0.0001, 0, 0, 0));  // time 0: no time element
  doc.Gpx.Trk.push_back(t);

  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"Kartovex\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
      "  <metadata>\r\n"
      "    <name>Kartovex track export</name>\r\n"
      "    <desc>Tour &lt;1&gt; &amp; &quot;more&quot;</desc>\r\n"
      "    <author>\r\n"
      "      <name>Anna</name>\r\n"
      "      <email id=\"anna\" domain=\"example.org\"/>\r\n"
      "      <link href=\"http://example.org/a\">\r\n"
      "        <type>text/html</type>\r\n"
      "      </link>\r\n"
      "    </author>\r\n"
      "    <copyright author=\"\">\r\n"
      "      <year>2014</year>\r\n"
      "      <license>http://example.org/l</license>\r\n"
      "    </copyright>\r\n"
      "    <link href=\"http://example.org\">\r\n"
      "      <text>home</text>\r\n"
      "    </link>\r\n"
      "    <time>2014-05-03T08:04:05Z</time>\r\n"
      "    <keywords>bike</keywords>\r\n"
      "    <bounds minlat=\"-1.5\" minlon=\"0.00005\" maxlat=\"48\" maxlon=\"11.25\"/>\r\n"
      "  </metadata>\r\n"
      "  <wpt lat=\"48.1\" lon=\"11.5\">\r\n"
      "    <ele>0</ele>\r\n"
      "    <time>2020-01-02T03:04:05Z</time>\r\n"
      "    <magvar>2.5</magvar>\r\n"
      "    <geoidheight>47.25</geoidheight>\r\n"
      "    <name>Hut</name>\r\n"
      "    <cmt>c</cmt>\r\n"
      "    <desc>d</desc>\r\n"
      "    <src>s</src>\r\n"
      "    <link href=\"http://h\">\r\n"
      "      <text>t</text>\r\n"
      "      <type>y</type>\r\n"
      "    </link>\r\n"
      "    <sym>POI3</sym>\r\n"
      "    <type>hut</type>\r\n"
      "    <sat>7</sat>\r\n"
      "    <hdop>1.5</hdop>\r\n"
      "    <vdop>2</vdop>\r\n"
      "    <pdop>2.5</pdop>\r\n"
      "    <ageofdgpsdata>3</ageofdgpsdata>\r\n"
      "    <dgpsid>12</dgpsid>\r\n"
      "  </wpt>\r\n"
      "  <rte>\r\n"
      "    <name>R</name>\r\n"
      "    <number>1</number>\r\n"
      "    <rtept lat=\"1\" lon=\"2\"/>\r\n"
      "  </rte>\r\n"
      "  <trk>\r\n"
      "    <name>T</name>\r\n"
      "    <type>bike</type>\r\n"
      "    <trkseg>\r\n"
      "      <trkpt lat=\"48.12345678\" lon=\"-0.00005\">\r\n"
      "        <ele>250</ele>\r\n"
      "        <time>2014-05-03T08:04:05Z</time>\r\n"
      "      </trkpt>\r\n"
      "      <trkpt lat=\"0.0001\" lon=\"0\">\r\n"
      "        <ele>0</ele>\r\n"
      "      </trkpt>\r\n"
      "    </trkseg>\r\n"
      "    <trkseg/>\r\n"
      "  </trk>\r\n"
      "</gpx>\r\n";
  EXPECT_EQ(saveAndRead(doc, "full.gpx"), expected);
}

TEST(TGPXDocument, EmptyDocumentHoldsOnlyTheMetadataName) {
  TGPXDocument doc;
  std::string text = saveAndRead(doc, "empty.gpx");
  EXPECT_NE(text.find("  <metadata>\r\n    <name>Kartovex track export</name>\r\n  </metadata>\r\n</gpx>\r\n"),
            std::string::npos)
      << text;
}

// Text that XML cannot carry must not break the file; escapes must survive a
// parser.
TEST(TGPXDocument, TextStaysWellFormedWhateverItHolds) {
  TGPXDocument doc;
  TrkType t;
  const QString name = QStringLiteral("a<b>&\"c\"\x01\tz") + QChar(0xD800) + QStringLiteral("\u00e9\u65e5") +
                       QString::fromUcs4(U"\U0001F600");
  t.Name = name;
  doc.Gpx.Trk.push_back(t);
  auto path = testenv::scratchDir("gpxdoc") / "odd.gpx";
  ASSERT_TRUE(doc.SaveToFile(QString::fromStdString(path.string())));

  QFile f(QString::fromStdString(path.string()));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QXmlStreamReader r(&f);
  QString read;
  bool inTrk = false;
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement() && r.name() == QLatin1String("trk")) inTrk = true;
    if (inTrk && r.isStartElement() && r.name() == QLatin1String("name")) read = r.readElementText();
  }
  EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
  QString expected = name;
  expected[expected.indexOf(QChar(0x01))] = QChar(0xFFFD);
  expected[expected.indexOf(QChar(0xD800))] = QChar(0xFFFD);
  EXPECT_EQ(read, expected);
}

TEST(TGPXDocument, UnwritablePathReportsFailureAndKeepsWhatIsThere) {
  auto dir = testenv::scratchDir("gpxdoc-fail");
  TGPXDocument doc;
  EXPECT_FALSE(doc.SaveToFile(QString::fromStdString((dir / "missing" / "x.gpx").string())));
  // A folder in the way: nothing replaces it.
  std::filesystem::create_directory(dir / "taken.gpx");
  EXPECT_FALSE(doc.SaveToFile(QString::fromStdString((dir / "taken.gpx").string())));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.gpx"));
}

// --- the track export and its peers ---------------------------------------------

namespace {

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

bool schemaValid(const fs::path& file) {
  return run("xmllint --noout --nonet --schema '" + (testenv::fixturesDir() / "gpx-1.1.xsd").string() + "' '" +
             file.string() + "'") == 0;
}

std::unique_ptr<TTrackList> makeTrack(const QString& name, std::vector<sFile_TrkEntry> pts) {
  auto t = std::make_unique<TTrackList>();
  t->SetName(name);
  for (const auto& p : pts) t->AddPoint(p, false);
  return t;
}

}  // namespace

TEST(ExportGpx, WritesTheCheckedTracksAndCountsAll) {
  TTrackStorage store;
  store.AddTrack(makeTrack("first", {{1, 2, 3, utc(2014, 5, 3, 8, 4, 5)}}));
  store.AddTrack(makeTrack("second", {{48.12345678, 0.00005, 0, utc(2014, 5, 3, 8, 4, 5)},
                                      {-33.5, -70.25, -3.25, 0}}));
  store.AddTrack(makeTrack("", {}));
  store.AddTrack(makeTrack("unnamed", {{5, 6, 7, utc(2020, 1, 1)}}));
  store.First();
  store.SetRowCheckedQuery([](std::size_t row) { return row == 1 || row == 2; });

  auto path = testenv::scratchDir("gpxexport") / "tracks.gpx";
  ASSERT_EQ(ExportGpx(store, QString::fromStdString(path.string())), 4);
  std::string text = testenv::readFile(path);
  const std::string body =
      "  <trk>\r\n"
      "    <name>second</name>\r\n"
      "    <trkseg>\r\n"
      "      <trkpt lat=\"48.12345678\" lon=\"0.00005\">\r\n"
      "        <ele>0</ele>\r\n"
      "        <time>2014-05-03T08:04:05Z</time>\r\n"
      "      </trkpt>\r\n"
      "      <trkpt lat=\"-33.5\" lon=\"-70.25\">\r\n"
      "        <ele>-3.25</ele>\r\n"
      "      </trkpt>\r\n"
      "    </trkseg>\r\n"
      "  </trk>\r\n"
      "  <trk>\r\n"
      "    <trkseg/>\r\n"
      "  </trk>\r\n"
      "</gpx>\r\n";
  ASSERT_GE(text.size(), body.size());
  EXPECT_EQ(text.substr(text.size() - body.size()), body);
  EXPECT_EQ(text.find("first"), std::string::npos);
  EXPECT_TRUE(schemaValid(path));
}

TEST(ExportGpx, NoCheckedTrackAndFailures) {
  TTrackStorage store;
  store.AddTrack(makeTrack("a", {{1, 2, 3, 0}}));
  store.SetRowCheckedQuery([](std::size_t) { return false; });
  auto dir = testenv::scratchDir("gpxexport");
  ASSERT_EQ(ExportGpx(store, QString::fromStdString((dir / "none.gpx").string())), 1);
  EXPECT_EQ(testenv::readFile(dir / "none.gpx").find("<trk"), std::string::npos);
  EXPECT_TRUE(schemaValid(dir / "none.gpx"));
  EXPECT_EQ(ExportGpx(store, QString::fromStdString((dir / "no" / "such.gpx").string())), kGpxExportFailed);
}

TEST(GpxPeers, FullModelValidatesAgainstTheSchema) {
  TGPXDocument doc;
  MetadataType& m = doc.Gpx.Metadata;
  m.HasAuthor = m.Author.HasEmail = m.Author.HasLink = m.HasCopyright = m.HasTime = m.HasBounds = true;
  m.Author.Email = {"a", "b.org"};
  m.Author.Link.Href = "http://b.org";
  m.Time = utc(2014, 5, 3);
  m.Copyright.Year = "2014";
  m.MinLat = -0.00001, m.MinLon = -179.99999, m.MaxLat = 89.5, m.MaxLon = 1e-10;
  m.Link.push_back({"http://x", "x", "text/html"});
  WptType w = trackPoint(0.00001, -0.00002, 1e-7, utc(2014, 5, 3));
  w.HasMagVar = w.HasHdop = w.HasVdop = w.HasPdop = w.HasAgeOfDgpsData = true;
  w.MagVar = 359.5, w.GeoidHeight = 1, w.Hdop = 1.5, w.Sat = "4", w.DgpsId = "1";
  w.Name = w.Cmt = w.Desc = w.Src = w.Sym = w.Type = "x";
  w.Link.push_back({"http://y", "", ""});
  doc.Gpx.Wpt.push_back(w);
  doc.Gpx.Rte.push_back({"r", "c", "d", "s", {}, "1", "t", {w}});
  TrkType t;
  t.Name = "t";
  t.TrkSeg.push_back({{w, w}});
  doc.Gpx.Trk.push_back(t);
  auto path = testenv::scratchDir("gpxpeers") / "full.gpx";
  ASSERT_TRUE(doc.SaveToFile(QString::fromStdString(path.string())));
  EXPECT_TRUE(schemaValid(path));
}

// gpsbabel reads our file; what it writes back must hold the same points.
TEST(GpxPeers, GpsbabelReadsBackTheSamePointsAndTimes) {
  TTrackStorage store;
  std::vector<sFile_TrkEntry> pts;
  for (int i = 0; i < 50; ++i)
    pts.push_back({48.0 + i * 0.0012345678, -11.0 - i * 0.00000123, 500.25 - i * 7.5,
                   utc(2014, 5, 3, 23, 59, 30) + i * (7.0 / 86400)});
  pts.push_back({1.5, 2.5, 0, 0});  // no time
  store.AddTrack(makeTrack("peer", pts));
  auto dir = testenv::scratchDir("gpxpeers");
  ASSERT_EQ(ExportGpx(store, QString::fromStdString((dir / "ours.gpx").string())), 1);
  ASSERT_EQ(run("gpsbabel -t -i gpx -f '" + (dir / "ours.gpx").string() + "' -o gpx -F '" +
                (dir / "theirs.gpx").string() + "'"),
            0);

  TTrackStorage back;
  TPoiStorage pois;
  ASSERT_TRUE(ImportGpx(QString::fromStdString((dir / "theirs.gpx").string()), back, pois, nullptr));
  ASSERT_EQ(back.Count(), 1u);
  EXPECT_EQ(back.At(0)->Name(), "peer");
  const auto& got = back.At(0)->Points();
  ASSERT_EQ(got.size(), pts.size());
  for (size_t i = 0; i < pts.size(); ++i) {
    EXPECT_NEAR(got[i].Latitude, pts[i].Latitude, 1e-9) << i;
    EXPECT_NEAR(got[i].Longitude, pts[i].Longitude, 1e-9) << i;
    EXPECT_NEAR(got[i].Altitude, pts[i].Altitude, 1e-3) << i;
    EXPECT_EQ(GpxTimeText(got[i].Time), GpxTimeText(pts[i].Time)) << i;
  }
}

// Files that gpsbabel writes, GPX 1.0 and 1.1, import with their points.
TEST(GpxPeers, GpsbabelFilesImport) {
  auto dir = testenv::scratchDir("gpxpeers");
  testenv::writeFile(dir / "in.csv",
                     "Latitude,Longitude,Altitude,Date,Time,Name,Symbol\n"
                     "48.1234567,11.7654321,512.5,2014/05/03,08:04:05,P1,POI5\n"
                     "48.2,11.8,-3.25,2014/05/03,08:04:06,P2,Flag\n"
                     "-33.5,-70.25,0,2014/05/04,23:59:59,P3,\n");
  struct Case { const char* ver; const char* transform; };
  for (const Case& c : {Case{"1.0", "trk=wpt"}, Case{"1.1", "trk=wpt"}, Case{"1.0", "rte=wpt"},
                        Case{"1.1", "rte=wpt"}}) {
    auto out = dir / (std::string("babel-") + c.ver + c.transform + ".gpx");
    ASSERT_EQ(run("gpsbabel -i unicsv,utc=0 -f '" + (dir / "in.csv").string() + "' -x transform," + c.transform +
                  " -o gpx,gpxver=" + c.ver + " -F '" + out.string() + "'"),
              0);
    TTrackStorage tracks;
    TPoiStorage pois;
    pois.IconCount = 21;
    ASSERT_TRUE(ImportGpx(QString::fromStdString(out.string()), tracks, pois, nullptr)) << c.ver << c.transform;
    ASSERT_EQ(tracks.Count(), 1u);
    const auto& p = tracks.At(0)->Points();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_DOUBLE_EQ(p[0].Latitude, 48.1234567);
    EXPECT_DOUBLE_EQ(p[0].Longitude, 11.7654321);
    EXPECT_DOUBLE_EQ(p[1].Altitude, -3.25);
    EXPECT_EQ(p[2].Time, utc(2014, 5, 4, 23, 59, 59));
    EXPECT_GT(tracks.At(0)->Distance, 1e7);
    ASSERT_EQ(pois.GetCount(), 3);
    EXPECT_EQ(pois.FindByName("2014/05/03 08:04:05")->Icon, 5);
    EXPECT_EQ(pois.FindByName("2014/05/03 08:04:06")->Icon, 3);
    EXPECT_DOUBLE_EQ(pois.FindByName("2014/05/04 23:59:59")->Longitude, -70.25);
  }
}

namespace {

// The point times of a GPX file, as written.
std::vector<std::string> pointTimes(const fs::path& file) {
  QFile f(QString::fromStdString(file.string()));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
  std::vector<std::string> times;
  QXmlStreamReader r(&f);
  bool inPoint = false;
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement() && r.name() == QLatin1String("trkpt")) inPoint = true;
    if (r.isEndElement() && r.name() == QLatin1String("trkpt")) inPoint = false;
    if (inPoint && r.isStartElement() && r.name() == QLatin1String("time"))
      times.push_back(r.readElementText().toStdString());
  }
  EXPECT_FALSE(r.hasError()) << file;
  return times;
}

}  // namespace

// Times with a zone offset, as phone apps write them, come back out as the
// same moments in UTC that gpsbabel reads from the file (our export drops
// the fraction of a second).
TEST(GpxPeers, ZoneOffsetTimesExportAsTheMomentsGpsbabelReads) {
  const fs::path in = testenv::fixturesDir() / "gpximport" / "zone-offsets.gpx";
  TTrackStorage store;
  TPoiStorage pois;
  ASSERT_TRUE(ImportGpx(QString::fromStdString(in.string()), store, pois, nullptr));
  auto dir = testenv::scratchDir("gpxzones");
  ASSERT_EQ(ExportGpx(store, QString::fromStdString((dir / "ours.gpx").string())), 2);
  const std::vector<std::string> ours = pointTimes(dir / "ours.gpx");
  const std::vector<std::string> want = {
      "2014-05-03T14:43:13Z", "2014-05-03T14:43:14Z", "2014-05-03T23:59:59Z", "2014-05-04T00:00:00Z",
      "2015-01-01T00:30:00Z", "2016-02-29T04:30:00Z", "2016-02-29T20:00:00Z", "2016-03-01T22:00:00Z",
      "2014-05-03T12:00:00Z", "2014-05-03T12:00:01Z", "2014-05-03T12:00:02Z", "2014-05-03T06:15:00Z"};
  EXPECT_EQ(ours, want);

  ASSERT_EQ(run("gpsbabel -t -i gpx -f '" + in.string() + "' -o gpx -F '" + (dir / "theirs.gpx").string() + "'"), 0);
  std::vector<std::string> theirs = pointTimes(dir / "theirs.gpx");
  for (std::string& t : theirs)
    if (auto dot = t.find('.'); dot != std::string::npos) t.erase(dot, t.size() - 1 - dot);
  EXPECT_EQ(ours, theirs);
}
