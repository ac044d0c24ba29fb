// The route page with real widgets, the real route store and real files;
// the map calls recorded by a fake map view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QStyle>
#include <QScrollBar>
#include <QHeaderView>
#include <QTimer>
#include <functional>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>

#include "Fakehttp.h"
#include "Frmrouteeditor.h"
#include "Routewindow.h"
#include "Shellopen.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Utility.h"

namespace {

using routetest::RouteWindow;
using Icon = UiServices::Icon;
namespace fs = std::filesystem;

QString S(int n) { return QStringLiteral("S%1").arg(n); }
QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }
int Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

using RoutePage = RouteWindow;

// ---------------------------------------------------------------------------
// list, totals, turns

TEST_F(RoutePage, LegsTotalsAndTurnsOfThreePoints) {
  mapstores::AddRoutePoint("a", 48.0, 11.0);
  mapstores::AddRoutePoint("b", 48.0, 11.1);
  mapstores::AddRoutePoint("c", 48.1, 11.1);
  routeStorage.SetTurn(2, ttSharpLeft);
  page().FillRouteList(true, false);

  const char* legs[] = {"0", "7.44872", "11.13194"};
  const char* totals[] = {"0", "7.44872", "18.58066"};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Cell(r, TRoutePage::colNumber), QString::number(r + 1));
    EXPECT_EQ(Cell(r, TRoutePage::colLeg), QLatin1String(legs[r]));
    EXPECT_EQ(Cell(r, TRoutePage::colTotal), QLatin1String(totals[r]));
    EXPECT_EQ(Cell(r, TRoutePage::colAltitude), QStringLiteral("0"));
  }
  EXPECT_EQ(Cell(1, TRoutePage::colLng), QStringLiteral("11.1"));
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("18.58066 KM"));
  EXPECT_NEAR(f->RouteTotalKm, 18.58066, 1e-9);
  EXPECT_EQ(routeStorage.At(0)->Turn, ttStraight);
  EXPECT_EQ(routeStorage.At(1)->Turn, ttLeft);   // east, then north
  EXPECT_EQ(routeStorage.At(2)->Turn, ttSharpLeft);  // the last keeps its turn
  EXPECT_EQ(map->scripts, QStringList{QStringLiteral("rte_DrawArrows()")});
}

// A point on the equator or the prime meridian is a place like any other.
TEST_F(RoutePage, LegFromAPointAtLatitudeZero) {
  Route({{0.0, 10.0}, {0.0, 10.1}, {1.0, 0.0}});
  EXPECT_EQ(Cell(1, TRoutePage::colLeg), QStringLiteral("11.13194"));
  EXPECT_NE(Cell(2, TRoutePage::colLeg), Cell(1, TRoutePage::colLeg));
}

TEST(RouteTurns, EverySectorEdge) {
  const std::pair<int, TurnType> edges[] = {
      {0, ttStraight},      {22, ttStraight},     {23, ttSlightRight}, {67, ttSlightRight},
      {68, ttRight},        {112, ttRight},       {113, ttSharpRight}, {157, ttSharpRight},
      {158, ttUTurn},       {202, ttUTurn},       {203, ttSharpLeft},  {247, ttSharpLeft},
      {248, ttLeft},        {292, ttLeft},        {293, ttSlightLeft}, {337, ttSlightLeft},
      {338, ttStraight},    {360, ttStraight},
  };
  for (auto [d, turn] : edges) EXPECT_EQ(TRoutePage::TurnOfHeadingChange(d), turn) << d;
}

TEST_F(RoutePage, OnlyNewArrowsWhenAskedSo) {
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}, {48.1, 11.0}});
  for (int i = 0; i < 4; ++i) routeStorage.SetTurn(i, ttUTurn);
  page().chkGenArrows->setChecked(true);
  page().CalcRouteArrows(true);  // automatic: nothing
  for (int i = 0; i < 4; ++i) EXPECT_EQ(routeStorage.At(i)->Turn, ttUTurn) << i;
  page().CalcRouteArrows(false);  // only the point before the last
  EXPECT_EQ(routeStorage.At(1)->Turn, ttUTurn);
  EXPECT_EQ(routeStorage.At(2)->Turn, ttLeft);  // north, then west
  EXPECT_EQ(routeStorage.At(3)->Turn, ttUTurn);
}

TEST_F(RoutePage, KilometresAndMiles) {
  page().ShowRouteDistance(0, 10.0);
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("10 KM"));
  page().ShowRouteDistance(1, 10.0);
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("6.21371 Mile"));
  page().ShowRouteDistance(-1, 1.234567);
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("1.23456 KM"));
  page().ShowRouteDistance(2, 99.0);  // no such unit: the label stays
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("1.23456 KM"));
  // The unit box rewrites a known total.
  f->RouteTotalKm = 10.0;
  page().cmbLengthUnitChange(1);
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("6.21371 Mile"));
}

TEST_F(RoutePage, UnknownTurnsShowAndSaveAsNotSet) {
  mapstores::AddRoutePoint("a", 48.0, 11.0);
  routeStorage.SetTurn(0, 12);
  page().FillRouteList(false, false);
  EXPECT_EQ(routeStorage.At(0)->Turn, ttNone);
}

// ---------------------------------------------------------------------------
// selection and deletion

TEST_F(RoutePage, ClickingARowJumpsTheMapThere) {
  Route({{1, 1}, {2, 2}, {3, 3}});
  apConfig->CenterPSel = false;
  Select({2});
  EXPECT_EQ(map->scripts, QStringList{QStringLiteral("rte_jumpToPoint(2,false)")});
  map->scripts.clear();
  apConfig->CenterPSel = true;
  page().SelectRoutePoint(0);
  EXPECT_EQ(map->scripts, QStringList{QStringLiteral("rte_jumpToPoint(0,true)")});
  // Two rows: no jump.
  map->scripts.clear();
  page().lvRoute->topLevelItem(1)->setSelected(true);
  EXPECT_TRUE(map->scripts.isEmpty());
}

TEST_F(RoutePage, DeleteGoesInRowOrder) {
  Route({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
  page().lvRoute->clearSelection();
  page().lvRoute->topLevelItem(3)->setSelected(true);  // clicked first
  page().lvRoute->topLevelItem(1)->setSelected(true);
  map->scripts.clear();
  page().bgRouteTable_DeleteClick();
  EXPECT_EQ(map->scripts, (QStringList{QStringLiteral("rte_deletePoint(1)"), QStringLiteral("rte_deletePoint(2)"),
                                       QStringLiteral("rte_DrawArrows()")}));
  ASSERT_EQ(routeStorage.Count(), 3u);
  EXPECT_EQ(routeStorage.At(1)->Name, QStringLiteral("2"));
  EXPECT_EQ(CurrentRow(), 1);  // the row before the last deleted position
  // Nothing selected: nothing happens.
  page().lvRoute->clearSelection();
  map->scripts.clear();
  page().bgRouteTable_DeleteClick();
  EXPECT_TRUE(map->scripts.isEmpty());
  EXPECT_EQ(routeStorage.Count(), 3u);
}

TEST_F(RoutePage, ClearEmptiesRouteAndTotal) {
  Route({{48.0, 11.0}, {48.0, 11.1}});
  page().bgRouteTableItems3Click();
  EXPECT_EQ(routeStorage.Count(), 0u);
  EXPECT_EQ(page().RowCount(), 0);
  EXPECT_EQ(page().TotalRouteDistance->text(), QStringLiteral("0 KM"));
  EXPECT_EQ(f->RouteTotalKm, 0.0);
  EXPECT_EQ(map->scripts.last(), QStringLiteral("rte_deleteAllPoints()"));
}

// ---------------------------------------------------------------------------
// inserts and the loop

TEST_F(RoutePage, InsertBesideAPointByZoom) {
  const std::pair<int, double> zooms[] = {{3, 0.1},   {6, 0.1},    {7, 0.01},   {11, 0.01},
                                          {12, 0.001}, {15, 0.001}, {19, 0.001}, {20, 0.0001}};
  for (auto [zoom, offset] : zooms) {
    SCOPED_TRACE(zoom);
    mapstores::ClearAll();
    Route({{48.0, 11.0}, {48.5, 11.5}, {49.0, 12.0}, {49.5, 12.5}, {50.0, 13.0}});
    map->values[QStringLiteral("result")] = QString::number(zoom);
    Select({2});
    map->scripts.clear();
    page().mnuAddlvPointClick();
    ASSERT_EQ(routeStorage.Count(), 6u);
    const RouteWpt& p = *routeStorage.At(2);
    EXPECT_EQ(p.Name, QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(p.Latitude, 49.0 - offset);
    EXPECT_DOUBLE_EQ(p.Longitude, 12.0 - offset);
    EXPECT_EQ(routeStorage.At(3)->Name, QStringLiteral("2"));
    EXPECT_EQ(CurrentRow(), 2);
    EXPECT_EQ(map->scripts,
              (QStringList{QStringLiteral("getZoomValue()"),
                           QStringLiteral("rte_insertLatLng(%1,%2,2)")
                               .arg(textfmt::FloatToQStr(49.0 - offset), textfmt::FloatToQStr(12.0 - offset)),
                           QStringLiteral("rte_DrawArrows()"), QStringLiteral("rte_showNewMarker(2,\"New routepoint\")")}));
  }
}

TEST_F(RoutePage, NewPointsTakeTheNextFreeNumber) {
  mapstores::AddRoutePoint("0", 1, 1);
  mapstores::AddRoutePoint("5", 2, 2);
  mapstores::AddRoutePoint("6", 3, 3);
  mapstores::AddRoutePoint("x", 4, 4);
  mapstores::AddRoutePoint("y", 5, 5);
  page().FillRouteList(false, false);
  map->values[QStringLiteral("result")] = QStringLiteral("15");
  Select({0});
  page().mnuAddlvPointClick();
  EXPECT_EQ(routeStorage.At(0)->Name, QStringLiteral("7"));
}

TEST_F(RoutePage, InsertAtTheMouse) {
  Route({{1, 1}, {2, 2}, {3, 3}});
  map->values[QStringLiteral("result")] = QStringLiteral("1.5");
  map->values[QStringLiteral("result2")] = QStringLiteral("1.25");
  Select({1});
  map->scripts.clear();
  page().mnuAddPointClick();
  ASSERT_EQ(routeStorage.Count(), 4u);
  EXPECT_EQ(routeStorage.At(1)->Name, QStringLiteral("3"));
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 1.5);
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Longitude, 1.25);
  EXPECT_EQ(map->scripts.mid(0, 2), (QStringList{QStringLiteral("GetMousePos()"), QStringLiteral("rte_insert(1)")}));
  EXPECT_EQ(CurrentRow(), 1);

  // No page loaded: the position cannot be read, nothing happens.
  f->PageLoaded = false;
  Select({0});
  page().mnuAddPointClick();
  EXPECT_EQ(routeStorage.Count(), 4u);
}

// At the limit the store is asked first and the page is told nothing.
TEST_F(RoutePage, InsertsAtTheLimitTellThePageNothing) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < 100; ++i) points.emplace_back(40.0 + i * 0.01, 10.0 + i * 0.01);
  Route(points);
  map->values[QStringLiteral("result")] = QStringLiteral("15");
  map->values[QStringLiteral("result2")] = QStringLiteral("11");
  for (auto action : {&TRoutePage::mnuAddPointClick, &TRoutePage::mnuAddlvPointClick,
                      &TRoutePage::mnuCloseLoopClick, &TRoutePage::bgRouteTable_AddClick}) {
    Select({5});
    map->scripts.clear();
    env.services.messages.clear();
    (page().*action)();
    EXPECT_EQ(routeStorage.Count(), 100u);
    for (const QString& s : map->scripts) EXPECT_FALSE(s.startsWith(QStringLiteral("rte_"))) << s.toStdString();
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].text, S(136));
    EXPECT_EQ(env.services.messages[0].icon, Icon::Information);
  }
  EXPECT_EQ(env.services.dialogsShown, 0);
}

TEST_F(RoutePage, CloseLoopNeedsDistanceAndFourPoints) {
  struct Case {
    double lastLat, lastLng;
    bool closes;
  } const cases[] = {
      {48.5, 11.5, true},
      {47.9999, 11.5, false},     // within 0.0001 in latitude
      {48.5, 10.99995, false},    // within 0.0001 in longitude
      {47.99985, 10.99985, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastLat);
    mapstores::ClearAll();
    Route({{48.0, 11.0}, {48.2, 11.2}, {48.3, 11.3}, {c.lastLat, c.lastLng}});
    page().pmnuRoutePopup();
    EXPECT_EQ(page().mnuCloseLoop2->isEnabled(), c.closes);
    page().mnuMapPopup();
    EXPECT_EQ(page().mapMenu.mnuCloseLoop->isEnabled(), c.closes);
    EXPECT_TRUE(page().mapMenu.mnuCloseLoop->isVisible());
    page().mnuCloseLoopClick();
    ASSERT_EQ(routeStorage.Count(), c.closes ? 5u : 4u);
    if (!c.closes) continue;
    EXPECT_DOUBLE_EQ(routeStorage.At(4)->Latitude, 48.0 - 0.0001);
    EXPECT_DOUBLE_EQ(routeStorage.At(4)->Longitude, 11.0 - 0.0001);
    EXPECT_EQ(routeStorage.At(4)->Name, QStringLiteral("4"));
    EXPECT_EQ(map->scripts.front(), QStringLiteral("rte_insertLatLng(47.9999,10.9999,4)"));
    EXPECT_EQ(CurrentRow(), 4);
  }
  // Three points: the menus stay disabled wherever they lie.
  mapstores::ClearAll();
  Route({{48.0, 11.0}, {48.2, 11.2}, {48.5, 11.5}});
  page().pmnuRoutePopup();
  EXPECT_FALSE(page().mnuCloseLoop2->isEnabled());
  page().mnuMapPopup();
  EXPECT_FALSE(page().mapMenu.mnuCloseLoop->isEnabled());
}

TEST_F(RoutePage, PopupRules) {
  page().mnuMapPopup();
  EXPECT_FALSE(page().mapMenu.mnuAddPoint->isVisible());
  EXPECT_FALSE(page().mapMenu.mnuCloseLoop->isVisible());
  EXPECT_TRUE(page().mapMenu.mnuShowAltChart->isVisible());
  page().pmnuRoutePopup();
  EXPECT_FALSE(page().mnuGetElevation->isVisible());

  Route({{1, 1}, {2, 2}});
  apConfig->Altchart = kAltchartShown;
  page().mnuMapPopup();
  EXPECT_TRUE(page().mapMenu.mnuAddPoint->isVisible());
  EXPECT_TRUE(page().mapMenu.mnuGetZoom->isVisible());
  EXPECT_FALSE(page().mapMenu.mnuModifylvPoint->isVisible());  // nothing selected
  EXPECT_TRUE(page().mapMenu.mnuShowAltChart->isChecked());
  apConfig->Altchart = 0;
  Select({1});
  page().mnuMapPopup();
  EXPECT_TRUE(page().mapMenu.mnuModifylvPoint->isVisible());
  EXPECT_TRUE(page().mapMenu.mnuDeletePoint->isVisible());
  page().pmnuRoutePopup();
  EXPECT_TRUE(page().mnuAddlvPoint->isVisible());
  EXPECT_TRUE(page().mnuDeletelvPoint->isVisible());
  EXPECT_TRUE(page().mnuGetElevation->isVisible());

  f->Mode = omWaypoint;
  page().mnuMapPopup();
  for (QAction* a : {page().mapMenu.mnuAddPoint, page().mapMenu.mnuModifylvPoint, page().mapMenu.mnuDeletePoint,
                     page().mapMenu.mnuCloseLoop, page().mapMenu.mnuShowAltChart, page().mapMenu.mnuGetZoom})
    EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
  page().pmnuRoutePopup();
  EXPECT_FALSE(page().mnuAddlvPoint->isVisible());
  EXPECT_TRUE(page().mnuDeletelvPoint->isVisible());
}

// ---------------------------------------------------------------------------
// the dialog

TEST_F(RoutePage, AddThroughTheDialog) {
  Route({{48.0, 11.0}, {48.0, 11.1}});
  env.services.onDialog = [](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    EXPECT_EQ(FormRouteEditor, &e);
    EXPECT_EQ(e.windowTitle(), S(146));
    EXPECT_EQ(e.edtLat->text(), QStringLiteral("0"));
    e.edtTitle->setText(QStringLiteral("Peak \"</script>"));
    e.edtLat->setText(QStringLiteral("48.1"));
    e.edtLon->setText(QStringLiteral(" 11.1 "));
    e.cbbTurn->setCurrentIndex(ttRight);
    e.btnOk->click();
    return e.result();
  };
  page().bgRouteTable_AddClick();
  EXPECT_EQ(FormRouteEditor, nullptr);
  ASSERT_EQ(routeStorage.Count(), 3u);
  EXPECT_EQ(routeStorage.At(2)->Name, QStringLiteral("Peak \"</script>"));
  EXPECT_EQ(map->scripts.front(), QStringLiteral("rte_addPoint(48.1,11.1,3)"));
  EXPECT_EQ(routeStorage.At(1)->Turn, ttLeft);  // the point before the new one
}

TEST_F(RoutePage, EditorKeepsBadInput) {
  Route({{48.0, 11.0}});
  int clicks = 0;
  env.services.onDialog = [&](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    e.edtTitle->setText(QString(40, QLatin1Char('x')));
    EXPECT_EQ(e.edtTitle->text().size(), 32);
    e.edtTitle->clear();
    e.btnOk->click();  // empty title
    ++clicks;
    EXPECT_EQ(e.result(), 0);
    e.edtTitle->setText(QStringLiteral("0"));  // taken
    e.btnOk->click();
    EXPECT_EQ(e.result(), 0);
    e.edtTitle->setText(QStringLiteral("new"));
    for (const char* bad : {"abc", "91", "1e999", ""}) {
      e.edtLat->setText(QLatin1String(bad));
      e.btnOk->click();
      EXPECT_EQ(e.result(), 0) << bad;
    }
    e.edtLat->setText(QStringLiteral("-12.5"));
    e.btnOk->click();
    return e.result();
  };
  page().bgRouteTable_AddClick();
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(routeStorage.Count(), 2u);
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, -12.5);
  EXPECT_EQ(env.services.messages.size(), 5u);  // the taken title, four bad latitudes
}

TEST_F(RoutePage, ModifyThroughTheDialog) {
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  routeStorage.SetTurn(1, ttUTurn);
  routeStorage.SetElevation(1, 77);
  Select({1});
  map->navigated.clear();
  env.services.onDialog = [](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    EXPECT_EQ(e.edtTitle->text(), QStringLiteral("1"));
    EXPECT_EQ(e.edtLon->text(), QStringLiteral("11.1"));
    EXPECT_EQ(e.cbbTurn->currentIndex(), int(ttUTurn));
    e.edtTitle->setText(QStringLiteral("2"));  // another point's title: refused, stays open
    e.btnOk->click();
    EXPECT_EQ(e.result(), 0);
    EXPECT_EQ(routeStorage.At(1)->Name, QStringLiteral("1"));
    e.edtTitle->setText(QStringLiteral("Middle"));
    e.edtLat->setText(QStringLiteral("48.05"));
    e.btnOk->click();
    return e.result();
  };
  page().lvRouteDblClick();
  EXPECT_EQ(routeStorage.At(1)->Name, QStringLiteral("Middle"));
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 48.05);
  EXPECT_EQ(routeStorage.At(1)->Elevation, 77);  // chart off: no query
  EXPECT_EQ(Cell(1, TRoutePage::colTitle), QStringLiteral("Middle"));
  EXPECT_EQ(map->navigated.size(), 1);  // the map is regenerated
  ASSERT_EQ(env.services.messages.size(), 1u);
}

// ---------------------------------------------------------------------------
// the page's controls pressed through their widgets and actions, so that a
// lost connection fails

class RouteControls : public RouteWindow {
 protected:
  void SetUp() override {
    RouteWindow::SetUp();
    apConfig->VersionCheck = false;
    f->resize(1000, 700);
    f->show();
    QCoreApplication::processEvents();
    map->values[QStringLiteral("result")] = QStringLiteral("15");
  }
  // The dialog answers with this title and position.
  void AnswerDialog(const QString& title, const QString& lat = {}, const QString& lng = {}) {
    env.services.onDialog = [=](QDialog& d) {
      auto& e = dynamic_cast<TFormRouteEditor&>(d);
      e.edtTitle->setText(title);
      if (!lat.isEmpty()) e.edtLat->setText(lat);
      if (!lng.isEmpty()) e.edtLon->setText(lng);
      e.btnOk->click();
      return e.result();
    };
  }
  // Opens the menu as a right click does (its popup handler runs), reads
  // which items it offers and closes it again.
  QStringList Offered(QMenu* menu) {
    menu->popup(f->mapToGlobal(QPoint(200, 200)));
    QStringList names;
    for (QAction* a : menu->actions())
      if (a->isVisible() && a->isEnabled()) names << a->objectName();
    menu->hide();
    return names;
  }
  QStringList Names() {
    QStringList names;
    for (std::size_t i = 0; i < routeStorage.Count(); ++i) names << routeStorage.At(i)->Name;
    return names;
  }
};

TEST_F(RouteControls, TableButtonsAndDoubleClick) {
  Route({{48.0, 11.0}, {48.2, 11.2}});
  AnswerDialog(QStringLiteral("A"), QStringLiteral("48.5"), QStringLiteral("11.5"));
  QTest::mouseClick(page().tbRouteTableAdd, Qt::LeftButton);
  EXPECT_EQ(Names(), (QStringList{"0", "1", "A"}));
  EXPECT_TRUE(map->scripts.contains(QStringLiteral("rte_addPoint(48.5,11.5,3)")));

  Select({1});
  AnswerDialog(QStringLiteral("B"));
  QTest::mouseClick(page().tbRouteTableMod, Qt::LeftButton);
  EXPECT_EQ(Names(), (QStringList{"0", "B", "A"}));
  f->PageLoaded = true;  // the edit regenerated the page; as if it had loaded

  // A double click on a row edits that row.
  QTreeWidget* list = page().lvRoute;
  AnswerDialog(QStringLiteral("C"));
  const QPoint row0 = list->visualItemRect(list->topLevelItem(0)).center();
  // A real double click: press and release, then the double click.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row0);
  EXPECT_EQ(Names(), (QStringList{"C", "B", "A"}));
  EXPECT_EQ(env.services.dialogsShown, 3);
  f->PageLoaded = true;

  Select({1});
  map->scripts.clear();
  QTest::mouseClick(page().tbRouteTableDel, Qt::LeftButton);
  EXPECT_EQ(Names(), (QStringList{"C", "A"}));
  EXPECT_EQ(map->scripts.value(0), QStringLiteral("rte_deletePoint(1)"));

  env.services.answer = UiServices::Yes;  // the edits above are unsaved work
  QTest::mouseClick(page().tbRouteTableClear, Qt::LeftButton);
  EXPECT_EQ(routeStorage.Count(), 0u);
  EXPECT_EQ(map->scripts.last(), QStringLiteral("rte_deleteAllPoints()"));
}

TEST_F(RouteControls, FileButtonsAndShowOnMap) {
  auto dir = testenv::scratchDir("route-controls");
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  env.services.saveAnswers.push_back(Q(dir / "trip.rte"));
  QTest::mouseClick(page().tbRouteSave, Qt::LeftButton);
  EXPECT_TRUE(fs::exists(dir / "trip.rte"));
  page().bgRouteTableItems3Click();
  env.services.openAnswers.push_back(Q(dir / "trip.rte"));
  QTest::mouseClick(page().tbRouteOpen, Qt::LeftButton);
  EXPECT_EQ(routeStorage.Count(), 3u);

  env.services.saveAnswers.push_back(Q(dir / "trip.gpx"));
  QTest::mouseClick(page().tbgRouteGPX, Qt::LeftButton);
  EXPECT_NE(testenv::readFile(dir / "trip.gpx").find("<rte>"), std::string::npos);

  const std::string oldTemp = std::getenv("TEMP") ? std::getenv("TEMP") : "";
  setenv("TEMP", dir.c_str(), 1);
  QStringList opened;
  auto previous = desktop::SetShellOpener([&](const QString& path) {
    opened << path;
    return true;
  });
  page().tbgRouteKML->setEnabled(true);  // as where a globe viewer is installed
  QTest::mouseClick(page().tbgRouteKML, Qt::LeftButton);
  desktop::SetShellOpener(previous);
  if (oldTemp.empty())
    unsetenv("TEMP");
  else
    setenv("TEMP", oldTemp.c_str(), 1);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(fs::exists(opened[0].toStdString()));

  map->navigated.clear();
  QTest::mouseClick(page().chkShowRoute, Qt::LeftButton);
  EXPECT_FALSE(page().chkShowRoute->isChecked());
  EXPECT_EQ(map->navigated.size(), 1);

  // The length unit of the device settings page rewrites the total.
  f->pgSetTrevik->cmbLengthUnit->setCurrentIndex(1);
  EXPECT_TRUE(page().TotalRouteDistance->text().endsWith(QStringLiteral(" Mile")));
}

TEST_F(RouteControls, RouteListMenu) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) {
    return FakeHttpClient::Ok("<ElevationResponse>\n <status>OK</status>\n <result>\n  <elevation>42</elevation>\n"
                              " </result>\n</ElevationResponse>\n");
  });
  Route({{48.0, 11.0}, {48.2, 11.2}, {48.3, 11.3}, {48.5, 11.5}});
  QMenu* menu = page().pmnuRoute;
  EXPECT_EQ(Offered(menu), (QStringList{"mnuGetElevation", "mnuCloseLoop2"}));
  Select({1});
  EXPECT_EQ(Offered(menu), (QStringList{"mnuAddlvPoint", "mnuDeletelvPoint", "mnuGetElevation", "mnuCloseLoop2"}));

  page().mnuAddlvPoint->trigger();  // beside row 1, at zoom 15
  EXPECT_EQ(Names(), (QStringList{"0", "4", "1", "2", "3"}));
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 48.2 - 0.001);
  EXPECT_EQ(CurrentRow(), 1);

  page().mnuDeletelvPoint->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "2", "3"}));

  page().mnuCloseLoop2->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "2", "3", "4"}));
  EXPECT_DOUBLE_EQ(routeStorage.At(4)->Latitude, 48.0 - 0.0001);
  EXPECT_FALSE(Offered(menu).contains(QStringLiteral("mnuCloseLoop2")));  // closed now

  page().mnuGetElevation->trigger();
  EXPECT_EQ(http.Requests().size(), 5u);
  EXPECT_EQ(Cell(2, TRoutePage::colAltitude), QStringLiteral("42"));
}

TEST_F(RouteControls, MapMenu) {
  Route({{48.0, 11.0}, {48.2, 11.2}, {48.3, 11.3}, {48.5, 11.5}});
  const TRouteMapMenu& m = page().mapMenu;
  EXPECT_EQ(Offered(m.menu), (QStringList{"mnuAddPoint", "mnuGetZoom", "mnuCloseLoop", "mnuShowAltChart"}));
  Select({2});
  EXPECT_EQ(Offered(m.menu), (QStringList{"mnuAddPoint", "mnuModifylvPoint", "mnuDeletePoint", "mnuGetZoom",
                                          "mnuCloseLoop", "mnuShowAltChart"}));

  // Insert at the mouse, before the selected row.
  map->values[QStringLiteral("result")] = QStringLiteral("48.25");
  map->values[QStringLiteral("result2")] = QStringLiteral("11.25");
  m.mnuAddPoint->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "4", "2", "3"}));
  EXPECT_EQ(CurrentRow(), 2);

  AnswerDialog(QStringLiteral("M"));
  m.mnuModifylvPoint->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "M", "2", "3"}));
  f->PageLoaded = true;  // the edit regenerated the page; as if it had loaded

  Select({2});
  m.mnuDeletePoint->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "2", "3"}));

  m.mnuCloseLoop->trigger();
  EXPECT_EQ(Names(), (QStringList{"0", "1", "2", "3", "4"}));

  // The hidden "Calculate arrows" item still computes them.
  for (int i = 0; i < 5; ++i) routeStorage.SetTurn(i, ttNone);
  page().FillRouteList(false, false);
  m.mnuCalc->trigger();
  EXPECT_EQ(routeStorage.At(0)->Turn, ttStraight);
  EXPECT_NE(routeStorage.At(1)->Turn, ttNone);
}

// The track page's wand builds the route from the shown track.
TEST_F(RouteControls, TrackWandBuildsTheRoute) {
  Route({{1, 1}});
  routetest::ShowTrackPoints(*f, {{47, 11, 5}, {48, 12, 6}, {49, 11, 7}});
  QTest::mouseClick(f->pgTrack->spdAutoGeneratorTrk, Qt::LeftButton);
  EXPECT_EQ(Names(), (QStringList{"0", "1", "2"}));
  EXPECT_EQ(routeStorage.At(2)->Elevation, 7);
}

// ---------------------------------------------------------------------------
// files

class RouteFiles : public RouteWindow {};

TEST_F(RouteFiles, SaveAndReopen) {
  auto dir = testenv::scratchDir("route-files");
  const QString file = Q(dir / "trip.rte");
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  routeStorage.SetElevation(2, 512);
  routeStorage.SetTurn(1, ttLeft);
  env.services.saveAnswers.push_back(file);
  page().tbRouteSave->click();
  EXPECT_EQ(f->StatusText(1), S(2));
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_TRUE(f->windowTitle().endsWith(file));
  ASSERT_EQ(env.services.fileDialogs.size(), 1u);
  EXPECT_EQ(env.services.fileDialogs[0].filter, S(139));
  EXPECT_EQ(env.services.fileDialogs[0].defaultSuffix, QStringLiteral("rte"));

  page().bgRouteTableItems3Click();
  map->navigated.clear();
  env.services.openAnswers.push_back(file);
  page().tbRouteOpen->click();
  EXPECT_EQ(f->StatusText(2), S(167));
  ASSERT_EQ(page().RowCount(), 3);
  EXPECT_EQ(Cell(2, TRoutePage::colAltitude), QStringLiteral("512"));
  EXPECT_EQ(Cell(2, TRoutePage::colTotal), QStringLiteral("18.58066"));
  EXPECT_EQ(routeStorage.At(1)->Turn, ttLeft);
  EXPECT_EQ(map->navigated.size(), 1);
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(RouteFiles, DamagedFileLeavesTheRoute) {
  auto dir = testenv::scratchDir("route-damaged");
  Route({{48.0, 11.0}});
  f->SetTitleFile(QStringLiteral("/earlier/route.rte"));
  const QString title = f->windowTitle();
  for (const std::string& bytes : {std::string("garbage"), std::string(20, '\0'), std::string()}) {
    testenv::writeFile(dir / "bad.rte", bytes);
    env.services.messages.clear();
    env.services.openAnswers.push_back(Q(dir / "bad.rte"));
    page().bgRouteFile_OpenClick();
    EXPECT_EQ(f->StatusText(2), S(168));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
    ASSERT_EQ(page().RowCount(), 1);
    EXPECT_EQ(Cell(0, TRoutePage::colLat), QStringLiteral("48"));
    // The route held is not the file's: the title does not name it.
    EXPECT_EQ(f->windowTitle(), title);
  }
  // Cancelled: nothing.
  page().bgRouteFile_OpenClick();
  EXPECT_EQ(page().RowCount(), 1);
}

TEST_F(RouteFiles, SavingAnEmptyRouteSaysSo) {
  page().bgRouteFile_SaveClick();
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].caption, S(114));
  EXPECT_EQ(env.services.messages[0].text, S(119));
  EXPECT_TRUE(env.services.fileDialogs.empty());
  // A folder that is not there: the failure and the system's reason, as every save says it.
  Route({{1, 1}});
  env.services.messages.clear();
  const QString title = f->windowTitle();
  env.services.saveAnswers.push_back(QStringLiteral("/nonexistent-dir/x.rte"));
  page().tbRouteSave->click();
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].caption, S(115));
  EXPECT_EQ(env.services.messages[0].text,
            S(168) + QStringLiteral(": /nonexistent-dir/x.rte\n") + QString::fromLocal8Bit(std::strerror(ENOENT)));
  EXPECT_EQ(f->windowTitle(), title);
}

// GPX with and without Shift: valid GPX 1.1 that gpsbabel reads back.
TEST_F(RouteFiles, GpxExports) {
  auto dir = testenv::scratchDir("route-gpx");
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  routeStorage.SetElevation(1, 250);
  routeStorage.SetTurn(1, ttLeft);
  const std::string schema = (testenv::fixturesDir() / "gpx-1.1.xsd").string();
  for (bool shift : {false, true}) {
    SCOPED_TRACE(shift);
    const fs::path file = dir / (shift ? "shift.gpx" : "plain.gpx");
    env.services.shift = shift;
    env.services.saveAnswers.push_back(Q(file));
    page().tbgRouteGPX->click();
    EXPECT_EQ(f->StatusText(2), S(167));
    EXPECT_EQ(env.services.fileDialogs.back().filter, S(142));
    const std::string text = testenv::readFile(file);
    EXPECT_EQ(text.find("<trk>") != std::string::npos, shift);
    EXPECT_EQ(text.find("TL</turn>") != std::string::npos, shift);
    EXPECT_EQ(Shell("xmllint --noout --nonet --schema '" + schema + "' '" + file.string() + "'"), 0);
    const fs::path csv = dir / "back.csv";
    ASSERT_EQ(Shell("gpsbabel -r -i gpx -f '" + file.string() + "' -o unicsv -F '" + csv.string() + "'"), 0);
    const std::string back = testenv::readFile(csv);
    EXPECT_NE(back.find("2,48.000000,11.100000,\"RPT002\",250.0"), std::string::npos) << back;
    EXPECT_NE(back.find("3,48.100000,11.100000,"), std::string::npos) << back;
  }
  // An empty route asks nothing.
  env.services.answer = UiServices::Yes;
  page().bgRouteTableItems3Click();
  const std::size_t asked = env.services.fileDialogs.size();
  page().tbgRouteGPXClick();
  EXPECT_EQ(env.services.fileDialogs.size(), asked);
}

// ---------------------------------------------------------------------------
// a route from the track's points

class RouteBuilder : public RouteWindow {
 protected:
  void TrackPoints(const std::vector<std::pair<double, double>>& points) {
    std::vector<std::tuple<double, double, double>> shown;
    int i = 0;
    for (auto [lat, lng] : points) shown.emplace_back(lat, lng, 100 + i++);
    ShowTrackPoints(*f, shown);
  }
};

// A straight track northwards, 0.01 degrees a point, with some points moved
// east: spikes that the simplification keeps (with the points beside them)
// exactly when they stand out by more than its tolerance.
std::vector<std::pair<double, double>> SpikedTrack(int n, const std::map<int, double>& spikes) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < n; ++i) {
    const auto spike = spikes.find(i);
    points.emplace_back(48.0 + i * 0.01, 11.0 + (spike == spikes.end() ? 0.0 : spike->second));
  }
  return points;
}

// Which track points the route was built from, by latitude.
std::vector<int> RouteRows() {
  std::vector<int> rows;
  for (std::size_t i = 0; i < routeStorage.Count(); ++i)
    rows.push_back(int(std::lround((routeStorage.At(i)->Latitude - 48.0) / 0.01)));
  return rows;
}

// The first tolerance by the number of track points: 0.0005 degrees, 0.001
// above 600 points, 0.002 above 1500. A spike just below it goes, one just
// above it stays.
TEST_F(RouteBuilder, TheToleranceStartsByTheTrackLength) {
  struct Case {
    int n;
    double tolerance;
  } const cases[] = {{200, 0.0005}, {600, 0.0005}, {601, 0.001}, {1500, 0.001}, {1501, 0.002}, {3000, 0.002}};
  env.services.answer = UiServices::Yes;  // each built route replaces the last
  for (const Case& c : cases) {
    for (double offset : {-0.0001, 0.0001}) {
      SCOPED_TRACE(testing::Message() << c.n << " points, spike " << c.tolerance + offset);
      const int m = c.n / 2;
      TrackPoints(SpikedTrack(c.n, {{m, c.tolerance + offset}}));
      page().GenerateRouteFromTrack();
      const std::vector<int> want =
          offset < 0 ? std::vector<int>{0, c.n - 1} : std::vector<int>{0, m - 1, m, m + 1, c.n - 1};
      EXPECT_EQ(RouteRows(), want);
      ASSERT_EQ(routeStorage.Count(), want.size());
      for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(routeStorage.At(i)->Name, QString::number(i));
        EXPECT_EQ(routeStorage.At(i)->Elevation, 100 + want[i]);  // the track point's altitude
      }
      EXPECT_EQ(page().RowCount(), int(want.size()));
    }
  }
}

// 601 points start with 0.001; while more than 100 points stay, the tolerance
// grows by 0.0005. Spikes of 0.0012, 0.0014 and 0.0017 keep 113 points at
// 0.001; at 0.0015 only the twelve of 0.0017 stay (38 points). A step of
// 0.00025 would stop at 0.00125 (74 points), one of 0.001 at 0.002 (2).
TEST_F(RouteBuilder, SixHundredAndOnePointsGrowTheToleranceInSteps) {
  std::map<int, double> spikes;
  std::vector<int> want{0};
  int s = 0;
  for (int i = 8; i < 597; i += 16, ++s) {
    spikes[i] = s % 3 == 0 ? 0.0012 : s % 3 == 1 ? 0.0014 : 0.0017;
    if (s % 3 == 2) want.insert(want.end(), {i - 1, i, i + 1});
  }
  want.push_back(600);
  const std::vector<std::pair<double, double>> track = SpikedTrack(601, spikes);
  // The track is what the comment says of it.
  std::vector<double> x, y;
  for (auto [lat, lng] : track) x.push_back(lat), y.push_back(lng);
  auto kept = [&](double t) {
    std::vector<std::int32_t> keep(x.size(), 0);
    return SimplifyPolyline(x.data(), y.data(), int(x.size()), t, keep.data());
  };
  ASSERT_EQ(kept(0.001), 113);
  ASSERT_EQ(kept(0.00125), 74);
  ASSERT_EQ(kept(0.002), 2);

  TrackPoints(track);
  page().GenerateRouteFromTrack();
  EXPECT_EQ(RouteRows(), want);
  ASSERT_EQ(routeStorage.Count(), 38u);
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(routeStorage.At(i)->Name, QString::number(i));
    EXPECT_EQ(routeStorage.At(i)->Elevation, 100 + want[i]);
  }
}

// A track that keeps more than 100 points even after the 200 enlargements
// (the last run at 0.101): the route takes the first 100 kept points in track
// order. Spikes of 0.5 keep well over 100 points at any tolerance; lone
// spikes of 0.1008 and 0.1012 near the start tell the last three runs apart.
TEST_F(RouteBuilder, TooManyPointsAtTheLastToleranceFillTheRoute) {
  std::map<int, double> spikes{{20, 0.1008}, {40, 0.5}, {70, 0.1012}};
  for (int i = 122; i < 599; i += 4) spikes[i] = 0.5;
  const std::vector<std::pair<double, double>> track = SpikedTrack(601, spikes);
  std::vector<double> x, y;
  for (auto [lat, lng] : track) x.push_back(lat), y.push_back(lng);
  auto first100 = [&](double t) {
    std::vector<std::int32_t> keep(x.size(), 0);
    EXPECT_GT(SimplifyPolyline(x.data(), y.data(), int(x.size()), t, keep.data()), 100) << t;
    std::vector<int> rows;
    for (int i = 0; i < 601 && rows.size() < 100; ++i)
      if (keep[std::size_t(i)]) rows.push_back(i);
    return rows;
  };
  const std::vector<int> want = first100(0.101);
  ASSERT_NE(first100(0.1005), want);
  ASSERT_NE(first100(0.1015), want);

  TrackPoints(track);
  page().GenerateRouteFromTrack();
  EXPECT_EQ(RouteRows(), want);
  ASSERT_EQ(routeStorage.Count(), 100u);
  EXPECT_EQ(routeStorage.At(99)->Name, QStringLiteral("99"));
  EXPECT_EQ(page().RowCount(), 100);
  EXPECT_TRUE(env.services.messages.empty());
}

TEST_F(RouteBuilder, ShortTracksAreTakenWhole) {
  for (int n : {0, 1, 2}) {
    SCOPED_TRACE(n);
    mapstores::ClearAll();
    Route({{5, 5}});
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < n; ++i) points.emplace_back(48.0 + i, 11.0);
    TrackPoints(points);
    page().GenerateRouteFromTrack();
    ASSERT_EQ(routeStorage.Count(), std::size_t(n == 0 ? 1 : n));
    if (n == 0) continue;
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(routeStorage.At(i)->Name, QString::number(i));
      EXPECT_EQ(routeStorage.At(i)->Elevation, 100 + i);
    }
  }
}

TEST_F(RouteBuilder, ZigzagOfFiveThousandPoints) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < 5000; ++i) points.emplace_back(48.0 + i * 0.0002, 11.0 + (i % 2 ? 0.003 : 0.0) + i * 0.00001);
  TrackPoints(points);
  page().chkGenArrows->setChecked(true);
  page().GenerateRouteFromTrack();
  const std::size_t n = routeStorage.Count();
  EXPECT_LE(n, 100u);
  EXPECT_GE(n, 2u);
  EXPECT_EQ(page().RowCount(), int(n));
  EXPECT_DOUBLE_EQ(routeStorage.At(0)->Latitude, 48.0);
  EXPECT_DOUBLE_EQ(routeStorage.At(n - 1)->Latitude, 48.0 + 4999 * 0.0002);
  EXPECT_EQ(routeStorage.At(n - 1)->Elevation, 100 + 4999);
  for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(routeStorage.At(i)->Name, QString::number(i));
  // Every point but the last got its arrow, and the box is as it was.
  EXPECT_TRUE(page().chkGenArrows->isChecked());
  for (std::size_t i = 0; i + 1 < n; ++i) EXPECT_NE(routeStorage.At(i)->Turn, ttNone) << i;
  EXPECT_EQ(CurrentRow(), int(n) - 1);
  EXPECT_EQ(map->navigated.size(), 1);
  EXPECT_TRUE(f->pgTrack->spdAutoGeneratorTrk->isEnabled());
}

}  // namespace

namespace {

using routetest::RouteWindow;
class RouteKeys : public RouteWindow {};

// The real editor on show, closed with Escape as a user does.
std::function<int(QDialog&)> EscapeCloses() {
  return [](QDialog& d) {
    QTimer::singleShot(0, &d, [&d] { QTest::keyClick(&d, Qt::Key_Escape); });
    return d.exec();
  };
}

// Enter on a selected row opens one editor, and so does a double click.
TEST_F(RouteKeys, EnterAndDoubleClickOpenOneEditor) {
  apConfig->VersionCheck = false;
  f->PageControl->setCurrentWidget(f->pgRoute);
  f->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  f->Mode = omRoute;
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  page().SelectRow(1);
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
  page().lvRoute->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), page().lvRoute);
  env.services.onDialog = EscapeCloses();

  QTest::keyClick(page().lvRoute, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(env.services.dialogsShown, 1);

  env.services.dialogsShown = 0;
  QWidget* rows = page().lvRoute->viewport();
  const QPoint at(20, page().lvRoute->visualItemRect(page().lvRoute->topLevelItem(1)).center().y());
  // A real double click: press and release, then the double click.
  QTest::mouseClick(rows, Qt::LeftButton, {}, at);
  QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_EQ(routeStorage.Count(), 3u);
}

}  // namespace

namespace {

// The nine shipped language files, by their position in the language list.
const char* const kLanguageFiles[] = {"English.txt", "Deutsch.txt", "Dutch.txt",       "Spanish.txt",    "French.txt",
                                      "Italiano.txt", "Japanese.txt", "SimpChinese.txt", "TranChinese.txt"};

class RouteLayout : public RouteWindow {
 protected:
  void SetUp() override {
    RouteWindow::SetUp();
    for (const char* name : kLanguageFiles)
      env.WriteExe(name, QByteArray::fromStdString(testenv::readFile(testenv::sourceDir() / "resources/ship" / name)));
    apConfig->VersionCheck = false;
    f->PageControl->setCurrentWidget(f->pgRoute);
    f->show();  // at the window's default size
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  }
  // Columns no narrower than their title and every value, with the turn
  // picture in the first.
  void ExpectNothingCut() {
    QTreeWidget* lv = page().lvRoute;
    QHeaderView* header = lv->header();
    const QFontMetrics fm = lv->fontMetrics();
    const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < header->count(); ++c) {
      SCOPED_TRACE(c);
      const QString title = lv->headerItem()->text(c);
      EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(title) + headerMargin)
          << title.toStdString();
      for (int r = 0; r < lv->topLevelItemCount(); ++r) {
        const QString text = lv->topLevelItem(r)->text(c);
        const int picture = c == 0 ? lv->iconSize().width() + 4 : 0;
        EXPECT_GE(header->sectionSize(c), fm.horizontalAdvance(text) + 6 + picture) << text.toStdString();
      }
    }
    // What does not fit is reached by scrolling.
    const int overhang = header->length() - lv->viewport()->width();
    EXPECT_EQ(lv->horizontalScrollBar()->maximum(), std::max(overhang, 0));
  }
};

// At the default size, in every language, no title or value of the route
// list is cut; after an edit while the list is scrolled to the right the
// rows keep their height.
TEST_F(RouteLayout, ColumnsFitTheirTitlesAndValuesInEveryLanguage) {
  const struct {
    const char* title;
    double lat, lng;
    int metres;
  } points[] = {{"Chamonix", 45.9237123, 6.8694321, 1035},
                {"Sommet Aiguille du Midi", 45.8791234, 6.8873456, 3842},
                {"München Marienplatz", 48.1373456, 11.5754321, 519},
                {"Berggasthof Hohe Kanzel", 47.4211234, 11.6334567, 1789}};
  for (std::size_t i = 0; i < std::size(points); ++i) {
    mapstores::AddRoutePoint(QString::fromUtf8(points[i].title), points[i].lat, points[i].lng);
    routeStorage.SetElevation(int(i), points[i].metres);
  }
  for (int language = 0; language < int(std::size(kLanguageFiles)); ++language) {
    SCOPED_TRACE(kLanguageFiles[language]);
    f->ApplyLanguage(language);
    page().FillRouteList(true, false);
    QCoreApplication::processEvents();
    ExpectNothingCut();
  }
  QTreeWidget* lv = page().lvRoute;
  const int height = lv->visualItemRect(lv->topLevelItem(0)).height();
  EXPECT_GE(height, lv->iconSize().height());
  lv->horizontalScrollBar()->setValue(lv->horizontalScrollBar()->maximum());
  QCoreApplication::processEvents();
  ASSERT_GT(lv->horizontalScrollBar()->value(), 0);
  page().FillRouteList(false, false);  // as after an edit
  QCoreApplication::processEvents();
  for (int r = 0; r < lv->topLevelItemCount(); ++r)
    EXPECT_EQ(lv->visualItemRect(lv->topLevelItem(r)).height(), height) << r;
}

}  // namespace
