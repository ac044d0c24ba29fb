#pragma once
// The altitude chart under the map (altchart): the route's elevation profile
// over its running distance, and the elevation queries that feed it.
#include <QAction>
#include <QAreaSeries>
#include <QChartView>
#include <QDateTime>
#include <QGraphicsEllipseItem>
#include <QLineSeries>
#include <QList>
#include <QMenu>
#include <QPointF>
#include <QValueAxis>
#include <cstdint>
#include <functional>
#include <optional>

class TMainFrame;

class TAltChart : public QChartView {
  Q_OBJECT
 public:
  TAltChart(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // Connects the options of the program settings page and the map menu's
  // chart item; called once every page exists.
  void AttachOptions(QAction* mapMenuShowAltChart);

  // The elevation of one position in whole metres; 0 when none was read.
  int FetchElevation(double latitude, double longitude);
  // Queries every route row whose elevation is unknown ("0"), then refills
  // the chart. One run at a time; a failed request ends the run.
  //
  // A failed request (no answer, time-out, an error status, a reply cut
  // short) starts a run of failures, which the next answered request ends.
  // The first failure of a run is shown in a message; later ones only in
  // status panel 3, with the seconds until it is asked again: while the
  // run lasts the service is asked at most once a minute (by the tick
  // clock), unless `now` (the user's own command) asks at once.
  void FetchRouteElevations(bool retry, bool now = false);
  void FillAltitudeChart();
  void MarkChartPoint(bool repaint);
  void SelectRouteFromChart(double km);

  // Handlers.
  void chkAltChartClick();
  void chkAltChartFollowClick();
  void mnuShowAltChartClick();
  void mnuFollowModeClick();
  void pmnuAltChartPopup();
  void pnlAChartColorClick();
  // x is the mouse's horizontal position in the view.
  void altchartMouseMove(const QPointF& position);
  void altchartMouseDown(Qt::MouseButton button, const QPointF& position);

  // The points of the last fill (running total, metres), and the curve drawn
  // through them.
  const QList<QPointF>& ChartPoints() const { return points_; }
  static QList<QPointF> SmoothCurve(const QList<QPointF>& points, int factor);
  // Where the highlight's lowest point sits in the view, when it is shown.
  std::optional<QPointF> HighlightPosition() const;

  // How the wait before a repeated query is spent (milliseconds); tests
  // replace it.
  std::function<void(int)> Sleep;
  int TimeoutMs = 15000;

  QAreaSeries* altSeries;
  QLineSeries* altUpper;
  QLineSeries* altLower;
  QValueAxis* altchartBottomAxis;
  QValueAxis* altchartLeftAxis;
  QMenu* pmnuAltChart;
  QAction *mnuShowAltChart2, *mnuFollowMode;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Answer {
    bool ok = false;
    int metres = 0;
  };
  Answer Query(const QString& latitude, const QString& longitude);
  // Tells of the current run of failures: its first time in a message,
  // always in the status bar.
  void ReportFailure();
  QString FailingNote() const;
  // How long the failing service is left alone yet; 0 when it may be asked.
  std::uint32_t BackOffLeftMs() const;
  void PlaceHighlight();
  double ValueAt(const QPointF& position) const;

  TMainFrame& frame_;
  QAction* mapMenuShowAltChart_ = nullptr;
  QList<QPointF> points_;
  QGraphicsEllipseItem* highlight_ = nullptr;
  QPointF marked_;
  bool running_ = false;
  // The run of failures (on while failure_ gives the reason): the tick
  // of its last request and whether the user has yet to be told.
  std::uint32_t failedAt_ = 0;
  // The same moment on the wall clock, for the time the status bar names.
  QDateTime failedWall_;
  QString failure_;
  bool failureAnswered_ = false;  // an error status, not silence
  bool failureUnshown_ = false;
  QString shownNote_;    // the note last put in the status bar
  bool askNow_ = false;  // the run is the user's command
};

// The elevation service's scheme and host: $TREVIK_ELEVATION_API_BASE, else
// the map provider's.
QString ElevationServiceBase();
