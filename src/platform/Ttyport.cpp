#include "Ttyport.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace ttyport {

namespace {

struct Speed {
  int baud;
  speed_t code;
};

constexpr Speed kSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},
    {150, B150},       {200, B200},       {300, B300},       {600, B600},
    {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

using Clock = std::chrono::steady_clock;

int MsUntil(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return 0;
  // Round up so that a wait never ends a little early and spins.
  return static_cast<int>(left + 1);
}

Clock::time_point After(uint64_t ms) { return Clock::now() + std::chrono::milliseconds(ms); }

}  // namespace

int OpenExclusive(const std::string& path) {
  if (path.empty()) {
    errno = ENOENT;
    return -1;
  }
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int saved = errno;
    ::close(fd);
    errno = saved;
    return -1;
  }
  // Keeps other openers out even when they do not lock; not a terminal
  // (ENOTTY) is found later by the line set-up.
  ::ioctl(fd, TIOCEXCL);
  return fd;
}

void Close(int fd) {
  if (fd < 0) return;
  // The exclusive flag outlives this descriptor when someone else still
  // has the node open; clear it so that the next open is not refused.
  ::ioctl(fd, TIOCNXCL);
  ::close(fd);
}

bool IsTerminal(int fd) {
  termios tio{};
  return ::tcgetattr(fd, &tio) == 0;
}

bool SetLine(int fd, int baudRate) {
  speed_t code = 0;
  bool known = false;
  for (const Speed& s : kSpeeds) {
    if (s.baud == baudRate) {
      code = s.code;
      known = true;
    }
  }
  if (!known) return false;
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return false;
  tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                   IXANY | INPCK);
  tio.c_oflag &= ~OPOST;
  tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, code) != 0 || ::cfsetospeed(&tio, code) != 0) return false;
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
  // Pseudo-terminals have no modem lines: their refusal is no failure.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIS, &lines);
  return true;
}

int LineSpeed(int fd) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return 0;
  speed_t code = ::cfgetospeed(&tio);
  for (const Speed& s : kSpeeds) {
    if (s.code == code) return s.baud;
  }
  return 0;
}

long Read(int fd, void* buffer, size_t count, const Timeouts& t) {
  if (count == 0) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  size_t got = 0;
  const Clock::time_point total =
      After(static_cast<uint64_t>(t.readTotalMultiplier) * count + t.readTotalConstant);
  Clock::time_point interval = Clock::time_point::max();
  while (got < count) {
    Clock::time_point deadline = total;
    if (got > 0 && t.readInterval > 0 && interval < deadline) deadline = interval;
    int wait = MsUntil(deadline);
    if (wait == 0) break;
    pollfd p{fd, POLLIN, 0};
    int r = ::poll(&p, 1, wait);
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) continue;  // the deadline test above ends the loop
    if (p.revents & POLLNVAL) {
      errno = EBADF;
      return -1;
    }
    ssize_t n = ::read(fd, out + got, count - got);
    if (n > 0) {
      got += static_cast<size_t>(n);
      interval = After(t.readInterval);
      continue;
    }
    if (n == 0) {  // end of file: the other side is gone
      errno = EIO;
      return -1;
    }
    if (errno == EAGAIN || errno == EINTR) {
      if (p.revents & (POLLHUP | POLLERR)) {
        errno = EIO;
        return -1;
      }
      continue;
    }
    return -1;
  }
  return static_cast<long>(got);
}

long Write(int fd, const void* bytes, size_t count, const Timeouts& t) {
  const auto* in = static_cast<const unsigned char*>(bytes);
  size_t done = 0;
  const Clock::time_point deadline =
      After(static_cast<uint64_t>(t.writeTotalMultiplier) * count + t.writeTotalConstant);
  while (done < count) {
    ssize_t n = ::write(fd, in + done, count - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return -1;
    int wait = MsUntil(deadline);
    if (wait == 0) break;
    pollfd p{fd, POLLOUT, 0};
    int r = ::poll(&p, 1, wait);
    if (r < 0 && errno != EINTR) return -1;
    if (r > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
      errno = EIO;
      return -1;
    }
  }
  return static_cast<long>(done);
}

bool Purge(int fd) { return ::tcflush(fd, TCIOFLUSH) == 0; }

bool PurgeInput(int fd) { return ::tcflush(fd, TCIFLUSH) == 0; }

bool DrainOutput(int fd, int timeoutMs) {
  // tcdrain has no time-out; ask for the queue instead.
  const Clock::time_point deadline = After(static_cast<uint64_t>(timeoutMs > 0 ? timeoutMs : 0));
  for (;;) {
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0) return false;
    if (queued <= 0) return true;
    if (Clock::now() >= deadline) return false;
    ::poll(nullptr, 0, 2);
  }
}

long BytesWaiting(int fd) {
  int n = 0;
  if (::ioctl(fd, FIONREAD, &n) != 0) return -1;
  return n;
}

}  // namespace ttyport
