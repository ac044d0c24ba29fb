// The worker of the device tasks against the simulator: the command of every
// row of the task table, the reply in the buffer, the file transfers and the
// one message that ends each task, also when something fails.
#include "Apexception.h"
#include "Portsandbox.h"
#include "Serial.h"
#include "Simulator.h"
#include "Simxmodem.h"
#include "Testenv.h"
#include "Transfertest.h"
#include "Worktask.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <filesystem>

using namespace transfertest;
namespace fs = std::filesystem;
using devsim::DeviceFile;

namespace {

constexpr int kPort = 4;

size_t ThreadCount() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/task")) ++n;
  return n;
}

class WorkTaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    devsim::DeviceState st;
    st.logger = {5, 10, 0, 35.5};
    st.device = {2, 20, 255, 30, -5, 1, 1};
    sim.setState(st);
    phase = std::make_shared<devsim::SimXmodem>();
    phase->ReplyTimeout = 1000;
    phase->MaxRetries = 3;
    sim.setFilePhase(phase);
    ports.link(kPort, sim.devicePath());
    sim.start();
    serial.Open(kPort, 9600);
    dir = testenv::scratchDir("worktask");
  }

  // Runs one task to its end and returns what it posted.
  std::vector<Message> Run(int code, const std::string& paramText = "", const std::string* file = nullptr) {
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, paramText.data(), paramText.size());
    WorkTaskParams p;
    p.NotifyWindow = &window;
    p.Port = &serial;
    p.Buffer = buffer;
    p.BufferSize = sizeof buffer;
    p.FileName = file;
    p.Timing = FastTiming();
    {
      WorkTask worker(code, p);
      worker.WaitFor();
      failure = worker.Failure();
    }
    window.messages.clear();
    window.Collect();
    return window.messages;
  }
  static std::vector<Message> Done(const std::vector<Message>& all) {
    std::vector<Message> out;
    for (const auto& m : all)
      if (m.msg != WM_TRANSFER_STATE) out.push_back(m);
    return out;
  }

  testenv::PortSandbox ports{"worktask"};
  devsim::Simulator sim;
  std::shared_ptr<devsim::SimXmodem> phase;
  Serial serial;
  Recorder window;
  TaskFailure failure = tfNone;  // the last task's
  char buffer[1024];
  fs::path dir;
};

TEST_F(WorkTaskTest, CommandTasks) {
  struct Case {
    int code;
    const char* param;
    const char* sent;   // sentence body the device got; "" for none
    const char* reply;  // the buffer afterwards (its beginning)
  };
  const Case cases[] = {
      {wtGetLoggerConfig, "", "POEM06", "POEM101,5,0,10,0,0,0,1,35.5"},
      {wtGetDeviceConfig, "", "POEM14,0", "POEM103,2,20,255,30,-5,1,1"},
      {wtSetLoggerConfig, ",7,0,25,0,3,0,1", "POEM02,7,0,25,0,3,0,1", "PKRV200,02"},
      {wtSetDeviceConfig, ",1,40,128,15,2,3,0", "POEM14,1,1,40,128,15,2,3,0", "PKRV200,01"},
      {wtReserved, "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sent);
    sim.clearReceived();
    auto messages = Run(c.code, c.param);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].msg, WM_TASK_COMMAND_DONE);
    EXPECT_EQ(messages[0].wParam, 0u);
    auto got = sim.received();
    if (*c.sent) {
      ASSERT_EQ(got.size(), 1u);
      EXPECT_EQ(got[0].body, c.sent);
      EXPECT_TRUE(got[0].checksumOk);
      EXPECT_STREQ(buffer, c.reply);
    } else {
      EXPECT_TRUE(got.empty());  // the empty entry writes nothing
    }
  }
  // The set tasks reached the device.
  EXPECT_EQ(sim.state().logger.time, 7);
  EXPECT_EQ(sim.state().logger.distance, 25);
  EXPECT_EQ(sim.state().device.backlight, 128);
}

TEST_F(WorkTaskTest, FileTasks) {
  struct Case {
    int code;
    const char* sent;
    DeviceFile file;
    bool upload;
  };
  const Case cases[] = {
      {wtUploadDestinations, "POEM12,3", DeviceFile::Destinations, true},
      {wtDownloadDestinations, "POEM12,1", DeviceFile::Destinations, false},
      {wtUploadWaypoints, "POEM12,4", DeviceFile::Waypoints, true},
      {wtDownloadWaypoints, "POEM12,2", DeviceFile::Waypoints, false},
      {wtUploadRoute, "POEM12,11", DeviceFile::Route, true},
      {wtDownloadRoute, "POEM12,12", DeviceFile::Route, false},
      {wtDownloadTrackLog, "POEM12,14", DeviceFile::TrackLog, false},
  };
  int transfers = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sent);
    sim.clearReceived();
    serial.Reopen(9600);  // each task starts at the configured rate
    const std::string path = (dir / (std::string("t") + std::to_string(c.code))).string();
    const std::string data = Pattern(c.upload ? 1025 : 3000, static_cast<unsigned>(c.code));
    if (c.upload) {
      testenv::writeFile(path, data);
    } else {
      auto st = sim.state();
      st.file(c.file) = data;
      sim.setState(st);
    }
    auto messages = Run(c.code, "", &path);
    // The device ended its side well too: a download's last ACK reached it.
    ASSERT_TRUE(phase->WaitForTransfers(++transfers, 20000));
    EXPECT_EQ(phase->Succeeded.load(), transfers);
    auto got = sim.received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].body, c.sent);
    EXPECT_EQ(got[0].lineSpeed, 9600);
    EXPECT_EQ(sim.lineSpeed(), 115200);  // the transfer ran at 115200 baud

    auto done = Done(messages);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].msg, c.upload ? WM_TASK_SEND_DONE : WM_TASK_RECEIVE_DONE);
    EXPECT_EQ(done[0].wParam, 0u);
    EXPECT_EQ(messages.back().msg, done[0].msg);  // the phases come before it
    const size_t blocks = c.upload ? 2 : 3;
    std::vector<int> states;
    for (const auto& m : messages)
      if (m.msg == WM_TRANSFER_STATE) states.push_back(static_cast<int>(m.wParam));
    EXPECT_EQ(states.front(), tsStart);
    EXPECT_EQ(states.back(), tsEnd);
    EXPECT_EQ(std::count(states.begin(), states.end(), tsBlockOk), static_cast<long>(blocks));
    if (c.upload)
      EXPECT_TRUE(sim.state().file(c.file) == PadTo(data, blocks, '\xFF'));
    else
      EXPECT_TRUE(testenv::readFile(path) == PadTo(data, blocks, static_cast<char>(devsim::SimXmodem::PadByte)));
  }
}

TEST_F(WorkTaskTest, EveryFailureEndsInOneFailureMessage) {
  const std::string missing = (dir / "missing.bin").string();
  const std::string target = (dir / "down.bin").string();
  struct Case {
    const char* what;
    int code;
    const std::string* file;
    bool silent;      // the device does not answer the command
    bool cancel;      // the device cancels the transfer at block 2
    unsigned message;
    TaskFailure cause;
  };
  const Case cases[] = {
      {"no reply to a set", wtSetLoggerConfig, nullptr, true, false, WM_TASK_COMMAND_DONE, tfNoReply},
      {"no reply to a get", wtGetDeviceConfig, nullptr, true, false, WM_TASK_COMMAND_DONE, tfNoReply},
      {"no reply to an upload", wtUploadRoute, &missing, true, false, WM_TASK_SEND_DONE, tfNoReply},
      {"no reply to a download", wtDownloadRoute, &target, true, false, WM_TASK_RECEIVE_DONE, tfNoReply},
      {"download cancelled", wtDownloadTrackLog, &target, false, true, WM_TASK_RECEIVE_DONE, tfDeviceCancelled},
      // last: the device keeps waiting for the file a while
      {"upload of a missing file", wtUploadWaypoints, &missing, false, false, WM_TASK_SEND_DONE, tfFileRead},
  };
  auto st = sim.state();
  st.file(DeviceFile::TrackLog) = Pattern(5000);
  sim.setState(st);
  const size_t threads = ThreadCount();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    serial.Reopen(9600);
    if (c.silent) {
      devsim::Misbehaviour m;
      m.silent = true;
      m.count = 1;
      sim.misbehave(m);
    }
    devsim::XmodemFaults f;
    f.CancelAtBlock = c.cancel ? 2 : 0;
    auto device = std::make_shared<devsim::SimXmodem>(f);
    device->PacketTimeout = 1000;
    device->MaxRetries = 2;
    sim.setFilePhase(device);
    auto done = Done(Run(c.code, "", c.file));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].msg, c.message);
    EXPECT_EQ(done[0].wParam, 1u);
    EXPECT_EQ(done[0].lParam, 0);
    EXPECT_EQ(failure, c.cause);
    if (c.cancel) {
      EXPECT_EQ(fs::file_size(target), 1024u);  // kept as far as it came
    }
    sim.behave();
  }
  // Not equal: a thread of an earlier test may still have been ending when
  // the count was taken. What matters is that none is left behind.
  EXPECT_LE(ThreadCount(), threads);
}

TEST_F(WorkTaskTest, ClosedPortGivesTheTasksFailureMessage) {
  serial.Close();
  const std::string file = (dir / "x").string();
  const std::pair<int, unsigned> cases[] = {{wtGetLoggerConfig, WM_TASK_COMMAND_DONE},
                                            {wtUploadDestinations, WM_TASK_SEND_DONE},
                                            {wtDownloadWaypoints, WM_TASK_RECEIVE_DONE}};
  for (auto [code, message] : cases) {
    auto done = Done(Run(code, "", &file));
    ASSERT_EQ(done.size(), 1u) << code;
    EXPECT_EQ(done[0].msg, message);
    EXPECT_EQ(done[0].wParam, 1u);
    EXPECT_EQ(failure, tfLineLost) << code;
  }
}

TEST_F(WorkTaskTest, ALineThatDiesBeforeTheCommandReportsTheSerialCode) {
  sim.hangUpNow();
  // The simulator's thread closes the line; wait until it has.
  for (int i = 0; i < 1000 && sim.hangUps() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_EQ(sim.hangUps(), 1);
  auto done = Done(Run(wtGetLoggerConfig));
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].msg, WM_TASK_COMMAND_DONE);
  EXPECT_EQ(done[0].wParam, 1u);
  // The write fails in the port, or the receive thread found the line dead first.
  EXPECT_TRUE(done[0].lParam == seWriteFile || done[0].lParam == seNotOpen)
      << done[0].lParam;
  EXPECT_EQ(failure, tfLineLost);
}

TEST(WorkTaskReply, SplitReply) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"POEM101,5,,10", {"POEM101", "5", "", "10"}},
      {"POEM103,2,20,255,30,-5,1,1", {"POEM103", "2", "20", "255", "30", "-5", "1", "1"}},
      {"PKRV200,02", {"PKRV200", "02"}},
      {",", {"", ""}},
      {"", {""}},
      {" a , b", {" a ", " b"}},
  };
  std::vector<std::string> reply{"stale"};
  for (const auto& [text, parts] : cases) {
    SplitReply(reply, text);
    EXPECT_EQ(reply, parts) << text;
  }
}

}  // namespace
