// Without libFuzzer: runs a fuzz target once over every file of the folders
// given (its seeds and the inputs that once were findings), so the ordinary
// test runs and the sanitizer leg keep them as cases.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::is_directory(argv[i])) continue;
    std::vector<std::filesystem::path> inputs;
    for (const auto& e : std::filesystem::directory_iterator(argv[i]))
      if (e.is_regular_file()) inputs.push_back(e.path());
    for (const auto& p : inputs) {
      std::ifstream in(p, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      std::printf("%s\n", p.string().c_str());
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++files;
    }
  }
  std::printf("%d inputs\n", files);
  return files > 0 ? 0 : 1;
}
