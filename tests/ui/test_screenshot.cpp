// Pictures of the windows for a reviewer: the main window on each page, the
// splash window and the language chooser, written into the build folder;
// then the splash window as the screen shows it while a silent port is
// probed.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QStyle>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "Frmlanguage.h"
#include "Mainform.h"
#include "Portsandbox.h"
#include "Simulator.h"
#include "Splashform.h"
#include "Startup.h"
#include "Stringtable.h"
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

// Every tab of both tab rows is readable at the default window size without
// scroll arrows, in every language: whole, or shortened with its whole
// caption as the tooltip. In English and German the long route check box
// shows its whole caption, and a colour panel keeps its caption readable on
// a dark colour. Pictures of each page in those two languages.
TEST(Screenshot, LayoutAtTheDefaultSizeInEveryLanguage) {
  for (int lang = 0; lang < int(languageTable.size()); ++lang) {
    const QString file = QString::fromUtf16(languageTable[size_t(lang)].FileName);
    SCOPED_TRACE(file.toStdString());
    uitest::ProgramEnv env("screenshot-layout");
    std::filesystem::copy_file(testenv::binDir() / file.toStdString(),
                               std::filesystem::path(env.Exe().toStdString()) / file.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nLang=%1\r\n"
                                "[SERIAL]\r\nPort=-1\r\n")
                     .arg(lang));
    env.Start();
    TFormMain f;
    ASSERT_EQ(f.StatusText(3), QString()) << "the language file did not load";
    EXPECT_EQ(f.size(), QSize(1000, 720));
    f.show();
    f.PageControl->setCurrentWidget(f.pgConfig);
    QTest::qWait(20);
    for (QTabWidget* tabs : {f.PageControl, f.PageControl1}) {
      SCOPED_TRACE(tabs->objectName().toStdString());
      QTabBar* bar = tabs->tabBar();
      for (QToolButton* arrow : bar->findChildren<QToolButton*>()) EXPECT_FALSE(arrow->isVisible());
      for (int i = 0; i < tabs->count(); ++i) {
        const QString caption = f.TabCaption(tabs->widget(i));
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << caption.toStdString();
        if (tabs->tabText(i) != caption) {
          EXPECT_EQ(tabs->tabToolTip(i), caption);
          EXPECT_TRUE(tabs->tabText(i).endsWith(QChar(0x2026))) << tabs->tabText(i).toStdString();
        }
      }
    }
    // The status bar's panels show their texts whole ("not connected" in panel 0).
    for (QLabel* panel : f.StatusBar1->findChildren<QLabel*>()) {
      if (panel->text().isEmpty()) continue;
      EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width())
          << panel->objectName().toStdString() << ": " << panel->text().toStdString();
    }
    if (lang > 1) continue;

    // Every list shows its column titles whole.
    for (QHeaderView* header : f.findChildren<QHeaderView*>()) {
      if (header->orientation() != Qt::Horizontal || !header->model()) continue;
      const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c)) continue;
        const QString title = header->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(title) + margin)
            << header->parentWidget()->objectName().toStdString() << ": " << title.toStdString();
      }
    }

    f.PageControl->setCurrentWidget(f.pgRoute);
    QTest::qWait(20);
    QCheckBox* arrows = f.pgRoute->chkGenArrows;
    EXPECT_EQ(arrows->text(), strTable->GetString(20));
    EXPECT_GE(arrows->height(), arrows->heightForWidth(arrows->width()));
    EXPECT_LE(arrows->geometry().right(), f.pgRoute->width());

    env.services.colourAnswers.push_back(QColor(0x10, 0x20, 0x40));
    env.services.colourAnswers.push_back(QColor(0xF0, 0xF0, 0xD0));
    for (int pick = 0; pick < 2; ++pick) {
      QTest::mouseClick(f.pgSetKVX->pnlAChartColor, Qt::LeftButton);
      const QPalette p = f.pgSetKVX->pnlAChartColor->palette();
      EXPECT_GT(std::abs(p.color(QPalette::WindowText).lightness() - p.color(QPalette::Window).lightness()), 100);
    }

    const QString tag = lang == 0 ? QStringLiteral("en") : QStringLiteral("de");
    struct {
      QWidget* page;
      QWidget* inner;
      const char* name;
    } const pages[] = {
        {f.pgDest, nullptr, "destinations"}, {f.pgWaypoint, nullptr, "waypoints"},
        {f.pgRoute, nullptr, "route"},       {f.pgTrack, nullptr, "tracks"},
        {f.pgConfig, f.pgConnect, "connection"}, {f.pgConfig, f.pgSetLogger, "logger"},
        {f.pgConfig, f.pgSetTrevik, "device"},   {f.pgConfig, f.pgSetKVX, "program"},
    };
    for (const auto& p : pages) {
      f.PageControl->setCurrentWidget(p.page);
      if (p.inner) f.PageControl1->setCurrentWidget(p.inner);
      Save(f, QStringLiteral("layout-%1-%2.png").arg(tag, QLatin1String(p.name)));
    }
  }
}

// The screen's own pixels, not the widget's rendering: a window that the
// program does not paint shows black there.
struct ScreenLook {
  QImage picture;
  int white = 0;   // the window's background
  int orange = 0;  // the gauge's filled part
};

ScreenLook LookAt(QWidget& w) {
  ScreenLook look;
  const QRect r = w.frameGeometry();
  look.picture = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
  for (int y = 0; y < look.picture.height(); ++y)
    for (int x = 0; x < look.picture.width(); ++x) {
      const QColor c = look.picture.pixelColor(x, y);
      if (c.red() > 240 && c.green() > 240 && c.blue() > 240) ++look.white;
      if (c.red() > 240 && c.green() > 100 && c.green() < 150 && c.blue() < 40) ++look.orange;
    }
  return look;
}

// The desktop's own message boxes, with files chosen as the test says.
class DesktopBoxes : public uitest::FakeServices {
 public:
  explicit DesktopBoxes(UiServices& desktop) : desktop_(desktop) {}
  int MessageBox(const QString& text, const QString& caption, Icon icon, Buttons buttons) override {
    FakeServices::MessageBox(text, caption, icon, buttons);
    return desktop_.MessageBox(text, caption, icon, buttons);
  }

 private:
  UiServices& desktop_;
};

// Saves the picture of the message box that `act` shows, then closes it;
// the box's text, or nothing when no box came.
QString GrabBox(const QString& name, const std::function<void()>& act) {
  QString shown;
  QTimer grabber;
  QObject::connect(&grabber, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    grabber.stop();
    QTest::qWait(100);  // let it paint once
    const QPixmap shot = box->grab();
    EXPECT_TRUE(shot.save(ShotDir() + name)) << name.toStdString();
    shown = box->text();
    box->done(QMessageBox::Ok);
  });
  grabber.start(50);
  act();
  grabber.stop();
  return shown;
}

// A failed download and a damaged waypoint file, in German and Japanese, as
// the desktop's boxes show them.
TEST(Screenshot, FailureBoxesInGermanAndJapanese) {
  const struct {
    int lang;
    const char* file;
    const char* tag;
  } languages[] = {{1, "Deutsch.txt", "de"}, {6, "Japanese.txt", "ja"}};
  for (const auto& l : languages) {
    SCOPED_TRACE(l.tag);
    uitest::ProgramEnv env("screenshot-boxes");
    std::filesystem::copy_file(testenv::binDir() / l.file, std::filesystem::path(env.Exe().toStdString()) / l.file,
                               std::filesystem::copy_options::overwrite_existing);
    // COM 49: a port no device answers on, since it cannot be opened.
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nLang=%1\r\n"
                                "[SERIAL]\r\nPort=49\r\n")
                     .arg(l.lang));
    env.Start();
    UiServices::Install(nullptr);
    DesktopBoxes boxes(UiServices::Get());
    UiServices::Install(&boxes);
    TFormMain f;
    ASSERT_EQ(f.cmbLanguage->currentIndex(), l.lang);
    f.show();
    f.PageControl->setCurrentWidget(f.pgWaypoint);
    QTest::qWait(50);
    const QString download =
        GrabBox(QStringLiteral("box-download-failed-%1.png").arg(QLatin1String(l.tag)), [&] { f.pgWaypoint->tbDeviceDown->click(); });
    EXPECT_TRUE(download.contains(QStringLiteral("COM 49"))) << download.toStdString();

    // Two whole records, one cut short at the end.
    const std::string record = {char(114), 5, 3, 8, 0, 0, 2, 0, char(0xF0), 0x49, 2, 0, 0x70, 0x2F, char(0xFC), char(0xFF)};
    std::string second = record;
    second[5] = 2;
    const QString damaged = env.Path("docs/damaged.wpt");
    testenv::writeFile(damaged.toStdString(), record + second + std::string(7, '\x01'));
    boxes.openAnswers.push_back(damaged);
    const QString report =
        GrabBox(QStringLiteral("box-waypoint-file-%1.png").arg(QLatin1String(l.tag)), [&] { f.pgWaypoint->tbWptFileOpen->click(); });
    EXPECT_TRUE(report.startsWith(damaged + "\n")) << report.toStdString();
    EXPECT_EQ(boxes.messages.size(), 2u);
  }
}

TEST(Screenshot, SplashWhileASilentPortIsProbed) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real display";
  uitest::ProgramEnv env("screenshot-probe");
  testenv::PortSandbox ports{"screenshot-probe"};
  devsim::Simulator silent;
  devsim::Misbehaviour m;
  m.silent = true;
  silent.misbehave(m);
  silent.start();
  ports.link(3, silent.devicePath());
  env.WriteIni("[SERIAL]\r\nPort=3\r\nAutoConnect=1\r\n");
  env.Start();

  // Two looks at the screen while the probe of the splash waits.
  std::vector<ScreenLook> looks;
  StartupLinks links = StartupLinks::Real();
  auto probe = links.Probe;
  links.Probe = [&](int port, int baud) {
    if (!FrmSplash) return probe(port, baud);  // the configured port, before the splash
    QTimer first, second;
    first.setSingleShot(true);
    second.setSingleShot(true);
    QObject::connect(&first, &QTimer::timeout, [&] { looks.push_back(LookAt(*FrmSplash)); });
    QObject::connect(&second, &QTimer::timeout, [&] { looks.push_back(LookAt(*FrmSplash)); });
    first.start(300);
    second.start(1000);
    return probe(port, baud);
  };
  const StartupConnection c = DetectConnection(*apConfig, links);
  EXPECT_FALSE(c.Connected);

  ASSERT_EQ(looks.size(), 2u) << "the splash window was not painted while the probe waited";
  ASSERT_TRUE(looks[1].picture.save(ShotDir() + "splash-probing.png"));
  const int area = looks[0].picture.width() * looks[0].picture.height();
  for (const ScreenLook& look : looks) {
    EXPECT_GT(look.white, area / 5);
    EXPECT_GT(look.orange, 0);
  }
  // The gauge moves.
  EXPECT_GT(looks[1].orange, looks[0].orange);
}

}  // namespace
