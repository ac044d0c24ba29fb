#pragma once
// The device's side of an XMODEM-1K transfer, on the simulator's end of the
// line (a pseudo-terminal master). The device sends its files with the
// published CRC order (high byte first) and takes the program's packets with
// the CRC low byte first, or with the 8-bit sum when it asked by NAK.
// It can pace its side at a line rate and misbehave on request.
#include <atomic>
#include <cstdint>
#include <string>

#include "Filephase.h"

namespace devsim {

struct XmodemFaults {
  bool StartWithNak = false;  // receiving: ask for checksum mode instead of "C"
  bool CancelAtStart = false; // answer the start with CAN
  int CancelAtBlock = 0;      // send CAN instead of handling this block (1 = first block)
  int NakBlock = 0;           // receiving: refuse this block ...
  int NakTimes = 0;           // ... this many times (a NAK storm when large)
  int NakEots = 0;            // receiving: refuse the first n EOTs
  int CorruptBlock = 0;       // sending: send this block once with a wrong CRC
  int DropAckBlock = 0;       // the ACK of this block is lost once: receiving, none is sent;
                              // sending, the program's ACK is ignored and the block repeated
  int SilenceAtBlock = 0;     // go silent at this block
  int HangUpAtBlock = 0;      // hang up at this block (the caller closes the line)
  int SlowFinalAckMs = 0;     // sending: read the answer to the EOT only this late, as a
                              // busy device does; the program has closed the port by then
};

// Plugs into the simulator with Simulator::setFilePhase. One object serves
// every transfer; the faults apply to each of them.
class SimXmodem : public FilePhase {
 public:
  // usPerByte > 0 paces both directions at that byte time (86.8 for 115200
  // baud 8N1).
  explicit SimXmodem(const XmodemFaults& faults = XmodemFaults(), double usPerByte = 0);

  bool sendFile(FileLink& link, DeviceFile file, const std::string& data) override;
  bool receiveFile(FileLink& link, DeviceFile file, std::string& data) override;

  static constexpr uint8_t PadByte = 0x1A;

  // How long to wait for the program, in milliseconds.
  int StartTimeout = 30000;
  int StartRepeat = 500;     // receiving: repeat the start byte this often
  int ReplyTimeout = 5000;   // sending: ACK or NAK after a packet
  int PacketTimeout = 5000;  // receiving: the next packet or EOT
  int MaxRetries = 10;

  // What the last transfers saw, for tests.
  std::atomic<int> PacketsSeen{0};  // packets read or written, repeats included
  std::atomic<int> EotsSeen{0};
  // Transfers that have ended, well or not.
  std::atomic<int> Transfers{0};
  std::atomic<int> Succeeded{0};  // of those, the ones that ended well
  bool WaitForTransfers(int count, int timeoutMs) const;

 private:
  enum class Outcome { Done, Failed, Silent, HangUp };
  Outcome Send(const std::string& data);
  Outcome Receive(std::string& data);
  bool Finish(Outcome o);

  int ReadByte(int timeoutMs);  // -1 on time-out or a lost line
  bool ReadExact(uint8_t* to, size_t count, int timeoutMs);
  void Write(const uint8_t* data, size_t count);
  void WriteByte(uint8_t b) { Write(&b, 1); }
  void Cancel();

  XmodemFaults Faults;
  double UsPerByte;
  FileLink* Link = nullptr;
  int64_t TxFree = 0;  // steady-clock microseconds when our side of the line is idle again
  int64_t RxFree = 0;
};

}  // namespace devsim
