#pragma once
// A request to a web service under the busy cursor, with status panel 1
// saying what the program waits for. The HTTP client keeps the windows
// painted meanwhile; panel 1 gets its earlier text back.
#include <QString>

#include "Busycursor.h"
#include "Httpclient.h"
#include "Mainframe.h"

inline HttpReply WaitForService(TMainFrame& frame, const QString& waitingFor, const HttpRequest& request) {
  const QString before = frame.StatusText(1);
  frame.SetStatusText(1, waitingFor);
  HttpReply reply;
  {
    BusyCursor busy;
    reply = HttpClient::Instance().Get(request);
  }
  // A text written meanwhile stays.
  if (frame.StatusText(1) == waitingFor) frame.SetStatusText(1, before);
  return reply;
}
