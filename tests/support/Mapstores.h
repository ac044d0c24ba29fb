#pragma once
// Fills and empties the process-wide stores that the map page is made from.
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace mapstores {

void ClearAll();  // every store empty with nothing unsaved, every track row checked
void AddDest(const QString& title, double lat, double lng);
void AddWaypoint(const std::string& name, double lat, double lng, int icon);
void AddRoutePoint(const QString& name, double lat, double lng);
// A track of n points from (lat0, lng0), each step 0.001 degree north-east.
void AddTrack(const QString& name, std::size_t n, std::uint32_t color, double lat0 = 48.0,
              double lng0 = 11.0);
void SetCheckedRows(const std::vector<bool>& rows);  // rows past the end count as checked

// The points of an encoded polyline (5 decimals), as the page script decodes it.
std::vector<std::pair<double, double>> DecodePolyline(const std::string& text);

}  // namespace mapstores
