#include "Utility.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>
#include <utility>
#include <vector>

#include "Fonttable.h"
#include "Textfmt.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEarthRadiusKm = 6378.137;

double ToRadians(double deg) { return deg * kPi * (1.0 / 180.0); }

// Decimal digits only, nothing else (no sign, no blanks, no hex).
bool ParseDigits(const QString& s, int& out) {
  if (s.isEmpty()) return false;
  int v = 0;
  for (QChar c : s) {
    if (c < u'0' || c > u'9') return false;
    v = v * 10 + (c.unicode() - u'0');
  }
  out = v;
  return true;
}

bool ToTm(const SystemTime& t, std::tm& tm) {
  if (!textfmt::IsValidDate(t.Year, t.Month, t.Day) ||
      !textfmt::IsValidTime(t.Hour, t.Minute, t.Second, t.Milliseconds))
    return false;
  tm = {};
  tm.tm_year = t.Year - 1900;
  tm.tm_mon = t.Month - 1;
  tm.tm_mday = t.Day;
  tm.tm_hour = t.Hour;
  tm.tm_min = t.Minute;
  tm.tm_sec = t.Second;
  tm.tm_isdst = -1;
  return true;
}

bool FromTm(const std::tm& tm, std::uint16_t msec, SystemTime& out) {
  const int year = tm.tm_year + 1900;
  if (year < 1601 || year > 30827) return false;
  out.Year = static_cast<std::uint16_t>(year);
  out.Month = static_cast<std::uint16_t>(tm.tm_mon + 1);
  out.DayOfWeek = static_cast<std::uint16_t>(tm.tm_wday);
  out.Day = static_cast<std::uint16_t>(tm.tm_mday);
  out.Hour = static_cast<std::uint16_t>(tm.tm_hour);
  out.Minute = static_cast<std::uint16_t>(tm.tm_min);
  out.Second = static_cast<std::uint16_t>(tm.tm_sec);
  out.Milliseconds = msec;
  return true;
}

}  // namespace

std::uint32_t MakeOpaqueColor(std::uint32_t colour) { return (colour & 0x00FFFFFFu) | 0xFF000000u; }

int ParseElevationReply(const QStringList& lines, const std::function<void(int)>& wait) {
  static const QString kStatus = QStringLiteral("<status>");
  static const QString kElevation = QStringLiteral("<elevation>");
  static const QString kClose = QStringLiteral("</");
  for (const QString& raw : lines) {
    QString text = raw.toLower();
    const qsizetype p = text.indexOf(kStatus);
    if (p >= 0) {
      const qsizetype from = p + kStatus.size();
      const qsizetype end = text.indexOf(kClose, from);
      text = text.mid(from, end < 0 ? -1 : end - from);
      if (text == QLatin1String("over_query_limit")) {
        // The service asks us to slow down before the caller retries.
        if (wait)
          wait(350);
        else
          std::this_thread::sleep_for(std::chrono::milliseconds(350));
        return ELEVATION_ERROR;
      }
    }
    const qsizetype q = text.indexOf(kElevation);
    if (q < 0) continue;
    const qsizetype from = q + kElevation.size();
    const qsizetype end = text.indexOf(kClose, from);
    double v = 0;
    if (!textfmt::TryStrToFloat(text.mid(from, end < 0 ? -1 : end - from), v)) return ELEVATION_ERROR;
    const double whole = std::trunc(v);
    if (!std::isfinite(whole) || whole < -2147483648.0 || whole > 2147483647.0) return ELEVATION_ERROR;
    return static_cast<int>(whole);
  }
  return ELEVATION_ERROR;
}

int ParseElevationBody(const QByteArray& body, const std::function<void(int)>& wait) {
  return ParseElevationReply(TextLines(QString::fromUtf8(body)), wait);
}

QStringList TextLines(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t.split(QLatin1Char('\n'));
}

VersionReply ParseVersionReply(const QByteArray& body) {
  QString text = QString::fromUtf8(body);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  VersionReply reply;
  if (text.trimmed().isEmpty()) {
    reply.Problem = QCoreApplication::translate("VersionReply", "the version file is empty");
    return reply;
  }
  const QStringList lines = TextLines(text);
  // Control characters or bytes that are no UTF-8 in the lines read: a
  // binary file, not a version file.
  for (const QString& line : lines.mid(0, 2))
    for (QChar c : line)
      if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F || c == QChar::ReplacementCharacter) {
        reply.Problem = QCoreApplication::translate("VersionReply", "the version file is not text");
        return reply;
      }
  if (!textfmt::TryStrToInt(lines[0].mid(3).trimmed(), reply.Build)) {
    reply.Build = 0;
    reply.Problem = QCoreApplication::translate("VersionReply", "the version file holds no build number");
    return reply;
  }
  reply.Name = lines.value(1).trimmed();
  return reply;
}

bool ConvertUtcToLocal(const SystemTime& utc, SystemTime& out) {
  std::tm tm{};
  if (!ToTm(utc, tm)) return false;
  const std::time_t t = timegm(&tm);
  std::tm local{};
  if (!localtime_r(&t, &local)) return false;
  return FromTm(local, utc.Milliseconds, out);
}

bool ConvertLocalToUtc(const SystemTime& local, SystemTime& out) {
  std::tm tm{};
  if (!ToTm(local, tm)) return false;
  // mktime applies the offset in force at that local moment (tm_isdst = -1).
  const std::time_t t = std::mktime(&tm);
  std::tm utc{};
  if (!gmtime_r(&t, &utc)) return false;
  return FromTm(utc, local.Milliseconds, out);
}

double ConvertUtcDateTimeToLocal(double utc) {
  if (!std::isfinite(utc)) return utc;
  const textfmt::DateTimeParts p = textfmt::DecodeDateTime(utc);
  SystemTime in;
  in.Year = static_cast<std::uint16_t>(p.year);
  in.Month = static_cast<std::uint16_t>(p.month);
  in.Day = static_cast<std::uint16_t>(p.day);
  in.Hour = static_cast<std::uint16_t>(p.hour);
  in.Minute = static_cast<std::uint16_t>(p.minute);
  in.Second = static_cast<std::uint16_t>(p.second);
  SystemTime out;
  if (p.year < 1601 || p.year > 30827 || !ConvertUtcToLocal(in, out)) return utc;
  double result = 0;
  textfmt::DateTimeParts q{out.Year, out.Month, out.Day, out.Hour, out.Minute, out.Second, 0};
  return textfmt::TryEncodeDateTime(q, result) ? result : utc;
}

int GetSecondsOfDay(double dt) {
  const textfmt::DateTimeParts p = textfmt::DecodeDateTime(dt);
  return p.hour * 3600 + p.minute * 60 + p.second;
}

double ParseIsoDateTime(const QString& text) {
  if (text.isEmpty()) return 0.0;
  const QString s = text.trimmed();
  int year = 0, month = 0, day = 0;
  if (!ParseDigits(s.mid(0, 4), year) || !ParseDigits(s.mid(5, 2), month) || !ParseDigits(s.mid(8, 2), day))
    year = month = day = 0;
  int hour = 0, minute = 0, second = 0;
  if (!ParseDigits(s.mid(11, 2), hour) || !ParseDigits(s.mid(14, 2), minute) || !ParseDigits(s.mid(17, 2), second))
    hour = minute = second = 0;
  if (!textfmt::IsValidDate(year, month, day))
    throw textfmt::ConvertError("'" + s.toStdString() + "' is not a valid date");
  if (!textfmt::IsValidTime(hour, minute, second, 0))
    throw textfmt::ConvertError("'" + s.toStdString() + "' is not a valid time");
  return textfmt::EncodeDateTime({year, month, day, hour, minute, second, 0});
}

std::int64_t GetFileLength(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  struct stat st {};
  std::int64_t len = 0;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) len = st.st_size;
  ::close(fd);
  return len;
}

double ComputeInitialBearing(double fallback, double lon2, double lat2, double lon1, double lat1) {
  const double phi1 = ToRadians(lat1);
  const double phi2 = ToRadians(lat2);
  const double delta = ToRadians(lon1) - ToRadians(lon2);
  const double y = std::sin(delta) * std::cos(phi2);
  const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(delta);
  // Only identical points have no course; due south (y = 0, x < 0) and legs
  // along the equator (x = 0) do.
  if (y == 0.0 && x == 0.0) return fallback;
  double c = -std::atan2(y, x);
  if (c < 0) c += 2 * kPi;
  double deg = c * 180.0 * 0.3183098861837907;
  if (deg >= 360.0) deg -= 360.0;
  return deg == 0.0 ? 0.0 : deg;  // no "-0"
}

const char* TurnTypeToCode(unsigned turn) {
  static const char* const kCodes[] = {"C", "TSLL", "C", "TSLR", "TL", "U", "TR", "TSHL", "TSHR"};
  return turn < std::size(kCodes) ? kCodes[turn] : "C";
}

int SimplifyPolyline(const double* x, const double* y, int n, double tolerance, std::int32_t* keep) {
  if (!std::isfinite(tolerance) || tolerance < 0) return -1;
  if (n <= 0) return 0;
  if (n < 3) {
    for (int i = 0; i < n; ++i) keep[i] = 1;
    return n;
  }
  // A local stack, not recursion: a long track would overflow the call stack.
  std::vector<std::pair<int, int>> stack;
  stack.emplace_back(0, n - 1);
  while (!stack.empty()) {
    const auto [first, last] = stack.back();
    stack.pop_back();
    const double dx = x[last] - x[first];
    const double dy = y[last] - y[first];
    const double chord = std::sqrt(dx * dx + dy * dy);
    const double len = chord == 0.0 ? 1.0 : chord;
    const double ux = dx / len, uy = dy / len;
    double best = 0.0;
    int bestIndex = first + 1;
    for (int i = first + 1; i < last; ++i) {
      const double ax = x[i] - x[first], ay = y[i] - y[first];
      double dist;
      if (ax * ux + ay * uy < 0) {
        dist = std::sqrt(ax * ax + ay * ay);
      } else {
        const double bx = x[i] - x[last], by = y[i] - y[last];
        const double e = std::sqrt(bx * bx + by * by);
        const double g = -ux * bx - uy * by;
        // Distance to the line as a cross product: sqrt(e^2 - g^2) loses
        // its digits when the point lies near the line. A closed stretch
        // (first == last) measures to the end point.
        dist = g < 0 || chord == 0.0 ? e : std::fabs(ax * uy - ay * ux);
      }
      if (dist > best) {
        best = dist;
        bestIndex = i;
      }
    }
    if (best <= tolerance) {
      keep[first] = 1;
      keep[last] = 1;
    } else {
      stack.emplace_back(first, bestIndex);
      stack.emplace_back(bestIndex, last);
    }
  }
  int kept = 0;
  for (int i = 0; i < n; ++i) kept += keep[i] != 0;
  return kept;
}

double ComputeHaversineDistance(double lon1, double lat1, double lon2, double lat2) {
  return ComputeHaversineDistance(lon1, lat1, HaversineLatitudeCos(lat1), lon2, lat2, HaversineLatitudeCos(lat2));
}

double HaversineLatitudeCos(double lat) { return std::cos(ToRadians(lat)); }

double ComputeHaversineDistance(double lon1, double lat1, double cosLat1, double lon2, double lat2, double cosLat2) {
  const double phi1 = ToRadians(lat1), phi2 = ToRadians(lat2);
  const double dphi = phi2 - phi1;
  const double dlambda = ToRadians(lon2) - ToRadians(lon1);
  double h = std::pow(std::sin(dphi / 2), 2.0) + cosLat2 * cosLat1 * std::pow(std::sin(dlambda / 2), 2.0);
  // Rounding can push h just past 1 for antipodal points.
  h = std::clamp(h, 0.0, 1.0);
  return 2 * std::asin(std::sqrt(h)) * kEarthRadiusKm;
}

void ConvertToDeviceCodes(std::uint16_t* codes, const char16_t* chars, int count, TFontTable& table) {
  for (int i = 0; i < count; ++i) codes[i] = static_cast<std::uint16_t>(table.AddChar(chars[i]));
}

void ConvertFromDeviceCodes(char16_t* chars, const std::uint16_t* codes, int count, const TFontTable& table) {
  for (int i = 0; i < count; ++i) chars[i] = table.GetChar(codes[i]);
}

QString GetDelimitedField(const QString& text, const QString& delimiter, int n) {
  if (n <= 0 || delimiter.isEmpty()) return QString();
  QString rest = text;
  for (int i = 1; i < n; ++i) {
    const qsizetype p = rest.indexOf(delimiter);
    rest = p < 0 ? QString() : rest.mid(p + delimiter.size());
  }
  const qsizetype p = rest.indexOf(delimiter);
  return p < 0 ? rest : rest.left(p);
}

QString ReadCoordinate(const QString& text, CoordinateAxis axis, double& out) {
  const bool latitude = axis == CoordinateAxis::Latitude;
  QString typed = text;
  typed.replace(QLatin1Char(','), QLatin1Char('.'));
  double v = 0;
  // The parser refuses "nan", "inf" and overflow, so v is finite.
  if (!textfmt::TryStrToFloat(typed, v))
    return latitude ? QCoreApplication::translate("Utility", "The latitude must be a number between -90 and 90 degrees.")
                    : QCoreApplication::translate("Utility",
                                                  "The longitude must be a number between -180 and 180 degrees.");
  // Only places on the earth: no file could hold one beyond the poles or the
  // date line.
  if (std::fabs(v) > (latitude ? 90.0 : 180.0))
    return latitude ? QCoreApplication::translate("Utility", "The latitude must lie between -90 and 90 degrees.")
                    : QCoreApplication::translate("Utility", "The longitude must lie between -180 and 180 degrees.");
  out = v;
  return QString();
}
