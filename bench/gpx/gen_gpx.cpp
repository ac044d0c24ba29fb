// Writes a synthetic GPX 1.1 file: one track of N points (lat, lon, ele,
// time a second apart) in segments of 10,000 points, plus a few waypoints.
//   gen_gpx N OUT
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gen_gpx N OUT\n");
    return 2;
  }
  long n = std::atol(argv[1]);
  std::FILE* f = std::fopen(argv[2], "wb");
  if (!f) return 1;
  std::fprintf(f,
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<gpx version=\"1.1\" creator=\"gen_gpx\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
               "  <metadata><name>synthetic</name></metadata>\n");
  for (int i = 0; i < 10; ++i)
    std::fprintf(f, "  <wpt lat=\"%.6f\" lon=\"%.6f\"><time>2014-05-03T08:%02d:00Z</time><sym>POI%d</sym></wpt>\n",
                 48.0 + i * 0.01, 11.0 + i * 0.01, i, i);
  std::fprintf(f, "  <trk>\n    <name>Synthetic track</name>\n    <trkseg>\n");
  std::time_t t0 = 1399104245;  // 2014-05-03T08:04:05Z
  for (long i = 0; i < n; ++i) {
    if (i > 0 && i % 10000 == 0) std::fprintf(f, "    </trkseg>\n    <trkseg>\n");
    std::time_t t = t0 + i;
    std::tm tm;
    gmtime_r(&t, &tm);
    double lat = 48.0 + 0.00001 * static_cast<double>(i % 50000) + 0.000003 * static_cast<double>(i % 7);
    double lon = 11.0 + 0.000013 * static_cast<double>(i % 40000);
    std::fprintf(f,
                 "      <trkpt lat=\"%.7f\" lon=\"%.7f\">\n        <ele>%.1f</ele>\n"
                 "        <time>%04d-%02d-%02dT%02d:%02d:%02dZ</time>\n      </trkpt>\n",
                 lat, lon, 500.0 + static_cast<double>(i % 300) * 0.5, tm.tm_year + 1900, tm.tm_mon + 1,
                 tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  }
  std::fprintf(f, "    </trkseg>\n  </trk>\n</gpx>\n");
  return std::fclose(f) == 0 ? 0 : 1;
}
