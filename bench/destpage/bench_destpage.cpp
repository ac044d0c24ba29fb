// Opens a device destination file of many destinations through the
// destination page of the real main window (offscreen) and shows the list,
// then changes the category filter; prints both times and the peak memory.
#include <QApplication>
#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Apconfig.h"
#include "../common/Benchdests.h"
#include "Deststorage.h"
#include "Fontbank.h"
#include "Korvifile.h"
#include "Mainform.h"
#include "Pathmanager.h"
#include "Startup.h"
#include "Stringtable.h"
#include "Uiservices.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Answers the open dialog with one file; every other dialog is cancelled.
class BenchServices : public UiServices {
 public:
  QString file;
  int MessageBox(const QString& text, const QString&, Icon, Buttons) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return Ok;
  }
  bool ShiftHeld() override { return false; }
  int ExecDialog(QDialog&) override { return 0; }
  std::optional<QString> OpenFileName(const FileDialog&) override { return file; }
  std::optional<QString> SaveFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<QColor> PickColour(const QColor&) override { return std::nullopt; }
  std::optional<QString> InputText(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  bool OpenUrl(const QString&) override { return false; }
  bool OpenFile(const QString&) override { return false; }
  bool HasApplicationFor(const QString&) override { return false; }
  QDateTime Now() override { return QDateTime::currentDateTime(); }
  bool WindowManagerPresent() override { return false; }
};

void Flush() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_destpage BIN_DIR WORK_DIR COUNT\n");
    return 2;
  }
  const QString bin = QString::fromLocal8Bit(argv[1]);
  const QString work = QString::fromLocal8Bit(argv[2]);
  const int count = std::atoi(argv[3]);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  TApplication app(argc, argv);

  // A program folder of its own with the pictures, font bank and language.
  SystemFolders folders;
  for (const char* d : {"exe", "appdata", "docs", "common"}) QDir(work).mkpath(QString::fromLatin1(d));
  folders.exeDir = work + "/exe/";
  folders.appDataDir = work + "/appdata";
  folders.documentsDir = work + "/docs";
  folders.commonDataDir = work + "/common";
  for (const char* f : {"Buttons.bmp", "POI_Icons.bmp", "Tabs.bmp", "Turns.bmp", "Menus.bmp", "font.bnk",
                        "English.txt"})
    QFile::copy(bin + "/" + f, folders.exeDir + f);
  QDir(work).mkpath("appdata/Kartovex");
  QFile ini(work + "/appdata/Kartovex/Kartovex.ini");
  if (!ini.open(QIODevice::WriteOnly)) return 1;
  ini.write("[GUI]\r\nFirst=0\r\nDestination=1\r\nBeep=0\r\n");
  ini.close();
  TPathManager paths(folders);
  pathManager = &paths;
  ApConfig config(paths);
  apConfig = &config;
  StrTable strings;
  strTable = &strings;

  // The device file: 8 categories of 4 sub-categories.
  const QString mgi = work + "/bench.mgi";
  {
    TFontBank bank;
    bank.Load((bin + "/font.bnk").toStdString());
    DestStorage store;
    if (!bench::FillDestinations(store, count)) return 1;
    if (KorviFile(store, bank).Save(mgi) != 1) return 1;
  }

  BenchServices services;
  services.file = mgi;
  UiServices::Install(&services);
  int rc = 0;
  {
    TFormMain form;
    form.resize(1200, 800);
    form.show();
    Flush();
    TDestPage& page = *form.pgDest;

    auto t0 = std::chrono::steady_clock::now();
    page.bgDestFile_OpenClick();
    Flush();  // the list is painted
    const double open = Seconds(t0);
    if (page.RowCount() != count) {
      std::fprintf(stderr, "listed %d of %d\n", page.RowCount(), count);
      rc = 1;
    }

    t0 = std::chrono::steady_clock::now();
    page.cmbSelCategory->setCurrentIndex(3);
    emit page.cmbSelCategory->activated(3);
    Flush();
    const double filter = Seconds(t0);
    if (page.RowCount() != count / 8) rc = 1;

    t0 = std::chrono::steady_clock::now();
    page.cmbSelCategory->setCurrentIndex(8);
    emit page.cmbSelCategory->activated(8);
    Flush();
    const double unfilter = Seconds(t0);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("open %d destinations and show the list: %.3f s (limit 0.5, ratio %.2f)\n", count, open,
                0.5 / open);
    std::printf("category filter: %.3f s (limit 0.1, ratio %.2f); back to all: %.3f s\n", filter,
                0.1 / filter, unfilter);
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
  }
  UiServices::Install(nullptr);
  strTable = nullptr;
  apConfig = nullptr;
  pathManager = nullptr;
  return rc;
}
