#pragma once
// The hook for the file part of a device task. After the device has answered
// "POEM12,n" with "POEM200,12" and the program has reopened the line at
// 115200 baud, the simulator hands the line to the installed FilePhase: it
// sends the device's file (downloads) or receives one (uploads). Without a
// FilePhase the simulator goes straight back to answering commands.
//
// The program purges its side of the line when it reopens it and again when
// its transfer starts, so whatever the device sends before the program's
// first byte may be lost: a sending device waits for the start byte, and a
// receiving device repeats its start byte until the first packet comes, as
// XMODEM peers do anyway.
#include <cstddef>
#include <string>

#include "Devicestate.h"

namespace devsim {

// The line as the file phase sees it.
class FileLink {
 public:
  virtual ~FileLink() = default;
  // Up to count bytes; 0 when nothing came within timeoutMs; -1 when the
  // program's side is gone or the simulator is stopping.
  virtual long read(void* buffer, size_t count, int timeoutMs) = 0;
  // false when the line is gone.
  virtual bool write(const void* bytes, size_t count) = 0;
  // The rate the program's side has set, 0 when unknown.
  virtual int lineSpeed() const = 0;
  virtual bool stopping() const = 0;
  // Drops the line in the middle of the transfer (a cable pulled).
  virtual void hangUp() = 0;
};

class FilePhase {
 public:
  virtual ~FilePhase() = default;
  // Download: the device sends data. Returns whether the program took it.
  virtual bool sendFile(FileLink& link, DeviceFile file, const std::string& data) = 0;
  // Upload: the device receives a file into data; true when complete (the
  // simulator then keeps it as the device's new file).
  virtual bool receiveFile(FileLink& link, DeviceFile file, std::string& data) = 0;
};

}  // namespace devsim
