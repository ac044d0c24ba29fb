// The map page with its companion script in the real web engine, against the
// local stand-in of the maps API: the page builds the map from its data, the
// program's calls change it, the answers come back through "result" and
// "result2", clicks come back as reports, and nothing logs a script error,
// also when the maps API cannot be loaded.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QKeyEvent>
#include <QRegularExpression>

#include "Jsescape.h"
#include "Mapstores.h"
#include "Webmapview.h"
#include "Mapwebenv.h"
#include "Qtprint.h"

namespace {

using mapweb::Eval;
using mapweb::StubState;
using mapweb::WaitFor;

// At most 32 characters: destination titles are cut to that.
const QString kNasty = QStringLiteral("O'B \"x\" \\ a\nb</script><!--\u2028z");

// Short names for the checks below.
const char kCheckHelpers[] = R"JS(
window.S = function () { return mapStub.state(); };
window.L = function (id) { return document.getElementById(id).options.length; };
window.SEL = function (id) { return document.getElementById(id).selectedIndex; };
window.R = function () {
  var l = S().lines.filter(function (x) { return x.color === '#0000FF'; });
  return l.length ? l[0].path : [];
};
window.AT = function (p, lat, lng) { return !!p && p[0] === lat && p[1] === lng; };
true;
)JS";

class MapScript : public ::testing::Test {
 protected:
  void SetUp() override {
    mapweb::App();
    mapstores::ClearAll();
    server_ = std::make_unique<mapweb::StubServer>();
    qputenv(kMapsApiBaseVariable, server_->Base().toUtf8());
    webDir_ = mapweb::MakeWebDir("mapscript");
    TGoogleHtml::MapCenterLat = 48.13512;
    TGoogleHtml::MapCenterLng = 11.58198;

    mapstores::AddDest(QStringLiteral("Marienplatz"), 48.137154, 11.576124);
    mapstores::AddDest(kNasty, 41.5, -87.25);
    mapstores::AddWaypoint("2014/05/03 14:07:09", 48.1371, 11.5754, 3);
    mapstores::AddRoutePoint(QStringLiteral("0"), 48.1, 11.5);
    mapstores::AddRoutePoint(QStringLiteral("1"), 48.2, 11.6);
    mapstores::AddRoutePoint(QStringLiteral("2"), 48.3, 11.7);
    mapstores::AddTrack(QStringLiteral("walk"), 3, 0x000000FF);
    mapstores::AddTrack(QStringLiteral("off"), 3, 0x00FF0000);
    mapstores::SetCheckedRows({true, false});
  }

  void TearDown() override {
    if (view_) {
      EXPECT_EQ(view_->ConsoleErrors(), QStringList());
    }
    view_.reset();
    host_.reset();
    mapstores::ClearAll();
    qunsetenv(kMapsApiBaseVariable);
  }

  void Load(int opMode) {
    TGoogleHtml html(webDir_ + QStringLiteral("/GoogleMap.htm"));
    html.SetSize(800, 600);
    html.OpMode = opMode;
    html.MapMode = 1;
    html.ZoomValue = 11;
    html.ShowPOI = true;
    html.ShowRoute = true;
    ASSERT_TRUE(html.Generate());

    host_ = std::make_unique<QWidget>();
    host_->resize(800, 600);
    view_ = std::make_unique<WebMapView>(host_.get());
    view_->Widget()->resize(800, 600);
    host_->show();
    int loaded = 0;
    view_->onLoaded = [&loaded](bool ok) { loaded = ok ? 1 : -1; };
    view_->onReport = [this](const QString& text) { reports_ << text; };
    view_->Navigate(html.Path);
    ASSERT_TRUE(WaitFor([&] { return loaded != 0; }));
    ASSERT_EQ(loaded, 1);
    view_->onLoaded = nullptr;
    page_ = qobject_cast<QWebEngineView*>(view_->Widget())->page();
    // The channel is up once a report sent now arrives.
    Eval(page_, QStringLiteral("window.mapHost.report('ready'); true"));
    ASSERT_TRUE(WaitFor([&] { return reports_.contains(QStringLiteral("ready")); }));
    reports_.clear();
    Eval(page_, QLatin1String(kCheckHelpers));
  }

  bool Check(const QString& expr) { return Eval(page_, expr).toBool(); }

  // The next report, waited for; the serial number of an add report reads "#".
  QString NextReport() {
    if (!WaitFor([&] { return !reports_.isEmpty(); })) return QStringLiteral("<none>");
    QString report = reports_.takeFirst();
    static const QRegularExpression serial(QStringLiteral("^ADD:(\\d+)\\("));
    const auto m = serial.match(report);
    if (m.hasMatch()) {
      EXPECT_NE(m.captured(1), lastSerial_) << "two add reports alike";
      lastSerial_ = m.captured(1);
      report.replace(m.capturedStart(1), m.capturedLength(1), QStringLiteral("#"));
    }
    return report;
  }
  QString lastSerial_;

  std::unique_ptr<mapweb::StubServer> server_;
  QString webDir_;
  std::unique_ptr<QWidget> host_;
  std::unique_ptr<WebMapView> view_;
  QWebEnginePage* page_ = nullptr;
  QStringList reports_;
};

TEST_F(MapScript, PageBuildsTheMapFromItsData) {
  Load(0);
  const QJsonObject s = StubState(page_);
  EXPECT_TRUE(s[QStringLiteral("map")].toBool());
  EXPECT_TRUE(Check(QStringLiteral("document.getElementById('map_note') === null && !mapUnavailableReported")));
  EXPECT_EQ(s[QStringLiteral("type")].toString(), QStringLiteral("satellite"));
  EXPECT_EQ(s[QStringLiteral("zoom")].toInt(), 11);
  EXPECT_TRUE(Check(QStringLiteral("AT(S().center, 48.13512, 11.58198)"))) << Eval(page_, QStringLiteral("JSON.stringify(S().center) + JSON.stringify(S().info)")).toString().toStdString();

  QStringList titles, icons;
  for (const auto& m : s[QStringLiteral("markers")].toArray()) {
    titles << m.toObject()[QStringLiteral("title")].toString();
    icons << m.toObject()[QStringLiteral("icon")].toString();
  }
  // Destinations, the waypoint, then the route points numbered from 1.
  EXPECT_EQ(titles, (QStringList{QStringLiteral("Marienplatz"), kNasty, QStringLiteral("2014/05/03 14:07:09"),
                                 QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
  EXPECT_EQ(icons, (QStringList{QString(), QString(), QStringLiteral("wpt3.png"), QStringLiteral("start.png"),
                                QString(), QStringLiteral("end.png")}));

  // The route line with arrows, and the one checked track decoded.
  EXPECT_TRUE(Check(QStringLiteral("R().length === 3 && AT(R()[0], 48.1, 11.5) && S().lines.filter(function (x) { return x.arrows > 0; }).length === 1")));
  EXPECT_TRUE(Check(QStringLiteral(
      "var t = S().lines.filter(function (x) { return x.color === '#FF0000'; });"
      "t.length === 1 && t[0].path.length === 3 && AT(t[0].path[0], 48, 11) && S().lines.length === 2")));
  EXPECT_TRUE(Check(QStringLiteral("L('dstPointList') === 2 && L('wptPointList') === 1 && L('rtePointList') === 3")));
  EXPECT_EQ(Eval(page_, QStringLiteral("document.getElementById('dstPointList').options[0].text")).toString(),
            QStringLiteral("Marienplatz"));
}

TEST_F(MapScript, ReadBacksAnswerThroughTheTwoInputs) {
  Load(0);
  struct Row {
    const char* action;  // a user action on the stand-in first, may be empty
    const char* call;
    const char* result;
    const char* result2;  // null: not looked at
  };
  const Row rows[] = {
      {"", "getZoomValue()", "11", nullptr},
      {"mapStub.zoomTo(5)", "getZoomValue()", "5", nullptr},
      {"", "getMapMode()", "1", nullptr},
      {"mapStub.chooseType('terrain')", "getMapMode()", "3", nullptr},
      {"", "setCenter(true)", "48.13512", "11.58198"},
      {"mapStub.pan(-12.25, 130.5)", "setCenter()", "-12.25", "130.5"},
      {"", "getCenter()", "-12.25", "130.5"},
      {"mapStub.mouseMove(1.5, -2.5)", "GetMousePos()", "1.5", "-2.5"},
  };
  for (const Row& r : rows) {
    if (*r.action) Eval(page_, QLatin1String(r.action));
    view_->RunScript(QLatin1String(r.call));
    EXPECT_EQ(view_->ReadValue(QStringLiteral("result")), QString::fromLatin1(r.result)) << r.call;
    if (r.result2) {
      EXPECT_EQ(view_->ReadValue(QStringLiteral("result2")), QString::fromLatin1(r.result2)) << r.call;
    }
  }
  EXPECT_EQ(view_->ReadValue(QStringLiteral("nosuch")), std::nullopt);
  EXPECT_FALSE(view_->Reading());
  reports_.clear();  // the pan's centre report
}

// The answer inputs and the lists are the program's, not the user's: they
// take no room, so nothing of them can show over the map, not even when the
// keyboard focus comes into the page (as after a Scan or Connect button that
// disables itself and hands the focus on).
TEST_F(MapScript, AnswerInputsAndListsAreNeverShown) {
  Load(0);
  const QString unseen = QStringLiteral(
      "['result', 'result2', 'dstPointList', 'wptPointList', 'rtePointList'].every(function (id) {"
      "  var e = document.getElementById(id);"
      "  return e && e.getClientRects().length === 0 && e.offsetWidth === 0 && e.offsetHeight === 0;"
      "})");
  EXPECT_TRUE(Check(unseen));
  host_->activateWindow();
  view_->Widget()->setFocus(Qt::TabFocusReason);
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  for (QObject* child : view_->Widget()->children())
    if (auto* w = qobject_cast<QWidget*>(child)) QCoreApplication::sendEvent(w, &tab);
  WaitFor([] { return false; }, 300);
  EXPECT_TRUE(Check(QStringLiteral(
      "window.scrollY === 0 && document.scrollingElement.scrollTop === 0 &&"
      "['result', 'result2', 'dstPointList', 'wptPointList', 'rtePointList'].indexOf(document.activeElement.id) < 0")))
      << Eval(page_, QStringLiteral("document.activeElement.id + ' ' + window.scrollY")).toString().toStdString();
  EXPECT_TRUE(Check(unseen));
  // They still answer.
  view_->RunScript(QStringLiteral("getZoomValue()"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result")), QStringLiteral("11"));
  view_->RunScript(QStringLiteral("getCenter()"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result2")), QStringLiteral("11.58198"));
}

TEST_F(MapScript, ProgramCallsChangeTheMap) {
  Load(0);
  struct Row {
    QString call;
    const char* check;
  };
  const Row rows[] = {
      {QStringLiteral("wpt_addPoint(10,20,'w2',5)"),
       "S().markers.some(function (m) { return m.icon === 'wpt5.png' && m.title === 'w2' && AT(m.pos, 10, 20); })"
       " && L('wptPointList') === 2"},
      {QStringLiteral("wpt_deletePoint(0)"),
       "!S().markers.some(function (m) { return m.icon === 'wpt3.png'; }) && L('wptPointList') === 1"},
      {QStringLiteral("wpt_jumpToPoint(0)"), "AT(S().center, 10, 20) && S().info === 'w2' && SEL('wptPointList') === 0"},
      {QStringLiteral("dst_jumpToPoint(0)"), "AT(S().center, 48.137154, 11.576124) && S().info === 'Marienplatz'"},
      {QStringLiteral("dst_addPoint(1.25,2.5,'") + EscapeJsString(kNasty + QStringLiteral("2")) + QStringLiteral("')"),
       "L('dstPointList') === 3 && S().markers.some(function (m) { return AT(m.pos, 1.25, 2.5); })"},
      {QStringLiteral("rte_addPoint(5,6,3)"), "R().length === 4 && AT(R()[3], 5, 6) && L('rtePointList') === 4"},
      {QStringLiteral("rte_addPoint(7,8,3,-1)"), "R().length === 5 && AT(R()[4], 7, 8)"},
      {QStringLiteral("rte_insertLatLng(1,1,0)"), "R().length === 6 && AT(R()[0], 1, 1) && AT(R()[1], 48.1, 11.5)"},
      {QStringLiteral("rte_deletePoint(0)"), "R().length === 5 && AT(R()[0], 48.1, 11.5)"},
      {QStringLiteral("mapStub.mouseMove(9, 9); rte_insert(1)"), "R().length === 6 && AT(R()[1], 9, 9)"},
      {QStringLiteral("rte_showNewMarker(1,\"New routepoint\")"), "S().info === 'New routepoint' && SEL('rtePointList') === 1"},
      {QStringLiteral("rte_jumpToPoint(2,true)"), "AT(S().center, 48.2, 11.6) && S().info === '3'"},
      {QStringLiteral("rte_jumpToPoint(0,false)"), "AT(S().center, 48.2, 11.6) && S().info === '1'"},
      {QStringLiteral("rte_DrawArrows()"), "S().lines.filter(function (x) { return x.arrows > 0; }).length === 1"},
      {QStringLiteral("setMapToRoute()"), "S().fitted === 6"},
      {QStringLiteral("trk_changeColor(0,'#00FF00')"),
       "S().lines.some(function (x) { return x.color === '#00FF00' && x.path.length === 3; })"},
      {QStringLiteral("trk_changeColor(0,'red;x')"), "S().lines.some(function (x) { return x.color === '#00FF00'; })"},
      {QStringLiteral("trk_jumpToPoint(0)"),
       "S().fitted === 3 && S().lines.some(function (x) { return x.color === '#00FF00' && x.weight === 5; })"},
      {QStringLiteral("trk_createMarker(3.5,4.5,true)"),
       "AT(S().center, 3.5, 4.5) && S().markers.some(function (m) { return AT(m.pos, 3.5, 4.5); })"},
      {QStringLiteral("setLatLng(12.5,13.5)"), "AT(S().center, 12.5, 13.5)"},
      {QStringLiteral("setMapToTrack()"), "S().fitted === 3"},
      {QStringLiteral("resizeMap(320,200)"),
       "document.getElementById('map_canvas').style.width === '320px' && mapStub.triggered.indexOf('resize') >= 0"},
      {QStringLiteral("showGoogleSearch(true)"), "document.getElementById('spanel').type === 'text' && S().searchBoxes === 1"},
      {QStringLiteral("showGoogleSearch(false)"), "document.getElementById('spanel').type === 'hidden'"},
      {QStringLiteral("changeOpMode(OP_MODE.RTE)"),
       "S().markers.filter(function (m) { return m.draggable; }).length === 6"},
      {QStringLiteral("changeOpMode(OP_MODE.DST)"), "!S().markers.some(function (m) { return m.draggable; })"},
      {QStringLiteral("rte_deletePoint(99); rte_jumpToPoint(-1,true); dst_jumpToPoint(7)"), "R().length === 6"},
      {QStringLiteral("rte_deleteAllPoints()"), "R().length === 0 && L('rtePointList') === 0"},
  };
  for (const Row& r : rows) {
    Eval(page_, r.call + QStringLiteral("; true"));
    EXPECT_TRUE(Check(QLatin1String(r.check))) << r.call.toStdString();
  }
  // The escaped title arrived as it was typed.
  bool found = false;
  for (const auto& m : StubState(page_)[QStringLiteral("markers")].toArray())
    found = found || m.toObject()[QStringLiteral("title")].toString() == kNasty + QStringLiteral("2");
  EXPECT_TRUE(found);
}

TEST_F(MapScript, CreatingTheMapAgainRedrawsItsData) {
  Load(0);
  const int markers = StubState(page_)[QStringLiteral("markers")].toArray().size();
  Eval(page_, QStringLiteral("createMap(); true"));
  EXPECT_EQ(StubState(page_)[QStringLiteral("markers")].toArray().size(), markers);
  EXPECT_TRUE(Check(QStringLiteral("S().lines.length === 2 && L('dstPointList') === 2")));
}

TEST_F(MapScript, ClicksComeBackAsReports) {
  Load(0);
  Eval(page_, QStringLiteral("mapStub.click(1, 2); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("ADD:#(1.000000,2.000000)"));
  EXPECT_TRUE(Check(QStringLiteral("S().markers.some(function (m) { return AT(m.pos, 1, 2); })")));

  Eval(page_, QStringLiteral("changeOpMode(OP_MODE.WPT); mapStub.click(3.5, -4); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("ADD:#(3.500000,-4.000000)"));
  // Switching the page took the destination's pre-marker away.
  EXPECT_TRUE(Check(QStringLiteral("!S().markers.some(function (m) { return AT(m.pos, 1, 2); })")));

  // Track page: no report; the route click after it is the next one.
  Eval(page_, QStringLiteral("changeOpMode(OP_MODE.TRK); mapStub.click(5, 6); changeOpMode(OP_MODE.RTE);"
                             "mapStub.click(7, 8); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("ADD:#(7.000000,8.000000)"));
  EXPECT_TRUE(Check(QStringLiteral("R().length === 4 && AT(R()[3], 7, 8)")));

  Eval(page_, QStringLiteral("mapStub.clickMarker('2'); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("SEL:1(48.200000,11.600000)"));
  Eval(page_, QStringLiteral("mapStub.dragMarker('3', 9, 10); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("MODIFY:2(9.000000,10.000000)"));
  EXPECT_TRUE(Check(QStringLiteral("AT(R()[2], 9, 10)")));
  Eval(page_, QStringLiteral("mapStub.pan(20, 30); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("Center:0(20.000000,30.000000)"));

  // At the route's limit the page adds nothing but still reports the click.
  Eval(page_, QStringLiteral("routeMaxPoints = 4; mapStub.click(11, 12); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("ADD:#(11.000000,12.000000)"));
  EXPECT_TRUE(Check(QStringLiteral("R().length === 4")));
  Eval(page_, QStringLiteral("mapStub.click(11, 12); true"));
  EXPECT_EQ(NextReport(), QStringLiteral("ADD:#(11.000000,12.000000)"));
  EXPECT_TRUE(reports_.isEmpty());
}

TEST_F(MapScript, WithoutTheMapsApiEveryFunctionStillWorks) {
  server_->fail = true;
  Load(2);
  EXPECT_GT(server_->requests, 0);
  EXPECT_TRUE(Check(QStringLiteral("typeof google === 'undefined' && map === null")));
  EXPECT_TRUE(Check(QStringLiteral("L('dstPointList') === 2 && L('rtePointList') === 3")));
  // The map area says why it stays empty; the program has been told.
  const QString noteShown = QStringLiteral(
      "var n = document.getElementById('map_note');"
      "!!n && n.textContent === 'The map could not be loaded.' && n.offsetHeight > 0 &&"
      "document.getElementById('map_canvas').contains(n) && mapUnavailableReported");
  EXPECT_TRUE(Check(noteShown));

  const char* calls[] = {
      "changeOpMode(OP_MODE.DST)", "changeOpMode(OP_MODE.WPT)", "changeOpMode(OP_MODE.TRK)",
      "changeOpMode(OP_MODE.RTE)", "resizeMap(100,100)", "showGoogleSearch(true)", "showGoogleSearch(false)",
      "setMapToRoute()", "setMapToTrack()", "setCenter(true)", "setCenter()", "getCenter()",
      "GetMousePos()", "getMapMode()", "getZoomValue()", "dst_addPoint(1,2,'a')", "dst_jumpToPoint(0)",
      "dst_highlight(1)", "showPreMarkerDST('', false)", "wpt_addPoint(1,2,'b',3)", "wpt_jumpToPoint(0)",
      "wpt_highlight(0)", "wpt_deletePoint(0)", "showPreMarkerWPT('', false)", "rte_addPoint(1,2,3)",
      "rte_addPoint(1,2,3,-1)", "rte_insert(0)", "rte_insertLatLng(1,2,1)",
      "rte_showNewMarker(0,\"New routepoint\")", "rte_deletePoint(0)", "rte_DrawArrows()",
      "rte_jumpToPoint(0,true)", "rte_highlight(0)", "trk_jumpToPoint(0)", "trk_changeColor(0,'#123456')",
      "trk_createMarker(1,2,true)", "dst_deletePoint()", "wpt_deleteAllPoints()", "rte_jumpToPoint()",
      "dst_jumpToPoint()", "wpt_jumpToPoint()", "rte_deletePoint()", "createMap()",
      "rte_deleteAllPoints()", "dst_deleteAllPoints()", "setLatLng(1.5,2.5)"};
  for (const char* call : calls) view_->RunScript(QLatin1String(call));

  // The answers come from the page's own state.
  view_->RunScript(QStringLiteral("getZoomValue()"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result")), QStringLiteral("11"));
  view_->RunScript(QStringLiteral("getMapMode()"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result")), QStringLiteral("1"));
  view_->RunScript(QStringLiteral("getCenter()"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result")), QStringLiteral("1.5"));
  EXPECT_EQ(view_->ReadValue(QStringLiteral("result2")), QStringLiteral("2.5"));
  EXPECT_TRUE(Check(QStringLiteral("L('dstPointList') === 0 && L('rtePointList') === 0")));
  // One note and one report, also after the calls above built the page again.
  EXPECT_TRUE(Check(noteShown + QStringLiteral("&& document.querySelectorAll('#map_note').length === 1")));
  EXPECT_FALSE(reports_.contains(QString(kMapUnavailableReport)));
}

// A maps API served without a charset (a plain static server, some proxies)
// is still read as UTF-8: the page's script elements say so. The same page
// without the attribute has the engine read the script in the page's own
// encoding, UTF-16, and the map fails.
TEST_F(MapScript, ScriptServedWithoutACharsetIsReadAsUtf8) {
  server_->contentType = "text/javascript";
  Load(2);
  EXPECT_TRUE(Check(QStringLiteral("S().map && S().markers.length > 0")));

  QFile page(webDir_ + QStringLiteral("/GoogleMap.htm"));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  QByteArray bytes = page.readAll();
  const QString attribute = QStringLiteral(" charset=\"utf-8\"");
  const QByteArray wide(reinterpret_cast<const char*>(attribute.utf16()), attribute.size() * 2);
  EXPECT_EQ(bytes.count(wide), 2);  // the maps API and the companion script
  bytes.replace(wide, QByteArray());
  const QString barePath = webDir_ + QStringLiteral("/Bare.htm");
  testenv::writeFile(barePath.toStdString(), bytes.toStdString());

  QWidget host;
  host.resize(800, 600);
  WebMapView bare(&host);
  bare.Widget()->resize(800, 600);
  host.show();
  int loaded = 0;
  QStringList reports;
  bare.onLoaded = [&loaded](bool ok) { loaded = ok ? 1 : -1; };
  bare.onReport = [&reports](const QString& text) { reports << text; };
  bare.Navigate(barePath);
  ASSERT_TRUE(WaitFor([&] { return loaded != 0; }));
  EXPECT_TRUE(WaitFor([&] { return reports.contains(QString(kMapUnavailableReport)); }, 10000));
  auto* barePage = qobject_cast<QWebEngineView*>(bare.Widget())->page();
  EXPECT_TRUE(Eval(barePage, QStringLiteral("typeof google === 'undefined' && map === null")).toBool());
}

}  // namespace

namespace {

// Names built to break out of the page's string literals, its script
// element or the lists' markup: each would set window.pwned if it ran.
TEST_F(MapScript, HostileNamesRunNoScriptAndShowAsTheyAre) {
  mapstores::ClearAll();
  const QString titles[] = {  // destination titles: at most 32 characters
      QStringLiteral("</script><script>pwned=1//"),
      QStringLiteral("';pwned=2;'"),
      QStringLiteral("\\\";pwned=3;//"),
      QStringLiteral("<img src=x onerror=pwned=4>"),
      QStringLiteral("\u2028pwned=5\u2029'"),
      QStringLiteral("`${pwned=6}`"),
      QStringLiteral("<!--<script>pwned=7//"),
      QStringLiteral("a") + QChar(u'\0') + QStringLiteral("\\'+(pwned=8)+'"),
      QStringLiteral("\r\npwned=9//\n"),
      QStringLiteral("\U0001F600\\u0027;pwned=10//"),
  };
  const char* const names[] = {  // waypoint names: at most 25 bytes
      "</script><b>x", "'+(pwned=11)+'", "<svg onload=pwned=12>", "\\';pwned=13//", "\"></option>x",
  };
  double lat = 40;
  for (const QString& t : titles) mapstores::AddDest(t, lat += 0.5, 11);
  for (const char* n : names) mapstores::AddWaypoint(n, lat += 0.5, 11, 3);
  Load(0);
  // Markup that came in through a name would load (and fail) its image now.
  WaitFor([] { return false; }, 500);
  EXPECT_EQ(Eval(page_, QStringLiteral("typeof window.pwned")).toString(), QStringLiteral("undefined"));
  QStringList expected, shown;
  for (const QString& t : titles) expected << t;
  for (const char* n : names) expected << QString::fromUtf8(n);
  for (const auto& m : StubState(page_)[QStringLiteral("markers")].toArray())
    shown << m.toObject()[QStringLiteral("title")].toString();
  expected.sort();
  shown.sort();
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(Eval(page_, QStringLiteral("document.querySelectorAll('img[src=x], svg, b').length")).toInt(), 0);
}

// The error checks above mean something only if errors are seen at all.
TEST_F(MapScript, ScriptErrorsAreSeen) {
  Load(0);
  view_->RunScript(QStringLiteral("noSuchFunction()"));
  EXPECT_TRUE(WaitFor([&] { return !view_->ConsoleErrors().isEmpty(); }));
  EXPECT_TRUE(view_->ConsoleErrors().join(QString()).contains(QStringLiteral("noSuchFunction")));
  view_.reset();
}

}  // namespace

namespace {

// The page is UTF-16: the style sheet must still be read as the text it is.
TEST_F(MapScript, StyleSheetApplies) {
  Load(0);
  EXPECT_TRUE(Check(QStringLiteral(
      "getComputedStyle(document.body).marginTop === '0px' &&"
      "getComputedStyle(document.getElementById('map_canvas')).width === window.innerWidth + 'px'")));
}

}  // namespace
