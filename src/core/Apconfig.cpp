#include "Apconfig.h"

#include "Desktop.h"
#include "Folders.h"
#include "Inifile.h"
#include "Pathmanager.h"
#include "Textfmt.h"
#include "Utility.h"

#include <QFileInfo>

#include <cmath>
#include <optional>

ApConfig* apConfig = nullptr;

namespace {

const QString kSerial = QStringLiteral("SERIAL");
const QString kGui = QStringLiteral("GUI");
const QString kMap = QStringLiteral("MAP");
const QString kInternet = QStringLiteral("INTERNET");
const QString kFavorites = QStringLiteral("FAVORITES");

constexpr double kDefaultLat = 25.05497;
constexpr double kDefaultLon = 121.55497;

QString favoriteKey(int n) { return QStringLiteral("F%1").arg(n); }

}  // namespace

Favourite ParseFavourite(const QString& entry) {
  static const QString kSeparator = QStringLiteral(";");
  Favourite f;
  f.Name = GetDelimitedField(entry, kSeparator, 1);
  double lat = 0, lng = 0;
  if (textfmt::TryStrToFloat(GetDelimitedField(entry, kSeparator, 2), lat) &&
      textfmt::TryStrToFloat(GetDelimitedField(entry, kSeparator, 3), lng)) {
    f.Located = true;
    f.Lat = lat;
    f.Lng = lng;
  }
  return f;
}

QString FavouriteText(const QString& name, double lat, double lng) {
  return name + QLatin1Char(';') + QString::fromStdString(textfmt::FormatFixed(lat, 4)) + QLatin1Char(';') +
         QString::fromStdString(textfmt::FormatFixed(lng, 4));
}

ApConfig::ApConfig(const TPathManager& paths) : exeDir_(paths.ExeDir), webDir_(paths.WebDir) {
  if (!paths.ConfigDir.isEmpty()) IniPath = paths.ConfigDir + paths.ConfigFileName;

  IniExisted = !IniPath.isEmpty() && folders::FileExists(IniPath);
  if (!IniExisted && !IniPath.isEmpty()) {
    QString shipped = exeDir_ + paths.ConfigFileName;
    if (folders::FileExists(shipped)) {
      folders::CopyFileReplacing(shipped, IniPath);
      IniExisted = folders::FileExists(IniPath);
    }
  }
  InstallWebFiles();
  Load();
}

void ApConfig::Load() {
  TIniFile ini(IniPath);

  Port = ini.ReadInteger(kSerial, QStringLiteral("Port"), -1);
  BaudRate = ini.ReadInteger(kSerial, QStringLiteral("BaudRate"), 9600);
  AutoConnect = ini.ReadBool(kSerial, QStringLiteral("AutoConnect"), true);
  if (desktop::IsShiftDown()) {
    desktop::Beep(2345, 100);
    AutoConnect = false;
  }
  Lang = ini.ReadInteger(kGui, QStringLiteral("Lang"), 0);
  First = ini.ReadBool(kGui, QStringLiteral("First"), true);
  // A home position off the globe is unusable for the map.
  Lat = ini.ReadFloat(kGui, QStringLiteral("Lat"), kDefaultLat);
  if (!(std::fabs(Lat) <= 90)) Lat = kDefaultLat;
  Lon = ini.ReadFloat(kGui, QStringLiteral("Lon"), kDefaultLon);
  if (!(std::fabs(Lon) <= 180)) Lon = kDefaultLon;
  Product = ini.ReadString(kGui, QStringLiteral("Product"), QStringLiteral("Trevik AP"));
  Producer = ini.ReadString(kGui, QStringLiteral("Producer"), QStringLiteral("Dedodevir Ltd."));
  Version = ini.ReadString(kGui, QStringLiteral("Version"), QStringLiteral("Beta"));
  Destination = ini.ReadBool(kGui, QStringLiteral("Destination"), false);
  Waypoint = ini.ReadBool(kGui, QStringLiteral("Waypoint"), false);
  Route = ini.ReadBool(kGui, QStringLiteral("Route"), false);
  Track = ini.ReadBool(kGui, QStringLiteral("Track"), false);
  WState = ini.ReadBool(kGui, QStringLiteral("WState"), false);
  WLeft = ini.ReadInteger(kGui, QStringLiteral("WLeft"), 0);
  WWidth = ini.ReadInteger(kGui, QStringLiteral("WWidth"), 0);
  WTop = ini.ReadInteger(kGui, QStringLiteral("WTop"), 0);
  WHeight = ini.ReadInteger(kGui, QStringLiteral("WHeight"), 0);
  Beep = ini.ReadBool(kGui, QStringLiteral("Beep"), true);
  Mapmode = ini.ReadInteger(kMap, QStringLiteral("Mapmode"), 0);
  Mapzoom = ini.ReadInteger(kMap, QStringLiteral("Mapzoom"), 13);
  AutoZoom = ini.ReadBool(kMap, QStringLiteral("AutoZoom"), true);
  Boostmode = ini.ReadBool(kMap, QStringLiteral("Boostmode"), true);
  ComDetect = ini.ReadBool(kSerial, QStringLiteral("ComDetect"), false);
  TrkImpMode = ini.ReadBool(kGui, QStringLiteral("TrkImpMode"), true);
  SepTrack = ini.ReadBool(kGui, QStringLiteral("SepTrack"), true);
  ShowTrkPts = ini.ReadBool(kGui, QStringLiteral("ShowTrkPts"), true);
  Altchart = static_cast<std::uint16_t>(ini.ReadInteger(kGui, QStringLiteral("Altchart"), 1) & 3);
  CenterPSel = ini.ReadBool(kMap, QStringLiteral("CenterPSel"), true);
  VersionCheck = ini.ReadBool(kGui, QStringLiteral("VersionCheck"), false);
  ProxyServer = ini.ReadString(kInternet, QStringLiteral("ProxyServer"), QString());
  ProxyPort = ini.ReadInteger(kInternet, QStringLiteral("ProxyPort"), 0);
  AniFactor = static_cast<std::uint8_t>(ini.ReadInteger(kGui, QStringLiteral("AniFactor"), 100) & 0xFF);
  if (!colornames::TryStringToColor(
          ini.ReadString(kGui, QStringLiteral("AltchartCol"), QStringLiteral("clSilver")), AltchartCol))
    AltchartCol = colornames::clSilver;

  if (ini.SectionExists(kFavorites)) {
    for (int n = 0; n < kMaxFavorites; ++n) {
      if (!ini.ValueExists(kFavorites, favoriteKey(n))) break;
      QString f = ini.ReadString(kFavorites, favoriteKey(n), QString());
      if (!f.isEmpty()) Favorites.Add(f);
    }
  }
}

bool ApConfig::Save() {
  if (IniPath.isEmpty()) return false;
  TIniFile ini(IniPath);
  ini.WriteInteger(kSerial, QStringLiteral("Port"), Port);
  ini.WriteInteger(kSerial, QStringLiteral("BaudRate"), BaudRate);
  ini.WriteInteger(kGui, QStringLiteral("Lang"), Lang);
  ini.WriteBool(kGui, QStringLiteral("First"), false);
  ini.WriteFloat(kGui, QStringLiteral("Lat"), Lat);
  ini.WriteFloat(kGui, QStringLiteral("Lon"), Lon);
  ini.WriteBool(kGui, QStringLiteral("WState"), !WState);
  ini.WriteInteger(kGui, QStringLiteral("WLeft"), WLeft);
  ini.WriteInteger(kGui, QStringLiteral("WWidth"), WWidth);
  ini.WriteInteger(kGui, QStringLiteral("WTop"), WTop);
  ini.WriteInteger(kGui, QStringLiteral("WHeight"), WHeight);
  ini.WriteInteger(kMap, QStringLiteral("Mapmode"), Mapmode);
  ini.WriteInteger(kMap, QStringLiteral("Mapzoom"), Mapzoom);
  ini.WriteBool(kMap, QStringLiteral("AutoZoom"), AutoZoom);
  ini.WriteBool(kMap, QStringLiteral("Boostmode"), Boostmode);
  ini.WriteBool(kGui, QStringLiteral("TrkImpMode"), TrkImpMode);
  ini.WriteBool(kGui, QStringLiteral("SepTrack"), SepTrack);
  ini.WriteBool(kGui, QStringLiteral("ShowTrkPts"), ShowTrkPts);
  ini.WriteInteger(kGui, QStringLiteral("Altchart"), Altchart);
  ini.WriteString(kGui, QStringLiteral("AltchartCol"), colornames::ColorToString(AltchartCol));
  ini.WriteBool(kMap, QStringLiteral("CenterPSel"), CenterPSel);
  ini.WriteBool(kGui, QStringLiteral("VersionCheck"), VersionCheck);
  ini.WriteString(kInternet, QStringLiteral("ProxyServer"), ProxyServer);
  ini.WriteInteger(kInternet, QStringLiteral("ProxyPort"), ProxyPort);
  ini.WriteInteger(kGui, QStringLiteral("AniFactor"), AniFactor);
  ini.EraseSection(kFavorites);
  for (int n = 0; n < Favorites.Count(); ++n)
    ini.WriteString(kFavorites, favoriteKey(n), Favorites[n]);
  return ini.UpdateFile();
}

std::uint32_t ApConfig::GetFileLength(const QString& path) {
  QFileInfo fi(path);
  if (!fi.exists() || !fi.isFile() || !fi.isReadable()) return 0;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(fi.size()) & 0xFFFFFFFFu);
}

void ApConfig::InstallWebFiles() {
  if (webDir_.isEmpty()) return;
  const QString web = webDir_ + QLatin1Char('/');

  // The script is replaced whenever the shipped one differs, so a new release
  // never runs with an old script; an empty shipped file replaces nothing.
  const QString shippedScript = exeDir_ + kMapScriptFileName;
  const QString installedScript = web + kMapScriptFileName;
  if (folders::FileExists(shippedScript)) {
    bool copy = !folders::FileExists(installedScript);
    if (!copy && GetFileLength(shippedScript) != 0) {
      std::optional<QByteArray> shipped = folders::ReadWholeFile(shippedScript);
      std::optional<QByteArray> installed = folders::ReadWholeFile(installedScript);
      copy = shipped && (!installed || *shipped != *installed);
    }
    if (copy) folders::CopyFileReplacing(shippedScript, installedScript);
  }

  for (QLatin1String name : {kEndMarkerFileName, kStartMarkerFileName, kMapStyleFileName}) {
    const QString shipped = exeDir_ + name;
    const QString installed = web + name;
    if (folders::FileExists(shipped) && !folders::FileExists(installed))
      folders::CopyFileReplacing(shipped, installed);
  }
}
