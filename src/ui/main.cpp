// Trevik AP: desktop companion of the Trevik GPS navigator.
#include "Apconfig.h"
#include "Codepage.h"
#include "Desktop.h"
#include "Pathmanager.h"
#include "Stringtable.h"

#include <QApplication>
#include <QMainWindow>
#include <QString>

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);

  // The keyboard and the bell are only reachable once the application exists.
  desktop::SetShiftStateSource(
      [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); });
  desktop::SetBeepSink([](unsigned, unsigned) { QApplication::beep(); });

  // The process-wide objects, in the order they depend on each other.
  TPathManager paths;
  pathManager = &paths;
  ApConfig config(paths);
  apConfig = &config;
  StrTable strings;
  strTable = &strings;

  int lang = config.Lang;
  if (lang < 0 || lang >= static_cast<int>(languageTable.size())) lang = 0;
  const LanguageEntry& language = languageTable[static_cast<size_t>(lang)];
  codepage::SetRuntimeLocale(language.Locale);
  strings.LoadFromFile(paths.ExeDir + QString::fromUtf16(language.FileName));

  QApplication::setApplicationName(QStringLiteral("Trevik AP"));
  QMainWindow window;
  window.setWindowTitle(config.Product);
  window.show();
  int rc = app.exec();

  strTable = nullptr;
  apConfig = nullptr;
  pathManager = nullptr;
  return rc;
}
