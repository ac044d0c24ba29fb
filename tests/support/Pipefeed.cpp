#include "Pipefeed.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

namespace testenv {

PipeFeed::PipeFeed(const std::filesystem::path& path, std::string content) : path_(path) {
  made_ = ::mkfifo(path.c_str(), 0600) == 0;
  if (!made_) return;
  writer_ = std::thread([this, content = std::move(content)] {
    // A reader that stops early gives EPIPE here, not a signal that ends the test.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    // Opening the write end without waiting succeeds only once a reader is there.
    int fd = -1;
    while (!stop_ && (fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK)) < 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (fd < 0) return;
    opened_ = true;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    for (std::size_t done = 0; done < content.size();) {
      const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
      if (n <= 0) break;
      done += std::size_t(n);
    }
    ::close(fd);
  });
}

PipeFeed::~PipeFeed() {
  if (!made_) return;
  stop_ = true;
  writer_.join();
}

}  // namespace testenv
