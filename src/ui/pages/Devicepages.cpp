#include "Devicepages.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Apconfig.h"
#include "Frmworktask.h"
#include "Mainframe.h"
#include "Uibuild.h"
#include "Uiservices.h"

using namespace uibuild;

namespace {
// The connection group's height once the device-manager button may show.
constexpr int kSerialGroupTall = 181;
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
  rdoManualConfig = new QRadioButton(QStringLiteral("Manual configuration"), GroupBoxSerialPort);
  rdoManualConfig->setObjectName(QStringLiteral("rdoManualConfig"));
  rdoManualConfig->setChecked(true);
  btnScanComport = Button(GroupBoxSerialPort, "btnScanComport", QStringLiteral("Scan"));
  btnConnect = Button(GroupBoxSerialPort, "btnConnect", QStringLiteral("Connect"));
  chkAutoConnect = CheckBox(GroupBoxSerialPort, "chkAutoConnect", QStringLiteral("Auto connect"));
  btnDevMan = Button(GroupBoxSerialPort, "btnDevMan", QStringLiteral("Device manager"));
  connect(btnScanComport, &QPushButton::clicked, this, &TConnectPage::btnScanComportClick);
  connect(btnConnect, &QPushButton::clicked, this, &TConnectPage::btnConnectClick);
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

void TConnectPage::btnConnectClick() { ConnectDevice(*this, *apConfig); }

void TConnectPage::ProcessMessages() { QCoreApplication::processEvents(); }

void TConnectPage::FillComPortCombo() {
  cmbComPort->clear();
  for (int i = 0; i < comPortCount; ++i) cmbComPort->addItem(ComPortItemText(comPorts[i]));
  cmbComPort->setCurrentIndex(ComPortIndex(apConfig->Port));
}

void TConnectPage::SetStatusText(int panel, const QString& text) { frame_.SetStatusText(panel, text); }

void TConnectPage::OfferDeviceManager() {
  if (GroupBoxSerialPort->minimumHeight() >= kSerialGroupTall) return;
  const bool shift = UiServices::Get().ShiftHeld();
  btnDevMan->setVisible(shift);
  if (shift) GroupBoxSerialPort->setMinimumHeight(kSerialGroupTall);
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
    s->setRange(0, 32767);
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
  ShapeOuter->setFixedSize(240, 16);
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

void TLoggerPage::btnGetLogConfigClick() { RunSettingsRead(frame_.FrameWindow(), wtGetLoggerConfig); }

// Filled in with the device pages' own work.
void TLoggerPage::ShowLoggerConfig(const std::vector<std::string>&) {}

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
  for (QComboBox* c : {cmbHomeTimeZone, cmbLocalTimeZone}) {
    c->clear();
    c->addItems(zones);
    c->setCurrentIndex(-1);
  }
}

void TDeviceSetPage::FillTurnDistances() {
  csTurnDist->clear();
  csTurnDist->addItems({QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                        QStringLiteral("30"), QStringLiteral("50")});
  csTurnDist->setCurrentIndex(-1);
}

void TDeviceSetPage::btnGetTrevikConfigClick() {
  RunSettingsRead(frame_.FrameWindow(), wtGetDeviceConfig);
}

// Filled in with the device pages' own work.
void TDeviceSetPage::ShowDeviceConfig(const std::vector<std::string>&) {}

// ============================================================================
// transfers

TDeviceTransfers::TDeviceTransfers(TMainFrame& frame, QObject* parent) : QObject(parent), frame_(frame) {}

// Filled in with the device pages' own work.
void TDeviceTransfers::AttachButtons() {}
void TDeviceTransfers::InitConfigPages() {}

void RunSettingsRead(QWidget* owner, int task) {
  TFormWorkTask* window = nullptr;
  try {
    window = new TFormWorkTask(owner, task, QString(), apConfig->Port);
    FormWorkTask = window;
    window->ShowModal();
  } catch (...) {
  }
  delete window;
  FormWorkTask = nullptr;
}
