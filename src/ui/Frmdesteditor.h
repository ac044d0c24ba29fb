#pragma once
// The destination editor: enters a new destination at a position (add mode)
// or changes one of the store's destinations in place (modify mode). The
// store changes only when the dialog closes with OK.
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

struct DestItem;

class TFormDestEditor : public QDialog {
  Q_OBJECT
 public:
  enum { modeAdd = 0, modeModify = 1 };
  // Add mode at a position.
  TFormDestEditor(int mode, double latitude, double longitude, QWidget* owner,
                  const QIcon& icon = QIcon());
  // Modify mode on a destination of the store (not owned).
  TFormDestEditor(int mode, DestItem* item, QWidget* owner, const QIcon& icon = QIcon());
  ~TFormDestEditor() override;

  // The typed position once the inputs passed the check; before, the given one.
  double Latitude = 0;
  double Longitude = 0;
  int Mode = modeAdd;
  DestItem* Item = nullptr;

  QLabel *lblTitle, *lblCat, *lblSubCat, *lblInfo, *lblLat, *lblLng;
  QLineEdit* edtTitle;
  QComboBox *cmbCategory, *cmbSubCategory;
  QLineEdit *edtInfo, *edtLat, *edtLon;
  QPushButton *btnAct, *btnClose;

  void FormCreate();
  void cmbCategoryChange();
  void btnActClick();
  void btnCloseClick();

  void ApplyCaptions();
  bool FillCategoryCombo();
  void FillSubCategoryCombo(int category);
  // Checks the inputs; a refusal tells the user why and answers false.
  bool Validate();
  bool AddDestination();
  bool ModifyDestination();

 private:
  void Build(const QIcon& icon);
  // Another destination than the edited one already has this (cut) title.
  bool TitleTaken(const QString& title) const;
};

// The editor while it is shown.
extern TFormDestEditor* FormDestEditor;
