#include "Simulator.h"

#include "Textfmt.h"
#include "Ttyport.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace devsim {

namespace {

constexpr size_t kMaxSentence = 512;  // longer input is line noise
constexpr int kWriteTimeoutMs = 2000;
constexpr int kFileRate = 115200;
constexpr int kCommandRate = 9600;

char HexDigit(unsigned v) { return "0123456789abcdef"[v & 15]; }

std::string ChecksumText(const std::string& body) {
  unsigned char x = 0;
  for (unsigned char c : body) x ^= c;
  return std::string{HexDigit(x >> 4), HexDigit(x)};
}

std::vector<std::string> SplitFields(const std::string& body) {
  std::vector<std::string> out;
  size_t from = 0;
  for (;;) {
    size_t comma = body.find(',', from);
    out.push_back(body.substr(from, comma - from));
    if (comma == std::string::npos) return out;
    from = comma + 1;
  }
}

bool AllInts(const std::vector<std::string>& f, size_t first, std::vector<int>& out) {
  out.clear();
  for (size_t i = first; i < f.size(); ++i) {
    int v = 0;
    if (!textfmt::TryStrToInt(f[i], v)) return false;
    out.push_back(v);
  }
  return true;
}

std::string Printable(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c >= 32 && c < 127) {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += HexDigit(c >> 4);
      out += HexDigit(c);
    }
  }
  return out;
}


struct FileTask {
  int code;
  DeviceFile file;
  bool deviceSends;
};

constexpr FileTask kFileTasks[] = {
    {1, DeviceFile::Destinations, true}, {3, DeviceFile::Destinations, false},
    {2, DeviceFile::Waypoints, true},    {4, DeviceFile::Waypoints, false},
    {12, DeviceFile::Route, true},       {11, DeviceFile::Route, false},
    {14, DeviceFile::TrackLog, true},
};

}  // namespace

std::string Frame(const std::string& body) { return "$" + body + "*" + ChecksumText(body) + "\r\n"; }

// The line handed to a file phase.
class Simulator::Link : public FileLink {
 public:
  explicit Link(Simulator& sim) : sim_(sim) {}
  long read(void* buffer, size_t count, int timeoutMs) override {
    int fd = sim_.master_.load();
    if (fd < 0 || sim_.stopping_.load()) return -1;
    pollfd p[2] = {{fd, POLLIN, 0}, {sim_.wake_, POLLIN, 0}};
    int r = ::poll(p, 2, timeoutMs);
    if (r < 0) return errno == EINTR ? 0 : -1;
    if (r == 0) return 0;
    if (p[1].revents) {
      if (sim_.stopping_.load()) return -1;
      sim_.drainWake();
      if (sim_.takeHangUpRequest()) {
        sim_.hangUp();
        return -1;
      }
      return 0;
    }
    ssize_t n = ::read(fd, buffer, count);
    if (n > 0) return n;
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    return -1;
  }
  bool write(const void* bytes, size_t count) override {
    return sim_.writeLine(std::string(static_cast<const char*>(bytes), count));
  }
  int lineSpeed() const override { return sim_.lineSpeed(); }
  bool stopping() const override { return sim_.stopping_.load(); }
  void hangUp() override { sim_.hangUp(); }

 private:
  Simulator& sim_;
};

Simulator::Simulator(DeviceState state, Options options)
    : options_(std::move(options)), state_(std::move(state)) {
  wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_ < 0) throw std::runtime_error("devsim: eventfd failed");
  openLine();
}

Simulator::~Simulator() {
  stop();
  closeLine();
  if (wake_ >= 0) ::close(wake_);
  std::lock_guard<std::mutex> guard(mutex_);
  if (!link_.empty()) {
    std::error_code ec;
    fs::remove(link_, ec);
  }
}

void Simulator::openLine() {
  if (!options_.devicePath.empty()) {
    int fd = ::open(options_.devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("devsim: cannot open " + options_.devicePath);
    if (ttyport::IsTerminal(fd)) ttyport::SetLine(fd, kCommandRate);
    master_.store(fd);
    lineUp_.store(true);
    return;
  }
  int m = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m < 0 || ::grantpt(m) != 0 || ::unlockpt(m) != 0)
    throw std::runtime_error("devsim: no pseudo-terminal");
  char name[128] = {};
  if (::ptsname_r(m, name, sizeof name) != 0) throw std::runtime_error("devsim: ptsname failed");
  ::fcntl(m, F_SETFL, ::fcntl(m, F_GETFL) | O_NONBLOCK);
  int s = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (s < 0) throw std::runtime_error(std::string("devsim: cannot open ") + name);
  // Raw from the start: an echoing line discipline would send the device's
  // own replies back to it before the program has set the line up.
  ttyport::SetLine(s, kCommandRate);
  {
    std::lock_guard<std::mutex> guard(mutex_);
    slavePath_ = name;
  }
  slaveHold_ = s;
  master_.store(m);
  lineUp_.store(true);
}

void Simulator::closeLine() {
  lineUp_.store(false);
  int m = master_.exchange(-1);
  if (m >= 0) ::close(m);
  if (slaveHold_ >= 0) ::close(slaveHold_);
  slaveHold_ = -1;
}

std::string Simulator::devicePath() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return slavePath_;
}

fs::path Simulator::linkAs(const fs::path& dir, int port) {
  fs::create_directories(dir);
  fs::path link = dir / ("COM" + std::to_string(port));
  fs::path tmp = dir / (".COM" + std::to_string(port) + ".new");
  std::error_code ec;
  fs::remove(tmp, ec);
  fs::create_symlink(devicePath(), tmp);
  fs::rename(tmp, link);  // replaces an old link in one step
  std::lock_guard<std::mutex> guard(mutex_);
  link_ = link;
  return link;
}

void Simulator::start() {
  if (thread_.joinable()) return;
  stopping_.store(false);
  thread_ = std::thread([this] {
    try {
      run();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "devsim: %s\n", e.what());
    } catch (...) {
      std::fprintf(stderr, "devsim: unknown failure\n");
    }
  });
}

void Simulator::stop() {
  if (!thread_.joinable()) return;
  stopping_.store(true);
  uint64_t one = 1;
  [[maybe_unused]] ssize_t n = ::write(wake_, &one, sizeof one);
  thread_.join();
  drainWake();
  changed_.notify_all();
}

bool Simulator::send(const std::string& bytes) { return writeLine(bytes); }

void Simulator::hangUpNow() {
  if (!thread_.joinable()) {
    hangUp();
    return;
  }
  // The simulator's thread polls the line: let it close the line itself.
  hangUpRequested_.store(true);
  uint64_t one = 1;
  [[maybe_unused]] ssize_t n = ::write(wake_, &one, sizeof one);
}

bool Simulator::takeHangUpRequest() { return hangUpRequested_.exchange(false); }

void Simulator::drainWake() {
  uint64_t drain = 0;
  [[maybe_unused]] ssize_t n = ::read(wake_, &drain, sizeof drain);
}

void Simulator::misbehave(const Misbehaviour& m) {
  std::lock_guard<std::mutex> guard(mutex_);
  misbehaviour_ = m;
  misbehaving_ = true;
}

void Simulator::behave() {
  std::lock_guard<std::mutex> guard(mutex_);
  misbehaving_ = false;
}

void Simulator::setFilePhase(std::shared_ptr<FilePhase> phase) {
  std::lock_guard<std::mutex> guard(mutex_);
  filePhase_ = std::move(phase);
}

DeviceState Simulator::state() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return state_;
}

void Simulator::setState(const DeviceState& s) {
  std::lock_guard<std::mutex> guard(mutex_);
  state_ = s;
}

std::vector<Received> Simulator::received() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return received_;
}

void Simulator::clearReceived() {
  std::lock_guard<std::mutex> guard(mutex_);
  received_.clear();
}

bool Simulator::waitForSentences(size_t n, int timeoutMs) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return received_.size() >= n; });
}

bool Simulator::waitForHangUps(int n, int timeoutMs) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return hangUps_.load() >= n; });
}

int Simulator::lineSpeed() const {
  int fd = master_.load();
  return fd < 0 ? 0 : ttyport::LineSpeed(fd);
}

bool Simulator::pause(int ms) {
  pollfd p{wake_, POLLIN, 0};
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!stopping_.load()) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    end - std::chrono::steady_clock::now()).count();
    if (left <= 0) return true;
    if (::poll(&p, 1, static_cast<int>(left)) > 0 && !stopping_.load()) drainWake();
    if (hangUpRequested_.load()) return false;  // the run loop hangs up
  }
  return false;
}

void Simulator::run() {
  std::string sentence;
  bool collecting = false;
  unsigned char buf[256];
  while (!stopping_.load()) {
    int fd = master_.load();
    pollfd p[2] = {{fd, POLLIN, 0}, {wake_, POLLIN, 0}};
    int r = ::poll(p, 2, fd < 0 ? -1 : 500);
    if (r < 0 && errno != EINTR) throw std::runtime_error("devsim: poll failed");
    if (stopping_.load()) break;
    if (r > 0 && p[1].revents) drainWake();
    if (takeHangUpRequest()) {
      hangUp();
      collecting = false;
      continue;
    }
    if (fd < 0 || r <= 0) continue;
    if (!(p[0].revents & POLLIN)) {
      // A node given by path may report a hang-up of its far side: wait for
      // it to come back instead of spinning.
      if (p[0].revents) pause(100);
      continue;
    }
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) {
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      pause(100);
      continue;
    }
    for (ssize_t i = 0; i < n; ++i) {
      char c = static_cast<char>(buf[i]);
      if (c == '$') {
        sentence.assign(1, c);
        collecting = true;
        continue;
      }
      if (!collecting) continue;
      sentence += c;
      if (sentence.size() > kMaxSentence) {
        collecting = false;
      } else if (c == '\n') {
        collecting = false;
        onSentence(sentence);
      }
    }
  }
}

void Simulator::onSentence(const std::string& raw) {
  Received rec;
  rec.raw = raw;
  rec.lineSpeed = lineSpeed();
  size_t star = raw.find('*');
  rec.body = raw.substr(1, (star == std::string::npos ? raw.size() : star) - 1);
  if (star != std::string::npos) {
    rec.checksumOk = raw.compare(star + 1, std::string::npos, ChecksumText(rec.body) + "\r\n") == 0;
    rec.crlf = raw.size() >= 2 && raw.compare(raw.size() - 2, 2, "\r\n") == 0;
  }
  if (verbose_.load()) std::fprintf(stderr, "devsim <- %s\n", Printable(raw).c_str());
  {
    std::lock_guard<std::mutex> guard(mutex_);
    received_.push_back(rec);
  }
  changed_.notify_all();
  if (!rec.checksumOk) return;  // the device ignores a damaged sentence

  const std::string& body = rec.body;
  std::vector<std::string> f = SplitFields(body);
  std::vector<int> v;
  if (body == "POEM06") {
    LoggerSettings l = state().logger;
    reply("POEM101," + textfmt::IntToStr(l.time) + ",0," + textfmt::IntToStr(l.distance) + ",0," +
          textfmt::IntToStr(l.speed) + ",0,1," + textfmt::FloatToStr(l.memoryUsed));
  } else if (body == "POEM14,0") {
    DeviceSettings d = state().device;
    std::string t = "POEM103";
    for (int x : {d.language, d.turnDistance, d.backlight, d.suspend, d.homeZone, d.localZone,
                  d.lengthUnit})
      t += "," + textfmt::IntToStr(x);
    reply(t);
  } else if (f.size() == 9 && f[0] == "POEM14" && f[1] == "1" && AllInts(f, 2, v)) {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      DeviceSettings& d = state_.device;
      d.language = v[0];
      d.turnDistance = v[1];
      d.backlight = v[2];
      d.suspend = v[3];
      d.homeZone = v[4];
      d.localZone = v[5];
      d.lengthUnit = v[6];
    }
    reply("PKRV200,01");
  } else if (f.size() == 8 && f[0] == "POEM02" && AllInts(f, 1, v)) {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      state_.logger.time = v[0];
      state_.logger.distance = v[2];
      state_.logger.speed = v[4];
    }
    reply("PKRV200,02");
  } else if (f.size() == 2 && f[0] == "POEM12" && AllInts(f, 1, v)) {
    for (const FileTask& t : kFileTasks) {
      if (t.code == v[0]) {
        if (reply("POEM200,12")) filePhase(t.code);
        break;
      }
    }
  }
}

bool Simulator::reply(const std::string& body) {
  Misbehaviour m;
  bool active = false;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    if (misbehaving_) {
      m = misbehaviour_;
      active = true;
      if (misbehaviour_.count > 0 && --misbehaviour_.count == 0) misbehaving_ = false;
    }
  }
  std::string frame = Frame(body);
  if (!active) return writeLine(frame);
  if (m.delayMs > 0 && !pause(m.delayMs)) return false;
  if (m.silent) return false;
  std::string bytes = m.garbage + (m.wrongReply.empty() ? frame : m.wrongReply);
  if (m.hangUpAfter >= 0) {
    writeLine(bytes.substr(0, static_cast<size_t>(m.hangUpAfter)));
    hangUp();
    return false;
  }
  return writeLine(bytes) && m.wrongReply.empty();
}

bool Simulator::writeLine(const std::string& bytes) {
  int fd = master_.load();
  if (fd < 0) return false;
  if (verbose_.load() && !bytes.empty())
    std::fprintf(stderr, "devsim -> %s\n", Printable(bytes.substr(0, 200)).c_str());
  size_t done = 0;
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= end || stopping_.load()) return false;
    pollfd p{fd, POLLOUT, 0};
    ::poll(&p, 1, 20);
  }
  return true;
}

void Simulator::hangUp() {
  closeLine();
  if (verbose_.load()) std::fprintf(stderr, "devsim: hung up\n");
  if (options_.relinkAfterHangUp) {
    openLine();
    fs::path link;
    {
      std::lock_guard<std::mutex> guard(mutex_);
      link = link_;
    }
    if (options_.devicePath.empty() && !link.empty()) {
      std::string name = link.filename().string();
      linkAs(link.parent_path(), std::atoi(name.c_str() + 3));
    }
  }
  // Counted once the new line is ready, so that a waiter can use it.
  {
    std::lock_guard<std::mutex> guard(mutex_);
    hangUps_.fetch_add(1);
  }
  changed_.notify_all();
}

void Simulator::filePhase(int code) {
  std::shared_ptr<FilePhase> phase;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    phase = filePhase_;
  }
  if (!phase) return;
  const FileTask* task = nullptr;
  for (const FileTask& t : kFileTasks) {
    if (t.code == code) task = &t;
  }
  if (!task) return;
  if (!options_.devicePath.empty()) {
    // A line of its own: the device switches its side to the file rate, as
    // the real one does, and back for the next command.
    int fd = master_.load();
    ttyport::SetLine(fd, kFileRate);
    runFilePhase(*phase, task->file, task->deviceSends);
    if (master_.load() == fd) ttyport::SetLine(fd, kCommandRate);
    return;
  }
  // A pseudo-terminal has one rate for both sides: wait until the program
  // has reopened its side at 115200 baud.
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.fileSwitchTimeoutMs);
  while (lineSpeed() != kFileRate) {
    if (std::chrono::steady_clock::now() >= end || !pause(5) || !lineUp_.load()) return;
  }
  runFilePhase(*phase, task->file, task->deviceSends);
}

void Simulator::runFilePhase(FilePhase& phase, DeviceFile file, bool deviceSends) {
  Link link(*this);
  if (deviceSends) {
    std::string data = state().file(file);
    phase.sendFile(link, file, data);
    return;
  }
  std::string data;
  if (!phase.receiveFile(link, file, data)) return;
  std::lock_guard<std::mutex> guard(mutex_);
  state_.file(file) = data;
  if (!options_.stateDir.empty()) state_.SaveFile(options_.stateDir, file);
}

}  // namespace devsim
