#include "Frmlanguage.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "Stringtable.h"
#include "Uibuild.h"

TFormLanguage* FormLanguage = nullptr;

TFormLanguage::TFormLanguage(QWidget* owner)
    : QDialog(owner) {
  uibuild::DialogFrame(this);
  setObjectName(QStringLiteral("FormLanguage"));
  setWindowTitle(QStringLiteral("Language"));
  setFixedSize(214, 116);
  cmbLanguage = new QComboBox(this);
  cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
  cmbLanguage->setEditable(false);
  cmbLanguage->setGeometry(9, 16, 195, 24);
  cmbLanguage->setMaxVisibleItems(9);
  for (const LanguageEntry& e : languageTable) cmbLanguage->addItem(QString::fromUtf16(e.DisplayName));
  cmbLanguage->setCurrentIndex(0);
  btnOk = new QPushButton(QStringLiteral("Ok"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->setGeometry(67, 72, 80, 28);
  btnOk->setDefault(true);
  connect(btnOk, &QPushButton::clicked, this, &TFormLanguage::btnOkClick);
  // Centred on the desktop, whoever owns it.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TFormLanguage::~TFormLanguage() {
  if (FormLanguage == this) FormLanguage = nullptr;
}

int TFormLanguage::GetLanguageIndex() const {
  const int i = cmbLanguage->currentIndex();
  return i < 0 ? 0 : i;
}

void TFormLanguage::btnOkClick() { accept(); }

void TFormLanguage::btnCancelClick() { reject(); }
