// The device's settings reply as the device settings page takes it: cut at
// the commas, read into values; the values written as the Set command's
// parameters and read again agree.
#include "Fuzzinput.h"

#include "Configreply.h"
#include "Worktask.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::CText(data, size);
  std::vector<std::string> reply;
  SplitReply(reply, text.c_str());
  const std::optional<DeviceConfig> config = ParseDeviceConfig(reply);
  if (!config) return 0;
  std::vector<std::string> again;
  SplitReply(again, ("POEM103" + DeviceParamText(config->Language, config->TurnDistance, config->Backlight,
                                                 config->Suspend, config->HomeZone, config->LocalZone,
                                                 config->LengthUnit))
                        .c_str());
  const std::optional<DeviceConfig> second = ParseDeviceConfig(again);
  if (!second || *second != *config) fuzz::Fail("device reply: written and read again, the values change");
  return 0;
}
