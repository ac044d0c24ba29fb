#include "Windowmessage.h"

#include <QCoreApplication>

WindowMessageEvent::WindowMessageEvent(unsigned msg, uintptr_t wParam, intptr_t lParam)
    : QEvent(EventType()), Msg(msg), WParam(wParam), LParam(lParam) {}

QEvent::Type WindowMessageEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

bool PostWindowMessage(WindowHandle window, unsigned msg, uintptr_t wParam, intptr_t lParam) {
  if (!window) return false;
  QCoreApplication::postEvent(window, new WindowMessageEvent(msg, wParam, lParam));
  return true;
}
