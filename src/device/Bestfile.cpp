#include "Bestfile.h"

#include "Apexception.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

BestFile::~BestFile() { Close(); }

void BestFile::OpenRead(const std::string& path) {
  Close();
  Handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (Handle < 0) throw FileException(feOpenRead, path);
}

void BestFile::OpenWrite(const std::string& path) {
  Close();
  Handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (Handle < 0) throw FileException(feOpenWrite, path);
}

void BestFile::Close() {
  if (Handle >= 0) {
    ::close(Handle);
    Handle = -1;
  }
}

size_t BestFile::Read(void* buffer, size_t count) {
  if (Handle < 0) throw FileException(feRead, "");
  auto* p = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = ::read(Handle, p + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileException(feRead, "");
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

size_t BestFile::Write(const void* buffer, size_t count) {
  if (Handle < 0) throw FileException(feWrite, "");
  const auto* p = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = ::write(Handle, p + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw FileException(feWrite, "");
    done += static_cast<size_t>(n);
  }
  return done;
}
