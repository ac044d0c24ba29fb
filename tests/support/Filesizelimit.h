#pragma once
// Lowers the process's file size limit while it lives, so that writes past
// the limit fail with EFBIG (SIGXFSZ is ignored meanwhile): a stand-in for a
// full disk. Keep output to the test log out of its lifetime.
#include <sys/resource.h>

#include <cstdint>

namespace testenv {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool active() const { return active_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
  bool active_ = false;
};

}  // namespace testenv
