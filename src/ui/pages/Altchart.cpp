#include "Altchart.h"

#include <QChart>
#include <QMouseEvent>
#include <QPen>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "Apconfig.h"
#include "Busycursor.h"
#include "Httpclient.h"
#include "Mainframe.h"
#include "Programpage.h"
#include "Routepage.h"
#include "Routestorage.h"
#include "Servicewait.h"
#include "Textfmt.h"
#include "Tickclock.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Utility.h"

using namespace uibuild;

namespace {

constexpr int kSmoothFactor = 8;
constexpr double kFlatBand = 20.0;
constexpr std::uint32_t kFailingRetryMs = 60000;
const QString kUnknown = QStringLiteral("0");
const QString kUnresolved = QString::number(ELEVATION_ERROR);

QColor FromBgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
std::uint32_t ToBgr(const QColor& c) {
  return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}

// 1, 2 or 5 times a power of ten, at least `step`.
double RoundStep(double step) {
  if (!(step > 0) || !std::isfinite(step)) return 1.0;
  const double power = std::pow(10.0, std::floor(std::log10(step)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= step) return m * power;
  return 10.0 * power;
}

// The axis makes its tick labels at once for each range and each spacing it
// is given: a range widened under the last, fine spacing (or a spacing
// refined before the range shrank) would make tens of thousands of them. So
// a coarser spacing goes first, a finer one last.
void SetScale(QValueAxis* axis, double min, double max, double interval) {
  const bool coarser = interval >= axis->tickInterval();
  if (coarser) axis->setTickInterval(interval);
  axis->setRange(min, max);
  if (!coarser) axis->setTickInterval(interval);
}

}  // namespace

QString ElevationServiceBase() {
  QString base = qEnvironmentVariable("TREVIK_ELEVATION_API_BASE");
  if (base.isEmpty()) base = QStringLiteral("https://maps.googleapis.com");
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  return base;
}

TAltChart::TAltChart(TMainFrame& frame, QWidget* parent) : QChartView(parent), frame_(frame) {
  setObjectName(QStringLiteral("altchart"));
  Sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setBackgroundBrush(Qt::white);
  chart->setMargins(QMargins(4, 4, 4, 4));
  altchartBottomAxis = new QValueAxis;
  altchartLeftAxis = new QValueAxis;
  altchartBottomAxis->setTitleText(tr("Distance"));
  altchartLeftAxis->setTitleText(tr("Altitude"));
  for (QValueAxis* axis : {altchartBottomAxis, altchartLeftAxis}) {
    axis->setLinePenColor(Qt::gray);
    axis->setGridLinePen(QPen(Qt::gray, 1, Qt::DotLine));
    axis->setLabelFormat(QStringLiteral("%g"));
  }
  chart->addAxis(altchartBottomAxis, Qt::AlignBottom);
  chart->addAxis(altchartLeftAxis, Qt::AlignLeft);
  altUpper = new QLineSeries(chart);
  altLower = new QLineSeries(chart);
  altSeries = new QAreaSeries(altUpper, altLower);
  altSeries->setName(QStringLiteral("altSeries"));
  chart->addSeries(altSeries);
  altSeries->attachAxis(altchartBottomAxis);
  altSeries->attachAxis(altchartLeftAxis);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setFixedHeight(144);
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);

  highlight_ = new QGraphicsEllipseItem(chart);
  highlight_->setPen(QPen(Qt::black, 1));
  highlight_->setBrush(QColor(0xFF, 0xFF, 0x00));
  highlight_->setZValue(100);
  highlight_->hide();
  connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceHighlight(); });

  pmnuAltChart = new QMenu(this);
  pmnuAltChart->setObjectName(QStringLiteral("pmnuAltChart"));
  mnuShowAltChart2 = MenuItem(pmnuAltChart, "mnuShowAltChart2", QStringLiteral("Altitude chart"));
  mnuShowAltChart2->setCheckable(true);
  mnuFollowMode = MenuItem(pmnuAltChart, "mnuFollowMode", QStringLiteral("Follow mode"));
  mnuFollowMode->setCheckable(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuAltChart->popup(mapToGlobal(p)); });
  connect(pmnuAltChart, &QMenu::aboutToShow, this, &TAltChart::pmnuAltChartPopup);
  connect(mnuShowAltChart2, &QAction::triggered, this, &TAltChart::mnuShowAltChartClick);
  connect(mnuFollowMode, &QAction::triggered, this, &TAltChart::mnuFollowModeClick);
  // Empty until the route list fills it (the pages come after the chart).
  // The distance scale has ticks in round steps from 0.
  SetScale(altchartBottomAxis, 0.0, 1.0, RoundStep(1.0 / 5));
  altchartBottomAxis->setTickAnchor(0.0);
  altchartBottomAxis->setTickType(QValueAxis::TicksDynamic);
  altchartLeftAxis->setRange(0.0, 100.0);
  altchartLeftAxis->setTickCount(3);
}

void TAltChart::AttachOptions(QAction* mapMenuShowAltChart) {
  mapMenuShowAltChart_ = mapMenuShowAltChart;
  TProgramPage& options = frame_.ProgramPage();
  connect(options.chkAltChart, &QCheckBox::clicked, this, &TAltChart::chkAltChartClick);
  connect(options.chkAltChartFollow, &QCheckBox::clicked, this, &TAltChart::chkAltChartFollowClick);
  connect(options.pnlAChartColor, &TClickLabel::clicked, this, &TAltChart::pnlAChartColorClick);
  connect(mapMenuShowAltChart, &QAction::triggered, this, &TAltChart::mnuShowAltChartClick);
}

void TAltChart::ApplyLanguage() {
  altchartBottomAxis->setTitleText(Str(46));
  altchartLeftAxis->setTitleText(Str(22));
  // The menus take the option's caption.
  mnuShowAltChart2->setText(Str(62));
  mnuFollowMode->setText(Str(63));
}

// ============================================================================
// elevation queries

std::uint32_t TAltChart::BackOffLeftMs() const {
  if (failure_.isEmpty()) return 0;
  const std::uint32_t since = tickclock::GetTickCount() - failedAt_;
  return since < kFailingRetryMs ? kFailingRetryMs - since : 0;
}

TAltChart::Answer TAltChart::Query(const QString& latitude, const QString& longitude) {
  Answer answer;
  // While the service keeps failing it is asked at most once a minute,
  // unless the user asks now.
  if (!askNow_ && BackOffLeftMs() > 0) return answer;
  QString url = ElevationServiceBase() + QStringLiteral("/maps/api/elevation/xml?locations=") + latitude +
                QLatin1Char(',') + longitude + QStringLiteral("&sensor=false");
  const QString key = qEnvironmentVariable("TREVIK_MAPS_API_KEY");
  if (!key.isEmpty()) url += QStringLiteral("&key=") + QString::fromLatin1(QUrl::toPercentEncoding(key));
  HttpRequest request = frame_.HGoogleRequest(url);
  request.timeoutMs = TimeoutMs;
  const HttpReply reply = WaitForService(frame_, tr("Waiting for the elevation service ..."), request);
  if (!reply.ok) {
    const QString reason = reply.error.isEmpty() ? tr("no reply") : reply.error;
    // The first failure of a run is yet to be told.
    if (failure_.isEmpty()) failureUnshown_ = true;
    // An error status is an answer; anything else is none.
    failure_ = reason;
    failureAnswered_ = reply.status >= 400;
    failedAt_ = tickclock::GetTickCount();
    failedWall_ = QDateTime::currentDateTime();
    return answer;
  }
  if (!failure_.isEmpty()) {
    if (!shownNote_.isEmpty() && frame_.StatusText(3) == shownNote_) frame_.SetStatusText(3, QString());
    shownNote_.clear();
    failure_.clear();
    failureUnshown_ = false;
  }
  answer.ok = true;
  answer.metres = ParseElevationBody(reply.body, Sleep);
  return answer;
}

QString TAltChart::FailingNote() const {
  // A clock time stays true while the note stands; a count of seconds would
  // not.
  const QString retry = failedWall_.addMSecs(kFailingRetryMs).toString(QStringLiteral("HH:mm:ss"));
  // The time first: a narrow status bar cuts the end.
  //: Status bar note; %1 is the reason, e.g. "timed out"; %2 the time of day
  //: (hours:minutes:seconds) before which the program does not ask the service again by itself
  return failureAnswered_
             ? tr("Elevation service failing, not asked again on its own before %2: answered with an error (%1)")
                   .arg(failure_, retry)
             : tr("Elevation service failing, not asked again on its own before %2: gave no answer (%1)")
                   .arg(failure_, retry);
}

void TAltChart::ReportFailure() {
  shownNote_ = FailingNote();
  frame_.SetStatusText(3, shownNote_);
  // One message per run of failures; the rest of the run goes to the status
  // bar only.
  if (!failureUnshown_) return;
  failureUnshown_ = false;
  const QString text = failureAnswered_ ? tr("The elevation service answered with an error (%1).").arg(failure_)
                                        : tr("The elevation service gave no answer (%1).").arg(failure_);
  UiServices::Get().MessageBox(text, Str(115), UiServices::Icon::Error);
}

int TAltChart::FetchElevation(double latitude, double longitude) {
  const Answer answer = Query(textfmt::FloatToQStr(latitude), textfmt::FloatToQStr(longitude));
  if (!answer.ok) {
    ReportFailure();
    return 0;
  }
  return answer.metres == ELEVATION_ERROR ? 0 : answer.metres;
}

void TAltChart::FetchRouteElevations(bool retry, bool now) {
  // A click while a run waits (its message is open) starts no second one.
  if (running_) return;
  running_ = true;
  askNow_ = now;
  QTreeWidget* list = frame_.RoutePage().lvRoute;
  bool failed = false;
  {
    BusyCursor busy;
    const int rounds = retry ? 2 : 1;
    QString target = kUnknown;
    for (int round = 0; round < rounds && !failed; ++round) {
      const bool last = round == rounds - 1;
      for (int j = 0; j < list->topLevelItemCount() && !failed; ++j) {
        QTreeWidgetItem* row = list->topLevelItem(j);
        if (row->text(TRoutePage::colAltitude) != target) continue;
        const QString lat = row->text(TRoutePage::colLat), lng = row->text(TRoutePage::colLng);
        Answer answer = Query(lat, lng);
        if (answer.ok && answer.metres == ELEVATION_ERROR) answer = Query(lat, lng);
        if (!answer.ok) {
          failed = true;
          break;
        }
        int metres = answer.metres;
        if (metres == ELEVATION_ERROR && last) metres = 0;
        row->setText(TRoutePage::colAltitude, QString::number(metres));
        // The store takes final values only; an unresolved row waits for the
        // next round.
        if (metres != ELEVATION_ERROR) routeStorage.SetElevation(j, metres);
      }
      target = kUnresolved;
    }
    // A run cut short leaves its unresolved rows unknown, as the store has them.
    for (int j = 0; j < list->topLevelItemCount(); ++j)
      if (list->topLevelItem(j)->text(TRoutePage::colAltitude) == kUnresolved)
        list->topLevelItem(j)->setText(TRoutePage::colAltitude, kUnknown);
  }
  // New elevations may be wider than the column.
  FitColumns(list, list->header(), true);
  if (failed) ReportFailure();
  askNow_ = false;
  running_ = false;
  FillAltitudeChart();
}

// ============================================================================
// the chart

QList<QPointF> TAltChart::SmoothCurve(const QList<QPointF>& input, int factor) {
  // The curve is a function of x: a repeated x (a leg of 0 km) keeps the later
  // elevation.
  QList<QPointF> p;
  for (const QPointF& q : input) {
    if (!std::isfinite(q.x()) || !std::isfinite(q.y())) continue;
    if (!p.isEmpty() && q.x() <= p.back().x())
      p.back().setY(q.y());
    else
      p << q;
  }
  const qsizetype n = p.size();
  if (n < 3 || factor < 2) return p;
  // Monotone cubic (Fritsch-Carlson): passes through every point without
  // overshooting between them.
  const std::size_t count = std::size_t(n);
  std::vector<double> h(count - 1), delta(count - 1), m(count);
  for (qsizetype k = 0; k + 1 < n; ++k) {
    h[std::size_t(k)] = p[k + 1].x() - p[k].x();
    delta[std::size_t(k)] = (p[k + 1].y() - p[k].y()) / h[std::size_t(k)];
  }
  m[0] = delta[0];
  m[std::size_t(n - 1)] = delta[std::size_t(n - 2)];
  for (std::size_t k = 1; k + 1 < std::size_t(n); ++k) {
    if (delta[k - 1] * delta[k] <= 0) {
      m[k] = 0;
    } else {
      const double w1 = 2 * h[k] + h[k - 1], w2 = h[k] + 2 * h[k - 1];
      m[k] = (w1 + w2) / (w1 / delta[k - 1] + w2 / delta[k]);
    }
  }
  if (delta[0] * m[0] <= 0) m[0] = 0;
  if (delta[std::size_t(n - 2)] * m[std::size_t(n - 1)] <= 0) m[std::size_t(n - 1)] = 0;
  QList<QPointF> out;
  out.reserve((n - 1) * factor + 1);
  out << p[0];
  for (std::size_t k = 0; k + 1 < std::size_t(n); ++k) {
    const double x0 = p[qsizetype(k)].x(), y0 = p[qsizetype(k)].y(), y1 = p[qsizetype(k) + 1].y();
    for (int s = 1; s <= factor; ++s) {
      const double t = double(s) / factor, t2 = t * t, t3 = t2 * t;
      const double y = (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * h[k] * m[k] + (-2 * t3 + 3 * t2) * y1 +
                       (t3 - t2) * h[k] * m[k + 1];
      out << QPointF(s == factor ? p[qsizetype(k) + 1].x() : x0 + t * h[k], s == factor ? y1 : y);
    }
  }
  return out;
}

void TAltChart::FillAltitudeChart() {
  points_.clear();
  const QTreeWidget* list = frame_.RoutePage().lvRoute;
  for (int j = 0; j < list->topLevelItemCount(); ++j) {
    const QTreeWidgetItem* row = list->topLevelItem(j);
    points_ << QPointF(textfmt::StrToFloatDef(row->text(TRoutePage::colTotal), 0.0),
                       textfmt::StrToIntDef(row->text(TRoutePage::colAltitude), 0));
  }
  const QList<QPointF> curve = SmoothCurve(points_, kSmoothFactor);
  double xMax = 0, yMin = 0, yMax = 0;
  for (qsizetype i = 0; i < curve.size(); ++i) {
    xMax = std::max(xMax, curve[i].x());
    yMin = i == 0 ? curve[i].y() : std::min(yMin, curve[i].y());
    yMax = i == 0 ? curve[i].y() : std::max(yMax, curve[i].y());
  }
  // A flat route would shrink the area to a line on the axis: it gets a
  // band of kFlatBand metres around its one elevation, not below 0 for a
  // route above sea level.
  if (!curve.isEmpty() && yMax == yMin) {
    const double level = yMin;
    yMin = level - kFlatBand / 2;
    yMax = level + kFlatBand / 2;
    if (level >= 0 && yMin < 0) yMin = 0;
  }
  const double span = std::max(yMax - yMin, 10.0);
  // An empty chart keeps the scale it starts with. The scale starts at the
  // round step at or below the lowest point, so rows at 0 m stand on 0; room
  // is left above the highest.
  const double bottom = curve.isEmpty() ? 0.0 : yMin;
  const double top = curve.isEmpty() ? 100.0 : std::ceil(yMax + span * 0.1);
  // The distance scale ends with the route, in round steps; the altitude
  // scale is widened to round numbers and the area stands on its lowest one.
  const double xEnd = xMax > 0 ? xMax : 1.0;
  SetScale(altchartBottomAxis, 0.0, xEnd, RoundStep(xEnd / 5));
  // At most five altitude labels, on round numbers: the chart is too low for
  // more, and the axis would show "..." in place of labels that do not fit.
  double step = RoundStep((top - bottom) / 4);
  while (std::ceil(top / step) - std::floor(bottom / step) > 4) step = RoundStep(step * 1.5);
  const double low = std::floor(bottom / step) * step, high = std::ceil(top / step) * step;
  altchartLeftAxis->setRange(low, high);
  altchartLeftAxis->setTickCount(int(std::lround((high - low) / step)) + 1);
  QList<QPointF> floor;
  for (const QPointF& q : curve) floor << QPointF(q.x(), altchartLeftAxis->min());
  altUpper->replace(curve);
  altLower->replace(floor);
  const QColor colour = FromBgr(apConfig->AltchartCol);
  altSeries->setColor(colour);
  altSeries->setBorderColor(colour.darker(130));
  // A new fill takes the old highlight away.
  highlight_->hide();
}

void TAltChart::PlaceHighlight() {
  if (!highlight_->isVisible()) return;
  const QPointF at = chart()->mapToPosition(marked_, altSeries);
  // The circle's lowest point touches the point.
  highlight_->setRect(at.x() - 5, at.y() - 10, 10, 10);
}

std::optional<QPointF> TAltChart::HighlightPosition() const {
  if (!highlight_->isVisible()) return std::nullopt;
  const QRectF r = highlight_->rect();
  return mapFromScene(highlight_->mapToScene(QPointF(r.center().x(), r.bottom())));
}

void TAltChart::MarkChartPoint(bool repaint) {
  const QTreeWidget* list = frame_.RoutePage().lvRoute;
  const QList<QTreeWidgetItem*> selected = list->selectedItems();
  if (list->topLevelItemCount() == 0 || selected.isEmpty()) return;
  if (repaint) highlight_->hide();
  int row = list->topLevelItemCount();
  for (QTreeWidgetItem* item : selected) row = std::min(row, list->indexOfTopLevelItem(item));
  const QTreeWidgetItem* item = list->topLevelItem(row);
  marked_ = QPointF(textfmt::StrToFloatDef(item->text(TRoutePage::colTotal), 0.0),
                    textfmt::StrToIntDef(item->text(TRoutePage::colAltitude), 0));
  highlight_->show();
  PlaceHighlight();
}

void TAltChart::SelectRouteFromChart(double km) {
  const QTreeWidget* list = frame_.RoutePage().lvRoute;
  const int rows = list->topLevelItemCount();
  if (rows == 0) return;
  auto total = [list](int k) { return textfmt::StrToFloatDef(list->topLevelItem(k)->text(TRoutePage::colTotal), 0.0); };
  int k = 0;
  while (k < rows && total(k) < km) ++k;
  if (k == rows) return;
  const double previous = k == 0 ? 0.0 : total(k - 1);
  const int chosen = std::fabs(km - previous) < std::fabs(total(k) - km) ? k - 1 : k;
  frame_.SelectRoutePoint(std::max(chosen, 0));
}

double TAltChart::ValueAt(const QPointF& position) const {
  return chart()->mapToValue(chart()->mapFromScene(mapToScene(position.toPoint())), altSeries).x();
}

void TAltChart::altchartMouseMove(const QPointF& position) {
  if (!(apConfig->Altchart & kAltchartFollow)) return;
  SelectRouteFromChart(ValueAt(position));
}

void TAltChart::altchartMouseDown(Qt::MouseButton button, const QPointF& position) {
  if (button == Qt::LeftButton) SelectRouteFromChart(ValueAt(position));
}

void TAltChart::mouseMoveEvent(QMouseEvent* event) {
  altchartMouseMove(event->position());
  QChartView::mouseMoveEvent(event);
}

void TAltChart::mousePressEvent(QMouseEvent* event) {
  altchartMouseDown(event->button(), event->position());
  QChartView::mousePressEvent(event);
}

// ============================================================================
// options and menus

void TAltChart::chkAltChartClick() {
  TProgramPage& options = frame_.ProgramPage();
  const bool on = options.chkAltChart->isChecked();
  apConfig->Altchart = std::uint16_t(on ? apConfig->Altchart | kAltchartShown : apConfig->Altchart & ~kAltchartShown);
  options.chkAltChartFollow->setEnabled(on);
  if (!on) return;
  // The chart was not kept up to date while it was off.
  if (frame_.RoutePage().RowCount() > 0)
    FetchRouteElevations(true);
  else
    FillAltitudeChart();
}

void TAltChart::chkAltChartFollowClick() {
  const bool on = frame_.ProgramPage().chkAltChartFollow->isChecked();
  apConfig->Altchart =
      std::uint16_t(on ? apConfig->Altchart | kAltchartFollow : apConfig->Altchart & ~kAltchartFollow);
}

void TAltChart::mnuShowAltChartClick() {
  QCheckBox* box = frame_.ProgramPage().chkAltChart;
  box->setChecked(!box->isChecked());
  chkAltChartClick();
  setVisible((apConfig->Altchart & kAltchartShown) != 0);
  frame_.FormResize();
}

void TAltChart::mnuFollowModeClick() {
  QCheckBox* box = frame_.ProgramPage().chkAltChartFollow;
  box->setChecked(!box->isChecked());
  chkAltChartFollowClick();
}

void TAltChart::pmnuAltChartPopup() {
  mnuFollowMode->setChecked((apConfig->Altchart & kAltchartFollow) != 0);
  mnuShowAltChart2->setChecked((apConfig->Altchart & kAltchartShown) != 0);
}

void TAltChart::pnlAChartColorClick() {
  TClickLabel* panel = frame_.ProgramPage().pnlAChartColor;
  const std::optional<QColor> chosen = UiServices::Get().PickColour(panel->palette().color(QPalette::Window));
  if (!chosen) return;
  uibuild::SetPanelColour(panel, *chosen);
  apConfig->AltchartCol = ToBgr(*chosen);
  FillAltitudeChart();
}
