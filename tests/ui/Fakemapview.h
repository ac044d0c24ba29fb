#pragma once
// A stand-in for the map browser that records what the window asks of it:
// the pages it loads and the script calls it runs; read-backs answer from a
// table. And a list filler for the pages a window test answers for.
#include <QStringList>
#include <QTreeWidget>
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

// Main windows made from now on get a fake browser, left in `view`.
inline void UseFakeMapView(FakeMapView*& view) {
  InstallMapViewFactory([&view](QWidget* parent) {
    auto fake = std::make_unique<FakeMapView>(parent);
    view = fake.get();
    return fake;
  });
}

// Settings that show every page and skip the first-run questions.
inline QString AllPagesIni() {
  return QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nBeep=0\r\n");
}

// n rows captioned "0", "1", ...
inline void SetRows(QTreeWidget* list, int n) {
  list->clear();
  for (int i = 0; i < n; ++i) list->addTopLevelItem(new QTreeWidgetItem({QString::number(i)}));
}

}  // namespace uitest
