#include "Mainform.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <exception>

#include "Apconfig.h"
#include "Codepage.h"
#include "Desktop.h"
#include "Deststorage.h"
#include "Googlehtml.h"
#include "Jsescape.h"
#include "Routestorage.h"
#include "Trackstorage.h"
#include "Frmlanguage.h"
#include "Fontbank.h"
#include "Poistorage.h"
#include "Portscan.h"
#include "Pathmanager.h"
#include "Stringtable.h"
#include "Textfmt.h"
#include "Uiservices.h"
#include "Version.h"

TFormMain* FormMain = nullptr;
QString mainWindowTitle;
QString lastMapMessage;

namespace {

constexpr QRgb kMaskColour = 0xFF00FF;
constexpr int kPagePanelWidth = 450;

QString Str(int n) { return strTable ? strTable->GetString(n) : QStringLiteral("0"); }

QToolButton* ToolButton(QWidget* parent, const char* name, bool checkable = false) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setCheckable(checkable);
  b->setAutoRaise(true);
  return b;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& text) {
  auto* g = new QGroupBox(text, parent);
  g->setObjectName(QString::fromLatin1(name));
  return g;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QComboBox* DropDownList(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  return c;
}

QLineEdit* Edit(QWidget* parent, const char* name, bool readOnly = false) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setReadOnly(readOnly);
  return e;
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

QAction* Separator(QMenu* menu, const char* name) {
  QAction* a = menu->addSeparator();
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

// A report-style list with the given column titles and widths (0 hides it).
QTreeWidget* ListView(QWidget* parent, const char* name, const QStringList& columns,
                      const QList<int>& widths, bool multiSelect) {
  auto* lv = new QTreeWidget(parent);
  lv->setObjectName(QString::fromLatin1(name));
  lv->setRootIsDecorated(false);
  lv->setUniformRowHeights(true);
  lv->setAllColumnsShowFocus(true);
  lv->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
  lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv->setHeaderLabels(columns);
  // Wide columns scroll; they do not widen the page.
  lv->setMinimumWidth(120);
  for (int i = 0; i < widths.size() && i < columns.size(); ++i) {
    if (widths[i] == 0)
      lv->setColumnHidden(i, true);
    else if (widths[i] > 0)
      lv->setColumnWidth(i, widths[i]);
  }
  return lv;
}

// The side bar of a list page: a group label above its buttons.
QWidget* SideGroup(QWidget* parent, QLabel* label, const QList<QWidget*>& buttons) {
  auto* w = new QWidget(parent);
  auto* col = new QVBoxLayout(w);
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(2);
  label->setParent(w);
  col->addWidget(label);
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  for (QWidget* b : buttons) {
    b->setParent(w);
    row->addWidget(b);
  }
  row->addStretch(1);
  col->addLayout(row);
  return w;
}

// The left panel starts at its own width; the map takes what the window adds.
class PagePanel : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return {kPagePanelWidth, QWidget::sizeHint().height()}; }
};

QToolButton* PageTool(QWidget* parent, const char* name, const QString& text) {
  auto* b = ToolButton(parent, name);
  b->setText(text);
  b->setIconSize(QSize(32, 32));
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return b;
}

}  // namespace

// ============================================================================
// construction

TFormMain::TFormMain(QWidget* parent) : TFormMain(DeferCreate{}, parent) { FormCreate(); }

TFormMain::TFormMain(DeferCreate, QWidget* parent) : QMainWindow(parent) {
  FormMain = this;
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(QStringLiteral("Trevik AP"));
  BuildFrame();
  BuildDestPage();
  BuildWaypointPage();
  BuildRoutePage();
  BuildTrackPage();
  BuildConnectPage();
  BuildLoggerPage();
  BuildDevicePage();
  BuildProgramPage();
  PageControl->setCurrentWidget(pgRoute);
  PageControl1->setCurrentWidget(pgConnect);
  BuildMapView();
  resize(1000, 720);
  PageLoaded = false;
  ZoomPending = false;
  PlaybackRunning = false;
  // Key preview and the map's message hook both look at every event first.
  qApp->installEventFilter(this);
}

void TFormMain::BuildFrame() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QHBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);

  Splitter1 = new QSplitter(Qt::Horizontal, central);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  outer->addWidget(Splitter1);

  pnlAct = new PagePanel(Splitter1);
  pnlAct->setObjectName(QStringLiteral("pnlAct"));
  auto* actLayout = new QVBoxLayout(pnlAct);
  actLayout->setContentsMargins(2, 2, 2, 2);
  PageControl = new QTabWidget(pnlAct);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  actLayout->addWidget(PageControl);
  auto addPage = [](QTabWidget* tabs, const char* name, const QString& caption) {
    auto* page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, caption);
    return page;
  };
  pgDest = addPage(PageControl, "pgDest", QStringLiteral("Destinations"));
  pgWaypoint = addPage(PageControl, "pgWaypoint", QStringLiteral("Waypoints"));
  pgRoute = addPage(PageControl, "pgRoute", QStringLiteral("Route"));
  pgTrack = addPage(PageControl, "pgTrack", QStringLiteral("Tracks"));
  pgConfig = addPage(PageControl, "pgConfig", QStringLiteral("Settings"));
  auto* configLayout = new QVBoxLayout(pgConfig);
  configLayout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(pgConfig);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  configLayout->addWidget(PageControl1);
  pgConnect = addPage(PageControl1, "pgConnect", QStringLiteral("Connection"));
  pgSetLogger = addPage(PageControl1, "pgSetLogger", QStringLiteral("Logger"));
  pgSetTrevik = addPage(PageControl1, "pgSetTrevik", QStringLiteral("Trevik"));
  pgSetKVX = addPage(PageControl1, "pgSetKVX", QStringLiteral("KVX Settings"));

  pnlMap = new QWidget(Splitter1);
  pnlMap->setObjectName(QStringLiteral("pnlMap"));
  auto* mapLayout = new QVBoxLayout(pnlMap);
  mapLayout->setContentsMargins(0, 0, 0, 0);
  mapLayout->setSpacing(0);
  pnlMapControl = new QWidget(pnlMap);
  pnlMapControl->setObjectName(QStringLiteral("pnlMapControl"));
  auto* bar = new QHBoxLayout(pnlMapControl);
  bar->setContentsMargins(2, 2, 2, 2);
  btnRefresh = ToolButton(pnlMapControl, "btnRefresh");
  btnGetZoomLevel = ToolButton(pnlMapControl, "btnGetZoomLevel");
  btnGoogleSearch = ToolButton(pnlMapControl, "btnGoogleSearch", true);
  btnSetHome = ToolButton(pnlMapControl, "btnSetHome");
  btnFav = ToolButton(pnlMapControl, "btnFav");
  btnRefresh->setText(QStringLiteral("Refresh"));
  btnGetZoomLevel->setText(QStringLiteral("Zoom"));
  btnGoogleSearch->setText(QStringLiteral("Search"));
  btnSetHome->setText(QStringLiteral("Home"));
  btnFav->setText(QStringLiteral("Favorites"));
  for (QToolButton* b : {btnRefresh, btnGetZoomLevel, btnGoogleSearch, btnSetHome, btnFav})
    bar->addWidget(b);
  bar->addStretch(1);
  lblLanguage = Label(pnlMapControl, "lblLanguage", QStringLiteral("Language"));
  cmbLanguage = DropDownList(pnlMapControl, "cmbLanguage");
  bar->addWidget(lblLanguage);
  bar->addWidget(cmbLanguage);
  mapLayout->addWidget(pnlMapControl);

  // The map itself comes with the map page; until then the area stays empty.
  CppWebBrowser = new QWidget(pnlMap);
  CppWebBrowser->setObjectName(QStringLiteral("CppWebBrowser"));
  CppWebBrowser->setFocusPolicy(Qt::StrongFocus);
  CppWebBrowser->setAutoFillBackground(true);
  QPalette mapPalette = CppWebBrowser->palette();
  mapPalette.setColor(QPalette::Window, QColor(0xE5, 0xE3, 0xDF));
  CppWebBrowser->setPalette(mapPalette);
  CppWebBrowser->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  CppWebBrowser->setAcceptDrops(false);
  mapLayout->addWidget(CppWebBrowser, 1);

  auto* chart = new QChart;
  chart->legend()->hide();
  altchartBottomAxis = new QValueAxis;
  altchartLeftAxis = new QValueAxis;
  altchartBottomAxis->setTitleText(QStringLiteral("Distance"));
  altchartLeftAxis->setTitleText(QStringLiteral("Altitude"));
  chart->addAxis(altchartBottomAxis, Qt::AlignBottom);
  chart->addAxis(altchartLeftAxis, Qt::AlignLeft);
  altchart = new QChartView(chart, pnlMap);
  altchart->setObjectName(QStringLiteral("altchart"));
  altchart->setFixedHeight(144);
  altchart->setCursor(Qt::CrossCursor);
  mapLayout->addWidget(altchart);

  Splitter1->addWidget(pnlAct);
  Splitter1->addWidget(pnlMap);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  setStatusBar(StatusBar1);
  const int widths[4] = {100, 200, 100, 300};
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = new QLabel(StatusBar1);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    statusPanels_[i]->setFrameShape(QFrame::Panel);
    statusPanels_[i]->setFrameShadow(QFrame::Sunken);
    if (i < 3)
      statusPanels_[i]->setFixedWidth(widths[i]);
    else
      statusPanels_[i]->setMinimumWidth(widths[i]);
    StatusBar1->addWidget(statusPanels_[i], i == 3 ? 1 : 0);
  }
  statusPanels_[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  tmInit = new QTimer(this);
  tmInit->setObjectName(QStringLiteral("tmInit"));
  tmInit->setInterval(50);
  tmInit->setProperty("tag", 0);
  connect(tmInit, &QTimer::timeout, this, &TFormMain::tmInitTimer);
  tmZoomLevel = new QTimer(this);
  tmZoomLevel->setObjectName(QStringLiteral("tmZoomLevel"));
  tmZoomLevel->setInterval(50);

  pmnuMap = new QMenu(this);
  pmnuMap->setObjectName(QStringLiteral("pmnuMap"));
  mnuAddPoint = MenuItem(pmnuMap, "mnuAddPoint", QStringLiteral("Insert point"));
  mnuModifylvPoint = MenuItem(pmnuMap, "mnuModifylvPoint", QStringLiteral("Modify"));
  mnuDeletePoint = MenuItem(pmnuMap, "mnuDeletePoint", QStringLiteral("Delete"));
  mnuGetZoom = MenuItem(pmnuMap, "mnuGetZoom", QStringLiteral("Zoom to fit"));
  mnuCloseLoop = MenuItem(pmnuMap, "mnuCloseLoop", QStringLiteral("Close loop"));
  mnuShowAltChart = MenuItem(pmnuMap, "mnuShowAltChart", QStringLiteral("Altitude chart"));
  mnuShowAltChart->setCheckable(true);
  mnuCalc = MenuItem(pmnuMap, "mnuCalc", QStringLiteral("Calculate arrows"));
  mnuCalc->setVisible(false);

  pmnuRoute = new QMenu(this);
  pmnuRoute->setObjectName(QStringLiteral("pmnuRoute"));
  mnuAddlvPoint = MenuItem(pmnuRoute, "mnuAddlvPoint", QStringLiteral("Add"));
  mnuDeletelvPoint = MenuItem(pmnuRoute, "mnuDeletelvPoint", QStringLiteral("Delete"));
  mnuGetElevation = MenuItem(pmnuRoute, "mnuGetElevation", QStringLiteral("Get elevation"));
  mnuCloseLoop2 = MenuItem(pmnuRoute, "mnuCloseLoop2", QStringLiteral("Close loop"));

  pmnuAltChart = new QMenu(this);
  pmnuAltChart->setObjectName(QStringLiteral("pmnuAltChart"));
  mnuShowAltChart2 = MenuItem(pmnuAltChart, "mnuShowAltChart2", QStringLiteral("Altitude chart"));
  mnuShowAltChart2->setCheckable(true);
  mnuFollowMode = MenuItem(pmnuAltChart, "mnuFollowMode", QStringLiteral("Follow mode"));
  mnuFollowMode->setCheckable(true);
  altchart->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(altchart, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuAltChart->popup(altchart->mapToGlobal(p)); });

  mnuFav = new QMenu(this);
  mnuFav->setObjectName(QStringLiteral("mnuFav"));
  N8 = Separator(mnuFav, "N8");
  mnuFavAdd = MenuItem(mnuFav, "mnuFavAdd", QStringLiteral("Add"));
  N9 = Separator(mnuFav, "N9");
  mnuFavDel = mnuFav->addMenu(QStringLiteral("Delete"));
  mnuFavDel->setObjectName(QStringLiteral("mnuFavDel"));
}

void TFormMain::BuildDestPage() {
  auto* page = new QVBoxLayout(pgDest);
  auto* filters = new QGridLayout;
  lblCategory = Label(pgDest, "lblCategory", QStringLiteral("Category"));
  lblSubcategory = Label(pgDest, "lblSubcategory", QStringLiteral("Subcategory"));
  lblTitle = Label(pgDest, "lblTitle", QStringLiteral("Title"));
  lblInfo = Label(pgDest, "lblInfo", QStringLiteral("Info"));
  cmbSelCategory = DropDownList(pgDest, "cmbSelCategory");
  cmbSelCategory->setMaxVisibleItems(10);
  cmbSelSubCategory = DropDownList(pgDest, "cmbSelSubCategory");
  btnDestSearch = ToolButton(pgDest, "btnDestSearch", true);
  btnDestSearch->setText(QStringLiteral("?"));
  btnInfoSearch = ToolButton(pgDest, "btnInfoSearch", true);
  btnInfoSearch->setText(QStringLiteral("?"));
  edtTitleSearch = Edit(pgDest, "edtTitleSearch");
  edtInfoSearch = Edit(pgDest, "edtInfoSearch");
  btnEditCat = Button(pgDest, "btnEditCat", QStringLiteral("..."));
  filters->addWidget(lblCategory, 0, 0);
  filters->addWidget(cmbSelCategory, 0, 1, 1, 2);
  filters->addWidget(btnEditCat, 0, 3);
  filters->addWidget(lblSubcategory, 1, 0);
  filters->addWidget(cmbSelSubCategory, 1, 1, 1, 2);
  filters->addWidget(lblTitle, 2, 0);
  filters->addWidget(btnDestSearch, 2, 1);
  filters->addWidget(edtTitleSearch, 2, 2, 1, 2);
  filters->addWidget(lblInfo, 3, 0);
  filters->addWidget(btnInfoSearch, 3, 1);
  filters->addWidget(edtInfoSearch, 3, 2, 1, 2);
  page->addLayout(filters);
  lvDest = ListView(pgDest, "lvDest",
                    {QStringLiteral("Title"), QStringLiteral("Category"), QStringLiteral("Subcategory")},
                    {150, 80, 80}, true);
  page->addWidget(lvDest, 1);
  lblFile1 = Label(pgDest, "lblFile1", QStringLiteral("File"));
  lblDevice1 = Label(pgDest, "lblDevice1", QStringLiteral("Device"));
  lblTable1 = Label(pgDest, "lblTable1", QStringLiteral("Table"));
  bgDestFile = new TButtonGroup({QStringLiteral("Open"), QStringLiteral("Save")}, pgDest);
  bgDestFile->setObjectName(QStringLiteral("bgDestFile"));
  bgDestDevice = new TButtonGroup({QStringLiteral("Upload"), QStringLiteral("Download")}, pgDest);
  bgDestDevice->setObjectName(QStringLiteral("bgDestDevice"));
  bgDestTable = new TButtonGroup({QStringLiteral("Add"), QStringLiteral("Modify"),
                                  QStringLiteral("Delete"), QStringLiteral("DeleteAll")},
                                 pgDest);
  bgDestTable->setObjectName(QStringLiteral("bgDestTable"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(pgDest, lblFile1, {bgDestFile}));
  side->addWidget(SideGroup(pgDest, lblDevice1, {bgDestDevice}));
  side->addWidget(SideGroup(pgDest, lblTable1, {bgDestTable}));
  page->addLayout(side);
}

void TFormMain::BuildWaypointPage() {
  auto* page = new QVBoxLayout(pgWaypoint);
  auto* filters = new QHBoxLayout;
  lblIcon = Label(pgWaypoint, "lblIcon", QStringLiteral("Icon"));
  cmbSelIcon = DropDownList(pgWaypoint, "cmbSelIcon");
  cmbSelIcon->setIconSize(QSize(16, 16));
  btnWptSearch = ToolButton(pgWaypoint, "btnWptSearch", true);
  btnWptSearch->setText(QStringLiteral("?"));
  DateTimePicker = new QDateEdit(QDate::currentDate(), pgWaypoint);
  DateTimePicker->setObjectName(QStringLiteral("DateTimePicker"));
  DateTimePicker->setCalendarPopup(true);
  chkShowPOI = CheckBox(pgWaypoint, "chkShowPOI", QStringLiteral("Show on map"));
  chkShowPOI->setChecked(true);
  filters->addWidget(lblIcon);
  filters->addWidget(cmbSelIcon);
  filters->addWidget(btnWptSearch);
  filters->addWidget(DateTimePicker);
  filters->addStretch(1);
  filters->addWidget(chkShowPOI);
  page->addLayout(filters);
  lvWpt = ListView(pgWaypoint, "lvWpt",
                   {QStringLiteral("Date & Time"), QStringLiteral("Latitude"), QStringLiteral("Longitude")},
                   {150, 80, 80}, true);
  lvWpt->setIconSize(QSize(16, 16));
  lvWpt->setContextMenuPolicy(Qt::CustomContextMenu);
  page->addWidget(lvWpt, 1);
  pmnuWPT = new QMenu(this);
  pmnuWPT->setObjectName(QStringLiteral("pmnuWPT"));
  mnuConverter = MenuItem(pmnuWPT, "mnuConverter", QStringLiteral("Converter..."));
  connect(lvWpt, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuWPT->popup(lvWpt->viewport()->mapToGlobal(p)); });

  tbWptFileOpen = PageTool(pgWaypoint, "tbWptFileOpen", QStringLiteral("Open"));
  tbWptFileSave = PageTool(pgWaypoint, "tbWptFileSave", QStringLiteral("Save"));
  tbWPTToGoogle = PageTool(pgWaypoint, "tbWPTToGoogle", QStringLiteral("Google Earth"));
  tbWPTToGoogle->setToolTip(QStringLiteral("Google Earth... "));
  tbWPTToGPX = PageTool(pgWaypoint, "tbWPTToGPX", QStringLiteral("GPX"));
  tbDeviceUp = PageTool(pgWaypoint, "tbDeviceUp", QStringLiteral("Upload"));
  tbDeviceDown = PageTool(pgWaypoint, "tbDeviceDown", QStringLiteral("Download"));
  tbWptTableAdd = PageTool(pgWaypoint, "tbWptTableAdd", QStringLiteral("Add"));
  tbWptTableMod = PageTool(pgWaypoint, "tbWptTableMod", QStringLiteral("Modify"));
  tbWptTableDel = PageTool(pgWaypoint, "tbWptTableDel", QStringLiteral("Delete"));
  tbWptTableClear = PageTool(pgWaypoint, "tbWptTableClear", QStringLiteral("Clear"));
  lblFile2 = Label(pgWaypoint, "lblFile2", QStringLiteral("File"));
  lblDevice2 = Label(pgWaypoint, "lblDevice2", QStringLiteral("Device"));
  lblTable2 = Label(pgWaypoint, "lblTable2", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(pgWaypoint, lblFile2, {tbWptFileOpen, tbWptFileSave, tbWPTToGoogle, tbWPTToGPX}));
  side->addWidget(SideGroup(pgWaypoint, lblDevice2, {tbDeviceUp, tbDeviceDown}));
  side->addWidget(SideGroup(pgWaypoint, lblTable2,
                            {tbWptTableAdd, tbWptTableMod, tbWptTableDel, tbWptTableClear}));
  page->addLayout(side);
}

void TFormMain::BuildRoutePage() {
  auto* page = new QVBoxLayout(pgRoute);
  auto* head = new QHBoxLayout;
  imgRoute = Label(pgRoute, "imgRoute", QString());
  imgRoute->setFixedSize(16, 16);
  chkShowRoute = CheckBox(pgRoute, "chkShowRoute", QStringLiteral("Show on map"));
  chkShowRoute->setChecked(true);
  chkGenArrows = CheckBox(pgRoute, "chkGenArrows",
                          QStringLiteral("Auto generate arrows only for new added route points"));
  // A long caption must not widen the page panel.
  chkGenArrows->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  chkGenArrows->setMinimumWidth(50);
  head->addWidget(imgRoute);
  head->addWidget(chkShowRoute);
  head->addStretch(1);
  page->addLayout(head);
  page->addWidget(chkGenArrows);
  lvRoute = ListView(pgRoute, "lvRoute",
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
  lblTotalDistance = Label(pgRoute, "lblTotalDistance", QStringLiteral("Total distance"));
  TotalRouteDistance = Label(pgRoute, "TotalRouteDistance", QStringLiteral("0"));
  total->addWidget(lblTotalDistance);
  total->addWidget(TotalRouteDistance);
  total->addStretch(1);
  page->addLayout(total);

  tbRouteOpen = PageTool(pgRoute, "tbRouteOpen", QStringLiteral("Open"));
  tbRouteSave = PageTool(pgRoute, "tbRouteSave", QStringLiteral("Save"));
  tbgRouteKML = PageTool(pgRoute, "tbgRouteKML", QStringLiteral("Google Earth"));
  tbgRouteGPX = PageTool(pgRoute, "tbgRouteGPX", QStringLiteral("GPX"));
  tbgRouteDeviceUp = PageTool(pgRoute, "tbgRouteDeviceUp", QStringLiteral("Upload"));
  tbgRouteDeviceDown = PageTool(pgRoute, "tbgRouteDeviceDown", QStringLiteral("Download"));
  tbRouteTableAdd = PageTool(pgRoute, "tbRouteTableAdd", QStringLiteral("Add"));
  tbRouteTableMod = PageTool(pgRoute, "tbRouteTableMod", QStringLiteral("Modify"));
  tbRouteTableDel = PageTool(pgRoute, "tbRouteTableDel", QStringLiteral("Delete"));
  tbRouteTableClear = PageTool(pgRoute, "tbRouteTableClear", QStringLiteral("Clear"));
  lblFile3 = Label(pgRoute, "lblFile3", QStringLiteral("File"));
  lblDevice3 = Label(pgRoute, "lblDevice3", QStringLiteral("Device"));
  lblTable3 = Label(pgRoute, "lblTable3", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(pgRoute, lblFile3, {tbRouteOpen, tbRouteSave, tbgRouteKML, tbgRouteGPX}));
  side->addWidget(SideGroup(pgRoute, lblDevice3, {tbgRouteDeviceUp, tbgRouteDeviceDown}));
  side->addWidget(SideGroup(pgRoute, lblTable3,
                            {tbRouteTableAdd, tbRouteTableMod, tbRouteTableDel, tbRouteTableClear}));
  page->addLayout(side);
}

void TFormMain::BuildTrackPage() {
  auto* page = new QVBoxLayout(pgTrack);
  imgTracks = Label(pgTrack, "imgTracks", QString());
  imgTracks->setFixedSize(16, 16);
  page->addWidget(imgTracks);

  Splitter2 = new QSplitter(Qt::Vertical, pgTrack);
  Splitter2->setObjectName(QStringLiteral("Splitter2"));
  lvTrack = ListView(Splitter2, "lvTrack", {QStringLiteral("Title"), QStringLiteral("Color")},
                     {200, 60}, true);
  Splitter2->addWidget(lvTrack);

  pnlTrackItems = new QWidget(Splitter2);
  pnlTrackItems->setObjectName(QStringLiteral("pnlTrackItems"));
  auto* items = new QVBoxLayout(pnlTrackItems);
  items->setContentsMargins(0, 0, 0, 0);
  pnlTrackItemsControl = new QWidget(pnlTrackItems);
  pnlTrackItemsControl->setObjectName(QStringLiteral("pnlTrackItemsControl"));
  auto* controls = new QHBoxLayout(pnlTrackItemsControl);
  controls->setContentsMargins(0, 0, 0, 0);
  spdTItemTop = ToolButton(pnlTrackItemsControl, "spdTItemTop");
  spdTItemTop->setProperty("tag", 0);
  spdTItemCenter = ToolButton(pnlTrackItemsControl, "spdTItemCenter");
  spdTItemCenter->setProperty("tag", 1);
  spdTItemEnd = ToolButton(pnlTrackItemsControl, "spdTItemEnd");
  spdTItemEnd->setProperty("tag", 2);
  spdaddToRoute = ToolButton(pnlTrackItemsControl, "spdaddToRoute");
  spdAutoGeneratorTrk = ToolButton(pnlTrackItemsControl, "spdAutoGeneratorTrk");
  spdAutoGeneratorTrk->setText(QStringLiteral("*"));
  spdTrackPlay = ToolButton(pnlTrackItemsControl, "spdTrackPlay");
  spdTrackPlay->setText(QStringLiteral(">"));
  spdTrackStopp = ToolButton(pnlTrackItemsControl, "spdTrackStopp");
  spdTrackStopp->setText(QStringLiteral("[]"));
  spdTrackStopp->setVisible(false);
  trbTrkSpeed = new QSlider(Qt::Horizontal, pnlTrackItemsControl);
  trbTrkSpeed->setObjectName(QStringLiteral("trbTrkSpeed"));
  trbTrkSpeed->setRange(0, 250);
  trbTrkSpeed->setTickInterval(50);
  trbTrkSpeed->setTickPosition(QSlider::TicksBelow);
  trbTrkSpeed->setToolTip(QStringLiteral("100 ms"));
  for (QWidget* w : std::initializer_list<QWidget*>{spdTItemTop, spdTItemCenter, spdTItemEnd,
                                                    spdaddToRoute, spdAutoGeneratorTrk,
                                                    spdTrackPlay, spdTrackStopp, trbTrkSpeed})
    controls->addWidget(w);
  items->addWidget(pnlTrackItemsControl);
  lvTrackItem = ListView(pnlTrackItems, "lvTrackItem",
                         {QStringLiteral("Lat"), QStringLiteral("Lng"), QStringLiteral("Distance"),
                          QStringLiteral("Time"), QStringLiteral("Speed"), QStringLiteral("Altitude")},
                         {65, 65, 60, 70, 50, 0}, false);
  lvTrackItem->setMouseTracking(true);
  lvTrackItem->setContextMenuPolicy(Qt::CustomContextMenu);
  items->addWidget(lvTrackItem, 1);
  Splitter2->addWidget(pnlTrackItems);
  page->addWidget(Splitter2, 1);

  pmnuTrackItems = new QMenu(this);
  pmnuTrackItems->setObjectName(QStringLiteral("pmnuTrackItems"));
  pmnuTStart = MenuItem(pmnuTrackItems, "pmnuTStart", QStringLiteral("Start"));
  pmnuTStart->setData(0);
  pmnuTMiddle = MenuItem(pmnuTrackItems, "pmnuTMiddle", QStringLiteral("Center"));
  pmnuTMiddle->setData(1);
  pmnuTEnd = MenuItem(pmnuTrackItems, "pmnuTEnd", QStringLiteral("End"));
  pmnuTEnd->setData(2);
  connect(lvTrackItem, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    pmnuTrackItems->popup(lvTrackItem->viewport()->mapToGlobal(p));
  });

  auto* sums = new QGridLayout;
  lblTrkStartTime = Label(pgTrack, "lblTrkStartTime", QStringLiteral("Start Time"));
  lblTrkEndTime = Label(pgTrack, "lblTrkEndTime", QStringLiteral("End Time"));
  lblTrkTotalTime = Label(pgTrack, "lblTrkTotalTime", QStringLiteral("Total Time"));
  lblTrkTotalDist = Label(pgTrack, "lblTrkTotalDist", QStringLiteral("Total Distance"));
  lblTrkTotalPoints = Label(pgTrack, "lblTrkTotalPoints", QStringLiteral("Total Points"));
  edtTrackStartTime = Edit(pgTrack, "edtTrackStartTime", true);
  edtTrackEndTime = Edit(pgTrack, "edtTrackEndTime", true);
  edtTrackTotalTime = Edit(pgTrack, "edtTrackTotalTime", true);
  edtTrackTotalDist = Edit(pgTrack, "edtTrackTotalDist", true);
  edtTrackTotalPoints = Edit(pgTrack, "edtTrackTotalPoints", true);
  QLabel* sumLabels[] = {lblTrkStartTime, lblTrkEndTime, lblTrkTotalTime, lblTrkTotalDist,
                         lblTrkTotalPoints};
  QLineEdit* sumEdits[] = {edtTrackStartTime, edtTrackEndTime, edtTrackTotalTime,
                           edtTrackTotalDist, edtTrackTotalPoints};
  for (int i = 0; i < 5; ++i) {
    sums->addWidget(sumLabels[i], i, 0);
    sums->addWidget(sumEdits[i], i, 1);
  }
  page->addLayout(sums);

  ToolBar3 = new QToolBar(pgTrack);
  ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
  tbTrackFileOpen = PageTool(ToolBar3, "tbTrackFileOpen", QStringLiteral("Open"));
  tbTrackFileSave = PageTool(ToolBar3, "tbTrackFileSave", QStringLiteral("Save"));
  tbTrackFileKLM = PageTool(ToolBar3, "tbTrackFileKLM", QStringLiteral("KML"));
  tbTrackFileGPX = PageTool(ToolBar3, "tbTrackFileGPX", QStringLiteral("GPX"));
  tbTrackFileNME = PageTool(ToolBar3, "tbTrackFileNME", QStringLiteral("NMEA"));
  tbTrackDeviceDown = PageTool(ToolBar3, "tbTrackDeviceDown", QStringLiteral("Download"));
  tbTrackTableMod = PageTool(ToolBar3, "tbTrackTableMod", QStringLiteral("Modify"));
  tbTrackTableDel = PageTool(ToolBar3, "tbTrackTableDel", QStringLiteral("Delete"));
  tbTrackTableClear = PageTool(ToolBar3, "tbTrackTableClear", QStringLiteral("Clear"));
  pmnuKML = new QMenu(this);
  pmnuKML->setObjectName(QStringLiteral("pmnuKML"));
  mnuKML = MenuItem(pmnuKML, "mnuKML", QStringLiteral("Export"));
  mnuCallGE = MenuItem(pmnuKML, "mnuCallGE", QStringLiteral("Google Earth..."));
  tbTrackFileKLM->setMenu(pmnuKML);
  tbTrackFileKLM->setPopupMode(QToolButton::InstantPopup);
  pmnuGPX = new QMenu(this);
  pmnuGPX->setObjectName(QStringLiteral("pmnuGPX"));
  mnuGPXImport = MenuItem(pmnuGPX, "mnuGPXImport", QStringLiteral("Import"));
  mnuGPXExport = MenuItem(pmnuGPX, "mnuGPXExport", QStringLiteral("Export"));
  tbTrackFileGPX->setMenu(pmnuGPX);
  tbTrackFileGPX->setPopupMode(QToolButton::InstantPopup);
  lblFile4 = Label(pgTrack, "lblFile4", QStringLiteral("File"));
  lblDevice4 = Label(pgTrack, "lblDevice4", QStringLiteral("Device"));
  lblTable4 = Label(pgTrack, "lblTable4", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(pgTrack, lblFile4,
                            {tbTrackFileOpen, tbTrackFileSave, tbTrackFileKLM, tbTrackFileGPX,
                             tbTrackFileNME}));
  side->addWidget(SideGroup(pgTrack, lblDevice4, {tbTrackDeviceDown}));
  side->addWidget(SideGroup(pgTrack, lblTable4, {tbTrackTableMod, tbTrackTableDel, tbTrackTableClear}));
  ToolBar3->hide();  // its buttons live in the side groups; the bar only names them
  page->addLayout(side);
}

void TFormMain::BuildConnectPage() {
  auto* page = new QVBoxLayout(pgConnect);
  GroupBoxSerialPort = Group(pgConnect, "GroupBoxSerialPort", QStringLiteral("Serial port"));
  auto* grid = new QGridLayout(GroupBoxSerialPort);
  lblComport = Label(GroupBoxSerialPort, "lblComport", QStringLiteral("COM Port"));
  cmbComPort = DropDownList(GroupBoxSerialPort, "cmbComPort");
  rdoAutoScan = new QRadioButton(QStringLiteral("Auto Scan"), GroupBoxSerialPort);
  rdoAutoScan->setObjectName(QStringLiteral("rdoAutoScan"));
  rdoAutoScan->setVisible(false);
  rdoManualConfig = new QRadioButton(QStringLiteral("Manual configuration"), GroupBoxSerialPort);
  rdoManualConfig->setObjectName(QStringLiteral("rdoManualConfig"));
  rdoManualConfig->setChecked(true);
  btnScanComport = Button(GroupBoxSerialPort, "btnScanComport", QStringLiteral("Scan"));
  btnConnect = Button(GroupBoxSerialPort, "btnConnect", QStringLiteral("Connect"));
  chkAutoConnect = CheckBox(GroupBoxSerialPort, "chkAutoConnect", QStringLiteral("Auto connect"));
  btnDevMan = Button(GroupBoxSerialPort, "btnDevMan", QStringLiteral("Device manager"));
  connect(btnScanComport, &QPushButton::clicked, this, &TFormMain::btnScanComportClick);
  connect(btnConnect, &QPushButton::clicked, this, &TFormMain::btnConnectClick);
  btnDevMan->setVisible(false);
  grid->addWidget(rdoAutoScan, 0, 0, 1, 2);
  grid->addWidget(rdoManualConfig, 1, 0, 1, 2);
  grid->addWidget(lblComport, 2, 0);
  grid->addWidget(cmbComPort, 2, 1);
  grid->addWidget(btnScanComport, 3, 0);
  grid->addWidget(btnConnect, 3, 1);
  grid->addWidget(chkAutoConnect, 4, 0, 1, 2);
  grid->addWidget(btnDevMan, 5, 0, 1, 2);
  page->addWidget(GroupBoxSerialPort);
  page->addStretch(1);
}

void TFormMain::BuildLoggerPage() {
  auto* page = new QVBoxLayout(pgSetLogger);
  rdgProfile = new TRadioGroup(QStringLiteral("Profile"),
                               {QStringLiteral("Car"), QStringLiteral("Bike"), QStringLiteral("Walk")},
                               3, pgSetLogger);
  rdgProfile->setObjectName(QStringLiteral("rdgProfile"));
  page->addWidget(rdgProfile);

  GroupBoxRecord = Group(pgSetLogger, "GroupBoxRecord", QStringLiteral("Record"));
  auto* rec = new QGridLayout(GroupBoxRecord);
  lblTime = Label(GroupBoxRecord, "lblTime", QStringLiteral("Time"));
  lblDistance = Label(GroupBoxRecord, "lblDistance", QStringLiteral("Distance"));
  lblSpeed = Label(GroupBoxRecord, "lblSpeed", QStringLiteral("Speed"));
  lblSetZero = Label(GroupBoxRecord, "lblSetZero", QStringLiteral("0 = off"));
  auto spin = [this](const char* name) {
    auto* s = new QSpinBox(GroupBoxRecord);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, 32767);
    return s;
  };
  edtConfigTime = spin("edtConfigTime");
  edtConfigDist = spin("edtConfigDist");
  edtConfigSpeed = spin("edtConfigSpeed");
  lblAltTime = Label(GroupBoxRecord, "lblAltTime", QStringLiteral("0"));
  lblAltDist = Label(GroupBoxRecord, "lblAltDist", QStringLiteral("0"));
  lblAltSpeed = Label(GroupBoxRecord, "lblAltSpeed", QStringLiteral("0"));
  struct Row {
    QLabel* caption;
    QSpinBox* edit;
    const char* unit;
    QLabel* alt;
    const char* altUnit;
  } rows[] = {{lblTime, edtConfigTime, "s", lblAltTime, "min"},
              {lblDistance, edtConfigDist, "m", lblAltDist, "km"},
              {lblSpeed, edtConfigSpeed, "m/s", lblAltSpeed, "km/h"}};
  for (int r = 0; r < 3; ++r) {
    rec->addWidget(rows[r].caption, r, 0);
    rec->addWidget(rows[r].edit, r, 1);
    rec->addWidget(new QLabel(QString::fromLatin1(rows[r].unit), GroupBoxRecord), r, 2);
    rec->addWidget(rows[r].alt, r, 3);
    rec->addWidget(new QLabel(QString::fromLatin1(rows[r].altUnit), GroupBoxRecord), r, 4);
  }
  rec->addWidget(lblSetZero, 3, 0, 1, 5);
  page->addWidget(GroupBoxRecord);

  GroupBoxUsedSpace = Group(pgSetLogger, "GroupBoxUsedSpace", QStringLiteral("Used space"));
  auto* used = new QHBoxLayout(GroupBoxUsedSpace);
  ShapeOuter = new QFrame(GroupBoxUsedSpace);
  ShapeOuter->setObjectName(QStringLiteral("ShapeOuter"));
  ShapeOuter->setFrameShape(QFrame::Box);
  ShapeOuter->setFixedSize(240, 16);
  ShapeInner = new QFrame(ShapeOuter);
  ShapeInner->setObjectName(QStringLiteral("ShapeInner"));
  ShapeInner->setAutoFillBackground(true);
  QPalette fill = ShapeInner->palette();
  fill.setColor(QPalette::Window, QColor(0xFF, 0x80, 0x00));
  ShapeInner->setPalette(fill);
  ShapeInner->setGeometry(0, 0, 0, 16);
  lblPercentage = Label(GroupBoxUsedSpace, "lblPercentage", QStringLiteral("?"));
  used->addWidget(ShapeOuter);
  used->addWidget(lblPercentage);
  used->addWidget(new QLabel(QStringLiteral("%"), GroupBoxUsedSpace));
  used->addStretch(1);
  page->addWidget(GroupBoxUsedSpace);

  auto* buttons = new QHBoxLayout;
  btnGetLogConfig = Button(pgSetLogger, "btnGetLogConfig", QStringLiteral("Get"));
  connect(btnGetLogConfig, &QPushButton::clicked, this, [this] { btnGetLogConfigClick(); });
  btnSetLogConfig = Button(pgSetLogger, "btnSetLogConfig", QStringLiteral("Set"));
  buttons->addWidget(btnGetLogConfig);
  buttons->addWidget(btnSetLogConfig);
  buttons->addStretch(1);
  page->addLayout(buttons);
  page->addStretch(1);
}

void TFormMain::BuildDevicePage() {
  auto* page = new QVBoxLayout(pgSetTrevik);
  GroupBoxPowerMgr = Group(pgSetTrevik, "GroupBoxPowerMgr", QStringLiteral("Power"));
  auto* power = new QGridLayout(GroupBoxPowerMgr);
  lblBacklight = Label(GroupBoxPowerMgr, "lblBacklight", QStringLiteral("Backlight"));
  lblSuspend = Label(GroupBoxPowerMgr, "lblSuspend", QStringLiteral("Suspend"));
  cmbConfigBacklight = DropDownList(GroupBoxPowerMgr, "cmbConfigBacklight");
  cmbConfigSuspend = DropDownList(GroupBoxPowerMgr, "cmbConfigSuspend");
  power->addWidget(lblBacklight, 0, 0);
  power->addWidget(cmbConfigBacklight, 0, 1);
  power->addWidget(new QLabel(QStringLiteral("seconds"), GroupBoxPowerMgr), 0, 2);
  power->addWidget(lblSuspend, 1, 0);
  power->addWidget(cmbConfigSuspend, 1, 1);
  power->addWidget(new QLabel(QStringLiteral("minutes"), GroupBoxPowerMgr), 1, 2);
  page->addWidget(GroupBoxPowerMgr);

  GroupBoxTimeZone = Group(pgSetTrevik, "GroupBoxTimeZone", QStringLiteral("Time zone"));
  auto* zones = new QGridLayout(GroupBoxTimeZone);
  lblHome = Label(GroupBoxTimeZone, "lblHome", QStringLiteral("Home"));
  lblLocal = Label(GroupBoxTimeZone, "lblLocal", QStringLiteral("Local"));
  cmbHomeTimeZone = DropDownList(GroupBoxTimeZone, "cmbHomeTimeZone");
  cmbLocalTimeZone = DropDownList(GroupBoxTimeZone, "cmbLocalTimeZone");
  zones->addWidget(lblHome, 0, 0);
  zones->addWidget(cmbHomeTimeZone, 0, 1);
  zones->addWidget(lblLocal, 1, 0);
  zones->addWidget(cmbLocalTimeZone, 1, 1);
  page->addWidget(GroupBoxTimeZone);

  GroupBoxTurnDist = Group(pgSetTrevik, "GroupBoxTurnDist", QStringLiteral("Turn distance"));
  auto* turn = new QHBoxLayout(GroupBoxTurnDist);
  csTurnDist = DropDownList(GroupBoxTurnDist, "csTurnDist");
  turn->addWidget(csTurnDist);
  turn->addWidget(new QLabel(QStringLiteral("meters"), GroupBoxTurnDist));
  turn->addStretch(1);
  page->addWidget(GroupBoxTurnDist);

  GroupBoxUnit = Group(pgSetTrevik, "GroupBoxUnit", QStringLiteral("Unit"));
  auto* unit = new QHBoxLayout(GroupBoxUnit);
  lblLength = Label(GroupBoxUnit, "lblLength", QStringLiteral("Length"));
  cmbLengthUnit = DropDownList(GroupBoxUnit, "cmbLengthUnit");
  unit->addWidget(lblLength);
  unit->addWidget(cmbLengthUnit);
  unit->addStretch(1);
  page->addWidget(GroupBoxUnit);

  grpLanguage = Group(pgSetTrevik, "grpLanguage", QStringLiteral("Language"));
  auto* lang = new QHBoxLayout(grpLanguage);
  cmbConfigLang = DropDownList(grpLanguage, "cmbConfigLang");
  lang->addWidget(cmbConfigLang);
  lang->addStretch(1);
  page->addWidget(grpLanguage);

  auto* buttons = new QHBoxLayout;
  btnGetTrevikConfig = Button(pgSetTrevik, "btnGetTrevikConfig", QStringLiteral("Get"));
  connect(btnGetTrevikConfig, &QPushButton::clicked, this, [this] { btnGetTrevikConfigClick(); });
  btnSetTrevikConfig = Button(pgSetTrevik, "btnSetTrevikConfig", QStringLiteral("Set"));
  buttons->addWidget(btnGetTrevikConfig);
  buttons->addWidget(btnSetTrevikConfig);
  buttons->addStretch(1);
  page->addLayout(buttons);
  page->addStretch(1);
}

void TFormMain::BuildProgramPage() {
  auto* page = new QVBoxLayout(pgSetKVX);
  auto colourPanel = [](QWidget* parent, const char* name, const QString& text) {
    auto* p = Label(parent, name, text);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setAlignment(Qt::AlignCenter);
    p->setAutoFillBackground(true);
    p->setCursor(Qt::PointingHandCursor);
    p->setMinimumSize(60, 22);
    return p;
  };

  grpPOIIcons = Group(pgSetKVX, "grpPOIIcons", QStringLiteral("POI Icons"));
  auto* icons = new QHBoxLayout(grpPOIIcons);
  imgPOI = Label(grpPOIIcons, "imgPOI", QString());
  imgPOI->setFixedSize(24, 24);
  pnlPOIColor = colourPanel(grpPOIIcons, "pnlPOIColor", QStringLiteral("Color"));
  QPalette white = pnlPOIColor->palette();
  white.setColor(QPalette::Window, Qt::white);
  pnlPOIColor->setPalette(white);
  btnGeneratePOIs = Button(grpPOIIcons, "btnGeneratePOIs", QStringLiteral("Generate Icons"));
  chkPOITrans = CheckBox(grpPOIIcons, "chkPOITrans", QStringLiteral("Transparent mode"));
  icons->addWidget(imgPOI);
  icons->addWidget(pnlPOIColor);
  icons->addWidget(btnGeneratePOIs);
  icons->addWidget(chkPOITrans);
  page->addWidget(grpPOIIcons);

  grpRoute = Group(pgSetKVX, "grpRoute", QStringLiteral("Route"));
  auto* route = new QGridLayout(grpRoute);
  chkAltChart = CheckBox(grpRoute, "chkAltChart", QStringLiteral("Altitude chart"));
  chkAltChartFollow = CheckBox(grpRoute, "chkAltChartFollow", QStringLiteral("Follow mode"));
  pnlAChartColor = colourPanel(grpRoute, "pnlAChartColor", QStringLiteral("Color"));
  chkCenterPSel = CheckBox(grpRoute, "chkCenterPSel", QStringLiteral("Center selected point"));
  chkAutoZoom = CheckBox(grpRoute, "chkAutoZoom", QStringLiteral("AutoZoom"));
  route->addWidget(chkAltChart, 0, 0);
  route->addWidget(pnlAChartColor, 0, 1);
  route->addWidget(chkAltChartFollow, 1, 0);
  route->addWidget(chkCenterPSel, 2, 0);
  route->addWidget(chkAutoZoom, 3, 0);
  page->addWidget(grpRoute);

  grpTrack = Group(pgSetKVX, "grpTrack", QStringLiteral("Tracks"));
  auto* track = new QVBoxLayout(grpTrack);
  chkBoostMode = CheckBox(grpTrack, "chkBoostMode", QStringLiteral("BoostMode"));
  chkSepTrack = CheckBox(grpTrack, "chkSepTrack", QStringLiteral("Different Trackcolors "));
  chkTrackImpMode = CheckBox(grpTrack, "chkTrackImpMode", QStringLiteral("Auto select all entries"));
  chkTrackItems = CheckBox(grpTrack, "chkTrackItems", QStringLiteral("Trackpoint list"));
  for (QCheckBox* c : {chkBoostMode, chkSepTrack, chkTrackImpMode, chkTrackItems}) track->addWidget(c);
  page->addWidget(grpTrack);

  grpMisc = Group(pgSetKVX, "grpMisc", QStringLiteral("Misc"));
  auto* misc = new QVBoxLayout(grpMisc);
  chkVersion = CheckBox(grpMisc, "chkVersion", QStringLiteral("Check for new version at start"));
  misc->addWidget(chkVersion);
  page->addWidget(grpMisc);

  grpInternet = Group(pgSetKVX, "grpInternet", QStringLiteral("Internet"));
  auto* net = new QFormLayout(grpInternet);
  edProxyServer = Edit(grpInternet, "edProxyServer");
  edProxyPort = Edit(grpInternet, "edProxyPort");
  net->addRow(QStringLiteral("ProxyServer"), edProxyServer);
  net->addRow(QStringLiteral("ProxyPort"), edProxyPort);
  grpInternet->setVisible(false);
  page->addWidget(grpInternet);

  grpProduct = Group(pgSetKVX, "grpProduct", QStringLiteral("Product"));
  auto* product = new QGridLayout(grpProduct);
  lblProduct = Label(grpProduct, "lblProduct", QString());
  lblProducer = Label(grpProduct, "lblProducer", QString());
  lblVersion = Label(grpProduct, "lblVersion", QString());
  lblUpdates = Label(grpProduct, "lblUpdates", QStringLiteral("Updates"));
  lblFAQ = Label(grpProduct, "lblFAQ", QStringLiteral("FAQ"));
  lblOFAQ = Label(grpProduct, "lblOFAQ", QStringLiteral("Online FAQ"));
  for (QLabel* link : {lblUpdates, lblFAQ, lblOFAQ}) link->setCursor(Qt::PointingHandCursor);
  btnVersionCheck = Button(grpProduct, "btnVersionCheck", QStringLiteral("Check version"));
  product->addWidget(lblProduct, 0, 0);
  product->addWidget(lblProducer, 1, 0);
  product->addWidget(lblVersion, 2, 0);
  product->addWidget(lblUpdates, 0, 1);
  product->addWidget(lblFAQ, 1, 1);
  product->addWidget(lblOFAQ, 2, 1);
  product->addWidget(btnVersionCheck, 3, 0, 1, 2);
  page->addWidget(grpProduct);
  page->addStretch(1);
}

// ============================================================================
// creation from the settings

void TFormMain::FormCreate() {
  // 1-3: the language, chosen on the first run only.
  cmbLanguage->blockSignals(true);
  for (const LanguageEntry& e : languageTable)
    cmbLanguage->addItem(QString::fromUtf16(e.DisplayName));
  cmbLanguage->blockSignals(false);
  int lang = apConfig->Lang;
  if (apConfig->GetFirstRun()) {
    TFormLanguage chooser(this);
    if (UiServices::Get().ExecDialog(chooser) == QDialog::Accepted) lang = chooser.GetLanguageIndex();
  }
  if (lang < 0 || lang >= int(languageTable.size())) lang = 0;
  cmbLanguage->blockSignals(true);
  cmbLanguage->setCurrentIndex(lang);
  cmbLanguage->blockSignals(false);
  connect(cmbLanguage, &QComboBox::currentIndexChanged, this, &TFormMain::cmbLanguageChange);
  ApplyLanguage(lang);

  // 4: placement.
  ApplyPlacement();

  // 5-6: options.
  chkBoostMode->setChecked(apConfig->Boostmode);
  chkTrackImpMode->setChecked(apConfig->TrkImpMode);
  chkSepTrack->setChecked(apConfig->SepTrack);
  chkAutoZoom->setChecked(apConfig->AutoZoom);
  chkVersion->setChecked(apConfig->VersionCheck);
  chkAutoConnect->setChecked(apConfig->AutoConnect);
  btnScanComport->setEnabled(apConfig->AutoConnect);
  pnlTrackItems->setVisible(apConfig->ShowTrkPts);
  chkTrackItems->setChecked(apConfig->ShowTrkPts);
  const bool chartShown = (apConfig->Altchart & 1) != 0;
  chkAltChart->setChecked(chartShown);
  chkAltChartFollow->setChecked((apConfig->Altchart & 2) != 0);
  chkAltChartFollow->setEnabled(chartShown);
  chkCenterPSel->setChecked(apConfig->CenterPSel);
  if (!apConfig->AutoConnect) {
    GroupBoxSerialPort->setMinimumHeight(181);
    btnDevMan->setVisible(true);
  }

  // 7: the first map page opens at home, a home of 0/0 included.
  TGoogleHtml::MapCenterLat = apConfig->Lat;
  TGoogleHtml::MapCenterLng = apConfig->Lon;

  // 8: the altitude chart.
  altchart->setVisible(chartShown);
  {
    const uint32_t bgr = apConfig->AltchartCol;
    QPalette pal = pnlAChartColor->palette();
    pal.setColor(QPalette::Window, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    pnlAChartColor->setPalette(pal);
  }

  // 9: the proxy of the HTTP client.
  HGoogleProxy.Server = apConfig->ProxyServer;
  HGoogleProxy.Port = apConfig->ProxyPort;
  HGoogleProxy.Active = !apConfig->ProxyServer.isEmpty() && apConfig->ProxyPort != 0;
  edProxyServer->setText(apConfig->ProxyServer);
  edProxyPort->setText(QString::number(apConfig->ProxyPort));

  // 10: playback speed.
  trbTrkSpeed->setValue(apConfig->AniFactor);

  // 11-12.
  InitMainForm();
  LoadFontBank();
  if (apConfig->Port != -1 && apConfig->AutoConnect)
    SetStatusText(0, QStringLiteral("COM %1").arg(apConfig->Port));

  // 13: the globe viewer.
  GlobeViewerPresent = IsGoogleEarthInstalled();
  tbWPTToGoogle->setEnabled(GlobeViewerPresent);
  tbgRouteKML->setEnabled(GlobeViewerPresent);

  // 15-16.
  CopyButtonImages();
  setAcceptDrops(true);
}

void TFormMain::ApplyPlacement() {
  if (apConfig->WWidth > 0 && apConfig->WHeight > 0) {
    QRect r(apConfig->WLeft, apConfig->WTop, apConfig->WWidth, apConfig->WHeight);
    // Keep the window reachable: no larger than the desktop, and on a screen.
    QRect desk;
    for (QScreen* s : QGuiApplication::screens()) desk |= s->availableGeometry();
    if (!desk.isEmpty()) {
      r.setWidth(std::min(r.width(), desk.width()));
      r.setHeight(std::min(r.height(), desk.height()));
      bool onScreen = false;
      for (QScreen* s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(r);
      if (!onScreen) r.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    }
    move(r.topLeft());
    resize(r.size());
  }
  if (apConfig->WState) setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormMain::CopyButtonImages() {
  btnGetZoomLevel->setIcon(ilpmnu.Icon(2));
  // The other map-bar pictures are ours to choose.
  btnRefresh->setIcon(ilpmnu.Icon(7));
  btnGoogleSearch->setIcon(ilpmnu.Icon(8));
  btnSetHome->setIcon(ilpmnu.Icon(9));
  btnFav->setIcon(ilpmnu.Icon(10));
  for (QToolButton* b : {btnRefresh, btnGetZoomLevel, btnGoogleSearch, btnSetHome, btnFav})
    b->setToolButtonStyle(b->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  spdTItemTop->setIcon(ilpmnu.Icon(12));
  spdTItemCenter->setIcon(ilpmnu.Icon(13));
  spdTItemEnd->setIcon(ilpmnu.Icon(14));
  spdaddToRoute->setIcon(ilpmnu.Icon(3));
  imgTracks->setPixmap(ilTab.Pixmap(3));
  imgRoute->setPixmap(ilTab.Pixmap(2));
  PageControl->setTabIcon(PageControl->indexOf(pgDest), ilTab.Icon(0));
  PageControl->setTabIcon(PageControl->indexOf(pgWaypoint), ilTab.Icon(1));
  PageControl->setTabIcon(PageControl->indexOf(pgRoute), ilTab.Icon(2));
  PageControl->setTabIcon(PageControl->indexOf(pgTrack), ilTab.Icon(3));
  PageControl->setTabIcon(PageControl->indexOf(pgConfig), ilTab.Icon(4));
  // The tool-button strip: which picture stands where is ours to choose.
  struct {
    QToolButton* button;
    int image;
  } const pictures[] = {
      {bgDestFile->Item(0), 0},    {bgDestFile->Item(1), 1},     {bgDestDevice->Item(0), 2},
      {bgDestDevice->Item(1), 3},  {bgDestTable->Item(0), 4},    {bgDestTable->Item(1), 5},
      {bgDestTable->Item(2), 6},   {bgDestTable->Item(3), 9},    {tbWptFileOpen, 0},
      {tbWptFileSave, 1},          {tbWPTToGoogle, 11},          {tbWPTToGPX, 7},
      {tbDeviceUp, 2},             {tbDeviceDown, 3},            {tbWptTableAdd, 4},
      {tbWptTableMod, 5},          {tbWptTableDel, 6},           {tbWptTableClear, 9},
      {tbRouteOpen, 0},            {tbRouteSave, 1},             {tbgRouteKML, 11},
      {tbgRouteGPX, 7},            {tbgRouteDeviceUp, 2},        {tbgRouteDeviceDown, 3},
      {tbRouteTableAdd, 4},        {tbRouteTableMod, 5},         {tbRouteTableDel, 6},
      {tbRouteTableClear, 9},      {tbTrackFileOpen, 0},         {tbTrackFileSave, 1},
      {tbTrackFileKLM, 8},         {tbTrackFileGPX, 7},          {tbTrackFileNME, 10},
      {tbTrackDeviceDown, 3},      {tbTrackTableMod, 5},         {tbTrackTableDel, 6},
      {tbTrackTableClear, 9},
  };
  for (const auto& p : pictures) {
    const QIcon icon = ilButton.Icon(p.image);
    p.button->setIcon(icon);
    p.button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    if (p.button->text().isEmpty()) p.button->setText(p.button->accessibleName());
  }
}

// ============================================================================
// language

void TFormMain::cmbLanguageChange() { ApplyLanguage(cmbLanguage->currentIndex()); }

void TFormMain::ApplyLanguage(int index) {
  if (index < 0 || index >= int(languageTable.size())) index = 0;
  const LanguageEntry& entry = languageTable[size_t(index)];
  codepage::SetRuntimeLocale(entry.Locale);
  const QString fileName = QString::fromUtf16(entry.FileName);
  if (!strTable->LoadFromFile(pathManager->GetExeDir() + fileName)) {
    const int shown = cmbLanguage->currentIndex();
    const QString shownName = shown >= 0 && shown < int(languageTable.size())
                                  ? QString::fromUtf16(languageTable[size_t(shown)].FileName)
                                  : fileName;
    SetStatusText(3, QStringLiteral("Can not load language: ") + shownName);
    return;
  }

  auto tab = [](QTabWidget* tabs, QWidget* page, const QString& text) {
    tabs->setTabText(tabs->indexOf(page), text);
  };
  tab(PageControl, pgDest, Str(0));
  tab(PageControl, pgWaypoint, Str(1));
  tab(PageControl, pgRoute, Str(2));
  tab(PageControl, pgTrack, Str(3));
  tab(PageControl, pgConfig, Str(4));
  tab(PageControl1, pgConnect, Str(5));
  tab(PageControl1, pgSetLogger, Str(6));
  tab(PageControl1, pgSetTrevik, Str(7));
  tab(PageControl1, pgSetKVX, QStringLiteral("KVX ") + Str(4));

  // Destination page.
  lblCategory->setText(Str(8));
  lvDest->headerItem()->setText(1, Str(8));
  lblSubcategory->setText(Str(9));
  lvDest->headerItem()->setText(2, Str(9));
  lblTitle->setText(Str(10));
  lvDest->headerItem()->setText(0, Str(10));
  lblInfo->setText(Str(11));
  btnEditCat->setToolTip(Str(145));
  bgDestFile->Item(0)->setToolTip(Str(99));
  bgDestFile->Item(1)->setToolTip(Str(100));
  bgDestDevice->Item(0)->setToolTip(Str(101));
  bgDestDevice->Item(1)->setToolTip(Str(102));
  for (int i = 0; i < 4; ++i) bgDestTable->Item(i)->setToolTip(Str(103 + i));

  // Waypoint page.
  lblIcon->setText(Str(13));
  for (int c = 0; c < 3; ++c) lvWpt->headerItem()->setText(c, Str(14 + c));
  tbWptFileOpen->setToolTip(Str(99));
  tbWptFileSave->setToolTip(Str(100));
  tbWPTToGPX->setToolTip(Str(108));
  tbDeviceUp->setToolTip(Str(101));
  tbDeviceDown->setToolTip(Str(102));
  tbWptTableAdd->setToolTip(Str(103));
  tbWptTableMod->setToolTip(Str(104));
  tbWptTableDel->setToolTip(Str(105));
  tbWptTableClear->setToolTip(Str(106));

  // Route page.
  const int routeColumns[7] = {17, 10, 15, 16, 46, 21, 22};
  for (int c = 0; c < 7; ++c) lvRoute->headerItem()->setText(c, Str(routeColumns[c]));
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

  // Track page.
  lvTrack->headerItem()->setText(0, Str(10));
  lvTrack->headerItem()->setText(1, Str(28));
  lblTrkStartTime->setText(Str(23));
  lblTrkEndTime->setText(Str(24));
  lblTrkTotalTime->setText(Str(25));
  lblTrkTotalDist->setText(Str(26));
  lblTrkTotalPoints->setText(Str(27));
  tbTrackFileOpen->setToolTip(Str(99));
  tbTrackFileSave->setToolTip(Str(100));
  tbTrackFileKLM->setToolTip(Str(107));
  tbTrackFileGPX->setToolTip(Str(108));
  tbTrackFileNME->setToolTip(Str(109));
  tbTrackDeviceDown->setToolTip(Str(102));
  tbTrackTableMod->setToolTip(Str(104));
  tbTrackTableDel->setToolTip(Str(105));
  tbTrackTableClear->setToolTip(Str(106));
  const int pointColumns[5] = {15, 16, 46, 45, 47};
  for (int c = 0; c < 5; ++c) lvTrackItem->headerItem()->setText(c, Str(pointColumns[c]));
  spdTItemTop->setToolTip(Str(30));
  pmnuTStart->setText(Str(30));
  spdTItemCenter->setToolTip(Str(31));
  pmnuTMiddle->setText(Str(31));
  spdTItemEnd->setToolTip(Str(32));
  pmnuTEnd->setText(Str(32));
  spdaddToRoute->setToolTip(Str(33));
  spdAutoGeneratorTrk->setToolTip(Str(34));
  spdTrackPlay->setToolTip(Str(35));
  spdTrackStopp->setToolTip(Str(36));

  // Side-bar group labels of the four list pages.
  for (QLabel* l : {lblFile1, lblFile2, lblFile3, lblFile4}) l->setText(Str(96));
  for (QLabel* l : {lblDevice1, lblDevice2, lblDevice3, lblDevice4}) l->setText(Str(97));
  for (QLabel* l : {lblTable1, lblTable2, lblTable3, lblTable4}) l->setText(Str(98));

  // Map bar and menus.
  btnRefresh->setToolTip(Str(110));
  btnGoogleSearch->setToolTip(Str(111));
  btnSetHome->setToolTip(Str(112));
  btnFav->setToolTip(Str(170));
  btnGetZoomLevel->setToolTip(Str(171));
  mnuCloseLoop->setText(Str(169));
  mnuCloseLoop2->setText(Str(169));
  mnuFavAdd->setText(Str(156));
  mnuAddlvPoint->setText(Str(156));
  mnuFavDel->menuAction()->setText(Str(105));
  mnuDeletelvPoint->setText(Str(105));
  mnuDeletePoint->setText(Str(105));
  mnuGetZoom->setText(Str(171));
  mnuAddPoint->setText(Str(18));
  mnuModifylvPoint->setText(Str(157));
  mnuGetElevation->setText(Str(19));
  mnuKML->setText(Str(173));
  mnuGPXExport->setText(Str(173));
  mnuGPXImport->setText(Str(172));
  lblLanguage->setText(Str(60));
  grpLanguage->setTitle(Str(60));

  // Program-settings page.
  btnGeneratePOIs->setText(Str(59));
  pnlPOIColor->setText(Str(28));
  pnlAChartColor->setText(Str(28));
  grpProduct->setTitle(Str(61));
  chkAltChart->setText(Str(62));
  mnuShowAltChart->setText(chkAltChart->text());
  mnuShowAltChart2->setText(chkAltChart->text());
  chkAltChartFollow->setText(Str(63));
  mnuFollowMode->setText(chkAltChartFollow->text());
  grpRoute->setTitle(Str(2));
  grpTrack->setTitle(Str(3));
  chkAutoZoom->setText(Str(68));
  chkSepTrack->setText(Str(66));
  chkBoostMode->setText(Str(64));
  chkTrackItems->setText(Str(67));
  chkTrackImpMode->setText(Str(65));
  chkCenterPSel->setText(Str(69));
  chkVersion->setText(Str(70));
  chkShowPOI->setText(chkShowRoute->text());

  // Altitude chart.
  altchartBottomAxis->setTitleText(Str(46));
  altchartLeftAxis->setTitleText(Str(22));

  FillTurnDistances();
  ApplyConfigCaptions();
}

void TFormMain::ApplyConfigCaptions() {
  GroupBoxSerialPort->setTitle(Str(37));
  rdoAutoScan->setText(Str(38));
  rdoManualConfig->setText(Str(39));
  btnScanComport->setText(Str(163));
  btnConnect->setText(Str(164));
  rdgProfile->setTitle(Str(40));
  rdgProfile->SetItems({Str(41), Str(42), Str(43)});
  GroupBoxRecord->setTitle(Str(44));
  lblTime->setText(Str(29));
  lblDistance->setText(Str(46));
  lblSpeed->setText(Str(47));
  lblSetZero->setText(Str(48));
  GroupBoxUsedSpace->setTitle(Str(49));
  btnGetLogConfig->setText(Str(161));
  btnSetLogConfig->setText(Str(162));
  GroupBoxPowerMgr->setTitle(Str(50));
  lblBacklight->setText(Str(51));
  lblSuspend->setText(Str(52));
  lblHome->setText(Str(53));
  lblLocal->setText(Str(54));
  lblLength->setText(Str(55));
  GroupBoxTimeZone->setTitle(Str(56));
  GroupBoxTurnDist->setTitle(Str(57));
  GroupBoxUnit->setTitle(Str(58));
  btnGetTrevikConfig->setText(Str(161));
  btnSetTrevikConfig->setText(Str(162));
  QStringList zones;
  for (int n = 71; n <= 95; ++n) zones << Str(n);
  for (QComboBox* c : {cmbHomeTimeZone, cmbLocalTimeZone}) {
    c->clear();
    c->addItems(zones);
    c->setCurrentIndex(-1);
  }
}

void TFormMain::FillTurnDistances() {
  csTurnDist->clear();
  csTurnDist->addItems({QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                        QStringLiteral("30"), QStringLiteral("50")});
  csTurnDist->setCurrentIndex(-1);
}

// ============================================================================
// title, images and first fill

void TFormMain::InitMainForm() {
  mainWindowTitle = apConfig->Product + (pathManager->Portable ? QStringLiteral(" (USBMode) - ")
                                                                : QStringLiteral(" - "));
  setWindowTitle(mainWindowTitle);
  lblProduct->setText(QStringLiteral("Kartovex"));
  lblProducer->setText(QStringLiteral("Quorvex"));
  lblVersion->setText(QStringLiteral("Version ") + GetProgramVersion());

  PageControl->setTabVisible(PageControl->indexOf(pgDest), apConfig->Destination);
  PageControl->setTabVisible(PageControl->indexOf(pgWaypoint), apConfig->Waypoint);
  PageControl->setTabVisible(PageControl->indexOf(pgRoute), apConfig->Route);
  PageControl->setTabVisible(PageControl->indexOf(pgTrack), apConfig->Track);

  if (apConfig->Port != -1 && apConfig->AutoConnect) {
    SetStatusText(0, QStringLiteral("COM ") + QString::number(apConfig->Port));
  } else {
    SetStatusText(0, Str(166));
    FillComPortCombo();
  }

  // A missing strip is noted and the set-up goes on.
  const QColor mask = QColor::fromRgb(kMaskColour);
  LoadImageList(QStringLiteral("Buttons.bmp"), ilButton, mask);
  LoadImageList(QStringLiteral("POI_Icons.bmp"), ilWaypoint, mask);
  LoadImageList(QStringLiteral("Tabs.bmp"), ilTab, mask);
  LoadImageList(QStringLiteral("Turns.bmp"), ilTurn, mask);
  LoadImageList(QStringLiteral("Menus.bmp"), ilpmnu, mask);
  poiStorage.IconCount = ilWaypoint.Count();

  InitDefaultCategories();
  FillCategoryCombo();
  FillSubCategoryCombo(0);
  FillIconFilter();
  InitConfigPages();

  if (!(windowState() & Qt::WindowMaximized)) UpdateMapMode();
}

bool TFormMain::LoadImageList(const QString& fileName, TImageList& list, QColor mask) {
  if (list.AddMaskedFile(pathManager->GetExeDir() + fileName, mask)) return true;
  SetStatusText(3, QStringLiteral("Can not load image: ") + fileName);
  return false;
}

void TFormMain::LoadFontBank() {
  const std::string path = (pathManager->GetExeDir() + QStringLiteral("font.bnk")).toLocal8Bit().toStdString();
  if (fontBank.Load(path) == 0)
    UiServices::Get().MessageBox(Str(126), Str(125), UiServices::Icon::Error);
}

void TFormMain::FillIconFilter() {
  cmbSelIcon->blockSignals(true);
  cmbSelIcon->clear();
  const int count = ilWaypoint.Count();
  for (int n = 0; n < count; ++n) cmbSelIcon->addItem(ilWaypoint.Icon(n), QString::number(n));
  cmbSelIcon->addItem(QStringLiteral("ALL"));
  cmbSelIcon->setCurrentIndex(count);
  cmbSelIcon->setMaxVisibleItems(count + 1);
  cmbSelIcon->blockSignals(false);
}

QString TFormMain::GetProgramVersion() {
  BuildNumber = uint16_t(TREVIK_VERSION_BUILD);
  return QStringLiteral("%1.%2.%3.%4")
      .arg(TREVIK_VERSION_MAJOR)
      .arg(TREVIK_VERSION_MINOR)
      .arg(TREVIK_VERSION_PATCH)
      .arg(TREVIK_VERSION_BUILD);
}

void TFormMain::btnScanComportClick() {
  ScanComPorts();
  FillComPortCombo();
}

void TFormMain::btnConnectClick() { ConnectDevice(*this, *apConfig); }

void TFormMain::ProcessMessages() { QCoreApplication::processEvents(); }

void TFormMain::FillComPortCombo() {
  cmbComPort->clear();
  for (int i = 0; i < comPortCount; ++i) cmbComPort->addItem(ComPortItemText(comPorts[i]));
  cmbComPort->setCurrentIndex(ComPortIndex(apConfig->Port));
}

// ============================================================================
// status bar and tabs

void TFormMain::SetStatusText(int panel, const QString& text) {
  if (QLabel* l = StatusPanel(panel)) l->setText(text);
}

QString TFormMain::StatusText(int panel) const {
  QLabel* l = StatusPanel(panel);
  return l ? l->text() : QString();
}

QLabel* TFormMain::StatusPanel(int panel) const {
  return panel >= 0 && panel < 4 ? statusPanels_[panel] : nullptr;
}

QString TFormMain::TabCaption(QWidget* page) const {
  for (QTabWidget* tabs : {PageControl, PageControl1}) {
    const int i = tabs->indexOf(page);
    if (i >= 0) return tabs->tabText(i);
  }
  return {};
}

bool TFormMain::TabShown(QWidget* page) const {
  for (QTabWidget* tabs : {PageControl, PageControl1}) {
    const int i = tabs->indexOf(page);
    if (i >= 0) return tabs->isTabVisible(i);
  }
  return false;
}

// ============================================================================
// show, activation and the start timer

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
    // The window is active once it is shown; the start work follows.
    FormActivate();
  }
}

void TFormMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TFormMain::FormShow() {
  QCoreApplication::processEvents();
  if (apConfig->VersionCheck) CheckNewVersion(true);
}

void TFormMain::FormActivate() {
  if (tmInit->property("tag").toInt() == 0) {
    tmInit->setProperty("tag", 1);
    tmInit->start();
  }
}

void TFormMain::tmInitTimer() {
  tmInit->stop();
  if (windowState() & Qt::WindowMaximized) UpdateMapMode();
  RenderPoiIcons(false, 0xFFFFFF, false);
}

// ============================================================================
// keys

bool TFormMain::TextInputFocused() const {
  QWidget* f = QApplication::focusWidget();
  if (!f) return false;
  if (qobject_cast<QLineEdit*>(f) || qobject_cast<QTextEdit*>(f) ||
      qobject_cast<QPlainTextEdit*>(f) || qobject_cast<QAbstractSpinBox*>(f))
    return true;
  auto* combo = qobject_cast<QComboBox*>(f);
  return combo && combo->isEditable();
}

void TFormMain::ToggleGoogleSearch() {
  btnGoogleSearch->setChecked(!btnGoogleSearch->isChecked());
  btnGoogleSearchClick();
}

void TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift.testFlag(Qt::ControlModifier);
  if (ctrl && key == Qt::Key_F) {
    ToggleGoogleSearch();
    return;
  }
  // Enter, Delete and Ctrl+C belong to a text field that has the focus.
  if (TextInputFocused()) return;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (Mode == omRoute)
      lvRouteDblClick();
    else if (Mode == omTrack)
      lvTrackDblClick();
  } else if (key == Qt::Key_Delete) {
    if (Mode == omRoute)
      bgRouteTable_DeleteClick();
    else if (Mode == omTrack)
      bgTrackTableItems1Click();
  } else if (ctrl && key == Qt::Key_C) {
    btnSetHomeClick();
  }
}

bool TFormMain::InMap(QObject* target) const {
  auto* w = qobject_cast<QWidget*>(target);
  return w && (w == CppWebBrowser || CppWebBrowser->isAncestorOf(w));
}

bool TFormMain::ApplicationEvents1Message(QObject* target, QEvent* event) {
  if (!InMap(target)) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::RightButton) return false;
      pmnuMap->popup(me->globalPosition().toPoint());
      return true;
    }
    case QEvent::ContextMenu:
      // The right click has opened the menu already.
      return true;
    case QEvent::KeyPress: {
      auto* ke = static_cast<QKeyEvent*>(event);
      const int key = ke->key();
      if (key == Qt::Key_F && ke->modifiers().testFlag(Qt::ControlModifier)) {
        ToggleGoogleSearch();
        return true;
      }
      if (Mode == omRoute && !btnGoogleSearch->isChecked()) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
          lvRouteDblClick();
          return true;
        }
        if (key == Qt::Key_Delete) {
          bgRouteTable_DeleteClick();
          return true;
        }
      }
      return false;
    }
    default:
      return false;
  }
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
      type != QEvent::MouseButtonDblClick && type != QEvent::ContextMenu)
    return QMainWindow::eventFilter(watched, event);
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || w->window() != this) return QMainWindow::eventFilter(watched, event);
  if (InMap(watched)) return ApplicationEvents1Message(watched, event);
  if (type == QEvent::KeyPress) {
    // A key travels from the focused control up to its parents; look at it
    // once, on its first stop.
    QWidget* first = QApplication::focusWidget();
    if (w == (first ? first : static_cast<QWidget*>(this))) {
      auto* ke = static_cast<QKeyEvent*>(event);
      FormKeyDown(ke->key(), ke->modifiers());
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ============================================================================
// dropped files

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* event) {
  // Only the first item counts; one that is no local file stays empty, so
  // a file behind it is not taken instead.
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls()) files << url.toLocalFile();
  event->acceptProposedAction();
  HandleDroppedFile(files);
}

void TFormMain::HandleDroppedFile(const QStringList& files) {
  activateWindow();
  raise();
  QCoreApplication::processEvents();
  if (files.isEmpty()) return;
  const QString& first = files.front();
  if (QFileInfo(first).suffix().toUpper() != QStringLiteral("GPX")) return;
  altchart->hide();
  PageControl->setCurrentWidget(pgTrack);
  Mode = omTrack;
  FormResize();
  ImportGpx(first);
}

// ============================================================================
// close and shutdown

bool TFormMain::FormCloseQuery() {
  PlaybackRunning = false;
  return true;
}

void TFormMain::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery())
    event->accept();
  else
    event->ignore();
}

void TFormMain::WriteBackSettings() {
  if (settingsWritten_) return;
  settingsWritten_ = true;
  apConfig->Lang = cmbLanguage->currentIndex() < 0 ? 0 : cmbLanguage->currentIndex();
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  apConfig->WState = normal;
  if (normal) {
    apConfig->WLeft = x();
    apConfig->WTop = y();
    apConfig->WWidth = width();
    apConfig->WHeight = height();
  }
  // A page that cannot answer keeps the stored map type and zoom.
  try {
    apConfig->Mapmode = GetMapMode();
  } catch (...) {
  }
  try {
    apConfig->Mapzoom = GetZoomValue();
  } catch (...) {
  }
  apConfig->Boostmode = chkBoostMode->isChecked();
  apConfig->TrkImpMode = chkTrackImpMode->isChecked();
  apConfig->SepTrack = chkSepTrack->isChecked();
  apConfig->AutoZoom = chkAutoZoom->isChecked();
  apConfig->SetProxyServer(edProxyServer->text());
  apConfig->AniFactor = uint8_t(trbTrkSpeed->value());
  apConfig->ProxyPort = textfmt::StrToIntDef(edProxyPort->text(), 0);
  apConfig->Save();
}

TFormMain::~TFormMain() {
  qApp->removeEventFilter(this);
  try {
    WriteBackSettings();
  } catch (const std::exception& e) {
    ShowException(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowException(QString());
  }
  if (FormMain == this) FormMain = nullptr;
}

// ============================================================================
// the device's two settings, read at start and by the Get buttons

// Reads one of the device's two settings in the progress window, which hands
// the reply to ShowLoggerConfig or ShowDeviceConfig. Every failure, a port
// that cannot be opened among them, ends the read silently.
static void RunSettingsRead(TFormMain* owner, int task) {
  TFormWorkTask* window = nullptr;
  try {
    window = new TFormWorkTask(owner, task, QString(), apConfig->Port);
    FormWorkTask = window;
    window->ShowModal();
  } catch (...) {
  }
  delete window;
  FormWorkTask = nullptr;
}

void TFormMain::btnGetLogConfigClick() { RunSettingsRead(this, wtGetLoggerConfig); }
void TFormMain::btnGetTrevikConfigClick() { RunSettingsRead(this, wtGetDeviceConfig); }

// ============================================================================
// operations of the pages; each page fills in its own

void TFormMain::InitDefaultCategories() {}
void TFormMain::FillCategoryCombo() {}
void TFormMain::FillSubCategoryCombo(int) {}
void TFormMain::InitConfigPages() {}
bool TFormMain::IsGoogleEarthInstalled() { return false; }
void TFormMain::ImportGpx(const QString&) {}
void TFormMain::lvTrackDblClick() {}
void TFormMain::bgTrackTableItems1Click() {}
void TFormMain::lvRouteDblClick() {}
void TFormMain::bgRouteTable_DeleteClick() {}
void TFormMain::RenderPoiIcons(bool, uint32_t, bool) {}
void TFormMain::CheckNewVersion(bool) {}
void TFormMain::btnSetHomeClick() {}
void TFormMain::ShowDeviceConfig(const std::vector<std::string>&) {}
void TFormMain::ShowLoggerConfig(const std::vector<std::string>&) {}

// ============================================================================
// the map page and its script bridge

namespace {

// Text of `s` from the 1-based position `from`, `count` characters; empty
// for a count below 1, as the delimiters of a report may be missing.
QString Slice(const QString& s, qsizetype from, qsizetype count) {
  if (count < 1 || from > s.size()) return {};
  if (from < 1) from = 1;
  return s.mid(from - 1, count);
}

// A report's number rounded to 5 decimals (ties to even), as a position.
bool ReportNumber(const QString& text, double limit, double& out) {
  double v = 0;
  if (!textfmt::TryStrToFloat(text, v) || !std::isfinite(v) || std::fabs(v) > limit) return false;
  out = std::nearbyint(v * 100000.0) / 100000.0;
  return true;
}

QString FloatText(double v) { return textfmt::FloatToQStr(v); }

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

// The hourglass for the lifetime of the guard.
struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

MapCommand ParseMapMessage(const QString& report, int& index, double& latitude, double& longitude) {
  if (report.isEmpty() || report == lastMapMessage) return mcNone;
  lastMapMessage = report;
  if (report.size() > kMaxMapReportLength) return mcNone;

  // 1-based positions, 0 when absent.
  const qsizetype colon = report.indexOf(QLatin1Char(':')) + 1;
  const qsizetype open = report.indexOf(QLatin1Char('(')) + 1;
  const qsizetype comma = report.indexOf(QLatin1Char(',')) + 1;
  const qsizetype close = report.indexOf(QLatin1Char(')')) + 1;
  const QString command = Slice(report, 1, colon - 1);
  const QString indexText = Slice(report, colon + 1, open - colon - 1);
  const QString latText = Slice(report, open + 1, comma - open - 1);
  const QString lngText = Slice(report, comma + 1, close - comma - 1);

  if (command == QLatin1String("SEL")) {
    int i = 0;
    if (!textfmt::TryStrToInt(indexText, i)) return mcNone;
    index = i;
    return mcSelect;
  }
  int i = index;
  if (command == QLatin1String("MODIFY") && !textfmt::TryStrToInt(indexText, i)) return mcNone;
  double lat = 0, lng = 0;
  if (!ReportNumber(latText, 90.0, lat) || !ReportNumber(lngText, 360.0, lng)) return mcNone;
  index = i;
  latitude = lat;
  longitude = lng;
  if (command == QLatin1String("ADD")) return mcAdd;
  if (command == QLatin1String("MODIFY")) return mcModify;
  if (command == QLatin1String("Center")) return mcCenter;
  return mcNone;
}

void TFormMain::BuildMapView() {
  mapView_ = CreateMapView(CppWebBrowser);
  auto* layout = new QVBoxLayout(CppWebBrowser);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mapView_->Widget());
  mapView_->onLoaded = [this](bool ok) { CppWebBrowserDocumentComplete(ok); };
  mapView_->onReport = [this](const QString& report) {
    // The next regeneration clears the note with the rest of panel 3.
    if (report == kMapUnavailableReport)
      SetStatusText(3, QStringLiteral("Can not load the map"));
    else
      OnMapClick(report);
  };

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

  // The check box of a track row is the track selection of the whole program.
  trackStorage.SetRowCheckedQuery([this](std::size_t row) {
    QTreeWidgetItem* item = row < std::size_t(lvTrack->topLevelItemCount())
                                ? lvTrack->topLevelItem(int(row))
                                : nullptr;
    return item && item->checkState(0) == Qt::Checked;
  });
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
  html.ShowPOI = chkShowPOI->isChecked();
  html.ShowRoute = chkShowRoute->isChecked();
  html.BoostMode = apConfig->Boostmode;
  SetStatusText(3, QString());
  const bool written = html.Generate();
  if (html.BoostNote) SetStatusText(3, QStringLiteral("Boostmode"));
  if (!written) {
    // The browser keeps the page it shows.
    ZoomPending = false;
    SetStatusText(2, Str(168));
    SetStatusText(3, QStringLiteral("Can not write map page: ") + html.Error);
    return;
  }
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
  ExecScript(btnGoogleSearch->isChecked() ? QStringLiteral("showGoogleSearch(true)")
                                          : QStringLiteral("showGoogleSearch(false)"));
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
    // The device-manager button appears when Shift is held on the first look.
    if (GroupBoxSerialPort->minimumHeight() < 181) {
      const bool shift = UiServices::Get().ShiftHeld();
      btnDevMan->setVisible(shift);
      if (shift) GroupBoxSerialPort->setMinimumHeight(181);
    }
    altchart->hide();
  }
  FormResize();
  if (page == pgConfig && PageControl1->currentWidget() == pgConnect) FillComPortCombo();
}

void TFormMain::OnMapClick(const QString& report) {
  // A click that arrives while the page is being read, or while an earlier
  // click is still being handled (a dialog is open), waits its turn.
  if (inMapClick_ || (mapView_ && mapView_->Reading())) {
    QTimer::singleShot(20, this, [this, report] { OnMapClick(report); });
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
  auto selectRow = [](QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (!item) return;
    list->clearSelection();
    list->setCurrentItem(item);
    item->setSelected(true);
    list->scrollToItem(item);
  };

  switch (Mode) {
    case omDestination: {
      if (!apConfig->Destination) return;
      if (!destStorage.FirstCategory()) {
        ui.MessageBox(Str(128), Str(127), UiServices::Icon::Error);
        if (command == mcAdd) ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
        return;
      }
      if (command != mcAdd) return;
      if (lvDest->topLevelItemCount() >= 100) {
        ui.MessageBox(Str(136), Str(115), UiServices::Icon::Information);
        ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
        return;
      }
      double editLat = lat, editLng = lng;
      QString title;
      if (AddDestinationAt(editLat, editLng, title)) {
        ExecScript(QStringLiteral("dst_addPoint(") + FloatText(editLat) + QLatin1Char(',') + FloatText(editLng) +
                   QStringLiteral(",'") + EscapeJsString(title) + QStringLiteral("')"));
        FillDestList();
      } else {
        ExecScript(QStringLiteral("showPreMarkerDST('', false)"));
      }
      return;
    }
    case omRoute: {
      const int rows = lvRoute->topLevelItemCount();
      if (command == mcAdd) {
        // The page shows the clicked point already; a refusal takes it back.
        const QString takeBack = QStringLiteral("rte_deletePoint(%1)").arg(routeStorage.Count());
        if (rows >= 100) {
          ui.MessageBox(Str(136), Str(115), UiServices::Icon::Information);
          ExecScript(takeBack);
          return;
        }
        RouteAddResult result = raDuplicateName;
        // Names are unique, so a free number turns up within Count()+1 tries.
        for (std::size_t n = std::size_t(rows), tries = 0;
             result == raDuplicateName && tries <= routeStorage.Count(); ++n, ++tries)
          result = routeStorage.AddPoint(QString::number(n), lat, lng, ttNone, -1);
        if (result == raAdded) {
          FillRouteList(true, false);
          selectRow(lvRoute, lvRoute->topLevelItemCount() - 1);
        } else {
          ui.MessageBox(Str(136), Str(115), UiServices::Icon::Error);
          ExecScript(takeBack);
        }
        return;
      }
      if (index < 0 || index >= rows) return;
      if (command == mcModify) {
        routeStorage.SetPosition(index, lat, lng, -1);
        if (apConfig->Altchart & kAltchartShown)
          routeStorage.SetElevation(index, FetchElevation(lat, lng));
        FillRouteList(true, true);
      }
      selectRow(lvRoute, index);
      return;
    }
    case omWaypoint: {
      if (command != mcAdd) return;
      if (lvWpt->topLevelItemCount() >= 100) {
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

void TFormMain::btnGetZoomLevelClick() {}
void TFormMain::FillDestList() {}
void TFormMain::FillWptList() {}
void TFormMain::FillRouteList(bool, bool) {}
QString TFormMain::AddWaypointAt(double, double) { return {}; }
int TFormMain::FetchElevation(double, double) { return 0; }
bool TFormMain::AddDestinationAt(double&, double&, QString&) { return false; }
