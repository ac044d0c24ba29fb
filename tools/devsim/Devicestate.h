#pragma once
// What the simulated device holds: its logger and navigator settings and its
// four files, loadable from and savable to a folder:
//   device.txt        "key = value" lines (see kKeys in Devicestate.cpp)
//   destinations.mgi  the destination database
//   waypoints.dat     the waypoint file
//   route.dat         the route file
//   tracklog.dat      the raw GPS log
// A missing file keeps the default; a bad settings line throws.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace devsim {

struct LoggerSettings {
  int32_t time = 5;       // seconds between points, 0 off
  int32_t distance = 10;  // metres between points, 0 off
  int32_t speed = 0;      // m/s threshold, 0 off
  double memoryUsed = 0;  // percent of the log memory in use
};

struct DeviceSettings {
  int32_t language = 0;
  int32_t turnDistance = 20;
  int32_t backlight = 30;
  int32_t suspend = 10;
  int32_t homeZone = 1;
  int32_t localZone = 1;
  int32_t lengthUnit = 0;
};

enum class DeviceFile { Destinations = 0, Waypoints, Route, TrackLog };
constexpr int kDeviceFileCount = 4;

const char* FileName(DeviceFile f);

struct DeviceState {
  LoggerSettings logger;
  DeviceSettings device;
  std::array<std::string, kDeviceFileCount> files;  // raw bytes

  std::string& file(DeviceFile f) { return files[static_cast<int>(f)]; }
  const std::string& file(DeviceFile f) const { return files[static_cast<int>(f)]; }

  // Makes the track log `bytes` long (a big log for trying long downloads):
  // the log held, repeated in whole 4096-byte blocks, then empty blocks
  // (0xFF) to the size.
  void GrowTrackLog(size_t bytes);

  static DeviceState Load(const std::filesystem::path& dir);  // throws std::runtime_error
  void Save(const std::filesystem::path& dir) const;           // throws std::runtime_error
  void SaveFile(const std::filesystem::path& dir, DeviceFile f) const;
};

}  // namespace devsim
