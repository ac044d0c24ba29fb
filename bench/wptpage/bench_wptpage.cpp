// Opens a device waypoint file of N waypoints through the waypoint page's
// Open button (the store load, the list and its first paint), then changes
// the icon filter and paints again. Prints both times and the peak memory;
// the references are limits of 0.5 s and 0.1 s.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "Apconfig.h"
#include "Mainform.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Startup.h"
#include "Stringtable.h"
#include "Uiservices.h"

namespace {

// Answers the open dialog with the bench file; nothing else is asked.
class BenchServices : public UiServices {
 public:
  QString file;
  int MessageBox(const QString&, const QString&, Icon, Buttons) override { return Ok; }
  bool ShiftHeld() override { return false; }
  int ExecDialog(QDialog&) override { return QDialog::Rejected; }
  std::optional<QString> OpenFileName(const FileDialog&) override { return file; }
  std::optional<QString> SaveFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<QColor> PickColour(const QColor&) override { return std::nullopt; }
  std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
  bool OpenUrl(const QString&) override { return false; }
  bool OpenFile(const QString&) override { return false; }
  bool HasApplicationFor(const QString&) override { return false; }
  QDateTime Now() override { return QDateTime::currentDateTime(); }
  bool WindowManagerPresent() override { return false; }
};

class BenchMain : public TFormMain {
 public:
  BenchMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~BenchMain() override { WriteBackSettings(); }
  // The list is measured, not the map page.
  void RefreshMap(double, double) override {}
  void RenderPoiIcons(bool, uint32_t, bool) override {}
  void CheckNewVersion(bool) override {}
  void Show(QWidget* tab) {
    PageControl->setCurrentWidget(tab);
    show();
  }
};

long PeakKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

// N records one second apart, icons in turn.
bool WriteWptFile(const QString& path, int n) {
  QByteArray bytes;
  bytes.reserve(n * 16);
  for (int i = 0; i < n; ++i) {
    const int s = i % 60, m = i / 60 % 60, h = i / 3600 % 24, d = 1 + i / 86400 % 28;
    const unsigned char r[8] = {124, 1, static_cast<unsigned char>(d), static_cast<unsigned char>(h),
                                static_cast<unsigned char>(m), static_cast<unsigned char>(s),
                                static_cast<unsigned char>(i % 21), 0};
    bytes.append(reinterpret_cast<const char*>(r), 8);
    const int32_t lat = 4800000 + i, lon = 1100000 - i;
    for (int32_t v : {lat, lon})
      for (int k = 0; k < 4; ++k) bytes.append(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF));
  }
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  TApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_wptpage PROGRAM_FOLDER WORK_FOLDER COUNT\n");
    return 2;
  }
  const QString exe = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  const QString work = QString::fromLocal8Bit(argv[2]);
  const int count = std::stoi(argv[3]);
  SystemFolders folders;
  folders.exeDir = exe;
  folders.appDataDir = work + QStringLiteral("/appdata");
  folders.documentsDir = work + QStringLiteral("/docs");
  folders.commonDataDir = work + QStringLiteral("/common");
  TPathManager paths(folders);
  pathManager = &paths;
  ApConfig config(paths);
  apConfig = &config;
  StrTable strings;
  strTable = &strings;
  BenchServices services;
  services.file = work + QStringLiteral("/big.wpt");
  UiServices::Install(&services);
  if (!WriteWptFile(services.file, count)) {
    std::fprintf(stderr, "bench_wptpage: cannot write %s\n", qPrintable(services.file));
    return 1;
  }
  int rows = 0, filtered = 0;
  double open = 0, filter = 0;
  long before = 0;
  {
    BenchMain window;
    window.resize(1024, 768);
    TWaypointPage& page = window.WaypointPage();
    window.Show(&page);
    QCoreApplication::processEvents();
    before = PeakKb();

    using Clock = std::chrono::steady_clock;
    auto t0 = Clock::now();
    page.bgWptFile_OpenClick();
    QCoreApplication::processEvents();
    page.lvWpt->viewport()->repaint();
    open = std::chrono::duration<double>(Clock::now() - t0).count();
    rows = page.RowCount();

    t0 = Clock::now();
    page.cmbSelIcon->setCurrentIndex(5);
    QCoreApplication::processEvents();
    page.lvWpt->viewport()->repaint();
    filter = std::chrono::duration<double>(Clock::now() - t0).count();
    filtered = page.RowCount();
  }
  UiServices::Install(nullptr);
  strTable = nullptr;
  apConfig = nullptr;
  pathManager = nullptr;
  std::printf("rows listed %d, after the icon filter %d\n", rows, filtered);
  std::printf("peak memory: %.1f MB (%.1f MB before the file)\n", PeakKb() / 1024.0, before / 1024.0);
  std::printf("wpt_page_filter_%dk: %.3f s, ratio %.2f\n", count / 1000, filter, filter / 0.1);
  std::printf("wpt_page_open_%dk: %.3f s, ratio %.2f\n", count / 1000, open, open / 0.5);
  return rows == count ? 0 : 1;
}
