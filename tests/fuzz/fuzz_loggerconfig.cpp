// The device's logger settings reply as the logger page takes it: cut at
// the commas, read into values; the values written as the Set command's
// parameters (the used memory is not sent: its field is kept) and read
// again agree.
#include "Fuzzinput.h"

#include "Configreply.h"
#include "Worktask.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::CText(data, size);
  std::vector<std::string> reply;
  SplitReply(reply, text.c_str());
  const std::optional<LoggerConfig> config = ParseLoggerConfig(reply);
  if (!config) return 0;
  if (config->Time < 0 || config->Time > kLoggerValueMax || config->Distance < 0 ||
      config->Distance > kLoggerValueMax || config->Speed < 0 || config->Speed > kLoggerValueMax)
    fuzz::Fail("logger reply: a value outside its range");
  std::vector<std::string> again;
  SplitReply(again,
             ("POEM101" + LoggerParamText(config->Time, config->Distance, config->Speed) + "," + reply[8]).c_str());
  const std::optional<LoggerConfig> second = ParseLoggerConfig(again);
  if (!second || *second != *config) fuzz::Fail("logger reply: written and read again, the values change");
  return 0;
}
