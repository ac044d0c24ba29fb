// With the application object and a German desktop, the settings file still
// gets "." in its numbers: the application sets the C locale from the
// environment, which must not reach the ini file.
#include "Apconfig.h"
#include "Pathmanager.h"
#include "Programfolders.h"
#include "Qtprint.h"
#include "Testenv.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdlib>

namespace {

TEST(DesktopLocale, SettingsNumbersIgnoreAGermanDesktop) {
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  // The premise: the application really switched to German number text.
  ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "de_DE.UTF-8 is not installed";
  QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
  ASSERT_EQ(QLocale().toString(1.5), QStringLiteral("1,5"));

  testenv::ProgramFolders f("desktop-locale");
  testenv::writeFile(f.configDir() / "Kartovex.ini", "[GUI]\r\nLat=48.1372\r\nLon=-11.5\r\n");
  TPathManager pm(f.system());
  {
    ApConfig c(pm);
    EXPECT_EQ(c.Lat, 48.1372);
    EXPECT_EQ(c.Lon, -11.5);
    c.Lat = 25.05497;
    c.Lon = 121.55497;
    ASSERT_TRUE(c.Save());
  }
  std::string text = testenv::readFile(f.configDir() / "Kartovex.ini");
  EXPECT_NE(text.find("Lat=25.05497\r\nLon=121.55497\r\n"), std::string::npos) << text;
}

}  // namespace
