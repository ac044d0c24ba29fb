#pragma once
// The program's main window: a frame around its pages. It holds the page
// control with the destination, waypoint, route, track and settings pages,
// the map panel with its bar and altitude chart, and the status bar; it
// owns the pages, the map bridge and the keys, takes dropped files, reads
// its placement and options from the settings record when it is created and
// writes them back when it is destroyed.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "Frmworktask.h"
#include "Controls.h"
#include "Mainframe.h"
#include "Mapmessage.h"
#include "Mapview.h"
#include "Tabfit.h"
#include "pages/Altchart.h"
#include "pages/Destpage.h"
#include "pages/Devicepages.h"
#include "pages/Programpage.h"
#include "pages/Routepage.h"
#include "pages/Trackpage.h"
#include "pages/Waypointpage.h"

class TFormMain : public QMainWindow, public TMainFrame, public WorkTaskHost {
  Q_OBJECT
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // --- frame operations -------------------------------------------------------
  void ApplyLanguage(int index);
  // The device pages' captions.
  void ApplyConfigCaptions();
  void InitMainForm();
  void LoadFontBank();
  // Appends the tiles of a picture in the program folder; false (and a note in
  // the status bar) when the picture cannot be read.
  bool LoadImageList(const QString& fileName, TImageList& list, QColor mask);
  QString GetProgramVersion();

  void SetStatusText(int panel, const StatusNote& note) override;
  QString StatusText(int panel) const override;
  TStatusPanel* StatusPanel(int panel) const;
  QWidget* FrameWindow() override { return this; }
  TMapBar MapBar() override;
  void SetTitleFile(const QString& fileName) override;
  bool SaveSettings() override;

  // A page's tab caption and whether its tab is shown.
  QString TabCaption(QWidget* page) const;
  bool TabShown(QWidget* page) const;

  // The form's own events.
  void FormShow();
  void FormActivate();
  void tmInitTimer();
  void cmbLanguageChange();
  // Keys seen before the focused control; true when the key is used up
  // (Enter that opened an editor) and goes no further.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
  // Keys and right clicks inside the map; answers whether it handled them.
  bool ApplicationEvents1Message(QObject* target, QEvent* event);
  // Files dropped on the window: the first one is imported when it is GPX.
  void HandleDroppedFile(const QStringList& files);
  bool FormCloseQuery();

  // --- the map page and its script bridge ---------------------------------------
  void RefreshMap(double unused, double noAutoZoom) override;
  void ExecScript(const QString& script) override;
  std::optional<int> GetScriptInt(const QString& tag, const QString& id, const QString& attribute) override;
  bool GetScriptLatLng(double& latitude, double& longitude) override;
  int GetMapMode() override;
  int GetZoomValue() override;
  void FormResize() override;
  virtual void UpdateMapMode();
  virtual void btnGoogleSearchClick();
  // A report of the page: a click, or the note that the map or the place
  // search is not available.
  void OnMapClick(const QString& report);
  void CppWebBrowserDocumentComplete(bool ok);
  void PageControlChange(int index);
  void tmZoomLevelTimer();
  void mnuGetZoomClick();
  MapView* MapBrowser() const { return mapView_.get(); }

  // --- the pages ----------------------------------------------------------------
  TDestPage& DestPage() override { return *pgDest; }
  TWaypointPage& WaypointPage() override { return *pgWaypoint; }
  TRoutePage& RoutePage() override { return *pgRoute; }
  TTrackPage& TrackPage() override { return *pgTrack; }
  TConnectPage& ConnectPage() override { return *pgConnect; }
  TLoggerPage& LoggerPage() override { return *pgSetLogger; }
  TDeviceSetPage& DeviceSetPage() override { return *pgSetTrevik; }
  TDeviceTransfers& DeviceTransfers() override { return *deviceTransfers; }
  TProgramPage& ProgramPage() override { return *pgSetKVX; }
  TAltChart& AltChart() override { return *altchart; }

  // Operations of the pages, each handed to the page that owns it; a test
  // answers for a page by overriding them.
  void InitDefaultCategories() override;
  void FillCategoryCombo() override;
  void FillSubCategoryCombo(int category) override;
  void FillDestList() override;
  bool AddDestinationAt(double& latitude, double& longitude, QString& title) override;
  void FillWptList() override;
  QString AddWaypointAt(double latitude, double longitude) override;
  void RenderPoiIcons(bool force, uint32_t colour, bool transparent) override;
  void FillRouteList(bool arrows, bool automatic) override;
  void ShowRouteDistance(int lengthUnit, double km) override;
  void lvRouteDblClick() override;
  void bgRouteTable_DeleteClick() override;
  void SelectRoutePoint(int row) override;  // route page
  int FetchElevation(double latitude, double longitude) override;
  void FetchRouteElevations(bool retry) override;
  void FillAltitudeChart() override;
  void MarkChartPoint(bool repaint) override;
  void FillTrackList(bool differentColours) override;
  void ApplyTrackAutoSelect() override;
  void FillTrackPoints(int row) override;
  int GetTrackLineIndex(int row) override;
  void UpdateTrackCaptions() override;
  void ImportGpx(const QString& fileName) override;
  bool IsGoogleEarthInstalled() override;
  void lvTrackDblClick() override;
  void bgTrackTableItems1Click() override;
  void InitConfigPages() override;
  bool ShowLoggerConfig(const std::vector<std::string>& reply) override;
  bool ShowDeviceConfig(const std::vector<std::string>& reply) override;
  void btnGetLogConfigClick() override;
  void btnGetTrevikConfigClick() override;
  void CheckNewVersion(bool silent) override;
  void btnSetHomeClick() override;
  void btnGetZoomLevelClick() override;
  int LanguageIndex() override;
  // The progress window's texts are fixed English.
  void SetStatusPanelText(int panel, const QString& text) override { SetStatusText(panel, StatusNote::Fixed(text)); }

  // --- the frame's widgets --------------------------------------------------------
  QWidget* pnlAct;
  QTabWidget* PageControl;
  TDestPage* pgDest;
  TWaypointPage* pgWaypoint;
  TRoutePage* pgRoute;
  TTrackPage* pgTrack;
  QWidget* pgConfig;
  QTabWidget* PageControl1;
  TConnectPage* pgConnect;
  TLoggerPage* pgSetLogger;
  TDeviceSetPage* pgSetTrevik;
  TProgramPage* pgSetKVX;
  TDeviceTransfers* deviceTransfers;
  QSplitter* Splitter1;
  QWidget* pnlMap;
  QWidget* pnlMapControl;
  QToolButton *btnRefresh, *btnGetZoomLevel, *btnGoogleSearch, *btnSetHome, *btnFav;
  QLabel* lblLanguage;
  QComboBox* cmbLanguage;
  QWidget* CppWebBrowser;  // the map area
  TAltChart* altchart;
  QStatusBar* StatusBar1;
  QTimer* tmInit;
  QTimer* tmZoomLevel;

  // The map's menu and the favourites menu.
  QMenu* pmnuMap;
  QAction *mnuAddPoint, *mnuModifylvPoint, *mnuDeletePoint, *mnuGetZoom, *mnuCloseLoop,
      *mnuShowAltChart, *mnuCalc;
  QMenu* mnuFav;
  QAction *N8, *mnuFavAdd, *N9;
  QMenu* mnuFavDel;

 protected:
  // For windows that derive from this one: builds the controls only; the
  // derived constructor then calls FormCreate itself.
  struct DeferCreate {};
  TFormMain(DeferCreate, QWidget* parent);
  void FormCreate();
  // Copies the window's state into the settings and saves them, once; the
  // destructor calls it, a derived window may call it earlier.
  void WriteBackSettings();

  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFrame();
  void BuildPages();
  void ApplyPlacement();
  void CopyButtonImages();
  bool InMap(QObject* target) const;
  bool TextInputFocused() const;
  void ToggleGoogleSearch();
  void BuildMapView();
  void HandleMapClick(const QString& report);

  std::unique_ptr<MapView> mapView_;
  bool inMapClick_ = false;

  // A status text and how to make it in another language; without a maker
  // it cannot be made again, and a language switch clears it.
  struct PanelNote {
    QString text;
    std::function<QString()> make;
  };
  PanelNote MakeNote(const StatusNote& note) const;
  // Every panel in the language just applied.
  void RemakeStatusTexts();
  void ShowPanel3();

  TStatusPanel* statusPanels_[4] = {};
  PanelNote panelNotes_[3];  // panels 0 to 2
  // Panel 3 shows the reason of the last result while it failed, else the
  // standing note (thinned tracks, a language that could not be loaded).
  PanelNote statusNote_;
  PanelNote failureReason_;
  // Panel 2 has just said failed: the next text of panel 3 is the reason.
  bool reasonExpected_ = false;
  bool shownOnce_ = false;
  // The captions of the two tab rows, kept readable at any panel width.
  TTabFit* pageTabs_ = nullptr;
  TTabFit* configTabs_ = nullptr;
  bool settingsWritten_ = false;
  bool settingsSaveReported_ = false;
};

// The one main window while it exists.
extern TFormMain* FormMain;
// The base window title; file handlers append the file's name.
extern QString mainWindowTitle;
