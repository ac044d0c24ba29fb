#include "Trackpage.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Apconfig.h"
#include "Busycursor.h"
#include "Filefailure.h"
#include "Folders.h"
#include "Frmgpximp.h"
#include "Frmtrackeditor.h"
#include "GPXDocument.h"
#include "Gpximport.h"
#include "Kml.h"
#include "Mainframe.h"
#include "NMEADocument.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Tempkml.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Utility.h"
#include "pages/Programpage.h"
#include "pages/Routepage.h"

using namespace uibuild;

namespace {

constexpr int kLastCheckRole = Qt::UserRole + 1;
constexpr const char* kKmlMimeType = "application/vnd.google-earth.kml+xml";
// The import window's caption, also that of the import's messages.
constexpr const char* kGpxImportCaption = "GPX Import";

// Colours of loaded tracks, in turn (0x00BBGGRR): blue, maroon, lime,
// purple, teal.
constexpr std::uint32_t kTrackColourCycle[] = {0xFF0000, 0x000080, 0x00FF00, 0x800080, 0x808000};

QString Num(long long v) { return QString::fromLatin1(textfmt::IntToStr(v)); }

QString Pad2(long long v) { return Num(v).rightJustified(2, QLatin1Char('0')); }

// The colour cell shows the track's colour also on a selected row.
class ColourCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant colour = index.data(Qt::BackgroundRole);
    if (!colour.canConvert<QBrush>()) return;
    painter->fillRect(option.rect.adjusted(2, 2, -2, -2), colour.value<QBrush>());
  }
};

// "YYYY/MM/DD hh:mm:ss" of a UTC time in local time; empty for no time (0).
QString LocalStamp(double utc) {
  if (utc == 0) return {};
  const textfmt::DateTimeParts p = textfmt::DecodeDateTime(ConvertUtcDateTimeToLocal(utc));
  return Num(p.year).rightJustified(4, QLatin1Char('0')) + QLatin1Char('/') + Pad2(p.month) +
         QLatin1Char('/') + Pad2(p.day) + QLatin1Char(' ') + Pad2(p.hour) + QLatin1Char(':') +
         Pad2(p.minute) + QLatin1Char(':') + Pad2(p.second);
}

}  // namespace

// The track's "Total Time": whole days and the time of day of the span,
// counted in whole seconds; "0" for no span.
QString TrackSpanText(double firstUtc, double lastUtc) {
  const double span = lastUtc - firstUtc;
  if (!(span > 0) || !std::isfinite(span)) return QStringLiteral("0");
  const long long total = std::llround(span * 86400.0);
  if (total <= 0) return QStringLiteral("0");
  return Num(total / 86400) + QStringLiteral(" Days ") + Pad2(total / 3600 % 24) + QLatin1Char(':') +
         Pad2(total / 60 % 60) + QLatin1Char(':') + Pad2(total % 60);
}

// "12.3456 KM" from a whole kilometre on, else "999.0000 M".
QString TrackDistanceText(double metres) {
  if (!std::isfinite(metres)) metres = 0;
  if (std::trunc(metres / 1000.0) != 0)
    return QString::fromLatin1(textfmt::FormatFixed(metres / 1000.0, 4)) + QStringLiteral(" KM");
  return QString::fromLatin1(textfmt::FormatFixed(metres, 4)) + QStringLiteral(" M");
}

// Language text 135 with the count put in place of its "%d"; the rest of
// the text is taken as it stands.
QString ExportDoneText(const QString& text, int count) {
  QString out = text;
  const qsizetype at = out.indexOf(QLatin1String("%d"));
  if (at >= 0) out.replace(at, 2, Num(count));
  return out;
}

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
  lvTrackItem = new QTableView(pnlTrackItems);
  lvTrackItem->setObjectName(QStringLiteral("lvTrackItem"));
  pointModel = new TTrackPointModel(trackStorage, lvTrackItem);
  lvTrackItem->setModel(pointModel);
  lvTrackItem->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvTrackItem->setSelectionMode(QAbstractItemView::SingleSelection);
  lvTrackItem->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvTrackItem->setShowGrid(false);
  lvTrackItem->setWordWrap(false);
  lvTrackItem->verticalHeader()->hide();
  // Fixed row heights: the view never measures a million rows.
  lvTrackItem->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lvTrackItem->verticalHeader()->setDefaultSectionSize(lvTrackItem->fontMetrics().height() + 4);
  lvTrackItem->horizontalHeader()->setHighlightSections(false);
  lvTrackItem->horizontalHeader()->setStretchLastSection(false);
  lvTrackItem->setMinimumWidth(120);
  {
    const int widths[TTrackPointModel::kColumns] = {65, 65, 60, 70, 50, 0};
    for (int c = 0; c < TTrackPointModel::kColumns; ++c) {
      if (widths[c] == 0)
        lvTrackItem->setColumnHidden(c, true);
      else
        lvTrackItem->setColumnWidth(c, widths[c]);
    }
  }
  uibuild::KeepTitlesWhole(lvTrackItem->horizontalHeader());
  // The view measures the rows near those in view: rows scrolled to widen
  // the columns that are too narrow for them, once per burst of scrolling.
  auto* widen = new QTimer(this);
  widen->setSingleShot(true);
  widen->setInterval(0);
  connect(widen, &QTimer::timeout, this,
          [this] { FitColumns(lvTrackItem, lvTrackItem->horizontalHeader(), true); });
  connect(lvTrackItem->verticalScrollBar(), &QScrollBar::valueChanged, widen, qOverload<>(&QTimer::start));
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
  lvTrackItem->setContextMenuPolicy(Qt::CustomContextMenu);
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
  pmnuGPX = new QMenu(this);
  pmnuGPX->setObjectName(QStringLiteral("pmnuGPX"));
  mnuGPXImport = MenuItem(pmnuGPX, "mnuGPXImport", QStringLiteral("Import"));
  mnuGPXExport = MenuItem(pmnuGPX, "mnuGPXExport", QStringLiteral("Export"));
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

  playTimer_ = new QTimer(this);
  playTimer_->setObjectName(QStringLiteral("tmTrackPlay"));
  connect(playTimer_, &QTimer::timeout, this, &TTrackPage::PlaybackStep);

  lvTrack->setItemDelegateForColumn(1, new ColourCellDelegate(lvTrack));
  lvTrack->header()->setSectionsClickable(true);
  lvTrack->header()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lvTrack->header(), &QHeaderView::sectionClicked, this, [this] { CheckAll(true); });
  connect(lvTrack->header(), &QWidget::customContextMenuRequested, this, [this] { CheckAll(false); });
  connect(lvTrack, &QTreeWidget::itemChanged, this, &TTrackPage::lvTrackItemChanged);
  connect(lvTrack, &QTreeWidget::itemSelectionChanged, this, &TTrackPage::lvTrackSelectItem);
  connect(lvTrack, &QTreeWidget::itemDoubleClicked, this, [this] { lvTrackDblClick(); });
  // The colour cell opens the editor; the hand shows where.
  lvTrack->setMouseTracking(true);
  // After the press has selected the row, not inside it.
  connect(
      lvTrack, &QTreeWidget::itemPressed, this,
      [this](QTreeWidgetItem*, int column) {
        if (column == 1) QMetaObject::invokeMethod(this, &TTrackPage::lvTrackDblClick, Qt::QueuedConnection);
      });
  connect(lvTrack, &QTreeWidget::itemEntered, this, [this](QTreeWidgetItem*, int column) {
    lvTrack->viewport()->setCursor(column == 1 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  });
  connect(lvTrack, &QTreeWidget::viewportEntered, this,
          [this] { lvTrack->viewport()->setCursor(Qt::ArrowCursor); });

  connect(lvTrackItem->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TTrackPage::lvTrackItemSelectItem);
  connect(lvTrackItem, &QTableView::doubleClicked, this, &TTrackPage::lvTrackItemDblClick);
  for (QToolButton* b : {spdTItemTop, spdTItemCenter, spdTItemEnd})
    connect(b, &QToolButton::clicked, this, [this, b] { pmnuTStartClick(b->property("tag").toInt()); });
  for (QAction* a : {pmnuTStart, pmnuTMiddle, pmnuTEnd})
    connect(a, &QAction::triggered, this, [this, a] { pmnuTStartClick(a->data().toInt()); });
  connect(spdaddToRoute, &QToolButton::clicked, this, &TTrackPage::spdaddToRouteClick);
  connect(spdTrackPlay, &QToolButton::clicked, this, &TTrackPage::spdTrackPlayClick);
  connect(spdTrackStopp, &QToolButton::clicked, this, &TTrackPage::spdTrackStoppClick);
  connect(trbTrkSpeed, &QSlider::valueChanged, this, &TTrackPage::trbTrkSpeedChange);

  connect(tbTrackFileOpen, &QToolButton::clicked, this, &TTrackPage::bgTrackFile_OpenClick);
  connect(tbTrackFileSave, &QToolButton::clicked, this, &TTrackPage::bgTrackFile_SaveClick);
  connect(tbTrackFileNME, &QToolButton::clicked, this, &TTrackPage::bgTrackFile_NMEAClick);
  connect(tbTrackFileGPX, &QToolButton::clicked, this, &TTrackPage::bgTrackFile_GPXClick);
  connect(tbTrackFileKLM, &QToolButton::clicked, this, &TTrackPage::bgTrackFile_KMLClick);
  connect(pmnuGPX, &QMenu::aboutToShow, this, [this] { mnuGPXExport->setEnabled(RowCount() > 0); });
  connect(pmnuKML, &QMenu::aboutToShow, this, [this] {
    mnuKML->setEnabled(RowCount() > 0);
    mnuCallGE->setEnabled(RowCount() > 0);
  });
  connect(mnuGPXImport, &QAction::triggered, this, &TTrackPage::mnuGPXImportClick);
  connect(mnuGPXExport, &QAction::triggered, this, &TTrackPage::mnuGPXExportClick);
  connect(mnuKML, &QAction::triggered, this, [this] { ExportTracksKml(false); });
  connect(mnuCallGE, &QAction::triggered, this, [this] { ExportTracksKml(true); });
  connect(tbTrackTableMod, &QToolButton::clicked, this, &TTrackPage::lvTrackDblClick);
  connect(tbTrackTableDel, &QToolButton::clicked, this, &TTrackPage::bgTrackTableItems1Click);
  connect(tbTrackTableClear, &QToolButton::clicked, this, &TTrackPage::bgTrackTableItems2Click);
}

void TTrackPage::AttachOptionControls(TProgramPage& program) {
  connect(program.chkTrackItems, &QCheckBox::clicked, this, &TTrackPage::chkTrackItemsClick);
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
  for (int c = 0; c < 5; ++c) pointModel->SetTitle(c, Str(pointColumns[c]));
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

// ============================================================================
// the track list

QTreeWidgetItem* TTrackPage::NewRow(const TTrackList& track) const {
  auto* item = new QTreeWidgetItem;
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setText(0, track.Name());
  item->setCheckState(0, Qt::Unchecked);
  item->setData(0, kLastCheckRole, int(Qt::Unchecked));
  item->setBackground(1, TrackColorToQColor(track.Color));
  return item;
}

void TTrackPage::FillTrackList(bool differentColours) {
  StopPlayback();
  // The lines of the page on show no longer match the store.
  drawnTracks_.clear();
  {
    const QSignalBlocker block(lvTrack);
    lvTrack->clear();
    QList<QTreeWidgetItem*> rows;
    std::size_t cycle = 0;
    for (std::size_t i = 0; i < trackStorage.Count(); ++i) {
      TTrackList* track = trackStorage.At(i);
      if (differentColours) track->Color = kTrackColourCycle[cycle++ % std::size(kTrackColourCycle)];
      rows << NewRow(*track);
    }
    lvTrack->addTopLevelItems(rows);
  }
  ClearSummary();
  FillTrackPoints(RowCount() - 1);
}

void TTrackPage::UpdateTrackCaptions() {
  for (int i = 0; i < RowCount(); ++i) {
    const TTrackList* track = trackStorage.At(std::size_t(i));
    if (!track) break;
    QTreeWidgetItem* item = lvTrack->topLevelItem(i);
    item->setText(0, track->Name());
    item->setBackground(1, TrackColorToQColor(track->Color));
  }
}

bool TTrackPage::RowChecked(int row) const {
  QTreeWidgetItem* item = lvTrack->topLevelItem(row);
  return item && item->checkState(0) == Qt::Checked;
}

void TTrackPage::SetRowChecked(int row, bool checked) {
  if (QTreeWidgetItem* item = lvTrack->topLevelItem(row))
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void TTrackPage::SelectRow(int row) {
  QTreeWidgetItem* item = lvTrack->topLevelItem(row);
  if (!item) return;
  lvTrack->clearSelection();
  lvTrack->setCurrentItem(item);
  item->setSelected(true);
  lvTrack->scrollToItem(item);
}

int TTrackPage::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = lvTrack->selectedItems();
  return selected.size() == 1 ? lvTrack->indexOfTopLevelItem(selected.front()) : -1;
}

void TTrackPage::ApplyTrackAutoSelect() {
  const int n = RowCount();
  bulkCheck_ = true;
  for (int i = 0; i < n; ++i) SetRowChecked(i, apConfig->TrkImpMode || i == n - 1);
  bulkCheck_ = false;
  if (n > 0) SelectRow(n - 1);
}

void TTrackPage::CheckAll(bool checked) {
  bulkCheck_ = true;
  for (int i = 0; i < RowCount(); ++i) SetRowChecked(i, checked);
  bulkCheck_ = false;
  if (!frame_.ListRefilling && UiServices::Get().ShiftHeld()) frame_.RefreshMap(0.0, 0.0);
}

void TTrackPage::lvTrackItemChanged(QTreeWidgetItem* item, int column) {
  if (column != 0) return;
  // itemChanged also reports new captions and colours.
  const int state = int(item->checkState(0));
  if (item->data(0, kLastCheckRole).toInt() == state) return;
  item->setData(0, kLastCheckRole, state);
  if (!bulkCheck_ && !frame_.ListRefilling && UiServices::Get().ShiftHeld()) frame_.RefreshMap(0.0, 0.0);
}

void TTrackPage::MapPageWritten() {
  drawnTracks_.clear();
  for (std::size_t i = 0; i < trackStorage.Count(); ++i)
    if (trackStorage.IsRowChecked(i)) drawnTracks_.push_back(trackStorage.At(i));
}

int TTrackPage::GetTrackLineIndex(int row) {
  const TTrackList* track = row >= 0 ? trackStorage.At(std::size_t(row)) : nullptr;
  if (!track) return -1;
  const auto it = std::find(drawnTracks_.begin(), drawnTracks_.end(), track);
  return it == drawnTracks_.end() ? -1 : int(it - drawnTracks_.begin());
}

void TTrackPage::ClearSummary() {
  for (QLineEdit* e : {edtTrackStartTime, edtTrackEndTime, edtTrackTotalTime, edtTrackTotalDist,
                       edtTrackTotalPoints})
    e->clear();
}

void TTrackPage::ShowSummary(int row) {
  const TTrackList* track = trackStorage.At(std::size_t(row));
  if (!track) {
    ClearSummary();
    return;
  }
  const auto& points = track->Points();
  edtTrackStartTime->setText(points.empty() ? QString() : LocalStamp(points.front().Time));
  edtTrackEndTime->setText(points.empty() ? QString() : LocalStamp(points.back().Time));
  edtTrackTotalPoints->setText(Num(static_cast<long long>(points.size())));
  edtTrackTotalTime->setText(points.empty() ? QStringLiteral("0")
                                            : TrackSpanText(points.front().Time, points.back().Time));
  edtTrackTotalDist->setText(TrackDistanceText(track->Distance));
}

void TTrackPage::lvTrackSelectItem() {
  const int row = SelectedRow();
  if (row < 0) return;
  if (pointModel->Track() != trackStorage.At(std::size_t(row)) || pointModel->StoreRow() != row)
    FillTrackPoints(row);
  ShowSummary(row);
  const int line = GetTrackLineIndex(row);
  if (line >= 0) frame_.ExecScript(QStringLiteral("trk_jumpToPoint(") + Num(line) + QLatin1Char(')'));
}

int TTrackPage::FirstSelectedRow() const {
  for (int i = 0; i < RowCount(); ++i)
    if (lvTrack->topLevelItem(i)->isSelected()) return i;
  return -1;
}

void TTrackPage::lvTrackDblClick() {
  // With several rows selected the first one is edited.
  const int row = FirstSelectedRow();
  TTrackList* track = row >= 0 ? trackStorage.At(std::size_t(row)) : nullptr;
  if (!track) return;
  bool accepted = false;
  {
    BusyCursor busy;
    TFormTrackEditor editor(track, frame_.ilTab.Icon(3), frame_.FrameWindow());
    editor.SetupDialog(frame_.FrameWindow()->x() + 60, QCursor::pos().y() - 25);
    accepted = UiServices::Get().ExecDialog(editor) == QDialog::Accepted;
  }
  if (!accepted) return;
  const int line = GetTrackLineIndex(row);
  if (line >= 0) {
    const std::uint32_t c = track->Color;
    const std::uint32_t rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    frame_.ExecScript(QStringLiteral("trk_changeColor(") + Num(line) + QStringLiteral(",'#") +
                      QString::number(rgb, 16).toUpper().rightJustified(6, QLatin1Char('0')) +
                      QStringLiteral("')"));
  }
  UpdateTrackCaptions();
}

void TTrackPage::bgTrackTableItems1Click() {
  std::vector<int> rows;
  for (QTreeWidgetItem* item : lvTrack->selectedItems()) rows.push_back(lvTrack->indexOfTopLevelItem(item));
  if (rows.empty()) return;
  const TTrackList* shown = pointModel->Track();
  // From the last row up, so the rows still to go keep their positions.
  std::sort(rows.begin(), rows.end(), std::greater<int>());
  bool shownGone = false;
  {
    const QSignalBlocker block(lvTrack);
    for (int row : rows) {
      if (row < 0 || std::size_t(row) >= trackStorage.Count()) continue;
      if (trackStorage.At(std::size_t(row)) == shown) shownGone = true;
      trackStorage.DeleteTrackAt(std::size_t(row));
      delete lvTrack->takeTopLevelItem(row);
    }
  }
  drawnTracks_.clear();
  if (shownGone || !shown) {
    StopPlayback();
    pointModel->Clear();
    ClearSummary();
  } else {
    for (std::size_t i = 0; i < trackStorage.Count(); ++i)
      if (trackStorage.At(i) == shown) pointModel->MoveTo(int(i));
  }
  frame_.RefreshMap(0.0, 0.0);
}

void TTrackPage::bgTrackTableItems2Click() {
  unsaved::RunCommand(unsaved::Command::ClearTracks, [this] {
    trackStorage.Clear();
    FillTrackList(false);
    frame_.RefreshMap(0.0, 0.0);
    return unsaved::Holds::Other;
  });
}

// ============================================================================
// the point list

void TTrackPage::FillTrackPoints(int row) {
  StopPlayback();
  lastShownPoint_ = -1;
  if (row < 0 || pnlTrackItems->isHidden()) {
    pointModel->Clear();
    return;
  }
  pointModel->SetTrack(row);
  // Another track's points start at the top, not where the last list was.
  lvTrackItem->scrollToTop();
  FitColumns(lvTrackItem, lvTrackItem->horizontalHeader());
}

int TTrackPage::SelectedPointRow() const {
  const QModelIndexList rows = lvTrackItem->selectionModel()->selectedRows();
  return rows.size() == 1 ? rows.front().row() : -1;
}

void TTrackPage::SelectPointRow(int row) {
  if (row < 0 || row >= PointRowCount()) return;
  const QModelIndex index = pointModel->index(row, 0);
  lvTrackItem->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lvTrackItem->scrollTo(index);
}

void TTrackPage::lvTrackItemSelectItem() {
  const int row = SelectedPointRow();
  const TTrackList* track = pointModel->Track();
  if (row < 0 || !track || std::size_t(row) >= track->Count()) return;
  const sFile_TrkEntry& p = track->Points()[std::size_t(row)];
  frame_.ExecScript(QStringLiteral("trk_createMarker(") + textfmt::FloatToQStr(p.Latitude) + QLatin1Char(',') +
                    textfmt::FloatToQStr(p.Longitude) + QLatin1Char(',') +
                    (apConfig->CenterPSel ? QStringLiteral("true") : QStringLiteral("false")) +
                    QLatin1Char(')'));
}

void TTrackPage::pmnuTStartClick(int tag) {
  const int n = PointRowCount();
  if (n == 0) return;
  SelectPointRow(tag == 0 ? 0 : tag == 1 ? n / 2 : n - 1);
}

void TTrackPage::lvTrackItemDblClick() { pmnuTStartClick(UiServices::Get().ShiftHeld() ? 2 : 0); }

void TTrackPage::spdaddToRouteClick() {
  const int row = SelectedPointRow();
  const TTrackList* track = pointModel->Track();
  if (row < 0 || !track || std::size_t(row) >= track->Count()) return;
  const sFile_TrkEntry& p = track->Points()[std::size_t(row)];
  const int position = int(routeStorage.Count());
  int n = frame_.RoutePage().RowCount();
  RouteAddResult result;
  do {
    result = routeStorage.AddPoint(Num(n), p.Latitude, p.Longitude, 0, -1);
    ++n;
  } while (result == raDuplicateName);
  if (result != raAdded) return;
  const double altitude = std::isfinite(p.Altitude) ? std::clamp(std::trunc(p.Altitude), -1e9, 1e9) : 0.0;
  routeStorage.SetElevation(position, std::int32_t(altitude));
  frame_.FillRouteList(true, false);
  frame_.ExecScript(QStringLiteral("rte_addPoint(") + textfmt::FloatToQStr(p.Latitude) + QLatin1Char(',') +
                    textfmt::FloatToQStr(p.Longitude) + QStringLiteral(",3,-1)"));
  TRoutePage& route = frame_.RoutePage();
  route.SelectRow(route.RowCount() - 1);
}

// ============================================================================
// playback

void TTrackPage::spdTrackPlayClick() {
  const int n = PointRowCount();
  if (n == 0 || playTimer_->isActive()) return;
  int start = SelectedPointRow();
  if (start < 0) {
    start = 0;
    SelectPointRow(0);
  }
  playRow_ = start;
  frame_.PlaybackRunning = true;
  spdTrackPlay->hide();
  spdTrackStopp->show();
  spdTrackStopp->setEnabled(true);
  PlaybackStep();
  if (frame_.PlaybackRunning) playTimer_->start(trbTrkSpeed->value());
}

void TTrackPage::PlaybackStep() {
  if (!frame_.PlaybackRunning || playRow_ >= PointRowCount() || !pointModel->Track()) {
    StopPlayback();
    return;
  }
  // The start row may be selected already; the marker still moves there.
  if (SelectedPointRow() == playRow_)
    lvTrackItemSelectItem();
  else
    SelectPointRow(playRow_);
  lvTrackItem->scrollTo(pointModel->index(playRow_, 0), QAbstractItemView::PositionAtTop);
  lastShownPoint_ = playRow_;
  ++playRow_;
  // The track bar may have moved since the last step.
  if (playTimer_->isActive() && playTimer_->interval() != trbTrkSpeed->value())
    playTimer_->setInterval(trbTrkSpeed->value());
  if (playRow_ >= PointRowCount()) StopPlayback();
}

void TTrackPage::StopPlayback() {
  const bool wasRunning = playTimer_->isActive() || spdTrackStopp->isVisibleTo(this);
  playTimer_->stop();
  frame_.PlaybackRunning = false;
  if (!wasRunning) return;
  spdTrackStopp->hide();
  spdTrackPlay->show();
  if (lastShownPoint_ >= 0 && lastShownPoint_ < PointRowCount())
    lvTrackItem->scrollTo(pointModel->index(lastShownPoint_, 0));
}

void TTrackPage::spdTrackStoppClick() { StopPlayback(); }

void TTrackPage::trbTrkSpeedChange() {
  trbTrkSpeed->setToolTip(Num(trbTrkSpeed->value()) + QStringLiteral(" ms"));
}

void TTrackPage::chkTrackItemsClick(bool checked) {
  apConfig->ShowTrkPts = checked;
  pnlTrackItems->setVisible(checked);
  if (!checked) return;
  // Put the splitter's handle back between the lists.
  Splitter2->setSizes({Splitter2->height() / 2, Splitter2->height() / 2});
  if (trackStorage.Count() > 0 && PointRowCount() == 0) FillTrackPoints(SelectedRow());
}

// ============================================================================
// files

bool TTrackPage::NeedRows(bool checked, int captionNumber) {
  for (int i = 0; i < RowCount(); ++i)
    if (!checked || RowChecked(i)) return true;
  frame_.SetStatusText(2, Str(168));
  // Tracks that are there but unchecked are no empty list.
  const QString text = RowCount() == 0 ? Str(119) : tr("No track is checked, so nothing was written.");
  UiServices::Get().MessageBox(text, Str(captionNumber), UiServices::Icon::Error);
  return false;
}

void TTrackPage::ReportExported(int captionNumber, int count) {
  frame_.SetStatusText(2, Str(167));
  UiServices::Get().MessageBox(ExportDoneText(Str(135), count), Str(captionNumber),
                               UiServices::Icon::Information);
}

void TTrackPage::bgTrackFile_OpenClick() {
  frame_.SetStatusText(1, Str(3));
  UiServices::FileDialog d;
  d.filter = Str(140);
  d.folder = pathManager->GetDataDir();
  const std::optional<QString> path = UiServices::Get().OpenFileName(d);
  if (!path) return;
  unsaved::RunCommand(unsaved::Command::OpenTracks, [&] {
    QCoreApplication::processEvents();
    // The store takes the file's tracks only when it holds a complete one;
    // otherwise the tracks held stay, and the reason must not say any were read.
    const TTrackList* firstBefore = trackStorage.At(0);
    bool ok = false;
    {
      BusyCursor busy;
      ok = trackStorage.LoadFromFile(*path);
    }
    const bool replaced = trackStorage.At(0) != firstBefore;
    frame_.SetStatusText(2, Str(ok ? 167 : 168));
    frame_.ListRefilling = true;
    FillTrackList(false);
    ApplyTrackAutoSelect();
    frame_.ListRefilling = false;
    frame_.RefreshMap(0.0, 0.0);
    // The title names the file whose tracks are held now, all or some of them;
    // a file that gave none leaves the title to the tracks that stayed.
    if (ok || replaced) frame_.SetTitleFile(*path);
    if (ok) return unsaved::Holds::Loaded;
    const QFileInfo info(*path);
    const QString reason = !info.exists()        ? tr("The file does not exist.")
                           : !info.isFile()      ? tr("This is not a file.")
                           : !info.isReadable()  ? tr("The file cannot be read.")
                           : replaced ? tr("The file is cut short; the complete tracks before the cut were read.")
                                                  : tr("The file holds no complete track.");
    ReportFileFailure(frame_, Str(3), *path, reason);
    return replaced ? unsaved::Holds::Loaded : unsaved::Holds::Other;
  });
}

void TTrackPage::bgTrackFile_SaveClick() {
  frame_.SetStatusText(1, Str(3));
  // The file takes the checked tracks only: with none checked there is nothing to save.
  if (!NeedRows(true)) return;
  const std::optional<QString> path = AskSavePath(140, "trk");
  if (!path) return;
  // 0: not created; below 0: a write failed.
  if (!WriteOrReport(frame_, Str(114), *path, [&] { return trackStorage.SaveToFile(*path) > 0; })) return;
  frame_.SetStatusText(2, Str(167));
  frame_.SetTitleFile(*path);
  // The file holds the checked tracks only: an unchecked one is gone after a
  // restart unless it is saved too.
  int saved = 0;
  for (int i = 0; i < RowCount(); ++i) saved += RowChecked(i) ? 1 : 0;
  const int left = RowCount() - saved;
  QString text = tr("%n track(s) saved.", nullptr, saved);
  if (left > 0) text += QLatin1Char(' ') + tr("%n unchecked track(s) not saved.", nullptr, left);
  UiServices::Get().MessageBox(text, Str(114), UiServices::Icon::Information);
}

std::optional<QString> TTrackPage::AskSavePath(int filterNumber, const char* suffix) const {
  UiServices::FileDialog d;
  d.filter = Str(filterNumber);
  d.defaultSuffix = QString::fromLatin1(suffix);
  d.folder = pathManager->GetDataDir();
  return UiServices::Get().SaveFileName(d);
}

int TTrackPage::RunExport(int captionNumber, const QString& path, int (*write)(TTrackStorage&, const QString&)) {
  int count = 0;
  WriteOrReport(frame_, Str(captionNumber), path, [&] {
    count = write(trackStorage, path);
    return count >= 0;
  });
  return count;
}

void TTrackPage::bgTrackFile_NMEAClick() {
  frame_.SetStatusText(1, Str(3));
  if (!NeedRows()) return;
  const std::optional<QString> path = AskSavePath(143, "nmea");
  if (!path) return;
  const int count = RunExport(134, *path, ExportNmea);
  if (count >= 0) ReportExported(134, count);
}

void TTrackPage::bgTrackFile_GPXClick() {
  pmnuGPX->popup(tbTrackFileGPX->mapToGlobal(QPoint(0, tbTrackFileGPX->height())));
}

void TTrackPage::bgTrackFile_KMLClick() {
  if (!frame_.GlobeViewerPresent) {
    ExportTracksKml(false);
    return;
  }
  pmnuKML->popup(tbTrackFileKLM->mapToGlobal(QPoint(0, tbTrackFileKLM->height())));
}

void TTrackPage::mnuGPXImportClick() {
  frame_.SetStatusText(1, Str(3));
  UiServices::FileDialog d;
  d.filter = Str(142);
  const std::optional<QString> path = UiServices::Get().OpenFileName(d);
  if (!path) return;
  QCoreApplication::processEvents();
  ImportGpx(*path);
}

void TTrackPage::mnuGPXExportClick() {
  frame_.SetStatusText(1, Str(3));
  // The export writes the checked tracks only.
  if (!NeedRows(true, 133)) return;
  const std::optional<QString> path = AskSavePath(142, "gpx");
  if (!path) return;
  const int count = RunExport(133, *path, ExportGpx);
  if (count >= 0) ReportExported(133, count);
}

void TTrackPage::ExportTracksKml(bool toViewer) {
  frame_.SetStatusText(1, Str(3));
  // The export writes the checked tracks only.
  if (!NeedRows(true, 132)) return;
  if (!toViewer) {
    const std::optional<QString> path = AskSavePath(141, "kml");
    if (!path) return;
    const int count = RunExport(132, *path, ExportKml);
    if (count >= 0) ReportExported(132, count);
    return;
  }
  const QString path = TempKmlPath();
  if (path.isEmpty()) {
    ReportFileFailure(frame_, Str(132), TempBaseFolder(), tr("No safe temporary folder for the KML file."));
    return;
  }
  if (RunExport(132, path, ExportKml) < 0) return;
  if (!UiServices::Get().OpenFile(path)) {
    ReportFileFailure(frame_, Str(132), path, tr("The desktop could not open the file."));
    return;
  }
  frame_.SetStatusText(2, Str(167));
}

bool TTrackPage::IsGoogleEarthInstalled() {
  return UiServices::Get().HasApplicationFor(QString::fromLatin1(kKmlMimeType));
}

void TTrackPage::ImportGpx(const QString& fileName) {
  // A file dropped while an import runs waits for the user to drop it again.
  if (importing_) return;
  unsaved::RunCommand(unsaved::Command::ImportGpx, [&] {
    importing_ = true;
    frame_.SetStatusText(1, Str(3));
    bool ok = false;
    int waypointsAdded = 0;
    QString failure;
    bool cancelled = false;
    {
      TGPXImpForm form(frame_.FrameWindow());
      GPXImpForm = &form;
      try {
        ok = ::ImportGpx(fileName, trackStorage, poiStorage, &form, &waypointsAdded);
      } catch (const GpxImportCancelled&) {
        cancelled = true;
      } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
        if (failure.isEmpty()) failure = tr("The file could not be read.");
      }
      GPXImpForm = nullptr;
    }
    importing_ = false;
    if (cancelled) {
      frame_.SetStatusText(2, [] { return uibuild::CancelledText(); });
      frame_.SetStatusText(3, [] { return tr("GPX import cancelled"); });
      return unsaved::Holds::Other;
    }
    if (!failure.isNull()) {
      ReportFileFailure(frame_, QString::fromLatin1(kGpxImportCaption), fileName, failure);
      return unsaved::Holds::Other;
    }
    if (!ok) {
      // No track came: the tracks held, their checks and the title stay; only
      // the waypoints the file brought are new. The import failed only when it
      // brought nothing at all.
      frame_.SetStatusText(2, Str(waypointsAdded > 0 ? 167 : 168));
      if (waypointsAdded > 0) {
        frame_.FillWptList();
        frame_.RefreshMap(0.0, 0.0);
      }
      UiServices::Get().MessageBox(
          tr("The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.",
             nullptr, waypointsAdded),
          QString::fromLatin1(kGpxImportCaption), UiServices::Icon::Warning);
      return unsaved::Holds::Other;
    }
    frame_.SetStatusText(2, Str(167));
    frame_.ListRefilling = true;
    FillTrackList(apConfig->SepTrack);
    frame_.FillWptList();
    ApplyTrackAutoSelect();
    frame_.ListRefilling = false;
    frame_.ZoomPending = true;
    frame_.RefreshMap(0.0, 0.0);
    frame_.SetTitleFile(fileName);
    // The tracks are the file's now, in the colours the list gave them; the
    // waypoints it brought join those held, which are no file's as a whole.
    return unsaved::Holds::Loaded;
  });
}
