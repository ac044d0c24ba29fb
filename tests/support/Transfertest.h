#pragma once
// Shared bits of the transfer tests: a Qt application for posted messages, a
// window stand-in that records them, short time-outs and test data.
#include "Windowmessage.h"
#include "Xmodem.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>
#include <string>
#include <vector>

namespace transfertest {

inline void EnsureApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
}

struct Message {
  unsigned msg;
  uintptr_t wParam;
  intptr_t lParam;
};

// Stands in for the progress window: keeps every posted message.
class Recorder : public QObject {
 public:
  std::vector<Message> messages;

  bool event(QEvent* e) override {
    if (e->type() != WindowMessageEvent::EventType()) return QObject::event(e);
    auto* m = static_cast<WindowMessageEvent*>(e);
    messages.push_back({m->Msg, m->WParam, m->LParam});
    return true;
  }
  void Collect() { QCoreApplication::sendPostedEvents(this); }
  std::vector<int> States() {
    Collect();
    std::vector<int> out;
    for (const auto& m : messages)
      if (m.msg == WM_TRANSFER_STATE) out.push_back(static_cast<int>(m.wParam));
    return out;
  }
  int Count(int state) {
    auto s = States();
    return static_cast<int>(std::count(s.begin(), s.end(), state));
  }
};

// Generous enough that a busy machine never trips them; tests of silence
// shorten the one they wait out.
inline XModemTiming FastTiming() {
  XModemTiming t;
  t.StartTimeout = 5000;
  t.AckTimeout = 2000;
  t.PacketStartTimeout = 1000;
  t.PacketRestTimeout = 1000;
  t.OpenPause = 0;
  t.RetryPause = 10;
  t.StartRetryPause = 40;
  return t;
}

// Bytes that include every control byte of the protocol.
inline std::string Pattern(size_t n, unsigned seed = 1) {
  std::string s(n, '\0');
  uint32_t x = seed * 2654435761u + 12345;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245u + 12345;
    s[i] = static_cast<char>((x >> 16) & 0xFF);
  }
  return s;
}

inline std::string PadTo(const std::string& data, size_t blocks, char pad) {
  std::string s = data;
  s.resize(blocks * 1024, pad);
  return s;
}

}  // namespace transfertest
