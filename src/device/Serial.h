#pragma once
// The program's only way to the device's COM port. Every failure is thrown as
// a SerialException whose Code tells the step that failed.
//
// During a command exchange two threads use one object (one reads while the
// other writes). A read or write that fails therefore does not close the
// descriptor under the other thread's feet: it marks the port failed, every
// later call throws seNotOpen, and Close, Open or the destructor close it.
// Open, Close and Reopen must not run while another thread uses the object.
#include <atomic>
#include <cstdint>

class Serial {
 public:
  Serial();
  virtual ~Serial();
  Serial(const Serial&) = delete;
  Serial& operator=(const Serial&) = delete;

  // Opens COMn (through the port map) with the fixed line settings.
  // Throws seOpenFailed, seAlreadyOpen, seGetCommState, seSetCommState or
  // sePurgeComm, Value the port number (0 for the purge).
  void Open(int32_t port, int32_t baudRate);
  // Close, then Open with the stored port number and the new rate.
  void Reopen(int32_t baudRate);
  // Lets written bytes leave first (bounded in time), then discards what
  // was received. No effect on a closed port.
  void Close();

  // One read with the port's time-outs: a byte count up to count, 0 when
  // nothing arrived (a one-byte read of a silent line takes about 1 s).
  int32_t Read(void* buffer, int32_t count);
  int32_t Write(const void* bytes, int32_t count);
  // Discards everything pending in both directions.
  void Purge();
  int32_t GetBytesWaiting();

  // Open and not failed.
  bool IsOpen() const;
  // The port number given to the last Open.
  int32_t Port() const { return port_.load(); }
  // The descriptor, -1 while closed.
  int Handle() const { return fd_.load(); }

 private:
  int UsableFd() const;  // throws seNotOpen
  [[noreturn]] void Fail(int32_t code);

  std::atomic<int> fd_{-1};
  std::atomic<bool> failed_{false};
  std::atomic<int32_t> port_{0};
};
