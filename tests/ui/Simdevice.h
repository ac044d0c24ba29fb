#pragma once
// The navigator for a window test: the device simulator on a pseudo-terminal
// linked as a COM port, transfers with short time-outs, and the transfer
// files in a TMP folder of the test's own.
#include <QByteArray>
#include <QDir>
#include <QString>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <numbers>
#include <string>

#include "pages/Devicepages.h"
#include "Frmworktask.h"
#include "Gpslogwriter.h"
#include "Portsandbox.h"
#include "Simulator.h"
#include "Simxmodem.h"
#include "Transfertest.h"

namespace uitest {

// Whole-metre earth-centred position of a WGS-84 latitude and longitude.
inline void Ecef(double latDeg, double lonDeg, int32_t& x, int32_t& y, int32_t& z) {
  const double a = 6378137.0, f = 1 / 298.257223563, e2 = f * (2 - f);
  const double lat = latDeg * std::numbers::pi / 180, lon = lonDeg * std::numbers::pi / 180;
  const double n = a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
  x = int32_t(std::lround(n * std::cos(lat) * std::cos(lon)));
  y = int32_t(std::lround(n * std::cos(lat) * std::sin(lon)));
  z = int32_t(std::lround(n * (1 - e2) * std::sin(lat)));
}

// A logger log of segments of the given fix counts, 10 m apart, one a second.
inline std::string TrackLog(std::initializer_list<int> counts) {
  testenv::GpsLogWriter w;
  int32_t x, y, z;
  Ecef(48.1, 11.5, x, y, z);
  for (int c : counts)
    for (int i = 0; i < c; ++i) {
      const uint16_t status = i == 0 ? testenv::GpsLogWriter::segment(1) : 0;
      if (i % 3 == 0)
        w.full(10000000, x, y, z, status);
      else
        w.smallDelta(1, 10, 0, 0, status);
      x += 10;
    }
  return w.bytes();
}

// Gives the simulator a new file phase that misbehaves as asked, with short
// time-outs; the phase counts the transfers.
inline std::shared_ptr<devsim::SimXmodem> SetFilePhase(devsim::Simulator& sim,
                                                       const devsim::XmodemFaults& faults = devsim::XmodemFaults()) {
  auto device = std::make_shared<devsim::SimXmodem>(faults);
  device->PacketTimeout = 1000;
  device->ReplyTimeout = 1000;
  device->MaxRetries = 3;
  sim.setFilePhase(device);
  return device;
}

// A hung-up line comes back as a new one under the same port.
inline devsim::Options Relinking() {
  devsim::Options o;
  o.relinkAfterHangUp = true;
  return o;
}

class SimDevice {
 public:
  // Starts the simulator as COM `port`, with `state`; transfer files go to `tmp`.
  SimDevice(const std::string& name, int port, const QString& tmp, const devsim::DeviceState& state = {})
      : ports(name), tmp_(tmp), oldTmp_(qgetenv("TMP")) {
    QDir().mkpath(tmp);
    qputenv("TMP", tmp.toLocal8Bit());
    deviceTransferTiming = transfertest::FastTiming();
    sim.setState(state);
    SetDevice();
    sim.linkAs(ports.dir(), port);
    sim.start();
  }
  ~SimDevice() {
    sim.stop();
    deviceTransferTiming = XModemTiming();
    qputenv("TMP", oldTmp_);
  }
  SimDevice(const SimDevice&) = delete;
  SimDevice& operator=(const SimDevice&) = delete;

  // A new file phase, misbehaving as asked.
  void SetDevice(const devsim::XmodemFaults& faults = devsim::XmodemFaults()) { device = SetFilePhase(sim, faults); }
  // What the device holds as that file from now on.
  void SetFile(devsim::DeviceFile file, const std::string& bytes) {
    devsim::DeviceState st = sim.state();
    st.file(file) = bytes;
    sim.setState(st);
  }

  testenv::PortSandbox ports;
  devsim::Simulator sim{devsim::DeviceState(), Relinking()};
  std::shared_ptr<devsim::SimXmodem> device;

 private:
  QString tmp_;
  QByteArray oldTmp_;
};

}  // namespace uitest
