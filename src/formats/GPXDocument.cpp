#include "GPXDocument.h"

#include "Folders.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

const QString kGpxNamespace = QStringLiteral("http://www.topografix.com/GPX/1/1");
const QString kXsiNamespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// Characters that XML 1.0 cannot carry (controls, lone surrogates, U+FFFE,
// U+FFFF) become U+FFFD: the stream writer would otherwise drop them and
// stop producing well-formed output.
QString xmlSafe(const QString& s) {
  auto allowed = [](char16_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c < 0xD800) || (c > 0xDFFF && c < 0xFFFE);
  };
  qsizetype i = 0;
  const qsizetype n = s.size();
  while (i < n && allowed(s[i].unicode())) ++i;
  if (i == n) return s;
  QString out = s.left(i);
  out.reserve(n);
  for (; i < n; ++i) {
    char16_t c = s[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
      out += s[i];
      out += s[++i];
    } else {
      out += allowed(c) ? s[i] : QChar(0xFFFD);
    }
  }
  return out;
}

}  // namespace

// Writes elements each on a line of its own (CR LF), indented by two blanks
// per level below the root; a text element keeps its text on its line. The
// XML goes into a text buffer that is handed to the file in large UTF-8
// pieces.
class GpxXmlOut {
 public:
  GpxXmlOut(QXmlStreamWriter& w, QString& buffer, QSaveFile& file)
      : w_(w), buffer_(buffer), file_(file), behind_(file) {}

  void Open(const QString& name) {
    NewLine();
    w_.writeStartElement(name);
    childStack_.push_back(false);
  }
  void Close() {
    bool hadChildren = childStack_.back();
    childStack_.pop_back();
    if (hadChildren) w_.writeCharacters(Indent(Depth()));
    w_.writeEndElement();
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Attr(const QString& name, const QString& value) { w_.writeAttribute(name, xmlSafe(value)); }
  void Attr(const QString& name, double value) { w_.writeAttribute(name, GpxNumberText(value)); }
  // A text element, only when the text is not empty.
  void Text(const QString& name, const QString& value) {
    if (!value.isEmpty()) TextAlways(name, value);
  }
  void TextAlways(const QString& name, const QString& value) {
    NewLine();
    w_.writeTextElement(name, xmlSafe(value));
  }
  void Number(const QString& name, double value) { TextAlways(name, GpxNumberText(value)); }
  void Time(const QString& name, double dt) {
    QString t = GpxTimeText(dt);
    if (!t.isEmpty()) TextAlways(name, t);
  }
  void LineEnd() { w_.writeCharacters(Indent(0)); }

  // The points of a track as the trkpt children of the open element,
  // written straight into the file: what writePoint gives for a point with
  // Lat, Lon, Ele and Time set.
  void TrackPoints(const TTrackList& track) {
    if (track.Count() == 0) return;
    childStack_.back() = true;
    w_.writeCharacters(QString());  // ends the start tag
    Flush();
    const QByteArray open = (Indent(Depth()) + QStringLiteral("<trkpt lat=\"")).toLatin1();
    const QByteArray child = Indent(Depth() + 1).toLatin1();
    const QByteArray close = (Indent(Depth()) + QStringLiteral("</trkpt>")).toLatin1();
    // Room for a piece and one more point at its longest.
    std::unique_ptr<char[]> buf(new char[kFlushAt + 4 * textfmt::kNumberCharsMax + 4 * open.size()]);
    char* const start = buf.get();
    char* w = start;
    auto put = [&](const char* s, std::size_t n) {
      std::memcpy(w, s, n);
      w += n;
    };
    auto putBytes = [&](const QByteArray& s) { put(s.constData(), static_cast<std::size_t>(s.size())); };
    for (const sFile_TrkEntry& p : track.Points()) {
      putBytes(open);
      w = textfmt::FloatToDecimalChars(w, p.Latitude);
      put("\" lon=\"", 7);
      w = textfmt::FloatToDecimalChars(w, p.Longitude);
      put("\">", 2);
      putBytes(child);
      put("<ele>", 5);
      w = textfmt::FloatToDecimalChars(w, p.Altitude);
      put("</ele>", 6);
      // A point of unknown time (0) carries no time element.
      if (p.Time != 0) {
        char time[20];
        if (char* end = GpxTimeChars(time, p.Time); end != time) {
          putBytes(child);
          put("<time>", 6);
          put(time, static_cast<std::size_t>(end - time));
          put("</time>", 7);
        }
      }
      putBytes(close);
      if (w - start >= kFlushAt) {
        WriteBytes(start, w);
        w = start;
      }
    }
    WriteBytes(start, w);
  }

  // False once a write to the file failed.
  bool Flush() {
    if (!buffer_.isEmpty()) {
      QByteArray bytes = buffer_.toUtf8();
      ok_ = ok_ && file_.write(bytes) == bytes.size() && behind_.Wrote(bytes.size());
      buffer_.truncate(0);
    }
    return ok_ && !w_.hasError();
  }

 private:
  void WriteBytes(const char* begin, const char* end) {
    const qint64 n = end - begin;
    ok_ = ok_ && file_.write(begin, n) == n && behind_.Wrote(n);
  }

  static constexpr qsizetype kFlushAt = 1 << 18;

  int Depth() const { return static_cast<int>(childStack_.size()); }
  // CR LF and the blanks of a nesting level.
  const QString& Indent(int depth) {
    while (static_cast<int>(indents_.size()) <= depth)
      indents_.push_back(QStringLiteral("\r\n") + QString(2 * static_cast<int>(indents_.size()), QLatin1Char(' ')));
    return indents_[static_cast<size_t>(depth)];
  }
  void NewLine() {
    if (!childStack_.empty()) childStack_.back() = true;
    w_.writeCharacters(Indent(Depth()));
  }

  QXmlStreamWriter& w_;
  QString& buffer_;
  QIODevice& file_;
  folders::WriteBehind behind_;
  bool ok_ = true;
  std::vector<bool> childStack_;
  std::vector<QString> indents_;
};

QString GpxNumberText(double v) { return QString::fromLatin1(textfmt::FloatToDecimalStr(v)); }

QString XmlSafeText(const QString& s) { return xmlSafe(s); }

char* GpxTimeChars(char* buf, double dt) {
  static const double kFirst = [] {
    double d = 0;
    textfmt::TryEncodeDate(1, 1, 1, d);
    return d;
  }();
  static const double kEnd = [] {
    double d = 0;
    textfmt::TryEncodeDate(9999, 12, 31, d);
    return d + 1;
  }();
  if (!std::isfinite(dt) || dt < kFirst || dt >= kEnd) return buf;
  textfmt::DateTimeParts p = textfmt::DecodeDateTime(dt);
  if (p.year > 9999) return buf;
  auto two = [](char* at, int v) {
    at[0] = static_cast<char>('0' + v / 10);
    at[1] = static_cast<char>('0' + v % 10);
  };
  buf[0] = static_cast<char>('0' + p.year / 1000);
  buf[1] = static_cast<char>('0' + p.year / 100 % 10);
  two(buf + 2, p.year % 100);
  buf[4] = '-';
  two(buf + 5, p.month);
  buf[7] = '-';
  two(buf + 8, p.day);
  buf[10] = 'T';
  two(buf + 11, p.hour);
  buf[13] = ':';
  two(buf + 14, p.minute);
  buf[16] = ':';
  two(buf + 17, p.second);
  buf[19] = 'Z';
  return buf + 20;
}

QString GpxTimeText(double dt) {
  char buf[20];
  return QString::fromLatin1(buf, GpxTimeChars(buf, dt) - buf);
}

TGPXDocument::TGPXDocument() {
  Gpx.Version = QStringLiteral("1.1");
  Gpx.Creator = QStringLiteral("Kartovex");
}

namespace {

void writeLink(GpxXmlOut& out, const LinkType& link) {
  out.Open(QStringLiteral("link"));
  out.Attr(QStringLiteral("href"), link.Href);
  out.Text(QStringLiteral("text"), link.Text);
  out.Text(QStringLiteral("type"), link.Type);
  out.Close();
}

void writePoint(GpxXmlOut& out, const QString& tag, const WptType& p) {
  out.Open(tag);
  out.Attr(QStringLiteral("lat"), p.Lat);
  out.Attr(QStringLiteral("lon"), p.Lon);
  if (p.HasEle) out.Number(QStringLiteral("ele"), p.Ele);
  // A point of unknown time (0) carries no time element.
  if (p.HasTime && p.Time != 0) out.Time(QStringLiteral("time"), p.Time);
  if (p.HasMagVar) out.Number(QStringLiteral("magvar"), p.MagVar);
  if (p.GeoidHeight != 0) out.Number(QStringLiteral("geoidheight"), p.GeoidHeight);
  out.Text(QStringLiteral("name"), p.Name);
  out.Text(QStringLiteral("cmt"), p.Cmt);
  out.Text(QStringLiteral("desc"), p.Desc);
  out.Text(QStringLiteral("src"), p.Src);
  for (const LinkType& l : p.Link) writeLink(out, l);
  out.Text(QStringLiteral("sym"), p.Sym);
  out.Text(QStringLiteral("type"), p.Type);
  out.Text(QStringLiteral("sat"), p.Sat);
  if (p.HasHdop) out.Number(QStringLiteral("hdop"), p.Hdop);
  if (p.HasVdop) out.Number(QStringLiteral("vdop"), p.Vdop);
  if (p.HasPdop) out.Number(QStringLiteral("pdop"), p.Pdop);
  if (p.HasAgeOfDgpsData) out.Number(QStringLiteral("ageofdgpsdata"), p.AgeOfDgpsData);
  out.Text(QStringLiteral("dgpsid"), p.DgpsId);
  out.Close();
}

// The head that rte and trk share.
template <typename T>
void writeRouteHead(GpxXmlOut& out, const T& r) {
  out.Text(QStringLiteral("name"), r.Name);
  out.Text(QStringLiteral("cmt"), r.Cmt);
  out.Text(QStringLiteral("desc"), r.Desc);
  out.Text(QStringLiteral("src"), r.Src);
  for (const LinkType& l : r.Link) writeLink(out, l);
  out.Text(QStringLiteral("number"), r.Number);
  out.Text(QStringLiteral("type"), r.Type);
}

}  // namespace

void TGPXDocument::WriteGpx(const GPXType& gpx, GpxXmlOut& out) {
  const MetadataType& m = gpx.Metadata;
  out.Open(QStringLiteral("metadata"));
  out.TextAlways(QStringLiteral("name"), QStringLiteral("Kartovex track export"));
  out.Text(QStringLiteral("desc"), m.Desc);
  if (m.HasAuthor) {
    out.Open(QStringLiteral("author"));
    out.Text(QStringLiteral("name"), m.Author.Name);
    if (m.Author.HasEmail) {
      out.Open(QStringLiteral("email"));
      out.Attr(QStringLiteral("id"), m.Author.Email.Id);
      out.Attr(QStringLiteral("domain"), m.Author.Email.Domain);
      out.Close();
    }
    if (m.Author.HasLink) writeLink(out, m.Author.Link);
    out.Close();
  }
  if (m.HasCopyright) {
    out.Open(QStringLiteral("copyright"));
    out.Attr(QStringLiteral("author"), m.Copyright.Author);
    out.Text(QStringLiteral("year"), m.Copyright.Year);
    out.Text(QStringLiteral("license"), m.Copyright.License);
    out.Close();
  }
  for (const LinkType& l : m.Link) writeLink(out, l);
  if (m.HasTime) out.Time(QStringLiteral("time"), m.Time);
  out.Text(QStringLiteral("keywords"), m.Keywords);
  if (m.HasBounds) {
    out.Open(QStringLiteral("bounds"));
    out.Attr(QStringLiteral("minlat"), m.MinLat);
    out.Attr(QStringLiteral("minlon"), m.MinLon);
    out.Attr(QStringLiteral("maxlat"), m.MaxLat);
    out.Attr(QStringLiteral("maxlon"), m.MaxLon);
    out.Close();
  }
  out.Close();

  for (const WptType& w : gpx.Wpt) writePoint(out, QStringLiteral("wpt"), w);
  for (const RteType& r : gpx.Rte) {
    out.Open(QStringLiteral("rte"));
    writeRouteHead(out, r);
    for (const WptType& p : r.RtePt) writePoint(out, QStringLiteral("rtept"), p);
    out.Close();
  }
  for (const TrkType& t : gpx.Trk) {
    out.Open(QStringLiteral("trk"));
    writeRouteHead(out, t);
    for (const TrksegType& seg : t.TrkSeg) {
      out.Open(QStringLiteral("trkseg"));
      for (const WptType& p : seg.TrkPt) writePoint(out, QStringLiteral("trkpt"), p);
      out.Close();
    }
    out.Close();
  }
}

namespace {

// Writes the document, then one trk per track of the list, its points
// streamed from the store.
bool saveGpx(const QString& path, const GPXType& gpx, const std::vector<const TTrackList*>& tracks) {
  QSaveFile file(path);
  if (!folders::OpenSaveFile(file)) return false;
  const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";
  if (file.write(declaration) != declaration.size()) return false;
  QString buffer;
  QXmlStreamWriter w(&buffer);
  GpxXmlOut out(w, buffer, file);
  out.Open(QStringLiteral("gpx"));
  w.writeAttribute(QStringLiteral("xmlns"), kGpxNamespace);
  w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
  w.writeAttribute(QStringLiteral("creator"), QStringLiteral("Kartovex"));
  w.writeAttribute(QStringLiteral("xmlns:xsi"), kXsiNamespace);
  w.writeAttribute(QStringLiteral("xsi:schemaLocation"),
                   kGpxNamespace + QLatin1Char(' ') + kGpxNamespace + QStringLiteral("/gpx.xsd"));
  TGPXDocument::WriteGpx(gpx, out);
  for (const TTrackList* track : tracks) {
    out.Open(QStringLiteral("trk"));
    out.Text(QStringLiteral("name"), track->Name());
    out.Open(QStringLiteral("trkseg"));
    out.TrackPoints(*track);
    out.Close();
    out.Close();
  }
  out.Close();
  out.LineEnd();
  if (!out.Flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

bool TGPXDocument::SaveToFile(const QString& path) const { return saveGpx(path, Gpx, {}); }

void TGPXDocument::FromTracks(TTrackStorage& store) { AddTracks(store, Gpx); }

void TGPXDocument::AddTracks(TTrackStorage& store, GPXType& gpx) {
  std::size_t row = 0;
  for (TTrackList* track = store.First(); track; track = store.Next(), ++row) {
    if (!store.IsRowChecked(row)) continue;
    TrkType trk;
    trk.Name = track->Name();
    TrksegType& seg = trk.TrkSeg.emplace_back();
    seg.TrkPt.reserve(track->Count());
    for (const sFile_TrkEntry& p : track->Points()) {
      WptType& w = seg.TrkPt.emplace_back();
      w.Lat = p.Latitude;
      w.Lon = p.Longitude;
      w.Ele = p.Altitude;
      w.HasEle = true;
      w.Time = p.Time;
      w.HasTime = true;
    }
    gpx.Trk.push_back(std::move(trk));
  }
}

// The same file as FromTracks and SaveToFile give, without a WptType per
// point: the checked tracks' points go straight from the store to the file.
int ExportGpx(TTrackStorage& store, const QString& path) {
  std::vector<const TTrackList*> checked;
  std::size_t row = 0;
  for (TTrackList* track = store.First(); track; track = store.Next(), ++row)
    if (store.IsRowChecked(row)) checked.push_back(track);
  if (!saveGpx(path, TGPXDocument().Gpx, checked)) return kGpxExportFailed;
  return static_cast<int>(store.Count());
}
