// Times filling the destination store, writing it as a device database and
// reading it back into an empty store.
#include "../common/Benchdests.h"
#include "Deststorage.h"
#include "Fontbank.h"
#include "Korvifile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_mgi font.bnk out.mgi count\n");
    return 2;
  }
  TFontBank bank;
  if (bank.Load(argv[1]) == 0) std::fprintf(stderr, "no font bank, glyphs left out\n");
  const int count = std::atoi(argv[3]);
  const QString path = QString::fromLocal8Bit(argv[2]);
  constexpr double kLimit = 1.0;  // seconds for save plus load

  auto t0 = std::chrono::steady_clock::now();
  DestStorage store;
  if (!bench::FillDestinations(store, count)) return 1;
  const double fill = Seconds(t0);

  t0 = std::chrono::steady_clock::now();
  if (KorviFile(store, bank).Save(path) != 1) return 1;
  const double save = Seconds(t0);

  t0 = std::chrono::steady_clock::now();
  DestStorage back;
  if (KorviFile(back, bank).Load(path) != 1) return 1;
  const double load = Seconds(t0);
  if (back.Items().size() != static_cast<std::size_t>(count)) return 1;

  std::printf("fill %d destinations: %.3f s\n", count, fill);
  std::printf("save: %.3f s, load: %.3f s\n", save, load);
  const double total = save + load;
  std::printf("mgi save+load %d destinations: %.3f s, ratio %.2f\n", count, total, kLimit / total);
  return 0;
}
