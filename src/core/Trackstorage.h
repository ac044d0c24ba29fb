#pragma once
// The tracks of the current run: downloaded from the logger, loaded from the
// program's own track file or imported from GPX.
//
// The track file (little-endian, no file header) is a sequence of track
// records: a 60-byte header (version 1, name as 20 UTF-16 units zero-padded,
// 2 reserved bytes, distance in metres as a double, point count, colour
// 0x00BBGGRR) followed by the points, 32 bytes each (latitude, longitude,
// altitude, UTC time as a day-count date-time, all doubles).
#include <QString>

#include "Changemark.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// One track point.
struct sFile_TrkEntry {
  double Latitude = 0;   // degrees, WGS-84
  double Longitude = 0;  // degrees
  double Altitude = 0;   // metres
  double Time = 0;       // day-count date-time, UTC
};

class TTrackList {
 public:
  static constexpr int kMaxNameLength = 20;
  static constexpr std::uint32_t kDefaultColor = 0x00FF00;

  // Appends a point. For the first point of a track, nameFromIt names the
  // track after the point's local time, "YYYY/MM/DD hh:mm:ss".
  bool AddPoint(const sFile_TrkEntry& point, bool nameFromIt);
  void Clear();

  // Point walk: First rewinds, Next advances, Last jumps to the end; each
  // returns the point at the cursor or null.
  sFile_TrkEntry* First();
  sFile_TrkEntry* Next();
  sFile_TrkEntry* Last();

  std::size_t Count() const { return points_.size(); }
  const std::vector<sFile_TrkEntry>& Points() const { return points_; }

  // Room for points without moving them: a reader that knows about how
  // many points come reserves once, so memory is written once.
  void Reserve(std::size_t points) { points_.reserve(points); }
  std::size_t Capacity() const { return points_.capacity(); }
  void ShrinkToFit() { points_.shrink_to_fit(); }

  const QString& Name() const { return name_; }
  // Keeps at most 20 UTF-16 units, never half a surrogate pair.
  void SetName(const QString& name);

  double Distance = 0;                  // total length, metres
  std::uint32_t Color = kDefaultColor;  // 0x00BBGGRR

 private:
  std::vector<sFile_TrkEntry> points_;
  std::size_t cursor_ = 0;
  QString name_;
};

class TTrackStorage : public ChangeMark {
 public:
  TTrackStorage() { MarkSaved(); }

  // Tells whether the track list's row at a position is checked; the rows
  // follow the store's order. Without one every track counts as checked.
  using RowCheckedQuery = std::function<bool(std::size_t row)>;
  void SetRowCheckedQuery(RowCheckedQuery query) { rowChecked_ = std::move(query); }
  bool IsRowChecked(std::size_t row) const { return !rowChecked_ || rowChecked_(row); }

  bool AddTrack(std::unique_ptr<TTrackList> track);
  void Clear();

  // Track walk, as the point walk of a track.
  TTrackList* First();
  TTrackList* Next();

  std::size_t Count() const { return tracks_.size(); }
  TTrackList* At(std::size_t row) const { return row < tracks_.size() ? tracks_[row].get() : nullptr; }

  // The first track of that name (exact); the track cursor is left on it.
  TTrackList* FindTrack(const QString& name);
  // Destroys the first track of that name; false when there is none.
  bool DeleteTrack(const QString& name);
  bool DeleteTrackAt(std::size_t row);

  // Writes the tracks whose rows are checked. Returns the number of tracks
  // in the store, 0 when the file cannot be created, kSaveFailed when a
  // write fails (the previous file then stays as it was). The change mark is
  // cleared only when every track went into the file.
  static constexpr int kSaveFailed = -1;
  int SaveToFile(const QString& path) const;

  // Replaces the tracks with those of a track file. True when the whole
  // file was read. A cut-short file keeps the complete tracks before the
  // cut and gives false; a file without one complete track leaves the store
  // as it was. A load that replaced the tracks clears the change mark.
  bool LoadFromFile(const QString& path);

  // Replaces the tracks with those of a downloaded GPS log: a non-zero
  // segment flag starts a track, fixes before the first start are dropped,
  // and so are tracks of fewer than two points. True when at least one track
  // was found; otherwise the store stays as it was. A load clears the change
  // mark.
  bool LoadDeviceFile(const QString& path);

 protected:
  std::uint64_t Fingerprint() const override;
  bool IsEmpty() const override { return tracks_.empty(); }

 private:
  std::vector<std::unique_ptr<TTrackList>> tracks_;
  std::size_t cursor_ = 0;
  RowCheckedQuery rowChecked_;
};

extern TTrackStorage trackStorage;
