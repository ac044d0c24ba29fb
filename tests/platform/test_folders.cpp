#include "Folders.h"
#include "Filesizelimit.h"
#include "Markingtranslator.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <cstdint>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

// A write that the disk cuts short must fail and leave the old file whole:
// the ini file, the waypoint file and the destination database all save
// through this one function.
TEST(WriteWholeFile, DiskFullKeepsOldFile) {
  fs::path dir = testenv::scratchDir("folders");
  fs::path p = dir / "data.bin";
  testenv::writeFile(p, "old contents");
  // A small file sits in a write buffer until it is closed; a large one
  // goes to the disk at once. Both must fail.
  for (int size : {3000, 64 * 1024}) {
    QByteArray data(size, 'x');
    bool ok = true;
    {
      testenv::FileSizeLimit limit(1000);
      ASSERT_TRUE(limit.active());
      ok = folders::WriteWholeFile(q(p), data);
    }
    EXPECT_FALSE(ok) << size;
    EXPECT_EQ(testenv::readFile(p), "old contents") << size;
  }
}

TEST(WriteWholeFile, ReplacesWholeFile) {
  fs::path dir = testenv::scratchDir("folders");
  fs::path p = dir / "data.bin";
  testenv::writeFile(p, "old contents that are longer");
  ASSERT_TRUE(folders::WriteWholeFile(q(p), QByteArray("new")));
  EXPECT_EQ(testenv::readFile(p), "new");
  EXPECT_FALSE(folders::WriteWholeFile(q(dir / "missing" / "x.bin"), QByteArray("new")));
}

// A save streamed in many pieces past several write-behind steps is whole
// after commit, and a disk that cuts it short still fails it.
TEST(WriteBehind, StreamedSaveIsWholeAndFailuresShow) {
  fs::path dir = testenv::scratchDir("folders");
  fs::path p = dir / "big.bin";
  std::string want;
  {
    QSaveFile f(q(p));
    ASSERT_TRUE(folders::OpenSaveFile(f));
    folders::WriteBehind behind(f);
    for (int i = 0; i < 40 * 16; ++i) {
      const std::string piece(64 * 1024, static_cast<char>('a' + i % 26));
      ASSERT_EQ(f.write(piece.data(), static_cast<qint64>(piece.size())), static_cast<qint64>(piece.size()));
      ASSERT_TRUE(behind.Wrote(static_cast<std::int64_t>(piece.size())));
      want += piece;
    }
    ASSERT_TRUE(f.commit());
  }
  EXPECT_TRUE(testenv::readFile(p) == want);

  bool ok = true;
  {
    testenv::FileSizeLimit limit(20 << 20);
    ASSERT_TRUE(limit.active());
    QSaveFile f(q(p));
    ASSERT_TRUE(folders::OpenSaveFile(f));
    folders::WriteBehind behind(f);
    const std::string piece(1 << 20, 'z');
    for (int i = 0; i < 30 && ok; ++i)
      ok = f.write(piece.data(), static_cast<qint64>(piece.size())) == static_cast<qint64>(piece.size()) &&
           behind.Wrote(static_cast<std::int64_t>(piece.size()));
    if (ok) ok = f.commit();
  }
  EXPECT_FALSE(ok);
  EXPECT_TRUE(testenv::readFile(p) == want);
}

}  // namespace

TEST(Folders, WhyNotWritableNamesTheCause) {
  const auto root = testenv::scratchDir("why-not-writable");
  const QString dir = QString::fromStdString(root.string());
  testenv::writeFile(root / "file", "x");
  EXPECT_EQ(folders::WhyNotWritable(dir + "/a.txt"), QString());
  EXPECT_EQ(folders::WhyNotWritable(dir + "/missing/deeper/a.txt"), QString::fromLocal8Bit(std::strerror(ENOENT)));
  EXPECT_EQ(folders::WhyNotWritable(dir + "/file/web/a.txt"), QString::fromLocal8Bit(std::strerror(ENOTDIR)));
  // Nothing was created on the way.
  EXPECT_FALSE(std::filesystem::exists(root / "missing"));
}

// The reason of the call that failed: a folder where no file can be made
// (/proc takes none, even from root) is no full disk.
TEST(Folders, WhyWriteFailedGivesTheFailedCallsReason) {
  const QString path = QStringLiteral("/proc/trevik-save-test.txt");
  errno = 0;
  ASSERT_FALSE(folders::WriteWholeFile(path, QByteArray("x")));
  const int error = errno;
  const QString said = folders::WhyWriteFailed(path, error);
  EXPECT_NE(said, folders::SystemReason(ENOSPC));
  if (::geteuid() == 0) {
    // Root may write into /proc's folder, so only the failed call knows why.
    EXPECT_EQ(said, folders::SystemReason(ENOENT)) << error;
    // Not known from the caller: the same call, tried beside the target.
    EXPECT_EQ(folders::WhyWriteFailed(path, 0), folders::SystemReason(ENOENT));
  }
  EXPECT_FALSE(QFileInfo::exists(path));

  // A known error is that error; a folder in the file's place is one.
  const auto root = testenv::scratchDir("why-write-failed");
  const QString dir = QString::fromStdString(root.string());
  EXPECT_EQ(folders::WhyWriteFailed(dir + "/a.txt", EFBIG), folders::SystemReason(EFBIG));
  EXPECT_EQ(folders::WhyWriteFailed(dir, EFBIG), folders::SystemReason(EISDIR));
  // Nothing known and nothing wrong to be seen: an input/output error, and
  // the probe left nothing behind.
  EXPECT_EQ(folders::WhyWriteFailed(dir + "/a.txt", 0), folders::SystemReason(EIO));
  EXPECT_TRUE(std::filesystem::is_empty(root));
}

// The reasons a user meets after a failed save or open are translated; any
// other errno is the system's text.
TEST(Folders, SystemReasonsAreTranslated) {
  testenv::MarkingTranslator german("folders");
  for (int code : {ENOSPC, EACCES, EPERM, EROFS, ENOENT, EISDIR, ENOTDIR, ENAMETOOLONG, EFBIG, EIO})
    EXPECT_EQ(folders::SystemReason(code),
              testenv::MarkingTranslator::Marked(QString::fromLocal8Bit(std::strerror(code))))
        << code;
  EXPECT_EQ(folders::SystemReason(EXDEV), QString::fromLocal8Bit(std::strerror(EXDEV)));
  const QString missing = QStringLiteral("/nonexistent-folder/a.txt");
  EXPECT_EQ(folders::WhyNotWritable(missing), testenv::MarkingTranslator::Marked(QString::fromLocal8Bit(std::strerror(ENOENT))));
  EXPECT_EQ(folders::WhyNotReadable(missing), testenv::MarkingTranslator::Marked(QString::fromLocal8Bit(std::strerror(ENOENT))));
}
