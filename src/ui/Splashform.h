#pragma once
// The small borderless window that shows which COM port the start-up is
// trying while it looks for the device.
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

class TFrmSplash : public QWidget {
  Q_OBJECT
 public:
  // The gauge runs from 0 to the number of ports.
  TFrmSplash(QWidget* owner, int portCount);
  ~TFrmSplash() override;

  void SetAction(int port);
  void SetProgress(int position);

  QLabel* imgSplash;
  QFrame* Bevel1;
  QLabel* lblVers;
  QLabel* Label1;
  QLabel* lblAction;
  QProgressBar* ProgressBar;
};

// The splash window while it exists.
extern TFrmSplash* FrmSplash;
