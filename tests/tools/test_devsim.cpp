// The device simulator itself: its state files, its file-phase hook, what it
// ignores, and the program a person runs.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "Nmea.h"
#include "Portsandbox.h"
#include "Portscan.h"
#include "Serial.h"
#include "Simulator.h"
#include "Testenv.h"

extern char** environ;

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

namespace {

// A big log for long downloads: the whole blocks of the log held, again and
// again, then empty blocks to the size.
TEST(DeviceState, GrowsTheTrackLog) {
  devsim::DeviceState s;
  std::string& log = s.file(devsim::DeviceFile::TrackLog);
  log = std::string(4096, 'a') + std::string(4096, 'b') + "tail";
  s.GrowTrackLog(20000);
  ASSERT_EQ(log.size(), 20000u);
  EXPECT_EQ(log.substr(0, 8192 + 4), std::string(4096, 'a') + std::string(4096, 'b') + "tail");
  EXPECT_EQ(log.substr(8196, 8192), std::string(4096, 'a') + std::string(4096, 'b'));
  EXPECT_EQ(log.substr(16388), std::string(20000 - 16388, '\xFF'));
  devsim::DeviceState empty;
  empty.GrowTrackLog(5000);
  EXPECT_EQ(empty.file(devsim::DeviceFile::TrackLog), std::string(5000, '\xFF'));
}

TEST(DeviceState, SavesAndLoadsEverything) {
  fs::path dir = testenv::scratchDir("devstate");
  devsim::DeviceState s;
  s.logger = {3, 100, 5, 42.5};
  s.device = {4, 50, 255, 60, -12, 12, 1};
  s.file(devsim::DeviceFile::Destinations) = std::string("MGI\0\1", 5);
  s.file(devsim::DeviceFile::TrackLog) = std::string(5000, '\xee');
  s.Save(dir);
  devsim::DeviceState t = devsim::DeviceState::Load(dir);
  EXPECT_EQ(t.logger.time, 3);
  EXPECT_EQ(t.logger.distance, 100);
  EXPECT_EQ(t.logger.speed, 5);
  EXPECT_EQ(t.logger.memoryUsed, 42.5);
  EXPECT_EQ(t.device.language, 4);
  EXPECT_EQ(t.device.homeZone, -12);
  EXPECT_EQ(t.device.localZone, 12);
  EXPECT_EQ(t.device.lengthUnit, 1);
  EXPECT_EQ(t.files, s.files);

  // A hand-written file: comments, blanks, some keys; the rest keeps defaults.
  fs::path hand = testenv::scratchDir("devstate-hand");
  testenv::writeFile(hand / "device.txt", "# my device\n\nlogger.memory = 7.25\r\ndevice.backlight=10\n");
  t = devsim::DeviceState::Load(hand);
  EXPECT_EQ(t.logger.memoryUsed, 7.25);
  EXPECT_EQ(t.device.backlight, 10);
  EXPECT_EQ(t.logger.time, devsim::LoggerSettings().time);

  for (const char* bad : {"logger.time = five\n", "colour = red\n", "just text\n"}) {
    testenv::writeFile(hand / "device.txt", bad);
    EXPECT_THROW(devsim::DeviceState::Load(hand), std::runtime_error) << bad;
  }
}

// A file phase that records what it was asked and moves a few bytes.
class FakePhase : public devsim::FilePhase {
 public:
  std::atomic<int> speedSeen{0};
  std::atomic<int> calls{0};
  // Like a real sender it waits for the receiver's start byte: anything sent
  // earlier would fall into the purge of the program's reopen.
  bool sendFile(devsim::FileLink& link, devsim::DeviceFile, const std::string& data) override {
    speedSeen = link.lineSpeed();
    ++calls;
    char start = 0;
    if (link.read(&start, 1, 3000) != 1) return false;
    return link.write(data.data(), data.size());
  }
  bool receiveFile(devsim::FileLink& link, devsim::DeviceFile, std::string& data) override {
    speedSeen = link.lineSpeed();
    ++calls;
    char buf[64];
    while (data.find("END") == std::string::npos) {
      long n = link.read(buf, sizeof buf, 3000);
      if (n <= 0) return false;
      data.append(buf, static_cast<size_t>(n));
    }
    data.resize(data.find("END"));
    return true;
  }
};

class SimulatorTest : public ::testing::Test {
 protected:
  testenv::PortSandbox ports{"devsim"};
  fs::path stateDir = testenv::scratchDir("devsim-state");
  devsim::Options options() {
    devsim::Options o;
    o.stateDir = stateDir;
    return o;
  }
  devsim::Simulator sim{devsim::DeviceState(), options()};
  std::shared_ptr<FakePhase> phase = std::make_shared<FakePhase>();
  Serial serial;
  std::vector<char> buffer = std::vector<char>(1024, 0);

  void SetUp() override {
    devsim::DeviceState st;
    st.file(devsim::DeviceFile::Route) = "ROUTE-BYTES";
    sim.setState(st);
    sim.setFilePhase(phase);
    ports.link(5, sim.devicePath());
    sim.start();
    serial.Open(5, 9600);
  }
  bool command(const std::string& cmd) {
    Nmea channel(&serial, buffer.data(), 1024);
    return channel.SendCommand(cmd, "POEM200,12", 1500);
  }
};

TEST_F(SimulatorTest, UploadGoesToTheFilePhaseAfterTheSwitchTo115200) {
  ASSERT_TRUE(command("POEM12,11"));
  serial.Reopen(115200);
  const std::string payload = "NEW-ROUTEEND";
  serial.Write(payload.data(), static_cast<int32_t>(payload.size()));
  auto deadline = Clock::now() + milliseconds(5000);
  while (sim.state().file(devsim::DeviceFile::Route) != "NEW-ROUTE" && Clock::now() < deadline)
    std::this_thread::sleep_for(milliseconds(10));
  EXPECT_EQ(sim.state().file(devsim::DeviceFile::Route), "NEW-ROUTE");
  EXPECT_EQ(phase->speedSeen.load(), 115200);
  EXPECT_EQ(testenv::readFile(stateDir / "route.dat"), "NEW-ROUTE");
}

TEST_F(SimulatorTest, DownloadComesFromTheFilePhase) {
  ASSERT_TRUE(command("POEM12,12"));
  serial.Reopen(115200);
  serial.Write("C", 1);
  std::string got;
  char buf[64];
  for (int i = 0; i < 5 && got.size() < 11; ++i) {
    int32_t n = serial.Read(buf, static_cast<int32_t>(11 - got.size()));
    got.append(buf, static_cast<size_t>(n));
  }
  EXPECT_EQ(got, "ROUTE-BYTES");
  EXPECT_EQ(phase->calls.load(), 1);
}

TEST_F(SimulatorTest, IgnoresDamagedAndUnknownSentences) {
  const char* ignored[] = {
      "$POEM06*12\r\n",                 // wrong checksum
      "$POEM14,0*0E\r\n",               // upper-case digits
      "$POEM06\r\n",                    // no checksum
      "$POEM99*17\r\n",                 // not a command
      "$POEM12,99*38\r\n",              // no such file
      "$POEM02,a,0,1,0,1,0,1*59\r\n",   // not numbers
  };
  std::string all;
  for (const char* s : ignored) all += s;
  // Then one good probe: its reply must be the first thing that comes back.
  all += "$POEM06*11\r\n";
  serial.Write(all.data(), static_cast<int32_t>(all.size()));
  ASSERT_TRUE(sim.waitForSentences(7, 3000));
  std::string got;
  char c = 0;
  while (got.size() < 8 && serial.Read(&c, 1) == 1) got += c;
  EXPECT_EQ(got, "$POEM101");
  std::vector<devsim::Received> r = sim.received();
  EXPECT_FALSE(r[0].checksumOk);
  EXPECT_FALSE(r[1].checksumOk);
  for (int i = 3; i < 7; ++i) EXPECT_TRUE(r[i].checksumOk) << r[i].raw;
  EXPECT_EQ(phase->calls.load(), 0);
}

// A pair of linked pseudo-terminals made by socat, for the simulator's
// "talk on this node" mode.
class SocatPair {
 public:
  explicit SocatPair(const fs::path& dir) : a((dir / "A").string()), b((dir / "B").string()) {
    std::string left = "pty,raw,echo=0,link=" + a, right = "pty,raw,echo=0,link=" + b;
    const char* argv[] = {"socat", left.c_str(), right.c_str(), nullptr};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid_, "socat", &fa, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    for (int i = 0; i < 500 && pid_ > 0 && !(fs::exists(a) && fs::exists(b)); ++i)
      std::this_thread::sleep_for(milliseconds(10));
  }
  ~SocatPair() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool ready() const { return fs::exists(a) && fs::exists(b); }
  std::string a, b;

 private:
  pid_t pid_ = -1;
};

TEST(SimulatorOnANode, AnswersAndSwitchesItsOwnLineForFiles) {
  testenv::PortSandbox ports("devsim-node");
  SocatPair pair(ports.dir());
  ASSERT_TRUE(pair.ready());
  devsim::Options o;
  o.devicePath = pair.a;
  devsim::DeviceState st;
  st.file(devsim::DeviceFile::Waypoints) = "WPT";
  devsim::Simulator sim(st, o);
  auto phase = std::make_shared<FakePhase>();
  sim.setFilePhase(phase);
  sim.start();
  ports.link(6, pair.b);
  EXPECT_TRUE(ProbeDevice(6, 9600));

  Serial serial;
  serial.Open(6, 9600);
  std::vector<char> buffer(1024, 0);
  {
    Nmea channel(&serial, buffer.data(), 1024);
    ASSERT_TRUE(channel.SendCommand("POEM12,2", "POEM200,12", 1500));
  }
  serial.Reopen(115200);
  serial.Write("C", 1);
  std::string got;
  char buf[8];
  for (int i = 0; i < 5 && got.size() < 3; ++i) {
    int32_t n = serial.Read(buf, static_cast<int32_t>(3 - got.size()));
    got.append(buf, static_cast<size_t>(n));
  }
  EXPECT_EQ(got, "WPT");
  EXPECT_EQ(phase->speedSeen.load(), 115200);
}

// The program a person runs, started as a process.
class SimulatorProgram {
 public:
  SimulatorProgram(const fs::path& ports, const std::vector<std::string>& extra) {
    std::vector<std::string> args = {DEVSIM_PROGRAM, "--ports", ports.string(), "--com", "4"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    if (posix_spawn(&pid_, DEVSIM_PROGRAM, &fa, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    out_ = fdopen(out[0], "r");
    char line[512] = {};
    if (out_ && fgets(line, sizeof line, out_)) ready_ = line;
  }
  ~SimulatorProgram() { stop(); }
  int stop() {
    if (pid_ <= 0) return status_;
    kill(pid_, SIGTERM);
    int st = 0;
    waitpid(pid_, &st, 0);
    pid_ = -1;
    if (out_) fclose(out_);
    out_ = nullptr;
    status_ = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return status_;
  }
  const std::string& ready() const { return ready_; }

 private:
  pid_t pid_ = -1;
  FILE* out_ = nullptr;
  std::string ready_;
  int status_ = -1;
};

TEST(SimulatorProgramTest, PlaysTheDeviceOnALinkedPort) {
  testenv::PortSandbox ports("devsim-program");
  fs::path state = testenv::scratchDir("devsim-program-state");
  testenv::writeFile(state / "device.txt", "logger.time = 9\nlogger.memory = 12.5\n");
  struct Case {
    std::vector<std::string> args;
    bool answers;
  };
  const Case cases[] = {
      {{"--state", state.string()}, true},
      {{"--garbage", "\\x00\\xffnoise*\\r\\n"}, true},
      {{"--silent"}, false},
      {{"--wrong", "$POEM1*00\\r\\n", "--times", "5"}, false},
      {{"--slow-final-ack", "60"}, true},
      {{"--log-size", "2"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    SimulatorProgram prog(ports.dir(), c.args);
    ASSERT_EQ(prog.ready().rfind("ready COM4 ", 0), 0u) << prog.ready();
    EXPECT_EQ(ProbeDevice(4, 9600), c.answers);
    EXPECT_EQ(prog.stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(ports.dir() / "COM4")));
  }
  // The state file's settings are what the device reports.
  SimulatorProgram prog(ports.dir(), {"--state", state.string()});
  Serial s;
  s.Open(4, 9600);
  std::vector<char> buffer(1024, 0);
  Nmea channel(&s, buffer.data(), 1024);
  ASSERT_TRUE(channel.SendCommand("POEM06", "POEM101", 1500));
  EXPECT_STREQ(buffer.data(), "POEM101,9,0,10,0,0,0,1,12.5");
}

TEST(SimulatorProgramTest, RefusesBadArguments) {
  for (std::vector<std::string> args : {std::vector<std::string>{"--com", "100"},
                                        {"--garbage", "\\q"}, {"--bogus"},
                                        {"--slow-final-ack", "-1"}, {"--log-size", "x"}}) {
    testenv::PortSandbox ports("devsim-bad");
    SimulatorProgram prog(ports.dir(), args);
    EXPECT_EQ(prog.ready(), "");
    EXPECT_EQ(prog.stop(), 2) << args[0];
  }
}

}  // namespace
