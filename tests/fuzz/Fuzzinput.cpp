#include "Fuzzinput.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzz {

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path dir = [] {
    // Memory-backed when there is one: the readers go through files.
    std::error_code ec;
    std::filesystem::path base = std::getenv("TMPDIR") ? std::filesystem::temp_directory_path()
                                 : std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                                                 : std::filesystem::temp_directory_path();
    std::filesystem::path d = base / ("trevik-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return d;
  }();
  return dir;
}

}  // namespace

QString ScratchPath(const char* name) { return QString::fromStdString((Folder() / name).string()); }

QString InputFile(const uint8_t* data, size_t size, const char* name) {
  const QString path = ScratchPath(name);
  std::FILE* f = std::fopen(path.toStdString().c_str(), "wb");
  if (!f) Fail("cannot write the input file");
  if (size > 0 && std::fwrite(data, 1, size, f) != size) Fail("cannot write the input file");
  std::fclose(f);
  return path;
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

std::string CText(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  return text.substr(0, text.find('\0'));
}

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz finding: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

void ExpectSame(const QByteArray& first, const QByteArray& second, const char* what) {
  if (first != second) Fail(what);
}

}  // namespace fuzz
