#pragma once
// The track page (pgTrack): the track list with its check boxes (the
// program's track selection), the point list of the selected track with
// playback, the totals, and the file, device and table buttons.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include <optional>
#include <vector>

#include "Trackpoints.h"

class TMainFrame;
class TProgramPage;
class TTrackList;
class TTrackStorage;

// "0 Days 01:30:15" for the span between two UTC times, "0" for none.
QString TrackSpanText(double firstUtc, double lastUtc);
// "12.3456 KM" or "999.0000 M" for a length in metres.
QString TrackDistanceText(double metres);
// The export result text: the count in place of the text's "%d".
QString ExportDoneText(const QString& text, int count);

class TTrackPage : public QWidget {
  Q_OBJECT
 public:
  TTrackPage(TMainFrame& frame, QWidget* parent);
  ~TTrackPage() override;

  void ApplyLanguage();
  // The small buttons' pictures from the frame's strips.
  void SetPictures();
  // The point-list option on the program settings page.
  void AttachOptionControls(TProgramPage& program);

  void FillTrackList(bool differentColours);
  void ApplyTrackAutoSelect();
  void FillTrackPoints(int row);
  int GetTrackLineIndex(int row);
  void UpdateTrackCaptions();
  void ImportGpx(const QString& fileName);
  bool IsGoogleEarthInstalled();
  void lvTrackDblClick();
  void bgTrackTableItems1Click();
  // The map page's writer has just drawn the checked tracks: their lines are
  // what trk_* calls name until the next page.
  void MapPageWritten();
  void ExportTracksKml(bool toViewer);

  // Handlers.
  void bgTrackFile_OpenClick();
  void bgTrackFile_SaveClick();
  void bgTrackFile_NMEAClick();
  void bgTrackFile_GPXClick();
  void bgTrackFile_KMLClick();
  void mnuGPXImportClick();
  void mnuGPXExportClick();
  void bgTrackTableItems2Click();
  void CheckAll(bool checked);
  void lvTrackSelectItem();
  void lvTrackItemSelectItem();
  void lvTrackItemDblClick();
  void pmnuTStartClick(int tag);
  void spdaddToRouteClick();
  void spdTrackPlayClick();
  void spdTrackStoppClick();
  void trbTrkSpeedChange();
  void chkTrackItemsClick(bool checked);

  // Rows of the track list and of the point list.
  int RowCount() const { return lvTrack->topLevelItemCount(); }
  bool RowChecked(int row) const;
  void SetRowChecked(int row, bool checked);
  // Selects row `row` alone and scrolls it into view.
  void SelectRow(int row);
  int PointRowCount() const { return pointModel->rowCount(); }
  // The selected point row, -1 for none.
  int SelectedPointRow() const;
  void SelectPointRow(int row);
  // The track whose points the point list shows, or null.
  const TTrackList* ShownTrack() const { return pointModel->Track(); }
  bool PlaybackActive() const { return playTimer_->isActive(); }

  QLabel* imgTracks;
  QTreeWidget* lvTrack;
  QSplitter* Splitter2;
  QWidget* pnlTrackItems;
  QTableView* lvTrackItem;
  TTrackPointModel* pointModel;
  QWidget* pnlTrackItemsControl;
  QToolButton *spdTItemTop, *spdTItemCenter, *spdTItemEnd, *spdaddToRoute, *spdAutoGeneratorTrk,
      *spdTrackPlay, *spdTrackStopp;
  QSlider* trbTrkSpeed;
  QLabel *lblTrkStartTime, *lblTrkEndTime, *lblTrkTotalTime, *lblTrkTotalDist, *lblTrkTotalPoints;
  QLineEdit *edtTrackStartTime, *edtTrackEndTime, *edtTrackTotalTime, *edtTrackTotalDist,
      *edtTrackTotalPoints;
  QToolBar* ToolBar3;
  QLabel *lblFile4, *lblDevice4, *lblTable4;
  QToolButton *tbTrackFileOpen, *tbTrackFileSave, *tbTrackFileKLM, *tbTrackFileGPX,
      *tbTrackFileNME, *tbTrackDeviceDown, *tbTrackTableMod, *tbTrackTableDel, *tbTrackTableClear;
  QMenu* pmnuKML;
  QAction *mnuKML, *mnuCallGE;
  QMenu* pmnuGPX;
  QAction *mnuGPXImport, *mnuGPXExport;
  QMenu* pmnuTrackItems;
  QAction *pmnuTStart, *pmnuTMiddle, *pmnuTEnd;

 private:
  // The single selected row, -1 when none or several are selected.
  int SelectedRow() const;
  // The first selected row in list order, -1 when none is selected.
  int FirstSelectedRow() const;
  QTreeWidgetItem* NewRow(const TTrackList& track) const;
  void ShowSummary(int row);
  void ClearSummary();
  void StopPlayback();
  void PlaybackStep();
  // Status panel 2 "done" and the export's count in a message box.
  void ReportExported(int captionNumber, int count);
  // True when the list has a row (a checked one with `checked`); otherwise
  // says there is no data or no checked track, under string captionNumber.
  bool NeedRows(bool checked = false, int captionNumber = 114);
  std::optional<QString> AskSavePath(int filterNumber, const char* suffix) const;
  // Runs an export that answers the track count, or below 0 when the file
  // could not be written (then reported); answers the same.
  int RunExport(int captionNumber, const QString& path, int (*write)(TTrackStorage&, const QString&));
  void lvTrackItemChanged(QTreeWidgetItem* item, int column);

  TMainFrame& frame_;
  QTimer* playTimer_;
  int playRow_ = 0;
  int lastShownPoint_ = -1;
  bool bulkCheck_ = false;
  bool importing_ = false;
  // The tracks the loaded map page draws, in line order.
  std::vector<const TTrackList*> drawnTracks_;
};
