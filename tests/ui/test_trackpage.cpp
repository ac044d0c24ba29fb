// The track page with real widgets, real files and the real stores; the
// map calls recorded by a fake browser. The editor and the GPX import
// window are driven the way a user would.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numbers>

#include "Fakemapview.h"
#include "Filesizelimit.h"
#include "Fixedzone.h"
#include "Frmgpximp.h"
#include "Frmtrackeditor.h"
#include "GPXDocument.h"
#include "Googlehtml.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Mapview.h"
#include "Mapwebenv.h"
#include "Pipefeed.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Uitestenv.h"
#include "Webmapview.h"

namespace fs = std::filesystem;

namespace {

using Icon = UiServices::Icon;

using uitest::FakeMapView;
using uitest::SetRows;

QString S(int n) { return QStringLiteral("S%1").arg(n); }

class TrackMain : public TFormMain {
 public:
  TrackMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~TrackMain() override { WriteBackSettings(); }
  void FillRouteList(bool arrows, bool automatic) override {
    calls << QStringLiteral("FillRouteList:%1,%2").arg(arrows).arg(automatic);
    SetRows(pgRoute->lvRoute, int(routeStorage.Count()));
  }
  void FillWptList() override { calls << QStringLiteral("FillWptList"); }
  QStringList calls;
};

double Utc(int y, int mo, int d, int h, int mi, int s) {
  return textfmt::EncodeDateTime({y, mo, d, h, mi, s, 0});
}

std::unique_ptr<TTrackList> MakeTrack(const QString& name, const std::vector<sFile_TrkEntry>& points,
                                      double metres = 0) {
  auto t = std::make_unique<TTrackList>();
  for (const auto& p : points) t->AddPoint(p, false);
  t->SetName(name);
  t->Distance = metres;
  return t;
}

// Answers the track editor: picks the colour and presses OK.
std::function<int(QDialog&)> PickColourAndOk(uitest::FakeServices& services, QColor colour) {
  return [&services, colour](QDialog& d) {
    auto& editor = dynamic_cast<TFormTrackEditor&>(d);
    services.colourAnswers.push_back(colour);
    editor.btnSelect->click();
    editor.btnOk->click();
    return d.result();
  };
}

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }

class TrackPage : public ::testing::Test {
 protected:
  TrackPage() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    uitest::UseFakeMapView(fake);
    env.WriteIni(uitest::AllPagesIni());
    env.Start();
    f = std::make_unique<TrackMain>();
    page = f->pgTrack;
    Loaded();
    dir = testenv::scratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  // As if the page on show had finished loading.
  void Loaded() {
    f->PageLoaded = true;
    fake->scripts.clear();
    fake->navigated.clear();
    f->calls.clear();
  }
  // Tracks as the store holds them, listed, and a map page drawn from the
  // given checks; as if just loaded, nothing unsaved.
  void ShowTracks(const std::vector<bool>& checked) {
    trackStorage.MarkSaved();
    f->FillTrackList(false);
    for (int i = 0; i < int(checked.size()); ++i) page->SetRowChecked(i, checked[std::size_t(i)]);
    f->RefreshMap(0, 0);
    Loaded();
  }
  QStringList Scripts(const QString& prefix) const {
    QStringList out;
    for (const QString& s : fake->scripts)
      if (s.startsWith(prefix)) out << s;
    return out;
  }
  QString Cell(int row, int column) const { return page->pointModel->Text(row, column); }
  // The window on show with this page in front, so that presses land on
  // buttons of their real size.
  void ShowPage() {
    f->PageControl->setCurrentWidget(page);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ASSERT_TRUE(page->lvTrack->isVisible());
  }
  void ExpectSaveDialog(int filter, const char* suffix) const {
    ASSERT_FALSE(env.services.fileDialogs.empty());
    EXPECT_EQ(env.services.fileDialogs.back().filter, S(filter));
    EXPECT_EQ(env.services.fileDialogs.back().defaultSuffix, QString::fromLatin1(suffix));
  }
  std::vector<QString> MessageTexts() const {
    std::vector<QString> out;
    for (const auto& m : env.services.messages) out.push_back(m.caption + QLatin1Char('|') + m.text);
    return out;
  }

  uitest::ProgramEnv env;
  FakeMapView* fake = nullptr;
  std::unique_ptr<TrackMain> f;
  TTrackPage* page = nullptr;
  fs::path dir;
};

// ---------------------------------------------------------------------------
// texts of the summaries

TEST(TrackTexts, SpansAndDistances) {
  const double t0 = Utc(2014, 5, 3, 10, 0, 0);
  struct Span {
    double first, last;
    const char* text;
  } const spans[] = {
      {t0, Utc(2014, 5, 3, 11, 30, 15), "0 Days 01:30:15"},
      {t0, t0, "0"},
      {t0, t0 - 1.0 / 86400, "0"},
      {t0, Utc(2014, 5, 5, 10, 0, 1), "2 Days 00:00:01"},
      // 59.6 seconds round to a whole minute, never ":60".
      {t0, t0 + 119.6 / 86400, "0 Days 00:02:00"},
      {t0, t0 + 0.4 / 86400, "0"},
  };
  for (const Span& s : spans) EXPECT_EQ(TrackSpanText(s.first, s.last), QString::fromLatin1(s.text)) << s.text;

  EXPECT_EQ(TrackDistanceText(12345.6), QStringLiteral("12.3456 KM"));
  EXPECT_EQ(TrackDistanceText(999), QStringLiteral("999.0000 M"));
  EXPECT_EQ(TrackDistanceText(1000), QStringLiteral("1.0000 KM"));
  EXPECT_EQ(TrackDistanceText(0), QStringLiteral("0.0000 M"));
}

TEST(TrackTexts, ExportCountGoesIntoTheTextNotAFormat) {
  EXPECT_EQ(ExportDoneText(QStringLiteral("Export done, %d track(s) in the list."), 3),
            QStringLiteral("Export done, 3 track(s) in the list."));
  // Anything else in a translation stays text.
  EXPECT_EQ(ExportDoneText(QStringLiteral("%s %n %d %d"), 7), QStringLiteral("%s %n 7 %d"));
  EXPECT_EQ(ExportDoneText(QStringLiteral("Done"), 7), QStringLiteral("Done"));
}

// ---------------------------------------------------------------------------
// the point list

TEST_F(TrackPage, PointListTable) {
  testenv::FixedZone zone("UTC0");
  const double t0 = Utc(2014, 1, 14, 13, 36, 50);
  // One step of 0.001 degree of latitude is 0.111319 km on the program's sphere.
  trackStorage.AddTrack(MakeTrack(QStringLiteral("T"),
                                  {{48.0, 11.0, 500.7, t0},
                                   {48.001, 11.0, 501.2, t0 + 10.0 / 86400},
                                   {48.002, 11.0, -3.9, t0 + 10.0 / 86400},  // same time
                                   {48.003, 11.0, 0, t0 + 1 + 10.0 / 86400}}));  // a whole day on
  f->FillTrackList(false);
  ASSERT_EQ(page->PointRowCount(), 4);
  struct Row {
    const char *lat, *lng, *dist, *time, *speed, *alt;
  } const rows[] = {
      {"48.0000", "11.0000", "0.00", "13:36:50", "0.00", "500"},
      {"48.0010", "11.0000", "0.11", "13:37:00", "40.08", "501"},
      {"48.0020", "11.0000", "0.22", "13:37:00", "40.08", "-3"},
      // The day counts: 0.2226 km in 86400 s, no division by zero.
      {"48.0030", "11.0000", "0.33", "13:37:00", "0.01", "0"},
  };
  for (int r = 0; r < 4; ++r) {
    const char* const* want = &rows[r].lat;
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(r, c), QString::fromLatin1(want[c])) << r << "," << c;
  }
  // What the view shows is the same text.
  EXPECT_EQ(page->lvTrackItem->model()->data(page->lvTrackItem->model()->index(1, 4)).toString(),
            QStringLiteral("40.08"));
}

// At the default size, in every language, the point list cuts no title and
// no value in view, also with its vertical scroll bar showing and once it is
// scrolled to far rows with wider numbers; what does not fit scrolls sideways.
TEST_F(TrackPage, PointListColumnsFitTheirTitlesAndValuesInEveryLanguage) {
  const char* const languages[] = {"English.txt", "Deutsch.txt", "Dutch.txt",       "Spanish.txt",    "French.txt",
                                   "Italiano.txt", "Japanese.txt", "SimpChinese.txt", "TranChinese.txt"};
  for (const char* name : languages)
    env.WriteExe(name, QByteArray::fromStdString(testenv::readFile(testenv::sourceDir() / "resources/ship" / name)));
  std::vector<sFile_TrkEntry> points;
  // Steps of about 3 km a second: distances past 1000 km, speeds past 10000 km/h.
  for (int i = 0; i < 500; ++i) points.push_back({-33.8568 + i * 0.001, 151.2153 - i * 0.03, 12, 45000.0 + i / 86400.0});
  trackStorage.AddTrack(MakeTrack(QStringLiteral("far"), points));
  f->FillTrackList(false);
  ShowPage();
  QTableView* lv = page->lvTrackItem;
  ASSERT_TRUE(lv->isVisible());
  QHeaderView* header = lv->horizontalHeader();
  const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  auto expectNothingCut = [&] {
    QCoreApplication::processEvents();
    EXPECT_TRUE(lv->verticalScrollBar()->isVisible());
    const int first = lv->rowAt(0), last = lv->rowAt(lv->viewport()->height() - 1);
    ASSERT_GE(first, 0);
    for (int c = 0; c < header->count(); ++c) {
      if (header->isSectionHidden(c)) continue;
      SCOPED_TRACE(c);
      const QString title = lv->model()->headerData(c, Qt::Horizontal).toString();
      EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(title) + headerMargin)
          << title.toStdString();
      for (int r = first; r <= (last < 0 ? first : last); ++r) {
        const QString text = Cell(r, c);
        EXPECT_GE(header->sectionSize(c), lv->fontMetrics().horizontalAdvance(text) + 6) << text.toStdString();
      }
    }
    const int overhang = header->length() - lv->viewport()->width();
    EXPECT_EQ(lv->horizontalScrollBar()->maximum(), std::max(overhang, 0));
  };
  for (int language = 0; language < int(std::size(languages)); ++language) {
    SCOPED_TRACE(languages[language]);
    f->ApplyLanguage(language);
    f->FillTrackList(false);
    page->SelectRow(0);
    expectNothingCut();
    lv->verticalScrollBar()->setValue(lv->verticalScrollBar()->maximum());
    expectNothingCut();
  }
}

// Points at latitude 0 or longitude 0 are places: the running distance
// counts every step from the first point on. The lengths are arcs along a
// meridian, the equator and a parallel on the program's sphere, worked out
// here without the program's distance.
TEST_F(TrackPage, PointListDistancesAlongTheEquatorAndThePrimeMeridian) {
  const double r = 6378.137, deg = std::numbers::pi / 180;
  const double parallelLeg = 2 * r * std::asin(std::cos(51.5 * deg) * std::sin(0.05 * deg));
  struct Case {
    const char* what;
    std::vector<std::pair<double, double>> points;  // latitude, longitude
    std::vector<double> km;                         // running distance per row
  } const cases[] = {
      {"along longitude 0", {{51.40, 0}, {51.45, 0}, {51.50, 0}}, {0, r * 0.05 * deg, r * 0.1 * deg}},
      {"along the equator", {{0, -0.1}, {0, 0}, {0, 0.1}}, {0, r * 0.1 * deg, r * 0.2 * deg}},
      {"across the meridian", {{51.5, -0.1}, {51.5, 0}, {51.5, 0.1}}, {0, parallelLeg, 2 * parallelLeg}},
  };
  for (const Case& c : cases) {
    std::vector<sFile_TrkEntry> points;
    for (const auto& [lat, lon] : c.points) points.push_back({lat, lon, 0, 45000.0 + points.size() / 86400.0});
    trackStorage.AddTrack(MakeTrack(QString::fromLatin1(c.what), points));
  }
  f->FillTrackList(false);
  for (int t = 0; t < int(std::size(cases)); ++t) {
    SCOPED_TRACE(cases[t].what);
    page->SelectRow(t);
    ASSERT_EQ(page->PointRowCount(), 3);
    for (int row = 0; row < 3; ++row) {
      EXPECT_NEAR(page->pointModel->DistanceKm(row), cases[t].km[std::size_t(row)], 1e-9) << row;
      EXPECT_EQ(Cell(row, 2), QString::fromLatin1(textfmt::FormatFixed(cases[t].km[std::size_t(row)], 2))) << row;
    }
  }
}

TEST_F(TrackPage, PointListRowsAgreeWhicheverIsAskedFirst) {
  std::vector<sFile_TrkEntry> points;
  for (int i = 0; i < 10000; ++i) points.push_back({10.0 + i * 0.001, 20.0, 0, 45000.0 + i / 86400.0});
  trackStorage.AddTrack(MakeTrack(QStringLiteral("long"), points));
  f->FillTrackList(false);
  ASSERT_EQ(page->PointRowCount(), 10000);
  // Far rows first, then near ones, across the blocks the list works in.
  EXPECT_EQ(Cell(9000, 2), QStringLiteral("1001.88"));
  EXPECT_EQ(Cell(9000, 4), QStringLiteral("400.75"));
  EXPECT_EQ(Cell(4096, 2), QStringLiteral("455.96"));
  EXPECT_EQ(Cell(4095, 2), QStringLiteral("455.85"));
  EXPECT_EQ(Cell(1, 4), QStringLiteral("400.75"));
  EXPECT_EQ(Cell(9999, 2), QStringLiteral("1113.08"));
  EXPECT_EQ(Cell(10000, 2), QString());
}

TEST_F(TrackPage, SelectingATrackShowsItsSummaryInLocalTime) {
  testenv::FixedZone zone("CET-1");
  trackStorage.AddTrack(MakeTrack(QStringLiteral("one"), {{48, 11, 0, Utc(2014, 1, 14, 13, 36, 50)}}, 999));
  trackStorage.AddTrack(MakeTrack(QStringLiteral("two"),
                                  {{48, 11, 0, Utc(2014, 1, 14, 10, 0, 0)},
                                   {48.1, 11, 0, Utc(2014, 1, 14, 11, 30, 15)}},
                                  12345.6));
  f->FillTrackList(false);
  page->SelectRow(0);
  EXPECT_EQ(page->edtTrackStartTime->text(), QStringLiteral("2014/01/14 14:36:50"));
  EXPECT_EQ(page->edtTrackTotalTime->text(), QStringLiteral("0"));
  EXPECT_EQ(page->edtTrackTotalDist->text(), QStringLiteral("999.0000 M"));
  EXPECT_EQ(page->edtTrackTotalPoints->text(), QStringLiteral("1"));
  page->SelectRow(1);
  EXPECT_EQ(page->edtTrackEndTime->text(), QStringLiteral("2014/01/14 12:30:15"));
  EXPECT_EQ(page->edtTrackTotalTime->text(), QStringLiteral("0 Days 01:30:15"));
  EXPECT_EQ(page->edtTrackTotalDist->text(), QStringLiteral("12.3456 KM"));
  EXPECT_EQ(page->edtTrackTotalPoints->text(), QStringLiteral("2"));
  EXPECT_EQ(page->ShownTrack(), trackStorage.At(1));
  // A track without times (a GPX route) shows none.
  trackStorage.AddTrack(MakeTrack(QStringLiteral("route"), {{48, 11, 0, 0}, {48.1, 11, 0, 0}}));
  f->FillTrackList(false);
  page->SelectRow(2);
  EXPECT_EQ(page->edtTrackStartTime->text(), QString());
  EXPECT_EQ(page->edtTrackTotalTime->text(), QStringLiteral("0"));
  EXPECT_EQ(Cell(1, 3), QString());
  EXPECT_EQ(Cell(1, 4), QStringLiteral("0.00"));
}

TEST_F(TrackPage, PointSelectionPutsTheMarkerAndStartMiddleEndJump) {
  mapstores::AddTrack(QStringLiteral("T"), 9, 0xFF);
  f->FillTrackList(false);
  apConfig->CenterPSel = true;
  page->pmnuTStartClick(1);
  EXPECT_EQ(page->SelectedPointRow(), 4);
  EXPECT_EQ(Scripts(QStringLiteral("trk_createMarker")), QStringList{QStringLiteral("trk_createMarker(48.004,11.004,true)")});
  apConfig->CenterPSel = false;
  page->spdTItemEnd->click();
  EXPECT_EQ(page->SelectedPointRow(), 8);
  EXPECT_EQ(Scripts(QStringLiteral("trk_createMarker")).last(), QStringLiteral("trk_createMarker(48.008,11.008,false)"));
  page->pmnuTStart->trigger();
  EXPECT_EQ(page->SelectedPointRow(), 0);
  env.services.shift = true;
  page->lvTrackItemDblClick();
  EXPECT_EQ(page->SelectedPointRow(), 8);
}

TEST_F(TrackPage, HiddenPointListStaysEmptyUntilShownAgain) {
  mapstores::AddTrack(QStringLiteral("T"), 5, 0xFF);
  f->FillTrackList(false);
  page->SelectRow(0);
  f->pgSetKVX->chkTrackItems->click();  // off
  EXPECT_FALSE(apConfig->ShowTrkPts);
  f->FillTrackPoints(0);
  EXPECT_EQ(page->PointRowCount(), 0);
  f->pgSetKVX->chkTrackItems->click();  // on: filled for the selected track
  EXPECT_TRUE(apConfig->ShowTrkPts);
  EXPECT_EQ(page->PointRowCount(), 5);
}

// ---------------------------------------------------------------------------
// check boxes and the map's lines

TEST_F(TrackPage, LinesAreNamedByTheirPlaceOnTheDrawnPage) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  mapstores::AddTrack(QStringLiteral("C"), 3, 0xFF0000);
  ShowTracks({true, false, true});
  EXPECT_TRUE(trackStorage.IsRowChecked(0));
  EXPECT_FALSE(trackStorage.IsRowChecked(1));

  page->SelectRow(2);
  EXPECT_EQ(Scripts(QStringLiteral("trk_")), QStringList{QStringLiteral("trk_jumpToPoint(1)")});
  env.services.onDialog = PickColourAndOk(env.services, QColor(0x12, 0x34, 0x56));
  f->lvTrackDblClick();
  EXPECT_EQ(Scripts(QStringLiteral("trk_changeColor")), QStringList{QStringLiteral("trk_changeColor(1,'#123456')")});
  EXPECT_EQ(trackStorage.At(2)->Color, 0x563412u);

  // B checked after the page was drawn has no line yet, and C's stays 1.
  fake->scripts.clear();
  page->SetRowChecked(1, true);
  page->SelectRow(1);
  page->SelectRow(2);
  EXPECT_EQ(Scripts(QStringLiteral("trk_")), QStringList{QStringLiteral("trk_jumpToPoint(1)")});
  EXPECT_EQ(f->GetTrackLineIndex(0), 0);
  EXPECT_EQ(f->GetTrackLineIndex(1), -1);
  EXPECT_EQ(f->GetTrackLineIndex(3), -1);
  // The next page draws B too.
  f->RefreshMap(0, 0);
  EXPECT_EQ(f->GetTrackLineIndex(2), 2);
}

TEST_F(TrackPage, ChecksTakeEffectOnTheMapWithShiftOnlyAndCaptionsAreNoChecks) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF);
  ShowTracks({false, false});
  page->SetRowChecked(0, true);
  EXPECT_TRUE(fake->navigated.isEmpty());
  env.services.shift = true;
  page->SetRowChecked(1, true);
  EXPECT_EQ(fake->navigated.size(), 1);
  trackStorage.At(0)->SetName(QStringLiteral("renamed"));
  f->UpdateTrackCaptions();
  EXPECT_EQ(page->lvTrack->topLevelItem(0)->text(0), QStringLiteral("renamed"));
  EXPECT_EQ(fake->navigated.size(), 1);

  // The header checks every row, its right click unchecks them; once.
  env.services.shift = false;
  emit page->lvTrack->header()->customContextMenuRequested(QPoint(1, 1));
  EXPECT_FALSE(trackStorage.IsRowChecked(0));
  EXPECT_FALSE(trackStorage.IsRowChecked(1));
  env.services.shift = true;
  emit page->lvTrack->header()->sectionClicked(0);
  EXPECT_TRUE(trackStorage.IsRowChecked(0));
  EXPECT_TRUE(trackStorage.IsRowChecked(1));
  EXPECT_EQ(fake->navigated.size(), 2);
}

TEST_F(TrackPage, ColourCycleOfLoadedTracks) {
  for (int i = 0; i < 7; ++i) mapstores::AddTrack(QStringLiteral("T%1").arg(i), 2, 0x123456);
  f->FillTrackList(false);
  EXPECT_EQ(trackStorage.At(6)->Color, 0x123456u);
  f->FillTrackList(true);
  const std::uint32_t want[] = {0xFF0000, 0x000080, 0x00FF00, 0x800080, 0x808000, 0xFF0000, 0x000080};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(trackStorage.At(std::size_t(i))->Color, want[i]) << i;
    EXPECT_EQ(page->lvTrack->topLevelItem(i)->background(1).color(), TrackColorToQColor(want[i])) << i;
  }
  // The point list shows the last track; no row is checked by the fill.
  EXPECT_EQ(page->ShownTrack(), trackStorage.At(6));
  EXPECT_FALSE(page->RowChecked(6));
}

// ---------------------------------------------------------------------------
// editor

TEST_F(TrackPage, EditorRules) {
  TTrackList track;
  track.SetName(QStringLiteral("old"));
  track.Color = 0x0000FF;
  {
    TFormTrackEditor editor(&track, QIcon(), nullptr);
    EXPECT_EQ(editor.windowTitle(), S(147));
    EXPECT_EQ(editor.lblTitle->text(), S(10));
    EXPECT_EQ(editor.btnCancel->text(), S(160));
    EXPECT_EQ(editor.ChosenColor(), 0x0000FFu);
    editor.edtTitle->clear();
    editor.btnOk->click();
    EXPECT_EQ(editor.result(), 0);  // stays open
    EXPECT_EQ(track.Name(), QStringLiteral("old"));
    editor.edtTitle->setText(QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    EXPECT_EQ(editor.edtTitle->text(), QStringLiteral("abcdefghijklmnopqrst"));
    env.services.colourAnswers.push_back(std::nullopt);  // colour dialog cancelled
    editor.btnSelect->click();
    EXPECT_EQ(editor.ChosenColor(), 0x0000FFu);
    editor.btnOk->click();
    EXPECT_EQ(editor.result(), int(QDialog::Accepted));
    EXPECT_EQ(track.Name(), QStringLiteral("abcdefghijklmnopqrst"));
  }
  {
    TFormTrackEditor editor(&track, QIcon(), nullptr);
    editor.edtTitle->setText(QStringLiteral("other"));
    env.services.colourAnswers.push_back(QColor(Qt::green));
    editor.btnSelect->click();
    editor.btnCancel->click();
    EXPECT_EQ(editor.result(), int(QDialog::Rejected));
    EXPECT_EQ(track.Name(), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(track.Color, 0x0000FFu);
  }
  TFormTrackEditor empty(nullptr, QIcon(), nullptr);
  EXPECT_EQ(empty.edtTitle->text(), QString());
  EXPECT_EQ(empty.ChosenColor(), 0xFFFFFFu);
}

TEST_F(TrackPage, EditingWithoutSelectionOrCancelledDoesNothing) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  ShowTracks({true});
  f->lvTrackDblClick();
  EXPECT_EQ(env.services.dialogsShown, 0);
  page->SelectRow(0);
  fake->scripts.clear();
  page->tbTrackTableMod->click();  // the fake cancels
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_TRUE(Scripts(QStringLiteral("trk_changeColor")).isEmpty());
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("A"));
}

// ---------------------------------------------------------------------------
// add to route

TEST_F(TrackPage, AddPointToRouteTakesAFreeNameThePositionAndTheAltitude) {
  trackStorage.AddTrack(MakeTrack(QStringLiteral("T"), {{48.1234567, 11.7654321, 523.9, 45000}}));
  f->FillTrackList(false);
  for (const char* name : {"a", "3", "4"}) routeStorage.AddPoint(QString::fromLatin1(name), 47, 10, 0);
  f->FillRouteList(true, false);
  f->calls.clear();
  page->SelectPointRow(0);
  fake->scripts.clear();
  page->spdaddToRoute->click();
  ASSERT_EQ(routeStorage.Count(), 4u);
  const RouteWpt* added = routeStorage.At(3);
  EXPECT_EQ(added->Name, QStringLiteral("5"));
  EXPECT_DOUBLE_EQ(added->Latitude, 48.1234567);
  EXPECT_DOUBLE_EQ(added->Longitude, 11.7654321);
  EXPECT_EQ(added->Elevation, 523);
  EXPECT_EQ(f->calls, QStringList{QStringLiteral("FillRouteList:1,0")});
  EXPECT_EQ(fake->scripts, QStringList{QStringLiteral("rte_addPoint(48.1234567,11.7654321,3,-1)")});
  EXPECT_EQ(f->pgRoute->lvRoute->currentItem(), f->pgRoute->lvRoute->topLevelItem(3));

  // A full route takes nothing, neither in the store nor on the page.
  for (int i = 0; routeStorage.Count() < std::size_t(RouteStorage::MaxPoints); ++i)
    routeStorage.AddPoint(QStringLiteral("p%1").arg(i), 47, 10, 0);
  f->FillRouteList(true, false);
  fake->scripts.clear();
  page->spdaddToRoute->click();
  EXPECT_EQ(routeStorage.Count(), std::size_t(RouteStorage::MaxPoints));
  EXPECT_TRUE(fake->scripts.isEmpty());
}

// ---------------------------------------------------------------------------
// delete and clear

TEST_F(TrackPage, DeletingRowsWithEqualNamesKeepsListAndStoreInStep) {
  for (const char* name : {"A", "X", "X", "B", "X"}) mapstores::AddTrack(QString::fromLatin1(name), 2, 0xFF);
  std::vector<const TTrackList*> tracks;
  for (std::size_t i = 0; i < 5; ++i) tracks.push_back(trackStorage.At(i));
  ShowTracks({true, true, false, true, false});

  // The second X, alone: the first X stays, checks stay with their rows.
  page->SelectRow(2);
  page->tbTrackTableDel->click();
  ASSERT_EQ(trackStorage.Count(), 4u);
  EXPECT_EQ(trackStorage.At(1), tracks[1]);
  EXPECT_EQ(trackStorage.At(2), tracks[3]);
  ASSERT_EQ(page->RowCount(), 4);
  EXPECT_TRUE(page->RowChecked(1));
  EXPECT_TRUE(page->RowChecked(2));
  EXPECT_EQ(fake->navigated.size(), 1);

  // Several at once, each by its row.
  page->lvTrack->clearSelection();
  page->lvTrack->topLevelItem(1)->setSelected(true);
  page->lvTrack->topLevelItem(3)->setSelected(true);
  f->bgTrackTableItems1Click();
  ASSERT_EQ(trackStorage.Count(), 2u);
  EXPECT_EQ(trackStorage.At(0), tracks[0]);
  EXPECT_EQ(trackStorage.At(1), tracks[3]);
  ASSERT_EQ(page->RowCount(), 2);
  EXPECT_EQ(page->lvTrack->topLevelItem(1)->text(0), QStringLiteral("B"));
  EXPECT_EQ(f->GetTrackLineIndex(1), 1);

  // Nothing selected: nothing happens.
  page->lvTrack->clearSelection();
  fake->navigated.clear();
  f->bgTrackTableItems1Click();
  EXPECT_EQ(trackStorage.Count(), 2u);
  EXPECT_TRUE(fake->navigated.isEmpty());

  env.services.answer = UiServices::Yes;  // the deletions are unsaved work
  page->tbTrackTableClear->click();
  EXPECT_EQ(trackStorage.Count(), 0u);
  EXPECT_EQ(page->RowCount(), 0);
  EXPECT_EQ(page->PointRowCount(), 0);
  EXPECT_EQ(fake->navigated.size(), 1);
}

TEST_F(TrackPage, DeletingTheShownTrackEmptiesThePointListAnotherKeepsIt) {
  mapstores::AddTrack(QStringLiteral("A"), 4, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 6, 0xFF);
  ShowTracks({true, true});
  page->SelectRow(1);
  ASSERT_EQ(page->PointRowCount(), 6);
  {
    // A row before the shown track goes (as the Delete key would take it
    // while the point list still shows the other track).
    const QSignalBlocker quiet(page->lvTrack);
    page->lvTrack->clearSelection();
    page->lvTrack->topLevelItem(0)->setSelected(true);
  }
  f->bgTrackTableItems1Click();
  EXPECT_EQ(page->ShownTrack(), trackStorage.At(0));
  EXPECT_EQ(page->PointRowCount(), 6);
  EXPECT_EQ(Cell(5, 0), QStringLiteral("48.0050"));
  page->SelectRow(0);
  f->bgTrackTableItems1Click();
  EXPECT_EQ(page->PointRowCount(), 0);
  EXPECT_EQ(page->edtTrackTotalPoints->text(), QString());
}

// ---------------------------------------------------------------------------
// playback

TEST_F(TrackPage, PlaybackRunsToTheEndAndStops) {
  mapstores::AddTrack(QStringLiteral("T"), 6, 0xFF);
  f->FillTrackList(false);
  page->trbTrkSpeed->setValue(0);
  EXPECT_EQ(page->trbTrkSpeed->toolTip(), QStringLiteral("0 ms"));
  page->SelectPointRow(2);
  fake->scripts.clear();
  page->spdTrackPlay->click();
  EXPECT_TRUE(f->PlaybackRunning);
  EXPECT_TRUE(page->spdTrackPlay->isHidden());
  EXPECT_FALSE(page->spdTrackStopp->isHidden());
  ASSERT_TRUE(mapweb::WaitFor([&] { return !page->PlaybackActive(); }, 5000));
  EXPECT_FALSE(f->PlaybackRunning);
  EXPECT_EQ(page->SelectedPointRow(), 5);
  EXPECT_EQ(Scripts(QStringLiteral("trk_createMarker")).size(), 4);  // rows 2 to 5
  EXPECT_FALSE(page->spdTrackPlay->isHidden());
  EXPECT_TRUE(page->spdTrackStopp->isHidden());
}

TEST_F(TrackPage, PlaybackStopsOnStopCloseDeleteAndRefill) {
  mapstores::AddTrack(QStringLiteral("T"), 1000, 0xFF);
  trackStorage.MarkSaved();  // the window closes without a question
  f->FillTrackList(false);
  page->SelectRow(0);
  page->trbTrkSpeed->setValue(5);
  using Stopper = std::function<void()>;
  const std::pair<const char*, Stopper> stoppers[] = {
      {"stop button", [&] { page->spdTrackStopp->click(); }},
      {"window closes", [&] { f->FormCloseQuery(); }},
      {"refill", [&] { f->FillTrackList(false); }},
      {"track deleted", [&] { page->SelectRow(0); f->bgTrackTableItems1Click(); }},
  };
  for (const auto& [what, stop] : stoppers) {
    page->SelectPointRow(0);
    page->spdTrackPlay->click();
    ASSERT_TRUE(mapweb::WaitFor([&] { return page->SelectedPointRow() >= 2; }, 5000)) << what;
    stop();
    QTest::qWait(30);
    EXPECT_FALSE(page->PlaybackActive()) << what;
    EXPECT_FALSE(f->PlaybackRunning) << what;
    EXPECT_FALSE(page->spdTrackPlay->isHidden()) << what;
    EXPECT_LT(page->SelectedPointRow(), 999) << what;
  }
  // Without points nothing starts.
  page->spdTrackPlay->click();
  EXPECT_FALSE(page->PlaybackActive());
}

// ---------------------------------------------------------------------------
// the track file

TEST_F(TrackPage, TrackFileSaveAndReopen) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 4, 0xFF00);
  mapstores::AddTrack(QStringLiteral("C"), 5, 0xFF0000);
  ShowTracks({true, false, true});
  const QString path = Q(dir / "saved.trk");
  env.services.saveAnswers.push_back(path);
  page->tbTrackFileSave->click();
  ExpectSaveDialog(140, "trk");
  EXPECT_TRUE(f->windowTitle().endsWith(path));
  EXPECT_EQ(f->StatusText(2), S(167));

  for (bool all : {false, true}) {
    apConfig->TrkImpMode = all;
    trackStorage.Clear();
    f->FillTrackList(false);
    env.services.openAnswers.push_back(path);
    page->tbTrackFileOpen->click();
    ASSERT_EQ(trackStorage.Count(), 2u);
    EXPECT_EQ(trackStorage.At(1)->Name(), QStringLiteral("C"));
    EXPECT_EQ(trackStorage.At(1)->Color, 0xFF0000u);  // the file's colours stay
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(page->RowChecked(0), all);
    EXPECT_TRUE(page->RowChecked(1));
    EXPECT_EQ(page->lvTrack->selectedItems(), QList<QTreeWidgetItem*>{page->lvTrack->topLevelItem(1)});
    EXPECT_EQ(page->PointRowCount(), 5);
    EXPECT_FALSE(f->ListRefilling);
  }
}

TEST_F(TrackPage, FailedSavesShowFailedWithTheReasonAndNoFileInTheTitle) {
  mapstores::AddTrack(QStringLiteral("A"), 2000, 0xFF);
  ShowTracks({true});
  const QString title = f->windowTitle();
  struct Case {
    const char* what;
    QToolButton* button;
    QAction* action;
    int caption;
  } const cases[] = {
      {"track file", page->tbTrackFileSave, nullptr, 114},
      {"NMEA", page->tbTrackFileNME, nullptr, 134},
      {"GPX", nullptr, page->mnuGPXExport, 133},
      {"KML", nullptr, page->mnuKML, 132},
  };
  for (const Case& c : cases) {
    for (bool fullDisk : {false, true}) {
      env.services.messages.clear();
      f->SetStatusText(2, QString());
      const fs::path file = fullDisk ? dir / "full.out" : dir / "no-such-folder" / "x.out";
      if (fullDisk) testenv::writeFile(file, "old contents");
      env.services.saveAnswers.push_back(Q(file));
      {
        testenv::FileSizeLimit limit(fullDisk ? 4096 : ~0ull);
        if (c.button)
          c.button->click();
        else
          c.action->trigger();
      }
      SCOPED_TRACE(std::string(c.what) + (fullDisk ? " full disk" : " no folder"));
      ASSERT_EQ(env.services.messages.size(), 1u);
      EXPECT_EQ(env.services.messages[0].caption, S(c.caption));
      EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168))) << env.services.messages[0].text.toStdString();
      EXPECT_TRUE(env.services.messages[0].text.contains(Q(file)));
      EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
      EXPECT_EQ(f->StatusText(2), S(168));
      EXPECT_FALSE(f->StatusText(3).isEmpty());
      EXPECT_EQ(f->windowTitle(), title);
      if (fullDisk) {
        EXPECT_EQ(testenv::readFile(file), "old contents");
      }
    }
  }
}

TEST_F(TrackPage, CommandsThatNeedTracksSayThereAreNone) {
  page->tbTrackFileSave->click();
  page->tbTrackFileNME->click();
  EXPECT_EQ(MessageTexts(), (std::vector<QString>{S(114) + "|" + S(119), S(114) + "|" + S(119)}));
  EXPECT_TRUE(env.services.fileDialogs.empty());
  emit page->pmnuGPX->aboutToShow();
  EXPECT_FALSE(page->mnuGPXExport->isEnabled());
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  f->FillTrackList(false);
  emit page->pmnuGPX->aboutToShow();
  emit page->pmnuKML->aboutToShow();
  EXPECT_TRUE(page->mnuGPXExport->isEnabled());
  EXPECT_TRUE(page->mnuCallGE->isEnabled());
}

TEST_F(TrackPage, DamagedTrackFileSaysSo) {
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  ShowTracks({true});
  const fs::path file = dir / "bad.trk";
  testenv::writeFile(file, "not a track file");
  env.services.openAnswers.push_back(Q(file));
  page->tbTrackFileOpen->click();
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168)));
  // The reason names what happened: no track was read, the one held stays.
  EXPECT_TRUE(env.services.messages[0].text.contains(QStringLiteral("holds no complete track")))
      << env.services.messages[0].text.toStdString();
  EXPECT_FALSE(f->windowTitle().contains(QStringLiteral("bad.trk")));
  ASSERT_EQ(trackStorage.Count(), 1u);  // nothing lost
  EXPECT_EQ(page->RowCount(), 1);

  // A file cut after its first track: that track is read, and the reason says so.
  const fs::path cut = dir / "cut.trk";
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  ShowTracks({true, true});
  ASSERT_EQ(trackStorage.SaveToFile(Q(cut)), 2);
  testenv::writeFile(cut, testenv::readFile(cut).substr(0, testenv::readFile(cut).size() - 10));
  env.services.messages.clear();
  env.services.openAnswers.push_back(Q(cut));
  page->tbTrackFileOpen->click();
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.contains(QStringLiteral("cut short")))
      << env.services.messages[0].text.toStdString();
  ASSERT_EQ(trackStorage.Count(), 1u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("A"));
}

TEST_F(TrackPage, SavingWithNoTrackCheckedWritesNothingAndKeepsTheTitle) {
  ShowPage();
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  ShowTracks({false, false});
  f->SetTitleFile(QStringLiteral("/earlier/tracks.trk"));
  const QString title = f->windowTitle();
  f->SetStatusText(2, S(167));  // the last command's outcome
  const fs::path file = dir / "none.trk";
  env.services.saveAnswers.push_back(Q(file));
  QTest::mouseClick(page->tbTrackFileSave, Qt::LeftButton);
  EXPECT_FALSE(fs::exists(file));
  ASSERT_EQ(MessageTexts(), std::vector<QString>{S(114) + "|No track is checked, so nothing was written."});
  EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
  EXPECT_TRUE(env.services.fileDialogs.empty());
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(f->windowTitle(), title);
  EXPECT_EQ(f->StatusText(2), S(168));
  // One checked track is saved.
  env.services.messages.clear();
  page->SetRowChecked(1, true);
  QTest::mouseClick(page->tbTrackFileSave, Qt::LeftButton);
  EXPECT_EQ(MessageTexts(),
            std::vector<QString>{S(114) + "|1 track saved. 1 unchecked track not saved."});
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(f->windowTitle(), mainWindowTitle + Q(file));
}

// The save says how many tracks it wrote and how many unchecked ones it
// left out; the GPX and KML exports with no track checked say so and write
// nothing.
TEST_F(TrackPage, SavesAndExportsSayWhatTheyLeftOut) {
  ShowPage();
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  mapstores::AddTrack(QStringLiteral("C"), 3, 0xFF0000);
  const struct {
    std::vector<bool> checked;
    const char* says;
  } saves[] = {
      {{true, false, true}, "2 tracks saved. 1 unchecked track not saved."},
      {{true, true, true}, "3 tracks saved."},
      {{false, true, false}, "1 track saved. 2 unchecked tracks not saved."},
  };
  for (const auto& c : saves) {
    SCOPED_TRACE(c.says);
    ShowTracks(c.checked);
    env.services.messages.clear();
    const fs::path file = dir / "saved.trk";
    env.services.saveAnswers.push_back(Q(file));
    QTest::mouseClick(page->tbTrackFileSave, Qt::LeftButton);
    ASSERT_EQ(MessageTexts(), std::vector<QString>{S(114) + "|" + QString::fromLatin1(c.says)});
    EXPECT_EQ(env.services.messages[0].icon, Icon::Information);
    EXPECT_TRUE(fs::exists(file));
  }

  ShowTracks({false, false, false});
  struct Export {
    const char* what;
    QAction* action;
    int caption;
  } const exports[] = {{"GPX", page->mnuGPXExport, 133}, {"KML", page->mnuKML, 132}, {"viewer", page->mnuCallGE, 132}};
  for (const Export& e : exports) {
    SCOPED_TRACE(e.what);
    env.services.messages.clear();
    env.services.fileDialogs.clear();
    env.services.opened.clear();
    const fs::path file = dir / (std::string(e.what) + ".out");
    env.services.saveAnswers.push_back(Q(file));
    e.action->trigger();
    env.services.saveAnswers.clear();
    ASSERT_EQ(MessageTexts(),
              std::vector<QString>{S(e.caption) + "|No track is checked, so nothing was written."});
    EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
    EXPECT_TRUE(env.services.fileDialogs.empty());
    EXPECT_TRUE(env.services.opened.isEmpty());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(f->StatusText(2), S(168));
  }
}

TEST_F(TrackPage, TitleNamesTheFileWhoseTracksAreHeld) {
  ShowPage();
  const fs::path older = dir / "older.trk", cut = dir / "cut.trk", junk = dir / "junk.trk";
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  ShowTracks({true});
  ASSERT_EQ(trackStorage.SaveToFile(Q(older)), 1);
  trackStorage.Clear();
  mapstores::AddTrack(QStringLiteral("C"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("D"), 3, 0xFF);
  ShowTracks({true, true});
  ASSERT_EQ(trackStorage.SaveToFile(Q(cut)), 2);
  const std::string whole = testenv::readFile(cut);
  testenv::writeFile(cut, whole.substr(0, whole.size() - 10));  // inside D
  testenv::writeFile(junk, "not a track file");
  trackStorage.Clear();
  f->FillTrackList(false);

  struct Step {
    fs::path file;
    QStringList held;
    fs::path titled;
  } const steps[] = {
      {older, {"A"}, older},
      {cut, {"C"}, cut},    // part of the file: its tracks are what is held
      {junk, {"C"}, cut},   // nothing read: the tracks and the title stay
      {dir / "missing.trk", {"C"}, cut},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.file.string());
    env.services.openAnswers.push_back(Q(step.file));
    QTest::mouseClick(page->tbTrackFileOpen, Qt::LeftButton);
    QStringList held;
    for (std::size_t i = 0; i < trackStorage.Count(); ++i) held << trackStorage.At(i)->Name();
    EXPECT_EQ(held, step.held);
    EXPECT_EQ(f->windowTitle(), mainWindowTitle + Q(step.titled));
  }
}

// Every button and menu item of the page pressed as the user presses it: a
// lost connection fails here.
TEST_F(TrackPage, ButtonsAndMenuItemsReachTheirHandlers) {
  ShowPage();
  auto press = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
  mapstores::AddTrack(QStringLiteral("A"), 5, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 9, 0xFF00);
  ShowTracks({true, true});
  const QString saved = Q(dir / "pressed.trk");
  env.services.saveAnswers.push_back(saved);
  press(page->tbTrackFileSave);
  ASSERT_TRUE(QFile::exists(saved));
  trackStorage.Clear();
  f->FillTrackList(false);
  env.services.openAnswers.push_back(saved);
  press(page->tbTrackFileOpen);
  ASSERT_EQ(page->RowCount(), 2);
  ASSERT_EQ(page->PointRowCount(), 9);  // the last track is selected

  // The point list: its buttons, its menu, the add to the route.
  const std::pair<QToolButton*, int> jumps[] = {
      {page->spdTItemEnd, 8}, {page->spdTItemCenter, 4}, {page->spdTItemTop, 0}};
  for (const auto& [button, row] : jumps) {
    press(button);
    EXPECT_EQ(page->SelectedPointRow(), row) << button->objectName().toStdString();
  }
  const std::pair<QAction*, int> items[] = {{page->pmnuTEnd, 8}, {page->pmnuTMiddle, 4}, {page->pmnuTStart, 0}};
  for (const auto& [action, row] : items) {
    ASSERT_TRUE(page->pmnuTrackItems->actions().contains(action));
    action->trigger();
    EXPECT_EQ(page->SelectedPointRow(), row) << action->objectName().toStdString();
  }
  press(page->spdaddToRoute);
  EXPECT_EQ(routeStorage.Count(), 1u);

  // Playback, its speed and its stop.
  QTest::keyClick(page->trbTrkSpeed, Qt::Key_End);
  EXPECT_EQ(page->trbTrkSpeed->toolTip(), QStringLiteral("250 ms"));
  press(page->spdTrackPlay);
  EXPECT_TRUE(page->PlaybackActive());
  press(page->spdTrackStopp);
  EXPECT_FALSE(page->PlaybackActive());
  EXPECT_FALSE(page->spdTrackPlay->isHidden());

  // The exports: NMEA, GPX through its menu, KML without and with a viewer.
  env.services.messages.clear();
  env.services.saveAnswers.push_back(Q(dir / "pressed.nmea"));
  press(page->tbTrackFileNME);
  press(page->tbTrackFileGPX);
  EXPECT_TRUE(page->pmnuGPX->isVisible());
  env.services.saveAnswers.push_back(Q(dir / "pressed.gpx"));
  page->mnuGPXExport->trigger();
  page->pmnuGPX->hide();
  env.services.saveAnswers.push_back(Q(dir / "pressed.kml"));
  press(page->tbTrackFileKLM);
  EXPECT_EQ(MessageTexts(), (std::vector<QString>{S(134) + "|" + S(135), S(133) + "|" + S(135),
                                                  S(132) + "|" + S(135)}));
  for (const char* name : {"pressed.nmea", "pressed.gpx", "pressed.kml"}) EXPECT_TRUE(fs::exists(dir / name)) << name;
  f->GlobeViewerPresent = true;
  env.services.applications << QStringLiteral("application/vnd.google-earth.kml+xml");
  press(page->tbTrackFileKLM);
  EXPECT_TRUE(page->pmnuKML->isVisible());
  env.services.saveAnswers.push_back(Q(dir / "menu.kml"));
  page->mnuKML->trigger();
  EXPECT_TRUE(fs::exists(dir / "menu.kml"));
  qputenv("TEMP", Q(dir).toLocal8Bit());
  page->mnuCallGE->trigger();
  qunsetenv("TEMP");
  page->pmnuKML->hide();
  EXPECT_EQ(env.services.opened.size(), 1);

  // The GPX import through its menu item.
  const fs::path gpx = dir / "pressed-import.gpx";
  testenv::writeFile(gpx, R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
  <trk><name>Imported</name><trkseg><trkpt lat="48.0" lon="11.0"/><trkpt lat="48.1" lon="11.1"/></trkseg></trk>
</gpx>
)");
  env.services.openAnswers.push_back(Q(gpx));
  page->mnuGPXImport->trigger();
  ASSERT_EQ(trackStorage.Count(), 1u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("Imported"));

  // The device's track log: no device on the port.
  env.services.messages.clear();
  apConfig->Port = 49;
  press(page->tbTrackDeviceDown);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{S(117) + "|" + S(115) + "\nCOM 49 could not be opened."});

  // The table: modify, the header's check-all, delete, clear.
  mapstores::AddTrack(QStringLiteral("E"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("F"), 3, 0xFF);
  ShowTracks({false, false, false});
  page->SelectRow(1);
  env.services.onDialog = PickColourAndOk(env.services, QColor(0x12, 0x34, 0x56));
  press(page->tbTrackTableMod);
  EXPECT_EQ(trackStorage.At(1)->Color, 0x563412u);
  QHeaderView* header = page->lvTrack->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
  EXPECT_TRUE(page->RowChecked(0) && page->RowChecked(1) && page->RowChecked(2));
  page->SelectRow(0);
  press(page->tbTrackTableDel);
  EXPECT_EQ(trackStorage.Count(), 2u);
  env.services.answer = UiServices::Yes;  // the edits above are unsaved work
  press(page->tbTrackTableClear);
  EXPECT_EQ(trackStorage.Count(), 0u);
  EXPECT_EQ(page->RowCount(), 0);
}

// ---------------------------------------------------------------------------
// exports

TEST_F(TrackPage, GpxExportValidatesAndGpsbabelReadsTheSamePointsBack) {
  testenv::FixedZone zone("UTC0");
  std::vector<sFile_TrkEntry> points;
  for (int i = 0; i < 20; ++i)
    points.push_back({48.0 + i * 0.0012345, 11.0 - i * 0.000321, 500.5 + i, Utc(2014, 5, 3, 8, 4, 5) + i / 86400.0});
  trackStorage.AddTrack(MakeTrack(QStringLiteral("skip"), points));
  trackStorage.AddTrack(MakeTrack(QStringLiteral("Walk <&>"), points));
  ShowTracks({false, true});
  const QString path = Q(dir / "out.gpx");
  env.services.saveAnswers.push_back(path);
  page->mnuGPXExport->trigger();
  ExpectSaveDialog(142, "gpx");
  EXPECT_EQ(MessageTexts(), std::vector<QString>{S(133) + "|" + S(135)});
  EXPECT_EQ(env.services.messages[0].icon, Icon::Information);
  EXPECT_EQ(run("xmllint --noout --nonet --schema '" + (testenv::fixturesDir() / "gpx-1.1.xsd").string() + "' '" +
                path.toStdString() + "'"),
            0);
  ASSERT_EQ(run("gpsbabel -t -i gpx -f '" + path.toStdString() + "' -o unicsv,utc=0 -F '" +
                (dir / "back.csv").string() + "'"),
            0);
  const QStringList lines = QString::fromStdString(testenv::readFile(dir / "back.csv")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 21);  // header and the checked track's points
  const QStringList head = lines[0].trimmed().split(QLatin1Char(','));
  const int lat = int(head.indexOf(QStringLiteral("Latitude"))), lon = int(head.indexOf(QStringLiteral("Longitude")));
  ASSERT_GE(lat, 0);
  ASSERT_GE(lon, 0);
  for (int i = 0; i < 20; ++i) {
    const QStringList cells = lines[i + 1].trimmed().split(QLatin1Char(','));
    EXPECT_NEAR(textfmt::StrToFloat(cells[lat]), points[std::size_t(i)].Latitude, 1e-6) << i;
    EXPECT_NEAR(textfmt::StrToFloat(cells[lon]), points[std::size_t(i)].Longitude, 1e-6) << i;
  }
}

TEST_F(TrackPage, KmlGoesToAFileWithoutViewerAndToTheViewerWithOne) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  ShowTracks({true});
  // No viewer: the button exports at once.
  ASSERT_FALSE(f->GlobeViewerPresent);
  const QString path = Q(dir / "out.kml");
  env.services.saveAnswers.push_back(path);
  page->tbTrackFileKLM->click();
  ExpectSaveDialog(141, "kml");
  EXPECT_EQ(MessageTexts(), std::vector<QString>{S(132) + "|" + S(135)});
  EXPECT_EQ(run("xmllint --noout --nonet '" + path.toStdString() + "'"), 0);

  // With a viewer the file goes to the temporary folder and is opened.
  env.services.applications << QStringLiteral("application/vnd.google-earth.kml+xml");
  EXPECT_TRUE(f->IsGoogleEarthInstalled());
  qputenv("TEMP", Q(dir).toLocal8Bit());
  page->mnuCallGE->trigger();
  qunsetenv("TEMP");
  ASSERT_EQ(env.services.opened.size(), 1);
  EXPECT_TRUE(env.services.opened[0].startsWith(Q(dir)));
  EXPECT_TRUE(env.services.opened[0].endsWith(QStringLiteral("/KVXFile.kml")));
  EXPECT_TRUE(QFile::exists(env.services.opened[0]));
  EXPECT_EQ(env.services.fileDialogs.size(), 1u);
}

TEST_F(TrackPage, NmeaExportWritesEveryTrack) {
  mapstores::AddTrack(QStringLiteral("A"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 4, 0xFF);
  ShowTracks({true, false});
  const QString path = Q(dir / "out.nmea");
  env.services.saveAnswers.push_back(path);
  page->tbTrackFileNME->click();
  ExpectSaveDialog(143, "nmea");
  EXPECT_EQ(MessageTexts(), std::vector<QString>{S(134) + "|" + S(135)});
  const QString text = QString::fromStdString(testenv::readFile(path.toStdString()));
  EXPECT_EQ(text.count(QStringLiteral("$GPGGA")), 7);
}

// ---------------------------------------------------------------------------
// GPX import

const char kGpx[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="48.5" lon="11.5"><time>2014-05-03T08:04:05Z</time><sym>POI4</sym></wpt>
  <trk><name>First</name><trkseg>
    <trkpt lat="48.0" lon="11.0"><ele>500</ele><time>2014-05-03T08:00:00Z</time></trkpt>
    <trkpt lat="48.01" lon="11.0"><ele>510</ele><time>2014-05-03T08:01:00Z</time></trkpt>
  </trkseg></trk>
  <rte><rtept lat="47.0" lon="10.0"/><rtept lat="47.1" lon="10.1"/><rtept lat="47.2" lon="10.2"/></rte>
</gpx>
)";

TEST_F(TrackPage, DroppedGpxShowsTracksAndWaypoints) {
  apConfig->SepTrack = true;
  apConfig->TrkImpMode = true;
  const fs::path file = dir / "walk.gpx";
  testenv::writeFile(file, kGpx);
  f->HandleDroppedFile({Q(file)});
  EXPECT_EQ(f->Mode, omTrack);
  ASSERT_EQ(trackStorage.Count(), 2u);
  ASSERT_EQ(page->RowCount(), 2);
  EXPECT_EQ(page->lvTrack->topLevelItem(0)->text(0), QStringLiteral("First"));
  EXPECT_EQ(page->lvTrack->topLevelItem(1)->text(0), QStringLiteral("RouteImport (1)"));
  EXPECT_EQ(trackStorage.At(1)->Color, 0x000080u);
  EXPECT_TRUE(page->RowChecked(0));
  EXPECT_TRUE(page->RowChecked(1));
  EXPECT_EQ(page->PointRowCount(), 3);
  EXPECT_EQ(poiStorage.GetCount(), 1u);
  EXPECT_TRUE(f->calls.contains(QStringLiteral("FillWptList")));
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_TRUE(f->windowTitle().endsWith(QStringLiteral("walk.gpx")));
  EXPECT_EQ(fake->navigated.size(), 1);
  EXPECT_EQ(f->GetTrackLineIndex(1), 1);
  EXPECT_EQ(GPXImpForm, nullptr);
}

// A GPX file of waypoints alone, chosen in the menu or dropped, with the
// tracks saved or after a Yes to the question about unsaved ones: the
// tracks, their checks, their saved or unsaved state and the title stay; the
// waypoints the store takes are added, and the message counts them.
TEST_F(TrackPage, WaypointOnlyGpxKeepsTheTracksAndSaysSo) {
  const std::string head = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
)";
  struct Case {
    const char* what;
    bool dropped, unsaved;
    std::string waypoints;
    int added;
    const char* text;
    int status;
  } const cases[] = {
      {"from the menu, tracks saved", false, false,
       R"(<wpt lat="48.5" lon="11.5"><time>2014-05-03T08:04:05Z</time></wpt>
          <wpt lat="48.6" lon="11.6"><time>2014-05-03T09:04:05Z</time></wpt>
          <wpt lat="48.7" lon="11.7"><sym>POI250</sym></wpt>)",
       2, "The file holds no track or route, so the tracks are kept. 2 waypoints from the file were added.", 167},
      {"dropped, tracks unsaved", true, true, R"(<wpt lat="0" lon="0"/>)", 1,
       "The file holds no track or route, so the tracks are kept. 1 waypoint from the file was added.", 167},
      {"nothing in the file", false, true, "", 0,
       "The file holds no track or route, so the tracks are kept. 0 waypoints from the file were added.", 168},
  };
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  ShowTracks({true, false});
  const QString title = f->windowTitle();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = dir / (std::string(c.dropped ? "dropped" : "menu") + ".gpx");
    testenv::writeFile(file, head + c.waypoints + "\n</gpx>\n");
    if (c.unsaved) trackStorage.At(1)->Color = 0x123456;
    ASSERT_EQ(trackStorage.HasUnsavedChanges(), c.unsaved);
    const int waypointsBefore = poiStorage.GetCount();
    env.services.messages.clear();
    env.services.answer = UiServices::Yes;
    f->calls.clear();
    if (c.dropped) {
      f->HandleDroppedFile({Q(file)});
    } else {
      env.services.openAnswers.push_back(Q(file));
      page->mnuGPXImport->trigger();
    }
    ASSERT_EQ(trackStorage.Count(), 2u);
    EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("A"));
    EXPECT_EQ(trackStorage.At(1)->Count(), 3u);
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_TRUE(page->RowChecked(0));
    EXPECT_FALSE(page->RowChecked(1));
    EXPECT_EQ(trackStorage.HasUnsavedChanges(), c.unsaved);
    EXPECT_EQ(f->windowTitle(), title);
    EXPECT_EQ(poiStorage.GetCount(), waypointsBefore + c.added);
    EXPECT_EQ(f->calls.contains(QStringLiteral("FillWptList")), c.added > 0);
    // The question about unsaved tracks came first, when there were any.
    ASSERT_EQ(env.services.messages.size(), c.unsaved ? 2u : 1u);
    const uitest::MessageRecord& said = env.services.messages.back();
    EXPECT_EQ(said.text, QString::fromUtf8(c.text));
    EXPECT_EQ(said.caption, QStringLiteral("GPX Import"));
    EXPECT_EQ(said.icon, Icon::Warning);
    EXPECT_EQ(f->StatusText(2), S(c.status));
  }
}

// Damaged track and GPX files and failed saves say why in the chosen
// language, below the language file's "Error: <file>".
TEST_F(TrackPage, FileFailuresInTheChosenLanguage) {
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 3, 0xFF00);
  ShowTracks({true, true});
  const fs::path bad = dir / "bad.trk", cut = dir / "cut.trk", cutGpx = dir / "cut.gpx", text = dir / "text.gpx";
  testenv::writeFile(bad, "not a track file");
  ASSERT_EQ(trackStorage.SaveToFile(Q(cut)), 2);
  testenv::writeFile(cut, testenv::readFile(cut).substr(0, testenv::readFile(cut).size() - 10));
  std::string half = kGpx;
  half.resize(half.size() / 2);
  testenv::writeFile(cutGpx, half);  // within a tag
  const std::string gpx = kGpx;
  const fs::path shortGpx = dir / "short.gpx";
  testenv::writeFile(shortGpx, gpx.substr(0, gpx.find('>', gpx.find("<trkseg")) + 1));  // after a whole tag
  testenv::writeFile(text, "just text\n");
  enum Kind { kOpen, kImport, kSave, kSaveFull };
  struct Case {
    const char* language;
    Kind kind;
    fs::path file;
    QString reason;
  } const cases[] = {
      {"de", kOpen, bad, "Die Datei enthält keinen vollständigen Track."},
      {"ja", kOpen, bad, "ファイルに完全なトラックがありません。"},
      {"de", kOpen, cut, "Die Datei ist unvollständig; die vollständigen Tracks vor dem Abbruch wurden gelesen."},
      {"ja", kOpen, cut, "ファイルが途中で切れています。切れた位置より前の完全なトラックは読み込みました。"},
      {"de", kImport, cutGpx, "Zeile %1, Spalte %2: nicht abgeschlossenes Element."},
      {"ja", kImport, cutGpx, "%1 行 %2 列: 閉じられていないトークンがあります。"},
      {"de", kImport, shortGpx, "Zeile %1, Spalte %2: Die Datei ist unvollständig."},
      {"ja", kImport, shortGpx, "%1 行 %2 列: ファイルが途中で切れています。"},
      {"de", kImport, text, "Zeile %1, Spalte %2: Die Datei ist kein wohlgeformtes XML."},
      {"ja", kImport, text, "%1 行 %2 列: ファイルが正しい形式の XML ではありません。"},
      {"ja", kSave, dir / "no-such-folder" / "x.trk", "そのようなファイルやディレクトリはありません"},
      {"de", kSave, dir / "no-such-folder" / "x.trk", "Datei oder Verzeichnis nicht gefunden"},
      {"de", kSaveFull, dir / "full.trk", "Datei zu groß"},
      {"ja", kSaveFull, dir / "full.trk", "ファイルが大きすぎます"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.file.string());
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    ShowTracks(std::vector<bool>(trackStorage.Count(), true));
    env.services.messages.clear();
    f->SetStatusText(3, QString());
    switch (c.kind) {
      case kOpen:
        env.services.openAnswers.push_back(Q(c.file));
        page->tbTrackFileOpen->click();
        break;
      case kImport:
        f->ImportGpx(Q(c.file));
        break;
      case kSave:
      case kSaveFull: {
        env.services.saveAnswers.push_back(Q(c.file));
        testenv::FileSizeLimit limit(c.kind == kSaveFull ? 64 : ~0ull);
        page->tbTrackFileSave->click();
        break;
      }
    }
    ASSERT_EQ(env.services.messages.size(), 1u);
    const QString shown = env.services.messages[0].text;
    QString reason = c.reason;
    if (c.kind == kImport) {
      // Where the reader stopped is the reader's; the words around it are ours.
      const QRegularExpressionMatch at =
          QRegularExpression(QStringLiteral("(\\d+)\\D+(\\d+)")).match(shown.section(QLatin1Char('\n'), 1));
      ASSERT_TRUE(at.hasMatch()) << shown.toStdString();
      reason = reason.arg(at.captured(1), at.captured(2));
    }
    EXPECT_EQ(shown, S(168) + ": " + Q(c.file) + "\n" + reason);
    EXPECT_EQ(f->StatusText(2), S(168));
    EXPECT_EQ(f->StatusText(3), reason);
  }
}

TEST_F(TrackPage, FailedOrCancelledImportLeavesEverything) {
  mapstores::AddTrack(QStringLiteral("kept"), 3, 0xFF);
  mapstores::AddWaypoint("2014/01/01 00:00:00", 48, 11, 3);
  ShowTracks({true});
  const QString title = f->windowTitle();
  std::string cut = kGpx;
  cut.resize(cut.size() / 2);
  const fs::path bad = dir / "cut.gpx", notGpx = dir / "text.gpx", good = dir / "good.gpx";
  testenv::writeFile(bad, cut);
  testenv::writeFile(notGpx, "just text\n");
  testenv::writeFile(good, kGpx);
  for (const fs::path& file : {bad, notGpx, dir / "missing.gpx"}) {
    env.services.messages.clear();
    f->ImportGpx(Q(file));
    SCOPED_TRACE(file.string());
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168)));
    EXPECT_EQ(f->StatusText(2), S(168));
  }
  // Closing the import window cancels.
  env.services.messages.clear();
  QTimer::singleShot(0, [] {
    if (GPXImpForm) GPXImpForm->close();
  });
  f->ImportGpx(Q(good));
  EXPECT_TRUE(env.services.messages.empty());
  // The user's cancel is no failure.
  EXPECT_EQ(f->StatusText(2), QStringLiteral("Cancelled"));
  EXPECT_EQ(f->StatusText(3), QStringLiteral("GPX import cancelled"));
  ASSERT_EQ(trackStorage.Count(), 1u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("kept"));
  EXPECT_EQ(poiStorage.GetCount(), 1u);
  EXPECT_EQ(page->RowCount(), 1);
  EXPECT_TRUE(page->RowChecked(0));
  EXPECT_EQ(f->windowTitle(), title);
  EXPECT_TRUE(fake->navigated.isEmpty());
}

TEST_F(TrackPage, ImportWindowCountsWhatItRead) {
  TGPXImpForm form(f.get());
  form.Show();
  form.Update(3, 2, 1, 50, 200);
  EXPECT_EQ(form.lblWpt->text(), QStringLiteral("WPT: 3"));
  EXPECT_EQ(form.lblTracks->text(), QStringLiteral("Tracks: 2"));
  EXPECT_EQ(form.lblRoutes->text(), QStringLiteral("Routes: 1"));
  EXPECT_TRUE(form.lblWpt->font().bold());
  EXPECT_EQ(form.ProgressBar1->value(), 250);
  EXPECT_FALSE(form.isModal());
  form.Hide();
  EXPECT_TRUE(form.isHidden());
}

TEST_F(TrackPage, ImportAndMenusThroughTheToolBar) {
  const fs::path file = dir / "menu.gpx";
  testenv::writeFile(file, kGpx);
  env.services.openAnswers.push_back(Q(file));
  page->mnuGPXImport->trigger();
  EXPECT_EQ(env.services.fileDialogs.back().filter, S(142));
  EXPECT_EQ(trackStorage.Count(), 2u);
  // The GPX button opens its menu; without a viewer the KML one does not.
  page->tbTrackFileGPX->click();
  EXPECT_TRUE(page->pmnuGPX->isVisible());
  page->pmnuGPX->hide();
}

}  // namespace

// ---------------------------------------------------------------------------
// The real web engine, the page and its script, the local maps stand-in.

namespace {

class LiveMain : public TFormMain {
 public:
  LiveMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~LiveMain() override { WriteBackSettings(); }
};

TEST(TrackPageLive, DroppedGpxReachesTheListsAndTheMap) {
  uitest::ProgramEnv env("TrackPageLive");
  mapweb::StubServer server;
  qputenv(kMapsApiBaseVariable, server.Base().toUtf8());
  ASSERT_TRUE(env.WriteShippedWebFiles());
  env.WriteIni(uitest::AllPagesIni() + QStringLiteral("[MAP]\r\nMapzoom=12\r\n"));
  env.Start();
  mapstores::ClearAll();
  const fs::path file = testenv::scratchDir("TrackPageLive") / "drop.gpx";
  testenv::writeFile(file, kGpx);
  UseWebMapView();
  {
    LiveMain f;
    f.show();
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    auto* view = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget());
    ASSERT_NE(view, nullptr);
    QWebEnginePage* web = view->page();

    f.pgWaypoint->chkShowPOI->setChecked(true);
    f.HandleDroppedFile({Q(file)});
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    EXPECT_EQ(f.pgTrack->RowCount(), 2);
    EXPECT_EQ(poiStorage.GetCount(), 1);
    EXPECT_EQ(mapweb::Eval(web, QStringLiteral("trkData.length")).toInt(), 2);
    EXPECT_EQ(mapweb::Eval(web, QStringLiteral("trkData[1].points.length")).toInt(), 3);
    EXPECT_EQ(mapweb::Eval(web, QStringLiteral("wptData.length")).toInt(), 1);

    // Recolouring the route's line reaches the page's second line.
    f.pgTrack->SelectRow(1);
    env.services.onDialog = PickColourAndOk(env.services, QColor(0x12, 0x34, 0x56));
    f.lvTrackDblClick();
    EXPECT_EQ(mapweb::Eval(web, QStringLiteral("trkData[1].color")).toString(), QStringLiteral("#123456"));
    f.pgTrack->pmnuTStartClick(2);

    auto* live = dynamic_cast<WebMapView*>(f.MapBrowser());
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->ConsoleErrors(), QStringList());
  }
  InstallMapViewFactory(nullptr);
  mapstores::ClearAll();
  qunsetenv(kMapsApiBaseVariable);
}

}  // namespace

namespace {

TEST_F(TrackPage, FileDroppedDuringAnImportIsNotReadIntoIt) {
  const fs::path first = dir / "first.gpx", second = dir / "second.gpx";
  testenv::writeFile(first, kGpx);
  std::string other = kGpx;
  other.replace(other.find("First"), 5, "Other");
  testenv::writeFile(second, other);
  bool tried = false;
  QTimer::singleShot(0, [&] {
    tried = GPXImpForm != nullptr;
    f->HandleDroppedFile({Q(second)});
  });
  f->ImportGpx(Q(first));
  EXPECT_TRUE(tried);
  ASSERT_EQ(trackStorage.Count(), 2u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("First"));
  EXPECT_TRUE(f->windowTitle().endsWith(QStringLiteral("first.gpx")));
}

TEST_F(TrackPage, EnterEditsAndDeleteDeletesOnTheTrackPage) {
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 2, 0xFF);
  ShowTracks({true, true});
  f->Mode = omTrack;
  page->SelectRow(1);
  f->FormKeyDown(Qt::Key_Return, Qt::NoModifier);
  EXPECT_EQ(env.services.dialogsShown, 1);
  f->FormKeyDown(Qt::Key_Delete, Qt::NoModifier);
  ASSERT_EQ(trackStorage.Count(), 1u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("A"));
}

// Enter on a selected track row opens one editor (closed with Escape, as a
// user does), and so does a double click on its title.
TEST_F(TrackPage, EnterAndDoubleClickOpenOneEditor) {
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 2, 0xFF);
  ShowTracks({true, true});
  ShowPage();
  f->Mode = omTrack;
  page->SelectRow(1);
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
  page->lvTrack->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), page->lvTrack);
  env.services.onDialog = [](QDialog& d) {
    QTimer::singleShot(0, &d, [&d] { QTest::keyClick(&d, Qt::Key_Escape); });
    return d.exec();
  };
  QTest::keyClick(page->lvTrack, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(env.services.dialogsShown, 1);

  env.services.dialogsShown = 0;
  const QRect title = page->lvTrack->visualItemRect(page->lvTrack->topLevelItem(1));
  // A real double click on the title: press and release, then the double click.
  const QPoint at(60, title.center().y());
  QTest::mouseClick(page->lvTrack->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(page->lvTrack->viewport(), Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_EQ(trackStorage.Count(), 2u);
}

// A pipe given as a file: neither the track file open nor the GPX import
// waits for a writer or reads it; the tracks stay.
TEST_F(TrackPage, APipeIsNeitherOpenedNorImported) {
  mapstores::AddTrack(QStringLiteral("saved"), 3, 0xFF);
  ShowTracks({true});
  const fs::path saved = dir / "saved.trk";
  ASSERT_GT(trackStorage.SaveToFile(Q(saved)), 0);
  trackStorage.Clear();
  mapstores::AddTrack(QStringLiteral("kept"), 2, 0xFF);
  ShowTracks({true});
  const QString title = f->windowTitle();
  struct Case {
    const char* name;
    std::string content;
    std::function<void(const QString&)> open;
  } const cases[] = {
      {"pipe.trk", testenv::readFile(saved),
       [&](const QString& path) {
         env.services.openAnswers.push_back(path);
         page->tbTrackFileOpen->click();
       }},
      {"pipe.gpx", kGpx, [&](const QString& path) { f->HandleDroppedFile({path}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env.services.messages.clear();
    bool opened = false;
    {
      testenv::PipeFeed pipe(dir / c.name, c.content);
      ASSERT_TRUE(pipe.Made());
      c.open(Q(dir / c.name));
      opened = pipe.Opened();
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(f->StatusText(2), S(168));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_TRUE(env.services.messages[0].text.startsWith(S(168)));
    ASSERT_EQ(trackStorage.Count(), 1u);
    EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("kept"));
    EXPECT_EQ(page->RowCount(), 1);
    EXPECT_EQ(f->windowTitle(), title);
  }
}

TEST_F(TrackPage, PointListOffersStartCenterEndOnItsMenu) {
  mapstores::AddTrack(QStringLiteral("T"), 5, 0xFF);
  f->FillTrackList(false);
  f->show();
  QWidget* viewport = page->lvTrackItem->viewport();
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(viewport, &menu);
  EXPECT_TRUE(page->pmnuTrackItems->isVisible());
  page->pmnuTrackItems->hide();
}

TEST_F(TrackPage, WithSeveralRowsSelectedTheFirstIsEdited) {
  mapstores::AddTrack(QStringLiteral("A"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 2, 0xFF);
  mapstores::AddTrack(QStringLiteral("C"), 2, 0xFF);
  ShowTracks({true, true, true});
  page->lvTrack->topLevelItem(2)->setSelected(true);
  page->lvTrack->topLevelItem(1)->setSelected(true);
  env.services.onDialog = PickColourAndOk(env.services, QColor(0x12, 0x34, 0x56));
  page->tbTrackTableMod->click();
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_EQ(trackStorage.At(1)->Color, 0x563412u);
  EXPECT_EQ(trackStorage.At(2)->Color, 0xFFu);
  EXPECT_EQ(Scripts(QStringLiteral("trk_changeColor")), QStringList{QStringLiteral("trk_changeColor(1,'#123456')")});
}

TEST_F(TrackPage, AnotherTracksPointListStartsAtTheTop) {
  mapstores::AddTrack(QStringLiteral("A"), 500, 0xFF);
  mapstores::AddTrack(QStringLiteral("B"), 500, 0xFF);
  f->FillTrackList(false);
  f->show();
  page->SelectRow(0);
  page->pmnuTStartClick(2);
  QScrollBar* bar = page->lvTrackItem->verticalScrollBar();
  ASSERT_GT(bar->value(), 0);
  page->SelectRow(1);
  EXPECT_EQ(page->ShownTrack(), trackStorage.At(1));
  EXPECT_EQ(bar->value(), 0);
}

}  // namespace
