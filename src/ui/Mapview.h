#pragma once
// The embedded map browser as the main window sees it: load a page, run a
// script in it, read the two answer inputs back, and hear about loads and
// click reports. The program uses the web engine; tests use a fake.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include "Mapmessage.h"

class QWidget;

class MapView {
 public:
  virtual ~MapView() = default;

  // The widget that shows the page (the browser control).
  virtual QWidget* Widget() = 0;
  // Starts loading a local page file; the load's end comes through onLoaded.
  virtual void Navigate(const QString& path) = 0;
  // Runs a script in the page's window; its result is not read.
  virtual void RunScript(const QString& script) = 0;
  // The current value of the page's input with that id, waited for with a
  // bounded wait. Nothing when there is no such element, the page does not
  // answer in time, or a read is already waiting (reads do not nest).
  virtual std::optional<QString> ReadValue(const QString& id) = 0;
  // True while a read waits for the page.
  virtual bool Reading() const = 0;

  // Called on the UI thread, never from inside the page's own callback.
  std::function<void(bool ok)> onLoaded;         // a load finished
  std::function<void(const QString&)> onReport;  // the page reported a click
};

// Makes the browser for the main window: the installed factory's, or an
// inert one that never loads a page (windows built in tests that do not look
// at the map). The program installs the web engine's (UseWebMapView).
using MapViewFactory = std::function<std::unique_ptr<MapView>(QWidget* parent)>;
void InstallMapViewFactory(MapViewFactory factory);
std::unique_ptr<MapView> CreateMapView(QWidget* parent);

// What the page reports, instead of a click, when the maps API could not be
// loaded; the page then works on without the map.
inline constexpr QLatin1String kMapUnavailableReport{"MapUnavailable"};

// What the page reports when the place search cannot be offered: the loaded
// maps API has no place search, or its service refused a request.
inline constexpr QLatin1String kPlaceSearchUnavailableReport{"PlaceSearchUnavailable"};
