#include "Httpclient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <thread>

namespace {

HttpReply Failure(const QString& error) {
  HttpReply reply;
  reply.error = error;
  return reply;
}

QString NetworkErrorText(QNetworkReply::NetworkError error, const QString& qtText) {
  switch (error) {
    case QNetworkReply::RemoteHostClosedError: return QStringLiteral("connection closed");
    case QNetworkReply::ConnectionRefusedError: return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError: return QStringLiteral("host not found");
    case QNetworkReply::ProxyConnectionClosedError: return QStringLiteral("proxy closed the connection");
    case QNetworkReply::ProxyConnectionRefusedError: return QStringLiteral("proxy refused the connection");
    case QNetworkReply::ProxyNotFoundError: return QStringLiteral("proxy not found");
    default: return qtText;
  }
}

// Runs on a thread of its own: the manager, its reply and the loop live and
// die there. The timer bounds the whole exchange, not just a silent stretch,
// so a server that trickles bytes cannot hold the caller.
HttpReply Fetch(const HttpRequest& request, const QUrl& url, int timeoutMs) {
  QNetworkAccessManager manager;
  if (!request.proxyServer.isEmpty() && request.proxyPort != 0) {
    manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, request.proxyServer,
                                   static_cast<quint16>(request.proxyPort)));
  } else {
    // Only the program's own setting chooses a proxy.
    manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
  }
  QNetworkRequest netRequest(url);
  for (const auto& [name, value] : request.headers) netRequest.setRawHeader(name, value);

  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  bool timedOut = false;
  QNetworkReply* reply = manager.get(netRequest);
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    reply->abort();
    loop.quit();
  });
  timer.start(timeoutMs);
  if (!reply->isFinished()) loop.exec();
  timer.stop();

  HttpReply result;
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  result.status = status.isValid() ? status.toInt() : 0;
  if (reply->isOpen()) result.body = reply->readAll();  // an aborted reply is closed
  const QNetworkReply::NetworkError error = reply->error();
  if (timedOut) {
    result.error = QStringLiteral("timed out");
  } else if (result.status >= 400) {
    const QString reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    result.error = reason.isEmpty() ? QStringLiteral("HTTP %1").arg(result.status)
                                    : QStringLiteral("HTTP %1 %2").arg(result.status).arg(reason);
  } else if (error != QNetworkReply::NoError) {
    result.error = NetworkErrorText(error, reply->errorString());
  } else if (result.status == 0) {
    result.error = QStringLiteral("no HTTP reply");
  } else {
    result.ok = true;
  }
  delete reply;
  return result;
}

class QtHttpClient final : public HttpClient {
 public:
  HttpReply Get(const HttpRequest& request) override {
    bool expected = false;
    if (!busy_.compare_exchange_strong(expected, true)) return Failure(QStringLiteral("busy"));
    HttpReply reply = GetOnce(request);
    busy_ = false;
    return reply;
  }

 private:
  static HttpReply GetOnce(const HttpRequest& request) {
    const QUrl url(request.url, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
      return Failure(QStringLiteral("bad URL"));
    if (!request.proxyServer.isEmpty() && request.proxyPort != 0 &&
        (request.proxyPort < 0 || request.proxyPort > 65535))
      return Failure(QStringLiteral("bad proxy port"));
    const int timeoutMs = request.timeoutMs > 0 ? request.timeoutMs : 1;
    // The caller's thread only waits: nothing of its own can run meanwhile.
    HttpReply reply;
    std::thread worker([&] { reply = Fetch(request, url, timeoutMs); });
    worker.join();
    return reply;
  }

  std::atomic<bool> busy_{false};
};

std::atomic<HttpClient*> installed{nullptr};

}  // namespace

HttpClient& HttpClient::Instance() {
  if (HttpClient* client = installed.load()) return *client;
  static QtHttpClient real;
  return real;
}

void HttpClient::Install(HttpClient* client) { installed.store(client); }
