#include "Korvifile.h"

#include "Folders.h"

#include "Deststorage.h"
#include "Fontbank.h"
#include "Fonttable.h"
#include "Utility.h"

#include <QFile>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

const QString korviFileExtension = QStringLiteral(".mgi");

namespace {

constexpr int kHeaderSize = 36;
constexpr int kVersion = 1;
constexpr int kDestFixedSize = 20;  // destination record without its title
// Codes are 16 bits, so a table never needs more entries than this.
constexpr std::uint64_t kMaxTableEntries = 65536;

std::uint16_t GetU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t GetU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void PutU16(QByteArray& out, qsizetype at, std::uint16_t v) {
  out[at] = static_cast<char>(v & 0xFF);
  out[at + 1] = static_cast<char>(v >> 8);
}

void PutU32(QByteArray& out, qsizetype at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void AppendU8(QByteArray& out, std::uint8_t v) { out.append(static_cast<char>(v)); }
void AppendU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}
void AppendU32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The codes of text (already cut), padded with code 0 to `width` codes.
void AppendCodes(QByteArray& out, const QString& text, int width, TFontTable& table) {
  std::vector<std::uint16_t> codes(static_cast<std::size_t>(width), 0);
  ConvertToDeviceCodes(codes.data(), reinterpret_cast<const char16_t*>(text.utf16()),
                       static_cast<int>(text.size()), table);
  for (std::uint16_t c : codes) AppendU16(out, c);
}

// A name field of `width` codes holds the first `width` characters.
QString FitTo(const QString& text, int width) {
  QString cut = text;
  CutToLength(cut, width);
  return cut;
}

// Degrees as the file's fixed-point value, truncated toward zero; false when
// it does not fit.
bool ToFixed(double degrees, std::int32_t& out) {
  const double v = std::trunc(degrees * 100000.0);
  if (!std::isfinite(v) || v < std::numeric_limits<std::int32_t>::min() ||
      v > std::numeric_limits<std::int32_t>::max())
    return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

// `count` codes decoded through the file's table; the first code that
// decodes to no character ends the text.
QString DecodeText(const std::uint8_t* p, std::size_t count, const TFontTable& table) {
  std::vector<std::uint16_t> codes(count);
  for (std::size_t i = 0; i < count; ++i) codes[i] = GetU16(p + 2 * i);
  std::vector<char16_t> chars(count);
  ConvertFromDeviceCodes(chars.data(), codes.data(), static_cast<int>(count), table);
  std::size_t len = 0;
  while (len < count && chars[len] != 0) ++len;
  return QString(reinterpret_cast<const QChar*>(chars.data()), static_cast<qsizetype>(len));
}

// One destination record, filed under the store's category and
// sub-category given, with an empty information text.
std::unique_ptr<DestItem> ReadDestination(const std::uint8_t* rec, int nameLen, int category,
                                          int subCategory, const TFontTable& table) {
  const QString title = DecodeText(rec + kDestFixedSize, static_cast<std::size_t>(nameLen), table);
  const auto lat = static_cast<std::int32_t>(GetU32(rec + 12));
  const auto lon = static_cast<std::int32_t>(GetU32(rec + 16));
  return std::make_unique<DestItem>(title, category, subCategory, QString(), lat * 0.00001,
                                    lon * 0.00001);
}

void ReadDestinationText(DestItem& item, const std::uint8_t* codes, std::size_t count,
                         const TFontTable& table) {
  item.SetInfo(DecodeText(codes, count, table));
}

// The header's fields, taken apart.
struct Header {
  std::uint16_t version, categories, nameLen, textLen, checksum;
  std::uint32_t destOffset, textOffset, tableOffset, glyphOffset, end;
};

Header ParseHeader(const std::uint8_t* h) {
  Header r{};
  r.version = GetU16(h + 0);
  r.categories = GetU16(h + 6);
  r.nameLen = GetU16(h + 8);
  r.textLen = GetU16(h + 10);
  r.destOffset = GetU32(h + 12);
  r.textOffset = GetU32(h + 16);
  r.tableOffset = GetU32(h + 20);
  r.glyphOffset = GetU32(h + 24);
  r.end = GetU32(h + 28);
  r.checksum = GetU16(h + 34);
  return r;
}

}  // namespace

std::uint16_t ComputeHeaderChecksum(const std::uint8_t* bytes, int count) {
  std::uint32_t sum = 0;
  for (int i = 0; i < count; ++i) sum += bytes[i];
  return static_cast<std::uint16_t>(0u - sum);
}

KorviFile::KorviFile(DestStorage& store) : KorviFile(store, fontBank) {}

KorviFile::KorviFile(DestStorage& store, const TFontBank& bank) : FileBase(store), bank_(bank) {}

int KorviFile::Save(const QString& path) {
  const int nameLen = MAX_TITLE_LEN;
  const int textLen = MAX_INFO_LEN;
  if (nameLen < 1 || nameLen > 0xFFFF || textLen < 0 || textLen > 0xFFFF)
    return Fail(tr("The text lengths do not fit the device file."));

  const DeviceIndex index = Store.BuildDeviceIndex();
  gaps_ = DestFileGaps();
  gaps_.unfiled = index.Unfiled;
  if (index.CategoryCount > 255)
    return Fail(tr("The device file holds at most 255 categories."));
  for (int n : index.SubCategoryCounts)
    if (n > 0xFFFF)
      return Fail(tr("The device file holds at most 65535 sub-categories in a category."));
  for (int n : index.DestCounts)
    if (n > 0xFFFF)
      return Fail(tr("The device file holds at most 65535 destinations in a sub-category."));

  TFontTable table(bank_);
  QByteArray out(kHeaderSize, '\0');

  // Characters get their codes in writing order: category names,
  // sub-category names, titles, texts.
  for (int c = 0; c < index.CategoryCount; ++c) {
    AppendU16(out, static_cast<std::uint16_t>(c));
    AppendU16(out, static_cast<std::uint16_t>(index.SubCategoryCounts[c]));
    AppendCodes(out, FitTo(Store.GetCategory(c).value_or(QString()), nameLen), nameLen, table);
  }
  std::size_t pair = 0;
  for (int c = 0; c < index.CategoryCount; ++c) {
    for (int s = 0; s < index.SubCategoryCounts[c]; ++s, ++pair) {
      AppendU16(out, static_cast<std::uint16_t>(s));
      AppendU16(out, static_cast<std::uint16_t>(index.DestCounts[pair]));
      AppendCodes(out, FitTo(Store.GetSubCategory(c, s).value_or(QString()), nameLen), nameLen,
                  table);
    }
  }

  const std::uint64_t destOffset = static_cast<std::uint64_t>(out.size());
  std::uint64_t running = destOffset;
  std::vector<QString> texts;
  texts.reserve(index.Dests.size());
  for (const DestItem* d : index.Dests) {
    std::int32_t lat = 0, lon = 0;
    if (!ToFixed(d->Latitude, lat) || !ToFixed(d->Longitude, lon))
      return Fail(tr("A position does not fit the device file: %1").arg(d->Title));
    texts.push_back(FitTo(d->Info, textLen));
    const auto len = static_cast<std::uint16_t>(texts.back().size());
    AppendU8(out, static_cast<std::uint8_t>(d->Category & 0xFF));
    AppendU8(out, 0);
    AppendU16(out, static_cast<std::uint16_t>(d->SubCategory & 0xFFFF));
    AppendU32(out, static_cast<std::uint32_t>(running));
    AppendU16(out, len);
    AppendU16(out, 0);
    AppendU32(out, static_cast<std::uint32_t>(lat));
    AppendU32(out, static_cast<std::uint32_t>(lon));
    AppendCodes(out, FitTo(d->Title, nameLen), nameLen, table);
    running += len;
  }

  const std::uint64_t textOffset = static_cast<std::uint64_t>(out.size());
  for (const QString& text : texts)
    AppendCodes(out, text, static_cast<int>(text.size()), table);

  const std::uint64_t tableOffset = static_cast<std::uint64_t>(out.size());
  std::vector<char16_t> chars(static_cast<std::size_t>(table.GetCount()));
  table.CopyChars(chars.data());
  for (char16_t ch : chars) AppendU16(out, static_cast<std::uint16_t>(ch));

  const std::uint64_t glyphOffset = static_cast<std::uint64_t>(out.size());
  const int glyphBytes = bank_.GlyphBytes > 0 ? bank_.GlyphBytes : 0;
  const qsizetype glyphStart = out.size();
  out.append(static_cast<qsizetype>(chars.size()) * glyphBytes, '\0');
  if (glyphBytes > 0) table.WriteGlyphs(reinterpret_cast<std::uint8_t*>(out.data() + glyphStart));

  const std::uint64_t end = static_cast<std::uint64_t>(out.size());
  if (end > std::numeric_limits<std::uint32_t>::max())
    return Fail(tr("The destinations do not fit into one device file."));

  PutU16(out, 0, kVersion);
  PutU16(out, 4, kHeaderSize);
  PutU16(out, 6, static_cast<std::uint16_t>(index.CategoryCount));
  PutU16(out, 8, static_cast<std::uint16_t>(nameLen));
  PutU16(out, 10, static_cast<std::uint16_t>(textLen));
  PutU32(out, 12, static_cast<std::uint32_t>(destOffset));
  PutU32(out, 16, static_cast<std::uint32_t>(textOffset));
  PutU32(out, 20, static_cast<std::uint32_t>(tableOffset));
  PutU32(out, 24, static_cast<std::uint32_t>(glyphOffset));
  PutU32(out, 28, static_cast<std::uint32_t>(end));
  PutU16(out, 34,
         ComputeHeaderChecksum(reinterpret_cast<const std::uint8_t*>(out.constData()), 34));

  // Written beside the target and renamed over it, so a failure leaves the
  // old file as it was.
  return folders::WriteWholeFile(path, out) ? 1 : Fail(QString());  // the system knows why
}

int KorviFile::Load(const QString& path) {
  leftOut_ = 0;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const std::uint64_t fileSize = static_cast<std::uint64_t>(file.size());

  std::uint8_t head[kHeaderSize];
  if (file.read(reinterpret_cast<char*>(head), kHeaderSize) != kHeaderSize) return 0;
  const Header h = ParseHeader(head);
  if (h.version != kVersion || h.checksum != ComputeHeaderChecksum(head, 34)) return 0;
  if (h.nameLen < 1) return 0;
  // The sections follow one another inside the file, and a file cut short
  // ends before its recorded end. A store without destinations has an empty
  // destination section.
  if (h.destOffset < kHeaderSize || h.destOffset > h.textOffset ||
      h.textOffset > h.tableOffset || h.tableOffset >= h.glyphOffset ||
      h.glyphOffset > h.end || h.end > fileSize)
    return 0;
  const std::uint64_t nameRecord = (h.nameLen + 2u) * 2u;
  const std::uint64_t destRecord = kDestFixedSize + 2u * h.nameLen;
  const std::uint64_t subStart = kHeaderSize + h.categories * nameRecord;
  if (subStart > h.destOffset) return 0;
  const std::uint64_t tableEntries = (h.glyphOffset - h.tableOffset) / 2;
  if (tableEntries > kMaxTableEntries) return 0;

  // Everything but the glyphs, which only the device reads.
  if (!file.seek(0)) return 0;
  const QByteArray body = file.read(h.glyphOffset);
  if (static_cast<std::uint64_t>(body.size()) != h.glyphOffset) return 0;
  file.close();
  const auto* data = reinterpret_cast<const std::uint8_t*>(body.constData());

  // Check every count against its section before anything changes.
  std::vector<std::uint16_t> subCounts(h.categories);
  std::uint64_t subCategories = 0;
  for (std::size_t c = 0; c < subCounts.size(); ++c) {
    subCounts[c] = GetU16(data + kHeaderSize + c * nameRecord + 2);
    subCategories += subCounts[c];
  }
  if (subStart + subCategories * nameRecord != h.destOffset) return 0;
  std::uint64_t dests = 0;
  for (std::uint64_t s = 0; s < subCategories; ++s)
    dests += GetU16(data + subStart + s * nameRecord + 2);
  if (dests * destRecord > h.textOffset - h.destOffset) return 0;
  std::uint64_t textCodes = 0;
  for (std::uint64_t d = 0; d < dests; ++d)
    textCodes += GetU16(data + h.destOffset + d * destRecord + 8);
  if (textCodes * 2 > h.tableOffset - h.textOffset) return 0;

  // The file is sound: take it.
  MAX_TITLE_LEN = MAX_CATEGORY_LEN = h.nameLen;
  if (h.textLen >= 1) MAX_INFO_LEN = h.textLen;

  TFontTable table(bank_);
  std::vector<char16_t> entries(tableEntries);
  for (std::size_t i = 0; i < entries.size(); ++i)
    entries[i] = static_cast<char16_t>(GetU16(data + h.tableOffset + 2 * i));
  table.SetChars(entries.data(), static_cast<int>(entries.size() * 2));

  // The file's indexes hold only inside the file: each of its categories is
  // the store's category of that name, each sub-category the one of that
  // name within it, found or added.
  std::vector<int> categoryOf(subCounts.size());
  std::vector<std::vector<int>> subCategoryOf(subCounts.size());
  std::size_t s = 0;
  for (std::size_t c = 0; c < subCounts.size(); ++c) {
    categoryOf[c] = Store.AddCategory(DecodeText(data + kHeaderSize + c * nameRecord + 4, h.nameLen, table));
    for (int i = 0; i < subCounts[c]; ++i, ++s)
      subCategoryOf[c].push_back(
          Store.AddSubCategory(categoryOf[c], DecodeText(data + subStart + s * nameRecord + 4, h.nameLen, table)));
  }
  const std::uint8_t* text = data + h.textOffset;
  for (std::uint64_t d = 0; d < dests; ++d) {
    const std::uint8_t* rec = data + h.destOffset + d * destRecord;
    const std::uint16_t len = GetU16(rec + 8);
    const std::uint8_t* codes = text;
    text += 2u * len;
    // A record under no category or sub-category of the file has no name
    // to be filed by.
    const std::size_t c = rec[0];
    const std::size_t sub = GetU16(rec + 2);
    if (c >= subCategoryOf.size() || sub >= subCategoryOf[c].size()) {
      ++leftOut_;
      continue;
    }
    std::unique_ptr<DestItem> item = ReadDestination(rec, h.nameLen, categoryOf[c], subCategoryOf[c][sub], table);
    ReadDestinationText(*item, codes, len, table);
    Store.AddItem(dlActive, item);  // a title already there is dropped
  }
  return 1;
}
