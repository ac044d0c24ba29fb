#pragma once
// A blocking HTTP GET for the elevation queries and the version check. The
// request runs on a thread of its own while the caller's thread waits; on
// the application's thread the wait runs a local event loop that repaints
// but leaves user input queued, so no click or key is handled in between
// (timers and posted events do run). The wait is bounded by the time-out.
// Built on QtNetwork, which only this file and the windows use (library
// trevik_http).
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

struct HttpRequest {
  QString url;
  QList<QPair<QByteArray, QByteArray>> headers;   // sent as given
  QString proxyServer;  // the proxy is used only when this is not empty and proxyPort != 0
  int proxyPort = 0;
  int timeoutMs = 15000;
};

struct HttpReply {
  bool ok = false;      // false for: status >= 400, time-out, closed/refused connection, busy, bad URL
  int status = 0;       // HTTP status when one came, else 0
  QByteArray body;
  QString error;        // a short human-readable reason when !ok (e.g. "HTTP 404 Not Found", "timed out", "connection closed", "busy")
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // A blocking GET. Never re-entered: a call made while another waits is refused at once (ok=false, error "busy").
  virtual HttpReply Get(const HttpRequest& request) = 0;
  static HttpClient& Instance();          // the real client unless a test installed another
  static void Install(HttpClient* client); // not owned; nullptr goes back to the real one
  // True while a GET on the application's thread waits with the windows
  // painted: work that could change what the waiting handler holds (a map
  // page's report) waits until it is over.
  static bool Waiting();
};
