// The serial port against the device simulator on a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "Apexception.h"
#include "Portsandbox.h"
#include "Ptylink.h"
#include "Serial.h"
#include "Simulator.h"
#include "Testenv.h"

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

namespace {

// Runs f and returns the SerialException it throws (Code -100 when none).
template <typename F>
SerialException Thrown(F f) {
  try {
    f();
  } catch (const SerialException& e) {
    return e;
  }
  return SerialException(-100, 0);
}

long long MsSince(Clock::time_point t) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - t).count();
}

class SerialTest : public ::testing::Test {
 protected:
  testenv::PortSandbox ports{"serial"};
  devsim::Simulator sim;
  void SetUp() override { sim.start(); }
};

TEST_F(SerialTest, PortNumbers) {
  // A link exists for every number, so only the number itself decides.
  for (int n : {1, 9, 10, 99, 100, 0}) ports.link(n, sim.devicePath());
  fs::path plainFile = ports.dir() / "plain";
  testenv::writeFile(plainFile, "not a terminal");
  ports.link(5, plainFile);
  ports.link(6, ports.dir() / "missing");

  struct Case {
    int port;
    int baud;
    int code;  // 0: opens
  };
  const Case cases[] = {
      {1, 9600, 0},         {9, 9600, 0},       {10, 9600, 0},
      {99, 115200, 0},      {100, seOpenFailed, seOpenFailed},
      {-1, 9600, seOpenFailed}, {0, 9600, seOpenFailed},
      {6, 9600, seOpenFailed},  {7, 9600, seOpenFailed},  // dangling, unmapped
      {5, 9600, seGetCommState}, {9, 12345, seSetCommState},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("port " + std::to_string(c.port) + " baud " + std::to_string(c.baud));
    Serial s;
    SerialException e = Thrown([&] { s.Open(c.port, c.baud == seOpenFailed ? 9600 : c.baud); });
    if (c.code == 0) {
      EXPECT_EQ(e.Code, -100);
      EXPECT_TRUE(s.IsOpen());
      EXPECT_EQ(s.Port(), c.port);
      s.Close();
    } else {
      EXPECT_EQ(e.Code, c.code);
      EXPECT_EQ(e.Value, c.port);
      EXPECT_STREQ(e.what(), "");
      // A failed open leaves the object closed and ready for another try.
      EXPECT_FALSE(s.IsOpen());
      EXPECT_EQ(s.Handle(), -1);
      EXPECT_NO_THROW(s.Open(1, 9600));
    }
  }
}

TEST_F(SerialTest, OpenTwice) {
  ports.link(3, sim.devicePath());
  Serial a;
  a.Open(3, 9600);
  int handle = a.Handle();

  SerialException again = Thrown([&] { a.Open(3, 115200); });
  EXPECT_EQ(again.Code, seAlreadyOpen);
  EXPECT_EQ(again.Value, 3);
  EXPECT_EQ(a.Handle(), handle);
  EXPECT_EQ(sim.lineSpeed(), 9600);  // untouched

  // The port is held: a second object cannot have it.
  Serial b;
  SerialException held = Thrown([&] { b.Open(3, 9600); });
  EXPECT_EQ(held.Code, seOpenFailed);
  EXPECT_EQ(held.Value, 3);

  // The first object still works, and once it lets go the port is free.
  std::string cmd = "$POEM06*11\r\n";
  EXPECT_EQ(a.Write(cmd.data(), static_cast<int>(cmd.size())), static_cast<int>(cmd.size()));
  ASSERT_TRUE(sim.waitForSentences(1, 5000));
  a.Close();
  EXPECT_NO_THROW(b.Open(3, 9600));
}

TEST_F(SerialTest, ClosedPortCalls) {
  Serial s;
  char c = 0;
  const std::pair<const char*, std::function<void()>> calls[] = {
      {"Read", [&] { s.Read(&c, 1); }},
      {"Write", [&] { s.Write(&c, 1); }},
      {"Purge", [&] { s.Purge(); }},
      {"GetBytesWaiting", [&] { s.GetBytesWaiting(); }},
  };
  ports.link(2, sim.devicePath());
  for (int round = 0; round < 2; ++round) {
    for (const auto& [name, call] : calls) {
      SCOPED_TRACE(name);
      SerialException e = Thrown(call);
      EXPECT_EQ(e.Code, seNotOpen);
      EXPECT_EQ(e.Value, 0);
    }
    EXPECT_NO_THROW(s.Close());
    EXPECT_NO_THROW(s.Close());
    // Second round: after an open and a close.
    s.Open(2, 9600);
    s.Close();
  }
}

TEST_F(SerialTest, SilentReadReturnsNothingAfterAboutASecond) {
  ports.link(4, sim.devicePath());
  Serial s;
  s.Open(4, 9600);
  char c = 'x';
  auto t0 = Clock::now();
  EXPECT_EQ(s.Read(&c, 1), 0);
  long long ms = MsSince(t0);
  EXPECT_GE(ms, 950);
  EXPECT_LT(ms, 3000);
  EXPECT_EQ(c, 'x');
  EXPECT_TRUE(s.IsOpen());
}

TEST_F(SerialTest, BytesTravelBothWaysUnchanged) {
  ports.link(4, sim.devicePath());
  Serial s;
  s.Open(4, 9600);
  // Bytes a cooked line would change or swallow: NUL, CR, LF, ^C, ^S, 0xFF.
  const std::string bytes("A\0\r\n\x03\x13\x11\xff\x7f" "B", 10);
  ASSERT_TRUE(sim.send(bytes));
  int32_t waiting = 0;
  for (int i = 0; i < 200 && waiting < 10; ++i) {
    waiting = s.GetBytesWaiting();
    if (waiting < 10) std::this_thread::sleep_for(milliseconds(10));
  }
  EXPECT_EQ(waiting, 10);
  char buf[16] = {};
  EXPECT_EQ(s.Read(buf, 16), 10);  // the interval time-out ends the read
  EXPECT_EQ(std::string(buf, 10), bytes);

  // And the device receives what we write, byte for byte.
  const std::string cmd = std::string("$POEM14,0*0e\r\n");
  EXPECT_EQ(s.Write(cmd.data(), static_cast<int>(cmd.size())), static_cast<int>(cmd.size()));
  ASSERT_TRUE(sim.waitForSentences(1, 5000));
  EXPECT_EQ(sim.received()[0].raw, cmd);
}

TEST_F(SerialTest, PurgeDropsWhatWaits) {
  ports.link(4, sim.devicePath());
  Serial s;
  s.Open(4, 9600);
  ASSERT_TRUE(sim.send("garbage"));
  for (int i = 0; i < 200 && s.GetBytesWaiting() < 7; ++i) std::this_thread::sleep_for(milliseconds(10));
  ASSERT_EQ(s.GetBytesWaiting(), 7);
  s.Purge();
  EXPECT_EQ(s.GetBytesWaiting(), 0);
}

// What was written just before a close or a reopen still reaches a peer
// that reads it late; what was received and not read is gone.
TEST(SerialClose, WrittenBytesOutliveTheCloseAndReceivedOnesDoNot) {
  testenv::PortSandbox ports{"serialclose"};
  testenv::PtyLink line(ports.dir(), 3);
  Serial s;
  for (bool reopen : {false, true}) {
    for (int i = 0; i < 50; ++i) {
      SCOPED_TRACE(testing::Message() << (reopen ? "reopen " : "close ") << i);
      if (!s.IsOpen()) s.Open(3, 115200);
      ASSERT_TRUE(line.write("in", 2));
      for (int w = 0; w < 200 && s.GetBytesWaiting() < 2; ++w) std::this_thread::sleep_for(milliseconds(1));
      const char ack = 0x06;
      ASSERT_EQ(s.Write(&ack, 1), 1);
      if (reopen)
        s.Reopen(9600);
      else
        s.Close();
      std::this_thread::sleep_for(milliseconds(2));
      char got = 0;
      ASSERT_EQ(line.read(&got, 1, 1000), 1);
      EXPECT_EQ(got, ack);
      if (!s.IsOpen()) s.Open(3, 115200);
      EXPECT_EQ(s.GetBytesWaiting(), 0);
    }
  }
}

TEST_F(SerialTest, ReopenSwitchesTheLineRate) {
  ports.link(8, sim.devicePath());
  Serial s;
  s.Open(8, 9600);
  EXPECT_EQ(sim.lineSpeed(), 9600);
  s.Reopen(115200);
  EXPECT_TRUE(s.IsOpen());
  EXPECT_EQ(s.Port(), 8);
  EXPECT_EQ(sim.lineSpeed(), 115200);
  s.Reopen(9600);
  EXPECT_EQ(sim.lineSpeed(), 9600);
}

TEST_F(SerialTest, HangUpFailsTheCallAndLeavesThePortFailed) {
  ports.link(4, sim.devicePath());
  char c = 0;
  struct Case {
    const char* name;
    std::function<void(Serial&)> call;
    int code;
  };
  const Case cases[] = {
      {"read", [&](Serial& s) { s.Read(&c, 1); }, seReadFile},
      {"write", [&](Serial& s) { s.Write("$POEM06*11\r\n", 12); }, seWriteFile},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    devsim::Options o;
    o.relinkAfterHangUp = true;  // a fresh line for each case
    devsim::Simulator dev(devsim::DeviceState(), o);
    dev.linkAs(ports.dir(), 4);
    dev.start();
    Serial s;
    s.Open(4, 9600);
    dev.hangUpNow();
    SerialException e = Thrown([&] {
      // The call that runs when the line drops, or one of the next, fails.
      for (int i = 0; i < 500; ++i) {
        k.call(s);
        std::this_thread::sleep_for(milliseconds(10));
      }
    });
    EXPECT_EQ(e.Code, k.code);
    EXPECT_FALSE(s.IsOpen());
    // The descriptor stays until Close, so that another thread's calls cannot
    // reach a reused one; every later call says the port is not open.
    EXPECT_NE(s.Handle(), -1);
    EXPECT_EQ(Thrown([&] { s.Write(&c, 1); }).Code, seNotOpen);
    EXPECT_EQ(Thrown([&] { s.Read(&c, 1); }).Code, seNotOpen);
    EXPECT_EQ(Thrown([&] { s.GetBytesWaiting(); }).Code, seNotOpen);
    s.Close();
    EXPECT_EQ(s.Handle(), -1);
    // The link leads to the device's new line, which opens again.
    ASSERT_TRUE(dev.waitForHangUps(1, 5000));
    EXPECT_NO_THROW(s.Open(4, 9600));
  }
}

}  // namespace
