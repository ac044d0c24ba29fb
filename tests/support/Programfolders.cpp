#include "Programfolders.h"

#include "Testenv.h"

namespace fs = std::filesystem;

namespace testenv {

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

ProgramFolders::ProgramFolders(const std::string& name)
    : root(scratchDir(name)),
      exe(root / "prog"),
      appData(root / "home/.config"),
      docs(root / "home/Documents"),
      common(root / "etc/xdg") {
  fs::create_directories(exe);
}

SystemFolders ProgramFolders::system() const {
  return {qpath(exe), qpath(appData), qpath(docs), qpath(common)};
}

}  // namespace testenv
