#pragma once
// A window test with the real map page: the companion files the build ships
// in the program folder, the maps stand-in served locally, the web engine's
// map view and empty stores; everything undone at the end.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include "Googlehtml.h"
#include "Mapmessage.h"
#include "Mapstores.h"
#include "Mapview.h"
#include "Mapwebenv.h"
#include "Uitestenv.h"
#include "Webmapview.h"

namespace uitest {

class LiveMap {
 public:
  LiveMap(ProgramEnv& env, const QString& ini) {
    qputenv(kMapsApiBaseVariable, server.Base().toUtf8());
    for (const QLatin1String& name :
         {kMapScriptFileName, kMapStyleFileName, kStartMarkerFileName, kEndMarkerFileName}) {
      QFile shipped(QString::fromStdString(testenv::binDir().string()) + QLatin1Char('/') + name);
      EXPECT_TRUE(shipped.open(QIODevice::ReadOnly)) << name.data();
      env.WriteExe(std::string(name.data(), name.size()), shipped.readAll());
    }
    env.WriteIni(ini);
    env.Start();
    mapstores::ClearAll();
    lastMapMessage.clear();
    UseWebMapView();
  }
  ~LiveMap() {
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
    qunsetenv(kMapsApiBaseVariable);
  }

  mapweb::StubServer server;
};

}  // namespace uitest
