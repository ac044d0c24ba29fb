#include "Frmnewversion.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "Pathmanager.h"
#include "Uibuild.h"
#include "pages/Programpage.h"
#include "Uiservices.h"

using uibuild::Str;

TFormNewVersion* FormNewVersion = nullptr;

TFormNewVersion::TFormNewVersion(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FormNewVersion"));
  uibuild::DialogFrame(this, uibuild::Frame::ToolWindow);
  setWindowTitle(QStringLiteral("Version check"));
  setFixedSize(277, 190);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  imgVendor = new QLabel(this);
  imgVendor->setObjectName(QStringLiteral("imgVendor"));
  imgVendor->setFixedSize(264, 69);
  if (pathManager) imgVendor->setPixmap(QPixmap(pathManager->GetExeDir() + QStringLiteral("Vendor.png")));
  lblNewVersion = uibuild::Label(this, "lblNewVersion", QStringLiteral("New Version: "));
  lblVersionNum = uibuild::Label(this, "lblVersionNum", QString());
  // The version's name comes from the web: shown as text, never as markup.
  lblVersionNum->setTextFormat(Qt::PlainText);
  QFont bold = lblVersionNum->font();
  bold.setBold(true);
  lblVersionNum->setFont(bold);
  lblVersionNum->setStyleSheet(QStringLiteral("color: maroon"));
  lblGoto = uibuild::ClickLabel(this, "lblGoto", QStringLiteral("Go to the download page"));
  lblGoto->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline"));
  btnCancel = uibuild::Button(this, "btnCancel", Str(160));
  btnCancel->setDefault(true);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::accept);
  connect(lblGoto, &uibuild::TClickLabel::clicked, this, &TFormNewVersion::lblGotoClick);

  auto* grid = new QGridLayout(this);
  grid->addWidget(imgVendor, 0, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(lblNewVersion, 1, 0, Qt::AlignRight);
  grid->addWidget(lblVersionNum, 1, 1, Qt::AlignLeft);
  grid->addWidget(lblGoto, 2, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(btnCancel, 3, 0, 1, 2, Qt::AlignHCenter);

  if (owner) move(owner->window()->geometry().center() - QPoint(width() / 2, height() / 2));
  FormNewVersion = this;
}

TFormNewVersion::~TFormNewVersion() {
  if (FormNewVersion == this) FormNewVersion = nullptr;
}

void TFormNewVersion::SetVersion(const QString& version, bool german) {
  german_ = german;
  lblVersionNum->setText(version);
}

QString TFormNewVersion::DownloadUrl() const {
  return MakerUrl() + QLatin1Char('/') + WebLanguage(german_ ? 1 : 0) + QStringLiteral("/software.html");
}

void TFormNewVersion::lblGotoClick() {
  OpenWebPage(DownloadUrl(), windowTitle());
  accept();
}
