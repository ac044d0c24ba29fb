#include "Devicepages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <optional>

#include "Apconfig.h"
#include "Apexception.h"
#include "Busycursor.h"
#include "Deststorage.h"
#include "Destpage.h"
#include "Frmworktask.h"
#include "Korvifile.h"
#include "Mainframe.h"
#include "Pathmanager.h"
#include "Poistorage.h"
#include "Routepage.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Trackpage.h"
#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uiservices.h"
#include "Unsaved.h"
#include "Waypointpage.h"

using namespace uibuild;

const std::array<ConfigChoice, 5> backlightChoices = {
    {{0, "OFF"}, {255, "ON"}, {10, "10"}, {30, "30"}, {60, "60"}}};
const std::array<ConfigChoice, 6> deviceLanguageChoices = {{{0, "English"},
                                                           {1, "Fran\xC3\xA7" "ais"},
                                                           {2, "Deutsch"},
                                                           {3, "Dutch"},
                                                           {4, "Italiano"},
                                                           {5, "Espa\xC3\xB1ol"}}};
const std::array<ConfigChoice, 4> suspendChoices = {{{0, "Disable"}, {10, "10"}, {30, "30"}, {60, "60"}}};
const std::array<ConfigChoice, 2> lengthUnitChoices = {{{0, "meter, KM"}, {1, "feet, mile"}}};
const std::array<int32_t, 25> timeZoneValues = {-12, -11, -10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0,
                                                1,   2,   3,   4,  5,  6,  7,  8,  9,  10, 11, 12};
const std::array<LoggerProfile, 3> loggerProfiles = {{{3, 10, 5}, {5, 5, 0}, {10, 1, 0}}};

XModemTiming deviceTransferTiming;

namespace {
// The connection group's height once the device-manager button may show.
constexpr int kSerialGroupTall = 181;
// The used-memory bar's full width.
constexpr int kUsedBarWidth = 336;

template <size_t N>
void FillChoiceList(QComboBox* list, const std::array<ConfigChoice, N>& choices) {
  list->clear();
  for (const ConfigChoice& c : choices) list->addItem(QString::fromUtf8(c.Text));
  list->setCurrentIndex(-1);
}

// The first row whose value is v. Without one the list shows no selection,
// so that Set sends the value read rather than an earlier choice.
template <size_t N, class T>
void SelectValue(QComboBox* list, const std::array<T, N>& values, int32_t v,
                 int32_t (*value)(const T&)) {
  for (size_t i = 0; i < N; ++i)
    if (value(values[i]) == v) {
      list->setCurrentIndex(int(i));
      return;
    }
  list->setCurrentIndex(-1);
}
int32_t ChoiceValue(const ConfigChoice& c) { return c.Value; }
int32_t ZoneValue(const int32_t& z) { return z; }

// The list's row, or -1 while it has no selection.
int Row(const QComboBox* list) { return list->currentIndex(); }

// Enables a control again on every way out of a handler.
class DisabledWhile {
 public:
  explicit DisabledWhile(QWidget* w) : w_(w) { w_->setEnabled(false); }
  ~DisabledWhile() { w_->setEnabled(true); }
  DisabledWhile(const DisabledWhile&) = delete;
  DisabledWhile& operator=(const DisabledWhile&) = delete;

 private:
  QWidget* w_;
};

// The file a transfer goes through: created exclusively with the prefix
// "TVQ_" in $TMP, else in the data folder, and removed when it goes.
class TransferFile {
 public:
  bool Create() {
    QStringList folders;
    const QString tmp = qEnvironmentVariable("TMP");
    if (!tmp.isEmpty()) folders << tmp;
    if (pathManager) folders << pathManager->GetDataDir();
    for (const QString& folder : folders) {
      auto f = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral("TVQ_XXXXXX")));
      f->setAutoRemove(true);
      if (!f->open()) continue;
      f->close();  // the name stays ours; the transfer opens it itself
      file_ = std::move(f);
      return true;
    }
    return false;
  }
  QString Path() const { return file_ ? file_->fileName() : QString(); }
  ~TransferFile() {
    // A store's save may have replaced the file under the same name.
    if (file_) QFile::remove(file_->fileName());
  }

 private:
  std::unique_ptr<QTemporaryFile> file_;
};

// Panel 2 after the user broke a device task off: no failure, nothing changed.
StatusNote CancelledNote() { return [] { return uibuild::CancelledText(); }; }

// Runs a settings read (no parameter text) or write and says how it went:
// panel 1 the page, panel 2 done, cancelled or failed, and a failure's box
// with why.
template <class Arg>
bool RunSettingsTask(TMainFrame& frame, int pageText, int task, const Arg& arg) {
  frame.SetStatusText(1, Str(pageText));
  QString reason;
  const int result = RunDeviceTask(frame.FrameWindow(), task, arg, &reason);
  if (result == mrAbort) {
    frame.SetStatusText(2, CancelledNote());
    return false;
  }
  const bool ok = result == mrOk;
  frame.SetStatusText(2, Str(ok ? 167 : 168));
  if (!ok) {
    const bool reading = task == wtGetDeviceConfig || task == wtGetLoggerConfig;
    const QString what = reading ? QCoreApplication::translate("Devicepages", "The settings could not be read from the device.")
                                 : QCoreApplication::translate("Devicepages", "The settings could not be sent to the device.");
    UiServices::Get().MessageBox(what + QStringLiteral("\n") + reason, Str(pageText), UiServices::Icon::Error);
  }
  return ok;
}

// The string numbers of the two settings pages' names.
constexpr int kLoggerPageText = 6;
constexpr int kDevicePageText = 7;

}  // namespace

// ============================================================================
// connection page

TConnectPage::TConnectPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgConnect"));
  auto* page = new QVBoxLayout(this);
  GroupBoxSerialPort = Group(this, "GroupBoxSerialPort", QStringLiteral("Serial port"));
  auto* grid = new QGridLayout(GroupBoxSerialPort);
  lblComport = Label(GroupBoxSerialPort, "lblComport", QStringLiteral("COM Port"));
  cmbComPort = DropDownList(GroupBoxSerialPort, "cmbComPort");
  rdoAutoScan = new QRadioButton(QStringLiteral("Auto Scan"), GroupBoxSerialPort);
  rdoAutoScan->setObjectName(QStringLiteral("rdoAutoScan"));
  rdoAutoScan->setVisible(false);
  // The hidden button only records a Connect's choice: it must not take
  // the check away from the one the user sees.
  rdoAutoScan->setAutoExclusive(false);
  rdoManualConfig = new QRadioButton(QStringLiteral("Manual configuration"), GroupBoxSerialPort);
  rdoManualConfig->setObjectName(QStringLiteral("rdoManualConfig"));
  rdoManualConfig->setChecked(true);
  btnScanComport = Button(GroupBoxSerialPort, "btnScanComport", QStringLiteral("Scan"));
  btnConnect = Button(GroupBoxSerialPort, "btnConnect", QStringLiteral("Connect"));
  chkAutoConnect = CheckBox(GroupBoxSerialPort, "chkAutoConnect", QStringLiteral("Auto connect"));
  btnDevMan = Button(GroupBoxSerialPort, "btnDevMan", QStringLiteral("Device manager"));
  connect(btnScanComport, &QPushButton::clicked, this, &TConnectPage::btnScanComportClick);
  connect(btnConnect, &QPushButton::clicked, this, &TConnectPage::btnConnectClick);
  connect(chkAutoConnect, &QCheckBox::clicked, this, &TConnectPage::chkAutoConnectClick);
  connect(btnDevMan, &QPushButton::clicked, this, &TConnectPage::btnDevManClick);
  btnDevMan->setVisible(false);
  grid->addWidget(rdoAutoScan, 0, 0, 1, 2);
  grid->addWidget(rdoManualConfig, 1, 0, 1, 2);
  grid->addWidget(lblComport, 2, 0);
  grid->addWidget(cmbComPort, 2, 1);
  grid->addWidget(btnScanComport, 3, 0);
  grid->addWidget(btnConnect, 3, 1);
  grid->addWidget(chkAutoConnect, 4, 0, 1, 2);
  grid->addWidget(btnDevMan, 5, 0, 1, 2);
  page->addWidget(GroupBoxSerialPort);
  page->addStretch(1);
}

void TConnectPage::ApplyLanguage() {
  GroupBoxSerialPort->setTitle(Str(37));
  rdoAutoScan->setText(Str(38));
  rdoManualConfig->setText(Str(39));
  btnScanComport->setText(Str(163));
  btnConnect->setText(Str(164));
}

void TConnectPage::btnScanComportClick() {
  ScanComPorts();
  FillComPortCombo();
}

void TConnectPage::btnConnectClick() { frame_.SetStatusText(2, Str(ConnectDevice(*this, *apConfig) ? 167 : 168)); }

void TConnectPage::ProcessMessages() { QCoreApplication::processEvents(); }

void TConnectPage::FillComPortCombo() {
  cmbComPort->clear();
  for (int i = 0; i < comPortCount; ++i) cmbComPort->addItem(ComPortItemText(comPorts[i]));
  cmbComPort->setCurrentIndex(ComPortIndex(apConfig->Port));
}

// Besides "not connected" (a status word) the connect texts are fixed English.
void TConnectPage::SetStatusText(int panel, const QString& text) { frame_.SetStatusText(panel, StatusNote::Fixed(text)); }

void TConnectPage::OfferDeviceManager() {
  if (GroupBoxSerialPort->minimumHeight() >= kSerialGroupTall) return;
  const bool shift = UiServices::Get().ShiftHeld();
  btnDevMan->setVisible(shift);
  if (shift) GroupBoxSerialPort->setMinimumHeight(kSerialGroupTall);
}

// The choice lasts for the run: the ini file never gets it.
void TConnectPage::chkAutoConnectClick(bool checked) {
  apConfig->AutoConnect = checked;
  btnScanComport->setEnabled(checked);
}

void TConnectPage::btnDevManClick() {
  UiServices::Get().MessageBox(
      tr("This desktop has no device manager. The device's serial port is one of "
         "/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and "
         "your user must be in the dialout group to open it."),
      tr("Device manager"), UiServices::Icon::Information);
}

// ============================================================================
// logger settings page

TLoggerPage::TLoggerPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgSetLogger"));
  auto* page = new QVBoxLayout(this);
  rdgProfile = new TRadioGroup(QStringLiteral("Profile"),
                               {QStringLiteral("Car"), QStringLiteral("Bike"), QStringLiteral("Walk")},
                               3, this);
  rdgProfile->setObjectName(QStringLiteral("rdgProfile"));
  page->addWidget(rdgProfile);

  GroupBoxRecord = Group(this, "GroupBoxRecord", QStringLiteral("Record"));
  auto* rec = new QGridLayout(GroupBoxRecord);
  lblTime = Label(GroupBoxRecord, "lblTime", QStringLiteral("Time"));
  lblDistance = Label(GroupBoxRecord, "lblDistance", QStringLiteral("Distance"));
  lblSpeed = Label(GroupBoxRecord, "lblSpeed", QStringLiteral("Speed"));
  lblSetZero = Label(GroupBoxRecord, "lblSetZero", QStringLiteral("0 = off"));
  auto spin = [this](const char* name) {
    auto* s = new QSpinBox(GroupBoxRecord);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, kLoggerValueMax);
    return s;
  };
  edtConfigTime = spin("edtConfigTime");
  edtConfigDist = spin("edtConfigDist");
  edtConfigSpeed = spin("edtConfigSpeed");
  lblAltTime = Label(GroupBoxRecord, "lblAltTime", QStringLiteral("0"));
  lblAltDist = Label(GroupBoxRecord, "lblAltDist", QStringLiteral("0"));
  lblAltSpeed = Label(GroupBoxRecord, "lblAltSpeed", QStringLiteral("0"));
  struct Row {
    QLabel* caption;
    QSpinBox* edit;
    const char* unit;
    QLabel* alt;
    const char* altUnit;
  } rows[] = {{lblTime, edtConfigTime, "s", lblAltTime, "min"},
              {lblDistance, edtConfigDist, "m", lblAltDist, "km"},
              {lblSpeed, edtConfigSpeed, "m/s", lblAltSpeed, "km/h"}};
  for (int r = 0; r < 3; ++r) {
    rec->addWidget(rows[r].caption, r, 0);
    rec->addWidget(rows[r].edit, r, 1);
    rec->addWidget(new QLabel(QString::fromLatin1(rows[r].unit), GroupBoxRecord), r, 2);
    rec->addWidget(rows[r].alt, r, 3);
    rec->addWidget(new QLabel(QString::fromLatin1(rows[r].altUnit), GroupBoxRecord), r, 4);
  }
  rec->addWidget(lblSetZero, 3, 0, 1, 5);
  page->addWidget(GroupBoxRecord);

  GroupBoxUsedSpace = Group(this, "GroupBoxUsedSpace", QStringLiteral("Used space"));
  auto* used = new QHBoxLayout(GroupBoxUsedSpace);
  ShapeOuter = new QFrame(GroupBoxUsedSpace);
  ShapeOuter->setObjectName(QStringLiteral("ShapeOuter"));
  ShapeOuter->setFrameShape(QFrame::Box);
  ShapeOuter->setFixedSize(kUsedBarWidth, 16);
  ShapeInner = new QFrame(ShapeOuter);
  ShapeInner->setObjectName(QStringLiteral("ShapeInner"));
  ShapeInner->setAutoFillBackground(true);
  QPalette fill = ShapeInner->palette();
  fill.setColor(QPalette::Window, QColor(0xFF, 0x80, 0x00));
  ShapeInner->setPalette(fill);
  ShapeInner->setGeometry(0, 0, 0, 16);
  lblPercentage = Label(GroupBoxUsedSpace, "lblPercentage", QStringLiteral("?"));
  used->addWidget(ShapeOuter);
  used->addWidget(lblPercentage);
  used->addWidget(new QLabel(QStringLiteral("%"), GroupBoxUsedSpace));
  used->addStretch(1);
  page->addWidget(GroupBoxUsedSpace);

  auto* buttons = new QHBoxLayout;
  btnGetLogConfig = Button(this, "btnGetLogConfig", QStringLiteral("Get"));
  connect(btnGetLogConfig, &QPushButton::clicked, this, [this] { frame_.btnGetLogConfigClick(); });
  btnSetLogConfig = Button(this, "btnSetLogConfig", QStringLiteral("Set"));
  connect(btnSetLogConfig, &QPushButton::clicked, this, &TLoggerPage::btnSetLogConfigClick);
  connect(rdgProfile, &TRadioGroup::Clicked, this, &TLoggerPage::rdgProfileClick);
  for (QSpinBox* s : {edtConfigTime, edtConfigDist, edtConfigSpeed})
    connect(s, &QSpinBox::valueChanged, this, &TLoggerPage::UpdateAltUnits);
  buttons->addWidget(btnGetLogConfig);
  buttons->addWidget(btnSetLogConfig);
  buttons->addStretch(1);
  page->addLayout(buttons);
  page->addStretch(1);
}

void TLoggerPage::ApplyLanguage() {
  rdgProfile->setTitle(Str(40));
  rdgProfile->SetItems({Str(41), Str(42), Str(43)});
  GroupBoxRecord->setTitle(Str(44));
  lblTime->setText(Str(29));
  lblDistance->setText(Str(46));
  lblSpeed->setText(Str(47));
  lblSetZero->setText(Str(48));
  GroupBoxUsedSpace->setTitle(Str(49));
  btnGetLogConfig->setText(Str(161));
  btnSetLogConfig->setText(Str(162));
}

void TLoggerPage::btnGetLogConfigClick() {
  RunSettingsTask(frame_, kLoggerPageText, wtGetLoggerConfig, QString());
}

void TLoggerPage::btnSetLogConfigClick() {
  RunSettingsTask(frame_, kLoggerPageText, wtSetLoggerConfig, ParamText());
}

std::string TLoggerPage::ParamText() const {
  return LoggerParamText(edtConfigTime->value(), edtConfigDist->value(), edtConfigSpeed->value());
}

// Nothing is sent; Set does that.
void TLoggerPage::rdgProfileClick(int index) {
  if (index < 0 || index >= int(loggerProfiles.size())) return;
  const LoggerProfile& p = loggerProfiles[size_t(index)];
  edtConfigTime->setValue(p.Time);
  edtConfigDist->setValue(p.Distance);
  edtConfigSpeed->setValue(p.Speed);
}

void TLoggerPage::UpdateAltUnits() {
  // Minutes and kilometres cut (not rounded) to what the labels show.
  const double minutes = std::trunc(edtConfigTime->value() * 100 * (1.0 / 60)) * 0.01;
  const double km = std::trunc(edtConfigDist->value() * 1000 * 0.001) * 0.001;
  lblAltTime->setText(textfmt::FloatToQStr(minutes));
  lblAltDist->setText(textfmt::FloatToQStr(km));
  lblAltSpeed->setText(textfmt::FloatToQStr(edtConfigSpeed->value() * 3.6));
}

void TLoggerPage::Reset() {
  ShapeInner->setGeometry(0, 0, 0, ShapeOuter->height());
  edtConfigTime->setValue(0);
  edtConfigDist->setValue(0);
  edtConfigSpeed->setValue(0);
  UpdateAltUnits();
  lblPercentage->setText(QStringLiteral("?"));
}

bool TLoggerPage::ShowLoggerConfig(const std::vector<std::string>& reply) {
  // Every field is checked before anything is shown.
  const std::optional<LoggerConfig> config = ParseLoggerConfig(reply);
  if (!config) return false;
  edtConfigTime->setValue(config->Time);
  edtConfigDist->setValue(config->Distance);
  edtConfigSpeed->setValue(config->Speed);
  lblPercentage->setText(textfmt::FloatToQStr(config->Percent));
  const double bar = ShapeOuter->width() * config->Percent * 0.01;
  const int width = bar <= 0 ? 0 : bar >= ShapeOuter->width() ? ShapeOuter->width() : int(bar);
  ShapeInner->setGeometry(0, 0, width, ShapeOuter->height());
  return true;
}

// ============================================================================
// device settings page

TDeviceSetPage::TDeviceSetPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgSetTrevik"));
  auto* page = new QVBoxLayout(this);
  GroupBoxPowerMgr = Group(this, "GroupBoxPowerMgr", QStringLiteral("Power"));
  auto* power = new QGridLayout(GroupBoxPowerMgr);
  lblBacklight = Label(GroupBoxPowerMgr, "lblBacklight", QStringLiteral("Backlight"));
  lblSuspend = Label(GroupBoxPowerMgr, "lblSuspend", QStringLiteral("Suspend"));
  cmbConfigBacklight = DropDownList(GroupBoxPowerMgr, "cmbConfigBacklight");
  cmbConfigSuspend = DropDownList(GroupBoxPowerMgr, "cmbConfigSuspend");
  power->addWidget(lblBacklight, 0, 0);
  power->addWidget(cmbConfigBacklight, 0, 1);
  power->addWidget(new QLabel(QStringLiteral("seconds"), GroupBoxPowerMgr), 0, 2);
  power->addWidget(lblSuspend, 1, 0);
  power->addWidget(cmbConfigSuspend, 1, 1);
  power->addWidget(new QLabel(QStringLiteral("minutes"), GroupBoxPowerMgr), 1, 2);
  page->addWidget(GroupBoxPowerMgr);

  GroupBoxTimeZone = Group(this, "GroupBoxTimeZone", QStringLiteral("Time zone"));
  auto* zones = new QGridLayout(GroupBoxTimeZone);
  lblHome = Label(GroupBoxTimeZone, "lblHome", QStringLiteral("Home"));
  lblLocal = Label(GroupBoxTimeZone, "lblLocal", QStringLiteral("Local"));
  cmbHomeTimeZone = DropDownList(GroupBoxTimeZone, "cmbHomeTimeZone");
  cmbLocalTimeZone = DropDownList(GroupBoxTimeZone, "cmbLocalTimeZone");
  zones->addWidget(lblHome, 0, 0);
  zones->addWidget(cmbHomeTimeZone, 0, 1);
  zones->addWidget(lblLocal, 1, 0);
  zones->addWidget(cmbLocalTimeZone, 1, 1);
  page->addWidget(GroupBoxTimeZone);

  GroupBoxTurnDist = Group(this, "GroupBoxTurnDist", QStringLiteral("Turn distance"));
  auto* turn = new QHBoxLayout(GroupBoxTurnDist);
  csTurnDist = DropDownList(GroupBoxTurnDist, "csTurnDist");
  turn->addWidget(csTurnDist);
  turn->addWidget(new QLabel(QStringLiteral("meters"), GroupBoxTurnDist));
  turn->addStretch(1);
  page->addWidget(GroupBoxTurnDist);

  GroupBoxUnit = Group(this, "GroupBoxUnit", QStringLiteral("Unit"));
  auto* unit = new QHBoxLayout(GroupBoxUnit);
  lblLength = Label(GroupBoxUnit, "lblLength", QStringLiteral("Length"));
  cmbLengthUnit = DropDownList(GroupBoxUnit, "cmbLengthUnit");
  unit->addWidget(lblLength);
  unit->addWidget(cmbLengthUnit);
  unit->addStretch(1);
  page->addWidget(GroupBoxUnit);

  grpLanguage = Group(this, "grpLanguage", QStringLiteral("Language"));
  auto* lang = new QHBoxLayout(grpLanguage);
  cmbConfigLang = DropDownList(grpLanguage, "cmbConfigLang");
  lang->addWidget(cmbConfigLang);
  lang->addStretch(1);
  page->addWidget(grpLanguage);

  auto* buttons = new QHBoxLayout;
  btnGetTrevikConfig = Button(this, "btnGetTrevikConfig", QStringLiteral("Get"));
  connect(btnGetTrevikConfig, &QPushButton::clicked, this, [this] { frame_.btnGetTrevikConfigClick(); });
  btnSetTrevikConfig = Button(this, "btnSetTrevikConfig", QStringLiteral("Set"));
  connect(btnSetTrevikConfig, &QPushButton::clicked, this, &TDeviceSetPage::btnSetTrevikConfigClick);
  buttons->addWidget(btnGetTrevikConfig);
  buttons->addWidget(btnSetTrevikConfig);
  buttons->addStretch(1);
  page->addLayout(buttons);
  page->addStretch(1);
}

void TDeviceSetPage::ApplyLanguage() {
  GroupBoxPowerMgr->setTitle(Str(50));
  lblBacklight->setText(Str(51));
  lblSuspend->setText(Str(52));
  lblHome->setText(Str(53));
  lblLocal->setText(Str(54));
  lblLength->setText(Str(55));
  GroupBoxTimeZone->setTitle(Str(56));
  GroupBoxTurnDist->setTitle(Str(57));
  GroupBoxUnit->setTitle(Str(58));
  btnGetTrevikConfig->setText(Str(161));
  btnSetTrevikConfig->setText(Str(162));
  grpLanguage->setTitle(Str(60));
  QStringList zones;
  for (int n = 71; n <= 95; ++n) zones << Str(n);
  // New texts for the same zones: the zone read from the device stays chosen.
  for (QComboBox* c : {cmbHomeTimeZone, cmbLocalTimeZone}) {
    const int row = c->currentIndex();
    c->clear();
    c->addItems(zones);
    c->setCurrentIndex(row < c->count() ? row : -1);
  }
}

void TDeviceSetPage::FillTurnDistances() {
  // A refill (every language switch) keeps the distance read from the device.
  const QString chosen = csTurnDist->currentText();
  csTurnDist->clear();
  csTurnDist->addItems({QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                        QStringLiteral("30"), QStringLiteral("50")});
  csTurnDist->setCurrentIndex(csTurnDist->findText(chosen, Qt::MatchExactly));
}

void TDeviceSetPage::btnGetTrevikConfigClick() {
  RunSettingsTask(frame_, kDevicePageText, wtGetDeviceConfig, QString());
}

void TDeviceSetPage::FillChoices() {
  FillChoiceList(cmbConfigBacklight, backlightChoices);
  FillChoiceList(cmbConfigLang, deviceLanguageChoices);
  FillChoiceList(cmbConfigSuspend, suspendChoices);
  FillChoiceList(cmbLengthUnit, lengthUnitChoices);
}

bool TDeviceSetPage::ShowDeviceConfig(const std::vector<std::string>& reply) {
  const std::optional<DeviceConfig> config = ParseDeviceConfig(reply);
  if (!config) return false;
  DeviceRead = config;
  const int32_t language = config->Language;
  cmbConfigLang->setCurrentIndex(language >= 0 && language < cmbConfigLang->count() ? language : -1);
  SelectValue(cmbConfigBacklight, backlightChoices, config->Backlight, ChoiceValue);
  SelectValue(cmbConfigSuspend, suspendChoices, config->Suspend, ChoiceValue);
  SelectValue(cmbHomeTimeZone, timeZoneValues, config->HomeZone, ZoneValue);
  SelectValue(cmbLocalTimeZone, timeZoneValues, config->LocalZone, ZoneValue);
  SelectValue(cmbLengthUnit, lengthUnitChoices, config->LengthUnit, ChoiceValue);
  csTurnDist->setCurrentIndex(csTurnDist->findText(QString::number(config->TurnDistance), Qt::MatchExactly));
  return true;
}

// A list that shows no value sends what the device said it holds, so that
// Set leaves that field as it is; with nothing read either, the field is
// named and nothing is sent.
std::string TDeviceSetPage::ParamText(QStringList* missing) const {
  const DeviceConfig was = DeviceRead.value_or(DeviceConfig{});
  int32_t language = was.Language, turn = was.TurnDistance, backlight = was.Backlight, suspend = was.Suspend,
          home = was.HomeZone, local = was.LocalZone, unit = was.LengthUnit;
  QStringList unknown;
  // The selected row's value, else the value read, else none.
  const auto take = [&](const QComboBox* list, const QString& caption, int32_t& value, auto rowValue) {
    const int row = Row(list);
    if (row >= 0 && row < list->count())
      value = rowValue(size_t(row));
    else if (!DeviceRead)
      unknown << caption;
  };
  const auto zone = [](size_t row) { return row < timeZoneValues.size() ? timeZoneValues[row] : 0; };
  take(cmbConfigLang, grpLanguage->title(), language, [](size_t row) { return int32_t(row); });
  take(csTurnDist, GroupBoxTurnDist->title(), turn, [this](size_t row) {
    return int32_t(uint16_t(textfmt::StrToIntDef(csTurnDist->itemText(int(row)), 100)));
  });
  take(cmbConfigBacklight, lblBacklight->text(), backlight, [](size_t row) { return backlightChoices.at(row).Value; });
  take(cmbConfigSuspend, lblSuspend->text(), suspend, [](size_t row) { return suspendChoices.at(row).Value; });
  take(cmbHomeTimeZone, lblHome->text(), home, zone);
  take(cmbLocalTimeZone, lblLocal->text(), local, zone);
  take(cmbLengthUnit, lblLength->text(), unit, [](size_t row) { return lengthUnitChoices.at(row).Value; });
  if (missing) *missing = unknown;
  if (!unknown.isEmpty()) return {};
  return DeviceParamText(language, turn, backlight, suspend, home, local, unit);
}

// A field that neither shows a value nor was read sends nothing: the device
// would get a guess.
void TDeviceSetPage::btnSetTrevikConfigClick() {
  QStringList missing;
  const std::string param = ParamText(&missing);
  if (param.empty()) {
    frame_.SetStatusText(1, Str(kDevicePageText));
    frame_.SetStatusText(2, Str(168));
    UiServices::Get().MessageBox(tr("Please choose a value for: %1").arg(JoinList(missing)),
                                 Str(kDevicePageText), UiServices::Icon::Warning);
    return;
  }
  RunSettingsTask(frame_, kDevicePageText, wtSetDeviceConfig, param);
}

// ============================================================================
// transfers

TDeviceTransfers::TDeviceTransfers(TMainFrame& frame, QObject* parent) : QObject(parent), frame_(frame) {}

void TDeviceTransfers::AttachButtons() {
  connect(frame_.DestPage().bgDestDevice, &TButtonGroup::ItemClicked, this, [this](int item) {
    if (item == 0)
      bgDestDevice_UploadClick();
    else if (item == 1)
      bgDestDevice_DownloadClick();
  });
  TWaypointPage& w = frame_.WaypointPage();
  connect(w.tbDeviceUp, &QToolButton::clicked, this, &TDeviceTransfers::bgWptDevice_UploadClick);
  connect(w.tbDeviceDown, &QToolButton::clicked, this, &TDeviceTransfers::bgWptDevice_DownloadClick);
  TRoutePage& r = frame_.RoutePage();
  connect(r.tbgRouteDeviceUp, &QToolButton::clicked, this, &TDeviceTransfers::bgRouteDevice_UploadClick);
  connect(r.tbgRouteDeviceDown, &QToolButton::clicked, this, &TDeviceTransfers::bgRouteDevice_DownloadClick);
  connect(frame_.TrackPage().tbTrackDeviceDown, &QToolButton::clicked, this,
          &TDeviceTransfers::bgTrackDevice_DownloadClick);
}

void TDeviceTransfers::InitConfigPages() {
  frame_.ConnectPage().FillComPortCombo();
  frame_.LoggerPage().Reset();
  frame_.DeviceSetPage().FillChoices();
}

// ----------------------------------------------------------------------------
// uploads and downloads

struct TDeviceTransfers::Upload {
  QWidget* button;
  int pageText;  // string number of the page's name
  int task;
  bool empty;
  std::function<bool(const QString& path)> write;
  const ChangeMark& mark;  // cleared once the device has the collection
  // What the written file left out; empty when it holds the whole collection.
  std::function<QString()> leftOut = nullptr;
};

struct TDeviceTransfers::Download {
  QWidget* button;
  int pageText;
  int task;
  unsaved::Command command;  // replaces the collection, or adds to it
  // Reads the received file into the store; false leaves the store as it was.
  std::function<bool(const QString& path)> read;
  std::function<void()> refill;
  // What the read left out of a damaged file; empty when it read it whole.
  std::function<QString()> leftOut = nullptr;
  bool busy = false;  // the busy cursor from the start of the transfer on
};

void TDeviceTransfers::RunUpload(const Upload& u) {
  DisabledWhile disabled(u.button);
  UiServices& ui = UiServices::Get();
  frame_.SetStatusText(1, Str(u.pageText));
  auto fail = [&](int text, const QString& reason = QString()) {
    frame_.SetStatusText(2, Str(168));
    ui.MessageBox(reason.isEmpty() ? Str(text) : Str(text) + QStringLiteral("\n") + reason, Str(116),
                  UiServices::Icon::Error);
  };
  if (u.empty) return fail(119);
  if (ui.MessageBox(Str(118), Str(116), UiServices::Icon::Question, UiServices::Buttons::YesNo) !=
      UiServices::Yes) {
    // The user's No is no failure.
    frame_.SetStatusText(2, CancelledNote());
    return;
  }
  if (FormWorkTask) return fail(121);
  TransferFile file;
  if (!file.Create()) return fail(122, tr("Can not create a transfer file."));
  if (!u.write(file.Path())) return fail(122, tr("Can not write the transfer file: %1").arg(file.Path()));
  const QString leftOut = u.leftOut ? u.leftOut() : QString();
  QString reason;
  const int result = RunDeviceTask(frame_.FrameWindow(), u.task, file.Path(), &reason);
  // A cancel leaves the collection as unsaved as it was.
  if (result == mrAbort) return frame_.SetStatusText(2, CancelledNote());
  if (result != mrOk) return fail(122, reason);
  // What the device file could not hold is still unsaved work.
  if (leftOut.isEmpty()) u.mark.MarkSaved();
  frame_.SetStatusText(2, Str(167));
  if (!leftOut.isEmpty()) ui.MessageBox(leftOut, Str(116), UiServices::Icon::Warning);
}

void TDeviceTransfers::RunDownload(const Download& d) {
  // Asked before the transfer: a No leaves everything as it was.
  unsaved::RunCommand(d.command, [&] {
    DisabledWhile disabled(d.button);
    std::optional<BusyCursor> cursor;
    if (d.busy) cursor.emplace();
    UiServices& ui = UiServices::Get();
    frame_.SetStatusText(1, Str(d.pageText));
    // "Error", and below it why.
    auto fail = [&](const QString& reason) {
      frame_.SetStatusText(2, Str(168));
      ui.MessageBox(Str(115) + QStringLiteral("\n") + reason, Str(117), UiServices::Icon::Error);
      return unsaved::Holds::Other;
    };
    if (FormWorkTask) return fail(Str(121));
    TransferFile file;
    if (!file.Create()) return fail(tr("Can not create a transfer file."));
    // The file is read only after the worker has ended, and only when the
    // whole transfer succeeded: a cut-short file never reaches a store.
    QString reason;
    const int result = RunDeviceTask(frame_.FrameWindow(), d.task, file.Path(), &reason);
    if (result == mrAbort) {
      frame_.SetStatusText(2, CancelledNote());
      return unsaved::Holds::Other;
    }
    if (result != mrOk) return fail(reason);
    // A device that holds nothing (an empty log, say) sends an empty file:
    // that is no transfer error, and the collection stays as it was.
    if (QFileInfo(file.Path()).size() == 0) {
      frame_.SetStatusText(2, Str(168));
      ui.MessageBox(Str(119), Str(117), UiServices::Icon::Information);
      return unsaved::Holds::Other;
    }
    bool read = false;
    {
      BusyCursor busy;
      read = d.read(file.Path());
    }
    const QString leftOut = d.leftOut ? d.leftOut() : QString();
    if (!read) return fail(leftOut.isEmpty() ? tr("The device sent a file that can not be read.") : leftOut);
    // What was read is shown, but a file with records left out is no clean load.
    frame_.SetStatusText(2, Str(leftOut.isEmpty() ? 167 : 168));
    d.refill();
    frame_.RefreshMap(0.0, 0.0);
    if (!leftOut.isEmpty()) ui.MessageBox(leftOut, Str(117), UiServices::Icon::Warning);
    return unsaved::Holds::Loaded;
  });
}

void TDeviceTransfers::bgDestDevice_UploadClick() {
  DestFileGaps gaps;
  RunUpload({frame_.DestPage().bgDestDevice, 0, wtUploadDestinations, destStorage.Items(dlActive).empty(),
             [&gaps](const QString& path) {
               KorviFile file(destStorage);
               const bool ok = file.Save(path) == 1;
               gaps = file.Gaps();
               return ok;
             },
             destStorage, [&gaps] { return gaps.Any() ? DestFileGapsText(gaps) : QString(); }});
}

// The received destinations join those already held.
void TDeviceTransfers::bgDestDevice_DownloadClick() {
  std::size_t leftOut = 0;
  RunDownload({frame_.DestPage().bgDestDevice, 0, wtDownloadDestinations, unsaved::Command::DownloadDestinations,
               [&leftOut](const QString& path) {
                 KorviFile file(destStorage);
                 const bool ok = file.Load(path) == 1;
                 leftOut = file.LeftOut();
                 return ok;
               },
               [this] {
                 // The received destinations may bring categories the filters
                 // do not offer yet (or none, after "DeleteAll"): as after opening a file.
                 frame_.FillCategoryCombo();
                 frame_.FillSubCategoryCombo(0);
                 frame_.FillDestList();
               },
               [&leftOut] { return leftOut > 0 ? DestLeftOutText(leftOut) : QString(); }});
}

void TDeviceTransfers::bgWptDevice_UploadClick() {
  int leftOut = 0;
  RunUpload({frame_.WaypointPage().tbDeviceUp, 1, wtUploadWaypoints, poiStorage.GetCount() == 0,
             [&leftOut](const QString& path) {
               return poiStorage.SaveDeviceFile(QFile::encodeName(path).constData(), &leftOut);
             },
             poiStorage, [&leftOut] { return leftOut > 0 ? PoiLeftOutText(leftOut) : QString(); }});
}

// Read as an opened waypoint file is: the whole records, and what was left out.
void TDeviceTransfers::bgWptDevice_DownloadClick() {
  PoiFileReport report;
  RunDownload({frame_.WaypointPage().tbDeviceDown, 1, wtDownloadWaypoints, unsaved::Command::DownloadWaypoints,
               [&report](const QString& path) {
                 return poiStorage.LoadDeviceFile(QFile::encodeName(path).constData(), &report);
               },
               [this] { frame_.FillWptList(); },
               [&report] {
                 return report.LeftOut() == 0
                            ? QString()
                            : tr("The device's waypoint file: %1").arg(PoiFileReportText(report));
               }});
}

void TDeviceTransfers::bgRouteDevice_UploadClick() {
  RunUpload({frame_.RoutePage().tbgRouteDeviceUp, 2, wtUploadRoute, routeStorage.Count() == 0,
             [](const QString& path) { return routeStorage.SaveDeviceFile(path, false) == 1; }, routeStorage});
}

void TDeviceTransfers::bgRouteDevice_DownloadClick() {
  RunDownload({frame_.RoutePage().tbgRouteDeviceDown, 2, wtDownloadRoute, unsaved::Command::DownloadRoute,
               [](const QString& path) { return routeStorage.LoadDeviceFile(path) == 1; },
               [this] { frame_.FillRouteList(false, false); }});
}

// The log's tracks replace those held.
void TDeviceTransfers::bgTrackDevice_DownloadClick() {
  RunDownload({frame_.TrackPage().tbTrackDeviceDown, 3, wtDownloadTrackLog, unsaved::Command::DownloadTrackLog,
               [](const QString& path) { return trackStorage.LoadDeviceFile(path); },
               [this] {
                 frame_.ListRefilling = true;
                 frame_.FillTrackList(apConfig->SepTrack);
                 frame_.ApplyTrackAutoSelect();
                 frame_.ListRefilling = false;
               },
               nullptr, true});
}

// ----------------------------------------------------------------------------
// the progress window

namespace {
template <class Arg>
int RunTask(QWidget* owner, int task, const Arg& arg, QString* reason) {
  int result = mrCancel;
  TaskFailure cause = tfFailed;
  TFormWorkTask* window = nullptr;
  try {
    window = new TFormWorkTask(owner, task, arg, apConfig->Port, deviceTransferTiming);
    FormWorkTask = window;
    result = window->ShowModal();
    cause = window->Failure();
  } catch (const SerialException&) {
    // The port cannot be opened: the task failed.
    result = mrCancel;
    cause = tfNoPort;
  } catch (...) {
    result = mrCancel;
  }
  delete window;  // waits for the worker
  FormWorkTask = nullptr;
  if (reason) *reason = result == mrOk ? QString() : TaskFailureText(cause, apConfig->Port);
  return result;
}
}  // namespace

int RunDeviceTask(QWidget* owner, int task, const QString& fileName, QString* reason) {
  return RunTask(owner, task, fileName, reason);
}
int RunDeviceTask(QWidget* owner, int task, const std::string& paramText, QString* reason) {
  return RunTask(owner, task, paramText, reason);
}

