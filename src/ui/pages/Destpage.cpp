#include "Destpage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Mainframe.h"
#include "Uibuild.h"

using namespace uibuild;

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
  lvDest = ListView(this, "lvDest",
                    {QStringLiteral("Title"), QStringLiteral("Category"), QStringLiteral("Subcategory")},
                    {150, 80, 80}, true);
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
}

void TDestPage::ApplyLanguage() {
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
  lblFile1->setText(Str(96));
  lblDevice1->setText(Str(97));
  lblTable1->setText(Str(98));
}

int TDestPage::RowCount() const { return lvDest->topLevelItemCount(); }

// Filled in with the destination page's own work.
void TDestPage::InitDefaultCategories() {}
void TDestPage::FillCategoryCombo() {}
void TDestPage::FillSubCategoryCombo(int) {}
void TDestPage::FillDestList() {}
bool TDestPage::AddDestinationAt(double&, double&, QString&) { return false; }
