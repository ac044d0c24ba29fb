#include "Frmworktask.h"

#include "Apconfig.h"
#include "Serial.h"
#include "Stringtable.h"
#include "Uibuild.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

TFormWorkTask* FormWorkTask = nullptr;

namespace {

constexpr int kBufferSize = 1024;

QPixmap VendorPicture() {
  QPixmap pm(264, 69);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 90, 160), 3));
  p.drawEllipse(QPoint(34, 34), 24, 24);
  p.drawLine(34, 4, 34, 64);
  p.drawLine(4, 34, 64, 34);
  QFont f = p.font();
  f.setPointSize(22);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(72, 0, 192, 69), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Trevik AP"));
  return pm;
}

// Before any language is loaded the table answers like an empty one.
QString Text(int number) { return strTable ? strTable->GetString(number) : QStringLiteral("0"); }

}  // namespace

TFormWorkTask::TFormWorkTask(QWidget* owner, int taskCode, const QString& fileName, int port,
                             const XModemTiming& timing)
    : QDialog(owner), TaskCode(taskCode) {
  FormCreate();
  try {
    StartTask(nullptr, fileName, port, timing);
  } catch (...) {
    QApplication::restoreOverrideCursor();
    CursorSet = false;
    throw;
  }
}

TFormWorkTask::TFormWorkTask(QWidget* owner, int taskCode, const std::string& paramText, int port,
                             const XModemTiming& timing)
    : QDialog(owner), TaskCode(taskCode) {
  FormCreate();
  try {
    StartTask(&paramText, QString(), port, timing);
  } catch (...) {
    QApplication::restoreOverrideCursor();
    CursorSet = false;
    throw;
  }
}

TFormWorkTask::~TFormWorkTask() {
  if (Worker) {
    Worker->Terminate();
    Worker->WaitFor();  // a running transfer ends by itself
    Worker.reset();
  }
  Port.reset();  // closes the port
  Params.reset();
  Buffer.reset();
  if (CursorSet) QApplication::restoreOverrideCursor();
}

void TFormWorkTask::FormCreate() {
  uibuild::DialogFrame(this, uibuild::Frame::ToolWindow);
  setWindowTitle(QStringLiteral("Trevik AP"));
  setFixedSize(286, 150);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  imgVendor = new QLabel(this);
  imgVendor->setObjectName("imgVendor");
  imgVendor->setFixedSize(264, 69);
  imgVendor->setPixmap(VendorPicture());
  lblState = new QLabel(this);
  lblState->setObjectName("lblState");
  lblState->setAlignment(Qt::AlignCenter);
  QFont big = lblState->font();
  big.setPointSize(12);
  big.setBold(true);
  lblState->setFont(big);
  lblBytes = new QLabel(this);
  lblBytes->setObjectName("lblBytes");
  lblBytes->setAlignment(Qt::AlignCenter);
  lblBytes->setStyleSheet(QStringLiteral("color: grey"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(11, 6, 11, 6);
  layout->addWidget(imgVendor, 0, Qt::AlignHCenter);
  layout->addWidget(lblState);
  layout->addWidget(lblBytes);

  if (auto* w = parentWidget()) {
    QRect g = w->window()->geometry();
    move(g.center() - QPoint(width() / 2, height() / 2));
  }

  QApplication::setOverrideCursor(Qt::WaitCursor);
  CursorSet = true;
  lblState->setText(Text(149));
  for (int i = 0; i < 6; ++i) Captions[i] = Text(150 + i);
}

void TFormWorkTask::StartTask(const std::string* paramText, const QString& fileName, int port,
                              const XModemTiming& timing) {
  const int baudRate = apConfig ? apConfig->BaudRate : 9600;  // the ini default
  Params = std::make_unique<WorkTaskParams>();
  Params->NotifyWindow = this;
  Port = std::make_unique<Serial>();
  Params->Port = Port.get();
  try {
    Port->Open(port, baudRate);
  } catch (...) {
    Port.reset();
    Params.reset();
    throw;
  }
  Buffer = std::make_unique<char[]>(kBufferSize);
  std::memset(Buffer.get(), 0, kBufferSize);
  if (paramText) {
    size_t n = std::min(paramText->size(), static_cast<size_t>(kBufferSize - 1));
    std::memcpy(Buffer.get(), paramText->data(), n);
  }
  Params->Buffer = Buffer.get();
  Params->BufferSize = kBufferSize;
  FileName = QFile::encodeName(fileName).toStdString();
  Params->FileName = fileName.isEmpty() ? nullptr : &FileName;
  Params->Timing = timing;
  Worker = std::make_unique<WorkTask>(TaskCode, *Params);
}

WorkTaskHost* TFormWorkTask::Host() const { return dynamic_cast<WorkTaskHost*>(parentWidget()); }

bool TFormWorkTask::event(QEvent* e) {
  if (e->type() == WindowMessageEvent::EventType()) {
    auto* m = static_cast<WindowMessageEvent*>(e);
    WndProc(m->Msg, m->WParam, m->LParam);
    return true;
  }
  return QDialog::event(e);
}

void TFormWorkTask::done(int result) {
  Finished = true;
  QDialog::done(result);
}

void TFormWorkTask::Finish(int result) {
  if (!Finished) done(result);
}

void TFormWorkTask::reject() {
  if (Finished || CancelRequested) return;
  FailureCause = tfUserCancelled;
  if (!Worker || Worker->Ended()) {
    done(mrAbort);
    return;
  }
  CancelRequested = true;
  Worker->Terminate();
  lblState->setText(tr("Cancelling ..."));
  // The worker's last message closes the window; a worker that ends without
  // one (it could not start its work) is noticed here.
  auto* watch = new QTimer(this);
  connect(watch, &QTimer::timeout, this, [this, watch] {
    if (!Worker->Ended()) return;
    watch->stop();
    Finish(mrAbort);
  });
  watch->start(50);
}

void TFormWorkTask::Fail() {
  // The worker stores its cause before it posts its failure.
  Fail(Worker ? Worker->Failure() : tfFailed);
}

void TFormWorkTask::Fail(TaskFailure cause) {
  if (Finished) return;
  if (CancelRequested) cause = tfUserCancelled;
  FailureCause = cause == tfNone ? tfFailed : cause;
  done(FailureCause == tfUserCancelled ? mrAbort : mrCancel);
}

void TFormWorkTask::WndProc(unsigned msg, uintptr_t wParam, intptr_t) {
  switch (msg) {
    case WM_TASK_COMMAND_DONE: {
      if (Finished) return;
      if (CancelRequested) {
        Fail(tfUserCancelled);
        return;
      }
      switch (TaskCode) {
        case wtSetDeviceConfig:
        case wtSetLoggerConfig:
          if (wParam == 0)
            Finish(mrOk);
          else
            Fail();
          break;
        case wtGetDeviceConfig:
        case wtGetLoggerConfig:
          if (wParam != 0) {
            Fail();
            break;
          }
          {
            std::lock_guard<std::mutex> guard(Lock);
            std::string text(Buffer.get(), strnlen(Buffer.get(), kBufferSize));
            ::SplitReply(Reply, text.c_str());
          }
          {
            bool taken = true;
            if (WorkTaskHost* host = Host())
              taken = TaskCode == wtGetDeviceConfig ? host->ShowDeviceConfig(Reply)
                                                    : host->ShowLoggerConfig(Reply);
            if (taken)
              Finish(mrOk);
            else
              Fail(tfBadReply);
          }
          break;
        default:
          if (WorkTaskHost* host = Host()) host->SetStatusPanelText(1, QStringLiteral("Illegal command"));
          Fail();
          break;
      }
      break;
    }
    case WM_TASK_RECEIVE_DONE:
    case WM_TASK_SEND_DONE:
      // A cancelled task stays cancelled, even when its end came first.
      if (wParam == 0 && !CancelRequested)
        Finish(mrOk);
      else
        Fail();
      break;
    case WM_TRANSFER_STATE:
      if (wParam >= 6 || CancelRequested) return;  // not a phase we know, or the cancel's caption stays
      lblState->setText(Captions[wParam]);
      if (wParam == tsBlockOk) ByteCount += 1024;
      lblBytes->setText(QString::number(ByteCount) + QStringLiteral(" Bytes"));
      break;
    default:
      break;
  }
}

QString TaskFailureText(TaskFailure cause, int port) {
  switch (cause) {
    case tfNone:
      return QString();
    case tfNoReply:
      return TFormWorkTask::tr("The device did not answer in time.");
    case tfUnexpectedReply:
      return TFormWorkTask::tr("The device answered something unexpected.");
    case tfRefused:
      return TFormWorkTask::tr("The device refused the data.");
    case tfDamaged:
      return TFormWorkTask::tr("The data from the device arrived damaged.");
    case tfDeviceCancelled:
      return TFormWorkTask::tr("The device broke off the transfer.");
    case tfLineLost:
      return TFormWorkTask::tr("The connection to the device was lost.");
    case tfFileRead:
      return TFormWorkTask::tr("The transfer file could not be read.");
    case tfFileWrite:
      return TFormWorkTask::tr("The transfer file could not be written.");
    case tfBadReply:
      return TFormWorkTask::tr("The device's reply could not be read.");
    case tfUserCancelled:
      return TFormWorkTask::tr("The transfer was cancelled.");
    case tfNoPort:
      return TFormWorkTask::tr("COM %1 could not be opened.").arg(port);
    case tfFailed:
      break;
  }
  return TFormWorkTask::tr("The device task failed.");
}
