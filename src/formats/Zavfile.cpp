#include "Zavfile.h"

#include "Folders.h"
#include "Codepage.h"
#include "Deststorage.h"
#include "Textfmt.h"
#include "Utility.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

const QString zavFileExtension = QStringLiteral(".zav");

namespace {

const QString kMarker = QStringLiteral("ZAV Compatible");
const QString kHeader = QStringLiteral("V1.06\tZAV Compatible Trevik AP\tKorvi Ltd. Trevik AP\tZAVEOL\r\n");
const QString kEndLine = QStringLiteral("ZAVEOF");

// Field lengths of a destination line, also the reader's limits.
constexpr int kTitleLen = 32;
constexpr int kInfoLen = 4000;
constexpr int kCategoryLen = 20;

// A field must not carry the separators of the format.
QString fieldText(const QString& s, int n) {
  QString t = s;
  TruncateString(t, n);
  for (QChar& c : t)
    if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
  return t;
}

// A coordinate with the format's five decimals. Readers that take 0 for "no
// position" skip such a line, so a coordinate that is not 0 never rounds to
// it: it keeps the smallest step, its sign included.
QString coordinateText(double v) {
  if (v != 0 && std::fabs(v) < 0.000005) return QLatin1String(v < 0 ? "-0.00001" : "0.00001");
  return QString::fromLatin1(textfmt::FormatFixed(v, 5));
}

// Like the C library's text-to-double: leading white space is skipped and the
// longest number at the start is taken; none when there is none. A comma
// counts as the decimal point too, so files written under a comma locale read
// back. Infinities and NaN are not numbers here.
std::optional<double> leadingNumber(QStringView s) {
  qsizetype i = 0;
  while (i < s.size() && (s[i] == QLatin1Char(' ') || (s[i].unicode() >= 9 && s[i].unicode() <= 13))) ++i;
  std::string ascii;
  for (; i < s.size(); ++i) {
    char16_t c = s[i].unicode();
    if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')
      ascii.push_back(static_cast<char>(c));
    else if (c == ',')
      ascii.push_back('.');
    else
      break;
  }
  const char* p = ascii.data();
  const char* end = p + ascii.size();
  if (p != end && *p == '+') ++p;
  double v = 0;
  auto res = std::from_chars(p, end, v, std::chars_format::general);
  if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

ZavFile::ZavFile(DestStorage& store) : FileBase(store) {}

int ZavFile::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Fail(folders::WhyNotReadable(path));
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return Fail(folders::SystemReason(EIO));
  // TAB and LF never occur inside a character of these code pages, so the
  // whole text can be decoded first and split afterwards.
  const QString text = codepage::Decode(bytes, codepage::RuntimeCodePage());
  bytes.clear();

  QStringView rest(text);
  int lineNumber = 0;
  auto nextLine = [&rest, &lineNumber](QStringView& line) {
    if (rest.isEmpty()) return false;
    qsizetype nl = rest.indexOf(QLatin1Char('\n'));
    line = nl < 0 ? rest : rest.left(nl);
    rest = nl < 0 ? QStringView() : rest.mid(nl + 1);
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    ++lineNumber;
    return true;
  };

  QStringView line;
  if (!nextLine(line)) return Fail(tr("The file is empty."));
  if (!line.contains(kMarker)) return Fail(tr("The file is not a ZAV destination file: its first line is not a ZAV header."));

  std::vector<QStringView> fields;
  while (nextLine(line)) {
    // A field counts only when a TAB follows it: the line's last piece is
    // never a field.
    fields.clear();
    for (qsizetype start = 0;;) {
      qsizetype tab = line.indexOf(QLatin1Char('\t'), start);
      if (tab < 0) {
        if (fields.empty() && line.mid(start) == kEndLine) return 1;
        break;
      }
      fields.push_back(line.mid(start, tab - start));
      start = tab + 1;
    }
    if (!fields.empty() && fields[0] == kEndLine) return 1;
    // NUL and bytes the code page has no character for: not a text line.
    if (line.contains(QChar(0)) || line.contains(QChar::ReplacementCharacter))
      return Fail(tr("Line %1 could not be read: it is not text.").arg(lineNumber));
    auto field = [&fields](size_t i) { return i < fields.size() ? fields[i] : QStringView(); };

    // 0 is a place like any other (the equator, the prime meridian).
    const std::optional<double> lat = leadingNumber(field(1));
    const std::optional<double> lon = leadingNumber(field(2));
    QString title = field(4).toString();
    QString category = field(10).toString();
    QString subCategory = field(11).toString();
    TruncateString(title, kTitleLen);
    TruncateString(category, kCategoryLen);
    TruncateString(subCategory, kCategoryLen);
    if (!lat || !lon || title.isEmpty() || category.isEmpty() || subCategory.isEmpty()) continue;
    QString info = field(5).toString();
    TruncateString(info, kInfoLen);

    int ci = Store.AddCategory(category);
    int si = Store.AddSubCategoryByName(category, subCategory);
    auto item = std::make_unique<DestItem>(title, ci, si, info, *lat, *lon);
    Store.AddItem(dlActive, item);  // a refused item is destroyed with `item`
  }
  // Every file of the format ends with its end line: without it, the rest
  // of the destinations is missing.
  return Fail(tr("The file is cut short after line %1: its end line ZAVEOF is missing.").arg(lineNumber));
}

int ZavFile::Save(const QString& path) {
  QSaveFile file(path);
  // A file that cannot be written has no reason of the format's own: the
  // caller asks the system.
  if (!folders::OpenSaveFile(file)) return Fail(QString());
  const int cp = codepage::RuntimeCodePage();
  bool ok = true;
  QString pending = kHeader;
  auto flush = [&] {
    QByteArray b = codepage::Encode(pending, cp);
    ok = ok && file.write(b) == b.size();
    pending.clear();
  };

  const DeviceIndex index = Store.BuildDeviceIndex();
  // Each line names its category and sub-category: a group without
  // destinations has no line. A start brings the default ones back.
  gaps_ = DestFileGaps();
  gaps_.unfiled = index.Unfiled;
  for (int c = 0, first = 0; c < index.CategoryCount; ++c) {
    const int subs = index.SubCategoryCounts[static_cast<size_t>(c)];
    const QString category = Store.GetCategory(c).value_or(QString());
    int held = 0;
    for (int s = 0; s < subs; ++s) held += index.DestCounts[static_cast<size_t>(first + s)];
    if (held == 0 && !IsDefaultCategory(category)) {
      gaps_.emptyGroups.push_back({category, std::nullopt});
    } else {
      // The lines hold names cut to their fields.
      if (held > 0 && category.size() > kCategoryLen) gaps_.cutNames.push_back({category, std::nullopt});
      for (int s = 0; s < subs; ++s) {
        const QString sub = Store.GetSubCategory(c, s).value_or(QString());
        const int count = index.DestCounts[static_cast<size_t>(first + s)];
        if (count == 0 && !IsDefaultCategory(category, &sub))
          gaps_.emptyGroups.push_back({category, sub});
        else if (count > 0 && sub.size() > kCategoryLen)
          gaps_.cutNames.push_back({category, sub});
      }
    }
    first += subs;
  }
  const QString blanks4 = QStringLiteral("\t \t \t \t \t");
  const QString blanks11 = QStringLiteral("\t \t \t \t \t \t \t \t \t \t \t \tZAVEOL\r\n");
  size_t pair = 0, next = 0;
  for (int c = 0; c < index.CategoryCount && ok; ++c) {
    const QString category = fieldText(Store.GetCategory(c).value_or(QString()), kCategoryLen);
    for (int s = 0; s < index.SubCategoryCounts[static_cast<size_t>(c)]; ++s, ++pair) {
      const QString subCategory = fieldText(Store.GetSubCategory(c, s).value_or(QString()), kCategoryLen);
      const int count = index.DestCounts[pair];
      for (int k = 0; k < count; ++k, ++next) {
        const DestItem* d = index.Dests[next];
        if (d->Title.size() > kTitleLen) gaps_.cutTitles.push_back(d->Title);
        if (d->Info.size() > kInfoLen) gaps_.cutInfos.push_back(d->Title);
        pending += QStringLiteral("0\t") + coordinateText(d->Latitude) + QLatin1Char('\t') +
                   coordinateText(d->Longitude) +
                   QStringLiteral("\t0.0\t") + fieldText(d->Title, kTitleLen) + QLatin1Char('\t') +
                   fieldText(d->Info, kInfoLen) + blanks4 + category + QLatin1Char('\t') + subCategory +
                   blanks11;
        if (pending.size() > (1 << 20)) flush();
      }
    }
  }
  pending += kEndLine + QStringLiteral("\r\n");
  flush();
  if (!ok) {
    file.cancelWriting();
    return Fail(QString());
  }
  return file.commit() ? 1 : Fail(QString());
}
