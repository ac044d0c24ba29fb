#pragma once
// The point list of the track page as a model over one track of the store:
// a track can hold millions of points, so rows are made when the view asks
// for them. Running distance and speed depend on every point before a row;
// they are worked out once, in one pass, as far as a row asked for needs.
#include <QAbstractTableModel>
#include <QString>

#include <cstddef>
#include <vector>

class TTrackList;
class TTrackStorage;

class TTrackPointModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { colLat, colLng, colDistance, colTime, colSpeed, colAltitude, kColumns };

  TTrackPointModel(TTrackStorage& store, QObject* parent);

  // Shows the track at a store position, or nothing (row < 0).
  void SetTrack(int storeRow);
  void Clear() { SetTrack(-1); }
  // The shown track has moved to another store position (rows before it
  // were deleted); nothing changes when it is not there.
  void MoveTo(int storeRow);
  // The track shown, or null; null too once the store no longer holds it
  // at its position.
  const TTrackList* Track() const;
  int StoreRow() const { return storeRow_; }

  // The running distance (km) and speed (km/h) of a row, as the list shows them.
  double DistanceKm(int row) const;
  double SpeedKmh(int row) const;
  // The text of a cell; empty outside the list.
  QString Text(int row, int column) const;
  void SetTitle(int column, const QString& title);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  TTrackStorage& store_;
  const TTrackList* track_ = nullptr;
  int storeRow_ = -1;
  int rows_ = 0;
  // Rows 0 .. size-1 worked out so far, and where the walk stands.
  static constexpr std::size_t kBlock = 4096;
  struct Walk {
    double distance = 0, prevLat = 0, prevLng = 0;
    double refTime = 0, refDistance = 0, speed = 0;
  };
  void WalkTo(int row) const;
  mutable std::vector<double> distance_;
  mutable std::vector<double> speed_;
  mutable Walk walk_;
  QString titles_[kColumns];
};

// The local wall-clock time of a UTC day-count date-time, "hh:mm:ss";
// empty for 0, a point without a time.
QString TrackTimeText(double utc);
