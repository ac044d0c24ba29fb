#pragma once
// A port map of its own for a test: an empty override folder and no default
// ranges, so only the COMn links the test makes exist. Restores the map from
// the environment when it ends.
#include <filesystem>
#include <string>

#include "Portmap.h"

namespace testenv {

class PortSandbox {
 public:
  explicit PortSandbox(const std::string& name);
  ~PortSandbox();
  PortSandbox(const PortSandbox&) = delete;
  PortSandbox& operator=(const PortSandbox&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  // dir/COMn -> target (a node or any file).
  std::filesystem::path link(int port, const std::filesystem::path& target) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace testenv
