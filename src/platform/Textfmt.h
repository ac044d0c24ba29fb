#pragma once
// Locale-free number and date-time text.
//
// Every number the program writes into files, the ini file, the map page or
// its lists goes through here, never through printf, iostreams or the user's
// locale: Qt sets the process locale from the desktop, and a German desktop
// would otherwise write "," into data files.
//
// Date-times are the classic day-count doubles: whole days since 1899-12-30,
// the fraction is the time of day.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace textfmt {

// Thrown by the converting functions that have no "Try" or "Def" form.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// General float text: at most 15 significant digits, the shortest text that
// gives them, "." as decimal separator, exponent form ("5E-5", "1.5E20") below
// 0.0001 or from 1E15 on. Non-finite values give "NAN", "INF" or "-INF".
std::string FloatToStr(double v);
QString FloatToQStr(double v);

// The same 15 significant digits as plain decimal text, never an exponent
// ("0.00005", "150000000000000000000"), for formats whose numbers are
// xsd:decimal. Non-finite values give "0".
std::string FloatToDecimalStr(double v);

// Fixed-point text with the given number of decimals, like "%.Nf" in the C
// locale (decimals 0..30).
std::string FormatFixed(double v, int decimals);

// The same three texts written into a buffer of at least kNumberCharsMax
// bytes, for writers of millions of numbers; each returns the end of the text.
constexpr std::size_t kNumberCharsMax = 400;
char* FloatToChars(char* out, double v);
char* FloatToDecimalChars(char* out, double v);
char* FormatFixedChars(char* out, double v, int decimals);

// Parses a float with "." as separator: optional blanks around it, optional
// sign, digits with an optional fraction, an optional exponent. No hex, no
// "inf"/"nan", no thousands separators. Results that overflow are refused.
bool TryStrToFloat(std::string_view s, double& out);
bool TryStrToFloat(const QString& s, double& out);
double StrToFloat(std::string_view s);  // throws ConvertError
double StrToFloat(const QString& s);
double StrToFloatDef(std::string_view s, double def);
double StrToFloatDef(const QString& s, double def);

// Parses a 32-bit integer: leading blanks, optional sign, decimal digits or
// "$"/"0x"/"0X" followed by hex digits. Anything after the number refuses it.
bool TryStrToInt(std::string_view s, int& out);
bool TryStrToInt(const QString& s, int& out);
int StrToInt(std::string_view s);  // throws ConvertError
int StrToInt(const QString& s);
int StrToIntDef(std::string_view s, int def);
int StrToIntDef(const QString& s, int def);

// Plain C strings are data text, not QString.
inline bool TryStrToFloat(const char* s, double& out) { return TryStrToFloat(std::string_view(s), out); }
inline double StrToFloat(const char* s) { return StrToFloat(std::string_view(s)); }
inline double StrToFloatDef(const char* s, double def) { return StrToFloatDef(std::string_view(s), def); }
inline bool TryStrToInt(const char* s, int& out) { return TryStrToInt(std::string_view(s), out); }
inline int StrToInt(const char* s) { return StrToInt(std::string_view(s)); }
inline int StrToIntDef(const char* s, int def) { return StrToIntDef(std::string_view(s), def); }
inline bool TryStrToFloat(const std::string& s, double& out) { return TryStrToFloat(std::string_view(s), out); }
inline double StrToFloat(const std::string& s) { return StrToFloat(std::string_view(s)); }
inline double StrToFloatDef(const std::string& s, double def) { return StrToFloatDef(std::string_view(s), def); }
inline bool TryStrToInt(const std::string& s, int& out) { return TryStrToInt(std::string_view(s), out); }
inline int StrToInt(const std::string& s) { return StrToInt(std::string_view(s)); }
inline int StrToIntDef(const std::string& s, int def) { return StrToIntDef(std::string_view(s), def); }

std::string IntToStr(long long v);

// --- day-count date-times -------------------------------------------------------

struct DateTimeParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, msec = 0;
  friend bool operator==(const DateTimeParts&, const DateTimeParts&) = default;
};

bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec);
// Refuse invalid fields (returns false and leaves out untouched).
bool TryEncodeDate(int year, int month, int day, double& out);
bool TryEncodeTime(int hour, int minute, int second, int msec, double& out);
bool TryEncodeDateTime(const DateTimeParts& p, double& out);
double EncodeDateTime(const DateTimeParts& p);  // throws ConvertError

// Splits a day-count date-time into its fields, the time rounded to the
// millisecond (a time that rounds up to midnight carries into the next day).
DateTimeParts DecodeDateTime(double dt);

// Whole days since 1970-01-01 for a calendar date (proleptic Gregorian).
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

// Seconds since 1970-01-01 00:00 of the same clock <-> day-count date-time.
double UnixToDateTime(std::int64_t seconds);
std::int64_t DateTimeToUnix(double dt);  // rounded to the nearest second

constexpr double kUnixEpochDays = 25569.0;  // 1970-01-01 as a day count

}  // namespace textfmt
