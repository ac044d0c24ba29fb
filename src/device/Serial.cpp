#include "Serial.h"

#include "Apexception.h"
#include "Portmap.h"
#include "Ttyport.h"

namespace {

// Read: 1000 ms between bytes, 10 ms per byte plus 1000 ms in all; write:
// 10 ms per byte plus 1000 ms.
constexpr ttyport::Timeouts kTimeouts{1000, 10, 1000, 10, 1000};

// How long a close waits for written bytes to leave. The last ACK of a
// download is written just before the close; a purge of the output would
// throw it away. A line that does not take it in this time is stuck.
constexpr int kDrainTimeoutMs = 2000;

}  // namespace

Serial::Serial() = default;

Serial::~Serial() { Close(); }

void Serial::Open(int32_t port, int32_t baudRate) {
  port_.store(port);
  if (fd_.load() >= 0) {
    if (!failed_.load()) throw SerialException(seAlreadyOpen, port);
    Close();  // a failed port is as good as closed
  }
  // Compared unsigned, so negative numbers count as too big.
  std::string node;
  if (static_cast<uint32_t>(port) <= static_cast<uint32_t>(portmap::kMaxPortNumber))
    node = portmap::DevicePath(port);
  int fd = ttyport::OpenExclusive(node);
  if (fd < 0) throw SerialException(seOpenFailed, port);
  if (!ttyport::IsTerminal(fd)) {
    ttyport::Close(fd);
    throw SerialException(seGetCommState, port);
  }
  if (!ttyport::SetLine(fd, baudRate)) {
    ttyport::Close(fd);
    throw SerialException(seSetCommState, port);
  }
  // The time-outs are ours and the queues the driver's: nothing to fail.
  // Only the input: a pseudo-terminal's output purge reaches the bytes that
  // the previous open wrote and the other side has not read yet, and Close
  // has already drained or dropped our own.
  if (!ttyport::PurgeInput(fd)) {
    ttyport::Close(fd);
    throw SerialException(sePurgeComm, 0);
  }
  failed_.store(false);
  fd_.store(fd);
}

void Serial::Reopen(int32_t baudRate) {
  Close();
  Open(port_.load(), baudRate);
}

void Serial::Close() {
  int fd = fd_.exchange(-1);
  if (fd < 0) return;
  if (!failed_.load()) {
    // Sent first, then purged; what a stuck line still holds is dropped.
    if (ttyport::DrainOutput(fd, kDrainTimeoutMs))
      ttyport::PurgeInput(fd);
    else
      ttyport::Purge(fd);
  }
  ttyport::Close(fd);
  failed_.store(false);
}

bool Serial::IsOpen() const { return fd_.load() >= 0 && !failed_.load(); }

int Serial::UsableFd() const {
  int fd = fd_.load();
  if (fd < 0 || failed_.load()) throw SerialException(seNotOpen, 0);
  return fd;
}

void Serial::Fail(int32_t code) {
  failed_.store(true);
  throw SerialException(code, 0);
}

int32_t Serial::Read(void* buffer, int32_t count) {
  int fd = UsableFd();
  if (count <= 0) return 0;
  long n = ttyport::Read(fd, buffer, static_cast<size_t>(count), kTimeouts);
  if (n < 0) Fail(seReadFile);
  return static_cast<int32_t>(n);
}

int32_t Serial::Write(const void* bytes, int32_t count) {
  int fd = UsableFd();
  if (count <= 0) return 0;
  long n = ttyport::Write(fd, bytes, static_cast<size_t>(count), kTimeouts);
  if (n < 0) Fail(seWriteFile);
  return static_cast<int32_t>(n);
}

void Serial::Purge() {
  int fd = UsableFd();
  if (!ttyport::Purge(fd)) Fail(sePurgeComm);
}

int32_t Serial::GetBytesWaiting() {
  int fd = UsableFd();
  long n = ttyport::BytesWaiting(fd);
  if (n < 0) Fail(seClearCommError);
  return static_cast<int32_t>(n);
}
