// The GPX import through the track page (import window, list fill, automatic
// selection of the new track with its point list) against the import alone.
//   bench_trackpage alone FILE.gpx WORKDIR   the import into the stores only
//   bench_trackpage page FILE.gpx WORKDIR    the same through the main window
// Each prints seconds; run them as separate processes to see each one's peak
// memory. Without a browser factory the window's map loads nothing.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "Apconfig.h"
#include "Gpximport.h"
#include "Mainform.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Stringtable.h"
#include "Trackstorage.h"

namespace {

double Since(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

// Times the map page apart from the page's own work.
class BenchMain : public TFormMain {
 public:
  BenchMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  void RefreshMap(double unused, double noAutoZoom) override {
    const auto t = std::chrono::steady_clock::now();
    TFormMain::RefreshMap(unused, noAutoZoom);
    mapSeconds += Since(t);
  }
  double mapSeconds = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_trackpage alone|page FILE.gpx WORKDIR\n");
    return 2;
  }
  const std::string mode = argv[1];
  const QString file = QString::fromLocal8Bit(argv[2]);
  const QString work = QString::fromLocal8Bit(argv[3]);
  poiStorage.IconCount = 21;
  if (mode == "alone") {
    QCoreApplication app(argc, argv);
    const auto t = std::chrono::steady_clock::now();
    ImportGpx(file, trackStorage, poiStorage, nullptr);
    std::printf("%.3f %zu\n", Since(t), trackStorage.Count() ? trackStorage.At(0)->Count() : 0);
    return 0;
  }

  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (const char* d : {"appdata", "docs", "common"}) QDir(work).mkpath(QString::fromLatin1(d));
  // The program folder of the build: pictures, font bank, language files.
  const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
  SystemFolders folders{exe, work + "/appdata", work + "/docs", work + "/common"};
  TPathManager paths(folders);
  pathManager = &paths;
  ApConfig config(paths);
  apConfig = &config;
  config.First = false;
  config.TrkImpMode = true;
  config.ShowTrkPts = true;
  config.Boostmode = true;
  StrTable strings;
  strTable = &strings;
  QDir().mkpath(paths.GetWebDir());
  {
    BenchMain f;
    f.show();
    QCoreApplication::processEvents();
    f.mapSeconds = 0;
    TTrackPage& page = *f.pgTrack;
    // As after a drop: the track page in front, its point list painted.
    f.PageControl->setCurrentWidget(&page);
    QCoreApplication::processEvents();

    auto t = std::chrono::steady_clock::now();
    f.ImportGpx(file);
    const double withPage = Since(t);

    // Showing the point list of the selected track, painted.
    page.FillTrackPoints(-1);
    page.lvTrack->clearSelection();
    t = std::chrono::steady_clock::now();
    page.SelectRow(0);
    page.lvTrackItem->viewport()->repaint();
    const double pointList = Since(t);

    // The last row needs every distance before it.
    t = std::chrono::steady_clock::now();
    page.pmnuTStartClick(2);
    page.lvTrackItem->viewport()->repaint();
    const double toEnd = Since(t);

    std::printf("%.3f %.3f %.3f %d %.3f\n", withPage, f.mapSeconds, pointList, page.PointRowCount(), toEnd);
  }
  return 0;
}
