#pragma once
// A map view that records what the window asks of the browser: the pages it
// loads and the script calls it runs; read-backs answer from `values`.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>

#include "Mapview.h"

namespace uitest {

class FakeMapView : public MapView {
 public:
  explicit FakeMapView(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* Widget() override { return widget_; }
  void Navigate(const QString& path) override { navigated << path; }
  void RunScript(const QString& script) override { scripts << script; }
  std::optional<QString> ReadValue(const QString& id) override {
    const auto it = values.find(id);
    return it == values.end() ? std::nullopt : it->second;
  }
  bool Reading() const override { return reading; }

  QStringList navigated, scripts;
  std::map<QString, std::optional<QString>> values;
  bool reading = false;

 private:
  QWidget* widget_;
};

// Every main window made from now on gets a FakeMapView, left in `view`.
inline void UseFakeMapView(FakeMapView*& view) {
  InstallMapViewFactory([&view](QWidget* parent) {
    auto made = std::make_unique<FakeMapView>(parent);
    view = made.get();
    return made;
  });
}

// Settings with every page shown.
inline QString AllPagesIni() {
  return QStringLiteral(
      "[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nBeep=0\r\n");
}

}  // namespace uitest
