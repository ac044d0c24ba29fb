// The language string table and the shipped language files.
#include "Stringtable.h"
#include "Codepage.h"
#include "Programfolders.h"
#include "Testenv.h"
#include "Qtprint.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using testenv::qpath;

namespace {

fs::path langFile(const std::string& bytes) {
  fs::path p = testenv::scratchDir("lang") / "Test.txt";
  testenv::writeFile(p, bytes);
  return p;
}

QStringList tableOf(const StrTable& t) {
  QStringList all;
  for (int i = 0; i < t.Count(); ++i) all.append(t.GetString(i));
  return all;
}

TEST(StrTable, KeepsOnlyTextLinesUntrimmed) {
  const struct {
    const char* name;
    std::string file;
    QStringList kept;
  } cases[] = {
      {"the seven-line file", "A\r\n\r\n   \r\n// note\r\n   //x\r\nB\r\n/x\r\n", {"A", "B", "/x"}},
      {"leading blanks stay", "  word\n", {"  word"}},
      {"single slash stays", "/\n", {"/"}},
      {"slash after blanks and tab", "\t / \n", {"\t / "}},
      {"control characters count as blanks", "\x01\x02//hidden\n\x1f\n", {}},
      {"trailing blanks stay", "x  \n", {"x  "}},
      {"LF, CR and CR LF", "a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"byte-order mark", "\xEF\xBB\xBF" "A\nB\n", {"A", "B"}},
      {"byte-order mark before a comment", "\xEF\xBB\xBF// c\nA\n", {"A"}},
      {"empty file", "", {}},
      {"format strings untouched", "Export done, %d track(s).\n", {"Export done, %d track(s)."}},
      {"ideographic space is text", "\xE3\x80\x80\n", {QString(QChar(0x3000))}},
      // A line that is not UTF-8 is read as code page 1252 rather than lost.
      {"8-bit line", "K\xF6ln\nK\xC3\xB6ln\n", {QString::fromUtf8("K\xC3\xB6ln"), QString::fromUtf8("K\xC3\xB6ln")}},
  };
  for (const auto& c : cases) {
    StrTable t;
    ASSERT_TRUE(t.LoadFromFile(qpath(langFile(c.file)))) << c.name;
    EXPECT_EQ(tableOf(t), c.kept) << c.name;
  }
}

TEST(StrTable, NumbersPastTheEndGiveZero) {
  StrTable t;
  EXPECT_EQ(t.GetString(0), "0");  // nothing loaded yet
  ASSERT_TRUE(t.LoadFromFile(qpath(langFile("A\n\n// c\nB\n/x\n"))));
  EXPECT_EQ(t.GetString(0), "A");
  EXPECT_EQ(t.GetString(1), "B");
  EXPECT_EQ(t.GetString(2), "/x");
  EXPECT_EQ(t.GetString(3), "0");
  EXPECT_EQ(t.GetString(173), "0");
  EXPECT_EQ(t.GetString(-1), "0");
}

TEST(StrTable, SecondLoadReplacesTheFirst) {
  StrTable t;
  ASSERT_TRUE(t.LoadFromFile(qpath(langFile("one\ntwo\nthree\n"))));
  ASSERT_TRUE(t.LoadFromFile(qpath(langFile("uno\n"))));
  EXPECT_EQ(tableOf(t), QStringList{"uno"});
  EXPECT_EQ(t.GetString(1), "0");
}

TEST(StrTable, FailedLoadKeepsTheTableItHad) {
  StrTable t;
  EXPECT_FALSE(t.LoadFromFile(qpath(testenv::scratchDir("lang") / "Missing.txt")));
  EXPECT_EQ(t.GetString(0), "0");
  ASSERT_TRUE(t.LoadFromFile(qpath(langFile("kept\n"))));
  EXPECT_FALSE(t.LoadFromFile(qpath(testenv::scratchDir("lang") / "Missing.txt")));
  EXPECT_FALSE(t.LoadFromFile(qpath(testenv::scratchDir("lang"))));  // a folder
  EXPECT_EQ(t.GetString(0), "kept");
}

TEST(LanguageTable, RowsAndTheirCodePages) {
  ASSERT_EQ(languageTable.size(), 9u);
  const char* files[] = {"English.txt", "Deutsch.txt", "Dutch.txt", "Spanish.txt", "French.txt",
                         "Italiano.txt", "Japanese.txt", "SimpChinese.txt", "TranChinese.txt"};
  const char* locales[] = {".1252", ".1252", ".1252", ".1252", ".1252", ".1252", ".932", ".936", ".950"};
  for (size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(QString::fromUtf16(languageTable[i].FileName), files[i]);
    EXPECT_STREQ(languageTable[i].Locale, locales[i]);
  }
  EXPECT_EQ(QString::fromUtf16(languageTable[3].DisplayName), QString::fromUtf8("Espa\xC3\xB1ol"));
  EXPECT_EQ(QString::fromUtf16(languageTable[8].DisplayName),
            QString::fromUtf8("\xE7\xB9\x81\xE9\xAB\x94\xE4\xB8\xAD\xE6\x96\x87"));
}

// --- the shipped files ------------------------------------------------------------

QStringList placeholders(const QString& s) {
  static const QRegularExpression re(QStringLiteral("%[-+ #0]*[0-9]*(\\.[0-9]+)?[a-zA-Z%]"));
  QStringList found;
  for (auto it = re.globalMatch(s); it.hasNext();) found.append(it.next().captured());
  return found;
}

StrTable loadShipped(const LanguageEntry& e) {
  StrTable t;
  EXPECT_TRUE(t.LoadFromFile(qpath(testenv::binDir()) + "/" + QString::fromUtf16(e.FileName)))
      << QString::fromUtf16(e.FileName).toStdString();
  return t;
}

TEST(ShippedLanguages, EveryFileHoldsEveryNumberWithTheSamePlaceholders) {
  StrTable english = loadShipped(languageTable[0]);
  ASSERT_GE(english.Count(), kLanguageStringCount);
  for (const LanguageEntry& e : languageTable) {
    std::string file = QString::fromUtf16(e.FileName).toStdString();
    std::string bytes = testenv::readFile(testenv::binDir() / file);
    EXPECT_TRUE(codepage::IsValidUtf8(QByteArray::fromStdString(bytes))) << file;
    StrTable t = loadShipped(e);
    EXPECT_GE(t.Count(), kLanguageStringCount) << file;
    int same = 0;
    for (int n = 0; n < kLanguageStringCount; ++n) {
      QString s = t.GetString(n);
      EXPECT_FALSE(s.trimmed().isEmpty()) << file << " #" << n;
      EXPECT_EQ(placeholders(s), placeholders(english.GetString(n))) << file << " #" << n;
      if (s == english.GetString(n)) ++same;
    }
    // A translation, not a copy: names such as "GPX", "OK" or the time zones
    // may stay as they are, most texts may not.
    if (&e != &languageTable[0]) {
      EXPECT_LT(same, 60) << file;
    }
  }
}

TEST(ShippedLanguages, EnglishFollowsTheMasterList) {
  fs::path master = testenv::sharedDir() / "strings.md";
  if (!fs::exists(master)) GTEST_SKIP() << "no master list beside the checkout";
  StrTable english = loadShipped(languageTable[0]);
  // Rows "| N | use | kind | English text | basis |"; a "|" inside a cell is "\|".
  const QStringList lines = QString::fromStdString(testenv::readFile(master)).split(QLatin1Char('\n'));
  static const QRegularExpression cellBreak(QStringLiteral("(?<!\\\\)\\|"));
  static const QRegularExpression quoted(QStringLiteral("^\"(.*)\"( \\(proposed\\))?$"));
  int checked = 0;
  for (const QString& line : lines) {
    QStringList cells = line.split(cellBreak);
    bool isNumber = false;
    int n = cells.size() >= 7 ? cells[1].trimmed().toInt(&isNumber) : -1;
    if (!isNumber) continue;
    auto m = quoted.match(cells[4].trimmed());
    if (!m.hasMatch()) continue;  // the unused 165
    QString want = m.captured(1).replace(QStringLiteral("\\|"), QStringLiteral("|"));
    EXPECT_EQ(english.GetString(n), want) << "#" << n;
    ++checked;
  }
  EXPECT_EQ(checked, kLanguageStringCount - 1);  // all but the unused 165
}

}  // namespace
