#pragma once
// Posted window messages: a message number with two parameters, queued from
// any thread and handled later on the receiver's own thread by its event loop.
// Messages to one receiver arrive in the order they were posted; messages
// still queued when the receiver is destroyed are dropped with it.
#include <QEvent>
#include <QObject>

#include <cstdint>

using WindowHandle = QObject*;

constexpr unsigned WM_USER = 1024;

class WindowMessageEvent : public QEvent {
 public:
  WindowMessageEvent(unsigned msg, uintptr_t wParam, intptr_t lParam);
  static QEvent::Type EventType();

  unsigned Msg;
  uintptr_t WParam;
  intptr_t LParam;
};

// False when there is no receiver.
bool PostWindowMessage(WindowHandle window, unsigned msg, uintptr_t wParam, intptr_t lParam);
