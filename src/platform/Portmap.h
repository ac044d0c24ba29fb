#pragma once
// Which device node stands behind "COMn".
//
// An override folder of links named COM1..COM99 comes first; a port without a
// link there falls back to fixed ranges of the usual Linux nodes:
//   /dev/ttyUSB0-9 -> COM1-10, /dev/ttyACM0-9 -> COM11-20,
//   /dev/ttyS0-19  -> COM21-40, /dev/rfcomm0-9 -> COM41-50.
// The override folder is $TREVIK_PORTS_DIR when set, else the one the
// program configures at start (<config folder>/ports).
#include <filesystem>
#include <string>
#include <vector>

namespace portmap {

constexpr int kMaxPortNumber = 99;
inline constexpr const char* kOverrideEnv = "TREVIK_PORTS_DIR";

struct Settings {
  std::filesystem::path overrideDir;  // empty: no override folder
  bool defaultRanges = true;
};

// The override folder from the environment, else configFolder/ports.
Settings FromEnvironment(const std::filesystem::path& configFolder);

// Replaces the process-wide map. Until this is called the map is
// FromEnvironment with no config folder.
void Configure(const Settings& settings);
Settings Current();

// The node for COMn, or an empty text when n is outside 1..99 or nothing is
// mapped to it. The node need not exist.
std::string DevicePath(int port);

// The ports that are mapped to an existing node, as names such as "COM3" in
// no particular order: every entry of the override folder whose name begins
// with "COM" and whose target exists, then the default ports not overridden.
std::vector<std::string> RegisteredPorts();

}  // namespace portmap
