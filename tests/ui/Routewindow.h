#pragma once
// A main window on the route page with a fake map view, for the route page
// and altitude chart tests: the real pages, the real route store, the map
// calls recorded.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "Fakemapview.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Routestorage.h"
#include "Trackstorage.h"
#include "Uitestenv.h"

namespace routetest {

using uitest::FakeMapView;

// A track of these points (latitude, longitude, altitude) shown in the track
// page's point list, as a click on its row does.
inline void ShowTrackPoints(TFormMain& f, const std::vector<std::tuple<double, double, double>>& points) {
  trackStorage.Clear();
  auto track = std::make_unique<TTrackList>();
  for (auto [lat, lng, alt] : points) {
    sFile_TrkEntry e;
    e.Latitude = lat;
    e.Longitude = lng;
    e.Altitude = alt;
    track->AddPoint(e, false);
  }
  track->SetName(QStringLiteral("shown"));
  trackStorage.AddTrack(std::move(track));
  f.pgTrack->FillTrackList(false);
  f.pgTrack->FillTrackPoints(0);
}

class RouteMain : public TFormMain {
 public:
  RouteMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~RouteMain() override { WriteBackSettings(); }
};

class RouteWindow : public ::testing::Test {
 protected:
  RouteWindow() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    InstallMapViewFactory([this](QWidget* parent) {
      auto view = std::make_unique<FakeMapView>(parent);
      map = view.get();
      return view;
    });
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nTrack=1\r\nBeep=0\r\n"));
    env.Start();
    f = std::make_unique<RouteMain>();
    f->PageLoaded = true;  // as if the first page had loaded
    f->Mode = omRoute;
    apConfig->Altchart = 0;
    map->scripts.clear();
    map->navigated.clear();
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  TRoutePage& page() { return *f->pgRoute; }
  TAltChart& chart() { return *f->altchart; }
  QString Cell(int row, int column) { return page().lvRoute->topLevelItem(row)->text(column); }
  int CurrentRow() {
    QTreeWidgetItem* item = page().lvRoute->currentItem();
    return item && item->isSelected() ? page().lvRoute->indexOfTopLevelItem(item) : -1;
  }
  // Points named "0", "1", ... in the store and the list, as if just loaded
  // (nothing unsaved); nothing recorded yet.
  void Route(const std::vector<std::pair<double, double>>& points) {
    for (std::size_t i = 0; i < points.size(); ++i)
      mapstores::AddRoutePoint(QString::number(i), points[i].first, points[i].second);
    routeStorage.MarkSaved();
    page().FillRouteList(false, false);
    map->scripts.clear();
    env.services.messages.clear();
  }
  void Select(const std::vector<int>& rows) {
    page().lvRoute->clearSelection();
    for (int r : rows) page().lvRoute->topLevelItem(r)->setSelected(true);
  }

  uitest::ProgramEnv env;
  FakeMapView* map = nullptr;
  std::unique_ptr<RouteMain> f;
};

}  // namespace routetest
