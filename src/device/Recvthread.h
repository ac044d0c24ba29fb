#pragma once
// The receive thread of a command channel: reads the port byte by byte,
// collects each sentence between "$" and "*" in the caller's buffer and,
// once armed by SetExpectedReply, signals the reply event and ends when a
// sentence begins with the expected text.
#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "Autoevent.h"

class Serial;

struct RecvThreadParams {
  Serial* Port = nullptr;
  char* Buffer = nullptr;      // not owned
  int32_t BufferSize = 0;      // bytes, the terminating zero included
  AutoResetEvent* ReplyEvent = nullptr;
};

// Collects the text of each sentence between "$" and "*" in a buffer. Noise
// before a "$", and whatever follows a "*" (checksum, CR, LF), is never part
// of a sentence; one too long for the buffer is dropped.
class SentenceAssembler {
 public:
  SentenceAssembler(char* buffer, int32_t bufferSize) : Buffer(buffer), BufferSize(bufferSize) {}
  // Takes one byte. True when it ended a sentence that fits: its Length()
  // bytes are then at the start of the buffer, which has room for one more.
  bool Feed(unsigned char byte);
  int32_t Length() const { return Length_; }
  // Whether the last byte fed was no part of a sentence, its checksum or a
  // line end (noise), or ended one too long for the buffer.
  bool Stray() const { return Stray_; }

 private:
  char* Buffer;
  int32_t BufferSize;
  int32_t Length_ = 0;
  bool InSentence = false;
  bool Overlong = false;
  int ChecksumLeft = 0;  // checksum digits still to come after "*"
  bool Stray_ = false;
};

class RecvThread {
 public:
  // Starts the thread; throws std::system_error when it cannot.
  explicit RecvThread(const RecvThreadParams& params);
  virtual ~RecvThread();  // Terminate, then WaitFor
  RecvThread(const RecvThread&) = delete;
  RecvThread& operator=(const RecvThread&) = delete;

  // Sets what a reply must begin with. Until the first call nothing matches;
  // an empty text then matches every sentence.
  void SetExpectedReply(const std::string& text);

  // Asks the thread to end; it does when the running read returns (about a
  // second on a silent line).
  void Terminate();
  void WaitFor();
  bool Finished() const { return finished_.load(); }
  // Whether anything but the expected reply arrived since the last
  // SetExpectedReply: a device that answers, but not what was asked.
  bool OtherSeen() const { return otherSeen_.load(); }
  // What ended the thread, if anything was thrown (a failed read).
  std::exception_ptr FatalException() const;

 protected:
  void Execute();

 private:
  void Body();

  SentenceAssembler Sentence;
  char* Buffer;
  Serial* Port;
  AutoResetEvent* ReplyEvent;
  std::string ExpectedReply;
  bool Armed = false;
  mutable std::mutex Lock;  // guards ExpectedReply, Armed and fatal_

  std::exception_ptr fatal_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> otherSeen_{false};
  std::thread thread_;
};
