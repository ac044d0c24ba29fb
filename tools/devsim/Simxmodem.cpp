#include "Simxmodem.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace devsim {

namespace {

constexpr uint8_t STX = 0x02, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18, CRC_REQUEST = 0x43;
constexpr size_t kBlock = 1024;
constexpr int kCancelRepeats = 6;  // a refusing receiver says so for about three seconds

int64_t NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SleepUntil(int64_t us) {
  int64_t d = us - NowUs();
  if (d > 0) std::this_thread::sleep_for(std::chrono::microseconds(d));
}

uint16_t Crc16(const uint8_t* data, size_t n) {
  uint32_t crc = 0;
  for (size_t i = 0; i < n; ++i) {
    crc ^= static_cast<uint32_t>(data[i]) << 8;
    for (int b = 0; b < 8; ++b) {
      crc <<= 1;
      if (crc & 0x10000) crc ^= 0x1021;
      crc &= 0xFFFF;
    }
  }
  return static_cast<uint16_t>(crc);
}

uint8_t Sum(const uint8_t* data, size_t n) {
  uint8_t s = 0;
  for (size_t i = 0; i < n; ++i) s = static_cast<uint8_t>(s + data[i]);
  return s;
}

}  // namespace

SimXmodem::SimXmodem(const XmodemFaults& faults, double usPerByte)
    : Faults(faults), UsPerByte(usPerByte) {}

bool SimXmodem::Finish(Outcome o) {
  if (o == Outcome::HangUp) Link->hangUp();
  Link = nullptr;
  if (o == Outcome::Done) ++Succeeded;
  ++Transfers;
  return o == Outcome::Done;
}

bool SimXmodem::WaitForTransfers(int count, int timeoutMs) const {
  const int64_t end = NowUs() + static_cast<int64_t>(timeoutMs) * 1000;
  while (Transfers.load() < count) {
    if (NowUs() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool SimXmodem::sendFile(FileLink& link, DeviceFile, const std::string& data) {
  Link = &link;
  TxFree = RxFree = 0;
  return Finish(Send(data));
}

bool SimXmodem::receiveFile(FileLink& link, DeviceFile, std::string& data) {
  Link = &link;
  TxFree = RxFree = 0;
  return Finish(Receive(data));
}

int SimXmodem::ReadByte(int timeoutMs) {
  uint8_t b;
  return ReadExact(&b, 1, timeoutMs) ? b : -1;
}

bool SimXmodem::ReadExact(uint8_t* to, size_t count, int timeoutMs) {
  const int64_t deadline = NowUs() + static_cast<int64_t>(timeoutMs) * 1000;
  size_t have = 0;
  while (have < count) {
    const int64_t left = (deadline - NowUs()) / 1000;
    if (left < 0 || Link->stopping()) return false;
    long n = Link->read(to + have, count - have, static_cast<int>(std::min<int64_t>(left, 50)));
    if (n < 0) return false;
    if (n == 0) continue;
    if (UsPerByte > 0) {
      // The bytes reach us no faster than the line carries them.
      RxFree = std::max(RxFree, NowUs()) + static_cast<int64_t>(static_cast<double>(n) * UsPerByte);
      SleepUntil(RxFree);
    }
    have += static_cast<size_t>(n);
  }
  return true;
}

void SimXmodem::Write(const uint8_t* data, size_t count) {
  if (!Link->write(data, count)) return;  // the line is gone; the reads will notice
  if (UsPerByte > 0) {
    TxFree = std::max(TxFree, NowUs()) + static_cast<int64_t>(static_cast<double>(count) * UsPerByte);
    SleepUntil(TxFree);
  }
}

void SimXmodem::Cancel() {
  const uint8_t cans[3] = {CAN, CAN, CAN};
  Write(cans, 3);
}

SimXmodem::Outcome SimXmodem::Send(const std::string& data) {
  bool crc = true;
  for (;;) {
    int b = ReadByte(StartTimeout);
    if (b < 0 || b == CAN) return Outcome::Failed;
    if (b == CRC_REQUEST || b == NAK) {
      crc = b == CRC_REQUEST;
      break;
    }
  }
  if (Faults.CancelAtStart) {
    Cancel();
    return Outcome::Failed;
  }

  const size_t blocks = (data.size() + kBlock - 1) / kBlock;
  std::vector<uint8_t> packet(kBlock + 5);
  bool corrupted = false, dropped = false;
  for (size_t i = 0; i < blocks; ++i) {
    const int index = static_cast<int>(i) + 1;
    if (index == Faults.SilenceAtBlock) return Outcome::Silent;
    if (index == Faults.HangUpAtBlock) return Outcome::HangUp;
    if (index == Faults.CancelAtBlock) {
      Cancel();
      return Outcome::Failed;
    }
    const uint8_t number = static_cast<uint8_t>(index);
    packet[0] = STX;
    packet[1] = number;
    packet[2] = static_cast<uint8_t>(255 - number);
    std::memset(&packet[3], PadByte, kBlock);
    const size_t take = std::min(kBlock, data.size() - i * kBlock);
    std::memcpy(&packet[3], data.data() + i * kBlock, take);
    size_t size = kBlock + 4;
    if (crc) {
      uint16_t c = Crc16(&packet[3], kBlock);
      packet[3 + kBlock] = static_cast<uint8_t>(c >> 8);
      packet[4 + kBlock] = static_cast<uint8_t>(c & 0xFF);
      size = kBlock + 5;
    } else {
      packet[3 + kBlock] = Sum(&packet[3], kBlock);
    }

    int tries = 0;
    for (;;) {
      if (++tries > MaxRetries) {
        Cancel();
        return Outcome::Failed;
      }
      ++PacketsSeen;
      if (index == Faults.CorruptBlock && !corrupted) {
        corrupted = true;
        std::vector<uint8_t> bad(packet.begin(), packet.begin() + static_cast<long>(size));
        bad[3 + 17] ^= 0x5A;
        Write(bad.data(), size);
      } else {
        Write(packet.data(), size);
      }
      int reply;
      do reply = ReadByte(ReplyTimeout);
      while (reply >= 0 && reply != ACK && reply != NAK && reply != CAN);
      if (reply == CAN) return Outcome::Failed;
      if (reply == ACK) {
        if (index == Faults.DropAckBlock && !dropped) {
          dropped = true;  // as if the ACK never came: the block goes again
          continue;
        }
        break;
      }
      // NAK or silence: send it again
    }
  }

  for (int tries = 0; tries < MaxRetries; ++tries) {
    WriteByte(EOT);
    ++EotsSeen;
    if (Faults.SlowFinalAckMs > 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(Faults.SlowFinalAckMs));
    int reply;
    do reply = ReadByte(ReplyTimeout);
    while (reply >= 0 && reply != ACK && reply != NAK && reply != CAN);
    if (reply == ACK) return Outcome::Done;
    if (reply == CAN) return Outcome::Failed;
  }
  return Outcome::Failed;
}

SimXmodem::Outcome SimXmodem::Receive(std::string& data) {
  data.clear();
  if (Faults.CancelAtStart) {
    // Said a few times, as the start byte would be: a sender that clears its
    // input when it starts may not have been listening for the first.
    for (int i = 0; i < kCancelRepeats; ++i) {
      Cancel();
      if (ReadByte(StartRepeat) >= 0) break;
    }
    return Outcome::Failed;
  }
  const bool crc = !Faults.StartWithNak;
  const uint8_t startByte = crc ? CRC_REQUEST : NAK;
  const size_t size = kBlock + (crc ? 5 : 4);

  // Ask until the first packet starts.
  int first = -1;
  for (int waited = 0; waited < StartTimeout; waited += StartRepeat) {
    WriteByte(startByte);
    first = ReadByte(StartRepeat);
    while (first >= 0 && first != STX && first != EOT && first != CAN) first = ReadByte(StartRepeat);
    if (first >= 0) break;
  }
  if (first < 0 || first == CAN) return Outcome::Failed;

  std::vector<uint8_t> packet(size);
  uint8_t expected = 1;
  int index = 1;  // the new block we wait for, counted from 1
  int naks = 0, eotNaks = 0, errors = 0;
  bool dropped = false;
  int b = first;
  for (;;) {
    if (b < 0) {
      if (++errors > MaxRetries) return Outcome::Failed;
      WriteByte(NAK);
      b = ReadByte(PacketTimeout);
      continue;
    }
    if (b == CAN) return Outcome::Failed;
    if (b == EOT) {
      ++EotsSeen;
      if (eotNaks < Faults.NakEots) {
        ++eotNaks;
        WriteByte(NAK);
        b = ReadByte(PacketTimeout);
        continue;
      }
      WriteByte(ACK);
      return Outcome::Done;
    }
    if (b != STX) {
      b = ReadByte(PacketTimeout);
      continue;
    }
    if (index == Faults.SilenceAtBlock) return Outcome::Silent;
    if (index == Faults.HangUpAtBlock) return Outcome::HangUp;
    if (index == Faults.CancelAtBlock) {
      Cancel();
      return Outcome::Failed;
    }
    packet[0] = STX;
    ++PacketsSeen;
    bool whole = ReadExact(&packet[1], size - 1, PacketTimeout);
    bool good = whole && packet[2] == static_cast<uint8_t>(255 - packet[1]);
    if (good) {
      const uint8_t* d = &packet[3];
      if (crc) {
        // The program sends its CRC low byte first.
        uint16_t c = Crc16(d, kBlock);
        good = packet[3 + kBlock] == (c & 0xFF) && packet[4 + kBlock] == (c >> 8);
      } else {
        good = packet[3 + kBlock] == Sum(d, kBlock);
      }
    }
    if (good && packet[1] == static_cast<uint8_t>(expected - 1) && index > 1) {
      WriteByte(ACK);  // a repeat of the block we have
    } else if (!good || packet[1] != expected) {
      if (++errors > MaxRetries) {
        Cancel();
        return Outcome::Failed;
      }
      WriteByte(NAK);
    } else if (index == Faults.NakBlock && naks < Faults.NakTimes) {
      ++naks;
      WriteByte(NAK);
    } else {
      errors = 0;
      data.append(reinterpret_cast<const char*>(&packet[3]), kBlock);
      ++expected;
      ++index;
      if (index - 1 == Faults.DropAckBlock && !dropped)
        dropped = true;  // the ACK is lost on the line
      else
        WriteByte(ACK);
    }
    b = ReadByte(PacketTimeout);
  }
}

}  // namespace devsim
