#include "Tempkml.h"

#include "Shellopen.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

QString TempBaseFolder() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    const char* v = std::getenv(name);
    if (v && *v) return QFile::decodeName(v);
  }
  return QStringLiteral("/tmp");
}

QString TempKmlFolder() {
  QString base = TempBaseFolder();
  while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
  const QString folder = base + QStringLiteral("/trevik-ap-") + QString::number(geteuid());
  const QByteArray native = QFile::encodeName(folder);
  if (::mkdir(native.constData(), 0700) == 0) {
    // The umask may have taken bits away that the owner needs.
    if (::chmod(native.constData(), 0700) != 0) return {};
  } else if (errno != EEXIST) {
    return {};
  }
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) return {};
  if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid() || (st.st_mode & 0077) != 0) return {};
  return folder;
}

QString TempKmlPath() {
  QString folder = TempKmlFolder();
  if (folder.isEmpty()) return {};
  return folder + QStringLiteral("/KVXFile.kml");
}

bool WriteAndOpenTempKml(const std::function<bool(const QString& path)>& write) {
  const QString path = TempKmlPath();
  if (path.isEmpty() || !write(path)) return false;
  desktop::ShellOpen(path);
  return true;
}
