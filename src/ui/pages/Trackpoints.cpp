#include "Trackpoints.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Textfmt.h"
#include "Trackstorage.h"
#include "Utility.h"

namespace {

QString Fixed(double v, int decimals) {
  return QString::fromLatin1(textfmt::FormatFixed(std::isfinite(v) ? v : 0.0, decimals));
}

QString TwoDigits(int v) {
  return QString::fromLatin1(textfmt::IntToStr(v)).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

QString TrackTimeText(double utc) {
  // 0 is a point without a time.
  if (!std::isfinite(utc) || utc == 0) return {};
  const textfmt::DateTimeParts p = textfmt::DecodeDateTime(ConvertUtcDateTimeToLocal(utc));
  return TwoDigits(p.hour) + QLatin1Char(':') + TwoDigits(p.minute) + QLatin1Char(':') +
         TwoDigits(p.second);
}

TTrackPointModel::TTrackPointModel(TTrackStorage& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
  const char* titles[kColumns] = {"Lat", "Lng", "Distance", "Time", "Speed", "Altitude"};
  for (int c = 0; c < kColumns; ++c) titles_[c] = QString::fromLatin1(titles[c]);
}

void TTrackPointModel::SetTrack(int storeRow) {
  beginResetModel();
  track_ = storeRow >= 0 ? store_.At(std::size_t(storeRow)) : nullptr;
  storeRow_ = track_ ? storeRow : -1;
  distance_.clear();
  distance_.shrink_to_fit();
  speed_.clear();
  speed_.shrink_to_fit();
  walk_ = Walk{};
  rows_ = track_ ? int(std::min<std::size_t>(track_->Count(), std::size_t(std::numeric_limits<int>::max()))) : 0;
  endResetModel();
}

void TTrackPointModel::WalkTo(int row) const {
  if (row < int(distance_.size())) return;
  // Whole blocks: a view asks for its visible rows one by one.
  const std::vector<sFile_TrkEntry>& points = track_->Points();
  const std::size_t end = std::min({std::size_t(rows_), points.size(), (std::size_t(row) / kBlock + 1) * kBlock});
  if (end <= distance_.size()) return;
  if (distance_.empty()) {
    distance_.reserve(std::size_t(rows_));
    speed_.reserve(std::size_t(rows_));
    walk_.refTime = points[0].Time;
  }
  Walk w = walk_;
  for (std::size_t i = distance_.size(); i < end; ++i) {
    const sFile_TrkEntry& p = points[i];
    // Only the first point starts from nothing; 0 is a coordinate like any other.
    if (i > 0)
      w.distance += ComputeHaversineDistance(p.Longitude, p.Latitude, w.prevLng, w.prevLat);
    w.prevLat = p.Latitude;
    w.prevLng = p.Longitude;
    // Whole seconds of the step, days included; a step that rounds to no
    // second keeps the reference and repeats the last speed.
    const double step = p.Time - w.refTime;
    if (step > 0 && std::isfinite(step)) {
      const double seconds = std::round(step * 86400.0);
      if (seconds > 0) {
        w.speed = (w.distance - w.refDistance) * 3600.0 / seconds;
        w.refDistance = w.distance;
        w.refTime = p.Time;
      }
    }
    distance_.push_back(w.distance);
    speed_.push_back(w.speed);
  }
  walk_ = w;
}

void TTrackPointModel::MoveTo(int storeRow) {
  if (track_ && storeRow >= 0 && store_.At(std::size_t(storeRow)) == track_) storeRow_ = storeRow;
}

double TTrackPointModel::DistanceKm(int row) const {
  if (!Track() || row < 0 || row >= rows_) return 0;
  WalkTo(row);
  return std::size_t(row) < distance_.size() ? distance_[std::size_t(row)] : 0.0;
}

double TTrackPointModel::SpeedKmh(int row) const {
  if (!Track() || row < 0 || row >= rows_) return 0;
  WalkTo(row);
  return std::size_t(row) < speed_.size() ? speed_[std::size_t(row)] : 0.0;
}

const TTrackList* TTrackPointModel::Track() const {
  // Compared, never followed: the store may have dropped the track.
  return track_ && store_.At(std::size_t(storeRow_)) == track_ ? track_ : nullptr;
}

QString TTrackPointModel::Text(int row, int column) const {
  const TTrackList* track = Track();
  if (!track || row < 0 || row >= rows_ || std::size_t(row) >= track->Count()) return {};
  const sFile_TrkEntry& p = track->Points()[std::size_t(row)];
  switch (column) {
    case colLat:
      return Fixed(p.Latitude, 4);
    case colLng:
      return Fixed(p.Longitude, 4);
    case colDistance:
      return Fixed(DistanceKm(row), 2);
    case colTime:
      return TrackTimeText(p.Time);
    case colSpeed:
      return Fixed(SpeedKmh(row), 2);
    case colAltitude:
      return std::isfinite(p.Altitude) && std::fabs(p.Altitude) < 1e15
                 ? QString::fromLatin1(textfmt::IntToStr(static_cast<long long>(p.Altitude)))
                 : QStringLiteral("0");
    default:
      return {};
  }
}

void TTrackPointModel::SetTitle(int column, const QString& title) {
  if (column < 0 || column >= kColumns) return;
  titles_[column] = title;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

int TTrackPointModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TTrackPointModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant TTrackPointModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return Text(index.row(), index.column());
}

QVariant TTrackPointModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section;
  return section >= 0 && section < kColumns ? QVariant(titles_[section]) : QVariant();
}
