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
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

class TMainFrame;

class TTrackPage : public QWidget {
  Q_OBJECT
 public:
  TTrackPage(TMainFrame& frame, QWidget* parent);
  ~TTrackPage() override;

  void ApplyLanguage();
  // The small buttons' pictures from the frame's strips.
  void SetPictures();

  void FillTrackList(bool differentColours);
  void ApplyTrackAutoSelect();
  void FillTrackPoints(int row);
  int GetTrackLineIndex(int row);
  void UpdateTrackCaptions();
  void ImportGpx(const QString& fileName);
  bool IsGoogleEarthInstalled();
  void lvTrackDblClick();
  void bgTrackTableItems1Click();

  QLabel* imgTracks;
  QTreeWidget* lvTrack;
  QSplitter* Splitter2;
  QWidget* pnlTrackItems;
  QTreeWidget* lvTrackItem;
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
  TMainFrame& frame_;
};
