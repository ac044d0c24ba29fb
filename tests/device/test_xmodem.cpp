// The real XModem on a real Serial over a pseudo-terminal, with the
// simulator's device side (or a scripted peer) on the other end.
#include "Apexception.h"
#include "Portsandbox.h"
#include "Ptylink.h"
#include "Serial.h"
#include "Simxmodem.h"
#include "Testenv.h"
#include "Transfertest.h"
#include "Xmodem.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using namespace transfertest;
using devsim::SimXmodem;
using devsim::XmodemFaults;
namespace fs = std::filesystem;

namespace {

constexpr int kPort = 7;
constexpr size_t kSizes[] = {0, 1024, 1025, 3000, 256 * 1024 + 1};

TEST(XModemCheck, CrcIsXmodemAndTheTwoByteOrdersDiffer) {
  const std::string check = "123456789";
  const auto* p = reinterpret_cast<const uint8_t*>(check.data());
  EXPECT_EQ(XModem::Crc16(0, p, check.size()), 0x31C3);
  EXPECT_EQ(XModem::Checksum(p, check.size()), static_cast<uint8_t>(0xDD));

  uint8_t sent[2];
  XModem::PutSendCrc(sent, 0x31C3);
  EXPECT_EQ(sent[0], 0xC3);  // what the device takes: low byte first
  EXPECT_EQ(sent[1], 0x31);
  const uint8_t received[2] = {0x31, 0xC3};
  EXPECT_EQ(XModem::GetReceivedCrc(received), 0x31C3);
}

class XModemLine : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    dir = testenv::scratchDir("xmodem");
    line = std::make_unique<testenv::PtyLink>(ports.dir(), kPort);
    port.Open(kPort, 115200);
  }
  void TearDown() override {
    line->Join();
    port.Close();
    line.reset();
  }

  // The device receives what the program sends.
  void DeviceReceives(SimXmodem& sim) {
    received.clear();
    deviceOk = false;
    line->RunPeer([&](testenv::PtyLink& l) { deviceOk = sim.receiveFile(l, devsim::DeviceFile::Route, received); });
  }
  void DeviceSends(SimXmodem& sim, const std::string& data) {
    deviceOk = false;
    line->RunPeer([&sim, data, this](testenv::PtyLink& l) {
      deviceOk = sim.sendFile(l, devsim::DeviceFile::TrackLog, data);
    });
  }
  std::unique_ptr<SimXmodem> Sim(const XmodemFaults& f = XmodemFaults()) {
    auto s = std::make_unique<SimXmodem>(f);
    s->StartTimeout = 5000;
    s->ReplyTimeout = 2000;
    s->PacketTimeout = 1000;
    s->MaxRetries = 3;  // gives up soon once the program has stopped
    return s;
  }
  fs::path File(const std::string& name, const std::string& bytes) {
    fs::path p = dir / name;
    testenv::writeFile(p, bytes);
    return p;
  }

  testenv::PortSandbox ports{"xmodem"};
  fs::path dir;
  std::unique_ptr<testenv::PtyLink> line;
  Serial port;
  Recorder window;
  std::string received;
  std::atomic<bool> deviceOk{false};
};

// --- sending ---------------------------------------------------------------

TEST_F(XModemLine, SendsEverySizeInBothModes) {
  for (bool checksumMode : {false, true}) {
    for (size_t size : kSizes) {
      SCOPED_TRACE(testing::Message() << "size " << size << (checksumMode ? " sum" : " crc"));
      const std::string data = Pattern(size, static_cast<unsigned>(size));
      fs::path path = File("send.bin", data);
      XmodemFaults f;
      f.StartWithNak = checksumMode;
      auto sim = Sim(f);
      Recorder rec;
      DeviceReceives(*sim);
      XModem x(&port, &rec, FastTiming());
      x.SendFile(path.string());
      line->Join();
      // A length that is a multiple of 1024, 0 included, ends with a block of 0xFF.
      const size_t blocks = size / 1024 + 1;
      EXPECT_TRUE(deviceOk);
      EXPECT_EQ(received.size(), blocks * 1024);
      EXPECT_TRUE(received == PadTo(data, blocks, '\xFF'));
      auto states = rec.States();
      ASSERT_FALSE(states.empty());
      EXPECT_EQ(states.front(), tsStart);
      EXPECT_EQ(states.back(), tsEnd);
      EXPECT_EQ(rec.Count(tsBlockOk), static_cast<int>(blocks));
      EXPECT_EQ(rec.Count(tsBlockError), 0);
    }
  }
}

TEST_F(XModemLine, SenderStartFailures) {
  struct Case {
    const char* what;
    bool peer;
    bool cancel;
    int code;
  };
  const Case cases[] = {
      {"CAN instead of the start byte", true, true, peCancelled},
      {"no start byte at all", false, false, peTimeout},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::path path = File("send.bin", Pattern(100));
    XmodemFaults f;
    f.CancelAtStart = c.cancel;
    auto sim = Sim(f);
    if (c.peer) DeviceReceives(*sim);
    XModemTiming t = FastTiming();
    // Waited out only without a peer; a peer's CAN ends the wait however
    // slowly a loaded machine lets it come.
    t.StartTimeout = c.peer ? 10000 : 400;
    XModem x(&port, &window, t);
    try {
      x.SendFile(path.string());
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, c.code);
    }
    line->Join();
  }
}

TEST_F(XModemLine, RefusedBlocksAreResentUpToFourTimes) {
  struct Case {
    int nakTimes;
    bool ok;
    int packets;  // packets the device saw
  };
  // 3000 bytes: three blocks; the second is refused nakTimes times.
  const Case cases[] = {{1, true, 4}, {3, true, 6}, {4, false, 5}, {100, false, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nakTimes << " refusals");
    const std::string data = Pattern(3000);
    fs::path path = File("send.bin", data);
    XmodemFaults f;
    f.NakBlock = 2;
    f.NakTimes = c.nakTimes;
    auto sim = Sim(f);
    Recorder rec;
    DeviceReceives(*sim);
    XModem x(&port, &rec, FastTiming());
    if (c.ok) {
      x.SendFile(path.string());
      line->Join();
      EXPECT_TRUE(received == PadTo(data, 3, '\xFF'));
      // The resent block is reported as resent, not counted as a new one.
      EXPECT_EQ(rec.Count(tsBlockError), 1);
      EXPECT_EQ(rec.Count(tsBlockOk), 2);
    } else {
      try {
        x.SendFile(path.string());
        ADD_FAILURE() << "no exception";
      } catch (const ProtException& e) {
        EXPECT_EQ(e.Code, peTooManyRetries);
      }
      port.Purge();
      line->Join();
    }
    EXPECT_EQ(sim->PacketsSeen.load(), c.packets);
  }
}

TEST_F(XModemLine, RefusedEotIsSentAgainButNotForEver) {
  struct Case {
    int nakEots;
    bool ok;
    int eots;
  };
  const Case cases[] = {{0, true, 1}, {2, true, 3}, {8, true, 9}, {1000, false, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nakEots << " refused EOTs");
    fs::path path = File("send.bin", Pattern(10));
    XmodemFaults f;
    f.NakEots = c.nakEots;
    auto sim = Sim(f);
    Recorder rec;
    DeviceReceives(*sim);
    XModem x(&port, &rec, FastTiming());
    bool ok = true;
    try {
      x.SendFile(path.string());
    } catch (const ProtException& e) {
      ok = false;
      EXPECT_EQ(e.Code, peTooManyRetries);
    }
    EXPECT_EQ(ok, c.ok);
    line->Join();
    EXPECT_EQ(sim->EotsSeen.load(), c.eots);
    EXPECT_EQ(rec.Count(tsEnd), (c.eots + 2) / 3);
  }
}

TEST_F(XModemLine, LostAckIsMendedByTheDevicesNak) {
  // The device's ACK of block 1 is lost; it NAKs when nothing more comes, we
  // resend, and the device takes the repeat without storing it twice.
  const std::string data = Pattern(2000);
  fs::path path = File("send.bin", data);
  XmodemFaults f;
  f.DropAckBlock = 1;
  auto sim = Sim(f);
  Recorder rec;
  DeviceReceives(*sim);
  XModem x(&port, &rec, FastTiming());
  x.SendFile(path.string());
  line->Join();
  EXPECT_TRUE(deviceOk);
  EXPECT_TRUE(received == PadTo(data, 2, '\xFF'));
  EXPECT_EQ(rec.Count(tsBlockError), 1);
  EXPECT_EQ(rec.Count(tsBlockOk), 1);
}

TEST_F(XModemLine, SenderFailsWhenTheDeviceGoesAway) {
  struct Case {
    const char* what;
    XmodemFaults faults;
  };
  XmodemFaults silence, hangUp;
  silence.SilenceAtBlock = 2;
  hangUp.HangUpAtBlock = 2;
  const Case cases[] = {{"silent", silence}, {"hang-up", hangUp}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::path path = File("send.bin", Pattern(5000));
    auto sim = Sim(c.faults);
    DeviceReceives(*sim);
    XModem x(&port, &window, FastTiming());
    bool threw = false;
    try {
      x.SendFile(path.string());
    } catch (const ProtException& e) {
      threw = true;
      EXPECT_EQ(e.Code, peTimeout);
    } catch (const SerialException&) {
      threw = c.faults.HangUpAtBlock != 0;  // only a dead line may fail in the port
    }
    EXPECT_TRUE(threw);
    line->Join();
    if (c.faults.HangUpAtBlock) break;  // the line is gone
  }
}

TEST_F(XModemLine, SenderReportsAFileThatCannotBeRead) {
  auto sim = Sim();
  DeviceReceives(*sim);
  XModem x(&port, &window, FastTiming());
  const std::string missing = (dir / "missing.bin").string();
  try {
    x.SendFile(missing);
    ADD_FAILURE() << "no exception";
  } catch (const FileException& e) {
    EXPECT_EQ(e.Code, feOpenRead);
    EXPECT_EQ(std::string(e.what()), missing);
  }
  line->Join();
}

TEST_F(XModemLine, ClosedPortIsRefused) {
  EXPECT_THROW(XModem(nullptr, &window), ProtException);
  XModem x(&port, &window, FastTiming());
  port.Close();
  for (int send = 0; send < 2; ++send) {
    try {
      if (send)
        x.SendFile((dir / "a").string());
      else
        x.ReceiveFile((dir / "a").string());
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, peNoPort);
    }
  }
  Serial closed;
  try {
    XModem y(&closed, &window);
    ADD_FAILURE() << "no exception";
  } catch (const ProtException& e) {
    EXPECT_EQ(e.Code, peNoPort);
  }
}

// --- receiving -------------------------------------------------------------

TEST_F(XModemLine, ReceivesEverySize) {
  for (size_t size : kSizes) {
    SCOPED_TRACE(testing::Message() << "size " << size);
    const std::string data = Pattern(size, static_cast<unsigned>(size) + 7);
    auto sim = Sim();
    Recorder rec;
    DeviceSends(*sim, data);
    fs::path out = dir / "received.bin";
    XModem x(&port, &rec, FastTiming());
    x.ReceiveFile(out.string());
    line->Join();
    EXPECT_TRUE(deviceOk);
    // Whole blocks, the device's padding included: 3000 bytes give 3072.
    const size_t blocks = (size + 1023) / 1024;
    const std::string got = testenv::readFile(out);
    EXPECT_EQ(got.size(), blocks * 1024);
    EXPECT_TRUE(got == PadTo(data, blocks, static_cast<char>(SimXmodem::PadByte)));
    std::vector<int> expected{tsStart};
    expected.insert(expected.end(), blocks, tsBlockOk);
    expected.push_back(tsBlockError);  // EOT
    expected.push_back(tsEnd);
    EXPECT_EQ(rec.States(), expected);
  }
}

// The last ACK is written just before the port is closed (or reopened at
// the command rate); a device that reads it late must still get it.
TEST_F(XModemLine, LastAckReachesADeviceThatReadsItLate) {
  for (bool reopen : {false, true}) {
    for (size_t size : {size_t(0), size_t(1024), size_t(3000), size_t(100000)}) {
      SCOPED_TRACE(testing::Message() << "size " << size << (reopen ? " reopen" : " close"));
      XmodemFaults f;
      f.SlowFinalAckMs = 60;
      auto sim = Sim(f);
      DeviceSends(*sim, Pattern(size, 3));
      {
        XModem x(&port, nullptr, FastTiming());
        x.ReceiveFile((dir / "late.bin").string());
      }
      if (reopen) {
        port.Reopen(9600);
      } else {
        port.Close();
      }
      line->Join();
      EXPECT_TRUE(deviceOk);
      EXPECT_EQ(sim->EotsSeen.load(), 1);  // no EOT sent again for want of its ACK
      if (!reopen) port.Open(kPort, 115200);
    }
  }
}

TEST_F(XModemLine, ReceiverRecoversFromACorruptBlockAndALostAck) {
  struct Case {
    const char* what;
    XmodemFaults faults;
    int errors;  // tsBlockError posts, EOT included
  };
  XmodemFaults corrupt, lostAck;
  corrupt.CorruptBlock = 2;
  lostAck.DropAckBlock = 2;  // the device repeats block 2 after our ACK
  const Case cases[] = {{"corrupt block", corrupt, 2}, {"lost ACK", lostAck, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string data = Pattern(3000, 3);
    auto sim = Sim(c.faults);
    Recorder rec;
    DeviceSends(*sim, data);
    fs::path out = dir / "received.bin";
    XModem x(&port, &rec, FastTiming());
    x.ReceiveFile(out.string());
    line->Join();
    EXPECT_TRUE(deviceOk);
    EXPECT_TRUE(testenv::readFile(out) == PadTo(data, 3, static_cast<char>(SimXmodem::PadByte)));
    EXPECT_EQ(sim->PacketsSeen.load(), 4);
    EXPECT_EQ(rec.Count(tsBlockOk), 3);
    EXPECT_EQ(rec.Count(tsBlockError), c.errors);
  }
}

TEST_F(XModemLine, ReceiverCancelsAfterTenFailures) {
  // Nobody answers: "C" ten times, then three CAN.
  fs::path out = dir / "received.bin";
  std::string seen;
  line->RunPeer([&](testenv::PtyLink& l) { seen = l.ReadFor(20000, "\x18\x18\x18"); });
  XModemTiming t = FastTiming();
  t.PacketStartTimeout = 300;
  {
    XModem x(&port, &window, t);
    try {
      x.ReceiveFile(out.string());
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, peTooManyRetries);
    }
    EXPECT_TRUE(x.PeerSilent());
  }
  line->Join();
  EXPECT_EQ(seen, std::string(10, 'C') + "\x18\x18\x18");
  EXPECT_TRUE(fs::exists(out));
  EXPECT_EQ(fs::file_size(out), 0u);
}

// Packets that never check: the receiver gives up the same way, but knows
// the device was not silent.
// A device that answers with damaged packets, or with noise that is no
// packet at all, is not a silent one.
TEST_F(XModemLine, ReceiverTellsDamageFromSilence) {
  std::string damaged = {'\x02', '\x01', '\xFE'};
  damaged.append(1026, '\x55');  // data and a CRC that does not match it
  const std::string noise(40, 'x');
  for (const std::string& answer : {damaged, noise}) {
    SCOPED_TRACE(answer.size());
    line->RunPeer([answer](testenv::PtyLink& l) {
      bool answered = false;
      for (int i = 0; i < 30; ++i) {
        char c = 0;
        if (l.read(&c, 1, 3000) != 1) return;
        // The cancel that ended the last case may still be on the line.
        if (c == '\x18') {
          if (answered) return;
          continue;
        }
        l.write(answer.data(), answer.size());
        answered = true;
      }
    });
    XModem x(&port, &window, FastTiming());
    try {
      x.ReceiveFile((dir / "received.bin").string());
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, peTooManyRetries);
    }
    EXPECT_FALSE(x.PeerSilent());
    line->Join();
  }
}

TEST_F(XModemLine, ReceiverKeepsWhatCameBeforeTheDeviceStopped) {
  struct Case {
    const char* what;
    XmodemFaults faults;
  };
  XmodemFaults silence, cancel;
  silence.SilenceAtBlock = 3;
  cancel.CancelAtBlock = 3;
  const Case cases[] = {{"silent", silence}, {"cancelled", cancel}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto sim = Sim(c.faults);
    DeviceSends(*sim, Pattern(5000));
    fs::path out = dir / "received.bin";
    XModemTiming t = FastTiming();
    t.PacketStartTimeout = 300;  // the silence is what we wait out here
    XModem x(&port, &window, t);
    try {
      x.ReceiveFile(out.string());
      ADD_FAILURE() << "no exception";
    } catch (const ProtException& e) {
      EXPECT_EQ(e.Code, c.faults.CancelAtBlock ? peCancelled : peTooManyRetries);
    }
    line->Join();
    EXPECT_EQ(fs::file_size(out), 2048u);
    line->ReadFor(100);  // our CANs, which the next device must not take for its own start
    port.Purge();
  }
}

TEST_F(XModemLine, ReceiverStartModes) {
  // The device cancels at once.
  XmodemFaults f;
  f.CancelAtStart = true;
  auto sim = Sim(f);
  DeviceSends(*sim, Pattern(100));
  XModem x(&port, &window, FastTiming());
  try {
    x.ReceiveFile((dir / "r.bin").string());
    ADD_FAILURE() << "no exception";
  } catch (const ProtException& e) {
    EXPECT_EQ(e.Code, peCancelled);
  }
  line->Join();
}

// A scripted device: block 1, block 2 with its CRC bytes swapped, block 2
// right, block 2 once more (as after a lost ACK), then EOT.
TEST_F(XModemLine, ReceiverTakesTheCrcHighByteFirstAndAcksARepeat) {
  const std::string data = Pattern(2048, 9);
  auto packet = [&](int block, bool swapped) {
    const auto* d = reinterpret_cast<const uint8_t*>(data.data()) + (block - 1) * 1024;
    uint16_t crc = XModem::Crc16(0, d, 1024);
    EXPECT_NE(crc & 0xFF, crc >> 8);
    char hi = static_cast<char>(crc >> 8), lo = static_cast<char>(crc & 0xFF);
    std::string p = {'\x02', static_cast<char>(block), static_cast<char>(255 - block)};
    p.append(reinterpret_cast<const char*>(d), 1024);
    p += swapped ? lo : hi;
    p += swapped ? hi : lo;
    return p;
  };
  std::string answers;
  line->RunPeer([&](testenv::PtyLink& l) {
    auto answer = [&] {
      char c = '?';
      if (l.read(&c, 1, 3000) != 1) c = '?';
      answers += c;
    };
    answer();  // "C"
    for (auto [block, swapped] : {std::pair{1, false}, {2, true}, {2, false}, {2, false}}) {
      std::string p = packet(block, swapped);
      l.write(p.data(), p.size());
      answer();
    }
    l.write("\x04", 1);
    answer();
  });
  fs::path out = dir / "r.bin";
  XModem x(&port, &window, FastTiming());
  x.ReceiveFile(out.string());
  line->Join();
  EXPECT_EQ(answers, "C\x06\x15\x06\x06\x06");
  EXPECT_TRUE(testenv::readFile(out) == data);
}

TEST_F(XModemLine, ReceiverReportsAFileThatCannotBeWritten) {
  XModem x(&port, &window, FastTiming());
  const std::string bad = (dir / "no-such-folder" / "r.bin").string();
  try {
    x.ReceiveFile(bad);
    ADD_FAILURE() << "no exception";
  } catch (const FileException& e) {
    EXPECT_EQ(e.Code, feOpenWrite);
    EXPECT_EQ(std::string(e.what()), bad);
  }
}

}  // namespace
