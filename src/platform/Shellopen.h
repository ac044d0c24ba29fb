#pragma once
// Opening a file with the program the desktop associates with it (Google
// Earth for KML). The windows install the real opener at start; the
// non-window code and the tests only see this hook. Without an installed
// opener nothing is opened and the call reports false.
#include <QString>

#include <functional>

namespace desktop {

using ShellOpener = std::function<bool(const QString& path)>;

// Installs the opener; an empty one removes it. Returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener);

// Opens the file with the desktop; false when nothing could open it.
bool ShellOpen(const QString& path);

}  // namespace desktop
