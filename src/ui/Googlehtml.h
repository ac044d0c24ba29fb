#pragma once
// The map page: "GoogleMap.htm" in the web folder, written whole from the
// destination, waypoint, route and track stores. The page loads the maps
// API and the companion script, which builds the map from the page's data.
#include <QCoreApplication>
#include <QLatin1String>
#include <QString>

#include <cstdint>

inline constexpr QLatin1String kMapPageFileName{"GoogleMap.htm"};

// Environment variables naming where the page loads the maps API from: the
// base address (scheme and host, default the public Google Maps address) and
// an optional API key.
inline constexpr char kMapsApiBaseVariable[] = "TREVIK_MAPS_API_BASE";
inline constexpr char kMapsApiKeyVariable[] = "TREVIK_MAPS_API_KEY";
inline constexpr QLatin1String kDefaultMapsApiBase{"https://maps.googleapis.com"};

// The address of the maps API loader as the page writes it into its script
// element: base + "/maps/api/js?v=3.exp&sensor=false&libraries=places", then
// "&key=" and the key when one is set. Characters that could leave the
// attribute are percent-encoded.
QString MapsApiAddress();

class TGoogleHtml {
  Q_DECLARE_TR_FUNCTIONS(TGoogleHtml)

 public:
  explicit TGoogleHtml(const QString& path);

  // The centre the next page starts at; a centre of exactly 0/0 (or one that
  // is not finite) leaves it as it was.
  static void SetMapCenter(double latitude, double longitude);
  void SetSize(int width, int height);

  // The page text for the current stores (without the byte-order mark).
  QString Build();
  // Writes the page as UTF-16LE with a byte-order mark through a temporary
  // file renamed into place. False when it cannot be written; Error then
  // says why and an existing page file stays as it was.
  bool Generate();

  static double MapCenterLat;
  static double MapCenterLng;

  QString Path;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t OpMode = 0;
  std::int32_t MapMode = 0;
  std::int32_t ZoomValue = 13;

  // Set by the caller from the main window and the settings.
  bool ShowPOI = false;    // waypoint layer on
  bool ShowRoute = false;  // route layer on
  bool BoostMode = false;  // thin long tracks

  // After Build or Generate: some track (checked or not) would be thinned,
  // so the caller notes "Boostmode" in the status bar.
  bool BoostNote = false;
  QString Error;
};

// The thinning step for a track of that many points: every point without
// boost mode; with it every 2nd above 500, every 4th above 1000, every 6th
// above 1500.
int TrackThinningStep(std::size_t pointCount, bool boostMode);
