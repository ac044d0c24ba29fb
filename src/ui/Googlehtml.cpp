#include "Googlehtml.h"

#include <QFileInfo>

#include "Folders.h"

#include "Apconfig.h"
#include "Deststorage.h"
#include "Encodepolyline.h"
#include "Jsescape.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <QByteArray>
#include <QSaveFile>
#include <QUrl>

#include <cmath>

double TGoogleHtml::MapCenterLat = 0.0;
double TGoogleHtml::MapCenterLng = 0.0;

namespace {

// "%f": six decimals. A value that is not finite would be no number in the
// script and stop it, so it is written as 0.
void AppendFixed6(QString& out, double v) {
  out += QLatin1String(textfmt::FormatFixed(std::isfinite(v) ? v : 0.0, 6));
}

void AppendInt(QString& out, long long v) { out += QLatin1String(textfmt::IntToStr(v)); }

void AppendFloatText(QString& out, double v) {
  out += QLatin1String(textfmt::FloatToStr(std::isfinite(v) ? v : 0.0));
}

// 0x00BBGGRR to "RRGGBB"; only the low 24 bits are a colour.
void AppendRgbHex(QString& out, std::uint32_t bgr) {
  const std::uint32_t rgb = ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
  static const char digits[] = "0123456789ABCDEF";
  for (int shift = 20; shift >= 0; shift -= 4) out += QLatin1Char(digits[(rgb >> shift) & 0xF]);
}

}  // namespace

QString MapsApiAddress() {
  QString base = qEnvironmentVariable(kMapsApiBaseVariable).trimmed();
  if (base.isEmpty()) base = kDefaultMapsApiBase;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  // Keep the address's own delimiters; anything that could end the
  // attribute or the element is encoded.
  QString address = QString::fromLatin1(
      QUrl::toPercentEncoding(base, QByteArrayLiteral(":/?#[]@!$&()*+,;=%~")));
  address += QLatin1String("/maps/api/js?v=3.exp&sensor=false&libraries=places");
  const QString key = qEnvironmentVariable(kMapsApiKeyVariable).trimmed();
  if (!key.isEmpty()) {
    address += QLatin1String("&key=");
    address += QString::fromLatin1(QUrl::toPercentEncoding(key));
  }
  return address;
}

int TrackThinningStep(std::size_t pointCount, bool boostMode) {
  if (!boostMode) return 1;
  if (pointCount > 1500) return 6;
  if (pointCount > 1000) return 4;
  if (pointCount > 500) return 2;
  return 1;
}

TGoogleHtml::TGoogleHtml(const QString& path) : Path(path) {}

void TGoogleHtml::SetMapCenter(double latitude, double longitude) {
  if (latitude == 0.0 && longitude == 0.0) return;
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) return;
  MapCenterLat = latitude;
  MapCenterLng = longitude;
}

void TGoogleHtml::SetSize(int width, int height) {
  Width = width;
  Height = height;
}

QString TGoogleHtml::Build() {
  BoostNote = false;
  QString s;
  s.reserve(64 * 1024);

  s += QLatin1String(
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"
      "<html>"
      "<head>"
      "\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-16\" />"
      // A script whose server names no charset would be read in the page's
      // own encoding, UTF-16, and fail: the scripts are UTF-8.
      "\t<script type=\"text/javascript\" charset=\"utf-8\" src=\"");
  s += MapsApiAddress();
  s += QLatin1String("\"></script>\t<script src=\"./");
  s += kMapScriptFileName;
  s += QLatin1String(
      "\" type=\"text/javascript\" charset=\"utf-8\"></script>"
      "<style type=text/css>"
      "   v\\:* {behavior:url(#default#VML);}"
      "</style>"
      "<style>"
      "  #search-panel {"
      "    position: absolute;"
      "    top: 4px;"
      "    left: 78px;"
      "    z-index: 5;"
      "    }"
      "  #spanel {"
      "    width: 280px;"
      "  }"
      "</style>"
      "<link rel=\"stylesheet\" href=\"");
  s += kMapStyleFileName;
  s += QLatin1String(
      "\" type=\"text/css\"/>"
      "<script type=\"text/javascript\">\n"
      "//<![CDATA[\n"
      "var map_center_lat = ");
  AppendFloatText(s, MapCenterLat);
  s += QLatin1String(";\nvar map_center_lng = ");
  AppendFloatText(s, MapCenterLng);
  s += QLatin1String(";\nvar op_mode = ");
  AppendInt(s, OpMode);
  s += QLatin1String(";\nvar map_mode = ");
  AppendInt(s, MapMode);
  s += QLatin1String(";\nvar zoom_value = ");
  AppendInt(s, ZoomValue);
  s += QLatin1String(
      ";\n"
      "var arrows_rte = true;\n"
      "var dst_pts = [\n");

  bool first = true;
  for (const auto& item : destStorage.Items(dlActive)) {
    if (!first) s += QLatin1Char(',');
    first = false;
    s += QLatin1String("{'Lat':");
    AppendFixed6(s, item->Latitude);
    s += QLatin1String(", 'Lng':");
    AppendFixed6(s, item->Longitude);
    s += QLatin1String(", 'Title': '");
    s += EscapeJsString(item->Title);
    s += QLatin1String("'}\n");
  }
  s += QLatin1String("];\nvar wpt_pts = [\n");

  if (ShowPOI) {
    first = true;
    for (sUserPOI* p = poiStorage.FindFirst(poiStorage.IconCount, 0, 0, 0); p;
         p = poiStorage.FindNext()) {
      if (!first) s += QLatin1Char(',');
      first = false;
      s += QLatin1String("{'Lat':");
      AppendFixed6(s, p->Latitude);
      s += QLatin1String(", 'Lng':");
      AppendFixed6(s, p->Longitude);
      s += QLatin1String(", 'Title': '");
      s += EscapeJsString(QString::fromUtf8(p->Name, qstrnlen(p->Name, sUserPOI::kNameSize)));
      s += QLatin1String("', 'Icon': ");
      AppendInt(s, p->Icon);
      s += QLatin1String("}\n");
    }
  }
  s += QLatin1String("];\nvar rte_max_pts=");
  AppendInt(s, RouteStorage::MaxPoints);
  s += QLatin1String(";\nvar rte_pts = [\n");

  if (ShowRoute && routeStorage.Count() > 0) {
    first = true;
    for (std::size_t i = 0; i < routeStorage.Count(); ++i) {
      const RouteWpt* w = routeStorage.At(i);
      if (!first) s += QLatin1Char(',');
      first = false;
      s += QLatin1String("{'Lat':");
      AppendFixed6(s, w->Latitude);
      s += QLatin1String(", 'Lng':");
      AppendFixed6(s, w->Longitude);
      s += QLatin1String(", 'Level':3}\n");
    }
  }
  s += QLatin1String("];\nvar trk_lines = [\n");

  first = true;
  for (std::size_t row = 0; row < trackStorage.Count(); ++row) {
    TTrackList* track = trackStorage.At(row);
    const auto& points = track->Points();
    const int step = TrackThinningStep(points.size(), BoostMode);
    if (step > 1) BoostNote = true;
    if (!trackStorage.IsRowChecked(row)) continue;

    EncodePolyline line;
    for (std::size_t i = 0; i < points.size(); i += static_cast<std::size_t>(step))
      line.AddPoint(points[i].Latitude, points[i].Longitude, 3);

    if (!first) s += QLatin1Char(',');
    first = false;
    s += QLatin1String("{'Color':'#");
    AppendRgbHex(s, track->Color);
    s += QLatin1String("','Lat':");
    AppendFixed6(s, points.empty() ? 0.0 : points.front().Latitude);
    s += QLatin1String(",'Lng':");
    AppendFixed6(s, points.empty() ? 0.0 : points.front().Longitude);
    // The encoder's strings hold only '?'..'~' with every backslash already
    // doubled: they are literal bodies as they stand.
    s += QLatin1String(",'Line':'");
    s += QLatin1String(line.Points.data(), static_cast<qsizetype>(line.Points.size()));
    s += QLatin1String("','Level':'");
    s += QLatin1String(line.Levels.data(), static_cast<qsizetype>(line.Levels.size()));
    s += QLatin1String("'}\n");
  }

  s += QLatin1String(
      "];\n"
      "window.onload = createMap;\n"
      "if (typeof(GMap2) != 'undefined') window.onunload = GUnload;\n"
      "//]]>\n"
      "</script>\n"
      "</head>\n"
      "<body scroll=no>"
      "<div id=\"map_canvas\"  style=\"width:");
  AppendInt(s, Width);
  s += QLatin1String("px; height:");
  AppendInt(s, Height);
  s += QLatin1String(
      "px;\">"
      "\t</div>"
      // The answer inputs and the lists are for the program only: never laid
      // out, they cannot show over the map nor take the keyboard focus.
      "<div style=\"display:none\">"
      "<input type=\"text\" id=\"result\" value=\"\" />"
      "<input type=\"text\" id=\"result2\" value=\"\" />"
      "\t<table>"
      "\t\t<tr valign=\"top\">"
      "\t\t\t<td>"
      "\t\t\t\t<select id=\"dstPointList\" size=\"20\" onchange=\"dst_highlight(this.selectedIndex)\" "
      "ondblclick=\"dst_jumpToPoint()\">"
      "\t\t\t\t</select><br/>"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete Selected Point\" onclick=\"dst_deletePoint()\" />"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete All Points\" onclick=\"dst_deleteAllPoints()\" />"
      "\t\t\t</td>"
      "\t\t\t<td>"
      "\t\t\t\t<select id=\"wptPointList\" size=\"20\" onchange=\"wpt_highlight(this.selectedIndex)\" "
      "ondblclick=\"wpt_jumpToPoint()\">"
      "\t\t\t\t</select><br/>"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete Selected Point\" onclick=\"wpt_deletePoint()\" />"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete All Points\" onclick=\"wpt_deleteAllPoints()\" />"
      "\t\t\t</td>"
      "\t\t\t<td>"
      "\t\t\t   <select id=\"rtePointList\" size=\"20\" onchange=\"rte_highlight(this.selectedIndex)\" "
      "ondblclick=\"rte_jumpToPoint()\">"
      "\t\t\t\t</select><br/>"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete Selected Point\" onclick=\"rte_deletePoint()\" />"
      "\t\t\t\t<input type=\"hidden\" value=\"Delete All Points\" onclick=\"rte_deleteAllPoints()\" />"
      "\t\t\t</td>"
      "\t\t</tr>"
      "\t</table>"
      "</div>"
      "  <div id=\"search-panel\"> <input id=\"spanel\" type=\"hidden\" placeholder=\"Search Box\" /></div>"
      "</body>"
      "</html>");
  return s;
}

bool TGoogleHtml::Generate() {
  Error.clear();
  const QString text = Build();

  QByteArray bytes;
  bytes.resize(2 * (text.size() + 1));
  char* out = bytes.data();
  *out++ = '\xFF';
  *out++ = '\xFE';
  for (QChar c : text) {
    const char16_t u = c.unicode();
    *out++ = static_cast<char>(u & 0xFF);
    *out++ = static_cast<char>(u >> 8);
  }

  // Name the real reason (a folder that cannot be made or written), not the
  // missing file that follows from it.
  const QString why = folders::WhyNotWritable(Path);
  if (!why.isEmpty()) {
    //: %1 is why a folder cannot be written, %2 the folder
    Error = tr("%1: %2").arg(why, QFileInfo(Path).absolutePath());
    return false;
  }
  QSaveFile file(Path);
  if (!folders::OpenSaveFile(file)) {
    Error = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    Error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}
