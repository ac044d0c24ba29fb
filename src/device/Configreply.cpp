#include "Configreply.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "Textfmt.h"

namespace {

// The C run-time's atol on a 32-bit long: leading blanks, a sign, digits;
// 0 for no number. Out of range ends at the nearest limit.
int32_t Atol(const std::string& s) {
  const long long v = std::strtoll(s.c_str(), nullptr, 10);
  return int32_t(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

// A logger value: time, distance or speed.
bool LoggerValue(const std::string& s, int& out) {
  return textfmt::TryStrToInt(s, out) && out >= 0 && out <= kLoggerValueMax;
}

}  // namespace

std::optional<LoggerConfig> ParseLoggerConfig(const std::vector<std::string>& reply) {
  if (reply.size() != 9) return std::nullopt;
  LoggerConfig c;
  if (!LoggerValue(reply[1], c.Time) || !LoggerValue(reply[3], c.Distance) || !LoggerValue(reply[5], c.Speed) ||
      !textfmt::TryStrToFloat(reply[8], c.Percent))
    return std::nullopt;
  return c;
}

std::optional<DeviceConfig> ParseDeviceConfig(const std::vector<std::string>& reply) {
  if (reply.size() != 8) return std::nullopt;
  DeviceConfig c;
  c.Language = Atol(reply[1]);
  c.TurnDistance = Atol(reply[2]);
  c.Backlight = uint8_t(Atol(reply[3]));
  c.Suspend = uint16_t(Atol(reply[4]));
  c.HomeZone = int8_t(Atol(reply[5]));
  c.LocalZone = int8_t(Atol(reply[6]));
  c.LengthUnit = uint8_t(Atol(reply[7]));
  return c;
}

std::string LoggerParamText(int time, int distance, int speed) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, ",%d,0,%d,0,%d,0,1", time, distance, speed);
  return buffer;
}

std::string DeviceParamText(int language, int turn, int backlight, int suspend, int homeZone,
                            int localZone, int lengthUnit) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, ",%d,%d,%d,%d,%d,%d,%d", language, turn, backlight, suspend,
                homeZone, localZone, lengthUnit);
  return buffer;
}
