#include "Routestorage.h"

#include "Folders.h"
#include "Fontbank.h"
#include "Fonttable.h"
#include "Lebytes.h"
#include "Utility.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>
#include <limits>

RouteStorage routeStorage;

namespace {

constexpr std::size_t kHeaderSize = 20;
constexpr std::size_t kNameUnits = RouteStorage::kMaxNameLength;

std::size_t pointSize(int version) { return version == 2 ? 80 : 76; }

// Degrees to the file's 0.00001-degree integers, cut toward zero.
bool toE5(double degrees, std::int32_t& out) {
  double v = std::trunc(degrees * 100000.0);
  if (!std::isfinite(v) || v < std::numeric_limits<std::int32_t>::min() ||
      v > std::numeric_limits<std::int32_t>::max())
    return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

QString cutName(const QString& name) {
  QString n = name;
  TruncateString(n, RouteStorage::kMaxNameLength);
  return n;
}

bool readAt(QFile& f, qint64 offset, std::size_t n, std::vector<unsigned char>& out) {
  out.resize(n);
  if (n == 0) return true;
  return f.seek(offset) &&
         f.read(reinterpret_cast<char*>(out.data()), static_cast<qint64>(n)) == static_cast<qint64>(n);
}

}  // namespace

RouteStorage::RouteStorage(const TFontBank& bank) : bank_(bank) { MarkSaved(); }
RouteStorage::RouteStorage() : bank_(fontBank) { MarkSaved(); }

std::uint64_t RouteStorage::Fingerprint() const {
  ContentHash h;
  h.Value(points_.size());
  for (const auto& p : points_)
    h.Text(p->Name).Value(p->Turn).Value(p->Latitude).Value(p->Longitude).Value(p->Elevation);
  return h.Result();
}

int RouteStorage::indexOf(const QString& name) const {
  for (std::size_t i = 0; i < points_.size(); ++i)
    if (points_[i]->Name == name) return static_cast<int>(i);
  return -1;
}

RouteAddResult RouteStorage::AddPoint(const QString& name, double latitude, double longitude, std::int32_t turn,
                                      int insertAt) {
  if (points_.size() >= static_cast<std::size_t>(MaxPoints)) return raFull;
  QString cut = cutName(name);
  if (indexOf(cut) >= 0) return raDuplicateName;
  auto p = std::make_unique<RouteWpt>();
  p->Name = cut;
  p->Turn = turn;
  p->Latitude = latitude;
  p->Longitude = longitude;
  if (insertAt >= 0 && static_cast<std::size_t>(insertAt) < points_.size())
    points_.insert(points_.begin() + insertAt, std::move(p));
  else
    points_.push_back(std::move(p));
  return raAdded;
}

RouteAddResult RouteStorage::AddNumberedPoint(std::size_t firstNumber, double latitude, double longitude,
                                              std::int32_t turn, int insertAt) {
  RouteAddResult result = raDuplicateName;
  // Names are unique, so a free number turns up within Count() + 1 tries.
  for (std::size_t n = firstNumber, tries = 0; result == raDuplicateName && tries <= points_.size(); ++n, ++tries)
    result = AddPoint(QString::number(n), latitude, longitude, turn, insertAt);
  return result;
}

int RouteStorage::DeletePoint(const QString& name) {
  int i = indexOf(name);
  if (i < 0) return -1;
  points_.erase(points_.begin() + i);
  if (cursor_ > static_cast<std::size_t>(i)) --cursor_;
  return i;
}

bool RouteStorage::SetElevation(int position, std::int32_t metres) {
  RouteWpt* p = At(static_cast<unsigned>(position));
  if (!p) return false;
  p->Elevation = metres;
  return true;
}

bool RouteStorage::SetTurn(int position, std::int32_t turn) {
  RouteWpt* p = At(static_cast<unsigned>(position));
  if (!p) return false;
  p->Turn = turn;
  return true;
}

bool RouteStorage::SetPosition(int position, double latitude, double longitude, std::int32_t turn) {
  RouteWpt* p = At(static_cast<unsigned>(position));
  if (!p) return false;
  p->Latitude = latitude;
  p->Longitude = longitude;
  if (turn != -1) p->Turn = turn;
  return true;
}

bool RouteStorage::ModifyPoint(const QString& oldName, const QString& newName, double latitude, double longitude,
                               std::int32_t turn) {
  int i = indexOf(oldName);
  if (i < 0) return false;
  QString cut = cutName(newName);
  int other = indexOf(cut);
  if (other >= 0 && other != i) return false;
  RouteWpt& p = *points_[static_cast<std::size_t>(i)];
  p.Name = cut;
  p.Latitude = latitude;
  p.Longitude = longitude;
  p.Turn = turn;
  return true;
}

RouteWpt* RouteStorage::FindPoint(const QString& name) {
  int i = indexOf(name);
  return i < 0 ? nullptr : points_[static_cast<std::size_t>(i)].get();
}

bool RouteStorage::First() {
  cursor_ = 0;
  return !points_.empty();
}

RouteWpt* RouteStorage::Next() {
  RouteWpt* p = At(cursor_);
  if (p) ++cursor_;
  return p;
}

void RouteStorage::Clear() {
  points_.clear();
  cursor_ = 0;
}

int RouteStorage::SaveDeviceFile(const QString& path, bool withElevation) const {
  if (points_.size() > 0xFFFF) return 0;  // the count field has 16 bits
  const int version = withElevation ? 2 : 1;
  std::string out(kHeaderSize, '\0');
  TFontTable table(bank_);
  for (const auto& p : points_) {
    std::int32_t lat, lon;
    if (!toE5(p->Latitude, lat) || !toE5(p->Longitude, lon)) return 0;
    std::uint16_t codes[kNameUnits] = {};
    const int len = static_cast<int>(std::min<qsizetype>(p->Name.size(), kNameUnits));
    ConvertToDeviceCodes(codes, reinterpret_cast<const char16_t*>(p->Name.utf16()), len, table);
    for (std::uint16_t c : codes) lebytes::Put16(out, c);
    lebytes::Put32(out, static_cast<std::uint32_t>(p->Turn));
    lebytes::Put32(out, static_cast<std::uint32_t>(lat));
    lebytes::Put32(out, static_cast<std::uint32_t>(lon));
    if (withElevation) lebytes::Put32(out, static_cast<std::uint32_t>(p->Elevation));
  }
  const std::size_t tableOffset = out.size();
  std::vector<char16_t> chars(static_cast<std::size_t>(table.GetCount()));
  table.CopyChars(chars.data());
  for (char16_t c : chars) lebytes::Put16(out, c);
  const std::size_t glyphOffset = out.size();
  if (bank_.GlyphBytes > 0) {
    std::vector<std::uint8_t> glyphs(chars.size() * static_cast<std::size_t>(bank_.GlyphBytes));
    table.WriteGlyphs(glyphs.data());
    out.append(reinterpret_cast<const char*>(glyphs.data()), glyphs.size());
  }

  std::string header;
  lebytes::Put16(header, static_cast<std::uint32_t>(version));
  lebytes::Put16(header, static_cast<std::uint32_t>(points_.size()));
  lebytes::Put32(header, static_cast<std::uint32_t>(tableOffset));
  lebytes::Put32(header, static_cast<std::uint32_t>(glyphOffset));
  lebytes::Put32(header, static_cast<std::uint32_t>(out.size()));
  lebytes::Put16(header, 0);
  lebytes::Put16(header, lebytes::NegatedByteSum(reinterpret_cast<const unsigned char*>(header.data()), 18));
  out.replace(0, kHeaderSize, header);

  return folders::WriteWholeFile(path, QByteArray(reinterpret_cast<const char*>(out.data()),
                                                 static_cast<qsizetype>(out.size())))
             ? 1
             : 0;
}

int RouteStorage::LoadDeviceFile(const QString& path) {
  // A pipe or device would make the open wait for a writer for ever.
  if (!QFileInfo(path).isFile()) return 0;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const qint64 size = file.size();
  std::vector<unsigned char> h;
  if (!readAt(file, 0, kHeaderSize, h)) return 0;
  if (lebytes::Get16(&h[18]) != lebytes::NegatedByteSum(h.data(), 18)) return 0;
  const int version = lebytes::Get16(&h[0]);
  if (version != 1 && version != 2) return 0;
  const std::size_t count = lebytes::Get16(&h[2]);
  const qint64 tableOffset = lebytes::Get32(&h[4]);
  const qint64 tableBytes = qint64{lebytes::Get32(&h[8])} - tableOffset;
  if (tableBytes < 0 || tableBytes % 2 != 0 || tableOffset + tableBytes > size) return 0;
  const std::size_t psize = pointSize(version);
  if (static_cast<qint64>(kHeaderSize + count * psize) > size) return 0;

  std::vector<unsigned char> raw;
  TFontTable table(bank_);
  if (tableBytes > 0) {
    if (!readAt(file, tableOffset, static_cast<std::size_t>(tableBytes), raw)) return 0;
    std::vector<char16_t> units(raw.size() / 2);
    for (std::size_t i = 0; i < units.size(); ++i) units[i] = lebytes::Get16(&raw[2 * i]);
    table.SetChars(units.data(), static_cast<int>(tableBytes));
  }
  if (!readAt(file, kHeaderSize, count * psize, raw)) return 0;

  std::vector<std::unique_ptr<RouteWpt>> loaded;
  loaded.reserve(count);  // at most 65535, and known to be in the file
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* r = &raw[i * psize];
    std::uint16_t codes[kNameUnits];
    for (std::size_t k = 0; k < kNameUnits; ++k) codes[k] = lebytes::Get16(r + 2 * k);
    char16_t chars[kNameUnits];
    ConvertFromDeviceCodes(chars, codes, static_cast<int>(kNameUnits), table);
    int len = 0;
    while (len < static_cast<int>(kNameUnits) && chars[len] != 0) ++len;
    auto p = std::make_unique<RouteWpt>();
    p->Name = QString(reinterpret_cast<const QChar*>(chars), len);
    p->Turn = static_cast<std::int32_t>(lebytes::Get32(r + 64));
    p->Latitude = static_cast<std::int32_t>(lebytes::Get32(r + 68)) * 0.00001;
    p->Longitude = static_cast<std::int32_t>(lebytes::Get32(r + 72)) * 0.00001;
    p->Elevation = version == 2 ? static_cast<std::int32_t>(lebytes::Get32(r + 76)) : 0;
    loaded.push_back(std::move(p));
  }
  points_.swap(loaded);
  cursor_ = 0;
  MarkSaved();
  return 1;
}
