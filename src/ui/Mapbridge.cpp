// The main window's map page operations: generating and loading the page,
// script calls and read-backs, the click reports and page switching.
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Apconfig.h"
#include "Busycursor.h"
#include "Desktop.h"
#include "Deststorage.h"
#include "Googlehtml.h"
#include "Httpclient.h"
#include "Jsescape.h"
#include "Mainform.h"
#include "Pathmanager.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Uibuild.h"
#include "Uiservices.h"

using uibuild::Str;

namespace {

// Tells whether the page control's current tab changes by the user's hand
// (a click or a key on the tabs) rather than by the program, which does
// its own follow-up when it switches pages.
class TabInputWatch : public QObject {
 public:
  using QObject::QObject;
  bool userInput = false;
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::KeyPress || t == QEvent::Wheel) {
      userInput = true;
      QTimer::singleShot(0, this, [this] { userInput = false; });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void TFormMain::BuildMapView() {
  mapView_ = CreateMapView(CppWebBrowser);
  auto* layout = new QVBoxLayout(CppWebBrowser);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mapView_->Widget());
  mapView_->onLoaded = [this](bool ok) { CppWebBrowserDocumentComplete(ok); };
  mapView_->onReport = [this](const QString& report) { OnMapClick(report); };

  auto* tabInput = new TabInputWatch(this);
  PageControl->installEventFilter(tabInput);
  PageControl->tabBar()->installEventFilter(tabInput);
  connect(PageControl, &QTabWidget::currentChanged, this, [this, tabInput](int index) {
    if (!tabInput->userInput) return;
    tabInput->userInput = false;
    PageControlChange(index);
  });
  connect(btnGoogleSearch, &QToolButton::clicked, this, [this] { btnGoogleSearchClick(); });
  connect(tmZoomLevel, &QTimer::timeout, this, &TFormMain::tmZoomLevelTimer);
  connect(mnuGetZoom, &QAction::triggered, this, &TFormMain::mnuGetZoomClick);
}

void TFormMain::RefreshMap(double, double noAutoZoom) {
  const QString path = pathManager->GetWebDir() + QLatin1Char('/') + kMapPageFileName;
  if (apConfig->AutoZoom && noAutoZoom == 0.0) ZoomPending = true;
  BusyCursor busy;

  TGoogleHtml html(path);
  html.SetSize(CppWebBrowser->width(), CppWebBrowser->height());
  html.OpMode = Mode;
  apConfig->Mapmode = GetMapMode();
  apConfig->Mapzoom = GetZoomValue();
  html.MapMode = apConfig->Mapmode;
  html.ZoomValue = apConfig->Mapzoom;
  html.ShowPOI = pgWaypoint->ShowOnMap();
  html.ShowRoute = pgRoute->ShowOnMap();
  html.BoostMode = apConfig->Boostmode;
  SetStatusText(3, QString());
  const bool written = html.Generate();
  if (html.BoostNote) SetStatusText(3, StatusNote::Fixed(QStringLiteral("Boostmode")));
  if (!written) {
    // The browser keeps the page it shows.
    ZoomPending = false;
    SetStatusText(2, Str(168));
    //: %1 is the reason the page file could not be written
    SetStatusText(3, tr("Can not write map page: %1").arg(html.Error));
    return;
  }
  // The track page names lines by their place on this page.
  pgTrack->MapPageWritten();
  PageLoaded = false;
  mapView_->Navigate(path);
}

void TFormMain::UpdateMapMode() {
  QWidget* page = PageControl->currentWidget();
  if (page == pgDest)
    Mode = omDestination;
  else if (page == pgRoute)
    Mode = omRoute;
  else if (page == pgWaypoint)
    Mode = omWaypoint;
  else if (page == pgTrack)
    Mode = omTrack;
  RefreshMap(0.0, 0.0);
}

void TFormMain::ExecScript(const QString& script) {
  if (!PageLoaded || !mapView_) return;
  mapView_->RunScript(script);
}

std::optional<int> TFormMain::GetScriptInt(const QString&, const QString& id, const QString&) {
  if (!PageLoaded || !mapView_) return std::nullopt;
  const std::optional<QString> value = mapView_->ReadValue(id);
  int n = 0;
  if (!value || !textfmt::TryStrToInt(value->trimmed(), n)) return std::nullopt;
  return n;
}

bool TFormMain::GetScriptLatLng(double& latitude, double& longitude) {
  if (!PageLoaded || !mapView_) return false;
  bool both = true;
  for (auto [id, out] : {std::pair{QStringLiteral("result"), &latitude},
                         std::pair{QStringLiteral("result2"), &longitude}}) {
    const std::optional<QString> value = mapView_->ReadValue(id);
    double v = 0;
    if (value && textfmt::TryStrToFloat(value->trimmed(), v) && std::isfinite(v))
      *out = v;
    else
      both = false;
  }
  return both;
}

int TFormMain::GetMapMode() {
  ExecScript(QStringLiteral("getMapMode()"));
  if (const auto v = GetScriptInt(QStringLiteral("input"), QStringLiteral("result"), QStringLiteral("value")))
    apConfig->Mapmode = *v;
  return apConfig->Mapmode;
}

int TFormMain::GetZoomValue() {
  ExecScript(QStringLiteral("getZoomValue()"));
  if (const auto v = GetScriptInt(QStringLiteral("input"), QStringLiteral("result"), QStringLiteral("value")))
    apConfig->Mapzoom = *v;
  return apConfig->Mapzoom;
}

void TFormMain::CppWebBrowserDocumentComplete(bool ok) {
  const bool zoom = ZoomPending;
  ZoomPending = false;
  PageLoaded = ok;
  if (!ok) return;
  if (apConfig->Beep) desktop::Beep(2345, 100);
  if (zoom) tmZoomLevel->start();
  if (btnGoogleSearch->isChecked()) ExecScript(QStringLiteral("showGoogleSearch(true)"));
}

void TFormMain::FormResize() {
  ExecScript(QStringLiteral("resizeMap(%1,%2)").arg(CppWebBrowser->width()).arg(CppWebBrowser->height()));
}

void TFormMain::btnGoogleSearchClick() {
  const bool shown = btnGoogleSearch->isChecked();
  ExecScript(shown ? QStringLiteral("showGoogleSearch(true)") : QStringLiteral("showGoogleSearch(false)"));
  // What the user types next goes into the search that the page focuses.
  if (shown && mapView_) mapView_->Widget()->setFocus(Qt::ShortcutFocusReason);
}

void TFormMain::tmZoomLevelTimer() {
  tmZoomLevel->stop();
  btnGetZoomLevelClick();
}

void TFormMain::mnuGetZoomClick() { tmZoomLevelTimer(); }

void TFormMain::PageControlChange(int) {
  QWidget* page = PageControl->currentWidget();
  const bool chart = (apConfig->Altchart & kAltchartShown) != 0;
  if (page == pgDest) {
    ExecScript(QStringLiteral("changeOpMode(OP_MODE.DST)"));
    Mode = omDestination;
    altchart->hide();
  } else if (page == pgWaypoint) {
    ExecScript(QStringLiteral("changeOpMode(OP_MODE.WPT)"));
    Mode = omWaypoint;
    altchart->hide();
  } else if (page == pgRoute) {
    ExecScript(QStringLiteral("changeOpMode(OP_MODE.RTE)"));
    Mode = omRoute;
    altchart->setVisible(chart);
  } else if (page == pgTrack) {
    ExecScript(QStringLiteral("changeOpMode(OP_MODE.TRK)"));
    Mode = omTrack;
    altchart->hide();
  } else if (page == pgConfig) {
    pgConnect->OfferDeviceManager();
    altchart->hide();
  }
  FormResize();
  if (page == pgConfig && PageControl1->currentWidget() == pgConnect) pgConnect->FillComPortCombo();
}

void TFormMain::OnMapClick(const QString& report) {
  // A report that arrives while the page is being read, while an earlier
  // click is still being handled (a dialog is open) or while a web service's
  // answer is awaited would change the lists under the waiting handler: it
  // waits its turn, and so does each retry.
  if (inMapClick_ || HttpClient::Waiting() || (mapView_ && mapView_->Reading())) {
    QTimer::singleShot(20, this, [this, report] { OnMapClick(report); });
    return;
  }
  // The next regeneration clears these notes with the rest of panel 3.
  if (report == kMapUnavailableReport) {
    SetStatusText(3, [] { return tr("Can not load the map"); });
    // The page's own note in the map area, in the chosen language.
    if (mapView_)
      mapView_->RunScript(QStringLiteral("var n = document.getElementById('map_note'); if (n) n.textContent = '") +
                          EscapeJsString(tr("The map could not be loaded.")) + QStringLiteral("';"));
    return;
  }
  if (report == kPlaceSearchUnavailableReport) {
    SetStatusText(3, [] { return tr("The place search is not available."); });
    return;
  }
  inMapClick_ = true;
  try {
    HandleMapClick(report);
  } catch (...) {
    inMapClick_ = false;
    throw;
  }
  inMapClick_ = false;
}

void TFormMain::HandleMapClick(const QString& report) {
  int index = -1;
  double lat = 0, lng = 0;
  const MapCommand command = ParseMapMessage(report, index, lat, lng);
  if (command == mcNone) return;
  if (command == mcCenter) {
    TGoogleHtml::SetMapCenter(lat, lng);
    return;
  }
  auto& ui = UiServices::Get();

  switch (Mode) {
    case omDestination: {
      if (!apConfig->Destination) return;
      if (!destStorage.FirstCategory()) {
        ui.MessageBox(Str(128), Str(127), UiServices::Icon::Error);
        if (command == mcAdd) ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
        return;
      }
      if (command != mcAdd) return;
      if (pgDest->RowCount() >= 100) {
        ui.MessageBox(Str(136), Str(115), UiServices::Icon::Information);
        ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
        return;
      }
      double editLat = lat, editLng = lng;
      QString title;
      if (AddDestinationAt(editLat, editLng, title)) {
        ExecScript(TDestPage::AddPointScript(editLat, editLng, title));
        FillDestList();
      } else {
        ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
      }
      return;
    }
    case omRoute: {
      const int rows = pgRoute->RowCount();
      if (command == mcAdd) {
        // The page shows the clicked point already; a refusal takes it back.
        const QString takeBack = QStringLiteral("rte_deletePoint(%1)").arg(routeStorage.Count());
        if (rows >= 100) {
          ui.MessageBox(Str(136), Str(115), UiServices::Icon::Information);
          ExecScript(takeBack);
          return;
        }
        const RouteAddResult result = routeStorage.AddNumberedPoint(std::size_t(rows), lat, lng, ttNone);
        if (result == raAdded) {
          FillRouteList(true, false);
          pgRoute->ShowRow(pgRoute->RowCount() - 1);
        } else {
          ui.MessageBox(Str(136), Str(115), UiServices::Icon::Error);
          ExecScript(takeBack);
        }
        return;
      }
      if (index < 0 || rows == 0) return;
      // A report past the end (the page counts its own points) means the last
      // row, so map and list stay together.
      index = std::min(index, rows - 1);
      if (command == mcModify) {
        routeStorage.SetPosition(index, lat, lng, -1);
        if (apConfig->Altchart & kAltchartShown)
          routeStorage.SetElevation(index, FetchElevation(lat, lng));
        FillRouteList(true, true);
      }
      pgRoute->ShowRow(index);
      return;
    }
    case omWaypoint: {
      if (command != mcAdd) return;
      if (pgWaypoint->RowCount() >= 100) {
        ui.MessageBox(Str(136), Str(115), UiServices::Icon::Information);
        ExecScript(QStringLiteral("showPreMarkerWPT('', false)"));
        return;
      }
      const QString call = AddWaypointAt(lat, lng);
      ExecScript(QStringLiteral("showPreMarkerWPT('', false)"));
      if (!call.isEmpty()) {
        ExecScript(call);
        FillWptList();
      }
      return;
    }
    case omTrack:
      return;
  }
}

