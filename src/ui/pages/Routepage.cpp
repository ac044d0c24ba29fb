#include "Routepage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Altchart.h"
#include "Apconfig.h"
#include "Busycursor.h"
#include "Controls.h"
#include "Devicepages.h"
#include "Filefailure.h"
#include "Folders.h"
#include "Frmrouteeditor.h"
#include "Mainframe.h"
#include "Pathmanager.h"
#include "Routestorage.h"
#include "Templateexport.h"
#include "Textfmt.h"
#include "Trackpage.h"
#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Utility.h"

using namespace uibuild;

TRoutePage::TRoutePage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgRoute"));
  pmnuRoute = new QMenu(this);
  pmnuRoute->setObjectName(QStringLiteral("pmnuRoute"));
  mnuAddlvPoint = MenuItem(pmnuRoute, "mnuAddlvPoint", QStringLiteral("Add"));
  mnuDeletelvPoint = MenuItem(pmnuRoute, "mnuDeletelvPoint", QStringLiteral("Delete"));
  mnuGetElevation = MenuItem(pmnuRoute, "mnuGetElevation", QStringLiteral("Get elevation"));
  mnuCloseLoop2 = MenuItem(pmnuRoute, "mnuCloseLoop2", QStringLiteral("Close loop"));

  auto* page = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  imgRoute = Label(this, "imgRoute", QString());
  imgRoute->setFixedSize(16, 16);
  chkShowRoute = CheckBox(this, "chkShowRoute", QStringLiteral("Show on map"));
  chkShowRoute->setChecked(true);
  // A long caption wraps rather than widening the page panel or being cut.
  chkGenArrows = new TWrapCheckBox(QStringLiteral("Auto generate arrows only for new added route points"), this);
  chkGenArrows->setObjectName(QStringLiteral("chkGenArrows"));
  head->addWidget(imgRoute);
  head->addWidget(chkShowRoute);
  head->addStretch(1);
  page->addLayout(head);
  page->addWidget(chkGenArrows);
  lvRoute = ListView(this, "lvRoute",
                     {QStringLiteral("Turn"), QStringLiteral("Title"), QStringLiteral("Latitude"),
                      QStringLiteral("Longitude"), QStringLiteral("Distance"), QStringLiteral("Total"),
                      QStringLiteral("Altitude")},
                     {50, 90, 70, 70, 60, 60, 50}, true);
  lvRoute->setIconSize(QSize(16, 16));
  lvRoute->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lvRoute, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuRoute->popup(lvRoute->viewport()->mapToGlobal(p)); });
  page->addWidget(lvRoute, 1);
  auto* total = new QHBoxLayout;
  lblTotalDistance = Label(this, "lblTotalDistance", QStringLiteral("Total distance"));
  TotalRouteDistance = Label(this, "TotalRouteDistance", QStringLiteral("0"));
  total->addWidget(lblTotalDistance);
  total->addWidget(TotalRouteDistance);
  total->addStretch(1);
  page->addLayout(total);

  tbRouteOpen = PageTool(this, "tbRouteOpen", QStringLiteral("Open"));
  tbRouteSave = PageTool(this, "tbRouteSave", QStringLiteral("Save"));
  tbgRouteKML = PageTool(this, "tbgRouteKML", QStringLiteral("Google Earth"));
  tbgRouteGPX = PageTool(this, "tbgRouteGPX", QStringLiteral("GPX"));
  tbgRouteDeviceUp = PageTool(this, "tbgRouteDeviceUp", QStringLiteral("Upload"));
  tbgRouteDeviceDown = PageTool(this, "tbgRouteDeviceDown", QStringLiteral("Download"));
  tbRouteTableAdd = PageTool(this, "tbRouteTableAdd", QStringLiteral("Add"));
  tbRouteTableMod = PageTool(this, "tbRouteTableMod", QStringLiteral("Modify"));
  tbRouteTableDel = PageTool(this, "tbRouteTableDel", QStringLiteral("Delete"));
  tbRouteTableClear = PageTool(this, "tbRouteTableClear", QStringLiteral("Clear"));
  lblFile3 = Label(this, "lblFile3", QStringLiteral("File"));
  lblDevice3 = Label(this, "lblDevice3", QStringLiteral("Device"));
  lblTable3 = Label(this, "lblTable3", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile3, {tbRouteOpen, tbRouteSave, tbgRouteKML, tbgRouteGPX}));
  side->addWidget(SideGroup(this, lblDevice3, {tbgRouteDeviceUp, tbgRouteDeviceDown}));
  side->addWidget(SideGroup(this, lblTable3,
                            {tbRouteTableAdd, tbRouteTableMod, tbRouteTableDel, tbRouteTableClear}));
  page->addLayout(side);

  connect(lvRoute, &QTreeWidget::itemSelectionChanged, this, &TRoutePage::lvRouteSelectItem);
  connect(lvRoute, &QTreeWidget::itemDoubleClicked, this, [this] { lvRouteDblClick(); });
  connect(tbRouteOpen, &QToolButton::clicked, this, &TRoutePage::bgRouteFile_OpenClick);
  connect(tbRouteSave, &QToolButton::clicked, this, &TRoutePage::bgRouteFile_SaveClick);
  connect(tbgRouteGPX, &QToolButton::clicked, this, &TRoutePage::tbgRouteGPXClick);
  connect(tbgRouteKML, &QToolButton::clicked, this, &TRoutePage::tbgRouteKMLClick);
  connect(tbRouteTableAdd, &QToolButton::clicked, this, &TRoutePage::bgRouteTable_AddClick);
  connect(tbRouteTableMod, &QToolButton::clicked, this, &TRoutePage::lvRouteDblClick);
  connect(tbRouteTableDel, &QToolButton::clicked, this, &TRoutePage::bgRouteTable_DeleteClick);
  connect(tbRouteTableClear, &QToolButton::clicked, this, &TRoutePage::bgRouteTableItems3Click);
  connect(chkShowRoute, &QCheckBox::clicked, this, &TRoutePage::chkShowRouteClick);
  connect(pmnuRoute, &QMenu::aboutToShow, this, &TRoutePage::pmnuRoutePopup);
  connect(mnuAddlvPoint, &QAction::triggered, this, &TRoutePage::mnuAddlvPointClick);
  connect(mnuDeletelvPoint, &QAction::triggered, this, &TRoutePage::bgRouteTable_DeleteClick);
  connect(mnuGetElevation, &QAction::triggered, this, &TRoutePage::mnuGetElevationClick);
  connect(mnuCloseLoop2, &QAction::triggered, this, &TRoutePage::mnuCloseLoopClick);
}

void TRoutePage::AttachFrameControls(const TRouteMapMenu& map) {
  mapMenu = map;
  connect(map.menu, &QMenu::aboutToShow, this, &TRoutePage::mnuMapPopup);
  connect(map.mnuAddPoint, &QAction::triggered, this, &TRoutePage::mnuAddPointClick);
  connect(map.mnuModifylvPoint, &QAction::triggered, this, &TRoutePage::lvRouteDblClick);
  connect(map.mnuDeletePoint, &QAction::triggered, this, &TRoutePage::bgRouteTable_DeleteClick);
  connect(map.mnuCloseLoop, &QAction::triggered, this, &TRoutePage::mnuCloseLoopClick);
  connect(map.mnuCalc, &QAction::triggered, this, [this] { CalcRouteArrows(false); });
  connect(frame_.TrackPage().spdAutoGeneratorTrk, &QToolButton::clicked, this,
          &TRoutePage::GenerateRouteFromTrack);
  connect(frame_.DeviceSetPage().cmbLengthUnit, &QComboBox::currentIndexChanged, this,
          &TRoutePage::cmbLengthUnitChange);
}

void TRoutePage::ApplyLanguage() {
  const int routeColumns[7] = {17, 10, 15, 16, 46, 21, 22};
  for (int c = 0; c < 7; ++c) lvRoute->headerItem()->setText(c, Str(routeColumns[c]));
  FitColumns(lvRoute, lvRoute->header());
  tbRouteOpen->setToolTip(Str(99));
  tbRouteSave->setToolTip(Str(100));
  tbgRouteDeviceUp->setToolTip(Str(101));
  tbgRouteDeviceDown->setToolTip(Str(102));
  tbRouteTableAdd->setToolTip(Str(103));
  tbRouteTableMod->setToolTip(Str(104));
  tbRouteTableDel->setToolTip(Str(105));
  tbRouteTableClear->setToolTip(Str(106));
  tbgRouteGPX->setToolTip(Str(108));
  chkShowRoute->setText(Str(148));
  chkGenArrows->setText(Str(20));
  lblTotalDistance->setText(Str(21));
  lblFile3->setText(Str(96));
  lblDevice3->setText(Str(97));
  lblTable3->setText(Str(98));
  mnuCloseLoop2->setText(Str(169));
  mnuAddlvPoint->setText(Str(156));
  mnuDeletelvPoint->setText(Str(105));
  mnuGetElevation->setText(Str(19));
}

int TRoutePage::RowCount() const { return lvRoute->topLevelItemCount(); }

void TRoutePage::SelectRow(int row) {
  QTreeWidgetItem* item = row >= 0 ? lvRoute->topLevelItem(row) : nullptr;
  if (!item) return;
  quietSelection_ = true;
  lvRoute->clearSelection();
  lvRoute->setCurrentItem(item);
  item->setSelected(true);
  lvRoute->scrollToItem(item);
  quietSelection_ = false;
}

void TRoutePage::ShowRow(int row) {
  SelectRow(row);
  if (ChartShown()) frame_.MarkChartPoint(true);
}

void TRoutePage::SelectRoutePoint(int row) {
  if (row < 0 || row >= RowCount()) return;
  SelectRow(row);
  lvRouteSelectItem();
}

// ============================================================================
// helpers

namespace {

using Icon = UiServices::Icon;

QString Num(double v) { return textfmt::FloatToQStr(v); }

// Legs and totals are kept to five decimals, cut, not rounded.
double Truncate5(double km) { return std::trunc(km * 100000.0) * 0.00001; }

}  // namespace

TurnType TRoutePage::TurnOfHeadingChange(int d) {
  if (d <= 22 || d >= 338) return ttStraight;
  if (d <= 67) return ttSlightRight;
  if (d <= 112) return ttRight;
  if (d <= 157) return ttSharpRight;
  if (d <= 202) return ttUTurn;
  if (d <= 247) return ttSharpLeft;
  if (d <= 292) return ttLeft;
  return ttSlightLeft;
}

double TRoutePage::RowValue(int row, Column column) const {
  const QTreeWidgetItem* item = lvRoute->topLevelItem(row);
  return item ? textfmt::StrToFloatDef(item->text(column), 0.0) : 0.0;
}

QList<int> TRoutePage::SelectedRows() const {
  QList<int> rows;
  for (QTreeWidgetItem* item : lvRoute->selectedItems()) rows << lvRoute->indexOfTopLevelItem(item);
  // Row order, whatever order the rows were clicked in.
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool TRoutePage::ChartShown() const { return (apConfig->Altchart & kAltchartShown) != 0; }

bool TRoutePage::RouteHasRoom() {
  if (RowCount() < RouteStorage::MaxPoints && routeStorage.Count() < std::size_t(RouteStorage::MaxPoints))
    return true;
  UiServices::Get().MessageBox(Str(136), Str(115), Icon::Information);
  return false;
}

bool TRoutePage::CloseLoopCandidate(double& latitude, double& longitude) const {
  const int rows = RowCount();
  if (rows == 0) return false;
  latitude = RowValue(0, colLat) - 0.0001;
  longitude = RowValue(0, colLng) - 0.0001;
  return std::fabs(latitude - RowValue(rows - 1, colLat)) > 0.0001 &&
         std::fabs(longitude - RowValue(rows - 1, colLng)) > 0.0001;
}

// ============================================================================
// the list

void TRoutePage::FillRouteList(bool arrows, bool automatic) {
  quietSelection_ = true;
  lvRoute->setUpdatesEnabled(false);
  lvRoute->clear();
  double previousLat = 0, previousLng = 0, total = 0;
  for (std::size_t i = 0; i < routeStorage.Count(); ++i) {
    RouteWpt* p = routeStorage.At(i);
    // A turn the program does not know is "not set", shown and saved so.
    const TurnType turn = TurnOrNone(p->Turn);
    if (turn != p->Turn) routeStorage.SetTurn(int(i), turn);
    const double leg =
        i == 0 ? 0.0 : Truncate5(ComputeHaversineDistance(previousLng, previousLat, p->Longitude, p->Latitude));
    total += leg;
    auto* item = new QTreeWidgetItem(
        {QString::number(i + 1), p->Name, Num(p->Latitude), Num(p->Longitude), Num(leg), Num(total),
         QString::number(p->Elevation)});
    item->setIcon(colNumber, frame_.ilTurn.Icon(turn));
    lvRoute->addTopLevelItem(item);
    previousLat = p->Latitude;
    previousLng = p->Longitude;
  }
  frame_.RouteTotalKm = total;
  ShowRouteDistance(frame_.DeviceSetPage().cmbLengthUnit->currentIndex(), total);
  FitColumns(lvRoute, lvRoute->header());
  lvRoute->setUpdatesEnabled(true);
  quietSelection_ = false;
  DrawRouteArrows();
  if (arrows) CalcRouteArrows(automatic);
  if (ChartShown()) frame_.FetchRouteElevations(true);
}

void TRoutePage::ShowRouteDistance(int lengthUnit, double km) {
  if (lengthUnit == 0 || lengthUnit == -1)
    TotalRouteDistance->setText(Num(Truncate5(km)) + QStringLiteral(" KM"));
  else if (lengthUnit == 1)
    TotalRouteDistance->setText(Num(std::trunc(km * 100000.0 * 0.621371192237) * 0.00001) +
                                QStringLiteral(" Mile"));
}

void TRoutePage::cmbLengthUnitChange(int position) {
  if (frame_.RouteTotalKm != 0.0) ShowRouteDistance(position, frame_.RouteTotalKm);
}

void TRoutePage::DrawRouteArrows() { frame_.ExecScript(QStringLiteral("rte_DrawArrows()")); }

void TRoutePage::CalcRouteArrows(bool automatic) {
  const int rows = RowCount();
  if ((chkGenArrows->isChecked() && automatic) || rows == 0) return;
  BusyCursor busy;
  // Only the point before a newly appended one, when the user asked so.
  const int start = chkGenArrows->isChecked() && rows > 1 ? rows - 2 : 0;
  double previous = 0.0;
  for (int k = 0; k + 1 < rows; ++k) {
    const double course = ComputeInitialBearing(0.0, RowValue(k + 1, colLng), RowValue(k + 1, colLat),
                                                RowValue(k, colLng), RowValue(k, colLat));
    TurnType turn = ttStraight;
    if (k > 0) {
      const double d = course > previous ? course - previous : course + 360.0 - previous;
      turn = TurnOfHeadingChange(int(std::trunc(d)));
    }
    if (k >= start) {
      lvRoute->topLevelItem(k)->setIcon(colNumber, frame_.ilTurn.Icon(turn));
      routeStorage.SetTurn(k, turn);
    }
    previous = course;
  }
}

void TRoutePage::lvRouteSelectItem() {
  if (quietSelection_) return;
  const QList<QTreeWidgetItem*> selected = lvRoute->selectedItems();
  if (selected.size() != 1) return;
  const int row = lvRoute->indexOfTopLevelItem(selected.front());
  frame_.ExecScript(QStringLiteral("rte_jumpToPoint(%1,%2)")
                        .arg(row)
                        .arg(apConfig->CenterPSel ? QStringLiteral("true") : QStringLiteral("false")));
  if (ChartShown()) frame_.MarkChartPoint(true);
}

// ============================================================================
// files and exports

std::optional<QString> TRoutePage::AskFileName(bool save, int filter, const QString& suffix) {
  UiServices::FileDialog d;
  d.filter = Str(filter);
  d.defaultSuffix = suffix;
  d.folder = pathManager->GetDataDir();
  return save ? UiServices::Get().SaveFileName(d) : UiServices::Get().OpenFileName(d);
}

void TRoutePage::FileDone(const QString& fileName) {
  frame_.SetStatusText(2, Str(167));
  frame_.SetTitleFile(fileName);
}

void TRoutePage::bgRouteFile_OpenClick() {
  frame_.SetStatusText(1, Str(2));
  const std::optional<QString> file = AskFileName(false, 139, QString());
  if (!file) return;
  unsaved::RunCommand(unsaved::Command::OpenRoute, [&] {
    QCoreApplication::processEvents();
    const bool ok = routeStorage.LoadDeviceFile(*file) == 1;
    FillRouteList(false, false);
    frame_.RefreshMap(0.0, 0.0);
    if (ok) {
      FileDone(*file);
      return unsaved::Holds::Loaded;
    }
    // The route is as it was, and so is the title.
    frame_.SetStatusText(2, Str(168));
    UiServices::Get().MessageBox(tr("Can not read the file %1.").arg(QFileInfo(*file).fileName()), Str(115),
                                 Icon::Error);
    return unsaved::Holds::Other;
  });
}

void TRoutePage::bgRouteFile_SaveClick() {
  frame_.SetStatusText(1, Str(2));
  if (RowCount() == 0) {
    frame_.SetStatusText(2, Str(168));
    UiServices::Get().MessageBox(Str(119), Str(114), Icon::Error);
    return;
  }
  const std::optional<QString> file = AskFileName(true, 139, QStringLiteral("rte"));
  if (!file) return;
  if (WriteOrReport(frame_, Str(115), *file, [&] { return routeStorage.SaveDeviceFile(*file, true) == 1; })) {
    routeStorage.MarkSaved();
    FileDone(*file);
  }
}

void TRoutePage::tbgRouteGPXClick() {
  frame_.SetStatusText(1, Str(2));
  const bool shift = UiServices::Get().ShiftHeld();
  if (RowCount() == 0) return;
  const std::optional<QString> file = AskFileName(true, 142, QStringLiteral("gpx"));
  if (!file) return;
  // Shift adds the turns and a copy of the route as a track.
  if (WriteOrReport(frame_, Str(115), *file, [&] { return ExportGpx(routeStorage, *file, true, !shift); }))
    FileDone(*file);
}

void TRoutePage::tbgRouteKMLClick() {
  frame_.SetStatusText(1, Str(2));
  if (RowCount() == 0) return;
  if (ExportKml(routeStorage) == kTemplateExportFailed) frame_.SetStatusText(2, Str(168));
}

void TRoutePage::chkShowRouteClick() { frame_.RefreshMap(0.0, 1.0); }

// ============================================================================
// editing

namespace {

void TitleTaken(TFormRouteEditor& d) {
  UiServices::Get().MessageBox(
      QCoreApplication::translate("TRoutePage", "A route point with this title already exists."), Str(115),
      Icon::Error);
  d.edtTitle->setFocus();
  d.edtTitle->selectAll();
}

}  // namespace

void TRoutePage::bgRouteTable_AddClick() {
  if (RowCount() >= RouteStorage::MaxPoints) {
    UiServices::Get().MessageBox(Str(136), Str(115), Icon::Information);
    return;
  }
  TFormRouteEditor dialog(frame_, 0.0, 0.0);
  FormRouteEditor = &dialog;
  bool added = false;
  dialog.Accept = [&added](TFormRouteEditor& d) {
    const RouteAddResult result = routeStorage.AddPoint(d.GetTitle(), d.Latitude, d.Longitude, d.Turn, -1);
    if (result == raDuplicateName) {
      TitleTaken(d);
      return false;
    }
    if (result == raFull) UiServices::Get().MessageBox(Str(136), Str(115), Icon::Information);
    added = result == raAdded;
    return true;
  };
  const int answer = UiServices::Get().ExecDialog(dialog);
  FormRouteEditor = nullptr;
  if (answer != QDialog::Accepted || !added) return;
  // The page takes the checked numbers, never the typed text.
  frame_.ExecScript(QStringLiteral("rte_addPoint(") + Num(dialog.Latitude) + QLatin1Char(',') +
                    Num(dialog.Longitude) + QStringLiteral(",3)"));
  FillRouteList(true, false);
}

void TRoutePage::lvRouteDblClick() {
  const QList<int> rows = SelectedRows();
  if (rows.isEmpty()) return;
  const int row = rows.front();
  RouteWpt* point = routeStorage.FindPoint(lvRoute->topLevelItem(row)->text(colTitle));
  if (!point) return;
  const QString oldTitle = point->Name;
  TFormRouteEditor dialog(frame_, *point);
  FormRouteEditor = &dialog;
  dialog.Accept = [&oldTitle](TFormRouteEditor& d) {
    if (routeStorage.ModifyPoint(oldTitle, d.GetTitle(), d.Latitude, d.Longitude, d.Turn)) return true;
    TitleTaken(d);
    return false;
  };
  const int answer = UiServices::Get().ExecDialog(dialog);
  FormRouteEditor = nullptr;
  if (answer != QDialog::Accepted) return;
  if (ChartShown()) routeStorage.SetElevation(row, frame_.FetchElevation(dialog.Latitude, dialog.Longitude));
  FillRouteList(false, false);
  ShowRow(row);
  frame_.RefreshMap(0.0, 1.0);
}

void TRoutePage::bgRouteTable_DeleteClick() {
  const QList<int> rows = SelectedRows();
  if (rows.isEmpty()) return;
  QStringList titles;
  for (int row : rows) titles << lvRoute->topLevelItem(row)->text(colTitle);
  int last = -1;
  for (const QString& title : titles) {
    // Positions as the store has them at each deletion, so the page, deleting
    // in the same order, stays in step.
    const int i = routeStorage.DeletePoint(title);
    if (i == -1) continue;
    frame_.ExecScript(QStringLiteral("rte_deletePoint(%1)").arg(i));
    last = i;
  }
  FillRouteList(true, true);
  if (RowCount() > 0) ShowRow(std::max(last - 1, 0));
}

void TRoutePage::bgRouteTableItems3Click() {
  unsaved::RunCommand(unsaved::Command::ClearRoute, [this] {
    routeStorage.Clear();
    FillRouteList(true, false);
    frame_.ExecScript(QStringLiteral("rte_deleteAllPoints()"));
    return unsaved::Holds::Other;
  });
}

void TRoutePage::mnuAddPointClick() {
  const int rows = RowCount();
  const QList<int> selected = SelectedRows();
  if (rows == 0 || selected.size() != 1) return;
  frame_.ExecScript(QStringLiteral("GetMousePos()"));
  double lat = 0, lng = 0;
  if (!frame_.GetScriptLatLng(lat, lng)) return;
  const int i = selected.front();
  if (!RouteHasRoom()) return;
  if (routeStorage.AddNumberedPoint(std::size_t(rows), lat, lng, ttNone, i) != raAdded) return;
  frame_.ExecScript(QStringLiteral("rte_insert(%1)").arg(i));
  FillRouteList(true, false);
  ShowRow(i);
}

void TRoutePage::mnuAddlvPointClick() {
  const int rows = RowCount();
  const QList<int> selected = SelectedRows();
  if (rows == 0 || selected.size() != 1) return;
  const int i = selected.front();
  const int z = frame_.GetZoomValue();
  const double offset = z <= 6 ? 0.1 : z < 12 ? 0.01 : z < 20 ? 0.001 : 0.0001;
  const double lat = RowValue(i, colLat) - offset;
  const double lng = RowValue(i, colLng) - offset;
  if (!RouteHasRoom()) return;
  if (routeStorage.AddNumberedPoint(std::size_t(rows), lat, lng, ttNone, i) != raAdded) return;
  frame_.ExecScript(QStringLiteral("rte_insertLatLng(") + Num(lat) + QLatin1Char(',') + Num(lng) +
                    QLatin1Char(',') + QString::number(i) + QLatin1Char(')'));
  FillRouteList(true, true);
  ShowRow(i);
  frame_.ExecScript(QStringLiteral("rte_showNewMarker(%1,\"New routepoint\")").arg(i));
}

void TRoutePage::mnuCloseLoopClick() {
  QCoreApplication::processEvents();
  const int rows = RowCount();
  double lat = 0, lng = 0;
  if (!CloseLoopCandidate(lat, lng)) return;
  if (!RouteHasRoom()) return;
  if (routeStorage.AddNumberedPoint(std::size_t(rows), lat, lng, ttNone) != raAdded) return;
  frame_.ExecScript(QStringLiteral("rte_insertLatLng(") + Num(lat) + QLatin1Char(',') + Num(lng) +
                    QLatin1Char(',') + QString::number(rows) + QLatin1Char(')'));
  FillRouteList(true, false);
  ShowRow(RowCount() - 1);
}

void TRoutePage::mnuGetElevationClick() {
  QCoreApplication::processEvents();
  // The user asks now: a failing service's wait does not hold this back.
  frame_.AltChart().FetchRouteElevations(true, true);
}

// ============================================================================
// menus

void TRoutePage::mnuMapPopup() {
  const int rows = RowCount();
  const bool route = frame_.Mode == omRoute;
  const bool selected = !lvRoute->selectedItems().isEmpty();
  double lat = 0, lng = 0;
  mapMenu.mnuAddPoint->setVisible(route && rows > 0);
  const int trackRows = frame_.TrackPage().lvTrack->model()->rowCount();
  mapMenu.mnuGetZoom->setVisible((route && rows > 0) || (frame_.Mode == omTrack && trackRows > 0));
  mapMenu.mnuModifylvPoint->setVisible(route && rows > 0 && selected);
  mapMenu.mnuDeletePoint->setVisible(route && rows > 0 && selected);
  mapMenu.mnuCloseLoop->setVisible(route && rows > 0);
  mapMenu.mnuCloseLoop->setEnabled(rows > 3 && CloseLoopCandidate(lat, lng));
  mapMenu.mnuShowAltChart->setVisible(route);
  mapMenu.mnuShowAltChart->setChecked(ChartShown());
}

void TRoutePage::pmnuRoutePopup() {
  const int rows = RowCount();
  const bool route = frame_.Mode == omRoute;
  const bool selected = !lvRoute->selectedItems().isEmpty();
  double lat = 0, lng = 0;
  mnuAddlvPoint->setVisible(rows > 0 && route && selected);
  mnuDeletelvPoint->setVisible(rows > 0 && selected);
  mnuGetElevation->setVisible(rows > 0);
  mnuCloseLoop2->setEnabled(route && rows > 3 && CloseLoopCandidate(lat, lng));
}

// ============================================================================
// a route from the track's points

void TRoutePage::GenerateRouteFromTrack() {
  // The track whose points the point list shows, at full precision (the
  // list's text is rounded).
  QToolButton* wand = frame_.TrackPage().spdAutoGeneratorTrk;
  const TTrackList* track = frame_.TrackPage().ShownTrack();
  if (!track) return;
  const std::vector<sFile_TrkEntry>& points = track->Points();
  const int n = int(std::min<std::size_t>(points.size(), std::size_t(frame_.TrackPage().PointRowCount())));
  if (n < 1) return;
  unsaved::RunCommand(unsaved::Command::RouteFromTrack, [&] {
    wand->setEnabled(false);
    {
      BusyCursor busy;
      lvRoute->clear();
      routeStorage.Clear();
      const std::size_t count = std::size_t(n);
      std::vector<double> x(count), y(count);
      std::vector<std::int32_t> keep(count, 0);
      for (int i = 0; i < n; ++i) {
        x[std::size_t(i)] = points[std::size_t(i)].Latitude;
        y[std::size_t(i)] = points[std::size_t(i)].Longitude;
      }
      double tolerance = n > 1500 ? 0.002 : n > 600 ? 0.001 : 0.0005;
      int kept = SimplifyPolyline(x.data(), y.data(), n, tolerance, keep.data());
      for (int grown = 0; kept > RouteStorage::MaxPoints && grown < 200; ++grown) {
        tolerance += 0.0005;
        std::fill(keep.begin(), keep.end(), 0);
        kept = SimplifyPolyline(x.data(), y.data(), n, tolerance, keep.data());
      }
      int c = 0;
      for (int h = 0; h < n; ++h) {
        if (!keep[std::size_t(h)]) continue;
        if (routeStorage.AddPoint(QString::number(c), x[std::size_t(h)], y[std::size_t(h)], ttNone) != raAdded)
          continue;
        double metres = points[std::size_t(h)].Altitude;
        if (!std::isfinite(metres) || std::fabs(metres) > 1e9) metres = 0;
        routeStorage.SetElevation(c, std::int32_t(std::trunc(metres)));
        ++c;
      }
      // Every point gets its arrow, whatever the check box says.
      const bool onlyNew = chkGenArrows->isChecked();
      chkGenArrows->setChecked(false);
      FillRouteList(true, false);
      chkGenArrows->setChecked(onlyNew);
    }
    frame_.RefreshMap(0.0, 0.0);
    ShowRow(RowCount() - 1);
    wand->setEnabled(true);
    return unsaved::Holds::Other;
  });
}
