#pragma once
// Raw access to a serial device node with the classic COM-port behaviour:
// exclusive open, 8N1 without flow control, read and write time-outs, purge
// and the count of bytes waiting. Every call returns a failure flag (and
// leaves errno) instead of throwing; Serial turns failures into its codes.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ttyport {

struct Timeouts {
  // Read: gives up when no further byte arrives within readInterval after a
  // byte, or when readTotalMultiplier * count + readTotalConstant has passed.
  uint32_t readInterval = 0;
  uint32_t readTotalMultiplier = 0;
  uint32_t readTotalConstant = 0;
  // Write: writes what the line takes within writeTotalMultiplier * count +
  // writeTotalConstant.
  uint32_t writeTotalMultiplier = 0;
  uint32_t writeTotalConstant = 0;
};

// Opens the node for reading and writing, non-blocking, and takes it for
// this descriptor alone (flock, then TIOCEXCL): a node that another program
// holds fails to open. -1 on failure.
int OpenExclusive(const std::string& path);

// Releases and closes; a descriptor of -1 is ignored.
void Close(int fd);

// false when fd is not a terminal.
bool IsTerminal(int fd);

// Raw 8 data bits, no parity, one stop bit, no flow control, receiver on,
// modem lines ignored, at the given rate; DTR and RTS raised where the driver
// has them. false for a rate the line does not offer or a refused setting.
bool SetLine(int fd, int baudRate);

// The rate the line runs at now, 0 when unknown. Works on a pty master too.
int LineSpeed(int fd);

// Bytes read (0 after the time-outs with nothing), or -1 when the read
// fails or the other side hung up.
long Read(int fd, void* buffer, size_t count, const Timeouts& t);

// Bytes written (fewer than count when the time-out passed), or -1.
long Write(int fd, const void* bytes, size_t count, const Timeouts& t);

// Discards what waits in both directions.
bool Purge(int fd);

// Discards received bytes only.
bool PurgeInput(int fd);

// Waits until the driver has sent what was written, at most timeoutMs
// (a stuck line must not hang the caller). false when time ran out or the
// queue cannot be asked. A pseudo-terminal has no queue of its own and is
// drained at once.
bool DrainOutput(int fd, int timeoutMs);

// Received bytes waiting, or -1.
long BytesWaiting(int fd);

}  // namespace ttyport
