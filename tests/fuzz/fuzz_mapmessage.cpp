// The map page's click reports: what parses must stay within range, and a
// report written from the parsed values parses to the same.
#include "Fuzzinput.h"

#include "Mapmessage.h"

#include <cmath>

namespace {

QString Fixed5(double v) { return QString::number(v, 'f', 5); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString report = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  lastMapMessage.clear();
  int index = 0;
  double lat = 0, lng = 0;
  const MapCommand command = ParseMapMessage(report, index, lat, lng);
  if (ParseMapMessage(report, index, lat, lng) != mcNone) fuzz::Fail("map report: a repeat was taken again");
  QString again;
  switch (command) {
    case mcNone:
      return 0;
    case mcSelect:
      again = QStringLiteral("SEL:%1()").arg(index);
      break;
    case mcAdd:
    case mcModify:
    case mcCenter:
      if (!std::isfinite(lat) || !std::isfinite(lng) || std::fabs(lat) > 90 || std::fabs(lng) > 360)
        fuzz::Fail("map report: a position out of range was taken");
      again = QStringLiteral("%1:%2(%3,%4)")
                  .arg(command == mcAdd ? QStringLiteral("ADD") : command == mcModify ? QStringLiteral("MODIFY")
                                                                                      : QStringLiteral("Center"))
                  .arg(index)
                  .arg(Fixed5(lat), Fixed5(lng));
      break;
    default:
      fuzz::Fail("map report: an unknown command");
  }
  lastMapMessage.clear();
  int index2 = command == mcAdd || command == mcCenter ? index : -1;
  double lat2 = 0, lng2 = 0;
  if (ParseMapMessage(again, index2, lat2, lng2) != command || index2 != index)
    fuzz::Fail("map report: a written report parses differently");
  if (command != mcSelect && (lat2 != lat || lng2 != lng)) fuzz::Fail("map report: the position changes");
  return 0;
}
