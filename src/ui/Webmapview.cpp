#include "Webmapview.h"

#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

namespace {

// Gives the page a report function as soon as its document exists; reports
// made before the channel is up are queued and sent when it is.
const char kBootstrap[] = R"JS(
(function () {
  if (typeof qt === 'undefined' || !qt.webChannelTransport || typeof QWebChannel === 'undefined') return;
  var queue = [];
  window.mapHost = { report: function (text) { queue.push(String(text)); } };
  new QWebChannel(qt.webChannelTransport, function (channel) {
    var host = channel.objects.mapHost;
    window.mapHost = { report: function (text) { host.report(String(text)); } };
    for (var i = 0; i < queue.length; i++) host.report(queue[i]);
    queue = [];
  });
})();
)JS";

class ReportSink : public QObject {
  Q_OBJECT
 public:
  std::function<void(const QString&)> deliver;

 public slots:
  void report(const QString& text) {
    if (text.size() > kMaxMapReportLength) return;
    // Work that waits for the page cannot run inside the page's own call.
    QPointer<ReportSink> self(this);
    const QString copy = text;
    QTimer::singleShot(1, this, [self, copy] {
      if (self && self->deliver) self->deliver(copy);
    });
  }
};

class MapPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;
  QStringList errors;

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int line, const QString& source) override {
    if (level == InfoMessageLevel) return;
    errors << QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message);
    while (errors.size() > 200) errors.removeFirst();
  }
};

QString JsQuotedId(const QString& id) {
  QString out = QStringLiteral("'");
  for (QChar c : id)
    if (c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-')) out += c;
  return out + QLatin1Char('\'');
}

}  // namespace

struct WebMapView::Impl {
  QWebEngineView* view = nullptr;
  MapPage* page = nullptr;
  QWebChannel* channel = nullptr;
  ReportSink* sink = nullptr;
};

WebMapView::WebMapView(QWidget* parent) : d_(std::make_unique<Impl>()) {
  d_->view = new QWebEngineView(parent);
  d_->view->setObjectName(QStringLiteral("CppWebBrowserView"));
  d_->view->setAcceptDrops(false);
  // A profile of its own that keeps nothing on disk, so two running
  // programs never share (or lock) browser state.
  // The page must go before its profile: children are deleted in the order
  // they were added, so the profile joins the view after the page.
  auto* profile = new QWebEngineProfile;
  d_->page = new MapPage(profile, d_->view);
  profile->setParent(d_->view);
  d_->view->setPage(d_->page);
  // The page is a local file that loads the maps API from the network.
  d_->page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  d_->page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

  d_->sink = new ReportSink;
  d_->sink->setParent(d_->view);
  d_->sink->deliver = [this](const QString& text) {
    if (onReport) onReport(text);
  };
  d_->channel = new QWebChannel(d_->page);
  d_->channel->registerObject(QStringLiteral("mapHost"), d_->sink);
  d_->page->setWebChannel(d_->channel);

  QFile channelJs(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
  QString source;
  if (channelJs.open(QIODevice::ReadOnly)) source = QString::fromUtf8(channelJs.readAll());
  source += QLatin1String(kBootstrap);
  QWebEngineScript script;
  script.setName(QStringLiteral("mapHost"));
  script.setSourceCode(source);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  d_->page->scripts().insert(script);

  QObject::connect(d_->page, &QWebEnginePage::loadFinished, d_->view, [this](bool ok) {
    QTimer::singleShot(0, d_->view, [this, ok] {
      if (onLoaded) onLoaded(ok);
    });
  });

  // Start the page's web contents now, before the window has a native
  // window of its own: once they start, the view adds a child that draws
  // through the GPU, and Qt makes a window that already has its native
  // window anew for it, which loses a maximise the window manager was asked
  // for. An empty script starts them without loading anything.
  d_->page->runJavaScript(QString());
}

WebMapView::~WebMapView() {
  // The view belongs to its parent widget; stop it calling back into us.
  if (d_->view) {
    QObject::disconnect(d_->page, nullptr, d_->view, nullptr);
    d_->sink->deliver = nullptr;
  }
}

QWidget* WebMapView::Widget() { return d_->view; }

void WebMapView::Navigate(const QString& path) { d_->view->load(QUrl::fromLocalFile(path)); }

void WebMapView::RunScript(const QString& script) { d_->page->runJavaScript(script); }

std::optional<QString> WebMapView::ReadValue(const QString& id) {
  if (reading_) return std::nullopt;
  reading_ = true;

  struct Wait {
    QEventLoop loop;
    bool done = false;
    QVariant value;
  };
  auto wait = std::make_shared<Wait>();
  std::weak_ptr<Wait> weak = wait;
  d_->page->runJavaScript(
      QStringLiteral("(function(){var e=document.getElementById(%1);"
                     "return e&&typeof e.value==='string'?e.value:null;})()")
          .arg(JsQuotedId(id)),
      QWebEngineScript::ApplicationWorld, [weak](const QVariant& value) {
        if (auto w = weak.lock()) {
          w->value = value;
          w->done = true;
          w->loop.quit();
        }
      });
  if (!wait->done) {
    QTimer::singleShot(ReadTimeoutMs, &wait->loop, &QEventLoop::quit);
    wait->loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  reading_ = false;
  if (!wait->done || wait->value.typeId() != QMetaType::QString) return std::nullopt;
  return wait->value.toString();
}

QStringList WebMapView::ConsoleErrors() const { return d_->page->errors; }

#include "Webmapview.moc"

void UseWebMapView() {
  InstallMapViewFactory([](QWidget* parent) { return std::make_unique<WebMapView>(parent); });
}

void AllowWebEngineForRoot() {
  if (geteuid() != 0) return;
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  std::fputs("trevik-ap: running as root: the map's web engine runs without its sandbox\n", stderr);
}
