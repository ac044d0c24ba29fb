#include "Mapview.h"

#include <QWidget>

namespace {

MapViewFactory& Factory() {
  static MapViewFactory factory;
  return factory;
}

// A browser that never shows a page: scripts go nowhere, reads find nothing.
class InertMapView : public MapView {
 public:
  explicit InertMapView(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* Widget() override { return widget_; }
  void Navigate(const QString&) override {}
  void RunScript(const QString&) override {}
  std::optional<QString> ReadValue(const QString&) override { return std::nullopt; }
  bool Reading() const override { return false; }

 private:
  QWidget* widget_;
};

}  // namespace

void InstallMapViewFactory(MapViewFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<MapView> CreateMapView(QWidget* parent) {
  if (Factory()) return Factory()(parent);
  return std::make_unique<InertMapView>(parent);
}
