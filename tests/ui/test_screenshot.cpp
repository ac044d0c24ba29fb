// Pictures of the windows for a reviewer: the main window on each page, the
// splash window and the language chooser, written into the build folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QTest>

#include "Frmlanguage.h"
#include "Mainform.h"
#include "Splashform.h"
#include "Uitestenv.h"

namespace {

QString ShotDir() {
  const QString dir = QString::fromStdString((testenv::buildDir() / "screenshots").string());
  QDir().mkpath(dir);
  return dir + "/";
}

void Save(QWidget& w, const QString& name) {
  w.show();
  QTest::qWait(50);  // let the window paint once
  const QPixmap shot = w.grab();
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.size(), w.size());
  ASSERT_TRUE(shot.save(ShotDir() + name)) << name.toStdString();
}

TEST(Screenshot, Windows) {
  uitest::ProgramEnv env("screenshot");
  // The real English texts, so the picture shows what a user sees.
  std::filesystem::copy_file(testenv::binDir() / "English.txt",
                             std::filesystem::path(env.Exe().toStdString()) / "English.txt",
                             std::filesystem::copy_options::overwrite_existing);
  env.WriteIni(
      "[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\n"
      "WLeft=0\r\nWTop=0\r\nWWidth=1100\r\nWHeight=760\r\n[SERIAL]\r\nPort=3\r\n");
  env.Start();
  {
    TFormMain f;
    f.resize(1100, 760);
    struct {
      QWidget* page;
      QWidget* inner;
      const char* file;
    } const pages[] = {
        {f.pgDest, nullptr, "main-destinations.png"},
        {f.pgWaypoint, nullptr, "main-waypoints.png"},
        {f.pgRoute, nullptr, "main-route.png"},
        {f.pgTrack, nullptr, "main-tracks.png"},
        {f.pgConfig, f.pgConnect, "main-connection.png"},
        {f.pgConfig, f.pgSetLogger, "main-logger.png"},
        {f.pgConfig, f.pgSetTrevik, "main-device.png"},
        {f.pgConfig, f.pgSetKVX, "main-program.png"},
    };
    for (const auto& p : pages) {
      f.PageControl->setCurrentWidget(p.page);
      if (p.inner) f.PageControl1->setCurrentWidget(p.inner);
      Save(f, p.file);
    }
  }
  {
    TFrmSplash splash(nullptr, 4);
    splash.SetProgress(2);
    splash.SetAction(7);
    Save(splash, "splash.png");
  }
  {
    TFormLanguage chooser;
    Save(chooser, "language.png");
  }
}

}  // namespace
