#include "Nmea.h"

#include <algorithm>
#include <system_error>

#include "Apexception.h"
#include "Serial.h"
#include "Timer.h"

namespace {
constexpr uint32_t kCancelSliceMs = 50;
}

Nmea::Nmea(Serial* port, char* buffer, int32_t bufferSize) : Port(port) {
  if (!port || !port->IsOpen() || !buffer || bufferSize < 1) throw ProtException(peNoPort, 0);
  Params.Port = port;
  Params.Buffer = buffer;
  Params.BufferSize = bufferSize;
  Params.ReplyEvent = &ReplyEvent;
  try {
    Receiver_ = std::make_unique<RecvThread>(Params);
  } catch (const std::system_error&) {
    throw ProtException(peNoPort, 0);
  }
}

Nmea::~Nmea() { StopReceiver(); }

void Nmea::StopReceiver() {
  if (!Receiver_) return;
  Receiver_->Terminate();
  Receiver_->WaitFor();
  Receiver_.reset();
}

uint8_t Nmea::Checksum(const void* bytes, int32_t count) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  uint8_t x = 0;
  for (int32_t i = 0; i < count; ++i) x ^= p[i];
  return x;
}

bool Nmea::SendCommand(const std::string& command, const std::string& expectedReply,
                       uint32_t timeoutMs, const std::atomic<bool>* cancel) {
  // Armed before anything is written, so that no reply can arrive unseen; a
  // signal left from an earlier expectation is not this command's reply.
  ReplyEvent.Reset();
  if (Receiver_) Receiver_->SetExpectedReply(expectedReply);
  if (!command.empty()) {
    static const char hex[] = "0123456789abcdef";
    uint8_t sum = Checksum(command.data(), static_cast<int32_t>(command.size()));
    std::string frame = "$" + command + "*" + hex[sum >> 4] + hex[sum & 15] + "\r\n";
    Port->Write(frame.data(), static_cast<int32_t>(frame.size()));
  }
  if (expectedReply.empty()) return true;
  Timer timer;
  timer.Begin(timeoutMs);
  // Short waits while a cancel may come, so that it is seen within them.
  const uint32_t slice = cancel ? std::min<uint32_t>(timeoutMs, kCancelSliceMs) : timeoutMs;
  for (;;) {
    if (cancel && cancel->load()) return false;
    if (timer.Expired()) return false;
    if (ReplyEvent.WaitFor(slice)) return true;
  }
}
