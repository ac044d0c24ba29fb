#pragma once
// The map page in the real web engine for tests: a local HTTP server that
// serves the maps stand-in of tests/web, a web folder with the companion
// files, and synchronous helpers to evaluate script and wait for reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>
#include <memory>

#include "Apconfig.h"
#include "Googlehtml.h"
#include "Testenv.h"

namespace mapweb {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "mapweb";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* a = new QApplication(argc, argv);
    a->setQuitOnLastWindowClosed(false);
    return a;
  }();
  return *app;
}

// Runs the event loop until done() holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Serves the files of tests/web over HTTP on 127.0.0.1 (on the given port,
// or a free one), or answers 404 to everything when told to.
class StubServer : public QObject {
 public:
  explicit StubServer(quint16 port = 0) {
    root_ = QString::fromStdString((testenv::sourceDir() / "tests" / "web").string());
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, port)) << server_.errorString().toStdString();
    QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { Serve(s); });
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }
  QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
  bool fail = false;
  // Requests that arrive while this is set get no answer (a network that
  // swallows packets); the page that asked never finishes loading.
  bool hold = false;
  int requests = 0;
  // The Content-Type of the files served; a plain static server names no charset.
  QByteArray contentType = "text/javascript; charset=utf-8";

 private:
  void Serve(QTcpSocket* s) {
    QByteArray& buf = pending_[s];
    buf += s->readAll();
    if (!buf.contains("\r\n\r\n")) return;
    const QList<QByteArray> words = buf.left(buf.indexOf("\r\n")).split(' ');
    pending_.remove(s);
    ++requests;
    if (hold) return;
    QByteArray path = words.size() > 1 ? words[1] : QByteArray("/");
    if (path.contains('?')) path = path.left(path.indexOf('?'));
    QFile f(root_ + QString::fromLatin1(path));
    QByteArray reply;
    if (!fail && !path.contains("..") && f.open(QIODevice::ReadOnly)) {
      const QByteArray body = f.readAll();
      reply = "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " +
              QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    } else {
      reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    s->write(reply);
    s->disconnectFromHost();
  }

  QTcpServer server_;
  QString root_;
  QHash<QTcpSocket*, QByteArray> pending_;
};

// A web folder with the companion files as the settings record installs them.
inline QString MakeWebDir(const std::string& name) {
  const QString dir = QString::fromStdString(testenv::scratchDir(name).string());
  const QString bin = QString::fromStdString(testenv::binDir().string());
  for (const QLatin1String& file :
       {kMapScriptFileName, kMapStyleFileName, kStartMarkerFileName, kEndMarkerFileName})
    QFile::copy(bin + QLatin1Char('/') + file, dir + QLatin1Char('/') + file);
  return dir;
}

// Evaluates a script in the page's main world and waits for its value.
inline QVariant Eval(QWebEnginePage* page, const QString& script) {
  struct Result {
    bool done = false;
    QVariant value;
  };
  auto result = std::make_shared<Result>();
  page->runJavaScript(script, [result](const QVariant& v) {
    result->value = v;
    result->done = true;
  });
  EXPECT_TRUE(WaitFor([&] { return result->done; })) << script.toStdString();
  return result->value;
}

inline QJsonObject StubState(QWebEnginePage* page) {
  return QJsonDocument::fromJson(Eval(page, QStringLiteral("JSON.stringify(mapStub.state())")).toString().toUtf8())
      .object();
}

}  // namespace mapweb
