// The command channel and its receive thread against the device simulator.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "Apexception.h"
#include "Nmea.h"
#include "Portsandbox.h"
#include "Serial.h"
#include "Simulator.h"

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

namespace {

// The text with its terminating zero.
std::string Z(const std::string& s) { return s + std::string(1, '\0'); }

long long MsSince(Clock::time_point t) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - t).count();
}

size_t ThreadCount() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/task")) ++n;
  return n;
}

class NmeaTest : public ::testing::Test {
 protected:
  testenv::PortSandbox ports{"nmea"};
  devsim::Simulator sim;
  Serial serial;
  std::vector<char> buffer = std::vector<char>(1024, '#');

  void SetUp() override {
    devsim::DeviceState st;
    st.logger = {5, 10, 0, 35.5};
    st.device = {2, 20, 255, 30, -5, 1, 1};
    sim.setState(st);
    ports.link(3, sim.devicePath());
    sim.start();
    serial.Open(3, 9600);
  }
  std::string reply() const { return std::string(buffer.data()); }
};

TEST(NmeaChecksum, IsTheXorOfTheBytes) {
  const std::pair<std::string, uint8_t> cases[] = {
      {"", 0x00}, {"POEM06", 0x11}, {"POEM14,0", 0x0e}, {"A", 0x41}, {"\xff\x0f", 0xf0}};
  for (const auto& [text, sum] : cases)
    EXPECT_EQ(Nmea::Checksum(text.data(), static_cast<int32_t>(text.size())), sum) << text;
}

TEST_F(NmeaTest, DeviceTaskCommandsAreFramedAndAnswered) {
  struct Case {
    std::string command, expected, reply;
  };
  const Case cases[] = {
      {"POEM06", "POEM101", "POEM101,5,0,10,0,0,0,1,35.5"},
      {"POEM14,0", "POEM103", "POEM103,2,20,255,30,-5,1,1"},
      {"POEM14,1,3,30,10,0,1,0,0", "PKRV200,01", "PKRV200,01"},
      {"POEM02,5,0,5,0,0,0,1", "PKRV200,02", "PKRV200,02"},
      {"POEM12,3", "POEM200,12", "POEM200,12"},
      {"POEM12,1", "POEM200,12", "POEM200,12"},
      {"POEM12,4", "POEM200,12", "POEM200,12"},
      {"POEM12,2", "POEM200,12", "POEM200,12"},
      {"POEM12,11", "POEM200,12", "POEM200,12"},
      {"POEM12,12", "POEM200,12", "POEM200,12"},
      {"POEM12,14", "POEM200,12", "POEM200,12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    sim.clearReceived();
    {
      Nmea channel(&serial, buffer.data(), 1024);
      EXPECT_TRUE(channel.SendCommand(c.command, c.expected, 1500));
      EXPECT_EQ(reply(), c.reply);
    }
    ASSERT_TRUE(sim.waitForSentences(1, 2000));
    devsim::Received r = sim.received().at(0);
    EXPECT_EQ(r.body, c.command);
    EXPECT_TRUE(r.checksumOk) << r.raw;
    EXPECT_TRUE(r.crlf);
    EXPECT_EQ(r.raw.size(), c.command.size() + 6);
    EXPECT_EQ(r.lineSpeed, 9600);
  }
  // Two framings worked out by hand.
  sim.clearReceived();
  for (const char* cmd : {"POEM06", "POEM14,0"}) {
    Nmea channel(&serial, buffer.data(), 1024);
    channel.SendCommand(cmd, "", 1500);
  }
  ASSERT_TRUE(sim.waitForSentences(2, 2000));
  EXPECT_EQ(sim.received()[0].raw, "$POEM06*11\r\n");
  EXPECT_EQ(sim.received()[1].raw, "$POEM14,0*0e\r\n");
  // The settings commands changed the device.
  EXPECT_EQ(sim.state().device.language, 3);
  EXPECT_EQ(sim.state().logger.distance, 5);
}

// What the device sends back in place of its reply, and what the channel
// makes of it while it waits for "POEM101".
TEST_F(NmeaTest, RepliesAreMatchedByPrefix) {
  const std::string overlong = "$POEM101," + std::string(2000, 'x') + "*00\r\n";
  const std::string exact = std::string("POEM101,") + std::string(1023 - 8, 'y');  // fills the buffer
  struct Case {
    const char* name;
    std::string stream;
    bool match;
    std::string reply;  // what the buffer begins with, its zero included
  };
  const Case cases[] = {
      {"fields after the name", "$POEM101,5,0,10*3c\r\n", true, Z("POEM101,5,0,10")},
      {"name alone", "$POEM101*00\r\n", true, Z("POEM101")},
      {"other sentence first", "$POEM103,1*00\r\n$POEM101,7*00\r\n", true, Z("POEM101,7")},
      {"garbage before $", std::string("\x00\xff junk POEM101,9*\r\n", 20) + "$POEM101,1*00\r\n", true,
       Z("POEM101,1")},
      {"noise that looks like a reply", "POEM101,9*00\r\n", false, ""},
      {"shorter than expected, stale buffer", "$ABCDE01*00\r\n$POEM1*00\r\n", false, ""},
      {"prefix split by a star", "$POEM10*1,5*00\r\n", false, ""},
      {"no star", "$POEM101,5,0,10\r\n", false, ""},
      {"lower case", "$poem101,5*00\r\n", false, ""},
      {"NUL inside", std::string("$POEM101,\0,2*00\r\n", 17), true, std::string("POEM101,\0,2\0", 12)},
      {"overlong then good", overlong + "$POEM101,ok*00\r\n", true, Z("POEM101,ok")},
      {"just fits", "$" + exact + "*00\r\n", true, Z(exact)},
      {"one byte too long", "$" + exact + "z*00\r\n", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<char> guarded(1024 + 64, '#');
    devsim::Misbehaviour m;
    m.wrongReply = c.stream;
    m.count = 1;
    sim.misbehave(m);
    Nmea channel(&serial, guarded.data(), 1024);
    bool ok = channel.SendCommand("POEM06", "POEM101", c.match ? 1500 : 400);
    EXPECT_EQ(ok, c.match);
    if (c.match) {
      EXPECT_EQ(std::string(guarded.data(), c.reply.size()), c.reply);
    }
    for (size_t i = 1024; i < guarded.size(); ++i) ASSERT_EQ(guarded[i], '#') << "overrun at " << i;
    serial.Purge();
  }
}

TEST_F(NmeaTest, StraySentenceBeforeTheCommandIsNotTheReply) {
  // A logger reply waits on the line before any channel exists...
  const std::string probe = "$POEM06*11\r\n";
  serial.Write(probe.data(), static_cast<int32_t>(probe.size()));
  // The whole reply, so that no part of it can come after the channel is armed.
  const int32_t whole = static_cast<int32_t>(devsim::Frame("POEM101,5,0,10,0,0,0,1,35.5").size());
  auto deadline = Clock::now() + milliseconds(5000);
  while (serial.GetBytesWaiting() < whole && Clock::now() < deadline) std::this_thread::sleep_for(milliseconds(5));
  ASSERT_EQ(serial.GetBytesWaiting(), whole);
  devsim::Misbehaviour silent;
  silent.silent = true;
  sim.misbehave(silent);
  // ...the new channel's thread reads it while nothing is expected...
  Nmea channel(&serial, buffer.data(), 1024);
  while (serial.GetBytesWaiting() > 0 && Clock::now() < deadline) std::this_thread::sleep_for(milliseconds(5));
  ASSERT_EQ(serial.GetBytesWaiting(), 0);
  // ...and does not take it as the answer to the probe.
  EXPECT_FALSE(channel.SendCommand("POEM06", "POEM101", 1300));
  EXPECT_FALSE(channel.Receiver()->Finished());
}

TEST_F(NmeaTest, NoReplyIsGivenUpBetweenOnceAndTwiceTheTimeout) {
  devsim::Misbehaviour silent;
  silent.silent = true;
  sim.misbehave(silent);
  Nmea channel(&serial, buffer.data(), 1024);
  auto t0 = Clock::now();
  EXPECT_FALSE(channel.SendCommand("POEM06", "POEM101", 1300));
  long long ms = MsSince(t0);
  EXPECT_GE(ms, 1300);
  EXPECT_LE(ms, 2600 + 1000);
  ASSERT_TRUE(sim.waitForSentences(1, 2000));
  EXPECT_EQ(sim.received()[0].body, "POEM06");
}

TEST_F(NmeaTest, EmptyExpectedReplyDoesNotWait) {
  Nmea channel(&serial, buffer.data(), 1024);
  auto t0 = Clock::now();
  EXPECT_TRUE(channel.SendCommand("POEM14,1,0,5,0,0,0,0,0", "", 1500));
  EXPECT_LT(MsSince(t0), 1000);
  ASSERT_TRUE(sim.waitForSentences(1, 2000));
}

TEST_F(NmeaTest, EmptyCommandSendsNothingAndWaits) {
  Nmea channel(&serial, buffer.data(), 1024);
  auto t0 = Clock::now();
  EXPECT_FALSE(channel.SendCommand("", "POEM101", 500));
  EXPECT_GE(MsSince(t0), 500);
  EXPECT_FALSE(sim.waitForSentences(1, 200));
}

TEST_F(NmeaTest, DelayedReplyWithinTheTimeoutIsTaken) {
  devsim::Misbehaviour slow;
  slow.delayMs = 700;
  slow.garbage = "\r\n\x01\x02";
  sim.misbehave(slow);
  Nmea channel(&serial, buffer.data(), 1024);
  auto t0 = Clock::now();
  EXPECT_TRUE(channel.SendCommand("POEM06", "POEM101", 1500));
  EXPECT_GE(MsSince(t0), 650);
  EXPECT_EQ(reply(), "POEM101,5,0,10,0,0,0,1,35.5");
}

TEST_F(NmeaTest, HangUpMidReplyEndsTheThreadWithoutAReply) {
  size_t before = ThreadCount();
  devsim::Misbehaviour cut;
  cut.hangUpAfter = 9;  // "$POEM101," and gone
  sim.misbehave(cut);
  {
    Nmea channel(&serial, buffer.data(), 1024);
    auto t0 = Clock::now();
    EXPECT_FALSE(channel.SendCommand("POEM06", "POEM101", 1300));
    EXPECT_LE(MsSince(t0), 2600 + 1000);
    ASSERT_NE(channel.Receiver(), nullptr);
    EXPECT_TRUE(channel.Receiver()->Finished());
    EXPECT_NE(channel.Receiver()->FatalException(), nullptr);
    // Writing on the dropped line fails cleanly.
    EXPECT_THROW(channel.SendCommand("POEM06", "POEM101", 100), SerialException);
  }
  EXPECT_EQ(ThreadCount(), before);
  EXPECT_FALSE(serial.IsOpen());
  serial.Close();
}

TEST_F(NmeaTest, RefusesAMissingOrClosedPort) {
  Serial closed;
  for (Serial* s : {static_cast<Serial*>(nullptr), &closed}) {
    try {
      Nmea channel(s, buffer.data(), 1024);
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, peNoPort);
      EXPECT_EQ(e.Value, 0);
    }
  }
}

TEST_F(NmeaTest, DeletingTheChannelStopsTheThreadOnASilentLine) {
  size_t before = ThreadCount();
  auto t0 = Clock::now();
  { Nmea channel(&serial, buffer.data(), 1024); }
  EXPECT_LT(MsSince(t0), 2500);
  EXPECT_EQ(ThreadCount(), before);
}

}  // namespace
