// The two settings replies read into values: what the pages' tests do not
// show (number forms, limits, the device's field widths).
#include "Configreply.h"
#include "Worktask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& s) {
  std::vector<std::string> out;
  SplitReply(out, s.c_str());
  return out;
}

TEST(LoggerReply, Fields) {
  const struct { const char* reply; bool ok; LoggerConfig config; } cases[] = {
      {"POEM101,60,9,100,9,3,9,9,42.5", true, {60, 100, 3, 42.5}},
      {"POEM101, 7,0,0x10,0,$1F,0,1, 1e2 ", true, {7, 16, 31, 100}},
      {"POEM101,32767,0,0,0,0,0,1,0", true, {32767, 0, 0, 0}},
      {"POEM101,32768,0,0,0,0,0,1,0", false, {}},
      {"POEM101,1,0,2,0,-0,0,1,0", true, {1, 2, 0, 0}},
      {"POEM101,,0,2,0,3,0,1,4", false, {}},
      {"POEM101,1 ,0,2,0,3,0,1,4", false, {}},
      {"POEM101,1,0,2,0,3,0,1,1e999", false, {}},
      {"POEM101,1,0,2,0,3,0,1,inf", false, {}},
  };
  for (const auto& c : cases) {
    const std::optional<LoggerConfig> got = ParseLoggerConfig(Split(c.reply));
    ASSERT_EQ(got.has_value(), c.ok) << c.reply;
    if (c.ok) {
      EXPECT_EQ(*got, c.config) << c.reply;
    }
  }
}

TEST(DeviceReply, FieldsKeepTheDevicesWidths) {
  const struct { const char* reply; DeviceConfig config; } cases[] = {
      {"POEM103,2,20,255,30,-5,1,1", {2, 20, 255, 30, -5, 1, 1}},
      // Beyond 32 bits a field stops at the limit, then keeps its low bits.
      {"POEM103,99999999999,-99999999999,99999999999,99999999999,99999999999,-99999999999,4294967297",
       {INT32_MAX, INT32_MIN, 255, 65535, -1, 0, 255}},
      // Leading blanks and a sign count; hex and trailing text do not.
      {"POEM103, +3, 10x,0x10,70000,-129,128,", {3, 10, 0, 4464, 127, -128, 0}},
  };
  for (const auto& c : cases) {
    const std::optional<DeviceConfig> got = ParseDeviceConfig(Split(c.reply));
    ASSERT_TRUE(got) << c.reply;
    EXPECT_EQ(*got, c.config) << c.reply;
  }
  EXPECT_FALSE(ParseDeviceConfig({}));
}

}  // namespace
