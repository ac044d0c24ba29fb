#include "Destpage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "Busycursor.h"
#include "Deststorage.h"
#include "Filefailure.h"
#include "Folders.h"
#include "Frmcateditor.h"
#include "Frmdesteditor.h"
#include "Jsescape.h"
#include "Korvifile.h"
#include "Mainframe.h"
#include "Pathmanager.h"
#include "Textfmt.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Zavfile.h"

using namespace uibuild;
using Icon = UiServices::Icon;

namespace {

// Shows the destination's category or sub-category name; a destination filed
// under none shows an empty cell.
QString NameOr(const std::optional<QString>& name) { return name.value_or(QString()); }

// The file class for a chosen name by its extension (from the name's last
// "." on, ignoring case); null for any other.
std::unique_ptr<FileBase> FileFor(const QString& path, DestStorage& store) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString ext = dot < 0 ? QString() : name.mid(dot);
  if (ext.compare(korviFileExtension, Qt::CaseInsensitive) == 0) return std::make_unique<KorviFile>(store);
  if (ext.compare(zavFileExtension, Qt::CaseInsensitive) == 0) return std::make_unique<ZavFile>(store);
  return nullptr;
}

bool IsKorviFile(const QString& path) {
  return QFileInfo(path).fileName().endsWith(korviFileExtension, Qt::CaseInsensitive);
}

// The selected entry of a filter combo, or -1 for the all entry (the last
// one) and for an empty combo.
int FilterIndex(const QComboBox* combo) {
  const int i = combo->currentIndex();
  return i < 0 || i == combo->count() - 1 ? -1 : i;
}

// A long list would outgrow the message box: the first few stand for the rest.
QString ShortList(const QStringList& names) {
  constexpr qsizetype kShown = 10;
  QStringList shown = names.mid(0, kShown);
  if (names.size() > kShown) shown << QStringLiteral("…");
  return JoinList(shown);
}

QStringList GroupNames(const std::vector<DestFileGaps::Group>& groups) {
  QStringList names;
  for (const DestFileGaps::Group& g : groups)
    names << (g.subCategory ? QCoreApplication::translate("TDestPage", "%1 in %2", "a sub-category in its category")
                                  .arg(*g.subCategory, g.category)
                            : g.category);
  return names;
}

}  // namespace

QString DestFileGapsText(const DestFileGaps& gaps) {
  QStringList sentences;
  if (!gaps.emptyGroups.empty())
    //: %1 lists the categories and sub-categories.
    sentences << QCoreApplication::translate("TDestPage",
                                             "%n empty category(ies) or sub-category(ies) not saved: %1. The file "
                                             "holds only those with destinations.",
                                             nullptr, int(gaps.emptyGroups.size()))
                     .arg(ShortList(GroupNames(gaps.emptyGroups)));
  if (gaps.unfiled > 0)
    sentences << QCoreApplication::translate("TDestPage",
                                             "%n destination(s) without a category or sub-category not saved.",
                                             nullptr, int(gaps.unfiled));
  if (!gaps.cutNames.empty())
    //: %1 lists the categories and sub-categories by their full names.
    sentences << QCoreApplication::translate("TDestPage",
                                             "%n category or sub-category name(s) shortened to fit the file: %1. "
                                             "Names that differ only in the part cut off come back as one.",
                                             nullptr, int(gaps.cutNames.size()))
                     .arg(ShortList(GroupNames(gaps.cutNames)));
  if (!gaps.cutTitles.empty())
    //: %1 lists the titles in full.
    sentences << QCoreApplication::translate("TDestPage", "%n title(s) shortened to fit the file: %1.", nullptr,
                                             int(gaps.cutTitles.size()))
                     .arg(ShortList(gaps.cutTitles));
  if (!gaps.cutInfos.empty())
    //: %1 lists the titles of the destinations.
    sentences << QCoreApplication::translate("TDestPage",
                                             "Information text shortened to fit the file for %n destination(s): %1.",
                                             nullptr, int(gaps.cutInfos.size()))
                     .arg(ShortList(gaps.cutInfos));
  return sentences.join(QLatin1Char('\n'));
}

QString DestLeftOutText(std::size_t leftOut) {
  return QCoreApplication::translate("TDestPage",
                                     "%n destination(s) left out: their category or sub-category is not in the file.",
                                     nullptr, int(leftOut));
}

// --- the list model -----------------------------------------------------------------------------

TDestListModel::TDestListModel(DestStorage& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store), revision_(store.Items(dlActive).Revision()) {
  headers_[0] = QStringLiteral("Title");
  headers_[1] = QStringLiteral("Category");
  headers_[2] = QStringLiteral("Subcategory");
}

void TDestListModel::Refill(std::vector<DestItem*> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  revision_ = store_.Items(dlActive).Revision();
  endResetModel();
}

bool TDestListModel::Stale() const { return revision_ != store_.Items(dlActive).Revision(); }

DestItem* TDestListModel::At(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || Stale()) return nullptr;
  return rows_[static_cast<std::size_t>(row)];
}

void TDestListModel::SetHeader(int column, const QString& text) {
  if (column < 0 || column >= 3) return;
  headers_[column] = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

int TDestListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TDestListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TDestListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole) return {};
  const DestItem* d = At(index.row());
  if (!d) return {};
  switch (index.column()) {
    case 0: return d->Title;
    case 1: return NameOr(store_.GetCategory(d->Category));
    case 2: return NameOr(store_.GetSubCategory(d->Category, d->SubCategory));
    default: return {};
  }
}

QVariant TDestListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 3) return {};
  return headers_[section];
}

// --- the page ----------------------------------------------------------------------------------

TDestPage::TDestPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgDest"));
  auto* page = new QVBoxLayout(this);
  auto* filters = new QGridLayout;
  lblCategory = Label(this, "lblCategory", QStringLiteral("Category"));
  lblSubcategory = Label(this, "lblSubcategory", QStringLiteral("Subcategory"));
  lblTitle = Label(this, "lblTitle", QStringLiteral("Title"));
  lblInfo = Label(this, "lblInfo", QStringLiteral("Info"));
  cmbSelCategory = DropDownList(this, "cmbSelCategory");
  cmbSelCategory->setMaxVisibleItems(10);
  cmbSelSubCategory = DropDownList(this, "cmbSelSubCategory");
  btnDestSearch = ToolButton(this, "btnDestSearch", true);
  btnDestSearch->setText(QStringLiteral("?"));
  btnInfoSearch = ToolButton(this, "btnInfoSearch", true);
  btnInfoSearch->setText(QStringLiteral("?"));
  edtTitleSearch = Edit(this, "edtTitleSearch");
  edtInfoSearch = Edit(this, "edtInfoSearch");
  btnEditCat = Button(this, "btnEditCat", QStringLiteral("..."));
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
  destModel = new TDestListModel(destStorage, this);
  lvDest = TableView(this, "lvDest", destModel, {150, 80, 80}, true);
  page->addWidget(lvDest, 1);
  lblFile1 = Label(this, "lblFile1", QStringLiteral("File"));
  lblDevice1 = Label(this, "lblDevice1", QStringLiteral("Device"));
  lblTable1 = Label(this, "lblTable1", QStringLiteral("Table"));
  bgDestFile = new TButtonGroup({QStringLiteral("Open"), QStringLiteral("Save")}, this);
  bgDestFile->setObjectName(QStringLiteral("bgDestFile"));
  bgDestDevice = new TButtonGroup({QStringLiteral("Upload"), QStringLiteral("Download")}, this);
  bgDestDevice->setObjectName(QStringLiteral("bgDestDevice"));
  bgDestTable = new TButtonGroup({QStringLiteral("Add"), QStringLiteral("Modify"),
                                  QStringLiteral("Delete"), QStringLiteral("DeleteAll")},
                                 this);
  bgDestTable->setObjectName(QStringLiteral("bgDestTable"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile1, {bgDestFile}));
  side->addWidget(SideGroup(this, lblDevice1, {bgDestDevice}));
  side->addWidget(SideGroup(this, lblTable1, {bgDestTable}));
  page->addLayout(side);

  // Only the user's choices and typing refill: the fills set these controls too.
  connect(cmbSelCategory, &QComboBox::activated, this, &TDestPage::cmbSelCategoryChange);
  connect(cmbSelSubCategory, &QComboBox::activated, this, &TDestPage::cmbSelSubCategoryChange);
  connect(edtTitleSearch, &QLineEdit::textChanged, this, &TDestPage::edtTitleSearchChange);
  connect(edtInfoSearch, &QLineEdit::textChanged, this, &TDestPage::edtInfoSearchChange);
  connect(btnDestSearch, &QToolButton::clicked, this, &TDestPage::btnDestSearchClick);
  connect(btnInfoSearch, &QToolButton::clicked, this, &TDestPage::btnInfoSearchClick);
  connect(btnEditCat, &QPushButton::clicked, this, &TDestPage::btnEditCatClick);
  connect(bgDestFile, &TButtonGroup::ItemClicked, this,
          [this](int i) { i == 0 ? bgDestFile_OpenClick() : bgDestFile_SaveClick(); });
  connect(bgDestTable, &TButtonGroup::ItemClicked, this, [this](int i) {
    switch (i) {
      case 0: bgDestTable_AddClick(); break;
      case 1: bgDestTable_ModifyClick(); break;
      case 2: bgDestTable_DeleteClick(); break;
      default: bgDestTableItems3Click(); break;
    }
  });
  connect(lvDest, &QTableView::doubleClicked, this, &TDestPage::lvDestDblClick);
  connect(lvDest->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected, const QItemSelection&) {
            if (!selected.isEmpty()) lvDestSelectItem();
          });
  lvDest->installEventFilter(this);
}

void TDestPage::ApplyLanguage() {
  lblCategory->setText(Str(8));
  destModel->SetHeader(1, Str(8));
  lblSubcategory->setText(Str(9));
  destModel->SetHeader(2, Str(9));
  lblTitle->setText(Str(10));
  destModel->SetHeader(0, Str(10));
  lblInfo->setText(Str(11));
  btnEditCat->setToolTip(Str(145));
  bgDestFile->Item(0)->setToolTip(Str(99));
  bgDestFile->Item(1)->setToolTip(Str(100));
  bgDestDevice->Item(0)->setToolTip(Str(101));
  bgDestDevice->Item(1)->setToolTip(Str(102));
  for (int i = 0; i < 4; ++i) bgDestTable->Item(i)->setToolTip(Str(103 + i));
  lblFile1->setText(Str(96));
  lblDevice1->setText(Str(97));
  lblTable1->setText(Str(98));
  // The filters' all entries are the table's too (the last entry of each);
  // the names and the user's choice stay.
  for (QComboBox* combo : {cmbSelCategory, cmbSelSubCategory})
    if (combo->count() > 0) combo->setItemText(combo->count() - 1, Str(12));
}

int TDestPage::RowCount() const { return destModel->rowCount(); }

QString TDestPage::AddPointScript(double latitude, double longitude, const QString& title) {
  return QStringLiteral("dst_addPoint(") + textfmt::FloatToQStr(latitude) + QLatin1Char(',') +
         textfmt::FloatToQStr(longitude) + QStringLiteral(",'") + EscapeJsString(title) +
         QStringLiteral("')");
}

// --- categories and the list -------------------------------------------------------------------

void TDestPage::InitDefaultCategories() {
  // The defaults are nobody's work: a store with nothing unsaved stays so.
  const bool clean = !destStorage.HasUnsavedChanges();
  for (const DefaultCategory& row : defaultCategories) {
    // Filed under the index the category got, so a store that is not empty
    // still pairs each name with its own sub-category.
    const int c = destStorage.AddCategory(QString::fromLatin1(row.category));
    destStorage.AddSubCategory(c, QString::fromLatin1(row.subCategory));
  }
  if (clean) destStorage.MarkSaved();
}

void TDestPage::FillCategoryCombo() {
  cmbSelCategory->clear();
  if (!destStorage.FirstCategory()) return;
  QStringList names;
  while (const auto name = destStorage.NextCategory()) names << *name;
  names << Str(12);
  cmbSelCategory->addItems(names);
  cmbSelCategory->setCurrentIndex(cmbSelCategory->count() - 1);
}

void TDestPage::FillSubCategoryCombo(int category) {
  cmbSelSubCategory->clear();
  if (!destStorage.FirstSubCategory(category)) return;
  QStringList names;
  while (const auto name = destStorage.NextSubCategory(category)) names << *name;
  names << Str(12);
  cmbSelSubCategory->addItems(names);
  cmbSelSubCategory->setCurrentIndex(cmbSelSubCategory->count() - 1);
}

void TDestPage::FillDestList() {
  Find_Cond cond;
  if (const int c = FilterIndex(cmbSelCategory); c >= 0) {
    cond.Flags |= fcCategory;
    cond.Category = c;
  }
  if (const int s = FilterIndex(cmbSelSubCategory); s >= 0) {
    cond.Flags |= fcSubCategory;
    cond.SubCategory = s;
  }
  if (btnDestSearch->isChecked() && !edtTitleSearch->text().isEmpty()) {
    cond.Flags |= fcTitle;
    cond.TitleText = edtTitleSearch->text();
  }
  if (btnInfoSearch->isChecked() && !edtInfoSearch->text().isEmpty()) {
    cond.Flags |= fcInfo;
    cond.InfoText = edtInfoSearch->text();
  }
  std::vector<DestItem*> rows;
  if (destStorage.FindFirst(dlActive, cond)) {
    rows.reserve(destStorage.Items(dlActive).size());
    while (DestItem* d = destStorage.FindNext(dlActive)) rows.push_back(d);
  }
  destModel->Refill(std::move(rows));
}

// --- filter events -----------------------------------------------------------------------------

void TDestPage::cmbSelCategoryChange() {
  FillSubCategoryCombo(cmbSelCategory->currentIndex());
  FillDestList();
}

void TDestPage::cmbSelSubCategoryChange() { FillDestList(); }

void TDestPage::edtTitleSearchChange() {
  if (btnDestSearch->isChecked()) FillDestList();
}

void TDestPage::edtInfoSearchChange() {
  if (btnInfoSearch->isChecked()) FillDestList();
}

void TDestPage::btnDestSearchClick() {
  if (!edtTitleSearch->text().isEmpty()) FillDestList();
}

void TDestPage::btnInfoSearchClick() {
  if (!edtInfoSearch->text().isEmpty()) FillDestList();
}

// --- files -------------------------------------------------------------------------------------

void TDestPage::bgDestFile_OpenClick() {
  auto& ui = UiServices::Get();
  frame_.SetStatusText(1, Str(0));
  UiServices::FileDialog dialog;
  dialog.filter = Str(137);
  dialog.folder = pathManager->GetDataDir();
  const std::optional<QString> path = ui.OpenFileName(dialog);
  if (!path) return;
  QCoreApplication::processEvents();

  // The file is read whole into a store of its own first, so a file that
  // fails leaves the user's destinations as they were.
  DestStorage loaded;
  std::unique_ptr<FileBase> file = FileFor(*path, loaded);
  if (!file) {
    ui.MessageBox(Str(131), Str(113), Icon::Error);
    return;
  }
  // Only a store that the load empties loses anything: with no destination
  // the file's categories join those held, unless it is a device file.
  const bool replaces = IsKorviFile(*path) || !destStorage.Items(dlActive).empty();
  unsaved::RunCommand(replaces ? unsaved::Command::OpenDestinations : unsaved::Command::AddDestinationsFile, [&] {
    bool ok = false;
    {
      BusyCursor busy;
      // A pipe or a device would block the read or never end it.
      ok = QFileInfo(*path).isFile() && file->Load(*path) == 1;
      if (ok && IsKorviFile(*path)) {
        // The device file is a whole device database: it brings its own
        // categories in place of ours.
        destStorage.ReplaceWith(loaded);
      } else if (ok) {
        if (!destStorage.Items(dlActive).empty()) destStorage.ClearAll();
        destStorage.MergeFrom(loaded);
      }
    }
    // What was read is shown, but a file with records left out is no clean load.
    const std::size_t leftOut = ok ? file->LeftOut() : 0;
    if (ok) {
      frame_.SetStatusText(2, Str(leftOut > 0 ? 168 : 167));
    } else {
      // The loader's reason, where it has one, under the general text.
      const QString why = file->Error();
      frame_.SetStatusText(2, Str(168));
      ui.MessageBox(why.isEmpty() ? Str(129) : Str(129) + QLatin1Char('\n') + why, Str(113), Icon::Error);
    }
    file.reset();
    FillCategoryCombo();
    FillSubCategoryCombo(0);
    FillDestList();
    // A file that failed left the destinations as they were, and so the title.
    if (ok) frame_.SetTitleFile(*path);
    frame_.RefreshMap(0.0, 0.0);
    if (leftOut > 0) ui.MessageBox(*path + QLatin1Char('\n') + DestLeftOutText(leftOut), Str(0), Icon::Warning);
    return ok ? unsaved::Holds::Loaded : unsaved::Holds::Other;
  });
}

void TDestPage::bgDestFile_SaveClick() {
  auto& ui = UiServices::Get();
  frame_.SetStatusText(1, Str(0));
  UiServices::FileDialog dialog;
  dialog.filter = Str(137);
  dialog.defaultSuffix = zavFileExtension.mid(1);
  dialog.folder = pathManager->GetDataDir();
  const std::optional<QString> path = ui.SaveFileName(dialog);
  if (!path) {
    frame_.SetStatusText(2, Str(168));
    return;
  }
  std::unique_ptr<FileBase> file = FileFor(*path, destStorage);
  if (!file) {
    frame_.SetStatusText(2, Str(168));
    ui.MessageBox(Str(131), Str(114), Icon::Error);
    return;
  }
  // The writers leave the old file as it was. A store that does not fit the
  // format has the writer's reason; a file that could not be written the system's.
  if (!WriteOrReport(frame_, Str(114), *path, [&] { return file->Save(*path) == 1; }, [&] { return file->Error(); }))
    return;
  // What the file cannot hold is still unsaved work.
  const DestFileGaps& gaps = file->Gaps();
  if (!gaps.Any()) destStorage.MarkSaved();
  frame_.SetStatusText(2, Str(167));
  frame_.SetTitleFile(*path);
  if (gaps.Any()) ui.MessageBox(DestFileGapsText(gaps), Str(114), Icon::Warning);
}

// --- table -------------------------------------------------------------------------------------

bool TDestPage::AddDestinationAt(double& latitude, double& longitude, QString& title) {
  FormDestEditor = new TFormDestEditor(TFormDestEditor::modeAdd, latitude, longitude,
                                       frame_.FrameWindow(), frame_.ilTab.Icon(0));
  std::unique_ptr<TFormDestEditor> editor(FormDestEditor);
  if (UiServices::Get().ExecDialog(*editor) != QDialog::Accepted) return false;
  latitude = editor->Latitude;
  longitude = editor->Longitude;
  // The map page gets the title as stored: the new destination is the last.
  const DestItemList& items = destStorage.Items(dlActive);
  title = items.empty() ? editor->edtTitle->text() : items.at(items.size() - 1)->Title;
  return true;
}

void TDestPage::bgDestTable_AddClick() {
  auto& ui = UiServices::Get();
  if (RowCount() >= 100) {
    ui.MessageBox(Str(136), Str(115), Icon::Information);
    return;
  }
  if (!destStorage.FirstCategory()) {
    ui.MessageBox(Str(128), Str(127), Icon::Error);
    return;
  }
  double lat = 0, lng = 0;
  QString title;
  if (!AddDestinationAt(lat, lng, title)) return;
  frame_.ExecScript(AddPointScript(lat, lng, title));
  FillDestList();
}

bool TDestPage::EditDestination(DestItem* item) {
  FormDestEditor = new TFormDestEditor(TFormDestEditor::modeModify, item, frame_.FrameWindow(),
                                       frame_.ilTab.Icon(0));
  std::unique_ptr<TFormDestEditor> editor(FormDestEditor);
  if (UiServices::Get().ExecDialog(*editor) != QDialog::Accepted) return false;
  frame_.RefreshMap(0.0, 0.0);
  FillDestList();
  return true;
}

void TDestPage::bgDestTable_ModifyClick() {
  auto& ui = UiServices::Get();
  const std::vector<DestItem*> selected = SelectedDestinations();
  if (SelectedRowCount() != 1 || selected.size() != 1) {
    ui.MessageBox(Str(130), Str(115), Icon::Error);
    return;
  }
  if (!destStorage.FirstCategory()) {
    ui.MessageBox(Str(128), Str(115), Icon::Error);
    return;
  }
  EditDestination(selected.front());
}

void TDestPage::lvDestDblClick() {
  const std::vector<DestItem*> selected = SelectedDestinations();
  if (selected.empty()) return;
  if (!destStorage.FirstCategory()) {
    UiServices::Get().MessageBox(Str(128), Str(127), Icon::Information);
    return;
  }
  EditDestination(selected.front());
}

void TDestPage::bgDestTable_DeleteClick() {
  // Selected rows of a store changed since the last refill stand for nothing
  // any more; the refill clears them all the same.
  if (SelectedRowCount() > 0) {
    destStorage.DeleteItems(dlActive, SelectedDestinations());
    FillDestList();
  }
  frame_.RefreshMap(0.0, 0.0);
}

void TDestPage::bgDestTableItems3Click() {
  unsaved::RunCommand(unsaved::Command::DeleteAllDestinations, [this] {
    destStorage.ClearAll();
    // The filters must not offer categories that are gone.
    FillCategoryCombo();
    FillSubCategoryCombo(0);
    FillDestList();
    frame_.RefreshMap(0.0, 0.0);
    return unsaved::Holds::Other;
  });
}

void TDestPage::lvDestSelectItem() {
  if (SelectedRowCount() != 1) return;
  const std::vector<DestItem*> selected = SelectedDestinations();
  if (selected.size() != 1) return;
  // The map page holds the whole store: it knows a destination by its place
  // there, not by its row in the filtered list.
  const int index = destStorage.IndexOf(dlActive, selected.front());
  if (index >= 0) frame_.ExecScript(QStringLiteral("dst_jumpToPoint(%1)").arg(index));
}

void TDestPage::btnEditCatClick() {
  FormCatEditor =
      new TFormCatEditor(frame_.FrameWindow(), frame_.ilButton.Icon(4), frame_.ilButton.Icon(5));
  std::unique_ptr<TFormCatEditor> editor(FormCatEditor);
  if (UiServices::Get().ExecDialog(*editor) != QDialog::Accepted) return;
  FillCategoryCombo();
  FillSubCategoryCombo(0);
  // The filters are back on "all": the list follows them.
  FillDestList();
}

// --- selection and keys ------------------------------------------------------------------------

int TDestPage::SelectedRowCount() const {
  return static_cast<int>(lvDest->selectionModel()->selectedRows().size());
}

std::vector<DestItem*> TDestPage::SelectedDestinations() const {
  QModelIndexList rows = lvDest->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::vector<DestItem*> out;
  out.reserve(static_cast<std::size_t>(rows.size()));
  for (const QModelIndex& row : rows)
    if (DestItem* d = destModel->At(row.row())) out.push_back(d);
  return out;
}

bool TDestPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lvDest && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    bgDestTable_DeleteClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
