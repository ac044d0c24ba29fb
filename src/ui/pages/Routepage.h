#pragma once
// The route page (pgRoute): the route's points with legs, totals, turn
// arrows and elevations, and the file, device and table buttons.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <optional>

#include "Routestorage.h"

class TMainFrame;

// The frame's map menu, whose route items this page serves.
struct TRouteMapMenu {
  QMenu* menu;
  QAction *mnuAddPoint, *mnuModifylvPoint, *mnuDeletePoint, *mnuGetZoom, *mnuCloseLoop,
      *mnuShowAltChart, *mnuCalc;
};

class TRoutePage : public QWidget {
  Q_OBJECT
 public:
  TRoutePage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // Connects the map menu's route items, the track page's route builder and
  // the length unit; called once every page exists.
  void AttachFrameControls(const TRouteMapMenu& map);

  // List columns.
  enum Column { colNumber = 0, colTitle, colLat, colLng, colLeg, colTotal, colAltitude };

  void FillRouteList(bool arrows, bool automatic);
  void ShowRouteDistance(int lengthUnit, double km);
  void CalcRouteArrows(bool automatic);
  // The turn for a clockwise change of heading of d whole degrees (0..360).
  static TurnType TurnOfHeadingChange(int d);
  void DrawRouteArrows();
  void GenerateRouteFromTrack();
  int RowCount() const;
  // Selects row `row` alone and scrolls it into view; nothing outside the list.
  void SelectRow(int row);
  // The same, and the chart marks it; the map is not told.
  void ShowRow(int row);
  // The same, then what a click on the row does (map jump, chart mark).
  void SelectRoutePoint(int row);
  // Whether the map page shows the route.
  bool ShowOnMap() const { return chkShowRoute->isChecked(); }

  // Handlers.
  void lvRouteSelectItem();
  void lvRouteDblClick();
  void bgRouteFile_OpenClick();
  void bgRouteFile_SaveClick();
  void bgRouteTable_AddClick();
  void bgRouteTable_DeleteClick();
  void bgRouteTableItems3Click();
  void tbgRouteGPXClick();
  void tbgRouteKMLClick();
  void chkShowRouteClick();
  void cmbLengthUnitChange(int position);
  void mnuMapPopup();
  void pmnuRoutePopup();
  void mnuAddPointClick();
  void mnuAddlvPointClick();
  void mnuCloseLoopClick();
  void mnuGetElevationClick();

  QLabel* imgRoute;
  QTreeWidget* lvRoute;
  QLabel *lblFile3, *lblDevice3, *lblTable3;
  QToolButton *tbRouteOpen, *tbRouteSave, *tbgRouteKML, *tbgRouteGPX, *tbgRouteDeviceUp,
      *tbgRouteDeviceDown, *tbRouteTableAdd, *tbRouteTableMod, *tbRouteTableDel,
      *tbRouteTableClear;
  QCheckBox *chkShowRoute, *chkGenArrows;
  QLabel *lblTotalDistance, *TotalRouteDistance;
  QMenu* pmnuRoute;
  QAction *mnuAddlvPoint, *mnuDeletelvPoint, *mnuGetElevation, *mnuCloseLoop2;
  TRouteMapMenu mapMenu{};

 private:
  double RowValue(int row, Column column) const;
  QList<int> SelectedRows() const;
  // The loop's closing point, when the last point is not already there.
  bool CloseLoopCandidate(double& latitude, double& longitude) const;
  // False (with the message) when the route cannot take another point.
  bool RouteHasRoom();
  bool ChartShown() const;
  std::optional<QString> AskFileName(bool save, int filter, const QString& suffix);
  // The outcome in the status bar, a message when it failed, and on success
  // the file's name in the window title; `error` is the errno of a failed write.
  // 167 and the file's name in the title.
  void FileDone(const QString& fileName);

  TMainFrame& frame_;
  bool quietSelection_ = false;
};
