#include "Recvthread.h"

#include <cstring>
#include <pthread.h>

#include "Serial.h"

RecvThread::RecvThread(const RecvThreadParams& params)
    : BufferSize(params.BufferSize),
      Buffer(params.Buffer),
      Port(params.Port),
      ReplyEvent(params.ReplyEvent) {
  thread_ = std::thread([this] { Body(); });
}

RecvThread::~RecvThread() {
  Terminate();
  WaitFor();
}

void RecvThread::SetExpectedReply(const std::string& text) {
  std::lock_guard<std::mutex> guard(Lock);
  ExpectedReply = text;
  Armed = true;
}

void RecvThread::Terminate() { terminated_.store(true); }

void RecvThread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

std::exception_ptr RecvThread::FatalException() const {
  std::lock_guard<std::mutex> guard(Lock);
  return fatal_;
}

void RecvThread::Body() {
  pthread_setname_np(pthread_self(), "RecvThread");
  try {
    Execute();
  } catch (...) {
    std::lock_guard<std::mutex> guard(Lock);
    fatal_ = std::current_exception();
  }
  finished_.store(true);
}

void RecvThread::Execute() {
  // Outside a sentence until a "$" comes: noise before it, and whatever
  // follows a "*" (checksum, CR, LF), is never part of a reply.
  bool inSentence = false;
  bool overlong = false;
  while (!terminated_.load()) {
    unsigned char byte = 0;
    if (Port->Read(&byte, 1) != 1) continue;
    if (byte == '$') {
      Length = 0;
      inSentence = true;
      overlong = false;
      continue;
    }
    if (!inSentence) continue;
    if (byte == '*') {
      inSentence = false;
      if (overlong) continue;  // too long for the buffer: dropped
      std::lock_guard<std::mutex> guard(Lock);
      size_t want = ExpectedReply.size();
      if (Armed && static_cast<size_t>(Length) >= want &&
          std::memcmp(Buffer, ExpectedReply.data(), want) == 0) {
        Buffer[Length] = '\0';
        ReplyEvent->Set();
        return;
      }
      continue;
    }
    if (Length < BufferSize - 1)
      Buffer[Length++] = static_cast<char>(byte);
    else
      overlong = true;
  }
}
