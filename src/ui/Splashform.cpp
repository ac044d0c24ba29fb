#include "Splashform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "Pathmanager.h"

TFrmSplash* FrmSplash = nullptr;

namespace {

// A silent port holds the probe for a few seconds: the gauge covers most of
// that port's share in that time and never quite reaches its end.
constexpr double kCreepMs = 1300.0;
constexpr int kCreepIntervalMs = 50;
constexpr int kExposeWaitMs = 1000;

}  // namespace

TFrmSplash::TFrmSplash(QWidget* owner, int portCount)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint),
      portCount_(std::max(portCount, 0)) {
  setObjectName(QStringLiteral("FrmSplash"));
  setWindowTitle(QStringLiteral("Detect Connection"));
  setFixedSize(390, 168);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  imgSplash = new QLabel(this);
  imgSplash->setObjectName(QStringLiteral("imgSplash"));
  imgSplash->setGeometry(6, 6, 377, 99);
  if (pathManager) {
    QPixmap picture(pathManager->GetExeDir() + QStringLiteral("Splash.png"));
    if (!picture.isNull()) imgSplash->setPixmap(picture);
  }

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(0, 0, 390, 168);

  lblVers = new QLabel(QStringLiteral("Vers. 2.06"), this);
  lblVers->setObjectName(QStringLiteral("lblVers"));
  lblVers->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
  lblVers->setGeometry(300, 110, 84, 16);

  Label1 = new QLabel(QStringLiteral("Connecting COM"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(15, 110, 110, 16);

  lblAction = new QLabel(QStringLiteral("n.a."), this);
  lblAction->setObjectName(QStringLiteral("lblAction"));
  lblAction->setStyleSheet(QStringLiteral("font-weight: bold;"));
  lblAction->setGeometry(125, 110, 80, 16);

  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setTextVisible(false);
  ProgressBar->setRange(0, portCount_ * kStepsPerPort);
  ProgressBar->setValue(0);
  ProgressBar->setGeometry(15, 136, 360, 20);
  ProgressBar->setStyleSheet(QStringLiteral(
      "QProgressBar { background: #EBEBEB; border: 1px solid #A0A0A0; }"
      "QProgressBar::chunk { background: #FF8000; }"));

  creep_ = new QTimer(this);
  creep_->setInterval(kCreepIntervalMs);
  connect(creep_, &QTimer::timeout, this, &TFrmSplash::Creep);

  Bevel1->lower();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FrmSplash = this;
}

TFrmSplash::~TFrmSplash() {
  if (FrmSplash == this) FrmSplash = nullptr;
}

void TFrmSplash::SetAction(int port) { lblAction->setText(QString::number(port)); }

void TFrmSplash::SetProgress(int position) {
  position_ = std::clamp(position, 0, portCount_);
  ProgressBar->setValue(position_ * kStepsPerPort);
  sincePosition_.start();
  if (position_ < portCount_)
    creep_->start();
  else
    creep_->stop();
}

void TFrmSplash::Creep() {
  const double share = 1.0 - std::exp(-double(sincePosition_.elapsed()) / kCreepMs);
  const int step = std::min(kStepsPerPort - 1, int(share * kStepsPerPort));
  ProgressBar->setValue(position_ * kStepsPerPort + step);
}

void TFrmSplash::ShowPainted() {
  show();
  // Until the window system has exposed the window, what is painted is lost
  // and the window shows black.
  QDeadlineTimer deadline(kExposeWaitMs);
  while (!(windowHandle() && windowHandle()->isExposed()) && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
