#pragma once
// A map browser for window tests: records the pages it is asked to load and
// the script calls, and answers reads from a table.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <optional>

#include "Mapview.h"

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
