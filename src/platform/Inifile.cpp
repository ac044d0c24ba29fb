#include "Inifile.h"

#include "Codepage.h"
#include "Folders.h"
#include "Textfmt.h"

#include <QFileInfo>

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString trimBlanks(const QString& s) {
  qsizetype b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.mid(b, e - b);
}

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

TIniFile::Line TIniFile::parse(QByteArray raw, QString text, bool original) {
  Line l;
  l.raw = std::move(raw);
  l.original = original;
  l.text = std::move(text);
  QString t = trimBlanks(l.text);
  if (t.startsWith(QLatin1Char('['))) {
    qsizetype close = t.lastIndexOf(QLatin1Char(']'));
    if (close > 0) {
      l.kind = Kind::Section;
      l.name = trimBlanks(t.mid(1, close - 1));
    }
  } else if (!t.startsWith(QLatin1Char(';'))) {
    qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq > 0) {
      QString name = trimBlanks(t.left(eq));
      if (!name.isEmpty()) {
        l.kind = Kind::Key;
        l.name = name;
        l.value = trimBlanks(t.mid(eq + 1));
      }
    }
  }
  return l;
}

TIniFile::Line TIniFile::makeLine(const QString& text) { return parse({}, text, false); }

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
  if (!QFileInfo::exists(fileName_)) return;
  std::optional<QByteArray> data = folders::ReadWholeFile(fileName_);
  if (!data) {
    loadFailed_ = true;
    return;
  }
  QByteArrayView all(*data);
  if (all.startsWith("\xEF\xBB\xBF")) {
    bom_ = true;
    all = all.sliced(3);
  }
  for (QByteArrayView line : codepage::SplitLines(all)) {
    QByteArray raw = line.toByteArray();
    QString text = codepage::DecodeUtf8OrWestern(raw);
    lines_.push_back(parse(std::move(raw), std::move(text), true));
  }
}

QString TIniFile::clean(const QString& s) {
  // A line break inside a name or value would split the line and could
  // smuggle in other keys.
  QString r = s;
  r.replace(QLatin1Char('\r'), QLatin1Char(' '));
  r.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return r;
}

int TIniFile::findSection(const QString& section) const {
  QString want = trimBlanks(section);
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Section && sameName(lines_[i].name, want)) return static_cast<int>(i);
  return -1;
}

int TIniFile::sectionEnd(int header) const {
  size_t i = static_cast<size_t>(header) + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return static_cast<int>(i);
}

int TIniFile::findKey(int header, const QString& ident) const {
  QString want = trimBlanks(ident);
  int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    const Line& l = lines_[static_cast<size_t>(i)];
    if (l.kind == Kind::Key && sameName(l.name, want)) return i;
  }
  return -1;
}

QString TIniFile::ReadString(const QString& section, const QString& ident, const QString& def) const {
  int h = findSection(section);
  if (h < 0) return def;
  int k = findKey(h, ident);
  if (k < 0) return def;
  QString v = lines_[static_cast<size_t>(k)].value;
  if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
      v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v;
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int def) const {
  return textfmt::StrToIntDef(ReadString(section, ident, QString()), def);
}

bool TIniFile::ReadBool(const QString& section, const QString& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const QString& section, const QString& ident, double def) const {
  QString s = ReadString(section, ident, QString());
  double v = 0;
  if (s.isEmpty() || !textfmt::TryStrToFloat(s, v)) return def;
  return v;
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
  QString sec = clean(trimBlanks(section));
  QString key = clean(trimBlanks(ident));
  QString val = clean(value);
  // Reading trims blanks and drops one pair of enclosing quotes; a value
  // that would lose either goes between quotes of its own.
  const bool enclosed = val.size() >= 2 && (val.front() == QLatin1Char('"') || val.front() == QLatin1Char('\'')) &&
                        val.back() == val.front();
  if (enclosed || trimBlanks(val) != val) val = QLatin1Char('"') + val + QLatin1Char('"');
  int h = findSection(sec);
  if (h < 0) {
    if (!lines_.empty() && !trimBlanks(lines_.back().text).isEmpty()) lines_.push_back(makeLine({}));
    lines_.push_back(makeLine(QLatin1Char('[') + sec + QLatin1Char(']')));
    lines_.push_back(makeLine(key + QLatin1Char('=') + val));
    return;
  }
  int k = findKey(h, key);
  if (k >= 0) {
    Line& l = lines_[static_cast<size_t>(k)];
    l = makeLine(l.name + QLatin1Char('=') + val);
    return;
  }
  // After the section's last non-blank line, so blank separators stay last.
  int pos = sectionEnd(h);
  while (pos - 1 > h && trimBlanks(lines_[static_cast<size_t>(pos - 1)].text).isEmpty()) --pos;
  lines_.insert(lines_.begin() + pos, makeLine(key + QLatin1Char('=') + val));
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, int value) {
  WriteString(section, ident, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
  WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& section, const QString& ident, double value) {
  WriteString(section, ident, textfmt::FloatToQStr(value));
}

bool TIniFile::SectionExists(const QString& section) const { return findSection(section) >= 0; }

bool TIniFile::ValueExists(const QString& section, const QString& ident) const {
  int h = findSection(section);
  return h >= 0 && findKey(h, ident) >= 0;
}

QStringList TIniFile::ReadSection(const QString& section) const {
  QStringList keys;
  int h = findSection(section);
  if (h < 0) return keys;
  int end = sectionEnd(h);
  for (int i = h + 1; i < end; ++i) {
    const Line& l = lines_[static_cast<size_t>(i)];
    if (l.kind == Kind::Key) keys.append(l.name);
  }
  return keys;
}

QStringList TIniFile::ReadSections() const {
  QStringList names;
  for (const Line& l : lines_)
    if (l.kind == Kind::Section) names.append(l.name);
  return names;
}

void TIniFile::EraseSection(const QString& section) {
  for (int h = findSection(section); h >= 0; h = findSection(section))
    lines_.erase(lines_.begin() + h, lines_.begin() + sectionEnd(h));
}

void TIniFile::DeleteKey(const QString& section, const QString& ident) {
  int h = findSection(section);
  if (h < 0) return;
  int k = findKey(h, ident);
  if (k >= 0) lines_.erase(lines_.begin() + k);
}

QByteArray TIniFile::ToBytes() const {
  QByteArray out;
  if (bom_) out.append("\xEF\xBB\xBF");
  for (const Line& l : lines_) {
    out.append(l.original ? l.raw : l.text.toUtf8());
    out.append("\r\n");
  }
  return out;
}

bool TIniFile::UpdateFile() const {
  if (loadFailed_) return false;
  return folders::WriteWholeFile(fileName_, ToBytes());
}
