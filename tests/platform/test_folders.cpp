#include "Folders.h"
#include "Filesizelimit.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <cstdint>
#include <string>

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
