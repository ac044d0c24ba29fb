// The map page with its companion script in the real web engine, against the
// local stand-in of the maps API: the page builds the map from its data, the
// program's calls change it, the answers come back through "result" and
// "result2", clicks come back as reports, and nothing logs a script error,
// also when the maps API cannot be loaded.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

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

  // Keys as the user presses them in the map's browser, which has the focus.
  void Type(const QString& text) { QTest::keyClicks(Keyboard(), text); }
  void Press(Qt::Key key) { QTest::keyClick(Keyboard(), key); }
  QWidget* Keyboard() {
    host_->activateWindow();
    view_->Widget()->setFocus(Qt::OtherFocusReason);
    QWidget* w = view_->Widget()->focusProxy();
    return w ? w : view_->Widget();
  }

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
      {QStringLiteral("showGoogleSearch(true)"),
       "document.getElementById('spanel').type === 'hidden' && S().placeSearches === 1 && S().searchBoxes === 0 &&"
       " !document.querySelector('gmp-place-autocomplete').hidden"},
      {QStringLiteral("showGoogleSearch(false)"),
       "document.getElementById('spanel').type === 'hidden' && document.querySelector('gmp-place-autocomplete').hidden"},
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

namespace {

// --- the place search --------------------------------------------------------

const char kPlaceSearchHelpers[] = R"JS(
window.PS = function () { return document.querySelector('gmp-place-autocomplete'); };
window.PSHOWN = function () { return !!PS() && !PS().hidden && PS().offsetWidth > 0; };
window.SPANEL = function () { return document.getElementById('spanel'); };
window.NEAR = function (p, lat, lng) { return !!p && Math.abs(p[0] - lat) < 1e-9 && Math.abs(p[1] - lng) < 1e-9; };
true;
)JS";

// Where the maps API has the Places API (New) widget, the search uses it:
// shown, it has the focus, so the user's keys (Enter and Delete too) go into
// it; a chosen place is fetched with its viewport and location, and the map
// shows the viewport, or centres on the location where there is none.
TEST_F(MapScript, PlaceSearchShowsThePlaceChosen) {
  Load(2);
  Eval(page_, QLatin1String(kPlaceSearchHelpers));
  view_->RunScript(QStringLiteral("showGoogleSearch(true)"));
  ASSERT_TRUE(WaitFor([&] { return Check(QStringLiteral("PSHOWN()")); }));
  EXPECT_TRUE(Check(QStringLiteral("SPANEL().type === 'hidden' && S().searchBoxes === 0 &&"
                                   "document.activeElement === PS() && PS().placeholder === 'Search Box'")));

  // Delete edits the search text; Enter takes the first place offered.
  Type(QStringLiteral("xhamb"));
  Press(Qt::Key_Home);
  Press(Qt::Key_Delete);
  // The engine takes keys in on its own time.
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("mapStub.placeSearches[0].value === 'hamb'")); }))
      << Eval(page_, QStringLiteral("mapStub.placeSearches[0].value")).toString().toStdString();
  Press(Qt::Key_Return);
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("S().fitted === 2")); }))
      << Eval(page_, QStringLiteral("JSON.stringify(S())")).toString().toStdString();
  EXPECT_TRUE(Check(QStringLiteral("NEAR(S().center, (53.3951 + 53.7394) / 2, (9.7320 + 10.3253) / 2)")));
  EXPECT_EQ(Eval(page_, QStringLiteral("JSON.stringify(S().fetches)")).toString(),
            QStringLiteral("[[\"viewport\",\"location\"]]"));
  // The route on the page is as it was: the keys went to the search.
  EXPECT_TRUE(Check(QStringLiteral("R().length === 3")));

  // A place without a viewport: the map centres on its location.
  EXPECT_EQ(Eval(page_, QStringLiteral("mapStub.searchFor('Zugspitze')")).toString(), QStringLiteral("new"));
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("AT(S().center, 47.421066, 10.985365)")); }));

  // Hidden and shown again: the same search, with the focus again.
  view_->RunScript(QStringLiteral("showGoogleSearch(false)"));
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("!PSHOWN() && PS().hidden")); }));
  view_->RunScript(QStringLiteral("showGoogleSearch(true)"));
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("PSHOWN() && document.activeElement === PS()")); }));
  EXPECT_TRUE(Check(QStringLiteral("S().placeSearches === 1")));
  EXPECT_FALSE(reports_.contains(QString(kPlaceSearchUnavailableReport)));
}

// Keys of older projects: an API without the new widget still has the legacy
// search box on the page's own input.
TEST_F(MapScript, PlaceSearchFallsBackToTheLegacySearchBox) {
  Load(2);
  Eval(page_, QLatin1String(kPlaceSearchHelpers));
  Eval(page_, QStringLiteral("delete google.maps.places.PlaceAutocompleteElement; true"));
  view_->RunScript(QStringLiteral("showGoogleSearch(true)"));
  ASSERT_TRUE(WaitFor([&] { return Check(QStringLiteral("SPANEL().type === 'text'")); }));
  EXPECT_TRUE(Check(QStringLiteral("S().searchBoxes === 1 && !PS() && document.activeElement === SPANEL()")));
  Type(QStringLiteral("marien"));
  Press(Qt::Key_Return);
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("S().fitted === 2")); }));
  EXPECT_TRUE(Check(QStringLiteral("NEAR(S().center, (48.1361 + 48.1382) / 2, (11.5740 + 11.5770) / 2)")));
  view_->RunScript(QStringLiteral("showGoogleSearch(false)"));
  EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("SPANEL().type === 'hidden'")); }));
  EXPECT_FALSE(reports_.contains(QString(kPlaceSearchUnavailableReport)));
}

// No place search in the API, or a service that refuses it: the program is
// told each time the search is asked for or refused, and the map works on.
TEST_F(MapScript, PlaceSearchThatCannotBeOfferedIsReported) {
  struct Row {
    const char* name;
    const char* before;  // run on the page before the search is shown
    const char* search;  // run after it is shown
  };
  const Row rows[] = {
      {"neither", "delete google.maps.places.PlaceAutocompleteElement; delete google.maps.places.SearchBox", ""},
      {"no places library", "delete google.maps.places", ""},
      {"refused while typing", "mapStub.refusePlaces = true", "mapStub.searchFor('Ham')"},
      {"refused when fetched", "",
       "var e = mapStub.placeSearches[0]; e.value = 'Ham'; e.query(); mapStub.refusePlaces = true; e.choose(0)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Load(2);
    Eval(page_, QLatin1String(kPlaceSearchHelpers));
    Eval(page_, QLatin1String(r.before) + QStringLiteral("; true"));
    view_->RunScript(QStringLiteral("showGoogleSearch(true)"));
    if (*r.search) Eval(page_, QLatin1String(r.search) + QStringLiteral("; true"));
    EXPECT_EQ(NextReport(), QString(kPlaceSearchUnavailableReport));
    EXPECT_TRUE(Check(QStringLiteral("AT(S().center, 48.13512, 11.58198) && S().fitted === null")));
    // The map still answers and moves.
    view_->RunScript(QStringLiteral("dst_jumpToPoint(0)"));
    EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("AT(S().center, 48.137154, 11.576124)")); }));
    view_->RunScript(QStringLiteral("showGoogleSearch(false)"));
    EXPECT_TRUE(WaitFor([&] { return Check(QStringLiteral("!PSHOWN() && SPANEL().type === 'hidden'")); }));
    EXPECT_TRUE(reports_.isEmpty()) << reports_.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(view_->ConsoleErrors(), QStringList());
    view_.reset();
  }
}

// --- the scripts against the maps API's own declarations -----------------------

// The page's inline script and the handlers of its elements, from the page
// the generator writes, as script files for the compiler: each handler runs
// with its element as `this`.
struct PageScripts {
  QString inlineScript;
  QString handlers;
};

PageScripts ScriptsOfPage(const QString& pagePath) {
  const std::string bytes = testenv::readFile(pagePath.toStdString());
  EXPECT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
  const QString page = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data() + 2),
                                          qsizetype((bytes.size() - 2) / 2));
  PageScripts out;
  const QString open = QStringLiteral("//<![CDATA[\n"), close = QStringLiteral("//]]>");
  const qsizetype from = page.indexOf(open), to = page.indexOf(close);
  EXPECT_TRUE(from >= 0 && to > from);
  if (from >= 0 && to > from) out.inlineScript = page.mid(from + open.size(), to - from - open.size());

  static const QRegularExpression element(QStringLiteral("<(select|input)\\b[^>]*>"));
  static const QRegularExpression handler(QStringLiteral("\\bon\\w+=\"([^\"]*)\""));
  int n = 0;
  for (auto e = element.globalMatch(page); e.hasNext();) {
    const auto em = e.next();
    const QString kind = em.captured(1) == QLatin1String("select") ? QStringLiteral("HTMLSelectElement")
                                                                   : QStringLiteral("HTMLInputElement");
    for (auto h = handler.globalMatch(em.captured(0)); h.hasNext();)
      out.handlers += QStringLiteral("/** @this {%1} */\nfunction pageHandler%2() { %3; }\n")
                          .arg(kind)
                          .arg(++n)
                          .arg(h.next().captured(1));
  }
  EXPECT_GE(n, 12);
  return out;
}

class MapScriptTypes : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path modules = testenv::sourceDir() / "tests" / "web" / "typecheck" / "node_modules";
    tsc_ = QString::fromStdString((modules / "typescript" / "bin" / "tsc").string());
    types_ = QString::fromStdString((modules / "@types").string());
    node_ = QStandardPaths::findExecutable(QStringLiteral("node"));
    ASSERT_FALSE(node_.isEmpty()) << "node is missing";
    ASSERT_TRUE(QFile::exists(tsc_)) << "the TypeScript compiler is not installed: run scripts/install-deps";
    ASSERT_TRUE(QFile::exists(types_ + QStringLiteral("/google.maps/index.d.ts")))
        << "the maps API's declarations are not installed: run scripts/install-deps";
  }

  // Runs the compiler over the files; its exit code and what it printed.
  std::pair<int, QString> Check(const QStringList& files) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(node_, QStringList{tsc_, QStringLiteral("--checkJs"), QStringLiteral("--allowJs"),
                               QStringLiteral("--noEmit"), QStringLiteral("--strictNullChecks"),
                               QStringLiteral("--pretty"), QStringLiteral("false"), QStringLiteral("--target"),
                               QStringLiteral("es2017"), QStringLiteral("--lib"), QStringLiteral("es2017,dom"),
                               QStringLiteral("--types"), QStringLiteral("google.maps"),
                               QStringLiteral("--typeRoots"), types_} +
                        files);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
  }

  QString tsc_, types_, node_;
};

// The companion script, the page's inline script and its elements' handlers
// type-check against the maps API's declarations, the DOM's and the page's
// own (the program's channel): the calls exist, take what is passed, and
// what may be absent is looked at first.
TEST_F(MapScriptTypes, PageScriptsCheckAgainstTheMapsApiDeclarations) {
  mapweb::App();
  mapstores::ClearAll();
  mapstores::AddDest(QStringLiteral("Marienplatz"), 48.137154, 11.576124);
  mapstores::AddWaypoint("w", 48.1371, 11.5754, 3);
  mapstores::AddRoutePoint(QStringLiteral("0"), 48.1, 11.5);
  mapstores::AddTrack(QStringLiteral("walk"), 3, 0x000000FF);
  mapstores::SetCheckedRows({true});
  const std::filesystem::path dir = testenv::scratchDir("mapscripttypes");
  TGoogleHtml html(QString::fromStdString((dir / "GoogleMap.htm").string()));
  html.SetSize(800, 600);
  html.ShowPOI = true;
  html.ShowRoute = true;
  ASSERT_TRUE(html.Generate());
  mapstores::ClearAll();

  const PageScripts page = ScriptsOfPage(html.Path);
  EXPECT_TRUE(page.inlineScript.contains(QStringLiteral("window.onload = createMap;")));
  testenv::writeFile(dir / "page-inline.js", page.inlineScript.toStdString());
  testenv::writeFile(dir / "page-handlers.js", page.handlers.toStdString());
  const QString d = QString::fromStdString(dir.string()) + QLatin1Char('/');
  const QString globals = QString::fromStdString(
      (testenv::sourceDir() / "tests" / "web" / "typecheck" / "pageglobals.d.ts").string());
  const QStringList files{QString::fromStdString((testenv::binDir() / "TrevikAP.js").string()),
                          d + QStringLiteral("page-inline.js"), d + QStringLiteral("page-handlers.js"), globals};
  const auto [code, output] = Check(files);
  EXPECT_EQ(code, 0) << output.toStdString();
  EXPECT_EQ(output, QString());

  // The check sees what it is there for: a legacy search box given an element
  // that need not be an input, and a call the API does not have.
  testenv::writeFile(dir / "wrong.js",
                     "new google.maps.places.SearchBox(document.getElementById('spanel'));\n"
                     "new google.maps.Map(document.body).setZoomLevel(3);\n");
  const auto [wrongCode, wrongOutput] = Check(files + QStringList{d + QStringLiteral("wrong.js")});
  EXPECT_NE(wrongCode, 0);
  EXPECT_TRUE(wrongOutput.contains(QStringLiteral("wrong.js(1,")) && wrongOutput.contains(QStringLiteral("wrong.js(2,")))
      << wrongOutput.toStdString();
  EXPECT_EQ(wrongOutput.count(QStringLiteral("error TS")), 2) << wrongOutput.toStdString();
}

}  // namespace
