// The logger and device settings pages and the device transfers behind the
// list pages' buttons: the reply tables and parameter texts on the real
// pages, then every transfer end to end through the real progress window
// against the device simulator on a pseudo-terminal, with real files.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "Deststorage.h"
#include "Filesizelimit.h"
#include "Fixedzone.h"
#include "Gpslogwriter.h"
#include "Googlehtml.h"
#include "Korvifile.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Fakemapview.h"
#include "Mapview.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Portsandbox.h"
#include "Routestorage.h"
#include "Simdevice.h"
#include "Trackstorage.h"
#include "Transfertest.h"
#include "Uitestenv.h"

namespace fs = std::filesystem;
using devsim::DeviceFile;
using Icon = UiServices::Icon;

namespace {

using uitest::FakeMapView;
using uitest::TrackLog;

constexpr int kPort = 7;

QString S(int n) { return QStringLiteral("S%1").arg(n); }

// Panel 2 after the user's cancel, in English.
const QString kCancelled = QStringLiteral("Cancelled");

// The main window with the other pages' list refills recorded.
class DeviceMain : public TFormMain {
 public:
  DeviceMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~DeviceMain() override { WriteBackSettings(); }

  void FillDestList() override { calls << QStringLiteral("FillDestList"); }
  void FillWptList() override { calls << QStringLiteral("FillWptList"); }
  void FillRouteList(bool arrows, bool automatic) override {
    calls << QStringLiteral("FillRouteList:%1,%2").arg(arrows).arg(automatic);
  }
  void FillTrackList(bool colours) override {
    calls << QStringLiteral("FillTrackList:%1 refilling=%2").arg(colours).arg(ListRefilling);
    // As the filled list would: every row checked.
    trackStorage.SetRowCheckedQuery(nullptr);
  }
  void ApplyTrackAutoSelect() override { calls << QStringLiteral("ApplyTrackAutoSelect"); }

  QStringList calls;
};

std::vector<std::string> Split(const std::string& s) {
  std::vector<std::string> out;
  TFormWorkTask::SplitReply(out, s.c_str());
  return out;
}

void AddWaypoint(int n, int icon, double lat, double lng) {
  auto* p = new sUserPOI;
  p->Year = 2024;
  p->Month = 5;
  p->Day = 1;
  p->Hour = 10;
  p->Minute = uint8_t(n / 60);
  p->Second = uint8_t(n % 60);
  p->Icon = uint8_t(icon);
  p->Latitude = lat;
  p->Longitude = lng;
  char name[32];
  std::snprintf(name, sizeof name, "2024/05/01 10:%02d:%02d", n / 60, n % 60);
  p->SetName(name);
  if (!poiStorage.Add(p)) delete p;
}

// Text pictures of the collections, to compare before and after.
QStringList Dests() {
  QStringList out;
  for (const auto& d : destStorage.Items())
    out << QStringLiteral("%1|%2/%3|%4|%5")
               .arg(d->Title, *destStorage.GetCategory(d->Category),
                    *destStorage.GetSubCategory(d->Category, d->SubCategory))
               .arg(d->Latitude, 0, 'f', 5)
               .arg(d->Longitude, 0, 'f', 5);
  return out;
}
QStringList Waypoints() {
  QStringList out;
  for (sUserPOI* p = poiStorage.FindFirst(poiStorage.IconCount, 0, 0, 0); p; p = poiStorage.FindNext())
    out << QStringLiteral("%1|%2|%3|%4")
               .arg(QString::fromUtf8(p->Name))
               .arg(p->Icon)
               .arg(p->Latitude, 0, 'f', 5)
               .arg(p->Longitude, 0, 'f', 5);
  return out;
}
QStringList Route() {
  QStringList out;
  for (size_t i = 0; i < routeStorage.Count(); ++i) {
    const RouteWpt* p = routeStorage.At(i);
    out << QStringLiteral("%1|%2|%3").arg(p->Name).arg(p->Latitude, 0, 'f', 5).arg(p->Longitude, 0, 'f', 5);
  }
  return out;
}
QStringList Tracks() {
  QStringList out;
  for (size_t i = 0; i < trackStorage.Count(); ++i)
    out << QStringLiteral("%1|%2").arg(trackStorage.At(i)->Name()).arg(trackStorage.At(i)->Count());
  return out;
}

// Where a check box or radio button takes a click: the part its style
// makes clickable (the indicator and the text, not the rest of its row).
QPoint ClickPoint(const QAbstractButton* b) {
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  const auto element = qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonClickRect
                                                             : QStyle::SE_CheckBoxClickRect;
  return b->style()->subElementRect(element, &opt, b).center();
}

// The device with its settings as the tests expect them.
devsim::DeviceState Settings() {
  devsim::DeviceState st;
  st.logger = {60, 100, 3, 42.5};
  st.device = {2, 20, 255, 30, -5, 1, 1};
  return st;
}

class DevicePages : public ::testing::Test {
 protected:
  DevicePages()
      : env(::testing::UnitTest::GetInstance()->current_test_info()->name()),
        dev("devicepages", kPort, env.Path("tmp"), Settings()) {}

  void SetUp() override {
    tz = std::make_unique<testenv::FixedZone>("UTC0");
    mapstores::ClearAll();
    InstallMapViewFactory([this](QWidget* parent) {
      auto view = std::make_unique<FakeMapView>(parent);
      map = view.get();
      return view;
    });
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\n"
                                "Beep=0\r\n[SERIAL]\r\nPort=%1\r\n")
                     .arg(kPort));
    env.Start();
    f = std::make_unique<DeviceMain>();
    poiStorage.IconCount = 21;
    env.services.answer = UiServices::Yes;
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  void SetDevice(const devsim::XmodemFaults& faults = devsim::XmodemFaults()) { dev.SetDevice(faults); }

  // Runs a transfer that succeeds. The device may still wait for the
  // program's last ACK, which a closing pseudo-terminal can drop; the next
  // command waits until the device is back.
  void Transfer(QAbstractButton* button) {
    const int before = device->Transfers.load();
    button->click();
    EXPECT_EQ(Result(), S(167));
    device->WaitForTransfers(before + 1, 5000);
  }

  // The transfer files left in TMP and the data folder.
  QStringList TransferFilesLeft() const {
    QStringList left;
    for (const QString& dir : {env.Path("tmp"), pathManager->GetDataDir()})
      left << QDir(dir).entryList({QStringLiteral("TVQ_*")}, QDir::Files);
    return left;
  }
  std::vector<std::pair<QString, QString>> Messages() const {
    std::vector<std::pair<QString, QString>> out;
    for (const auto& m : env.services.messages) out.emplace_back(m.caption, m.text);
    return out;
  }
  // The device sentences received, without "$" and checksum, each checked.
  QStringList Sentences() const {
    QStringList out;
    for (const auto& r : sim.received()) {
      EXPECT_TRUE(r.checksumOk) << r.raw;
      out << QString::fromStdString(r.body);
    }
    return out;
  }
  QString Result() const { return f->StatusText(2); }
  // Brings a device page to the front as the user does, so that its
  // controls are laid out and take clicks.
  void Show(QWidget* page) {
    f->show();
    QCoreApplication::processEvents();
    for (auto [tabs, tab] : {std::pair{f->PageControl, f->pgConfig}, std::pair{f->PageControl1, page}}) {
      QTabBar* bar = tabs->tabBar();
      if (tabs->currentWidget() != tab)
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->indexOf(tab)).center());
      ASSERT_EQ(tabs->currentWidget(), tab);
    }
  }
  // The track lines of the map page last written.
  int MapTrackLines() const {
    QFile page(pathManager->GetWebDir() + QLatin1Char('/') + kMapPageFileName);
    if (!page.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = page.readAll();  // UTF-16
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    const qsizetype start = text.indexOf(QStringLiteral("var trk_lines"));
    return start < 0 ? -1 : int(text.mid(start).count(QStringLiteral("{'Color':'#")));
  }

  uitest::ProgramEnv env;
  uitest::SimDevice dev;
  devsim::Simulator& sim = dev.sim;
  std::shared_ptr<devsim::SimXmodem>& device = dev.device;
  std::unique_ptr<testenv::FixedZone> tz;
  std::unique_ptr<DeviceMain> f;
  FakeMapView* map = nullptr;
};

// ---------------------------------------------------------------------------
// the pages

TEST_F(DevicePages, StartsEmptyWithTheFixedChoices) {
  TLoggerPage& l = *f->pgSetLogger;
  TDeviceSetPage& d = *f->pgSetTrevik;
  EXPECT_EQ(l.lblPercentage->text(), "?");
  EXPECT_EQ(l.ShapeInner->width(), 0);
  EXPECT_EQ(l.lblAltTime->text(), "0");
  const struct {
    QComboBox* list;
    QStringList items;
  } lists[] = {
      {d.cmbConfigBacklight, {"OFF", "ON", "10", "30", "60"}},
      {d.cmbConfigLang, {"English", QString::fromUtf8("Français"), "Deutsch", "Dutch", "Italiano",
                         QString::fromUtf8("Español")}},
      {d.cmbConfigSuspend, {"Disable", "10", "30", "60"}},
      {d.cmbLengthUnit, {"meter, KM", "feet, mile"}},
      {d.csTurnDist, {"5", "10", "20", "30", "50"}},
  };
  for (const auto& c : lists) {
    QStringList items;
    for (int i = 0; i < c.list->count(); ++i) items << c.list->itemText(i);
    EXPECT_EQ(items, c.items) << c.list->objectName().toStdString();
    EXPECT_EQ(c.list->currentIndex(), -1) << c.list->objectName().toStdString();
  }
  EXPECT_EQ(d.cmbHomeTimeZone->count(), 25);
  EXPECT_EQ(d.cmbHomeTimeZone->itemText(7), S(78));
}

TEST_F(DevicePages, LoggerReplyIsShownOnlyWhenEveryFieldFits) {
  TLoggerPage& l = *f->pgSetLogger;
  EXPECT_EQ(l.ShapeOuter->width(), 336);
  ASSERT_TRUE(l.ShowLoggerConfig(Split("POEM101,60,0,100,0,3,0,1,42.5")));
  EXPECT_EQ(l.edtConfigTime->value(), 60);
  EXPECT_EQ(l.edtConfigDist->value(), 100);
  EXPECT_EQ(l.edtConfigSpeed->value(), 3);
  EXPECT_EQ(l.lblAltTime->text(), "1");
  EXPECT_EQ(l.lblAltDist->text(), "0.1");
  EXPECT_EQ(l.lblAltSpeed->text(), "10.8");
  EXPECT_EQ(l.lblPercentage->text(), "42.5");
  EXPECT_EQ(l.ShapeInner->width(), 142);

  // None of these changes anything shown.
  for (const char* bad : {"POEM101,1,0,2,0,3,0,1", "POEM101,1,0,2,0,3,0,1,4,5", "POEM101,1x,0,2,0,3,0,1,4",
                          "POEM101,1,0,2,0,3,0,1,", "POEM101,40000,0,2,0,3,0,1,4", "POEM101,-1,0,2,0,3,0,1,4",
                          "POEM101,1,0,2,0,3,0,1,nan"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(l.ShowLoggerConfig(Split(bad)));
    EXPECT_EQ(l.edtConfigTime->value(), 60);
    EXPECT_EQ(l.lblPercentage->text(), "42.5");
    EXPECT_EQ(l.ShapeInner->width(), 142);
  }
  // The bar stays inside its frame.
  ASSERT_TRUE(l.ShowLoggerConfig(Split("POEM101,1,0,2,0,3,0,1,250")));
  EXPECT_EQ(l.ShapeInner->width(), 336);
  ASSERT_TRUE(l.ShowLoggerConfig(Split("POEM101,1,0,2,0,3,0,1,-7")));
  EXPECT_EQ(l.ShapeInner->width(), 0);
  EXPECT_EQ(l.lblPercentage->text(), "-7");
}

TEST_F(DevicePages, AlternativeUnitsAndProfiles) {
  TLoggerPage& l = *f->pgSetLogger;
  const struct {
    int time, dist, speed;
    const char *min, *km, *kmh;
  } cases[] = {{90, 1500, 5, "1.5", "1.5", "18"}, {100, 1, 0, "1.66", "0.001", "0"}, {59, 999, 1, "0.98", "0.999", "3.6"}};
  for (const auto& c : cases) {
    l.edtConfigTime->setValue(c.time);
    l.edtConfigDist->setValue(c.dist);
    l.edtConfigSpeed->setValue(c.speed);
    EXPECT_EQ(l.lblAltTime->text(), c.min);
    EXPECT_EQ(l.lblAltDist->text(), c.km);
    EXPECT_EQ(l.lblAltSpeed->text(), c.kmh);
  }
  l.rdgProfile->Item(1)->click();
  EXPECT_EQ(l.ParamText(), ",5,0,5,0,0,0,1");
  l.rdgProfile->Item(0)->click();
  EXPECT_EQ(l.ParamText(), ",3,0,10,0,5,0,1");
  l.rdgProfile->Item(2)->click();
  EXPECT_EQ(l.ParamText(), ",10,0,1,0,0,0,1");
  EXPECT_EQ(l.lblAltDist->text(), "0.001");
}

TEST_F(DevicePages, DeviceReplySelectsListPositions) {
  TDeviceSetPage& d = *f->pgSetTrevik;
  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,2,20,255,30,-5,1,1")));
  EXPECT_EQ(d.cmbConfigLang->currentText(), "Deutsch");
  EXPECT_EQ(d.csTurnDist->currentText(), "20");
  EXPECT_EQ(d.cmbConfigBacklight->currentText(), "ON");
  EXPECT_EQ(d.cmbConfigSuspend->currentText(), "30");
  EXPECT_EQ(d.cmbHomeTimeZone->currentIndex(), 7);
  EXPECT_EQ(d.cmbHomeTimeZone->currentText(), S(78));
  EXPECT_EQ(d.cmbLocalTimeZone->currentIndex(), 13);
  EXPECT_EQ(d.cmbLengthUnit->currentText(), "feet, mile");
  EXPECT_EQ(d.ParamText(), ",2,20,255,30,-5,1,1");

  // Low 8 bits; a value without a row leaves no selection, in every list.
  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,9,15,511,7,300,x,0")));
  EXPECT_EQ(d.cmbConfigBacklight->currentText(), "ON");
  EXPECT_EQ(d.cmbConfigSuspend->currentIndex(), -1);  // 7: no row
  EXPECT_EQ(d.cmbHomeTimeZone->currentIndex(), -1);   // 300 -> 44: no zone
  EXPECT_EQ(d.cmbLocalTimeZone->currentIndex(), 12);  // "x" -> 0
  EXPECT_EQ(d.cmbLengthUnit->currentText(), "meter, KM");
  EXPECT_EQ(d.csTurnDist->currentIndex(), -1);
  EXPECT_EQ(d.cmbConfigLang->currentIndex(), -1);
  // The lists without a selection send what the device said.
  EXPECT_EQ(d.ParamText(), ",9,15,255,7,44,0,0");

  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,3,30,10,0,1,0,0")));
  EXPECT_EQ(d.ParamText(), ",3,30,10,0,1,0,0");
  EXPECT_FALSE(d.ShowDeviceConfig(Split("POEM103,3,30,10,0,1,0")));
  EXPECT_FALSE(d.ShowDeviceConfig(Split("POEM103,1,5,0,10,0,0,1,1")));
  EXPECT_EQ(d.ParamText(), ",3,30,10,0,1,0,0");
  // A language switch (twice) renames the zones but keeps what the device
  // said: the zones, the turn distance, and so what Set sends.
  f->ApplyLanguage(0);
  f->ApplyLanguage(0);
  EXPECT_EQ(d.cmbHomeTimeZone->count(), 25);
  EXPECT_EQ(d.cmbHomeTimeZone->currentText(), S(84));
  EXPECT_EQ(d.cmbLocalTimeZone->currentText(), S(83));
  EXPECT_EQ(d.csTurnDist->count(), 5);
  EXPECT_EQ(d.csTurnDist->currentText(), "30");
  EXPECT_EQ(d.ParamText(), ",3,30,10,0,1,0,0");
}

// A value the device holds that no list offers goes back to it unchanged;
// what the user chose goes with it.
TEST_F(DevicePages, SetKeepsWhatTheListsCannotShow) {
  TDeviceSetPage& d = *f->pgSetTrevik;
  Show(&d);
  devsim::DeviceState st = sim.state();
  st.device = {9, 15, 20, 7, 13, -13, 2};  // no list has any of these
  sim.setState(st);
  QTest::mouseClick(d.btnGetTrevikConfig, Qt::LeftButton);
  for (const QComboBox* list : {d.cmbConfigLang, d.csTurnDist, d.cmbConfigBacklight, d.cmbConfigSuspend,
                                d.cmbHomeTimeZone, d.cmbLocalTimeZone, d.cmbLengthUnit})
    EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
  sim.clearReceived();
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(Sentences(), QStringList{"POEM14,1,9,15,20,7,13,-13,2"});
  const auto fields = [](const devsim::DeviceSettings& d) {
    return std::vector<int>{d.language, d.turnDistance, d.backlight, d.suspend, d.homeZone, d.localZone,
                            d.lengthUnit};
  };
  EXPECT_EQ(fields(sim.state().device), fields(st.device));

  // A turn distance the list lacks, and the user changes the backlight.
  st.device = {2, 15, 255, 30, -5, 1, 1};
  sim.setState(st);
  QTest::mouseClick(d.btnGetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(d.csTurnDist->currentIndex(), -1);
  EXPECT_EQ(d.cmbConfigBacklight->currentText(), "ON");
  d.cmbConfigBacklight->setCurrentIndex(3);  // "30"
  sim.clearReceived();
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(Sentences(), QStringList{"POEM14,1,2,15,30,30,-5,1,1"});
  EXPECT_EQ(sim.state().device.backlight, 30);
  EXPECT_EQ(sim.state().device.turnDistance, 15);
  EXPECT_TRUE(env.services.messages.empty());
}

// Nothing read and nothing chosen: the fields are named, nothing is sent.
TEST_F(DevicePages, SetNamesTheFieldsThatNeedAChoice) {
  TDeviceSetPage& d = *f->pgSetTrevik;
  Show(&d);
  d.cmbConfigLang->setCurrentIndex(0);
  d.cmbConfigBacklight->setCurrentIndex(1);
  d.cmbConfigSuspend->setCurrentIndex(1);
  d.cmbLengthUnit->setCurrentIndex(0);
  // The turn distance's group, then the two zone labels, in the order sent,
  // joined as the language joins a list.
  const struct {
    const char* language;
    const char* ask;
    const char* comma;
  } languages[] = {{"en", "Please choose a value for: ", ", "},
                   {"ja", "次の項目の値を選択してください: ", "、"},
                   {"zh_TW", "請為下列項目選擇值：", "、"}};
  for (const auto& l : languages) {
    SCOPED_TRACE(l.language);
    uitest::Speaking speaking(env, QString::fromLatin1(l.language));
    env.services.messages.clear();
    QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
    EXPECT_EQ(Result(), S(168));
    EXPECT_TRUE(Sentences().isEmpty());
    ASSERT_EQ(env.services.messages.size(), 1u);
    const QString text = env.services.messages[0].text;
    EXPECT_EQ(env.services.messages[0].caption, S(7));
    const QString comma = QString::fromUtf8(l.comma);
    EXPECT_EQ(text, QString::fromUtf8(l.ask) + S(57) + comma + S(53) + comma + S(54));
    EXPECT_FALSE(text.contains(S(51)));
  }

  // Chosen now: Set goes through.
  env.services.messages.clear();
  d.csTurnDist->setCurrentIndex(4);
  d.cmbHomeTimeZone->setCurrentIndex(13);
  d.cmbLocalTimeZone->setCurrentIndex(12);
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(Sentences(), QStringList{"POEM14,1,0,50,255,10,1,0,0"});
  EXPECT_TRUE(env.services.messages.empty());
}

// ---------------------------------------------------------------------------
// settings against the device

TEST_F(DevicePages, GetAndSetBothSettingsOnTheDevice) {
  TLoggerPage& l = *f->pgSetLogger;
  TDeviceSetPage& d = *f->pgSetTrevik;
  Show(&l);
  QTest::mouseClick(l.btnGetLogConfig, Qt::LeftButton);
  EXPECT_EQ(l.edtConfigTime->value(), 60);
  EXPECT_EQ(l.lblPercentage->text(), "42.5");
  EXPECT_EQ(l.ShapeInner->width(), 142);
  Show(&d);
  QTest::mouseClick(d.btnGetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(d.cmbConfigLang->currentText(), "Deutsch");
  EXPECT_EQ(d.cmbLocalTimeZone->currentIndex(), 13);
  EXPECT_EQ(FormWorkTask, nullptr);

  sim.clearReceived();
  Show(&l);
  QTest::mouseClick(l.rdgProfile->Item(1), Qt::LeftButton, {}, ClickPoint(l.rdgProfile->Item(1)));
  EXPECT_EQ(l.edtConfigDist->value(), 5);
  QTest::mouseClick(l.btnSetLogConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  d.cmbConfigLang->setCurrentIndex(3);
  d.csTurnDist->setCurrentIndex(3);
  d.cmbConfigBacklight->setCurrentIndex(2);
  d.cmbConfigSuspend->setCurrentIndex(0);
  d.cmbHomeTimeZone->setCurrentIndex(13);
  d.cmbLocalTimeZone->setCurrentIndex(12);
  d.cmbLengthUnit->setCurrentIndex(0);
  Show(&d);
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(Sentences(), (QStringList{"POEM02,5,0,5,0,0,0,1", "POEM14,1,3,30,10,0,1,0,0"}));
  for (const auto& r : sim.received()) EXPECT_EQ(r.raw, devsim::Frame(r.body));
  EXPECT_EQ(sim.state().logger.time, 5);
  EXPECT_EQ(sim.state().device.language, 3);
  EXPECT_EQ(sim.state().device.homeZone, 1);
}

TEST_F(DevicePages, SilentDeviceChangesNothing) {
  TLoggerPage& l = *f->pgSetLogger;
  devsim::Misbehaviour quiet;
  quiet.silent = true;
  sim.misbehave(quiet);
  l.btnGetLogConfig->click();
  EXPECT_EQ(l.lblPercentage->text(), "?");
  l.btnSetLogConfig->click();
  EXPECT_EQ(Result(), S(168));
  // A reply the page does not take makes the read fail too.
  devsim::Misbehaviour wrong;
  wrong.wrongReply = devsim::Frame("POEM101,1,0,2,0,3,0,1");
  sim.misbehave(wrong);
  QString why;
  EXPECT_EQ(RunDeviceTask(f.get(), wtGetLoggerConfig, QString(), &why), mrCancel);
  EXPECT_EQ(why, TaskFailureText(tfBadReply, kPort));
  EXPECT_EQ(l.edtConfigTime->value(), 0);
  // Each failure said so (the reasons: SettingsFailuresSayWhy).
  ASSERT_EQ(env.services.messages.size(), 2u);
  for (const auto& m : env.services.messages) EXPECT_EQ(m.caption, S(6));
}

// Get and Set on both pages say that they failed and why; a Get that fails
// leaves the page as it was and does not keep an earlier "Done".
TEST_F(DevicePages, SettingsFailuresSayWhy) {
  TLoggerPage& l = *f->pgSetLogger;
  TDeviceSetPage& d = *f->pgSetTrevik;
  struct Button {
    const char* what;
    QWidget* page;
    QPushButton* button;
    int pageText;
    const char* failed;
  } buttons[] = {
      {"logger Get", &l, l.btnGetLogConfig, 6, "The settings could not be read from the device."},
      {"logger Set", &l, l.btnSetLogConfig, 6, "The settings could not be sent to the device."},
      {"device Get", &d, d.btnGetTrevikConfig, 7, "The settings could not be read from the device."},
      {"device Set", &d, d.btnSetTrevikConfig, 7, "The settings could not be sent to the device."},
  };
  struct Fault {
    const char* what;
    std::function<void()> arrange;
    TaskFailure cause;
  } faults[] = {
      {"silent", [&] { devsim::Misbehaviour m; m.silent = true; m.count = 1; sim.misbehave(m); }, tfNoReply},
      {"hung up", [&] { devsim::Misbehaviour m; m.hangUpAfter = 0; m.count = 1; sim.misbehave(m); }, tfLineLost},
      {"wrong reply",
       [&] { devsim::Misbehaviour m; m.wrongReply = devsim::Frame("POEM999,1"); m.count = 1; sim.misbehave(m); },
       tfUnexpectedReply},
      {"no device", [&] { apConfig->Port = 49; }, tfNoPort},
  };
  // A device page that shows what the device holds, before every case.
  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,2,20,255,30,-5,1,1")));
  const std::string shown = d.ParamText();
  for (const Button& b : buttons)
    for (const Fault& fault : faults) {
      SCOPED_TRACE(std::string(b.what) + ", " + fault.what);
      Show(b.page);
      f->SetStatusText(2, S(167));  // an earlier success
      env.services.messages.clear();
      sim.clearReceived();
      fault.arrange();
      QTest::mouseClick(b.button, Qt::LeftButton);
      EXPECT_EQ(f->StatusText(1), S(b.pageText));
      EXPECT_EQ(Result(), S(168));
      ASSERT_EQ(env.services.messages.size(), 1u);
      EXPECT_EQ(env.services.messages[0].caption, S(b.pageText));
      EXPECT_EQ(env.services.messages[0].text,
                QString::fromUtf8(b.failed) + "\n" + TaskFailureText(fault.cause, apConfig->Port));
      EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
      EXPECT_EQ(l.lblPercentage->text(), "?");
      EXPECT_EQ(l.edtConfigTime->value(), 0);
      EXPECT_EQ(d.ParamText(), shown);
      EXPECT_EQ(FormWorkTask, nullptr);
      apConfig->Port = kPort;
      sim.behave();
    }
  // The device answers again: Get says so.
  env.services.messages.clear();
  Show(&l);
  QTest::mouseClick(l.btnGetLogConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(l.lblPercentage->text(), "42.5");
  EXPECT_TRUE(env.services.messages.empty());
}

// A choice made before a Get that reads a value no row shows is not kept:
// the list shows nothing, and Set sends the value read.
TEST_F(DevicePages, GetDropsAChoiceTheDeviceValueReplaces) {
  TDeviceSetPage& d = *f->pgSetTrevik;
  Show(&d);
  devsim::DeviceState st = sim.state();
  st.device.backlight = 30;
  sim.setState(st);
  QTest::mouseClick(d.btnGetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(d.cmbConfigBacklight->currentText(), "30");
  // The user chooses 10 and sets it.
  d.cmbConfigBacklight->showPopup();
  QAbstractItemView* popup = d.cmbConfigBacklight->view();
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(popup->model()->index(2, 0)).center());
  ASSERT_EQ(d.cmbConfigBacklight->currentText(), "10");
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(sim.state().device.backlight, 10);
  // The device now holds 20, which no row shows.
  st = sim.state();
  st.device.backlight = 20;
  st.device.suspend = 45;
  sim.setState(st);
  QTest::mouseClick(d.btnGetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(d.cmbConfigBacklight->currentIndex(), -1);
  EXPECT_EQ(d.cmbConfigBacklight->currentText(), "");
  EXPECT_EQ(d.cmbConfigSuspend->currentIndex(), -1);
  sim.clearReceived();
  QTest::mouseClick(d.btnSetTrevikConfig, Qt::LeftButton);
  EXPECT_EQ(Result(), S(167));
  EXPECT_EQ(Sentences(), QStringList{"POEM14,1,2,20,20,45,-5,1,1"});
  EXPECT_EQ(sim.state().device.backlight, 20);
  EXPECT_EQ(sim.state().device.suspend, 45);
  EXPECT_TRUE(env.services.messages.empty());
}

// Escape in the progress window during a big track-log download breaks the
// transfer off towards the device at once; the window keeps answering until
// the worker has ended, and the tracks held stay as they were. The user's
// cancel is no error.
TEST_F(DevicePages, CancellingABigTrackLogDownload) {
  mapstores::AddTrack(QStringLiteral("old"), 3, 0xFF);
  trackStorage.MarkSaved();  // as if loaded: the download asks nothing
  const QStringList before = Tracks();
  devsim::DeviceState st = sim.state();
  st.GrowTrackLog(size_t(24) << 20);
  const int blocks = int(st.file(DeviceFile::TrackLog).size() / 1024);
  sim.setState(st);
  const int transfers = device->Transfers.load(), succeeded = device->Succeeded.load();

  QElapsedTimer clock;
  clock.start();
  qint64 cancelledAt = -1, lastTick = -1, longestGap = 0;
  bool cancellingShown = false;
  QTimer ticker;  // the event loop's pulse, and the user's Escape
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    if (cancelledAt >= 0 && lastTick >= 0) longestGap = std::max(longestGap, now - lastTick);
    lastTick = now;
    if (!FormWorkTask) return;
    if (cancelledAt >= 0) {
      // Still there while the worker ends, and painted.
      FormWorkTask->repaint();
      return;
    }
    const QString bytes = FormWorkTask->lblBytes->text();
    if (bytes.isEmpty() || bytes.startsWith("0 ")) return;
    cancelledAt = now;
    lastTick = now;
    QTest::keyClick(FormWorkTask, Qt::Key_Escape);
    cancellingShown = FormWorkTask && FormWorkTask->isVisible() && FormWorkTask->lblState->text() == "Cancelling ...";
  });
  ticker.start(10);
  f->show();
  QTest::mouseClick(f->pgTrack->tbTrackDeviceDown, Qt::LeftButton);
  const qint64 returnedAt = clock.elapsed();
  ticker.stop();
  longestGap = std::max(longestGap, returnedAt - lastTick);  // up to the handler's end
  ASSERT_GE(cancelledAt, 0);
  // Well under the whole log: the device was told to stop.
  ASSERT_TRUE(device->WaitForTransfers(transfers + 1, 5000));
  EXPECT_EQ(device->Succeeded.load(), succeeded);
  EXPECT_LT(device->PacketsSeen.load(), blocks / 4);
  EXPECT_LT(returnedAt - cancelledAt, 3000);
  EXPECT_LT(longestGap, 1000);
  EXPECT_TRUE(cancellingShown);
  EXPECT_EQ(Result(), kCancelled);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Tracks(), before);
  EXPECT_FALSE(trackStorage.HasUnsavedChanges());
  EXPECT_TRUE(f->calls.isEmpty());
  EXPECT_TRUE(TransferFilesLeft().isEmpty());
  EXPECT_EQ(FormWorkTask, nullptr);
  // The device takes the next command.
  env.services.messages.clear();
  f->pgSetLogger->btnGetLogConfig->click();
  EXPECT_EQ(Result(), S(167));
}

// ---------------------------------------------------------------------------
// transfers

TEST_F(DevicePages, UploadThenDownloadGivesTheSameCollections) {
  mapstores::AddDest(QStringLiteral("Rathaus"), 48.13743, 11.57549);
  mapstores::AddDest(QStringLiteral("Bahnhof"), 48.14021, 11.55872);
  AddWaypoint(1, 3, 47.5, 10.25);
  AddWaypoint(2, 7, -33.85678, 151.21529);
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  mapstores::AddRoutePoint(QStringLiteral("Ziel"), 48.2, 11.6);
  const QStringList dests = Dests(), wpts = Waypoints(), route = Route();
  ASSERT_EQ(dests.size(), 2);
  ASSERT_EQ(wpts.size(), 2);

  Transfer(f->pgDest->bgDestDevice->Item(0));
  Transfer(f->pgWaypoint->tbDeviceUp);
  Transfer(f->pgRoute->tbgRouteDeviceUp);
  EXPECT_EQ(f->StatusText(1), S(2));
  for (auto file : {DeviceFile::Destinations, DeviceFile::Waypoints, DeviceFile::Route})
    EXPECT_FALSE(sim.state().file(file).empty());
  EXPECT_EQ(Messages().size(), 3u);  // the three confirmations
  for (const auto& m : Messages()) EXPECT_EQ(m, std::pair(S(116), S(118)));

  mapstores::ClearAll();
  AddWaypoint(9, 1, 1.0, 2.0);  // loaded once, replaced by the download unasked
  poiStorage.MarkSaved();
  const int pages = map->navigated.size();
  Transfer(f->pgDest->bgDestDevice->Item(1));
  Transfer(f->pgWaypoint->tbDeviceDown);
  Transfer(f->pgRoute->tbgRouteDeviceDown);
  EXPECT_EQ(Dests(), dests);
  EXPECT_EQ(Waypoints(), wpts);
  EXPECT_EQ(Route(), route);
  // The filters offer the categories that came with the destinations.
  const auto items = [](const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
  };
  QStringList categories;
  ASSERT_TRUE(destStorage.FirstCategory());
  while (const auto name = destStorage.NextCategory()) categories << *name;
  EXPECT_TRUE(categories.contains("Places"));
  EXPECT_EQ(items(f->pgDest->cmbSelCategory), categories + QStringList{S(12)});
  EXPECT_EQ(f->pgDest->cmbSelCategory->currentIndex(), categories.size());
  EXPECT_EQ(items(f->pgDest->cmbSelSubCategory).size(), 2);
  EXPECT_EQ(f->calls, (QStringList{"FillDestList", "FillWptList", "FillRouteList:0,0"}));
  EXPECT_EQ(map->navigated.size(), pages + 3);
  EXPECT_EQ(Messages().size(), 3u);
  EXPECT_TRUE(TransferFilesLeft().isEmpty()) << TransferFilesLeft().join(' ').toStdString();
  for (QWidget* b : std::initializer_list<QWidget*>{f->pgDest->bgDestDevice, f->pgWaypoint->tbDeviceUp,
                                                    f->pgRoute->tbgRouteDeviceDown})
    EXPECT_TRUE(b->isEnabled());

  // Destinations join those held; a title already there is not taken twice.
  mapstores::ClearAll();
  mapstores::AddDest(QStringLiteral("Rathaus"), 1, 2);
  mapstores::AddDest(QStringLiteral("Eigenes"), 3, 4);
  Transfer(f->pgDest->bgDestDevice->Item(1));
  EXPECT_EQ(destStorage.Items().size(), 3u);
  EXPECT_DOUBLE_EQ(destStorage.FindItem(dlActive, QStringLiteral("Rathaus"))->Latitude, 1);
}

// After a fresh start (the default categories, nothing else) the device's
// database, written after its user deleted "Cafe/Hotel" and added
// "Mine/MySub", brings each destination under its own category and
// sub-category, by name; the store is as saved. A record under no category
// of the file is left out, and the download says so.
TEST_F(DevicePages, DownloadedDestinationsKeepTheirOwnCategories) {
  DestStorage theirs;
  for (const DefaultCategory& d : defaultCategories)
    if (QLatin1String(d.category) != QLatin1String("Cafe/Hotel"))
      theirs.AddSubCategory(theirs.AddCategory(QString::fromLatin1(d.category)), QString::fromLatin1(d.subCategory));
  theirs.AddSubCategory(theirs.AddCategory(QStringLiteral("Mine")), QStringLiteral("MySub"));
  for (const auto& [title, category] : {std::pair{"Bank", "Service"}, std::pair{"Home", "Mine"}}) {
    auto item = std::make_unique<DestItem>(QString::fromLatin1(title), theirs.FindCategory(QString::fromLatin1(category)),
                                           0, QString(), 48.5, 11.25);
    ASSERT_EQ(theirs.AddItem(dlActive, item), drOk);
  }
  const QString path = env.Path("theirs.mgi");
  ASSERT_EQ(KorviFile(theirs).Save(path), 1);
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray database = written.readAll();
  // "Home", the second record, under a category index past the file's.
  QByteArray loose = database;
  const auto destOffset = qFromLittleEndian<quint32>(database.constData() + 12);
  const auto nameLen = qFromLittleEndian<quint16>(database.constData() + 8);
  loose[destOffset + 20 + 2 * nameLen] = char(200);

  struct Case {
    const char* what;
    QByteArray file;
    QStringList dests;
    QString result;
    QStringList warnings;
  } const cases[] = {
      {"whole", database,
       {"Bank|Service/ATM|48.50000|11.25000", "Home|Mine/MySub|48.50000|11.25000"}, S(167), {}},
      {"a record under no category", loose,
       {"Bank|Service/ATM|48.50000|11.25000"}, S(168),
       {"1 destination left out: its category or sub-category is not in the file."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    mapstores::ClearAll();
    f->pgDest->InitDefaultCategories();
    ASSERT_FALSE(destStorage.HasUnsavedChanges());
    devsim::DeviceState st = sim.state();
    st.file(DeviceFile::Destinations) = c.file.toStdString();
    sim.setState(st);
    env.services.messages.clear();
    const int before = device->Transfers.load();
    f->pgDest->bgDestDevice->Item(1)->click();
    device->WaitForTransfers(before + 1, 5000);
    EXPECT_EQ(Dests(), c.dests);
    EXPECT_EQ(Result(), c.result);
    EXPECT_FALSE(destStorage.HasUnsavedChanges());
    QStringList warnings;
    for (const auto& m : env.services.messages) {
      EXPECT_EQ(m.icon, Icon::Warning);
      EXPECT_EQ(m.caption, S(117));
      warnings << m.text;
    }
    EXPECT_EQ(warnings, c.warnings);
    EXPECT_EQ(destStorage.CategoryCount(), 9);
    EXPECT_EQ(destStorage.GetSubCategory(0, 1), std::nullopt) << "nothing lands under Cafe/Hotel";
  }
}

// A damaged waypoint file from the device reads as an opened one does: its
// whole records replace the waypoints and the user is told what was left out
// (the block's padding is no record); a file of which nothing can be read
// leaves the waypoints as they were.
TEST_F(DevicePages, DamagedWaypointDownloadKeepsTheWholeRecordsAndSaysSo) {
  testenv::FixedZone zone("UTC0");
  // 2024-05-01 10:00:<second> UTC, icon 1, 0.1 / 0.2.
  auto record = [](int second, int month) {
    return std::string{char(124), char(month), 1, 10, 0, char(second), 1, 0, 0x10, 0x27, 0, 0, 0x20, 0x4E, 0, 0};
  };
  AddWaypoint(9, 1, 1.0, 2.0);
  poiStorage.MarkSaved();  // as if loaded: the download asks nothing
  auto names = [] {
    QStringList out;
    for (int i = 0; i < poiStorage.GetCount(); ++i) out << QString::fromUtf8(poiStorage.At(i)->Name);
    return out;
  };
  const QStringList kept = {"2024/05/01 10:00:01", "2024/05/01 10:00:03"};
  struct Case {
    const char* what;
    std::string file;
    QStringList calls;
    Icon icon;
    QString text;
  } cases[] = {
      {"one bad record", record(1, 5) + record(2, 13) + record(3, 5), {"FillWptList"}, Icon::Warning,
       "The device's waypoint file: 2 waypoints read. 1 record left out: 1 unreadable (no valid time"},
      {"nothing readable", record(1, 13) + record(2, 0), {}, Icon::Error,
       S(115) + "\nThe device's waypoint file: No waypoint could be read. 2 records left out: 2 unreadable"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    devsim::DeviceState st = sim.state();
    st.file(DeviceFile::Waypoints) = c.file;
    sim.setState(st);
    env.services.messages.clear();
    f->calls.clear();
    const int before = device->Transfers.load();
    QTest::mouseClick(f->pgWaypoint->tbDeviceDown, Qt::LeftButton);
    device->WaitForTransfers(before + 1, 5000);
    EXPECT_EQ(names(), kept);
    EXPECT_EQ(Result(), S(168));
    EXPECT_EQ(f->calls, c.calls);
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].caption, S(117));
    EXPECT_EQ(env.services.messages[0].icon, c.icon);
    EXPECT_TRUE(env.services.messages[0].text.startsWith(c.text)) << env.services.messages[0].text.toStdString();
    EXPECT_TRUE(TransferFilesLeft().isEmpty());
  }
}

TEST_F(DevicePages, TrackLogDownloadShowsItsTracks) {
  devsim::DeviceState st = sim.state();
  st.file(DeviceFile::TrackLog) = TrackLog({4, 6});
  sim.setState(st);
  mapstores::AddTrack(QStringLiteral("old"), 3, 0xFF);
  Transfer(f->pgTrack->tbTrackDeviceDown);
  EXPECT_EQ(f->StatusText(1), S(3));
  ASSERT_EQ(trackStorage.Count(), 2u);
  EXPECT_EQ(trackStorage.At(0)->Count(), 4u);
  EXPECT_EQ(trackStorage.At(1)->Count(), 6u);
  EXPECT_EQ(f->calls, (QStringList{"FillTrackList:1 refilling=1", "ApplyTrackAutoSelect"}));
  EXPECT_FALSE(f->ListRefilling);
  EXPECT_EQ(MapTrackLines(), 2);
  EXPECT_TRUE(TransferFilesLeft().isEmpty());
  EXPECT_TRUE(f->pgTrack->tbTrackDeviceDown->isEnabled());
}

// The log's tracks replace those held: with changes held the user is asked
// first, and No starts no transfer; saved tracks are replaced unasked.
TEST_F(DevicePages, TrackLogDownloadAsksBeforeReplacingUnsavedTracks) {
  devsim::DeviceState st = sim.state();
  st.file(DeviceFile::TrackLog) = TrackLog({4, 6});
  sim.setState(st);
  const QString saved = env.Path("saved.trk");
  for (const bool save : {false, true}) {
    for (const int answer : {int(UiServices::Yes), int(UiServices::No)}) {
      SCOPED_TRACE(std::string(save ? "saved" : "changed") + (answer == UiServices::Yes ? ", Yes" : ", No"));
      mapstores::ClearAll();
      mapstores::AddTrack(QStringLiteral("mine"), 3, 0xFF);
      if (save) {
        f->pgTrack->FillTrackList(false);
        f->pgTrack->SetRowChecked(0, true);
        env.services.saveAnswers.push_back(saved);
        f->pgTrack->tbTrackFileSave->click();
        ASSERT_FALSE(trackStorage.HasUnsavedChanges());
      }
      env.services.messages.clear();
      env.services.answer = answer;
      const int before = device->Transfers.load();
      f->pgTrack->tbTrackDeviceDown->click();
      const bool asked = !save;
      const bool carriedOut = save || answer == UiServices::Yes;
      ASSERT_EQ(env.services.messages.size(), asked ? 1u : 0u);
      if (asked) {
        EXPECT_EQ(env.services.messages[0].icon, Icon::Question);
        EXPECT_EQ(env.services.messages[0].caption, S(3));
      }
      if (carriedOut) {
        device->WaitForTransfers(before + 1, 5000);
        EXPECT_EQ(Result(), S(167));
        EXPECT_EQ(Tracks().size(), 2);
        // The downloaded tracks are the device's: nothing unsaved.
        EXPECT_FALSE(trackStorage.HasUnsavedChanges());
      } else {
        EXPECT_EQ(device->Transfers.load(), before);
        EXPECT_EQ(Tracks(), QStringList{"mine|3"});
        EXPECT_EQ(FormWorkTask, nullptr);
      }
    }
  }
}

// What the device has is saved: an upload clears the change mark, a failed
// one keeps it; a download that joins what is held keeps a saved store saved.
TEST_F(DevicePages, SendingClearsTheChangeMark) {
  AddWaypoint(1, 3, 47.5, 10.25);
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  mapstores::AddDest(QStringLiteral("Rathaus"), 48.13743, 11.57549);
  const ChangeMark* marks[] = {&destStorage, &poiStorage, &routeStorage};
  for (const ChangeMark* m : marks) ASSERT_TRUE(m->HasUnsavedChanges());

  apConfig->Port = 49;  // no such port: the upload fails
  f->pgWaypoint->tbDeviceUp->click();
  EXPECT_EQ(Result(), S(168));
  EXPECT_TRUE(poiStorage.HasUnsavedChanges());
  apConfig->Port = kPort;

  Transfer(f->pgDest->bgDestDevice->Item(0));
  Transfer(f->pgWaypoint->tbDeviceUp);
  Transfer(f->pgRoute->tbgRouteDeviceUp);
  for (const ChangeMark* m : marks) EXPECT_FALSE(m->HasUnsavedChanges());

  Transfer(f->pgDest->bgDestDevice->Item(1));
  EXPECT_FALSE(destStorage.HasUnsavedChanges());
  mapstores::AddDest(QStringLiteral("Eigenes"), 3, 4);
  Transfer(f->pgDest->bgDestDevice->Item(1));
  EXPECT_TRUE(destStorage.HasUnsavedChanges());

  // What the device file cannot hold did not reach the device, and the
  // upload says so: a waypoint of a time before the device's, a destination
  // filed under no category.
  AddWaypoint(3, 2, 47.0, 10.0);
  poiStorage.At(poiStorage.GetCount() - 1)->Year = 1850;
  auto loose = std::make_unique<DestItem>(QStringLiteral("Loose"), -1, -1, QString(), 47.0, 10.0);
  ASSERT_EQ(destStorage.AddItem(dlActive, loose), drOk);
  struct {
    QAbstractButton* button;
    const ChangeMark& mark;
    const char* says;
  } partial[] = {{f->pgWaypoint->tbDeviceUp, poiStorage, "could not be written to the device file"},
                 {f->pgDest->bgDestDevice->Item(0), destStorage,
                  "1 destination without a category or sub-category not saved."}};
  for (const auto& p : partial) {
    SCOPED_TRACE(p.says);
    env.services.messages.clear();
    Transfer(p.button);
    EXPECT_EQ(Result(), S(167));
    EXPECT_TRUE(p.mark.HasUnsavedChanges());
    ASSERT_EQ(env.services.messages.size(), 2u);  // the confirmation, then what was left out
    EXPECT_EQ(env.services.messages[1].icon, Icon::Warning);
    EXPECT_EQ(env.services.messages[1].caption, S(116));
    EXPECT_TRUE(env.services.messages[1].text.contains(p.says)) << env.services.messages[1].text.toStdString();
  }
}

// A device without a log sends an empty file: no error, nothing changes.
TEST_F(DevicePages, EmptyTrackLogSaysThereIsNoData) {
  devsim::DeviceState st = sim.state();
  st.file(DeviceFile::TrackLog).clear();
  sim.setState(st);
  mapstores::AddTrack(QStringLiteral("old"), 3, 0xFF);
  trackStorage.MarkSaved();  // as if loaded: the download asks nothing
  const int before = device->Transfers.load();
  f->pgTrack->tbTrackDeviceDown->click();
  device->WaitForTransfers(before + 1, 5000);
  ASSERT_EQ(trackStorage.Count(), 1u);
  EXPECT_EQ(trackStorage.At(0)->Name(), QStringLiteral("old"));
  EXPECT_EQ(f->StatusText(2), S(168));
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].text, S(119));
  EXPECT_EQ(env.services.messages[0].caption, S(117));
  EXPECT_TRUE(TransferFilesLeft().isEmpty());
}

// A download that does not complete leaves every collection as it was.
TEST_F(DevicePages, FailedDownloadsChangeNothing) {
  AddWaypoint(1, 3, 47.5, 10.25);
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  mapstores::AddTrack(QStringLiteral("old"), 3, 0xFF);
  // As if loaded: the downloads ask nothing.
  poiStorage.MarkSaved();
  routeStorage.MarkSaved();
  trackStorage.MarkSaved();
  mapstores::AddDest(QStringLiteral("Rathaus"), 48.13743, 11.57549);
  devsim::DeviceState st = sim.state();
  st.file(DeviceFile::TrackLog) = TrackLog({400, 400, 400});  // several blocks
  std::string wpts;
  for (int i = 0; i < 200; ++i) wpts += std::string("\x7C\x05\x01\x0A\x00\x00\x01\x00\x10\x27\x00\x00\x20\x4E\x00\x00", 16);
  st.file(DeviceFile::Waypoints) = wpts;
  sim.setState(st);
  const QStringList before = Waypoints() + Route() + Tracks() + Dests();
  const int pages = map->navigated.size();
  std::unique_ptr<testenv::FileSizeLimit> diskFull;

  struct Case {
    const char* what;
    std::function<void()> arrange;
    QToolButton* button;
    bool transfer;  // the file phase starts
    TaskFailure cause;
  } cases[] = {
      {"silent device", [&] { devsim::Misbehaviour m; m.silent = true; m.count = 1; sim.misbehave(m); },
       f->pgWaypoint->tbDeviceDown, false, tfNoReply},
      {"garbage reply", [&] { devsim::Misbehaviour m; m.wrongReply = "#garbage\r\n"; m.count = 1; sim.misbehave(m); },
       f->pgRoute->tbgRouteDeviceDown, false, tfUnexpectedReply},
      {"hang-up before the reply",
       [&] { devsim::Misbehaviour m; m.hangUpAfter = 0; m.count = 1; sim.misbehave(m); },
       f->pgRoute->tbgRouteDeviceDown, false, tfLineLost},
      {"silent in the transfer",
       [&] {
         devsim::XmodemFaults x;
         x.SilenceAtBlock = 2;
         SetDevice(x);
         deviceTransferTiming.PacketStartTimeout = 200;  // the silence is what we wait out
       },
       f->pgTrack->tbTrackDeviceDown, true, tfNoReply},
      {"hang-up in the transfer", [&] { devsim::XmodemFaults x; x.HangUpAtBlock = 2; SetDevice(x); },
       f->pgTrack->tbTrackDeviceDown, true, tfLineLost},
      {"cancelled by the device", [&] { devsim::XmodemFaults x; x.CancelAtBlock = 2; SetDevice(x); },
       f->pgWaypoint->tbDeviceDown, true, tfDeviceCancelled},
      {"full disk", [&] { diskFull = std::make_unique<testenv::FileSizeLimit>(2048); },
       f->pgWaypoint->tbDeviceDown, true, tfFileWrite},
      {"no port", [&] { apConfig->Port = 49; }, f->pgDest->bgDestDevice->Item(1), false, tfNoPort},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    env.services.messages.clear();
    c.arrange();
    QTest::mouseClick(c.button, Qt::LeftButton);
    diskFull.reset();
    deviceTransferTiming = transfertest::FastTiming();
    EXPECT_EQ(Result(), S(168));
    // "Error", and below it why.
    const QString why = TaskFailureText(c.cause, apConfig->Port);
    EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(117), S(115) + "\n" + why}}));
    EXPECT_EQ(Waypoints() + Route() + Tracks() + Dests(), before);
    EXPECT_TRUE(TransferFilesLeft().isEmpty()) << TransferFilesLeft().join(' ').toStdString();
    EXPECT_EQ(FormWorkTask, nullptr);
    EXPECT_TRUE(c.button->isEnabled());
    if (c.transfer) device->WaitForTransfers(1, 5000);
    sim.behave();
    SetDevice();
  }
  EXPECT_TRUE(f->calls.isEmpty());
  EXPECT_EQ(map->navigated.size(), pages);
}

TEST_F(DevicePages, UploadsRefusedBeforeTheDevice) {
  // Nothing to send.
  f->pgRoute->tbgRouteDeviceUp->click();
  EXPECT_EQ(Result(), S(168));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(116), S(119)}}));
  EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
  // Answered No: the user's choice, no failure.
  env.services.messages.clear();
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  env.services.answer = UiServices::No;
  f->pgRoute->tbgRouteDeviceUp->click();
  EXPECT_EQ(Result(), QStringLiteral("Cancelled"));
  EXPECT_EQ(Messages(), (std::vector<std::pair<QString, QString>>{{S(116), S(118)}}));
  EXPECT_EQ(env.services.messages[0].icon, Icon::Question);
  EXPECT_TRUE(Sentences().isEmpty());
  env.services.answer = UiServices::Yes;
  // A full disk: the transfer file cannot be written.
  env.services.messages.clear();
  sim.clearReceived();
  {
    testenv::FileSizeLimit diskFull(64);
    f->pgRoute->tbgRouteDeviceUp->click();
  }
  EXPECT_EQ(Result(), S(168));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_TRUE(Messages().back().second.startsWith(S(122) + "\nCan not write"));
  EXPECT_TRUE(Sentences().isEmpty());
  // A store the device file cannot hold is refused before the device.
  env.services.messages.clear();
  sim.clearReceived();
  for (int c = 0; c < 256; ++c) {  // one category more than the file holds
    const int cat = destStorage.AddCategory(QStringLiteral("C%1").arg(c));
    destStorage.AddSubCategory(cat, QStringLiteral("All"));
    auto item = std::make_unique<DestItem>(QStringLiteral("D%1").arg(c), cat, 0, QString(), 1, 2);
    ASSERT_EQ(destStorage.AddItem(dlActive, item), drOk);
  }
  f->pgDest->bgDestDevice->Item(0)->click();
  EXPECT_EQ(Result(), S(168));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_TRUE(Messages().back().second.startsWith(S(122)));
  EXPECT_TRUE(Sentences().isEmpty()) << Sentences().join(' ').toStdString();
  EXPECT_TRUE(TransferFilesLeft().isEmpty());
}

// An upload the device does not take says why, below "Upload failed.".
TEST_F(DevicePages, FailedUploadsSayWhy) {
  for (int n = 0; n < 300; ++n) AddWaypoint(n, n % 21, 47.5 + n * 0.001, 10.25);  // several blocks
  const auto faults = [&](auto set) {
    return [&, set] {
      devsim::XmodemFaults x;
      set(x);
      SetDevice(x);
    };
  };
  struct Case {
    const char* what;
    std::function<void()> arrange;
    TaskFailure cause;
    bool transfer = true;  // the file phase starts
  } cases[] = {
      {"silent device", [&] { devsim::Misbehaviour m; m.silent = true; m.count = 1; sim.misbehave(m); }, tfNoReply, false},
      {"cancelled at the start", faults([](devsim::XmodemFaults& x) { x.CancelAtStart = true; }), tfDeviceCancelled},
      {"a block refused", faults([](devsim::XmodemFaults& x) { x.NakBlock = 2; x.NakTimes = 99; }), tfRefused},
      {"silent in the transfer",
       [&] {
         faults([](devsim::XmodemFaults& x) { x.SilenceAtBlock = 2; })();
         deviceTransferTiming.AckTimeout = 300;
       },
       tfNoReply},
      {"hang-up in the transfer", faults([](devsim::XmodemFaults& x) { x.HangUpAtBlock = 2; }), tfLineLost},
      {"no port", [&] { apConfig->Port = 49; }, tfNoPort, false},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    env.services.messages.clear();
    c.arrange();
    const int transfers = device->Transfers.load();
    QTest::mouseClick(f->pgWaypoint->tbDeviceUp, Qt::LeftButton);
    deviceTransferTiming = transfertest::FastTiming();
    EXPECT_EQ(Result(), S(168));
    ASSERT_EQ(Messages().size(), 2u);  // the question, then the failure
    EXPECT_EQ(Messages()[1], std::pair(S(116), S(122) + "\n" + TaskFailureText(c.cause, apConfig->Port)));
    EXPECT_EQ(env.services.messages[1].icon, Icon::Error);
    EXPECT_TRUE(TransferFilesLeft().isEmpty());
    EXPECT_TRUE(f->pgWaypoint->tbDeviceUp->isEnabled());
    if (c.transfer) device->WaitForTransfers(transfers + 1, 5000);
    // The device has taken nothing.
    devsim::DeviceState st = sim.state();
    EXPECT_TRUE(st.file(DeviceFile::Waypoints).empty());
    st.file(DeviceFile::Waypoints).clear();
    sim.setState(st);
    sim.behave();
    SetDevice();
  }
}

// The user's cancel (Escape, or the progress window closed) of a transfer or
// a settings task is no failure: no error box, panel 2 says it was cancelled
// (in the chosen language), and the collections, their change marks and the
// settings pages stay as they were. A device that hangs up at the same point
// still fails with its box.
TEST_F(DevicePages, ACancelByTheUserIsNoFailure) {
  // Unsaved work everywhere: a download that replaces it asks first.
  for (int n = 0; n < 300; ++n) AddWaypoint(n, n % 21, 47.5 + n * 0.001, 10.25);  // several blocks
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  mapstores::AddTrack(QStringLiteral("old"), 3, 0xFF);
  mapstores::AddDest(QStringLiteral("Rathaus"), 48.13743, 11.57549);
  std::string wpts;
  for (int i = 0; i < 200; ++i) wpts += std::string("\x7C\x05\x01\x0A\x00\x00\x01\x00\x10\x27\x00\x00\x20\x4E\x00\x00", 16);
  const auto deviceFiles = [&] {
    devsim::DeviceState st = sim.state();
    st.file(DeviceFile::TrackLog) = TrackLog({400, 400, 400});
    st.file(DeviceFile::Waypoints) = wpts;
    st.file(DeviceFile::Destinations) = std::string();  // what an upload left
    sim.setState(st);
  };
  deviceFiles();
  TLoggerPage& l = *f->pgSetLogger;
  TDeviceSetPage& d = *f->pgSetTrevik;
  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,2,20,255,30,-5,1,1")));  // what Set sends
  const ChangeMark* marks[] = {&destStorage, &poiStorage, &routeStorage, &trackStorage};
  const auto state = [&] {
    QStringList all = Waypoints() + Route() + Tracks() + Dests();
    for (const ChangeMark* m : marks) all << (m->HasUnsavedChanges() ? "unsaved" : "saved");
    return all << l.lblPercentage->text() << QString::number(l.edtConfigTime->value())
               << QString::fromStdString(d.ParamText());
  };
  const QStringList before = state();
  ASSERT_EQ(before.count("unsaved"), 4);

  const auto slowLine = [&] {
    device = std::make_shared<devsim::SimXmodem>(devsim::XmodemFaults(), 400.0);
    sim.setFilePhase(device);
  };
  const auto silent = [&] { devsim::Misbehaviour m; m.silent = true; m.count = 1; sim.misbehave(m); };
  // A settings page in front, its device silent.
  const auto silentOn = [&](QWidget* page) {
    return [&, page] {
      Show(page);
      silent();
    };
  };
  struct Case {
    const char* what;
    const char* language;
    std::function<void()> arrange;
    QAbstractButton* button;
    bool atBlock;  // Escape once a block has gone; else at once
    bool transfer;  // the file phase starts
    int asked;  // the question of an upload, or of a download that replaces unsaved work
    QString result;  // panel 2
    QString box;  // the error box's text; none after a cancel
  } cases[] = {
      {"track log", "en", slowLine, f->pgTrack->tbTrackDeviceDown, true, true, 1, kCancelled, {}},
      {"waypoint download", "de", slowLine, f->pgWaypoint->tbDeviceDown, true, true, 1,
       QStringLiteral("Abgebrochen"), {}},
      {"waypoint upload", "ja", slowLine, f->pgWaypoint->tbDeviceUp, true, true, 1,
       QStringLiteral("キャンセルしました"), {}},
      {"destination upload, waiting for the reply", "en", silent, f->pgDest->bgDestDevice->Item(0), false, false, 1,
       kCancelled, {}},
      {"route download, waiting for the reply", "en", silent, f->pgRoute->tbgRouteDeviceDown, false, false, 1,
       kCancelled, {}},
      {"logger Get", "de", silentOn(&l), l.btnGetLogConfig, false, false, 0, QStringLiteral("Abgebrochen"), {}},
      {"logger Set", "en", silentOn(&l), l.btnSetLogConfig, false, false, 0, kCancelled, {}},
      {"device Get", "en", silentOn(&d), d.btnGetTrevikConfig, false, false, 0, kCancelled, {}},
      {"device Set", "en", silentOn(&d), d.btnSetTrevikConfig, false, false, 0, kCancelled, {}},
      // Not the user: the device hangs up where the user pressed Escape.
      {"track log, the device hangs up", "en", [&] { devsim::XmodemFaults x; x.HangUpAtBlock = 2; SetDevice(x); },
       f->pgTrack->tbTrackDeviceDown, false, true, 1, S(168), S(115) + "\n" + TaskFailureText(tfLineLost, kPort)},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", " + c.language);
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    f->show();
    env.services.messages.clear();
    c.arrange();
    const bool cancel = c.box.isEmpty();
    bool pressed = false;
    QTimer escape;  // the user's Escape, once there is something to break off
    QObject::connect(&escape, &QTimer::timeout, [&] {
      if (!FormWorkTask || !cancel || pressed) return;
      const QString bytes = FormWorkTask->lblBytes->text();
      if (c.atBlock && (bytes.isEmpty() || bytes.startsWith("0 "))) return;
      pressed = true;
      QTest::keyClick(FormWorkTask, Qt::Key_Escape);
    });
    escape.start(10);
    const int transfers = device->Transfers.load();
    QTest::mouseClick(c.button, Qt::LeftButton);
    escape.stop();
    EXPECT_EQ(pressed, cancel);
    EXPECT_EQ(Result(), c.result);
    // The questions asked before the task, and after a failure its box.
    ASSERT_EQ(Messages().size(), size_t(c.asked + (cancel ? 0 : 1)));
    for (int i = 0; i < c.asked; ++i) EXPECT_EQ(env.services.messages[size_t(i)].icon, Icon::Question);
    if (!cancel) {
      EXPECT_EQ(Messages().back(), std::pair(S(117), c.box));
      EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
    }
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(f->calls.isEmpty());
    EXPECT_TRUE(TransferFilesLeft().isEmpty());
    EXPECT_EQ(FormWorkTask, nullptr);
    EXPECT_TRUE(c.button->isEnabled());
    if (c.transfer) device->WaitForTransfers(transfers + 1, 5000);
    // The device has taken nothing.
    EXPECT_TRUE(sim.state().file(DeviceFile::Waypoints) == wpts);
    EXPECT_TRUE(sim.state().file(DeviceFile::Destinations).empty());
    deviceFiles();
    sim.behave();
    SetDevice();
  }
}

// The transfer failures say why in the chosen language: the same box as in
// English, its reason (and the settings pages' first line) translated, the
// captions and "Error" still from the language file.
TEST_F(DevicePages, TransferFailuresSayWhyInTheChosenLanguage) {
  for (int n = 0; n < 300; ++n) AddWaypoint(n, n % 21, 47.5 + n * 0.001, 10.25);  // several blocks
  mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
  // As if loaded: the downloads ask nothing.
  poiStorage.MarkSaved();
  routeStorage.MarkSaved();
  std::string wpts;
  for (int i = 0; i < 200; ++i) wpts += std::string("\x7C\x05\x01\x0A\x00\x00\x01\x00\x10\x27\x00\x00\x20\x4E\x00\x00", 16);
  const auto silent = [&] { devsim::Misbehaviour m; m.silent = true; m.count = 1; sim.misbehave(m); };
  const auto faults = [&](auto set) {
    return [&, set] {
      devsim::XmodemFaults x;
      set(x);
      SetDevice(x);
    };
  };
  std::unique_ptr<testenv::FileSizeLimit> diskFull;
  TLoggerPage& l = *f->pgSetLogger;
  TDeviceSetPage& d = *f->pgSetTrevik;
  struct Case {
    const char* what;
    const char* language;
    std::function<void()> arrange;
    QWidget* page;  // the settings page to show first, or none
    QAbstractButton* button;
    int messages;  // an upload asks first
    bool transfer;  // the file phase starts
    std::pair<QString, QString> box;  // caption and text of the last box
  } cases[] = {
      {"download, silent device", "de", silent, nullptr, f->pgWaypoint->tbDeviceDown, 1, false,
       {S(117), S(115) + "\nDas Gerät hat nicht rechtzeitig geantwortet."}},
      {"download, garbage reply", "ja",
       [&] { devsim::Misbehaviour m; m.wrongReply = "#garbage\r\n"; m.count = 1; sim.misbehave(m); }, nullptr,
       f->pgRoute->tbgRouteDeviceDown, 1, false, {S(117), S(115) + "\nデバイスから予期しない応答がありました。"}},
      {"download, hang-up", "de", faults([](devsim::XmodemFaults& x) { x.HangUpAtBlock = 2; }), nullptr,
       f->pgTrack->tbTrackDeviceDown, 1, true, {S(117), S(115) + "\nDie Verbindung zum Gerät ist abgebrochen."}},
      {"download, cancelled by the device", "ja", faults([](devsim::XmodemFaults& x) { x.CancelAtBlock = 2; }),
       nullptr, f->pgWaypoint->tbDeviceDown, 1, true, {S(117), S(115) + "\nデバイスが転送を中断しました。"}},
      {"download, full disk", "de", [&] { diskFull = std::make_unique<testenv::FileSizeLimit>(2048); }, nullptr,
       f->pgWaypoint->tbDeviceDown, 1, true,
       {S(117), S(115) + "\nDie Übertragungsdatei konnte nicht geschrieben werden."}},
      {"download, full disk", "ja", [&] { diskFull = std::make_unique<testenv::FileSizeLimit>(2048); }, nullptr,
       f->pgWaypoint->tbDeviceDown, 1, true, {S(117), S(115) + "\n転送ファイルに書き込めませんでした。"}},
      {"download, no port", "de", [&] { apConfig->Port = 49; }, nullptr, f->pgDest->bgDestDevice->Item(1), 1, false,
       {S(117), S(115) + "\nCOM 49 konnte nicht geöffnet werden."}},
      {"download, no port", "ja", [&] { apConfig->Port = 49; }, nullptr, f->pgDest->bgDestDevice->Item(1), 1, false,
       {S(117), S(115) + "\nCOM 49 を開けませんでした。"}},
      {"upload, a block refused", "de", faults([](devsim::XmodemFaults& x) { x.NakBlock = 2; x.NakTimes = 99; }),
       nullptr, f->pgWaypoint->tbDeviceUp, 2, true, {S(116), S(122) + "\nDas Gerät hat die Daten abgelehnt."}},
      {"upload, silent device", "ja", silent, nullptr, f->pgRoute->tbgRouteDeviceUp, 2, false,
       {S(116), S(122) + "\nデバイスが時間内に応答しませんでした。"}},
      {"logger Get, silent device", "de", silent, &l, l.btnGetLogConfig, 1, false,
       {S(6), "Die Einstellungen konnten nicht vom Gerät gelesen werden.\nDas Gerät hat nicht rechtzeitig geantwortet."}},
      {"logger Get, a reply it does not take", "de",
       [&] { devsim::Misbehaviour m; m.wrongReply = devsim::Frame("POEM101,1,0,2,0,3,0,1"); m.count = 1; sim.misbehave(m); },
       &l, l.btnGetLogConfig, 1, false,
       {S(6), "Die Einstellungen konnten nicht vom Gerät gelesen werden.\nDie Antwort des Geräts konnte nicht gelesen werden."}},
      {"device Set, hang-up", "ja", [&] { devsim::Misbehaviour m; m.hangUpAfter = 0; m.count = 1; sim.misbehave(m); },
       &d, d.btnSetTrevikConfig, 1, false, {S(7), "設定をデバイスに送信できませんでした。\nデバイスとの接続が切れました。"}},
      {"device Get, no port", "ja", [&] { apConfig->Port = 49; }, &d, d.btnGetTrevikConfig, 1, false,
       {S(7), "デバイスから設定を読み込めませんでした。\nCOM 49 を開けませんでした。"}},
  };
  devsim::DeviceState st = sim.state();
  st.file(DeviceFile::TrackLog) = TrackLog({400, 400, 400});
  st.file(DeviceFile::Waypoints) = wpts;
  sim.setState(st);
  ASSERT_TRUE(d.ShowDeviceConfig(Split("POEM103,2,20,255,30,-5,1,1")));  // what Set sends
  for (auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", " + c.language);
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    if (c.page) Show(c.page);
    env.services.messages.clear();
    c.arrange();
    const int transfers = device->Transfers.load();
    QTest::mouseClick(c.button, Qt::LeftButton);
    diskFull.reset();
    deviceTransferTiming = transfertest::FastTiming();
    EXPECT_EQ(Result(), S(168));
    ASSERT_EQ(Messages().size(), size_t(c.messages));
    EXPECT_EQ(Messages().back(), c.box);
    EXPECT_EQ(env.services.messages.back().icon, Icon::Error);
    EXPECT_EQ(FormWorkTask, nullptr);
    if (c.transfer) device->WaitForTransfers(transfers + 1, 5000);
    // What the device holds, for the next download.
    devsim::DeviceState st = sim.state();
    st.file(DeviceFile::TrackLog) = TrackLog({400, 400, 400});  // several blocks
    st.file(DeviceFile::Waypoints) = wpts;
    sim.setState(st);
    apConfig->Port = kPort;
    sim.behave();
    SetDevice();
  }
}

TEST_F(DevicePages, ConnectionPageControls) {
  TConnectPage& c = *f->pgConnect;
  // Shift held as the settings tab opens offers the device manager.
  env.services.shift = true;
  Show(&c);
  // Scan lists the one port of the sandbox; Connect makes the chosen one,
  // where the device answers, the port.
  apConfig->Port = 3;
  QTest::mouseClick(c.btnScanComport, Qt::LeftButton);
  ASSERT_EQ(c.cmbComPort->count(), 1);
  EXPECT_EQ(c.cmbComPort->itemText(0), "COM 7");
  EXPECT_EQ(c.cmbComPort->currentIndex(), -1);
  c.cmbComPort->setCurrentIndex(0);
  sim.clearReceived();
  QTest::mouseClick(c.btnConnect, Qt::LeftButton);
  EXPECT_EQ(apConfig->Port, kPort);
  EXPECT_EQ(f->StatusText(0), "COM 7");
  EXPECT_EQ(Sentences(), (QStringList{"POEM06", "POEM06"}));  // the chosen port, then the connection

  QTest::mouseClick(c.chkAutoConnect, Qt::LeftButton, {}, ClickPoint(c.chkAutoConnect));
  EXPECT_FALSE(apConfig->AutoConnect);
  EXPECT_FALSE(c.btnScanComport->isEnabled());
  QTest::mouseClick(c.chkAutoConnect, Qt::LeftButton, {}, ClickPoint(c.chkAutoConnect));
  EXPECT_TRUE(apConfig->AutoConnect);
  EXPECT_TRUE(c.btnScanComport->isEnabled());
  ASSERT_TRUE(c.btnDevMan->isVisible());
  QTest::mouseClick(c.btnDevMan, Qt::LeftButton);
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.contains("no device manager"));
}

// A Connect that scans shows the port where it found the device, and the
// manual set-up's radio button keeps its check.
TEST_F(DevicePages, ConnectShowsThePortFound) {
  TConnectPage& c = *f->pgConnect;
  Show(&c);
  comPortCount = 0;
  apConfig->Port = 3;
  c.FillComPortCombo();
  ASSERT_EQ(c.cmbComPort->currentIndex(), -1);
  ASSERT_TRUE(c.rdoManualConfig->isChecked());
  QTest::mouseClick(c.btnConnect, Qt::LeftButton);
  EXPECT_EQ(apConfig->Port, kPort);
  EXPECT_EQ(f->StatusText(0), "COM 7");
  EXPECT_EQ(c.cmbComPort->currentText(), "COM 7");
  EXPECT_TRUE(c.rdoManualConfig->isChecked());
  EXPECT_TRUE(c.rdoAutoScan->isChecked());  // the Connect scanned
  // And after a Scan.
  QTest::mouseClick(c.btnScanComport, Qt::LeftButton);
  EXPECT_EQ(c.cmbComPort->currentText(), "COM 7");
  EXPECT_TRUE(c.rdoManualConfig->isChecked());
}

}  // namespace
