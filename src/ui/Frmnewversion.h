#pragma once
// The result of a version check that found a newer version: its name and a
// link to the maker's download page.
#include <QDialog>
#include <QString>

#include "Uibuild.h"

class QLabel;
class QPushButton;

class TFormNewVersion : public QDialog {
  Q_OBJECT
 public:
  explicit TFormNewVersion(QWidget* owner);
  ~TFormNewVersion() override;

  // The version's name, and whether the download page is opened in German.
  void SetVersion(const QString& version, bool german);
  // Opens the download page and closes the dialog with OK.
  void lblGotoClick();
  // Escape closes it as the button does.
  void reject() override { accept(); }
  // The download page's address.
  QString DownloadUrl() const;

  QLabel* imgVendor;
  QLabel* lblNewVersion;
  QLabel* lblVersionNum;
  uibuild::TClickLabel* lblGoto;
  QPushButton* btnCancel;

 private:
  bool german_ = false;
};

// The dialog while it is shown.
extern TFormNewVersion* FormNewVersion;
