#pragma once
// The small borderless window that shows which COM port the start-up is
// trying while it looks for the device.
#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

class TFrmSplash : public QWidget {
  Q_OBJECT
 public:
  // The gauge runs from 0 to the number of ports.
  TFrmSplash(QWidget* owner, int portCount);
  ~TFrmSplash() override;

  void SetAction(int port);
  // Moves the gauge to the start of the port at that position; from there it
  // creeps on, within that port's share, while the probe waits (as long as
  // events are processed).
  void SetProgress(int position);
  // The gauge's position in ports and its maximum.
  int Position() const { return position_; }
  int PortCount() const { return portCount_; }

  // Shows the window and waits a little until the window system has put it
  // on the screen, then paints it at once.
  void ShowPainted();

  QLabel* imgSplash;
  QFrame* Bevel1;
  QLabel* lblVers;
  QLabel* Label1;
  QLabel* lblAction;
  QProgressBar* ProgressBar;

  // Gauge steps per port.
  static constexpr int kStepsPerPort = 100;

 private:
  void Creep();

  int portCount_;
  int position_ = 0;
  QTimer* creep_;
  QElapsedTimer sincePosition_;
};

// The splash window while it exists.
extern TFrmSplash* FrmSplash;
