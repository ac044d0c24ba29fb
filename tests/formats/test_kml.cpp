#include "GPXDocument.h"
#include "Gpximport.h"
#include "Kml.h"
#include "Poistorage.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <QXmlStreamWriter>

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

std::unique_ptr<TTrackList> makeTrack(std::uint32_t colour, std::vector<sFile_TrkEntry> pts) {
  auto t = std::make_unique<TTrackList>();
  t->SetName("own title, not written");
  t->Color = colour;
  for (const auto& p : pts) t->AddPoint(p, false);
  return t;
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

}  // namespace

// Three tracks, the middle one unchecked and the last one without points:
// documents carry the store position, colours come from the track, numbers
// are truncated, the line's text ends with a blank.
TEST(KmlTrackExport, MatchesTheGoldenFile) {
  TTrackStorage store;
  store.AddTrack(makeTrack(0x00FF0000, {{-33.8688129, 151.2092999, 58.999, utc(2014, 5, 3, 8, 15, 30, 700)},
                                        {48.13715, 11.57538, 520.456, utc(2014, 5, 3, 8, 15, 31)}}));
  store.AddTrack(makeTrack(0x00FF00, {{10, 20, 30, utc(2014, 5, 3)}}));
  store.AddTrack(makeTrack(0x7F123456, {}));
  store.SetRowCheckedQuery([](std::size_t row) { return row != 1; });

  auto path = testenv::scratchDir("kml-golden") / "tracks.kml";
  EXPECT_EQ(ExportKml(store, q(path)), 3);
  EXPECT_EQ(testenv::readFile(path), testenv::readFile(testenv::fixturesDir() / "kml" / "tracks.kml"));
}

TEST(KmlTrackExport, NothingCheckedGivesAnEmptyFolderAndStillCountsAllTracks) {
  TTrackStorage store;
  store.AddTrack(makeTrack(0, {{1, 2, 3, utc(2014, 5, 3)}}));
  store.AddTrack(makeTrack(0, {{1, 2, 3, utc(2014, 5, 3)}}));
  store.SetRowCheckedQuery([](std::size_t) { return false; });
  auto path = testenv::scratchDir("kml-none") / "none.kml";
  EXPECT_EQ(ExportKml(store, q(path)), 2);
  EXPECT_EQ(testenv::readFile(path),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
            "  <Folder/>\n"
            "</kml>\n");

  TTrackStorage empty;
  EXPECT_EQ(ExportKml(empty, q(path)), 0);
}

// Truncation toward zero (not rounding) to 0.00001 degree and 0.01 m, in the
// placemark, its description and the line; junk values far outside any
// coordinate range are truncated too instead of overflowing.
TEST(KmlTrackExport, CoordinatesAreTruncatedTowardZero) {
  struct Case {
    double lat, lon, alt;
    const char* point;  // lon,lat,alt as the placemark writes it
    const char* line;   // as the line writes it
  };
  const Case cases[] = {
      {-33.8688129, 151.2092999, 58.999, "151.20929,-33.86881,58.99", "151.20929,-33.86881,58.99 "},
      {0.000019, -0.000019, -0.019, "-0.00001,0.00001,-0.01", "-1E-5,1E-5,-0.01 "},
      {89.999999, -179.999999, 8848.8666, "-179.99999,89.99999,8848.86", "-179.99999,89.99999,8848.86 "},
      {1e10, 0, 3e7, "0.00000,10000000000.00000,30000000.00", "0,10000000000,30000000 "},
  };
  for (const Case& c : cases) {
    TTrackList t;
    t.AddPoint({c.lat, c.lon, c.alt, utc(2014, 5, 3)}, false);
    auto doc = MakeTrackDocument(t, 0);
    TKml kml;
    kml.Documents.Add(std::move(doc));
    auto path = testenv::scratchDir("kml-trunc") / "t.kml";
    ASSERT_TRUE(kml.SaveToFile(q(path)));
    const std::string text = testenv::readFile(path);
    EXPECT_NE(text.find(std::string("<coordinates>") + c.point + "</coordinates>"), std::string::npos) << c.point;
    EXPECT_NE(text.find(std::string("<coordinates>") + c.line + "</coordinates>"), std::string::npos) << c.line;
    std::string p = c.point;
    std::string lon = p.substr(0, p.find(',')), rest = p.substr(p.find(',') + 1);
    std::string lat = rest.substr(0, rest.find(',')), alt = rest.substr(rest.find(',') + 1);
    EXPECT_NE(text.find("<tr><td>Longitude:</td><td>" + lon + "</td></tr><tr><td>Latitude:</td><td>" + lat +
                        "</td></tr><tr><td>Altitude:</td><td>" + alt + "</td></tr>"),
              std::string::npos)
        << c.point;
  }
}

// A point with a non-finite value is left out of the placemarks and the
// line; a point of unknown time (0) gets no time stamp.
TEST(KmlTrackExport, PointsWithoutPlaceOrTime) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TTrackList t;
  t.AddPoint({nan, 1, 1, utc(2014, 5, 3)}, false);
  t.AddPoint({1, std::numeric_limits<double>::infinity(), 1, utc(2014, 5, 3)}, false);
  t.AddPoint({2, 3, 4, 0}, false);
  auto doc = MakeTrackDocument(t, 0);
  ASSERT_EQ(doc->Points.Count(), 3u);
  EXPECT_FALSE(doc->Points.At(0)->Coordinate);
  EXPECT_FALSE(doc->Points.At(1)->Coordinate);
  EXPECT_TRUE(doc->Points.At(2)->Time.empty());
  TKml kml;
  kml.Documents.Add(std::move(doc));
  auto path = testenv::scratchDir("kml-nan") / "t.kml";
  ASSERT_TRUE(kml.SaveToFile(q(path)));
  const std::string text = testenv::readFile(path);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("NAN"), std::string::npos);
  EXPECT_EQ(text.find("INF"), std::string::npos);
  std::size_t placemarks = 0;
  for (std::size_t at = text.find("<Placemark>"); at != std::string::npos; at = text.find("<Placemark>", at + 1))
    ++placemarks;
  EXPECT_EQ(placemarks, 2u);  // the one point with a place, and the line
  EXPECT_EQ(text.find("TimeStamp"), std::string::npos);
  EXPECT_NE(text.find("<coordinates>3,2,4 </coordinates>"), std::string::npos);
}

TEST(TKmlXXXStorage, FindByIdStopsAtTheFirstStyleWithoutId) {
  TKmlXXXStorage<TStyle> styles;
  for (const char* id : {"normal", "Track", "", "late"}) {
    auto s = std::make_unique<TStyle>();
    s->Id = QString::fromLatin1(id);
    styles.Add(std::move(s));
  }
  struct Case { const char* id; int found; };
  const Case cases[] = {{"normal", 0}, {"Track", 1}, {"track", -1}, {"late", -1}, {"", -1}, {"missing", -1}};
  for (const Case& c : cases) {
    TStyle* got = styles.FindById(QString::fromLatin1(c.id));
    EXPECT_EQ(got, c.found < 0 ? nullptr : styles.At(static_cast<std::size_t>(c.found))) << c.id;
  }
  // The walk restarts from the first element whatever FindById left behind.
  EXPECT_EQ(styles.First(), styles.At(0));
  EXPECT_EQ(styles.Next(), styles.At(1));
}

TEST(TKmlDocument, WritesNothingWithoutAWriter) {
  TKmlDocument doc;
  EXPECT_FALSE(doc.WriteXml(nullptr));
}

TEST(KmlTrackExport, UnwritablePathFailsAndKeepsTheOldFile) {
  TTrackStorage store;
  store.AddTrack(makeTrack(0, {{1, 2, 3, utc(2014, 5, 3)}}));
  auto dir = testenv::scratchDir("kml-fail");
  EXPECT_EQ(ExportKml(store, q(dir / "missing" / "x.kml")), kKmlExportFailed);
  fs::create_directory(dir / "taken.kml");
  EXPECT_EQ(ExportKml(store, q(dir / "taken.kml")), kKmlExportFailed);
  EXPECT_TRUE(fs::is_directory(dir / "taken.kml"));
}

// --- peers ----------------------------------------------------------------------

TEST(KmlPeers, XmllintFindsTheFileWellFormed) {
  TTrackStorage store;
  store.AddTrack(makeTrack(0x00FF0000, {{-33.8688129, 151.2092999, 58.999, utc(2014, 5, 3, 8, 15, 30)},
                                        {-33.87, 151.21, 60, utc(2014, 5, 3, 8, 15, 40)}}));
  auto path = testenv::scratchDir("kml-xmllint") / "t.kml";
  ASSERT_EQ(ExportKml(store, q(path)), 1);
  EXPECT_EQ(run("xmllint --noout --nonet '" + path.string() + "'"), 0);
}

// gpsbabel reads the line as a track and the placemarks as waypoints with
// their times; both must give our points.
TEST(KmlPeers, GpsbabelReadsTheLineAndThePlacemarksBack) {
  TTrackStorage store;
  std::vector<sFile_TrkEntry> pts;
  for (int i = 0; i < 40; ++i)
    pts.push_back({48.0 + i * 0.0012345, -11.0 - i * 0.0000123, 500.25 - i * 7.5,
                   utc(2014, 5, 3, 23, 59, 30) + i * (7.0 / 86400)});
  store.AddTrack(makeTrack(0x00FF00, pts));
  auto dir = testenv::scratchDir("kml-gpsbabel");
  ASSERT_EQ(ExportKml(store, q(dir / "ours.kml")), 1);
  ASSERT_EQ(run("gpsbabel -t -i kml -f '" + (dir / "ours.kml").string() + "' -o gpx -F '" +
                (dir / "line.gpx").string() + "'"),
            0);
  ASSERT_EQ(run("gpsbabel -w -i kml -f '" + (dir / "ours.kml").string() + "' -o gpx -F '" +
                (dir / "marks.gpx").string() + "'"),
            0);

  auto trunc = [](double v, double scale) { return std::trunc(v * scale) / scale; };
  TTrackStorage line;
  TPoiStorage unused;
  ASSERT_TRUE(ImportGpx(q(dir / "line.gpx"), line, unused, nullptr));
  ASSERT_EQ(line.Count(), 1u);
  const auto& got = line.At(0)->Points();
  ASSERT_EQ(got.size(), pts.size());
  for (std::size_t i = 0; i < pts.size(); ++i) {
    EXPECT_NEAR(got[i].Latitude, trunc(pts[i].Latitude, 1e5), 1e-9) << i;
    EXPECT_NEAR(got[i].Longitude, trunc(pts[i].Longitude, 1e5), 1e-9) << i;
    EXPECT_NEAR(got[i].Altitude, trunc(pts[i].Altitude, 1e2), 1e-6) << i;
  }

  // The waypoints' times are in gpsbabel's GPX; read them as text.
  const std::string marks = testenv::readFile(dir / "marks.gpx");
  std::size_t at = 0, n = 0;
  while ((at = marks.find("<wpt ", at)) != std::string::npos) {
    ASSERT_LT(n, pts.size());
    std::size_t t = marks.find("<time>", at);
    ASSERT_NE(t, std::string::npos);
    EXPECT_EQ(marks.substr(t + 6, 19), GpxTimeText(pts[n].Time).toStdString().substr(0, 19)) << n;
    ++n;
    ++at;
  }
  EXPECT_EQ(n, pts.size());
}
