#include "Waypointpage.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "Busycursor.h"
#include "Filefailure.h"
#include "Folders.h"
#include "Frmgpsconverter.h"
#include "Frmpoieditor.h"
#include "Gpximport.h"
#include "Jsescape.h"
#include "Mainframe.h"
#include "Pathmanager.h"
#include "Pngwrite.h"
#include "Poistorage.h"
#include "Tempkml.h"
#include "Templateexport.h"
#include "Textfmt.h"
#include "Translators.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Utility.h"
#include "pages/Programpage.h"

using namespace uibuild;

// The waypoint list: the store positions of the listed waypoints; every
// text is read from the store when the view asks for it.
class TWptListModel : public QAbstractTableModel {
 public:
  TWptListModel(const TImageList& icons, QObject* parent) : QAbstractTableModel(parent), icons_(icons) {
    titles_ = {QStringLiteral("Date & Time"), QStringLiteral("Latitude"), QStringLiteral("Longitude")};
  }

  void Reset(std::vector<int> positions) {
    beginResetModel();
    positions_ = std::move(positions);
    if (int(iconCache_.size()) != icons_.Count()) {
      iconCache_.clear();
      for (int n = 0; n < icons_.Count(); ++n) iconCache_.push_back(icons_.Icon(n));
    }
    endResetModel();
  }
  void SetTitle(int column, const QString& title) {
    titles_[std::size_t(column)] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
  }
  int Position(int row) const { return row >= 0 && row < int(positions_.size()) ? positions_[std::size_t(row)] : -1; }
  const sUserPOI* Poi(int row) const { return poiStorage.At(Position(row)); }
  // The texts the list shows: name, latitude, longitude.
  static QString Text(const sUserPOI& p, int column) {
    switch (column) {
      case 0: return QString::fromUtf8(p.Name, qsizetype(qstrnlen(p.Name, sizeof p.Name)));
      case 1: return textfmt::FloatToQStr(p.Latitude);
      default: return textfmt::FloatToQStr(p.Longitude);
    }
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(positions_.size()); }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    const sUserPOI* p = Poi(index.row());
    if (!p) return {};
    if (role == Qt::DisplayRole) return Text(*p, index.column());
    if (role == Qt::DecorationRole && index.column() == 0 && p->Icon < iconCache_.size()) return iconCache_[p->Icon];
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 3)
      return titles_[std::size_t(section)];
    return {};
  }

 private:
  const TImageList& icons_;
  std::vector<QIcon> iconCache_;
  std::vector<int> positions_;
  std::vector<QString> titles_;
};

namespace {

QString Num(long long v) { return QString::fromStdString(textfmt::IntToStr(v)); }

// Why a device waypoint file could not be opened, in the system's words.
QString OpenFailureReason(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return folders::SystemReason(ENOENT);
  if (info.isDir()) return folders::SystemReason(EISDIR);
  // A pipe or device would make the open wait for a writer for ever.
  if (!info.isFile()) return QCoreApplication::translate("TWaypointPage", "This is not a file.");
  return folders::SystemReason(info.isReadable() ? EIO : EACCES);
}

QColor FromBgr(uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
uint32_t ToBgr(const QColor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

}  // namespace

QString PoiFileReportText(const PoiFileReport& report) {
  // Each reason is a whole phrase; only the list of them is joined.
  QStringList why;
  if (report.CutShort > 0)
    why << QCoreApplication::translate("TWaypointPage",
                                       "one record cut short at the end of the file (%1 of its 16 bytes)")
               .arg(report.CutShort);
  if (report.Unreadable > 0)
    why << QCoreApplication::translate("TWaypointPage",
                                       "%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 "
                                       "degrees longitude, or an icon number without a picture)",
                                       nullptr, report.Unreadable);
  if (report.SameTime > 0)
    why << QCoreApplication::translate("TWaypointPage", "%n of the same second as an earlier waypoint", nullptr,
                                       report.SameTime);
  const QString leftOut =
      //: %1 is a list of reasons, each with its count.
      QCoreApplication::translate("TWaypointPage", "%n record(s) left out: %1.", nullptr, report.LeftOut())
          .arg(JoinList(why));
  // Such a file is refused whole.
  if (report.Kept == 0)
    //: %1 says how many records were left out and why.
    return QCoreApplication::translate("TWaypointPage", "No waypoint could be read. %1 The waypoints held stay as they were.")
        .arg(leftOut);
  //: %1 says how many records were left out and why.
  return QCoreApplication::translate("TWaypointPage", "%n waypoint(s) read. %1", nullptr, report.Kept).arg(leftOut);
}

QString PoiLeftOutText(int leftOut) {
  //: %n is the number left out, %1 the number of all waypoints.
  return QCoreApplication::translate("TWaypointPage",
                                     "%n of %1 waypoint(s) could not be written to the device file (a time or "
                                     "position it cannot hold) and were left out.",
                                     nullptr, leftOut)
      .arg(poiStorage.GetCount());
}

TWaypointPage::TWaypointPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgWaypoint"));
  auto* page = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  lblIcon = Label(this, "lblIcon", QStringLiteral("Icon"));
  cmbSelIcon = DropDownList(this, "cmbSelIcon");
  cmbSelIcon->setIconSize(QSize(16, 16));
  btnWptSearch = ToolButton(this, "btnWptSearch", true);
  btnWptSearch->setText(QStringLiteral("?"));
  DateTimePicker = new QDateEdit(QDate::currentDate(), this);
  DateTimePicker->setObjectName(QStringLiteral("DateTimePicker"));
  DateTimePicker->setCalendarPopup(true);
  chkShowPOI = CheckBox(this, "chkShowPOI", QStringLiteral("Show on map"));
  chkShowPOI->setChecked(true);
  filters->addWidget(lblIcon);
  filters->addWidget(cmbSelIcon);
  filters->addWidget(btnWptSearch);
  filters->addWidget(DateTimePicker);
  filters->addStretch(1);
  filters->addWidget(chkShowPOI);
  page->addLayout(filters);

  lvWpt = new QTableView(this);
  lvWpt->setObjectName(QStringLiteral("lvWpt"));
  model_ = new TWptListModel(frame_.ilWaypoint, lvWpt);
  lvWpt->setModel(model_);
  lvWpt->setShowGrid(true);
  lvWpt->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvWpt->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvWpt->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvWpt->setIconSize(QSize(16, 16));
  lvWpt->setWordWrap(false);
  lvWpt->verticalHeader()->hide();
  // Fixed row heights keep a list of many thousand rows quick.
  lvWpt->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lvWpt->verticalHeader()->setDefaultSectionSize(20);
  lvWpt->horizontalHeader()->setHighlightSections(false);
  lvWpt->horizontalHeader()->setStretchLastSection(false);
  // At least the whole name beside its icon, where the desktop's font is wider.
  const int nameWidth = lvWpt->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + 16 + 24;
  lvWpt->setColumnWidth(0, std::max(150, nameWidth));
  lvWpt->setColumnWidth(1, 80);
  lvWpt->setColumnWidth(2, 80);
  KeepTitlesWhole(lvWpt->horizontalHeader());
  lvWpt->setContextMenuPolicy(Qt::CustomContextMenu);
  lvWpt->installEventFilter(this);
  page->addWidget(lvWpt, 1);
  pmnuWPT = new QMenu(this);
  pmnuWPT->setObjectName(QStringLiteral("pmnuWPT"));
  mnuConverter = MenuItem(pmnuWPT, "mnuConverter", QStringLiteral("Converter..."));
  connect(lvWpt, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuWPT->popup(lvWpt->viewport()->mapToGlobal(p)); });

  tbWptFileOpen = PageTool(this, "tbWptFileOpen", QStringLiteral("Open"));
  tbWptFileSave = PageTool(this, "tbWptFileSave", QStringLiteral("Save"));
  tbWPTToGoogle = PageTool(this, "tbWPTToGoogle", QStringLiteral("Google Earth"));
  tbWPTToGoogle->setToolTip(QStringLiteral("Google Earth... "));
  tbWPTToGPX = PageTool(this, "tbWPTToGPX", QStringLiteral("GPX"));
  tbDeviceUp = PageTool(this, "tbDeviceUp", QStringLiteral("Upload"));
  tbDeviceDown = PageTool(this, "tbDeviceDown", QStringLiteral("Download"));
  tbWptTableAdd = PageTool(this, "tbWptTableAdd", QStringLiteral("Add"));
  tbWptTableMod = PageTool(this, "tbWptTableMod", QStringLiteral("Modify"));
  tbWptTableDel = PageTool(this, "tbWptTableDel", QStringLiteral("Delete"));
  tbWptTableClear = PageTool(this, "tbWptTableClear", QStringLiteral("Clear"));
  lblFile2 = Label(this, "lblFile2", QStringLiteral("File"));
  lblDevice2 = Label(this, "lblDevice2", QStringLiteral("Device"));
  lblTable2 = Label(this, "lblTable2", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile2, {tbWptFileOpen, tbWptFileSave, tbWPTToGoogle, tbWPTToGPX}));
  side->addWidget(SideGroup(this, lblDevice2, {tbDeviceUp, tbDeviceDown}));
  side->addWidget(SideGroup(this, lblTable2,
                            {tbWptTableAdd, tbWptTableMod, tbWptTableDel, tbWptTableClear}));
  page->addLayout(side);

  // The device buttons belong to the device transfers.
  connect(cmbSelIcon, &QComboBox::currentIndexChanged, this, [this] { FillWptList(); });
  connect(btnWptSearch, &QToolButton::clicked, this, [this] { FillWptList(); });
  connect(DateTimePicker, &QDateEdit::dateChanged, this, [this] {
    if (btnWptSearch->isChecked()) FillWptList();
  });
  connect(chkShowPOI, &QCheckBox::clicked, this, [this] { chkShowPOIClick(); });
  connect(tbWptFileOpen, &QToolButton::clicked, this, [this] { bgWptFile_OpenClick(); });
  connect(tbWptFileSave, &QToolButton::clicked, this, [this] { bgWptFile_SaveClick(); });
  connect(tbWPTToGPX, &QToolButton::clicked, this, [this] { tbWPTToGPXClick(); });
  connect(tbWPTToGoogle, &QToolButton::clicked, this, [this] { tbWPTToGoogleClick(); });
  connect(tbWptTableAdd, &QToolButton::clicked, this, [this] { bgWptTableItems0Click(); });
  connect(tbWptTableMod, &QToolButton::clicked, this, [this] { lvWptDblClick(); });
  connect(tbWptTableDel, &QToolButton::clicked, this, [this] { bgWptTable_DeleteClick(); });
  connect(tbWptTableClear, &QToolButton::clicked, this, [this] { bgWptTableItems2Click(); });
  connect(lvWpt, &QTableView::doubleClicked, this, [this] { lvWptDblClick(); });
  connect(lvWpt->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected, const QItemSelection&) { lvWptSelectItem(selected); });
  connect(mnuConverter, &QAction::triggered, this, [this] { mnuConverterClick(); });
}

TWaypointPage::~TWaypointPage() = default;

void TWaypointPage::ApplyLanguage() {
  // The date filter shows its date as the chosen language writes dates.
  const QString code = translators::Current();
  const QLocale locale = code == QLatin1String("en") ? QLocale::c() : QLocale(code);
  DateTimePicker->setLocale(locale);
  DateTimePicker->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
  lblIcon->setText(Str(13));
  for (int c = 0; c < 3; ++c) model_->SetTitle(c, Str(14 + c));
  tbWptFileOpen->setToolTip(Str(99));
  tbWptFileSave->setToolTip(Str(100));
  tbWPTToGPX->setToolTip(Str(108));
  tbDeviceUp->setToolTip(Str(101));
  tbDeviceDown->setToolTip(Str(102));
  tbWptTableAdd->setToolTip(Str(103));
  tbWptTableMod->setToolTip(Str(104));
  tbWptTableDel->setToolTip(Str(105));
  tbWptTableClear->setToolTip(Str(106));
  lblFile2->setText(Str(96));
  lblDevice2->setText(Str(97));
  lblTable2->setText(Str(98));
  // The waypoints' show box takes the route's caption.
  chkShowPOI->setText(Str(148));
}

void TWaypointPage::FillIconFilter() {
  cmbSelIcon->blockSignals(true);
  cmbSelIcon->clear();
  const int count = frame_.ilWaypoint.Count();
  for (int n = 0; n < count; ++n) cmbSelIcon->addItem(frame_.ilWaypoint.Icon(n), QString::number(n));
  cmbSelIcon->addItem(QStringLiteral("ALL"));
  cmbSelIcon->setCurrentIndex(count);
  cmbSelIcon->setMaxVisibleItems(count + 1);
  cmbSelIcon->blockSignals(false);
}

// ============================================================================
// the list

int TWaypointPage::RowCount() const { return model_->rowCount({}); }
int TWaypointPage::RowPosition(int row) const { return model_->Position(row); }

void TWaypointPage::SelectRow(int row) {
  lvWpt->clearSelection();
  if (row < 0 || row >= RowCount()) return;
  lvWpt->selectionModel()->select(model_->index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lvWpt->setCurrentIndex(model_->index(row, 0));
}

std::vector<int> TWaypointPage::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& i : lvWpt->selectionModel()->selectedRows()) rows.push_back(i.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TWaypointPage::FillWptList() {
  // The "ALL" entry sits at IconCount; an empty box also means any icon.
  int icon = cmbSelIcon->currentIndex();
  if (icon < 0 || icon > poiStorage.IconCount) icon = poiStorage.IconCount;
  int year = 0, month = 0, day = 0;
  if (btnWptSearch->isChecked()) DateTimePicker->date().getDate(&year, &month, &day);
  std::vector<int> positions;
  // The walk goes in store order, so the positions are found in one pass.
  int at = 0;
  const int count = poiStorage.GetCount();
  for (sUserPOI* p = poiStorage.FindFirst(icon, year, month, day); p; p = poiStorage.FindNext()) {
    while (at < count && poiStorage.At(at) != p) ++at;
    if (at == count) break;
    positions.push_back(at++);
  }
  model_->Reset(std::move(positions));
}

void TWaypointPage::lvWptSelectItem(const QItemSelection& selected) {
  if (selected.isEmpty()) return;
  const std::vector<int> rows = SelectedRows();
  if (rows.size() != 1) return;
  const int position = model_->Position(rows.front());
  if (position >= 0) frame_.ExecScript(QStringLiteral("wpt_jumpToPoint(") + Num(position) + QLatin1Char(')'));
}

bool TWaypointPage::eventFilter(QObject* watched, QEvent* event) {
  // The program settings tab opens: its preview shows the icon file.
  if (program_ && watched == program_ && event->type() == QEvent::Show) {
    if (program_->imgPOI->pixmap().isNull() && QFileInfo::exists(IconFilePath(0))) LoadPoiPreview(IconFilePath(0));
    // The proxy settings show only to whoever holds Shift while opening the tab.
    program_->grpInternet->setVisible(UiServices::Get().ShiftHeld());
    return QWidget::eventFilter(watched, event);
  }
  if (watched == lvWpt && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    bgWptTable_DeleteClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// ============================================================================
// adding, changing, deleting

QString TWaypointPage::AddWaypointAt(double latitude, double longitude) {
  auto& ui = UiServices::Get();
  TFormPoiEditor dialog(TFormPoiEditor::kAdd, latitude, longitude, frame_);
  const QDateTime now = ui.Now();
  const QDate d = now.date();
  const QTime t = now.time();
  auto poi = std::make_unique<sUserPOI>();
  poi->Year = uint16_t(d.year());
  poi->Month = uint8_t(d.month());
  poi->Day = uint8_t(d.day());
  poi->Hour = uint8_t(t.hour());
  poi->Minute = uint8_t(t.minute());
  poi->Second = uint8_t(t.second());
  poi->Latitude = latitude;
  poi->Longitude = longitude;
  const QChar zero(QLatin1Char('0'));
  poi->SetName(QStringLiteral("%1/%2/%3 %4:%5:%6")
                   .arg(d.year(), 4, 10, zero)
                   .arg(d.month(), 2, 10, zero)
                   .arg(d.day(), 2, 10, zero)
                   .arg(t.hour(), 2, 10, zero)
                   .arg(t.minute(), 2, 10, zero)
                   .arg(t.second(), 2, 10, zero)
                   .toStdString());
  dialog.SetPoi(poi->Name, 0, latitude, longitude);
  if (ui.ExecDialog(dialog) != QDialog::Accepted) return {};

  poi->SetName(dialog.Title);
  poi->Latitude = dialog.Latitude;
  poi->Longitude = dialog.Longitude;
  const sUserPOI* added = nullptr;
  if (dialog.Icon >= 0 && dialog.Icon < poiStorage.IconCount) {
    poi->Icon = uint8_t(dialog.Icon);
    if (poiStorage.Add(poi.get())) {
      added = poi.release();
    } else {
      // The name (the second it was made in) is taken: the next free second,
      // as an imported waypoint gets it.
      GpxImportWaypoint w;
      w.HasTime = true;
      w.Year = poi->Year;
      w.Month = poi->Month;
      w.Day = poi->Day;
      w.Hour = poi->Hour;
      w.Minute = poi->Minute;
      w.Second = poi->Second;
      w.Icon = poi->Icon;
      w.Latitude = poi->Latitude;
      w.Longitude = poi->Longitude;
      const int before = poiStorage.GetCount();
      AddImportedWaypoints({w}, poiStorage);
      if (poiStorage.GetCount() > before) added = poiStorage.At(poiStorage.GetCount() - 1);
    }
  }
  if (!added) {
    ui.MessageBox(Str(168), Str(115), UiServices::Icon::Error);
    return {};
  }
  return QStringLiteral("wpt_addPoint(") + textfmt::FloatToQStr(added->Latitude) + QLatin1Char(',') +
         textfmt::FloatToQStr(added->Longitude) + QStringLiteral(",'") +
         EscapeJsString(model_->Text(*added, 0)) + QStringLiteral("',") + Num(added->Icon) + QLatin1Char(')');
}

void TWaypointPage::bgWptTableItems0Click() {
  const QString call = AddWaypointAt(0.0, 0.0);
  if (call.isEmpty()) return;
  frame_.ExecScript(QStringLiteral("showPreMarkerWPT('', false)"));
  frame_.ExecScript(call);
  FillWptList();
  // The new waypoint is the store's last one.
  frame_.ExecScript(QStringLiteral("wpt_jumpToPoint(") + Num(poiStorage.GetCount() - 1) + QLatin1Char(')'));
}

void TWaypointPage::lvWptDblClick() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  sUserPOI* p = poiStorage.At(model_->Position(rows.front()));
  if (!p) return;
  TFormPoiEditor dialog(TFormPoiEditor::kModify, p->Latitude, p->Longitude, frame_);
  dialog.SetPoi(std::string(p->Name, qstrnlen(p->Name, sizeof p->Name)), p->Icon, p->Latitude, p->Longitude);
  if (UiServices::Get().ExecDialog(dialog) != QDialog::Accepted) return;
  // The name is the store's key and the dialog cannot change it.
  p->Latitude = dialog.Latitude;
  p->Longitude = dialog.Longitude;
  if (dialog.Icon >= 0 && dialog.Icon < poiStorage.IconCount) p->Icon = uint8_t(dialog.Icon);
  frame_.RefreshMap(0.0, 0.0);
  FillWptList();
}

void TWaypointPage::bgWptTable_DeleteClick() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  // Listed rows are in store order, so each deletion moves the later
  // waypoints one place up.
  int removed = 0;
  for (int row : rows) {
    const sUserPOI* p = poiStorage.At(model_->Position(row) - removed);
    if (!p) continue;
    const int position = poiStorage.DeleteByName(std::string_view(p->Name, qstrnlen(p->Name, sizeof p->Name)));
    if (position == -1) continue;
    ++removed;
    frame_.ExecScript(QStringLiteral("wpt_deletePoint(") + Num(position) + QLatin1Char(')'));
  }
  FillWptList();
}

void TWaypointPage::bgWptTableItems2Click() {
  unsaved::RunCommand(unsaved::Command::ClearWaypoints, [this] {
    poiStorage.Clear();
    FillWptList();
    frame_.RefreshMap(0.0, 0.0);
    return unsaved::Holds::Other;
  });
}

void TWaypointPage::chkShowPOIClick() { frame_.RefreshMap(0.0, 0.0); }

// ============================================================================
// files and exports

void TWaypointPage::bgWptFile_OpenClick() {
  frame_.SetStatusText(1, Str(1));
  UiServices::FileDialog d;
  d.filter = Str(138);
  d.folder = pathManager->GetDataDir();
  const std::optional<QString> path = UiServices::Get().OpenFileName(d);
  if (!path) return;
  unsaved::RunCommand(unsaved::Command::OpenWaypoints, [&] {
    QCoreApplication::processEvents();
    PoiFileReport report;
    if (!poiStorage.LoadDeviceFile(QFile::encodeName(*path).constData(), &report)) {
      // The store is as it was: so are the list, the map and the title.
      ReportFileFailure(frame_, Str(115), *path,
                        report.LeftOut() > 0 ? PoiFileReportText(report) : OpenFailureReason(*path));
      return unsaved::Holds::Other;
    }
    // What was read is shown, but a file with records left out is no clean load.
    const bool damaged = report.LeftOut() > 0;
    frame_.SetStatusText(2, Str(damaged ? 168 : 167));
    FillWptList();
    frame_.RefreshMap(0.0, 0.0);
    frame_.SetTitleFile(*path);
    if (damaged)
      UiServices::Get().MessageBox(*path + QLatin1Char('\n') + PoiFileReportText(report), Str(1),
                                   UiServices::Icon::Warning);
    return unsaved::Holds::Loaded;
  });
}

void TWaypointPage::bgWptFile_SaveClick() {
  frame_.SetStatusText(1, Str(1));
  auto& ui = UiServices::Get();
  if (RowCount() == 0) {
    frame_.SetStatusText(2, Str(168));
    ui.MessageBox(Str(119), Str(114), UiServices::Icon::Error);
    return;
  }
  UiServices::FileDialog d;
  d.filter = Str(138);
  d.defaultSuffix = QStringLiteral("wpt");
  d.folder = pathManager->GetDataDir();
  const std::optional<QString> path = ui.SaveFileName(d);
  if (!path) return;
  int leftOut = 0;
  if (!WriteOrReport(frame_, Str(115), *path,
                     [&] { return poiStorage.SaveDeviceFile(QFile::encodeName(*path).constData(), &leftOut); }))
    return;
  // A waypoint the file could not hold is still unsaved work.
  if (leftOut == 0) poiStorage.MarkSaved();
  frame_.SetStatusText(2, Str(167));
  frame_.SetTitleFile(*path);
  if (leftOut > 0) ui.MessageBox(PoiLeftOutText(leftOut), Str(114), UiServices::Icon::Warning);
}

void TWaypointPage::tbWPTToGPXClick() {
  frame_.SetStatusText(1, Str(1));
  if (RowCount() == 0) return;
  UiServices::FileDialog d;
  d.filter = Str(142);
  d.defaultSuffix = QStringLiteral("gpx");
  d.folder = pathManager->GetDataDir();
  const std::optional<QString> path = UiServices::Get().SaveFileName(d);
  if (!path) return;
  std::vector<PoiListRow> rows;
  rows.reserve(std::size_t(RowCount()));
  for (int r = 0; r < RowCount(); ++r)
    if (const sUserPOI* p = model_->Poi(r)) rows.push_back(MakePoiListRow(*p, false));
  if (!WriteOrReport(frame_, Str(115), *path, [&] { return ExportGpx(rows, *path); })) return;
  frame_.SetStatusText(2, Str(167));
  frame_.SetTitleFile(*path);
}

void TWaypointPage::tbWPTToGoogleClick() {
  const std::vector<int> selected = SelectedRows();
  if (selected.empty()) return;
  // Every listed row goes in: a placemark is numbered by its row.
  std::vector<PoiListRow> rows;
  rows.reserve(std::size_t(RowCount()));
  auto next = selected.begin();
  for (int r = 0; r < RowCount(); ++r) {
    const bool isSelected = next != selected.end() && *next == r;
    if (isSelected) ++next;
    if (const sUserPOI* p = model_->Poi(r)) rows.push_back(MakePoiListRow(*p, isSelected));
  }
  if (ExportKml(rows) == kTemplateExportFailed) {
    const QString path = TempKmlPath();
    const QString file = path.isEmpty() ? TempBaseFolder() + QStringLiteral("/KVXFile.kml") : path;
    ReportFileFailure(frame_, Str(115), file, folders::WhyWriteFailed(file, 0));
  }
}

void TWaypointPage::mnuConverterClick() {
  TFormGPSConverter converter(frame_.FrameWindow());
  const std::vector<int> rows = SelectedRows();
  if (!rows.empty())
    if (const sUserPOI* p = model_->Poi(rows.front()))
      converter.SetCoordinates(TWptListModel::Text(*p, 1), TWptListModel::Text(*p, 2));
  UiServices::Get().ExecDialog(converter);
}

// ============================================================================
// the icon images

void TWaypointPage::AttachIconControls(TProgramPage& program) {
  program_ = &program;
  connect(program.pnlPOIColor, &TClickLabel::clicked, this, [this] { pnlPOIColorClick(); });
  connect(program.btnGeneratePOIs, &QPushButton::clicked, this, [this] { btnGeneratePOIsClick(); });
  connect(program.chkPOITrans, &QCheckBox::clicked, this, [this] { chkPOITransClick(); });
  // The settings tab opening shows the icon file in the preview (below).
  program.installEventFilter(this);
}

QString TWaypointPage::IconFilePath(int n) const {
  return pathManager->GetWebDir() + QStringLiteral("/wpt") + Num(n) + QStringLiteral(".png");
}

void TWaypointPage::DrawPoiIcon(QImage& bitmap, uint32_t colour, int n, bool transparent) const {
  bitmap = QImage(24, 24, QImage::Format_RGB32);
  const QRgb ground = FromBgr(colour).rgb();
  bitmap.fill(ground);
  if (!transparent) {
    // Rectangles cover x1..x2-1 and y1..y2-1: the pen draws their edge, the
    // brush (the colour) their inside.
    auto rect = [&](int x1, int y1, int x2, int y2, QRgb pen) {
      for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
          bitmap.setPixel(x, y, x == x1 || x == x2 - 1 || y == y1 || y == y2 - 1 ? pen : ground);
    };
    rect(0, 0, 24, 24, qRgb(0, 0, 0));
    for (int x = 1; x < 23; ++x) bitmap.setPixel(x, 22, qRgb(0xA0, 0xA0, 0xA0));
    rect(1, 1, 23, 22, qRgb(0xC0, 0xC0, 0xC0));
    rect(2, 1, 22, 21, qRgb(0xE0, 0xE0, 0xE0));
  }
  // The icon through its mask; a number the strip lacks leaves the square plain.
  const QImage icon = frame_.ilWaypoint.Pixmap(n).toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < icon.height() && y + 4 < 24; ++y)
    for (int x = 0; x < icon.width() && x + 4 < 24; ++x) {
      const QRgb px = icon.pixel(x, y);
      if (qAlpha(px) != 0) bitmap.setPixel(x + 4, y + 4, qRgb(qRed(px), qGreen(px), qBlue(px)));
    }
}

bool TWaypointPage::RenderPoiIcons(bool force, uint32_t colour, bool transparent) {
  BusyCursor busy;
  bool statusSet = false;
  struct StatusReset {
    TMainFrame& frame;
    bool& set;
    ~StatusReset() {
      if (set) frame.SetStatusText(2, QString());
    }
  } reset{frame_, statusSet};
  QImage bitmap;
  for (int n = 0; n < kIconFiles; ++n) {
    const QString path = IconFilePath(n);
    if (!force && QFileInfo::exists(path)) continue;
    frame_.SetStatusText(2, QStringLiteral("Rendering POIs..."));
    statusSet = true;
    QCoreApplication::processEvents();
    DrawPoiIcon(bitmap, colour, n, transparent);
    const QByteArray png = EncodePng24(bitmap, transparent ? std::optional<QRgb>(FromBgr(colour).rgb()) : std::nullopt);
    if (png.isEmpty() || pathManager->GetWebDir().isEmpty() || !folders::WriteWholeFile(path, png)) {
      // The rest would fail the same way: one message, then stop.
      ShowFileFailure(Str(115), path, folders::WhyWriteFailed(path, 0));
      return false;
    }
  }
  return true;
}

void TWaypointPage::ShowPreview(const QImage& image) {
  if (!program_) return;
  QImage shown = image.convertToFormat(QImage::Format_ARGB32);
  // As a transparent picture: the colour of the top-left pixel is see-through,
  // unless it is the bevel's black frame.
  const QRgb corner = shown.pixel(0, 0);
  if (qAlpha(corner) != 0 && (corner & 0xFFFFFF) != 0) {
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) == corner) shown.setPixel(x, y, qRgba(0, 0, 0, 0));
  }
  program_->imgPOI->setPixmap(QPixmap::fromImage(shown));
}

void TWaypointPage::UpdatePoiPreview(uint32_t colour) {
  QCoreApplication::processEvents();
  QImage bitmap;
  DrawPoiIcon(bitmap, colour, 0, program_ && program_->chkPOITrans->isChecked());
  ShowPreview(bitmap);
}

void TWaypointPage::LoadPoiPreview(const QString& fileName) {
  QImage image;
  if (!image.load(fileName)) return;  // the preview stays as it was
  ShowPreview(image);
}

void TWaypointPage::btnGeneratePOIsClick() {
  if (!program_) return;
  const bool transparent = program_->chkPOITrans->isChecked();
  const uint32_t colour = transparent ? kMagenta : ToBgr(program_->pnlPOIColor->palette().color(QPalette::Window));
  if (!RenderPoiIcons(true, colour, transparent)) return;
  if (QFileInfo::exists(IconFilePath(0))) LoadPoiPreview(IconFilePath(0));
  if (RowCount() >= 1) frame_.RefreshMap(0.0, 0.0);
}

void TWaypointPage::pnlPOIColorClick() {
  if (!program_) return;
  const std::optional<QColor> chosen =
      UiServices::Get().PickColour(program_->pnlPOIColor->palette().color(QPalette::Window));
  if (!chosen) return;
  uibuild::SetPanelColour(program_->pnlPOIColor, *chosen);
  UpdatePoiPreview(ToBgr(*chosen));
}

void TWaypointPage::chkPOITransClick() {
  if (!program_) return;
  UpdatePoiPreview(program_->chkPOITrans->isChecked() ? kMagenta
                                                      : ToBgr(program_->pnlPOIColor->palette().color(QPalette::Window)));
}
