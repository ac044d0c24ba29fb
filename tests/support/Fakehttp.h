#pragma once
// A scripted HTTP client for tests. While it lives it is installed as
// HttpClient::Instance(); it answers by the longest matching URL prefix (the
// later of equal ones), else from the handler, else with a refused connection,
// and records every request.
//
//   FakeHttpClient http;
//   http.ReplyBody("https://maps.example/elevation", "<status>OK</status>");
//   http.Reply("https://host/version.txt", FakeHttpClient::Failed("HTTP 404 Not Found", 404));
//   ... code under test ...
//   EXPECT_EQ(http.Requests().size(), 1u);
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "Httpclient.h"

class FakeHttpClient : public HttpClient {
 public:
  using Handler = std::function<HttpReply(const HttpRequest&)>;

  FakeHttpClient() { HttpClient::Install(this); }
  ~FakeHttpClient() override { HttpClient::Install(nullptr); }
  FakeHttpClient(const FakeHttpClient&) = delete;
  FakeHttpClient& operator=(const FakeHttpClient&) = delete;

  static HttpReply Ok(const QByteArray& body, int status = 200) {
    HttpReply reply;
    reply.ok = true;
    reply.status = status;
    reply.body = body;
    return reply;
  }
  static HttpReply Failed(const QString& error, int status = 0, const QByteArray& body = {}) {
    HttpReply reply;
    reply.status = status;
    reply.error = error;
    reply.body = body;
    return reply;
  }

  void Reply(const QString& urlPrefix, const HttpReply& reply) {
    std::lock_guard lock(mutex_);
    replies_.emplace_back(urlPrefix, reply);
  }
  void ReplyBody(const QString& urlPrefix, const QByteArray& body) { Reply(urlPrefix, Ok(body)); }
  // Answers the requests that no prefix matches.
  void SetHandler(Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
  }

  std::vector<HttpRequest> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  std::vector<QString> Urls() const {
    std::vector<QString> urls;
    for (const HttpRequest& request : Requests()) urls.push_back(request.url);
    return urls;
  }

  HttpReply Get(const HttpRequest& request) override {
    Handler handler;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
      const std::pair<QString, HttpReply>* best = nullptr;
      for (const auto& entry : replies_)
        if (request.url.startsWith(entry.first) && (!best || entry.first.size() >= best->first.size()))
          best = &entry;
      if (best) return best->second;
      handler = handler_;
    }
    return handler ? handler(request) : Failed(QStringLiteral("connection refused"));
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::pair<QString, HttpReply>> replies_;
  Handler handler_;
  std::vector<HttpRequest> requests_;
};
