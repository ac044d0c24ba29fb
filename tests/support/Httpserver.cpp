#include "Httpserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "Testenv.h"

namespace testenv {

QByteArray LoggedRequest::Header(const QByteArray& name) const {
  for (const auto& [key, value] : headers)
    if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
  return {};
}

LocalHttpServer::LocalHttpServer(const QString& routesJson) {
  log_ = scratchDir("httpserver") / "requests.jsonl";
  process_ = new QProcess;
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const QString script = QString::fromStdString((sourceDir() / "tests/support/httpserver.py").string());
  process_->start(QStringLiteral("python3"),
                  {script, QStringLiteral("--routes"), routesJson, QStringLiteral("--log"),
                   QString::fromStdString(log_.string())});
  if (!process_->waitForStarted(10000)) {
    ADD_FAILURE() << "cannot start httpserver.py: " << process_->errorString().toStdString();
    return;
  }
  QByteArray out;
  QDeadlineTimer deadline(10000);
  while (!out.contains('\n') && !deadline.hasExpired() &&
         process_->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
    out += process_->readAllStandardOutput();
  if (out.startsWith("PORT ")) port_ = out.mid(5).trimmed().toInt();
  if (port_ == 0) ADD_FAILURE() << "httpserver.py gave no port: " << out.toStdString();
}

LocalHttpServer::~LocalHttpServer() {
  process_->kill();
  process_->waitForFinished(5000);
  delete process_;
}

QString LocalHttpServer::Url(const QString& pathAndQuery) const {
  return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(pathAndQuery);
}

std::vector<LoggedRequest> LocalHttpServer::Requests() const {
  std::vector<LoggedRequest> requests;
  QFile file(QString::fromStdString(log_.string()));
  if (!file.open(QIODevice::ReadOnly)) return requests;
  // A line still being written has no newline yet and is left for later.
  const QList<QByteArray> lines = file.readAll().split('\n');
  for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
    const QJsonObject entry = QJsonDocument::fromJson(lines[i]).object();
    LoggedRequest request;
    request.line = entry.value("line").toString();
    for (const QJsonValue& pair : entry.value("headers").toArray())
      request.headers.append({pair[0].toString().toUtf8(), pair[1].toString().toUtf8()});
    requests.push_back(request);
  }
  return requests;
}

bool LocalHttpServer::WaitForRequests(size_t count, int timeoutMs) const {
  QDeadlineTimer deadline(timeoutMs);
  while (Requests().size() < count) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace testenv
