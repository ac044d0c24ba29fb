#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "Portmap.h"
#include "Testenv.h"

namespace fs = std::filesystem;

namespace {

class PortMapTest : public ::testing::Test {
 protected:
  fs::path dir = testenv::scratchDir("portmap");
  void TearDown() override { portmap::Configure(portmap::FromEnvironment(fs::path())); }
  void link(const std::string& name, const fs::path& target) { fs::create_symlink(target, dir / name); }
};

TEST_F(PortMapTest, OverrideLinksComeFirstThenTheDefaultRanges) {
  testenv::writeFile(dir / "node", "");
  link("COM3", dir / "node");
  link("COM21", dir / "node");
  portmap::Configure({dir, true});
  struct Case {
    int port;
    std::string path;
  };
  const Case cases[] = {
      {3, (dir / "COM3").string()},  {21, (dir / "COM21").string()}, {1, "/dev/ttyUSB0"},
      {10, "/dev/ttyUSB9"},          {11, "/dev/ttyACM0"},           {22, "/dev/ttyS1"},
      {40, "/dev/ttyS19"},           {41, "/dev/rfcomm0"},           {50, "/dev/rfcomm9"},
      {51, ""},                      {99, ""},                       {0, ""},
      {100, ""},                     {-1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(portmap::DevicePath(c.port), c.path) << c.port;

  portmap::Configure({dir, false});
  EXPECT_EQ(portmap::DevicePath(3), (dir / "COM3").string());
  EXPECT_EQ(portmap::DevicePath(1), "");
}

TEST_F(PortMapTest, RegisteredPortsAreTheMappedOnesThatExist) {
  testenv::writeFile(dir / "node", "");
  link("COM2", dir / "node");
  link("COM12", dir / "node");
  link("COM4", dir / "missing");
  link("COMfoo", dir / "node");  // listed; the scan finds no number in it
  link("TTY1", dir / "node");    // not a COM name
  portmap::Configure({dir, false});
  std::vector<std::string> names = portmap::RegisteredPorts();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"COM12", "COM2", "COMfoo"}));

  // A missing folder is an empty map, not an error.
  portmap::Configure({dir / "nowhere", false});
  EXPECT_TRUE(portmap::RegisteredPorts().empty());
}

TEST_F(PortMapTest, TheEnvironmentNamesTheOverrideFolder) {
  const char* old = std::getenv(portmap::kOverrideEnv);
  std::string saved = old ? old : "";
  setenv(portmap::kOverrideEnv, dir.c_str(), 1);
  EXPECT_EQ(portmap::FromEnvironment("/cfg").overrideDir, dir);
  unsetenv(portmap::kOverrideEnv);
  EXPECT_EQ(portmap::FromEnvironment("/cfg").overrideDir, fs::path("/cfg/ports"));
  EXPECT_TRUE(portmap::FromEnvironment(fs::path()).overrideDir.empty());
  if (old) setenv(portmap::kOverrideEnv, saved.c_str(), 1);
}

}  // namespace
