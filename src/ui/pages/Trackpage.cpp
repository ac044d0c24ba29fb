#include "Trackpage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Mainframe.h"
#include "Trackstorage.h"
#include "Uibuild.h"

using namespace uibuild;

TTrackPage::TTrackPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgTrack"));
  auto* page = new QVBoxLayout(this);
  imgTracks = Label(this, "imgTracks", QString());
  imgTracks->setFixedSize(16, 16);
  page->addWidget(imgTracks);

  Splitter2 = new QSplitter(Qt::Vertical, this);
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
  lblTrkStartTime = Label(this, "lblTrkStartTime", QStringLiteral("Start Time"));
  lblTrkEndTime = Label(this, "lblTrkEndTime", QStringLiteral("End Time"));
  lblTrkTotalTime = Label(this, "lblTrkTotalTime", QStringLiteral("Total Time"));
  lblTrkTotalDist = Label(this, "lblTrkTotalDist", QStringLiteral("Total Distance"));
  lblTrkTotalPoints = Label(this, "lblTrkTotalPoints", QStringLiteral("Total Points"));
  edtTrackStartTime = Edit(this, "edtTrackStartTime", true);
  edtTrackEndTime = Edit(this, "edtTrackEndTime", true);
  edtTrackTotalTime = Edit(this, "edtTrackTotalTime", true);
  edtTrackTotalDist = Edit(this, "edtTrackTotalDist", true);
  edtTrackTotalPoints = Edit(this, "edtTrackTotalPoints", true);
  QLabel* sumLabels[] = {lblTrkStartTime, lblTrkEndTime, lblTrkTotalTime, lblTrkTotalDist,
                         lblTrkTotalPoints};
  QLineEdit* sumEdits[] = {edtTrackStartTime, edtTrackEndTime, edtTrackTotalTime,
                           edtTrackTotalDist, edtTrackTotalPoints};
  for (int i = 0; i < 5; ++i) {
    sums->addWidget(sumLabels[i], i, 0);
    sums->addWidget(sumEdits[i], i, 1);
  }
  page->addLayout(sums);

  ToolBar3 = new QToolBar(this);
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
  lblFile4 = Label(this, "lblFile4", QStringLiteral("File"));
  lblDevice4 = Label(this, "lblDevice4", QStringLiteral("Device"));
  lblTable4 = Label(this, "lblTable4", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile4,
                            {tbTrackFileOpen, tbTrackFileSave, tbTrackFileKLM, tbTrackFileGPX,
                             tbTrackFileNME}));
  side->addWidget(SideGroup(this, lblDevice4, {tbTrackDeviceDown}));
  side->addWidget(SideGroup(this, lblTable4, {tbTrackTableMod, tbTrackTableDel, tbTrackTableClear}));
  ToolBar3->hide();  // its buttons live in the side groups; the bar only names them
  page->addLayout(side);

  // The check box of a track row is the track selection of the whole program.
  trackStorage.SetRowCheckedQuery([this](std::size_t row) {
    QTreeWidgetItem* item = row < std::size_t(lvTrack->topLevelItemCount())
                                ? lvTrack->topLevelItem(int(row))
                                : nullptr;
    return item && item->checkState(0) == Qt::Checked;
  });
}

TTrackPage::~TTrackPage() { trackStorage.SetRowCheckedQuery(nullptr); }

void TTrackPage::ApplyLanguage() {
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
  lblFile4->setText(Str(96));
  lblDevice4->setText(Str(97));
  lblTable4->setText(Str(98));
  mnuKML->setText(Str(173));
  mnuGPXExport->setText(Str(173));
  mnuGPXImport->setText(Str(172));
}

void TTrackPage::SetPictures() {
  const TImageList& small = frame_.ilpmnu;
  struct {
    QToolButton* button;
    int image;
  } const pictures[] = {{spdTItemTop, 12},    {spdTItemCenter, 13},      {spdTItemEnd, 14},
                        {spdaddToRoute, 3},   {spdAutoGeneratorTrk, 15}, {spdTrackPlay, 16},
                        {spdTrackStopp, 17}};
  for (const auto& p : pictures) {
    const QIcon icon = small.Icon(p.image);
    p.button->setIcon(icon);
    // Without its picture a button shows its caption.
    p.button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  }
  imgTracks->setPixmap(frame_.ilTab.Pixmap(3));
}

// Filled in with the track page's own work.
void TTrackPage::FillTrackList(bool) {}
void TTrackPage::ApplyTrackAutoSelect() {}
void TTrackPage::FillTrackPoints(int) {}
int TTrackPage::GetTrackLineIndex(int) { return -1; }
void TTrackPage::UpdateTrackCaptions() {}
void TTrackPage::ImportGpx(const QString&) {}
bool TTrackPage::IsGoogleEarthInstalled() { return false; }
void TTrackPage::lvTrackDblClick() {}
void TTrackPage::bgTrackTableItems1Click() {}
