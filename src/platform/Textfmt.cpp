#include "Textfmt.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace textfmt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// QString -> ASCII bytes for the parsers; any non-ASCII character makes the
// text unparsable, which the parsers see as a '\x01'.
std::string asciiOf(const QString& s) {
  std::string r;
  r.reserve(static_cast<size_t>(s.size()));
  for (QChar c : s) r.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x01');
  return r;
}

}  // namespace

namespace {

// Text of a finite, non-zero value rounded to 15 significant digits, with or
// without the exponent form, from the significant digits and the decimal
// exponent of the first one.
char* writeGeneral(char* out, bool negative, const char* digits, std::size_t count, int exponent,
                   bool allowExponent) {
  while (count > 1 && digits[count - 1] == '0') --count;
  if (negative) *out++ = '-';
  if (allowExponent && (exponent < -4 || exponent >= 15)) {
    *out++ = digits[0];
    if (count > 1) {
      *out++ = '.';
      out = std::copy(digits + 1, digits + count, out);
    }
    *out++ = 'E';
    return std::to_chars(out, out + 8, exponent).ptr;
  }
  if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    return std::copy(digits, digits + count, out);
  }
  const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
  if (count <= intDigits) {
    out = std::copy(digits, digits + count, out);
    return std::fill_n(out, intDigits - count, '0');
  }
  out = std::copy(digits, digits + intDigits, out);
  *out++ = '.';
  return std::copy(digits + intDigits, digits + count, out);
}

// Powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// a * 10^p (a >= 0) rounded to the nearest whole number, when that product
// is below 1e15 and not next to a tie. The product's rounding error comes
// back exactly from a fused multiply-add, so the test is sure. The shortcut
// of the two writers below; anything it refuses goes the exact way.
[[gnu::always_inline]] inline bool roundedProduct(double a, int p, std::uint64_t& out) {
  const double y = a * kPow10[p];
  if (!(y < 1e15)) return false;
  const double err = std::fma(a, kPow10[p], -y);
  const double whole = static_cast<double>(static_cast<std::uint64_t>(y));
  const double frac = (y - whole) + err;
  if (std::fabs(frac - 0.5) < 1e-6) return false;
  out = static_cast<std::uint64_t>(whole) + (frac > 0.5 ? 1 : 0);
  return true;
}

constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// v < 100000000 as eight digits.
[[gnu::always_inline]] inline void put8Digits(char* out, std::uint32_t v) {
  const std::uint32_t hi = v / 10000, lo = v % 10000;
  std::memcpy(out, kTwoDigits + 2 * (hi / 100), 2);
  std::memcpy(out + 2, kTwoDigits + 2 * (hi % 100), 2);
  std::memcpy(out + 4, kTwoDigits + 2 * (lo / 100), 2);
  std::memcpy(out + 6, kTwoDigits + 2 * (lo % 100), 2);
}

// The 15 significant digits of a (1e-3 <= a < 1e14) and the exponent of the
// first, the way the exact conversion gives them; false when unsure.
bool fifteenDigits(double a, char (&digits)[16], int& exponent) {
  // From the binary exponent: the decimal one, or one below it.
  int e = static_cast<int>(std::floor(std::ilogb(a) * 0.30102999566398120));
  double y = a * kPow10[14 - e];
  if (y >= 1e15) {
    ++e;
    y = a * kPow10[14 - e];
  }
  if (y < 1e14 + 1 || y > 1e15 - 1) return false;  // next to a power of ten: the exact way
  std::uint64_t r = 0;
  if (!roundedProduct(a, 14 - e, r)) return false;
  if (r >= 1000000000000000ull) return false;
  // Two halves of eight digits, two digits at a time; the first digit of the
  // upper half is a zero that is dropped.
  char all[16];
  put8Digits(all, static_cast<std::uint32_t>(r / 100000000));
  put8Digits(all + 8, static_cast<std::uint32_t>(r % 100000000));
  std::memcpy(digits, all + 1, 15);
  exponent = e;
  return true;
}

// a (1e-3 <= a < 1e6) with at most nine decimals, when those give it back
// exactly: then that text has at most 15 significant digits and is the
// 15-digit rounding itself. The common case of numbers read from files.
char* nineDecimals(char* out, double a, bool negative) {
  std::uint64_t r = 0;
  if (!roundedProduct(a, 9, r) || static_cast<double>(r) / 1e9 != a) return nullptr;
  if (negative) *out++ = '-';
  const std::uint64_t whole = r / 1000000000;
  std::uint32_t frac = static_cast<std::uint32_t>(r % 1000000000);
  if (whole < 10) {
    *out++ = static_cast<char>('0' + whole);
  } else {
    out = std::to_chars(out, out + 8, whole).ptr;
  }
  if (frac == 0) return out;
  int n = 9;
  while (frac % 10 == 0) frac /= 10, --n;
  *out = '.';
  for (int i = n; i > 0; --i, frac /= 10) out[i] = static_cast<char>('0' + frac % 10);
  return out + n + 1;
}

char* generalFloatChars(char* out, double v, bool allowExponent) {
  const double a = std::fabs(v);
  if (a >= 1e-3 && a < 1e6)
    if (char* end = nineDecimals(out, a, v < 0)) return end;
  char digits[16];
  int exponent = 0;
  if (a >= 1e-3 && a < 1e14 && fifteenDigits(a, digits, exponent))
    return writeGeneral(out, v < 0, digits, 15, exponent, allowExponent);
  // 15 significant digits, rounded once; the exponent comes from the rounded
  // value so 999999999999999.9 becomes 1E15, not 1000000000000000.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  bool negative = sci.front() == '-';
  if (negative) sci.remove_prefix(1);
  size_t ePos = sci.find('e');
  std::size_t count = 0;
  digits[count++] = sci[0];
  for (size_t i = 2; i < ePos && count < 15; ++i) digits[count++] = sci[i];
  std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);
  return writeGeneral(out, negative, digits, count, exponent, allowExponent);
}

char* copyText(char* out, std::string_view s) { return std::copy(s.begin(), s.end(), out); }

}  // namespace

char* FloatToChars(char* out, double v) {
  if (std::isnan(v)) return copyText(out, "NAN");
  if (std::isinf(v)) return copyText(out, v > 0 ? "INF" : "-INF");
  if (v == 0) return copyText(out, "0");
  return generalFloatChars(out, v, true);
}

char* FloatToDecimalChars(char* out, double v) {
  if (!std::isfinite(v) || v == 0) return copyText(out, "0");
  return generalFloatChars(out, v, false);
}

char* FormatFixedChars(char* out, double v, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 30) decimals = 30;
  if (!std::isfinite(v)) return FloatToChars(out, v);
  std::uint64_t r = 0;
  if (decimals <= 15 && roundedProduct(std::fabs(v), decimals, r)) {
    if (std::signbit(v)) *out++ = '-';
    const std::uint64_t scale = static_cast<std::uint64_t>(kPow10[decimals]);
    out = std::to_chars(out, out + 24, r / scale).ptr;
    if (decimals > 0) {
      *out++ = '.';
      std::uint64_t f = r % scale;
      for (int i = decimals - 1; i >= 0; --i, f /= 10) out[i] = static_cast<char>('0' + f % 10);
      out += decimals;
    }
    return out;
  }
  return std::to_chars(out, out + kNumberCharsMax, v, std::chars_format::fixed, decimals).ptr;
}

std::string FloatToStr(double v) {
  char buf[kNumberCharsMax];
  return std::string(buf, FloatToChars(buf, v));
}

std::string FloatToDecimalStr(double v) {
  char buf[kNumberCharsMax];
  return std::string(buf, FloatToDecimalChars(buf, v));
}

QString FloatToQStr(double v) { return QString::fromLatin1(FloatToStr(v)); }

std::string FormatFixed(double v, int decimals) {
  char buf[kNumberCharsMax];
  return std::string(buf, FormatFixedChars(buf, v, decimals));
}

bool TryStrToFloat(std::string_view s, double& out) {
  s = trimBlanks(s);
  if (s.empty()) return false;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // The body must be digits [. digits] [E [sign] digits]: from_chars alone
  // would also take "inf", "nan" and hex.
  size_t i = 0, mantissaDigits = 0, fractionDigits = 0;
  std::uint64_t m = 0;  // the digits as a whole number, while they are few
  auto digit = [&] { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
  for (; digit(); ++i, ++mantissaDigits) m = m * 10 + static_cast<std::uint64_t>(s[i] - '0');
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; digit(); ++i, ++mantissaDigits, ++fractionDigits) m = m * 10 + static_cast<std::uint64_t>(s[i] - '0');
  }
  if (mantissaDigits == 0) return false;
  if (i == s.size() && mantissaDigits <= 15 && (fractionDigits > 0 || s.back() != '.')) {
    // A short decimal, as most numbers in files are: the whole number of its
    // digits and the power of ten are both exact doubles, so the one rounding
    // of their quotient gives the correctly rounded value, as from_chars does.
    const double v = static_cast<double>(m) / kPow10[fractionDigits];
    out = negative ? -v : v;
    return true;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  std::string body(s);
  if (body.front() == '.') body.insert(body.begin(), '0');
  double v = 0;
  auto res = std::from_chars(body.data(), body.data() + body.size(), v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Underflow is a zero; overflow is refused.
    if (std::fabs(v) >= 1.0 || v == 0) {
      bool tiny = body.find_first_of("eE") != std::string::npos &&
                  body.find('-', body.find_first_of("eE")) != std::string::npos;
      if (!tiny) return false;
      v = 0;
    }
  } else if (res.ec != std::errc() || res.ptr != body.data() + body.size()) {
    return false;
  }
  out = negative ? -v : v;
  return true;
}

bool TryStrToFloat(const QString& s, double& out) { return TryStrToFloat(asciiOf(s), out); }

double StrToFloat(std::string_view s) {
  double v;
  if (!TryStrToFloat(s, v)) throw ConvertError("'" + std::string(s) + "' is not a valid floating point value");
  return v;
}
double StrToFloat(const QString& s) { return StrToFloat(asciiOf(s)); }

double StrToFloatDef(std::string_view s, double def) {
  double v;
  return TryStrToFloat(s, v) ? v : def;
}
double StrToFloatDef(const QString& s, double def) { return StrToFloatDef(asciiOf(s), def); }

bool TryStrToInt(std::string_view s, int& out) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return false;
  std::uint64_t magnitude = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
  if (base == 16 && !negative) {
    // Hex text is a bit pattern: $FFFFFFFF is -1.
    if (magnitude > 0xFFFFFFFFull) return false;
    out = static_cast<int>(static_cast<std::uint32_t>(magnitude));
    return true;
  }
  std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  if (magnitude > limit) return false;
  out = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

bool TryStrToInt(const QString& s, int& out) { return TryStrToInt(asciiOf(s), out); }

int StrToInt(std::string_view s) {
  int v;
  if (!TryStrToInt(s, v)) throw ConvertError("'" + std::string(s) + "' is not a valid integer value");
  return v;
}
int StrToInt(const QString& s) { return StrToInt(asciiOf(s)); }

int StrToIntDef(std::string_view s, int def) {
  int v;
  return TryStrToInt(s, v) ? v : def;
}
int StrToIntDef(const QString& s, int def) { return StrToIntDef(asciiOf(s), def); }

std::string IntToStr(long long v) { return std::to_string(v); }

// --- dates ----------------------------------------------------------------------

namespace {
bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int daysInMonth(int y, int m) {
  static const int d[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : d[m - 1];
}
constexpr double kMsPerDay = 86400000.0;
}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= daysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         msec >= 0 && msec < 1000;
}

std::int64_t DaysFromCivil(int year, int month, int day) {
  // Howard Hinnant's days_from_civil.
  std::int64_t y = year - (month <= 2 ? 1 : 0);
  std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  std::int64_t yoe = y - era * 400;
  std::int64_t mp = (month + 9) % 12;
  std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
  std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t y = yoe + era * 400;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2 ? 1 : 0));
}

bool TryEncodeDate(int year, int month, int day, double& out) {
  if (!IsValidDate(year, month, day)) return false;
  out = static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDays;
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, double& out) {
  if (!IsValidTime(hour, minute, second, msec)) return false;
  out = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / kMsPerDay;
  return true;
}

bool TryEncodeDateTime(const DateTimeParts& p, double& out) {
  double d, t;
  if (!TryEncodeDate(p.year, p.month, p.day, d) ||
      !TryEncodeTime(p.hour, p.minute, p.second, p.msec, t))
    return false;
  // Before 1899-12-30 the fraction counts away from zero, as the format has it.
  out = d >= 0 ? d + t : d - t;
  return true;
}

double EncodeDateTime(const DateTimeParts& p) {
  double v;
  if (!TryEncodeDateTime(p, v)) throw ConvertError("invalid date or time");
  return v;
}

DateTimeParts DecodeDateTime(double dt) {
  DateTimeParts p;
  if (!std::isfinite(dt) || std::fabs(dt) > 3.0e6) return p;
  double whole = std::trunc(dt);
  std::int64_t ms = std::llround(std::fabs(dt - whole) * kMsPerDay);
  std::int64_t days = static_cast<std::int64_t>(whole);
  if (ms >= static_cast<std::int64_t>(kMsPerDay)) {
    ms -= static_cast<std::int64_t>(kMsPerDay);
    days += dt >= 0 ? 1 : -1;
  }
  CivilFromDays(days - static_cast<std::int64_t>(kUnixEpochDays), p.year, p.month, p.day);
  p.hour = static_cast<int>(ms / 3600000);
  p.minute = static_cast<int>(ms / 60000 % 60);
  p.second = static_cast<int>(ms / 1000 % 60);
  p.msec = static_cast<int>(ms % 1000);
  return p;
}

double UnixToDateTime(std::int64_t seconds) {
  return kUnixEpochDays + static_cast<double>(seconds) / 86400.0;
}

std::int64_t DateTimeToUnix(double dt) {
  return std::llround((dt - kUnixEpochDays) * 86400.0);
}

}  // namespace textfmt
