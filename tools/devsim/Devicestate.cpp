#include "Devicestate.h"

#include "Textfmt.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace devsim {

void DeviceState::GrowTrackLog(size_t bytes) {
  constexpr size_t kBlock = 4096;  // the logger's block
  std::string& log = file(DeviceFile::TrackLog);
  const std::string whole = log.substr(0, log.size() / kBlock * kBlock);
  if (!whole.empty())
    while (log.size() + whole.size() <= bytes) log += whole;
  log.resize(std::max(log.size(), bytes), '\xFF');
}

namespace {

constexpr const char* kSettingsFile = "device.txt";
constexpr const char* kFileNames[kDeviceFileCount] = {"destinations.mgi", "waypoints.dat",
                                                      "route.dat", "tracklog.dat"};

int32_t* IntField(DeviceState& s, const std::string& key) {
  if (key == "logger.time") return &s.logger.time;
  if (key == "logger.distance") return &s.logger.distance;
  if (key == "logger.speed") return &s.logger.speed;
  if (key == "device.language") return &s.device.language;
  if (key == "device.turndistance") return &s.device.turnDistance;
  if (key == "device.backlight") return &s.device.backlight;
  if (key == "device.suspend") return &s.device.suspend;
  if (key == "device.homezone") return &s.device.homeZone;
  if (key == "device.localzone") return &s.device.localZone;
  if (key == "device.lengthunit") return &s.device.lengthUnit;
  return nullptr;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool ReadAll(const fs::path& p, std::string& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

void WriteAll(const fs::path& p, const std::string& bytes) {
  fs::path tmp = p;
  tmp += ".part";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + tmp.string());
  }
  fs::rename(tmp, p);
}

}  // namespace

const char* FileName(DeviceFile f) { return kFileNames[static_cast<int>(f)]; }

DeviceState DeviceState::Load(const fs::path& dir) {
  DeviceState s;
  std::string text;
  if (ReadAll(dir / kSettingsFile, text)) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
      ++number;
      line = Trim(line);
      if (line.empty() || line[0] == '#') continue;
      size_t eq = line.find('=');
      std::string where = (dir / kSettingsFile).string() + ":" + std::to_string(number);
      if (eq == std::string::npos) throw std::runtime_error(where + ": expected key = value");
      std::string key = Trim(line.substr(0, eq));
      std::string value = Trim(line.substr(eq + 1));
      if (key == "logger.memory") {
        if (!textfmt::TryStrToFloat(value, s.logger.memoryUsed))
          throw std::runtime_error(where + ": not a number");
        continue;
      }
      int32_t* field = IntField(s, key);
      if (!field) throw std::runtime_error(where + ": unknown key " + key);
      int v = 0;
      if (!textfmt::TryStrToInt(value, v)) throw std::runtime_error(where + ": not a number");
      *field = v;
    }
  }
  for (int i = 0; i < kDeviceFileCount; ++i) ReadAll(dir / kFileNames[i], s.files[i]);
  return s;
}

void DeviceState::Save(const fs::path& dir) const {
  fs::create_directories(dir);
  std::string t;
  auto line = [&t](const char* key, const std::string& v) { t += std::string(key) + " = " + v + "\n"; };
  line("logger.time", textfmt::IntToStr(logger.time));
  line("logger.distance", textfmt::IntToStr(logger.distance));
  line("logger.speed", textfmt::IntToStr(logger.speed));
  line("logger.memory", textfmt::FloatToStr(logger.memoryUsed));
  line("device.language", textfmt::IntToStr(device.language));
  line("device.turndistance", textfmt::IntToStr(device.turnDistance));
  line("device.backlight", textfmt::IntToStr(device.backlight));
  line("device.suspend", textfmt::IntToStr(device.suspend));
  line("device.homezone", textfmt::IntToStr(device.homeZone));
  line("device.localzone", textfmt::IntToStr(device.localZone));
  line("device.lengthunit", textfmt::IntToStr(device.lengthUnit));
  WriteAll(dir / kSettingsFile, t);
  for (int i = 0; i < kDeviceFileCount; ++i) SaveFile(dir, static_cast<DeviceFile>(i));
}

void DeviceState::SaveFile(const fs::path& dir, DeviceFile f) const {
  fs::create_directories(dir);
  WriteAll(dir / FileName(f), file(f));
}

}  // namespace devsim
