// Saves that survive a kill, for every save of the non-window code (the map
// page's is in tests/ui).
#include "Deststorage.h"
#include "Folders.h"
#include "GPXDocument.h"
#include "Inifile.h"
#include "Kml.h"
#include "Korvifile.h"
#include "Mapstores.h"
#include "NMEADocument.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Templateexport.h"
#include "Savekill.h"
#include "Testenv.h"
#include "Trackstorage.h"
#include "Zavfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace fs = std::filesystem;

namespace {

using testenv::SaveKind;

void FillTracks(bool big) {
  mapstores::ClearAll();
  mapstores::AddTrack(QStringLiteral("Morgen"), big ? 8000 : 3, 0x0000FF);
  if (big) mapstores::AddTrack(QStringLiteral("Abend"), 2000, 0x00FF00, -33.9, 151.2);
}

void FillDests(bool big) {
  mapstores::ClearAll();
  const int n = big ? 10000 : 2;
  for (int c = 0; c < 4; ++c) {
    const int cat = destStorage.AddCategory(QStringLiteral("Kategorie %1").arg(c));
    for (int s = 0; s < 4; ++s) destStorage.AddSubCategory(cat, QStringLiteral("Gruppe %1").arg(s));
  }
  for (int i = 0; i < n; ++i) {
    auto item = std::make_unique<DestItem>(QStringLiteral("Ziel %1").arg(i), i % 4, (i / 4) % 4,
                                           QStringLiteral("Hauptstra\u00DFe %1, M\u00FCnchen").arg(i),
                                           48.0 + i * 1e-5, 11.0 + i * 1e-5);
    destStorage.AddItem(dlActive, item);
  }
}

void FillWaypoints(bool big) {
  mapstores::ClearAll();
  const int n = big ? 40000 : 2;
  for (int i = 0; i < n; ++i) {
    auto* p = new sUserPOI;
    p->Year = 2010;
    p->Month = static_cast<std::uint8_t>(1 + i % 12);
    p->Day = static_cast<std::uint8_t>(1 + i % 28);
    p->Hour = static_cast<std::uint8_t>(i % 24);
    p->Minute = static_cast<std::uint8_t>(i % 60);
    p->Second = static_cast<std::uint8_t>(i / 60 % 60);
    p->SetName("wp" + std::to_string(i));
    p->Latitude = 48.0 + i * 1e-5;
    p->Longitude = 11.0;
    p->Icon = static_cast<std::uint8_t>(i % 20);
    if (!poiStorage.Add(p)) delete p;
  }
}

void FillRoute(bool big) {
  mapstores::ClearAll();
  const int n = big ? static_cast<int>(RouteStorage::MaxPoints) : 2;
  for (int i = 0; i < n; ++i)
    mapstores::AddRoutePoint(QStringLiteral("Punkt %1").arg(i), 48.0 + i * 0.01, 11.0 + i * 0.01);
}

std::unique_ptr<TIniFile> ini;
fs::path iniPath;

// The big ini is read from a file (many keys one by one would take long),
// then changed, so that the save writes every line.
void FillIni(bool big) {
  if (big) {
    std::string text;
    for (int i = 0; i < 60000; ++i) {
      if (i % 100 == 0) text += "[Section" + std::to_string(i / 100) + "]\r\n";
      text += "Key" + std::to_string(i) + "=value " + std::to_string(i) + " \xC3\xA4\xC3\xB6\r\n";
    }
    testenv::writeFile(iniPath, text);
  } else {
    fs::remove(iniPath);
  }
  ini = std::make_unique<TIniFile>(QString::fromStdString(iniPath.string()));
  ini->WriteString(QStringLiteral("GUI"), QStringLiteral("Lang"), big ? QStringLiteral("2") : QStringLiteral("1"));
}

bool SaveIni(const QString& path) {
  return ini->FileName() == path ? ini->UpdateFile() : folders::WriteWholeFile(path, ini->ToBytes());
}

std::vector<SaveKind> Kinds() {
  return {
      {"ini", "Trevik.ini", FillIni, SaveIni},
      {"mgi", "Ziele.mgi", FillDests, [](const QString& p) { return KorviFile(destStorage).Save(p) != 0; }},
      {"zav", "Ziele.zav", FillDests, [](const QString& p) { return ZavFile(destStorage).Save(p) != 0; }},
      {"wpt", "Punkte.wpt", FillWaypoints, [](const QString& p) { return poiStorage.SaveDeviceFile(p.toLocal8Bit().constData()); }},
      {"rte", "Route.rte", FillRoute, [](const QString& p) { return routeStorage.SaveDeviceFile(p, true) == 1; }},
      {"track file", "Tracks.trk", FillTracks, [](const QString& p) { return trackStorage.SaveToFile(p) > 0; }},
      {"GPX", "Tracks.gpx", FillTracks, [](const QString& p) { return ExportGpx(trackStorage, p) >= 0; }},
      {"GPX route", "Route.gpx", FillRoute, [](const QString& p) { return ExportGpx(routeStorage, p, true, false); }},
      {"KML", "Tracks.kml", FillTracks, [](const QString& p) { return ExportKml(trackStorage, p) >= 0; }},
      {"NMEA", "Tracks.nmea", FillTracks, [](const QString& p) { return ExportNmea(trackStorage, p) >= 0; }},
  };
}

class SaveKill : public ::testing::Test {
 protected:
  void SetUp() override { dir = testenv::scratchDir("savekill"); }
  void TearDown() override {
    ini.reset();
    mapstores::ClearAll();
  }
  fs::path dir;
};

TEST_F(SaveKill, EverySaveIsOldOrNewAndLeavesNoDataBehind) {
  std::mt19937 random(20261210);
  for (const testenv::SaveKind& kind : Kinds()) {
    iniPath = dir / kind.file / kind.file;
    testenv::CheckSaveSurvivesKills(kind, dir, random);
  }
}

}  // namespace
