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

class TMainFrame;

class TRoutePage : public QWidget {
  Q_OBJECT
 public:
  TRoutePage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();

  void FillRouteList(bool arrows, bool automatic);
  void ShowRouteDistance(int lengthUnit, double km);
  void lvRouteDblClick();
  void bgRouteTable_DeleteClick();
  int RowCount() const;
  // Selects row `row` alone and scrolls it into view; nothing outside the list.
  void SelectRow(int row);
  // Whether the map page shows the route.
  bool ShowOnMap() const { return chkShowRoute->isChecked(); }

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

 private:
  TMainFrame& frame_;
};
