#pragma once
// The hourglass for the lifetime of the guard; nested guards stack, and every
// way out of a handler that waits restores the cursor.
#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
