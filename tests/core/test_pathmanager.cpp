// Program folders in normal and portable mode.
#include "Folders.h"
#include "Pathmanager.h"
#include "Programfolders.h"
#include "Testenv.h"
#include "Qtprint.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using testenv::ProgramFolders;
QString q(const fs::path& p) { return testenv::qpath(p); }

TEST(PathManager, NormalModeUsesTheUsersFoldersAndCreatesThem) {
  ProgramFolders f("paths-normal");
  TPathManager pm(f.system());
  EXPECT_FALSE(pm.Portable);
  EXPECT_EQ(pm.ConfigFileName, "Kartovex.ini");
  EXPECT_EQ(pm.GetExeDir(), q(f.exe) + "/");
  EXPECT_EQ(pm.GetConfigDir(), q(f.appData / "Kartovex") + "/");
  EXPECT_EQ(pm.DocumentsDir, q(f.docs / "Kartovex"));
  EXPECT_EQ(pm.GetDataDir(), pm.DocumentsDir);
  EXPECT_EQ(pm.GetWebDir(), q(f.appData / "Kartovex/web"));
  EXPECT_EQ(pm.CommonDataDir, q(f.common / "Kartovex"));
  // Missing parents are created too; the common folder is never touched.
  EXPECT_TRUE(fs::is_directory(f.appData / "Kartovex/web"));
  EXPECT_TRUE(fs::is_directory(f.docs / "Kartovex"));
  EXPECT_FALSE(fs::exists(f.common));
}

TEST(PathManager, MarkerBesideTheProgramMeansPortableMode) {
  ProgramFolders f("paths-portable");
  testenv::writeFile(f.exe / "Kartovex.usb", "[GUI]\r\n");
  TPathManager pm(f.system());
  EXPECT_TRUE(pm.Portable);
  EXPECT_EQ(pm.ConfigFileName, "Kartovex.usb");
  EXPECT_EQ(pm.GetConfigDir(), pm.GetExeDir());
  EXPECT_EQ(pm.GetDataDir(), q(f.exe / "data"));
  EXPECT_EQ(pm.GetWebDir(), q(f.exe / "web"));
  EXPECT_TRUE(fs::is_directory(f.exe / "data"));
  EXPECT_TRUE(fs::is_directory(f.exe / "web"));
  // Nothing is written into the user's folders.
  EXPECT_FALSE(fs::exists(f.appData));
  EXPECT_FALSE(fs::exists(f.docs));
}

TEST(PathManager, UnknownSpecialFolderLeavesItsFoldersUnset) {
  ProgramFolders f("paths-empty");
  SystemFolders s = f.system();
  s.appDataDir.clear();
  TPathManager pm(s);
  EXPECT_TRUE(pm.GetConfigDir().isEmpty());
  EXPECT_TRUE(pm.GetWebDir().isEmpty());
  EXPECT_FALSE(fs::exists("/Kartovex"));
}

TEST(PathManager, PlatformFoldersFollowTheXdgSettings) {
  ProgramFolders f("paths-xdg");
  QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", (f.root / "home").c_str());
  qputenv("XDG_CONFIG_HOME", f.appData.c_str());
  EXPECT_EQ(folders::SpecialFolder(folders::kAppData), q(f.appData));
  EXPECT_EQ(folders::SpecialFolder(folders::kPersonal), q(f.docs));
  EXPECT_TRUE(folders::SpecialFolder(12345).isEmpty());
  // Without an application object the running file tells the folder.
  EXPECT_EQ(folders::ProgramDir(), q(fs::canonical("/proc/self/exe").parent_path()) + "/");
  qputenv("HOME", oldHome);
  if (oldConfig.isEmpty())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

}  // namespace
