#include "Folders.h"
#include "Filesizelimit.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>

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
