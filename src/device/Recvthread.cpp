#include "Recvthread.h"

#include <cstring>
#include <pthread.h>

#include "Serial.h"

RecvThread::RecvThread(const RecvThreadParams& params)
    : Sentence(params.Buffer, params.BufferSize),
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
  otherSeen_.store(false);
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

bool SentenceAssembler::Feed(unsigned char byte) {
  Stray_ = false;
  if (byte == '$') {
    Length_ = 0;
    InSentence = true;
    Overlong = false;
    ChecksumLeft = 0;
    return false;
  }
  if (!InSentence) {
    if (ChecksumLeft > 0)
      --ChecksumLeft;
    else
      Stray_ = byte != '\r' && byte != '\n';
    return false;
  }
  if (byte == '*') {
    InSentence = false;
    ChecksumLeft = 2;
    Stray_ = Overlong || Length_ >= BufferSize;
    return !Stray_;  // room for the terminator
  }
  if (Length_ < BufferSize - 1)
    Buffer[Length_++] = static_cast<char>(byte);
  else
    Overlong = true;
  return false;
}

void RecvThread::Execute() {
  while (!terminated_.load()) {
    unsigned char byte = 0;
    if (Port->Read(&byte, 1) != 1) continue;
    const bool ended = Sentence.Feed(byte);
    std::lock_guard<std::mutex> guard(Lock);
    if (!Armed) continue;
    if (ended) {
      const int32_t length = Sentence.Length();
      const size_t want = ExpectedReply.size();
      if (static_cast<size_t>(length) >= want && std::memcmp(Buffer, ExpectedReply.data(), want) == 0) {
        Buffer[length] = '\0';
        ReplyEvent->Set();
        return;
      }
    }
    if (ended || Sentence.Stray()) otherSeen_.store(true);
  }
}
