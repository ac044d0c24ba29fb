// Port scan, device probe and the Connect action on linked pseudo-terminals:
// a device, silent lines, a port held by another process, broken links.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "Apconfig.h"
#include "Pathmanager.h"
#include "Portsandbox.h"
#include "Portscan.h"
#include "Programfolders.h"
#include "Serial.h"
#include "Simulator.h"
#include "Stringtable.h"
#include "Testenv.h"
#include "Ttyport.h"

extern char** environ;

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

namespace {

std::vector<int32_t> Table() { return std::vector<int32_t>(comPorts, comPorts + comPortCount); }

long long MsSince(Clock::time_point t) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - t).count();
}

// Another program that holds a port open (and locked) until it ends.
class PortHolder {
 public:
  explicit PortHolder(const fs::path& node) {
    std::string path = node.string();
    const char* argv[] = {"flock", "-x", path.c_str(), "sleep", "60", nullptr};
    // Its own process group, so that the end takes the sleeping child too,
    // and no share of our output pipes.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid_, "flock", &fa, &attr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    posix_spawnattr_destroy(&attr);
    // Held once our own exclusive open is refused.
    for (int i = 0; i < 500 && pid_ > 0; ++i) {
      int fd = ttyport::OpenExclusive(path);
      if (fd < 0) {
        held_ = true;
        break;
      }
      ttyport::Close(fd);
      std::this_thread::sleep_for(milliseconds(10));
    }
  }
  ~PortHolder() {
    if (pid_ > 0) {
      kill(-pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool held() const { return held_; }

 private:
  pid_t pid_ = -1;
  bool held_ = false;
};

// Simulators whose replies never come: lines with nothing on the other end.
std::unique_ptr<devsim::Simulator> SilentLine() {
  auto s = std::make_unique<devsim::Simulator>();
  devsim::Misbehaviour m;
  m.silent = true;
  s->misbehave(m);
  s->start();
  return s;
}

class PortScanTest : public ::testing::Test {
 protected:
  testenv::PortSandbox ports{"portscan"};
};

TEST(CompareComPortNumbers, ComparesNumbersNotTexts) {
  const std::vector<std::string> list = {"2", "10", "7", "7", "-1", "$10"};
  struct Case {
    int i, j, result;
  };
  for (const Case& c : {Case{0, 1, -1}, Case{1, 0, 1}, Case{2, 3, 0}, Case{4, 0, -1}, Case{5, 2, 1}})
    EXPECT_EQ(CompareComPortNumbers(list, c.i, c.j), c.result) << c.i << " " << c.j;
}

TEST_F(PortScanTest, ListsThePortsThatOpenInNumberOrder) {
  auto a = SilentLine(), b = SilentLine(), c = SilentLine(), held = SilentLine(), odd = SilentLine(),
       high = SilentLine();
  ports.link(10, c->devicePath());
  ports.link(2, b->devicePath());
  ports.link(1, a->devicePath());
  ports.link(60, high->devicePath());
  ports.link(7, held->devicePath());
  ports.link(4, ports.dir() / "gone");  // the adapter was unplugged
  fs::path plain = ports.dir() / "plain.txt";
  testenv::writeFile(plain, "x");
  ports.link(5, plain);  // exists but is no serial port
  fs::create_symlink(odd->devicePath(), ports.dir() / "COMx");
  PortHolder holder(held->devicePath());
  ASSERT_TRUE(holder.held());

  ScanComPorts(9600, false);
  EXPECT_EQ(Table(), (std::vector<int32_t>{1, 2, 10, 60}));
  // Trying COM1 to COM50 in turn finds the same ports below 51.
  ScanComPorts(9600, true);
  EXPECT_EQ(Table(), (std::vector<int32_t>{1, 2, 10}));
  // A rate the line cannot run at opens nothing.
  ScanComPorts(12345, false);
  EXPECT_EQ(Table(), std::vector<int32_t>{});
  // Scanning sent nothing to anyone.
  for (auto* s : {a.get(), b.get(), c.get()}) EXPECT_TRUE(s->received().empty());
}

TEST_F(PortScanTest, KeepsTheFirstFiftyPorts) {
  auto line = SilentLine();
  for (int n = 99; n >= 1; n -= 2) ports.link(n, line->devicePath());  // 50 odd ports
  for (int n = 2; n <= 10; n += 2) ports.link(n, line->devicePath());  // and 5 even ones
  ScanComPorts(9600, false);
  ASSERT_EQ(comPortCount, kMaxComPorts);
  EXPECT_EQ(comPorts[0], 1);
  EXPECT_EQ(comPorts[1], 2);
  EXPECT_EQ(comPorts[10], 11);
  EXPECT_EQ(comPorts[49], 89);
  EXPECT_FALSE(AddComPort(100));
  EXPECT_EQ(comPortCount, kMaxComPorts);
}

TEST_F(PortScanTest, ProbeAnswersOnlyForTheDevice) {
  devsim::Simulator device;
  device.start();
  ports.link(3, device.devicePath());
  auto silent = SilentLine();
  ports.link(2, silent->devicePath());
  auto heldLine = SilentLine();
  ports.link(7, heldLine->devicePath());
  PortHolder holder(heldLine->devicePath());
  ASSERT_TRUE(holder.held());

  EXPECT_TRUE(ProbeDevice(3, 9600));
  ASSERT_TRUE(device.waitForSentences(1, 2000));
  EXPECT_EQ(device.received()[0].raw, "$POEM06*11\r\n");
  EXPECT_EQ(device.received()[0].lineSpeed, 9600);

  auto t0 = Clock::now();
  EXPECT_FALSE(ProbeDevice(2, 9600));
  long long ms = MsSince(t0);
  EXPECT_GE(ms, 1300);
  EXPECT_LE(ms, 2600 + 1500);  // plus the end of the receive thread's read

  t0 = Clock::now();
  EXPECT_FALSE(ProbeDevice(7, 9600));   // held: fails at the open, at once
  EXPECT_FALSE(ProbeDevice(9, 9600));   // nothing there
  EXPECT_FALSE(ProbeDevice(100, 9600));
  EXPECT_LT(MsSince(t0), 1000);
  EXPECT_TRUE(heldLine->received().empty());

  // A device that talks rubbish or drops the line is no device.
  struct Case {
    const char* name;
    devsim::Misbehaviour m;
    bool answers;
  };
  devsim::Misbehaviour garbage, wrong, cut;
  garbage.garbage = std::string("\xff\x00#*", 4);
  wrong.wrongReply = "$POEM103,0,20,30,10,1,1,0*00\r\n";
  cut.hangUpAfter = 4;
  for (const Case& c : {Case{"garbage first", garbage, true}, Case{"other reply", wrong, false},
                        Case{"hang-up", cut, false}}) {
    SCOPED_TRACE(c.name);
    devsim::Simulator dev;
    dev.misbehave(c.m);
    dev.start();
    ports.link(4, dev.devicePath());
    EXPECT_EQ(ProbeDevice(4, 9600), c.answers);
  }
}

// Records what the Connect action does to the page.
class FakePage : public ConnectionPage {
 public:
  int selected = -1;
  bool autoScan = false;
  bool scanEnabled = true;
  int fills = 0;
  std::vector<std::pair<int, QString>> status;
  void SetScanEnabled(bool enabled) override { scanEnabled = enabled; }
  void ProcessMessages() override {}
  int SelectedPortIndex() const override { return selected; }
  void SetAutoScan(bool checked) override { autoScan = checked; }
  bool AutoScan() const override { return autoScan; }
  void FillComPortCombo() override { ++fills; }
  void SetStatusText(int panel, const QString& text) override { status.emplace_back(panel, text); }
  QString last(int panel) const {
    for (auto it = status.rbegin(); it != status.rend(); ++it)
      if (it->first == panel) return it->second;
    return QStringLiteral("<never>");
  }
};

class ConnectTest : public PortScanTest {
 protected:
  testenv::ProgramFolders folders{"connect"};
  TPathManager paths{folders.system()};
  ApConfig config{paths};
  StrTable strings;
  StrTable* savedStrings = nullptr;
  std::vector<int32_t> probed;

  void SetUp() override {
    fs::path lang = folders.root / "lang.txt";
    std::string text;
    for (int i = 0; i < 174; ++i) text += (i == 166 ? std::string("Not connected") : "s" + std::to_string(i)) + "\n";
    testenv::writeFile(lang, text);
    ASSERT_TRUE(strings.LoadFromFile(testenv::qpath(lang)));
    savedStrings = strTable;
    strTable = &strings;
  }
  void TearDown() override { strTable = savedStrings; }

  // A probe that answers only on `device` and records every call.
  ProbeFunction ProbeAnswering(int32_t device) {
    return [this, device](int32_t port, int32_t) {
      probed.push_back(port);
      return port == device;
    };
  }
};

TEST_F(ConnectTest, ScansAndProbesUntilTheDeviceAnswers) {
  auto silent1 = SilentLine(), silent5 = SilentLine(), heldLine = SilentLine();
  devsim::Simulator device;
  device.start();
  ports.link(1, silent1->devicePath());
  ports.link(2, heldLine->devicePath());
  ports.link(3, device.devicePath());
  ports.link(5, silent5->devicePath());
  PortHolder holder(heldLine->devicePath());
  ASSERT_TRUE(holder.held());
  comPortCount = 0;

  FakePage page;  // nothing selected: always scans
  config.AutoConnect = false;
  EXPECT_TRUE(ConnectDevice(page, config));
  EXPECT_TRUE(page.autoScan);
  EXPECT_EQ(page.fills, 2);  // after the scan, and with the port found
  EXPECT_EQ(Table(), (std::vector<int32_t>{1, 3, 5}));
  EXPECT_EQ(config.Port, 3);
  EXPECT_EQ(page.last(0), "COM 3");
  EXPECT_EQ(page.last(1), "");
  EXPECT_FALSE(page.scanEnabled);  // automatic connection is off
  const std::vector<std::pair<int, QString>> expected = {
      {0, ""}, {0, "Not connected"}, {1, "Connect COM 1 ..."}, {1, "Connect COM 3 ..."}, {0, "COM 3"}, {1, ""}};
  EXPECT_EQ(page.status, expected);
  EXPECT_EQ(silent1->received().size(), 1u);  // probed before the device
  EXPECT_TRUE(silent5->received().empty());   // never reached
  EXPECT_TRUE(heldLine->received().empty());
}

TEST_F(ConnectTest, SelectedPortCases) {
  auto line = SilentLine();
  for (int n : {2, 4, 6}) ports.link(n, line->devicePath());
  struct Case {
    const char* name;
    int selected;  // index into the table 2, 4, 6
    bool autoConnect;
    int32_t device;
    std::vector<int32_t> probes;
    int32_t port;  // configured afterwards
    const char* panel0;
    bool scanEnabled;
  };
  const Case cases[] = {
      {"selected answers", 1, true, 4, {4, 4}, 4, "COM 4", true},
      {"selected silent, no auto", 0, false, 6, {2, 2}, -1, "Not connected", false},
      {"selected silent, auto", 0, true, 6, {2, 2, 4, 6}, 6, "COM 6", true},
      {"nobody answers", 2, true, 0, {6, 2, 4, 6}, -1, "Not connected", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScanComPorts(9600, false);
    ASSERT_EQ(Table(), (std::vector<int32_t>{2, 4, 6}));
    FakePage page;
    page.selected = c.selected;
    config.AutoConnect = c.autoConnect;
    config.Port = -1;
    probed.clear();
    EXPECT_EQ(ConnectDevice(page, config, ProbeAnswering(c.device)), c.port != -1);
    EXPECT_EQ(probed, c.probes);
    EXPECT_EQ(config.Port, c.port);
    EXPECT_EQ(page.last(0), c.panel0);
    EXPECT_EQ(page.scanEnabled, c.scanEnabled);
  }
  // Nothing openable after the scan: nothing is probed.
  for (int n : {2, 4, 6}) fs::remove(ports.dir() / ("COM" + std::to_string(n)));
  FakePage page;
  probed.clear();
  EXPECT_FALSE(ConnectDevice(page, config, ProbeAnswering(2)));
  EXPECT_TRUE(probed.empty());
  EXPECT_EQ(page.last(0), "Not connected");
}

TEST_F(ConnectTest, ItemTextsAndIndexes) {
  comPortCount = 0;
  for (int32_t p : {1, 2, 12}) AddComPort(p);
  EXPECT_EQ(ComPortItemText(3), "COM 3");
  EXPECT_EQ(ComPortItemText(12), "COM 12");
  EXPECT_EQ(ComPortIndex(12), 2);
  EXPECT_EQ(ComPortIndex(3), -1);
}

}  // namespace
