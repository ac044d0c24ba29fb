#pragma once
// The waypoint page (pgWaypoint): icon and day filters over the waypoint
// store, the list, the file, device and table buttons; and the waypoint icon
// images that the map page shows.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <vector>

class TMainFrame;
class TProgramPage;
class TWptListModel;
struct PoiFileReport;

// What a load of a damaged device waypoint file kept and left out, and why;
// for a file refused whole, that the waypoints held stay.
QString PoiFileReportText(const PoiFileReport& report);
// Says that a written device file left out so many of the store's waypoints.
QString PoiLeftOutText(int leftOut);

class TWaypointPage : public QWidget {
  Q_OBJECT
 public:
  TWaypointPage(TMainFrame& frame, QWidget* parent);
  ~TWaypointPage() override;

  void ApplyLanguage();
  // One row per waypoint icon, then "ALL", which is selected.
  void FillIconFilter();

  // Lists the store's waypoints that pass the icon and day filters, in store
  // order; the selection is lost.
  void FillWptList();
  // Runs the waypoint dialog for a new waypoint at the position and adds it;
  // the script call that shows it on the map, or empty when the dialog was
  // cancelled or the store could not take it.
  QString AddWaypointAt(double latitude, double longitude);
  int RowCount() const;
  // The store position of a listed row, or -1.
  int RowPosition(int row) const;
  // Selects exactly this row (none when out of range).
  void SelectRow(int row);
  // Whether the map page shows the waypoints.
  bool ShowOnMap() const { return chkShowPOI->isChecked(); }

  // The table's handlers.
  void bgWptTableItems0Click();   // add
  void lvWptDblClick();           // modify the first selected waypoint
  void bgWptTable_DeleteClick();  // delete the selected waypoints
  void bgWptTableItems2Click();   // clear
  void chkShowPOIClick();
  void bgWptFile_OpenClick();
  void bgWptFile_SaveClick();
  void tbWPTToGPXClick();
  void tbWPTToGoogleClick();
  void mnuConverterClick();

  // --- the icon images ("wpt0.png" ... "wpt20.png" in the web folder) -------------
  static constexpr int kIconFiles = 21;
  static constexpr uint32_t kMagenta = 0xFF00FF;  // colours are 0x00BBGGRR
  // The controls for them sit on the program settings page.
  void AttachIconControls(TProgramPage& program);
  // Writes the icon files; without force only the missing ones. False when a
  // file could not be written (the user was told).
  bool RenderPoiIcons(bool force, uint32_t colour, bool transparent);
  // One 24 x 24 icon: bevel frame or plain ground, the waypoint icon n at (4, 4).
  void DrawPoiIcon(QImage& bitmap, uint32_t colour, int n, bool transparent) const;
  void UpdatePoiPreview(uint32_t colour);
  void LoadPoiPreview(const QString& fileName);
  void btnGeneratePOIsClick();
  void pnlPOIColorClick();
  void chkPOITransClick();
  QString IconFilePath(int n) const;

  QLabel* lblIcon;
  QComboBox* cmbSelIcon;
  QToolButton* btnWptSearch;
  QDateEdit* DateTimePicker;
  QCheckBox* chkShowPOI;
  QTableView* lvWpt;
  QLabel *lblFile2, *lblDevice2, *lblTable2;
  QToolButton *tbWptFileOpen, *tbWptFileSave, *tbWPTToGoogle, *tbWPTToGPX, *tbDeviceUp,
      *tbDeviceDown, *tbWptTableAdd, *tbWptTableMod, *tbWptTableDel, *tbWptTableClear;
  QMenu* pmnuWPT;
  QAction* mnuConverter;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void lvWptSelectItem(const QItemSelection& selected);
  // Listed rows that are selected, in list order.
  std::vector<int> SelectedRows() const;
  void ShowPreview(const QImage& image);
  // Status and message of a file that could not be written; `error` is the
  // errno of the failed write (0 when unknown).

  TMainFrame& frame_;
  TWptListModel* model_;
  TProgramPage* program_ = nullptr;
};
