// The map page file: exact bytes for a small set, what each layer writes,
// track thinning, colours and escaping, and a failed write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

#include "Apconfig.h"
#include "Googlehtml.h"
#include "Jsescape.h"
#include "Mapstores.h"
#include "Qtprint.h"
#include "Savekill.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

namespace {

QString ReadPage(const QString& path, QByteArray* raw = nullptr) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  if (raw) *raw = bytes;
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE' || bytes.size() % 2) return {};
  QString text;
  for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
    text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return text;
}

// The items of one of the page's arrays, as written between "[\n" and "];\n".
QString ArrayText(const QString& page, const QString& name) {
  const QString head = QStringLiteral("var ") + name + QStringLiteral(" = [\n");
  const qsizetype at = page.indexOf(head);
  if (at < 0) return QStringLiteral("<missing>");
  const qsizetype from = at + head.size();
  return page.mid(from, page.indexOf(QStringLiteral("];\n"), from) - from);
}

class MapPage : public ::testing::Test {
 protected:
  void SetUp() override {
    mapstores::ClearAll();
    qunsetenv(kMapsApiBaseVariable);
    qunsetenv(kMapsApiKeyVariable);
    dir_ = QString::fromStdString(testenv::scratchDir("mappage").string());
    TGoogleHtml::MapCenterLat = 48.13512;
    TGoogleHtml::MapCenterLng = 11.58198;
  }
  void TearDown() override { mapstores::ClearAll(); }

  QString Generate(bool showPoi = true, bool showRoute = true, bool boost = false,
                   TGoogleHtml* out = nullptr) {
    TGoogleHtml html(dir_ + QStringLiteral("/GoogleMap.htm"));
    html.SetSize(640, 480);
    html.OpMode = 2;
    html.MapMode = 1;
    html.ZoomValue = 11;
    html.ShowPOI = showPoi;
    html.ShowRoute = showRoute;
    html.BoostMode = boost;
    EXPECT_TRUE(html.Generate()) << html.Error.toStdString();
    if (out) *out = html;
    return ReadPage(html.Path);
  }

  QString dir_;
};

TEST_F(MapPage, SmallSetMatchesTheGoldenFileByteForByte) {
  mapstores::AddDest(QStringLiteral("Marienplatz"), 48.137154, 11.576124);
  mapstores::AddDest(QStringLiteral("O'Hare \"T1\""), 41.97, -87.9);
  mapstores::AddWaypoint("2014/05/03 14:07:09", 48.1371, 11.5754, 3);
  mapstores::AddRoutePoint(QStringLiteral("0"), 48.1, 11.5);
  mapstores::AddRoutePoint(QStringLiteral("1"), 48.2, 11.6);
  mapstores::AddTrack(QStringLiteral("walk"), 3, 0x000000FF);
  mapstores::AddTrack(QStringLiteral("hidden"), 2, 0x00FF0000);
  mapstores::AddTrack(QStringLiteral("drive"), 2, 0x00123456, -33.9, 151.2);
  mapstores::SetCheckedRows({true, false, true});

  QByteArray bytes;
  Generate();
  ReadPage(dir_ + QStringLiteral("/GoogleMap.htm"), &bytes);
  const std::string golden = (testenv::fixturesDir() / "mappage" / "small.htm").string();
  if (qEnvironmentVariableIsSet("TREVIK_WRITE_GOLDEN")) testenv::writeFile(golden, bytes.toStdString());
  EXPECT_EQ(bytes.toStdString(), testenv::readFile(golden));
  EXPECT_FALSE(bytes.contains("\r\0"));  // LF only
}

TEST_F(MapPage, EmptyStoresWriteEmptyArraysAndTheRouteLimit) {
  const QString page = Generate();
  for (const char* name : {"dst_pts", "wpt_pts", "rte_pts", "trk_lines"})
    EXPECT_EQ(ArrayText(page, QLatin1String(name)), QString()) << name;
  EXPECT_TRUE(page.contains(QStringLiteral("var rte_max_pts=100;\n")));
  EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html PUBLIC")));
  EXPECT_TRUE(page.endsWith(QStringLiteral("</body></html>")));
}

TEST_F(MapPage, WaypointAndRouteLayersFollowTheirCheckBoxes) {
  mapstores::AddWaypoint("w1", 1.5, 2.5, 7);
  mapstores::AddRoutePoint(QStringLiteral("0"), 3.25, 4.75);
  mapstores::AddDest(QStringLiteral("d"), 5, 6);
  struct Row {
    bool poi, route, wptWritten, rteWritten;
  };
  for (const Row& r : {Row{true, true, true, true}, Row{false, true, false, true},
                       Row{true, false, true, false}, Row{false, false, false, false}}) {
    const QString page = Generate(r.poi, r.route);
    EXPECT_EQ(ArrayText(page, QStringLiteral("wpt_pts")),
              r.wptWritten ? QStringLiteral("{'Lat':1.500000, 'Lng':2.500000, 'Title': 'w1', 'Icon': 7}\n")
                           : QString())
        << r.poi;
    EXPECT_EQ(ArrayText(page, QStringLiteral("rte_pts")),
              r.rteWritten ? QStringLiteral("{'Lat':3.250000, 'Lng':4.750000, 'Level':3}\n") : QString())
        << r.route;
    // Destinations have no layer switch.
    EXPECT_EQ(ArrayText(page, QStringLiteral("dst_pts")),
              QStringLiteral("{'Lat':5.000000, 'Lng':6.000000, 'Title': 'd'}\n"));
  }
}

TEST_F(MapPage, BoostModeThinsLongTracksByPointCount) {
  struct Row {
    std::size_t points;
    int step;
  };
  for (const Row& r : {Row{500, 1}, Row{501, 2}, Row{1000, 2}, Row{1001, 4}, Row{1500, 4},
                       Row{1501, 6}}) {
    mapstores::ClearAll();
    mapstores::AddTrack(QStringLiteral("t"), r.points, 0x00FF00);
    TGoogleHtml html(QString{});
    html.BoostMode = true;
    const QString page = html.Build();
    const QRegularExpression line(QStringLiteral("'Line':'([^']*)'"));
    const auto m = line.match(page);
    ASSERT_TRUE(m.hasMatch());
    std::string encoded = m.captured(1).toStdString();
    // Undo the literal's doubled backslashes before decoding.
    for (std::size_t at = encoded.find("\\\\"); at != std::string::npos; at = encoded.find("\\\\", at + 1))
      encoded.erase(at, 1);
    const auto kept = mapstores::DecodePolyline(encoded);
    ASSERT_EQ(kept.size(), (r.points - 1) / static_cast<std::size_t>(r.step) + 1) << r.points;
    // Point k of the line is track point k*step: 48 + 0.001*k*step (floored to 1e-5).
    const double expectLast = 48.0 + 0.001 * static_cast<double>((kept.size() - 1) * r.step);
    EXPECT_NEAR(kept.back().first, expectLast, 1.1e-5) << r.points;
    EXPECT_EQ(html.BoostNote, r.step > 1) << r.points;
  }
  EXPECT_EQ(TrackThinningStep(100000, false), 1);
}

TEST_F(MapPage, BoostNoteCountsUncheckedTracksToo) {
  mapstores::AddTrack(QStringLiteral("long"), 2000, 0x00FF00);
  mapstores::SetCheckedRows({false});
  TGoogleHtml html(QString{});
  html.BoostMode = true;
  EXPECT_EQ(ArrayText(html.Build(), QStringLiteral("trk_lines")), QString());
  EXPECT_TRUE(html.BoostNote);
  html.BoostMode = false;
  html.Build();
  EXPECT_FALSE(html.BoostNote);
}

TEST_F(MapPage, TrackColoursAreRgbOfTheLow24Bits) {
  struct Row {
    std::uint32_t bgr;
    const char* rgb;
  };
  const Row rows[] = {{0x000000FF, "#FF0000"}, {0x00FF0000, "#0000FF"}, {0x0000FF00, "#00FF00"},
                      {0x00123456, "#563412"}, {0xFF123456, "#563412"}, {0x80000001, "#010000"}};
  for (const Row& r : rows) mapstores::AddTrack(QStringLiteral("t"), 1, r.bgr);
  TGoogleHtml html(QString{});
  const QString page = html.Build();
  const QRegularExpression colour(QStringLiteral("\\{'Color':'(#[0-9A-F]{6})'"));
  auto it = colour.globalMatch(page);
  for (const Row& r : rows) {
    ASSERT_TRUE(it.hasNext());
    EXPECT_EQ(it.next().captured(1), QLatin1String(r.rgb)) << std::hex << r.bgr;
  }
  EXPECT_FALSE(it.hasNext());
  // A track without points starts at 0/0 and has an empty line.
  mapstores::ClearAll();
  trackStorage.AddTrack(std::make_unique<TTrackList>());
  EXPECT_EQ(ArrayText(html.Build(), QStringLiteral("trk_lines")),
            QStringLiteral("{'Color':'#00FF00','Lat':0.000000,'Lng':0.000000,'Line':'','Level':''}\n"));
}

TEST_F(MapPage, TitlesAndNamesAreEscapedAndNumbersStayNumbers) {
  const QString nasty = QStringLiteral("a'b\"c\\d\ne\r</script><!--\u2028z");
  mapstores::AddDest(nasty, std::nan(""), 1e300);
  mapstores::AddWaypoint("x'</script>\\", 1, 2, 0);
  const QString page = Generate();
  EXPECT_EQ(ArrayText(page, QStringLiteral("dst_pts")),
            QStringLiteral("{'Lat':0.000000, 'Lng':") + QString::fromLatin1(textfmt::FormatFixed(1e300, 6)) +
                QStringLiteral(", 'Title': '") + EscapeJsString(nasty) + QStringLiteral("'}\n"));
  EXPECT_EQ(ArrayText(page, QStringLiteral("wpt_pts")),
            QStringLiteral("{'Lat':1.000000, 'Lng':2.000000, 'Title': 'x\\'\\x3C/script>\\\\', 'Icon': 0}\n"));
  // Only the page's own script elements end.
  EXPECT_EQ(page.count(QStringLiteral("</script>")), 3);
  EXPECT_FALSE(page.contains(QChar(0x2028)));
}

TEST_F(MapPage, CentreTextAndTheCentreSetter) {
  TGoogleHtml::MapCenterLat = 25.05497;
  TGoogleHtml::MapCenterLng = -121.5;
  TGoogleHtml html(QString{});
  EXPECT_TRUE(html.Build().contains(
      QStringLiteral("var map_center_lat = 25.05497;\nvar map_center_lng = -121.5;\n")));

  struct Row {
    double lat, lng, wantLat, wantLng;
  };
  for (const Row& r : {Row{0, 0, 25.05497, -121.5}, Row{1, 2, 1, 2}, Row{0, 3, 0, 3},
                       Row{std::nan(""), 4, 0, 3}, Row{5, INFINITY, 0, 3}}) {
    TGoogleHtml::SetMapCenter(r.lat, r.lng);
    EXPECT_EQ(TGoogleHtml::MapCenterLat, r.wantLat);
    EXPECT_EQ(TGoogleHtml::MapCenterLng, r.wantLng);
  }
}

TEST_F(MapPage, MapsApiAddressComesFromTheEnvironment) {
  const QString query = QStringLiteral("/maps/api/js?v=3.exp&sensor=false&libraries=places");
  EXPECT_EQ(MapsApiAddress(), QStringLiteral("https://maps.googleapis.com") + query);
  qputenv(kMapsApiBaseVariable, "http://127.0.0.1:8123/");
  EXPECT_EQ(MapsApiAddress(), QStringLiteral("http://127.0.0.1:8123") + query);
  qputenv(kMapsApiKeyVariable, "k&y\"<1");
  EXPECT_EQ(MapsApiAddress(), QStringLiteral("http://127.0.0.1:8123") + query + QStringLiteral("&key=k%26y%22%3C1"));
  qputenv(kMapsApiBaseVariable, "http://host\"><script>x");
  EXPECT_FALSE(MapsApiAddress().contains(QLatin1Char('"')));
  EXPECT_FALSE(MapsApiAddress().contains(QLatin1Char('<')));
  qunsetenv(kMapsApiBaseVariable);
  qunsetenv(kMapsApiKeyVariable);
}

// Both script elements say UTF-8: a server that names no charset would
// otherwise have them read as UTF-16, the page's encoding.
TEST_F(MapPage, PageNamesTheInstalledScriptFile) {
  TGoogleHtml html(QString{});
  const QString page = html.Build();
  EXPECT_TRUE(page.contains(QStringLiteral("<script src=\"./") + kMapScriptFileName +
                            QStringLiteral("\" type=\"text/javascript\" charset=\"utf-8\">")));
  EXPECT_TRUE(page.contains(QStringLiteral("<script type=\"text/javascript\" charset=\"utf-8\" src=\"") +
                            MapsApiAddress() + QStringLiteral("\">")));
}

TEST_F(MapPage, FailedWriteKeepsTheOldPageAndSaysWhy) {
  TGoogleHtml missing(dir_ + QStringLiteral("/no/such/folder/GoogleMap.htm"));
  EXPECT_FALSE(missing.Generate());
  EXPECT_FALSE(missing.Error.isEmpty());

  mapstores::AddDest(QStringLiteral("first"), 1, 2);
  const QString first = Generate();
  mapstores::AddDest(QStringLiteral("second"), 3, 4);
  const QString second = Generate();
  EXPECT_NE(first, second);
  EXPECT_TRUE(second.contains(QStringLiteral("'second'")));
  // Nothing but the page is left in the folder.
  EXPECT_EQ(QDir(dir_).entryList(QDir::Files), QStringList{QStringLiteral("GoogleMap.htm")});
}

// The page is saved like every other file: killed at any moment, the save
// leaves the old page or the new one whole.
TEST_F(MapPage, SaveSurvivesAKillAtAnyMoment) {
  std::mt19937 random(7);
  const testenv::SaveKind kind{
      "map page", "GoogleMap.htm",
      [](bool big) {
        mapstores::ClearAll();
        mapstores::AddTrack(QStringLiteral("Morgen"), big ? 60000 : 3, 0x0000FF);
        for (int i = 0; i < (big ? 20000 : 1); ++i)
          mapstores::AddDest(QStringLiteral("Ziel %1").arg(i), 48 + i * 1e-4, 11);
      },
      [](const QString& path) {
        TGoogleHtml html(path);
        return html.Generate();
      }};
  testenv::CheckSaveSurvivesKills(kind, testenv::scratchDir("mappagekill"), random);
}

}  // namespace
