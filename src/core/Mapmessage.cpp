#include "Mapmessage.h"

#include <cmath>

#include "Textfmt.h"

QString lastMapMessage;

namespace {

// Text of `s` from the 1-based position `from`, `count` characters; empty
// for a count below 1, as the delimiters of a report may be missing.
QString Slice(const QString& s, qsizetype from, qsizetype count) {
  if (count < 1 || from > s.size()) return {};
  if (from < 1) from = 1;
  return s.mid(from - 1, count);
}

// A report's number rounded to 5 decimals (ties to even), as a position.
bool ReportNumber(const QString& text, double limit, double& out) {
  double v = 0;
  if (!textfmt::TryStrToFloat(text, v) || !std::isfinite(v) || std::fabs(v) > limit) return false;
  out = std::nearbyint(v * 100000.0) / 100000.0;
  return true;
}

}  // namespace

MapCommand ParseMapMessage(const QString& report, int& index, double& latitude, double& longitude) {
  if (report.isEmpty() || report == lastMapMessage) return mcNone;
  lastMapMessage = report;
  if (report.size() > kMaxMapReportLength) return mcNone;

  // 1-based positions, 0 when absent.
  const qsizetype colon = report.indexOf(QLatin1Char(':')) + 1;
  const qsizetype open = report.indexOf(QLatin1Char('(')) + 1;
  const qsizetype comma = report.indexOf(QLatin1Char(',')) + 1;
  const qsizetype close = report.indexOf(QLatin1Char(')')) + 1;
  const QString command = Slice(report, 1, colon - 1);
  const QString indexText = Slice(report, colon + 1, open - colon - 1);
  const QString latText = Slice(report, open + 1, comma - open - 1);
  const QString lngText = Slice(report, comma + 1, close - comma - 1);

  if (command == QLatin1String("SEL")) {
    int i = 0;
    if (!textfmt::TryStrToInt(indexText, i)) return mcNone;
    index = i;
    return mcSelect;
  }
  int i = index;
  if (command == QLatin1String("MODIFY") && !textfmt::TryStrToInt(indexText, i)) return mcNone;
  double lat = 0, lng = 0;
  if (!ReportNumber(latText, 90.0, lat) || !ReportNumber(lngText, 360.0, lng)) return mcNone;
  index = i;
  latitude = lat;
  longitude = lng;
  if (command == QLatin1String("ADD")) return mcAdd;
  if (command == QLatin1String("MODIFY")) return mcModify;
  if (command == QLatin1String("Center")) return mcCenter;
  return mcNone;
}
