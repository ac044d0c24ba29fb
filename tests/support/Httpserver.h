#pragma once
// tests/support/httpserver.py started for one test: a local HTTP server that
// serves canned routes (see the script for the route fields), listens on a
// free port of 127.0.0.1 and records every request it receives.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <filesystem>
#include <vector>

class QProcess;

namespace testenv {

struct LoggedRequest {
  QString line;  // "GET /path?query HTTP/1.1", or the absolute URL when proxied
  QList<QPair<QByteArray, QByteArray>> headers;
  QByteArray Header(const QByteArray& name) const;  // case-insensitive; empty when absent
};

class LocalHttpServer {
 public:
  // routesJson: the JSON list of routes, e.g. R"([{"path": "/a", "body": "x"}])".
  // On failure Port() is 0 and the test has a failure recorded.
  explicit LocalHttpServer(const QString& routesJson);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by pathAndQuery.
  QString Url(const QString& pathAndQuery) const;
  // The requests received so far, oldest first.
  std::vector<LoggedRequest> Requests() const;
  // Waits until at least count requests have arrived; false after timeoutMs.
  bool WaitForRequests(size_t count, int timeoutMs) const;

 private:
  QProcess* process_ = nullptr;
  std::filesystem::path log_;
  int port_ = 0;
};

}  // namespace testenv
