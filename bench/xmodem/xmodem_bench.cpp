// Downloads and uploads 1 MiB with XMODEM-1K through the real serial code,
// against the simulated device pacing its side of the line at 115200 baud
// 8N1, and prints the bytes per second and their ratio to the line rate.
// Zero turnaround would give 1024 / 1030 of it (1029-byte packet + ACK).
#include "Apexception.h"
#include "Nmea.h"
#include "Portmap.h"
#include "Serial.h"
#include "Simulator.h"
#include "Simxmodem.h"
#include "Textfmt.h"
#include "Xmodem.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kPort = 1;
constexpr size_t kSize = 1024 * 1024;
constexpr double kLineRate = 11520.0;  // bytes per second at 115200 baud 8N1
constexpr double kUsPerByte = 1e6 / kLineRate;

bool Command(Serial& port, const char* command) {
  char buffer[1024] = {};
  port.Reopen(9600);
  Nmea channel(&port, buffer, sizeof buffer);
  return channel.SendCommand(command, "POEM200,12", 1500);
}

void Report(const char* name, double seconds) {
  const double rate = static_cast<double>(kSize) / seconds;
  std::printf("%s: %s B/s, ratio %s\n", name, textfmt::FormatFixed(rate, 0).c_str(),
              textfmt::FormatFixed(rate / kLineRate, 3).c_str());
  std::fflush(stdout);
}

}  // namespace

int main() {
  try {
    char tmpl[] = "/tmp/xmodem-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) return 1;
    const fs::path dir = tmpl;
    portmap::Configure({dir, false});

    std::string data(kSize, '\0');
    for (size_t i = 0; i < kSize; ++i) data[i] = static_cast<char>((i * 131 + (i >> 10)) & 0xFF);
    devsim::DeviceState state;
    state.file(devsim::DeviceFile::TrackLog) = data;
    devsim::Simulator sim(state);
    sim.setFilePhase(std::make_shared<devsim::SimXmodem>(devsim::XmodemFaults(), kUsPerByte));
    sim.linkAs(dir, kPort);
    sim.start();

    Serial port;
    port.Open(kPort, 9600);
    using Clock = std::chrono::steady_clock;

    if (!Command(port, "POEM12,14")) throw std::runtime_error("no reply to the download");
    port.Reopen(115200);
    const fs::path down = dir / "down.bin";
    auto t0 = Clock::now();
    {
      XModem x(&port, nullptr);
      x.ReceiveFile(down.string());
    }
    const double downSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
    if (fs::file_size(down) != kSize) throw std::runtime_error("download incomplete");

    const fs::path up = dir / "up.bin";
    {
      std::ofstream out(up, std::ios::binary);
      out.write(data.data(), static_cast<std::streamsize>(data.size()));
    }
    if (!Command(port, "POEM12,11")) throw std::runtime_error("no reply to the upload");
    port.Reopen(115200);
    t0 = Clock::now();
    {
      XModem x(&port, nullptr);
      x.SendFile(up.string());
    }
    const double upSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
    port.Close();
    sim.stop();
    if (sim.state().file(devsim::DeviceFile::Route).compare(0, kSize, data) != 0)
      throw std::runtime_error("upload corrupted");
    fs::remove_all(dir);

    Report("xmodem-1k download 1 MiB", downSeconds);
    Report("xmodem-1k upload 1 MiB", upSeconds);
  } catch (const ProtException& e) {
    std::fprintf(stderr, "xmodem_bench: protocol error %d\n", static_cast<int>(e.Code));
    return 1;
  } catch (const SerialException& e) {
    std::fprintf(stderr, "xmodem_bench: serial error %d\n", static_cast<int>(e.Code));
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xmodem_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
