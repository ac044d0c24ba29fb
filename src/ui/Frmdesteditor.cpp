#include "Frmdesteditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <memory>

#include "Coordinateedit.h"
#include "Deststorage.h"
#include "Textfmt.h"
#include "Uibuild.h"
#include "Uiservices.h"

using namespace uibuild;

TFormDestEditor* FormDestEditor = nullptr;

namespace {

void ShowError(const QString& text) { UiServices::Get().MessageBox(text, Str(115), UiServices::Icon::Error); }
void ShowError(int text) { ShowError(Str(text)); }

}  // namespace

TFormDestEditor::TFormDestEditor(int mode, double latitude, double longitude, QWidget* owner,
                                 const QIcon& icon)
    : QDialog(owner), Latitude(latitude), Longitude(longitude), Mode(mode) {
  Build(icon);
}

TFormDestEditor::TFormDestEditor(int mode, DestItem* item, QWidget* owner, const QIcon& icon)
    : QDialog(owner), Mode(mode), Item(item) {
  Build(icon);
}

TFormDestEditor::~TFormDestEditor() {
  if (FormDestEditor == this) FormDestEditor = nullptr;
}

void TFormDestEditor::Build(const QIcon& icon) {
  setObjectName(QStringLiteral("FormDestEditor"));
  uibuild::DialogFrame(this);
  setWindowIcon(icon);
  // The captions come from the table (ApplyCaptions, FormCreate).
  lblTitle = Label(this, "lblTitle", QString());
  lblCat = Label(this, "lblCat", QString());
  lblSubCat = Label(this, "lblSubCat", QString());
  lblInfo = Label(this, "lblInfo", QString());
  lblLat = Label(this, "lblLat", QString());
  lblLng = Label(this, "lblLng", QString());
  edtTitle = Edit(this, "edtTitle");
  cmbCategory = DropDownList(this, "cmbCategory");
  cmbSubCategory = DropDownList(this, "cmbSubCategory");
  edtInfo = Edit(this, "edtInfo");
  edtLat = Edit(this, "edtLat");
  edtLon = Edit(this, "edtLon");
  btnAct = Button(this, "btnAct", QString());
  btnClose = Button(this, "btnClose", QString());
  // Enter does not press OK; Escape cancels (QDialog's own key).
  btnAct->setAutoDefault(false);
  btnClose->setAutoDefault(false);

  auto* grid = new QGridLayout;
  const std::pair<QLabel*, QWidget*> rows[] = {{lblTitle, edtTitle}, {lblCat, cmbCategory},
                                               {lblSubCat, cmbSubCategory}, {lblInfo, edtInfo},
                                               {lblLat, edtLat}, {lblLng, edtLon}};
  int r = 0;
  for (const auto& [label, input] : rows) {
    grid->addWidget(label, r, 0);
    grid->addWidget(input, r++, 1);
  }
  grid->setColumnMinimumWidth(1, 240);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(btnAct);
  buttons->addWidget(btnClose);
  buttons->addStretch(1);
  auto* page = new QHBoxLayout(this);
  page->addLayout(grid, 1);
  page->addLayout(buttons);
  setTabOrder(edtTitle, cmbCategory);
  setTabOrder(cmbCategory, cmbSubCategory);
  setTabOrder(cmbSubCategory, edtInfo);
  setTabOrder(edtInfo, edtLat);
  setTabOrder(edtLat, edtLon);
  setTabOrder(edtLon, btnAct);
  setTabOrder(btnAct, btnClose);

  connect(cmbCategory, &QComboBox::activated, this, &TFormDestEditor::cmbCategoryChange);
  connect(btnAct, &QPushButton::clicked, this, &TFormDestEditor::btnActClick);
  connect(btnClose, &QPushButton::clicked, this, &TFormDestEditor::btnCloseClick);
  FormCreate();
}

void TFormDestEditor::FormCreate() {
  ApplyCaptions();
  FillCategoryCombo();
  if (Mode == modeModify && Item) {
    btnAct->setText(Str(157));
    edtTitle->setText(Item->Title);
    cmbCategory->setCurrentIndex(Item->Category < cmbCategory->count() ? Item->Category : -1);
    FillSubCategoryCombo(Item->Category);
    cmbSubCategory->setCurrentIndex(Item->SubCategory < cmbSubCategory->count() ? Item->SubCategory
                                                                                  : -1);
    edtInfo->setText(Item->Info);
    edtLat->setText(textfmt::FloatToQStr(Item->Latitude));
    edtLon->setText(textfmt::FloatToQStr(Item->Longitude));
  } else {
    btnAct->setText(Str(156));
    FillSubCategoryCombo(0);
    edtLat->setText(textfmt::FloatToQStr(Latitude));
    edtLon->setText(textfmt::FloatToQStr(Longitude));
  }
  btnClose->setText(Str(158));
}

void TFormDestEditor::ApplyCaptions() {
  setWindowTitle(Str(144));
  lblCat->setText(Str(8));
  lblSubCat->setText(Str(9));
  lblTitle->setText(Str(10));
  lblInfo->setText(Str(11));
  lblLat->setText(Str(15));
  lblLng->setText(Str(16));
}

bool TFormDestEditor::FillCategoryCombo() {
  cmbCategory->clear();
  if (!destStorage.FirstCategory()) return false;
  while (const auto name = destStorage.NextCategory()) cmbCategory->addItem(*name);
  cmbCategory->setCurrentIndex(0);
  return true;
}

void TFormDestEditor::FillSubCategoryCombo(int category) {
  cmbSubCategory->clear();
  if (!destStorage.FirstSubCategory(category)) return;
  while (const auto name = destStorage.NextSubCategory(category)) cmbSubCategory->addItem(*name);
  cmbSubCategory->setCurrentIndex(0);
}

void TFormDestEditor::cmbCategoryChange() { FillSubCategoryCombo(cmbCategory->currentIndex()); }

void TFormDestEditor::btnActClick() {
  if (!Validate()) return;
  const bool done = Mode == modeModify ? ModifyDestination() : AddDestination();
  if (done) accept();
}

bool TFormDestEditor::Validate() {
  if (edtTitle->text().isEmpty() || edtLat->text().isEmpty() || edtLon->text().isEmpty()) {
    ShowError(123);
    return false;
  }
  double lat = 0, lon = 0;
  if (!ReadCoordinateEdits(edtLat, edtLon, lat, lon)) return false;
  // A destination must be filed under a sub-category, or no file would hold
  // it. Tested after the numbers, so a bad number is named whatever the category.
  if (cmbCategory->currentIndex() < 0 || cmbSubCategory->currentIndex() < 0) {
    ShowError(tr("The category \"%1\" has no sub-category. Add one with the category editor first.")
                  .arg(cmbCategory->currentText()));
    return false;
  }
  Latitude = lat;
  Longitude = lon;
  return true;
}

bool TFormDestEditor::TitleTaken(const QString& title) const {
  QString cut = title;
  CutToLength(cut, MAX_TITLE_LEN);
  const DestItem* found = destStorage.FindItem(dlActive, cut);
  return found && found != Item;
}

bool TFormDestEditor::AddDestination() {
  auto item = std::make_unique<DestItem>(edtTitle->text(), cmbCategory->currentIndex(),
                                         cmbSubCategory->currentIndex(), edtInfo->text(), Latitude,
                                         Longitude);
  if (destStorage.AddItem(dlActive, item) == drDuplicateTitle) {
    ShowError(120);
    return false;  // `item` goes with the refusal
  }
  return true;
}

bool TFormDestEditor::ModifyDestination() {
  if (Mode != modeModify || !Item) return false;
  // Titles stay the store's keys.
  if (TitleTaken(edtTitle->text())) {
    ShowError(120);
    return false;
  }
  Item->SetTitle(edtTitle->text());
  Item->Category = cmbCategory->currentIndex();
  Item->SubCategory = cmbSubCategory->currentIndex();
  Item->SetInfo(edtInfo->text());
  Item->Latitude = Latitude;
  Item->Longitude = Longitude;
  return true;
}

void TFormDestEditor::btnCloseClick() { reject(); }
