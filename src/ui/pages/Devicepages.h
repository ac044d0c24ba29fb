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
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Configreply.h"
#include "Controls.h"
#include "Portscan.h"
#include "Xmodem.h"

class TMainFrame;

// One row of a device choice list: what the device stores, what the list
// shows. The list position is the row.
struct ConfigChoice {
  int32_t Value;
  const char* Text;  // UTF-8, fixed (not from the language file)
};
extern const std::array<ConfigChoice, 5> backlightChoices;
extern const std::array<ConfigChoice, 6> deviceLanguageChoices;
extern const std::array<ConfigChoice, 4> suspendChoices;
extern const std::array<ConfigChoice, 2> lengthUnitChoices;
// Hour offsets of the two time-zone lists, position i = zone i - 12.
extern const std::array<int32_t, 25> timeZoneValues;

struct LoggerProfile {
  int32_t Time;      // seconds
  int32_t Distance;  // metres
  int32_t Speed;     // metres per second
};
extern const std::array<LoggerProfile, 3> loggerProfiles;

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
  void chkAutoConnectClick(bool checked);
  void btnDevManClick();

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
  // Shows a "POEM101" reply of nine fields; any other reply, or one whose
  // numbers do not convert or do not fit the spin boxes, changes nothing.
  bool ShowLoggerConfig(const std::vector<std::string>& reply);
  void btnGetLogConfigClick();
  void btnSetLogConfigClick();
  void rdgProfileClick(int index);
  // Resets the page to 0, 0, 0 and "?" with an empty bar.
  void Reset();
  // The text the Set button sends now.
  std::string ParamText() const;
  // The minutes, kilometres and km/h beside the spin boxes.
  void UpdateAltUnits();

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
  // Fills the fixed choice lists, nothing selected.
  void FillChoices();
  // Shows a "POEM103" reply of eight fields; any other count changes nothing.
  bool ShowDeviceConfig(const std::vector<std::string>& reply);
  void btnGetTrevikConfigClick();
  void btnSetTrevikConfigClick();
  // The text the Set button sends now: per field the selected row, else the
  // value last read from the device. Empty while a field has neither; missing
  // (when given) then gets the captions of those fields.
  std::string ParamText(QStringList* missing = nullptr) const;

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
  // The last settings the device reported, as its own types hold them.
  std::optional<DeviceConfig> DeviceRead;
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

  void bgDestDevice_UploadClick();
  void bgDestDevice_DownloadClick();
  void bgWptDevice_UploadClick();
  void bgWptDevice_DownloadClick();
  void bgRouteDevice_UploadClick();
  void bgRouteDevice_DownloadClick();
  void bgTrackDevice_DownloadClick();

 private:
  struct Upload;
  struct Download;
  void RunUpload(const Upload& u);
  void RunDownload(const Download& d);

  TMainFrame& frame_;
};

// The file transfers' time-outs (tests shorten them).
extern XModemTiming deviceTransferTiming;

// Runs one device task in the progress window, owned by the main window, and
// deletes the window (the worker has ended then). The window's modal result
// (mrAbort when the user broke the task off); mrCancel also when the port
// cannot be opened. Unless mrOk, reason (when given) gets the line that tells
// the user why.
int RunDeviceTask(QWidget* owner, int task, const QString& fileName, QString* reason = nullptr);
int RunDeviceTask(QWidget* owner, int task, const std::string& paramText, QString* reason = nullptr);

