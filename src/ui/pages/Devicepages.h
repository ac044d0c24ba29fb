#pragma once
// The device's pages under the settings tab: the connection page (port,
// Scan, Connect), the logger settings page and the device settings page;
// and the transfers of destinations, waypoints, the route and the track log
// behind the list pages' device buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>
#include <string>
#include <vector>

#include "Controls.h"
#include "Portscan.h"

class TMainFrame;

class TConnectPage : public QWidget, public ConnectionPage {
  Q_OBJECT
 public:
  TConnectPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  void btnScanComportClick();
  void btnConnectClick();
  // The device-manager button appears when Shift is held on the first look
  // at the settings tab.
  void OfferDeviceManager();

  // What the Connect action uses of this page.
  void FillComPortCombo() override;
  void SetScanEnabled(bool enabled) override { btnScanComport->setEnabled(enabled); }
  void ProcessMessages() override;
  int SelectedPortIndex() const override { return cmbComPort->currentIndex(); }
  void SetAutoScan(bool checked) override { rdoAutoScan->setChecked(checked); }
  bool AutoScan() const override { return rdoAutoScan->isChecked(); }
  void SetStatusText(int panel, const QString& text) override;

  QGroupBox* GroupBoxSerialPort;
  QLabel* lblComport;
  QComboBox* cmbComPort;
  QRadioButton *rdoAutoScan, *rdoManualConfig;
  QPushButton *btnScanComport, *btnConnect;
  QCheckBox* chkAutoConnect;
  QPushButton* btnDevMan;

 private:
  TMainFrame& frame_;
};

class TLoggerPage : public QWidget {
  Q_OBJECT
 public:
  TLoggerPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  void ShowLoggerConfig(const std::vector<std::string>& reply);
  void btnGetLogConfigClick();

  TRadioGroup* rdgProfile;
  QGroupBox* GroupBoxRecord;
  QLabel *lblTime, *lblDistance, *lblSpeed, *lblSetZero;
  QSpinBox *edtConfigTime, *edtConfigDist, *edtConfigSpeed;
  QLabel *lblAltTime, *lblAltDist, *lblAltSpeed;
  QGroupBox* GroupBoxUsedSpace;
  QFrame *ShapeOuter, *ShapeInner;
  QLabel* lblPercentage;
  QPushButton *btnGetLogConfig, *btnSetLogConfig;

 private:
  TMainFrame& frame_;
};

class TDeviceSetPage : public QWidget {
  Q_OBJECT
 public:
  TDeviceSetPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // The fixed turn distances; a second call leaves the same five rows.
  void FillTurnDistances();
  void ShowDeviceConfig(const std::vector<std::string>& reply);
  void btnGetTrevikConfigClick();

  QGroupBox* GroupBoxPowerMgr;
  QLabel *lblBacklight, *lblSuspend;
  QComboBox *cmbConfigBacklight, *cmbConfigSuspend;
  QGroupBox* GroupBoxTimeZone;
  QLabel *lblHome, *lblLocal;
  QComboBox *cmbHomeTimeZone, *cmbLocalTimeZone;
  QGroupBox* GroupBoxTurnDist;
  QComboBox* csTurnDist;
  QGroupBox* GroupBoxUnit;
  QLabel* lblLength;
  QComboBox* cmbLengthUnit;
  QGroupBox* grpLanguage;
  QComboBox* cmbConfigLang;
  QPushButton *btnGetTrevikConfig, *btnSetTrevikConfig;

 private:
  TMainFrame& frame_;
};

// The transfers behind the device buttons of the list pages, and the choice
// tables the device pages start with.
class TDeviceTransfers : public QObject {
  Q_OBJECT
 public:
  explicit TDeviceTransfers(TMainFrame& frame, QObject* parent = nullptr);

  // Connects the device buttons of the list pages; called once the pages exist.
  void AttachButtons();
  void InitConfigPages();

 private:
  TMainFrame& frame_;
};

// Runs one of the device's two settings reads in the progress window, which
// hands the reply to the frame; every failure ends the read silently.
void RunSettingsRead(QWidget* owner, int task);
