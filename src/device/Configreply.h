#pragma once
// The device's two settings replies read into values, and the parameter
// texts the Set commands send. The replies come from the device: every
// field is checked here, the pages only show what passed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The largest time, distance and speed the logger settings hold.
constexpr int kLoggerValueMax = 32767;

// The logger reply "POEM101,time,0,distance,0,speed,0,1,percent".
struct LoggerConfig {
  int Time = 0;      // seconds
  int Distance = 0;  // metres
  int Speed = 0;     // metres per second
  double Percent = 0;  // memory used; may lie outside 0..100
  friend bool operator==(const LoggerConfig&, const LoggerConfig&) = default;
};

// The reply cut at its commas (SplitReply); nothing when it has not nine
// fields or a field does not convert (the three values must lie in
// 0..kLoggerValueMax).
std::optional<LoggerConfig> ParseLoggerConfig(const std::vector<std::string>& reply);

// The device reply "POEM103,language,turn,backlight,suspend,home,local,unit",
// each field as the device's own types hold it: a number that does not fit
// keeps its low bits, a field that is no number reads as 0.
struct DeviceConfig {
  int32_t Language = 0;
  int32_t TurnDistance = 0;  // metres
  uint8_t Backlight = 0;
  uint16_t Suspend = 0;
  int8_t HomeZone = 0;
  int8_t LocalZone = 0;
  uint8_t LengthUnit = 0;
  friend bool operator==(const DeviceConfig&, const DeviceConfig&) = default;
};

// Nothing when the reply has not eight fields.
std::optional<DeviceConfig> ParseDeviceConfig(const std::vector<std::string>& reply);

// The parameter texts the two Set buttons send after their command.
std::string LoggerParamText(int time, int distance, int speed);
std::string DeviceParamText(int language, int turn, int backlight, int suspend, int homeZone,
                            int localZone, int lengthUnit);
