// The start-up's choice of port against the device simulator on linked
// pseudo-terminals: the direct probe of the configured port, the scan under
// the splash window, automatic connection off, no ports at all; then the
// windows it creates and the two settings reads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <memory>
#include <vector>

#include "Desktop.h"
#include "Frmlanguage.h"
#include "Frmworktask.h"
#include "Mainform.h"
#include "Portsandbox.h"
#include "Portscan.h"
#include "Simulator.h"
#include "Splashform.h"
#include "Uitestenv.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<int32_t> Table() { return std::vector<int32_t>(comPorts, comPorts + comPortCount); }

std::unique_ptr<devsim::Simulator> Device(bool answers) {
  auto s = std::make_unique<devsim::Simulator>();
  if (!answers) {
    devsim::Misbehaviour m;
    m.silent = true;
    s->misbehave(m);
  }
  s->start();
  return s;
}

// What the splash window showed when each probe ran.
struct ProbeSeen {
  int port;
  bool splashShown;
  int gauge;
  QString label;
  int gaugeMax;
};

// Counts the splash windows that were put on the screen.
class SplashWatcher : public QObject {
 public:
  SplashWatcher() { qApp->installEventFilter(this); }
  ~SplashWatcher() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && qobject_cast<TFrmSplash*>(o)) ++shown;
    return false;
  }
  int shown = 0;
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    comPortCount = 0;
  }

  // The real scan and probe, watched.
  StartupLinks Links() {
    StartupLinks links = StartupLinks::Real();
    auto probe = links.Probe;
    links.Probe = [this, probe](int port, int baud) {
      probes.push_back({port, FrmSplash && FrmSplash->isVisible(),
                        FrmSplash ? FrmSplash->Position() : -1,
                        FrmSplash ? FrmSplash->lblAction->text() : QString(),
                        FrmSplash ? FrmSplash->PortCount() : -1});
      return probe(port, baud);
    };
    auto pause = links.Pause;
    links.Pause = [this, pause](int ms) {
      pauses.push_back(ms);
      pauseWithSplash = FrmSplash && FrmSplash->isVisible();
      pause(ms);
    };
    return links;
  }

  std::vector<int> ProbedPorts() const {
    std::vector<int> out;
    for (const ProbeSeen& p : probes) out.push_back(p.port);
    return out;
  }

  uitest::ProgramEnv env;
  testenv::PortSandbox ports{"startup"};
  std::vector<ProbeSeen> probes;
  std::vector<int> pauses;
  bool pauseWithSplash = false;
};

TEST_F(StartupTest, ConfiguredPortAnswersWithoutSplash) {
  auto device = Device(true);
  auto other = Device(true);
  ports.link(4, device->devicePath());
  ports.link(2, other->devicePath());
  env.WriteIni("[SERIAL]\r\nPort=4\r\nAutoConnect=1\r\n");
  env.Start();
  SplashWatcher splash;
  const StartupConnection c = DetectConnection(*apConfig, Links());
  EXPECT_TRUE(c.Connected);
  EXPECT_EQ(c.Port, 4);
  EXPECT_EQ(apConfig->Port, 4);
  EXPECT_THAT(ProbedPorts(), ElementsAre(4));
  EXPECT_FALSE(probes[0].splashShown);
  EXPECT_EQ(splash.shown, 0);
  // The port list holds the configured port alone; the other port was never asked.
  EXPECT_THAT(Table(), ElementsAre(4));
  EXPECT_TRUE(other->received().empty());
  ASSERT_FALSE(device->received().empty());
  EXPECT_EQ(device->received()[0].body, "POEM06");
}

TEST_F(StartupTest, SilentConfiguredPortScansUntilTheDeviceAnswers) {
  // Four ports; the device is on the third; the configured port is silent.
  auto first = Device(false), second = Device(false), device = Device(true), fourth = Device(true);
  ports.link(1, first->devicePath());
  ports.link(3, second->devicePath());
  ports.link(6, device->devicePath());
  ports.link(9, fourth->devicePath());
  env.WriteIni("[SERIAL]\r\nPort=3\r\n");
  env.Start();
  SplashWatcher splash;
  const StartupConnection c = DetectConnection(*apConfig, Links());
  EXPECT_TRUE(c.Connected);
  EXPECT_EQ(apConfig->Port, 6);
  EXPECT_THAT(ProbedPorts(), ElementsAre(3, 1, 3, 6));
  EXPECT_FALSE(probes[0].splashShown);
  // Under the splash: gauge 0, 1, 2 and the port numbers in turn.
  for (size_t i = 1; i < probes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(probes[i].splashShown);
    EXPECT_EQ(probes[i].gauge, int(i - 1));
    EXPECT_EQ(probes[i].label, QString::number(probes[i].port));
    EXPECT_EQ(probes[i].gaugeMax, 4);
  }
  EXPECT_EQ(splash.shown, 1);
  EXPECT_EQ(FrmSplash, nullptr);
  EXPECT_TRUE(fourth->received().empty());
  EXPECT_THAT(Table(), ElementsAre(1, 3, 6, 9));
}

TEST_F(StartupTest, SplashIsPaintedAndItsGaugeMovesWhileASilentPortIsProbed) {
  // One silent port, no settings file: the splash shows while that port is
  // probed for seconds.
  auto silent = Device(false);
  ports.link(5, silent->devicePath());
  env.Start();

  // What the splash looked like while the probe waited, sampled by a timer of
  // this thread.
  struct Sample {
    int gauge;
    bool shown;
  };
  std::vector<Sample> duringProbe;
  int paintsBeforeProbe = 0, paintsDuringProbe = 0;
  bool probing = false, probed = false;
  class PaintCounter : public QObject {
   public:
    explicit PaintCounter(std::function<void()> f) : onPaint(std::move(f)) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Paint && FrmSplash && (o == FrmSplash || o == FrmSplash->ProgressBar)) onPaint();
      return false;
    }
    std::function<void()> onPaint;
  } paints([&] {
    if (probing)
      ++paintsDuringProbe;
    else if (!probed)
      ++paintsBeforeProbe;
  });
  QTimer sampler;
  sampler.setInterval(100);
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    if (probing && FrmSplash) duringProbe.push_back({FrmSplash->ProgressBar->value(), FrmSplash->isVisible()});
  });
  sampler.start();

  StartupLinks links = Links();
  auto probe = links.Probe;
  links.Probe = [&](int port, int baud) {
    probing = true;
    const bool answered = probe(port, baud);
    probing = false;
    probed = true;
    return answered;
  };
  QElapsedTimer clock;
  clock.start();
  const StartupConnection c = DetectConnection(*apConfig, links);
  EXPECT_FALSE(c.Connected);
  EXPECT_THAT(ProbedPorts(), ElementsAre(5));
  // The probe still waits its time-out of 1.3 s.
  EXPECT_GE(clock.elapsed(), 1300);

  EXPECT_GT(paintsBeforeProbe, 0);
  EXPECT_GT(paintsDuringProbe, 0);
  ASSERT_GE(duringProbe.size(), 10u);
  int distinct = 1;
  for (size_t i = 1; i < duringProbe.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(duringProbe[i].shown);
    EXPECT_GE(duringProbe[i].gauge, duringProbe[i - 1].gauge);
    // Within the one port's share of the gauge.
    EXPECT_LT(duringProbe[i].gauge, TFrmSplash::kStepsPerPort);
    if (duringProbe[i].gauge != duringProbe[i - 1].gauge) ++distinct;
  }
  EXPECT_GE(distinct, 5);
}

TEST_F(StartupTest, AutomaticConnectionOffProbesNothing) {
  auto device = Device(true);
  ports.link(2, device->devicePath());
  struct Case {
    const char* name;
    QString ini;
    bool shift;
  } cases[] = {
      {"switched off in the file", "[SERIAL]\r\nPort=2\r\nAutoConnect=0\r\n", false},
      {"Shift held at start", "[SERIAL]\r\nPort=2\r\nAutoConnect=1\r\n", true},
      {"Shift held, no settings file", QString(), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probes.clear();
    pauses.clear();
    if (c.ini.isEmpty())
      std::filesystem::remove(env.IniPath().toStdString());
    else
      env.WriteIni(c.ini);
    desktop::SetShiftStateSource([&] { return c.shift; });
    env.Start();
    desktop::SetShiftStateSource(nullptr);
    const int portBefore = apConfig->Port;
    SplashWatcher splash;
    const StartupConnection s = DetectConnection(*apConfig, Links());
    EXPECT_FALSE(s.Connected);
    EXPECT_TRUE(probes.empty());
    EXPECT_THAT(pauses, ElementsAre(500));
    EXPECT_TRUE(pauseWithSplash);
    EXPECT_EQ(splash.shown, 1);
    EXPECT_EQ(apConfig->Port, portBefore);
    // The port list is built all the same.
    EXPECT_THAT(Table(), ElementsAre(2));
  }
  EXPECT_TRUE(device->received().empty());
}

TEST_F(StartupTest, FirstStartScansWithoutTryingTheConfiguredPort) {
  auto silent = Device(false), device = Device(true);
  ports.link(5, silent->devicePath());
  ports.link(8, device->devicePath());
  env.Start();  // no settings file at all
  ASSERT_FALSE(apConfig->GetIniFileExisted());
  const StartupConnection c = DetectConnection(*apConfig, Links());
  EXPECT_TRUE(c.Connected);
  EXPECT_THAT(ProbedPorts(), ElementsAre(5, 8));
  EXPECT_TRUE(probes[0].splashShown);
  EXPECT_EQ(apConfig->Port, 8);
}

TEST_F(StartupTest, NoDeviceLeavesThePortAsItWas) {
  struct Case {
    const char* name;
    bool silentPort;
  } cases[] = {{"no port at all", false}, {"only a silent port", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probes.clear();
    std::unique_ptr<devsim::Simulator> silent;
    if (c.silentPort) {
      silent = Device(false);
      ports.link(7, silent->devicePath());
    }
    std::filesystem::remove(env.IniPath().toStdString());
    env.Start();
    SplashWatcher splash;
    const StartupConnection s = DetectConnection(*apConfig, Links());
    EXPECT_FALSE(s.Connected);
    EXPECT_EQ(apConfig->Port, -1);
    EXPECT_EQ(splash.shown, 1);
    EXPECT_EQ(FrmSplash, nullptr);
    EXPECT_EQ(ProbedPorts(), c.silentPort ? std::vector<int>{7} : std::vector<int>{});
    std::filesystem::remove(ports.dir() / "COM7");
  }
}

// --- the windows -----------------------------------------------------------------

class ReadingMain : public TFormMain {
 public:
  ReadingMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  void btnGetLogConfigClick() override { reads << QString("logger shown=%1").arg(isVisible()); }
  void btnGetTrevikConfigClick() override { reads << QString("device shown=%1").arg(isVisible()); }
  QStringList reads;
};

TEST_F(StartupTest, WindowsAndTheTwoSettingsReads) {
  env.WriteIni("[GUI]\r\nFirst=0\r\n");
  env.Start();
  for (bool connected : {true, false}) {
    SCOPED_TRACE(connected);
    ReadingMain* made = nullptr;
    std::unique_ptr<TFormMain> main = CreateWindows(connected, [&] { return made = new ReadingMain; });
    ASSERT_EQ(main.get(), made);
    EXPECT_EQ(FormMain, made);
    ASSERT_NE(FormLanguage, nullptr);
    EXPECT_FALSE(FormLanguage->isVisible());
    EXPECT_EQ(FormLanguage->parent(), made);
    EXPECT_FALSE(main->isVisible());
    if (connected)
      EXPECT_EQ(made->reads, QStringList({"logger shown=0", "device shown=0"}));
    else
      EXPECT_TRUE(made->reads.isEmpty());
    main.reset();
    EXPECT_EQ(FormLanguage, nullptr);
  }
}

TEST_F(StartupTest, FirstRunGoesFromSplashAndChooserToTheMainWindowLoop) {
  // First run without a device: the splash window and the language chooser
  // come and go before the main window; the loop still runs until it closes.
  std::filesystem::remove(env.IniPath().toStdString());
  env.Start();
  env.services.onDialog = [](QDialog& d) {
    d.show();
    QCoreApplication::processEvents();
    d.close();
    QCoreApplication::processEvents();
    return int(QDialog::Rejected);
  };
  bool mainShown = false;
  QTimer::singleShot(300, [&] {
    mainShown = FormMain && FormMain->isVisible();
    if (FormMain) FormMain->close();
  });
  uitest::App().setQuitOnLastWindowClosed(true);  // as a new application has it
  EXPECT_EQ(RunProgram(uitest::App(), Links()), 0);
  uitest::App().setQuitOnLastWindowClosed(false);
  EXPECT_TRUE(mainShown);
  EXPECT_EQ(env.services.dialogsShown, 1);
  EXPECT_EQ(FormMain, nullptr);
  // The main window wrote the settings back when it went.
  EXPECT_FALSE(env.Ini()->ReadBool("GUI", "First", true));
}

// The real reads against the simulator: the replies reach the main window
// before it is shown.
class ReplyMain : public TFormMain {
 public:
  ReplyMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  bool ShowLoggerConfig(const std::vector<std::string>& reply) override {
    replies.push_back("logger " + std::to_string(reply.size()) + (isVisible() ? " shown" : ""));
    return true;
  }
  bool ShowDeviceConfig(const std::vector<std::string>& reply) override {
    replies.push_back("device " + std::to_string(reply.size()) + (isVisible() ? " shown" : ""));
    return true;
  }
  std::vector<std::string> replies;
};

TEST_F(StartupTest, ConnectedStartReadsBothSettingsFromTheDevice) {
  auto device = Device(true);
  ports.link(4, device->devicePath());
  env.WriteIni("[GUI]\r\nFirst=0\r\n[SERIAL]\r\nPort=4\r\n");
  env.Start();
  const StartupConnection c = DetectConnection(*apConfig, Links());
  ASSERT_TRUE(c.Connected);
  device->clearReceived();
  ReplyMain* made = nullptr;
  auto main = CreateWindows(true, [&] { return made = new ReplyMain; });
  EXPECT_THAT(made->replies, ElementsAre("logger 9", "device 8"));
  std::vector<std::string> bodies;
  for (const auto& r : device->received()) bodies.push_back(r.body);
  EXPECT_THAT(bodies, ElementsAre("POEM06", "POEM14,0"));
  EXPECT_EQ(FormWorkTask, nullptr);
}

// A read that fails says so, as the Get buttons do.
TEST_F(StartupTest, SettingsReadOnAPortThatDoesNotOpenSaysWhy) {
  env.WriteIni("[GUI]\r\nFirst=0\r\n[SERIAL]\r\nPort=12\r\n");  // nothing linked as COM12
  env.Start();
  ReplyMain* made = nullptr;
  auto main = CreateWindows(true, [&] { return made = new ReplyMain; });
  EXPECT_TRUE(made->replies.empty());
  ASSERT_EQ(env.services.messages.size(), 2u);  // the logger's read, then the device's
  for (const auto& m : env.services.messages)
    EXPECT_TRUE(m.text.endsWith(TaskFailureText(tfNoPort, 12))) << m.text.toStdString();
  EXPECT_EQ(FormWorkTask, nullptr);
}

}  // namespace
