#include "Korvifile.h"

#include "Deststorage.h"
#include "Fontbank.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Little-endian byte builder for expected files.
struct Bytes {
  std::string s;
  Bytes& u8(unsigned v) {
    s.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  Bytes& u16(unsigned v) { return u8(v).u8(v >> 8); }
  Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Bytes& s32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
  Bytes& codes(std::initializer_list<unsigned> cs) {
    for (unsigned c : cs) u16(c);
    return *this;
  }
};

std::uint16_t GetU16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                    (static_cast<std::uint8_t>(b[at + 1]) << 8));
}
std::uint32_t GetU32(const std::string& b, std::size_t at) {
  return GetU16(b, at) | (static_cast<std::uint32_t>(GetU16(b, at + 2)) << 16);
}
void SetU16(std::string& b, std::size_t at, unsigned v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void SetU32(std::string& b, std::size_t at, std::uint32_t v) {
  SetU16(b, at, v & 0xFFFF);
  SetU16(b, at + 2, v >> 16);
}
void FixChecksum(std::string& b) {
  SetU16(b, 34, ComputeHeaderChecksum(reinterpret_cast<const std::uint8_t*>(b.data()), 34));
}

// The test bank: 8x8 glyphs for code units 0..127, each one recognisable.
constexpr int kGlyphBytes = 8;
std::uint8_t GlyphByte(unsigned unit, int j) { return static_cast<std::uint8_t>(unit * 7 + j * 31 + 1); }

std::string BankFile() {
  Bytes b;
  b.s = "KVFT";
  b.u16(0).u16(8);
  b.s.append(24, '\0');
  for (unsigned u = 0; u < 128; ++u)
    for (int j = 0; j < kGlyphBytes; ++j) b.u8(GlyphByte(u, j));
  return b.s;
}

struct Snapshot {
  QStringList categories;
  std::vector<QStringList> groups;
  QStringList dests;  // title|info|cat|sub|lat|lon
  QStringList removed;
  int lengths[3];
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const DestStorage& store) {
  Snapshot s;
  for (int c = 0; c < store.CategoryCount(); ++c) {
    s.categories << *store.GetCategory(c);
    QStringList subs;
    for (int i = 0; i < store.SubCategoryCount(c); ++i) subs << *store.GetSubCategory(c, i);
    s.groups.push_back(subs);
  }
  auto row = [](const DestItem& d) {
    return QString("%1|%2|%3|%4|%5|%6")
        .arg(d.Title, d.Info)
        .arg(d.Category)
        .arg(d.SubCategory)
        .arg(d.Latitude, 0, 'g', 15)
        .arg(d.Longitude, 0, 'g', 15);
  };
  for (const auto& d : store.Items(dlActive)) s.dests << row(*d);
  for (const auto& d : store.Items(dlRemoved)) s.removed << row(*d);
  s.lengths[0] = MAX_TITLE_LEN;
  s.lengths[1] = MAX_CATEGORY_LEN;
  s.lengths[2] = MAX_INFO_LEN;
  return s;
}

class Korvi : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetLengths();
    dir = testenv::scratchDir("korvi");
    testenv::writeFile(dir / "font.bnk", BankFile());
    ASSERT_EQ(bank.Load((dir / "font.bnk").string()), 128 * kGlyphBytes);
  }
  void TearDown() override { ResetLengths(); }
  static void ResetLengths() {
    MAX_TITLE_LEN = 32;
    MAX_CATEGORY_LEN = 32;
    MAX_INFO_LEN = 200;
  }

  QString Path(const char* name) const { return QString::fromStdString((dir / name).string()); }

  void Add(DestStorage& store, const QString& title, int cat, int sub, const QString& info,
           double lat, double lon) {
    auto d = std::make_unique<DestItem>(title, cat, sub, info, lat, lon);
    ASSERT_EQ(store.AddItem(dlActive, d), drOk);
  }

  int Save(DestStorage& store, const char* name) { return KorviFile(store, bank).Save(Path(name)); }
  int Load(DestStorage& store, const char* name) { return KorviFile(store, bank).Load(Path(name)); }

  // Built with the start lengths, written with names of 4 and texts of 10.
  void FillSmallStore(DestStorage& store) {
    store.AddCategory("Abcdef");
    store.AddCategory("B");
    store.AddCategory("C");
    store.AddSubCategory(0, "x");
    store.AddSubCategory(0, "yz");
    store.AddSubCategory(1, "x");
    Add(store, "Ab1", 0, 1, "hi there, you", 25.5, -0.000019);
    Add(store, "Quay", 0, 0, "", 0.000009, 14.5);
    Add(store, "Z", 1, 0, "ok!", -33.25, 151.25);
    Add(store, "lost", 5, 0, "zzz", 0, 0);  // names no category: not written
    Add(store, "xylophone", 0, 1, "hix", 1, 2);
    MAX_TITLE_LEN = MAX_CATEGORY_LEN = 4;
    MAX_INFO_LEN = 10;
  }

  std::string SmallFile() {
    DestStorage store;
    FillSmallStore(store);
    EXPECT_EQ(Save(store, "small.mgi"), 1);
    ResetLengths();
    return testenv::readFile(dir / "small.mgi");
  }

  fs::path dir;
  TFontBank bank;
};

TEST_F(Korvi, GoldenFileOfASmallStore) {
  DestStorage store;
  FillSmallStore(store);
  KorviFile file(store, bank);
  ASSERT_EQ(file.Save(Path("small.mgi")), 1);
  // "lost" is in no record: the save says so.
  EXPECT_EQ(file.Gaps().unfiled, 1u);
  EXPECT_TRUE(file.Gaps().emptyGroups.empty());

  // Codes in order of first use: category names, sub-category names,
  // titles, texts.
  const char16_t table[] = {0,   'A', 'b', 'c', 'd', 'B', 'C', 'x', 'y', 'z', 'Q', 'u', 'a',
                            '1', 'l', 'o', 'Z', 'h', 'i', ' ', 't', 'e', 'r', ',', 'k', '!'};
  Bytes want;
  // header: 3 categories, N 4, T 10; sections at 108, 220, 252, 304; end 512
  want.u16(1).u16(0).u16(36).u16(3).u16(4).u16(10);
  want.u32(108).u32(220).u32(252).u32(304).u32(512).u16(0).u16(0xFD53);
  // categories: position, sub-category count, name
  want.u16(0).u16(2).codes({1, 2, 3, 4});  // "Abcd", cut to N
  want.u16(1).u16(1).codes({5, 0, 0, 0});
  want.u16(2).u16(0).codes({6, 0, 0, 0});
  // sub-categories: position in its category, destination count, name
  want.u16(0).u16(1).codes({7, 0, 0, 0});
  want.u16(1).u16(2).codes({8, 9, 0, 0});
  want.u16(0).u16(1).codes({7, 0, 0, 0});
  // destinations by (category, sub-category), then list order
  want.u8(0).u8(0).u16(0).u32(108).u16(0).u16(0).s32(0).s32(1450000).codes({10, 11, 12, 8});
  want.u8(0).u8(0).u16(1).u32(108).u16(10).u16(0).s32(2550000).s32(-1).codes({1, 2, 13, 0});
  want.u8(0).u8(0).u16(1).u32(118).u16(3).u16(0).s32(100000).s32(200000).codes({7, 8, 14, 15});
  want.u8(1).u8(0).u16(0).u32(121).u16(3).u16(0).s32(-3325000).s32(15125000).codes({16, 0, 0, 0});
  // texts: "hi there, " (cut to T), "hix", "ok!"
  want.codes({17, 18, 19, 20, 17, 21, 22, 21, 23, 19});
  want.codes({17, 18, 7});
  want.codes({15, 24, 25});
  for (char16_t c : table) want.u16(c);
  for (char16_t c : table)
    for (int j = 0; j < kGlyphBytes; ++j) want.u8(GlyphByte(c, j));
  ASSERT_EQ(want.s.size(), 512u);

  const std::string got = testenv::readFile(dir / "small.mgi");
  ASSERT_EQ(got.size(), want.s.size());
  for (std::size_t i = 0; i < got.size(); ++i)
    ASSERT_EQ(static_cast<std::uint8_t>(got[i]), static_cast<std::uint8_t>(want.s[i]))
        << "first difference at byte " << i;

  unsigned sum = 0;
  for (int i = 0; i < 34; ++i) sum += static_cast<std::uint8_t>(got[i]);
  EXPECT_EQ((sum + GetU16(got, 34)) % 65536, 0u);
}

TEST_F(Korvi, ChecksumNegatesTheByteSum) {
  std::vector<std::uint8_t> bytes(34, 0);
  bytes[0] = 200;
  bytes[5] = 255;
  bytes[33] = 255;
  bytes[20] = 255;
  bytes[21] = 35;  // sum 1000
  EXPECT_EQ(ComputeHeaderChecksum(bytes.data(), 34), 0xFC18);
  std::vector<std::uint8_t> big(34, 0xFF);  // sum 8670
  EXPECT_EQ(ComputeHeaderChecksum(big.data(), 34), 65536 - 8670);
}

TEST_F(Korvi, LoadReadsTheSmallFileBack) {
  SmallFile();
  DestStorage store;
  ASSERT_EQ(Load(store, "small.mgi"), 1);
  EXPECT_EQ(MAX_TITLE_LEN, 4);
  EXPECT_EQ(MAX_CATEGORY_LEN, 4);
  EXPECT_EQ(MAX_INFO_LEN, 10);

  const Snapshot s = Take(store);
  EXPECT_EQ(s.categories, QStringList({"Abcd", "B", "C"}));
  ASSERT_EQ(s.groups.size(), 3u);
  EXPECT_EQ(s.groups[0], QStringList({"x", "yz"}));
  EXPECT_EQ(s.groups[1], QStringList({"x"}));
  EXPECT_TRUE(s.groups[2].isEmpty());
  EXPECT_EQ(s.dests, QStringList({
                         "Quay||0|0|0|14.5",
                         "Ab1|hi there, |0|1|25.5|-1e-05",
                         "xylo|hix|0|1|1|2",
                         "Z|ok!|1|0|-33.25|151.25",
                     }));

  // A destination added by hand afterwards gets the file's lengths.
  DestItem later("Longer title", 0, 0, "", 0, 0);
  EXPECT_EQ(later.Title, "Long");
}

TEST_F(Korvi, RoundTripIsStable) {
  DestStorage store;
  const char* defaults[] = {"Favourites", "Food", "Fuel", "Lodging",
                            "Shopping",   "Sights", "Transport", "Other"};
  for (const char* c : defaults) store.AddSubCategory(store.AddCategory(c), "General");
  store.AddSubCategory(1, QString::fromUtf8("Caf\xC3\xA9s"));
  const QString full32 = QString::fromUtf8("\xC5\xBD") + QString(31, 'w');  // fills the field
  Add(store, full32, 0, 0, QString(200, 'i'), 46.05108, 14.50513);
  Add(store, QString::fromUtf8("\xE4\xB8\x8A\xE6\xB5\xB7"), 7, 0, "", 31.2304, 121.4737);
  Add(store, "South-west", 1, 1, "tab\there", -33.86785, -151.20732);
  Add(store, "Null island", 3, 0, "0", 0, 0);
  Add(store, "Edge", 2, 0, "x", 90, -180);
  ASSERT_EQ(Save(store, "a.mgi"), 1);

  DestStorage back;
  ASSERT_EQ(Load(back, "a.mgi"), 1);
  const Snapshot a = Take(store);
  const Snapshot b = Take(back);
  EXPECT_EQ(b.categories, a.categories);
  EXPECT_EQ(b.groups, a.groups);
  ASSERT_EQ(back.Items().size(), 5u);
  // Written in device-index order: by category, then sub-category.
  const QStringList order = {full32, "South-west", "Edge", "Null island",
                             QString::fromUtf8("\xE4\xB8\x8A\xE6\xB5\xB7")};
  for (int i = 0; i < 5; ++i) {
    const DestItem* got = back.Items().at(static_cast<std::size_t>(i));
    const DestItem* orig = store.FindItem(dlActive, got->Title);
    ASSERT_NE(orig, nullptr) << got->Title.toStdString();
    EXPECT_EQ(got->Title, order[i]);
    EXPECT_EQ(got->Info, orig->Info);
    EXPECT_EQ(got->Category, orig->Category);
    EXPECT_EQ(got->SubCategory, orig->SubCategory);
    EXPECT_NEAR(got->Latitude, orig->Latitude, 1e-5);
    EXPECT_NEAR(got->Longitude, orig->Longitude, 1e-5);
  }

  // What was read is written to the same bytes again: positions do not drift.
  ASSERT_EQ(Save(back, "b.mgi"), 1);
  DestStorage third;
  ASSERT_EQ(Load(third, "b.mgi"), 1);
  ASSERT_EQ(Save(third, "c.mgi"), 1);
  EXPECT_EQ(testenv::readFile(dir / "b.mgi"), testenv::readFile(dir / "c.mgi"));
}

TEST_F(Korvi, PositionsAreTruncatedTowardZero) {
  struct Case { double degrees; std::int32_t stored; };
  const Case cases[] = {{25.5, 2550000},    {-0.000019, -1},     {0.000009, 0},
                        {-0.000009, 0},     {151.2, 15119999},   {-180, -18000000},
                        {0.00001, 1},       {12.3456789, 1234567}};
  for (const Case& c : cases) {
    DestStorage store;
    store.AddSubCategory(store.AddCategory("c"), "s");
    Add(store, "p", 0, 0, "", c.degrees, -c.degrees);
    ASSERT_EQ(Save(store, "p.mgi"), 1);
    const std::string f = testenv::readFile(dir / "p.mgi");
    const std::size_t rec = GetU32(f, 12);
    EXPECT_EQ(static_cast<std::int32_t>(GetU32(f, rec + 12)), c.stored) << c.degrees;
    EXPECT_EQ(static_cast<std::int32_t>(GetU32(f, rec + 16)), -c.stored) << c.degrees;
  }
}

TEST_F(Korvi, StoreWithoutDestinationsIsWrittenAndRead) {
  DestStorage store;
  store.AddSubCategory(store.AddCategory("Only"), "sub");
  MAX_TITLE_LEN = MAX_CATEGORY_LEN = 20;
  MAX_INFO_LEN = 100;
  KorviFile file(store, bank);
  ASSERT_EQ(file.Save(Path("empty.mgi")), 1);
  EXPECT_FALSE(file.Gaps().Any()) << "the file holds empty groups";
  const std::string f = testenv::readFile(dir / "empty.mgi");
  EXPECT_EQ(GetU32(f, 12), GetU32(f, 16)) << "empty destination section";
  EXPECT_EQ(GetU32(f, 16), GetU32(f, 20)) << "empty text section";

  ResetLengths();
  DestStorage back;
  ASSERT_EQ(Load(back, "empty.mgi"), 1);
  EXPECT_EQ(back.GetCategory(0), "Only");
  EXPECT_EQ(back.GetSubCategory(0, 0), "sub");
  EXPECT_EQ(MAX_TITLE_LEN, 20);
  EXPECT_EQ(MAX_CATEGORY_LEN, 20);
  EXPECT_EQ(MAX_INFO_LEN, 100);
}

TEST_F(Korvi, TextLengthZeroIsNotTakenAsTheProgramLimit) {
  DestStorage store;
  store.AddSubCategory(store.AddCategory("c"), "s");
  Add(store, "t", 0, 0, "info", 1, 1);
  MAX_INFO_LEN = 0;
  ASSERT_EQ(Save(store, "t0.mgi"), 1);
  ResetLengths();
  DestStorage back;
  ASSERT_EQ(Load(back, "t0.mgi"), 1);
  EXPECT_EQ(MAX_INFO_LEN, 200);
  ASSERT_EQ(back.Items().size(), 1u);
  EXPECT_EQ(back.Items().at(0)->Info, "") << "the file holds no text";
}

// A category and sub-category store, and its destinations: "title@cat/sub".
struct Filed {
  std::vector<std::pair<QString, QStringList>> groups;
  QStringList dests;
};

void Fill(DestStorage& store, const Filed& filed) {
  for (const auto& [category, subs] : filed.groups) {
    const int c = store.AddCategory(category);
    for (const QString& sub : subs) store.AddSubCategory(c, sub);
  }
  for (const QString& d : filed.dests) {
    const QString title = d.section("@", 0, 0), cat = d.section("@", 1).section("/", 0, 0),
                  sub = d.section("/", 1);
    const int c = store.FindCategory(cat);
    auto item = std::make_unique<DestItem>(title, c, store.AddSubCategory(c, sub), QString(), 1, 2);
    ASSERT_EQ(store.AddItem(dlActive, item), drOk) << d.toStdString();
  }
}

Filed Picture(const DestStorage& store) {
  Filed out;
  for (int c = 0; c < store.CategoryCount(); ++c) {
    QStringList subs;
    for (int i = 0; i < store.SubCategoryCount(c); ++i) subs << *store.GetSubCategory(c, i);
    out.groups.emplace_back(*store.GetCategory(c), subs);
  }
  for (const auto& d : store.Items())
    out.dests << d->Title + "@" + store.GetCategory(d->Category).value_or("?") + "/" +
                     store.GetSubCategory(d->Category, d->SubCategory).value_or("?");
  return out;
}

// "A[a1,a2] B[] | x@A/a2": readable when a comparison fails.
std::string Text(const Filed& filed) {
  QStringList groups;
  for (const auto& [category, subs] : filed.groups) groups << category + "[" + subs.join(",") + "]";
  return (groups.join(" ") + " | " + filed.dests.join(" ")).toStdString();
}

Filed Defaults() {
  Filed d;
  for (const DefaultCategory& row : defaultCategories)
    d.groups.emplace_back(QString::fromLatin1(row.category), QStringList{QString::fromLatin1(row.subCategory)});
  return d;
}

// Every destination of the file comes under its own category and
// sub-category, by name, whatever the store held and where; what the store
// held stays, and a title it holds is not taken twice.
TEST_F(Korvi, LoadFilesEveryDestinationUnderItsOwnNames) {
  struct Case {
    const char* what;
    Filed file, store, want;
  };
  // The device's database after "Cafe/Hotel" was deleted and "Mine/MySub" added.
  Filed device = Defaults();
  device.groups.erase(device.groups.begin());
  device.groups.emplace_back("Mine", QStringList{"MySub"});
  device.dests = {"Bank@Service/ATM", "Home@Mine/MySub"};
  Filed afterDevice = Defaults();
  afterDevice.groups.emplace_back("Mine", QStringList{"MySub"});
  afterDevice.dests = {"Bank@Service/ATM", "Home@Mine/MySub"};
  const Case cases[] = {
      {"the defaults, a device without Cafe/Hotel", device, Defaults(), afterDevice},
      {"an empty store", device, {}, device},
      {"a store that begins with the file's categories",
       {{{"A", {"a1", "a2"}}, {"B", {"b"}}}, {"x@A/a2", "y@B/b"}},
       {{{"A", {"a1", "a2"}}, {"B", {"b"}}, {"C", {"c"}}}, {"z@C/c"}},
       {{{"A", {"a1", "a2"}}, {"B", {"b"}}, {"C", {"c"}}}, {"z@C/c", "x@A/a2", "y@B/b"}}},
      {"the file's first category second in the store",
       {{{"B", {"b1", "b2"}}}, {"x@B/b2"}},
       {{{"A", {"a"}}, {"B", {}}}, {}},
       {{{"A", {"a"}}, {"B", {"b1", "b2"}}}, {"x@B/b2"}}},
      {"sub-categories held in another order, one title held",
       {{{"A", {"s1", "s2"}}, {"New", {"n"}}}, {"x@A/s1", "y@A/s2", "z@New/n", "held@New/n"}},
       {{{"Z", {"s1"}}, {"A", {"s2", "zz"}}}, {"held@Z/s1"}},
       {{{"Z", {"s1"}}, {"A", {"s2", "zz", "s1"}}, {"New", {"n"}}},
        {"held@Z/s1", "x@A/s1", "y@A/s2", "z@New/n"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DestStorage file;
    Fill(file, c.file);
    ASSERT_EQ(Save(file, "filed.mgi"), 1);
    DestStorage store;
    Fill(store, c.store);
    KorviFile korvi(store, bank);
    ASSERT_EQ(korvi.Load(Path("filed.mgi")), 1);
    EXPECT_EQ(korvi.LeftOut(), 0u);
    EXPECT_EQ(Text(Picture(store)), Text(c.want));
  }
}

// A record whose category or sub-category index names nothing in the file
// has no names to be filed by: it is left out and counted, the rest is read.
TEST_F(Korvi, RecordsUnderNoGroupOfTheFileAreLeftOut) {
  std::string f = SmallFile();
  // Records at 108 + 28 * i: Quay (0/0), Ab1 (0/1), xylo (0/1), Z (1/0).
  f[108 + 28 * 1] = 3;          // category 3 of 3
  SetU16(f, 108 + 28 * 3 + 2, 1);  // sub-category 1 of "B"'s one
  testenv::writeFile(dir / "loose.mgi", f);
  DestStorage store;
  KorviFile korvi(store, bank);
  ASSERT_EQ(korvi.Load(Path("loose.mgi")), 1);
  EXPECT_EQ(korvi.LeftOut(), 2u);
  // The texts of the records left out are passed over, not given to others.
  EXPECT_EQ(Take(store).dests, QStringList({"Quay||0|0|0|14.5", "xylo|hix|0|1|1|2"}));
}

TEST_F(Korvi, CodesOutsideTheTableEndTheText) {
  std::string f = SmallFile();
  // The title of the first destination ("Quay") gets a code past the table.
  SetU16(f, 108 + 20 + 2, 999);
  // The first text ("hi there, ") gets code 0 after two characters.
  SetU16(f, 220 + 4, 0);
  testenv::writeFile(dir / "codes.mgi", f);
  DestStorage store;
  ASSERT_EQ(Load(store, "codes.mgi"), 1);
  ASSERT_NE(store.FindItem(dlActive, "Q"), nullptr);
  EXPECT_EQ(store.FindItem(dlActive, "Ab1")->Info, "hi");
}

TEST_F(Korvi, HostileFilesAreRefusedWithoutChanges) {
  const std::string good = SmallFile();
  using Mutate = std::function<void(std::string&)>;
  struct Case {
    const char* what;
    Mutate mutate;
    bool fixChecksum = true;
  };
  const std::uint32_t destOff = 108, textOff = 220, tableOff = 252, glyphOff = 304;
  const Case cases[] = {
      {"version 2", [](std::string& b) { SetU16(b, 0, 2); }},
      {"checksum off by one", [](std::string& b) { SetU16(b, 34, GetU16(b, 34) + 1); }, false},
      {"name length 0", [](std::string& b) { SetU16(b, 8, 0); }},
      {"destinations before the header ends", [](std::string& b) { SetU32(b, 12, 20); }},
      {"destinations after texts", [&](std::string& b) { SetU32(b, 12, textOff + 2); }},
      {"texts after table", [&](std::string& b) { SetU32(b, 16, tableOff + 2); }},
      {"table after glyphs", [&](std::string& b) { SetU32(b, 20, glyphOff + 2); }},
      {"table equals glyphs", [&](std::string& b) { SetU32(b, 20, glyphOff); }},
      {"glyphs past the end", [](std::string& b) { SetU32(b, 24, static_cast<std::uint32_t>(b.size()) + 1); }},
      {"end past the file", [](std::string& b) { SetU32(b, 28, static_cast<std::uint32_t>(b.size()) + 1); }},
      {"end before the glyphs", [&](std::string& b) { SetU32(b, 28, glyphOff - 1); }},
      {"all offsets 0xFFFFFFFF", [](std::string& b) { for (int at = 12; at <= 28; at += 4) SetU32(b, at, 0xFFFFFFFFu); }},
      {"destinations overlap sub-categories", [&](std::string& b) { SetU32(b, 12, destOff - 12); }},
      {"65535 categories", [](std::string& b) { SetU16(b, 6, 0xFFFF); }},
      {"one more category", [](std::string& b) { SetU16(b, 6, 4); }},
      {"name length 65535", [](std::string& b) { SetU16(b, 8, 0xFFFF); }},
      {"name length 5", [](std::string& b) { SetU16(b, 8, 5); }},
      {"65535 sub-categories", [](std::string& b) { SetU16(b, 36 + 2, 0xFFFF); }},
      {"one more sub-category", [](std::string& b) { SetU16(b, 36 + 2, 3); }},
      {"65535 destinations", [](std::string& b) { SetU16(b, 72 + 2, 0xFFFF); }},
      {"one more destination", [](std::string& b) { SetU16(b, 72 + 2, 2); }},
      {"text of 65535 codes", [&](std::string& b) { SetU16(b, destOff + 8, 0xFFFF); }},
      {"one more text code", [&](std::string& b) { SetU16(b, destOff + 8, 1); }},
      {"texts in an empty section", [&](std::string& b) { SetU32(b, 16, tableOff); }},
      {"table of 65537 entries", [&](std::string& b) {
         b.resize(tableOff + 65537 * 2 + 8, '\0');
         SetU32(b, 24, tableOff + 65537 * 2);
         SetU32(b, 28, static_cast<std::uint32_t>(b.size()));
       }},
  };

  for (const Case& c : cases) {
    std::string bad = good;
    c.mutate(bad);
    if (c.fixChecksum) FixChecksum(bad);
    testenv::writeFile(dir / "bad.mgi", bad);
    DestStorage store;
    store.AddCategory("Keep");
    Add(store, "kept", 0, 0, "", 1, 1);
    MAX_TITLE_LEN = MAX_CATEGORY_LEN = 7;
    MAX_INFO_LEN = 77;
    const Snapshot before = Take(store);
    EXPECT_EQ(Load(store, "bad.mgi"), 0) << c.what;
    EXPECT_TRUE(Take(store) == before) << c.what;
  }

  // Every proper prefix of a good file is refused alike.
  for (std::size_t len = 0; len < good.size(); ++len) {
    testenv::writeFile(dir / "cut.mgi", good.substr(0, len));
    DestStorage store;
    store.AddCategory("Keep");
    const Snapshot before = Take(store);
    EXPECT_EQ(Load(store, "cut.mgi"), 0) << len;
    ASSERT_TRUE(Take(store) == before) << len;
  }
  DestStorage store;
  EXPECT_EQ(Load(store, "missing.mgi"), 0);
  testenv::writeFile(dir / "whole.mgi", good);
  EXPECT_EQ(Load(store, "whole.mgi"), 1) << "the unchanged file loads";
}

TEST_F(Korvi, SaveRefusesStoresTheFileCannotHold) {
  testenv::writeFile(dir / "old.mgi", "old contents");
  struct Case {
    const char* what;
    std::function<void(DestStorage&)> fill;
  };
  const Case cases[] = {
      {"256 categories", [](DestStorage& s) { for (int i = 0; i < 256; ++i) s.AddCategory(QString::number(i)); }},
      {"65536 sub-categories", [](DestStorage& s) {
         s.AddCategory("c");
         for (int i = 0; i < 65536; ++i) s.AddSubCategory(0, QString::number(i));
       }},
      {"65536 destinations in one sub-category", [this](DestStorage& s) {
         s.AddSubCategory(s.AddCategory("c"), "s");
         for (int i = 0; i < 65536; ++i) Add(s, QString::number(i), 0, 0, "", 0, 0);
       }},
      {"latitude not a number", [this](DestStorage& s) {
         s.AddSubCategory(s.AddCategory("c"), "s");
         Add(s, "nan", 0, 0, "", std::nan(""), 0);
       }},
      {"longitude beyond 32 bits", [this](DestStorage& s) {
         s.AddSubCategory(s.AddCategory("c"), "s");
         Add(s, "far", 0, 0, "", 0, 30000);
       }},
  };
  for (const Case& c : cases) {
    DestStorage store;
    c.fill(store);
    EXPECT_EQ(Save(store, "old.mgi"), 0) << c.what;
    EXPECT_EQ(testenv::readFile(dir / "old.mgi"), "old contents") << c.what;
  }

  DestStorage fits;
  for (int i = 0; i < 255; ++i) fits.AddCategory(QString::number(i));
  EXPECT_EQ(Save(fits, "old.mgi"), 1) << "255 categories fit";

  DestStorage any;
  EXPECT_EQ(KorviFile(any, bank).Save(Path("no-such-folder/x.mgi")), 0);
  EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

TEST_F(Korvi, WithoutABankTheGlyphSectionIsEmpty) {
  TFontBank none;
  DestStorage store;
  store.AddSubCategory(store.AddCategory("c"), "s");
  Add(store, "t", 0, 0, "i", 1, 1);
  ASSERT_EQ(KorviFile(store, none).Save(Path("nobank.mgi")), 1);
  const std::string f = testenv::readFile(dir / "nobank.mgi");
  EXPECT_EQ(GetU32(f, 24), f.size());
  EXPECT_EQ(GetU32(f, 28), f.size());
  DestStorage back;
  ASSERT_EQ(KorviFile(back, none).Load(Path("nobank.mgi")), 1);
  EXPECT_EQ(back.Items().at(0)->Info, "i");
}

TEST(KorviExtension, IsMgi) { EXPECT_EQ(korviFileExtension, ".mgi"); }

}  // namespace
