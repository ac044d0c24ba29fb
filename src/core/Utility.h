#pragma once
// Small shared helpers: great-circle distance and course, line simplification,
// UTC/local time conversion, ISO date-time, elevation and version reply parsing, turn
// letters, device character codes and a few text helpers. Stateless.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

class TFontTable;

constexpr int ELEVATION_ERROR = -666;

// Calendar fields of one moment, milliseconds included.
struct SystemTime {
  std::uint16_t Year = 0;
  std::uint16_t Month = 0;      // 1..12
  std::uint16_t DayOfWeek = 0;  // 0 = Sunday
  std::uint16_t Day = 0;
  std::uint16_t Hour = 0;
  std::uint16_t Minute = 0;
  std::uint16_t Second = 0;
  std::uint16_t Milliseconds = 0;
  friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// (colour AND 0x00FFFFFF) OR 0xFF000000.
std::uint32_t MakeOpaqueColor(std::uint32_t colour);

// Elevation in whole metres (truncated) from the elevation service's XML
// reply, given as lines; ELEVATION_ERROR when none can be read. An
// "over_query_limit" status waits 350 ms first, through `wait` (milliseconds)
// when one is given.
int ParseElevationReply(const QStringList& lines, const std::function<void(int)>& wait = {});
// The same from the reply's body as it came (UTF-8).
int ParseElevationBody(const QByteArray& body, const std::function<void(int)>& wait = {});

// The lines of a text: CR LF, LF and a lone CR each end one, as a text list
// reads them. A last line without an ending is kept; an ending at the very
// end gives an empty last line.
QStringList TextLines(const QString& text);

// The maker's version file: line 1 is three characters and then the build
// number, line 2 the version's name; further lines are not read.
struct VersionReply {
  int Build = 0;
  QString Name;     // trimmed; empty when there is no second line
  QString Problem;  // why the file is no version file; empty when it is one
  // Whether it names a build after ours (the build compared on 16 bits).
  bool NewerThan(std::uint16_t build) const { return Problem.isEmpty() && std::uint16_t(Build) > build; }
};
VersionReply ParseVersionReply(const QByteArray& body);

// The same instant in local time, whole seconds.
double ConvertUtcDateTimeToLocal(double utc);

// hour * 3600 + minute * 60 + second.
int GetSecondsOfDay(double dt);

// "YYYY-MM-DDTHH:MM:SS..." (anything after the 19th character ignored, time
// optional); empty text gives 0.0. Throws textfmt::ConvertError when the
// fields do not form a valid date and time.
double ParseIsoDateTime(const QString& text);

// The file's length, 0 when it cannot be opened.
std::int64_t GetFileLength(const std::string& path);

// Initial course from point 1 to point 2 in degrees, 0 <= course < 360;
// the fallback for two identical points.
double ComputeInitialBearing(double fallback, double lon2, double lat2, double lon1, double lat1);

// Turn letters of the route exports ("C", "TSLL", ...).
const char* TurnTypeToCode(unsigned turn);

// Douglas-Peucker: sets keep[i] = 1 for the points kept (keep must hold n
// zeros on entry) and returns their number. Fewer than three points are all
// kept. A negative or non-finite tolerance is refused with -1.
int SimplifyPolyline(const double* x, const double* y, int n, double tolerance, std::int32_t* keep);

// Great-circle distance in km on a sphere of radius 6378.137 km.
double ComputeHaversineDistance(double lon1, double lat1, double lon2, double lat2);
// The same with the cosine of each latitude given (HaversineLatitudeCos), so
// a walk along a track works out one cosine per point instead of two.
double HaversineLatitudeCos(double lat);
double ComputeHaversineDistance(double lon1, double lat1, double cosLat1, double lon2, double lat2, double cosLat2);

// UTC <-> local with the offset in force at the converted moment. Invalid
// input leaves out unchanged and returns false.
bool ConvertUtcToLocal(const SystemTime& utc, SystemTime& out);
bool ConvertLocalToUtc(const SystemTime& local, SystemTime& out);

// Cuts s to its first n characters (n = 0 or n >= length: unchanged). A
// UTF-16 surrogate pair is never split.
template <class Str>
void TruncateString(Str& s, int n) {
  if (n <= 0 || static_cast<std::size_t>(n) >= static_cast<std::size_t>(s.size())) return;
  std::size_t cut = static_cast<std::size_t>(n);
  using Unit = typename Str::value_type;
  char16_t last = 0;
  if constexpr (std::is_same_v<Unit, QChar>) {
    last = s[cut - 1].unicode();
  } else if constexpr (sizeof(Unit) == 2) {
    last = static_cast<char16_t>(s[cut - 1]);
  }
  if (last >= 0xD800 && last <= 0xDBFF) --cut;
  s.resize(static_cast<decltype(s.size())>(cut));
}

// Exactly count elements, terminators included; new characters are added to
// the table.
void ConvertToDeviceCodes(std::uint16_t* codes, const char16_t* chars, int count, TFontTable& table);
void ConvertFromDeviceCodes(char16_t* chars, const std::uint16_t* codes, int count, const TFontTable& table);

// The n-th (1-based) field of text split at a one-character delimiter;
// empty for n <= 0, an empty delimiter or a missing field.
QString GetDelimitedField(const QString& text, const QString& delimiter, int n);

// A latitude or longitude as a user types it: "." or "," as the decimal
// separator (a German or French desktop gives ","), blanks around allowed,
// -90..90 or -180..180 degrees. Sets out and answers the empty text, or
// answers the reason to show, in the chosen language, naming the field and
// its range.
enum class CoordinateAxis { Latitude, Longitude };
QString ReadCoordinate(const QString& text, CoordinateAxis axis, double& out);
