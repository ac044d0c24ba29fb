#include "Savekill.h"

#include "Testenv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testenv {

namespace {

// Names the program reads as data; a leftover must not end like one.
const char* const kDataEndings[] = {".ini", ".mgi", ".wpt", ".rte", ".trk", ".gpx", ".kml",
                                    ".nmea", ".zav", ".txt", ".htm", ".html", ".bnk", ".tmp"};

// Saves in a child and kills it after delayUs (it may have finished by
// then); a negative delay lets it finish. The child's time in microseconds.
long SaveInChildAndKill(const SaveKind& kind, const QString& path, long delayUs) {
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid < 0) ADD_FAILURE() << "no fork";
  if (pid == 0) {
    const bool ok = kind.save(path);
    ::_exit(ok ? 0 : 1);
  }
  if (delayUs >= 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) {
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save failed";
  }
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count());
}

}  // namespace

void CheckSaveSurvivesKills(const SaveKind& kind, const fs::path& dir, std::mt19937& random, int kills) {
  SCOPED_TRACE(kind.name);
  const fs::path folder = dir / kind.file;  // a folder of its own per kind
  fs::create_directories(folder);
  const fs::path target = folder / kind.file;
  const QString path = QString::fromStdString(target.string());

  kind.fill(false);
  ASSERT_TRUE(kind.save(path));
  const std::string oldBytes = testenv::readFile(target);

  kind.fill(true);
  const fs::path reference = dir / (std::string("new-") + kind.file);
  ASSERT_TRUE(kind.save(QString::fromStdString(reference.string())));
  // How long a child takes for the whole save, fork included.
  const long saveUs = SaveInChildAndKill(kind, QString::fromStdString(reference.string()), -1);
  const std::string newBytes = testenv::readFile(reference);
  ASSERT_NE(oldBytes, newBytes);
  // The old file back in place for the kills.
  testenv::writeFile(target, oldBytes);

  int olds = 0, news = 0;
  std::uniform_int_distribution<long> when(0, saveUs + saveUs / 4);
  for (int i = 0; i < kills; ++i) {
    SaveInChildAndKill(kind, path, when(random));
    const std::string now = testenv::readFile(target);
    if (now == oldBytes) {
      ++olds;
    } else if (now == newBytes) {
      ++news;
      testenv::writeFile(target, oldBytes);
    } else {
      FAIL() << "kill " << i << ": the file is neither old nor new (" << now.size() << " bytes)";
    }
    for (const auto& e : fs::directory_iterator(folder)) {
      if (e.path() == target) continue;
      const std::string name = e.path().filename().string();
      for (const char* ending : kDataEndings)
        EXPECT_FALSE(name.size() >= std::strlen(ending) &&
                     name.compare(name.size() - std::strlen(ending), std::string::npos, ending) == 0)
            << "left behind: " << name;
      fs::remove(e.path());
    }
  }
  fs::remove(reference);
  std::printf("%-10s %8zu bytes, save %6ld us: %d old, %d new\n", kind.name, newBytes.size(), saveUs,
              olds, news);
}

}  // namespace testenv
