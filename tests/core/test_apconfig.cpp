// The settings record: defaults, the ini file, portable mode, the first-run
// copy and the map page's companion files.
#include "Apconfig.h"
#include "Desktop.h"
#include "Pathmanager.h"
#include "Programfolders.h"
#include "Testenv.h"
#include "Qtprint.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <filesystem>
#include <functional>
#include <locale>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using testenv::ProgramFolders;
using testenv::qpath;
using testenv::readFile;
using testenv::writeFile;

namespace {

class ApConfigTest : public ::testing::Test {
 protected:
  void TearDown() override {
    desktop::SetShiftStateSource(nullptr);
    desktop::SetBeepSink(nullptr);
  }
};

// The ini file in the user's config folder, with the given text.
fs::path writeUserIni(const ProgramFolders& f, const std::string& text) {
  fs::path p = f.configDir() / "Kartovex.ini";
  writeFile(p, text);
  return p;
}

TEST_F(ApConfigTest, NoIniFileGivesEveryDefault) {
  ProgramFolders f("cfg-defaults");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_EQ(c.IniPath, qpath(f.configDir() / "Kartovex.ini"));
  EXPECT_FALSE(c.GetIniFileExisted());
  EXPECT_TRUE(c.GetFirstRun());
  EXPECT_EQ(c.Port, -1);
  EXPECT_EQ(c.BaudRate, 9600);
  EXPECT_FALSE(c.ComDetect);
  EXPECT_TRUE(c.AutoConnect);
  EXPECT_EQ(c.Lang, 0);
  EXPECT_EQ(c.Product, "Trevik AP");
  EXPECT_EQ(c.Producer, "Dedodevir Ltd.");
  EXPECT_EQ(c.Version, "Beta");
  EXPECT_FALSE(c.Destination || c.Waypoint || c.Route || c.Track);
  EXPECT_EQ(c.Lat, 25.05497);
  EXPECT_EQ(c.Lon, 121.55497);
  EXPECT_FALSE(c.WState);
  EXPECT_EQ(c.WLeft + c.WTop + c.WWidth + c.WHeight, 0);
  EXPECT_TRUE(c.Beep && c.TrkImpMode && c.SepTrack && c.ShowTrkPts);
  EXPECT_EQ(c.Altchart, kAltchartShown);
  EXPECT_EQ(c.AltchartCol, 0xC0C0C0u);
  EXPECT_FALSE(c.VersionCheck);
  EXPECT_EQ(c.AniFactor, 100);
  EXPECT_EQ(c.Mapmode, 0);
  EXPECT_EQ(c.Mapzoom, 13);
  EXPECT_TRUE(c.Boostmode && c.AutoZoom && c.CenterPSel);
  EXPECT_TRUE(c.ProxyServer.isEmpty());
  EXPECT_EQ(c.ProxyPort, 0);
  EXPECT_EQ(c.Favorites.Count(), 0);
}

TEST_F(ApConfigTest, SaveWritesANewFileInTheDocumentedOrder) {
  ProgramFolders f("cfg-new");
  TPathManager pm(f.system());
  ApConfig c(pm);
  c.Favorites.Add("Home;25.0550;121.5550");
  c.Favorites.Add("alpha;1.0000;2.0000");
  ASSERT_TRUE(c.Save());
  EXPECT_EQ(readFile(f.configDir() / "Kartovex.ini"),
            "[SERIAL]\r\nPort=-1\r\nBaudRate=9600\r\n"
            "\r\n[GUI]\r\nLang=0\r\nFirst=0\r\nLat=25.05497\r\nLon=121.55497\r\nWState=1\r\n"
            "WLeft=0\r\nWWidth=0\r\nWTop=0\r\nWHeight=0\r\nTrkImpMode=1\r\nSepTrack=1\r\n"
            "ShowTrkPts=1\r\nAltchart=1\r\nAltchartCol=clSilver\r\nVersionCheck=0\r\nAniFactor=100\r\n"
            "\r\n[MAP]\r\nMapmode=0\r\nMapzoom=13\r\nAutoZoom=1\r\nBoostmode=1\r\nCenterPSel=1\r\n"
            "\r\n[INTERNET]\r\nProxyServer=\r\nProxyPort=0\r\n"
            "\r\n[FAVORITES]\r\nF0=alpha;1.0000;2.0000\r\nF1=Home;25.0550;121.5550\r\n");
}

struct LoadCase {
  const char* section;
  const char* line;
  std::function<double(const ApConfig&)> field;
  double expected;
};

TEST_F(ApConfigTest, ValuesFromTheFileOrTheirDefault) {
  auto lat = [](const ApConfig& c) { return c.Lat; };
  auto lon = [](const ApConfig& c) { return c.Lon; };
  auto port = [](const ApConfig& c) { return double(c.Port); };
  auto ani = [](const ApConfig& c) { return double(c.AniFactor); };
  auto chart = [](const ApConfig& c) { return double(c.Altchart); };
  auto col = [](const ApConfig& c) { return double(c.AltchartCol); };
  const std::vector<LoadCase> cases = {
      {"SERIAL", "Port=7", port, 7},
      {"serial", "PORT = 7", port, 7},
      {"SERIAL", "Port=abc", port, -1},
      {"SERIAL", "Port=99999999999", port, -1},
      {"SERIAL", "Port=", port, -1},
      {"SERIAL", "BaudRate=$1C200", [](const ApConfig& c) { return double(c.BaudRate); }, 115200},
      {"SERIAL", "ComDetect=1", [](const ApConfig& c) { return double(c.ComDetect); }, 1},
      {"SERIAL", "AutoConnect=0", [](const ApConfig& c) { return double(c.AutoConnect); }, 0},
      {"SERIAL", "AutoConnect=yes", [](const ApConfig& c) { return double(c.AutoConnect); }, 1},
      {"GUI", "AniFactor=300", ani, 44},
      {"GUI", "AniFactor=-1", ani, 255},
      {"GUI", "AniFactor=lots", ani, 100},
      {"GUI", "Altchart=7", chart, 3},
      {"GUI", "Altchart=2", chart, 2},
      {"GUI", "AltchartCol=clNoSuchColour", col, 0xC0C0C0},
      {"GUI", "AltchartCol=clRed", col, 0x0000FF},
      {"GUI", "AltchartCol=$00FF8000", col, 0xFF8000},
      {"GUI", "AltchartCol=-16777201", col, 0xC0C0C0},
      {"GUI", "Lat=48.1372", lat, 48.1372},
      {"GUI", "Lat=-33.5", lat, -33.5},
      {"GUI", "Lat=48,1372", lat, 25.05497},
      {"GUI", "Lat=1e400", lat, 25.05497},
      {"GUI", "Lat=95", lat, 25.05497},
      {"GUI", "Lat=NAN", lat, 25.05497},
      {"GUI", "Lon=-180", lon, -180},
      {"GUI", "Lon=200", lon, 121.55497},
      {"GUI", "WState=1", [](const ApConfig& c) { return double(c.WState); }, 1},
      {"GUI", "WHeight=-20", [](const ApConfig& c) { return double(c.WHeight); }, -20},
      {"GUI", "Track=1", [](const ApConfig& c) { return double(c.Track); }, 1},
      {"GUI", "First=0", [](const ApConfig& c) { return double(c.GetFirstRun()); }, 0},
      {"GUI", "Lang=6", [](const ApConfig& c) { return double(c.Lang); }, 6},
      {"MAP", "Mapzoom=17", [](const ApConfig& c) { return double(c.Mapzoom); }, 17},
      {"MAP", "CenterPSel=0", [](const ApConfig& c) { return double(c.CenterPSel); }, 0},
      {"INTERNET", "ProxyPort=8080", [](const ApConfig& c) { return double(c.ProxyPort); }, 8080},
      // A key in the wrong section is not seen.
      {"GUI", "Port=7", port, -1},
  };
  for (const LoadCase& lc : cases) {
    ProgramFolders f("cfg-load");
    writeUserIni(f, std::string("[") + lc.section + "]\r\n" + lc.line + "\r\n");
    TPathManager pm(f.system());
    ApConfig c(pm);
    EXPECT_TRUE(c.GetIniFileExisted());
    EXPECT_EQ(lc.field(c), lc.expected) << "[" << lc.section << "] " << lc.line;
  }
}

TEST_F(ApConfigTest, TextValuesAreTakenRaw) {
  ProgramFolders f("cfg-text");
  writeUserIni(f,
               "[GUI]\nProduct=My, own; product\nProducer=\n[INTERNET]\nProxyServer=proxy.example:3128\n");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_EQ(c.Product, "My, own; product");
  EXPECT_EQ(c.Producer, "");
  EXPECT_EQ(c.ProxyServer, "proxy.example:3128");
}

TEST_F(ApConfigTest, Favourites) {
  const struct {
    const char* name;
    std::string section;
    QStringList expected;
  } cases[] = {
      {"gap stops reading", "F0=b;1;2\nF1=a;3;4\nF3=c;5;6\n", {"a;3;4", "b;1;2"}},
      {"empty entry skipped", "F0=x\nF1=\nF2=y\n", {"x", "y"}},
      {"duplicates ignoring case", "F0=Home;1;2\nF1=HOME;1;2\nF2=home;1;2\n", {"Home;1;2"}},
      {"sorted ignoring case", "F0=b\nF1=C\nF2=a\n", {"a", "b", "C"}},
      {"no F0", "F1=a\n", {}},
  };
  for (const auto& fc : cases) {
    ProgramFolders f("cfg-fav");
    writeUserIni(f, "[FAVORITES]\n" + fc.section);
    TPathManager pm(f.system());
    ApConfig c(pm);
    EXPECT_EQ(c.Favorites.Items(), fc.expected) << fc.name;
  }

  ProgramFolders f("cfg-fav-many");
  std::string many = "[FAVORITES]\n";
  for (int n = 0; n < 40; ++n) many += "F" + std::to_string(n) + "=p" + std::to_string(100 + n) + "\n";
  writeUserIni(f, many);
  TPathManager pm(f.system());
  ApConfig c(pm);
  ASSERT_EQ(c.Favorites.Count(), kMaxFavorites);
  EXPECT_EQ(c.Favorites[29], "p129");
}

// The fields of an entry a user may have edited; the window tests show
// the menu and the jump.
TEST(FavouriteEntry, Fields) {
  const struct { const char* entry; const char* name; bool located; double lat, lng; } cases[] = {
      {"Home;47.5;8.25", "Home", true, 47.5, 8.25},
      {" Home ; 47.5 ; 8.25 ", " Home ", true, 47.5, 8.25},
      {"Home;47.5;8.25;extra", "Home", true, 47.5, 8.25},
      {";1;2", "", true, 1, 2},
      {"Home;47.5", "Home", false, 0, 0},
      {"Home", "Home", false, 0, 0},
      {"Home;1e400;2", "Home", false, 0, 0},
      {"Home;47,5;8", "Home", false, 0, 0},
      {"", "", false, 0, 0},
  };
  for (const auto& c : cases) {
    const Favourite f = ParseFavourite(QString::fromUtf8(c.entry));
    EXPECT_EQ(f.Name, QString::fromUtf8(c.name)) << c.entry;
    EXPECT_EQ(f.Located, c.located) << c.entry;
    EXPECT_EQ(f.Lat, c.lat) << c.entry;
    EXPECT_EQ(f.Lng, c.lng) << c.entry;
  }
  EXPECT_EQ(FavouriteText(QStringLiteral("Oper"), -33.85678, 151.21529), "Oper;-33.8568;151.2153");
}

TEST_F(ApConfigTest, SavingFewerFavouritesLeavesExactlyThose) {
  ProgramFolders f("cfg-fav-save");
  fs::path ini = writeUserIni(f, "[FAVORITES]\nF0=c\nF1=a\nF2=b\n[OTHER]\nKeep=1\n");
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    c.Favorites.Delete(c.Favorites.IndexOf("b"));
    ASSERT_TRUE(c.Save());
  }
  std::string text = readFile(ini);
  EXPECT_NE(text.find("[FAVORITES]\r\nF0=a\r\nF1=c\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("F2="), std::string::npos);
  EXPECT_NE(text.find("[OTHER]\r\nKeep=1\r\n"), std::string::npos);
  ApConfig again(pm);
  EXPECT_EQ(again.Favorites.Items(), (QStringList{"a", "c"}));
}

TEST_F(ApConfigTest, SaveRewritesOnlyItsOwnKeys) {
  ProgramFolders f("cfg-keep");
  fs::path ini = writeUserIni(f,
                              "; hand-edited\r\n[SERIAL]\r\nAutoConnect=0\r\nComDetect=1\r\nPort=3\r\n"
                              "[GUI]\r\nDestination=1\r\nBeep=0\r\nProduct=Mine\r\nMyKey=x\r\n"
                              "WLeft=10\r\nWTop=20\r\nWWidth=300\r\nWHeight=400\r\nFirst=1\r\n");
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    c.Port = 4;
    c.WState = false;  // the window closed maximised
    c.Lat = 48.1372;
    c.SetProxyServer("proxy");
    ASSERT_TRUE(c.Save());
  }
  std::string text = readFile(ini);
  for (const char* kept : {"; hand-edited\r\n", "AutoConnect=0\r\n", "ComDetect=1\r\n", "Destination=1\r\n",
                           "Beep=0\r\n", "Product=Mine\r\n", "MyKey=x\r\n", "WLeft=10\r\n", "WHeight=400\r\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  for (const char* changed : {"Port=4\r\n", "First=0\r\n", "WState=1\r\n", "Lat=48.1372\r\n",
                              "ProxyServer=proxy\r\n"})
    EXPECT_NE(text.find(changed), std::string::npos) << changed;
  ApConfig next(pm);
  EXPECT_TRUE(next.WState);  // the next start maximises the window
  EXPECT_FALSE(next.GetFirstRun());
  EXPECT_EQ(next.WWidth, 300);
  EXPECT_FALSE(next.AutoConnect);
}

TEST_F(ApConfigTest, SavedValuesReadBack) {
  ProgramFolders f("cfg-roundtrip");
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    c.Port = 12;
    c.BaudRate = 115200;
    c.Lang = 8;
    c.Lat = -41.2864603;
    c.Lon = 174.776236;
    c.WState = true;
    c.WLeft = -5;
    c.WTop = 7;
    c.WWidth = 1024;
    c.WHeight = 768;
    c.Mapmode = 2;
    c.Mapzoom = 5;
    c.AutoZoom = c.Boostmode = c.TrkImpMode = c.SepTrack = c.ShowTrkPts = c.CenterPSel = false;
    c.Altchart = kAltchartShown | kAltchartFollow;
    c.AltchartCol = 0x123456;
    c.VersionCheck = true;
    c.ProxyServer = QString::fromUtf8("pr\xC3\xB6xy, \xE6\x97\xA5");
    c.ProxyPort = 3128;
    c.AniFactor = 255;
    ASSERT_TRUE(c.Save());
  }
  ApConfig c(pm);
  EXPECT_TRUE(c.GetIniFileExisted());
  EXPECT_EQ(c.Port, 12);
  EXPECT_EQ(c.BaudRate, 115200);
  EXPECT_EQ(c.Lang, 8);
  EXPECT_EQ(c.Lat, -41.2864603);
  EXPECT_EQ(c.Lon, 174.776236);
  EXPECT_FALSE(c.WState);  // stored as "normal state", read back as "maximised"
  EXPECT_EQ(c.WLeft, -5);
  EXPECT_EQ(c.WTop, 7);
  EXPECT_EQ(c.WWidth, 1024);
  EXPECT_EQ(c.WHeight, 768);
  EXPECT_EQ(c.Mapmode, 2);
  EXPECT_EQ(c.Mapzoom, 5);
  EXPECT_FALSE(c.AutoZoom || c.Boostmode || c.TrkImpMode || c.SepTrack || c.ShowTrkPts || c.CenterPSel);
  EXPECT_EQ(c.Altchart, 3);
  EXPECT_EQ(c.AltchartCol, 0x123456u);
  EXPECT_TRUE(c.VersionCheck);
  EXPECT_EQ(c.ProxyServer, QString::fromUtf8("pr\xC3\xB6xy, \xE6\x97\xA5"));
  EXPECT_EQ(c.ProxyPort, 3128);
  EXPECT_EQ(c.AniFactor, 255);
}

TEST_F(ApConfigTest, UnknownColourIsSavedAsSilver) {
  ProgramFolders f("cfg-colour");
  fs::path ini = writeUserIni(f, "[GUI]\nAltchartCol=purple-ish\n");
  TPathManager pm(f.system());
  ApConfig c(pm);
  ASSERT_TRUE(c.Save());
  EXPECT_NE(readFile(ini).find("AltchartCol=clSilver\r\n"), std::string::npos);
}

TEST_F(ApConfigTest, ShiftHeldTurnsAutomaticConnectionOffForThisRunOnly) {
  ProgramFolders f("cfg-shift");
  fs::path ini = writeUserIni(f, "[SERIAL]\r\nAutoConnect=1\r\n");
  std::vector<std::pair<unsigned, unsigned>> beeps;
  desktop::SetShiftStateSource([] { return true; });
  desktop::SetBeepSink([&](unsigned hz, unsigned ms) { beeps.emplace_back(hz, ms); });
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    EXPECT_FALSE(c.AutoConnect);
    ASSERT_TRUE(c.Save());
  }
  EXPECT_EQ(beeps, (std::vector<std::pair<unsigned, unsigned>>{{2345u, 100u}}));
  EXPECT_NE(readFile(ini).find("AutoConnect=1\r\n"), std::string::npos);
  desktop::SetShiftStateSource([] { return false; });
  EXPECT_TRUE(ApConfig(pm).AutoConnect);
  EXPECT_EQ(beeps.size(), 1u);
}

TEST_F(ApConfigTest, FirstRunCopiesTheShippedIni) {
  ProgramFolders f("cfg-firstrun");
  writeFile(f.exe / "Kartovex.ini", "[GUI]\r\nDestination=1\r\nTrack=1\r\n");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_TRUE(c.GetIniFileExisted());
  EXPECT_TRUE(c.Destination);
  EXPECT_TRUE(c.Track);
  EXPECT_FALSE(c.Route);
  EXPECT_EQ(readFile(f.configDir() / "Kartovex.ini"), "[GUI]\r\nDestination=1\r\nTrack=1\r\n");

  // An existing user file is never replaced by the shipped one.
  writeFile(f.configDir() / "Kartovex.ini", "[GUI]\r\nTrack=0\r\n");
  ApConfig again(pm);
  EXPECT_FALSE(again.Track);
  EXPECT_FALSE(again.Destination);
}

TEST_F(ApConfigTest, ShippedDefaultIniTurnsTheFourPagesOn) {
  ProgramFolders f("cfg-shipped");
  fs::copy_file(testenv::binDir() / "Kartovex.ini", f.exe / "Kartovex.ini");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_TRUE(c.Destination && c.Waypoint && c.Route && c.Track);
}

TEST_F(ApConfigTest, PortableModeKeepsTheSettingsInTheMarker) {
  ProgramFolders f("cfg-portable");
  writeFile(f.exe / "Kartovex.usb", "[SERIAL]\r\nPort=5\r\n");
  writeFile(f.exe / "Kartovex.ini", "[SERIAL]\r\nPort=9\r\n");  // not used in portable mode
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    EXPECT_EQ(c.IniPath, qpath(f.exe / "Kartovex.usb"));
    EXPECT_TRUE(c.GetIniFileExisted());
    EXPECT_EQ(c.Port, 5);
    c.Port = 6;
    ASSERT_TRUE(c.Save());
  }
  EXPECT_EQ(ApConfig(pm).Port, 6);
  EXPECT_EQ(readFile(f.exe / "Kartovex.ini"), "[SERIAL]\r\nPort=9\r\n");
  EXPECT_FALSE(fs::exists(f.appData));
}

TEST_F(ApConfigTest, EmptyPortableMarkerStartsWithDefaults) {
  ProgramFolders f("cfg-portable-empty");
  writeFile(f.exe / "Kartovex.usb", "");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_TRUE(c.GetIniFileExisted());
  EXPECT_TRUE(c.GetFirstRun());
  EXPECT_EQ(c.Port, -1);
}

TEST_F(ApConfigTest, SaveReportsAFolderItCannotWriteInto) {
  ProgramFolders f("cfg-nowrite");
  TPathManager pm(f.system());
  ApConfig c(pm);
  fs::remove_all(f.configDir());
  writeFile(f.configDir(), "a file where the folder was");
  EXPECT_FALSE(c.Save());
  EXPECT_EQ(readFile(f.configDir()), "a file where the folder was");
}

TEST_F(ApConfigTest, BadFileLoadsWithDefaultsForWhatIsUnusable) {
  ProgramFolders f("cfg-bad");
  using namespace std::string_literals;
  std::string junk =
      "\x00\x01\x02 binary junk \xFF\xFE\r\n"s +
      "[SERIAL\r\n"
      "Port=4\r\n"  // not in any section
      "[GUI]\r\n"
      "== no name\r\n"
      "Lang=\xC3\x28\r\n"
      "Lat=\xFF\xFF\r\n"
      "Lon=121.5\xFF\r\n"
      "WWidth=1" + std::string(5000, '9') +
      "\r\n"
      "Product=Caf\xE9 \x80\r\n"
      "[FAVORITES]\r\n"
      "F0=K\xF6ln;50.9375;6.9603\r\n"
      "F1=\xE6\x9D\xB1\xE4\xBA\xAC;35.6;139.7\r\n";
  junk.insert(0, std::string(1, '\0'));
  writeUserIni(f, junk);
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_EQ(c.Port, -1);
  EXPECT_EQ(c.Lang, 0);
  EXPECT_EQ(c.Lat, 25.05497);
  EXPECT_EQ(c.Lon, 121.55497);
  EXPECT_EQ(c.WWidth, 0);
  EXPECT_EQ(c.Product, QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_EQ(c.Favorites.Items(),
            (QStringList{QString::fromUtf8("K\xC3\xB6ln;50.9375;6.9603"),
                         QString::fromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC;35.6;139.7")}));
  // Saving keeps the junk lines and makes the rest readable.
  ASSERT_TRUE(c.Save());
  std::string text = readFile(f.configDir() / "Kartovex.ini");
  EXPECT_EQ(text.substr(0, 4), std::string("\0\0\x01\x02", 4));
  EXPECT_NE(text.find("F0=K\xC3\xB6ln;50.9375;6.9603\r\n"), std::string::npos);
  ApConfig again(pm);
  EXPECT_EQ(again.Favorites.Items(), c.Favorites.Items());
  EXPECT_EQ(again.Lat, 25.05497);
}

TEST_F(ApConfigTest, NumbersDoNotFollowTheUsersLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not installed";
  std::locale oldGlobal = std::locale::global(std::locale("de_DE.UTF-8"));
  QLocale oldQt;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

  ProgramFolders f("cfg-locale");
  fs::path ini = writeUserIni(f, "[GUI]\r\nLat=48.1372\r\nLon=11.5756\r\n");
  TPathManager pm(f.system());
  double lat, lon;
  {
    ApConfig c(pm);
    lat = c.Lat;
    lon = c.Lon;
    c.Lat = 25.05497;
    ASSERT_TRUE(c.Save());
  }
  std::string text = readFile(ini);

  QLocale::setDefault(oldQt);
  std::locale::global(oldGlobal);
  std::setlocale(LC_ALL, "C");

  EXPECT_EQ(lat, 48.1372);
  EXPECT_EQ(lon, 11.5756);
  EXPECT_NE(text.find("Lat=25.05497\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Lon=11.5756\r\n"), std::string::npos) << text;
}

TEST_F(ApConfigTest, FileLength) {
  fs::path dir = testenv::scratchDir("cfg-length");
  writeFile(dir / "a", std::string(1234, 'x'));
  EXPECT_EQ(ApConfig::GetFileLength(qpath(dir / "a")), 1234u);
  EXPECT_EQ(ApConfig::GetFileLength(qpath(dir / "missing")), 0u);
  EXPECT_EQ(ApConfig::GetFileLength(qpath(dir)), 0u);
}

// --- the map page's companion files --------------------------------------------

struct WebCase {
  const char* name;
  const char* file;
  const char* shipped;    // nullptr: not shipped
  const char* installed;  // nullptr: not installed yet
  const char* after;      // the installed file afterwards; nullptr: still missing
};

TEST_F(ApConfigTest, CompanionFilesAreInstalledByTheirRules) {
  const WebCase cases[] = {
      {"script missing", "TrevikAP.js", "new", nullptr, "new"},
      {"script of another size", "TrevikAP.js", "newer", "old", "newer"},
      {"script of the same size but other content", "TrevikAP.js", "new", "old", "new"},
      {"script the same", "TrevikAP.js", "same", "same", "same"},
      {"empty shipped script", "TrevikAP.js", "", "old", "old"},
      {"empty shipped script, none installed", "TrevikAP.js", "", nullptr, ""},
      {"script not shipped", "TrevikAP.js", nullptr, "old", "old"},
      {"script neither", "TrevikAP.js", nullptr, nullptr, nullptr},
      {"style missing", "TrevikAp.css", "css", nullptr, "css"},
      {"style installed", "TrevikAp.css", "new css", "old", "old"},
      {"start marker installed", "start.png", "new png", "old png", "old png"},
      {"start marker missing", "start.png", "png", nullptr, "png"},
      {"end marker installed", "end.png", "new png", "old png", "old png"},
      {"end marker not shipped", "end.png", nullptr, nullptr, nullptr},
  };
  for (const WebCase& w : cases) {
    ProgramFolders f("cfg-web");
    if (w.shipped) writeFile(f.exe / w.file, w.shipped);
    if (w.installed) writeFile(f.webDir() / w.file, w.installed);
    TPathManager pm(f.system());
    ApConfig c(pm);
    fs::path installed = f.webDir() / w.file;
    if (w.after) {
      ASSERT_TRUE(fs::exists(installed)) << w.name;
      EXPECT_EQ(readFile(installed), w.after) << w.name;
    } else {
      EXPECT_FALSE(fs::exists(installed)) << w.name;
    }
  }
}

TEST_F(ApConfigTest, PortableModeInstallsIntoTheWebFolderBesideTheProgram) {
  ProgramFolders f("cfg-web-portable");
  writeFile(f.exe / "Kartovex.usb", "");
  writeFile(f.exe / std::string(kMapScriptFileName.data(), kMapScriptFileName.size()), "js");
  TPathManager pm(f.system());
  ApConfig c(pm);
  EXPECT_EQ(readFile(f.exe / "web/TrevikAP.js"), "js");
}

}  // namespace
