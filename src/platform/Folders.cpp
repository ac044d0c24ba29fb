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

#include <fcntl.h>
#include <sys/statvfs.h>

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

QString SystemReason(int error) {
  const char* text = nullptr;
  //: A reason after a failed save or open, as the system reports it.
  switch (error) {
    case ENOSPC: text = QT_TRANSLATE_NOOP("folders", "No space left on device"); break;
    case EACCES: text = QT_TRANSLATE_NOOP("folders", "Permission denied"); break;
    case EPERM: text = QT_TRANSLATE_NOOP("folders", "Operation not permitted"); break;
    case EROFS: text = QT_TRANSLATE_NOOP("folders", "Read-only file system"); break;
    case ENOENT: text = QT_TRANSLATE_NOOP("folders", "No such file or directory"); break;
    case EISDIR: text = QT_TRANSLATE_NOOP("folders", "Is a directory"); break;
    case ENOTDIR: text = QT_TRANSLATE_NOOP("folders", "Not a directory"); break;
    case ENAMETOOLONG: text = QT_TRANSLATE_NOOP("folders", "File name too long"); break;
    case EFBIG: text = QT_TRANSLATE_NOOP("folders", "File too large"); break;
    case EIO: text = QT_TRANSLATE_NOOP("folders", "Input/output error"); break;
    default: return QString::fromLocal8Bit(std::strerror(error));
  }
  return QCoreApplication::translate("folders", text);
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
  if (!QFileInfo(existing).isDir()) return SystemReason(ENOTDIR);
  if (::access(QFile::encodeName(existing).constData(), W_OK) != 0) return SystemReason(errno);
  if (existing != dir) return SystemReason(ENOENT);
  return {};
}

QString WhyWriteFailed(const QString& filePath, int error) {
  const QString why = WhyNotWritable(filePath);
  if (!why.isEmpty()) return why;
  const QFileInfo target(filePath);
  if (target.isDir()) return SystemReason(EISDIR);
  if (error != 0) return SystemReason(error);
  const QByteArray folder = QFile::encodeName(target.absolutePath());
  // A file system without blocks (/proc, /sys) is not full: it makes no files.
  struct statvfs fs {};
  if (::statvfs(folder.constData(), &fs) == 0 && fs.f_blocks > 0 && fs.f_bavail == 0) return SystemReason(ENOSPC);
  QByteArray probe = folder + "/.trevik-probe-XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return SystemReason(errno);
  ::close(fd);
  ::unlink(probe.constData());
  return SystemReason(EIO);
}

QString WhyNotReadable(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return SystemReason(errno);
  ::close(fd);
  return SystemReason(EIO);
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

bool WriteBehind::Wrote(std::int64_t bytes) {
  constexpr std::int64_t kStep = 8 << 20;
  written_ += bytes;
  if (fd_ < 0 || written_ - started_ < kStep) return true;
  if (started_ > waited_ &&
      ::sync_file_range(fd_, waited_, started_ - waited_,
                        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER) != 0 &&
      errno != EINVAL && errno != ESPIPE && errno != ENOSYS)  // those: a file that cannot do this
    return false;
  // What is on the disk need not stay in memory: a big export does not push
  // the rest of the page cache out.
  if (started_ > waited_) ::posix_fadvise(fd_, waited_, started_ - waited_, POSIX_FADV_DONTNEED);
  waited_ = started_;
  ::sync_file_range(fd_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
  started_ = written_;
  return true;
}

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
