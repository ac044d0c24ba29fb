// XModem against lrzsz, a peer written by others: `sx -k` (XMODEM-1K, CRC)
// feeds our receiver, and `rx` (checksum mode) takes what our sender sends.
// socat makes the pseudo-terminal and runs the peer on a socket pair.
#include "Apexception.h"
#include "Portsandbox.h"
#include "Serial.h"
#include "Testenv.h"
#include "Transfertest.h"
#include "Xmodem.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <chrono>
#include <thread>

using namespace transfertest;
namespace fs = std::filesystem;

namespace {

constexpr int kPort = 9;

class Peer {
 public:
  // waitForUs: start the peer only once we have opened the port, so that its
  // first byte is not lost in our purge.
  Peer(const fs::path& dir, const fs::path& ports, const QString& command, bool waitForUs = false) {
    link_ = ports / ("COM" + std::to_string(kPort));
    proc_.setWorkingDirectory(QString::fromStdString(dir.string()));
    proc_.setProcessChannelMode(QProcess::MergedChannels);
    std::string pty = "pty,raw,echo=0,link=" + link_.string() + (waitForUs ? ",wait-slave" : "");
    proc_.start("socat", {QString::fromStdString(pty),
                          "EXEC:" + command});
    // The link appears once socat has made the pseudo-terminal.
    for (int i = 0; i < 1000 && !fs::exists(link_); ++i) {
      if (proc_.state() == QProcess::NotRunning) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~Peer() {
    if (!proc_.waitForFinished(30000)) proc_.kill();
    proc_.waitForFinished(5000);
  }
  bool Ready() const { return fs::exists(link_); }
  // The peer's exit code once it has ended (-1 when it did not).
  int Finish() {
    if (!proc_.waitForFinished(30000)) return -1;
    return proc_.exitCode();
  }
  // What the peer said; stops it when it still runs.
  std::string Output() {
    if (proc_.state() != QProcess::NotRunning) {
      proc_.kill();
      proc_.waitForFinished(5000);
    }
    return proc_.readAll().toStdString();
  }

 private:
  fs::path link_;
  QProcess proc_;
};

class Lrzsz : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    if (QStandardPaths::findExecutable("socat").isEmpty() || QStandardPaths::findExecutable("sx").isEmpty())
      GTEST_SKIP() << "socat or lrzsz missing";
    dir = testenv::scratchDir("lrzsz");
  }
  testenv::PortSandbox ports{"lrzsz"};
  fs::path dir;
};

TEST_F(Lrzsz, SxFeedsOurReceiver) {
  // sx sends a short tail as 128-byte blocks, which we do not take, so whole
  // blocks only; 257 blocks run the block number past 255.
  for (size_t size : {size_t(1024), size_t(3072), size_t(257 * 1024)}) {
    SCOPED_TRACE(testing::Message() << "size " << size);
    const std::string data = Pattern(size, 5);
    testenv::writeFile(dir / "in.bin", data);
    Peer peer(dir, ports.dir(), "sx -k in.bin");
    ASSERT_TRUE(peer.Ready());
    Serial port;
    port.Open(kPort, 115200);
    Recorder rec;
    XModem x(&port, &rec);
    try {
      x.ReceiveFile((dir / "out.bin").string());
    } catch (const ProtException& e) {
      FAIL() << "ProtException " << e.Code << ": " << peer.Output();
    } catch (const SerialException& e) {
      FAIL() << "SerialException " << e.Code << ": " << peer.Output();
    }
    EXPECT_EQ(peer.Finish(), 0) << peer.Output();
    EXPECT_TRUE(testenv::readFile(dir / "out.bin") == data);
    EXPECT_EQ(rec.Count(tsBlockOk), static_cast<int>(size / 1024));
  }
}

TEST_F(Lrzsz, RxTakesWhatWeSend) {
  for (size_t size : {size_t(0), size_t(1025), size_t(3000), size_t(256 * 1024 + 1)}) {
    SCOPED_TRACE(testing::Message() << "size " << size);
    const std::string data = Pattern(size, 6);
    testenv::writeFile(dir / "in.bin", data);
    fs::remove(dir / "out.bin");
    Peer peer(dir, ports.dir(), "rx out.bin", true);
    ASSERT_TRUE(peer.Ready());
    Serial port;
    port.Open(kPort, 115200);
    XModemTiming t;
    t.StartTimeout = 30000;  // should rx's first NAK still be lost, it repeats it
    // rx takes an EOT only after a second of silence behind it, just when the
    // device's one-second wait for the answer runs out.
    t.AckTimeout = 5000;
    XModem x(&port, nullptr, t);
    try {
      x.SendFile((dir / "in.bin").string());
    } catch (const ProtException& e) {
      FAIL() << "ProtException " << e.Code << ": " << peer.Output();
    } catch (const SerialException& e) {
      FAIL() << "SerialException " << e.Code << ": " << peer.Output();
    }
    EXPECT_EQ(peer.Finish(), 0) << peer.Output();
    // rx keeps whole blocks: our 0xFF padding stays.
    EXPECT_TRUE(testenv::readFile(dir / "out.bin") == PadTo(data, size / 1024 + 1, '\xFF'));
  }
}

}  // namespace
