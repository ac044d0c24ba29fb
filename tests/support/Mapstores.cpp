#include "Mapstores.h"

#include "Deststorage.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Trackstorage.h"

#include <memory>

namespace mapstores {

void ClearAll() {
  // ClearAll keeps destinations filed under no category: take an empty store's place.
  DestStorage empty;
  destStorage.ReplaceWith(empty);
  poiStorage.Clear();
  poiStorage.IconCount = 21;
  routeStorage.Clear();
  trackStorage.Clear();
  trackStorage.SetRowCheckedQuery(nullptr);
  // Empty stores hold nothing unsaved, whatever was saved before.
  destStorage.MarkSaved();
  poiStorage.MarkSaved();
  routeStorage.MarkSaved();
  trackStorage.MarkSaved();
}

void AddDest(const QString& title, double lat, double lng) {
  const int cat = destStorage.AddCategory(QStringLiteral("Places"));
  destStorage.AddSubCategory(cat, QStringLiteral("All"));
  auto item = std::make_unique<DestItem>(title, cat, 0, QString(), lat, lng);
  destStorage.AddItem(dlActive, item);
}

void AddWaypoint(const std::string& name, double lat, double lng, int icon) {
  auto* p = new sUserPOI;
  p->SetName(name);
  p->Latitude = lat;
  p->Longitude = lng;
  p->Icon = static_cast<std::uint8_t>(icon);
  if (!poiStorage.Add(p)) delete p;
}

void AddRoutePoint(const QString& name, double lat, double lng) {
  routeStorage.AddPoint(name, lat, lng, ttNone);
}

void AddTrack(const QString& name, std::size_t n, std::uint32_t color, double lat0, double lng0) {
  auto track = std::make_unique<TTrackList>();
  for (std::size_t i = 0; i < n; ++i) {
    sFile_TrkEntry e;
    e.Latitude = lat0 + 0.001 * static_cast<double>(i);
    e.Longitude = lng0 + 0.001 * static_cast<double>(i);
    e.Time = 45000.0 + static_cast<double>(i) / 86400.0;
    track->AddPoint(e, false);
  }
  track->SetName(name);
  track->Color = color;
  trackStorage.AddTrack(std::move(track));
}

void SetCheckedRows(const std::vector<bool>& rows) {
  trackStorage.SetRowCheckedQuery([rows](std::size_t row) { return row >= rows.size() || rows[row]; });
}

std::vector<std::pair<double, double>> DecodePolyline(const std::string& text) {
  std::vector<std::pair<double, double>> points;
  std::size_t i = 0;
  long long lat = 0, lng = 0;
  while (i < text.size()) {
    long long v[2];
    for (long long& value : v) {
      unsigned long long result = 0;
      int shift = 0, b;
      do {
        if (i >= text.size()) return points;
        b = text[i++] - 63;
        result |= static_cast<unsigned long long>(b & 0x1f) << shift;
        shift += 5;
      } while (b >= 0x20);
      value = (result & 1) ? -static_cast<long long>((result + 1) / 2) : static_cast<long long>(result / 2);
    }
    lat += v[0];
    lng += v[1];
    points.emplace_back(static_cast<double>(lat) / 1e5, static_cast<double>(lng) / 1e5);
  }
  return points;
}

}  // namespace mapstores
