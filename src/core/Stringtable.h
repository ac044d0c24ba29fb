#pragma once
// The language string table: every translated caption and message comes by
// number from the selected language file, and the table of the nine
// languages the program ships.
#include <QString>
#include <QStringList>

#include <array>

class StrTable {
 public:
  // Replaces the table with the kept lines of the file (UTF-8, with or without
  // a byte-order mark; lines that are blank or begin with "//" after leading
  // blanks and control characters are dropped). Returns false when the file
  // cannot be read; the table then keeps what it had.
  bool LoadFromFile(const QString& path);
  // The kept line with that 0-based number, or "0" past the end.
  QString GetString(int number) const;
  int Count() const { return static_cast<int>(lines_.size()); }

 private:
  QStringList lines_;
};

// Empty until main() constructs it; tests construct their own.
extern StrTable* strTable;

struct LanguageEntry {
  const char16_t* FileName;
  const char16_t* DisplayName;
  const char* Locale;  // the run-time locale set while the language is selected
  const char* Code;    // the language of the program's and Qt's own translations
};

// The row index is the setting GUI/Lang and the position in the language lists.
inline constexpr std::array<LanguageEntry, 9> languageTable{{
    {u"English.txt", u"English", ".1252", "en"},
    {u"Deutsch.txt", u"Deutsch", ".1252", "de"},
    {u"Dutch.txt", u"Dutch", ".1252", "nl"},
    {u"Spanish.txt", u"Espa\u00F1ol", ".1252", "es"},
    {u"French.txt", u"Fran\u00E7ais", ".1252", "fr"},
    {u"Italiano.txt", u"Italiano", ".1252", "it"},
    {u"Japanese.txt", u"\u65E5\u672C\u8A9E", ".932", "ja"},
    {u"SimpChinese.txt", u"\u7B80\u4F53\u4E2D\u6587", ".936", "zh_CN"},
    {u"TranChinese.txt", u"\u7E41\u9AD4\u4E2D\u6587", ".950", "zh_TW"},
}};

// The number of strings the program looks up (0 to 173).
inline constexpr int kLanguageStringCount = 174;
