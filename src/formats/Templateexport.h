#pragma once
// The GPX and KML exports of the waypoint list and of the route, written as
// fixed lines of text (UTF-8, CR LF after every line). Texts from the list
// and the route are XML-escaped; texts without "&", "<", ">" or quotes come
// out exactly as they stand.
//
// The waypoint exports write the rows that the waypoint list shows, in list
// order, as the caller hands them over; the route exports read the route
// store. The two KML exports write the temporary "KVXFile.kml" (Tempkml.h)
// and open it with the desktop.
#include <QString>

#include <vector>

class RouteStorage;
struct sUserPOI;

// One row of the waypoint list.
struct PoiListRow {
  QString Name;  // the row's caption
  // The waypoint's local time.
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  double Latitude = 0, Longitude = 0;
  int Icon = 0;  // the row's image
  bool Selected = false;
};

PoiListRow MakePoiListRow(const sUserPOI& poi, bool selected);

// Every row as a GPX 1.1 waypoint, its local time written as the UTC moment
// (the GPX import reads it back into the same local time). False when the file could not be written
// (an old file then stays as it was).
bool ExportGpx(const std::vector<PoiListRow>& rows, const QString& path);

// The selected rows as KML placemarks.
bool WritePoiKml(const std::vector<PoiListRow>& rows, const QString& path);

// The route as GPX 1.1: with elevation, ele lines; unless plain, the turn
// extensions (an element "turn" in the namespace "urn:kartovex:gpx:turn")
// and a copy of the route as a track.
bool ExportGpx(const RouteStorage& route, const QString& path, bool withElevation, bool plain);

// The route as KML placemarks and a line.
bool WriteRouteKml(const RouteStorage& route, const QString& path);

// The KML exports for the globe viewer: write the temporary file and open it.
// The waypoint export gives 0 when no row is selected (nothing written);
// both give 1 when the file was written and kTemplateExportFailed when it
// could not be.
constexpr int kTemplateExportFailed = -1;
int ExportKml(const std::vector<PoiListRow>& rows);
int ExportKml(const RouteStorage& route);
