#include "Testenv.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testenv {

fs::path sourceDir() { return TREVIK_SOURCE_DIR; }
fs::path buildDir() { return TREVIK_BUILD_DIR; }
fs::path binDir() { return TREVIK_BIN_DIR; }
fs::path fixturesDir() { return TREVIK_FIXTURES_DIR; }
fs::path sharedDir() { return sourceDir().parent_path() / "shared"; }

fs::path scratchDir(const std::string& name) {
  static std::atomic<int> counter{0};
  fs::path dir = buildDir() / "test-tmp" /
                 (name + "-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& p, const std::string& bytes) {
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

}  // namespace testenv
