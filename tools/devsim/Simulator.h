#pragma once
// The device simulator: plays the navigation device on a pseudo-terminal (or
// on a node given by path) for the program's serial code. It answers the
// probe and every device command with the device's replies, keeps a device
// state, and misbehaves on request.
//
// Typical test use:
//   devsim::Simulator sim;
//   sim.linkAs(portsDir, 3);  // portsDir/COM3 -> the pty
//   sim.start();
//   ... Serial::Open(3, 9600) ...
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Devicestate.h"
#include "Filephase.h"

namespace devsim {

// What to do wrong with the commands that have a reply. The fields combine:
// garbage and a delay may come before a wrong reply or a hang-up.
struct Misbehaviour {
  bool silent = false;      // answer nothing
  std::string garbage;      // bytes sent before the reply
  std::string wrongReply;   // raw bytes sent in place of the reply
  int delayMs = 0;          // wait before answering
  int hangUpAfter = -1;     // hang up after this many reply bytes (0: at once)
  int count = 0;            // commands it applies to; 0: all from now on
};

// One sentence as the device received it, from "$" up to the line feed.
struct Received {
  std::string raw;
  std::string body;      // between "$" and "*"
  bool checksumOk = false;  // two lower-case hex digits, the XOR of body
  bool crlf = false;        // ended with CR LF
  int lineSpeed = 0;        // the program's line rate when it came
};

struct Options {
  // Talk on this node (one end of a socat pair, a serial port with a null
  // modem) instead of a new pseudo-terminal. The device then sets its own
  // line to 115200 baud for a file phase, as the real one does.
  std::string devicePath;
  // Write-back folder: uploaded files are saved there.
  std::filesystem::path stateDir;
  // After a hang-up, make a new pseudo-terminal and move the link to it.
  bool relinkAfterHangUp = false;
  // How long the device waits for the program to switch a pseudo-terminal
  // to 115200 baud.
  int fileSwitchTimeoutMs = 5000;
};

class Simulator {
 public:
  explicit Simulator(DeviceState state = DeviceState(), Options options = Options());
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // The node the program opens (the pty's slave side).
  std::string devicePath() const;
  // Links dir/COMn to devicePath() (replacing what is there); removed again
  // by the destructor.
  std::filesystem::path linkAs(const std::filesystem::path& dir, int port);

  void start();
  void stop();

  // Sends bytes on the line now, unasked (false when the line is gone).
  bool send(const std::string& bytes);
  // Closes the device's side of the line; the program's reads then fail.
  void hangUpNow();

  void misbehave(const Misbehaviour& m);
  void behave();
  void setFilePhase(std::shared_ptr<FilePhase> phase);

  DeviceState state() const;
  void setState(const DeviceState& s);

  std::vector<Received> received() const;
  void clearReceived();
  // Waits until at least n sentences have come, at most timeoutMs.
  bool waitForSentences(size_t n, int timeoutMs) const;
  // The rate the program's side has set on the line now.
  int lineSpeed() const;
  // Hang-ups so far; after one with relinkAfterHangUp the new line is linked.
  int hangUps() const { return hangUps_.load(); }
  bool waitForHangUps(int n, int timeoutMs) const;
  // Print every sentence and reply on stderr.
  void setVerbose(bool on) { verbose_.store(on); }

 private:
  class Link;
  void run();
  void openLine();
  void closeLine();
  void onSentence(const std::string& raw);
  bool reply(const std::string& body);  // true when the reply went out whole
  bool writeLine(const std::string& bytes);
  bool pause(int ms);  // false when stopping
  void filePhase(int code);
  void runFilePhase(FilePhase& phase, DeviceFile file, bool deviceSends);
  void hangUp();
  bool takeHangUpRequest();
  void drainWake();

  Options options_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  DeviceState state_;
  Misbehaviour misbehaviour_;
  bool misbehaving_ = false;
  std::vector<Received> received_;
  std::shared_ptr<FilePhase> filePhase_;
  std::filesystem::path link_;

  std::atomic<int> master_{-1};  // the line the device talks on
  int slaveHold_ = -1;  // keeps the pty alive between the program's opens
  std::string slavePath_;
  int wake_ = -1;  // eventfd that ends poll() on stop
  std::atomic<bool> stopping_{false};
  std::atomic<bool> lineUp_{false};
  std::atomic<bool> hangUpRequested_{false};
  std::atomic<int> hangUps_{0};
  std::atomic<bool> verbose_{false};
  std::thread thread_;
};

// Frames a sentence as the device sends it: "$" body "*" hh CR LF.
std::string Frame(const std::string& body);

}  // namespace devsim
