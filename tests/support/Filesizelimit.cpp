#include "Filesizelimit.h"

#include <csignal>

namespace testenv {

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  if (getrlimit(RLIMIT_FSIZE, &old_) != 0) return;
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit lower = old_;
  lower.rlim_cur = bytes;
  active_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  if (active_) setrlimit(RLIMIT_FSIZE, &old_);
  std::signal(SIGXFSZ, oldHandler_);
}

}  // namespace testenv
