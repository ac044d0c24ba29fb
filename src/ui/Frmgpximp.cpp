#include "Frmgpximp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

#include "Textfmt.h"
#include "Uibuild.h"

TGPXImpForm* GPXImpForm = nullptr;

TGPXImpForm::TGPXImpForm(QWidget* owner)
    : QDialog(owner) {
  uibuild::DialogFrame(this, uibuild::Frame::ToolWindow);
  setObjectName(QStringLiteral("GPXImpForm"));
  setWindowTitle(QStringLiteral("GPX Import"));
  setModal(false);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  imgPicture = new QLabel(this);
  imgPicture->setObjectName(QStringLiteral("Image1"));
  imgPicture->setPixmap(style()->standardIcon(QStyle::SP_DialogOpenButton).pixmap(32, 32));
  lblTracks = new QLabel(QStringLiteral("Tracks: 0"), this);
  lblTracks->setObjectName(QStringLiteral("lblTracks"));
  lblRoutes = new QLabel(QStringLiteral("Routes: 0"), this);
  lblRoutes->setObjectName(QStringLiteral("lblRoutes"));
  lblWpt = new QLabel(QStringLiteral("WPT: 0"), this);
  lblWpt->setObjectName(QStringLiteral("lblWpt"));
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 1000);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Gauge1 = new QProgressBar(this);
  Gauge1->setObjectName(QStringLiteral("Gauge1"));
  Gauge1->hide();

  auto* grid = new QGridLayout(this);
  grid->addWidget(imgPicture, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(lblTracks, 0, 1);
  grid->addWidget(lblRoutes, 1, 1);
  grid->addWidget(lblWpt, 2, 1);
  grid->addWidget(ProgressBar1, 3, 0, 1, 2);
  grid->addWidget(Gauge1, 4, 0, 1, 2);
  setFixedWidth(260);
}

TGPXImpForm::~TGPXImpForm() {
  if (GPXImpForm == this) GPXImpForm = nullptr;
}

void TGPXImpForm::SetCounter(QLabel* label, const char* caption, int n) {
  const QString text = QString::fromLatin1(caption) + QLatin1Char(' ') + QString::fromLatin1(textfmt::IntToStr(n));
  if (label->text() == text) return;
  QFont bold = label->font();
  bold.setBold(n > 0);
  label->setFont(bold);
  label->setText(text);
}

void TGPXImpForm::Show() {
  hidden_ = false;
  sinceEvents_.invalidate();
  if (QWidget* owner = parentWidget()) {
    adjustSize();
    move(owner->window()->geometry().center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
}

void TGPXImpForm::Update(int waypoints, int tracks, int routes, std::int64_t bytesRead,
                         std::int64_t bytesTotal) {
  SetCounter(lblWpt, "WPT:", waypoints);
  SetCounter(lblTracks, "Tracks:", tracks);
  SetCounter(lblRoutes, "Routes:", routes);
  const int permille = bytesTotal > 0 ? int(std::min<std::int64_t>(1000, bytesRead * 1000 / bytesTotal)) : 0;
  ProgressBar1->setValue(permille);
}

void TGPXImpForm::ProcessEvents() {
  // A few times a second is enough to repaint and to notice a close; the
  // reading goes faster between.
  if (sinceEvents_.isValid() && !sinceEvents_.hasExpired(kEventIntervalMs) && !cancelled_ && !hidden_) return;
  sinceEvents_.start();
  QCoreApplication::processEvents();
  // Once only, and never while the import is already leaving.
  if (cancelled_ && !thrown_ && !hidden_) {
    thrown_ = true;
    throw GpxImportCancelled();
  }
}

void TGPXImpForm::Hide() {
  hidden_ = true;
  hide();
}

void TGPXImpForm::reject() { cancelled_ = true; }

void TGPXImpForm::closeEvent(QCloseEvent* event) {
  // The import hides the window when it has unwound.
  cancelled_ = true;
  event->ignore();
}
