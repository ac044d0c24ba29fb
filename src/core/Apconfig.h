#pragma once
// The settings record: read from the ini file once at start, written back
// once at shutdown. Its constructor also installs the map page's companion
// files into the web folder and copies a shipped ini file on the first run.
#include "Colornames.h"
#include "Sortedlist.h"

#include <QLatin1String>
#include <QString>

#include <cstdint>

class TPathManager;

// The map page's script as shipped beside the program and installed in the
// web folder.
inline constexpr QLatin1String kMapScriptFileName{"TrevikAP.js"};
// The other companion files, installed only when missing.
inline constexpr QLatin1String kMapStyleFileName{"TrevikAp.css"};
inline constexpr QLatin1String kStartMarkerFileName{"start.png"};
inline constexpr QLatin1String kEndMarkerFileName{"end.png"};

// Bits of ApConfig::Altchart.
inline constexpr std::uint16_t kAltchartShown = 1;
inline constexpr std::uint16_t kAltchartFollow = 2;

// The most favourites read from the file.
inline constexpr int kMaxFavorites = 30;

// One favourite as the settings keep it: "name;lat;lon". The ini file may
// have been edited by hand, so the fields are read, not trusted.
struct Favourite {
  QString Name;          // the first field, as it stands
  bool Located = false;  // both coordinates convert
  double Lat = 0, Lng = 0;
};
Favourite ParseFavourite(const QString& entry);
// The entry for a name (no ";") at a position, four decimals each.
QString FavouriteText(const QString& name, double lat, double lng);

class ApConfig {
 public:
  // Loads the settings of the ini file the path manager names (defaults for
  // what is missing or unusable). Holding Shift turns automatic connection
  // off for this run.
  explicit ApConfig(const TPathManager& paths);

  // Writes the settings into the ini file; false when it cannot be written.
  bool Save();
  bool GetIniFileExisted() const { return IniExisted; }
  bool GetFirstRun() const { return First; }
  void SetProxyServer(const QString& server) { ProxyServer = server; }
  // The file's size in bytes (low 32 bits); 0 when it cannot be opened.
  static std::uint32_t GetFileLength(const QString& path);

  TSortedStringList Favorites;  // "name;lat;lon", sorted, letter case ignored
  bool WState = false;
  std::int32_t WLeft = 0, WTop = 0, WWidth = 0, WHeight = 0;
  std::int32_t Mapmode = 0, Mapzoom = 13;
  bool Boostmode = true;
  bool ComDetect = false;
  bool TrkImpMode = true;
  bool AutoConnect = true;
  bool SepTrack = true;
  bool ShowTrkPts = true;
  bool AutoZoom = true;
  TColor AltchartCol = colornames::clSilver;
  bool CenterPSel = true;
  std::uint16_t Altchart = 0;
  bool VersionCheck = false;
  std::int32_t ProxyPort = 0;
  QString ProxyServer;
  std::uint8_t AniFactor = 100;
  QString IniPath;
  bool First = true;
  bool IniExisted = false;
  bool Beep = true;
  std::int32_t Port = -1, BaudRate = 9600, Lang = 0;
  QString Product, Producer, Version;
  bool Destination = false, Waypoint = false, Route = false, Track = false;
  double Lat = 25.05497, Lon = 121.55497;

 private:
  void InstallWebFiles();
  void Load();

  QString exeDir_;
  QString webDir_;
};

// Null until main() constructs it; tests construct their own.
extern ApConfig* apConfig;
