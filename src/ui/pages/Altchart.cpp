#include "Altchart.h"

#include <QChart>

#include "Mainframe.h"
#include "Uibuild.h"

using namespace uibuild;

TAltChart::TAltChart(TMainFrame& frame, QWidget* parent) : QChartView(parent), frame_(frame) {
  setObjectName(QStringLiteral("altchart"));
  auto* chart = new QChart;
  chart->legend()->hide();
  altchartBottomAxis = new QValueAxis;
  altchartLeftAxis = new QValueAxis;
  altchartBottomAxis->setTitleText(QStringLiteral("Distance"));
  altchartLeftAxis->setTitleText(QStringLiteral("Altitude"));
  chart->addAxis(altchartBottomAxis, Qt::AlignBottom);
  chart->addAxis(altchartLeftAxis, Qt::AlignLeft);
  setChart(chart);
  setFixedHeight(144);
  setCursor(Qt::CrossCursor);

  pmnuAltChart = new QMenu(this);
  pmnuAltChart->setObjectName(QStringLiteral("pmnuAltChart"));
  mnuShowAltChart2 = MenuItem(pmnuAltChart, "mnuShowAltChart2", QStringLiteral("Altitude chart"));
  mnuShowAltChart2->setCheckable(true);
  mnuFollowMode = MenuItem(pmnuAltChart, "mnuFollowMode", QStringLiteral("Follow mode"));
  mnuFollowMode->setCheckable(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuAltChart->popup(mapToGlobal(p)); });
}

void TAltChart::ApplyLanguage() {
  altchartBottomAxis->setTitleText(Str(46));
  altchartLeftAxis->setTitleText(Str(22));
  // The menus take the option's caption.
  mnuShowAltChart2->setText(Str(62));
  mnuFollowMode->setText(Str(63));
}

// Filled in with the chart's own work.
int TAltChart::FetchElevation(double, double) { return 0; }
void TAltChart::FetchRouteElevations(bool) {}
void TAltChart::FillAltitudeChart() {}
void TAltChart::MarkChartPoint(bool) {}
void TAltChart::SelectRouteFromChart(double) {}
