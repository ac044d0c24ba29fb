#include "Shellopen.h"

#include <mutex>

namespace desktop {

namespace {
std::mutex openerMutex;
ShellOpener installedOpener;
}  // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
  std::lock_guard lock(openerMutex);
  std::swap(installedOpener, opener);
  return opener;
}

bool ShellOpen(const QString& path) {
  ShellOpener opener;
  {
    std::lock_guard lock(openerMutex);
    opener = installedOpener;
  }
  return opener ? opener(path) : false;
}

}  // namespace desktop
