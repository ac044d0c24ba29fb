#pragma once
// Small helpers shared by the tests: a fresh scratch folder per test and the
// paths of the source tree, the build tree and the program folder.
#include <filesystem>
#include <string>

namespace testenv {

std::filesystem::path sourceDir();
std::filesystem::path buildDir();
std::filesystem::path binDir();       // the program folder (build/bin)
std::filesystem::path fixturesDir();  // tests/fixtures
std::filesystem::path sharedDir();    // ../shared beside the checkout (may not exist)

// A new empty folder below the build tree, unique for this process and name.
std::filesystem::path scratchDir(const std::string& name);

std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::string& bytes);

}  // namespace testenv
