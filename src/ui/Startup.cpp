#include "Startup.h"

#include <QDialog>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <exception>
#include <future>

#include "Apconfig.h"
#include "Frmlanguage.h"
#include "Mainform.h"
#include "Portscan.h"
#include "Splashform.h"
#include "Uiservices.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowException(QString());
  }
  return false;
}

namespace {

// A log-out or `kill` asks the program to end: it then closes as if the user
// had closed the window, so the settings are written back. The signal handler
// only writes a byte; the event loop does the rest.
int stopPipe[2] = {-1, -1};
std::atomic<bool> stopRequested{false};

extern "C" void OnStopSignal(int) {
  const int saved = errno;
  stopRequested = true;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(stopPipe[0], &byte, 1);
  errno = saved;
}

void ListenForStopSignals(QObject* parent) {
  if (stopPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, stopPipe) != 0) return;
  auto* notifier = new QSocketNotifier(stopPipe[1], QSocketNotifier::Read, parent);
  QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
    char buffer[16];
    while (::read(stopPipe[1], buffer, sizeof buffer) > 0) {
    }
    // A dialog that is open (the language chooser, a progress window) is
    // cancelled first; then every event loop ends.
    while (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
      if (QApplication::activeModalWidget() == modal) break;
    }
    QCoreApplication::exit(0);
  });
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

// A probe of a silent port blocks for seconds: it runs on a thread of its
// own while this thread keeps the windows painted and their timers running;
// user input waits until it has ended.
bool WhilePainting(const std::function<bool()>& call) {
  std::future<bool> result = std::async(std::launch::async, call);
  while (result.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return result.get();
}

}  // namespace

StartupLinks StartupLinks::Real() {
  StartupLinks links;
  links.Scan = [] { ScanComPorts(); };
  links.Probe = [](int port, int baud) {
    return WhilePainting([port, baud] { return ProbeDevice(port, baud); });
  };
  links.Pause = [](int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  };
  return links;
}

StartupConnection DetectConnection(ApConfig& config, const StartupLinks& links) {
  const int baud = config.BaudRate;
  StartupConnection result;
  if (config.GetIniFileExisted()) {
    result.Port = config.Port;
    if (config.AutoConnect)
      result.Connected = links.Probe(result.Port, baud);
    else
      links.Scan();
    AddComPort(result.Port);
  }
  if (!result.Connected) {
    links.Scan();
    TFrmSplash splash(nullptr, comPortCount);
    splash.ShowPainted();
    if (config.AutoConnect) {
      for (int i = 0; i < comPortCount; ++i) {
        splash.SetProgress(i);
        splash.SetAction(comPorts[i]);
        QCoreApplication::processEvents();
        if (links.Probe(comPorts[i], baud)) {
          result.Connected = true;
          result.Port = comPorts[i];
          break;
        }
      }
    } else {
      links.Pause(500);
    }
    splash.hide();
  }
  if (result.Connected) config.Port = result.Port;
  return result;
}


std::unique_ptr<TFormMain> CreateWindows(bool connected, const std::function<TFormMain*()>& make) {
  std::unique_ptr<TFormMain> main(make ? make() : new TFormMain);
  FormLanguage = new TFormLanguage(main.get());
  if (connected) {
    main->btnGetLogConfigClick();
    main->btnGetTrevikConfigClick();
  }
  return main;
}

int RunProgram(TApplication& app, const StartupLinks& links) {
  // Windows that come and go before the main window must not end the program.
  app.setQuitOnLastWindowClosed(false);
  ListenForStopSignals(&app);
  try {
    const StartupConnection connection = DetectConnection(*apConfig, links);
    QApplication::setApplicationName(QStringLiteral("Trevik AP"));
    std::unique_ptr<TFormMain> main = CreateWindows(connection.Connected);
    // Asked to end while starting: close at once, writing the settings back.
    if (!stopRequested) {
      main->show();
      app.setQuitOnLastWindowClosed(true);
      // Showing runs pending events: a stop that came meanwhile has already
      // asked every event loop to end, which a loop started later would miss.
      if (!stopRequested) app.exec();
    }
    if (main->isVisible()) main->close();
  } catch (const std::exception& e) {
    ShowException(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowException(QString());
  }
  return 0;
}
