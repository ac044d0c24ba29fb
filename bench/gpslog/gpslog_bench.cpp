// Timings of the GPS log decoder, the log import and the track file.
//   gpslog_bench make-log FILE      writes a full 16 MiB log
//   gpslog_bench decode FILE        decodes it
//   gpslog_bench import FILE        imports it into the track store
//   gpslog_bench trackfile N FILE   saves and loads a track of N points
// Each mode runs in its own process, so the peak memory is its own.
#include "Gpslog.h"
#include "Gpslogwriter.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr std::size_t kLogSize = 16u << 20;

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double peakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

std::string num(double v, int decimals) { return textfmt::FormatFixed(v, decimals); }

int makeLog(const char* path) {
  testenv::GpsLogWriter w;
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> jitter(-2, 2);
  std::int32_t x = 4182118, y = 850862, z = 4724696;
  std::uint32_t t = 10000000;
  int vx = 12, vy = -7, vz = 4;
  for (long fix = 0; w.size() + 20 <= kLogSize; ++fix) {
    bool start = fix % 3600 == 0;
    bool slow = (fix / 600) % 10 == 9;  // now and then a 5 s step with longer moves
    int step = slow ? 5 : 1;
    vx = std::clamp(vx + jitter(rng), -25, 25);
    vy = std::clamp(vy + jitter(rng), -25, 25);
    vz = std::clamp(vz + jitter(rng), -25, 25);
    int dx = vx * step, dy = vy * step, dz = vz * step;
    x += dx;
    y += dy;
    z += dz;
    t += step;
    std::uint16_t status = start ? testenv::GpsLogWriter::segment(1) : 0;
    if (start || fix % 120 == 0)
      w.full(t, x, y, z, status);
    else if (std::abs(dx) <= 127 && std::abs(dy) <= 127 && std::abs(dz) <= 127)
      w.smallDelta(static_cast<std::uint8_t>(step), static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy),
                   static_cast<std::int8_t>(dz), status);
    else
      w.delta(static_cast<std::uint16_t>(step), static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy),
              static_cast<std::int16_t>(dz), status);
  }
  std::string bytes = w.bytes();
  bytes.resize(kLogSize, '\xFF');  // the download's padding
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return 0;
}

int decode(const char* path) {
  int fd = ::open(path, O_RDONLY);
  if (fd < 0) return 1;
  double t0 = now();
  ResetGpsLog(fd);
  GpsLogFix fix;
  long fixes = 0;
  std::uint64_t bytes = 0;
  while (std::uint64_t n = ReadGpsLogFix(fd, fix)) {
    ++fixes;
    bytes = n;
  }
  double s = now() - t0;
  ::close(fd);
  std::printf("decode: %ld fixes from %s MiB in %s s: %s M fixes/s, %s MB/s, peak %s MiB\n", fixes,
              num(bytes / 1048576.0, 1).c_str(), num(s, 3).c_str(), num(fixes / s / 1e6, 2).c_str(),
              num(bytes / s / 1e6, 1).c_str(), num(peakMiB(), 1).c_str());
  return 0;
}

int import(const char* path) {
  TTrackStorage store;
  double t0 = now();
  bool ok = store.LoadDeviceFile(path);
  double s = now() - t0;
  std::size_t points = 0;
  for (auto* t = store.First(); t; t = store.Next()) points += t->Count();
  std::printf("import: %zu tracks, %zu points in %s s: %s M fixes/s, %s MB/s, peak %s MiB\n", store.Count(), points,
              num(s, 3).c_str(), num(points / s / 1e6, 2).c_str(), num(kLogSize / s / 1e6, 1).c_str(),
              num(peakMiB(), 1).c_str());
  // The download of the same log takes about 24 minutes at 115200 baud; the
  // import should stay under a second.
  std::printf("gpslog_import_16MiB: %s s, ratio %s\n", num(s, 3).c_str(), num(1.0 / s, 2).c_str());
  return ok ? 0 : 1;
}

int trackfile(long n, const char* path) {
  TTrackStorage store;
  auto track = std::make_unique<TTrackList>();
  for (long i = 0; i < n; ++i) track->AddPoint({48 + i * 1e-6, 11 + i * 1e-6, 500, 41000 + i / 86400.0}, i == 0);
  store.AddTrack(std::move(track));
  double t0 = now();
  int saved = store.SaveToFile(path);
  double save = now() - t0;
  const double mb = (60 + 32.0 * n) / 1e6;
  TTrackStorage back;
  t0 = now();
  bool loaded = back.LoadFromFile(path);
  double load = now() - t0;
  std::printf("trackfile: %ld points (%s MB): save %s s (%s MB/s), load %s s (%s MB/s, %s M points/s), peak %s MiB\n",
              n, num(mb, 1).c_str(), num(save, 3).c_str(), num(mb / save, 0).c_str(), num(load, 3).c_str(),
              num(mb / load, 0).c_str(), num(n / load / 1e6, 2).c_str(), num(peakMiB(), 1).c_str());
  return saved == 1 && loaded && back.At(0)->Count() == static_cast<std::size_t>(n) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "make-log" && argc == 3) return makeLog(argv[2]);
  if (mode == "decode" && argc == 3) return decode(argv[2]);
  if (mode == "import" && argc == 3) return import(argv[2]);
  if (mode == "trackfile" && argc == 4) return trackfile(std::atol(argv[2]), argv[3]);
  std::fprintf(stderr, "usage: gpslog_bench make-log|decode|import FILE | trackfile N FILE\n");
  return 2;
}
