#include "Worktask.h"

#include "Apexception.h"
#include "Nmea.h"
#include "Serial.h"

#include <cstring>
#include <memory>
#include <pthread.h>

const DeviceCommand deviceCommands[WorkTaskCount] = {
    {"POEM14,1", "PKRV200,01", tkNone},        // wtSetDeviceConfig (+ parameter text)
    {"POEM14,0", "POEM103", tkNone},           // wtGetDeviceConfig
    {"POEM02", "PKRV200,02", tkNone},          // wtSetLoggerConfig (+ parameter text)
    {"POEM06", "POEM101", tkNone},             // wtGetLoggerConfig
    {"POEM12,3", "POEM200,12", tkSendFile},    // wtUploadDestinations
    {"POEM12,1", "POEM200,12", tkReceiveFile}, // wtDownloadDestinations
    {"POEM12,4", "POEM200,12", tkSendFile},    // wtUploadWaypoints
    {"POEM12,2", "POEM200,12", tkReceiveFile}, // wtDownloadWaypoints
    {"POEM12,11", "POEM200,12", tkSendFile},   // wtUploadRoute
    {"POEM12,12", "POEM200,12", tkReceiveFile},// wtDownloadRoute
    {"", "", tkNone},                          // wtReserved
    {"POEM12,14", "POEM200,12", tkReceiveFile},// wtDownloadTrackLog
};

WorkTask::WorkTask(int taskCode, const WorkTaskParams& params)
    : TaskCode(taskCode),
      NotifyWindow(params.NotifyWindow),
      Port(params.Port),
      Buffer(params.Buffer),
      BufferSize(params.BufferSize),
      FileName(params.FileName ? *params.FileName : std::string()),
      HasFileName(params.FileName != nullptr),
      Timing(params.Timing) {
  Thread = std::thread([this] { Run(); });
}

WorkTask::~WorkTask() { WaitFor(); }

void WorkTask::WaitFor() {
  if (Thread.joinable()) Thread.join();
}

void WorkTask::Run() {
  pthread_setname_np(pthread_self(), "WorkTask");
  try {
    Execute();
  } catch (...) {
    // Execute reports every failure itself; nothing may leave the thread.
  }
  Ended_.store(true);
}

namespace {

// The cause of the exception in flight, as the user is told it.
TaskFailure CurrentFailure(TransferKind kind, const XModem* transfer) {
  try {
    throw;
  } catch (const SerialException&) {
    return tfLineLost;
  } catch (const ProtException& e) {
    switch (e.Code) {
      case peTimeout:
        return tfNoReply;
      case peCancelled:
        return tfDeviceCancelled;
      case peTooManyRetries:
        // The receiver gives up after ten failed packets: a device gone
        // quiet is told apart from one whose packets do not check.
        if (kind == tkSendFile) return tfRefused;
        return transfer && transfer->PeerSilent() ? tfNoReply : tfDamaged;
      default:
        return tfLineLost;  // the port is closed or failed
    }
  } catch (const FileException& e) {
    return e.Code == feOpenRead || e.Code == feRead ? tfFileRead : tfFileWrite;
  } catch (...) {
    return tfFailed;
  }
}

}  // namespace

void WorkTask::Execute() {
  const bool known = TaskCode >= 0 && TaskCode < WorkTaskCount;
  const TransferKind kind = known ? deviceCommands[TaskCode].Kind : tkNone;
  const unsigned doneMessage = kind == tkSendFile      ? WM_TASK_SEND_DONE
                               : kind == tkReceiveFile ? WM_TASK_RECEIVE_DONE
                                                       : WM_TASK_COMMAND_DONE;
  bool posted = false;
  auto post = [&](unsigned msg, uintptr_t wParam, intptr_t lParam) {
    posted = true;
    PostWindowMessage(NotifyWindow, msg, wParam, lParam);
  };
  auto fail = [&](unsigned msg, TaskFailure cause, intptr_t lParam = 0) {
    // Whatever a cancel made fail, the user asked for it.
    FailureCause.store(Terminated.load() ? tfUserCancelled : cause);
    post(msg, 1, lParam);
  };

  std::unique_ptr<XModem> transfer;
  try {
    if (!known) {
      fail(WM_TASK_COMMAND_DONE, tfFailed);
      return;
    }
    const DeviceCommand& row = deviceCommands[TaskCode];

    // The channel receives the reply into Buffer, so take the parameter text
    // out of it first.
    std::string command = row.Command;
    if ((TaskCode == wtSetDeviceConfig || TaskCode == wtSetLoggerConfig) && Buffer && BufferSize > 0)
      command.append(Buffer, strnlen(Buffer, static_cast<size_t>(BufferSize)));

    auto channel = std::make_unique<Nmea>(Port, Buffer, BufferSize);
    bool ok = false;
    try {
      ok = channel->SendCommand(command, row.Reply, CommandReplyTimeout, &Terminated);
    } catch (const SerialException& e) {
      channel.reset();
      fail(WM_TASK_COMMAND_DONE, tfLineLost, e.Code);
      return;
    }
    const bool other = !ok && channel->OtherReplySeen();
    channel.reset();  // the receive thread has ended: the reply stays untouched
    // A reply that never came on a line whose reads failed is a lost line;
    // a device that sent something else did answer.
    const TaskFailure noReply = !Port->IsOpen() ? tfLineLost : other ? tfUnexpectedReply : tfNoReply;

    if (row.Kind == tkNone) {
      if (ok)
        post(WM_TASK_COMMAND_DONE, 0, 0);
      else
        fail(WM_TASK_COMMAND_DONE, noReply);
      return;
    }
    if (!ok) {
      fail(doneMessage, noReply);
      return;
    }

    Port->Reopen(TransferBaudRate);
    transfer = std::make_unique<XModem>(Port, NotifyWindow, Timing);
    transfer->SetCancelFlag(&Terminated);
    const std::string path = HasFileName ? FileName : std::string();
    if (row.Kind == tkSendFile)
      transfer->SendFile(path);
    else
      transfer->ReceiveFile(path);
    transfer.reset();  // the file is closed before the window hears of the end
    post(doneMessage, 0, 0);
  } catch (...) {
    const TaskFailure cause = CurrentFailure(kind, transfer.get());
    transfer.reset();
    if (!posted) fail(doneMessage, cause);
  }
}

void SplitReply(std::vector<std::string>& reply, const char* text) {
  reply.clear();
  const char* start = text;
  for (const char* p = text;; ++p) {
    if (*p == ',' || *p == '\0') {
      reply.emplace_back(start, p);
      if (*p == '\0') break;
      start = p + 1;
    }
  }
}
