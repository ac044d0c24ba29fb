#include "Httpclient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <thread>

namespace {

int waiting = 0;  // GETs waiting on the application thread

HttpReply Failure(const QString& error) {
  HttpReply reply;
  reply.error = error;
  return reply;
}

QString NetworkErrorText(QNetworkReply::NetworkError error, const QString& qtText) {
  switch (error) {
    case QNetworkReply::RemoteHostClosedError: return QCoreApplication::translate("HttpClient", "connection closed");
    case QNetworkReply::ConnectionRefusedError: return QCoreApplication::translate("HttpClient", "connection refused");
    case QNetworkReply::HostNotFoundError: return QCoreApplication::translate("HttpClient", "host not found");
    case QNetworkReply::ProxyConnectionClosedError: return QCoreApplication::translate("HttpClient", "proxy closed the connection");
    case QNetworkReply::ProxyConnectionRefusedError: return QCoreApplication::translate("HttpClient", "proxy refused the connection");
    case QNetworkReply::ProxyNotFoundError: return QCoreApplication::translate("HttpClient", "proxy not found");
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
    result.error = QCoreApplication::translate("HttpClient", "timed out");
  } else if (result.status >= 400) {
    const QString reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    result.error = reason.isEmpty()
                       ? QCoreApplication::translate("HttpClient", "HTTP %1").arg(result.status)
                       //: %1 the HTTP status number, %2 the server's reason phrase
                       : QCoreApplication::translate("HttpClient", "HTTP %1 %2").arg(result.status).arg(reason);
  } else if (error != QNetworkReply::NoError) {
    result.error = NetworkErrorText(error, reply->errorString());
  } else if (result.status == 0) {
    result.error = QCoreApplication::translate("HttpClient", "no HTTP reply");
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
    if (!busy_.compare_exchange_strong(expected, true)) return Failure(QCoreApplication::translate("HttpClient", "busy"));
    HttpReply reply = GetOnce(request);
    busy_ = false;
    return reply;
  }

 private:
  static HttpReply GetOnce(const HttpRequest& request) {
    const QUrl url(request.url, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
      return Failure(QCoreApplication::translate("HttpClient", "bad URL"));
    if (!request.proxyServer.isEmpty() && request.proxyPort != 0 &&
        (request.proxyPort < 0 || request.proxyPort > 65535))
      return Failure(QCoreApplication::translate("HttpClient", "bad proxy port"));
    const int timeoutMs = request.timeoutMs > 0 ? request.timeoutMs : 1;
    HttpReply reply;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
      std::thread worker([&] { reply = Fetch(request, url, timeoutMs); });
      worker.join();
      return reply;
    }
    // On the application's thread the wait keeps the windows painted; user
    // input (and a close of a window) stays queued until the answer is in.
    std::atomic<bool> done{false};
    std::thread worker([&] {
      reply = Fetch(request, url, timeoutMs);
      done = true;
      QMetaObject::invokeMethod(app, [] {}, Qt::QueuedConnection);  // wakes the wait
    });
    ++waiting;
    // Not a nested event loop: the application's quit does not end it early.
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    --waiting;
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

bool HttpClient::Waiting() { return waiting > 0; }
