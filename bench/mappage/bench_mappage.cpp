// Generates the map page for 10,000 destinations, 1,000 waypoints, a full
// route and ten tracks of 100,000 points each (all checked, no thinning) and
// prints the generation time and the page size. The reference is a limit of
// one second for the whole page.
#include "Deststorage.h"
#include "Googlehtml.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Trackstorage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_mappage OUTPUT.htm\n");
    return 2;
  }
  const int cat = destStorage.AddCategory(QStringLiteral("Bench"));
  destStorage.AddSubCategory(cat, QStringLiteral("All"));
  for (int i = 0; i < 10000; ++i) {
    auto item = std::make_unique<DestItem>(QStringLiteral("Destination %1 'quoted'").arg(i), cat, 0,
                                           QString(), 40.0 + i * 1e-4, 10.0 + i * 1e-4);
    destStorage.AddItem(dlActive, item);
  }
  poiStorage.IconCount = 21;
  for (int i = 0; i < 1000; ++i) {
    auto* p = new sUserPOI;
    p->SetName("2014/05/03 " + std::to_string(10000 + i));
    p->Latitude = 45.0 + i * 1e-3;
    p->Longitude = 9.0 + i * 1e-3;
    p->Icon = static_cast<std::uint8_t>(i % 21);
    if (!poiStorage.Add(p)) delete p;
  }
  for (int i = 0; i < RouteStorage::MaxPoints; ++i)
    routeStorage.AddPoint(QString::number(i), 47.0 + i * 0.01, 11.0 + i * 0.01, ttNone);
  for (int t = 0; t < 10; ++t) {
    auto track = std::make_unique<TTrackList>();
    for (int i = 0; i < 100000; ++i) {
      sFile_TrkEntry e;
      // A wandering line with every step different, as a logged track is.
      e.Latitude = 48.0 + t * 0.1 + i * 3e-5 + (i % 7) * 1e-5;
      e.Longitude = 11.0 + i * 2e-5 - (i % 5) * 1e-5;
      e.Time = 45000.0 + i / 86400.0;
      track->AddPoint(e, false);
    }
    track->Color = 0x0000FF;
    trackStorage.AddTrack(std::move(track));
  }

  TGoogleHtml html(QString::fromLocal8Bit(argv[1]));
  html.SetSize(1024, 768);
  html.ShowPOI = true;
  html.ShowRoute = true;
  html.BoostMode = false;
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!html.Generate()) {
      std::fprintf(stderr, "cannot write the page: %s\n", html.Error.toLocal8Bit().constData());
      return 1;
    }
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  const double mb = static_cast<double>(QFileInfo(html.Path).size()) / (1024.0 * 1024.0);
  html.BoostMode = true;
  const auto start = std::chrono::steady_clock::now();
  html.Generate();
  const double boosted = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double boostedMb = static_cast<double>(QFileInfo(html.Path).size()) / (1024.0 * 1024.0);
  std::printf("page: %.1f MB (boost mode %.1f MB, %.3f s)\n", mb, boostedMb, boosted);
  std::printf("mappage_generate: %.3f s, ratio %.2f\n", best, 1.0 / best);
  return 0;
}
