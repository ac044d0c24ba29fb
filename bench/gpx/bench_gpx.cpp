// Our side of the GPX and ZAV benchmarks; prints the seconds of the timed
// part (the run script measures whole-process peak memory).
//   bench_gpx import FILE          GPX import into the stores
//   bench_gpx export FILE OUT      GPX import, then export of every track
//   bench_gpx zav N DIR            save N destinations as ZAV, then load them
#include "Codepage.h"
#include "Deststorage.h"
#include "GPXDocument.h"
#include "Gpximport.h"
#include "Poistorage.h"
#include "Trackstorage.h"
#include "Zavfile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

double since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "import") == 0) {
    TTrackStorage tracks;
    TPoiStorage pois;
    pois.IconCount = 21;
    auto t0 = std::chrono::steady_clock::now();
    ImportGpx(QString::fromLocal8Bit(argv[2]), tracks, pois, nullptr);
    std::printf("%.3f %zu\n", since(t0), tracks.Count() ? tracks.At(0)->Count() : 0);
    return 0;
  }
  if (argc >= 4 && std::strcmp(argv[1], "export") == 0) {
    TTrackStorage tracks;
    TPoiStorage pois;
    pois.IconCount = 21;
    auto t0 = std::chrono::steady_clock::now();
    ImportGpx(QString::fromLocal8Bit(argv[2]), tracks, pois, nullptr);
    int n = ExportGpx(tracks, QString::fromLocal8Bit(argv[3]));
    std::printf("%.3f %d\n", since(t0), n);
    return n < 0;
  }
  if (argc >= 4 && std::strcmp(argv[1], "zav") == 0) {
    codepage::ScopedRuntimeLocale locale(".1252");
    const int n = std::atoi(argv[2]);
    const std::string dir = argv[3];
    DestStorage store;
    for (int i = 0; i < n; ++i) {
      QString cat = QStringLiteral("Category %1").arg(i % 50);
      int c = store.AddCategory(cat);
      int s = store.AddSubCategory(c, QStringLiteral("Sub %1").arg(i % 7));
      auto item = std::make_unique<DestItem>(QStringLiteral("Destination %1").arg(i), c, s,
                                             QStringLiteral("Caf\u00e9 street %1, information text").arg(i),
                                             40 + (i % 1000) * 0.01, 5 + (i / 1000) * 0.01);
      store.AddItem(dlActive, item);
    }
    const QString path = QString::fromStdString(dir + "/dests.zav");
    auto t0 = std::chrono::steady_clock::now();
    int saved = ZavFile(store).Save(path);
    double save = since(t0);
    DestStorage loaded;
    t0 = std::chrono::steady_clock::now();
    int ok = ZavFile(loaded).Load(path);
    double load = since(t0);
    std::printf("%.3f %.3f %zu\n", save, load, loaded.Items().size());
    return saved == 1 && ok == 1 ? 0 : 1;
  }
  std::fprintf(stderr, "usage: bench_gpx import FILE | export FILE OUT | zav N DIR\n");
  return 2;
}
