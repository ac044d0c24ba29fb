#include "Stringtable.h"

#include "Codepage.h"
#include "Folders.h"

StrTable* strTable = nullptr;

namespace {

// The framework's left trim: blanks and control characters.
bool isDropped(const QString& line) {
  qsizetype i = 0;
  while (i < line.size() && line[i].unicode() <= 0x20) ++i;
  if (i == line.size()) return true;
  return i + 1 < line.size() && line[i] == QLatin1Char('/') && line[i + 1] == QLatin1Char('/');
}

}  // namespace

bool StrTable::LoadFromFile(const QString& path) {
  std::optional<QByteArray> data = folders::ReadWholeFile(path);
  if (!data) return false;
  QByteArrayView all(*data);
  if (all.startsWith("\xEF\xBB\xBF")) all = all.sliced(3);

  QStringList kept;
  for (QByteArrayView raw : codepage::SplitLines(all)) {
    // Line by line, so one line saved by a Windows editor in code page 1252
    // does not spoil the rest of the file.
    QString line = codepage::DecodeUtf8OrWestern(raw);
    if (!isDropped(line)) kept.append(line);
  }
  lines_ = std::move(kept);
  return true;
}

QString StrTable::GetString(int number) const {
  if (number < 0 || number >= lines_.size()) return QStringLiteral("0");
  return lines_[number];
}
