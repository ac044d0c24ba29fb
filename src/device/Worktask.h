#pragma once
// The device tasks: a fixed table of commands, and the worker thread that
// sends one command, waits for the device's reply and, for a file task, runs
// the XMODEM-1K transfer. The worker reports only by posted window messages.
#include "Windowmessage.h"
#include "Xmodem.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

class Serial;

enum WorkTaskCode : int {
  wtSetDeviceConfig = 0,
  wtGetDeviceConfig = 1,
  wtSetLoggerConfig = 2,
  wtGetLoggerConfig = 3,
  wtUploadDestinations = 4,
  wtDownloadDestinations = 5,
  wtUploadWaypoints = 6,
  wtDownloadWaypoints = 7,
  wtUploadRoute = 8,
  wtDownloadRoute = 9,
  wtReserved = 10,
  wtDownloadTrackLog = 11,
};
constexpr int WorkTaskCount = 12;

enum TransferKind : int { tkNone = 0, tkSendFile = 1, tkReceiveFile = 2 };

struct DeviceCommand {
  const char* Command;  // the sentence body, without "$" and checksum
  const char* Reply;    // the expected reply's beginning; empty: none awaited
  TransferKind Kind;
};

extern const DeviceCommand deviceCommands[WorkTaskCount];

// Cuts a settings reply at every ","; empty pieces stay, so n commas give
// n + 1 elements.
void SplitReply(std::vector<std::string>& reply, const char* text);

constexpr unsigned WM_TASK_COMMAND_DONE = WM_USER + 200;  // wParam 0 ok / 1 failed; lParam serial code
constexpr unsigned WM_TASK_RECEIVE_DONE = WM_USER + 201;  // wParam 0 ok / 1 failed
constexpr unsigned WM_TASK_SEND_DONE = WM_USER + 202;     // wParam 0 ok / 1 failed

// Why a device task failed, so that the user can be told more than "Error".
enum TaskFailure : int {
  tfNone = 0,
  tfNoReply,          // the device did not answer within the time
  tfUnexpectedReply,  // the device answered, but not what the command asks for
  tfRefused,          // the device kept refusing our blocks or our end (NAK)
  tfDamaged,          // the device's blocks kept arriving damaged
  tfDeviceCancelled,  // the device broke the transfer off (CAN)
  tfLineLost,         // the port failed: the line broke off or the device hung up
  tfFileRead,         // the transfer file could not be read
  tfFileWrite,        // the transfer file could not be written
  tfBadReply,         // a settings reply the pages could not take
  tfUserCancelled,    // the user broke the task off: told apart from every failure
  tfNoPort,           // the port could not be opened
  tfFailed,           // anything else
};

constexpr uint32_t CommandReplyTimeout = 1500;
constexpr int TransferBaudRate = 115200;

// Handed from the progress window to the worker.
struct WorkTaskParams {
  WindowHandle NotifyWindow = nullptr;
  Serial* Port = nullptr;
  char* Buffer = nullptr;  // parameter text at the start, the device's reply at the end
  int BufferSize = 0;
  const std::string* FileName = nullptr;  // null when the task has no file
  XModemTiming Timing;
};

class WorkTask {
 public:
  // Starts the thread at once.
  WorkTask(int taskCode, const WorkTaskParams& params);
  virtual ~WorkTask();  // waits for the thread
  WorkTask(const WorkTask&) = delete;
  WorkTask& operator=(const WorkTask&) = delete;

  // Breaks the task off: the wait for a reply ends, and a running transfer
  // is cancelled towards the device (CAN), both within a few milliseconds.
  // The task then ends with tfUserCancelled, whatever the cancel made fail.
  void Terminate() { Terminated = true; }
  void WaitFor();
  // The thread body has returned (its last message, if any, is posted).
  bool Ended() const { return Ended_.load(); }
  // Why the task failed; set before the failure message is posted, so the
  // window reads it when that message arrives. tfNone until then.
  TaskFailure Failure() const { return FailureCause.load(); }

 private:
  void Execute();
  void Run();

  int TaskCode;
  WindowHandle NotifyWindow;
  Serial* Port;
  char* Buffer;
  int BufferSize;
  std::string FileName;
  bool HasFileName;
  XModemTiming Timing;
  std::atomic<bool> Terminated{false};
  std::atomic<bool> Ended_{false};
  std::atomic<TaskFailure> FailureCause{tfNone};
  std::thread Thread;
};
