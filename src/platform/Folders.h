#pragma once
// The shell's special folders and the program's own folder.
//
// Linux stand-ins: the per-user application-data folder is the XDG config
// home (~/.config), documents is the desktop's documents folder, and the
// all-users application-data folder is the system-wide XDG config folder.
// Folder texts use "/" as separator.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <optional>

namespace folders {

// The shell's folder numbers.
constexpr int kAppData = 26;
constexpr int kPersonal = 5;
constexpr int kCommonAppData = 35;

// The folder's path without a trailing "/"; empty for an unknown number or
// when the folder cannot be worked out.
QString SpecialFolder(int csidl);

// The folder of the running program file, with a trailing "/".
QString ProgramDir();

// Creates the folder and any missing parents; true when it exists afterwards.
bool CreateFolder(const QString& path);
// The reason an errno gives, for the user: the reasons a save or an open
// meets most (no space, permission denied, a read-only file system, no such
// file, a folder, a name or a file too long, an input/output error) are the
// program's own translatable texts (English as the system words them); any
// other is the system's text.
QString SystemReason(int error);
// Why a file cannot be written at `filePath` (e.g. "Permission denied" for
// the nearest existing folder on its way); empty when its folder exists and
// may be written into. Creates nothing.
QString WhyNotWritable(const QString& filePath);
// Why writing the file at `filePath` failed: what its folder tells first (a
// missing or locked folder, a folder in the file's place), else `error` (the
// errno of the failed call, 0 when unknown). An unknown error is looked for:
// a full disk, else what a file made beside the target is refused with (the
// probe leaves nothing behind), else an input/output error. Never empty.
QString WhyWriteFailed(const QString& filePath, int error);
// Why the file at `path` cannot be opened for reading, for the user.
QString WhyNotReadable(const QString& path);

bool FileExists(const QString& path);

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// Opens a save file (written beside the target, renamed over it on commit)
// for streaming. Unbuffered on purpose: with a buffer, Qt 6.4 drops a short
// write at the final flush and commit() still reports success over a file
// the disk cut short. Every write must be checked by the caller.
bool OpenSaveFile(QSaveFile& file);

// For writers that stream a big save file: every few MiB the disk is asked
// to start writing what came so far, and the piece before that is waited
// for and let go from the page cache. The final sync of commit() then has
// little left to do, and a big file never piles up dirty memory; commit()
// still syncs the whole file. Wrote
// returns false when the disk reported a failed write (which commit() would
// then no longer see): the save has failed.
class WriteBehind {
 public:
  explicit WriteBehind(QFileDevice& file) : fd_(file.handle()) {}
  bool Wrote(std::int64_t bytes);

 private:
  int fd_;
  std::int64_t written_ = 0, started_ = 0, waited_ = 0;
};

// Writes through a temporary file and renames it into place, so a failed
// write leaves the old file as it was. Missing parent folders are not created.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// Copies a file over another one (replacing it) without leaving a half file.
bool CopyFileReplacing(const QString& from, const QString& to);

}  // namespace folders
