#pragma once
// The waypoint page (pgWaypoint): icon and day filters over the waypoint
// store, the list, the file, device and table buttons; and the waypoint icon
// images that the map page shows.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <cstdint>

class TMainFrame;
class TProgramPage;

class TWaypointPage : public QWidget {
  Q_OBJECT
 public:
  TWaypointPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // One row per waypoint icon, then "ALL", which is selected.
  void FillIconFilter();

  void FillWptList();
  QString AddWaypointAt(double latitude, double longitude);
  int RowCount() const;
  // Whether the map page shows the waypoints.
  bool ShowOnMap() const { return chkShowPOI->isChecked(); }

  // The icon images: the controls for them sit on the program settings page.
  void AttachIconControls(TProgramPage& program);
  void RenderPoiIcons(bool force, uint32_t colour, bool transparent);

  QLabel* lblIcon;
  QComboBox* cmbSelIcon;
  QToolButton* btnWptSearch;
  QDateEdit* DateTimePicker;
  QCheckBox* chkShowPOI;
  QTreeWidget* lvWpt;
  QLabel *lblFile2, *lblDevice2, *lblTable2;
  QToolButton *tbWptFileOpen, *tbWptFileSave, *tbWPTToGoogle, *tbWPTToGPX, *tbDeviceUp,
      *tbDeviceDown, *tbWptTableAdd, *tbWptTableMod, *tbWptTableDel, *tbWptTableClear;
  QMenu* pmnuWPT;
  QAction* mnuConverter;

 private:
  TMainFrame& frame_;
};
