#include "Coordinateedit.h"

#include <QLineEdit>

#include <tuple>

#include "Uibuild.h"
#include "Uiservices.h"
#include "Utility.h"

bool ReadCoordinateEdits(QLineEdit* lat, QLineEdit* lon, double& latitude, double& longitude) {
  double la = 0, lo = 0;
  for (auto [edit, axis, value] :
       {std::tuple{lat, CoordinateAxis::Latitude, &la}, std::tuple{lon, CoordinateAxis::Longitude, &lo}}) {
    const QString why = ReadCoordinate(edit->text(), axis, *value);
    if (why.isEmpty()) continue;
    UiServices::Get().MessageBox(why, uibuild::Str(115), UiServices::Icon::Error);
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  latitude = la;
  longitude = lo;
  return true;
}
