// Trevik AP: desktop companion of the Trevik GPS navigator.
#include "Apconfig.h"
#include "Desktop.h"
#include "Pathmanager.h"
#include "Portmap.h"
#include "Startup.h"
#include "Stringtable.h"
#include "Uiservices.h"
#include "Shellopen.h"
#include "Webmapview.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

int main(int argc, char* argv[]) {
  AllowWebEngineForRoot();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  TApplication app(argc, argv);

  // The keyboard and the bell are only reachable once the application exists.
  desktop::SetShiftStateSource([] { return UiServices::Get().ShiftHeld(); });
  desktop::SetBeepSink([](unsigned, unsigned) { QApplication::beep(); });
  desktop::SetShellOpener([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
  // The map page shows in the web engine.
  UseWebMapView();

  // The process-wide objects, in the order they depend on each other; they
  // outlive the windows, whose destructor writes the settings back.
  TPathManager paths;
  pathManager = &paths;
  // COMn links for the serial ports: $TREVIK_PORTS_DIR, else <config folder>/ports.
  portmap::Configure(portmap::FromEnvironment(paths.GetConfigDir().toStdString()));
  ApConfig config(paths);
  apConfig = &config;
  StrTable strings;
  strTable = &strings;

  const int rc = RunProgram(app);

  strTable = nullptr;
  apConfig = nullptr;
  pathManager = nullptr;
  return rc;
}
