#include "Trackstorage.h"

#include "Folders.h"
#include "Gpslog.h"
#include "Lebytes.h"
#include "Textfmt.h"
#include "Utility.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <numbers>

TTrackStorage trackStorage;

namespace {

constexpr std::size_t kHeaderSize = 60;
constexpr std::size_t kPointSize = 32;
constexpr std::size_t kChunkPoints = 2048;

QString localTimeName(double utc) {
  const textfmt::DateTimeParts p = textfmt::DecodeDateTime(ConvertUtcDateTimeToLocal(utc));
  auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
  return QStringLiteral("%1/%2/%3 %4:%5:%6")
      .arg(p.year, 4, 10, QChar(u'0'))
      .arg(two(p.month), two(p.day), two(p.hour), two(p.minute), two(p.second));
}

void appendHeader(std::string& out, const TTrackList& t) {
  lebytes::Put16(out, 1);
  const QString& name = t.Name();
  for (int i = 0; i < TTrackList::kMaxNameLength; ++i)
    lebytes::Put16(out, i < name.size() ? name[i].unicode() : 0);
  lebytes::Put16(out, 0);
  lebytes::PutDouble(out, t.Distance);
  lebytes::Put32(out, static_cast<std::uint32_t>(t.Count()));
  lebytes::Put32(out, t.Color);
}

void appendPoint(std::string& out, const sFile_TrkEntry& p) {
  lebytes::PutDouble(out, p.Latitude);
  lebytes::PutDouble(out, p.Longitude);
  lebytes::PutDouble(out, p.Altitude);
  lebytes::PutDouble(out, p.Time);
}

bool readFull(QFile& f, unsigned char* out, std::size_t n) {
  return f.read(reinterpret_cast<char*>(out), static_cast<qint64>(n)) == static_cast<qint64>(n);
}

// Reads one track record; false when the header or a point is cut short.
bool readTrack(QFile& f, const unsigned char* header, TTrackList& track) {
  char16_t name[TTrackList::kMaxNameLength];
  int len = 0;
  while (len < TTrackList::kMaxNameLength) {
    name[len] = lebytes::Get16(header + 2 + 2 * len);
    if (name[len] == 0) break;
    ++len;
  }
  track.SetName(QString(reinterpret_cast<const QChar*>(name), len));
  track.Distance = lebytes::GetDouble(header + 44);
  const std::uint32_t count = lebytes::Get32(header + 52);
  track.Color = lebytes::Get32(header + 56);

  // The count is only a claim: points are read as they come, never
  // allocated ahead of what the file holds.
  const qint64 left = f.size() - f.pos();
  if (left < 0 || static_cast<std::uint64_t>(left) < std::uint64_t{count} * kPointSize) return false;
  std::vector<unsigned char> buf(std::min<std::size_t>(count, kChunkPoints) * kPointSize);
  for (std::uint32_t done = 0; done < count;) {
    std::size_t n = std::min<std::size_t>(kChunkPoints, count - done);
    if (!readFull(f, buf.data(), n * kPointSize)) return false;
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char* p = buf.data() + i * kPointSize;
      track.AddPoint({lebytes::GetDouble(p), lebytes::GetDouble(p + 8), lebytes::GetDouble(p + 16),
                      lebytes::GetDouble(p + 24)},
                     false);
    }
    done += static_cast<std::uint32_t>(n);
  }
  return true;
}

class FdCloser {
 public:
  explicit FdCloser(int fd) : fd_(fd) {}
  ~FdCloser() {
    if (fd_ >= 0) ::close(fd_);
  }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

double truncateE5(double radians) {
  return std::trunc(radians * 180.0 * (1.0 / std::numbers::pi) * 100000.0) * 0.00001;
}

}  // namespace

// --- TTrackList ------------------------------------------------------------------

bool TTrackList::AddPoint(const sFile_TrkEntry& point, bool nameFromIt) {
  if (points_.empty() && nameFromIt) SetName(localTimeName(point.Time));
  points_.push_back(point);
  return true;
}

void TTrackList::Clear() {
  points_.clear();
  cursor_ = 0;
}

sFile_TrkEntry* TTrackList::First() {
  cursor_ = 0;
  return points_.empty() ? nullptr : &points_[0];
}

sFile_TrkEntry* TTrackList::Next() {
  if (cursor_ < points_.size()) ++cursor_;
  return cursor_ < points_.size() ? &points_[cursor_] : nullptr;
}

sFile_TrkEntry* TTrackList::Last() {
  if (points_.empty()) return nullptr;
  cursor_ = points_.size() - 1;
  return &points_[cursor_];
}

void TTrackList::SetName(const QString& name) {
  name_ = name;
  TruncateString(name_, kMaxNameLength);
}

// --- TTrackStorage ---------------------------------------------------------------

bool TTrackStorage::AddTrack(std::unique_ptr<TTrackList> track) {
  if (!track) return false;
  tracks_.push_back(std::move(track));
  return true;
}

void TTrackStorage::Clear() {
  tracks_.clear();
  cursor_ = 0;
}

TTrackList* TTrackStorage::First() {
  cursor_ = 0;
  return At(0);
}

TTrackList* TTrackStorage::Next() {
  if (cursor_ < tracks_.size()) ++cursor_;
  return At(cursor_);
}

TTrackList* TTrackStorage::FindTrack(const QString& name) {
  for (std::size_t i = 0; i < tracks_.size(); ++i) {
    if (tracks_[i]->Name() == name) {
      cursor_ = i;
      return tracks_[i].get();
    }
  }
  return nullptr;
}

bool TTrackStorage::DeleteTrack(const QString& name) {
  auto it = std::find_if(tracks_.begin(), tracks_.end(), [&](const auto& t) { return t->Name() == name; });
  return it != tracks_.end() && DeleteTrackAt(static_cast<std::size_t>(it - tracks_.begin()));
}

bool TTrackStorage::DeleteTrackAt(std::size_t row) {
  if (row >= tracks_.size()) return false;
  tracks_.erase(tracks_.begin() + static_cast<std::ptrdiff_t>(row));
  if (cursor_ > row) --cursor_;
  return true;
}

std::uint64_t TTrackStorage::Fingerprint() const {
  ContentHash h;
  h.Value(tracks_.size());
  for (const auto& t : tracks_) {
    h.Text(t->Name()).Value(t->Distance).Value(t->Color).Value(t->Count());
    h.Add(t->Points().data(), t->Count() * sizeof(sFile_TrkEntry));
  }
  return h.Result();
}

int TTrackStorage::SaveToFile(const QString& path) const {
  QSaveFile file(path);
  if (!folders::OpenSaveFile(file)) return 0;
  std::string buf;
  bool ok = true;
  auto flush = [&] {
    ok = ok && file.write(buf.data(), static_cast<qint64>(buf.size())) == static_cast<qint64>(buf.size());
    buf.clear();
  };
  for (std::size_t row = 0; row < tracks_.size() && ok; ++row) {
    if (!IsRowChecked(row)) continue;
    const TTrackList& t = *tracks_[row];
    appendHeader(buf, t);
    for (const sFile_TrkEntry& p : t.Points()) {
      appendPoint(buf, p);
      if (buf.size() >= kChunkPoints * kPointSize) flush();
    }
  }
  flush();
  if (!ok || !file.commit()) return kSaveFailed;
  // An unchecked track is not in the file, so it is still unsaved work.
  bool everyTrack = true;
  for (std::size_t row = 0; row < tracks_.size(); ++row) everyTrack = everyTrack && IsRowChecked(row);
  if (everyTrack) MarkSaved();
  return static_cast<int>(tracks_.size());
}

bool TTrackStorage::LoadFromFile(const QString& path) {
  // A pipe or device would block the open or never end.
  if (!QFileInfo(path).isFile()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  std::vector<std::unique_ptr<TTrackList>> loaded;
  bool whole = true;
  unsigned char header[kHeaderSize];
  for (;;) {
    const qint64 got = file.read(reinterpret_cast<char*>(header), kHeaderSize);
    if (got == 0) break;
    if (got != static_cast<qint64>(kHeaderSize)) {
      whole = false;  // a cut header is a cut file
      break;
    }
    auto track = std::make_unique<TTrackList>();
    if (!readTrack(file, header, *track)) {
      whole = false;
      break;
    }
    loaded.push_back(std::move(track));
  }
  if (loaded.empty()) return false;
  tracks_.swap(loaded);
  cursor_ = 0;
  MarkSaved();
  return whole;
}

bool TTrackStorage::LoadDeviceFile(const QString& path) {
  FdCloser fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0 || !ResetGpsLog(fd.get())) return false;

  std::vector<std::unique_ptr<TTrackList>> imported;
  std::unique_ptr<TTrackList> current;
  double prevX = 0, prevY = 0, prevZ = 0, distance = 0;
  GpsLogFix fix;
  while (ReadGpsLogFix(fd.get(), fix) != 0) {
    if (fix.SegmentFlag != 0) {
      if (current && current->Count() >= 2) {
        current->Distance = distance;
        imported.push_back(std::move(current));
      }
      if (current)
        current->Clear();
      else
        current = std::make_unique<TTrackList>();
      distance = 0;
    }
    if (!current) continue;  // fixes before the first segment start
    sFile_TrkEntry p;
    p.Latitude = truncateE5(fix.Latitude);
    p.Longitude = truncateE5(fix.Longitude);
    p.Altitude = fix.Altitude;
    if (!textfmt::TryEncodeDateTime({fix.Year, fix.Month, fix.Day, fix.Hour, fix.Minute, fix.Second, 0}, p.Time))
      continue;
    // Only the track's first point starts from nothing: X or Y is 0 all
    // along the planes of the meridians 0, 90, 180 and 270.
    if (current->Count() > 0)
      distance += std::sqrt((fix.X - prevX) * (fix.X - prevX) + (fix.Y - prevY) * (fix.Y - prevY) +
                            (fix.Z - prevZ) * (fix.Z - prevZ));
    prevX = fix.X;
    prevY = fix.Y;
    prevZ = fix.Z;
    current->AddPoint(p, true);
  }
  if (current && current->Count() >= 2) {
    current->Distance = distance;
    imported.push_back(std::move(current));
  }
  if (imported.empty()) return false;
  tracks_.swap(imported);
  cursor_ = 0;
  MarkSaved();
  return true;
}
