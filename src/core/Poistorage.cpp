#include "Poistorage.h"

#include <sys/stat.h>

#include "Folders.h"

#include <QFile>
#include <QString>
#include <QUtf8StringView>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Textfmt.h"
#include "Utility.h"

TPoiStorage poiStorage;

namespace {

constexpr std::size_t kRecordSize = 16;

std::string_view NameOf(const sUserPOI& p) { return std::string_view(p.Name, strnlen(p.Name, sUserPOI::kNameSize)); }

// The key of the case-blind lookup. Bytes that are not UTF-8 fold as ASCII
// only, so two different such names never share a key by accident.
std::string Folded(std::string_view name) {
  if (QUtf8StringView(name.data(), static_cast<qsizetype>(name.size())).isValidUtf8())
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toCaseFolded().toStdString();
  std::string s(name);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void AppendPadded(std::string& s, int v, int width) {
  const std::string digits = textfmt::IntToStr(v);
  if (static_cast<int>(digits.size()) < width) s.append(static_cast<std::size_t>(width) - digits.size(), '0');
  s += digits;
}

// "YYYY/MM/DD hh:mm:ss"
std::string TimeName(const SystemTime& t) {
  std::string s;
  AppendPadded(s, t.Year, 4);
  s += '/';
  AppendPadded(s, t.Month, 2);
  s += '/';
  AppendPadded(s, t.Day, 2);
  s += ' ';
  AppendPadded(s, t.Hour, 2);
  s += ':';
  AppendPadded(s, t.Minute, 2);
  s += ':';
  AppendPadded(s, t.Second, 2);
  return s;
}

std::int32_t ReadInt32(const unsigned char* b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteInt32(unsigned char* b, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(u >> (8 * i));
}

// Degrees * 100000 truncated toward zero; false when it does not fit.
bool ToFixed(double deg, std::int32_t& out) {
  const double v = std::trunc(deg * 100000.0);
  if (!std::isfinite(v) || v < -2147483648.0 || v > 2147483647.0) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

// The local time of a record's UTC fields; false when they are no time.
bool DeviceRecordLocalTime(const unsigned char* r, SystemTime& local) {
  SystemTime utc;
  utc.Year = static_cast<std::uint16_t>(r[0] + 1900);
  utc.Month = r[1];
  utc.Day = r[2];
  utc.Hour = r[3];
  utc.Minute = r[4];
  utc.Second = r[5];
  return ConvertUtcToLocal(utc, local);
}

// A transfer pads its last block with 0x1A: such a record is no waypoint.
bool IsPadding(const unsigned char* r) {
  return std::all_of(r, r + kRecordSize, [](unsigned char b) { return b == 0x1A; });
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void sUserPOI::SetName(std::string_view name) {
  std::size_t n = std::min<std::size_t>(name.size(), kNameSize - 1);
  // Step back over UTF-8 continuation bytes so no character is split.
  if (n < name.size())
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  std::memset(Name, 0, sizeof Name);
  std::memcpy(Name, name.data(), n);
}

TPoiStorage::TPoiStorage() { MarkSaved(); }

std::uint64_t TPoiStorage::Fingerprint() const {
  ContentHash h;
  h.Value(items_.size());
  for (const auto& p : items_) {
    h.Text(std::string_view(p->Name, ::strnlen(p->Name, sizeof p->Name)));
    h.Value(p->Year).Value(p->Month).Value(p->Day).Value(p->Hour).Value(p->Minute).Value(p->Second);
    h.Value(p->Icon).Value(p->Latitude).Value(p->Longitude);
  }
  return h.Result();
}
TPoiStorage::~TPoiStorage() = default;

void TPoiStorage::Index(sUserPOI* p) {
  const std::string name(NameOf(*p));
  byName_.emplace(name, p);
  byFolded_[Folded(name)].push_back(p);
}

bool TPoiStorage::Add(sUserPOI* poi) {
  if (!poi) return false;
  poi->Name[sUserPOI::kNameSize - 1] = '\0';
  if (poi->Icon >= IconCount) return false;
  if (byName_.count(std::string(NameOf(*poi)))) return false;
  items_.emplace_back(poi);
  Index(poi);
  return true;
}

int TPoiStorage::DeleteByName(std::string_view name) {
  const auto it = byName_.find(std::string(name));
  if (it == byName_.end()) return -1;
  sUserPOI* p = it->second;
  const auto pos = std::find_if(items_.begin(), items_.end(), [p](const auto& u) { return u.get() == p; });
  const int index = static_cast<int>(pos - items_.begin());
  auto folded = byFolded_.find(Folded(name));
  if (folded != byFolded_.end()) {
    auto& list = folded->second;
    list.erase(std::remove(list.begin(), list.end(), p), list.end());
    if (list.empty()) byFolded_.erase(folded);
  }
  byName_.erase(it);
  items_.erase(pos);
  return index;
}

sUserPOI* TPoiStorage::FindByName(std::string_view name) const {
  const auto it = byFolded_.find(Folded(name));
  return it == byFolded_.end() || it->second.empty() ? nullptr : it->second.front();
}

bool TPoiStorage::Matches(const sUserPOI& p) const {
  const bool icon = filterIcon_ == IconCount || filterIcon_ == p.Icon;
  const bool anyDay = filterYear_ == 0 && filterMonth_ == 0 && filterDay_ == 0;
  const bool day = anyDay || (filterYear_ == p.Year && filterMonth_ == p.Month && filterDay_ == p.Day);
  return icon && day;
}

sUserPOI* TPoiStorage::FindFirst(int icon, int year, int month, int day) {
  filterIcon_ = icon;
  filterYear_ = year;
  filterMonth_ = month;
  filterDay_ = day;
  for (cursor_ = 0; cursor_ < items_.size(); ++cursor_)
    if (Matches(*items_[cursor_])) return items_[cursor_].get();
  return nullptr;
}

sUserPOI* TPoiStorage::FindNext() {
  while (cursor_ < items_.size()) {
    if (++cursor_ >= items_.size()) break;
    if (Matches(*items_[cursor_])) return items_[cursor_].get();
  }
  return nullptr;
}

void TPoiStorage::Clear() {
  byName_.clear();
  byFolded_.clear();
  items_.clear();
  cursor_ = 0;
}

bool TPoiStorage::LoadDeviceFile(const char* path, PoiFileReport* report) {
  PoiFileReport counts;
  if (report) *report = counts;
  if (!path) return true;
  // A pipe or device would make the open wait for a writer for ever.
  struct stat st {};
  if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path, "rb"));
  if (!f) return false;

  // Read into a fresh store; the old waypoints stay until the file is read.
  // A damaged record is left out and counted, the whole ones are kept.
  TPoiStorage loaded;
  loaded.IconCount = IconCount;
  unsigned char r[kRecordSize];
  for (;;) {
    const std::size_t got = std::fread(r, 1, kRecordSize, f.get());
    if (got < kRecordSize) {
      counts.CutShort = static_cast<int>(got);
      break;
    }
    if (r[0] == 0xFF && r[1] == 0xFF && r[3] == 0xFF && r[4] == 0xFF) break;
    if (IsPadding(r)) continue;
    SystemTime local;
    const std::int32_t lat = ReadInt32(r + 8), lon = ReadInt32(r + 12);
    if (!DeviceRecordLocalTime(r, local) || r[6] >= IconCount || lat < -9000000 || lat > 9000000 || lon < -18000000 ||
        lon > 18000000) {
      ++counts.Unreadable;
      continue;
    }
    auto poi = std::make_unique<sUserPOI>();
    poi->Year = local.Year;
    poi->Month = static_cast<std::uint8_t>(local.Month);
    poi->Day = static_cast<std::uint8_t>(local.Day);
    poi->Hour = static_cast<std::uint8_t>(local.Hour);
    poi->Minute = static_cast<std::uint8_t>(local.Minute);
    poi->Second = static_cast<std::uint8_t>(local.Second);
    poi->Icon = r[6];
    poi->Latitude = lat * 0.00001;
    poi->Longitude = lon * 0.00001;
    poi->SetName(TimeName(local));
    if (loaded.Add(poi.get()))
      poi.release();
    else
      ++counts.SameTime;  // the icon passed above, so the name is taken
  }
  if (std::ferror(f.get())) return false;
  counts.Kept = loaded.GetCount();
  if (report) *report = counts;
  // Something was there but nothing of it can be used: keep what is held.
  if (counts.Kept == 0 && counts.LeftOut() > 0) return false;

  items_ = std::move(loaded.items_);
  byName_ = std::move(loaded.byName_);
  byFolded_ = std::move(loaded.byFolded_);
  cursor_ = 0;
  MarkSaved();
  return true;
}

bool TPoiStorage::SaveDeviceFile(const char* path, int* leftOut) const {
  if (leftOut) *leftOut = 0;
  if (!path) return true;
  QByteArray bytes;
  bytes.reserve(items_.size() * kRecordSize);
  for (const auto& p : items_) {
    SystemTime local;
    local.Year = p->Year;
    local.Month = p->Month;
    local.Day = p->Day;
    local.Hour = p->Hour;
    local.Minute = p->Minute;
    local.Second = p->Second;
    SystemTime utc;
    std::int32_t lat = 0, lon = 0;
    // A waypoint the record cannot hold (no valid time, a year outside
    // 1900-2155, a position beyond the integer range) is left out.
    if (!ConvertLocalToUtc(local, utc) || utc.Year < 1900 || utc.Year > 2155 || !ToFixed(p->Latitude, lat) ||
        !ToFixed(p->Longitude, lon)) {
      if (leftOut) ++*leftOut;
      continue;
    }
    unsigned char r[kRecordSize] = {};
    r[0] = static_cast<unsigned char>(utc.Year - 1900);
    r[1] = static_cast<unsigned char>(utc.Month);
    r[2] = static_cast<unsigned char>(utc.Day);
    r[3] = static_cast<unsigned char>(utc.Hour);
    r[4] = static_cast<unsigned char>(utc.Minute);
    r[5] = static_cast<unsigned char>(utc.Second);
    r[6] = p->Icon;
    WriteInt32(r + 8, lat);
    WriteInt32(r + 12, lon);
    bytes.append(reinterpret_cast<const char*>(r), kRecordSize);
  }
  return folders::WriteWholeFile(QFile::decodeName(path), bytes);
}
