#include "Gpximport.h"

#include "Folders.h"
#include "Poistorage.h"
#include "Textfmt.h"
#include "Trackstorage.h"
#include "Utility.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <expat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

// The texts of a failed import, for the user (the caller names the file).
QString translated(const char* text) { return QCoreApplication::translate("GpxImport", text); }

[[noreturn]] void fail(const QString& why) { throw GpxImportError(why.toStdString()); }

// Why the file cannot be read, after a failed open or read.
[[noreturn]] void failToRead(const QString& path) { fail(folders::WhyNotReadable(path)); }

// expat's error at a place of the file, as a whole sentence: the errors a
// user meets are the program's own texts, any other is expat's.
QString xmlError(XML_Error code, unsigned long line, unsigned long column) {
  const char* text = nullptr;
  switch (code) {
    case XML_ERROR_SYNTAX:
    case XML_ERROR_INVALID_TOKEN:
    case XML_ERROR_TAG_MISMATCH:
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
    case XML_ERROR_MISPLACED_XML_PI:
      text = QT_TRANSLATE_NOOP("GpxImport", "Line %1, column %2: the file is not well-formed XML.");
      break;
    case XML_ERROR_NO_ELEMENTS:
    case XML_ERROR_PARTIAL_CHAR:
    case XML_ERROR_UNCLOSED_CDATA_SECTION:
      text = QT_TRANSLATE_NOOP("GpxImport", "Line %1, column %2: the file is cut short.");
      break;
    case XML_ERROR_UNCLOSED_TOKEN:
      //: The file ends inside a tag or other piece of XML.
      text = QT_TRANSLATE_NOOP("GpxImport", "Line %1, column %2: unclosed token.");
      break;
    case XML_ERROR_BAD_CHAR_REF:
      text = QT_TRANSLATE_NOOP("GpxImport", "Line %1, column %2: invalid character.");
      break;
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING:
      text = QT_TRANSLATE_NOOP("GpxImport", "Line %1, column %2: unknown encoding.");
      break;
    default:
      //: %3 is the XML reader's own description of the error.
      return QCoreApplication::translate("GpxImport", "Line %1, column %2: %3")
          .arg(line).arg(column).arg(QString::fromUtf8(XML_ErrorString(code)));
  }
  return translated(text).arg(line).arg(column);
}

constexpr size_t kTextCap = 1024;     // longer element texts are not needed
constexpr qint64 kChunk = 1 << 20;    // bytes per parse step and progress update

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimXml(std::string_view s) {
  while (!s.empty() && isXmlSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isXmlSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Element names compare in lower case (ASCII).
bool nameIs(std::string_view name, std::string_view lower) {
  if (name.size() != lower.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

// The attributes of a start tag as expat gives them.
struct ExpatAttributes {
  const char** atts;
  std::optional<std::string_view> Find(std::string_view name) const {
    for (int i = 0; atts[i]; i += 2)
      if (name == atts[i]) return std::string_view(atts[i + 1]);
    return std::nullopt;
  }
};

// Attribute names compare exactly; missing or unreadable numbers give 0.
template <typename Attributes>
double numberAttr(const Attributes& atts, std::string_view name) {
  const std::optional<std::string_view> value = atts.Find(name);
  double v = 0;
  return value && textfmt::TryStrToFloat(trimXml(*value), v) ? v : 0.0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Two digits at t[at]; false when they are not.
bool twoDigits(std::string_view t, std::size_t at, int& v) {
  if (!isDigit(t[at]) || !isDigit(t[at + 1])) return false;
  v = (t[at] - '0') * 10 + (t[at + 1] - '0');
  return true;
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
      if (!isDigit(t[k])) return false;
      f[i] = f[i] * 10 + (t[k] - '0');
    }
  }
  return textfmt::IsValidDate(f[0], f[1], f[2]) && textfmt::IsValidTime(f[3], f[4], f[5], 0);
}

// What follows the seconds of a full time: a fraction of a second ("." or
// "," and digits, dropped), then no zone, "Z" (or "z") or an offset "+hh:mm", "-hh:mm", "+hhmm", "-hhmm" of at
// most 14 hours. Gives the offset in minutes east of UTC (0 without a zone:
// such a time is taken as UTC, as it always was); false for anything else,
// which leaves the moment unknown.
bool readZone(std::string_view s, int& minutes) {
  minutes = 0;
  if (!s.empty() && (s[0] == '.' || s[0] == ',')) {
    std::size_t i = 1;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == 1) return false;
    s.remove_prefix(i);
  }
  if (s.empty() || s == "Z" || s == "z") return true;
  if (s[0] != '+' && s[0] != '-') return false;
  int h = 0, m = 0;
  if (s.size() == 6 && s[3] == ':') {
    if (!twoDigits(s, 1, h) || !twoDigits(s, 4, m)) return false;
  } else if (s.size() == 5) {
    if (!twoDigits(s, 1, h) || !twoDigits(s, 3, m)) return false;
  } else {
    return false;
  }
  if (m > 59 || h * 60 + m > 14 * 60) return false;
  minutes = s[0] == '-' ? -(h * 60 + m) : h * 60 + m;
  return true;
}

// Calendar fields <-> seconds on a plain count.
std::int64_t civilSeconds(int y, int mo, int d, int h, int mi, int s) {
  return textfmt::DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

void civilFields(std::int64_t t, int& y, int& mo, int& d, int& h, int& mi, int& s) {
  const std::int64_t days = t >= 0 ? t / 86400 : (t - 86399) / 86400;
  const std::int64_t secs = t - days * 86400;
  textfmt::CivilFromDays(days, y, mo, d);
  h = static_cast<int>(secs / 3600);
  mi = static_cast<int>(secs / 60 % 60);
  s = static_cast<int>(secs % 60);
}

// A point's time in UTC: the common full form directly, with its zone;
// anything else (a date alone, junk) by the shared parser; 0 when it cannot
// be read.
double pointTime(std::string_view t) {
  if (t.empty()) return 0;
  int f[6];
  double dt = 0;
  if (readIsoFields(t, f)) {
    int zone = 0;
    if (!readZone(t.substr(19), zone)) return 0;
    if (zone != 0)
      civilFields(civilSeconds(f[0], f[1], f[2], f[3], f[4], f[5]) - zone * 60, f[0], f[1], f[2], f[3], f[4], f[5]);
    // Moved out of the years a date-time holds: no time either.
    return textfmt::TryEncodeDateTime({f[0], f[1], f[2], f[3], f[4], f[5], 0}, dt) ? dt : 0;
  }
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

  // Where in the file the reader is, and the file's size, in bytes: for
  // reserving a track's points ahead.
  std::int64_t Position = 0, Total = 0;

  // True while the text of the element being read is kept.
  bool WantsText() const { return capture_ != Capture::None && stack_.size() == captureDepth_; }

  template <typename Attributes>
  void Start(std::string_view name, const Attributes& atts) {
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
  template <typename Attributes>
  void StartWaypoint(const Attributes& atts) {
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
  // The moment, in UTC unless it names its zone, becomes the store's local
  // time with the offset in force on that date.
  void ReadWaypointTime() {
    int f[6];
    const std::string_view t = trimXml(wptTime_);
    if (!readIsoFields(t, f)) return;
    int zone = 0;
    if (!readZone(t.substr(19), zone)) zone = 0;  // an unreadable zone: GPX times are UTC
    civilFields(civilSeconds(f[0], f[1], f[2], f[3], f[4], f[5]) - zone * 60, f[0], f[1], f[2], f[3], f[4], f[5]);
    if (f[0] < 1 || f[0] > 9999) return;
    SystemTime utc, local;
    utc.Year = static_cast<std::uint16_t>(f[0]);
    utc.Month = static_cast<std::uint16_t>(f[1]);
    utc.Day = static_cast<std::uint16_t>(f[2]);
    utc.Hour = static_cast<std::uint16_t>(f[3]);
    utc.Minute = static_cast<std::uint16_t>(f[4]);
    utc.Second = static_cast<std::uint16_t>(f[5]);
    // Outside the years the local clock converts: the UTC fields as they are.
    if (ConvertUtcToLocal(utc, local)) {
      f[0] = local.Year;
      f[1] = local.Month;
      f[2] = local.Day;
      f[3] = local.Hour;
      f[4] = local.Minute;
      f[5] = local.Second;
    }
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
  }

  void EndTrack(const char* defaultPrefix, int counter) {
    // Room reserved for points that did not come goes back.
    if (track_->Capacity() > track_->Count() + track_->Count() / 8 + 1024) track_->ShrinkToFit();
    track_->Distance = distanceKm_ * 1000;
    track_->SetName(!trackName_.isEmpty()
                        ? trackName_
                        : QLatin1String(defaultPrefix) + QString::number(counter) + QLatin1Char(')'));
    out_.Tracks.push_back(std::move(track_));
  }

  template <typename Attributes>
  void StartPoint(const Attributes& atts) {
    point_ = sFile_TrkEntry{};
    point_.Latitude = numberAttr(atts, "lat");
    point_.Longitude = numberAttr(atts, "lon");
    const double cosLat = HaversineLatitudeCos(point_.Latitude);
    // Only the track's first point starts from nothing: 0 is a latitude on
    // the equator and a longitude on the prime meridian like any other.
    if (track_->Count() > 0)
      distanceKm_ +=
          ComputeHaversineDistance(point_.Longitude, point_.Latitude, cosLat, prevLon_, prevLat_, prevCosLat_);
    prevLat_ = point_.Latitude;
    prevLon_ = point_.Longitude;
    prevCosLat_ = cosLat;
    pointTime_.clear();
  }

  void EndPoint() {
    point_.Time = PointTime(trimXml(pointTime_));
    const std::size_t n = track_->Count();
    if (n == track_->Capacity() && n >= 1024 && Position > 0 && Position < Total) {
      // The track will likely go on as dense as it began: room for that
      // much (and a little more) instead of doubling and copying; never for
      // more points than the rest of the file can hold ("<trkpt/>" each).
      const double ahead = static_cast<double>(n) * static_cast<double>(Total) / static_cast<double>(Position);
      const double most = static_cast<double>(n) + static_cast<double>(Total - Position) / 8;
      try {
        track_->Reserve(std::max(n + n / 4, static_cast<std::size_t>(std::min(ahead * 1.05, most))));
      } catch (const std::bad_alloc&) {
        // Not that much room at once: the points grow as usual.
      }
    }
    track_->AddPoint(point_, false);
  }

  // pointTime, with the date of the last full time kept: the points of a
  // track mostly share it, and only the time of day is read anew.
  double PointTime(std::string_view t) {
    if (t.size() >= 19 && t.substr(0, 10) == lastDate_) {
      int h = 0, mi = 0, sec = 0, zone = 0;
      double time = 0;
      if (twoDigits(t, 11, h) && twoDigits(t, 14, mi) && twoDigits(t, 17, sec) &&
          textfmt::IsValidTime(h, mi, sec, 0) && readZone(t.substr(19), zone)) {
        // Only while the zone keeps the moment on the same day; the same sum
        // as TryEncodeDateTime makes.
        const int s = h * 3600 + mi * 60 + sec - zone * 60;
        if (s >= 0 && s < 86400 && textfmt::TryEncodeTime(s / 3600, s / 60 % 60, s % 60, 0, time))
          return lastDay_ >= 0 ? lastDay_ + time : lastDay_ - time;
      }
    }
    int f[6];
    if (readIsoFields(t, f) && textfmt::TryEncodeDate(f[0], f[1], f[2], lastDay_)) lastDate_.assign(t.substr(0, 10));
    return pointTime(t);
  }

  void EndCapture(Capture c) {
    const std::string_view value = textOnly_ ? std::string_view(text_) : std::string_view();
    bool tooLong = textTooLong_;
    textTooLong_ = false;
    switch (c) {
      case Capture::Name:
        trackName_ = QString::fromUtf8(trimXml(value).data(), static_cast<qsizetype>(trimXml(value).size()));
        break;
      case Capture::Time:
        (stack_.back().where == Where::Wpt ? wptTime_ : pointTime_).assign(value);
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
  double prevLat_ = 0, prevLon_ = 0, prevCosLat_ = 1;
  sFile_TrkEntry point_;
  std::string pointTime_;
  std::string lastDate_;  // the first ten characters of a time whose date is lastDay_
  double lastDay_ = 0;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** atts) {
  static_cast<Parser*>(data)->Start(name, ExpatAttributes{atts});
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

// --- the fast reader ------------------------------------------------------------
//
// Most GPX files are plain UTF-8 elements, attributes and text. This reader
// takes exactly that subset and checks it as it goes; anything else (a
// DOCTYPE, CDATA, a processing instruction, an entity or character
// reference, another encoding, a construct larger than its buffer) and
// anything it cannot prove well-formed makes it give up, and the import
// reads the file again with expat, which also words every error. It feeds
// the same Parser as expat does, with the same calls.

struct Refused {};  // thrown inside the fast reader only

constexpr std::size_t kFastBuffer = 2 * kChunk;

// Short names compare faster inline than through memcmp.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The attributes of one start tag, as views into the reader's buffer.
struct FastAttributes {
  static constexpr int kMax = 32;
  std::string_view names[kMax], values[kMax];
  int count = 0;
  std::optional<std::string_view> Find(std::string_view name) const {
    for (int i = 0; i < count; ++i)
      if (sameName(names[i], name)) return values[i];
    return std::nullopt;
  }
};

// ASCII name characters: 1 may start a name, 2 may follow.
constexpr auto kNameChars = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = t[c - 'a' + 'A'] = 1;
  t['_'] = t[':'] = 1;
  for (int c = '0'; c <= '9'; ++c) t[c] = 2;
  t['-'] = t['.'] = 2;
  return t;
}();

bool nameStart(char c) { return kNameChars[static_cast<unsigned char>(c)] == 1; }
bool nameChar(char c) { return kNameChars[static_cast<unsigned char>(c)] != 0; }

// Bytes that need a closer look in text and attribute values: controls,
// '<', '&', ']' and everything above ASCII.
constexpr auto kSpecialChars = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[c] = c != '\t' && c != '\n' && c != '\r';
  for (int c = 0x80; c < 0x100; ++c) t[c] = true;
  t['<'] = t['&'] = t[']'] = true;
  return t;
}();

// Characters that XML allows, in valid UTF-8, without '<' or '&'; in text
// (inText) also without "]]>". Comments allow '<' and '&' (markup false).
bool plainChars(const char* begin, const char* end, bool inText, bool markup = true) {
  const auto* p = reinterpret_cast<const unsigned char*>(begin);
  const auto* e = reinterpret_cast<const unsigned char*>(end);
  for (;;) {
    while (p < e && !kSpecialChars[*p]) ++p;
    if (p == e) return true;
    const unsigned char c = *p;
    if (c >= 0x80) {
      unsigned cp = 0;
      int len = 0;
      if (c >= 0xC2 && c <= 0xDF) cp = c & 0x1Fu, len = 2;
      else if (c >= 0xE0 && c <= 0xEF) cp = c & 0x0Fu, len = 3;
      else if (c >= 0xF0 && c <= 0xF4) cp = c & 0x07u, len = 4;
      else return false;
      if (e - p < len) return false;
      for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (p[i] & 0x3Fu);
      }
      if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF) || cp >= 0xFFFE)) ||
          (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return false;
      p += len;
      continue;
    }
    if (c < 0x20) return false;
    if (c == ']') {
      if (inText && e - p >= 3 && p[1] == ']' && p[2] == '>') return false;
    } else if (markup) {
      return false;  // '<' or '&'
    }
    ++p;
  }
}

bool allXmlSpace(const char* p, const char* e) {
  for (; p < e; ++p)
    if (!isXmlSpace(*p)) return false;
  return true;
}

class FastReader {
 public:
  FastReader(QFile& file, GpxImportResult& result, GpxImportProgress* progress)
      : file_(file), result_(result), progress_(progress), parser_(result) {}

  // False when the file is not of the subset; the result is then to be
  // thrown away.
  bool Read() {
    try {
      return ReadAll();
    } catch (const Refused&) {
      return false;
    }
  }

 private:
  bool ReadAll() {
    const qint64 total = file_.size();
    parser_.Total = total;
    std::unique_ptr<char[]> buf(new char[kFastBuffer]);
    std::size_t have = 0;
    qint64 done = 0;
    bool first = true;
    for (;;) {
      const std::size_t room = std::min<std::size_t>(kChunk, kFastBuffer - have);
      if (room == 0) return false;  // one construct larger than the buffer
      const qint64 n = file_.read(buf.get() + have, static_cast<qint64>(room));
      if (n < 0) return false;
      const bool last = n == 0;
      have += static_cast<std::size_t>(n);
      done += n;
      const char* p = buf.get();
      const char* end = p + have;
      buffer_ = p;
      base_ = done - static_cast<qint64>(have);
      if (first) {
        if (!last && have < 64) continue;  // the head in one piece
        p = Head(p, end);
        first = false;
      }
      p = Parse(p, end, last);
      if (progress_) {
        progress_->Update(result_.WptCount, result_.TrkCount, result_.RteCount, done, total);
        progress_->ProcessEvents();
      }
      if (last) return p == end && rootClosed_;
      have = static_cast<std::size_t>(end - p);
      std::memmove(buf.get(), p, have);
    }
  }

  // A byte-order mark and the XML declaration; only version 1.0 and UTF-8.
  const char* Head(const char* p, const char* end) {
    if (end - p >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) p += 3;
    if (end - p < 2 || p[0] != '<' || p[1] != '?') return p;
    if (end - p < 6 || std::memcmp(p, "<?xml", 5) != 0 || !isXmlSpace(p[5])) throw Refused{};
    const char* close = static_cast<const char*>(memmem(p, static_cast<std::size_t>(end - p), "?>", 2));
    if (!close) throw Refused{};
    const char* q = p + 5;
    static constexpr std::string_view kNames[] = {"version", "encoding", "standalone"};
    std::size_t next = 0;
    for (;;) {
      const char* blank = q;
      while (q < close && isXmlSpace(*q)) ++q;
      if (q == close) break;
      if (q == blank) throw Refused{};
      const char* n = q;
      while (q < close && nameChar(*q)) ++q;
      const std::string_view name(n, static_cast<std::size_t>(q - n));
      while (next < std::size(kNames) && kNames[next] != name) {
        if (next == 0) throw Refused{};  // the version comes first
        ++next;
      }
      if (next == std::size(kNames)) throw Refused{};
      while (q < close && isXmlSpace(*q)) ++q;
      if (q == close || *q != '=') throw Refused{};
      ++q;
      while (q < close && isXmlSpace(*q)) ++q;
      if (q == close || (*q != '"' && *q != '\'')) throw Refused{};
      const char quote = *q++;
      const char* v = q;
      while (q < close && *q != quote) ++q;
      if (q == close) throw Refused{};
      std::string value(v, q);
      ++q;
      if (next == 1)  // encoding names ignore case
        for (char& c : value) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      if ((next == 0 && value != "1.0") || (next == 1 && value != "utf-8") ||
          (next == 2 && value != "yes" && value != "no"))
        throw Refused{};
      ++next;
    }
    if (next == 0) throw Refused{};
    return close + 2;
  }

  // Reads the complete constructs; returns where the first incomplete one
  // starts (the end when all were complete).
  const char* Parse(const char* p, const char* end, bool last) {
    while (p < end) {
      const char* q;
      if (*p != '<') {
        const char* lt = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p)));
        if (!lt) {
          if (!last) return p;
          lt = end;
        }
        Text(p, lt);
        q = lt;
      } else if (end - p < 2) {
        q = nullptr;
      } else if (p[1] == '/') {
        q = EndTag(p, end);
      } else if (p[1] == '!') {
        q = Comment(p, end);
      } else {
        q = StartTag(p, end);
      }
      if (!q) {
        if (last) throw Refused{};
        return p;
      }
      p = q;
    }
    return p;
  }

  void Text(const char* p, const char* e) {
    if (nameEnds_.empty()) {
      if (!allXmlSpace(p, e)) throw Refused{};
      return;
    }
    if (!plainChars(p, e, true)) throw Refused{};
    if (parser_.WantsText()) {
      // expat turns line ends into LF; such texts go its way.
      if (std::memchr(p, '\r', static_cast<std::size_t>(e - p))) throw Refused{};
      parser_.Text(p, static_cast<int>(e - p));
    }
  }

  const char* StartTag(const char* p, const char* end) {
    const char* q = p + 1;
    if (!nameStart(*q)) throw Refused{};  // also "<?" and anything else
    while (q < end && nameChar(*q)) ++q;
    if (q >= end) return nullptr;
    const std::string_view name(p + 1, static_cast<std::size_t>(q - p - 1));
    attributes_.count = 0;
    bool empty = false;
    for (;;) {
      const char* blank = q;
      while (q < end && isXmlSpace(*q)) ++q;
      if (q >= end) return nullptr;
      if (*q == '>') {
        ++q;
        break;
      }
      if (*q == '/') {
        if (q + 1 >= end) return nullptr;
        if (q[1] != '>') throw Refused{};
        q += 2;
        empty = true;
        break;
      }
      if (q == blank || !nameStart(*q)) throw Refused{};
      const char* n = q;
      while (q < end && nameChar(*q)) ++q;
      if (q >= end) return nullptr;
      const std::string_view attr(n, static_cast<std::size_t>(q - n));
      while (q < end && isXmlSpace(*q)) ++q;
      if (q >= end) return nullptr;
      if (*q != '=') throw Refused{};
      ++q;
      while (q < end && isXmlSpace(*q)) ++q;
      if (q >= end) return nullptr;
      const char quote = *q;
      if (quote != '"' && quote != '\'') throw Refused{};
      ++q;
      const char* v = static_cast<const char*>(std::memchr(q, quote, static_cast<std::size_t>(end - q)));
      if (!v) return nullptr;
      if (!plainChars(q, v, false) || attributes_.count == FastAttributes::kMax) throw Refused{};
      for (int i = 0; i < attributes_.count; ++i)
        if (sameName(attributes_.names[i], attr)) throw Refused{};  // twice in one tag
      attributes_.names[attributes_.count] = attr;
      attributes_.values[attributes_.count] = std::string_view(q, static_cast<std::size_t>(v - q));
      ++attributes_.count;
      q = v + 1;
    }
    if (rootClosed_) throw Refused{};  // a second root
    parser_.Position = base_ + (p - buffer_);
    parser_.Start(name, attributes_);
    if (empty) {
      parser_.End();
      if (nameEnds_.empty()) rootClosed_ = true;
    } else {
      nameEnds_.push_back(names_.size());
      names_.append(name);
    }
    return q;
  }

  const char* EndTag(const char* p, const char* end) {
    const char* q = p + 2;
    if (q >= end) return nullptr;
    if (!nameStart(*q)) throw Refused{};
    while (q < end && nameChar(*q)) ++q;
    const std::string_view name(p + 2, static_cast<std::size_t>(q - p - 2));
    while (q < end && isXmlSpace(*q)) ++q;
    if (q >= end) return nullptr;
    if (*q != '>' || nameEnds_.empty() || !sameName(std::string_view(names_).substr(nameEnds_.back()), name))
      throw Refused{};
    names_.resize(nameEnds_.back());
    nameEnds_.pop_back();
    parser_.End();
    if (nameEnds_.empty()) rootClosed_ = true;
    return q + 1;
  }

  const char* Comment(const char* p, const char* end) {
    if (end - p < 4) return nullptr;
    if (p[2] != '-' || p[3] != '-') throw Refused{};  // DOCTYPE, CDATA
    const char* body = p + 4;
    const char* dashes = static_cast<const char*>(memmem(body, static_cast<std::size_t>(end - body), "--", 2));
    if (!dashes || end - dashes < 3) return nullptr;
    if (dashes[2] != '>' || !plainChars(body, dashes, false, false)) throw Refused{};
    return dashes + 3;
  }

  QFile& file_;
  GpxImportResult& result_;
  GpxImportProgress* progress_;
  Parser parser_;
  FastAttributes attributes_;
  const char* buffer_ = nullptr;  // the buffer's start and its place in the file
  qint64 base_ = 0;
  std::string names_;               // the open elements' names, one after the other
  std::vector<std::size_t> nameEnds_;  // where each of them starts in names_
  bool rootClosed_ = false;
};

}  // namespace

GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress) {
  return ParseGpxFile(path, progress, GpxReader::Fast);
}

GpxImportResult ParseGpxFile(const QString& path, GpxImportProgress* progress, GpxReader reader) {
  // A pipe or device would block the open or never end.
  const QFileInfo info(path);
  if (info.isDir()) fail(folders::SystemReason(EISDIR));
  if (info.exists() && !info.isFile())
    fail(QCoreApplication::translate("GpxImport", "The file cannot be read: it is not an ordinary file."));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) failToRead(path);
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

  if (reader == GpxReader::Fast) {
    GpxImportResult fast;
    if (FastReader(file, fast, progress).Read()) {
      fast.ReadByFastReader = true;
      return fast;
    }
    // Not of the plain kind, or not well-formed: expat reads it from the start.
    if (!file.seek(0)) fail(folders::SystemReason(EIO));
  }

  GpxImportResult result;
  Parser parser(result);
  parser.Total = total;
  QByteArray chunk = file.read(kChunk);
  if (chunk.isEmpty() && file.error() != QFileDevice::NoError) fail(folders::SystemReason(EIO));
  const std::string encoding = declaredEncoding(chunk);
  std::optional<QStringDecoder> transcoder;
  if (!expatReads(encoding)) {
    transcoder.emplace(encoding.c_str());
    if (!transcoder->isValid())
      fail(QCoreApplication::translate("GpxImport", "The file's encoding %1 is unknown.")
               .arg(QString::fromLatin1(encoding.data(), static_cast<qsizetype>(encoding.size()))));
  }

  // With a transcoder the parser reads UTF-8 whatever the declaration says.
  std::unique_ptr<XML_ParserStruct, ParserFree> xml(XML_ParserCreate(transcoder ? "UTF-8" : nullptr));
  if (!xml) fail(QCoreApplication::translate("GpxImport", "There is not enough memory to read the file."));
  XML_SetUserData(xml.get(), &parser);
  XML_SetElementHandler(xml.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(xml.get(), onText);

  auto failHere = [&](XML_Error code) {
    fail(xmlError(code, XML_GetCurrentLineNumber(xml.get()), XML_GetCurrentColumnNumber(xml.get())));
  };
  qint64 done = 0;
  for (;;) {
    const bool last = chunk.isEmpty();
    QByteArray utf8;
    if (transcoder) {
      utf8 = QString(transcoder->decode(chunk)).toUtf8();
      if (transcoder->hasError()) failHere(XML_ERROR_BAD_CHAR_REF);
    }
    const QByteArray& bytes = transcoder ? utf8 : chunk;
    if (XML_Parse(xml.get(), bytes.constData(), static_cast<int>(bytes.size()), last) != XML_STATUS_OK)
      failHere(XML_GetErrorCode(xml.get()));
    done += chunk.size();
    parser.Position = done;
    if (progress) {
      progress->Update(result.WptCount, result.TrkCount, result.RteCount, done, total);
      progress->ProcessEvents();
    }
    if (last) break;
    chunk = file.read(kChunk);
    if (chunk.isEmpty() && file.error() != QFileDevice::NoError) fail(folders::SystemReason(EIO));
  }
  return result;
}

GpxImportResult::GpxImportResult() = default;
GpxImportResult::GpxImportResult(GpxImportResult&&) noexcept = default;
GpxImportResult& GpxImportResult::operator=(GpxImportResult&&) noexcept = default;
GpxImportResult::~GpxImportResult() = default;

namespace {

// Local calendar fields <-> seconds, for stepping a waypoint's time by
// whole seconds.
std::int64_t toSeconds(const GpxImportWaypoint& w) {
  return civilSeconds(w.Year, w.Month, w.Day, w.Hour, w.Minute, w.Second);
}

void fromSeconds(std::int64_t t, sUserPOI& p) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  civilFields(t, y, mo, d, h, mi, s);
  p.Year = static_cast<std::uint16_t>(y);
  p.Month = static_cast<std::uint8_t>(mo);
  p.Day = static_cast<std::uint8_t>(d);
  p.Hour = static_cast<std::uint8_t>(h);
  p.Minute = static_cast<std::uint8_t>(mi);
  p.Second = static_cast<std::uint8_t>(s);
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

int AddImportedWaypoints(const std::vector<GpxImportWaypoint>& waypoints, TPoiStorage& pois) {
  int added = 0;
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
      ++added;
    }
  }
  return added;
}

bool ImportGpx(const QString& path, TTrackStorage& tracks, TPoiStorage& pois, GpxImportProgress* progress,
               int* waypointsAdded) {
  GpxImportResult result = ParseGpxFile(path, progress);
  // A file of waypoints alone has no tracks to put in place of those held.
  const bool hasTracks = result.TrkCount > 0 || result.RteCount > 0;
  if (hasTracks) {
    tracks.Clear();
    for (auto& t : result.Tracks) tracks.AddTrack(std::move(t));
  }
  const int added = AddImportedWaypoints(result.Waypoints, pois);
  if (waypointsAdded) *waypointsAdded = added;
  return hasTracks;
}
