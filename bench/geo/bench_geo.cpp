// Times the line simplification on a generated track and the loading of
// device waypoint files of two sizes.
//
//   bench_geo simplify POINTS.bin TOLERANCE   (writes POINTS.bin, prints seconds and kept count)
//   bench_geo poiload DIR N                   (writes DIR/poi-N.bin, prints seconds)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Poistorage.h"
#include "Utility.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int Simplify(const char* path, double tol) {
  const int n = 1000000;
  std::vector<double> x(n), y(n);
  std::mt19937 rng(42);
  std::normal_distribution<double> step(0.0, 0.0001);
  x[0] = 47.0;
  y[0] = 8.0;
  for (int i = 1; i < n; ++i) {
    x[i] = x[i - 1] + step(rng) + 0.00002;
    y[i] = y[i - 1] + step(rng);
  }
  std::FILE* f = std::fopen(path, "wb");
  if (!f) return 1;
  for (int i = 0; i < n; ++i) {
    std::fwrite(&x[i], sizeof(double), 1, f);
    std::fwrite(&y[i], sizeof(double), 1, f);
  }
  std::fclose(f);
  std::vector<std::int32_t> keep(n, 0);
  const auto start = std::chrono::steady_clock::now();
  const int kept = SimplifyPolyline(x.data(), y.data(), n, tol, keep.data());
  std::printf("%.6f %d\n", Seconds(start), kept);
  return 0;
}

int PoiLoad(const std::string& dir, int n) {
  const std::string path = dir + "/poi-" + std::to_string(n) + ".bin";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 1;
  for (int i = 0; i < n; ++i) {
    // One record per second from 2020-01-01 on (no month overflow below ~2.4M).
    const int day = i / 86400, sec = i % 86400;
    unsigned char r[16] = {120, static_cast<unsigned char>(1 + day / 28), static_cast<unsigned char>(1 + day % 28),
                           static_cast<unsigned char>(sec / 3600), static_cast<unsigned char>(sec / 60 % 60),
                           static_cast<unsigned char>(sec % 60), 0, 0};
    std::fwrite(r, 1, sizeof r, f);
  }
  std::fclose(f);
  TPoiStorage store;
  store.IconCount = 21;
  const auto start = std::chrono::steady_clock::now();
  if (!store.LoadDeviceFile(path.c_str()) || store.GetCount() != n) return 1;
  std::printf("%.6f\n", Seconds(start));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "simplify" && argc == 4) return Simplify(argv[2], std::atof(argv[3]));
  if (mode == "poiload" && argc == 4) return PoiLoad(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr, "usage: bench_geo simplify POINTS.bin TOL | poiload DIR N\n");
  return 2;
}
