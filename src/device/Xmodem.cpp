#include "Xmodem.h"

#include "Apexception.h"
#include "Serial.h"
#include "Timer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr size_t kPacketBuffer = 2048;
constexpr size_t kDataOffset = 3;
constexpr size_t kCheckOffset = kDataOffset + XModem::BlockSize;  // 1027
constexpr size_t kMaxChunk = 4096;  // bytes taken from the input queue at once

enum { stStart = 0, stBlocks = 2, stResend = 3, stEnd = 4, stDone = 5 };

// The waits poll the input queue; a short nap between polls keeps a core free
// and still answers within about one byte time at 115200 baud.
void Idle() { std::this_thread::sleep_for(std::chrono::microseconds(100)); }

Timer StartTimer(uint32_t timeout) {
  Timer t;
  t.Begin(timeout);
  return t;
}

}  // namespace

XModem::XModem(Serial* port, WindowHandle notifyWindow, const XModemTiming& timing)
    : Port(port), NotifyWindow(notifyWindow), Timing(timing) {
  if (!Port || !Port->IsOpen()) throw ProtException(peNoPort, 0, "");
  Packet = std::make_unique<uint8_t[]>(kPacketBuffer);
}

XModem::~XModem() { File.Close(); }

uint8_t XModem::Checksum(const uint8_t* data, size_t count) {
  uint8_t sum = 0;
  for (size_t i = 0; i < count; ++i) sum = static_cast<uint8_t>(sum + data[i]);
  return sum;
}

uint16_t XModem::Crc16Update(uint16_t value, uint8_t byte) {
  uint32_t crc = value ^ (static_cast<uint32_t>(byte) << 8);
  for (int i = 0; i < 8; ++i) {
    crc <<= 1;
    if (crc & 0x10000) crc ^= 0x1021;
    crc &= 0xFFFF;
  }
  return static_cast<uint16_t>(crc);
}

uint16_t XModem::Crc16(uint16_t value, const uint8_t* data, size_t count) {
  for (size_t i = 0; i < count; ++i) value = Crc16Update(value, data[i]);
  return value;
}

void XModem::PutSendCrc(uint8_t* at, uint16_t crc) {
  at[0] = static_cast<uint8_t>(crc & 0xFF);
  at[1] = static_cast<uint8_t>(crc >> 8);
}

uint16_t XModem::GetReceivedCrc(const uint8_t* at) {
  return static_cast<uint16_t>((at[0] << 8) | at[1]);
}

void XModem::Post(TransferState state) {
  PostWindowMessage(NotifyWindow, WM_TRANSFER_STATE, static_cast<uintptr_t>(state), 0);
}

void XModem::Pause(uint32_t ms) {
  // In short naps, so that a cancel is not held up by a pause.
  constexpr uint32_t kNap = 20;
  while (ms > 0) {
    CheckCancel();
    const uint32_t nap = std::min(ms, kNap);
    std::this_thread::sleep_for(std::chrono::milliseconds(nap));
    ms -= nap;
  }
}

void XModem::CheckCancel() {
  if (!CancelRequested()) return;
  // CAN twice or more ends the transfer on the peer's side, sending or
  // receiving; what the peer still sends is left unread.
  for (int i = 0; i < 3; ++i) SendByte(CAN);
  DropInput();
  File.Close();
  throw ProtException(peCancelled, 0, "");
}

bool XModem::NextByte(const Timer& timer, uint8_t& byte) {
  while (InputPos >= Input.size()) {
    CheckCancel();
    if (timer.Expired()) return false;
    const size_t waiting = static_cast<size_t>(std::max(Port->GetBytesWaiting(), 0));
    if (waiting == 0) {
      Idle();
      continue;
    }
    Input.resize(std::min(waiting, kMaxChunk));
    const int32_t got = Port->Read(Input.data(), static_cast<int32_t>(Input.size()));
    Input.resize(static_cast<size_t>(std::max(got, 0)));
    InputPos = 0;
  }
  byte = Input[InputPos++];
  return true;
}

void XModem::DropInput() {
  Input.clear();
  InputPos = 0;
}

bool XModem::WaitStart(uint8_t nakByte, uint8_t crcByte, uint32_t timeout) {
  Timer timer = StartTimer(timeout);
  uint8_t b;
  while (NextByte(timer, b)) {
    if (b == nakByte || b == crcByte) {
      DropInput();
      CrcMode = b == crcByte;
      PacketSize = CrcMode ? 1029 : 1028;
      return true;
    }
    if (b == CAN) {
      DropInput();
      throw ProtException(peCancelled, 0, "");
    }
  }
  throw ProtException(peTimeout, 0, "");
}

bool XModem::WaitByte(uint8_t wanted, uint8_t nakByte, uint32_t timeout) {
  Timer timer = StartTimer(timeout);
  uint8_t b;
  while (NextByte(timer, b)) {
    if (b == wanted || b == nakByte) {
      DropInput();
      return b == wanted;
    }
  }
  throw ProtException(peTimeout, 0, "");
}

void XModem::SendByte(uint8_t byte) { Port->Write(&byte, 1); }

void XModem::SendBlock() {
  uint8_t* p = Packet.get();
  p[0] = STX;
  p[1] = BlockNumber;
  p[2] = static_cast<uint8_t>(255 - BlockNumber);
  ++BlockNumber;
  uint8_t* data = p + kDataOffset;
  std::memset(data, 0xFF, BlockSize);
  if (File.Read(data, BlockSize) < BlockSize) EndOfFile = true;
  if (CrcMode)
    PutSendCrc(p + kCheckOffset, Crc16(0, data, BlockSize));
  else
    p[kCheckOffset] = Checksum(data, BlockSize);
  Port->Write(p, PacketSize);
}

void XModem::ResendBlock() { Port->Write(Packet.get(), PacketSize); }

void XModem::SendFile(const std::string& path) {
  State = stStart;
  if (!Port->IsOpen()) throw ProtException(peNoPort, 0, "");
  File.Close();
  Port->Purge();
  int endRounds = 0;
  while (State != stDone) {
    CheckCancel();
    switch (State) {
      case stStart:
        Post(tsStart);
        WaitStart(NAK, CRC_REQUEST, Timing.StartTimeout);
        State = stBlocks;
        File.OpenRead(path);
        BlockNumber = 1;
        EndOfFile = false;
        ErrorCount = 0;
        break;
      case stBlocks:
        SendBlock();
        if (WaitByte(ACK, NAK, Timing.AckTimeout)) {
          Post(tsBlockOk);
          if (EndOfFile) State = stEnd;
        } else {
          ErrorCount = 0;
          State = stResend;
        }
        break;
      case stResend:
        ResendBlock();
        ++ErrorCount;
        if (WaitByte(ACK, NAK, Timing.AckTimeout)) {
          if (EndOfFile) {
            File.Close();
            State = stEnd;
          } else {
            State = stBlocks;
          }
          Post(tsBlockError);
        } else if (ErrorCount >= 3) {
          throw ProtException(peTooManyRetries, 0, "");
        }
        break;
      case stEnd:
        // A receiver that keeps refusing the end must not keep us here for ever.
        if (endRounds++ >= Timing.EndRounds) throw ProtException(peTooManyRetries, 0, "");
        Post(tsEnd);
        for (int i = 0; i < 3; ++i) {
          SendByte(EOT);
          if (WaitByte(ACK, NAK, Timing.AckTimeout)) {
            State = stDone;
            break;
          }
        }
        break;
      default:
        State = stDone;
        break;
    }
  }
  File.Close();
}

XModem::BlockResult XModem::ReceiveBlock() {
  uint8_t* p = Packet.get();
  const size_t size = static_cast<size_t>(PacketSize);

  Silent = true;  // until the peer sends anything at all
  Timer timer = StartTimer(Timing.PacketStartTimeout);
  bool started = false;
  while (!started) {
    CheckCancel();
    if (timer.Expired()) return BlockResult::Refused;
    if (Port->GetBytesWaiting() <= 0) {
      Idle();
      continue;
    }
    if (Port->Read(p, 1) != 1) continue;
    Silent = false;  // what comes is no packet, but it came
    if (p[0] == EOT) {
      EndOfFile = true;
      return BlockResult::Refused;
    }
    if (p[0] == CAN) throw ProtException(peCancelled, 0, "");
    started = p[0] == STX;
  }

  // Take what has arrived, never more than the packet, so a silent peer cannot
  // hold us past the time-out.
  size_t have = 1;
  timer = StartTimer(Timing.PacketRestTimeout);
  while (have < size) {
    CheckCancel();
    if (timer.Expired()) return BlockResult::Refused;
    const size_t waiting = static_cast<size_t>(std::max(Port->GetBytesWaiting(), 0));
    if (waiting == 0) {
      Idle();
      continue;
    }
    have += static_cast<size_t>(
        std::max(Port->Read(p + have, static_cast<int32_t>(std::min(waiting, size - have))), 0));
  }

  Silent = false;
  const uint8_t number = p[1];
  if (p[2] != static_cast<uint8_t>(255 - number)) return BlockResult::Refused;
  const uint8_t* data = p + kDataOffset;
  bool checkOk = CrcMode ? GetReceivedCrc(p + kCheckOffset) == Crc16(0, data, BlockSize)
                         : p[kCheckOffset] == Checksum(data, BlockSize);
  if (!checkOk) return BlockResult::Refused;
  if (number != BlockNumber) {
    // The sender repeats the block we already wrote when our ACK got lost.
    if (BlockReceived && number == static_cast<uint8_t>(BlockNumber - 1))
      return BlockResult::Repeated;
    return BlockResult::Refused;
  }
  File.Write(data, BlockSize);
  ++BlockNumber;
  return BlockResult::Accepted;
}

void XModem::CancelReceive() {
  for (int i = 0; i < 3; ++i) SendByte(CAN);
  File.Close();
  throw ProtException(peTooManyRetries, 0, "");
}

void XModem::ReceiveFile(const std::string& path) {
  State = stStart;
  CrcMode = true;
  if (!Port->IsOpen()) throw ProtException(peNoPort, 0, "");
  File.Close();
  Pause(Timing.OpenPause);
  Port->Purge();
  for (;;) {
    if (State != stDone) CheckCancel();
    switch (State) {
      case stDone:
        return;
      case stStart:
        Post(tsStart);
        BlockNumber = 1;
        ErrorCount = 0;
        EndOfFile = false;
        BlockReceived = false;
        File.OpenWrite(path);
        State = stBlocks;
        SendByte(CRC_REQUEST);
        PacketSize = 1029;
        break;
      case stBlocks:
        switch (ReceiveBlock()) {
          case BlockResult::Accepted:
            ErrorCount = 0;
            SendByte(ACK);
            Post(tsBlockOk);
            BlockReceived = true;
            break;
          case BlockResult::Repeated:
            // Acknowledged again, not written again; a sender that repeats
            // for ever still ends at the retry limit.
            SendByte(ACK);
            if (++ErrorCount > 9) CancelReceive();
            break;
          case BlockResult::Refused:
            Post(tsBlockError);
            if (EndOfFile) {
              State = stEnd;
              break;
            }
            ++ErrorCount;
            Pause(Timing.RetryPause);
            Port->Purge();
            if (ErrorCount > 9) CancelReceive();
            if (BlockReceived) {
              SendByte(NAK);
            } else {
              Pause(Timing.StartRetryPause);
              SendByte(CRC_REQUEST);
            }
            break;
        }
        break;
      case stEnd:
        File.Close();
        SendByte(ACK);
        State = stDone;
        Post(tsEnd);
        break;
      default:
        State = stDone;
        break;
    }
  }
}
