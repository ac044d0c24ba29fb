#pragma once
// XMODEM-1K over an open serial port: 1024-byte packets with a block number,
// its complement and an 8-bit sum or a CRC-16. Progress goes to a window as
// posted WM_TRANSFER_STATE messages; failures are thrown (ProtException,
// FileException, SerialException).
#include "Bestfile.h"
#include "Windowmessage.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Serial;
struct Timer;

enum TransferState : int {
  tsStart = 0,       // started, waiting for the peer
  tsBlockOk = 2,     // a block acknowledged by the peer or accepted from it
  tsBlockError = 3,  // sender: a resent block was acknowledged; receiver: refused, missed or EOT
  tsEnd = 4,         // end phase
};

constexpr unsigned WM_TRANSFER_STATE = WM_USER + 203;

// Every wait and pause of a transfer, in milliseconds. The defaults are the
// protocol's; tests shorten them.
struct XModemTiming {
  uint32_t StartTimeout = 10000;      // sender: the receiver's NAK or "C"
  uint32_t AckTimeout = 1000;         // sender: ACK or NAK after a block or EOT
  uint32_t PacketStartTimeout = 1500; // receiver: the start byte of a packet
  uint32_t PacketRestTimeout = 2000;  // receiver: the rest of the packet
  uint32_t OpenPause = 300;           // receiver: before the first purge
  uint32_t RetryPause = 100;          // receiver: after a failed packet
  uint32_t StartRetryPause = 800;     // receiver: extra pause before repeating "C"
  int EndRounds = 3;                  // sender: rounds of up to three EOTs before giving up
};

class XModem {
 public:
  static constexpr uint8_t STX = 0x02;
  static constexpr uint8_t EOT = 0x04;
  static constexpr uint8_t ACK = 0x06;
  static constexpr uint8_t NAK = 0x15;
  static constexpr uint8_t CAN = 0x18;
  static constexpr uint8_t CRC_REQUEST = 0x43;  // "C"
  static constexpr size_t BlockSize = 1024;

  // Throws ProtException peNoPort when the port is null or closed.
  XModem(Serial* port, WindowHandle notifyWindow, const XModemTiming& timing = {});
  virtual ~XModem();
  XModem(const XModem&) = delete;
  XModem& operator=(const XModem&) = delete;

  // Returns when the peer acknowledged the end; throws on failure.
  void SendFile(const std::string& path);
  // Receives into a new file at the path (replacing one); returns after the end.
  // On failure the file keeps what was written so far.
  void ReceiveFile(const std::string& path);
  // A flag that, once set, breaks the transfer off: the peer gets CAN bytes
  // and the transfer throws ProtException peCancelled within a few
  // milliseconds. Not owned; null: none.
  void SetCancelFlag(const std::atomic<bool>* flag) { CancelFlag = flag; }
  bool CancelRequested() const { return CancelFlag && CancelFlag->load(); }
  // After a receive that gave up: whether the last packet that failed did not
  // come in time (a device gone quiet) rather than came and did not check.
  bool PeerSilent() const { return Silent; }

  static uint8_t Checksum(const uint8_t* data, size_t count);
  static uint16_t Crc16(uint16_t value, const uint8_t* data, size_t count);
  static uint16_t Crc16Update(uint16_t value, uint8_t byte);

  // The two CRC byte orders on the wire: our packets carry the CRC low byte
  // first, which the device takes as it is; received packets carry it high
  // byte first, the published XMODEM-CRC order.
  static void PutSendCrc(uint8_t* at, uint16_t crc);
  static uint16_t GetReceivedCrc(const uint8_t* at);

 private:
  enum class BlockResult { Refused, Accepted, Repeated };

  bool NextByte(const Timer& timer, uint8_t& byte);
  void DropInput();
  bool WaitStart(uint8_t nakByte, uint8_t crcByte, uint32_t timeout);
  bool WaitByte(uint8_t wanted, uint8_t nakByte, uint32_t timeout);
  void SendByte(uint8_t byte);
  void SendBlock();
  void ResendBlock();
  BlockResult ReceiveBlock();
  void Post(TransferState state);
  void Pause(uint32_t ms);
  [[noreturn]] void CancelReceive();
  // Breaks the transfer off when asked to.
  void CheckCancel();

  int State = 0;
  Serial* Port;
  uint32_t ErrorCount = 0;
  BestFile File;
  std::unique_ptr<uint8_t[]> Packet;
  uint8_t BlockNumber = 1;
  bool EndOfFile = false;
  bool CrcMode = false;
  bool BlockReceived = false;
  bool Silent = false;
  int PacketSize = 1028;
  WindowHandle NotifyWindow;
  XModemTiming Timing;
  std::vector<uint8_t> Input;  // bytes taken from the port, not yet examined
  size_t InputPos = 0;
  const std::atomic<bool>* CancelFlag = nullptr;
};
