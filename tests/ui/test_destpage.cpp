// The destination page in the real window (offscreen): filters, files on
// disk, the table buttons, the map calls it makes (through a recording map
// view), and its two dialogs, driven through the fake desktop services.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QtEndian>
#include <QWebEngineView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "Deststorage.h"
#include "Fakemapview.h"
#include "Filesizelimit.h"
#include "Frmcateditor.h"
#include "Frmdesteditor.h"
#include "Googlehtml.h"
#include "Jsescape.h"
#include "Korvifile.h"
#include "Livemap.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Mapwebenv.h"
#include "Uitestenv.h"
#include "Webmapview.h"
#include "Zavfile.h"

namespace {

using Icon = UiServices::Icon;
using uitest::FakeMapView;

QString S(int n) { return QStringLiteral("S%1").arg(n); }

// Empties the store completely (ClearAll keeps destinations of no category).
void EmptyStore() {
  DestStorage empty;
  destStorage.ReplaceWith(empty);
  destStorage.MarkSaved();
  MAX_TITLE_LEN = MAX_CATEGORY_LEN = 32;
  MAX_INFO_LEN = 200;
}

DestItem* AddDest(const QString& title, int category, int sub, const QString& info = QString(),
                  double lat = 48, double lng = 11) {
  auto item = std::make_unique<DestItem>(title, category, sub, info, lat, lng);
  DestItem* raw = item.get();
  const bool added = destStorage.AddItem(dlActive, item) == drOk;
  // As if loaded: the commands these tests run ask nothing.
  destStorage.MarkSaved();
  return added ? raw : nullptr;
}

QStringList StoreTitles() {
  QStringList out;
  for (const auto& d : destStorage.Items(dlActive)) out << d->Title;
  return out;
}

QStringList Categories() {
  QStringList out;
  for (int c = 0; c < destStorage.CategoryCount(); ++c) out << *destStorage.GetCategory(c);
  return out;
}

QStringList ComboItems(const QComboBox* combo) {
  QStringList out;
  for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
  return out;
}

// The user picks an entry.
void Pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

class DestMain : public TFormMain {
 public:
  DestMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~DestMain() override { WriteBackSettings(); }
};

class DestPageTest : public ::testing::Test {
 protected:
  DestPageTest() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    EmptyStore();
    uitest::UseFakeMapView(fake);
    env.WriteIni(uitest::AllPagesIni());
    env.Start();
    f = std::make_unique<DestMain>();
    p = f->pgDest;
    Loaded();
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
    EmptyStore();
  }

  // As if the map page had loaded: script calls reach it; nothing recorded.
  void Loaded() {
    f->PageLoaded = true;
    fake->scripts.clear();
    fake->navigated.clear();
    env.services.messages.clear();
  }
  QStringList DstScripts() const { return fake->scripts.filter(QStringLiteral("dst_")); }
  std::vector<std::pair<QString, QString>> Messages() const {
    std::vector<std::pair<QString, QString>> out;
    for (const auto& m : env.services.messages) out.emplace_back(m.caption, m.text);
    return out;
  }
  QString Status(int panel) const { return f->StatusPanel(panel)->text(); }
  // The window on show with this page in front, so that presses land on
  // buttons of their real size.
  void ShowPage() {
    f->PageControl->setCurrentWidget(p);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ASSERT_TRUE(p->lvDest->isVisible());
  }

  QStringList Rows() const {
    QStringList out;
    for (int r = 0; r < p->RowCount(); ++r) out << p->destModel->index(r, 0).data().toString();
    return out;
  }
  QStringList Row(int r) const {
    QStringList out;
    for (int c = 0; c < 3; ++c) out << p->destModel->index(r, c).data().toString();
    return out;
  }
  // The user selects these rows at once.
  void Select(std::initializer_list<int> rows) {
    QItemSelection selection;
    for (int r : rows) selection.select(p->destModel->index(r, 0), p->destModel->index(r, 2));
    p->lvDest->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  }

  // The destination editor, when shown, gets `fill` and then OK.
  void OnEditor(std::function<void(TFormDestEditor&)> fill) {
    env.services.onDialog = [fill](QDialog& d) {
      auto* e = qobject_cast<TFormDestEditor*>(&d);
      if (!e) return int(QDialog::Rejected);
      EXPECT_EQ(FormDestEditor, e);
      fill(*e);
      e->btnAct->click();
      return e->result();
    };
  }
  void OnEditorType(const QString& title, const QString& lat = QString(), const QString& lon = QString()) {
    OnEditor([=](TFormDestEditor& e) {
      e.edtTitle->setText(title);
      if (!lat.isNull()) e.edtLat->setText(lat);
      if (!lon.isNull()) e.edtLon->setText(lon);
    });
  }

  QString FilePath(const QString& name) const { return env.Path("docs") + QLatin1Char('/') + name; }
  // Writes a destination file of the given store with the file class that
  // its extension selects.
  QString WriteFile(const QString& name, DestStorage& store) {
    const QString path = FilePath(name);
    const bool mgi = name.endsWith(QStringLiteral(".mgi"), Qt::CaseInsensitive);
    std::unique_ptr<FileBase> file;
    if (mgi)
      file = std::make_unique<KorviFile>(store);
    else
      file = std::make_unique<ZavFile>(store);
    EXPECT_EQ(file->Save(path), 1) << name.toStdString();
    return path;
  }
  // A store of two categories ("Food", "Rest"), three destinations.
  static void FillSample(DestStorage& s) {
    const int food = s.AddCategory(QStringLiteral("Food"));
    s.AddSubCategory(food, QStringLiteral("Pizza"));
    s.AddSubCategory(food, QStringLiteral("Sushi"));
    const int rest = s.AddCategory(QStringLiteral("Rest"));
    s.AddSubCategory(rest, QStringLiteral("Bench"));
    const struct {
      const char* title;
      int c, s;
      double lat, lng;
    } items[] = {{"Luigi", food, 0, 48.1, 11.5}, {"Kyoto", food, 1, 48.2, 11.6}, {"Park", rest, 0, 47.5, 10.25}};
    for (const auto& i : items) {
      auto d = std::make_unique<DestItem>(QString::fromLatin1(i.title), i.c, i.s,
                                          QStringLiteral("info ") + QLatin1String(i.title), i.lat, i.lng);
      s.AddItem(dlActive, d);
    }
  }
  QString SampleFile(const QString& name) {
    DestStorage s;
    FillSample(s);
    return WriteFile(name, s);
  }
  void Open(const QString& path) {
    env.services.openAnswers.push_back(path);
    p->bgDestFile_OpenClick();
  }
  void Save(const QString& path) {
    env.services.saveAnswers.push_back(path);
    p->bgDestFile_SaveClick();
  }

  uitest::ProgramEnv env;
  FakeMapView* fake = nullptr;
  std::unique_ptr<DestMain> f;
  TDestPage* p = nullptr;
};

// A fixed data set over the default categories, with a second sub-category
// in "Cafe/Hotel".
void FilterData() {
  destStorage.AddSubCategory(0, QStringLiteral("Burgers"));
  AddDest(QStringLiteral("Cafe Central"), 0, 0, QStringLiteral("coffee and cake"));
  AddDest(QStringLiteral("Big Burger"), 0, 1, QStringLiteral("fast"));
  AddDest(QStringLiteral("ATM Main"), 1, 0, QStringLiteral("cash, Coffee"));
  AddDest(QStringLiteral("Airport"), 6, 0, QString());
}

// ---------------------------------------------------------------------------

TEST_F(DestPageTest, StartsWithTheDefaultCategoriesAndAllEntries) {
  EXPECT_EQ(Categories(), QStringList({"Cafe/Hotel", "Service", "Culture", "Leisure", "Sports", "Store",
                                       "Transport", "Navigation"}));
  EXPECT_EQ(*destStorage.GetSubCategory(3, 0), QStringLiteral("Amusement Park"));
  EXPECT_EQ(ComboItems(p->cmbSelCategory).size(), 9);
  EXPECT_EQ(p->cmbSelCategory->currentIndex(), 8);
  EXPECT_EQ(p->cmbSelCategory->itemText(8), S(12));
  EXPECT_EQ(ComboItems(p->cmbSelSubCategory), QStringList({"Fast Food", S(12)}));
  EXPECT_EQ(p->cmbSelSubCategory->currentIndex(), 1);
  EXPECT_EQ(p->RowCount(), 0);
  EXPECT_EQ(p->lvDest->objectName(), QStringLiteral("lvDest"));
}

TEST_F(DestPageTest, FilterTable) {
  FilterData();
  struct Case {
    const char* name;
    int category;     // -1: leave the combo on its all entry
    int sub;          // -1: leave it
    bool titleDown;
    const char* title;
    bool infoDown;
    const char* info;
    QStringList rows;
  };
  const QStringList all = {"Cafe Central", "Big Burger", "ATM Main", "Airport"};
  const Case cases[] = {
      {"no filter", -1, -1, false, "", false, "", all},
      {"category", 0, -1, false, "", false, "", {"Cafe Central", "Big Burger"}},
      {"category and sub-category", 0, 1, false, "", false, "", {"Big Burger"}},
      {"category without destinations", 3, -1, false, "", false, "", {}},
      {"sub-category 0 of every category", -1, 0, false, "", false, "", {"Cafe Central", "ATM Main", "Airport"}},
      {"title, case-sensitive", -1, -1, true, "Caf", false, "", {"Cafe Central"}},
      {"title in other case", -1, -1, true, "caf", false, "", {}},
      {"title text while the button is up", -1, -1, false, "Caf", false, "", all},
      {"title button down, empty text", -1, -1, true, "", false, "", all},
      {"info", -1, -1, false, "", true, "offee", {"Cafe Central", "ATM Main"}},
      {"info, case-sensitive", -1, -1, false, "", true, "Coffee", {"ATM Main"}},
      {"category and info", 0, -1, false, "", true, "offee", {"Cafe Central"}},
      {"title and info", -1, -1, true, "A", true, "cash", {"ATM Main"}},
      {"everything", 1, 0, true, "ATM", true, "cash", {"ATM Main"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p->FillCategoryCombo();
    p->FillSubCategoryCombo(0);
    p->btnDestSearch->setChecked(c.titleDown);
    p->btnInfoSearch->setChecked(c.infoDown);
    p->edtTitleSearch->setText(QString::fromUtf8(c.title));
    p->edtInfoSearch->setText(QString::fromUtf8(c.info));
    if (c.category >= 0) Pick(p->cmbSelCategory, c.category);
    if (c.sub >= 0) Pick(p->cmbSelSubCategory, c.sub);
    p->FillDestList();
    EXPECT_EQ(Rows(), c.rows);
  }
}

TEST_F(DestPageTest, RowsShowTitleCategoryAndSubCategory) {
  FilterData();
  AddDest(QStringLiteral("Nowhere"), 0, 7);  // a sub-category that does not exist
  p->FillDestList();
  EXPECT_EQ(Row(1), QStringList({"Big Burger", "Cafe/Hotel", "Burgers"}));
  EXPECT_EQ(Row(4), QStringList({"Nowhere", "Cafe/Hotel", ""}));
}

TEST_F(DestPageTest, FilterEventsRefillOnlyWhenTheirSearchIsOn) {
  FilterData();
  p->FillDestList();
  auto newcomer = [n = 0]() mutable { AddDest(QStringLiteral("new %1").arg(n++), 0, 0); };
  // Typing with the button up, or pressing it with an empty edit: no refill.
  newcomer();
  p->edtTitleSearch->setText(QStringLiteral("A"));
  p->edtInfoSearch->setText(QStringLiteral("c"));
  EXPECT_EQ(p->RowCount(), 4);
  p->edtTitleSearch->clear();
  p->btnDestSearch->click();
  EXPECT_TRUE(p->btnDestSearch->isChecked());
  EXPECT_EQ(p->RowCount(), 4);
  // With the button down every keystroke refills.
  QTest::keyClicks(p->edtTitleSearch, QStringLiteral("Ai"));
  EXPECT_EQ(Rows(), QStringList({"Airport"}));
  p->btnDestSearch->click();  // up again: the text no longer filters
  EXPECT_EQ(p->RowCount(), 5);
  p->btnInfoSearch->click();  // down, with "c" in its edit
  EXPECT_EQ(Rows(), QStringList({"Cafe Central", "ATM Main"}));
}

TEST_F(DestPageTest, CategoryChoiceRefillsTheSubCategoriesAndTheList) {
  FilterData();
  Pick(p->cmbSelCategory, 0);
  EXPECT_EQ(ComboItems(p->cmbSelSubCategory), QStringList({"Fast Food", "Burgers", S(12)}));
  EXPECT_EQ(Rows(), QStringList({"Cafe Central", "Big Burger"}));
  Pick(p->cmbSelCategory, 8);  // the all entry: no sub-categories to choose
  EXPECT_EQ(p->cmbSelSubCategory->count(), 0);
  EXPECT_EQ(p->RowCount(), 4);
  destStorage.AddCategory(QStringLiteral("Empty"));
  p->FillCategoryCombo();
  Pick(p->cmbSelCategory, 8);
  EXPECT_EQ(p->cmbSelSubCategory->count(), 0);
  EXPECT_EQ(p->RowCount(), 0);
}

// A language file whose kept line N reads "<prefix><N>".
QByteArray Language(const char* prefix) {
  QByteArray text;
  for (int n = 0; n < 174; ++n) text += prefix + QByteArray::number(n) + "\r\n";
  return text;
}

TEST_F(DestPageTest, FilterAllEntriesFollowTheLanguageAndKeepTheChoice) {
  env.WriteExe("French.txt", Language("fr"));
  env.WriteExe("Japanese.txt", Language("ja"));
  FilterData();
  p->FillDestList();
  ASSERT_EQ(ComboItems(p->cmbSelCategory).last(), S(12));

  Pick(f->cmbLanguage, 4);  // Français
  EXPECT_EQ(ComboItems(p->cmbSelCategory).last(), QStringLiteral("fr12"));
  EXPECT_EQ(p->cmbSelCategory->currentIndex(), 8);  // still the all entry
  // The user narrows the list to the first category, all its sub-categories.
  Pick(p->cmbSelCategory, 0);
  ASSERT_EQ(ComboItems(p->cmbSelSubCategory), QStringList({"Fast Food", "Burgers", "fr12"}));
  ASSERT_EQ(Rows(), QStringList({"Cafe Central", "Big Burger"}));

  Pick(f->cmbLanguage, 6);  // 日本語
  const QStringList categories = ComboItems(p->cmbSelCategory);
  ASSERT_EQ(categories.size(), 9);
  EXPECT_EQ(categories.first(), QStringLiteral("Cafe/Hotel"));
  EXPECT_EQ(categories.last(), QStringLiteral("ja12"));
  EXPECT_EQ(ComboItems(p->cmbSelSubCategory), QStringList({"Fast Food", "Burgers", "ja12"}));
  // The choice and the list it gave stay.
  EXPECT_EQ(p->cmbSelCategory->currentIndex(), 0);
  EXPECT_EQ(p->cmbSelSubCategory->currentIndex(), 2);
  EXPECT_EQ(Rows(), QStringList({"Cafe Central", "Big Burger"}));
  // The renamed entries still mean "all", by their position.
  Pick(p->cmbSelSubCategory, 1);
  EXPECT_EQ(Rows(), QStringList({"Big Burger"}));
  Pick(p->cmbSelSubCategory, 2);
  EXPECT_EQ(p->RowCount(), 2);
  Pick(p->cmbSelCategory, 8);
  EXPECT_EQ(p->RowCount(), 4);
  EXPECT_EQ(p->cmbSelCategory->currentText(), QStringLiteral("ja12"));
  // The waypoint icon filter's "ALL" is a fixed text.
  const QComboBox* icons = f->pgWaypoint->cmbSelIcon;
  EXPECT_EQ(icons->itemText(icons->count() - 1), QStringLiteral("ALL"));
}

// --- files -----------------------------------------------------------------------------------

TEST_F(DestPageTest, OpenPicksTheFormatByExtension) {
  struct Case {
    const char* name;
    const char* writtenAs;  // the format of the file's content
    bool loads;
  };
  const Case cases[] = {{"a.mgi", "x.mgi", true}, {"b.MGI", "x.mgi", true}, {"c.zav", "x.zav", true},
                        {"d.ZaV", "x.zav", true}, {"e.txt", "x.zav", false}, {"noextension", "x.zav", false},
                        {"dir.mgi.d/f", "x.mgi", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmptyStore();
    p->InitDefaultCategories();
    AddDest(QStringLiteral("Mine"), 0, 0);
    const QString path = FilePath(QString::fromLatin1(c.name));
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(SampleFile(QString::fromLatin1(c.writtenAs)), path));
    f->SetStatusText(2, QStringLiteral("before"));
    const QString title = f->windowTitle();
    Loaded();
    Open(path);
    if (c.loads) {
      EXPECT_EQ(StoreTitles(), QStringList({"Luigi", "Kyoto", "Park"}));
      EXPECT_EQ(Messages().size(), 0u);
      EXPECT_EQ(Status(2), S(167));
      EXPECT_TRUE(f->windowTitle().endsWith(path));
      EXPECT_EQ(fake->navigated.size(), 1);
      EXPECT_EQ(Rows(), QStringList({"Luigi", "Kyoto", "Park"}));
    } else {
      EXPECT_EQ(StoreTitles(), QStringList({"Mine"}));
      EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(113), S(131)}}));
      EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
      EXPECT_EQ(Status(2), QStringLiteral("before"));
      EXPECT_EQ(f->windowTitle(), title);
      EXPECT_EQ(fake->navigated.size(), 0);
    }
    EXPECT_EQ(Status(1), S(0));
  }
  const UiServices::FileDialog& d = env.services.fileDialogs.back();
  EXPECT_EQ(d.filter, S(137));
  EXPECT_EQ(d.folder, pathManager->GetDataDir());
  EXPECT_TRUE(d.fileName.isEmpty());
}

TEST_F(DestPageTest, OpenCancelledChangesNothing) {
  AddDest(QStringLiteral("Mine"), 0, 0);
  p->bgDestFile_OpenClick();
  EXPECT_EQ(StoreTitles(), QStringList({"Mine"}));
  EXPECT_EQ(fake->navigated.size(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DestPageTest, MgiReplacesTheCategoriesZavMergesByName) {
  const QString mgi = SampleFile(QStringLiteral("s.mgi"));
  const QString zav = SampleFile(QStringLiteral("s.zav"));
  // The defaults and no destination: the device file brings its own.
  Open(mgi);
  EXPECT_EQ(Categories(), QStringList({"Food", "Rest"}));
  EXPECT_EQ(Row(1), QStringList({"Kyoto", "Food", "Sushi"}));
  EXPECT_EQ(ComboItems(p->cmbSelCategory), QStringList({"Food", "Rest", S(12)}));
  EXPECT_EQ(ComboItems(p->cmbSelSubCategory), QStringList({"Pizza", "Sushi", S(12)}));

  // ZAV into a store without destinations keeps the categories it has.
  EmptyStore();
  p->InitDefaultCategories();
  Open(zav);
  EXPECT_EQ(Categories().size(), 10);
  EXPECT_EQ(Categories().mid(8), QStringList({"Food", "Rest"}));
  EXPECT_EQ(Row(2), QStringList({"Park", "Rest", "Bench"}));
  // Again: the store holds destinations now, so it is emptied first.
  Open(zav);
  EXPECT_EQ(Categories(), QStringList({"Food", "Rest"}));
  EXPECT_EQ(StoreTitles(), QStringList({"Luigi", "Kyoto", "Park"}));
}

// A device file's record under no category of the file has no names to be
// filed by: the open leaves it out and says so.
TEST_F(DestPageTest, MgiRecordUnderNoCategoryIsLeftOutAndNamed) {
  QFile sample(SampleFile(QStringLiteral("s.mgi")));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  QByteArray bytes = sample.readAll();
  // "Luigi", the first record, under category 9 of the file's 2.
  bytes[qFromLittleEndian<quint32>(bytes.constData() + 12)] = 9;
  const QString path = FilePath(QStringLiteral("loose.mgi"));
  QFile loose(path);
  ASSERT_TRUE(loose.open(QIODevice::WriteOnly));
  loose.write(bytes);
  loose.close();
  Open(path);
  EXPECT_EQ(StoreTitles(), QStringList({"Kyoto", "Park"}));
  EXPECT_EQ(Status(2), S(168));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{
                            {S(0), path + "\n1 destination left out: its category or sub-category is not in the file."}}));
  EXPECT_EQ(env.services.messages.back().icon, Icon::Warning);
  EXPECT_TRUE(f->windowTitle().endsWith(path));
}

TEST_F(DestPageTest, DamagedFileLeavesTheDestinationsAsTheyWere) {
  const QString good = SampleFile(QStringLiteral("good.zav"));
  Open(good);
  ASSERT_TRUE(f->windowTitle().endsWith(good));
  EmptyStore();
  p->InitDefaultCategories();
  AddDest(QStringLiteral("Mine"), 2, 0);
  const QString badMgi = FilePath(QStringLiteral("bad.mgi"));
  QFile goodMgi(SampleFile(QStringLiteral("good.mgi")));
  ASSERT_TRUE(goodMgi.open(QIODevice::ReadOnly));
  QByteArray bytes = goodMgi.readAll();
  bytes.truncate(bytes.size() / 2);  // cut short: the header promises more
  QFile bad(badMgi);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(bytes);
  bad.close();
  const QString badZav = FilePath(QStringLiteral("bad.zav"));
  QFile z(badZav);
  ASSERT_TRUE(z.open(QIODevice::WriteOnly));
  z.write("not a destination file\r\n");
  z.close();
  // A ZAV file without its end line: the rest of it is missing.
  const QString cutZav = FilePath(QStringLiteral("cut.zav"));
  QFile goodZav(good);
  ASSERT_TRUE(goodZav.open(QIODevice::ReadOnly));
  QByteArray zavBytes = goodZav.readAll();
  zavBytes.truncate(zavBytes.lastIndexOf("ZAVEOF"));
  QFile cut(cutZav);
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(zavBytes);
  cut.close();
  const int cutLines = static_cast<int>(zavBytes.count('\n'));

  // The loader's reason under the general text, where it has one.
  const std::pair<QString, QString> cases[] = {
      {badMgi, QString()},
      {badZav, QStringLiteral("The file is not a ZAV destination file: its first line is not a ZAV header.")},
      {cutZav, QStringLiteral("The file is cut short after line %1: its end line ZAVEOF is missing.").arg(cutLines)},
      {FilePath(QStringLiteral("missing.zav")), QString()},
  };
  for (const auto& [path, why] : cases) {
    SCOPED_TRACE(path.toStdString());
    Loaded();
    Open(path);
    EXPECT_EQ(StoreTitles(), QStringList({"Mine"}));
    EXPECT_EQ(Categories().size(), 8);
    EXPECT_EQ(MAX_TITLE_LEN, 32);
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{
                              {S(113), why.isEmpty() ? S(129) : S(129) + QLatin1Char('\n') + why}}));
    EXPECT_EQ(Status(2), S(168));
    // Nothing of the file is held: the title still names the file before.
    EXPECT_EQ(f->windowTitle(), mainWindowTitle + good);
    EXPECT_EQ(Rows(), QStringList({"Mine"}));
    EXPECT_EQ(fake->navigated.size(), 1);
  }
}

// The loader's reason in the chosen language, under the language file's text.
TEST_F(DestPageTest, DamagedFileSaysWhyInTheChosenLanguage) {
  QFile goodZav(SampleFile(QStringLiteral("good.zav")));
  ASSERT_TRUE(goodZav.open(QIODevice::ReadOnly));
  QByteArray zavBytes = goodZav.readAll();
  zavBytes.truncate(zavBytes.lastIndexOf("ZAVEOF"));
  const QString cutZav = FilePath(QStringLiteral("cut.zav"));
  QFile cut(cutZav);
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(zavBytes);
  cut.close();
  const int cutLines = static_cast<int>(zavBytes.count('\n'));
  const std::pair<const char*, QString> cases[] = {
      {"de", QStringLiteral("Die Datei endet vorzeitig nach Zeile %1: Die Schlusszeile ZAVEOF fehlt.").arg(cutLines)},
      {"ja", QStringLiteral("ファイルが %1 行目の後で途切れています: 終了行 ZAVEOF がありません。").arg(cutLines)},
  };
  for (const auto& [language, why] : cases) {
    SCOPED_TRACE(language);
    uitest::Speaking speaking(env, QString::fromLatin1(language));
    Loaded();
    Open(cutZav);
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(113), S(129) + QLatin1Char('\n') + why}}));
    EXPECT_EQ(Status(2), S(168));
  }
}

TEST_F(DestPageTest, OpenRefusesAPipe) {
  AddDest(QStringLiteral("Mine"), 2, 0);
  const QString pipe = FilePath(QStringLiteral("pipe.zav"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  QFile sample(SampleFile(QStringLiteral("sample.zav")));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  const QByteArray content = sample.readAll();
  // A writer that feeds a whole destination file to whoever opens the pipe.
  std::thread writer([&] {
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
    if (fd < 0) return;
    [[maybe_unused]] const auto n = ::write(fd, content.constData(), static_cast<std::size_t>(content.size()));
    ::close(fd);
  });
  Open(pipe);
  // Release the writer when the page did not read.
  const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
  writer.join();
  if (reader >= 0) ::close(reader);
  EXPECT_EQ(StoreTitles(), QStringList({"Mine"}));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(113), S(129)}}));
  EXPECT_EQ(Status(2), S(168));
}

TEST_F(DestPageTest, SaveByExtensionAndItsFailures) {
  AddDest(QStringLiteral("Mine"), 2, 0);
  // Cancelled.
  p->bgDestFile_SaveClick();
  EXPECT_EQ(Status(2), S(168));
  EXPECT_TRUE(Messages().empty());
  const UiServices::FileDialog& d = env.services.fileDialogs.back();
  EXPECT_EQ(d.filter, S(137));
  EXPECT_EQ(d.defaultSuffix, QStringLiteral("zav"));
  EXPECT_EQ(d.folder, pathManager->GetDataDir());
  // Another extension.
  Save(FilePath(QStringLiteral("x.txt")));
  EXPECT_EQ(Status(2), S(168));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(114), S(131)}}));
  EXPECT_FALSE(QFile::exists(FilePath(QStringLiteral("x.txt"))));
  // Both formats, capitals too.
  for (const char* name : {"ok.zav", "ok.MGI"}) {
    SCOPED_TRACE(name);
    Loaded();
    const QString path = FilePath(QString::fromLatin1(name));
    Save(path);
    EXPECT_EQ(Status(2), S(167));
    EXPECT_TRUE(f->windowTitle().endsWith(path));
    EXPECT_TRUE(Messages().empty());
    DestStorage back;
    std::unique_ptr<FileBase> file;
    if (QString::fromLatin1(name).endsWith(QStringLiteral("MGI")))
      file = std::make_unique<KorviFile>(back);
    else
      file = std::make_unique<ZavFile>(back);
    ASSERT_EQ(file->Load(path), 1);
    EXPECT_EQ(back.Items().size(), 1u);
  }
}

TEST_F(DestPageTest, FailedSaveSaysFailedAndWhyAsEverySaveDoes) {
  auto said = [](int code) { return QString::fromLocal8Bit(std::strerror(code)); };
  QDir().mkpath(FilePath(QStringLiteral("folder.zav")));
  struct Case {
    const char* what;
    const char* name;
    std::function<void()> arrange;
    std::uint64_t sizeLimit;  // 0: none
    QString reason;
    bool oldFile;
  } const cases[] = {
      {"no such folder", "nowhere/x.zav", [] {}, 0, said(ENOENT), false},
      {"a folder in the file's place", "folder.zav", [] {}, 0, said(EISDIR), false},
      // /proc makes no files, not even for root, who may write into it: the
      // failed call's reason, no full disk.
      {"a folder where no file can be made", "/proc/trevik.zav", [] {}, 0, said(::geteuid() == 0 ? ENOENT : EACCES),
       false},
      {"full disk, zav", "full.zav", [] {}, 4096, said(EFBIG), true},
      {"full disk, mgi", "full.mgi", [] {}, 4096, said(EFBIG), true},
      {"more categories than the device file holds", "many.mgi",
       [] {
         for (int c = 0; c < 300; ++c) destStorage.AddCategory(QStringLiteral("c%1").arg(c));
       },
       0, QStringLiteral("The device file holds at most 255 categories."), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EmptyStore();
    p->InitDefaultCategories();
    // More than the size limit lets through.
    for (int i = 0; i < 200; ++i) AddDest(QStringLiteral("Destination %1").arg(i), i % 8, 0);
    c.arrange();
    const QString name = QString::fromLatin1(c.name);
    const QString path = name.startsWith(QLatin1Char('/')) ? name : FilePath(name);
    if (c.oldFile) {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("old contents");
    }
    env.services.messages.clear();
    const QString title = f->windowTitle();
    env.services.saveAnswers.push_back(path);
    {
      std::optional<testenv::FileSizeLimit> limit;
      if (c.sizeLimit) limit.emplace(c.sizeLimit);
      QTest::mouseClick(p->bgDestFile->Item(1), Qt::LeftButton);
    }
    // Panel 2 holds the result alone; the box names the file and the reason.
    EXPECT_EQ(Status(2), S(168));
    EXPECT_EQ(Status(3), c.reason);
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{
                              {S(114), S(168) + QStringLiteral(": ") + path + QLatin1Char('\n') + c.reason}}));
    EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
    EXPECT_EQ(f->windowTitle(), title);
    if (c.oldFile) {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::ReadOnly));
      EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    }
  }
  EXPECT_TRUE(QFileInfo(FilePath(QStringLiteral("folder.zav"))).isDir());
}

TEST_F(DestPageTest, EmptyStoreSavesAsZav) {
  const QString path = FilePath(QStringLiteral("empty.zav"));
  Save(path);
  EXPECT_EQ(Status(2), S(167));
  EXPECT_TRUE(QFile::exists(path));
}

TEST_F(DestPageTest, ZavOpenAddSaveReopenKeepsTheDestinations) {
  Open(SampleFile(QStringLiteral("trip.zav")));
  OnEditor([](TFormDestEditor& e) {
    e.edtTitle->setText(QStringLiteral("Harbour"));
    e.cmbCategory->setCurrentIndex(e.cmbCategory->count() - 1);  // "Rest"
    e.cmbCategoryChange();
    e.edtInfo->setText(QStringLiteral("boats"));
    e.edtLat->setText(QStringLiteral("54.32"));
    e.edtLon->setText(QStringLiteral("10.14"));
  });
  p->bgDestTable_AddClick();
  ASSERT_EQ(p->RowCount(), 4);
  const QString saved = FilePath(QStringLiteral("trip2.zav"));
  Save(saved);
  ASSERT_EQ(Status(2), S(167));
  struct Shot {
    QString title, info, category, sub;
    double lat, lng;
    // The device file keeps positions to 1e-5 degree.
    bool operator==(const Shot& o) const {
      return title == o.title && info == o.info && category == o.category && sub == o.sub &&
             std::fabs(lat - o.lat) < 1e-9 && std::fabs(lng - o.lng) < 1e-9;
    }
  };
  auto snapshot = [] {
    std::vector<Shot> out;
    for (const auto& d : destStorage.Items())
      out.push_back({d->Title, d->Info, *destStorage.GetCategory(d->Category),
                     *destStorage.GetSubCategory(d->Category, d->SubCategory), d->Latitude, d->Longitude});
    return out;
  };
  const std::vector<Shot> before = snapshot();
  Open(saved);
  EXPECT_TRUE(snapshot() == before);
  EXPECT_EQ(Row(3), QStringList({"Harbour", "Rest", "Bench"}));

  // The device file the same way.
  const QString mgi = FilePath(QStringLiteral("trip.mgi"));
  Save(mgi);
  ASSERT_EQ(Status(2), S(167));
  Open(mgi);
  EXPECT_TRUE(snapshot() == before);
}

// --- adding ------------------------------------------------------------------------------------

TEST_F(DestPageTest, AddSendsTheStoredTitleAndRefills) {
  const QString typed = QStringLiteral("Joe's \"pub\" </script> and a long tail of text");
  OnEditorType(typed, QStringLiteral("48.1371"), QStringLiteral("11.5754"));
  p->bgDestTable_AddClick();
  ASSERT_EQ(destStorage.Items().size(), 1u);
  const DestItem* d = destStorage.Items().at(0);
  EXPECT_EQ(d->Title, typed.left(32));
  EXPECT_EQ(fake->scripts, QStringList({QStringLiteral("dst_addPoint(48.1371,11.5754,'") +
                                        EscapeJsString(typed.left(32)) + QStringLiteral("')")}));
  EXPECT_EQ(Rows(), QStringList({typed.left(32)}));
  EXPECT_EQ(fake->navigated.size(), 0);

  // Cancelled: nothing.
  Loaded();
  env.services.onDialog = nullptr;
  p->bgDestTable_AddClick();
  EXPECT_EQ(destStorage.Items().size(), 1u);
  EXPECT_TRUE(fake->scripts.isEmpty());
}

TEST_F(DestPageTest, AddCountsTheRowsTheFiltersShow) {
  destStorage.AddSubCategory(0, QStringLiteral("Second"));
  for (int i = 0; i < 150; ++i) AddDest(QStringLiteral("d%1").arg(i), 0, i < 12 ? 1 : 0);
  OnEditorType(QStringLiteral("fresh"));
  p->FillDestList();
  p->bgDestTable_AddClick();  // 150 rows
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(136)}}));
  EXPECT_EQ(env.services.messages.back().icon, Icon::Information);
  EXPECT_EQ(env.services.dialogsShown, 0);

  env.services.messages.clear();
  Pick(p->cmbSelCategory, 0);
  Pick(p->cmbSelSubCategory, 1);  // 12 rows
  ASSERT_EQ(p->RowCount(), 12);
  p->bgDestTable_AddClick();
  EXPECT_TRUE(Messages().empty());
  EXPECT_NE(destStorage.FindItem(dlActive, QStringLiteral("fresh")), nullptr);
}

TEST_F(DestPageTest, AddWithoutCategoryIsRefused) {
  p->bgDestTableItems3Click();
  Loaded();
  p->bgDestTable_AddClick();
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(127), S(128)}}));
  EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
  EXPECT_EQ(env.services.dialogsShown, 0);
}

// --- modifying ---------------------------------------------------------------------------------

TEST_F(DestPageTest, ModifyNeedsExactlyOneRow) {
  AddDest(QStringLiteral("A"), 0, 0);
  AddDest(QStringLiteral("B"), 0, 0);
  p->FillDestList();
  for (auto rows : {std::initializer_list<int>{}, std::initializer_list<int>{0, 1}}) {
    env.services.messages.clear();
    Select(rows);
    p->bgDestTable_ModifyClick();
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(130)}}));
    EXPECT_EQ(env.services.dialogsShown, 0);
  }
  // The double click takes the first selected row; with none it does nothing.
  Select({});
  p->lvDestDblClick();
  EXPECT_EQ(env.services.dialogsShown, 0);
  OnEditorType(QStringLiteral("A2"));
  Select({0, 1});
  p->lvDestDblClick();
  EXPECT_EQ(StoreTitles(), QStringList({"A2", "B"}));
}

TEST_F(DestPageTest, ModifyActsOnTheRowsOwnDestination) {
  DestItem* a = AddDest(QStringLiteral("Same"), 0, 0, QStringLiteral("first"));
  DestItem* b = AddDest(QStringLiteral("Other"), 1, 0, QStringLiteral("second"));
  DestItem* empty = AddDest(QString(), 2, 0, QStringLiteral("no title"));
  b->SetTitle(QStringLiteral("Same"));  // two equal titles, as older stores may hold
  p->FillDestList();
  Loaded();
  QString seenInfo;
  OnEditor([&](TFormDestEditor& e) {
    seenInfo = e.edtInfo->text();
    e.edtInfo->setText(e.edtInfo->text() + QStringLiteral("!"));
  });
  Select({1});
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(seenInfo, QStringLiteral("second"));
  // Keeping a title that another destination has is refused as well.
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(120)}}));
  EXPECT_EQ(b->Info, QStringLiteral("second"));
  OnEditor([&](TFormDestEditor& e) {
    seenInfo = e.edtInfo->text();
    e.edtTitle->setText(QStringLiteral("Unique"));
    e.edtInfo->setText(e.edtInfo->text() + QStringLiteral("!"));
  });
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(seenInfo, QStringLiteral("second"));
  EXPECT_EQ(b->Info, QStringLiteral("second!"));
  EXPECT_EQ(b->Title, QStringLiteral("Unique"));
  EXPECT_EQ(a->Info, QStringLiteral("first"));
  EXPECT_EQ(a->Title, QStringLiteral("Same"));
  EXPECT_EQ(fake->navigated.size(), 1);

  OnEditorType(QStringLiteral("Named now"));
  Select({2});
  p->lvDestDblClick();
  EXPECT_EQ(empty->Title, QStringLiteral("Named now"));
  EXPECT_EQ(Rows(), QStringList({"Same", "Unique", "Named now"}));
}

TEST_F(DestPageTest, ModifiedTitleShowsAndStaysTheSameDestination) {
  DestItem* d = AddDest(QStringLiteral("Old"), 0, 0);
  p->FillDestList();
  OnEditorType(QStringLiteral("New"));
  Select({0});
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(Rows(), QStringList({"New"}));
  EXPECT_EQ(destStorage.FindItem(dlActive, QStringLiteral("New")), d);
  OnEditorType(QStringLiteral("Newer"));
  Select({0});
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(d->Title, QStringLiteral("Newer"));
}

TEST_F(DestPageTest, ModifyWithoutCategory) {
  AddDest(QStringLiteral("Lost"), 99, 0);  // of no category: survives DeleteAll
  p->bgDestTableItems3Click();
  ASSERT_EQ(p->RowCount(), 1);
  Select({0});
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(128)}}));
  EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
  env.services.messages.clear();
  p->lvDestDblClick();
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(127), S(128)}}));
  EXPECT_EQ(env.services.messages.back().icon, Icon::Information);
  EXPECT_EQ(env.services.dialogsShown, 0);
}

// --- deleting ----------------------------------------------------------------------------------

TEST_F(DestPageTest, DeleteTakesTheSelectedDestinationsInListOrder) {
  DestItem* d0 = AddDest(QStringLiteral("zero"), 0, 0);
  AddDest(QStringLiteral("one"), 1, 0);
  DestItem* d2 = AddDest(QStringLiteral("two"), 0, 0);
  AddDest(QStringLiteral("three"), 0, 0);
  DestItem* d4 = AddDest(QStringLiteral("four"), 0, 0);
  d4->SetTitle(QStringLiteral("zero"));  // an equal title must not pull the first one
  Pick(p->cmbSelCategory, 0);            // rows: zero two three zero(4)
  Loaded();
  Select({3, 1, 0});
  p->bgDestTable_DeleteClick();
  EXPECT_EQ(StoreTitles(), QStringList({"one", "three"}));
  const DestItemList& removed = destStorage.Items(dlRemoved);
  ASSERT_EQ(removed.size(), 3u);
  EXPECT_EQ(removed.at(0), d0);
  EXPECT_EQ(removed.at(1), d2);
  EXPECT_EQ(removed.at(2), d4);
  EXPECT_EQ(Rows(), QStringList({"three"}));
  EXPECT_EQ(fake->navigated.size(), 1);

  // The Delete key, with modifiers too; with nothing selected the map page is
  // still regenerated.
  Loaded();
  Select({0});
  QTest::keyClick(p->lvDest, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(StoreTitles(), QStringList({"one"}));
  EXPECT_EQ(fake->navigated.size(), 1);
  f->PageLoaded = true;
  QTest::keyClick(p->lvDest, Qt::Key_Delete);
  EXPECT_EQ(StoreTitles(), QStringList({"one"}));
  EXPECT_EQ(fake->navigated.size(), 2);
}

TEST_F(DestPageTest, DeleteAllEmptiesTheStoreAndTheFilters) {
  FilterData();
  Pick(p->cmbSelCategory, 0);
  Loaded();
  p->bgDestTableItems3Click();
  EXPECT_EQ(destStorage.CategoryCount(), 0);
  EXPECT_TRUE(destStorage.Items().empty());
  EXPECT_EQ(p->cmbSelCategory->count(), 0);
  EXPECT_EQ(p->cmbSelSubCategory->count(), 0);
  EXPECT_EQ(p->RowCount(), 0);
  EXPECT_EQ(fake->navigated.size(), 1);
}

TEST_F(DestPageTest, RowsOfAChangedStoreAreLeftAloneUntilTheRefill) {
  AddDest(QStringLiteral("A"), 0, 0);
  AddDest(QStringLiteral("B"), 0, 0);
  p->FillDestList();
  Select({1});
  // Another part of the program empties the store and has not refilled yet.
  EmptyStore();
  Loaded();
  EXPECT_EQ(p->RowCount(), 2);
  EXPECT_EQ(Row(1), QStringList({"", "", ""}));
  p->lvDest->grab();  // painting reads nothing that is gone
  p->bgDestTable_ModifyClick();
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(130)}}));
  Select({0});
  EXPECT_TRUE(DstScripts().isEmpty());
  // Delete with such a row selected deletes nothing and refills the list.
  p->bgDestTable_DeleteClick();
  EXPECT_EQ(fake->navigated.size(), 1);
  EXPECT_EQ(p->RowCount(), 0);
}

// --- selecting ---------------------------------------------------------------------------------

TEST_F(DestPageTest, SelectingSendsTheStorePosition) {
  FilterData();
  Pick(p->cmbSelCategory, 6);  // "Transport": only Airport, store position 3
  Loaded();
  Select({0});
  EXPECT_EQ(DstScripts(), QStringList({"dst_jumpToPoint(3)"}));
  Pick(p->cmbSelCategory, 8);
  Loaded();
  Select({2});
  Select({1, 2});  // several rows: nothing more
  EXPECT_EQ(DstScripts(), QStringList({"dst_jumpToPoint(2)"}));
}

// --- category editor ---------------------------------------------------------------------------

QStringList Items(QTreeWidget* list) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
  return out;
}

void SelectRow(QTreeWidget* list, int row) {
  list->clearSelection();
  list->topLevelItem(row)->setSelected(true);
}

TEST_F(DestPageTest, CategoryEditorAddAndRenameRules) {
  TFormCatEditor e(f.get());
  EXPECT_EQ(e.windowTitle(), S(145));
  EXPECT_EQ(Items(e.lvMainCat), Categories());
  EXPECT_EQ(Items(e.lvSubCat), QStringList({"Fast Food"}));
  EXPECT_EQ(e.btnClose->text(), S(158));
  EXPECT_EQ(e.bgMainCat->Item(0)->toolTip(), S(103));
  EXPECT_EQ(e.bgSubCat->Item(1)->toolTip(), S(104));

  // A sub-category without a chosen category goes to the first one.
  e.edtSubCat->setText(QStringLiteral("Bakery"));
  e.bgSubCat->Item(0)->click();
  EXPECT_EQ(Items(e.lvSubCat), QStringList({"Fast Food", "Bakery"}));
  e.bgSubCat->Item(0)->click();  // the same name again: nothing
  EXPECT_EQ(destStorage.SubCategoryCount(0), 2);
  EXPECT_EQ(e.edtSubCat->text(), QStringLiteral("Bakery"));

  // Categories: an empty edit adds nothing, an exact name nothing, other case a new one.
  e.bgMainCat->Item(0)->click();
  EXPECT_EQ(destStorage.CategoryCount(), 8);
  e.edtMainCat->setText(QStringLiteral("Cafe/Hotel"));
  e.bgMainCat->Item(0)->click();
  EXPECT_EQ(destStorage.CategoryCount(), 8);
  e.edtMainCat->setText(QStringLiteral("cafe/hotel"));
  e.bgMainCat->Item(0)->click();
  EXPECT_EQ(destStorage.CategoryCount(), 9);
  SelectRow(e.lvMainCat, 8);
  EXPECT_EQ(e.SelectedCategory, 8);
  EXPECT_TRUE(Items(e.lvSubCat).isEmpty());

  // Rename without a selected row: nothing.
  e.lvMainCat->clearSelection();
  e.edtMainCat->setText(QStringLiteral("X"));
  e.bgMainCat->Item(1)->click();
  EXPECT_EQ(Categories().count(QStringLiteral("X")), 0);
  EXPECT_EQ(e.SelectedCategory, 8);  // a deselection keeps it

  // Rename to another category's name: two rows of it, each its own category.
  SelectRow(e.lvMainCat, 1);
  e.edtMainCat->setText(QStringLiteral("Culture"));
  e.bgMainCat->Item(1)->click();
  EXPECT_EQ(Items(e.lvMainCat).mid(1, 2), QStringList({"Culture", "Culture"}));
  SelectRow(e.lvMainCat, 2);
  EXPECT_EQ(Items(e.lvSubCat), QStringList({"Antiguity"}));
  SelectRow(e.lvMainCat, 1);
  EXPECT_EQ(Items(e.lvSubCat), QStringList({"ATM"}));
  // A sub-category rename acts on the selected row's category.
  SelectRow(e.lvMainCat, 2);
  SelectRow(e.lvSubCat, 0);
  e.edtSubCat->setText(QStringLiteral("Museum"));
  e.bgSubCat->Item(1)->click();
  EXPECT_EQ(*destStorage.GetSubCategory(2, 0), QStringLiteral("Museum"));
  EXPECT_EQ(*destStorage.GetSubCategory(1, 0), QStringLiteral("ATM"));
  // And to the empty text: accepted.
  SelectRow(e.lvMainCat, 3);
  e.edtMainCat->clear();
  e.bgMainCat->Item(1)->click();
  EXPECT_EQ(*destStorage.GetCategory(3), QString());
}

TEST_F(DestPageTest, CategoryEditorClosedWithOkRefillsTheFilters) {
  FilterData();
  Pick(p->cmbSelCategory, 0);
  ASSERT_EQ(p->RowCount(), 2);
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormCatEditor*>(&d);
    EXPECT_EQ(FormCatEditor, e);
    e->edtMainCat->setText(QStringLiteral("New"));
    e->bgMainCat->Item(0)->click();
    return int(QDialog::Rejected);  // the close box
  };
  p->btnEditCatClick();
  EXPECT_EQ(destStorage.CategoryCount(), 9);  // the store keeps it anyway
  EXPECT_EQ(p->cmbSelCategory->count(), 9);
  EXPECT_EQ(p->RowCount(), 2);
  EXPECT_EQ(FormCatEditor, nullptr);
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormCatEditor*>(&d);
    e->btnClose->click();
    return e->result();
  };
  p->btnEditCatClick();
  EXPECT_EQ(p->cmbSelCategory->count(), 10);
  EXPECT_EQ(p->cmbSelCategory->currentIndex(), 9);
  EXPECT_EQ(p->cmbSelSubCategory->itemText(0), QStringLiteral("Fast Food"));
  EXPECT_EQ(p->RowCount(), 4);  // the filters and the list agree again
}

TEST_F(DestPageTest, ANewCategoryIsNamedAsNeedingASubCategory) {
  ShowPage();
  env.services.onDialog = [this](QDialog& d) {
    if (auto* cat = qobject_cast<TFormCatEditor*>(&d)) {
      cat->edtMainCat->setText(QStringLiteral("Bare"));
      QTest::mouseClick(cat->bgMainCat->Item(0), Qt::LeftButton);
      QTest::mouseClick(cat->btnClose, Qt::LeftButton);
      return cat->result();
    }
    auto* e = qobject_cast<TFormDestEditor*>(&d);
    if (!e) return int(QDialog::Rejected);
    e->edtTitle->setText(QStringLiteral("Somewhere"));
    Pick(e->cmbCategory, 8);
    EXPECT_EQ(e->cmbSubCategory->count(), 0);
    QTest::mouseClick(e->btnAct, Qt::LeftButton);
    // Title, latitude and longitude are there: the message must not ask for them.
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{
                              {S(115), "The category \"Bare\" has no sub-category. Add one with the category "
                                       "editor first."}}));
    return e->result();
  };
  QTest::mouseClick(p->btnEditCat, Qt::LeftButton);
  ASSERT_EQ(Categories().value(8), QStringLiteral("Bare"));
  QTest::mouseClick(p->bgDestTable->Item(0), Qt::LeftButton);
  EXPECT_EQ(env.services.dialogsShown, 2);
  EXPECT_TRUE(destStorage.Items().empty());
  EXPECT_TRUE(DstScripts().isEmpty());
}

// Every button of the page, its list's clicks and its Delete key, pressed as
// the user presses them: a lost connection fails here.
TEST_F(DestPageTest, ButtonsAndListReachTheirHandlers) {
  ShowPage();
  auto press = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
  auto rowCentre = [&](int row) { return p->lvDest->visualRect(p->destModel->index(row, 0)).center(); };

  env.services.openAnswers.push_back(SampleFile(QStringLiteral("press.zav")));
  press(p->bgDestFile->Item(0));
  ASSERT_EQ(Rows(), QStringList({"Luigi", "Kyoto", "Park"}));

  const QString saved = FilePath(QStringLiteral("pressed.zav"));
  env.services.saveAnswers.push_back(saved);
  press(p->bgDestFile->Item(1));
  EXPECT_TRUE(QFile::exists(saved));
  EXPECT_EQ(f->windowTitle(), mainWindowTitle + saved);

  // The device buttons: the upload asks first (no), the download finds no device.
  Loaded();
  env.services.answer = UiServices::No;
  press(p->bgDestDevice->Item(0));
  env.services.answer = UiServices::Ok;
  apConfig->Port = 49;
  press(p->bgDestDevice->Item(1));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{
                            {S(116), S(118)}, {S(117), S(115) + "\nCOM 49 could not be opened."}}));

  OnEditorType(QStringLiteral("Pressed"), QStringLiteral("1"), QStringLiteral("2"));
  press(p->bgDestTable->Item(0));
  ASSERT_EQ(Rows(), QStringList({"Luigi", "Kyoto", "Park", "Pressed"}));

  // A click on a row selects it and shows it on the map.
  Loaded();
  QTest::mouseClick(p->lvDest->viewport(), Qt::LeftButton, {}, rowCentre(3));
  EXPECT_EQ(DstScripts(), QStringList({"dst_jumpToPoint(3)"}));
  OnEditor([](TFormDestEditor& e) { e.edtInfo->setText(QStringLiteral("modified")); });
  press(p->bgDestTable->Item(1));
  EXPECT_EQ(destStorage.FindItem(dlActive, QStringLiteral("Pressed"))->Info, QStringLiteral("modified"));

  OnEditor([](TFormDestEditor& e) { e.edtInfo->setText(QStringLiteral("double")); });
  // A widget's double click comes after the click of its first press.
  QTest::mouseClick(p->lvDest->viewport(), Qt::LeftButton, {}, rowCentre(0));
  QTest::mouseDClick(p->lvDest->viewport(), Qt::LeftButton, {}, rowCentre(0));
  EXPECT_EQ(destStorage.FindItem(dlActive, QStringLiteral("Luigi"))->Info, QStringLiteral("double"));

  QTest::mouseClick(p->lvDest->viewport(), Qt::LeftButton, {}, rowCentre(3));
  QTest::keyClick(p->lvDest, Qt::Key_Delete);
  EXPECT_EQ(Rows(), QStringList({"Luigi", "Kyoto", "Park"}));
  QTest::mouseClick(p->lvDest->viewport(), Qt::LeftButton, {}, rowCentre(0));
  press(p->bgDestTable->Item(2));
  EXPECT_EQ(Rows(), QStringList({"Kyoto", "Park"}));

  // The searches: the title search on with a text.
  p->edtTitleSearch->setText(QStringLiteral("Par"));
  press(p->btnDestSearch);
  EXPECT_EQ(Rows(), QStringList({"Park"}));
  press(p->btnDestSearch);
  p->edtInfoSearch->setText(QStringLiteral("info K"));
  press(p->btnInfoSearch);
  EXPECT_EQ(Rows(), QStringList({"Kyoto"}));
  press(p->btnInfoSearch);

  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormCatEditor*>(&d);
    if (!e) return int(QDialog::Rejected);
    e->edtMainCat->setText(QStringLiteral("Pressed"));
    QTest::mouseClick(e->bgMainCat->Item(0), Qt::LeftButton);
    QTest::mouseClick(e->btnClose, Qt::LeftButton);
    return e->result();
  };
  press(p->btnEditCat);
  const QStringList filters = ComboItems(p->cmbSelCategory);
  EXPECT_EQ(filters.mid(filters.size() - 2), QStringList({"Pressed", S(12)}));

  env.services.answer = UiServices::Yes;  // the new category is unsaved work
  press(p->bgDestTable->Item(3));
  EXPECT_EQ(destStorage.CategoryCount(), 0);
  EXPECT_EQ(p->RowCount(), 0);
}

// --- destination editor ------------------------------------------------------------------------

TEST_F(DestPageTest, EditorValidationTable) {
  AddDest(QStringLiteral("Taken"), 0, 0);
  AddDest(QStringLiteral("12345678901234567890123456789012"), 0, 0);
  destStorage.AddCategory(QStringLiteral("Bare"));  // no sub-category
  const auto r123 = std::pair<QString, QString>{S(115), S(123)};
  const auto r120 = std::pair<QString, QString>{S(115), S(120)};
  const auto rLat = std::pair<QString, QString>{S(115), "The latitude must lie between -90 and 90 degrees."};
  const auto rLon = std::pair<QString, QString>{S(115), "The longitude must lie between -180 and 180 degrees."};
  const auto rLatNum = std::pair<QString, QString>{S(115), "The latitude must be a number between -90 and 90 degrees."};
  const auto rLonNum =
      std::pair<QString, QString>{S(115), "The longitude must be a number between -180 and 180 degrees."};
  const auto rSub = std::pair<QString, QString>{
      S(115), "The category \"Bare\" has no sub-category. Add one with the category editor first."};
  struct Case {
    const char* name;
    QString title, lat, lon;
    int category;  // -1: keep
    std::vector<std::pair<QString, QString>> messages;
    bool added;
  };
  const Case cases[] = {
      {"good", "Fine", "47.5", "-11.25", -1, {}, true},
      {"empty title", "", "1", "2", -1, {r123}, false},
      {"blank title passes", "  ", "1", "2", -1, {}, true},
      {"empty latitude", "T", "", "2", -1, {r123}, false},
      {"empty longitude", "T", "1", "", -1, {r123}, false},
      {"decimal comma", "Comma", "47,5", "2,25", -1, {}, true},
      {"no number", "T", "47,5,1", "2", -1, {rLatNum}, false},
      {"nan", "T", "nan", "2", -1, {rLatNum}, false},
      {"inf", "T", "1", "inf", -1, {rLonNum}, false},
      {"beyond the north pole", "T", "95", "2", -1, {rLat}, false},
      {"beyond the south pole", "T", "-91", "2", -1, {rLat}, false},
      {"beyond the date line", "T", "1", "181", -1, {rLon}, false},
      {"just beyond the date line", "T", "1", "-180.5", -1, {rLon}, false},
      {"edges of the earth", "Edge", "-90", "180", -1, {}, true},
      {"duplicate title", "Taken", "1", "2", -1, {r120}, false},
      {"duplicate after the cut", "12345678901234567890123456789012xyz", "1", "2", -1, {r120}, false},
      {"category without sub-category", "T", "1", "2", 8, {rSub}, false},
      {"beyond the pole and a category without sub-category", "T", "95", "2", 8, {rLat}, false},
      {"bad number and a category without sub-category", "T", "abc", "2", 8, {rLatNum}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env.services.messages.clear();
    const std::size_t before = destStorage.Items().size();
    TFormDestEditor e(TFormDestEditor::modeAdd, 0, 0, f.get());
    e.edtTitle->setText(c.title);
    e.edtLat->setText(c.lat);
    e.edtLon->setText(c.lon);
    if (c.category >= 0) Pick(e.cmbCategory, c.category);
    QTest::mouseClick(e.btnAct, Qt::LeftButton);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(e.result(), c.added ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(destStorage.Items().size(), before + (c.added ? 1 : 0));
    EXPECT_EQ(e.edtTitle->text(), c.title);  // the inputs stay
    for (const auto& m : env.services.messages) EXPECT_EQ(m.icon, Icon::Error);
  }
  const DestItem* last = destStorage.Items().at(destStorage.Items().size() - 1);
  EXPECT_EQ(last->Title, QStringLiteral("Edge"));
  EXPECT_EQ(last->Latitude, -90);
}

TEST_F(DestPageTest, EditorAddModeShowsThePosition) {
  TFormDestEditor e(TFormDestEditor::modeAdd, 0, 0, f.get());
  EXPECT_EQ(e.windowTitle(), S(144));
  EXPECT_EQ(e.btnAct->text(), S(156));
  EXPECT_EQ(e.btnClose->text(), S(158));
  EXPECT_EQ(e.edtLat->text(), QStringLiteral("0"));
  EXPECT_EQ(e.edtLon->text(), QStringLiteral("0"));
  EXPECT_EQ(e.cmbCategory->count(), 8);
  EXPECT_EQ(e.cmbSubCategory->currentText(), QStringLiteral("Fast Food"));
  EXPECT_EQ(e.lblLat->text(), S(15));
  TFormDestEditor at(TFormDestEditor::modeAdd, 48.1371, 11.5754, f.get());
  EXPECT_EQ(at.edtLat->text(), QStringLiteral("48.1371"));
  // Choosing a category selects its first sub-category.
  destStorage.AddSubCategory(1, QStringLiteral("Bank"));
  TFormDestEditor again(TFormDestEditor::modeAdd, 0, 0, f.get());
  again.cmbCategory->setCurrentIndex(1);
  again.cmbCategoryChange();
  EXPECT_EQ(again.cmbSubCategory->count(), 2);
  EXPECT_EQ(again.cmbSubCategory->currentIndex(), 0);
  // 40 characters are accepted; the store keeps 32.
  again.edtTitle->setText(QString(40, QLatin1Char('x')));
  again.btnActClick();
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_EQ(destStorage.Items().at(0)->Title, QString(32, QLatin1Char('x')));
  EXPECT_EQ(destStorage.Items().at(0)->Category, 1);
}

TEST_F(DestPageTest, EditorModifyMode) {
  destStorage.AddSubCategory(2, QStringLiteral("Opera"));
  DestItem* d = AddDest(QStringLiteral("Mine"), 2, 1, QStringLiteral("notes"), 47.25, -3.5);
  AddDest(QStringLiteral("Yours"), 0, 0);
  {
    TFormDestEditor e(TFormDestEditor::modeModify, d, f.get());
    EXPECT_EQ(e.btnAct->text(), S(157));
    EXPECT_EQ(e.edtTitle->text(), QStringLiteral("Mine"));
    EXPECT_EQ(e.cmbCategory->currentIndex(), 2);
    EXPECT_EQ(e.cmbSubCategory->currentText(), QStringLiteral("Opera"));
    EXPECT_EQ(e.edtInfo->text(), QStringLiteral("notes"));
    EXPECT_EQ(e.edtLat->text(), QStringLiteral("47.25"));
    EXPECT_EQ(e.edtLon->text(), QStringLiteral("-3.5"));
    // Another destination's title is refused; its own is fine.
    e.edtTitle->setText(QStringLiteral("Yours"));
    e.btnActClick();
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(120)}}));
    EXPECT_EQ(d->Title, QStringLiteral("Mine"));
    EXPECT_EQ(e.result(), QDialog::Rejected);
    e.edtTitle->setText(QStringLiteral("Mine"));
    e.cmbCategory->setCurrentIndex(1);
    e.cmbCategoryChange();
    e.edtLat->setText(QStringLiteral("1.5"));
    e.btnActClick();
    EXPECT_EQ(e.result(), QDialog::Accepted);
  }
  EXPECT_EQ(d->Category, 1);
  EXPECT_EQ(d->SubCategory, 0);
  EXPECT_EQ(d->Latitude, 1.5);
  EXPECT_EQ(destStorage.FindItem(dlActive, QStringLiteral("Mine")), d);

  // Cancel changes nothing.
  TFormDestEditor e(TFormDestEditor::modeModify, d, f.get());
  e.edtTitle->setText(QStringLiteral("Changed"));
  e.btnClose->click();
  EXPECT_EQ(e.result(), QDialog::Rejected);
  EXPECT_EQ(d->Title, QStringLiteral("Mine"));
}

// --- the real web engine: a click on the map adds a destination ---------------------------------

TEST(DestPageLive, ClickOnTheMapAddsADestination) {
  uitest::ProgramEnv env("DestPageLive");
  EmptyStore();
  uitest::LiveMap live(
      env, QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nBeep=0\r\n[MAP]\r\nMapzoom=12\r\n"));
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormDestEditor*>(&d);
    if (!e) return int(QDialog::Rejected);
    e->edtTitle->setText(QStringLiteral("Joe's Bar"));
    e->btnAct->click();
    return e->result();
  };
  {
    DestMain f;  // starts on the destination page
    f.show();
    ASSERT_EQ(f.Mode, omDestination);
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    auto* view = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget());
    ASSERT_NE(view, nullptr);
    QWebEnginePage* page = view->page();
    mapweb::Eval(page, QStringLiteral("window.mapHost.report('ready'); true"));
    mapweb::Eval(page, QStringLiteral("mapStub.click(48.125, 11.5); true"));
    ASSERT_TRUE(mapweb::WaitFor([] { return destStorage.Items().size() == 1; }));
    const DestItem* d = destStorage.Items().at(0);
    EXPECT_EQ(d->Title, QStringLiteral("Joe's Bar"));
    EXPECT_DOUBLE_EQ(d->Latitude, 48.125);
    EXPECT_DOUBLE_EQ(d->Longitude, 11.5);
    EXPECT_EQ(f.pgDest->RowCount(), 1);
    EXPECT_EQ(f.pgDest->destModel->index(0, 0).data().toString(), QStringLiteral("Joe's Bar"));
    ASSERT_TRUE(mapweb::WaitFor([&] {
      return mapweb::Eval(page, QStringLiteral("dstData.length === 1 && dstData[0].title === \"Joe's Bar\""))
          .toBool();
    }));
    auto* web = dynamic_cast<WebMapView*>(f.MapBrowser());
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->ConsoleErrors(), QStringList());
  }
  EmptyStore();
}

}  // namespace
