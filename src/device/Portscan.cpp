#include "Portscan.h"

#include <algorithm>
#include <numeric>

#include "Apconfig.h"
#include "Nmea.h"
#include "Portmap.h"
#include "Serial.h"
#include "Stringtable.h"
#include "Textfmt.h"

int32_t comPorts[kMaxComPorts] = {};
int32_t comPortCount = 0;

namespace {

constexpr uint32_t kProbeTimeoutMs = 1300;
constexpr int32_t kReplyBufferSize = 1024;
constexpr int kNotConnectedString = 166;

bool CanOpen(Serial& serial, int32_t port, int32_t baudRate) {
  try {
    serial.Open(port, baudRate);
    serial.Close();
    return true;
  } catch (...) {
    serial.Close();
    return false;
  }
}

}  // namespace

bool AddComPort(int32_t port) {
  if (comPortCount >= kMaxComPorts) return false;
  comPorts[comPortCount++] = port;
  return true;
}

int CompareComPortNumbers(const std::vector<std::string>& list, int i, int j) {
  int a = textfmt::StrToInt(list.at(static_cast<size_t>(i)));
  int b = textfmt::StrToInt(list.at(static_cast<size_t>(j)));
  return a > b ? 1 : (a < b ? -1 : 0);
}

void ScanComPorts(int32_t baudRate, bool comDetect) {
  comPortCount = 0;
  Serial serial;
  if (comDetect) {
    for (int32_t n = 1; n <= kMaxComPorts; ++n) {
      if (CanOpen(serial, n, baudRate)) AddComPort(n);
    }
    return;
  }
  // The port map's names ("COM3"): the number is what follows "COM".
  std::vector<std::string> numbers;
  for (const std::string& name : portmap::RegisteredPorts()) {
    int n = 0;
    if (name.size() > 3 && textfmt::TryStrToInt(std::string_view(name).substr(3), n))
      numbers.push_back(name.substr(3));
  }
  std::vector<int> order(numbers.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int i, int j) { return CompareComPortNumbers(numbers, i, j) < 0; });
  for (int i : order) {
    int32_t n = 0;
    if (!textfmt::TryStrToInt(numbers[static_cast<size_t>(i)], n)) continue;
    if (comPortCount < kMaxComPorts && CanOpen(serial, n, baudRate)) AddComPort(n);
  }
}

void ScanComPorts() {
  if (apConfig)
    ScanComPorts(apConfig->BaudRate, apConfig->ComDetect);
  else
    ScanComPorts(9600, false);
}

bool ProbeDevice(int32_t port, int32_t baudRate) {
  try {
    Serial serial;
    serial.Open(port, baudRate);
    std::vector<char> buffer(kReplyBufferSize, 0);
    Nmea channel(&serial, buffer.data(), kReplyBufferSize);
    return channel.SendCommand("POEM06", "POEM101", kProbeTimeoutMs);
  } catch (...) {
    return false;
  }
}

QString ComPortItemText(int32_t port) { return QStringLiteral("COM %1").arg(port); }

int ComPortIndex(int32_t port) {
  for (int i = 0; i < comPortCount; ++i) {
    if (comPorts[i] == port) return i;
  }
  return -1;
}

bool ConnectDevice(ConnectionPage& page, ApConfig& config, const ProbeFunction& probe) {
  page.SetScanEnabled(false);
  page.ProcessMessages();

  const int32_t baud = config.BaudRate;
  const int selected = page.SelectedPortIndex();
  const bool haveSelection = selected >= 0 && selected < comPortCount;
  bool firstProbe = false;
  if (haveSelection) firstProbe = probe(comPorts[selected], baud);
  page.SetAutoScan(!haveSelection || (!firstProbe && config.AutoConnect));

  std::vector<int32_t> candidates;
  if (page.AutoScan()) {
    ScanComPorts(baud, config.ComDetect);
    page.FillComPortCombo();
    candidates.assign(comPorts, comPorts + comPortCount);
  } else {
    candidates.push_back(comPorts[selected]);
  }

  page.SetStatusText(0, QString());
  const QString notConnected = strTable ? strTable->GetString(kNotConnectedString) : QStringLiteral("0");
  page.SetStatusText(0, notConnected);
  bool found = false;
  for (int32_t port : candidates) {
    page.SetStatusText(1, QStringLiteral("Connect COM %1 ...").arg(port));
    page.ProcessMessages();
    if (probe(port, baud)) {
      page.SetStatusText(0, QStringLiteral("COM %1").arg(port));
      config.Port = port;
      // The port list shows where the device was found.
      page.FillComPortCombo();
      found = true;
      break;
    }
  }
  page.SetStatusText(1, QString());
  if (config.AutoConnect) page.SetScanEnabled(true);
  return found;
}
