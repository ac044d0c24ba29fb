#include "Frmcateditor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "Deststorage.h"
#include "Uibuild.h"

using namespace uibuild;

TFormCatEditor* FormCatEditor = nullptr;

namespace {

// The index of the one selected row, or -1 when none or several are.
int SingleSelectedRow(QTreeWidget* list) {
  const QList<QTreeWidgetItem*> selected = list->selectedItems();
  return selected.size() == 1 ? list->indexOfTopLevelItem(selected.front()) : -1;
}

// A list, its edit and its add / rename buttons, one above the other.
QWidget* Column(QWidget* parent, QTreeWidget* list, QLineEdit* edit, TButtonGroup* buttons) {
  auto* w = new QWidget(parent);
  auto* col = new QVBoxLayout(w);
  col->setContentsMargins(0, 0, 0, 0);
  col->addWidget(list, 1);
  col->addWidget(edit);
  col->addWidget(buttons);
  return w;
}

}  // namespace

TFormCatEditor::TFormCatEditor(QWidget* owner, const QIcon& addIcon, const QIcon& renameIcon)
    : QDialog(owner) {
  uibuild::DialogFrame(this, uibuild::Frame::SizeableDialog);
  setObjectName(QStringLiteral("FormCatEditor"));
  setWindowTitle(QStringLiteral("Category editor"));
  lvMainCat = ListView(this, "lvMainCat", {QStringLiteral("Category")}, {-1}, false);
  lvSubCat = ListView(this, "lvSubCat", {QStringLiteral("Subcategory")}, {-1}, false);
  edtMainCat = Edit(this, "edtMainCat");
  edtSubCat = Edit(this, "edtSubCat");
  bgMainCat = new TButtonGroup({QStringLiteral("Add"), QStringLiteral("Rename")}, this);
  bgMainCat->setObjectName(QStringLiteral("bgMainCat"));
  bgSubCat = new TButtonGroup({QStringLiteral("Add"), QStringLiteral("Rename")}, this);
  bgSubCat->setObjectName(QStringLiteral("bgSubCat"));
  for (TButtonGroup* g : {bgMainCat, bgSubCat}) {
    SetPicture(g->Item(0), addIcon);
    SetPicture(g->Item(1), renameIcon);
  }
  btnClose = Button(this, "btnClose", QStringLiteral("Close"));

  auto* page = new QVBoxLayout(this);
  auto* panels = new QHBoxLayout;
  panels->addWidget(Column(this, lvMainCat, edtMainCat, bgMainCat));
  panels->addWidget(Column(this, lvSubCat, edtSubCat, bgSubCat));
  page->addLayout(panels, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(btnClose);
  page->addLayout(bottom);
  resize(460, 340);

  connect(lvMainCat, &QTreeWidget::itemSelectionChanged, this, &TFormCatEditor::lvMainCatSelectItem);
  connect(bgMainCat, &TButtonGroup::ItemClicked, this,
          [this](int i) { i == 0 ? bgMainCatItems0Click() : bgMainCatItems1Click(); });
  connect(bgSubCat, &TButtonGroup::ItemClicked, this,
          [this](int i) { i == 0 ? bgSubCatItems0Click() : bgSubCatItems1Click(); });
  connect(btnClose, &QPushButton::clicked, this, &TFormCatEditor::btnCloseClick);
  FormCreate();
}

TFormCatEditor::~TFormCatEditor() {
  if (FormCatEditor == this) FormCatEditor = nullptr;
}

void TFormCatEditor::FormCreate() {
  ApplyCaptions();
  FillMainList();
  FillSubList(SelectedCategory);
}

void TFormCatEditor::ApplyCaptions() {
  setWindowTitle(Str(145));
  lvMainCat->headerItem()->setText(0, Str(8));
  lvSubCat->headerItem()->setText(0, Str(9));
  for (TButtonGroup* g : {bgMainCat, bgSubCat}) {
    g->Item(0)->setToolTip(Str(103));
    g->Item(1)->setToolTip(Str(104));
  }
  btnClose->setText(Str(158));
}

void TFormCatEditor::FillMainList() {
  lvMainCat->clear();
  if (!destStorage.FirstCategory()) return;
  while (const auto name = destStorage.NextCategory())
    lvMainCat->addTopLevelItem(new QTreeWidgetItem(QStringList{*name}));
}

void TFormCatEditor::FillSubList(int category) {
  lvSubCat->clear();
  if (!destStorage.FirstSubCategory(category)) return;
  while (const auto name = destStorage.NextSubCategory(category))
    lvSubCat->addTopLevelItem(new QTreeWidgetItem(QStringList{*name}));
}

void TFormCatEditor::lvMainCatSelectItem() {
  // Rows stand for categories by position, so two rows of one name stay two
  // categories. A deselection keeps the last category.
  const int row = SingleSelectedRow(lvMainCat);
  if (row < 0) return;
  SelectedCategory = row;
  FillSubList(SelectedCategory);
}

void TFormCatEditor::bgMainCatItems0Click() {
  if (!edtMainCat->text().isEmpty()) {
    destStorage.AddCategory(edtMainCat->text());
    FillMainList();
  }
  edtMainCat->setFocus();
}

void TFormCatEditor::bgMainCatItems1Click() {
  const int row = SingleSelectedRow(lvMainCat);
  if (row >= 0) {
    destStorage.RenameCategoryAt(row, edtMainCat->text());
    FillMainList();
  }
  edtMainCat->setFocus();
}

void TFormCatEditor::bgSubCatItems0Click() {
  if (!edtSubCat->text().isEmpty()) {
    destStorage.AddSubCategory(SelectedCategory, edtSubCat->text());
    FillSubList(SelectedCategory);
  }
  edtSubCat->setFocus();
}

void TFormCatEditor::bgSubCatItems1Click() {
  const int row = SingleSelectedRow(lvSubCat);
  if (row >= 0) {
    destStorage.RenameSubCategoryAt(SelectedCategory, row, edtSubCat->text());
    FillSubList(SelectedCategory);
  }
  edtSubCat->setFocus();
}

void TFormCatEditor::btnCloseClick() { accept(); }
