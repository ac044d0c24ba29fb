#pragma once
// The program's main window: the page control with the destination,
// waypoint, route, track and settings pages, the map panel with its bar and
// altitude chart, and the status bar. The window reads its placement and
// options from the settings record when it is created and writes them back
// when it is destroyed.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <cstdint>

#include "Controls.h"
#include "Frmworktask.h"
#include "Imagelist.h"
#include "Mapview.h"
#include "Portscan.h"

#include <memory>
#include <optional>

class QChartView;
class QChart;
class QValueAxis;

// The working page whose collection a map click edits.
enum OpMode : int32_t { omDestination = 0, omWaypoint = 1, omRoute = 2, omTrack = 3 };

class TFormMain : public QMainWindow, public ConnectionPage, public WorkTaskHost {
  Q_OBJECT
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // --- shared state of the pages ------------------------------------------------
  OpMode Mode = omDestination;
  bool PageLoaded = false;
  bool ZoomPending = false;
  bool PlaybackRunning = false;
  bool ListRefilling = false;
  bool GlobeViewerPresent = false;
  uint16_t BuildNumber = 0;
  double RouteTotalKm = 0.0;

  // The HTTP client's proxy, set from the settings when the window is created.
  struct HttpProxy {
    QString Server;
    int Port = 0;
    bool Active = false;
  } HGoogleProxy;

  // --- frame operations -------------------------------------------------------
  void ApplyLanguage(int index);
  void ApplyConfigCaptions();
  void InitMainForm();
  void LoadFontBank();
  // Appends the tiles of a picture in the program folder; false (and a note in
  // the status bar) when the picture cannot be read.
  bool LoadImageList(const QString& fileName, TImageList& list, QColor mask);
  void FillIconFilter();
  QString GetProgramVersion();
  void FillComPortCombo() override;
  void FillTurnDistances();

  // The connection page's Scan and Connect buttons.
  void btnScanComportClick();
  void btnConnectClick();

  // Status bar panels: 0 port, 1 operation, 2 result, 3 notes.
  void SetStatusText(int panel, const QString& text) override;
  QString StatusText(int panel) const;
  QLabel* StatusPanel(int panel) const;

  // A page's tab caption and whether its tab is shown.
  QString TabCaption(QWidget* page) const;
  bool TabShown(QWidget* page) const;

  // The form's own events.
  void FormShow();
  void FormActivate();
  void tmInitTimer();
  void cmbLanguageChange();
  // Keys seen before the focused control (the key is not consumed).
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  // Keys and right clicks inside the map; answers whether it handled them.
  bool ApplicationEvents1Message(QObject* target, QEvent* event);
  // Files dropped on the window: the first one is imported when it is GPX.
  void HandleDroppedFile(const QStringList& files);
  bool FormCloseQuery();

  // --- operations of the pages that the frame calls ---------------------------
  // Each page fills in its own; until then they do nothing.
  virtual void InitDefaultCategories();
  virtual void FillCategoryCombo();
  virtual void FillSubCategoryCombo(int category);
  virtual void InitConfigPages();
  virtual bool IsGoogleEarthInstalled();
  virtual void ImportGpx(const QString& fileName);
  virtual void lvTrackDblClick();
  virtual void bgTrackTableItems1Click();
  virtual void lvRouteDblClick();
  virtual void bgRouteTable_DeleteClick();
  virtual void RenderPoiIcons(bool force, uint32_t colour, bool transparent);
  virtual void CheckNewVersion(bool silent);
  virtual void btnSetHomeClick();
  virtual void UpdateMapMode();
  virtual void FormResize();
  virtual void btnGoogleSearchClick();
  virtual int GetMapMode();
  virtual int GetZoomValue();
  virtual void btnGetLogConfigClick();
  virtual void btnGetTrevikConfigClick();
  void ShowDeviceConfig(const std::vector<std::string>& reply) override;
  void ShowLoggerConfig(const std::vector<std::string>& reply) override;
  void SetStatusPanelText(int panel, const QString& text) override { SetStatusText(panel, text); }

  // --- the map page and its script bridge ---------------------------------------
  // Writes the map page and makes the browser load it; noAutoZoom 1.0 keeps
  // the view instead of zooming to the route or tracks once it has loaded.
  void RefreshMap(double unused, double noAutoZoom);
  // Runs a script call in the loaded page; dropped while no page is loaded.
  void ExecScript(const QString& script);
  // The page's answer in the input `id` as an integer; nothing while no page
  // is loaded or when the answer is missing or no integer.
  std::optional<int> GetScriptInt(const QString& tag, const QString& id, const QString& attribute);
  // The position in "result" and "result2"; an output whose answer is missing
  // or no number stays as it was. True when both were read.
  bool GetScriptLatLng(double& latitude, double& longitude);
  // A click report of the page.
  void OnMapClick(const QString& report);
  void CppWebBrowserDocumentComplete(bool ok);
  void PageControlChange(int index);
  void tmZoomLevelTimer();
  void mnuGetZoomClick();
  MapView* MapBrowser() const { return mapView_.get(); }

  // Operations of other pages that the map uses; each page fills in its own.
  virtual void btnGetZoomLevelClick();
  virtual void FillDestList();
  virtual void FillWptList();
  virtual void FillRouteList(bool arrows, bool automatic);
  // Runs the waypoint dialog for a new waypoint there; the script call that
  // shows it, or empty when cancelled.
  virtual QString AddWaypointAt(double latitude, double longitude);
  virtual int FetchElevation(double latitude, double longitude);
  // Runs the destination editor for adding at a position; true on OK (the
  // destination is then in the store), with the editor's position and title.
  virtual bool AddDestinationAt(double& latitude, double& longitude, QString& title);

  // What the Connect action uses of the connection page.
  void SetScanEnabled(bool enabled) override { btnScanComport->setEnabled(enabled); }
  void ProcessMessages() override;
  int SelectedPortIndex() const override { return cmbComPort->currentIndex(); }
  void SetAutoScan(bool checked) override { rdoAutoScan->setChecked(checked); }
  bool AutoScan() const override { return rdoAutoScan->isChecked(); }

  // --- the frame ----------------------------------------------------------------
  QWidget* pnlAct;
  QTabWidget* PageControl;
  QWidget *pgDest, *pgWaypoint, *pgRoute, *pgTrack, *pgConfig;
  QTabWidget* PageControl1;
  QWidget *pgConnect, *pgSetLogger, *pgSetTrevik, *pgSetKVX;
  QSplitter* Splitter1;
  QWidget* pnlMap;
  QWidget* pnlMapControl;
  QToolButton *btnRefresh, *btnGetZoomLevel, *btnGoogleSearch, *btnSetHome, *btnFav;
  QLabel* lblLanguage;
  QComboBox* cmbLanguage;
  QWidget* CppWebBrowser;  // the map area
  QChartView* altchart;
  QValueAxis* altchartBottomAxis;
  QValueAxis* altchartLeftAxis;
  QStatusBar* StatusBar1;
  QTimer* tmInit;
  QTimer* tmZoomLevel;
  TImageList ilWaypoint{16, 16};
  TImageList ilButton{32, 32};
  TImageList ilTab{16, 16};
  TImageList ilTurn{16, 16};
  TImageList ilpmnu{16, 16};

  // Map and chart menus.
  QMenu* pmnuMap;
  QAction *mnuAddPoint, *mnuModifylvPoint, *mnuDeletePoint, *mnuGetZoom, *mnuCloseLoop,
      *mnuShowAltChart, *mnuCalc;
  QMenu* pmnuRoute;
  QAction *mnuAddlvPoint, *mnuDeletelvPoint, *mnuGetElevation, *mnuCloseLoop2;
  QMenu* pmnuAltChart;
  QAction *mnuShowAltChart2, *mnuFollowMode;
  QMenu* mnuFav;
  QAction *N8, *mnuFavAdd, *N9;
  QMenu* mnuFavDel;

  // --- destination page -----------------------------------------------------------
  QLabel *lblCategory, *lblSubcategory, *lblTitle, *lblInfo;
  QComboBox *cmbSelCategory, *cmbSelSubCategory;
  QToolButton *btnDestSearch, *btnInfoSearch;
  QLineEdit *edtTitleSearch, *edtInfoSearch;
  QPushButton* btnEditCat;
  QTreeWidget* lvDest;
  QLabel *lblFile1, *lblDevice1, *lblTable1;
  TButtonGroup *bgDestFile, *bgDestDevice, *bgDestTable;

  // --- waypoint page --------------------------------------------------------------
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

  // --- route page -------------------------------------------------------------------
  QLabel* imgRoute;
  QTreeWidget* lvRoute;
  QLabel *lblFile3, *lblDevice3, *lblTable3;
  QToolButton *tbRouteOpen, *tbRouteSave, *tbgRouteKML, *tbgRouteGPX, *tbgRouteDeviceUp,
      *tbgRouteDeviceDown, *tbRouteTableAdd, *tbRouteTableMod, *tbRouteTableDel,
      *tbRouteTableClear;
  QCheckBox *chkShowRoute, *chkGenArrows;
  QLabel *lblTotalDistance, *TotalRouteDistance;

  // --- track page ---------------------------------------------------------------------
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

  // --- connection page ----------------------------------------------------------------
  QGroupBox* GroupBoxSerialPort;
  QLabel* lblComport;
  QComboBox* cmbComPort;
  QRadioButton *rdoAutoScan, *rdoManualConfig;
  QPushButton *btnScanComport, *btnConnect;
  QCheckBox* chkAutoConnect;
  QPushButton* btnDevMan;

  // --- logger settings page ---------------------------------------------------------
  TRadioGroup* rdgProfile;
  QGroupBox* GroupBoxRecord;
  QLabel *lblTime, *lblDistance, *lblSpeed, *lblSetZero;
  QSpinBox *edtConfigTime, *edtConfigDist, *edtConfigSpeed;
  QLabel *lblAltTime, *lblAltDist, *lblAltSpeed;
  QGroupBox* GroupBoxUsedSpace;
  QFrame *ShapeOuter, *ShapeInner;
  QLabel* lblPercentage;
  QPushButton *btnGetLogConfig, *btnSetLogConfig;

  // --- device settings page ---------------------------------------------------------
  QGroupBox* GroupBoxPowerMgr;
  QLabel *lblBacklight, *lblSuspend;
  QComboBox *cmbConfigBacklight, *cmbConfigSuspend;
  QGroupBox* GroupBoxTimeZone;
  QLabel *lblHome, *lblLocal;
  QComboBox *cmbHomeTimeZone, *cmbLocalTimeZone;
  QGroupBox* GroupBoxTurnDist;
  QComboBox* csTurnDist;
  QGroupBox* GroupBoxUnit;
  QLabel* lblLength;
  QComboBox* cmbLengthUnit;
  QGroupBox* grpLanguage;
  QComboBox* cmbConfigLang;
  QPushButton *btnGetTrevikConfig, *btnSetTrevikConfig;

  // --- program settings page --------------------------------------------------------
  QGroupBox* grpPOIIcons;
  QLabel* imgPOI;
  QLabel* pnlPOIColor;
  QPushButton* btnGeneratePOIs;
  QCheckBox* chkPOITrans;
  QGroupBox* grpProduct;
  QLabel *lblProduct, *lblProducer, *lblVersion, *lblUpdates, *lblFAQ, *lblOFAQ;
  QPushButton* btnVersionCheck;
  QGroupBox* grpRoute;
  QCheckBox *chkAltChart, *chkAltChartFollow, *chkCenterPSel, *chkAutoZoom;
  QLabel* pnlAChartColor;
  QGroupBox* grpTrack;
  QCheckBox *chkBoostMode, *chkSepTrack, *chkTrackImpMode, *chkTrackItems;
  QGroupBox* grpMisc;
  QCheckBox* chkVersion;
  QGroupBox* grpInternet;
  QLineEdit *edProxyServer, *edProxyPort;

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
  void BuildDestPage();
  void BuildWaypointPage();
  void BuildRoutePage();
  void BuildTrackPage();
  void BuildConnectPage();
  void BuildLoggerPage();
  void BuildDevicePage();
  void BuildProgramPage();
  void ApplyPlacement();
  void CopyButtonImages();
  bool InMap(QObject* target) const;
  bool TextInputFocused() const;
  void ToggleGoogleSearch();
  void BuildMapView();
  void HandleMapClick(const QString& report);

  std::unique_ptr<MapView> mapView_;
  bool inMapClick_ = false;

  QLabel* statusPanels_[4] = {};
  bool shownOnce_ = false;
  bool settingsWritten_ = false;
};

// The one main window while it exists.
extern TFormMain* FormMain;
// The base window title; file handlers append the file's name.
extern QString mainWindowTitle;
// The last click report looked at from the map page.
extern QString lastMapMessage;

// What a click report of the map page asks for.
enum MapCommand : int { mcAdd = 0, mcModify = 1, mcCenter = 2, mcSelect = 3, mcNone = -1 };

// Reads a report "COMMAND:index(lat,lng)". An empty report, a repetition of
// the last one, and one that does not parse give mcNone. The index is read
// for "SEL" and "MODIFY", the position (rounded to 5 decimals) for all but
// "SEL".
MapCommand ParseMapMessage(const QString& report, int& index, double& latitude, double& longitude);
