#include "Portsandbox.h"

#include "Testenv.h"

namespace fs = std::filesystem;

namespace testenv {

PortSandbox::PortSandbox(const std::string& name) : dir_(scratchDir(name)) {
  portmap::Configure(portmap::Settings{dir_, false});
}

PortSandbox::~PortSandbox() { portmap::Configure(portmap::FromEnvironment(fs::path())); }

fs::path PortSandbox::link(int port, const fs::path& target) const {
  fs::path l = dir_ / ("COM" + std::to_string(port));
  std::error_code ec;
  fs::remove(l, ec);
  fs::create_symlink(target, l);
  return l;
}

}  // namespace testenv
