#include "Fixedzone.h"
#include "Gpximport.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Shellopen.h"
#include "Templateexport.h"
#include "Tempkml.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

bool wellFormed(const fs::path& file) { return run("xmllint --noout --nonet '" + file.string() + "'") == 0; }

bool schemaValid(const fs::path& file) {
  return run("xmllint --noout --nonet --schema '" + (testenv::fixturesDir() / "gpx-1.1.xsd").string() + "' '" +
             file.string() + "'") == 0;
}

std::string golden(const char* name) { return testenv::readFile(testenv::fixturesDir() / "textexport" / name); }

PoiListRow row(const char* name, int y, int mo, int d, int h, int mi, int s, double lat, double lon, int icon,
               bool selected) {
  PoiListRow r;
  r.Name = QString::fromUtf8(name);
  r.Year = y;
  r.Month = mo;
  r.Day = d;
  r.Hour = h;
  r.Minute = mi;
  r.Second = s;
  r.Latitude = lat;
  r.Longitude = lon;
  r.Icon = icon;
  r.Selected = selected;
  return r;
}

// The list as the waypoint page shows it: a renamed waypoint, markup
// characters, a tiny latitude, and calendar fields that are no date.
std::vector<PoiListRow> poiRows() {
  return {
      row("2014/05/03 08:04:05", 2014, 5, 3, 8, 4, 5, 48.13715, 11.57538, 3, false),
      row("Home", 2013, 12, 24, 18, 0, 0, -33.8688, 151.2093, 0, false),
      row("Tom & Jerry <3>", 2014, 1, 1, 0, 0, 0, 0.00005, -0.5, 20, true),
      row("2014/05/03 09:00:00", 0, 0, 0, 0, 0, 0, 1, 2, 1, false),
      row("Bar \"Zum L\xc3\xb6wen\"", 2014, 5, 3, 23, 59, 59, 52.5, 13.4, 7, true),
  };
}

void fillRoute(RouteStorage& r) {
  ASSERT_EQ(r.AddPoint("Start", 48.1234549, 11.5, ttNone), raAdded);
  ASSERT_EQ(r.AddPoint("Kreuzung & Co", -33.8688, 151.2093, ttSharpLeft), raAdded);
  ASSERT_EQ(r.AddPoint("Ziel", 0, -0.5, 9), raAdded);  // a turn outside the known values
  ASSERT_TRUE(r.SetElevation(0, 250));
  ASSERT_TRUE(r.SetElevation(1, -12));
}

// Sets or removes environment variables for one scope.
class ScopedEnv {
 public:
  void Set(const char* name, const char* value) {
    Remember(name);
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second)
        setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        unsetenv(it->first.c_str());
    }
  }

 private:
  void Remember(const char* name) {
    const char* v = std::getenv(name);
    saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Records what the desktop was asked to open.
class RecordingOpener {
 public:
  RecordingOpener() {
    previous_ = desktop::SetShellOpener([this](const QString& path) {
      opened.push_back(path);
      return true;
    });
  }
  ~RecordingOpener() { desktop::SetShellOpener(previous_); }
  std::vector<QString> opened;

 private:
  desktop::ShellOpener previous_;
};

std::string userFolderName() { return "trevik-ap-" + std::to_string(geteuid()); }

}  // namespace

// A row carries the waypoint as the list shows it: its name (UTF-8 in the
// store), local time, position and icon.
TEST(PoiListRow, TakesTheWaypointsFields) {
  sUserPOI poi;
  poi.SetName("Caf\xc3\xa9 am Eck, 25 Bytes lang");  // cut to 25 bytes by the store
  poi.Year = 2014;
  poi.Month = 5;
  poi.Day = 3;
  poi.Hour = 8;
  poi.Minute = 4;
  poi.Second = 5;
  poi.Icon = 17;
  poi.Latitude = -33.8688;
  poi.Longitude = 151.2093;
  const PoiListRow r = MakePoiListRow(poi, true);
  EXPECT_EQ(r.Name, QString::fromUtf8("Caf\xc3\xa9 am Eck, 25 Bytes la"));
  EXPECT_EQ(std::vector<int>({r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second, r.Icon}),
            std::vector<int>({2014, 5, 3, 8, 4, 5, 17}));
  EXPECT_EQ(r.Latitude, -33.8688);
  EXPECT_EQ(r.Longitude, 151.2093);
  EXPECT_TRUE(r.Selected);
}

// --- golden files -----------------------------------------------------------------

TEST(PoiGpxExport, MatchesTheGoldenFileAndTheSchema) {
  auto path = testenv::scratchDir("tx-poigpx") / "poi.gpx";
  ASSERT_TRUE(ExportGpx(poiRows(), q(path)));
  EXPECT_EQ(testenv::readFile(path), golden("poi.gpx"));
  EXPECT_TRUE(schemaValid(path));
}

// The store holds local times; GPX holds UTC moments. Winter and summer in
// Berlin, and a local new year that is still the old year in UTC: written
// as the moment, read back into the same local fields, and gpsbabel shows
// the same local time.
TEST(PoiGpxExport, TimesAreTheUtcMomentAndReadBackAlike) {
  testenv::FixedZone zone(testenv::kCentralEurope);
  const std::vector<PoiListRow> rows = {
      row("winter", 2014, 1, 15, 2, 42, 0, 48.13715, 11.57538, 3, false),
      row("summer", 2014, 7, 3, 10, 0, 0, 48.13715, 11.57538, 3, false),
      row("new year", 2015, 1, 1, 0, 30, 0, 52.5, 13.4, 3, false),
      row("after the change", 2014, 3, 30, 3, 0, 0, 52.5, 13.4, 3, false),
  };
  auto dir = testenv::scratchDir("tx-poitimes");
  ASSERT_TRUE(ExportGpx(rows, q(dir / "poi.gpx")));
  const std::string text = testenv::readFile(dir / "poi.gpx");
  for (const char* want : {"<time>2014-01-15T01:42:00Z</time>", "<time>2014-07-03T08:00:00Z</time>",
                           "<time>2014-12-31T23:30:00Z</time>", "<time>2014-03-30T01:00:00Z</time>"})
    EXPECT_NE(text.find(want), std::string::npos) << want;

  const GpxImportResult back = ParseGpxFile(q(dir / "poi.gpx"), nullptr);
  ASSERT_EQ(back.Waypoints.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const GpxImportWaypoint& w = back.Waypoints[i];
    const PoiListRow& r = rows[i];
    EXPECT_TRUE(w.HasTime);
    EXPECT_EQ(std::vector<int>({w.Year, w.Month, w.Day, w.Hour, w.Minute, w.Second}),
              std::vector<int>({r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second}))
        << r.Name.toStdString();
  }

  ASSERT_EQ(run("TZ='" + std::string(testenv::kCentralEurope) + "' gpsbabel -i gpx -f '" + (dir / "poi.gpx").string() +
                "' -o unicsv -F '" + (dir / "poi.csv").string() + "'"),
            0);
  const std::string csv = testenv::readFile(dir / "poi.csv");
  for (const char* want : {"\"winter\",\"POI3\",2014/01/15,02:42:00", "\"summer\",\"POI3\",2014/07/03,10:00:00",
                           "\"new year\",\"POI3\",2015/01/01,00:30:00",
                           "\"after the change\",\"POI3\",2014/03/30,03:00:00"})
    EXPECT_NE(csv.find(want), std::string::npos) << want << "\n" << csv;
}

TEST(PoiKmlExport, MatchesTheGoldenFile) {
  auto path = testenv::scratchDir("tx-poikml") / "poi.kml";
  ASSERT_TRUE(WritePoiKml(poiRows(), q(path)));
  EXPECT_EQ(testenv::readFile(path), golden("poi.kml"));
  EXPECT_TRUE(wellFormed(path));
}

TEST(RouteGpxExport, PlainAndShiftVariantsMatchTheGoldenFiles) {
  RouteStorage route;
  fillRoute(route);
  auto dir = testenv::scratchDir("tx-routegpx");
  ASSERT_TRUE(ExportGpx(route, q(dir / "plain.gpx"), true, true));
  EXPECT_EQ(testenv::readFile(dir / "plain.gpx"), golden("route.gpx"));
  EXPECT_TRUE(schemaValid(dir / "plain.gpx"));

  ASSERT_TRUE(ExportGpx(route, q(dir / "shift.gpx"), true, false));
  EXPECT_EQ(testenv::readFile(dir / "shift.gpx"), golden("route_shift.gpx"));
  EXPECT_TRUE(schemaValid(dir / "shift.gpx"));
}

TEST(RouteKmlExport, MatchesTheGoldenFile) {
  RouteStorage route;
  fillRoute(route);
  auto path = testenv::scratchDir("tx-routekml") / "route.kml";
  ASSERT_TRUE(WriteRouteKml(route, q(path)));
  EXPECT_EQ(testenv::readFile(path), golden("route.kml"));
  EXPECT_TRUE(wellFormed(path));
}

// An empty route (the route page never exports one) still gives a valid file.
TEST(RouteGpxExport, EmptyRouteHasNoName) {
  RouteStorage route;
  auto path = testenv::scratchDir("tx-routeempty") / "empty.gpx";
  ASSERT_TRUE(ExportGpx(route, q(path), true, true));
  EXPECT_EQ(testenv::readFile(path).find("<name></name>"), std::string::npos);
  EXPECT_TRUE(schemaValid(path));
}

// Names with markup characters become references; names without stay as
// they are; characters XML cannot carry become U+FFFD.
TEST(TemplateExport, TextsAreEscaped) {
  struct Case { const char* name; const char* written; };
  const Case cases[] = {
      {"2014/05/03 08:04:05", "2014/05/03 08:04:05"},
      {"A&B", "A&amp;B"},
      {"<b>x</b>", "&lt;b&gt;x&lt;/b&gt;"},
      {"say \"hi\"", "say &quot;hi&quot;"},
      {"end ]]> here", "end ]]&gt; here"},
      {"bell\x07", "bell\xef\xbf\xbd"},
      {"L\xc3\xb6we \xe6\x9d\xb1", "L\xc3\xb6we \xe6\x9d\xb1"},
  };
  auto dir = testenv::scratchDir("tx-escape");
  for (const Case& c : cases) {
    std::vector<PoiListRow> rows{row(c.name, 2014, 5, 3, 8, 4, 5, 1, 2, 0, true)};
    ASSERT_TRUE(ExportGpx(rows, q(dir / "e.gpx")));
    ASSERT_TRUE(WritePoiKml(rows, q(dir / "e.kml")));
    RouteStorage route;
    ASSERT_EQ(route.AddPoint(QString::fromUtf8(c.name), 1, 2, ttNone), raAdded);
    ASSERT_TRUE(ExportGpx(route, q(dir / "r.gpx"), true, true));
    ASSERT_TRUE(WriteRouteKml(route, q(dir / "r.kml")));
    const std::string want = c.written;
    EXPECT_NE(testenv::readFile(dir / "e.gpx").find("<name>" + want + "</name>"), std::string::npos) << c.name;
    EXPECT_NE(testenv::readFile(dir / "e.kml").find("<![CDATA[\r\n" + want + "\r\n"), std::string::npos) << c.name;
    EXPECT_NE(testenv::readFile(dir / "r.gpx").find("<name>" + want + "</name>"), std::string::npos) << c.name;
    EXPECT_NE(testenv::readFile(dir / "r.kml").find("<name>" + want + "</name>"), std::string::npos) << c.name;
    for (const char* f : {"e.gpx", "e.kml", "r.gpx", "r.kml"}) EXPECT_TRUE(wellFormed(dir / f)) << c.name << " " << f;
  }
}

TEST(TemplateExport, UnwritablePathFails) {
  auto dir = testenv::scratchDir("tx-fail");
  RouteStorage route;
  fillRoute(route);
  EXPECT_FALSE(ExportGpx(poiRows(), q(dir / "missing" / "x.gpx")));
  EXPECT_FALSE(ExportGpx(route, q(dir / "missing" / "x.gpx"), true, true));
  fs::create_directory(dir / "taken.gpx");
  EXPECT_FALSE(ExportGpx(route, q(dir / "taken.gpx"), true, false));
  EXPECT_TRUE(fs::is_directory(dir / "taken.gpx"));
}

// --- the temporary KML file ----------------------------------------------------

TEST(TempKml, FolderComesFromTempThenTmpdirThenTmp) {
  ScopedEnv env;
  struct Case { const char* temp; const char* tmpdir; const char* base; };
  const Case cases[] = {
      {"/a/temp", "/b/tmpdir", "/a/temp"},
      {"", "/b/tmpdir", "/b/tmpdir"},
      {nullptr, "/b/tmpdir", "/b/tmpdir"},
      {nullptr, nullptr, "/tmp"},
      {"", "", "/tmp"},
  };
  for (const Case& c : cases) {
    env.Set("TEMP", c.temp);
    env.Set("TMPDIR", c.tmpdir);
    EXPECT_EQ(TempBaseFolder().toStdString(), c.base);
  }
}

// The viewer exports write KVXFile.kml into the user's own 0700 folder and
// hand exactly that file to the desktop.
TEST(TempKml, ExportsWriteTheUsersOwnFolderAndOpenTheFile) {
  auto base = testenv::scratchDir("tx-temp");
  ScopedEnv env;
  env.Set("TEMP", (base.string() + "/").c_str());  // a trailing slash is harmless
  RecordingOpener opener;
  const fs::path folder = base / userFolderName();
  const mode_t oldMask = umask(0777);  // the folder still gets rwx for its owner
  const QString made = TempKmlFolder();
  umask(oldMask);
  EXPECT_EQ(made.toStdString(), folder.string());
  RouteStorage route;
  fillRoute(route);
  ASSERT_EQ(ExportKml(route), 1);
  struct stat st {};
  ASSERT_EQ(lstat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0].toStdString(), (folder / "KVXFile.kml").string());
  EXPECT_EQ(testenv::readFile(folder / "KVXFile.kml"), golden("route.kml"));

  // The next export replaces the file by rename: a second name of the old
  // file keeps the old content.
  fs::create_hard_link(folder / "KVXFile.kml", folder / "old.kml");
  EXPECT_EQ(ExportKml(poiRows()), 1);
  EXPECT_EQ(testenv::readFile(folder / "KVXFile.kml"), golden("poi.kml"));
  EXPECT_EQ(testenv::readFile(folder / "old.kml"), golden("route.kml"));
  EXPECT_EQ(opener.opened.size(), 2u);
}

TEST(TempKml, NoSelectedRowWritesAndOpensNothing) {
  auto base = testenv::scratchDir("tx-temp-none");
  ScopedEnv env;
  env.Set("TEMP", base.c_str());
  RecordingOpener opener;
  auto rows = poiRows();
  for (auto& r : rows) r.Selected = false;
  EXPECT_EQ(ExportKml(rows), 0);
  EXPECT_EQ(ExportKml(std::vector<PoiListRow>{}), 0);
  EXPECT_FALSE(fs::exists(base / userFolderName() / "KVXFile.kml"));
  EXPECT_TRUE(opener.opened.empty());
}

// A folder of that name that others could enter or that is not a plain
// folder is refused: nothing is written and nothing is opened.
TEST(TempKml, UnsafeFoldersAreRefused) {
  auto base = testenv::scratchDir("tx-temp-unsafe");
  ScopedEnv env;
  env.Set("TEMP", base.c_str());
  RecordingOpener opener;
  const fs::path folder = base / userFolderName();
  const fs::path elsewhere = base / "elsewhere";
  fs::create_directory(elsewhere);
  chmod(elsewhere.c_str(), 0700);

  struct Case { const char* what; std::function<void()> make; };
  const Case cases[] = {
      {"open to the group", [&] { fs::create_directory(folder); chmod(folder.c_str(), 0750); }},
      {"open to all", [&] { fs::create_directory(folder); chmod(folder.c_str(), 0777); }},
      {"a link to a folder", [&] { fs::create_directory_symlink(elsewhere, folder); }},
      {"a file", [&] { testenv::writeFile(folder, "x"); }},
  };
  RouteStorage route;
  fillRoute(route);
  for (const Case& c : cases) {
    fs::remove_all(folder);
    c.make();
    EXPECT_TRUE(TempKmlPath().isEmpty()) << c.what;
    EXPECT_EQ(ExportKml(route), kTemplateExportFailed) << c.what;
    EXPECT_EQ(ExportKml(poiRows()), kTemplateExportFailed) << c.what;
  }
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_FALSE(fs::exists(elsewhere / "KVXFile.kml"));

  // A missing TEMP folder cannot hold ours either.
  env.Set("TEMP", (base / "missing").c_str());
  EXPECT_EQ(ExportKml(route), kTemplateExportFailed);
  EXPECT_TRUE(opener.opened.empty());
}

// Without a desktop to open the file, the file is still written.
TEST(TempKml, WrittenEvenWhenNothingCanOpenIt) {
  auto base = testenv::scratchDir("tx-temp-noshell");
  ScopedEnv env;
  env.Set("TEMP", base.c_str());
  auto previous = desktop::SetShellOpener({});
  RouteStorage route;
  fillRoute(route);
  EXPECT_EQ(ExportKml(route), 1);
  EXPECT_TRUE(fs::exists(base / userFolderName() / "KVXFile.kml"));
  desktop::SetShellOpener(previous);
}

// --- peers ------------------------------------------------------------------------

// gpsbabel reads the waypoint and route KML back with our positions.
TEST(TemplateExportPeers, GpsbabelReadsTheKmlPlacemarks) {
  auto dir = testenv::scratchDir("tx-gpsbabel");
  ASSERT_TRUE(WritePoiKml(poiRows(), q(dir / "poi.kml")));
  ASSERT_EQ(run("gpsbabel -i kml -f '" + (dir / "poi.kml").string() + "' -o unicsv -F '" + (dir / "poi.csv").string() +
                "'"),
            0);
  const std::string poi = testenv::readFile(dir / "poi.csv");
  EXPECT_NE(poi.find("0.000050,-0.500000"), std::string::npos) << poi;
  EXPECT_NE(poi.find("52.500000,13.400000"), std::string::npos) << poi;

  RouteStorage route;
  fillRoute(route);
  ASSERT_TRUE(WriteRouteKml(route, q(dir / "route.kml")));
  ASSERT_EQ(run("gpsbabel -t -i kml -f '" + (dir / "route.kml").string() + "' -o unicsv -F '" +
                (dir / "route.csv").string() + "'"),
            0);
  const std::string line = testenv::readFile(dir / "route.csv");
  EXPECT_NE(line.find("48.123460,11.500000,250.0"), std::string::npos) << line;
  EXPECT_NE(line.find("-33.868800,151.209300,-12.0"), std::string::npos) << line;
}
