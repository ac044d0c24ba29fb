// Our side of the KML and NMEA track export benchmarks: GPX import of the
// file, then the export, as gpsbabel does the same work. Prints the seconds
// of the whole run, of the export alone, and the export's result.
//   bench_trackexport kml|nmea|gpx FILE OUT
#include "GPXDocument.h"
#include "Gpximport.h"
#include "Kml.h"
#include "NMEADocument.h"
#include "Poistorage.h"
#include "Trackstorage.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

double since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const bool kml = argc == 4 && std::strcmp(argv[1], "kml") == 0;
  const bool nmea = argc == 4 && std::strcmp(argv[1], "nmea") == 0;
  const bool gpx = argc == 4 && std::strcmp(argv[1], "gpx") == 0;
  if (!kml && !nmea && !gpx) {
    std::fprintf(stderr, "usage: bench_trackexport kml|nmea|gpx FILE OUT\n");
    return 2;
  }
  TTrackStorage tracks;
  TPoiStorage pois;
  pois.IconCount = 21;
  auto t0 = std::chrono::steady_clock::now();
  ImportGpx(QString::fromLocal8Bit(argv[2]), tracks, pois, nullptr);
  auto t1 = std::chrono::steady_clock::now();
  const QString out = QString::fromLocal8Bit(argv[3]);
  const int n = kml ? ExportKml(tracks, out) : nmea ? ExportNmea(tracks, out) : ExportGpx(tracks, out);
  std::printf("%.3f %.3f %d\n", since(t0), since(t1), n);
  return n < 0;
}
