#include "Kml.h"

#include "GPXDocument.h"
#include "Textfile.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Utility.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <string_view>

const char* const kKmlDonutIconHref = "http://maps.google.com/mapfiles/kml/shapes/donut.png";

namespace {

const QString kKmlNamespace = QStringLiteral("http://www.opengis.net/kml/2.2");

QString colourText(std::uint32_t c) {
  static const char digits[] = "0123456789ABCDEF";
  char buf[8];
  for (int i = 7; i >= 0; --i, c >>= 4) buf[i] = digits[c & 0xF];
  return QString::fromLatin1(buf, 8);
}

QString number(double v) { return textfmt::FloatToQStr(v); }

// Truncation toward zero to a grid step of 1/scale. Done in doubles, so a
// junk value far outside any coordinate range cannot overflow an integer.
double truncateTo(double v, double scale, double step) { return std::trunc(v * scale) * step; }

// The point's place: latitude and longitude truncated to 0.00001 degree, the
// altitude to a centimetre; none for a point with a non-finite value, which
// has no place on the globe.
std::optional<TCoordinate> coordinateOf(const sFile_TrkEntry& e) {
  if (!std::isfinite(e.Latitude) || !std::isfinite(e.Longitude) || !std::isfinite(e.Altitude)) return std::nullopt;
  return TCoordinate{truncateTo(e.Latitude, 100000.0, 0.00001), truncateTo(e.Longitude, 100000.0, 0.00001),
                     truncateTo(e.Altitude, 100.0, 0.01)};
}

void appendFixed(std::string& out, double v, int decimals) { out += textfmt::FormatFixed(v, decimals); }

// Longitude, latitude and altitude as the point placemark writes them.
void appendPointCoordinates(std::string& out, const TCoordinate& c) {
  appendFixed(out, c.Longitude, 5);
  out += ',';
  appendFixed(out, c.Latitude, 5);
  out += ',';
  appendFixed(out, c.Altitude, 2);
}

void appendDescription(std::string& out, const TCoordinate& c, const std::string& time) {
  out += "<table><tr><td>Longitude:</td><td>";
  appendFixed(out, c.Longitude, 5);
  out += "</td></tr><tr><td>Latitude:</td><td>";
  appendFixed(out, c.Latitude, 5);
  out += "</td></tr><tr><td>Altitude:</td><td>";
  appendFixed(out, c.Altitude, 2);
  out += "</td></tr><tr><td>Time:</td><td>";
  out += time;
  out += "</td></tr></table>";
}

void writeStyle(QXmlStreamWriter& w, const TStyle& s) {
  if (s.IconStyle) {
    w.writeStartElement(QStringLiteral("Style"));
    w.writeAttribute(QStringLiteral("id"), s.Id);
    w.writeStartElement(QStringLiteral("IconStyle"));
    w.writeTextElement(QStringLiteral("color"), colourText(s.IconStyle->Color));
    w.writeTextElement(QStringLiteral("scale"), number(s.IconStyle->Scale));
    w.writeStartElement(QStringLiteral("Icon"));
    w.writeTextElement(QStringLiteral("href"), QString::fromStdString(s.IconStyle->Href));
    w.writeEndElement();  // Icon
    w.writeEndElement();  // IconStyle
    w.writeEndElement();  // Style
  }
  if (s.LineStyle) {
    w.writeStartElement(QStringLiteral("Style"));
    w.writeAttribute(QStringLiteral("id"), s.Id);
    w.writeStartElement(QStringLiteral("LineStyle"));
    w.writeTextElement(QStringLiteral("color"), colourText(s.LineStyle->Color));
    w.writeTextElement(QStringLiteral("width"), number(s.LineStyle->Width));
    w.writeEndElement();  // LineStyle
    w.writeEndElement();  // Style
  }
}

void writeStyleMap(QXmlStreamWriter& w, const TStyleMap& m) {
  w.writeStartElement(QStringLiteral("StyleMap"));
  w.writeAttribute(QStringLiteral("id"), m.Id);
  for (const char* key : {"normal", "highlight"}) {
    w.writeStartElement(QStringLiteral("Pair"));
    w.writeTextElement(QStringLiteral("key"), QLatin1String(key));
    w.writeTextElement(QStringLiteral("styleUrl"), QLatin1Char('#') + QLatin1String(key));
    w.writeEndElement();
  }
  w.writeEndElement();
}

void writePointPlacemark(QXmlStreamWriter& w, const TKmlPoint& p, std::string& scratch) {
  const TCoordinate& c = *p.Coordinate;
  w.writeStartElement(QStringLiteral("Placemark"));
  w.writeStartElement(QStringLiteral("Snippet"));
  w.writeAttribute(QStringLiteral("maxLines"), QStringLiteral("0"));
  w.writeEndElement();
  w.writeStartElement(QStringLiteral("description"));
  scratch.clear();
  appendDescription(scratch, c, p.Time);
  w.writeCDATA(QString::fromLatin1(scratch.data(), static_cast<qsizetype>(scratch.size())));
  w.writeEndElement();
  if (!p.Time.empty()) {
    w.writeStartElement(QStringLiteral("TimeStamp"));
    w.writeTextElement(QStringLiteral("when"), QString::fromLatin1(p.Time.data(), static_cast<qsizetype>(p.Time.size())));
    w.writeEndElement();
  }
  w.writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#Waypoints"));
  w.writeStartElement(QStringLiteral("Point"));
  scratch.clear();
  appendPointCoordinates(scratch, c);
  w.writeTextElement(QStringLiteral("coordinates"), QString::fromLatin1(scratch.data(), static_cast<qsizetype>(scratch.size())));
  w.writeEndElement();  // Point
  w.writeEndElement();  // Placemark
}

// The line's coordinates go out in pieces: one text for a million points
// would only cost memory.
void writeLineCoordinates(QXmlStreamWriter& w, const TKmlXXXStorage<TKmlPoint>& points) {
  constexpr std::size_t kPiece = 1 << 16;
  std::string piece;
  piece.reserve(kPiece + 128);
  auto flush = [&] {
    w.writeCharacters(QString::fromLatin1(piece.data(), static_cast<qsizetype>(piece.size())));
    piece.clear();
  };
  w.writeStartElement(QStringLiteral("coordinates"));
  for (const auto& p : points) {
    if (!p->Coordinate) continue;
    const TCoordinate& c = *p->Coordinate;
    piece += textfmt::FloatToStr(c.Longitude);
    piece += ',';
    piece += textfmt::FloatToStr(c.Latitude);
    piece += ',';
    piece += textfmt::FloatToStr(c.Altitude);
    piece += ' ';
    if (piece.size() >= kPiece) flush();
  }
  if (!piece.empty()) flush();
  w.writeEndElement();
}

// Adds the item unless the storage holds one of its Id already.
template <typename T>
T* addUnlessPresent(TKmlXXXStorage<T>& storage, std::unique_ptr<T> item) {
  if (T* present = storage.FindById(item->Id)) return present;
  T* added = item.get();
  storage.Add(std::move(item));
  return added;
}

std::unique_ptr<TStyle> iconStyle(const char* id, std::uint32_t colour, double scale) {
  auto s = std::make_unique<TStyle>();
  s->Id = QLatin1String(id);
  s->IconStyle = std::make_unique<TIconStyle>();
  s->IconStyle->Color = colour;
  s->IconStyle->Scale = scale;
  s->IconStyle->Href = kKmlDonutIconHref;
  return s;
}

}  // namespace

TKmlDocument::~TKmlDocument() {
  Points.Clear();
  StyleMaps.Clear();
  Styles.Clear();
}

bool TKmlDocument::WriteXml(QXmlStreamWriter* w) const {
  if (!w) return false;
  w->writeStartElement(QStringLiteral("Document"));
  w->writeTextElement(QStringLiteral("name"), Name);
  w->writeTextElement(QStringLiteral("Snippet"), Snippet);
  for (const auto& s : Styles) writeStyle(*w, *s);
  for (const auto& m : StyleMaps) writeStyleMap(*w, *m);
  if (!Points.Empty()) {
    w->writeStartElement(QStringLiteral("Folder"));
    w->writeTextElement(QStringLiteral("name"), QStringLiteral("Waypoints"));
    std::string scratch;
    scratch.reserve(256);
    for (const auto& p : Points)
      if (p->Coordinate) writePointPlacemark(*w, *p, scratch);
    w->writeEndElement();

    w->writeStartElement(QStringLiteral("Folder"));
    w->writeTextElement(QStringLiteral("name"), QStringLiteral("Track"));
    w->writeStartElement(QStringLiteral("Placemark"));
    w->writeTextElement(QStringLiteral("name"), QStringLiteral("Track"));
    w->writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#Track"));
    w->writeStartElement(QStringLiteral("LineString"));
    writeLineCoordinates(*w, Points);
    w->writeEndElement();  // LineString
    w->writeEndElement();  // Placemark
    w->writeEndElement();  // Folder
  }
  w->writeEndElement();  // Document
  return true;
}

bool TKml::SaveToFile(const QString& path) const {
  TextFile file(path);
  if (!file.Open()) return false;
  QXmlStreamWriter w(file.Device());
  w.setAutoFormatting(true);
  w.setAutoFormattingIndent(2);
  w.writeStartDocument(QStringLiteral("1.0"));
  w.writeStartElement(QStringLiteral("kml"));
  w.writeDefaultNamespace(kKmlNamespace);
  w.writeStartElement(QStringLiteral("Folder"));
  for (const auto& d : Documents) d->WriteXml(&w);
  w.writeEndElement();  // Folder
  w.writeEndElement();  // kml
  w.writeEndDocument();
  return !w.hasError() && file.Commit();
}

std::unique_ptr<TKmlDocument> MakeTrackDocument(const TTrackList& track, std::size_t number) {
  auto doc = std::make_unique<TKmlDocument>();
  doc->Name = QStringLiteral("Trevik AP Track#") + QString::number(number);
  const std::uint32_t colour = MakeOpaqueColor(track.Color);

  const TStyle* normal = addUnlessPresent(doc->Styles, iconStyle("normal", colour, 0.4));
  const TStyle* highlight = addUnlessPresent(doc->Styles, iconStyle("highlight", colour, 1.0));
  auto map = std::make_unique<TStyleMap>();
  map->Id = QStringLiteral("Waypoints");
  map->Normal = normal;
  map->Highlight = highlight;
  const TStyleMap* waypoints = addUnlessPresent(doc->StyleMaps, std::move(map));
  auto line = std::make_unique<TStyle>();
  line->Id = QStringLiteral("Track");
  line->LineStyle = std::make_unique<TLineStyle>();
  line->LineStyle->Color = colour;
  line->LineStyle->Width = 2.0;
  addUnlessPresent(doc->Styles, std::move(line));

  doc->Points.Reserve(track.Count());
  for (const sFile_TrkEntry& e : track.Points()) {
    auto p = std::make_unique<TKmlPoint>();
    p->Coordinate = coordinateOf(e);
    p->StyleMap = waypoints;
    // Time 0 means unknown, as in the GPX export.
    if (e.Time != 0) p->Time = GpxTimeText(e.Time).toStdString();
    doc->Points.Add(std::move(p));
  }
  return doc;
}

namespace {

// The streaming export writes the same bytes as TKml::SaveToFile does for
// the model of MakeTrackDocument (QXmlStreamWriter with two blanks of
// indentation), without an object per point.
template <std::size_t N>
std::string_view lit(const char (&s)[N]) {
  return std::string_view(s, N - 1);
}

void writeTrackHead(TextFile& file, std::size_t number, std::uint32_t colour) {
  char c[8];
  {
    static const char digits[] = "0123456789ABCDEF";
    std::uint32_t v = colour;
    for (int i = 7; i >= 0; --i, v >>= 4) c[i] = digits[v & 0xF];
  }
  const std::string_view colourText(c, 8);
  file.Append(lit("    <Document>\n      <name>Trevik AP Track#"));
  file.Append(std::to_string(number));
  file.Append(lit("</name>\n      <Snippet></Snippet>\n"));
  for (const char* style : {"normal\">\n        <IconStyle>\n          <color>",
                            "highlight\">\n        <IconStyle>\n          <color>"}) {
    file.Append(lit("      <Style id=\""));
    file.Append(style);
    file.Append(colourText);
    file.Append(lit("</color>\n          <scale>"));
    file.Append(style[0] == 'n' ? lit("0.4") : lit("1"));
    file.Append(lit("</scale>\n          <Icon>\n            <href>"));
    file.Append(kKmlDonutIconHref);
    file.Append(lit("</href>\n          </Icon>\n        </IconStyle>\n      </Style>\n"));
  }
  file.Append(lit("      <Style id=\"Track\">\n        <LineStyle>\n          <color>"));
  file.Append(colourText);
  file.Append(lit("</color>\n          <width>2</width>\n        </LineStyle>\n      </Style>\n"
                  "      <StyleMap id=\"Waypoints\">\n"
                  "        <Pair>\n          <key>normal</key>\n          <styleUrl>#normal</styleUrl>\n        </Pair>\n"
                  "        <Pair>\n          <key>highlight</key>\n          <styleUrl>#highlight</styleUrl>\n"
                  "        </Pair>\n      </StyleMap>\n"));
}

void writePlacemarks(TextFile& file, const TTrackList& track) {
  // Room for the fixed text, two of each number at their longest and times.
  char buf[1024 + 6 * textfmt::kNumberCharsMax];
  char lon[textfmt::kNumberCharsMax], lat[textfmt::kNumberCharsMax], alt[textfmt::kNumberCharsMax];
  char time[20];
  auto put = [](char* at, std::string_view s) { return std::copy(s.begin(), s.end(), at); };
  for (const sFile_TrkEntry& e : track.Points()) {
    const std::optional<TCoordinate> c = coordinateOf(e);
    if (!c) continue;
    const std::string_view lonText(lon, textfmt::FormatFixedChars(lon, c->Longitude, 5) - lon);
    const std::string_view latText(lat, textfmt::FormatFixedChars(lat, c->Latitude, 5) - lat);
    const std::string_view altText(alt, textfmt::FormatFixedChars(alt, c->Altitude, 2) - alt);
    // Time 0 means unknown, as in the GPX export.
    const std::string_view timeText(time, e.Time != 0 ? GpxTimeChars(time, e.Time) - time : 0);
    char* p = buf;
    p = put(p, lit("        <Placemark>\n          <Snippet maxLines=\"0\"/>\n          <description><![CDATA["
                   "<table><tr><td>Longitude:</td><td>"));
    p = put(p, lonText);
    p = put(p, lit("</td></tr><tr><td>Latitude:</td><td>"));
    p = put(p, latText);
    p = put(p, lit("</td></tr><tr><td>Altitude:</td><td>"));
    p = put(p, altText);
    p = put(p, lit("</td></tr><tr><td>Time:</td><td>"));
    p = put(p, timeText);
    p = put(p, lit("</td></tr></table>]]></description>\n"));
    if (!timeText.empty()) {
      p = put(p, lit("          <TimeStamp>\n            <when>"));
      p = put(p, timeText);
      p = put(p, lit("</when>\n          </TimeStamp>\n"));
    }
    p = put(p, lit("          <styleUrl>#Waypoints</styleUrl>\n          <Point>\n            <coordinates>"));
    p = put(p, lonText);
    *p++ = ',';
    p = put(p, latText);
    *p++ = ',';
    p = put(p, altText);
    p = put(p, lit("</coordinates>\n          </Point>\n        </Placemark>\n"));
    file.Append(std::string_view(buf, static_cast<std::size_t>(p - buf)));
  }
}

void writeLine(TextFile& file, const TTrackList& track) {
  file.Append(lit("            <coordinates"));
  bool any = false;
  char buf[4 * textfmt::kNumberCharsMax];
  for (const sFile_TrkEntry& e : track.Points()) {
    const std::optional<TCoordinate> c = coordinateOf(e);
    if (!c) continue;
    char* p = buf;
    if (!any) *p++ = '>';
    any = true;
    p = textfmt::FloatToChars(p, c->Longitude);
    *p++ = ',';
    p = textfmt::FloatToChars(p, c->Latitude);
    *p++ = ',';
    p = textfmt::FloatToChars(p, c->Altitude);
    *p++ = ' ';
    file.Append(std::string_view(buf, static_cast<std::size_t>(p - buf)));
  }
  file.Append(any ? lit("</coordinates>\n") : lit("/>\n"));
}

}  // namespace

int ExportKml(TTrackStorage& store, const QString& path) {
  TextFile file(path);
  if (!file.Open()) return kKmlExportFailed;
  file.Append(lit("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"));
  bool any = false;
  std::size_t i = 0;
  for (TTrackList* track = store.First(); track; track = store.Next(), ++i) {
    if (!store.IsRowChecked(i)) continue;
    if (!any) file.Append(lit("  <Folder>\n"));
    any = true;
    writeTrackHead(file, i, MakeOpaqueColor(track->Color));
    if (track->Count() > 0) {
      file.Append(lit("      <Folder>\n        <name>Waypoints</name>\n"));
      writePlacemarks(file, *track);
      file.Append(lit("      </Folder>\n      <Folder>\n        <name>Track</name>\n        <Placemark>\n"
                      "          <name>Track</name>\n          <styleUrl>#Track</styleUrl>\n"
                      "          <LineString>\n"));
      writeLine(file, *track);
      file.Append(lit("          </LineString>\n        </Placemark>\n      </Folder>\n"));
    }
    file.Append(lit("    </Document>\n"));
  }
  file.Append(any ? lit("  </Folder>\n</kml>\n") : lit("  <Folder/>\n</kml>\n"));
  if (!file.Commit()) return kKmlExportFailed;
  return static_cast<int>(store.Count());
}
