// trevik-devsim: plays the navigation device on a pseudo-terminal so that the
// program can be tried without one.
//
//   TREVIK_PORTS_DIR=/tmp/ports trevik-devsim --com 3 [--state DIR] [-v]
//
// links /tmp/ports/COM3 to a new pseudo-terminal and answers there until it
// is stopped (Ctrl+C). Misbehaviour for the replies: --silent, --garbage
// TEXT, --wrong TEXT, --delay MS, --hangup N, --times N (TEXT takes \r \n \0
// \xHH \\ escapes); for the file transfers --slow-final-ack MS; a big track
// log for long downloads: --log-size MB.
#include "Portmap.h"
#include "Simulator.h"
#include "Simxmodem.h"
#include "Textfmt.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t quit = 0;
int quitPipe[2] = {-1, -1};

void OnSignal(int) {
  quit = 1;
  char c = 0;
  [[maybe_unused]] ssize_t n = ::write(quitPipe[1], &c, 1);
}

int Usage(const char* why) {
  if (why) std::fprintf(stderr, "trevik-devsim: %s\n", why);
  std::fprintf(stderr,
               "usage: trevik-devsim [--ports DIR] [--com N] [--device PATH] [--state DIR]\n"
               "                     [--silent] [--garbage TEXT] [--wrong TEXT] [--delay MS]\n"
               "                     [--hangup N] [--times N] [--slow-final-ack MS]\n"
               "                     [--log-size MB] [-v]\n"
               "  --ports DIR   folder of COMn links (default $TREVIK_PORTS_DIR)\n"
               "  --com N       link the pseudo-terminal there as COMn (default 1)\n"
               "  --device PATH talk on this node instead of a new pseudo-terminal\n"
               "  --state DIR   load device.txt and the device files from DIR; uploads are\n"
               "                saved there\n"
               "  --slow-final-ack MS  sending a file, read the answer to the EOT this late\n"
               "  --log-size MB make the track log this big: the log loaded, repeated, then\n"
               "                empty log blocks\n"
               "  -v            print every sentence\n");
  return 2;
}

bool Unescape(const std::string& in, std::string& out) {
  out.clear();
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\\') {
      out += in[i];
      continue;
    }
    if (++i >= in.size()) return false;
    switch (in[i]) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case '0': out += '\0'; break;
      case '\\': out += '\\'; break;
      case 'x': {
        int v = 0;
        if (i + 2 >= in.size() || !textfmt::TryStrToInt("$" + in.substr(i + 1, 2), v)) return false;
        out += static_cast<char>(v);
        i += 2;
        break;
      }
      default: return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string portsDir;
  if (const char* env = std::getenv(portmap::kOverrideEnv)) portsDir = env;
  int com = 1;
  devsim::Options options;
  devsim::Misbehaviour m;
  bool misbehave = false;
  bool verbose = false;
  devsim::XmodemFaults faults;
  int logSizeMb = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    auto number = [&](int& out) {
      std::string t;
      return value(t) && textfmt::TryStrToInt(t, out);
    };
    std::string t;
    if (a == "--ports") {
      if (!value(portsDir)) return Usage("--ports needs a folder");
    } else if (a == "--com") {
      if (!number(com) || com < 1 || com > 99) return Usage("--com needs 1..99");
    } else if (a == "--device") {
      if (!value(options.devicePath)) return Usage("--device needs a path");
    } else if (a == "--state") {
      if (!value(t)) return Usage("--state needs a folder");
      options.stateDir = t;
    } else if (a == "--silent") {
      m.silent = misbehave = true;
    } else if (a == "--garbage") {
      if (!value(t) || !Unescape(t, m.garbage)) return Usage("bad --garbage text");
      misbehave = true;
    } else if (a == "--wrong") {
      if (!value(t) || !Unescape(t, m.wrongReply)) return Usage("bad --wrong text");
      misbehave = true;
    } else if (a == "--delay") {
      if (!number(m.delayMs) || m.delayMs < 0) return Usage("--delay needs milliseconds");
      misbehave = true;
    } else if (a == "--hangup") {
      if (!number(m.hangUpAfter) || m.hangUpAfter < 0) return Usage("--hangup needs a byte count");
      misbehave = true;
    } else if (a == "--times") {
      if (!number(m.count) || m.count < 0) return Usage("--times needs a count");
    } else if (a == "--slow-final-ack") {
      if (!number(faults.SlowFinalAckMs) || faults.SlowFinalAckMs < 0)
        return Usage("--slow-final-ack needs milliseconds");
    } else if (a == "--log-size") {
      if (!number(logSizeMb) || logSizeMb < 0 || logSizeMb > 1024) return Usage("--log-size needs 0..1024 MB");
    } else if (a == "-v" || a == "--verbose") {
      verbose = true;
    } else if (a == "-h" || a == "--help") {
      return Usage(nullptr);
    } else {
      return Usage(("unknown argument " + a).c_str());
    }
  }
  if (options.devicePath.empty() && portsDir.empty())
    return Usage("give --ports DIR or set TREVIK_PORTS_DIR");

  try {
    devsim::DeviceState state;
    if (!options.stateDir.empty()) state = devsim::DeviceState::Load(options.stateDir);
    if (logSizeMb > 0) state.GrowTrackLog(static_cast<size_t>(logSizeMb) << 20);
    options.relinkAfterHangUp = true;
    devsim::Simulator sim(state, options);
    sim.setVerbose(verbose);
    sim.setFilePhase(std::make_shared<devsim::SimXmodem>(faults));
    if (misbehave) sim.misbehave(m);
    std::string where = options.devicePath;
    if (options.devicePath.empty()) where = sim.linkAs(portsDir, com).string() + " -> " + sim.devicePath();

    if (::pipe(quitPipe) != 0) return 1;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    sim.start();
    if (options.devicePath.empty())
      std::printf("ready COM%d %s\n", com, where.c_str());
    else
      std::printf("ready %s\n", where.c_str());
    std::fflush(stdout);
    while (!quit) {
      pollfd p{quitPipe[0], POLLIN, 0};
      ::poll(&p, 1, -1);
    }
    sim.stop();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "trevik-devsim: %s\n", e.what());
    return 1;
  }
  return 0;
}
