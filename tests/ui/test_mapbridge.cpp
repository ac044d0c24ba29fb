// The main window's side of the map page: click reports and what each does
// on each page, the read-backs, the page regeneration and the load hook,
// with a fake browser; then one run with the real web engine in which a
// click on the map reaches the route.
#include <gtest/gtest.h>

#include <filesystem>

#include <QJsonArray>
#include <QTabBar>
#include <QTcpServer>
#include <QTest>

#include <map>

#include "Deststorage.h"
#include "Fakemapview.h"
#include "Googlehtml.h"
#include "Jsescape.h"
#include "Livemap.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Mapview.h"
#include "Mapwebenv.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Uitestenv.h"
#include "Webmapview.h"

namespace {

using Icon = UiServices::Icon;
using uitest::FakeMapView;
using uitest::SetRows;

// The destination list shows what the store holds: n destinations in it.
void SetRows(TDestPage* page, int n) {
  for (int i = 0; i < n; ++i) {
    auto item = std::make_unique<DestItem>(QStringLiteral("row %1").arg(i), 0, 0, QString(), 1, 2);
    destStorage.AddItem(dlActive, item);
  }
  page->FillDestList();
}

// The waypoint list shows the store: n waypoints, listed by the page itself.
void SetRows(TWaypointPage* page, int n) {
  poiStorage.Clear();
  for (int i = 0; i < n; ++i) mapstores::AddWaypoint("w" + std::to_string(i), 1, 2, 0);
  page->FillWptList();
}

int CurrentRow(QTreeWidget* list) {
  QTreeWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? list->indexOfTopLevelItem(item) : -1;
}

class BridgeMain : public TFormMain {
 public:
  BridgeMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~BridgeMain() override { WriteBackSettings(); }

  void FillRouteList(bool arrows, bool automatic) override {
    calls << QStringLiteral("FillRouteList:%1,%2").arg(arrows).arg(automatic);
    SetRows(pgRoute->lvRoute, int(routeStorage.Count()));
  }
  void FillDestList() override { calls << QStringLiteral("FillDestList"); }
  void FillWptList() override { calls << QStringLiteral("FillWptList"); }
  QString AddWaypointAt(double lat, double lng) override {
    calls << QStringLiteral("AddWaypointAt:") + textfmt::FloatToQStr(lat) + QLatin1Char(',') +
                 textfmt::FloatToQStr(lng);
    return waypointCall;
  }
  int FetchElevation(double, double) override {
    calls << QStringLiteral("FetchElevation");
    return 321;
  }
  bool AddDestinationAt(double& lat, double&, QString& title) override {
    calls << QStringLiteral("AddDestinationAt");
    lat += 0.5;  // the editor may change the position
    title = destTitle;
    return destOk;
  }
  void btnGetZoomLevelClick() override { calls << QStringLiteral("btnGetZoomLevelClick"); }

  QStringList calls;
  QString waypointCall;
  QString destTitle;
  bool destOk = false;
};

class MapBridge : public ::testing::Test {
 protected:
  MapBridge() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    lastMapMessage.clear();
    mapstores::ClearAll();
    uitest::UseFakeMapView(fake);
    env.WriteIni(uitest::AllPagesIni());
    env.Start();
    f = std::make_unique<BridgeMain>();
    // As if the first page had loaded.
    f->PageLoaded = true;
    fake->scripts.clear();
    fake->navigated.clear();
    f->calls.clear();
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  std::vector<std::pair<QString, QString>> Messages() const {
    std::vector<std::pair<QString, QString>> out;
    for (const auto& m : env.services.messages) out.emplace_back(m.caption, m.text);
    return out;
  }

  uitest::ProgramEnv env;
  FakeMapView* fake = nullptr;
  std::unique_ptr<BridgeMain> f;
};

QString S(int n) { return QStringLiteral("S%1").arg(n); }

// ---------------------------------------------------------------------------

TEST(MapReport, ParsingTable) {
  struct Row {
    const char* report;
    MapCommand command;
    int index = -1;  // expected when not mcNone (-1: not read)
    double lat = 0, lng = 0;
  };
  const Row rows[] = {
      {"ADD:0(48.123456,11.5)", mcAdd, -1, 48.12346, 11.5},
      {"ADD:x(1,2)", mcAdd, -1, 1, 2},  // the index of ADD is not read
      {"MODIFY:7(1.000004,-2.000006)", mcModify, 7, 1.0, -2.00001},
      {"SEL:5(1,2)", mcSelect, 5, 0, 0},
      {"SEL:-3(1,2)", mcSelect, -3, 0, 0},
      {"Center:0(0,0)", mcCenter, -1, 0, 0},
      {"Center:0(-33.5,151.25)", mcCenter, -1, -33.5, 151.25},
      {"SEL:5", mcNone, -1, 0, 0},
      {"SEL:(1,2)", mcNone, -1, 0, 0},
      {"ADD:0(abc,1)", mcNone, -1, 0, 0},
      {"ADD:0(1,)", mcNone, -1, 0, 0},
      {"ADD:0(1e999,1)", mcNone, -1, 0, 0},
      {"ADD:0(nan,1)", mcNone, -1, 0, 0},
      {"ADD:0(91,1)", mcNone, -1, 0, 0},
      {"MODIFY:(1,2)", mcNone, -1, 0, 0},
      {"MODIFY:1.5(1,2)", mcNone, -1, 0, 0},
      {"FOO:1(1,2)", mcNone, -1, 0, 0},
      {"add:0(1,2)", mcNone, -1, 0, 0},
      {"(((::,,)))", mcNone, -1, 0, 0},
      {")1,2(:ADD", mcNone, -1, 0, 0},
      {"", mcNone, -1, 0, 0},
  };
  for (const Row& r : rows) {
    lastMapMessage.clear();
    int index = -1;
    double lat = 0, lng = 0;
    EXPECT_EQ(ParseMapMessage(QLatin1String(r.report), index, lat, lng), r.command) << r.report;
    if (r.command == mcNone) continue;
    EXPECT_EQ(index, r.index) << r.report;
    if (r.command != mcSelect) {
      EXPECT_DOUBLE_EQ(lat, r.lat) << r.report;
      EXPECT_DOUBLE_EQ(lng, r.lng) << r.report;
    }
  }
  // Far too long a report is no report.
  lastMapMessage.clear();
  int index = 0;
  double lat = 0, lng = 0;
  EXPECT_EQ(ParseMapMessage(QStringLiteral("ADD:0(1,2)") + QString(300, QLatin1Char(' ')), index, lat, lng),
            mcNone);
}

TEST(MapReport, RepetitionIsIgnoredUntilAnotherReportCame) {
  lastMapMessage.clear();
  int i = 0;
  double lat = 0, lng = 0;
  const QString a = QStringLiteral("ADD:0(1,2)"), b = QStringLiteral("SEL:1(1,2)");
  EXPECT_EQ(ParseMapMessage(a, i, lat, lng), mcAdd);
  EXPECT_EQ(ParseMapMessage(a, i, lat, lng), mcNone);
  EXPECT_EQ(ParseMapMessage(b, i, lat, lng), mcSelect);
  EXPECT_EQ(ParseMapMessage(a, i, lat, lng), mcAdd);
  // A report that does not parse is remembered too.
  EXPECT_EQ(ParseMapMessage(QStringLiteral("junk"), i, lat, lng), mcNone);
  EXPECT_EQ(ParseMapMessage(a, i, lat, lng), mcAdd);
}

// ---------------------------------------------------------------------------

struct ClickCase {
  const char* name;
  OpMode mode;
  std::function<void(BridgeMain&)> setup;
  QString report;
  QStringList scripts;  // sent to the page
  QStringList calls;    // page operations run
  std::vector<std::pair<int, int>> messages;  // caption, text
  Icon icon;
  std::function<void(BridgeMain&)> check;
};

void Route(int points, int rows) {
  for (int i = 0; i < points; ++i) mapstores::AddRoutePoint(QString::number(i), 1.0 + i, 2.0 + i);
  SetRows(FormMain->pgRoute->lvRoute, rows);
}

std::vector<ClickCase> ClickCases() {
  const QString nasty = QStringLiteral("Joe's \"pub\" \\ </script>\n");
  auto withCategory = [](BridgeMain&) { destStorage.AddCategory(QStringLiteral("Food")); };
  return {
      {"route add is named after the row count", omRoute, [](BridgeMain&) { Route(1, 1); },
       QStringLiteral("ADD:1(48.123456,11.5)"), {}, {QStringLiteral("FillRouteList:1,0")}, {}, Icon::None,
       [](BridgeMain& f) {
         ASSERT_EQ(routeStorage.Count(), 2u);
         EXPECT_EQ(routeStorage.At(1)->Name, QStringLiteral("1"));
         EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 48.12346);
         EXPECT_DOUBLE_EQ(routeStorage.At(1)->Longitude, 11.5);
         EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 1);
       }},
      {"route add skips taken names", omRoute,
       [](BridgeMain&) {
         for (const char* n : {"3", "4", "x"}) mapstores::AddRoutePoint(QLatin1String(n), 1, 1);
         SetRows(FormMain->pgRoute->lvRoute, 3);
       },
       QStringLiteral("ADD:3(5,6)"), {}, {QStringLiteral("FillRouteList:1,0")}, {}, Icon::None,
       [](BridgeMain&) {
         ASSERT_EQ(routeStorage.Count(), 4u);
         EXPECT_EQ(routeStorage.At(3)->Name, QStringLiteral("5"));
       }},
      {"route add at 100 rows is refused and taken back", omRoute, [](BridgeMain&) { Route(100, 100); },
       QStringLiteral("ADD:100(5,6)"), {QStringLiteral("rte_deletePoint(100)")}, {}, {{115, 136}},
       Icon::Information, [](BridgeMain&) { EXPECT_EQ(routeStorage.Count(), 100u); }},
      {"route add to a full store is refused and taken back", omRoute, [](BridgeMain&) { Route(100, 99); },
       QStringLiteral("ADD:99(5,6)"), {QStringLiteral("rte_deletePoint(100)")}, {}, {{115, 136}}, Icon::Error,
       [](BridgeMain&) { EXPECT_EQ(routeStorage.Count(), 100u); }},
      {"route modify moves the point and fetches its elevation", omRoute,
       [](BridgeMain&) {
         Route(3, 3);
         apConfig->Altchart = kAltchartShown;
       },
       QStringLiteral("MODIFY:1(5.5,6.5)"), {},
       {QStringLiteral("FetchElevation"), QStringLiteral("FillRouteList:1,1")}, {}, Icon::None,
       [](BridgeMain& f) {
         EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 5.5);
         EXPECT_DOUBLE_EQ(routeStorage.At(1)->Longitude, 6.5);
         EXPECT_EQ(routeStorage.At(1)->Elevation, 321);
         EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 1);
       }},
      {"route modify without the chart keeps the elevation", omRoute, [](BridgeMain&) { Route(3, 3); },
       QStringLiteral("MODIFY:2(5.5,6.5)"), {}, {QStringLiteral("FillRouteList:1,1")}, {}, Icon::None,
       [](BridgeMain&) {
         EXPECT_DOUBLE_EQ(routeStorage.At(2)->Latitude, 5.5);
         EXPECT_EQ(routeStorage.At(2)->Elevation, 0);
       }},
      // The page may count more points than the list shows: the last row.
      {"route modify at the row count moves the last point", omRoute, [](BridgeMain&) { Route(5, 5); },
       QStringLiteral("MODIFY:5(9.5,8.5)"), {}, {QStringLiteral("FillRouteList:1,1")}, {}, Icon::None,
       [](BridgeMain& f) {
         EXPECT_DOUBLE_EQ(routeStorage.At(4)->Latitude, 9.5);
         EXPECT_DOUBLE_EQ(routeStorage.At(4)->Longitude, 8.5);
         EXPECT_DOUBLE_EQ(routeStorage.At(3)->Latitude, 4.0);
         EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 4);
       }},
      {"route modify far past the end moves the last point", omRoute,
       [](BridgeMain&) {
         Route(5, 5);
         apConfig->Altchart = kAltchartShown;
       },
       QStringLiteral("MODIFY:7(9.5,8.5)"), {}, {QStringLiteral("FetchElevation"), QStringLiteral("FillRouteList:1,1")},
       {}, Icon::None,
       [](BridgeMain& f) {
         EXPECT_DOUBLE_EQ(routeStorage.At(4)->Latitude, 9.5);
         EXPECT_EQ(routeStorage.At(4)->Elevation, 321);
         EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 4);
       }},
      {"route modify on an empty route does nothing", omRoute, [](BridgeMain&) {},
       QStringLiteral("MODIFY:0(5,6)"), {}, {}, {}, Icon::None,
       [](BridgeMain&) { EXPECT_EQ(routeStorage.Count(), 0u); }},
      {"route modify with a negative index is ignored", omRoute, [](BridgeMain&) { Route(3, 3); },
       QStringLiteral("MODIFY:-1(5,6)"), {}, {}, {}, Icon::None,
       [](BridgeMain&) { EXPECT_DOUBLE_EQ(routeStorage.At(0)->Latitude, 1.0); }},
      {"route select selects the row", omRoute, [](BridgeMain&) { Route(3, 3); }, QStringLiteral("SEL:2(0,0)"),
       {}, {}, {}, Icon::None, [](BridgeMain& f) { EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 2); }},
      {"route select past the end selects the last row", omRoute, [](BridgeMain&) { Route(3, 3); },
       QStringLiteral("SEL:3(0,0)"), {}, {}, {}, Icon::None,
       [](BridgeMain& f) { EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 2); }},
      {"route select far past the end selects the last row", omRoute, [](BridgeMain&) { Route(3, 3); },
       QStringLiteral("SEL:99(0,0)"), {}, {}, {}, Icon::None,
       [](BridgeMain& f) { EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), 2); }},
      {"route select on an empty route does nothing", omRoute, [](BridgeMain&) {}, QStringLiteral("SEL:0(0,0)"),
       {}, {}, {}, Icon::None, [](BridgeMain& f) { EXPECT_EQ(CurrentRow(f.pgRoute->lvRoute), -1); }},
      {"route report that does not parse", omRoute, [](BridgeMain&) { Route(1, 1); },
       QStringLiteral("ADD:0(abc,1)"), {}, {}, {}, Icon::None,
       [](BridgeMain&) { EXPECT_EQ(routeStorage.Count(), 1u); }},
      {"destination without a category", omDestination, [](BridgeMain&) {}, QStringLiteral("ADD:0(1,2)"),
       {QStringLiteral("showPreMarkerDST('', false)")}, {}, {{127, 128}}, Icon::Error, nullptr},
      {"destination modify without a category", omDestination, [](BridgeMain&) {},
       QStringLiteral("MODIFY:0(1,2)"), {}, {}, {{127, 128}}, Icon::Error, nullptr},
      {"destination added in the editor", omDestination,
       [&](BridgeMain& f) {
         withCategory(f);
         f.destOk = true;
         f.destTitle = nasty;
       },
       QStringLiteral("ADD:0(48,11.25)"),
       {QStringLiteral("dst_addPoint(48.5,11.25,'") + EscapeJsString(nasty) + QStringLiteral("')")},
       {QStringLiteral("AddDestinationAt"), QStringLiteral("FillDestList")}, {}, Icon::None, nullptr},
      {"destination editor cancelled", omDestination, withCategory, QStringLiteral("ADD:0(48,11.25)"),
       {QStringLiteral("showPreMarkerDST('', false)")}, {QStringLiteral("AddDestinationAt")}, {}, Icon::None,
       nullptr},
      {"destination list at 100 rows", omDestination,
       [&](BridgeMain& f) {
         withCategory(f);
         SetRows(f.pgDest, 100);
       },
       QStringLiteral("ADD:0(1,2)"), {QStringLiteral("showPreMarkerDST('', false)")}, {}, {{115, 136}},
       Icon::Information, nullptr},
      {"destination list at 99 rows", omDestination,
       [&](BridgeMain& f) {
         withCategory(f);
         SetRows(f.pgDest, 99);
       },
       QStringLiteral("ADD:0(1,2)"), {QStringLiteral("showPreMarkerDST('', false)")},
       {QStringLiteral("AddDestinationAt")}, {}, Icon::None, nullptr},
      {"destination page switched off", omDestination,
       [&](BridgeMain& f) {
         withCategory(f);
         apConfig->Destination = false;
       },
       QStringLiteral("ADD:0(1,2)"), {}, {}, {}, Icon::None, nullptr},
      {"destination select does nothing", omDestination, withCategory, QStringLiteral("SEL:0(1,2)"), {}, {}, {},
       Icon::None, nullptr},
      {"waypoint added in the dialog", omWaypoint,
       [](BridgeMain& f) { f.waypointCall = QStringLiteral("wpt_addPoint(1,2,'n',3)"); },
       QStringLiteral("ADD:0(1,2)"),
       {QStringLiteral("showPreMarkerWPT('', false)"), QStringLiteral("wpt_addPoint(1,2,'n',3)")},
       {QStringLiteral("AddWaypointAt:1,2"), QStringLiteral("FillWptList")}, {}, Icon::None, nullptr},
      {"waypoint dialog cancelled", omWaypoint, [](BridgeMain&) {}, QStringLiteral("ADD:0(1,2)"),
       {QStringLiteral("showPreMarkerWPT('', false)")}, {QStringLiteral("AddWaypointAt:1,2")}, {}, Icon::None,
       nullptr},
      {"waypoint list at 100 rows", omWaypoint, [](BridgeMain& f) { SetRows(f.pgWaypoint, 100); },
       QStringLiteral("ADD:0(1,2)"), {QStringLiteral("showPreMarkerWPT('', false)")}, {}, {{115, 136}},
       Icon::Information, nullptr},
      {"waypoint modify does nothing", omWaypoint, [](BridgeMain&) {}, QStringLiteral("MODIFY:0(1,2)"), {}, {},
       {}, Icon::None, nullptr},
      {"track add does nothing", omTrack, [](BridgeMain&) {}, QStringLiteral("ADD:0(1,2)"), {}, {}, {},
       Icon::None, nullptr},
      {"centre on the track page", omTrack, [](BridgeMain&) { TGoogleHtml::MapCenterLat = 3; },
       QStringLiteral("Center:0(1,2)"), {}, {}, {}, Icon::None,
       [](BridgeMain&) {
         EXPECT_EQ(TGoogleHtml::MapCenterLat, 1);
         EXPECT_EQ(TGoogleHtml::MapCenterLng, 2);
       }},
      {"centre 0/0 keeps the centre", omRoute,
       [](BridgeMain&) {
         TGoogleHtml::MapCenterLat = 3;
         TGoogleHtml::MapCenterLng = 4;
       },
       QStringLiteral("Center:0(0,0)"), {}, {}, {}, Icon::None,
       [](BridgeMain&) {
         EXPECT_EQ(TGoogleHtml::MapCenterLat, 3);
         EXPECT_EQ(TGoogleHtml::MapCenterLng, 4);
       }},
  };
}

TEST_F(MapBridge, ClickTable) {
  for (const ClickCase& c : ClickCases()) {
    SCOPED_TRACE(c.name);
    mapstores::ClearAll();
    lastMapMessage.clear();
    SetRows(f->pgRoute->lvRoute, 0);
    SetRows(f->pgDest, 0);
    SetRows(f->pgWaypoint, 0);
    apConfig->Destination = true;
    apConfig->Altchart = 0;
    f->destOk = false;
    f->waypointCall.clear();
    f->Mode = c.mode;
    c.setup(*f);
    fake->scripts.clear();
    f->calls.clear();
    env.services.messages.clear();

    f->OnMapClick(c.report);

    EXPECT_EQ(fake->scripts, c.scripts);
    EXPECT_EQ(f->calls, c.calls);
    std::vector<std::pair<QString, QString>> want;
    for (auto [caption, text] : c.messages) want.emplace_back(S(caption), S(text));
    EXPECT_EQ(Messages(), want);
    if (!c.messages.empty()) {
      EXPECT_EQ(env.services.messages.front().icon, c.icon);
    }
    if (c.check) c.check(*f);
  }
}

TEST_F(MapBridge, RepeatedReportActsOnce) {
  f->Mode = omRoute;
  f->OnMapClick(QStringLiteral("ADD:0(1,2)"));
  f->OnMapClick(QStringLiteral("ADD:0(1,2)"));
  EXPECT_EQ(routeStorage.Count(), 1u);
  f->OnMapClick(QStringLiteral("ADD:1(3,4)"));
  f->OnMapClick(QStringLiteral("ADD:0(1,2)"));
  EXPECT_EQ(routeStorage.Count(), 3u);
}

TEST_F(MapBridge, ClickDuringAReadWaitsItsTurn) {
  f->Mode = omRoute;
  fake->reading = true;
  f->OnMapClick(QStringLiteral("ADD:0(1,2)"));
  EXPECT_EQ(routeStorage.Count(), 0u);
  fake->reading = false;
  EXPECT_TRUE(mapweb::WaitFor([] { return routeStorage.Count() == 1; }, 5000));
}

TEST_F(MapBridge, ReadBacksKeepStoredValuesOnBadAnswers) {
  struct Row {
    std::optional<QString> answer;
    int stored;
  };
  apConfig->Mapzoom = 13;
  for (const Row& r : {Row{QStringLiteral("7"), 7}, Row{QString(), 7}, Row{QStringLiteral("abc"), 7},
                       Row{std::nullopt, 7}, Row{QStringLiteral(" 9 "), 9}, Row{QStringLiteral("1e3"), 9}}) {
    fake->values[QStringLiteral("result")] = r.answer;
    EXPECT_EQ(f->GetZoomValue(), r.stored);
    EXPECT_EQ(apConfig->Mapzoom, r.stored);
  }
  EXPECT_EQ(fake->scripts.count(QStringLiteral("getZoomValue()")), 6);

  fake->values[QStringLiteral("result")] = QStringLiteral("2");
  EXPECT_EQ(f->GetMapMode(), 2);
  EXPECT_EQ(fake->scripts.last(), QStringLiteral("getMapMode()"));

  // Positions: each half that does not read stays as it was.
  double lat = 5, lng = 6;
  fake->values[QStringLiteral("result")] = QStringLiteral("48.25");
  fake->values[QStringLiteral("result2")] = QStringLiteral("x");
  EXPECT_FALSE(f->GetScriptLatLng(lat, lng));
  EXPECT_EQ(lat, 48.25);
  EXPECT_EQ(lng, 6);
  fake->values[QStringLiteral("result2")] = QStringLiteral("-11.5");
  EXPECT_TRUE(f->GetScriptLatLng(lat, lng));
  EXPECT_EQ(lng, -11.5);

  // Before a page has loaded nothing is sent or read.
  f->PageLoaded = false;
  fake->scripts.clear();
  fake->values[QStringLiteral("result")] = QStringLiteral("3");
  EXPECT_EQ(f->GetMapMode(), 2);
  f->ExecScript(QStringLiteral("rte_DrawArrows()"));
  EXPECT_TRUE(fake->scripts.isEmpty());
}

TEST_F(MapBridge, RefreshWritesTheLoadsThePageAndArmsTheZoom) {
  apConfig->AutoZoom = true;
  apConfig->Boostmode = true;
  mapstores::AddTrack(QStringLiteral("long"), 600, 0x00FF00);
  mapstores::AddDest(QStringLiteral("Here"), 1, 2);
  fake->values[QStringLiteral("result")] = QStringLiteral("4");
  f->Mode = omTrack;

  f->RefreshMap(0.0, 0.0);
  const QString page = pathManager->GetWebDir() + QStringLiteral("/GoogleMap.htm");
  EXPECT_EQ(fake->navigated, QStringList{page});
  EXPECT_FALSE(f->PageLoaded);
  EXPECT_TRUE(f->ZoomPending);
  EXPECT_EQ(f->StatusText(3), QStringLiteral("Boostmode"));
  EXPECT_EQ(apConfig->Mapzoom, 4);  // read back from the page shown before
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                          (bytes.size() - 2) / 2);
  EXPECT_TRUE(text.contains(QStringLiteral("var op_mode = 3;\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("var zoom_value = 4;\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("'Title': 'Here'")));

  // The load completes: the zoom timer runs once, the search box comes back.
  f->btnGoogleSearch->setChecked(true);
  fake->scripts.clear();
  f->CppWebBrowserDocumentComplete(true);
  EXPECT_TRUE(f->PageLoaded);
  EXPECT_FALSE(f->ZoomPending);
  EXPECT_TRUE(f->tmZoomLevel->isActive());
  EXPECT_EQ(fake->scripts, QStringList{QStringLiteral("showGoogleSearch(true)")});
  EXPECT_TRUE(mapweb::WaitFor([&] { return f->calls.contains(QStringLiteral("btnGetZoomLevelClick")); }, 5000));
  EXPECT_FALSE(f->tmZoomLevel->isActive());

  // The refresh button's regeneration does not zoom; neither does a failed load.
  f->RefreshMap(0.0, 1.0);
  EXPECT_FALSE(f->ZoomPending);
  apConfig->Boostmode = false;
  f->RefreshMap(0.0, 0.0);
  EXPECT_EQ(f->StatusText(3), QString());
  f->CppWebBrowserDocumentComplete(false);
  EXPECT_FALSE(f->PageLoaded);
  EXPECT_FALSE(f->ZoomPending);
  EXPECT_FALSE(f->tmZoomLevel->isActive());
}

TEST_F(MapBridge, PageThatCannotBeWrittenIsNotLoaded) {
  pathManager->WebDir = env.Path("no/such/web");
  f->RefreshMap(0.0, 0.0);
  EXPECT_TRUE(fake->navigated.isEmpty());
  EXPECT_TRUE(f->PageLoaded);  // the page shown stays usable
  EXPECT_FALSE(f->ZoomPending);
  EXPECT_EQ(f->StatusText(2), S(168));
  EXPECT_TRUE(f->StatusText(3).startsWith(QStringLiteral("Can not write map page: ")));
}

// Also a place search that the loaded maps API cannot offer.
TEST_F(MapBridge, MapThatCouldNotLoadIsNamedInTheStatusBar) {
  f->Mode = omRoute;
  lastMapMessage = QStringLiteral("ADD:0(1,2)");
  const std::pair<QLatin1String, QString> notes[] = {
      {kPlaceSearchUnavailableReport, QStringLiteral("The place search is not available.")},
      {kMapUnavailableReport, QStringLiteral("Can not load the map")},
  };
  for (const auto& [report, text] : notes) {
    fake->onReport(QString(report));
    EXPECT_EQ(f->StatusText(3), text);
    // It is no click: nothing else happens, and the last click report stays.
    EXPECT_TRUE(f->calls.isEmpty());
    // The map area's own note only gets its text in the chosen language.
    if (report == kMapUnavailableReport) {
      ASSERT_EQ(fake->scripts.size(), 1);
      EXPECT_TRUE(fake->scripts[0].contains(QStringLiteral("map_note"))) << fake->scripts[0].toStdString();
      fake->scripts.clear();
    }
    EXPECT_TRUE(fake->scripts.isEmpty());
    EXPECT_EQ(lastMapMessage, QStringLiteral("ADD:0(1,2)"));
    EXPECT_EQ(routeStorage.Count(), 0u);
  }
  // Clicks still count; the next page starts without the note.
  fake->onReport(QStringLiteral("ADD:1(3,4)"));
  EXPECT_TRUE(mapweb::WaitFor([] { return routeStorage.Count() == 1; }, 5000));
  f->RefreshMap(0.0, 0.0);
  EXPECT_EQ(f->StatusText(3), QString());
}

// Shown, the search takes the keys: the browser gets the focus, the page
// gives it to its search box. Hidden, the focus stays where it is.
TEST_F(MapBridge, SearchToggleGivesTheMapTheFocus) {
  f->show();
  f->pgRoute->lvRoute->setFocus();
  f->btnGoogleSearch->setChecked(true);
  f->btnGoogleSearchClick();
  EXPECT_EQ(fake->scripts, QStringList{QStringLiteral("showGoogleSearch(true)")});
  EXPECT_EQ(f->focusWidget(), fake->Widget());
  f->pgRoute->lvRoute->setFocus();
  f->btnGoogleSearch->setChecked(false);
  f->btnGoogleSearchClick();
  EXPECT_EQ(f->focusWidget(), f->pgRoute->lvRoute);
}

TEST_F(MapBridge, TabChangesByTheUserSwitchTheWorkingPage) {
  f->show();
  struct Row {
    QWidget* page;
    const char* call;  // null: none
    OpMode mode;
  };
  f->Mode = omTrack;
  const Row rows[] = {{f->pgDest, "changeOpMode(OP_MODE.DST)", omDestination},
                      {f->pgWaypoint, "changeOpMode(OP_MODE.WPT)", omWaypoint},
                      {f->pgRoute, "changeOpMode(OP_MODE.RTE)", omRoute},
                      {f->pgTrack, "changeOpMode(OP_MODE.TRK)", omTrack},
                      {f->pgConfig, nullptr, omTrack}};
  for (const Row& r : rows) {
    fake->scripts.clear();
    QTabBar* bar = f->PageControl->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(f->PageControl->indexOf(r.page)).center());
    ASSERT_EQ(f->PageControl->currentWidget(), r.page);
    QStringList want;
    if (r.call) want << QLatin1String(r.call);
    want << QStringLiteral("resizeMap(%1,%2)").arg(f->CppWebBrowser->width()).arg(f->CppWebBrowser->height());
    EXPECT_EQ(fake->scripts.mid(0, want.size()), want) << r.call;
    EXPECT_EQ(f->Mode, r.mode);
  }
  // The program's own switches leave the follow-up to their callers.
  fake->scripts.clear();
  f->PageControl->setCurrentWidget(f->pgRoute);
  EXPECT_TRUE(fake->scripts.isEmpty());
  EXPECT_EQ(f->Mode, omTrack);
}

// ---------------------------------------------------------------------------
// The real web engine, the page and its script, the local maps stand-in.

TEST(MapBridgeLive, ClickOnTheMapReachesTheRoute) {
  uitest::ProgramEnv env("MapBridgeLive");
  uitest::LiveMap live(
      env, QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nTrack=1\r\nBeep=0\r\n[MAP]\r\nMapzoom=12\r\n"));
  {
    BridgeMain f;  // starts on the route page and loads the first map page
    f.show();
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    auto* view = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget());
    ASSERT_NE(view, nullptr);
    QWebEnginePage* page = view->page();
    mapweb::Eval(page, QStringLiteral("window.mapHost.report('ready'); true"));

    EXPECT_EQ(f.GetZoomValue(), 12);
    mapweb::Eval(page, QStringLiteral("mapStub.zoomTo(9); true"));
    EXPECT_EQ(f.GetZoomValue(), 9);

    mapweb::Eval(page, QStringLiteral("mapStub.click(48.123456, 11.5); true"));
    ASSERT_TRUE(mapweb::WaitFor([] { return routeStorage.Count() == 1; }));
    EXPECT_EQ(routeStorage.At(0)->Name, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(routeStorage.At(0)->Latitude, 48.12346);
    EXPECT_TRUE(f.calls.contains(QStringLiteral("FillRouteList:1,0")));

    // The page shows the point; a drag moves it in the store too.
    EXPECT_TRUE(mapweb::Eval(page, QStringLiteral("rteData.length === 1")).toBool());
    mapweb::Eval(page, QStringLiteral("mapStub.dragMarker('1', 47.5, 11.25); true"));
    ASSERT_TRUE(mapweb::WaitFor([] { return routeStorage.At(0)->Latitude == 47.5; }));

    auto* web = dynamic_cast<WebMapView*>(f.MapBrowser());
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->ConsoleErrors(), QStringList());
  }
}

// Points the maps API at a port on which nothing listens (a machine without
// network) and starts the program with the shipped web files and these
// settings on the real web engine; gives the port.
quint16 StartWithoutMapsService(uitest::ProgramEnv& env, const QString& ini) {
  quint16 port = 0;
  {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    port = probe.serverPort();
  }
  qputenv(kMapsApiBaseVariable, QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8());
  EXPECT_TRUE(env.WriteShippedWebFiles());
  env.WriteIni(ini);
  env.Start();
  mapstores::ClearAll();
  UseWebMapView();
  return port;
}

// No maps service: the map area and the status bar say that the map could
// not be loaded, in the chosen language, and the page still answers.
TEST(MapBridgeLive, UnreachableMapsServiceIsNamed) {
  struct Case {
    int lang;
    const char* file;
    const char* status;
    const char* note;
  };
  const Case cases[] = {
      {0, "English.txt", "Can not load the map", "The map could not be loaded."},
      {1, "Deutsch.txt", "Die Karte kann nicht geladen werden", "Die Karte konnte nicht geladen werden."},
      {6, "Japanese.txt", "地図を読み込めません", "地図を読み込めませんでした。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    uitest::ProgramEnv env("MapBridgeLiveOffline");
    std::filesystem::copy_file(testenv::binDir() / c.file, std::filesystem::path(env.Exe().toStdString()) / c.file,
                               std::filesystem::copy_options::overwrite_existing);
    StartWithoutMapsService(env, QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nBeep=0\r\nLang=%1\r\n[MAP]\r\nMapzoom=12\r\n")
                                     .arg(c.lang));
    {
      BridgeMain f;
      f.show();
      ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
      EXPECT_TRUE(mapweb::WaitFor([&] { return f.StatusText(3) == QString::fromUtf8(c.status); }))
          << f.StatusText(3).toStdString();
      auto* view = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget());
      ASSERT_NE(view, nullptr);
      const QString check = QStringLiteral("var n = document.getElementById('map_note');"
                                           "!!n && n.offsetHeight > 0 && n.textContent === '%1'")
                                .arg(QString::fromUtf8(c.note));
      EXPECT_TRUE(mapweb::WaitFor([&] { return mapweb::Eval(view->page(), check).toBool(); }));
      EXPECT_EQ(f.GetZoomValue(), 12);
    }
    InstallMapViewFactory(nullptr);
    qunsetenv(kMapsApiBaseVariable);
  }
}

// Whether the page in the window's browser has built its map.
bool MapShown(BridgeMain& f) {
  auto* view = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget());
  if (!view || !f.PageLoaded) return false;
  return mapweb::Eval(view->page(), QStringLiteral("typeof mapStub !== 'undefined' && mapStub.state().map")).toBool();
}

QJsonObject MapState(BridgeMain& f) {
  return mapweb::StubState(qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget())->page());
}

// The place search as the user meets it: Ctrl+F on the route page shows it
// with the keyboard in it, a place typed and taken with Enter moves the map,
// and the route stays as it was. Where the loaded API offers no place
// search, the status bar says so.
TEST(MapBridgeLive, PlaceSearchMovesTheMap) {
  uitest::ProgramEnv env("MapBridgeLiveSearch");
  uitest::LiveMap live(env, QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nBeep=0\r\nLat=48.1\r\nLon=11.5\r\n"));
  routeStorage.AddNumberedPoint(0, 48.1, 11.5, ttNone);
  {
    BridgeMain f;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    QWebEnginePage* page = qobject_cast<QWebEngineView*>(f.MapBrowser()->Widget())->page();
    mapweb::Eval(page, QStringLiteral("window.mapHost.report('ready'); true"));
    f.FillRouteList(true, false);
    f.pgRoute->lvRoute->setFocus();
    f.pgRoute->ShowRow(0);

    QTest::keyClick(f.pgRoute->lvRoute, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(f.btnGoogleSearch->isChecked());
    ASSERT_TRUE(mapweb::WaitFor([&] {
      return mapweb::Eval(page, QStringLiteral("var e = document.querySelector('gmp-place-autocomplete');"
                                               "!!e && !e.hidden && document.activeElement === e")).toBool();
    }));
    QWidget* keys = f.MapBrowser()->Widget()->focusProxy();
    ASSERT_NE(keys, nullptr);
    QTest::keyClicks(keys, QStringLiteral("zugsp"));
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_TRUE(mapweb::WaitFor([&] {
      return MapState(f).value("center").toArray() == QJsonArray{47.421066, 10.985365};
    }));
    EXPECT_EQ(routeStorage.Count(), 1u);
    EXPECT_EQ(f.StatusText(3), QString());

    // An API without any place search.
    QTest::keyClick(keys, Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(f.btnGoogleSearch->isChecked());
    mapweb::Eval(page, QStringLiteral("delete google.maps.places; true"));
    f.pgRoute->lvRoute->setFocus();
    QTest::keyClick(f.pgRoute->lvRoute, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(mapweb::WaitFor([&] { return f.StatusText(3) == QStringLiteral("The place search is not available."); }));
    auto* web = dynamic_cast<WebMapView*>(f.MapBrowser());
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->ConsoleErrors(), QStringList());
  }
}

// The refresh button brings the map back after a start without it: once
// when the maps service could not be reached (a closed port, then a server
// on it that first swallows the request, then answers), once when the page
// could not be written at all (a folder where the page file goes) and so no
// page was loaded. The map opens at the home position, which stays as it was.
TEST(MapBridgeLive, RefreshBringsTheMapBack) {
  uitest::ProgramEnv env("MapBridgeLiveRefresh");
  const QString ini = QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nBeep=0\r\nLat=47.5\r\nLon=8.25\r\n");
  const QJsonArray home{47.5, 8.25};
  const quint16 port = StartWithoutMapsService(env, ini);
  std::unique_ptr<mapweb::StubServer> server;
  {
    BridgeMain f;
    f.show();
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.StatusText(3) == QStringLiteral("Can not load the map"); }));
    ASSERT_TRUE(mapweb::WaitFor([&] { return f.PageLoaded; }));
    EXPECT_FALSE(MapShown(f));

    // A service that takes the request and never answers: the page does not
    // finish loading, and the map stays away.
    server = std::make_unique<mapweb::StubServer>(port);
    server->hold = true;
    QTest::mouseClick(f.btnRefresh, Qt::LeftButton);
    ASSERT_TRUE(mapweb::WaitFor([&] { return server->requests == 1; }));
    EXPECT_FALSE(f.PageLoaded);

    // It answers now: a press while no page is loaded loads it anew.
    server->hold = false;
    QTest::mouseClick(f.btnRefresh, Qt::LeftButton);
    ASSERT_TRUE(mapweb::WaitFor([&] { return MapShown(f); }));
    EXPECT_EQ(f.StatusText(3), QString());
    EXPECT_EQ(MapState(f).value("center").toArray(), home);
  }

  // No page at all: the first page cannot be written.
  env.WriteIni(ini);
  env.Start();
  const QString pagePath = pathManager->GetWebDir() + QLatin1Char('/') + kMapPageFileName;
  QFile::remove(pagePath);
  ASSERT_TRUE(QDir().mkpath(pagePath + QStringLiteral("/in-the-way")));
  {
    BridgeMain f;
    f.show();
    EXPECT_TRUE(f.StatusText(3).startsWith(QStringLiteral("Can not write map page: "))) << f.StatusText(3).toStdString();
    EXPECT_EQ(f.StatusText(2), S(168));
    EXPECT_FALSE(f.PageLoaded);

    // Still in the way: the next press tries again and says so again.
    f.SetStatusText(2, QString());
    f.SetStatusText(3, QString());
    QTest::mouseClick(f.btnRefresh, Qt::LeftButton);
    EXPECT_TRUE(f.StatusText(3).startsWith(QStringLiteral("Can not write map page: ")));
    EXPECT_EQ(f.StatusText(2), S(168));
    EXPECT_FALSE(f.PageLoaded);

    ASSERT_TRUE(QDir(pagePath).removeRecursively());
    QTest::mouseClick(f.btnRefresh, Qt::LeftButton);
    ASSERT_TRUE(mapweb::WaitFor([&] { return MapShown(f); }));
    EXPECT_EQ(MapState(f).value("center").toArray(), home);
    EXPECT_EQ(apConfig->Lat, 47.5);
    EXPECT_EQ(apConfig->Lon, 8.25);
    auto* web = dynamic_cast<WebMapView*>(f.MapBrowser());
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->ConsoleErrors(), QStringList());
  }
  InstallMapViewFactory(nullptr);
  qunsetenv(kMapsApiBaseVariable);
}

}  // namespace
