// The waypoint page with real widgets, the real store and real files: the
// filters, adding (dialog and clock), changing, deleting and clearing with
// the script calls they send, the device file round trip and damaged device
// files, the GPX and KML exports checked by xmllint and gpsbabel, the
// waypoint dialog's checks, the coordinate converter and the icon images
// read back from disk. Buttons, the list's clicks and its menu are pressed
// through the widgets.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Fakemapview.h"
#include "Filesizelimit.h"
#include "Fixedzone.h"
#include "Frmgpsconverter.h"
#include "Frmpoieditor.h"
#include "Mainform.h"
#include "pages/Programpage.h"
#include "Mapmessage.h"
#include "Mapstores.h"
#include "Pathmanager.h"
#include "Pipefeed.h"
#include "Poistorage.h"
#include "Shellopen.h"
#include "Textfmt.h"
#include "Uitestenv.h"

namespace fs = std::filesystem;

namespace {

using uitest::FakeMapView;

using Icon = UiServices::Icon;

class WptMain : public TFormMain {
 public:
  WptMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~WptMain() override { WriteBackSettings(); }
  void RefreshMap(double, double) override { calls << QStringLiteral("RefreshMap"); }
  QStringList calls;
};

QString S(int n) { return QStringLiteral("S%1").arg(n); }

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

// A waypoint with its calendar fields, named by them as the program names it.
void AddPoi(int y, int mo, int d, int h, int mi, int s, double lat, double lon, int icon) {
  auto* p = new sUserPOI;
  p->Year = uint16_t(y);
  p->Month = uint8_t(mo);
  p->Day = uint8_t(d);
  p->Hour = uint8_t(h);
  p->Minute = uint8_t(mi);
  p->Second = uint8_t(s);
  p->Latitude = lat;
  p->Longitude = lon;
  p->Icon = uint8_t(icon);
  p->SetName(QStringLiteral("%1/%2/%3 %4:%5:%6")
                 .arg(y, 4, 10, QChar('0'))
                 .arg(mo, 2, 10, QChar('0'))
                 .arg(d, 2, 10, QChar('0'))
                 .arg(h, 2, 10, QChar('0'))
                 .arg(mi, 2, 10, QChar('0'))
                 .arg(s, 2, 10, QChar('0'))
                 .toStdString());
  if (!poiStorage.Add(p)) delete p;
}

std::vector<std::string> StoreNames() {
  std::vector<std::string> names;
  for (int i = 0; i < poiStorage.GetCount(); ++i) names.emplace_back(poiStorage.At(i)->Name);
  return names;
}

class WaypointPage : public ::testing::Test {
 protected:
  WaypointPage() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    InstallMapViewFactory([this](QWidget* parent) {
      auto view = std::make_unique<FakeMapView>(parent);
      fake = view.get();
      return view;
    });
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nWaypoint=1\r\nBeep=0\r\n"));
    env.Start();
    f = std::make_unique<WptMain>();
    page = f->pgWaypoint;
    f->PageLoaded = true;
    fake->scripts.clear();
    f->calls.clear();
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  // The dialog's answer: these inputs, then its OK button.
  void AnswerDialog(const QString& lat, const QString& lon, int icon) {
    env.services.onDialog = [lat, lon, icon](QDialog& d) {
      auto* e = qobject_cast<TFormPoiEditor*>(&d);
      if (!e) return int(QDialog::Rejected);
      e->edtLat->setText(lat);
      e->edtLon->setText(lon);
      e->cmbIcons->setCurrentIndex(icon);
      e->btnActClick();
      return e->result();
    };
  }
  QStringList Listed() const {
    QStringList names;
    for (int r = 0; r < page->RowCount(); ++r) names << page->lvWpt->model()->index(r, 0).data().toString();
    return names;
  }
  std::vector<std::pair<QString, QString>> Messages() const {
    std::vector<std::pair<QString, QString>> out;
    for (const auto& m : env.services.messages) out.emplace_back(m.caption, m.text);
    return out;
  }
  QString WebFile(const QString& name) const { return pathManager->GetWebDir() + QLatin1Char('/') + name; }

  uitest::ProgramEnv env;
  FakeMapView* fake = nullptr;
  std::unique_ptr<WptMain> f;
  TWaypointPage* page = nullptr;
};

// --- the list and its filters ----------------------------------------------------------

TEST_F(WaypointPage, FilterTableIconByDay) {
  AddPoi(2014, 5, 3, 8, 0, 0, 48.5, 11.25, 0);
  AddPoi(2014, 5, 3, 9, 0, 0, 48.6, 11.3, 2);
  AddPoi(2014, 5, 4, 8, 0, 0, 48.7, 11.4, 2);
  AddPoi(2015, 5, 3, 8, 0, 0, 48.8, 11.5, 0);
  const int all = poiStorage.IconCount;
  struct Case {
    int icon;
    bool dateDown;
    QDate date;
    QStringList expected;
  };
  const Case cases[] = {
      {all, false, QDate(2000, 1, 1),
       {"2014/05/03 08:00:00", "2014/05/03 09:00:00", "2014/05/04 08:00:00", "2015/05/03 08:00:00"}},
      {2, false, QDate(2000, 1, 1), {"2014/05/03 09:00:00", "2014/05/04 08:00:00"}},
      {all, true, QDate(2014, 5, 3), {"2014/05/03 08:00:00", "2014/05/03 09:00:00"}},
      {2, true, QDate(2014, 5, 3), {"2014/05/03 09:00:00"}},
      {0, true, QDate(2014, 5, 4), {}},
      {5, false, QDate(2000, 1, 1), {}},
      {all, true, QDate(2030, 1, 1), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.icon * 10 + c.dateDown);
    page->btnWptSearch->setChecked(c.dateDown);
    page->DateTimePicker->setDate(c.date);
    page->cmbSelIcon->setCurrentIndex(c.icon);
    page->FillWptList();
    EXPECT_EQ(Listed(), c.expected);
  }
  // Rows show name, icon and the numbers as the framework prints them.
  page->btnWptSearch->setChecked(false);
  page->cmbSelIcon->setCurrentIndex(all);
  page->FillWptList();
  const QAbstractItemModel* m = page->lvWpt->model();
  EXPECT_EQ(m->index(1, 1).data().toString(), "48.6");
  EXPECT_EQ(m->index(1, 2).data().toString(), "11.3");
  EXPECT_FALSE(m->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), S(14));
}

TEST_F(WaypointPage, ControlsRefillOnlyWhenTheirFilterIsOn) {
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  page->FillWptList();
  AddPoi(2014, 5, 4, 8, 0, 0, 1, 1, 1);
  // The picker alone does nothing while the date button is up.
  page->DateTimePicker->setDate(QDate(2014, 5, 4));
  EXPECT_EQ(page->RowCount(), 1);
  QTest::mouseClick(page->btnWptSearch, Qt::LeftButton);
  EXPECT_EQ(Listed(), QStringList{"2014/05/04 08:00:00"});
  page->DateTimePicker->setDate(QDate(2014, 5, 3));
  EXPECT_EQ(Listed(), QStringList{"2014/05/03 08:00:00"});
  page->cmbSelIcon->setCurrentIndex(1);
  EXPECT_EQ(page->RowCount(), 0);
  // An empty store with the date filter on.
  poiStorage.Clear();
  page->FillWptList();
  EXPECT_EQ(page->RowCount(), 0);
}

TEST_F(WaypointPage, SelectingARowJumpsToItsStorePosition) {
  for (int i = 0; i < 5; ++i) AddPoi(2014, 5, 3, 8, 0, i, 1, 1, i % 2);
  page->cmbSelIcon->setCurrentIndex(1);  // positions 1 and 3
  page->FillWptList();
  fake->scripts.clear();
  page->SelectRow(1);
  EXPECT_EQ(fake->scripts, QStringList{"wpt_jumpToPoint(3)"});
  // Two rows selected: no jump.
  fake->scripts.clear();
  page->lvWpt->selectionModel()->select(page->lvWpt->model()->index(0, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_TRUE(fake->scripts.isEmpty());
}

// --- adding -------------------------------------------------------------------------------

TEST_F(WaypointPage, TableAddWithAFixedClock) {
  env.services.now = QDateTime(QDate(2014, 5, 3), QTime(14, 7, 9, 600));
  AnswerDialog(QStringLiteral("48.1371"), QStringLiteral("11.5754"), 3);
  QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
  EXPECT_EQ(fake->scripts, (QStringList{"showPreMarkerWPT('', false)",
                                        "wpt_addPoint(48.1371,11.5754,'2014/05/03 14:07:09',3)", "wpt_jumpToPoint(0)"}));
  ASSERT_EQ(poiStorage.GetCount(), 1);
  const sUserPOI& p = *poiStorage.At(0);
  EXPECT_EQ(std::string(p.Name), "2014/05/03 14:07:09");
  EXPECT_EQ(p.Icon, 3);
  EXPECT_EQ(p.Hour, 14);
  EXPECT_EQ(p.Second, 9);
  EXPECT_EQ(page->RowCount(), 1);

  // The same second again: the store holds the second waypoint one second
  // later, and the map is told exactly that one.
  fake->scripts.clear();
  AnswerDialog(QStringLiteral("1,5"), QStringLiteral("-2.25"), 0);
  QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
  EXPECT_EQ(fake->scripts, (QStringList{"showPreMarkerWPT('', false)",
                                        "wpt_addPoint(1.5,-2.25,'2014/05/03 14:07:10',0)", "wpt_jumpToPoint(1)"}));
  EXPECT_EQ(StoreNames(), (std::vector<std::string>{"2014/05/03 14:07:09", "2014/05/03 14:07:10"}));
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(WaypointPage, AWaypointTheStoreRefusesMakesNoMapCall) {
  env.services.now = QDateTime(QDate(2014, 5, 3), QTime(14, 7, 9));
  poiStorage.IconCount = 2;  // the dialog offers all 21 pictures
  AnswerDialog(QStringLiteral("48"), QStringLiteral("11"), 5);
  EXPECT_EQ(page->AddWaypointAt(48, 11), QString());
  EXPECT_EQ(poiStorage.GetCount(), 0);
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(168)}}));
  QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
  EXPECT_TRUE(fake->scripts.isEmpty());
  // Cancelled: nothing at all.
  env.services.onDialog = nullptr;
  env.services.messages.clear();
  QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
  EXPECT_TRUE(fake->scripts.isEmpty());
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(WaypointPage, ANameGoesIntoTheScriptCallEscaped) {
  env.services.now = QDateTime(QDate(2014, 5, 3), QTime(14, 7, 9));
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormPoiEditor*>(&d);
    e->edtTitle->setText(QStringLiteral("a'b\"\n</script>"));
    e->edtLat->setText(QStringLiteral("1"));
    e->edtLon->setText(QStringLiteral("2"));
    e->btnActClick();
    return e->result();
  };
  EXPECT_EQ(page->AddWaypointAt(1, 2), "wpt_addPoint(1,2,'a\\'b\\\"\\n\\x3C/script>',0)");
  EXPECT_EQ(StoreNames(), std::vector<std::string>{"a'b\"\n</script>"});
}

TEST_F(WaypointPage, MapClickAddsThroughThePage) {
  env.services.now = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5));
  f->Mode = omWaypoint;
  lastMapMessage.clear();
  // The dialog opens on the clicked position; OK keeps it.
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormPoiEditor*>(&d);
    EXPECT_EQ(e->edtLat->text(), "47.25");
    EXPECT_EQ(e->edtTitle->text(), "2020/01/02 03:04:05");
    EXPECT_FALSE(e->edtTitle->isEnabled());
    e->btnActClick();
    return e->result();
  };
  f->OnMapClick(QStringLiteral("ADD:0(47.25,8.5)"));
  EXPECT_EQ(fake->scripts,
            (QStringList{"showPreMarkerWPT('', false)", "wpt_addPoint(47.25,8.5,'2020/01/02 03:04:05',0)"}));
  EXPECT_EQ(page->RowCount(), 1);
}

// --- the waypoint dialog ----------------------------------------------------------------

TEST_F(WaypointPage, DialogValidationTable) {
  const QString k123 = S(123);
  const QString kLatNumber = QStringLiteral("The latitude must be a number between -90 and 90 degrees.");
  const QString kLonNumber = QStringLiteral("The longitude must be a number between -180 and 180 degrees.");
  const QString kLatRange = QStringLiteral("The latitude must lie between -90 and 90 degrees.");
  const QString kLonRange = QStringLiteral("The longitude must lie between -180 and 180 degrees.");
  struct Case {
    const char* lat;
    const char* lon;
    bool ok;
    std::vector<QString> messages;  // texts of caption 115
    double wantLat = 0, wantLon = 0;
  };
  const Case cases[] = {
      {"12,5", "-3", true, {}, 12.5, -3},
      {"0.0", "0.0", true, {}, 0, 0},
      {"-90", "180", true, {}, -90, 180},
      {"0", "11", false, {k123}},
      {"48", "0", false, {k123}},
      {"", "11", false, {k123}},
      {"abc", "11", false, {kLatNumber}},
      {"48", "1,2,3", false, {kLonNumber}},
      {"90.0001", "11", false, {kLatRange}},
      {"95", "11", false, {kLatRange}},
      {"48", "-180.5", false, {kLonRange}},
      {"1e400", "11", false, {kLatNumber}},
      {"nan", "11", false, {kLatNumber}},
      {"inf", "11", false, {kLatNumber}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lat) + " / " + c.lon);
    env.services.messages.clear();
    TFormPoiEditor d(TFormPoiEditor::kAdd, 0, 0, *f);
    d.SetPoi("2014/05/03 14:07:09", 0, 0, 0);
    EXPECT_EQ(d.edtLat->text(), "0");
    d.edtLat->setText(QString::fromUtf8(c.lat));
    d.edtLon->setText(QString::fromUtf8(c.lon));
    d.btnActClick();
    EXPECT_EQ(d.result() == QDialog::Accepted, c.ok);
    std::vector<std::pair<QString, QString>> want;
    for (const QString& m : c.messages) want.emplace_back(S(115), m);
    EXPECT_EQ(Messages(), want);
    if (c.ok) {
      EXPECT_EQ(d.Latitude, c.wantLat);
      EXPECT_EQ(d.Longitude, c.wantLon);
      EXPECT_EQ(d.Title, "2014/05/03 14:07:09");
    }
  }
  // Captions by mode, and the comma goes on leaving an input.
  TFormPoiEditor m(TFormPoiEditor::kModify, 1, 2, *f);
  m.SetPoi("x", 4, 1, 2);
  EXPECT_EQ(m.btnAct->text(), S(157));
  EXPECT_EQ(m.btnClose->text(), S(158));
  EXPECT_EQ(m.cmbIcons->currentIndex(), 4);
  EXPECT_EQ(m.cmbIcons->count(), f->ilWaypoint.Count());
  EXPECT_EQ(m.windowTitle(), "POI-Editor");
  m.edtLat->setText(QStringLiteral("3,75"));
  m.edtLatExit();
  EXPECT_EQ(m.edtLat->text(), "3.75");
}

// The equator and the prime meridian are places: a 0 typed into the table's
// add is kept, and a waypoint at 0 (which then shows "0") is changed like
// any other. Only the "0" that the table's add shows, untouched, is refused.
TEST_F(WaypointPage, ZeroCoordinatesAreKept) {
  struct Case {
    const char* lat;
    const char* lon;
    bool latZero;  // which of them is 0
  } const cases[] = {{"0.0", "11.5", true}, {"48.25", "0", false}};
  int second = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.latZero ? "latitude 0" : "longitude 0");
    mapstores::ClearAll();
    page->FillWptList();
    env.services.messages.clear();
    env.services.now = QDateTime(QDate(2014, 5, 3), QTime(14, 7, ++second));
    // The table's add: OK on the untouched inputs is refused; then the user
    // types over both.
    bool refusedUntouched = false;
    env.services.onDialog = [&](QDialog& d) {
      auto* e = qobject_cast<TFormPoiEditor*>(&d);
      EXPECT_EQ(e->edtLat->text(), "0");
      EXPECT_EQ(e->edtLon->text(), "0");
      e->btnActClick();
      refusedUntouched = e->result() == QDialog::Rejected && Messages().size() == 1;
      env.services.messages.clear();
      for (auto [edit, text] : {std::pair{e->edtLat, c.lat}, std::pair{e->edtLon, c.lon}}) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(text));
      }
      e->btnActClick();
      return e->result();
    };
    QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
    EXPECT_TRUE(refusedUntouched);
    ASSERT_EQ(poiStorage.GetCount(), 1);
    EXPECT_TRUE(Messages().empty());
    const double lat = textfmt::StrToFloat(QString::fromLatin1(c.lat));
    const double lon = textfmt::StrToFloat(QString::fromLatin1(c.lon));
    EXPECT_EQ(poiStorage.At(0)->Latitude, lat);
    EXPECT_EQ(poiStorage.At(0)->Longitude, lon);

    // Modify shows the 0 and keeps it; the icon changes.
    page->SelectRow(0);
    env.services.onDialog = [&](QDialog& d) {
      auto* e = qobject_cast<TFormPoiEditor*>(&d);
      EXPECT_EQ((c.latZero ? e->edtLat : e->edtLon)->text(), "0");
      e->cmbIcons->setCurrentIndex(3);
      e->btnActClick();
      return e->result();
    };
    QTest::mouseClick(page->tbWptTableMod, Qt::LeftButton);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(poiStorage.At(0)->Icon, 3);
    EXPECT_EQ(poiStorage.At(0)->Latitude, lat);
    EXPECT_EQ(poiStorage.At(0)->Longitude, lon);
  }
  // An add left untouched and confirmed adds nothing.
  mapstores::ClearAll();
  env.services.messages.clear();
  env.services.onDialog = [](QDialog& d) {
    auto* e = qobject_cast<TFormPoiEditor*>(&d);
    e->btnActClick();
    return e->result();
  };
  QTest::mouseClick(page->tbWptTableAdd, Qt::LeftButton);
  EXPECT_EQ(poiStorage.GetCount(), 0);
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(115), S(123)}}));
}

// --- changing, deleting, clearing ------------------------------------------------------

TEST_F(WaypointPage, ModifyChangesTheSelectedWaypointByPosition) {
  // Names that differ only in letter case: the selected one is changed.
  mapstores::AddWaypoint("abc", 1, 1, 0);
  mapstores::AddWaypoint("ABC", 2, 2, 0);
  page->FillWptList();
  page->SelectRow(1);
  f->calls.clear();
  AnswerDialog(QStringLiteral("5,5"), QStringLiteral("6"), 7);
  QTest::mouseClick(page->tbWptTableMod, Qt::LeftButton);
  EXPECT_EQ(poiStorage.At(0)->Latitude, 1);
  EXPECT_EQ(poiStorage.At(1)->Latitude, 5.5);
  EXPECT_EQ(poiStorage.At(1)->Longitude, 6);
  EXPECT_EQ(poiStorage.At(1)->Icon, 7);
  EXPECT_EQ(std::string(poiStorage.At(1)->Name), "ABC");
  EXPECT_EQ(f->calls, QStringList{"RefreshMap"});
  EXPECT_EQ(page->lvWpt->model()->index(1, 1).data().toString(), "5.5");
  // Nothing selected: no dialog.
  page->lvWpt->clearSelection();
  const int shown = env.services.dialogsShown;
  QTest::mouseClick(page->tbWptTableMod, Qt::LeftButton);
  EXPECT_EQ(env.services.dialogsShown, shown);
}

// A double click on a row edits it; a right click opens the list's menu,
// whose converter item shows the row. The clicks come through the window, as
// the desktop's would.
TEST_F(WaypointPage, DoubleClickAndMenuOfTheList) {
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  AddPoi(2014, 5, 3, 8, 0, 1, 48.137154, -12.5, 0);
  page->FillWptList();
  f->PageControl->setCurrentWidget(page);
  f->show();
  QApplication::setActiveWindow(f.get());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  QWindow* window = f->windowHandle();
  const QPoint second = page->lvWpt->viewport()->mapTo(
      f.get(), page->lvWpt->visualRect(page->lvWpt->model()->index(1, 0)).center());

  f->calls.clear();
  AnswerDialog(QStringLiteral("2,5"), QStringLiteral("3"), 4);
  QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, second);
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_EQ(poiStorage.At(1)->Latitude, 2.5);
  EXPECT_EQ(poiStorage.At(1)->Icon, 4);
  EXPECT_EQ(poiStorage.At(0)->Latitude, 1);
  EXPECT_EQ(f->calls, QStringList{"RefreshMap"});

  QString lat;
  env.services.onDialog = [&](QDialog& d) {
    if (auto* c = qobject_cast<TFormGPSConverter*>(&d)) lat = c->lblLat->text();
    return int(QDialog::Accepted);
  };
  page->SelectRow(1);
  QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, second);
  ASSERT_TRUE(QTest::qWaitFor([&] { return page->pmnuWPT->isVisible(); }, 5000));
  const QList<QAction*> items = page->pmnuWPT->actions();
  ASSERT_EQ(items.size(), 1);
  items[0]->trigger();
  page->pmnuWPT->hide();
  EXPECT_EQ(lat, "2.5");
}

TEST_F(WaypointPage, DeleteSendsEachWaypointsPositionAtItsDeletion) {
  for (int i = 0; i < 7; ++i) AddPoi(2014, 5, 3, 8, 0, i, 1, 1, 0);
  page->FillWptList();
  for (int row : {5, 2})
    page->lvWpt->selectionModel()->select(page->lvWpt->model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  fake->scripts.clear();
  QTest::mouseClick(page->tbWptTableDel, Qt::LeftButton);
  EXPECT_EQ(fake->scripts, (QStringList{"wpt_deletePoint(2)", "wpt_deletePoint(4)"}));
  EXPECT_EQ(StoreNames(), (std::vector<std::string>{"2014/05/03 08:00:00", "2014/05/03 08:00:01", "2014/05/03 08:00:03",
                                                    "2014/05/03 08:00:04", "2014/05/03 08:00:06"}));
  EXPECT_EQ(page->RowCount(), 5);

  // Under an icon filter, by the Delete key: the store position goes out.
  poiStorage.At(3)->Icon = 4;
  page->cmbSelIcon->setCurrentIndex(4);
  ASSERT_EQ(page->RowCount(), 1);
  page->SelectRow(0);
  fake->scripts.clear();
  QTest::keyClick(page->lvWpt, Qt::Key_Delete);
  EXPECT_EQ(fake->scripts, QStringList{"wpt_deletePoint(3)"});
  EXPECT_EQ(poiStorage.GetCount(), 4);
  EXPECT_EQ(f->calls, QStringList{});  // the map is not regenerated
}

TEST_F(WaypointPage, ClearAndShowOnMapRegenerateThePage) {
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  poiStorage.MarkSaved();  // nothing unsaved: the clear asks nothing
  page->FillWptList();
  QTest::mouseClick(page->tbWptTableClear, Qt::LeftButton);
  EXPECT_EQ(poiStorage.GetCount(), 0);
  EXPECT_EQ(page->RowCount(), 0);
  EXPECT_EQ(f->calls, QStringList{"RefreshMap"});
  page->chkShowPOI->click();
  EXPECT_FALSE(page->ShowOnMap());
  EXPECT_EQ(f->calls, (QStringList{"RefreshMap", "RefreshMap"}));
}

// --- the device file -------------------------------------------------------------------

TEST_F(WaypointPage, AddSaveClearOpenGivesTheSameWaypoints) {
  testenv::FixedZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
  const fs::path dir = testenv::scratchDir("wpt-roundtrip");
  const QString file = QString::fromStdString((dir / "points.wpt").string());
  int second = 0;
  for (const auto& [lat, lon, icon] : {std::tuple{"48.13715", "11.57541", 3}, std::tuple{"-33.86882", "151.20929", 20},
                                       std::tuple{"0.00001", "-0.5", 0}}) {
    env.services.now = QDateTime(QDate(2014, 7, 3), QTime(14, 7, second++));
    AnswerDialog(QString::fromUtf8(lat), QString::fromUtf8(lon), icon);
    page->bgWptTableItems0Click();
  }
  ASSERT_EQ(poiStorage.GetCount(), 3);
  std::vector<std::tuple<std::string, int, double, double>> before;
  for (int i = 0; i < 3; ++i) {
    const sUserPOI& p = *poiStorage.At(i);
    before.emplace_back(p.Name, p.Icon, p.Latitude, p.Longitude);
  }

  env.services.saveAnswers.push_back(file);
  QTest::mouseClick(page->tbWptFileSave, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(1), S(1));
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_EQ(f->windowTitle(), mainWindowTitle + file);
  EXPECT_EQ(env.services.fileDialogs.back().defaultSuffix, "wpt");
  EXPECT_EQ(env.services.fileDialogs.back().filter, S(138));
  EXPECT_EQ(fs::file_size(dir / "points.wpt"), 48u);

  page->bgWptTableItems2Click();
  ASSERT_EQ(poiStorage.GetCount(), 0);
  f->calls.clear();
  env.services.openAnswers.push_back(file);
  QTest::mouseClick(page->tbWptFileOpen, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_EQ(f->calls, QStringList{"RefreshMap"});
  ASSERT_EQ(poiStorage.GetCount(), 3);
  EXPECT_EQ(page->RowCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const sUserPOI& p = *poiStorage.At(i);
    EXPECT_EQ(std::string(p.Name), std::get<0>(before[std::size_t(i)]));
    EXPECT_EQ(p.Icon, std::get<1>(before[std::size_t(i)]));
    EXPECT_NEAR(p.Latitude, std::get<2>(before[std::size_t(i)]), 1.1e-5);
    EXPECT_NEAR(p.Longitude, std::get<3>(before[std::size_t(i)]), 1.1e-5);
  }
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(WaypointPage, SaveRefusesAnEmptyListAndReportsFailuresAndLeftOuts) {
  const fs::path dir = testenv::scratchDir("wpt-save");
  // Nothing listed (a filter hides every waypoint): refused before the dialog.
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  page->cmbSelIcon->setCurrentIndex(1);
  page->bgWptFile_SaveClick();
  EXPECT_EQ(f->StatusText(2), S(168));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(114), S(119)}}));
  EXPECT_TRUE(env.services.fileDialogs.empty());

  // A row listed: the whole store is written, hidden waypoints too.
  AddPoi(2014, 5, 3, 8, 0, 1, 1, 1, 1);
  page->FillWptList();
  env.services.messages.clear();
  env.services.saveAnswers.push_back(QString::fromStdString((dir / "all.wpt").string()));
  page->bgWptFile_SaveClick();
  EXPECT_EQ(fs::file_size(dir / "all.wpt"), 32u);

  // A folder that is not there: 168 and why, the old title stays.
  const QString title = f->windowTitle();
  const QString missing = QString::fromStdString((dir / "missing" / "x.wpt").string());
  env.services.saveAnswers.push_back(missing);
  page->bgWptFile_SaveClick();
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].caption, S(115));
  EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168) + ": " + missing));
  EXPECT_TRUE(env.services.messages[0].text.contains("No such file or directory")) << env.services.messages[0].text.toStdString();
  EXPECT_EQ(f->StatusText(3), "No such file or directory");
  EXPECT_EQ(f->windowTitle(), title);

  // A full disk: the write's own reason, and the old file stays.
  for (int i = 0; i < 10; ++i) AddPoi(2014, 6, 1, 8, 0, i, 1, 1, 0);
  env.services.messages.clear();
  testenv::writeFile(dir / "full.wpt", "old contents");
  env.services.saveAnswers.push_back(QString::fromStdString((dir / "full.wpt").string()));
  {
    testenv::FileSizeLimit limit(64);
    page->bgWptFile_SaveClick();
  }
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.endsWith("\nFile too large")) << env.services.messages[0].text.toStdString();
  EXPECT_EQ(testenv::readFile(dir / "full.wpt"), "old contents");
  EXPECT_EQ(f->windowTitle(), title);
  poiStorage.Clear();
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  AddPoi(2014, 5, 3, 8, 0, 1, 1, 1, 1);

  // A waypoint the device file cannot hold is named in a warning.
  env.services.messages.clear();
  AddPoi(1850, 1, 1, 0, 0, 0, 1, 1, 1);
  env.services.saveAnswers.push_back(QString::fromStdString((dir / "some.wpt").string()));
  page->bgWptFile_SaveClick();
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_EQ(fs::file_size(dir / "some.wpt"), 32u);
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].icon, Icon::Warning);
  EXPECT_TRUE(env.services.messages[0].text.startsWith("1 of 3 waypoints")) << env.services.messages[0].text.toStdString();
}

// One sound record of the device file: 2014-05-03 08:00:<second> UTC, icon 2, 1.5 / -2.5.
std::string WptRecord(int second = 0) {
  return {char(114), 5, 3, 8, 0, char(second), 2, 0, char(0xF0), 0x49, 2, 0, 0x70, 0x2F, char(0xFC), char(0xFF)};
}

// A damaged file: its whole records are read and shown, the title names it,
// and the user is told how many records were left out and why; never "done".
TEST_F(WaypointPage, ADamagedDeviceFileKeepsItsWholeRecordsAndSaysWhatWasLeftOut) {
  testenv::FixedZone zone("UTC0");
  const fs::path dir = testenv::scratchDir("wpt-damaged");
  std::string badMonth = WptRecord(1);
  badMonth[1] = 13;
  std::string north = WptRecord(1);
  north[11] = 0x10;  // 2685 degrees
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> names;
    QStringList says;  // in the warning; none for a clean file
  };
  const std::vector<std::string> two = {"2014/05/03 08:00:00", "2014/05/03 08:00:02"};
  const Case cases[] = {
      {"cut.wpt", WptRecord(0) + WptRecord(2) + std::string(7, '\x01'), two,
       {"2 waypoints read. 1 record left out: one record cut short at the end of the file (7 of its 16 bytes)."}},
      {"month.wpt", WptRecord(0) + badMonth + WptRecord(2), two,
       {"2 waypoints read. 1 record left out: 1 unreadable (no valid time"}},
      {"north.wpt", WptRecord(0) + north + WptRecord(2) + WptRecord(2) + std::string(3, '\x01'), two,
       {"2 waypoints read. 3 records left out: one record cut short", "1 unreadable", "1 of the same second as an earlier"}},
      {"clean.wpt", WptRecord(0) + WptRecord(2), two, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mapstores::ClearAll();
    AddPoi(2000, 1, 1, 0, 0, 0, 1, 1, 0);  // replaced by what the file holds
    poiStorage.MarkSaved();  // as if loaded: the open asks nothing
    page->FillWptList();
    env.services.messages.clear();
    f->calls.clear();
    const QString path = QString::fromStdString((dir / c.name).string());
    testenv::writeFile(dir / c.name, c.bytes);
    env.services.openAnswers.push_back(path);
    QTest::mouseClick(page->tbWptFileOpen, Qt::LeftButton);
    EXPECT_EQ(StoreNames(), c.names);
    EXPECT_EQ(page->RowCount(), int(c.names.size()));
    EXPECT_EQ(f->calls, QStringList{"RefreshMap"});
    EXPECT_EQ(f->windowTitle(), mainWindowTitle + path);
    EXPECT_EQ(f->StatusText(1), S(1));
    if (c.says.isEmpty()) {
      EXPECT_EQ(f->StatusText(2), S(167));
      EXPECT_TRUE(env.services.messages.empty());
      continue;
    }
    EXPECT_EQ(f->StatusText(2), S(168));
    ASSERT_EQ(env.services.messages.size(), 1u);
    const auto& m = env.services.messages[0];
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(m.caption, S(1));
    EXPECT_TRUE(m.text.startsWith(path + "\n")) << m.text.toStdString();
    for (const QString& part : c.says) EXPECT_TRUE(m.text.contains(part)) << m.text.toStdString();
  }
}

// A file that cannot be read, or of which nothing can be read, is refused:
// the waypoints, the list, the map and the title stay as they were.
TEST_F(WaypointPage, BadDeviceFilesLeaveStoreAndPageAsTheyWere) {
  const fs::path dir = testenv::scratchDir("wpt-open");
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  poiStorage.MarkSaved();  // as if loaded: the opens ask nothing
  page->FillWptList();
  const QString title = f->windowTitle();
  const std::string good = WptRecord();
  auto with = [&](std::size_t at, char byte) {
    std::string r = good;
    r[at] = byte;
    return r;
  };
  struct Bad {
    const char* name;
    std::string bytes;
    const char* why;
  };
  const Bad files[] = {
      {"cut.wpt", std::string(7, '\x01'), "No waypoint could be read. 1 record left out: one record cut short"},
      {"month.wpt", with(1, 13) + with(11, 0x10), "No waypoint could be read. 2 records left out: 2 unreadable"},
      {"east.wpt", std::string(good, 0, 12) + "\x01\x02\x03\x04" + std::string(good, 0, 9),
       "2 records left out: one record cut short at the end of the file (9 of its 16 bytes), 1 unreadable"},
  };
  for (const Bad& b : files) testenv::writeFile(dir / b.name, b.bytes);
  std::vector<std::pair<fs::path, const char*>> cases = {{dir / "none.wpt", "No such file"},
                                                         {dir, "Is a directory"}};
  for (const Bad& b : files) cases.emplace_back(dir / b.name, b.why);
  for (const auto& [bad, why] : cases) {
    SCOPED_TRACE(bad.string());
    env.services.messages.clear();
    f->calls.clear();
    env.services.openAnswers.push_back(QString::fromStdString(bad.string()));
    QTest::mouseClick(page->tbWptFileOpen, Qt::LeftButton);
    EXPECT_EQ(f->StatusText(2), S(168));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
    EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168) + ": " + QString::fromStdString(bad.string())));
    EXPECT_TRUE(env.services.messages[0].text.contains(QString::fromUtf8(why)))
        << env.services.messages[0].text.toStdString();
    EXPECT_EQ(StoreNames(), std::vector<std::string>{"2014/05/03 08:00:00"});
    EXPECT_EQ(page->RowCount(), 1);
    EXPECT_TRUE(f->calls.isEmpty());
    EXPECT_EQ(f->windowTitle(), title);
  }
  // A pipe holding a sound file is not opened: the open would wait for a writer for ever.
  {
    testenv::PipeFeed pipe(dir / "pipe.wpt", good);
    ASSERT_TRUE(pipe.Made());
    env.services.messages.clear();
    env.services.openAnswers.push_back(QString::fromStdString((dir / "pipe.wpt").string()));
    page->bgWptFile_OpenClick();
    EXPECT_FALSE(pipe.Opened());
    EXPECT_EQ(f->StatusText(2), S(168));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_TRUE(env.services.messages[0].text.contains("This is not a file.")) << env.services.messages[0].text.toStdString();
    EXPECT_EQ(StoreNames(), std::vector<std::string>{"2014/05/03 08:00:00"});
  }
  // Whatever follows the end record (the 0xFF of erased memory) is not read.
  testenv::FixedZone zone("UTC0");
  env.services.messages.clear();
  testenv::writeFile(dir / "ended.wpt", good + std::string(16, '\xFF') + "\x01\x02\x03");
  env.services.openAnswers.push_back(QString::fromStdString((dir / "ended.wpt").string()));
  page->bgWptFile_OpenClick();
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_TRUE(env.services.messages.empty());
  ASSERT_EQ(poiStorage.GetCount(), 1);
  EXPECT_EQ(std::string(poiStorage.At(0)->Name), "2014/05/03 08:00:00");
  EXPECT_EQ(poiStorage.At(0)->Icon, 2);
  EXPECT_NEAR(poiStorage.At(0)->Latitude, 1.5, 1e-9);
  EXPECT_NEAR(poiStorage.At(0)->Longitude, -2.5, 1e-9);
}

// The load reports and the reasons of a failed open or save in the chosen
// language; the first line ("Error: <file>") and the captions stay the
// language file's.
TEST_F(WaypointPage, LoadReportsAndFailuresInTheChosenLanguage) {
  testenv::FixedZone zone("UTC0");
  const fs::path dir = testenv::scratchDir("wpt-languages");
  std::string badMonth = WptRecord(1);
  badMonth[1] = 13;
  testenv::writeFile(dir / "cut.wpt", WptRecord(0) + WptRecord(2) + std::string(7, '\x01'));
  testenv::writeFile(dir / "mixed.wpt", WptRecord(0) + badMonth + WptRecord(2) + WptRecord(2) + std::string(3, '\x01'));
  testenv::writeFile(dir / "none.wpt", badMonth + badMonth);
  fs::create_directories(dir / "folder.wpt");
  testenv::PipeFeed pipe(dir / "pipe.wpt", WptRecord(0));  // never opened
  ASSERT_TRUE(pipe.Made());
  const auto at = [&](const char* name) { return QString::fromStdString((dir / name).string()); };
  struct Case {
    const char* language;
    bool save;
    QString path;
    Icon icon;
    QString text;  // of the box
    QString reason;  // in the status panel, where the box gives one
  };
  const Case cases[] = {
      {"de", false, at("cut.wpt"), Icon::Warning,
       at("cut.wpt") + "\n2 Wegpunkte gelesen. 1 Datensatz ausgelassen: ein unvollständiger Datensatz am Dateiende (7 seiner 16 Bytes)."},
      {"ja", false, at("mixed.wpt"), Icon::Warning,
       at("mixed.wpt") + "\n2 件のウェイポイントを読み込みました。3 件のレコードを除外しました: ファイル末尾で途切れたレコード 1 件 "
                         "(16 バイト中 3 バイト)、読み取れないもの 1 件 (有効な時刻がない、緯度 90 度または経度 180 度を超える位置、"
                         "または画像のないアイコン番号)、前のウェイポイントと同じ秒のもの 1 件。"},
      {"zh_CN", false, at("mixed.wpt"), Icon::Warning,
       at("mixed.wpt") + "\n已读取 2 个航点。已略过 3 条记录：文件末尾有 1 条记录不完整 (16 字节中只有 3 字节)、"
                         "1 条无法读取 (没有有效时间、位置超出纬度 90 度或经度 180 度，或图标编号没有对应的图片)、"
                         "1 条与之前的某个航点时间相同 (同一秒)。"},
      {"de", false, at("mixed.wpt"), Icon::Warning,
       at("mixed.wpt") + "\n2 Wegpunkte gelesen. 3 Datensätze ausgelassen: ein unvollständiger Datensatz am Dateiende "
                         "(3 seiner 16 Bytes), 1 unlesbar (keine gültige Zeit, eine Position jenseits von 90 Grad Breite "
                         "oder 180 Grad Länge oder eine Symbolnummer ohne Bild), 1 aus derselben Sekunde wie ein früherer Wegpunkt."},
      {"ja", false, at("none.wpt"), Icon::Error,
       S(168) + ": " + at("none.wpt") + "\nウェイポイントを読み込めませんでした。2 件のレコードを除外しました: 読み取れないもの 2 件 "
                                        "(有効な時刻がない、緯度 90 度または経度 180 度を超える位置、または画像のないアイコン番号)。"
                                        "現在のウェイポイントはそのまま残ります。"},
      {"de", false, at("none.wpt"), Icon::Error,
       S(168) + ": " + at("none.wpt") + "\nEs konnte kein Wegpunkt gelesen werden. 2 Datensätze ausgelassen: 2 unlesbar "
                                        "(keine gültige Zeit, eine Position jenseits von 90 Grad Breite oder 180 Grad Länge oder "
                                        "eine Symbolnummer ohne Bild). Die vorhandenen Wegpunkte bleiben unverändert."},
      {"de", false, at("pipe.wpt"), Icon::Error, S(168) + ": " + at("pipe.wpt") + "\nDies ist keine Datei.",
       "Dies ist keine Datei."},
      {"ja", false, at("pipe.wpt"), Icon::Error, S(168) + ": " + at("pipe.wpt") + "\nこれはファイルではありません。",
       "これはファイルではありません。"},
      {"ja", true, at("gone/x.wpt"), Icon::Error,
       S(168) + ": " + at("gone/x.wpt") + "\nそのようなファイルやディレクトリはありません", "そのようなファイルやディレクトリはありません"},
      {"de", true, at("full.wpt"), Icon::Error, S(168) + ": " + at("full.wpt") + "\nDatei zu groß", "Datei zu groß"},
      // Opens that fail before any record is read: the system's reason, in the chosen language.
      {"de", false, at("missing.wpt"), Icon::Error,
       S(168) + ": " + at("missing.wpt") + "\nDatei oder Verzeichnis nicht gefunden", "Datei oder Verzeichnis nicht gefunden"},
      {"ja", false, at("folder.wpt"), Icon::Error, S(168) + ": " + at("folder.wpt") + "\nディレクトリです", "ディレクトリです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.path.toStdString());
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    env.services.messages.clear();
    if (c.save) {
      poiStorage.Clear();
      for (int i = 0; i < 10; ++i) AddPoi(2014, 6, 1, 8, 0, i, 1, 1, 0);
      page->FillWptList();
      env.services.saveAnswers.push_back(c.path);
      testenv::FileSizeLimit limit(64);
      page->bgWptFile_SaveClick();
    } else {
      poiStorage.MarkSaved();  // what a failed save left: the open asks nothing
      env.services.openAnswers.push_back(c.path);
      QTest::mouseClick(page->tbWptFileOpen, Qt::LeftButton);
    }
    EXPECT_EQ(f->StatusText(2), S(168));
    if (!c.reason.isEmpty()) {
      EXPECT_EQ(f->StatusText(3), c.reason);
    }
    ASSERT_EQ(env.services.messages.size(), 1u);
    // A report of what was read warns under "Waypoint"; failures are the file page's.
    EXPECT_EQ(env.services.messages[0].caption, c.icon == Icon::Warning ? S(1) : S(115));
    EXPECT_EQ(env.services.messages[0].icon, c.icon);
    EXPECT_EQ(env.services.messages[0].text, c.text);
  }
}

// --- exports ---------------------------------------------------------------------------

TEST_F(WaypointPage, GpxExportOfTheListedRowsValidatesAndGpsbabelReadsItBack) {
  const fs::path dir = testenv::scratchDir("wpt-gpx");
  AddPoi(2014, 5, 3, 8, 4, 5, 48.1371, 11.5754, 3);
  AddPoi(2014, 5, 3, 9, 0, 0, -33.8688, 151.2093, 1);
  AddPoi(2014, 5, 4, 9, 0, 0, 0.00005, -0.5, 3);
  mapstores::AddWaypoint("a \"b\" <c> & </script>", 10, 20, 3);
  page->cmbSelIcon->setCurrentIndex(3);  // three of the four
  const QString file = QString::fromStdString((dir / "poi.gpx").string());
  env.services.saveAnswers.push_back(file);
  QTest::mouseClick(page->tbWPTToGPX, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_EQ(f->windowTitle(), mainWindowTitle + file);
  EXPECT_EQ(env.services.fileDialogs.back().filter, S(142));
  EXPECT_EQ(run("xmllint --noout --nonet --schema '" + (testenv::fixturesDir() / "gpx-1.1.xsd").string() + "' '" +
                (dir / "poi.gpx").string() + "'"),
            0);
  ASSERT_EQ(run("gpsbabel -i gpx -f '" + (dir / "poi.gpx").string() + "' -o unicsv -F '" + (dir / "poi.csv").string() +
                "'"),
            0);
  const std::string csv = testenv::readFile(dir / "poi.csv");
  EXPECT_NE(csv.find("48.137100,11.575400"), std::string::npos) << csv;
  EXPECT_NE(csv.find("0.000050,-0.500000"), std::string::npos) << csv;
  EXPECT_NE(csv.find("10.000000,20.000000"), std::string::npos) << csv;
  EXPECT_NE(csv.find("</script>"), std::string::npos) << csv;
  EXPECT_EQ(csv.find("-33.868800"), std::string::npos) << csv;

  // A file that cannot be written: 168 with the reason, never 167.
  env.services.saveAnswers.push_back(QString::fromStdString((dir / "no" / "poi.gpx").string()));
  page->tbWPTToGPXClick();
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.contains("No such file")) << env.services.messages[0].text.toStdString();

  // An empty list: silently nothing.
  env.services.messages.clear();
  page->cmbSelIcon->setCurrentIndex(9);
  const std::size_t dialogs = env.services.fileDialogs.size();
  page->tbWPTToGPXClick();
  EXPECT_EQ(env.services.fileDialogs.size(), dialogs);
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(WaypointPage, KmlExportOfTheSelectedRows) {
  const fs::path tmp = testenv::scratchDir("wpt-kml");
  const std::string oldTemp = std::getenv("TEMP") ? std::getenv("TEMP") : "";
  setenv("TEMP", tmp.c_str(), 1);
  std::vector<QString> opened;
  auto previous = desktop::SetShellOpener([&](const QString& path) {
    opened.push_back(path);
    return true;
  });
  // The button works only where a globe viewer is installed.
  EXPECT_FALSE(page->tbWPTToGoogle->isEnabled());
  f.reset();
  env.services.applications << QStringLiteral("application/vnd.google-earth.kml+xml");
  f = std::make_unique<WptMain>();
  page = f->pgWaypoint;
  f->PageLoaded = true;
  ASSERT_TRUE(page->tbWPTToGoogle->isEnabled());
  for (int i = 0; i < 6; ++i) AddPoi(2014, 5, 3, 8, 0, i, 40 + i, 10 + i, 0);
  page->FillWptList();
  QTest::mouseClick(page->tbWPTToGoogle, Qt::LeftButton);  // nothing selected: nothing written
  EXPECT_TRUE(opened.empty());
  for (int row : {4, 2})
    page->lvWpt->selectionModel()->select(page->lvWpt->model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QTest::mouseClick(page->tbWPTToGoogle, Qt::LeftButton);
  ASSERT_EQ(opened.size(), 1u);
  const std::string kml = testenv::readFile(opened[0].toStdString());
  EXPECT_NE(kml.find("<name>Kartovex POI 2</name>"), std::string::npos);
  EXPECT_NE(kml.find("<name>Kartovex POI 4</name>"), std::string::npos);
  EXPECT_NE(kml.find("<coordinates>14,44</coordinates>"), std::string::npos);
  EXPECT_EQ(kml.find("Kartovex POI 3"), std::string::npos);
  EXPECT_EQ(run("xmllint --noout --nonet '" + opened[0].toStdString() + "'"), 0);

  // No folder for the file: 168 and why.
  setenv("TEMP", (tmp / "missing").c_str(), 1);
  page->tbWPTToGoogleClick();
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(f->StatusText(2), S(168));
  EXPECT_EQ(env.services.messages.size(), 1u);
  desktop::SetShellOpener(previous);
  if (oldTemp.empty())
    unsetenv("TEMP");
  else
    setenv("TEMP", oldTemp.c_str(), 1);
}

// --- the coordinate converter ----------------------------------------------------------

TEST(GpsConverter, FormatDms) {
  uitest::App();
  const std::pair<double, const char*> cases[] = {
      {48.137154, "48º 8' 14\""}, {0.5, "0º 30' 0\""},       {10.99999, "11º 0' 0\""},
      {-12.5, "-12º -30' 0\""},   {-10.99999, "-11º 0' 0\""}, {59.99999999, "60º 0' 0\""},
      {1.0, "1º 0' 0\""},         {0.0, "0º 0' 0\""},
  };
  for (const auto& [x, want] : cases)
    EXPECT_EQ(TFormGPSConverter::FormatDms(x), QString::fromUtf8(want)) << x;
  EXPECT_EQ(TFormGPSConverter::FormatDms(std::nan("")), QString());
  EXPECT_EQ(TFormGPSConverter::FormatDms(HUGE_VAL), QString());
  EXPECT_EQ(TFormGPSConverter::FormatDms(1e300), QString());
}

TEST_F(WaypointPage, ConverterShowsTheSelectedRow) {
  AddPoi(2014, 5, 3, 8, 0, 0, 48.137154, -12.5, 0);
  page->FillWptList();
  QString lat, latDms, lonDms;
  env.services.onDialog = [&](QDialog& d) {
    auto* c = qobject_cast<TFormGPSConverter*>(&d);
    lat = c->lblLat->text();
    latDms = c->lblLatGMS->text();
    lonDms = c->lblLongGMS->text();
    // A comma reads as a point; junk leaves the last output.
    c->lblLat->setText(QStringLiteral("0,5"));
    c->lblLatExit();
    EXPECT_EQ(c->lblLat->text(), "0.5");
    EXPECT_EQ(c->lblLatGMS->text(), QString::fromUtf8("0º 30' 0\""));
    c->lblLat->setText(QStringLiteral("north"));
    c->lblLatExit();
    EXPECT_EQ(c->lblLatGMS->text(), QString::fromUtf8("0º 30' 0\""));
    return int(QDialog::Accepted);
  };
  page->mnuConverter->trigger();  // no row selected: empty inputs
  EXPECT_EQ(lat, "");
  EXPECT_EQ(latDms, "");
  page->SelectRow(0);
  page->mnuConverterClick();
  EXPECT_EQ(lat, "48.137154");
  EXPECT_EQ(latDms, QString::fromUtf8("48º 8' 14\""));
  EXPECT_EQ(lonDms, QString::fromUtf8("-12º -30' 0\""));
}

// --- the icon images -------------------------------------------------------------------

// What the PNG file says about itself: the header fields and a tRNS entry.
struct PngFacts {
  int width = 0, height = 0, bitDepth = 0, colourType = -1;
  bool hasTrns = false;
  int trnsRed = -1, trnsGreen = -1, trnsBlue = -1;
};

PngFacts ReadPngChunks(const QString& path) {
  PngFacts facts;
  const std::string b = testenv::readFile(path.toStdString());
  auto be32 = [&](std::size_t at) {
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8 |
           uint32_t(uint8_t(b[at + 3]));
  };
  if (b.size() < 8 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return facts;
  for (std::size_t at = 8; at + 8 <= b.size();) {
    const uint32_t len = be32(at);
    const std::string type = b.substr(at + 4, 4);
    const std::size_t data = at + 8;
    if (data + len + 4 > b.size()) break;
    if (type == "IHDR") {
      facts.width = int(be32(data));
      facts.height = int(be32(data + 4));
      facts.bitDepth = uint8_t(b[data + 8]);
      facts.colourType = uint8_t(b[data + 9]);
    } else if (type == "tRNS" && len == 6) {
      facts.hasTrns = true;
      facts.trnsRed = int(be32(data - 2) & 0xFFFF);
      facts.trnsGreen = int(be32(data) & 0xFFFF);
      facts.trnsBlue = int(be32(data + 2) & 0xFFFF);
    }
    at = data + len + 4;
  }
  return facts;
}

// The bevel style as the rings are described: black outermost, a dark line
// along row 22, light grey at columns 1 and 22 and along row 21, lighter at
// columns 2 and 21 and along rows 1 and 20, the colour inside.
QRgb BevelPixel(int x, int y, QRgb colour) {
  if (x == 0 || x == 23 || y == 0 || y == 23) return qRgb(0, 0, 0);
  if (y == 22) return qRgb(0xA0, 0xA0, 0xA0);
  if (x == 1 || x == 22 || y == 21) return qRgb(0xC0, 0xC0, 0xC0);
  if (x == 2 || x == 21 || y == 1 || y == 20) return qRgb(0xE0, 0xE0, 0xE0);
  return colour;
}

class PoiIcons : public WaypointPage {
 protected:
  // Every pixel of icon file n: the ground as given, waypoint icon n on top.
  void CheckIcon(int n, QRgb colour, bool transparent) {
    SCOPED_TRACE(n);
    const QString path = WebFile(QStringLiteral("wpt%1.png").arg(n));
    const PngFacts facts = ReadPngChunks(path);
    EXPECT_EQ(facts.width, 24);
    EXPECT_EQ(facts.height, 24);
    EXPECT_EQ(facts.bitDepth, 8);
    EXPECT_EQ(facts.colourType, 2);
    EXPECT_EQ(facts.hasTrns, transparent);
    if (transparent) {
      EXPECT_EQ(facts.trnsRed, 255);
      EXPECT_EQ(facts.trnsGreen, 0);
      EXPECT_EQ(facts.trnsBlue, 255);
    }
    QImage image;
    ASSERT_TRUE(image.load(path));
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QImage icon = f->ilWaypoint.Pixmap(n).toImage().convertToFormat(QImage::Format_ARGB32);
    int iconPixels = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) {
        QRgb want = transparent ? colour : BevelPixel(x, y, colour);
        const bool inIcon = !icon.isNull() && x >= 4 && x < 20 && y >= 4 && y < 20 && qAlpha(icon.pixel(x - 4, y - 4));
        if (inIcon) {
          want = icon.pixel(x - 4, y - 4) | 0xFF000000;
          ++iconPixels;
        }
        const QRgb got = image.pixel(x, y);
        ASSERT_EQ(got & 0xFFFFFF, want & 0xFFFFFF) << x << "," << y;
        // A reader that honours tRNS sees the ground as see-through.
        ASSERT_EQ(qAlpha(got), transparent && !inIcon ? 0 : 255) << x << "," << y;
      }
    if (n < f->ilWaypoint.Count()) {
      EXPECT_GT(iconPixels, 0);
    }
  }
};

TEST_F(PoiIcons, BevelAndTransparentStylesPixelByPixel) {
  ASSERT_EQ(f->ilWaypoint.Count(), 21);
  ASSERT_TRUE(page->RenderPoiIcons(true, 0x00D08040, false));  // 0x00BBGGRR
  for (int n = 0; n < 21; ++n) CheckIcon(n, qRgb(0x40, 0x80, 0xD0), false);
  EXPECT_FALSE(QFileInfo::exists(WebFile("wpt21.png")));
  ASSERT_TRUE(page->RenderPoiIcons(true, TWaypointPage::kMagenta, true));
  for (int n = 0; n < 21; ++n) CheckIcon(n, qRgb(0xFF, 0x00, 0xFF), true);
  EXPECT_EQ(f->StatusText(2), "");
}

TEST_F(PoiIcons, WithoutForceOnlyTheMissingFileIsDrawn) {
  ASSERT_TRUE(page->RenderPoiIcons(true, 0x00FF0000, false));
  const std::string blue = testenv::readFile(WebFile("wpt0.png").toStdString());
  testenv::writeFile(WebFile("wpt3.png").toStdString(), "kept");
  // All present: nothing written, the status bar untouched.
  f->SetStatusText(2, QStringLiteral("before"));
  ASSERT_TRUE(page->RenderPoiIcons(false, 0xFFFFFF, false));
  EXPECT_EQ(f->StatusText(2), "before");
  fs::remove(WebFile("wpt7.png").toStdString());
  ASSERT_TRUE(page->RenderPoiIcons(false, 0xFFFFFF, false));
  CheckIcon(7, qRgb(0xFF, 0xFF, 0xFF), false);
  EXPECT_EQ(testenv::readFile(WebFile("wpt3.png").toStdString()), "kept");
  EXPECT_EQ(testenv::readFile(WebFile("wpt0.png").toStdString()), blue);
  EXPECT_EQ(f->StatusText(2), "");
}

TEST_F(PoiIcons, AShortStripGivesPlainSquares) {
  QImage strip(16 * 3, 16, QImage::Format_RGB32);
  strip.fill(qRgb(0xFF, 0x00, 0xFF));
  for (int x = 0; x < strip.width(); ++x) strip.setPixel(x, 8, qRgb(0, 0x80, 0));
  f->ilWaypoint.Clear();
  f->ilWaypoint.AddMasked(strip, QColor(0xFF, 0x00, 0xFF));
  ASSERT_TRUE(page->RenderPoiIcons(true, 0xFFFFFF, false));
  CheckIcon(2, qRgb(0xFF, 0xFF, 0xFF), false);
  CheckIcon(3, qRgb(0xFF, 0xFF, 0xFF), false);
  CheckIcon(20, qRgb(0xFF, 0xFF, 0xFF), false);
}

TEST_F(PoiIcons, AWebFolderThatCannotBeWrittenStopsWithOneMessage) {
  const fs::path web = pathManager->GetWebDir().toStdString();
  fs::remove_all(web);
  testenv::writeFile(web, "a file where the folder was");
  EXPECT_FALSE(page->RenderPoiIcons(true, 0xFFFFFF, false));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].caption, S(115));
  EXPECT_TRUE(env.services.messages[0].text.contains("wpt0.png")) << env.services.messages[0].text.toStdString();
  EXPECT_EQ(f->StatusText(2), "");
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PoiIcons, OpeningTheSettingsTabShowsTheIconFile) {
  TProgramPage& program = *f->pgSetKVX;
  QShowEvent shown;
  QCoreApplication::sendEvent(&program, &shown);  // no file yet: no picture
  EXPECT_TRUE(program.imgPOI->pixmap().isNull());
  ASSERT_TRUE(page->RenderPoiIcons(true, TWaypointPage::kMagenta, true));
  QCoreApplication::sendEvent(&program, &shown);
  const QImage preview = program.imgPOI->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(preview.size(), QSize(24, 24));
  EXPECT_EQ(qAlpha(preview.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(preview.pixel(8, 8)), 255);  // the icon itself
}

TEST_F(PoiIcons, SettingsControlsPreviewGenerateAndRefresh) {
  TProgramPage& program = *f->pgSetKVX;
  // A colour changes the preview only.
  env.services.colourAnswers.push_back(QColor(0, 0, 255));
  QTest::mouseClick(program.pnlPOIColor, Qt::LeftButton);
  ASSERT_EQ(env.services.colourAsked.size(), 1u);
  EXPECT_EQ(env.services.colourAsked[0], QColor(Qt::white));
  QImage preview = program.imgPOI->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(preview.size(), QSize(24, 24));
  EXPECT_EQ(preview.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(preview.pixel(10, 2), qRgb(0, 0, 255));
  EXPECT_FALSE(QFileInfo::exists(WebFile("wpt0.png")));
  // The transparent style's preview: magenta ground, see-through.
  program.chkPOITrans->click();
  preview = program.imgPOI->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(preview.pixel(0, 0)), 0);
  // Generate: all 21 in the transparent style; no rows, no new map page.
  f->calls.clear();
  program.btnGeneratePOIs->click();
  for (int n = 0; n < 21; ++n) EXPECT_TRUE(ReadPngChunks(WebFile(QStringLiteral("wpt%1.png").arg(n))).hasTrns);
  EXPECT_TRUE(f->calls.isEmpty());
  // With a row listed, and the bevel style in the panel's colour.
  AddPoi(2014, 5, 3, 8, 0, 0, 1, 1, 0);
  page->FillWptList();
  program.chkPOITrans->click();
  program.btnGeneratePOIs->click();
  CheckIcon(5, qRgb(0, 0, 255), false);
  EXPECT_EQ(f->calls, QStringList{"RefreshMap"});
  preview = program.imgPOI->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(preview.pixel(10, 2), qRgb(0, 0, 255));
}

}  // namespace

// The date filter writes its date as the chosen language does, month names
// included, and keeps its date through a language change.
TEST_F(WaypointPage, DateFilterSpeaksTheChosenLanguage) {
  env.WriteExe("Deutsch.txt", uitest::NumberedLanguage(174));
  env.WriteExe("Japanese.txt", uitest::NumberedLanguage(174));
  page->DateTimePicker->setDate(QDate(2026, 12, 11));
  const struct {
    int lang;
    const char* text;
  } cases[] = {{0, "11 Dec 2026"}, {1, "11.12.26"}, {6, "2026/12/11"}, {0, "11 Dec 2026"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    f->cmbLanguage->setCurrentIndex(c.lang);
    EXPECT_EQ(page->DateTimePicker->date(), QDate(2026, 12, 11));
    EXPECT_EQ(page->DateTimePicker->text(), QString::fromUtf8(c.text));
  }
}
