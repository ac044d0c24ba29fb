#pragma once
// An ini file read and written the way the Windows profile functions do it:
// section and key names ignore letter case and surrounding blanks, values are
// raw text (no splitting at commas, no comments after a value; one pair of
// enclosing quotes is dropped on reading, and added on writing where a value
// would otherwise read back changed), the first of duplicate sections or
// keys wins, and lines that are neither sections nor keys (comments, junk)
// are kept where they are. Unknown sections and keys survive a rewrite.
//
// The file is read once by the constructor and written by UpdateFile. Lines
// that were not changed are written back byte for byte; changed and new lines
// are UTF-8 with CR LF. On reading, a line that is not valid UTF-8 is taken as
// code page 1252 (the Windows files' encoding).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class TIniFile {
 public:
  explicit TIniFile(const QString& fileName);

  const QString& FileName() const { return fileName_; }
  // True when the file exists but could not be read; UpdateFile then refuses
  // to write, so an unreadable file is never replaced by a partial one.
  bool LoadFailed() const { return loadFailed_; }

  QString ReadString(const QString& section, const QString& ident, const QString& def) const;
  // Decimal or "$hex"/"0x" hex; the default when missing or not a 32-bit number.
  int ReadInteger(const QString& section, const QString& ident, int def) const;
  // An integer, non-zero is true.
  bool ReadBool(const QString& section, const QString& ident, bool def) const;
  // A finite number with "." as separator, whatever the user's locale.
  double ReadFloat(const QString& section, const QString& ident, double def) const;

  void WriteString(const QString& section, const QString& ident, const QString& value);
  void WriteInteger(const QString& section, const QString& ident, int value);
  void WriteBool(const QString& section, const QString& ident, bool value);
  void WriteFloat(const QString& section, const QString& ident, double value);

  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& ident) const;
  QStringList ReadSection(const QString& section) const;  // the key names in file order
  QStringList ReadSections() const;
  void EraseSection(const QString& section);  // every section of that name
  void DeleteKey(const QString& section, const QString& ident);

  // The file's text as UpdateFile writes it.
  QByteArray ToBytes() const;
  bool UpdateFile() const;

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    QByteArray raw;  // the line as read; empty for a new or changed line
    bool original = false;
    QString text;
    Kind kind = Kind::Other;
    QString name;   // section or key name, trimmed
    QString value;  // key value, trimmed
  };

  static Line parse(QByteArray raw, QString text, bool original);
  static Line makeLine(const QString& text);
  int findSection(const QString& section) const;  // header index or -1
  int sectionEnd(int header) const;               // index past the section's last line
  int findKey(int header, const QString& ident) const;
  static QString clean(const QString& s);

  QString fileName_;
  bool loadFailed_ = false;
  bool bom_ = false;
  std::vector<Line> lines_;
};
