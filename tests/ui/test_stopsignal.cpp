// A log-out (SIGTERM) that comes while the main window is being shown, before
// the main loop runs, still ends the program, with the settings written back.
// A program of its own: the stop it raises stays with the process.
#include <gtest/gtest.h>

#include <QTimer>
#include <csignal>

#include "Mainform.h"
#include "Startup.h"
#include "Uitestenv.h"

namespace {

// Raises the stop when a main window is first shown.
class StopOnShow : public QObject {
 public:
  bool raised = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!raised && event->type() == QEvent::Show && qobject_cast<TFormMain*>(watched)) {
      raised = true;
      ::raise(SIGTERM);
    }
    return QObject::eventFilter(watched, event);
  }
};

TEST(StopSignal, AStopWhileTheWindowIsShownEndsTheProgram) {
  uitest::ProgramEnv env("stopsignal");
  env.WriteIni(
      "[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\n"
      "[SERIAL]\r\nPort=-1\r\nAutoConnect=0\r\n");
  env.Start();
  StopOnShow stop;
  uitest::App().installEventFilter(&stop);
  // Should the stop be lost, the loop would wait for ever: close the window
  // after a while and say so.
  bool hung = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    hung = true;
    if (FormMain) FormMain->close();
  });
  watchdog.start(10000);
  StartupLinks links = StartupLinks::Real();
  links.Scan = [] { comPortCount = 0; };
  uitest::App().setQuitOnLastWindowClosed(true);
  EXPECT_EQ(RunProgram(uitest::App(), links), 0);
  uitest::App().removeEventFilter(&stop);
  EXPECT_TRUE(stop.raised);
  EXPECT_FALSE(hung) << "the stop was lost and the main loop went on";
  EXPECT_EQ(FormMain, nullptr);
  EXPECT_FALSE(env.Ini()->ReadBool("GUI", "First", true));
}

}  // namespace
