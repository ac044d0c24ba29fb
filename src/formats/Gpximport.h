#pragma once
// GPX import: reads waypoints (wpt) and tracks and routes (trk, rte, both as
// tracks) from a GPX file. The file is parsed completely into an import
// result first; only a file that was read to its end changes the stores.
#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

class TTrackList;
class TTrackStorage;
class TPoiStorage;

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

// A file that cannot be opened or is not well-formed XML. The text (UTF-8)
// is the reason for the user, in the chosen language; the caller names the file.
class GpxImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A waypoint as the file gives it; the name is made when it is added.
struct GpxImportWaypoint {
  bool HasTime = false;  // false: the current local time is used
  // The file's moment in local time.
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  int Icon = 3;
  double Latitude = 0, Longitude = 0;
};

struct GpxImportResult {
  GpxImportResult();
  GpxImportResult(GpxImportResult&&) noexcept;
  GpxImportResult& operator=(GpxImportResult&&) noexcept;
  ~GpxImportResult();
  std::vector<std::unique_ptr<TTrackList>> Tracks;  // trk and rte in document order
  std::vector<GpxImportWaypoint> Waypoints;
  int WptCount = 0, TrkCount = 0, RteCount = 0;
  bool ReadByFastReader = false;  // false: expat read the file
};

// Parses the file; throws GpxImportError. The progress window (may be null)
// is shown once the file is open and hidden again before this returns.
GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress);

// The readers behind ParseGpxFile: Fast reads plain UTF-8 GPX itself and
// hands every other file (and every broken one) to expat; Expat reads every
// file with expat. Both give the same result and the same errors.
enum class GpxReader { Fast, Expat };
GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress, GpxReader reader);

// Adds the waypoints to the store. A name (the waypoint's local time) that
// is taken already moves the time on by a second until it is free; a
// waypoint without a time gets the current local time. Waypoints the store
// refuses (an icon it does not have) are dropped. Returns how many the
// store took.
int AddImportedWaypoints(const std::vector<GpxImportWaypoint>& waypoints, TPoiStorage& pois);

// Reads the file and then replaces every track of the store by its tracks
// and routes and adds its waypoints. A file without a trk or rte leaves the
// tracks as they are. A file that cannot be read whole throws
// GpxImportError and changes nothing. True when the file held a trk or rte;
// waypointsAdded (may be null) gets the number of waypoints the store took.
bool ImportGpx(const QString& path, TTrackStorage& tracks, TPoiStorage& pois, GpxImportProgress* progress,
               int* waypointsAdded = nullptr);
