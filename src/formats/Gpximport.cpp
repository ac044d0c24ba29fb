#include "Gpximport.h"

#include "Poistorage.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Utility.h"

#include <QDateTime>
#include <QFile>
#include <QStringDecoder>

#include <expat.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

constexpr size_t kTextCap = 1024;     // longer element texts are not needed
constexpr qint64 kChunk = 1 << 20;    // bytes per parse step and progress update

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimXml(std::string_view s) {
  while (!s.empty() && isXmlSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isXmlSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Element names compare in lower case (ASCII).
bool nameIs(const char* name, const char* lower) {
  for (; *lower; ++name, ++lower) {
    char c = *name;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != *lower) return false;
  }
  return *name == 0;
}

// Attribute names compare exactly; missing or unreadable numbers give 0.
double numberAttr(const char** atts, const char* name) {
  for (int i = 0; atts[i]; i += 2) {
    if (std::strcmp(atts[i], name) == 0) {
      double v = 0;
      return textfmt::TryStrToFloat(trimXml(atts[i + 1]), v) ? v : 0.0;
    }
  }
  return 0;
}

// Year, month, day, hour, minute and second at the fixed positions of
// "yyyy-mm-ddThh:nn:ss" (anything after them is ignored); false unless all six
// are digits that form a valid date and time.
bool readIsoFields(std::string_view t, int (&f)[6]) {
  if (t.size() < 19) return false;
  static constexpr size_t pos[6] = {0, 5, 8, 11, 14, 17};
  static constexpr size_t len[6] = {4, 2, 2, 2, 2, 2};
  for (int i = 0; i < 6; ++i) {
    f[i] = 0;
    for (size_t k = pos[i]; k < pos[i] + len[i]; ++k) {
      if (t[k] < '0' || t[k] > '9') return false;
      f[i] = f[i] * 10 + (t[k] - '0');
    }
  }
  return textfmt::IsValidDate(f[0], f[1], f[2]) && textfmt::IsValidTime(f[3], f[4], f[5], 0);
}

// A point's time: the common full form directly, anything else (a date
// alone, junk) by the shared parser; 0 when it cannot be read.
double pointTime(std::string_view t) {
  if (t.empty()) return 0;
  int f[6];
  double dt = 0;
  if (readIsoFields(t, f) && textfmt::TryEncodeDateTime({f[0], f[1], f[2], f[3], f[4], f[5], 0}, dt)) return dt;
  try {
    dt = ParseIsoDateTime(QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size())));
  } catch (const std::exception&) {
    return 0;
  }
  return std::isfinite(dt) ? dt : 0;
}

enum class Where {
  Outside,   // not yet in the root, or in a subtree that is skipped
  Root,
  Wpt,
  Trk,
  TrkSeg,
  Rte,
  Point,     // trkpt or rtept
};

enum class Capture { None, Name, Time, Sym, Ele };

struct Frame {
  Where where;
  Capture capture = Capture::None;
};

class Parser {
 public:
  explicit Parser(GpxImportResult& out) : out_(out) {}

  void Start(const char* name, const char** atts) {
    Where parent = stack_.empty() ? Where::Outside : stack_.back().where;
    if (capture_ != Capture::None) textOnly_ = false;  // an element inside a text element
    Frame f{Where::Outside};
    if (stack_.empty()) {
      f.where = Where::Root;  // any root element is read
    } else if (skipDepth_ == 0) {
      switch (parent) {
        case Where::Root:
          if (nameIs(name, "wpt")) {
            f.where = Where::Wpt;
            StartWaypoint(atts);
          } else if (nameIs(name, "trk")) {
            f.where = Where::Trk;
            StartTrack(++out_.TrkCount);
          } else if (nameIs(name, "rte")) {
            f.where = Where::Rte;
            StartTrack(++out_.RteCount);
          }
          break;
        case Where::Wpt:
          if (nameIs(name, "time")) f.capture = Capture::Time;
          else if (nameIs(name, "sym")) f.capture = Capture::Sym;
          break;
        case Where::Trk:
          if (nameIs(name, "name")) f.capture = Capture::Name;
          else if (nameIs(name, "trkseg")) f.where = Where::TrkSeg;
          break;
        case Where::TrkSeg:
          if (nameIs(name, "trkpt")) {
            f.where = Where::Point;
            StartPoint(atts);
          }
          break;
        case Where::Rte:
          if (nameIs(name, "name")) f.capture = Capture::Name;
          else if (nameIs(name, "rtept")) {
            f.where = Where::Point;
            StartPoint(atts);
          }
          break;
        case Where::Point:
          if (nameIs(name, "ele")) f.capture = Capture::Ele;
          else if (nameIs(name, "time")) f.capture = Capture::Time;
          break;
        case Where::Outside:
          break;
      }
    }
    if (f.capture != Capture::None) {
      capture_ = f.capture;
      text_.clear();
      textOnly_ = true;
      textTooLong_ = false;
      captureDepth_ = stack_.size() + 1;
    } else if (f.where == Where::Outside && !stack_.empty()) {
      ++skipDepth_;
    }
    stack_.push_back(f);
  }

  void End() {
    Frame f = stack_.back();
    stack_.pop_back();
    if (f.capture != Capture::None) {
      EndCapture(f.capture);
      capture_ = Capture::None;
      return;
    }
    switch (f.where) {
      case Where::Outside:
        if (skipDepth_ > 0) --skipDepth_;
        break;
      case Where::Wpt:
        EndWaypoint();
        break;
      case Where::Trk:
        EndTrack("TrackImport (", out_.TrkCount);
        break;
      case Where::Rte:
        EndTrack("RouteImport (", out_.RteCount);
        break;
      case Where::Point:
        EndPoint();
        break;
      default:
        break;
    }
  }

  void Text(const char* s, int len) {
    if (capture_ == Capture::None || stack_.size() != captureDepth_) return;
    std::string_view v(s, static_cast<size_t>(len));
    if (text_.empty())
      while (!v.empty() && isXmlSpace(v.front())) v.remove_prefix(1);
    if (text_.size() + v.size() > kTextCap) {
      textTooLong_ = true;
      v = v.substr(0, kTextCap - text_.size());
    }
    text_.append(v);
  }

 private:
  void StartWaypoint(const char** atts) {
    wpt_ = GpxImportWaypoint{};
    wpt_.Latitude = numberAttr(atts, "lat");
    wpt_.Longitude = numberAttr(atts, "lon");
    wptTime_.clear();
  }

  void EndWaypoint() {
    ReadWaypointTime();
    ++out_.WptCount;
    out_.Waypoints.push_back(wpt_);
  }

  // A text without a readable, valid date and time of day counts as missing.
  void ReadWaypointTime() {
    int f[6];
    if (!readIsoFields(trimXml(wptTime_), f)) return;
    wpt_.HasTime = true;
    wpt_.Year = f[0];
    wpt_.Month = f[1];
    wpt_.Day = f[2];
    wpt_.Hour = f[3];
    wpt_.Minute = f[4];
    wpt_.Second = f[5];
  }

  void StartTrack(int) {
    track_ = std::make_unique<TTrackList>();
    trackName_.clear();
    distanceKm_ = 0;
    prevLat_ = prevLon_ = 0;
  }

  void EndTrack(const char* defaultPrefix, int counter) {
    track_->Distance = distanceKm_ * 1000;
    track_->SetName(!trackName_.isEmpty()
                        ? trackName_
                        : QLatin1String(defaultPrefix) + QString::number(counter) + QLatin1Char(')'));
    out_.Tracks.push_back(std::move(track_));
  }

  void StartPoint(const char** atts) {
    point_ = sFile_TrkEntry{};
    point_.Latitude = numberAttr(atts, "lat");
    point_.Longitude = numberAttr(atts, "lon");
    if (prevLat_ != 0 && prevLon_ != 0)
      distanceKm_ += ComputeHaversineDistance(point_.Longitude, point_.Latitude, prevLon_, prevLat_);
    prevLat_ = point_.Latitude;
    prevLon_ = point_.Longitude;
    pointTime_.clear();
  }

  void EndPoint() {
    point_.Time = pointTime(trimXml(pointTime_));
    track_->AddPoint(point_, false);
  }

  void EndCapture(Capture c) {
    std::string value = textOnly_ ? text_ : std::string();
    bool tooLong = textTooLong_;
    textTooLong_ = false;
    switch (c) {
      case Capture::Name:
        trackName_ = QString::fromUtf8(trimXml(value).data(), static_cast<qsizetype>(trimXml(value).size()));
        break;
      case Capture::Time:
        (stack_.back().where == Where::Wpt ? wptTime_ : pointTime_) = value;
        break;
      case Capture::Sym: {
        // "POI" and an icon number; anything else leaves icon 3.
        std::string_view s = trimXml(value);
        if (s.size() > 3 && s.substr(0, 3) == "POI") {
          int icon = 0;
          wpt_.Icon = textfmt::TryStrToInt(s.substr(3), icon) ? icon : 3;
        }
        break;
      }
      case Capture::Ele: {
        double v = 0;
        point_.Altitude = !tooLong && textfmt::TryStrToFloat(trimXml(value), v) ? v : 0.0;
        break;
      }
      case Capture::None:
        break;
    }
  }

  GpxImportResult& out_;
  std::vector<Frame> stack_;
  size_t skipDepth_ = 0;

  Capture capture_ = Capture::None;
  size_t captureDepth_ = 0;
  std::string text_;
  bool textOnly_ = true;
  bool textTooLong_ = false;

  GpxImportWaypoint wpt_;
  std::string wptTime_;
  std::unique_ptr<TTrackList> track_;
  QString trackName_;
  double distanceKm_ = 0;
  double prevLat_ = 0, prevLon_ = 0;
  sFile_TrkEntry point_;
  std::string pointTime_;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** atts) {
  static_cast<Parser*>(data)->Start(name, atts);
}
void XMLCALL onEnd(void* data, const XML_Char*) { static_cast<Parser*>(data)->End(); }
void XMLCALL onText(void* data, const XML_Char* s, int len) { static_cast<Parser*>(data)->Text(s, len); }

// The encoding named in the XML declaration at the start of the bytes, in
// lower case; empty when there is none (or a byte-order mark decides).
std::string declaredEncoding(QByteArrayView head) {
  if (!head.startsWith("<?xml")) return {};
  qsizetype end = head.indexOf("?>");
  if (end < 0) return {};
  QByteArrayView decl = head.first(end);
  qsizetype at = decl.indexOf("encoding");
  if (at < 0) return {};
  qsizetype i = at + 8;
  while (i < decl.size() && isXmlSpace(decl[i])) ++i;
  if (i >= decl.size() || decl[i] != '=') return {};
  ++i;
  while (i < decl.size() && isXmlSpace(decl[i])) ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
  char quote = decl[i++];
  std::string name;
  for (; i < decl.size() && decl[i] != quote; ++i) {
    char c = decl[i];
    name.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return name;
}

// Encodings that expat reads itself; any other one is converted to UTF-8
// on the way in.
bool expatReads(const std::string& encoding) {
  return encoding.empty() || encoding == "utf-8" || encoding == "utf-16" || encoding == "iso-8859-1" ||
         encoding == "us-ascii";
}

struct ParserFree {
  void operator()(XML_ParserStruct* p) const { XML_ParserFree(p); }
};

}  // namespace

GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw GpxImportError("cannot open " + path.toStdString() + ": " + file.errorString().toStdString());
  const qint64 total = file.size();

  // The window shows while the file is read and goes away however it ends.
  struct Window {
    GpxImportProgress* p;
    explicit Window(GpxImportProgress* w) : p(w) {
      if (p) {
        p->Show();
        p->ProcessEvents();
      }
    }
    ~Window() {
      if (p) {
        p->Hide();
        p->ProcessEvents();
      }
    }
  } window(progress);

  GpxImportResult result;
  Parser parser(result);
  QByteArray chunk = file.read(kChunk);
  if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
    throw GpxImportError("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
  const std::string encoding = declaredEncoding(chunk);
  std::optional<QStringDecoder> transcoder;
  if (!expatReads(encoding)) {
    transcoder.emplace(encoding.c_str());
    if (!transcoder->isValid()) throw GpxImportError(path.toStdString() + ": unsupported encoding " + encoding);
  }

  // With a transcoder the parser reads UTF-8 whatever the declaration says.
  std::unique_ptr<XML_ParserStruct, ParserFree> xml(XML_ParserCreate(transcoder ? "UTF-8" : nullptr));
  if (!xml) throw GpxImportError("out of memory");
  XML_SetUserData(xml.get(), &parser);
  XML_SetElementHandler(xml.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(xml.get(), onText);

  auto fail = [&](const std::string& why) {
    throw GpxImportError(path.toStdString() + ":" + std::to_string(XML_GetCurrentLineNumber(xml.get())) + ":" +
                         std::to_string(XML_GetCurrentColumnNumber(xml.get())) + ": " + why);
  };
  qint64 done = 0;
  for (;;) {
    const bool last = chunk.isEmpty();
    QByteArray utf8;
    if (transcoder) {
      utf8 = QString(transcoder->decode(chunk)).toUtf8();
      if (transcoder->hasError()) fail("text that is not " + encoding);
    }
    const QByteArray& bytes = transcoder ? utf8 : chunk;
    if (XML_Parse(xml.get(), bytes.constData(), static_cast<int>(bytes.size()), last) != XML_STATUS_OK)
      fail(XML_ErrorString(XML_GetErrorCode(xml.get())));
    done += chunk.size();
    if (progress) {
      progress->Update(result.WptCount, result.TrkCount, result.RteCount, done, total);
      progress->ProcessEvents();
    }
    if (last) break;
    chunk = file.read(kChunk);
    if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
      throw GpxImportError("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
  }
  return result;
}

GpxImportResult::GpxImportResult() = default;
GpxImportResult::GpxImportResult(GpxImportResult&&) noexcept = default;
GpxImportResult::~GpxImportResult() = default;

namespace {

// Local calendar fields <-> seconds on a plain count, for stepping a
// waypoint's time by whole seconds.
std::int64_t toSeconds(const GpxImportWaypoint& w) {
  return textfmt::DaysFromCivil(w.Year, w.Month, w.Day) * 86400 + w.Hour * 3600 + w.Minute * 60 + w.Second;
}

void fromSeconds(std::int64_t t, sUserPOI& p) {
  std::int64_t days = t >= 0 ? t / 86400 : (t - 86399) / 86400;
  std::int64_t secs = t - days * 86400;
  int y = 0, mo = 0, d = 0;
  textfmt::CivilFromDays(days, y, mo, d);
  p.Year = static_cast<std::uint16_t>(y);
  p.Month = static_cast<std::uint8_t>(mo);
  p.Day = static_cast<std::uint8_t>(d);
  p.Hour = static_cast<std::uint8_t>(secs / 3600);
  p.Minute = static_cast<std::uint8_t>(secs / 60 % 60);
  p.Second = static_cast<std::uint8_t>(secs % 60);
  const QChar zero(QLatin1Char('0'));
  const QString name = QStringLiteral("%1/%2/%3 %4:%5:%6")
                           .arg(p.Year, 4, 10, zero)
                           .arg(p.Month, 2, 10, zero)
                           .arg(p.Day, 2, 10, zero)
                           .arg(p.Hour, 2, 10, zero)
                           .arg(p.Minute, 2, 10, zero)
                           .arg(p.Second, 2, 10, zero);
  p.SetName(name.toStdString());
}

}  // namespace

void AddImportedWaypoints(const std::vector<GpxImportWaypoint>& waypoints, TPoiStorage& pois) {
  GpxImportWaypoint now;
  const QDateTime clock = QDateTime::currentDateTime();
  now.Year = clock.date().year();
  now.Month = clock.date().month();
  now.Day = clock.date().day();
  now.Hour = clock.time().hour();
  now.Minute = clock.time().minute();
  now.Second = clock.time().second();

  // Where the search for a free name goes on, per original time: every name
  // before it is known to be taken.
  std::unordered_map<std::int64_t, std::int64_t> nextFree;
  for (const GpxImportWaypoint& w : waypoints) {
    if (w.Icon < 0 || w.Icon > 255) continue;  // no icon of the store has such a number
    const std::int64_t wanted = toSeconds(w.HasTime ? w : now);
    auto hint = nextFree.find(wanted);
    std::int64_t t = hint != nextFree.end() ? hint->second : wanted;
    auto poi = std::make_unique<sUserPOI>();
    for (;; ++t) {
      fromSeconds(t, *poi);
      if (!pois.FindByName(poi->Name)) break;
    }
    poi->Icon = static_cast<std::uint8_t>(w.Icon);
    poi->Latitude = w.Latitude;
    poi->Longitude = w.Longitude;
    // Only a waypoint the store took holds its name.
    if (pois.Add(poi.get())) {
      poi.release();
      nextFree[wanted] = t + 1;
    }
  }
}

bool ImportGpx(const QString& path, TTrackStorage& tracks, TPoiStorage& pois, GpxImportProgress* progress) {
  GpxImportResult result = ParseGpxFile(path, progress);
  tracks.Clear();
  for (auto& t : result.Tracks) tracks.AddTrack(std::move(t));
  AddImportedWaypoints(result.Waypoints, pois);
  return result.TrkCount > 0 || result.RteCount > 0;
}
