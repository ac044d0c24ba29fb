#include "Folders.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace folders {

namespace {

QString withoutTrailingSlash(QString p) {
  while (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
  return p;
}

}  // namespace

QString SpecialFolder(int csidl) {
  switch (csidl) {
    case kAppData:
      return withoutTrailingSlash(
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    case kPersonal:
      return withoutTrailingSlash(
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    case kCommonAppData: {
      // The last of the config folders is the system-wide one (/etc/xdg).
      QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
      return all.size() > 1 ? withoutTrailingSlash(all.last()) : QString();
    }
    default:
      return {};
  }
}

QString ProgramDir() {
  QString dir;
  if (QCoreApplication::instance()) {
    dir = QCoreApplication::applicationDirPath();
  } else {
    dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    dir = QFileInfo(dir).absolutePath();
  }
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

bool CreateFolder(const QString& path) {
  if (path.isEmpty()) return false;
  return QDir().mkpath(path);
}

QString WhyNotWritable(const QString& filePath) {
  const QString dir = QFileInfo(filePath).absolutePath();
  // The nearest folder on the way that exists tells why the rest is missing.
  QString existing = dir;
  while (!QFileInfo::exists(existing)) {
    const QString parent = QFileInfo(existing).absolutePath();
    if (parent == existing) break;
    existing = parent;
  }
  auto said = [](int code) { return QString::fromLocal8Bit(std::strerror(code)); };
  if (!QFileInfo(existing).isDir()) return said(ENOTDIR);
  if (::access(QFile::encodeName(existing).constData(), W_OK) != 0) return said(errno);
  if (existing != dir) return said(ENOENT);
  return {};
}

bool FileExists(const QString& path) {
  QFileInfo fi(path);
  return fi.exists() && fi.isFile();
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return data;
}

bool OpenSaveFile(QSaveFile& file) { return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile f(path);
  if (!OpenSaveFile(f)) return false;
  if (f.write(bytes) != bytes.size() || f.error() != QFileDevice::NoError) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

bool CopyFileReplacing(const QString& from, const QString& to) {
  std::optional<QByteArray> data = ReadWholeFile(from);
  return data && WriteWholeFile(to, *data);
}

}  // namespace folders
