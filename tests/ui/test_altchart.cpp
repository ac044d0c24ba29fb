// The altitude chart and the elevation queries: runs against a local HTTP
// server (bodies, error statuses, dropped and slow replies) or a scripted
// client, the chart's series, its highlight, mouse and options.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "Fakehttp.h"
#include "Frmrouteeditor.h"
#include "Httpclient.h"
#include "Httpserver.h"
#include "Mapmessage.h"
#include "Routewindow.h"
#include "Textfmt.h"
#include "Tickclock.h"
#include "Utility.h"

namespace {

using routetest::RouteWindow;
using Icon = UiServices::Icon;

const QString kPath = QStringLiteral("/maps/api/elevation/xml");

QByteArray Reply(const QString& status, const QString& elevation = {}) {
  QString body = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ElevationResponse>\n <status>") + status +
                 QStringLiteral("</status>\n");
  if (!elevation.isEmpty())
    body += QStringLiteral(" <result>\n  <elevation>") + elevation + QStringLiteral("</elevation>\n </result>\n");
  return (body + QStringLiteral("</ElevationResponse>\n")).toUtf8();
}

QString Query(const QString& lat, const QString& lng) {
  return QStringLiteral("locations=") + lat + QLatin1Char(',') + lng + QStringLiteral("&sensor=false");
}

// A route of the server's answers: body, or other fields.
QJsonObject At(const QString& lat, const QString& lng, const QJsonObject& answer) {
  QJsonObject route = answer;
  route[QStringLiteral("path")] = kPath;
  route[QStringLiteral("query")] = Query(lat, lng);
  return route;
}
QJsonObject Body(const QByteArray& body) { return {{QStringLiteral("body"), QString::fromUtf8(body)}}; }

QString Routes(const QJsonArray& routes) { return QString::fromUtf8(QJsonDocument(routes).toJson()); }

// The tick clock stands still unless a test moves it; it starts shortly
// before the counter wraps.
std::uint32_t tickNow = 0;
std::uint32_t Tick() { return tickNow; }
void Wait(std::uint32_t ms) { tickNow += ms; }

// The failing service's note names the time of day a minute after the failed
// request, which was made between from and to.
class WallClockSpan {
 public:
  WallClockSpan() : from_(QDateTime::currentSecsSinceEpoch()) {}
  void End() { to_ = QDateTime::currentSecsSinceEpoch(); }
  // The times the note may name: a minute after each second of the span.
  QStringList Times() const {
    QStringList times;
    for (qint64 s = from_; s <= to_; ++s)
      times << QDateTime::fromSecsSinceEpoch(s + 60).toString(QStringLiteral("HH:mm:ss"));
    return times;
  }
  // Whether the note is the pattern with one of those times for %1.
  ::testing::AssertionResult Says(const QString& note, const QString& pattern) const {
    QStringList notes;
    for (const QString& t : Times()) notes << pattern.arg(t);
    if (notes.contains(note)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << note.toStdString() << "\nis none of\n" << notes.join(QLatin1Char('\n')).toStdString();
  }

 private:
  qint64 from_;
  qint64 to_ = 0;
};

class AltChart : public RouteWindow {
 protected:
  void AMapReportDuringTheWait(bool putOff);
  void SetUp() override {
    RouteWindow::SetUp();
    qunsetenv("TREVIK_MAPS_API_KEY");
    chart().Sleep = [this](int ms) { sleeps.push_back(ms); };
    tickNow = 0xFFFFFFFFu - 30000;
    tickclock::SetTickSource(Tick);
  }
  void TearDown() override {
    tickclock::SetTickSource(nullptr);
    qunsetenv("TREVIK_ELEVATION_API_BASE");
    RouteWindow::TearDown();
  }
  void Serve(const testenv::LocalHttpServer& server) {
    qputenv("TREVIK_ELEVATION_API_BASE", server.Url(QString()).toUtf8());
  }
  QStringList Altitudes() {
    QStringList out;
    for (int r = 0; r < page().RowCount(); ++r) out << Cell(r, TRoutePage::colAltitude);
    return out;
  }
  std::vector<int> Stored() {
    std::vector<int> out;
    for (std::size_t i = 0; i < routeStorage.Count(); ++i) out.push_back(routeStorage.At(i)->Elevation);
    return out;
  }
  // The window shown on the program settings page, whose options take clicks.
  void ShowOptions() {
    apConfig->VersionCheck = false;
    f->resize(1000, 700);
    f->show();
    f->PageControl->setCurrentWidget(f->pgConfig);
    f->PageControl1->setCurrentWidget(f->pgSetKVX);
    QCoreApplication::processEvents();
  }
  // A click on a check box's square (its middle may lie past its caption).
  static void ClickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
  QStringList Lines(const testenv::LocalHttpServer& server) {
    QStringList out;
    for (const auto& r : server.Requests()) out << r.line;
    return out;
  }
  static QString Line(const QString& lat, const QString& lng) {
    return QStringLiteral("GET ") + kPath + QLatin1Char('?') + Query(lat, lng) + QStringLiteral(" HTTP/1.1");
  }

  std::vector<int> sleeps;
};

// ---------------------------------------------------------------------------
// a route's elevations

// Rows 0, 512 and 0: the known row is left alone; the row without an answer
// is asked twice per round and ends with 0.
TEST_F(AltChart, RoundsAskOnlyForUnknownRows) {
  testenv::LocalHttpServer server(Routes({At("48", "11", Body(Reply("OK", "433.7"))),
                                          At("48.1", "11.1", Body(Reply("ZERO_RESULTS")))}));
  ASSERT_NE(server.Port(), 0);
  Serve(server);
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  routeStorage.SetElevation(1, 512);
  page().FillRouteList(false, false);

  chart().FetchRouteElevations(true);
  EXPECT_EQ(Lines(server), (QStringList{Line("48", "11"), Line("48.1", "11.1"), Line("48.1", "11.1"),
                                        Line("48.1", "11.1"), Line("48.1", "11.1")}));
  EXPECT_EQ(server.Requests()[0].Header("Accept"), QByteArray("text/html, */*"));
  EXPECT_EQ(server.Requests()[0].Header("Content-Type"), QByteArray("text/html"));
  EXPECT_EQ(Altitudes(), (QStringList{"433", "512", "0"}));
  EXPECT_EQ(Stored(), (std::vector<int>{433, 512, 0}));
  EXPECT_TRUE(env.services.messages.empty());
  // The chart shows the run's outcome.
  ASSERT_EQ(chart().ChartPoints().size(), 3);
  EXPECT_EQ(chart().ChartPoints()[0], QPointF(0, 433));
  EXPECT_EQ(chart().ChartPoints()[2].y(), 0.0);
}

// Between the rounds the list shows -666; the store never holds it.
TEST_F(AltChart, TheStoreTakesFinalValuesOnly) {
  FakeHttpClient http;
  std::vector<QString> seen;
  http.SetHandler([&](const HttpRequest&) {
    seen.push_back(Cell(0, TRoutePage::colAltitude) + QLatin1Char('/') + QString::number(routeStorage.At(0)->Elevation));
    return FakeHttpClient::Ok(seen.size() == 4 ? Reply("OK", "88") : Reply("INVALID_REQUEST"));
  });
  Route({{48.0, 11.0}});
  chart().FetchRouteElevations(true);
  EXPECT_EQ(seen, (std::vector<QString>{"0/0", "0/0", "-666/0", "-666/0"}));
  EXPECT_EQ(Altitudes(), QStringList{"88"});
  EXPECT_EQ(Stored(), std::vector<int>{88});
  // Without retry: one round, two requests, 0.
  routeStorage.SetElevation(0, 0);
  page().FillRouteList(false, false);
  seen.clear();
  chart().FetchRouteElevations(false);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(Altitudes(), QStringList{"0"});
}

TEST_F(AltChart, QueryLimitWaitsThroughTheInjectedSleep) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OVER_QUERY_LIMIT")); });
  Route({{48.0, 11.0}});
  chart().FetchRouteElevations(true);
  EXPECT_EQ(http.Requests().size(), 4u);
  EXPECT_EQ(sleeps, (std::vector<int>{350, 350, 350, 350}));
  EXPECT_EQ(Altitudes(), QStringList{"0"});
}

// Replies without a readable elevation give 0, quietly.
TEST_F(AltChart, GarbageRepliesGiveZero) {
  for (const char* body : {"", "<<<>>>\n\x01\x02", "<status>OK</status><elevation>12</elevation>",
                           "<elevation>high</elevation>", "<elevation>1e99</elevation>"}) {
    SCOPED_TRACE(body);
    FakeHttpClient http;
    http.SetHandler([&](const HttpRequest&) { return FakeHttpClient::Ok(QByteArray(body)); });
    mapstores::ClearAll();
    Route({{48.0, 11.0}});
    chart().FetchRouteElevations(true);
    EXPECT_EQ(http.Requests().size(), 4u);
    EXPECT_EQ(Altitudes(), QStringList{"0"});
    EXPECT_TRUE(env.services.messages.empty());
  }
}

// A failed request ends the run with one message; the rows answered keep
// their values, the others stay unknown, and the chart is refilled.
TEST_F(AltChart, AFailedRequestEndsTheRun) {
  struct Case {
    const char* name;
    QJsonObject answer;
    int timeoutMs;
    const char* says;
  } const cases[] = {
      {"HTTP 500", {{"status", 500}, {"body", "oops"}}, 15000, "The elevation service answered with an error (HTTP 500"},
      {"HTTP 404", {{"status", 404}}, 15000, "The elevation service answered with an error (HTTP 404"},
      {"dropped", {{"drop", true}}, 15000, "The elevation service gave no answer ("},
      {"truncated", {{"truncate", true}, {"body", QString::fromUtf8(Reply("OK", "5"))}}, 15000,
       "The elevation service gave no answer ("},
      {"slow", {{"delay", 5}, {"body", QString::fromUtf8(Reply("OK", "5"))}}, 300,
       "The elevation service gave no answer (timed out)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A minute on, the first row's answer ends the last case's run of
    // failures, so each case starts a run of its own.
    Wait(61000);
    testenv::LocalHttpServer server(
        Routes({At("48", "11", Body(Reply("OK", "433"))), At("48", "11.1", c.answer)}));
    ASSERT_NE(server.Port(), 0);
    Serve(server);
    mapstores::ClearAll();
    Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
    chart().TimeoutMs = c.timeoutMs;
    chart().FetchRouteElevations(true);
    // The network layer may try a dropped request once more; row 3 is not asked.
    const QStringList lines = Lines(server);
    EXPECT_GE(lines.size(), 2);
    EXPECT_FALSE(lines.contains(Line("48.1", "11.1")));
    EXPECT_EQ(Altitudes(), (QStringList{"433", "0", "0"}));
    EXPECT_EQ(Stored(), (std::vector<int>{433, 0, 0}));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
    EXPECT_TRUE(env.services.messages[0].text.startsWith(QLatin1String(c.says)))
        << env.services.messages[0].text.toStdString();
    EXPECT_EQ(chart().ChartPoints().size(), 3);
  }
}

// The elevation service's failures in the chosen language: the message of
// the run's first failure, then the status note while the run lasts.
TEST_F(AltChart, FailuresInTheChosenLanguage) {
  QString refusedUrl;
  {
    testenv::LocalHttpServer gone(Routes({}));
    refusedUrl = gone.Url(QString());
  }  // nothing listens there any more
  struct Case {
    const char* language;
    QJsonObject answer;  // of the second row; none: nothing listens
    int timeoutMs;
    const char* message;
    // With the time the service is asked again for %1; up to the reason's
    // start for an HTTP error, whose words are the server's.
    const char* note;
  } const cases[] = {
      {"de", {{"delay", 5}, {"body", QString::fromUtf8(Reply("OK", "5"))}}, 300,
       "Der Höhendienst hat nicht geantwortet (Zeitüberschreitung).",
       "Höhendienst gestört, automatische Abfrage erst wieder ab %1: keine Antwort (Zeitüberschreitung)"},
      {"ja", {{"delay", 5}, {"body", QString::fromUtf8(Reply("OK", "5"))}}, 300,
       "標高サービスから応答がありませんでした (タイムアウトしました)。",
       "標高サービスの障害 (%1 までは自動で再問い合わせしません): 応答がありません (タイムアウトしました)"},
      {"ja", {}, 15000, "標高サービスから応答がありませんでした (接続が拒否されました)。",
       "標高サービスの障害 (%1 までは自動で再問い合わせしません): 応答がありません (接続が拒否されました)"},
      {"de", {}, 15000, "Der Höhendienst hat nicht geantwortet (Verbindung abgelehnt).",
       "Höhendienst gestört, automatische Abfrage erst wieder ab %1: keine Antwort (Verbindung abgelehnt)"},
      {"ja", {{"status", 404}}, 15000, "標高サービスがエラーを返しました (HTTP 404",
       "標高サービスの障害 (%1 までは自動で再問い合わせしません): エラーが返されました (HTTP 404"},
      {"de", {{"status", 500}, {"body", "oops"}}, 15000, "Der Höhendienst hat mit einem Fehler geantwortet (HTTP 500",
       "Höhendienst gestört, automatische Abfrage erst wieder ab %1: Antwort mit Fehler (HTTP 500"},
  };
  const int altchart = apConfig->Altchart;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.message);
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    env.services.messages.clear();
    testenv::LocalHttpServer server(Routes({At("48", "11", Body(Reply("OK", "433"))), At("48", "11.1", c.answer)}));
    ASSERT_NE(server.Port(), 0);
    if (c.answer.isEmpty())
      qputenv("TREVIK_ELEVATION_API_BASE", refusedUrl.toUtf8());
    else
      Serve(server);
    mapstores::ClearAll();
    Route({{48.0, 11.1}, {48.1, 11.1}});
    chart().TimeoutMs = c.timeoutMs;
    WallClockSpan failed;
    chart().FetchRouteElevations(true);
    failed.End();
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
    const QString message = env.services.messages[0].text;
    const QString want = QString::fromUtf8(c.message);
    // An HTTP error ends in the service's own words.
    if (want.endsWith(QLatin1Char(')')) || want.endsWith(QChar(0x3002)))
      EXPECT_EQ(message, want);
    else
      EXPECT_TRUE(message.startsWith(want)) << message.toStdString();
    // Within the minute nothing more is asked; the status bar says why.
    Wait(1000);
    f->SetStatusText(3, QString());
    apConfig->Altchart = kAltchartShown;  // the refill asks for the unknown rows
    page().FillRouteList(false, false);
    apConfig->Altchart = altchart;
    EXPECT_EQ(env.services.messages.size(), 1u);
    const QString said = f->StatusText(3);
    const QString note = QString::fromUtf8(c.note);
    if (note.endsWith(QLatin1Char(')'))) {
      EXPECT_TRUE(failed.Says(said, note));
    } else {
      const QStringList times = failed.Times();
      EXPECT_TRUE(std::any_of(times.begin(), times.end(), [&](const QString& t) { return said.startsWith(note.arg(t)); }))
          << said.toStdString();
    }
    // An answer ends the run, so the next case starts one of its own.
    Serve(server);
    Wait(61000);
    EXPECT_EQ(chart().FetchElevation(48, 11), 433);
  }
}

// With the chart on and the service away, the map click, the move of a
// point and the route builder still do all of their own work.
TEST_F(AltChart, CallersFinishTheirWorkWhenTheServiceFails) {
  FakeHttpClient http;  // every request refused
  apConfig->Altchart = kAltchartShown;
  f->OnMapClick(QStringLiteral("ADD:0(48.5,11.5)"));
  ASSERT_EQ(routeStorage.Count(), 1u);
  EXPECT_EQ(page().RowCount(), 1);
  EXPECT_EQ(CurrentRow(), 0);
  EXPECT_EQ(env.services.messages.size(), 1u);

  f->OnMapClick(QStringLiteral("MODIFY:0(48.25,11.25)"));
  EXPECT_DOUBLE_EQ(routeStorage.At(0)->Latitude, 48.25);
  EXPECT_EQ(routeStorage.At(0)->Elevation, 0);
  EXPECT_EQ(Cell(0, TRoutePage::colLat), QStringLiteral("48.25"));

  routetest::ShowTrackPoints(*f, {{47, 11, 0}, {48, 12, 0}, {49, 11, 0}});
  env.services.answer = UiServices::Yes;  // the points above are unsaved work
  page().GenerateRouteFromTrack();
  EXPECT_EQ(routeStorage.Count(), 3u);
  EXPECT_EQ(CurrentRow(), 2);
  EXPECT_TRUE(f->pgTrack->spdAutoGeneratorTrk->isEnabled());
}

// While a slow service is waited for, the window repaints (the closed
// editor is not left on it), the busy cursor shows and the status bar says
// what the program waits for; afterwards the status bar is as it was.
TEST_F(AltChart, WaitingForTheServiceRepaintsAndSaysSo) {
  testenv::LocalHttpServer server(
      Routes({At("48.5", "11.1", QJsonObject{{"delay", 1.5}, {"body", QString::fromUtf8(Reply("OK", "812"))}})}));
  ASSERT_NE(server.Port(), 0);
  Serve(server);
  apConfig->VersionCheck = false;
  f->resize(1000, 700);
  f->show();
  QCoreApplication::processEvents();
  Route({{48.0, 11.0}, {48.0, 11.1}});
  routeStorage.SetElevation(0, 5);
  routeStorage.SetElevation(1, 5);
  page().FillRouteList(false, false);
  apConfig->Altchart = kAltchartShown;
  f->SetStatusText(1, QStringLiteral("before"));

  // Paints of the route list, counted once the editor has closed.
  uitest::PaintCounter counter;
  QString status;
  bool busy = false, editorShown = true;
  int paintsInWait = -1;
  Select({1});
  env.services.onDialog = [&](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    // The real editor on show, closed with OK.
    QTimer::singleShot(0, &e, [&] {
      e.edtLat->setText(QStringLiteral("48.5"));
      e.btnOk->click();
      // Timers run only while the program waits in an event loop.
      QTimer::singleShot(300, &e, [&] {
        status = f->StatusText(1);
        busy = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        editorShown = e.isVisible();
        page().lvRoute->viewport()->installEventFilter(&counter);
        page().lvRoute->viewport()->update();
      });
      QTimer::singleShot(800, &counter, [&] { paintsInWait = counter.paints; });
    });
    return e.exec();
  };
  page().lvRouteDblClick();
  page().lvRoute->viewport()->removeEventFilter(&counter);
  EXPECT_EQ(routeStorage.At(1)->Elevation, 812);
  EXPECT_EQ(status, QStringLiteral("Waiting for the elevation service ..."));
  EXPECT_TRUE(busy);
  EXPECT_FALSE(editorShown);
  EXPECT_GT(paintsInWait, 0);
  EXPECT_EQ(f->StatusText(1), QStringLiteral("before"));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A map report that comes while the program waits for the service changes
// nothing under the waiting handler: it is handled once the answer is in.
// So does one put off before the wait (the page was being read), whose retry
// falls into it.
void AltChart::AMapReportDuringTheWait(bool putOff) {
  lastMapMessage.clear();  // the same report as another test's is no repetition here
  testenv::LocalHttpServer server(
      Routes({At("48.5", "11.1", QJsonObject{{"delay", 1.5}, {"body", QString::fromUtf8(Reply("OK", "812"))}})}));
  ASSERT_NE(server.Port(), 0);
  Serve(server);
  apConfig->VersionCheck = false;
  f->show();
  QCoreApplication::processEvents();
  Route({{48.0, 11.0}, {48.0, 11.1}});
  routeStorage.SetElevation(0, 5);
  routeStorage.SetElevation(1, 5);
  page().FillRouteList(false, false);
  apConfig->Altchart = kAltchartShown;
  Select({1});
  size_t pointsInWait = 0;
  env.services.onDialog = [&](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    QTimer::singleShot(0, &e, [&] {
      if (putOff) {
        map->reading = true;
        map->onReport(QStringLiteral("ADD:2(47.5,10.5)"));
        // The page is read until the query's wait has begun: on a slow
        // machine a retry could otherwise come before it, between the
        // editor's close and the request.
        auto* reading = new QTimer(f.get());
        QObject::connect(reading, &QTimer::timeout, reading, [this, reading] {
          if (!HttpClient::Waiting()) return;
          map->reading = false;
          reading->deleteLater();
        });
        reading->start(5);
      }
      e.edtLat->setText(QStringLiteral("48.5"));
      e.btnOk->click();
      if (!putOff) QTimer::singleShot(200, f.get(), [&] { map->onReport(QStringLiteral("ADD:2(47.5,10.5)")); });
      QTimer::singleShot(500, f.get(), [&] { pointsInWait = routeStorage.Count(); });
    });
    return e.exec();
  };
  page().lvRouteDblClick();
  EXPECT_EQ(pointsInWait, 2u);
  EXPECT_EQ(routeStorage.At(1)->Elevation, 812);
  EXPECT_TRUE(QTest::qWaitFor([] { return routeStorage.Count() == 3; }, 5000));
}

TEST_F(AltChart, AMapReportDuringTheWaitComesAfterIt) { AMapReportDuringTheWait(false); }
TEST_F(AltChart, AMapReportPutOffBeforeTheWaitComesAfterIt) { AMapReportDuringTheWait(true); }

// A run asked for while one waits starts nothing.
TEST_F(AltChart, OneRunAtATime) {
  FakeHttpClient http;
  http.SetHandler([&](const HttpRequest&) {
    chart().FetchRouteElevations(true);
    return FakeHttpClient::Ok(Reply("OK", "10"));
  });
  Route({{48.0, 11.0}, {48.0, 11.1}});
  chart().FetchRouteElevations(true);
  EXPECT_EQ(http.Requests().size(), 2u);
  EXPECT_EQ(Altitudes(), (QStringList{"10", "10"}));
}

// The route menu's "get elevations" is the user asking now: after an error
// status it asks the service at once, and again once the service has gone
// away, each time with the new reason in the status bar. An automatic
// lookup within the wait asks nothing, and the status bar says for how long.
TEST_F(AltChart, TheGetElevationCommandAsksAtOnceAfterAFailure) {
  auto server = std::make_unique<testenv::LocalHttpServer>(
      Routes({At("48", "11", QJsonObject{{"status", 500}, {"body", "oops"}})}));
  ASSERT_NE(server->Port(), 0);
  Serve(*server);
  Route({{48.0, 11.0}});
  apConfig->Altchart = kAltchartShown;
  const QString head = QStringLiteral(
      "Elevation service failing, not asked again on its own before %1: answered with an error (HTTP 500 Internal "
      "Server Error)");
  WallClockSpan first;
  page().FillRouteList(false, false);
  first.End();
  EXPECT_EQ(server->Requests().size(), 1u);
  EXPECT_TRUE(first.Says(f->StatusText(3), head));

  Wait(20000);
  page().FillRouteList(false, false);  // automatic: held back
  EXPECT_EQ(server->Requests().size(), 1u);
  EXPECT_TRUE(first.Says(f->StatusText(3), head));

  WallClockSpan asked;
  page().mnuGetElevation->trigger();
  asked.End();
  EXPECT_EQ(server->Requests().size(), 2u);
  EXPECT_TRUE(asked.Says(f->StatusText(3), head));

  // The service gone: the command's request tells so.
  server.reset();
  Wait(5000);
  WallClockSpan gone;
  page().mnuGetElevation->trigger();
  gone.End();
  EXPECT_TRUE(gone.Says(f->StatusText(3), QStringLiteral("Elevation service failing, not asked again on its own "
                                                          "before %1: gave no answer (connection refused)")));

  // Back again: the command fills the row and the note goes.
  testenv::LocalHttpServer back(Routes({At("48", "11", Body(Reply("OK", "519")))}));
  ASSERT_NE(back.Port(), 0);
  Serve(back);
  Wait(1000);
  page().mnuGetElevation->trigger();
  EXPECT_EQ(back.Requests().size(), 1u);
  EXPECT_EQ(Altitudes(), QStringList{"519"});
  EXPECT_EQ(f->StatusText(3), QString());
  // One message for the whole run of failures.
  EXPECT_EQ(env.services.messages.size(), 1u);
}

// ---------------------------------------------------------------------------
// one position

TEST_F(AltChart, OnePositionSendsFullCoordinates) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OK", "1234.9")); });
  qputenv("TREVIK_ELEVATION_API_BASE", "http://elevation.test/");
  EXPECT_EQ(chart().FetchElevation(48.1234567, 11.9876), 1234);
  ASSERT_EQ(http.Urls().size(), 1u);
  EXPECT_EQ(http.Urls()[0], QStringLiteral("http://elevation.test") + kPath + QLatin1Char('?') +
                                Query("48.1234567", "11.9876"));

  // Lines ended by a lone CR are lines too.
  http.SetHandler([](const HttpRequest&) {
    return FakeHttpClient::Ok("<ElevationResponse>\r <status>OK</status>\r <elevation>12.9</elevation>\r");
  });
  EXPECT_EQ(chart().FetchElevation(1, 2), 12);
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("ZERO_RESULTS")); });
  EXPECT_EQ(chart().FetchElevation(1, 2), 0);
  EXPECT_TRUE(env.services.messages.empty());
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Failed("HTTP 500", 500); });
  EXPECT_EQ(chart().FetchElevation(1, 2), 0);
  EXPECT_EQ(env.services.messages.size(), 1u);
}

// The modify dialog asks for the elevation once the store took the point.
TEST_F(AltChart, DialogModifyFetchesTheNewElevation) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OK", "600")); });
  Route({{48.0, 11.0}, {48.0, 11.1}});
  routeStorage.SetElevation(0, 5);
  routeStorage.SetElevation(1, 5);
  page().FillRouteList(false, false);
  apConfig->Altchart = kAltchartShown;
  Select({1});
  env.services.onDialog = [&](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    e.edtTitle->setText(QStringLiteral("0"));  // taken: no query yet
    e.btnOk->click();
    EXPECT_TRUE(http.Requests().empty());
    e.edtTitle->setText(QStringLiteral("B"));
    e.edtLat->setText(QStringLiteral("48.0123456"));
    e.btnOk->click();
    return e.result();
  };
  page().lvRouteDblClick();
  EXPECT_EQ(routeStorage.At(1)->Elevation, 600);
  ASSERT_EQ(http.Urls().size(), 1u);
  EXPECT_TRUE(http.Urls()[0].contains(Query("48.0123456", "11.1")));
}

// With the chart on and the service away, editing the route shows one
// message; while the service keeps failing the refills ask at most once a
// minute and say so in the status bar only; the next answer ends the run,
// and a later failure is shown again.
TEST_F(AltChart, OneMessagePerRunOfFailures) {
  FakeHttpClient http;  // every request refused
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
  routeStorage.SetElevation(0, 300);
  page().FillRouteList(false, false);
  apConfig->Altchart = kAltchartShown;
  const QString refused = QStringLiteral(
      "Elevation service failing, not asked again on its own before %1: gave no answer (connection refused)");

  // A move of a point asks for its elevation: the run starts with a message,
  // and the refill that follows asks nothing more.
  Select({1});
  env.services.onDialog = [](QDialog& d) {
    auto& e = dynamic_cast<TFormRouteEditor&>(d);
    e.edtLat->setText(QStringLiteral("48.5"));
    e.btnOk->click();
    return e.result();
  };
  WallClockSpan first;
  page().lvRouteDblClick();
  first.End();
  EXPECT_DOUBLE_EQ(routeStorage.At(1)->Latitude, 48.5);
  EXPECT_EQ(Altitudes(), (QStringList{"300", "0", "0"}));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].text,
            QStringLiteral("The elevation service gave no answer (connection refused)."));
  EXPECT_EQ(http.Requests().size(), 1u);
  EXPECT_EQ(chart().ChartPoints().size(), 3);

  // Adding, moving, inserting and deleting points within the minute: no
  // request, no message, the note in the status bar; the rows keep 0 m.
  map->values[QStringLiteral("result")] = QStringLiteral("15");
  f->OnMapClick(QStringLiteral("ADD:3(48.2,11.2)"));
  f->OnMapClick(QStringLiteral("MODIFY:3(48.25,11.25)"));
  Select({1});
  page().mnuAddlvPointClick();
  Select({2});
  page().bgRouteTable_DeleteClick();
  Wait(59000);
  f->SetStatusText(3, QString());  // a map regeneration clears the notes
  page().FillRouteList(false, false);
  EXPECT_EQ(routeStorage.Count(), 4u);
  EXPECT_EQ(Altitudes(), (QStringList{"300", "0", "0", "0"}));
  EXPECT_EQ(http.Requests().size(), 1u);
  EXPECT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(first.Says(f->StatusText(3), refused));

  // A minute after the last request: one more, still refused, said in the
  // status bar only.
  Wait(1001);
  WallClockSpan second;
  page().FillRouteList(false, false);
  second.End();
  EXPECT_EQ(http.Requests().size(), 2u);
  page().FillRouteList(false, false);
  EXPECT_EQ(http.Requests().size(), 2u);
  EXPECT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(second.Says(f->StatusText(3), refused));

  // An error status is an answer with an error; the run goes on.
  Wait(60000);
  http.SetHandler([](const HttpRequest&) {
    return FakeHttpClient::Failed(QStringLiteral("HTTP 503 Service Unavailable"), 503);
  });
  WallClockSpan third;
  page().FillRouteList(false, false);
  third.End();
  EXPECT_EQ(http.Requests().size(), 3u);
  EXPECT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(third.Says(f->StatusText(3), QStringLiteral("Elevation service failing, not asked again on its own "
                                                           "before %1: answered with an error (HTTP 503 Service "
                                                           "Unavailable)")));

  // The service answers again: every unknown row is asked, the note goes.
  Wait(60000);
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OK", "700")); });
  page().FillRouteList(false, false);
  EXPECT_EQ(http.Requests().size(), 6u);
  EXPECT_EQ(Altitudes(), (QStringList{"300", "700", "700", "700"}));
  EXPECT_EQ(f->StatusText(3), QString());

  // A new failure starts a new run: one message again, at once.
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Failed(QStringLiteral("timed out")); });
  EXPECT_EQ(chart().FetchElevation(1, 2), 0);
  EXPECT_EQ(env.services.messages.size(), 2u);
  EXPECT_EQ(chart().FetchElevation(1, 2), 0);
  EXPECT_EQ(http.Requests().size(), 7u);
  EXPECT_EQ(env.services.messages.size(), 2u);
}

// ---------------------------------------------------------------------------
// the chart

TEST_F(AltChart, SeriesIsASmoothCurveThroughThePoints) {
  Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}, {48.1, 11.2}});
  const int metres[] = {500, 800, 650, 700};
  for (int i = 0; i < 4; ++i) routeStorage.SetElevation(i, metres[i]);
  apConfig->AltchartCol = 0x0000FF;  // red
  page().FillRouteList(false, false);
  chart().FillAltitudeChart();
  ASSERT_EQ(chart().ChartPoints().size(), 4);
  const QList<QPointF> curve = chart().altUpper->points();
  ASSERT_EQ(curve.size(), 3 * 8 + 1);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(curve[i * 8], chart().ChartPoints()[i]) << i;
    EXPECT_DOUBLE_EQ(curve[i * 8].y(), metres[i]);
  }
  for (int i = 1; i < curve.size(); ++i) {
    EXPECT_GT(curve[i].x(), curve[i - 1].x()) << i;
    // No overshoot between two points.
    const int seg = (i - 1) / 8;
    EXPECT_GE(curve[i].y(), std::min(metres[seg], metres[seg + 1]) - 1e-9) << i;
    EXPECT_LE(curve[i].y(), std::max(metres[seg], metres[seg + 1]) + 1e-9) << i;
  }
  EXPECT_EQ(chart().altSeries->name(), QStringLiteral("altSeries"));
  EXPECT_EQ(chart().altSeries->color(), QColor(255, 0, 0));
  EXPECT_GE(chart().altchartLeftAxis->min(), 0.0);
  EXPECT_LE(chart().altchartLeftAxis->min(), 500.0);
  EXPECT_GE(chart().altchartLeftAxis->max(), 800.0);
}

// The altitude scale has at most five labels on round numbers around the
// data (six did not fit the chart's height and showed as "..."), also once
// the route is emptied.
TEST_F(AltChart, AltitudeScaleFitsTheChart) {
  const std::vector<std::vector<int>> cases = {{809, 814, 1249, 1205}, {0, 1000}, {5, 6}, {-20, 3000}, {8848}, {}};
  for (const auto& metres : cases) {
    SCOPED_TRACE(metres.size() ? metres.front() : -1);
    mapstores::ClearAll();
    for (std::size_t i = 0; i < metres.size(); ++i) {
      mapstores::AddRoutePoint(QString::number(i), 48.0, 11.0 + 0.1 * double(i));
      routeStorage.SetElevation(int(i), metres[i]);
    }
    page().FillRouteList(false, false);
    chart().FillAltitudeChart();
    const QValueAxis* axis = chart().altchartLeftAxis;
    ASSERT_EQ(axis->tickType(), QValueAxis::TicksFixed);
    EXPECT_GE(axis->tickCount(), 2);
    EXPECT_LE(axis->tickCount(), 5);
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = step / power;
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
        << step;
    EXPECT_NEAR(std::remainder(axis->min(), step), 0.0, 1e-9);
    for (int m : metres) {
      EXPECT_LE(axis->min(), m);
      EXPECT_GE(axis->max(), m);
    }
    // The scale starts at the round step at or below the lowest point (a
    // flat route gets a band below it).
    if (!metres.empty() && metres.size() > 1) {
      EXPECT_GT(axis->min() + step, *std::min_element(metres.begin(), metres.end()));
    }
  }
  EXPECT_EQ(chart().altchartLeftAxis->min(), 0.0);  // empty: the starting scale
  EXPECT_EQ(chart().altchartLeftAxis->max(), 100.0);
}

// A route at one elevation shows a band of area under a line inside the
// chart, on a scale of round steps around it; at 0 m it stands on 0.
TEST_F(AltChart, AFlatRouteShowsABand) {
  const struct {
    std::vector<int> metres;
    double low, high;
  } cases[] = {{{137, 137, 137}, 120, 150}, {{8848}, 8830, 8860}, {{3, 3}, 0, 15}, {{-20, -20, -20}, -30, 0},
               {{0, 0}, 0, 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.metres.front());
    mapstores::ClearAll();
    for (std::size_t i = 0; i < c.metres.size(); ++i) {
      mapstores::AddRoutePoint(QString::number(i), 48.0, 11.0 + 0.1 * double(i));
      routeStorage.SetElevation(int(i), c.metres[i]);
    }
    page().FillRouteList(false, false);
    chart().FillAltitudeChart();
    const QValueAxis* axis = chart().altchartLeftAxis;
    EXPECT_EQ(axis->min(), c.low);
    EXPECT_EQ(axis->max(), c.high);
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    EXPECT_LE(axis->tickCount(), 5);
    EXPECT_NEAR(std::remainder(axis->min(), step), 0.0, 1e-9);
    const double level = c.metres.front();
    // The line lies inside the chart, not on an edge, except at 0 m.
    if (level != 0) {
      EXPECT_GT((level - axis->min()) / (axis->max() - axis->min()), 0.15);
    }
    EXPECT_LT((level - axis->min()) / (axis->max() - axis->min()), 0.8);
    for (const QPointF& p : chart().altUpper->points()) EXPECT_NEAR(p.y(), level, 1e-9);
    for (const QPointF& p : chart().altLower->points()) EXPECT_EQ(p.y(), axis->min());
  }
}

// Rows at 0 m: the curve stays between the lowest and the highest
// elevation, the scale and the area's floor start at 0.
TEST_F(AltChart, CurveAndScaleStayWithinTheElevations) {
  const std::vector<std::vector<int>> cases = {
      {0, 0, 1200, 0, 350, 0}, {0, 0, 0, 812, 815, 0}, {0, 1, 0, 2000, 1990, 0, 0},
      {500, 0, 0, 480, 0}, {-5, 0, 30, -12, 0}, {0, 0, 0}};
  for (const auto& metres : cases) {
    SCOPED_TRACE(testing::PrintToString(metres));
    mapstores::ClearAll();
    for (std::size_t i = 0; i < metres.size(); ++i) {
      // Legs of unequal length, as a real route has them.
      mapstores::AddRoutePoint(QString::number(i), 48.0, 11.0 + 0.01 * double(i * i + 1));
      routeStorage.SetElevation(int(i), metres[i]);
    }
    page().FillRouteList(false, false);
    chart().FillAltitudeChart();
    const double lowest = *std::min_element(metres.begin(), metres.end());
    const double highest = *std::max_element(metres.begin(), metres.end());
    const QList<QPointF> curve = chart().altUpper->points();
    ASSERT_EQ(curve.size(), qsizetype(metres.size() - 1) * 8 + 1);
    for (const QPointF& p : curve) {
      EXPECT_GE(p.y(), lowest) << p.x();
      EXPECT_LE(p.y(), highest) << p.x();
    }
    const QValueAxis* axis = chart().altchartLeftAxis;
    if (lowest == 0) {
      EXPECT_EQ(axis->min(), 0.0);
    }
    EXPECT_LE(axis->min(), lowest);
    EXPECT_GE(axis->max(), highest);
    for (const QPointF& p : chart().altLower->points()) EXPECT_EQ(p.y(), axis->min());
  }
}

TEST(AltChartCurve, RepeatedDistancesAndFewPoints) {
  // A leg of 0 km: one x, the later elevation.
  const QList<QPointF> curve = TAltChart::SmoothCurve({{0, 10}, {0, 20}, {1, 30}, {1, 5}, {2, 40}}, 8);
  ASSERT_EQ(curve.size(), 2 * 8 + 1);
  EXPECT_EQ(curve[0], QPointF(0, 20));
  EXPECT_EQ(curve[8], QPointF(1, 5));
  for (int i = 1; i < curve.size(); ++i) EXPECT_GT(curve[i].x(), curve[i - 1].x());
  EXPECT_EQ(TAltChart::SmoothCurve({}, 8).size(), 0);
  EXPECT_EQ(TAltChart::SmoothCurve({{0, 1}}, 8).size(), 1);
  EXPECT_EQ(TAltChart::SmoothCurve({{0, 1}, {0, 2}}, 8), (QList<QPointF>{{0, 2}}));
  EXPECT_EQ(TAltChart::SmoothCurve({{0, 1}, {3, 2}}, 8).size(), 2);
}

class AltChartShown : public AltChart {
 protected:
  void SetUp() override {
    AltChart::SetUp();
    apConfig->VersionCheck = false;
    f->resize(1000, 700);
    f->show();
    chart().show();
    QCoreApplication::processEvents();
    Route({{48.0, 11.0}, {48.0, 11.1}, {48.1, 11.1}});
    // Totals 0, 2.5 and 7.
    page().lvRoute->topLevelItem(1)->setText(TRoutePage::colTotal, QStringLiteral("2.5"));
    page().lvRoute->topLevelItem(2)->setText(TRoutePage::colTotal, QStringLiteral("7"));
    for (int i = 0; i < 3; ++i) page().lvRoute->topLevelItem(i)->setText(TRoutePage::colAltitude, QString::number(100 * (i + 1)));
    chart().FillAltitudeChart();
    QCoreApplication::processEvents();
  }
  QPointF ViewPoint(double km, double metres) {
    const QPointF inChart = chart().chart()->mapToPosition(QPointF(km, metres), chart().altSeries);
    return chart().mapFromScene(chart().chart()->mapToScene(inChart));
  }
};

// A leg of thousands of km added to a one-point route and deleted again:
// each refill makes as many graphics items as its scale needs, never one
// per step of the spacing the last fill left (0.2 km for one point) across
// the new range, nor one per step of a new fine spacing across the old wide
// range. Counted in the chart's scene at every change of a scale, while the
// refill runs. The short leg first: on a refill that makes its labels under
// the old spacing, the long one would take minutes.
TEST_F(AltChartShown, ALongLegRefillsTheChartWithBoundedWork) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OK", "500")); });
  QGraphicsScene* scene = chart().chart()->scene();
  qsizetype peak = 0;
  auto count = [&] { peak = std::max(peak, scene->items().size()); };
  for (QValueAxis* axis : {chart().altchartBottomAxis, chart().altchartLeftAxis}) {
    QObject::connect(axis, &QValueAxis::rangeChanged, scene, count);
    QObject::connect(axis, &QValueAxis::tickIntervalChanged, scene, count);
    QObject::connect(axis, &QValueAxis::tickCountChanged, scene, count);
  }
  mapstores::ClearAll();
  Route({{48.14, 11.58}});
  apConfig->Altchart = kAltchartShown;
  page().FillRouteList(false, false);
  QCoreApplication::processEvents();
  const qsizetype onePoint = scene->items().size();
  lastMapMessage.clear();
  const struct {
    const char* step;  // a map report, or "" for deleting the second point
    double fromKm, toKm;
  } steps[] = {
      {"ADD:1(45.0,11.58)", 340, 360}, {"", 0, 0}, {"ADD:1(-33.92,18.42)", 9000, 9300}, {"", 0, 0}};
  for (const auto& s : steps) {
    SCOPED_TRACE(*s.step ? s.step : "delete");
    peak = 0;
    if (*s.step) {
      f->OnMapClick(QString::fromLatin1(s.step));
    } else {
      Select({1});
      page().bgRouteTable_DeleteClick();
    }
    const double total = textfmt::StrToFloatDef(Cell(page().RowCount() - 1, TRoutePage::colTotal), -1);
    EXPECT_GE(total, s.fromKm);
    EXPECT_LE(total, s.toKm);
    EXPECT_EQ(chart().altchartBottomAxis->max(), s.toKm > 0 ? total : 1.0);
    // A scale of at most about ten ticks: some items more than one point has.
    ASSERT_LE(peak, onePoint + 60);
    ASSERT_GT(peak, 0);
    QCoreApplication::processEvents();
  }
}

TEST_F(AltChartShown, SelectByDistance) {
  const std::pair<double, int> cases[] = {{1.2, 0}, {1.25, 1}, {2.5, 1}, {5, 2}, {7, 2}, {8, -1}, {-3, 0}};
  for (auto [km, row] : cases) {
    SCOPED_TRACE(km);
    page().lvRoute->clearSelection();
    map->scripts.clear();
    chart().SelectRouteFromChart(km);
    EXPECT_EQ(CurrentRow(), row);
    if (row >= 0) {
      EXPECT_EQ(map->scripts.value(0), QStringLiteral("rte_jumpToPoint(%1,true)").arg(row));
    }
  }
}

TEST_F(AltChartShown, HighlightSitsOnTheSelectedPoint) {
  apConfig->Altchart = kAltchartShown;
  EXPECT_FALSE(chart().HighlightPosition());
  Select({1});  // the list's selection marks the chart
  const auto at = chart().HighlightPosition();
  ASSERT_TRUE(at);
  const QPointF want = ViewPoint(2.5, 200);
  EXPECT_NEAR(at->x(), want.x(), 0.5);
  EXPECT_NEAR(at->y(), want.y(), 0.5);
  // A new fill takes it away.
  chart().FillAltitudeChart();
  EXPECT_FALSE(chart().HighlightPosition());
  // The page's own selections (after an insert, a delete ...) mark it too.
  page().ShowRow(2);
  const auto last = chart().HighlightPosition();
  ASSERT_TRUE(last);
  EXPECT_NEAR(last->x(), ViewPoint(7, 300).x(), 0.5);
}

// A route point clicked or moved on the map is marked on the chart as well.
TEST_F(AltChartShown, MapClicksMarkTheChart) {
  apConfig->Altchart = kAltchartShown;
  f->OnMapClick(QStringLiteral("SEL:2(0,0)"));
  EXPECT_EQ(CurrentRow(), 2);
  const auto at = chart().HighlightPosition();
  ASSERT_TRUE(at);
  EXPECT_NEAR(at->x(), ViewPoint(7, 300).x(), 0.5);
  EXPECT_NEAR(at->y(), ViewPoint(7, 300).y(), 0.5);
}

TEST_F(AltChartShown, MouseFollowsOnlyInFollowMode) {
  const QPointF third = ViewPoint(6.9, 300);
  auto send = [&](QEvent::Type type, Qt::MouseButton button) {
    QMouseEvent event(type, third, chart().viewport()->mapToGlobal(third), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(chart().viewport(), &event);
  };
  apConfig->Altchart = kAltchartShown;
  send(QEvent::MouseMove, Qt::NoButton);
  EXPECT_EQ(CurrentRow(), -1);
  send(QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(CurrentRow(), -1);
  send(QEvent::MouseButtonRelease, Qt::RightButton);
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(CurrentRow(), 2);
  send(QEvent::MouseButtonRelease, Qt::LeftButton);
  page().lvRoute->clearSelection();
  apConfig->Altchart = kAltchartShown | kAltchartFollow;
  send(QEvent::MouseMove, Qt::NoButton);
  EXPECT_EQ(CurrentRow(), 2);
}

// ---------------------------------------------------------------------------
// options and menus

// The options, the chart's own menu and the map menu's item, pressed
// through their widgets and actions.
TEST_F(AltChart, SwitchingTheChartOnFetches) {
  FakeHttpClient http;
  http.SetHandler([](const HttpRequest&) { return FakeHttpClient::Ok(Reply("OK", "42")); });
  TProgramPage& options = *f->pgSetKVX;
  ShowOptions();
  options.chkAltChart->setChecked(false);
  ClickBox(options.chkAltChart);  // empty route: nothing asked
  EXPECT_TRUE(options.chkAltChart->isChecked());
  EXPECT_EQ(apConfig->Altchart & kAltchartShown, kAltchartShown);
  EXPECT_TRUE(options.chkAltChartFollow->isEnabled());
  EXPECT_TRUE(http.Requests().empty());

  ClickBox(options.chkAltChart);
  EXPECT_EQ(apConfig->Altchart & kAltchartShown, 0);
  Route({{48.0, 11.0}, {48.0, 11.1}});
  EXPECT_FALSE(options.chkAltChartFollow->isEnabled());
  f->mnuShowAltChart->trigger();  // on again, through the map menu
  EXPECT_TRUE(options.chkAltChart->isChecked());
  EXPECT_EQ(http.Requests().size(), 2u);
  EXPECT_EQ(Altitudes(), (QStringList{"42", "42"}));
  EXPECT_FALSE(chart().isHidden());
  chart().mnuShowAltChart2->trigger();  // off, through the chart's menu
  EXPECT_TRUE(chart().isHidden());
  EXPECT_EQ(apConfig->Altchart & kAltchartShown, 0);
  EXPECT_FALSE(options.chkAltChart->isChecked());

  chart().mnuFollowMode->trigger();
  EXPECT_EQ(apConfig->Altchart & kAltchartFollow, kAltchartFollow);
  EXPECT_TRUE(options.chkAltChartFollow->isChecked());
  options.chkAltChartFollow->setEnabled(true);
  ClickBox(options.chkAltChartFollow);
  EXPECT_EQ(apConfig->Altchart & kAltchartFollow, 0);
  ClickBox(options.chkAltChartFollow);
  EXPECT_EQ(apConfig->Altchart & kAltchartFollow, kAltchartFollow);

  // A right click on the chart opens its menu, checked as the options are.
  chart().show();
  QCoreApplication::processEvents();
  auto rightClick = [&] {
    const QPoint at = chart().viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, chart().viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(chart().viewport(), &event);
  };
  rightClick();
  EXPECT_TRUE(chart().pmnuAltChart->isVisible());
  EXPECT_TRUE(chart().mnuFollowMode->isChecked());
  EXPECT_FALSE(chart().mnuShowAltChart2->isChecked());
  chart().pmnuAltChart->hide();
  chart().mnuFollowMode->trigger();
  rightClick();
  EXPECT_FALSE(chart().mnuFollowMode->isChecked());
  chart().pmnuAltChart->hide();
}

TEST_F(AltChart, ColourPanel) {
  env.services.colourAnswers.push_back(std::nullopt);
  env.services.colourAnswers.push_back(QColor(0x12, 0x34, 0x56));
  const auto before = apConfig->AltchartCol;
  uibuild::TClickLabel* panel = f->pgSetKVX->pnlAChartColor;
  ShowOptions();
  QTest::mouseClick(panel, Qt::LeftButton);  // cancelled
  EXPECT_EQ(env.services.colourAsked.size(), 1u);
  EXPECT_EQ(apConfig->AltchartCol, before);
  QTest::mouseClick(panel, Qt::LeftButton);
  EXPECT_EQ(apConfig->AltchartCol, 0x563412u);
  EXPECT_EQ(chart().altSeries->color(), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

// End to end: the list fill with the chart on asks the server and the chart
// shows every point with its elevation.
TEST_F(AltChart, ListFillRunsTheQueriesAndFillsTheChart) {
  QJsonArray routes;
  for (int i = 0; i < 5; ++i) routes.append(At("48", QString::number(11 + i), Body(Reply("OK", QString::number(300 + i)))));
  testenv::LocalHttpServer server(Routes(routes));
  ASSERT_NE(server.Port(), 0);
  Serve(server);
  apConfig->Altchart = kAltchartShown;
  for (int i = 0; i < 5; ++i) mapstores::AddRoutePoint(QString::number(i), 48.0, 11.0 + i);
  page().FillRouteList(true, false);
  EXPECT_EQ(server.Requests().size(), 5u);
  ASSERT_EQ(chart().ChartPoints().size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(chart().ChartPoints()[i].y(), 300 + i);
    EXPECT_EQ(chart().ChartPoints()[i].x(), textfmt::StrToFloat(Cell(i, TRoutePage::colTotal)));
  }
  EXPECT_EQ(chart().altUpper->count(), 4 * 8 + 1);
}

}  // namespace
