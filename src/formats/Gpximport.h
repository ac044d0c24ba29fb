#pragma once
// GPX import: reads waypoints (wpt) and tracks and routes (trk, rte, both as
// tracks) from a GPX file. The file is parsed completely into an import
// result first; only a file that was read to its end changes the stores.
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <vector>

// The import progress window, as the import sees it (the user interface
// implements it).
class GpxImportProgress {
 public:
  virtual ~GpxImportProgress() = default;
  virtual void Show() = 0;
  // Counters of wpt, trk and rte elements met so far and how much of the
  // file has been read.
  virtual void Update(int waypoints, int tracks, int routes, std::int64_t bytesRead,
                      std::int64_t bytesTotal) = 0;
  // Lets the window repaint and the program react while a big file is read.
  virtual void ProcessEvents() = 0;
  virtual void Hide() = 0;
};

// A file that cannot be opened or is not well-formed XML.
class GpxImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct GpxImportPoint {
  double Latitude = 0, Longitude = 0, Altitude = 0;
  double Time = 0;  // day-count date-time, UTC; 0 when unknown
};

struct GpxImportTrack {
  QString Name;         // at most 20 characters
  double Distance = 0;  // metres
  std::vector<GpxImportPoint> Points;
};

// A waypoint as the file gives it; the name is made when it is added.
struct GpxImportWaypoint {
  bool HasTime = false;  // false: the current local time is used
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  int Icon = 3;
  double Latitude = 0, Longitude = 0;
};

struct GpxImportResult {
  std::vector<GpxImportTrack> Tracks;  // trk and rte in document order
  std::vector<GpxImportWaypoint> Waypoints;
  int WptCount = 0, TrkCount = 0, RteCount = 0;
};

// Parses the file; throws GpxImportError. progress may be null.
GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress);
