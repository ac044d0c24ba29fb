#include "GPXDocument.h"
#include "Testenv.h"
#include "Textfmt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace {

double utc(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
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
