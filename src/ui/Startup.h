#pragma once
// The program's start: find the device before any window shows (the
// configured port first, then every port under the splash window), create
// the windows, read the device's two settings when it answered, and run the
// message loop.
#include <QApplication>
#include <functional>
#include <memory>

class ApConfig;
class TFormMain;

// Catches what escapes an event handler, shows it and goes on.
class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// How the start-up reaches the ports; the program uses the real scan and
// probe, tests may wrap them. The real probe waits on a thread of its own
// while the calling thread keeps the windows painted.
struct StartupLinks {
  std::function<void()> Scan;                      // rebuilds comPorts / comPortCount
  std::function<bool(int port, int baud)> Probe;   // true when the device answered
  std::function<void(int ms)> Pause;               // waits, keeping windows painted
  static StartupLinks Real();
};

struct StartupConnection {
  bool Connected = false;
  int Port = 0;
};

// Steps up to the choice of port: probes, scans under the splash window and,
// when the device answered, stores its port into the settings.
StartupConnection DetectConnection(ApConfig& config, const StartupLinks& links);

// Creates the main window (through make, a plain TFormMain by default) and
// the language chooser, and reads the two settings when connected. The main
// window is not shown yet.
std::unique_ptr<TFormMain> CreateWindows(bool connected,
                                         const std::function<TFormMain*()>& make = {});

// The whole start and the message loop; returns the program's exit code.
int RunProgram(TApplication& app, const StartupLinks& links = StartupLinks::Real());
