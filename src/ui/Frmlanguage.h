#pragma once
// The language chooser of the first run. Its texts are fixed: no language
// file is loaded while it shows.
#include <QDialog>

class QComboBox;
class QPushButton;

class TFormLanguage : public QDialog {
  Q_OBJECT
 public:
  explicit TFormLanguage(QWidget* owner = nullptr);
  ~TFormLanguage() override;

  // The chosen row of the language table (0 to 8).
  int GetLanguageIndex() const;

  void btnOkClick();
  void btnCancelClick();

  QComboBox* cmbLanguage;
  QPushButton* btnOk;
};

// The chooser the start-up creates beside the main window.
extern TFormLanguage* FormLanguage;
