#pragma once
// The map browser on the web engine.
#include "Mapview.h"

// The web engine browser. Click reports come over a web channel object
// "mapHost" whose report(text) the page calls.
class WebMapView : public MapView {
 public:
  explicit WebMapView(QWidget* parent);
  ~WebMapView() override;

  QWidget* Widget() override;
  void Navigate(const QString& path) override;
  void RunScript(const QString& script) override;
  std::optional<QString> ReadValue(const QString& id) override;
  bool Reading() const override { return reading_; }

  // How long a read waits for the page.
  int ReadTimeoutMs = 3000;

  // Console messages of the page at warning level and above, and errors
  // (for tests and diagnosis); at most the last 200 are kept.
  QStringList ConsoleErrors() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
  bool reading_ = false;
};

// Makes the main window show its map page in the web engine.
void UseWebMapView();

// The web engine refuses to start as root with its sandbox, and root is the
// usual user in containers and on fresh machines: for root only, the engine
// runs without the sandbox, and standard error says so in one line. Call
// before the application object exists.
void AllowWebEngineForRoot();
