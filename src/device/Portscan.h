#pragma once
// Finding the device: the table of COM ports that can be opened, the probe
// that asks a port for the logger settings, and the connection page's Connect
// action (its controls reached through ConnectionPage, so the action runs
// the same in the main window and in tests).
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ApConfig;

constexpr int kMaxComPorts = 50;

// The usable COM port numbers in the order found, and their count; rebuilt
// by every scan. Item i of the connection page's port list is comPorts[i].
extern int32_t comPorts[kMaxComPorts];
extern int32_t comPortCount;

// Appends a port to the table unless it is full; false when it is.
bool AddComPort(int32_t port);

// Numeric order of two entries of a list of port-number texts: -1, 0 or 1.
int CompareComPortNumbers(const std::vector<std::string>& list, int i, int j);

// Rebuilds the table: every port of the port map in number order (COM2
// before COM10), or with comDetect COM1 to COM50, that opens at the baud
// rate; at most kMaxComPorts. A port held by another program is left out.
void ScanComPorts(int32_t baudRate, bool comDetect);
// The same with BaudRate and ComDetect of apConfig.
void ScanComPorts();

// true when the device answers "POEM06" with "POEM101..." on that port
// within the probe's wait. Never throws.
bool ProbeDevice(int32_t port, int32_t baudRate);

// "COM 3": the port list's item text.
QString ComPortItemText(int32_t port);
// The index of the port in the table, -1 when it is not there.
int ComPortIndex(int32_t port);

// What the Connect action uses of the connection page and the status bar.
class ConnectionPage {
 public:
  virtual ~ConnectionPage() = default;
  virtual void SetScanEnabled(bool enabled) = 0;
  // Lets the framework paint what changed.
  virtual void ProcessMessages() = 0;
  // The selected item of the port list, -1 when none.
  virtual int SelectedPortIndex() const = 0;
  // The hidden "Auto Scan" radio button.
  virtual void SetAutoScan(bool checked) = 0;
  virtual bool AutoScan() const = 0;
  // Refills the port list from the table and selects the configured port.
  virtual void FillComPortCombo() = 0;
  virtual void SetStatusText(int panel, const QString& text) = 0;
};

using ProbeFunction = std::function<bool(int32_t port, int32_t baudRate)>;

// The Connect button: probes the chosen port, scans and probes every port
// when needed, and makes the port that answers the configured port. Returns
// whether a device answered.
bool ConnectDevice(ConnectionPage& page, ApConfig& config, const ProbeFunction& probe = ProbeDevice);
