#pragma once
// A named pipe that notices whoever opens it for reading and hands them a
// whole file. A reader that must refuse pipes would otherwise wait for a
// writer for ever; here the open goes through, so a test sees it instead
// of hanging.
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

namespace testenv {

class PipeFeed {
 public:
  PipeFeed(const std::filesystem::path& path, std::string content);
  ~PipeFeed();
  PipeFeed(const PipeFeed&) = delete;
  PipeFeed& operator=(const PipeFeed&) = delete;

  bool Made() const { return made_; }
  // Someone opened the pipe for reading.
  bool Opened() const { return opened_; }

 private:
  std::filesystem::path path_;
  bool made_ = false;
  std::atomic<bool> opened_{false}, stop_{false};
  std::thread writer_;
};

}  // namespace testenv
