#pragma once
// Saves that survive a kill: a child process saves a large file and is killed
// with SIGKILL at random moments, many times over. The file on disk must
// always be the old one or the new one complete, and nothing may be left
// beside it that the program would take for one of its files.
#include <QString>

#include <filesystem>
#include <functional>
#include <random>

namespace testenv {

struct SaveKind {
  const char* name;
  const char* file;
  std::function<void(bool big)> fill;  // the stores for the old (small) or the new (big) file
  std::function<bool(const QString& path)> save;
};

// Fills and saves the old file in a folder of its own under dir, then kills
// `kills` saves of the new one. Failures are reported to gtest; prints what
// the kills left (old or new).
void CheckSaveSurvivesKills(const SaveKind& kind, const std::filesystem::path& dir, std::mt19937& random,
                            int kills = 40);

}  // namespace testenv
