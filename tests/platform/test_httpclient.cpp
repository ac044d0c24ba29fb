// The HTTP client against tests/support/httpserver.py on 127.0.0.1.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "Fakehttp.h"
#include "Httpclient.h"
#include "Httpserver.h"
#include "Qtprint.h"

using testenv::LocalHttpServer;

namespace {

const char* kRoutes = R"([
  {"path": "/version.txt", "body": "1.0.0.2\r\nhttp://example.org/setup.exe\r\n"},
  {"path": "/elev", "query": "locations=47.5,11.25&sensor=false", "body": "<elevation>812</elevation>"},
  {"path": "/elev", "body": "<status>INVALID_REQUEST</status>"},
  {"path": "/fail", "status": 500, "body": "oops"},
  {"path": "/slow", "delay": 2, "body": "late"},
  {"path": "/wait", "delay": 0.8, "body": "waited"},
  {"path": "/drop", "drop": true},
  {"path": "/half", "truncate": true, "body": "0123456789abcdef"}
])";

class HttpClientTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "test_httpclient";
      static char* argv[] = {name, nullptr};
      app_ = new QCoreApplication(argc, argv);
    }
    server_ = new LocalHttpServer(kRoutes);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(server_->Port(), 0); }

  static HttpReply Get(const QString& url, int timeoutMs = 10000) {
    HttpRequest request;
    request.url = url;
    request.timeoutMs = timeoutMs;
    return HttpClient::Instance().Get(request);
  }

  static inline QCoreApplication* app_ = nullptr;
  static inline LocalHttpServer* server_ = nullptr;
};

TEST_F(HttpClientTest, RepliesByPathAndQuery) {
  struct Case {
    const char* path;
    bool ok;
    int status;
    const char* body;
    const char* error;
  } cases[] = {
      {"/version.txt", true, 200, "1.0.0.2\r\nhttp://example.org/setup.exe\r\n", ""},
      {"/elev?locations=47.5,11.25&sensor=false", true, 200, "<elevation>812</elevation>", ""},
      {"/elev?locations=0,0&sensor=false", true, 200, "<status>INVALID_REQUEST</status>", ""},
      {"/nothing-here", false, 404, "not found", "HTTP 404 Not Found"},
      {"/fail", false, 500, "oops", "HTTP 500 Internal Server Error"},
      {"/drop", false, 0, "", "connection closed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const HttpReply reply = Get(server_->Url(c.path));
    EXPECT_EQ(reply.ok, c.ok);
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.body.toStdString(), c.body);
    EXPECT_EQ(reply.error.toStdString(), c.error);
  }
}

TEST_F(HttpClientTest, CutOffBodyIsAFailure) {
  const HttpReply reply = Get(server_->Url("/half"));
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.error, "connection closed");
}

TEST_F(HttpClientTest, SlowReplyTimesOutWithoutWaitingForTheServer) {
  QElapsedTimer clock;
  clock.start();
  const HttpReply reply = Get(server_->Url("/slow"), 300);
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.status, 0);
  EXPECT_EQ(reply.error, "timed out");
  EXPECT_LT(clock.elapsed(), 1800);  // the server answers after 2 s
}

TEST_F(HttpClientTest, RefusedConnectionAndBadUrls) {
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
  const quint16 closedPort = probe.serverPort();
  probe.close();
  const HttpReply refused = Get(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort));
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "connection refused");

  for (const char* url : {"", "not a url", "ftp://127.0.0.1/x", "http:///path", "http://exa mple.org/"}) {
    SCOPED_TRACE(url);
    const HttpReply reply = Get(QString::fromUtf8(url));
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.error, "bad URL");
  }
}

TEST_F(HttpClientTest, HeadersArriveAsGiven) {
  const size_t before = server_->Requests().size();
  HttpRequest request;
  request.url = server_->Url("/version.txt");
  request.headers = {{"Accept", "text/html, */*"},
                     {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
                     {"Content-Type", "text/html"}};
  ASSERT_TRUE(HttpClient::Instance().Get(request).ok);
  const auto requests = server_->Requests();
  ASSERT_EQ(requests.size(), before + 1);
  const testenv::LoggedRequest& seen = requests.back();
  EXPECT_EQ(seen.line, "GET /version.txt HTTP/1.1");
  EXPECT_EQ(seen.Header("Accept"), "text/html, */*");
  EXPECT_EQ(seen.Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(seen.Header("Content-Type"), "text/html");
}

TEST_F(HttpClientTest, ProxyGetsTheAbsoluteUrlOnlyWhenServerAndPortAreSet) {
  HttpRequest request;
  request.url = "http://elevation.example.invalid/elev?locations=47.5,11.25&sensor=false";
  request.proxyServer = "127.0.0.1";
  request.proxyPort = server_->Port();
  const HttpReply proxied = HttpClient::Instance().Get(request);
  EXPECT_TRUE(proxied.ok) << proxied.error.toStdString();
  EXPECT_EQ(proxied.body, "<elevation>812</elevation>");
  ASSERT_FALSE(server_->Requests().empty());
  EXPECT_EQ(server_->Requests().back().line,
            "GET http://elevation.example.invalid/elev?locations=47.5,11.25&sensor=false HTTP/1.1");

  // A port of 0 leaves the proxy out: the request goes straight to the URL.
  request.url = server_->Url("/version.txt");
  request.proxyServer = "proxy.example.invalid";
  request.proxyPort = 0;
  EXPECT_TRUE(HttpClient::Instance().Get(request).ok);
  EXPECT_EQ(server_->Requests().back().line, "GET /version.txt HTTP/1.1");

  // An empty server text leaves it out too, whatever the port.
  request.proxyServer.clear();
  request.proxyPort = 1;
  EXPECT_TRUE(HttpClient::Instance().Get(request).ok);
  EXPECT_EQ(server_->Requests().back().line, "GET /version.txt HTTP/1.1");
}

TEST_F(HttpClientTest, SecondRequestWhileOneWaitsIsRefused) {
  const size_t before = server_->Requests().size();
  HttpReply first;
  std::thread waiting([&] { first = Get(server_->Url("/wait")); });
  ASSERT_TRUE(server_->WaitForRequests(before + 1, 5000));

  const HttpReply second = Get(server_->Url("/version.txt"));
  waiting.join();
  EXPECT_FALSE(second.ok);
  EXPECT_EQ(second.error, "busy");
  EXPECT_EQ(second.status, 0);
  EXPECT_TRUE(first.ok) << first.error.toStdString();
  EXPECT_EQ(first.body, "waited");
  EXPECT_EQ(server_->Requests().size(), before + 1);  // the refused one never left

  EXPECT_TRUE(Get(server_->Url("/version.txt")).ok);  // and the client is free again
}

TEST(FakeHttpClient, InstallsItselfScriptsRepliesAndRecords) {
  HttpClient* real = &HttpClient::Instance();
  {
    FakeHttpClient fake;
    EXPECT_EQ(&HttpClient::Instance(), &fake);
    fake.ReplyBody("http://a/", "any");
    fake.ReplyBody("http://a/elev", "long");
    fake.Reply("http://b/", FakeHttpClient::Failed("HTTP 404 Not Found", 404));
    fake.SetHandler([](const HttpRequest& request) {
      return FakeHttpClient::Ok(request.url.toUtf8());
    });
    HttpRequest request;
    request.headers = {{"Accept", "text/html, */*"}};
    const auto get = [&](const char* url) {
      request.url = url;
      return HttpClient::Instance().Get(request);
    };
    EXPECT_EQ(get("http://a/elev?x").body, "long");
    EXPECT_EQ(get("http://a/other").body, "any");
    const HttpReply missing = get("http://b/v.txt");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(get("http://c/").body, "http://c/");
    EXPECT_THAT(fake.Urls(), ::testing::ElementsAre("http://a/elev?x", "http://a/other",
                                                    "http://b/v.txt", "http://c/"));
    EXPECT_EQ(fake.Requests()[0].headers, request.headers);
  }
  EXPECT_EQ(&HttpClient::Instance(), real);
}

}  // namespace
