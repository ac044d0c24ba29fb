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
}

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

  try {
    if (!known) {
      post(WM_TASK_COMMAND_DONE, 1, 0);
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
      ok = channel->SendCommand(command, row.Reply, CommandReplyTimeout);
    } catch (const SerialException& e) {
      channel.reset();
      post(WM_TASK_COMMAND_DONE, 1, e.Code);
      return;
    }
    channel.reset();  // the receive thread has ended: the reply stays untouched

    if (row.Kind == tkNone) {
      post(WM_TASK_COMMAND_DONE, ok ? 0 : 1, 0);
      return;
    }
    if (!ok) {
      post(doneMessage, 1, 0);
      return;
    }

    Port->Reopen(TransferBaudRate);
    XModem transfer(Port, NotifyWindow, Timing);
    const std::string path = HasFileName ? FileName : std::string();
    if (row.Kind == tkSendFile)
      transfer.SendFile(path);
    else
      transfer.ReceiveFile(path);
    post(doneMessage, 0, 0);
  } catch (...) {
    if (!posted) post(doneMessage, 1, 0);
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
