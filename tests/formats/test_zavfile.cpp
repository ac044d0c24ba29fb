#include "Codepage.h"
#include "Deststorage.h"
#include "Folders.h"
#include "Markingtranslator.h"
#include "Testenv.h"
#include "Zavfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

void addDest(DestStorage& store, const QString& cat, const QString& sub, const QString& title, double lat,
             double lon, const QString& info = QString()) {
  int c = store.AddCategory(cat);
  int s = store.AddSubCategory(c, sub);
  auto item = std::make_unique<DestItem>(title, c, s, info, lat, lon);
  ASSERT_EQ(store.AddItem(dlActive, item), drOk);
}

const std::string kHeader = "V1.06\tZAV Compatible Trevik AP\tKorvi Ltd. Trevik AP\tZAVEOL\r\n";

// A destination line as the format lays it out: 24 fields.
std::string line(const std::string& lat, const std::string& lon, const std::string& title, const std::string& info,
                 const std::string& cat, const std::string& sub) {
  std::string s = "0\t" + lat + "\t" + lon + "\t0.0\t" + title + "\t" + info;
  for (int i = 0; i < 4; ++i) s += "\t ";
  s += "\t" + cat + "\t" + sub;
  for (int i = 0; i < 11; ++i) s += "\t ";
  return s + "\tZAVEOL\r\n";
}

// Program-wide lengths wide enough to see the file's own cuts.
struct WideLengths {
  int t = MAX_TITLE_LEN, c = MAX_CATEGORY_LEN, i = MAX_INFO_LEN;
  WideLengths() { MAX_TITLE_LEN = MAX_CATEGORY_LEN = 64, MAX_INFO_LEN = 5000; }
  ~WideLengths() { MAX_TITLE_LEN = t, MAX_CATEGORY_LEN = c, MAX_INFO_LEN = i; }
};

std::string runIconv(const fs::path& in, const char* from) {
  fs::path out = in;
  out += ".utf8";
  std::string cmd = "iconv -f " + std::string(from) + " -t UTF-8 '" + in.string() + "' > '" + out.string() + "'";
  if (std::system(cmd.c_str()) != 0) return "iconv failed";
  return testenv::readFile(out);
}

}  // namespace

TEST(ZavFile, ExtensionText) { EXPECT_EQ(zavFileExtension, ".zav"); }

TEST(ZavFile, SavesGroupedLinesByteForByte) {
  codepage::ScopedRuntimeLocale locale(".1252");
  WideLengths wide;
  DestStorage store;
  store.AddCategory("Empty category");  // no destinations: not written
  addDest(store, "Transport", "Station", "Central Station", 48.140230, 11.558330);
  addDest(store, "Food", "Cafe", "Tab\there", -33.8688197, -0.000001, "line1\r\nline2");
  addDest(store, "Transport", "Airport", "MUC", 48.3538, 11.7861, "Terminal 2");
  addDest(store, "Transport", "Station", "East", 48.1274, 11.6049);
  addDest(store, "A category name longer than twenty", "S", std::string(40, 'T').c_str(), 1, 2,
          QString(4100, QLatin1Char('i')));

  auto path = testenv::scratchDir("zav") / "golden.zav";
  ASSERT_EQ(ZavFile(store).Save(q(path)), 1);
  const std::string expected =
      kHeader + line("48.14023", "11.55833", "Central Station", "", "Transport", "Station") +
      line("48.12740", "11.60490", "East", "", "Transport", "Station") +
      line("48.35380", "11.78610", "MUC", "Terminal 2", "Transport", "Airport") +
      // Not "-0.00000": that would read back as no position.
      line("-33.86882", "-0.00001", "Tab here", "line1  line2", "Food", "Cafe") +
      line("1.00000", "2.00000", std::string(32, 'T'), std::string(4000, 'i'), "A category name long", "S") +
      "ZAVEOF\r\n";
  EXPECT_EQ(testenv::readFile(path), expected);
}

TEST(ZavFile, EmptyStoreSavesHeaderAndEndAndLoadsAsNothing) {
  DestStorage store;
  auto path = testenv::scratchDir("zav") / "empty.zav";
  ASSERT_EQ(ZavFile(store).Save(q(path)), 1);
  EXPECT_EQ(testenv::readFile(path), kHeader + "ZAVEOF\r\n");
  DestStorage again;
  EXPECT_EQ(ZavFile(again).Load(q(path)), 1);
  EXPECT_EQ(again.Items().size(), 0u);
  EXPECT_EQ(again.CategoryCount(), 0);
}

TEST(ZavFile, RoundTripKeepsDestinationsAndMergesLongCategories) {
  codepage::ScopedRuntimeLocale locale(".1252");
  DestStorage store;
  addDest(store, "Restaurants and Cafes", "Town", "Alpha", 48.1234567, 11.7654321, "first");
  addDest(store, "Restaurants and Cafeterias", "Town", "Beta", -12.5, 130.25, "second");
  addDest(store, "Hotels", "Caf\u00e9s", "Gr\u00fc\u00df Gott", 47.0, 9.0);
  auto path = testenv::scratchDir("zav") / "round.zav";
  ASSERT_EQ(ZavFile(store).Save(q(path)), 1);

  DestStorage loaded;
  ASSERT_EQ(ZavFile(loaded).Load(q(path)), 1);
  ASSERT_EQ(loaded.Items().size(), 3u);
  ASSERT_EQ(loaded.CategoryCount(), 2);
  EXPECT_EQ(loaded.GetCategory(0).value(), "Restaurants and Cafe");
  EXPECT_EQ(loaded.GetCategory(1).value(), "Hotels");
  EXPECT_EQ(loaded.SubCategoryCount(0), 1);
  const DestItem* alpha = loaded.FindItem(dlActive, "Alpha");
  ASSERT_NE(alpha, nullptr);
  EXPECT_DOUBLE_EQ(alpha->Latitude, 48.12346);
  EXPECT_DOUBLE_EQ(alpha->Longitude, 11.76543);
  EXPECT_EQ(alpha->Info, "first");
  EXPECT_EQ(alpha->Category, 0);
  EXPECT_EQ(loaded.FindItem(dlActive, "Beta")->Category, 0);
  const DestItem* gruss = loaded.FindItem(dlActive, "Gr\u00fc\u00df Gott");
  ASSERT_NE(gruss, nullptr);
  EXPECT_EQ(loaded.GetSubCategory(gruss->Category, gruss->SubCategory).value(), "Caf\u00e9s");
}

// A line names its category and sub-category, so a group without
// destinations is not in the file, nor is a destination filed under none;
// the save names them. The default groups come back with every start.
TEST(ZavFile, SaveNamesWhatTheFileCannotHold) {
  DestStorage store;
  for (const DefaultCategory& d : defaultCategories)
    store.AddSubCategory(store.AddCategory(QString::fromLatin1(d.category)), QString::fromLatin1(d.subCategory));
  addDest(store, "Service", "ATM", "Bank", 48.1, 11.5);
  store.AddSubCategory(store.FindCategory("Service"), "Post");  // empty, beside a default
  store.AddSubCategory(store.FindCategory("Culture"), "Museum");  // empty, in an empty default
  store.AddSubCategory(store.AddCategory("Mine"), "Sub");         // empty, own
  addDest(store, "Walks", "Alps", "Hut", 47.4, 11.0);
  store.AddSubCategory(store.FindCategory("Walks"), "Lakes");  // empty, beside a destination
  store.AddCategory("Bare");  // no sub-category: its destination is filed under none
  auto loose = std::make_unique<DestItem>("Loose", store.FindCategory("Bare"), -1, QString(), 47.0, 10.0);
  ASSERT_EQ(store.AddItem(dlActive, loose), drOk);
  const auto path = testenv::scratchDir("zav") / "gaps.zav";
  ZavFile file(store);
  ASSERT_EQ(file.Save(q(path)), 1);
  QStringList named;
  for (const DestFileGaps::Group& g : file.Gaps().emptyGroups)
    named << (g.subCategory ? g.category + "/" + *g.subCategory : g.category);
  EXPECT_EQ(named, (QStringList{"Service/Post", "Culture/Museum", "Mine", "Walks/Lakes", "Bare"}));
  EXPECT_EQ(file.Gaps().unfiled, 1u);

  // What comes back is the store without them.
  DestStorage loaded;
  ASSERT_EQ(ZavFile(loaded).Load(q(path)), 1);
  EXPECT_EQ(loaded.Items().size(), 2u);
  EXPECT_EQ(loaded.FindCategory("Mine"), -1);

  // A store that the file holds whole, the empty defaults beside it, has no gaps.
  DestStorage whole;
  for (const DefaultCategory& d : defaultCategories)
    whole.AddSubCategory(whole.AddCategory(QString::fromLatin1(d.category)), QString::fromLatin1(d.subCategory));
  addDest(whole, "Walks", "Alps", "Hut", 47.4, 11.0);
  ZavFile again(whole);
  ASSERT_EQ(again.Save(q(path)), 1);
  EXPECT_FALSE(again.Gaps().Any());
}

// Once a fuzz finding: a coordinate next to 0 was saved as 0, which the
// next load takes for no position and drops the destination.
TEST(ZavFile, CoordinateNextToZeroSurvivesASave) {
  DestStorage store;
  addDest(store, "C", "S", "Near", 0.000001, -0.000004);
  addDest(store, "C", "S", "Far", 0.000005, 12.0);
  auto path = testenv::scratchDir("zav") / "nearzero.zav";
  ASSERT_EQ(ZavFile(store).Save(q(path)), 1);
  const std::string text = testenv::readFile(path);
  EXPECT_NE(text.find(line("0.00001", "-0.00001", "Near", "", "C", "S")), std::string::npos) << text;
  EXPECT_NE(text.find(line("0.00001", "12.00000", "Far", "", "C", "S")), std::string::npos) << text;
  DestStorage loaded;
  ASSERT_EQ(ZavFile(loaded).Load(q(path)), 1);
  EXPECT_EQ(loaded.Items().size(), 2u);
}

// A place on the equator or the prime meridian is a place: it comes back.
TEST(ZavFile, PlacesAtZeroDegreesSurviveASave) {
  codepage::ScopedRuntimeLocale locale(".1252");
  DestStorage store;
  addDest(store, "C", "S", "Equator", 0, 37.5);
  addDest(store, "C", "S", "Greenwich", 51.47788, 0);
  addDest(store, "C", "S", "Null Island", 0, 0);
  auto path = testenv::scratchDir("zav") / "zero.zav";
  ZavFile file(store);
  ASSERT_EQ(file.Save(q(path)), 1);
  EXPECT_FALSE(file.Gaps().Any());
  DestStorage loaded;
  ASSERT_EQ(ZavFile(loaded).Load(q(path)), 1);
  ASSERT_EQ(loaded.Items().size(), 3u);
  for (const auto& d : store.Items()) {
    const DestItem* back = loaded.FindItem(dlActive, d->Title);
    ASSERT_NE(back, nullptr) << d->Title.toStdString();
    EXPECT_EQ(back->Latitude, d->Latitude) << d->Title.toStdString();
    EXPECT_EQ(back->Longitude, d->Longitude) << d->Title.toStdString();
  }
}

// Names longer than the file's fields are held cut, and two that differ only
// after the cut come back as one: the save names each, by its full name.
TEST(ZavFile, SaveNamesWhatItHoldsCut) {
  WideLengths wide;
  DestStorage store;
  const QString longCategory = "Restaurants and Cafes";  // 21
  const QString longSub = "Twenty-one characters";
  const QString title33(33, QLatin1Char('T'));
  addDest(store, longCategory, "Town", "Alpha", 48.1, 11.5);
  addDest(store, "Hotels", longSub, "Beta", 47.0, 9.0, QString(4001, QLatin1Char('i')));
  addDest(store, "Hotels", "Twenty characters!!!", title33, 46.0, 8.0, QString(4000, QLatin1Char('i')));
  store.AddSubCategory(store.FindCategory("Hotels"), "An empty sub-category, long");  // left out, not cut
  ZavFile file(store);
  ASSERT_EQ(file.Save(q(testenv::scratchDir("zav") / "cut.zav")), 1);
  const DestFileGaps& gaps = file.Gaps();
  QStringList cut;
  for (const DestFileGaps::Group& g : gaps.cutNames) cut << (g.subCategory ? g.category + "/" + *g.subCategory : g.category);
  EXPECT_EQ(cut, (QStringList{longCategory, "Hotels/" + longSub}));
  EXPECT_EQ(gaps.cutTitles, QStringList{title33});
  EXPECT_EQ(gaps.cutInfos, QStringList{"Beta"});
  EXPECT_EQ(gaps.emptyGroups.size(), 1u);

  // Names that fit are no gap.
  DestStorage fits;
  addDest(fits, "Twenty characters!!!", "Twenty characters!!!", QString(32, QLatin1Char('T')), 1, 2,
          QString(4000, QLatin1Char('i')));
  ZavFile whole(fits);
  ASSERT_EQ(whole.Save(q(testenv::scratchDir("zav") / "fits.zav")), 1);
  EXPECT_FALSE(whole.Gaps().Any());
}

// One data line after the header, and what the reader makes of it.
TEST(ZavFile, ReadsOrSkipsEachLine) {
  struct Case {
    const char* what;
    std::string text;
    bool accepted;
    double lat, lon;
    const char* title;
  };
  const std::string full = line("48.5", "11.25", "T", "I", "C", "S");
  const Case cases[] = {
      {"all 24 fields", full, true, 48.5, 11.25, "T"},
      {"LF only", full.substr(0, full.size() - 2) + "\n", true, 48.5, 11.25, "T"},
      {"field 23 junk", "0\t48.5\t11.25\t0.0\tT\tI\t \t \t \t \tC\tS\t \t \t \t \t \t \t \t \t \t \t \tjunk\r\n", true,
       48.5, 11.25, "T"},
      {"12 fields, sub-category last", "0\t48.5\t11.25\t0.0\tT\tI\t \t \t \t \tC\tS\r\n", false, 0, 0, ""},
      {"13 fields", "0\t48.5\t11.25\t0.0\tT\tI\t \t \t \t \tC\tS\t\r\n", true, 48.5, 11.25, "T"},
      {"too few fields", "0\t48.5\t11.25\t0.0\tT\r\n", false, 0, 0, ""},
      // 0 is the equator or the prime meridian; only a field without a number is no position.
      {"latitude 0", line("0.00000", "11.25", "T", "", "C", "S"), true, 0, 11.25, "T"},
      {"longitude 0", line("48.5", "0", "T", "", "C", "S"), true, 48.5, 0, "T"},
      {"both -0", line("-0.00000", " -0", "T", "", "C", "S"), true, 0, 0, "T"},
      {"empty latitude", line("", "11.25", "T", "", "C", "S"), false, 0, 0, ""},
      {"blank longitude", line("48.5", " ", "T", "", "C", "S"), false, 0, 0, ""},
      {"sign without digits", line("48.5", "-", "T", "", "C", "S"), false, 0, 0, ""},
      {"no coordinate fields", "0\r\n", false, 0, 0, ""},
      {"empty title", line("48.5", "11.25", "", "", "C", "S"), false, 0, 0, ""},
      {"empty category", line("48.5", "11.25", "T", "", "", "S"), false, 0, 0, ""},
      {"empty sub-category", line("48.5", "11.25", "T", "", "C", ""), false, 0, 0, ""},
      {"junk after the number", line(" 48.5xyz", "+11.25e0;", "T", "", "C", "S"), true, 48.5, 11.25, "T"},
      {"comma as decimal point", line("48,5", "-11,25", "T", "", "C", "S"), true, 48.5, -11.25, "T"},
      {"no number", line("abc", "11.25", "T", "", "C", "S"), false, 0, 0, ""},
      {"infinity", line("inf", "11.25", "T", "", "C", "S"), false, 0, 0, ""},
      {"overflow", line("1e999", "11.25", "T", "", "C", "S"), false, 0, 0, ""},
      // The writer prints every digit of a large number; all of them count.
      {"70 digits", line("1" + std::string(69, '0') + ".00000", std::string(62, '0') + "11.25", "T", "", "C", "S"),
       true, 1e69, 11.25, "T"},
      {"title holding ZAVEOF", line("48.5", "11.25", "xZAVEOF", "", "C", "S"), true, 48.5, 11.25, "xZAVEOF"},
      {"long title cut", line("48.5", "11.25", std::string(40, 'L'), "", "C", "S"), true, 48.5, 11.25,
       "LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL"},
      {"blank line", "\r\n", false, 0, 0, ""},
  };
  auto dir = testenv::scratchDir("zav-lines");
  int n = 0;
  for (const Case& c : cases) {
    auto path = dir / ("l" + std::to_string(n++) + ".zav");
    testenv::writeFile(path, kHeader + c.text + "ZAVEOF\r\n");
    DestStorage store;
    ASSERT_EQ(ZavFile(store).Load(q(path)), 1) << c.what;
    ASSERT_EQ(store.Items().size(), c.accepted ? 1u : 0u) << c.what;
    if (!c.accepted) continue;
    const DestItem* d = store.Items().at(0);
    EXPECT_DOUBLE_EQ(d->Latitude, c.lat) << c.what;
    EXPECT_DOUBLE_EQ(d->Longitude, c.lon) << c.what;
    EXPECT_EQ(d->Title, c.title) << c.what;
  }
}

TEST(ZavFile, EndLineOnlyAsFirstFieldAndLinesReadWhole) {
  WideLengths wide;
  std::string longInfo(3000, 'x');
  std::string text = kHeader + line("1.5", "2.5", "A", longInfo, "C", "S") + "ZAVEOF\tx\r\n" +
                     line("3.5", "4.5", "B", "", "C", "S");
  auto path = testenv::scratchDir("zav") / "end.zav";
  testenv::writeFile(path, text);
  DestStorage store;
  ASSERT_EQ(ZavFile(store).Load(q(path)), 1);
  ASSERT_EQ(store.Items().size(), 1u);
  EXPECT_EQ(store.Items().at(0)->Info.size(), 3000);

  // After the end line nothing more is read, the end line included.
  testenv::writeFile(path, kHeader + line("1.5", "2.5", "A", "", "C", "S") + "ZAVEOF");
  DestStorage all;
  EXPECT_EQ(ZavFile(all).Load(q(path)), 1);
  EXPECT_EQ(all.Items().size(), 1u);
}

// A file that fails says why, in the user's language: what the system
// tells, no ZAV file, a file cut short (no end line: destinations are
// missing), a line that is no text. Nothing of such a file is kept by the
// destination page, which loads into a store of its own.
TEST(ZavFile, FailedLoadsSayWhy) {
  auto dir = testenv::scratchDir("zav-why");
  const std::string two = line("1.5", "2.5", "A", "", "C", "S") + line("3.5", "4.5", "B", "", "C", "S");
  struct Case {
    const char* name;
    std::string text;
    QString why;
  };
  const Case cases[] = {
      {"empty.zav", "", "The file is empty."},
      {"gpx.zav", "<?xml version=\"1.0\"?>\r\n<gpx>\r\n</gpx>\r\n",
       "The file is not a ZAV destination file: its first line is not a ZAV header."},
      {"cut.zav", kHeader + two, "The file is cut short after line 3: its end line ZAVEOF is missing."},
      {"cut-mid-line.zav", kHeader + two + "0\t5.5\t6", "The file is cut short after line 4: its end line ZAVEOF is missing."},
      {"binary.zav", kHeader + two + std::string("\x01\0\0\x80\tzz\r\n", 9) + "ZAVEOF\r\n",
       "Line 4 could not be read: it is not text."},
  };
  for (const Case& c : cases) {
    testenv::writeFile(dir / c.name, c.text);
    DestStorage store;
    ZavFile file(store);
    EXPECT_EQ(file.Load(q(dir / c.name)), 0) << c.name;
    EXPECT_EQ(file.Error(), c.why) << c.name;
  }
  DestStorage store;
  ZavFile missing(store);
  EXPECT_EQ(missing.Load(q(dir / "missing.zav")), 0);
  EXPECT_EQ(missing.Error(), folders::SystemReason(ENOENT));
  ZavFile folder(store);
  EXPECT_EQ(folder.Load(q(dir)), 0);
  EXPECT_FALSE(folder.Error().isEmpty());

  testenv::MarkingTranslator german("ZavFile");
  ZavFile cut(store);
  EXPECT_EQ(cut.Load(q(dir / "cut.zav")), 0);
  EXPECT_EQ(cut.Error(), testenv::MarkingTranslator::Marked(cases[2].why));
}

TEST(ZavFile, DuplicateTitleIsDroppedButItsCategoryStays) {
  auto path = testenv::scratchDir("zav") / "dup.zav";
  testenv::writeFile(path,
                     kHeader + line("1.5", "2.5", "A", "", "C", "S") + line("3.5", "4.5", "A", "", "D", "E") + "ZAVEOF\r\n");
  DestStorage store;
  ASSERT_EQ(ZavFile(store).Load(q(path)), 1);
  ASSERT_EQ(store.Items().size(), 1u);
  EXPECT_DOUBLE_EQ(store.Items().at(0)->Latitude, 1.5);
  EXPECT_EQ(store.CategoryCount(), 2);
}

TEST(ZavFile, RefusedFilesLeaveTheStoreAlone) {
  auto dir = testenv::scratchDir("zav-refused");
  DestStorage store;
  addDest(store, "Keep", "Me", "Existing", 1, 1);
  testenv::writeFile(dir / "nomarker.zav", "V1.06\tsomething else\r\n" + line("1.5", "2.5", "A", "", "C", "S"));
  testenv::writeFile(dir / "empty.zav", "");
  EXPECT_EQ(ZavFile(store).Load(q(dir / "nomarker.zav")), 0);
  EXPECT_EQ(ZavFile(store).Load(q(dir / "empty.zav")), 0);
  EXPECT_EQ(ZavFile(store).Load(q(dir / "missing.zav")), 0);
  EXPECT_EQ(ZavFile(store).Load(q(dir)), 0);
  EXPECT_EQ(store.Items().size(), 1u);
  EXPECT_EQ(store.CategoryCount(), 1);

  // The marker anywhere in the first line will do.
  testenv::writeFile(dir / "other.zav",
                     "xx ZAV Compatible by someone else\r\n" + line("1.5", "2.5", "A", "", "C", "S") + "ZAVEOF\r\n");
  EXPECT_EQ(ZavFile(store).Load(q(dir / "other.zav")), 1);
  EXPECT_EQ(store.Items().size(), 2u);
}

TEST(ZavFile, FailedSaveReportsAndKeepsTheOldFile) {
  auto dir = testenv::scratchDir("zav-save");
  DestStorage store;
  addDest(store, "C", "S", "T", 1, 2);
  EXPECT_EQ(ZavFile(store).Save(q(dir / "missing" / "x.zav")), 0);
  fs::create_directory(dir / "taken.zav");
  EXPECT_EQ(ZavFile(store).Save(q(dir / "taken.zav")), 0);
  EXPECT_TRUE(fs::is_directory(dir / "taken.zav"));
}

// The bytes follow the code page of the run-time locale; iconv reads them.
TEST(ZavFile, TextIsInTheCodePageOfTheLanguage) {
  struct Case {
    const char* locale;
    const char* iconvName;
    QString title;
    std::string titleUtf8;  // what iconv must read back
  };
  const Case cases[] = {
      {".1252", "CP1252", QString::fromUtf8("Caf\u00e9 \u20ac"), "Caf\u00e9 \u20ac"},
      {".932", "CP932", QString::fromUtf8("\u6771\u4eac\u99c5"), "\u6771\u4eac\u99c5"},
      {".936", "CP936", QString::fromUtf8("\u5317\u4eac\u7ad9"), "\u5317\u4eac\u7ad9"},
      {".950", "CP950", QString::fromUtf8("\u81fa\u5317\u8eca\u7ad9"), "\u81fa\u5317\u8eca\u7ad9"},
      {".1252", "CP1252", QString::fromUtf8("\u6771 x"), "? x"},  // not in the code page
  };
  auto dir = testenv::scratchDir("zav-cp");
  int n = 0;
  for (const Case& c : cases) {
    codepage::ScopedRuntimeLocale locale(c.locale);
    DestStorage store;
    addDest(store, "C", "S", c.title, 10.5, 20.5);
    auto path = dir / ("cp" + std::to_string(n++) + ".zav");
    ASSERT_EQ(ZavFile(store).Save(q(path)), 1) << c.locale;
    EXPECT_EQ(runIconv(path, c.iconvName), kHeader + line("10.50000", "20.50000", c.titleUtf8, "", "C", "S") +
                                               "ZAVEOF\r\n")
        << c.locale;
    DestStorage loaded;
    ASSERT_EQ(ZavFile(loaded).Load(q(path)), 1);
    ASSERT_EQ(loaded.Items().size(), 1u);
    EXPECT_EQ(loaded.Items().at(0)->Title.toStdString(), c.titleUtf8) << c.locale;
  }
}
