#pragma once
// The category editor: lists the categories and the sub-categories of one of
// them, adds and renames both. Every button press changes the store at once.
#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "Controls.h"

class TFormCatEditor : public QDialog {
  Q_OBJECT
 public:
  // The add and rename buttons show `addIcon` and `renameIcon`.
  explicit TFormCatEditor(QWidget* owner, const QIcon& addIcon = QIcon(),
                          const QIcon& renameIcon = QIcon());
  ~TFormCatEditor() override;

  // The category whose sub-categories the right-hand list shows.
  int SelectedCategory = 0;

  QTreeWidget *lvMainCat, *lvSubCat;
  QLineEdit *edtMainCat, *edtSubCat;
  TButtonGroup *bgMainCat, *bgSubCat;
  QPushButton* btnClose;

  void FormCreate();
  void lvMainCatSelectItem();
  void bgMainCatItems0Click();
  void bgMainCatItems1Click();
  void bgSubCatItems0Click();
  void bgSubCatItems1Click();
  void btnCloseClick();

  void ApplyCaptions();
  void FillMainList();
  void FillSubList(int category);
};

// The editor while it is shown.
extern TFormCatEditor* FormCatEditor;
