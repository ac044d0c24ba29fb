#include "Textfmt.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <string>
#include <cmath>
#include <limits>

using namespace textfmt;

TEST(FloatToStr, GeneralFormatTable) {
  struct Case { double v; const char* text; };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {250.0, "250"},
      {48.12345678, "48.12345678"},
      {25.05497, "25.05497"},
      {-121.5, "-121.5"},
      {0.1, "0.1"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.0001, "0.0001"},
      {0.00012, "0.00012"},
      {0.00005, "5E-5"},
      {-0.000012345, "-1.2345E-5"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E15"},
      {123456789012345678.0, "1.23456789012346E17"},
      {1e-300, "1E-300"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.v), c.text) << c.text;
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FloatToStr, IgnoresTheProcessLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale installed";
  EXPECT_EQ(FloatToStr(48.5), "48.5");
  EXPECT_EQ(FormatFixed(1.25, 3), "1.250");
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(FormatFixed, RoundsLikeTheCLibrary) {
  EXPECT_EQ(FormatFixed(48.123456, 5), "48.12346");
  EXPECT_EQ(FormatFixed(-0.5, 1), "-0.5");
  EXPECT_EQ(FormatFixed(2.0, 0), "2");
  EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
}

// The writers take a shortcut for ordinary values; over a million values of
// every shape (short decimals, full doubles, halves that tie, values next to
// powers of ten) they must give the text of the exact conversion.
TEST(FloatToStr, ShortcutGivesTheExactText) {
  auto exactGeneral = [](double v, bool allowExponent) {
    if (!std::isfinite(v) || v == 0) return std::string(allowExponent && std::isnan(v) ? "NAN" : "0");
    char buf[64];
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
    std::string sci(buf, end);
    std::string out = sci[0] == '-' ? "-" : "";
    if (sci[0] == '-') sci.erase(0, 1);
    const std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    const int exponent = std::stoi(sci.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (allowExponent && (exponent < -4 || exponent >= 15))
      return out + digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + "E" +
             std::to_string(exponent);
    if (exponent < 0) return out + "0." + std::string(-exponent - 1, '0') + digits;
    const std::size_t whole = exponent + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
  };
  std::uint64_t s = 88172645463325252ull;
  auto next = [&] {
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return s;
  };
  for (int i = 0; i < 1000000; ++i) {
    const std::uint64_t r = next();
    double v = 0;
    switch (r % 5) {
      case 0:  // a random bit pattern of a finite double in the shortcut's range and around it
        v = std::ldexp(static_cast<double>(next() >> 11) * 0x1.0p-53 + 0.5, static_cast<int>(next() % 70) - 20);
        break;
      case 1:  // a short decimal
        v = static_cast<double>(static_cast<std::int64_t>(next() % 2000000000000ull) - 1000000000000ll) /
            std::pow(10.0, static_cast<double>(next() % 16));
        break;
      case 2:  // a tie at some digit
        v = (static_cast<double>(next() % 100000) + 0.5) / std::pow(10.0, static_cast<double>(next() % 8));
        break;
      case 3:  // next to a power of ten
        v = std::nextafter(std::pow(10.0, static_cast<double>(next() % 22) - 5), (next() & 1) ? 0.0 : 1e300);
        break;
      default:  // a sum as an import makes it
        v = 48.0 + 0.00001 * static_cast<double>(next() % 50000) + 0.000003 * static_cast<double>(next() % 7);
        break;
    }
    if (r & (1ull << 40)) v = -v;
    ASSERT_EQ(FloatToStr(v), exactGeneral(v, true)) << std::hexfloat << v;
    ASSERT_EQ(FloatToDecimalStr(v), exactGeneral(v, false)) << std::hexfloat << v;
    const int decimals = static_cast<int>(next() % 8);
    char buf[400];
    const std::string fixed(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr);
    ASSERT_EQ(FormatFixed(v, decimals), fixed) << std::hexfloat << v << " " << decimals;
    // And back: the reader's shortcut for short decimals rounds as from_chars does.
    for (const std::string& text : {fixed, FloatToDecimalStr(v)}) {
      double got = 0, want = 0;
      ASSERT_TRUE(TryStrToFloat(text, got)) << text;
      std::from_chars(text.data() + (text[0] == '-'), text.data() + text.size(), want);
      if (text[0] == '-') want = -want;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(want)) << text;
    }
  }
}

TEST(StrToFloat, AcceptsAndRefuses) {
  struct Case { const char* text; bool ok; double v; };
  const Case cases[] = {
      {"1.5", true, 1.5},      {" -2.25 ", true, -2.25}, {"+3", true, 3},
      {".5", true, 0.5},       {"5.", true, 5},          {"5E-5", true, 5e-5},
      {"1e3", true, 1000},     {"1E+3", true, 1000},     {"1e-400", true, 0},
      {"", false, 0},          {" ", false, 0},          {"1,5", false, 0},
      {"abc", false, 0},       {"1.5x", false, 0},       {"inf", false, 0},
      {"nan", false, 0},       {"0x10", false, 0},       {"1e", false, 0},
      {"1e999", false, 0},     {"-", false, 0},          {".", false, 0},
  };
  for (const auto& c : cases) {
    double v = -7;
    EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.v) << c.text;
    }
  }
  EXPECT_THROW(StrToFloat("x"), ConvertError);
  EXPECT_DOUBLE_EQ(StrToFloatDef("x", 4.5), 4.5);
  EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("12.75")), 12.75);
  double unused = 0;
  EXPECT_FALSE(TryStrToFloat(QString::fromUtf8("1\xC2\xB7" "5"), unused));
}

TEST(StrToInt, DecimalAndHex) {
  struct Case { const char* text; bool ok; int v; };
  const Case cases[] = {
      {"42", true, 42},          {"  -17", true, -17},          {"+8", true, 8},
      {"$FF", true, 255},        {"$ffffffff", true, -1},       {"0x10", true, 16},
      {"-$10", true, -16},       {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},  {"$100000000", false, 0},      {"12 ", false, 0},
      {"", false, 0},            {"$", false, 0},               {"1.0", false, 0},
      {"abc", false, 0},         {"99999999999999999999", false, 0},
  };
  for (const auto& c : cases) {
    int v = -7;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.v) << c.text;
    }
  }
  EXPECT_THROW(StrToInt("zz"), ConvertError);
  EXPECT_EQ(StrToIntDef("zz", 9), 9);
}

TEST(DateTime, EncodeDecodeRoundTrip) {
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30, 0, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1970, 1, 1, 0, 0, 0, 0}), kUnixEpochDays);
  EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 1, 1, 12, 0, 0, 0}), 36526.5);
  DateTimeParts p{2024, 2, 29, 23, 59, 59, 999};
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(p)), p);
  DateTimeParts q{2008, 3, 30, 1, 59, 59, 0};
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(q)), q);
  // Half a millisecond before midnight rounds into the next day.
  DateTimeParts next = DecodeDateTime(36526.0 - 0.0004 / 86400.0);
  EXPECT_EQ(next, (DateTimeParts{2000, 1, 1, 0, 0, 0, 0}));
}

TEST(DateTime, RefusesInvalidFields) {
  double v = 0;
  EXPECT_FALSE(TryEncodeDateTime({2023, 2, 29, 0, 0, 0, 0}, v));
  EXPECT_FALSE(TryEncodeDateTime({2023, 13, 1, 0, 0, 0, 0}, v));
  EXPECT_FALSE(TryEncodeDateTime({2023, 1, 1, 24, 0, 0, 0}, v));
  EXPECT_FALSE(TryEncodeDateTime({2023, 1, 1, 0, 60, 0, 0}, v));
  EXPECT_FALSE(TryEncodeDateTime({0, 1, 1, 0, 0, 0, 0}, v));
  EXPECT_THROW(EncodeDateTime({2023, 0, 1, 0, 0, 0, 0}), ConvertError);
  EXPECT_EQ(DecodeDateTime(std::nan("")), DateTimeParts{});
}

TEST(DateTime, UnixSeconds) {
  EXPECT_EQ(DateTimeToUnix(UnixToDateTime(1700000000)), 1700000000);
  EXPECT_EQ(DecodeDateTime(UnixToDateTime(951782400)), (DateTimeParts{2000, 2, 29, 0, 0, 0, 0}));
}
