#include "Mainform.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <exception>

#include "Apconfig.h"
#include "Busycursor.h"
#include "Codepage.h"
#include "Desktop.h"
#include "Deststorage.h"
#include "Folders.h"
#include "Fontbank.h"
#include "Frmlanguage.h"
#include "Googlehtml.h"
#include "Jsescape.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Stringtable.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Translators.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Version.h"

TFormMain* FormMain = nullptr;
QString mainWindowTitle;

using uibuild::Str;

namespace {

constexpr QRgb kMaskColour = 0xFF00FF;
constexpr int kPagePanelWidth = 450;

// The left panel starts at its own width; the map takes what the window adds.
class PagePanel : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return {kPagePanelWidth, QWidget::sizeHint().height()}; }
};

}  // namespace

// ============================================================================
// construction

TFormMain::TFormMain(QWidget* parent) : TFormMain(DeferCreate{}, parent) { FormCreate(); }

TFormMain::TFormMain(DeferCreate, QWidget* parent) : QMainWindow(parent) {
  FormMain = this;
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(QStringLiteral("Trevik AP"));
  BuildFrame();
  BuildPages();
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
  pageTabs_ = new TTabFit(PageControl);
  actLayout->addWidget(PageControl);

  pnlMap = new QWidget(Splitter1);
  pnlMap->setObjectName(QStringLiteral("pnlMap"));
  auto* mapLayout = new QVBoxLayout(pnlMap);
  mapLayout->setContentsMargins(0, 0, 0, 0);
  mapLayout->setSpacing(0);
  pnlMapControl = new QWidget(pnlMap);
  pnlMapControl->setObjectName(QStringLiteral("pnlMapControl"));
  auto* bar = new QHBoxLayout(pnlMapControl);
  bar->setContentsMargins(2, 2, 2, 2);
  btnRefresh = uibuild::ToolButton(pnlMapControl, "btnRefresh");
  btnGetZoomLevel = uibuild::ToolButton(pnlMapControl, "btnGetZoomLevel");
  btnGoogleSearch = uibuild::ToolButton(pnlMapControl, "btnGoogleSearch", true);
  btnSetHome = uibuild::ToolButton(pnlMapControl, "btnSetHome");
  btnFav = uibuild::ToolButton(pnlMapControl, "btnFav");
  btnRefresh->setText(QStringLiteral("Refresh"));
  btnGetZoomLevel->setText(QStringLiteral("Zoom"));
  btnGoogleSearch->setText(QStringLiteral("Search"));
  btnSetHome->setText(QStringLiteral("Home"));
  btnFav->setText(QStringLiteral("Favorites"));
  for (QToolButton* b : {btnRefresh, btnGetZoomLevel, btnGoogleSearch, btnSetHome, btnFav})
    bar->addWidget(b);
  bar->addStretch(1);
  lblLanguage = uibuild::Label(pnlMapControl, "lblLanguage", QStringLiteral("Language"));
  cmbLanguage = uibuild::DropDownList(pnlMapControl, "cmbLanguage");
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

  altchart = new TAltChart(*this, pnlMap);
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
    statusPanels_[i] = new TStatusPanel(widths[i], StatusBar1);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    // A panel keeps its width, and grows where a language's text needs more
    // and the window has room; otherwise the text is cut.
    if (i < 3) statusPanels_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
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
  mnuAddPoint = uibuild::MenuItem(pmnuMap, "mnuAddPoint", QStringLiteral("Insert point"));
  mnuModifylvPoint = uibuild::MenuItem(pmnuMap, "mnuModifylvPoint", QStringLiteral("Modify"));
  mnuDeletePoint = uibuild::MenuItem(pmnuMap, "mnuDeletePoint", QStringLiteral("Delete"));
  mnuGetZoom = uibuild::MenuItem(pmnuMap, "mnuGetZoom", QStringLiteral("Zoom to fit"));
  mnuCloseLoop = uibuild::MenuItem(pmnuMap, "mnuCloseLoop", QStringLiteral("Close loop"));
  mnuShowAltChart = uibuild::MenuItem(pmnuMap, "mnuShowAltChart", QStringLiteral("Altitude chart"));
  mnuShowAltChart->setCheckable(true);
  mnuCalc = uibuild::MenuItem(pmnuMap, "mnuCalc", QStringLiteral("Calculate arrows"));
  mnuCalc->setVisible(false);

  mnuFav = new QMenu(this);
  mnuFav->setObjectName(QStringLiteral("mnuFav"));
  N8 = uibuild::Separator(mnuFav, "N8");
  mnuFavAdd = uibuild::MenuItem(mnuFav, "mnuFavAdd", QStringLiteral("Add"));
  N9 = uibuild::Separator(mnuFav, "N9");
  mnuFavDel = mnuFav->addMenu(QStringLiteral("Delete"));
  mnuFavDel->setObjectName(QStringLiteral("mnuFavDel"));
}

void TFormMain::BuildPages() {
  pgDest = new TDestPage(*this, PageControl);
  PageControl->addTab(pgDest, QStringLiteral("Destinations"));
  pgWaypoint = new TWaypointPage(*this, PageControl);
  PageControl->addTab(pgWaypoint, QStringLiteral("Waypoints"));
  pgRoute = new TRoutePage(*this, PageControl);
  PageControl->addTab(pgRoute, QStringLiteral("Route"));
  pgTrack = new TTrackPage(*this, PageControl);
  PageControl->addTab(pgTrack, QStringLiteral("Tracks"));
  pgConfig = new QWidget(PageControl);
  pgConfig->setObjectName(QStringLiteral("pgConfig"));
  PageControl->addTab(pgConfig, QStringLiteral("Settings"));
  auto* configLayout = new QVBoxLayout(pgConfig);
  configLayout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(pgConfig);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  configTabs_ = new TTabFit(PageControl1);
  configLayout->addWidget(PageControl1);
  pgConnect = new TConnectPage(*this, PageControl1);
  PageControl1->addTab(pgConnect, QStringLiteral("Connection"));
  pgSetLogger = new TLoggerPage(*this, PageControl1);
  PageControl1->addTab(pgSetLogger, QStringLiteral("Logger"));
  pgSetTrevik = new TDeviceSetPage(*this, PageControl1);
  PageControl1->addTab(pgSetTrevik, QStringLiteral("Trevik"));
  pgSetKVX = new TProgramPage(*this, PageControl1);
  PageControl1->addTab(pgSetKVX, QStringLiteral("KVX Settings"));
  deviceTransfers = new TDeviceTransfers(*this, this);

  // Work that spans pages is wired once they all exist.
  pgWaypoint->AttachIconControls(*pgSetKVX);
  pgSetKVX->AttachMapBar();
  deviceTransfers->AttachButtons();
  pgRoute->AttachFrameControls({pmnuMap, mnuAddPoint, mnuModifylvPoint, mnuDeletePoint, mnuGetZoom,
                                mnuCloseLoop, mnuShowAltChart, mnuCalc});
  altchart->AttachOptions(mnuShowAltChart);
  pgTrack->AttachOptionControls(*pgSetKVX);
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
  pgSetKVX->chkBoostMode->setChecked(apConfig->Boostmode);
  pgSetKVX->chkTrackImpMode->setChecked(apConfig->TrkImpMode);
  pgSetKVX->chkSepTrack->setChecked(apConfig->SepTrack);
  pgSetKVX->chkAutoZoom->setChecked(apConfig->AutoZoom);
  pgSetKVX->chkVersion->setChecked(apConfig->VersionCheck);
  pgConnect->chkAutoConnect->setChecked(apConfig->AutoConnect);
  pgConnect->btnScanComport->setEnabled(apConfig->AutoConnect);
  pgTrack->pnlTrackItems->setVisible(apConfig->ShowTrkPts);
  pgSetKVX->chkTrackItems->setChecked(apConfig->ShowTrkPts);
  const bool chartShown = (apConfig->Altchart & 1) != 0;
  pgSetKVX->chkAltChart->setChecked(chartShown);
  pgSetKVX->chkAltChartFollow->setChecked((apConfig->Altchart & 2) != 0);
  pgSetKVX->chkAltChartFollow->setEnabled(chartShown);
  pgSetKVX->chkCenterPSel->setChecked(apConfig->CenterPSel);
  if (!apConfig->AutoConnect) {
    pgConnect->GroupBoxSerialPort->setMinimumHeight(181);
    pgConnect->btnDevMan->setVisible(true);
  }

  // 7: the first map page opens at home, a home of 0/0 included.
  TGoogleHtml::MapCenterLat = apConfig->Lat;
  TGoogleHtml::MapCenterLng = apConfig->Lon;

  // 8: the altitude chart.
  altchart->setVisible(chartShown);
  {
    const uint32_t bgr = apConfig->AltchartCol;
    uibuild::SetPanelColour(pgSetKVX->pnlAChartColor, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
  }

  // 9: the proxy of the HTTP client.
  HGoogleProxy.Server = apConfig->ProxyServer;
  HGoogleProxy.Port = apConfig->ProxyPort;
  HGoogleProxy.Active = !apConfig->ProxyServer.isEmpty() && apConfig->ProxyPort != 0;
  pgSetKVX->edProxyServer->setText(apConfig->ProxyServer);
  pgSetKVX->edProxyPort->setText(QString::number(apConfig->ProxyPort));

  // 10: playback speed.
  pgTrack->trbTrkSpeed->setValue(apConfig->AniFactor);

  // 11-12.
  InitMainForm();
  LoadFontBank();
  if (apConfig->Port != -1 && apConfig->AutoConnect)
    SetStatusText(0, StatusNote::Fixed(QStringLiteral("COM %1").arg(apConfig->Port)));

  // 13: the globe viewer.
  GlobeViewerPresent = IsGoogleEarthInstalled();
  pgWaypoint->tbWPTToGoogle->setEnabled(GlobeViewerPresent);
  pgRoute->tbgRouteKML->setEnabled(GlobeViewerPresent);

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
  if (apConfig->WState) {
    // A window manager maximises the window itself and keeps the bounds above
    // as its normal placement, which un-maximising brings back. A desktop
    // without one ignores the request: there the window covers the work area
    // of its screen by hand. Either way the stored bounds stay as they are.
    if (!UiServices::Get().WindowManagerPresent()) {
      QScreen* screen = QGuiApplication::screenAt(geometry().center());
      if (!screen) screen = QGuiApplication::primaryScreen();
      if (screen) setGeometry(screen->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
  }
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
  pgTrack->SetPictures();
  pgRoute->imgRoute->setPixmap(ilTab.Pixmap(2));
  pageTabs_->SetIcon(pgDest, ilTab.Icon(0));
  pageTabs_->SetIcon(pgWaypoint, ilTab.Icon(1));
  pageTabs_->SetIcon(pgRoute, ilTab.Icon(2));
  pageTabs_->SetIcon(pgTrack, ilTab.Icon(3));
  pageTabs_->SetIcon(pgConfig, ilTab.Icon(4));
  pageTabs_->Fit();
  // The tool-button strip: which picture stands where is ours to choose.
  TDestPage& d = *pgDest;
  TWaypointPage& w = *pgWaypoint;
  TRoutePage& r = *pgRoute;
  TTrackPage& t = *pgTrack;
  struct {
    QToolButton* button;
    int image;
  } const pictures[] = {
      {d.bgDestFile->Item(0), 0},   {d.bgDestFile->Item(1), 1},   {d.bgDestDevice->Item(0), 2},
      {d.bgDestDevice->Item(1), 3}, {d.bgDestTable->Item(0), 4},  {d.bgDestTable->Item(1), 5},
      {d.bgDestTable->Item(2), 6},  {d.bgDestTable->Item(3), 9},  {w.tbWptFileOpen, 0},
      {w.tbWptFileSave, 1},         {w.tbWPTToGoogle, 11},        {w.tbWPTToGPX, 7},
      {w.tbDeviceUp, 2},            {w.tbDeviceDown, 3},          {w.tbWptTableAdd, 4},
      {w.tbWptTableMod, 5},         {w.tbWptTableDel, 6},         {w.tbWptTableClear, 9},
      {r.tbRouteOpen, 0},           {r.tbRouteSave, 1},           {r.tbgRouteKML, 11},
      {r.tbgRouteGPX, 7},           {r.tbgRouteDeviceUp, 2},      {r.tbgRouteDeviceDown, 3},
      {r.tbRouteTableAdd, 4},       {r.tbRouteTableMod, 5},       {r.tbRouteTableDel, 6},
      {r.tbRouteTableClear, 9},     {t.tbTrackFileOpen, 0},       {t.tbTrackFileSave, 1},
      {t.tbTrackFileKLM, 8},        {t.tbTrackFileGPX, 7},        {t.tbTrackFileNME, 10},
      {t.tbTrackDeviceDown, 3},     {t.tbTrackTableMod, 5},       {t.tbTrackTableDel, 6},
      {t.tbTrackTableClear, 9},
  };
  for (const auto& p : pictures) uibuild::SetPicture(p.button, ilButton.Icon(p.image));
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
    SetStatusText(3, StatusNote::Fixed(QStringLiteral("Can not load language: ") + shownName));
    return;
  }
  // The program's own texts and Qt's dialogs follow the table's language.
  if (!translators::Apply(translators::Folder(pathManager->GetExeDir()), QLatin1String(entry.Code)))
    std::fprintf(stderr, "trevik-ap: no translations for %s in %s\n", entry.Code,
                 qPrintable(translators::Folder(pathManager->GetExeDir())));

  pageTabs_->SetCaption(pgDest, Str(0));
  pageTabs_->SetCaption(pgWaypoint, Str(1));
  pageTabs_->SetCaption(pgRoute, Str(2));
  pageTabs_->SetCaption(pgTrack, Str(3));
  pageTabs_->SetCaption(pgConfig, Str(4));
  configTabs_->SetCaption(pgConnect, Str(5));
  configTabs_->SetCaption(pgSetLogger, Str(6));
  configTabs_->SetCaption(pgSetTrevik, Str(7));
  configTabs_->SetCaption(pgSetKVX, QStringLiteral("KVX ") + Str(4));
  pageTabs_->Fit();
  configTabs_->Fit();

  pgDest->ApplyLanguage();
  pgWaypoint->ApplyLanguage();
  pgRoute->ApplyLanguage();
  pgTrack->ApplyLanguage();
  pgSetKVX->ApplyLanguage();
  altchart->ApplyLanguage();

  // Map bar and menus.
  btnRefresh->setToolTip(Str(110));
  btnGoogleSearch->setToolTip(Str(111));
  btnSetHome->setToolTip(Str(112));
  btnFav->setToolTip(Str(170));
  btnGetZoomLevel->setToolTip(Str(171));
  mnuCloseLoop->setText(Str(169));
  mnuFavAdd->setText(Str(156));
  mnuFavDel->menuAction()->setText(Str(105));
  mnuDeletePoint->setText(Str(105));
  mnuGetZoom->setText(Str(171));
  mnuAddPoint->setText(Str(18));
  mnuModifylvPoint->setText(Str(157));
  mnuShowAltChart->setText(pgSetKVX->chkAltChart->text());
  lblLanguage->setText(Str(60));

  pgSetTrevik->FillTurnDistances();
  ApplyConfigCaptions();
  RemakeStatusTexts();
}

void TFormMain::ApplyConfigCaptions() {
  pgConnect->ApplyLanguage();
  pgSetLogger->ApplyLanguage();
  pgSetTrevik->ApplyLanguage();
}

// ============================================================================
// title, images and first fill

void TFormMain::InitMainForm() {
  mainWindowTitle = apConfig->Product + (pathManager->Portable ? QStringLiteral(" (USBMode) - ")
                                                                : QStringLiteral(" - "));
  setWindowTitle(mainWindowTitle);
  pgSetKVX->lblProduct->setText(QStringLiteral("Kartovex"));
  pgSetKVX->lblProducer->setText(QStringLiteral("Quorvex"));
  pgSetKVX->lblVersion->setText(QStringLiteral("Version ") + GetProgramVersion());

  PageControl->setTabVisible(PageControl->indexOf(pgDest), apConfig->Destination);
  PageControl->setTabVisible(PageControl->indexOf(pgWaypoint), apConfig->Waypoint);
  PageControl->setTabVisible(PageControl->indexOf(pgRoute), apConfig->Route);
  PageControl->setTabVisible(PageControl->indexOf(pgTrack), apConfig->Track);
  pageTabs_->Fit();

  if (apConfig->Port != -1 && apConfig->AutoConnect) {
    SetStatusText(0, StatusNote::Fixed(QStringLiteral("COM ") + QString::number(apConfig->Port)));
  } else {
    SetStatusText(0, Str(166));
    pgConnect->FillComPortCombo();
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
  pgWaypoint->FillIconFilter();
  InitConfigPages();

  if (!(windowState() & Qt::WindowMaximized)) UpdateMapMode();
}

bool TFormMain::LoadImageList(const QString& fileName, TImageList& list, QColor mask) {
  if (list.AddMaskedFile(pathManager->GetExeDir() + fileName, mask)) return true;
  SetStatusText(3, [fileName] { return tr("Can not load image: %1").arg(fileName); });
  return false;
}

void TFormMain::LoadFontBank() {
  const std::string path = (pathManager->GetExeDir() + QStringLiteral("font.bnk")).toLocal8Bit().toStdString();
  if (fontBank.Load(path) == 0)
    UiServices::Get().MessageBox(Str(126), Str(125), UiServices::Icon::Error);
}

QString TFormMain::GetProgramVersion() {
  BuildNumber = uint16_t(TREVIK_VERSION_BUILD);
  return QStringLiteral("%1.%2.%3.%4")
      .arg(TREVIK_VERSION_MAJOR)
      .arg(TREVIK_VERSION_MINOR)
      .arg(TREVIK_VERSION_PATCH)
      .arg(TREVIK_VERSION_BUILD);
}

// ============================================================================
// status bar and tabs

namespace {
// The language file's words that the status bar shows: the pages' names,
// "not connected", "done" and "failed".
constexpr int kStatusWords[] = {0, 1, 2, 3, 6, 7, 166, 167, 168};
}  // namespace

TFormMain::PanelNote TFormMain::MakeNote(const StatusNote& note) const {
  if (note.Maker()) return {note.Maker()(), note.Maker()};
  const QString& text = note.Text();
  if (text.isEmpty()) return {};
  for (int n : kStatusWords)
    if (text == Str(n)) return {text, [n] { return Str(n); }};
  if (note.IsFixed()) return {text, [text] { return text; }};
  return {text, nullptr};
}

void TFormMain::SetStatusText(int panel, const StatusNote& note) {
  TStatusPanel* l = StatusPanel(panel);
  if (!l) return;
  const PanelNote made = MakeNote(note);
  if (panel == 2) {
    // A new result: the reason of the one before goes with it.
    failureReason_ = {};
    // Its reason is written in the same step, before the next event.
    reasonExpected_ = made.text == Str(168);
    if (reasonExpected_) QTimer::singleShot(0, this, [this] { reasonExpected_ = false; });
    panelNotes_[2] = made;
    l->SetText(made.text);
    ShowPanel3();
    return;
  }
  if (panel == 3) {
    if (reasonExpected_) {
      reasonExpected_ = false;
      failureReason_ = made;
    } else if (made.text.isEmpty()) {
      statusNote_ = {};
      failureReason_ = {};
    } else {
      // A note that comes later (the map page's, say) waits under the reason.
      statusNote_ = made;
    }
    ShowPanel3();
    return;
  }
  panelNotes_[panel] = made;
  l->SetText(made.text);
}

void TFormMain::ShowPanel3() {
  StatusPanel(3)->SetText(failureReason_.text.isEmpty() ? statusNote_.text : failureReason_.text);
}

// A text that cannot be made again would stay in the language left behind:
// it goes.
void TFormMain::RemakeStatusTexts() {
  const auto remake = [](PanelNote& note) { note.text = note.make ? note.make() : QString(); };
  for (int panel = 0; panel < 3; ++panel) {
    remake(panelNotes_[panel]);
    StatusPanel(panel)->SetText(panelNotes_[panel].text);
  }
  remake(statusNote_);
  remake(failureReason_);
  ShowPanel3();
}

QString TFormMain::StatusText(int panel) const {
  QLabel* l = StatusPanel(panel);
  return l ? l->text() : QString();
}

TStatusPanel* TFormMain::StatusPanel(int panel) const {
  return panel >= 0 && panel < 4 ? statusPanels_[panel] : nullptr;
}

TMapBar TFormMain::MapBar() {
  return {btnRefresh, btnGetZoomLevel, btnGoogleSearch, btnSetHome, btnFav, mnuFav, mnuFavAdd, mnuFavDel};
}

void TFormMain::SetTitleFile(const QString& fileName) { setWindowTitle(mainWindowTitle + fileName); }

QString TFormMain::TabCaption(QWidget* page) const {
  for (TTabFit* tabs : {pageTabs_, configTabs_}) {
    const QString caption = tabs->Caption(page);
    if (!caption.isNull()) return caption;
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

bool TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift.testFlag(Qt::ControlModifier);
  if (ctrl && key == Qt::Key_F) {
    ToggleGoogleSearch();
    return false;
  }
  // Enter, Delete and Ctrl+C belong to a text field that has the focus.
  if (TextInputFocused()) return false;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // The editor's Enter goes no further: once the editor has closed, the
    // key would reach the window again and open a second one.
    if (Mode == omRoute) {
      lvRouteDblClick();
      return true;
    }
    if (Mode == omTrack) {
      lvTrackDblClick();
      return true;
    }
  } else if (key == Qt::Key_Delete) {
    if (Mode == omRoute)
      bgRouteTable_DeleteClick();
    else if (Mode == omTrack)
      bgTrackTableItems1Click();
  } else if (ctrl && key == Qt::Key_C) {
    btnSetHomeClick();
  }
  return false;
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
      if (FormKeyDown(ke->key(), ke->modifiers())) return true;
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
  // A No keeps the window, and a playback running in it goes on.
  if (!unsaved::MayClose()) return false;
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
  const TProgramPage& options = *pgSetKVX;
  apConfig->Boostmode = options.chkBoostMode->isChecked();
  apConfig->TrkImpMode = options.chkTrackImpMode->isChecked();
  apConfig->SepTrack = options.chkSepTrack->isChecked();
  apConfig->AutoZoom = options.chkAutoZoom->isChecked();
  apConfig->SetProxyServer(options.edProxyServer->text());
  apConfig->AniFactor = uint8_t(pgTrack->trbTrkSpeed->value());
  apConfig->ProxyPort = ProxyPortFromText(options.edProxyPort->text());
  SaveSettings();
}

bool TFormMain::SaveSettings() {
  if (apConfig->Save()) return true;
  // Said once a run: every later save would fail for the same reason.
  if (!settingsSaveReported_) {
    settingsSaveReported_ = true;
    const QString path = apConfig->IniPath;
    QString why = folders::WhyNotWritable(path);
    if (why.isEmpty()) why = tr("write error");
    UiServices::Get().MessageBox(tr("The settings could not be saved to %1 (%2).").arg(path, why),
                                 mainWindowTitle.isEmpty() ? QStringLiteral("Trevik AP") : mainWindowTitle,
                                 UiServices::Icon::Warning);
  }
  return false;
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
// operations of the pages, handed to the page that owns each

void TFormMain::InitDefaultCategories() { pgDest->InitDefaultCategories(); }
void TFormMain::FillCategoryCombo() { pgDest->FillCategoryCombo(); }
void TFormMain::FillSubCategoryCombo(int category) { pgDest->FillSubCategoryCombo(category); }
void TFormMain::FillDestList() { pgDest->FillDestList(); }
bool TFormMain::AddDestinationAt(double& latitude, double& longitude, QString& title) {
  return pgDest->AddDestinationAt(latitude, longitude, title);
}
void TFormMain::FillWptList() { pgWaypoint->FillWptList(); }
QString TFormMain::AddWaypointAt(double latitude, double longitude) {
  return pgWaypoint->AddWaypointAt(latitude, longitude);
}
void TFormMain::RenderPoiIcons(bool force, uint32_t colour, bool transparent) {
  pgWaypoint->RenderPoiIcons(force, colour, transparent);
}
void TFormMain::FillRouteList(bool arrows, bool automatic) { pgRoute->FillRouteList(arrows, automatic); }
void TFormMain::ShowRouteDistance(int lengthUnit, double km) { pgRoute->ShowRouteDistance(lengthUnit, km); }
void TFormMain::lvRouteDblClick() { pgRoute->lvRouteDblClick(); }
void TFormMain::bgRouteTable_DeleteClick() { pgRoute->bgRouteTable_DeleteClick(); }
void TFormMain::SelectRoutePoint(int row) { pgRoute->SelectRoutePoint(row); }  // route page
int TFormMain::FetchElevation(double latitude, double longitude) {
  return altchart->FetchElevation(latitude, longitude);
}
void TFormMain::FetchRouteElevations(bool retry) { altchart->FetchRouteElevations(retry); }
void TFormMain::FillAltitudeChart() { altchart->FillAltitudeChart(); }
void TFormMain::MarkChartPoint(bool repaint) { altchart->MarkChartPoint(repaint); }
void TFormMain::FillTrackList(bool differentColours) { pgTrack->FillTrackList(differentColours); }
void TFormMain::ApplyTrackAutoSelect() { pgTrack->ApplyTrackAutoSelect(); }
void TFormMain::FillTrackPoints(int row) { pgTrack->FillTrackPoints(row); }
int TFormMain::GetTrackLineIndex(int row) { return pgTrack->GetTrackLineIndex(row); }
void TFormMain::UpdateTrackCaptions() { pgTrack->UpdateTrackCaptions(); }
void TFormMain::ImportGpx(const QString& fileName) { pgTrack->ImportGpx(fileName); }
bool TFormMain::IsGoogleEarthInstalled() { return pgTrack->IsGoogleEarthInstalled(); }
void TFormMain::lvTrackDblClick() { pgTrack->lvTrackDblClick(); }
void TFormMain::bgTrackTableItems1Click() { pgTrack->bgTrackTableItems1Click(); }
void TFormMain::InitConfigPages() { deviceTransfers->InitConfigPages(); }
bool TFormMain::ShowLoggerConfig(const std::vector<std::string>& reply) {
  return pgSetLogger->ShowLoggerConfig(reply);
}
bool TFormMain::ShowDeviceConfig(const std::vector<std::string>& reply) {
  return pgSetTrevik->ShowDeviceConfig(reply);
}
void TFormMain::btnGetLogConfigClick() { pgSetLogger->btnGetLogConfigClick(); }
void TFormMain::btnGetTrevikConfigClick() { pgSetTrevik->btnGetTrevikConfigClick(); }
void TFormMain::CheckNewVersion(bool silent) { pgSetKVX->CheckNewVersion(silent); }
void TFormMain::btnSetHomeClick() { pgSetKVX->btnSetHomeClick(); }
void TFormMain::btnGetZoomLevelClick() { pgSetKVX->btnGetZoomLevelClick(); }
// Program settings page.
int TFormMain::LanguageIndex() { return cmbLanguage->currentIndex(); }

