#pragma once
// The altitude chart under the map (altchart): the route's elevation profile
// over its running distance, and the elevation queries that feed it.
#include <QAction>
#include <QChartView>
#include <QMenu>
#include <QValueAxis>

class TMainFrame;

class TAltChart : public QChartView {
  Q_OBJECT
 public:
  TAltChart(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();

  int FetchElevation(double latitude, double longitude);
  void FetchRouteElevations(bool retry);
  void FillAltitudeChart();
  void MarkChartPoint(bool repaint);
  void SelectRouteFromChart(double km);

  QValueAxis* altchartBottomAxis;
  QValueAxis* altchartLeftAxis;
  QMenu* pmnuAltChart;
  QAction *mnuShowAltChart2, *mnuFollowMode;

 private:
  TMainFrame& frame_;
};
