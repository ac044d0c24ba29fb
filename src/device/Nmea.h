#pragma once
// The command channel: frames one command as "$<command>*<xor>\r\n", sends
// it and waits until the receive thread has seen a reply that begins with the
// expected text. One channel serves one command.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "Autoevent.h"
#include "Recvthread.h"

class Serial;

class Nmea {
 public:
  // Starts the receive thread on an open port. Throws ProtException
  // peNoPort when the port is missing or closed, the buffer is unusable, or
  // the thread cannot be started.
  Nmea(Serial* port, char* buffer, int32_t bufferSize);
  virtual ~Nmea();  // StopReceiver
  Nmea(const Nmea&) = delete;
  Nmea& operator=(const Nmea&) = delete;

  // Ends the receive thread and waits for it (up to about a second).
  void StopReceiver();

  static uint8_t Checksum(const void* bytes, int32_t count);

  // true when the reply arrived (it is then in the buffer, zero-terminated)
  // or none is expected; false when none came within the time-out (given up
  // after timeoutMs to 2 * timeoutMs). An empty command sends nothing.
  // A failed write throws its SerialException. A set cancel flag ends the
  // wait early with false.
  bool SendCommand(const std::string& command, const std::string& expectedReply,
                   uint32_t timeoutMs, const std::atomic<bool>* cancel = nullptr);
  // After a SendCommand without its reply: whether the device sent something
  // else (another sentence, noise) rather than nothing.
  bool OtherReplySeen() const { return Receiver_ && Receiver_->OtherSeen(); }

  // The receive thread, while it exists (for tests and diagnostics).
  const RecvThread* Receiver() const { return Receiver_.get(); }

 private:
  Serial* Port;
  std::unique_ptr<RecvThread> Receiver_;
  RecvThreadParams Params;
  AutoResetEvent ReplyEvent;
};
