#include "Templateexport.h"

#include "GPXDocument.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Tempkml.h"
#include "Textfile.h"
#include "Textfmt.h"
#include "Utility.h"

#include <string>
#include <string_view>

namespace {

// Text for XML content, UTF-8: markup characters become references (also
// safe inside the CDATA of a KML description, which Google Earth shows as
// HTML), and characters XML cannot carry become U+FFFD.
std::string xmlText(const QString& s) {
  const QString safe = XmlSafeText(s);
  QString out;
  out.reserve(safe.size());
  for (QChar c : safe) {
    switch (c.unicode()) {
      case u'&': out += QLatin1String("&amp;"); break;
      case u'<': out += QLatin1String("&lt;"); break;
      case u'>': out += QLatin1String("&gt;"); break;
      case u'"': out += QLatin1String("&quot;"); break;
      default: out += c;
    }
  }
  return out.toStdString();
}

// Route numbers: narrowed to single precision first, then "%.5f".
std::string single5(double v) { return textfmt::FormatFixed(static_cast<double>(static_cast<float>(v)), 5); }

std::string cat(std::initializer_list<std::string_view> parts) {
  std::string s;
  std::size_t n = 0;
  for (auto p : parts) n += p.size();
  s.reserve(n);
  for (auto p : parts) s += p;
  return s;
}

void gpxHead(TextFile& f, std::string_view name) {
  f.Line(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
  f.Line(R"(<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="Kartovex" )"
         R"(xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" )"
         R"(xsi:schemaLocation="http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd">)");
  f.Line("  <metadata>");
  f.Line(cat({"    <name>", name, "</name>"}));
  f.Line("  </metadata>");
}

constexpr std::string_view kKmlStart = R"(<kml xmlns="http://earth.google.com/kml/2.2">)";

// "YYYY-MM-DDThh:mm:ssZ": the waypoint's local calendar fields as the UTC
// moment, with the offset in force on that date; empty when they are no date
// and time (such a time could not be read back).
std::string poiTime(const PoiListRow& r) {
  if (!textfmt::IsValidDate(r.Year, r.Month, r.Day) ||
      !textfmt::IsValidTime(r.Hour, r.Minute, r.Second, 0))
    return {};
  SystemTime local, utc;
  local.Year = static_cast<std::uint16_t>(r.Year);
  local.Month = static_cast<std::uint16_t>(r.Month);
  local.Day = static_cast<std::uint16_t>(r.Day);
  local.Hour = static_cast<std::uint16_t>(r.Hour);
  local.Minute = static_cast<std::uint16_t>(r.Minute);
  local.Second = static_cast<std::uint16_t>(r.Second);
  double moment = 0;
  if (!ConvertLocalToUtc(local, utc) ||
      !textfmt::TryEncodeDateTime({utc.Year, utc.Month, utc.Day, utc.Hour, utc.Minute, utc.Second, 0}, moment))
    return {};
  return GpxTimeText(moment).toStdString();
}

std::string ascii(const QString& s) { return s.toStdString(); }

}  // namespace

PoiListRow MakePoiListRow(const sUserPOI& poi, bool selected) {
  PoiListRow r;
  r.Name = QString::fromUtf8(poi.Name, static_cast<qsizetype>(qstrnlen(poi.Name, sizeof poi.Name)));
  r.Year = poi.Year;
  r.Month = poi.Month;
  r.Day = poi.Day;
  r.Hour = poi.Hour;
  r.Minute = poi.Minute;
  r.Second = poi.Second;
  r.Latitude = poi.Latitude;
  r.Longitude = poi.Longitude;
  r.Icon = poi.Icon;
  r.Selected = selected;
  return r;
}

bool ExportGpx(const std::vector<PoiListRow>& rows, const QString& path) {
  TextFile f(path);
  if (!f.Open()) return false;
  gpxHead(f, "Kartovex POI export");
  for (const PoiListRow& r : rows) {
    // Plain decimals: the schema's xsd:decimal has no exponent.
    f.Line(cat({"  <wpt lat=\"", ascii(GpxNumberText(r.Latitude)), "\" lon=\"", ascii(GpxNumberText(r.Longitude)),
                "\">"}));
    const std::string time = poiTime(r);
    if (!time.empty()) f.Line(cat({"    <time>", time, "</time>"}));
    f.Line(cat({"    <name>", xmlText(r.Name), "</name>"}));
    f.Line(cat({"    <sym>POI", textfmt::IntToStr(r.Icon), "</sym>"}));
    f.Line("  </wpt>");
  }
  f.Line("</gpx>");
  return f.Commit();
}

bool WritePoiKml(const std::vector<PoiListRow>& rows, const QString& path) {
  TextFile f(path);
  if (!f.Open()) return false;
  f.Line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
  f.Line(kKmlStart);
  f.Line("<Document>");
  f.Line("<name>Kartovex POI</name>");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const PoiListRow& r = rows[i];
    if (!r.Selected) continue;
    const std::string lat = textfmt::FloatToStr(r.Latitude);
    const std::string lon = textfmt::FloatToStr(r.Longitude);
    f.Line(" <Placemark>");
    // Numbered by list position, so the numbers may have gaps.
    f.Line(cat({" <name>Kartovex POI ", textfmt::IntToStr(static_cast<long long>(i)), "</name>"}));
    f.Line(" <description><![CDATA[");
    f.Line(xmlText(r.Name));
    f.Line(cat({"  <br><br>Coordinates: ", lat, ", ", lon}));
    f.Line("]]></description>");
    f.Line(" <styleUrl>#point0Style</styleUrl>");
    f.Line("  <Point>");
    f.Line(cat({"   <coordinates>", lon, ",", lat, "</coordinates>"}));
    f.Line("  </Point>");
    f.Line(" </Placemark>");
  }
  f.Line("</Document>");
  f.Line("</kml>");
  return f.Commit();
}

constexpr std::string_view kTurnNamespace = "urn:kartovex:gpx:turn";

bool ExportGpx(const RouteStorage& route, const QString& path, bool withElevation, bool plain) {
  TextFile f(path);
  if (!f.Open()) return false;
  gpxHead(f, "Kartovex route export");
  f.Line(" <rte>");
  if (const RouteWpt* first = route.At(0)) f.Line(cat({"  <name>", xmlText(first->Name), "</name>"}));
  for (std::size_t i = 0; i < route.Count(); ++i) {
    const RouteWpt& p = *route.At(i);
    f.Line(cat({"  <rtept lat=\"", single5(p.Latitude), "\" lon=\"", single5(p.Longitude), "\">"}));
    if (withElevation) {
      f.Line(cat({"    <ele>", single5(p.Elevation), "</ele>"}));
      if (!plain) {
        f.Line("    <extensions>");
        // An extension element must not be in the GPX namespace.
        f.Line(cat({"       <turn xmlns=\"", kTurnNamespace, "\">", TurnTypeToCode(static_cast<unsigned>(p.Turn)),
                    "</turn>"}));
        f.Line("    </extensions>");
      }
    }
    f.Line("  </rtept>");
  }
  f.Line(" </rte>");
  if (!plain) {
    f.Line("");
    f.Line(" <trk>");
    f.Line("   <trkseg>");
    for (std::size_t i = 0; i < route.Count(); ++i) {
      const RouteWpt& p = *route.At(i);
      f.Line(cat({"     <trkpt lat=\"", single5(p.Latitude), "\" lon=\"", single5(p.Longitude), "\"></trkpt>"}));
    }
    f.Line("   </trkseg>");
    f.Line(" </trk>");
  }
  f.Line("</gpx>");
  return f.Commit();
}

bool WriteRouteKml(const RouteStorage& route, const QString& path) {
  static constexpr std::string_view kHref =
      "            <href>http://maps.google.com/mapfiles/kml/shapes/donut.png</href>";
  TextFile f(path);
  if (!f.Open()) return false;
  for (std::string_view line : {
           std::string_view(R"(<?xml version="1.0" encoding="UTF-8"?>)"),
           kKmlStart,
           std::string_view("  <Folder>"),
           std::string_view("    <Document>"),
           std::string_view("      <name>Kartovex route</name>"),
           std::string_view(R"(      <Style id="normal">)"),
           std::string_view("        <IconStyle>"),
           std::string_view("          <color>FF000080</color>"),
           std::string_view("          <scale>0.4</scale>"),
           std::string_view("          <Icon>"),
           kHref,
           std::string_view("          </Icon>"),
           std::string_view("         </IconStyle>"),
           std::string_view("      </Style>"),
           std::string_view(R"(      <Style id="highlight">)"),
           std::string_view("        <IconStyle>"),
           std::string_view("          <color>FF000080</color>"),
           std::string_view("          <scale>1</scale>"),
           std::string_view("          <Icon>"),
           kHref,
           std::string_view("          </Icon>"),
           std::string_view("        </IconStyle>"),
           std::string_view("      </Style>"),
           std::string_view(R"(      <Style id="Track">)"),
           std::string_view("        <LineStyle>"),
           std::string_view("          <color>7FFF0000</color>"),
           std::string_view("          <width>5</width>"),
           std::string_view("        </LineStyle>"),
           std::string_view("      </Style>"),
           std::string_view(R"(      <StyleMap id="Waypoints">)"),
           std::string_view("        <Pair>"),
           std::string_view("          <key>normal</key>"),
           std::string_view("          <styleUrl>#normal</styleUrl>"),
           std::string_view("        </Pair>"),
           std::string_view("        <Pair>"),
           std::string_view("          <key>highlight</key>"),
           std::string_view("          <styleUrl>#highlight</styleUrl>"),
           std::string_view("        </Pair>"),
           std::string_view("      </StyleMap>"),
           std::string_view("      <Folder>"),
           std::string_view("        <name>Waypoints</name>"),
       })
    f.Line(line);
  for (std::size_t i = 0; i < route.Count(); ++i) {
    const RouteWpt& p = *route.At(i);
    const std::string lon = single5(p.Longitude), lat = single5(p.Latitude), ele = single5(p.Elevation);
    f.Line("     <Placemark>");
    f.Line(cat({"       <name>", xmlText(p.Name), "</name>"}));
    f.Line(R"(       <Snippet maxLines=" 0 "/>)");
    f.Line("       <description>");
    f.Line(cat({"       <![CDATA[<table><tr><td>Longitude:</td><td>", lon, "</td></tr><tr><td>Latitude:</td><td>", lat,
                "</td></tr><tr><td>Altitude:</td><td>", ele, "</td></tr></table>]]>"}));
    f.Line("       </description>");
    f.Line("       <styleUrl>#Waypoints</styleUrl>");
    f.Line("       <Point>");
    f.Line(cat({"         <coordinates>", lon, ",", lat, ",", ele, "</coordinates>"}));
    f.Line("        </Point>");
    f.Line("     </Placemark>");
  }
  for (std::string_view line : {"    </Folder>", "    <Folder>", "      <name>Route</name>", "      <Placemark>",
                                "        <name>Route</name>", "        <styleUrl>#Track</styleUrl>",
                                "        <LineString>", "          <coordinates>"})
    f.Line(line);
  for (std::size_t i = 0; i < route.Count(); ++i) {
    const RouteWpt& p = *route.At(i);
    f.Line(cat({"            ", single5(p.Longitude), ",", single5(p.Latitude), ",", single5(p.Elevation)}));
  }
  for (std::string_view line : {"          </coordinates>", "        </LineString>", "      </Placemark>",
                                "    </Folder>", "    </Document>", "  </Folder>", "</kml>"})
    f.Line(line);
  return f.Commit();
}

int ExportKml(const std::vector<PoiListRow>& rows) {
  bool any = false;
  for (const PoiListRow& r : rows) any = any || r.Selected;
  if (!any) return 0;
  return WriteAndOpenTempKml([&](const QString& path) { return WritePoiKml(rows, path); }) ? 1
                                                                                          : kTemplateExportFailed;
}

int ExportKml(const RouteStorage& route) {
  return WriteAndOpenTempKml([&](const QString& path) { return WriteRouteKml(route, path); }) ? 1
                                                                                             : kTemplateExportFailed;
}
