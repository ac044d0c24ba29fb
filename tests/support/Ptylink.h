#pragma once
// A pseudo-terminal for the device end of a file transfer in tests: the slave
// side is linked as dir/COMn for Serial, the master side is a FileLink that a
// simulated peer (SimXmodem) talks on from its own thread.
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "Filephase.h"

namespace testenv {

class PtyLink : public devsim::FileLink {
 public:
  PtyLink(const std::filesystem::path& dir, int port);
  ~PtyLink() override;

  long read(void* buffer, size_t count, int timeoutMs) override;
  bool write(const void* bytes, size_t count) override;
  int lineSpeed() const override;
  bool stopping() const override { return false; }
  void hangUp() override;

  // Runs peer(*this) on a thread; Join waits for it.
  void RunPeer(std::function<void(PtyLink&)> peer);
  void Join();

  // Writes raw bytes and reads what the program answers, for scripted peers.
  // Reads for ms milliseconds, or until the text read so far ends with until.
  std::string ReadFor(int ms, const std::string& until = std::string());

 private:
  int master_ = -1;
  int slaveHold_ = -1;
  std::string slavePath_;
  std::filesystem::path link_;
  std::thread peer_;
};

}  // namespace testenv
