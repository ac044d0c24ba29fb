#include "Portmap.h"

#include <cstdlib>
#include <mutex>
#include <set>
#include <string_view>

namespace fs = std::filesystem;

namespace portmap {

namespace {

struct Range {
  const char* prefix;
  int firstPort;
  int count;
};

constexpr Range kDefaultRanges[] = {
    {"/dev/ttyUSB", 1, 10},
    {"/dev/ttyACM", 11, 10},
    {"/dev/ttyS", 21, 20},
    {"/dev/rfcomm", 41, 10},
};

std::mutex lock;
bool configured = false;
Settings current;

Settings Snapshot() {
  std::lock_guard<std::mutex> guard(lock);
  if (!configured) {
    current = FromEnvironment(fs::path());
    configured = true;
  }
  return current;
}

std::string DefaultNode(int port) {
  for (const Range& r : kDefaultRanges) {
    if (port >= r.firstPort && port < r.firstPort + r.count)
      return r.prefix + std::to_string(port - r.firstPort);
  }
  return std::string();
}

bool EntryPresent(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

bool TargetExists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

}  // namespace

Settings FromEnvironment(const fs::path& configFolder) {
  Settings s;
  const char* env = std::getenv(kOverrideEnv);
  if (env && *env)
    s.overrideDir = env;
  else if (!configFolder.empty())
    s.overrideDir = configFolder / "ports";
  return s;
}

void Configure(const Settings& settings) {
  std::lock_guard<std::mutex> guard(lock);
  current = settings;
  configured = true;
}

Settings Current() { return Snapshot(); }

std::string DevicePath(int port) {
  if (port < 1 || port > kMaxPortNumber) return std::string();
  Settings s = Snapshot();
  if (!s.overrideDir.empty()) {
    fs::path link = s.overrideDir / ("COM" + std::to_string(port));
    if (EntryPresent(link)) return link.string();
  }
  return s.defaultRanges ? DefaultNode(port) : std::string();
}

std::vector<std::string> RegisteredPorts() {
  Settings s = Snapshot();
  std::vector<std::string> names;
  std::set<std::string> overridden;
  if (!s.overrideDir.empty()) {
    std::error_code ec;
    for (fs::directory_iterator it(s.overrideDir, ec), end; !ec && it != end; it.increment(ec)) {
      std::string name = it->path().filename().string();
      if (std::string_view(name).substr(0, 3) != "COM") continue;
      overridden.insert(name);
      if (TargetExists(it->path())) names.push_back(name);
    }
  }
  if (s.defaultRanges) {
    for (const Range& r : kDefaultRanges) {
      for (int i = 0; i < r.count; ++i) {
        std::string name = "COM" + std::to_string(r.firstPort + i);
        if (overridden.count(name)) continue;
        if (TargetExists(r.prefix + std::to_string(i))) names.push_back(name);
      }
    }
  }
  return names;
}

}  // namespace portmap
