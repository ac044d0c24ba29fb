#include "Ptylink.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace testenv {

PtyLink::PtyLink(const std::filesystem::path& dir, int port) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
    throw std::runtime_error("no pseudo-terminal");
  slavePath_ = ::ptsname(master_);
  // Held open so the master never sees a hang-up while the program reopens.
  slaveHold_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios t{};
  ::tcgetattr(slaveHold_, &t);
  ::cfmakeraw(&t);
  ::tcsetattr(slaveHold_, TCSANOW, &t);
  std::filesystem::create_directories(dir);
  link_ = dir / ("COM" + std::to_string(port));
  std::filesystem::remove(link_);
  std::filesystem::create_symlink(slavePath_, link_);
}

PtyLink::~PtyLink() {
  Join();
  hangUp();
  std::error_code ec;
  std::filesystem::remove(link_, ec);
}

long PtyLink::read(void* buffer, size_t count, int timeoutMs) {
  if (master_ < 0) return -1;
  pollfd p{master_, POLLIN, 0};
  int r = ::poll(&p, 1, timeoutMs);
  if (r <= 0) return r < 0 && errno != EINTR ? -1 : 0;
  ssize_t n = ::read(master_, buffer, count);
  if (n < 0) return errno == EINTR || errno == EAGAIN ? 0 : -1;
  return static_cast<long>(n);
}

bool PtyLink::write(const void* bytes, size_t count) {
  const char* p = static_cast<const char*>(bytes);
  while (count > 0) {
    if (master_ < 0) return false;
    ssize_t n = ::write(master_, p, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

int PtyLink::lineSpeed() const {
  termios t{};
  if (slaveHold_ < 0 || ::tcgetattr(slaveHold_, &t) != 0) return 0;
  speed_t s = ::cfgetospeed(&t);
  return s == B115200 ? 115200 : s == B9600 ? 9600 : 0;
}

void PtyLink::hangUp() {
  if (master_ >= 0) ::close(master_);
  if (slaveHold_ >= 0) ::close(slaveHold_);
  master_ = slaveHold_ = -1;
}

void PtyLink::RunPeer(std::function<void(PtyLink&)> peer) {
  Join();
  peer_ = std::thread([this, peer = std::move(peer)] { peer(*this); });
}

void PtyLink::Join() {
  if (peer_.joinable()) peer_.join();
}

std::string PtyLink::ReadFor(int ms, const std::string& until) {
  std::string out;
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  char buf[4096];
  while (std::chrono::steady_clock::now() < end) {
    long n = read(buf, sizeof buf, 20);
    if (n < 0) break;
    out.append(buf, static_cast<size_t>(n));
    if (!until.empty() && out.size() >= until.size() &&
        out.compare(out.size() - until.size(), until.size(), until) == 0)
      break;
  }
  return out;
}

}  // namespace testenv
