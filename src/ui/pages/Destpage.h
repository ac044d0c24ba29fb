#pragma once
// The destination page (pgDest): category and text filters over the
// destination store, the list, and the file, device and table buttons.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include "Controls.h"

class TMainFrame;

class TDestPage : public QWidget {
  Q_OBJECT
 public:
  TDestPage(TMainFrame& frame, QWidget* parent);

  // Captions and hints from the language table.
  void ApplyLanguage();

  void InitDefaultCategories();
  void FillCategoryCombo();
  void FillSubCategoryCombo(int category);
  void FillDestList();
  bool AddDestinationAt(double& latitude, double& longitude, QString& title);
  // Rows the list shows now (its filters applied).
  int RowCount() const;

  QLabel *lblCategory, *lblSubcategory, *lblTitle, *lblInfo;
  QComboBox *cmbSelCategory, *cmbSelSubCategory;
  QToolButton *btnDestSearch, *btnInfoSearch;
  QLineEdit *edtTitleSearch, *edtInfoSearch;
  QPushButton* btnEditCat;
  QTreeWidget* lvDest;
  QLabel *lblFile1, *lblDevice1, *lblTable1;
  TButtonGroup *bgDestFile, *bgDestDevice, *bgDestTable;

 private:
  TMainFrame& frame_;
};
